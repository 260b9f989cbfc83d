#include "skin/themes/KsThemeThemes.h"

#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"

const TTeThemeClassOf<TTeTheme> TTeTheme::Class{"TTeTheme", TPersistent::Class};

const TTeThemeClass& TTeTheme::ThemeClass() const {
    return static_cast<const TTeThemeClass&>(ClassType());
}

void TTeTheme::SetHue(int Value) {
    if (Value == FHue)
        return;
    FHue = Value;
    UpdateColors();
}

void TTeTheme::SetBrightness(int Value) {
    if (Value == FBrightness)
        return;
    FBrightness = Value;
    UpdateColors();
}

uint32_t TTeTheme::DrawTextFlags(uint32_t Flags) const {
    return DrawTextBiDiModeFlags(FBiDiMode, Flags);
}

TColor TTeTheme::ShiftedColor(TColor Base) const {
    const TKsColor Turned = KsColorChangeHue(ColorToKsColor(Base, 255), FHue);
    const TKsColor Lit =
        KsColorChangeBrightness(ColorToKsColor(KsColorToColor(Turned), 255), FBrightness);
    return KsColorToColor(Lit);
}

void TTeTheme::SelectFont(TKsBitmap& Bitmap, uint8_t Index) {
    TFont* Font = Bitmap.Font();
    Font->SetName(GetFontName(Index));
    Font->SetSize(GetFontSize(Index));
    Font->SetStyle(GetFontStyle(Index));
}

void TTeTheme::UpdateColors() {}

int TTeTheme::GetMetric(uint8_t) {
    return 0;
}

TColor TTeTheme::GetColor(int) {
    return clBtnFace;
}

std::string TTeTheme::GetFontName(uint8_t) {
    return "Tahoma";
}

int TTeTheme::GetFontSize(uint8_t) {
    return 8;
}

TFontStyles TTeTheme::GetFontStyle(uint8_t) {
    return {};
}

bool TTeTheme::CaptionTextShadow() {
    return true;
}

void TTeTheme::DrawCaptionButton(TKsBitmap&, const RECT&, TTeCaptionButtonKind, bool, bool, bool,
                                 TKsBorderStyle) {}
void TTeTheme::DrawFormFrame(TKsBitmap&, int, int, const RECT&, bool, TKsBorderStyle) {}
void TTeTheme::MeasureMenuBarItem(TKsBitmap&, TKsCustomItem&, int&, int&) {}
void TTeTheme::MeasurePopupItem(TKsBitmap&, TKsCustomItem&, int&, int&) {}
void TTeTheme::DrawMenuBarBackground(TKsBitmap&, int, int) {}
void TTeTheme::DrawMenuBarItem(TKsBitmap&, TKsCustomItem&, const RECT&, bool, bool) {}
void TTeTheme::DrawMDIButton(TKsBitmap&, TKsCustomItem&, const RECT&, bool, bool) {}
void TTeTheme::DrawPopupBackground(TKsBitmap&, int, int) {}
void TTeTheme::DrawPopupItem(TKsBitmap&, TKsCustomItem&, const RECT&, bool, bool) {}
void TTeTheme::DrawButton(TKsBitmap&, int, int, TTeDrawState) {}
void TTeTheme::DrawCheckBox(TKsBitmap&, const RECT&, TTeDrawState, TTeCheckState) {}
void TTeTheme::DrawRadioButton(TKsBitmap&, const RECT&, TTeDrawState, bool) {}
void TTeTheme::DrawTrackBarThumb(TKsBitmap&, const RECT&, bool, int, TTeDrawState) {}
void TTeTheme::DrawTrackBarTrack(TKsBitmap&, const RECT&, const RECT&) {}
void TTeTheme::DrawProgressBarFrame(TKsBitmap&, const RECT&) {}
void TTeTheme::DrawProgressBarChunks(TKsBitmap&, const RECT&, const RECT&, bool, bool) {}
void TTeTheme::DrawTaskGroupBackground(TKsBitmap&, const RECT&, bool) {}
void TTeTheme::DrawTaskGroupHeader(TKsBitmap&, const RECT&, const std::string&) {}
void TTeTheme::DrawTaskGroupButton(TKsBitmap&, const RECT&, int, TTeDrawState, bool) {}
void TTeTheme::DrawGroupBox(TKsBitmap&, const RECT&, const RECT&, const std::string&) {}
void TTeTheme::DrawScrollBarTrack(TKsBitmap&, const RECT&, bool) {}
void TTeTheme::DrawScrollBarArrow(TKsBitmap&, const RECT&, bool, bool, TTeDrawState) {}
void TTeTheme::DrawScrollBarThumb(TKsBitmap&, const RECT&, bool, TTeDrawState) {}
void TTeTheme::DrawTabPane(TKsBitmap&, const RECT&) {}
void TTeTheme::DrawTabItem(TKsBitmap&, const RECT&, int, int) {}
void TTeTheme::DrawSpinButton(TKsBitmap&, const RECT&, bool, TTeDrawState) {}
void TTeTheme::DrawEditFrame(TKsBitmap&, const RECT&, TTeDrawState) {}
void TTeTheme::DrawComboButton(TKsBitmap&, const RECT&, TTeDrawState) {}
void TTeTheme::DrawToolButton(TKsBitmap&, const RECT&, TTeDrawState, bool, bool) {}
void TTeTheme::DrawToolDropDownButton(TKsBitmap&, const RECT&, TTeDrawState, bool, bool) {}
void TTeTheme::DrawToolBarBackground(TKsBitmap&, const RECT&) {}
void TTeTheme::DrawControlBarGripper(TKsBitmap&, const RECT&, const RECT&) {}
void TTeTheme::DrawControlBarBackground(TKsBitmap&, const RECT&) {}
void TTeTheme::DrawSmallButton(TKsBitmap&, const RECT&, TTeDrawState) {}
void TTeTheme::DrawItemBackground(TKsBitmap&, const RECT&, int) {}

TGdiObject<HRGN> TTeTheme::GetFormRegion(int, int, TKsBorderStyle) {
    return {};
}
