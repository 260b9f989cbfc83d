// The main window: a small borderless window over a background picture with the six
// commands of the program (full-screen and region capture, About box, support mail, home
// page, exit). The borderless window is dragged by its background.
#pragma once

#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"
#include "framework/windows/StdCtrls.h"

class TMainFrm : public TForm {
public:
    static const TComponentClassOf<TMainFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TMainFrm(TComponent* AOwner);

    // Copies the whole primary screen into Target's picture and sizes Target to it.
    void CaptureScreen(TImage* Target);

    void btnFullScreenClick(TObject* Sender);
    void btnPartScreenClick(TObject* Sender);
    void btnAboutClick(TObject* Sender);
    void btnEmailClick(TObject* Sender);
    void btnHomepageClick(TObject* Sender);
    void btnExitClick(TObject* Sender);
    void Image1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    TImage* Image1 = nullptr;

private:
    // Minimises and hides the window, then waits for the windows underneath to repaint.
    void GetOutOfTheWay();
};

extern TMainFrm* MainFrm;

// Where the support mail and the home-page link go.
extern const char* const SupportAddress;
extern const char* const HomePageUrl;
