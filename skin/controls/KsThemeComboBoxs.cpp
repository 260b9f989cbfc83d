#include "skin/controls/KsThemeComboBoxs.h"

#include "framework/core/Properties.h"
#include "skin/controls/KsThemeListBoxs.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/menus/KsThemeMenus.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeThemes.h"

namespace {

// The theme's colour of a window's background and the width of its combo button.
constexpr int WindowColorIndex = 6;
constexpr uint8_t ComboButtonWidthMetric = 28;

using P = TPublished<TTeThemeComboBox>;
const TPropertyTable ThemeComboBoxProperties{
    P::Component("ThemeEngine", &TTeThemeComboBox::ThemeEngine, &TTeThemeComboBox::SetThemeEngine),
    // Always the library's version; a layout may hold any text here and still loads.
    P::String(
        "Version", &TTeThemeComboBox::Version, [](TTeThemeComboBox&, const std::string&) {}, "",
        TStored::Never()),
};

} // namespace

const TComponentClassOf<TTeThemeComboBox> TTeThemeComboBox::Class{
    "TTeThemeComboBox", TKsCustomComboBox::Class, &ThemeComboBoxProperties};

TTeThemeComboBox::TTeThemeComboBox(TComponent* AOwner) : TKsCustomComboBox(AOwner) {
    // The base made a plain list; the themed combo drops down a themed one.
    SetUpListBox();
}

TTeThemeComboBox::~TTeThemeComboBox() = default;

std::string TTeThemeComboBox::Version() const {
    return TTeThemeEngine::VersionText;
}

void TTeThemeComboBox::SetThemeEngine(TTeThemeEngine* Value) {
    if (!FThemeLink.SetEngine(Value))
        return;
    LinkList();
    ScrollToCaret();
    Invalidate();
}

void TTeThemeComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomComboBox::Notification(AComponent, Operation);
    if (FThemeLink.EngineRemoved(AComponent, Operation) && !IsDestroying())
        Invalidate();
}

void TTeThemeComboBox::LinkList() {
    if (auto* List = dynamic_cast<TTeThemeListBox*>(ListBox()))
        List->SetThemeEngine(ThemeEngine());
}

TKsCustomListBox* TTeThemeComboBox::CreateListBox() {
    auto* List = new TTeThemeListBox(this);
    List->SetThemeEngine(ThemeEngine());
    return List;
}

void TTeThemeComboBox::ShowList() {
    LinkList();
    TKsCustomComboBox::ShowList();
}

int TTeThemeComboBox::GetButtonWidth() const {
    if (TTeTheme* Theme = FThemeLink.AvailableTheme())
        return Theme->GetMetric(ComboButtonWidthMetric);
    return TKsCustomComboBox::GetButtonWidth();
}

void TTeThemeComboBox::DrawBorder() {
    TTeTheme* Theme = FThemeLink.AvailableTheme();
    if (!Theme) {
        TKsCustomComboBox::DrawBorder();
        return;
    }
    Theme->DrawEditFrame(Surface(), RECT{0, 0, ControlWidth(), ControlHeight()},
                         Enabled() ? TTeDrawState::tdsNormal : TTeDrawState::tdsDisabled);
}

void TTeThemeComboBox::PaintBackground(const RECT& Rect, TKsBitmap& Target) {
    TTeTheme* Theme = FThemeLink.AvailableTheme();
    if (!Theme || Transparent()) {
        TKsCustomComboBox::PaintBackground(Rect, Target);
        return;
    }
    Target.FillRect(Rect, ColorToKsColor(Theme->GetColor(WindowColorIndex), 255));
    PaintButton(Target, GetButtonRect());
}

void TTeThemeComboBox::PaintButton(TKsBitmap& Target, const RECT& Rect) {
    TTeTheme* Theme = FThemeLink.AvailableTheme();
    if (!Theme) {
        TKsCustomComboBox::PaintButton(Target, Rect);
        return;
    }
    const TTeDrawState State = !Enabled()        ? TTeDrawState::tdsDisabled
                               : ButtonPressed() ? TTeDrawState::tdsPressed
                               : ButtonHot()     ? TTeDrawState::tdsHot
                                                 : TTeDrawState::tdsNormal;
    Theme->DrawComboButton(Target, Rect, State);
}

TKsCustomPopupMenu* TTeThemeComboBox::CreateContextMenu(TComponent* AOwner) {
    return new TTeThemePopupMenu(AOwner);
}

TKsCustomItem* TTeThemeComboBox::CreateContextMenuItem() {
    return new TTeThemeItem(this);
}

void TTeThemeComboBox::UpdateContextMenu() {
    TKsCustomComboBox::UpdateContextMenu();
    // The menu follows the engine the combo has when it opens.
    static_cast<TTeThemePopupMenu&>(ContextMenu()).SetThemeEngine(ThemeEngine());
}
