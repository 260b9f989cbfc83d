# The framework's windows: controls, forms, application and screen, standard controls,
# dialogs and the shell wrapper.
target_sources(framework PRIVATE
    Alignment.cpp
    Application.cpp
    Bevels.cpp
    ControlClasses.cpp
    ControlMessages.cpp
    ControlWindows.cpp
    Controls.cpp
    CustomControls.cpp
    Dialogs.cpp
    ExtCtrls.cpp
    Forms.cpp
    MouseTracking.cpp
    Screen.cpp
    ScrollBox.cpp
    ScrollingWinControl.cpp
    Shell.cpp
    StdCtrls.cpp
    Timer.cpp
    WinControl.cpp
)
target_link_libraries(framework PUBLIC user32 gdi32 comdlg32 shell32)
