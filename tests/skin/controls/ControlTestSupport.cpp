#include "ControlTestSupport.h"

const TTeThemeClassOf<TRecordingTheme> TRecordingTheme::Class{"TRecordingTheme", TTeTheme::Class};

std::unique_ptr<TForm> MakeHostForm(TColor Color) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    Form->SetColor(Color);
    Form->HandleNeeded();
    return Form;
}

TKsColor SurfacePixel(const TKsBitmap& Surface, int X, int Y) {
    GdiFlush();
    return Surface.Bits()[Y * Surface.Width() + X];
}

TKsColor TRecordingTheme::FaceColor(TTeDrawState State) {
    return 0xFF000010u + static_cast<TKsColor>(State);
}

void TRecordingTheme::DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) {
    States.push_back(State);
    Bitmap.FillRect(RECT{0, 0, Width, Height}, FaceColor(State));
}
