#include "WindowTestSupport.h"

#include "framework/graphics/GdiHandles.h"

namespace {

constexpr UINT RunStepMessage = WM_APP + 77;

} // namespace

bool PumpUntil(const std::function<bool()>& Done, int Steps) {
    for (int Step = 0; Step < Steps; ++Step) {
        Application->ProcessMessages();
        if (Done())
            return true;
        Sleep(10);
    }
    Application->ProcessMessages();
    return Done();
}

void BringForward(TForm& Form) {
    Form.SetFormStyle(TFormStyle::fsStayOnTop);
    Form.Show();
    SetForegroundWindow(Form.Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form.Handle(); }, 100);
}

TRecordedMessageBoxes::TRecordedMessageBoxes() {
    FPrevious = Application->SetMessageBoxFunc(
        [this](HWND, const std::string& Text, const std::string& Caption, UINT Flags) {
            Boxes.push_back(TBox{Text, Caption, Flags});
            return IDOK;
        });
}

TRecordedMessageBoxes::~TRecordedMessageBoxes() {
    Application->SetMessageBoxFunc(FPrevious);
}

void TScriptForm::Post(std::function<void()> Step) {
    FSteps.push_back(std::move(Step));
    PostMessageW(Handle(), RunStepMessage, 0, 0);
}

void TScriptForm::Dispatch(TMessage& Message) {
    if (Message.Msg == RunStepMessage && !FSteps.empty()) {
        auto Step = std::move(FSteps.front());
        FSteps.erase(FSteps.begin());
        Step();
        return;
    }
    TForm::Dispatch(Message);
}

TProbeControl::TProbeControl(TComponent* AOwner, TColor Fill)
    : TGraphicControl(AOwner), FFill(Fill) {}

void TProbeControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_MOUSEENTER)
        ++Enters;
    if (Message.Msg == CM_MOUSELEAVE)
        ++Leaves;
    TGraphicControl::Dispatch(Message);
}

void TProbeControl::Click() {
    ++Clicks;
    TGraphicControl::Click();
}

void TProbeControl::Paint() {
    TGdiObject<HBRUSH> Brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FFill))));
    // Wider than the control: what falls outside must be clipped away by the parent.
    const RECT Rect{-50, -50, Width() + 50, Height() + 50};
    FillRect(Canvas()->Handle(), &Rect, Brush.Get());
}

void TProbeControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Presses.push_back(POINT{X, Y});
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TProbeWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_MOUSEENTER)
        ++Enters;
    if (Message.Msg == CM_MOUSELEAVE)
        ++Leaves;
    TCustomControl::Dispatch(Message);
}

DWORD GdiObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

DWORD UserObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
}

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM Counter) {
    ++*reinterpret_cast<int*>(Counter);
    return TRUE;
}

} // namespace

RECT ClientRectOf(HWND Window) {
    RECT Rect{};
    GetClientRect(Window, &Rect);
    return Rect;
}

std::string RectText(const RECT& Rect) {
    return std::to_string(Rect.left) + "," + std::to_string(Rect.top) + " - " +
           std::to_string(Rect.right) + "," + std::to_string(Rect.bottom);
}

int ThreadWindowCount() {
    int Count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&Count));
    return Count;
}

unsigned NextGdiSlot() {
    const HBRUSH Probe = CreateSolidBrush(0);
    const unsigned Slot = static_cast<unsigned>(reinterpret_cast<uintptr_t>(Probe) & 0xFFFF);
    DeleteObject(Probe);
    return Slot;
}

TPixelSurface::TPixelSurface(int Width, int Height)
    : FDC(CreateCompatibleDC(nullptr)), FWidth(Width) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
    Info.bmiHeader.biWidth = Width;
    Info.bmiHeader.biHeight = -Height;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    void* Bits = nullptr;
    FBitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    FBits = static_cast<uint32_t*>(Bits);
    FPrevious = SelectObject(FDC, FBitmap);
    PatBlt(FDC, 0, 0, Width, Height, WHITENESS);
}

TPixelSurface::~TPixelSurface() {
    SelectObject(FDC, FPrevious);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
}

uint32_t TPixelSurface::Pixel(int X, int Y) const {
    GdiFlush();
    return FBits[static_cast<size_t>(Y) * static_cast<size_t>(FWidth) + static_cast<size_t>(X)] &
           0x00FFFFFF;
}

uint32_t RgbOf(TColor Color) {
    const auto Rgb = static_cast<uint32_t>(ColorToRGB(Color));
    return ((Rgb & 0xFF) << 16) | (Rgb & 0xFF00) | ((Rgb >> 16) & 0xFF);
}
