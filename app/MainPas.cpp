#include "app/MainPas.h"

#include "app/AboutPas.h"
#include "app/FormParts.h"
#include "app/LastImgPas.h"
#include "app/Unit2.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/graphics/Picture.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/Screen.h"
#include "framework/windows/Shell.h"

TMainFrm* MainFrm = nullptr;

const char* const SupportAddress = "support@snapvale.example";
const char* const HomePageUrl = "https://snapvale.example/";

namespace {

const TMethodTable MainFrmMethods{
    TPublished<TMainFrm>::Method("btnFullScreenClick", &TMainFrm::btnFullScreenClick),
    TPublished<TMainFrm>::Method("btnPartScreenClick", &TMainFrm::btnPartScreenClick),
    TPublished<TMainFrm>::Method("btnAboutClick", &TMainFrm::btnAboutClick),
    TPublished<TMainFrm>::Method("btnEmailClick", &TMainFrm::btnEmailClick),
    TPublished<TMainFrm>::Method("btnHomepageClick", &TMainFrm::btnHomepageClick),
    TPublished<TMainFrm>::Method("btnExitClick", &TMainFrm::btnExitClick),
    TPublished<TMainFrm>::Method("Image1MouseDown", &TMainFrm::Image1MouseDown),
};

// Lends a device context the canvas does not own for the length of a scope.
class TBorrowedCanvas {
public:
    explicit TBorrowedCanvas(HDC DC) { FCanvas.SetHandle(DC); }
    TBorrowedCanvas(const TBorrowedCanvas&) = delete;
    TBorrowedCanvas& operator=(const TBorrowedCanvas&) = delete;
    ~TBorrowedCanvas() { FCanvas.SetHandle(nullptr); }
    TCanvas* Canvas() { return &FCanvas; }

private:
    TCanvas FCanvas;
};

} // namespace

const TComponentClassOf<TMainFrm> TMainFrm::Class{"TMainFrm", TForm::Class, nullptr,
                                                  &MainFrmMethods};

TMainFrm::TMainFrm(TComponent* AOwner) : TForm(AOwner) {
    RegisterControlClasses();
    RegisterClass(Class);
    ReadFormLayout();
    Image1 = ComponentNamed<TImage>(*this, "Image1");
}

void TMainFrm::CaptureScreen(TImage* Target) {
    // Asking the host for the screen's size is slow on some systems: once each is enough.
    const int ScreenWidth = Screen->Width();
    const int ScreenHeight = Screen->Height();
    // The screen goes straight into the picture's own bitmap, which keeps its memory from one
    // capture to the next while the screen's size stays the same: no second copy.
    TBitmap* Bitmap = Target->Picture()->Bitmap();
    Bitmap->SetSize(ScreenWidth, ScreenHeight);
    {
        TScreenDC ScreenDC;
        TBorrowedCanvas ScreenCanvas(ScreenDC.Get());
        const RECT Whole{0, 0, ScreenWidth, ScreenHeight};
        Bitmap->Canvas()->CopyRect(Whole, ScreenCanvas.Canvas(), Whole);
    }
    Target->SetWidth(Bitmap->Width());
    Target->SetHeight(Bitmap->Height());
}

void TMainFrm::GetOutOfTheWay() {
    SetWindowState(TWindowState::wsMinimized);
    Hide();
    Sleep(100);
}

void TMainFrm::btnFullScreenClick(TObject*) {
    GetOutOfTheWay();
    CaptureScreen(LastImgFrm->Image1);
    SetWindowState(TWindowState::wsNormal);
    Show();
    LastImgFrm->ShowModal();
}

void TMainFrm::btnPartScreenClick(TObject*) {
    GetOutOfTheWay();
    CaptureScreen(Form2->Image1);
    const bool Selected = Form2->ShowModal() == 1;
    // A cancelled selection brings the main window back as it was, too.
    SetWindowState(TWindowState::wsNormal);
    if (Selected)
        LastImgFrm->ShowModal();
    Show();
}

void TMainFrm::btnAboutClick(TObject*) {
    // Each click makes a fresh About box; the earlier ones live on with their owner.
    AboutFrm = new TAboutFrm(this);
    AboutFrm->ShowModal();
}

void TMainFrm::btnEmailClick(TObject*) {
    ShellExecuteRequest(
        {Handle(), "", std::string("mailto:") + SupportAddress + "?subject=Snapvale", "", ""});
}

void TMainFrm::btnHomepageClick(TObject*) {
    ShellExecuteRequest({Handle(), "", HomePageUrl, "", ""});
}

void TMainFrm::btnExitClick(TObject*) {
    Close();
}

void TMainFrm::Image1MouseDown(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button != TMouseButton::mbLeft)
        return;
    // Hand the drag to the system's own move loop, as if the caption had been grabbed.
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}
