// Where every piece of the Luna theme's two skin images lies. The theme cuts its pieces out
// of the images at these places and the artwork generator paints the images to fit them, so
// each coordinate is written here once. Rectangles are in image pixels, right and bottom
// exclusive. Pieces that come in states or kinds are a first piece plus a step per state.
#pragma once

#include <array>
#include <cstdint>

namespace LunaSkin {

struct TPiece {
    int Left;
    int Top;
    int Width;
    int Height;

    constexpr int Right() const { return Left + Width; }
    constexpr int Bottom() const { return Top + Height; }
    // The same-sized piece moved by (DX, DY).
    constexpr TPiece Moved(int DX, int DY) const { return {Left + DX, Top + DY, Width, Height}; }
};

// The two images: the main skin holds the active frame and every control piece, the second
// skin the same frame pieces in their inactive colours plus scroll bars, track bars and tabs.
constexpr int MainWidth = 190;
constexpr int MainHeight = 372;
constexpr int SecondWidth = 196;
constexpr int SecondHeight = 435;

// The colour that the theme turns fully transparent after loading an image.
constexpr uint32_t TransparentKey = 0xFF00FF; // RGB(255, 0, 255)

// ---- Frame and caption (both images, same places) ----

// The standard frame: caption band on top (CaptionHeight rows), borders below it.
constexpr TPiece StandardFrame{0, 0, 66, 60};
constexpr int StandardBorder = 3;
constexpr int StandardCaptionHeight = 29;
constexpr int StandardBottomTop = 57; // first row of the bottom border strip
// The tool-window frame.
constexpr TPiece ToolFrame{66, 0, 65, 51};
constexpr int ToolBorder = 2;
constexpr int ToolCaptionHeight = 19;
constexpr int ToolBottomTop = 49;
// The tool-window frame's right border pieces start here, one column left of the caption's
// right end, and so reach one column past it; its side strips start three rows under the
// caption, the left one read 3 columns wide (and squeezed into the 2-pixel border).
constexpr int ToolRightBorderLeft = 130;
constexpr int ToolSideStripTop = ToolCaptionHeight + 3;
constexpr int ToolLeftStripWidth = 3;
// Width of the caption's corner pieces, copied unscaled at both ends of the band.
constexpr int CaptionCorner = 10;

// Caption buttons of the standard frame, 21 x 21: one column per look (normal, hot, pressed)
// and one row per kind, in the order close, help, minimize, maximize, restore, roll-up,
// roll-down, tray.
constexpr int CaptionButtonSize = 21;
constexpr int CaptionButtonKinds = 8;
constexpr std::array<int, 3> CaptionButtonColumn{0, 21, 42};
constexpr std::array<int, 8> CaptionButtonRow{70, 100, 160, 130, 190, 280, 220, 250};
// The close button of a tool-window frame, 14 x 14, in the looks normal, hot, pressed.
constexpr int ToolCloseSize = 14;
constexpr std::array<int, 3> ToolCloseColumn{66, 80, 94};
constexpr int ToolCloseTop = 70;

// ---- Main skin: controls ----

// Push-button faces, 73 x 21, nine-sliced with a 4-pixel margin; one row per look: normal,
// hot, pressed, disabled, focused (also the default button).
constexpr TPiece Button{70, 100, 73, 21};
constexpr std::array<int, 5> ButtonRow{100, 130, 160, 190, 220};
constexpr int ButtonMargin = 4;

// Check boxes and radio buttons, 16 x 16: one row per state (normal, hot, pressed,
// disabled), then the same four rows checked, then (check boxes only) grayed.
constexpr TPiece CheckBox{171, 102, 16, 16};
constexpr TPiece RadioButton{152, 102, 16, 16};
constexpr int CheckStateStep = 16;
constexpr int CheckedStep = 64;
constexpr int CheckStates = 4;
constexpr int GrayedStep = 128;

// Task-panel group buttons, 17 x 17: columns normal, hot, pressed; rows collapse, expand,
// close.
constexpr TPiece TaskGroupButton{134, 32, 17, 17};
constexpr int TaskGroupButtonStep = 17;
constexpr int TaskGroupButtonLooks = 3;
constexpr int TaskGroupButtonKinds = 3;

// Combo-box drop-down button, 15 x 14 per state (3 rows top and bottom kept, middle
// stretched), and its 10 x 7 arrow per state.
constexpr TPiece ComboButton{151, 248, 15, 14};
constexpr int ComboButtonStep = 14;
constexpr int ComboButtonStates = 4;
constexpr int ComboButtonCap = 3;
constexpr TPiece ComboArrow{155, 314, 10, 7};
constexpr int ComboArrowStep = 7;

// Tool-bar button faces, 20 x 23, nine-sliced with a 4-pixel margin: normal at the first
// piece, then hot (20, 0), pressed (40, 0), checked (20, 23), checked and hot (40, 23).
constexpr TPiece ToolButton{69, 278, 20, 23};
constexpr int ToolButtonMargin = 4;
struct TShift {
    int DX;
    int DY;
};
constexpr std::array<TShift, 5> ToolButtonLookShift{{{0, 0}, {20, 0}, {40, 0}, {20, 23}, {40, 23}}};
// The small drop-down arrow of a tool button, 6 x 3 per state; checked ones 12 rows lower.
constexpr TPiece ToolDropDownArrow{60, 311, 6, 3};
constexpr int ToolDropDownArrowStep = 3;
constexpr int ToolDropDownCheckedStep = 12;
constexpr int ToolDropDownArrowStates = 4;

// Control-bar grip, tiled over the grip area.
constexpr TPiece ControlBarGrip{119, 58, 10, 6};

// Small button face, 14 x 14 per state, nine-sliced with a 3-pixel margin.
constexpr TPiece SmallButton{132, 278, 14, 14};
constexpr int SmallButtonStep = 14;
constexpr int SmallButtonMargin = 3;
constexpr int SmallButtonStates = 4;

// MDI child buttons in a menu bar, 19 x 19: columns minimize, restore, close; rows normal,
// selected while not tracking, selected while tracking.
constexpr int MDIButtonSize = 19;
constexpr std::array<int, 3> MDIButtonColumn{0, 19, 38}; // minimize, restore, close
constexpr int MDIButtonTop = 310;
constexpr int MDIButtonRows = 3;

// ---- Second skin: scroll bars, track bars, tabs ----

// Scroll-bar channel pieces, stretched over the track.
constexpr TPiece ScrollTrackHorizontal{19, 305, 17, 17};
constexpr TPiece ScrollTrackVertical{37, 305, 17, 17};
// Scroll-bar thumb and arrow-button face, 17 x 17 per state, nine-sliced with a 3-pixel
// margin.
constexpr TPiece ScrollThumb{1, 305, 17, 17};
constexpr int ScrollThumbStep = 17;
constexpr int ScrollThumbMargin = 3;
constexpr int ScrollStates = 4; // normal, hot, pressed, disabled: thumbs and arrow glyphs
// Arrow glyphs, 9 x 9 per state: up, down, left, right.
constexpr int ScrollArrowSize = 9;
constexpr int ScrollArrowTop = 375;
constexpr int ScrollArrowUp = 2;
constexpr int ScrollArrowDown = 20;
constexpr int ScrollArrowLeft = 11;
constexpr int ScrollArrowRight = 29;

// Track-bar thumbs, one row per look (normal, hot, pressed, focused, disabled): the plain
// shape steps 43 rows, the two pointed shapes 55.
constexpr TPiece TrackThumbVertical{75, 128, 22, 11};
constexpr TPiece TrackThumbVerticalPointed1{153, 96, 22, 11};
constexpr TPiece TrackThumbVerticalPointed2{152, 78, 22, 11};
constexpr TPiece TrackThumbHorizontal{80, 100, 11, 23};
constexpr TPiece TrackThumbHorizontalPointed1{129, 96, 11, 22};
constexpr TPiece TrackThumbHorizontalPointed2{129, 67, 11, 22};
constexpr int TrackThumbPlainStep = 43;
constexpr int TrackThumbPointedStep = 55;
constexpr int TrackThumbLooks = 5;

// Tab pane body, nine-sliced with a 4-pixel margin.
constexpr TPiece TabPane{153, 344, 15, 18};
constexpr int TabMargin = 4;
// Tabs: normal, hot and selected looks for the first position; the other positions lie to
// the right (position 1 by 21, position 3 by 42, position 2 by 63).
constexpr TPiece TabNormal{68, 365, 21, 21};
constexpr TPiece TabHot{68, 344, 21, 21};
constexpr TPiece TabSelected{69, 386, 18, 21};
constexpr std::array<int, 4> TabPositionShift{0, 21, 63, 42};

} // namespace LunaSkin
