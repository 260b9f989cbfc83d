#include "framework/windows/CustomControls.h"

const TComponentClassOf<TGraphicControl> TGraphicControl::Class{"TGraphicControl", TControl::Class};

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_PAINT && Message.WParam) {
        TCanvasOnDC OnDC(*FCanvas, reinterpret_cast<HDC>(Message.WParam));
        Paint();
        Message.Result = 0;
        return;
    }
    TControl::Dispatch(Message);
}

void TGraphicControl::Paint() {}

const TComponentClassOf<TCustomControl> TCustomControl::Class{"TCustomControl", TWinControl::Class};

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() {
    // The window goes while the canvas still exists: its last messages may paint.
    DestroyHandle();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC DC) {
    TCanvasOnDC OnDC(*FCanvas, DC);
    Paint();
}
