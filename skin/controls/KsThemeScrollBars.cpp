#include "skin/controls/KsThemeScrollBars.h"

#include "framework/core/Properties.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/themes/KsThemeEngine.h"

namespace {

// The theme's metric for the length of a scroll bar's arrow buttons.
constexpr uint8_t ScrollButtonMetric = 25;

using P = TPublished<TTeThemeScrollBar>;
const TPropertyTable ThemeScrollBarProperties{
    P::Component("ThemeEngine", &TTeThemeScrollBar::ThemeEngine,
                 &TTeThemeScrollBar::SetThemeEngine),
    // Always the library's version; a layout may hold any text here and still loads.
    P::String(
        "Version", &TTeThemeScrollBar::Version, [](TTeThemeScrollBar&, const std::string&) {}, "",
        TStored::Never()),
};

} // namespace

const TComponentClassOf<TTeThemeScrollBar> TTeThemeScrollBar::Class{
    "TTeThemeScrollBar", TKsCustomScrollBar::Class, &ThemeScrollBarProperties};

TTeThemeScrollBar::TTeThemeScrollBar(TComponent* AOwner) : TKsCustomScrollBar(AOwner) {
    SetBorderWidth(0);
}

TTeThemeScrollBar::~TTeThemeScrollBar() = default;

std::string TTeThemeScrollBar::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemeScrollBar::SetThemeEngine(TTeThemeEngine* Value) {
    if (FThemeLink.SetEngine(Value))
        Invalidate();
}

void TTeThemeScrollBar::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomScrollBar::Notification(AComponent, Operation);
    if (FThemeLink.EngineRemoved(AComponent, Operation) && !IsDestroying())
        Invalidate();
}

TTeTheme* TTeThemeScrollBar::PaintingTheme() const {
    return FThemeLink.AvailableTheme();
}

TTeDrawState TTeThemeScrollBar::PartState(bool Pressed, bool Hot) const {
    if (!Enabled())
        return TTeDrawState::tdsDisabled;
    if (Pressed)
        return TTeDrawState::tdsPressed;
    return Hot ? TTeDrawState::tdsHot : TTeDrawState::tdsNormal;
}

int TTeThemeScrollBar::GetButtonSize() const {
    if (TTeTheme* Theme = PaintingTheme())
        return Theme->GetMetric(ScrollButtonMetric);
    return TKsCustomScrollBar::GetButtonSize();
}

void TTeThemeScrollBar::PaintBorder() {
    if (!PaintingTheme())
        TKsCustomScrollBar::PaintBorder();
}

void TTeThemeScrollBar::PaintTrack() {
    if (TTeTheme* Theme = PaintingTheme())
        Theme->DrawScrollBarTrack(Surface(), RECT{0, 0, Width(), Height()}, Vertical());
    else
        TKsCustomScrollBar::PaintTrack();
}

void TTeThemeScrollBar::PaintFirstButton() {
    if (TTeTheme* Theme = PaintingTheme())
        Theme->DrawScrollBarArrow(Surface(), GetFirstButtonRect(), Vertical(), true,
                                  PartState(FirstButtonPressed(), FirstButtonHot()));
    else
        TKsCustomScrollBar::PaintFirstButton();
}

void TTeThemeScrollBar::PaintSecondButton() {
    if (TTeTheme* Theme = PaintingTheme())
        Theme->DrawScrollBarArrow(Surface(), GetSecondButtonRect(), Vertical(), false,
                                  PartState(SecondButtonPressed(), SecondButtonHot()));
    else
        TKsCustomScrollBar::PaintSecondButton();
}

void TTeThemeScrollBar::PaintThumb() {
    if (TTeTheme* Theme = PaintingTheme())
        Theme->DrawScrollBarThumb(Surface(), GetThumbRect(), Vertical(),
                                  PartState(ThumbDragged(), ThumbHot()));
    else
        TKsCustomScrollBar::PaintThumb();
}

void TTeThemeScrollBar::PaintPressedPage(const RECT& Rect) {
    if (!PaintingTheme()) {
        TKsCustomScrollBar::PaintPressedPage(Rect);
        return;
    }
    RECT Inset = Rect;
    if (Vertical()) {
        ++Inset.left;
        --Inset.right;
    } else {
        ++Inset.top;
        --Inset.bottom;
    }
    Surface().FillRect(Inset, KsBtnShadow);
}
