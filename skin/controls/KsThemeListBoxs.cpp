#include "skin/controls/KsThemeListBoxs.h"

#include "framework/core/Properties.h"
#include "skin/controls/KsThemeScrollBars.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeThemes.h"

namespace {

// The theme's colour of a window's background, and its check box's width and height.
constexpr int WindowColorIndex = 6;
constexpr uint8_t CheckWidthMetric = 16;
constexpr uint8_t CheckHeightMetric = 17;
// A themed check column is wider and a themed item with a check box taller than the plain.
constexpr int ThemedCheckColumnWidth = 21;
constexpr int ThemedCheckItemExtra = 4;

using P = TPublished<TTeThemeListBox>;
const TPropertyTable ThemeListBoxProperties{
    P::Component("ThemeEngine", &TTeThemeListBox::ThemeEngine, &TTeThemeListBox::SetThemeEngine),
    // Always the library's version; a layout may hold any text here and still loads.
    P::String(
        "Version", &TTeThemeListBox::Version, [](TTeThemeListBox&, const std::string&) {}, "",
        TStored::Never()),
};

TTeCheckState ThemeCheck(TKsCheckBoxState State) {
    switch (State) {
    case TKsCheckBoxState::cbChecked:
        return TTeCheckState::tcsChecked;
    case TKsCheckBoxState::cbGrayed:
        return TTeCheckState::tcsGrayed;
    default:
        return TTeCheckState::tcsUnchecked;
    }
}

} // namespace

const TComponentClassOf<TTeThemeListBox> TTeThemeListBox::Class{
    "TTeThemeListBox", TKsCustomListBox::Class, &ThemeListBoxProperties};

TTeThemeListBox::TTeThemeListBox(TComponent* AOwner) : TKsCustomListBox(AOwner) {
    SetColor(KsColorToColor(KsWindow));
    // The base made a plain bar; the themed box scrolls with a themed one.
    SetUpScrollBar();
}

TTeThemeListBox::~TTeThemeListBox() = default;

std::string TTeThemeListBox::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemeListBox::SetThemeEngine(TTeThemeEngine* Value) {
    if (!FThemeLink.SetEngine(Value))
        return;
    if (auto* Bar = dynamic_cast<TTeThemeScrollBar*>(ScrollBar()))
        Bar->SetThemeEngine(Value);
    UpdateScrollBar();
    Invalidate();
}

void TTeThemeListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomListBox::Notification(AComponent, Operation);
    if (FThemeLink.EngineRemoved(AComponent, Operation) && !IsDestroying()) {
        UpdateScrollBar();
        Invalidate();
    }
}

TKsCustomScrollBar* TTeThemeListBox::CreateScrollBar() {
    auto* Bar = new TTeThemeScrollBar(this);
    Bar->SetThemeEngine(ThemeEngine());
    return Bar;
}

int TTeThemeListBox::GetItemHeight(int Index) const {
    const int Height = TKsCustomListBox::GetItemHeight(Index);
    return PaintingTheme() && ShowCheckBoxes() ? Height + ThemedCheckItemExtra : Height;
}

int TTeThemeListBox::GetCheckColumnWidth() const {
    return PaintingTheme() ? ThemedCheckColumnWidth : TKsCustomListBox::GetCheckColumnWidth();
}

SIZE TTeThemeListBox::GetCheckGlyphSize() const {
    if (TTeTheme* Theme = PaintingTheme())
        return SIZE{Theme->GetMetric(CheckWidthMetric), Theme->GetMetric(CheckHeightMetric)};
    return TKsCustomListBox::GetCheckGlyphSize();
}

void TTeThemeListBox::PaintControl() {
    if (KsChangeValue(FLaidOutThemed, PaintingTheme() != nullptr))
        UpdateScrollBar();
    TKsCustomListBox::PaintControl();
}

void TTeThemeListBox::DrawBorder() {
    TTeTheme* Theme = PaintingTheme();
    if (!Theme) {
        TKsCustomListBox::DrawBorder();
        return;
    }
    Theme->DrawEditFrame(Surface(), RECT{0, 0, ControlWidth(), ControlHeight()},
                         Enabled() ? TTeDrawState::tdsNormal : TTeDrawState::tdsDisabled);
}

void TTeThemeListBox::PaintBackground() {
    TTeTheme* Theme = PaintingTheme();
    if (!Theme || Transparent()) {
        TKsCustomListBox::PaintBackground();
        return;
    }
    Surface().FillRect(ContentRect(), ColorToKsColor(Theme->GetColor(WindowColorIndex), 255));
}

void TTeThemeListBox::DrawCheck(int Index, const RECT& Rect) {
    TTeTheme* Theme = PaintingTheme();
    if (!Theme) {
        TKsCustomListBox::DrawCheck(Index, Rect);
        return;
    }
    const bool Hot = Index == HotIndex() || Index == HotCheck();
    const TTeDrawState State = !Enabled() || !ItemEnabled(Index) ? TTeDrawState::tdsDisabled
                               : Hot                             ? TTeDrawState::tdsHot
                                                                 : TTeDrawState::tdsNormal;
    Theme->DrawCheckBox(Surface(), Rect, State, ThemeCheck(CheckState(Index)));
}
