// The skinned form's menus: its own system menu as a skinned popup, keyboard access to the
// form's skinned menu bar, and the form's short-cuts routed to the menu bar's items.
#include "framework/windows/Application.h"
#include "framework/windows/ControlMessages.h"
#include "framework/windows/Forms.h"
#include "framework/windows/Menus.h"
#include "skin/forms/KsForms.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"

#include <string_view>

namespace {

constexpr std::string_view RestoreCaption = "&Restore";
constexpr std::string_view MinimizeCaption = "Mi&nimize";
constexpr std::string_view MaximizeCaption = "Ma&ximize";
constexpr std::string_view RollupCaption = "Ro&llup";
constexpr std::string_view TrayCaption = "Minimize to &Tray";
constexpr std::string_view CloseCaption = "&Close";

// Glyphs of the system menu's images.
constexpr int CloseGlyph = 0;
constexpr int MinimizeGlyph = 1;
constexpr int MaximizeGlyph = 2;
constexpr int RestoreGlyph = 3;
constexpr int RollupGlyph = 4;
constexpr int TrayGlyph = 5;

} // namespace

void TKsCustomForm::SetMenuBar(TKsCustomMenuBar* Value) {
    ReplaceReference(*this, FMenuBar, Value);
}

void TKsCustomForm::SetTrayMenu(TPopupMenu* Value) {
    ReplaceReference(*this, FTrayMenu, Value);
}

void TKsCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TKsHook::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FMenuBar)
        FMenuBar = nullptr;
    if (AComponent == FTrayMenu)
        FTrayMenu = nullptr;
}

TKsCustomItem* TKsCustomForm::CreateSysMenuItem(TComponent* AOwner) {
    return new TKsCustomItem(AOwner);
}

void TKsCustomForm::BuildSysMenu() {
    FollowHostIconic();
    FSysMenu.reset(CreateSysMenuItem(this));
    FSysMenu->SetImages(&KsSysMenuImages());
    using S = TKsWindowState;
    const S State = FWindowState;
    const auto Has = [this](TKsBorderIcon Icon) { return FBorderIcons.Contains(Icon); };
    const auto Add = [this](std::string_view Caption, int Glyph) {
        TKsCustomItem* Item = CreateSysMenuItem(FSysMenu.get());
        Item->SetCaption(std::string(Caption));
        Item->SetImageIndex(Glyph);
        Item->OnClick = MakeEvent(this, &TKsCustomForm::SysMenuClick);
        FSysMenu->Add(Item);
        return Item;
    };
    if (State != S::kwsNormal)
        Add(RestoreCaption, RestoreGlyph);
    const bool ShownOrRolled =
        State == S::kwsNormal || State == S::kwsMaximized || State == S::kwsRollup;
    if (Has(TKsBorderIcon::kbiMinimize) && ShownOrRolled)
        Add(MinimizeCaption, MinimizeGlyph);
    if (Has(TKsBorderIcon::kbiMaximize) && (State == S::kwsNormal || State == S::kwsRollup))
        Add(MaximizeCaption, MaximizeGlyph);
    if (Has(TKsBorderIcon::kbiRollup) && (State == S::kwsNormal || State == S::kwsMaximized))
        Add(RollupCaption, RollupGlyph);
    if (Has(TKsBorderIcon::kbiTray) && ShownOrRolled)
        Add(TrayCaption, TrayGlyph);
    if (Has(TKsBorderIcon::kbiClose)) {
        if (FSysMenu->Count() > 0)
            Add("-", -1);
        // A child closes with Ctrl+F4; Alt+F4 would close its parent.
        Add(CloseCaption, CloseGlyph)
            ->SetShortCut(TextToShortCut(IsMDIChild() ? "Ctrl+F4" : "Alt+F4"));
    }
    FSysMenu->SetPopupBlend(FSysMenuBlend);
    FSysMenu->SetPopupBlendValue(FSysMenuBlendValue);
    FSysMenu->SetDropShadow(FSysMenuDropShadow);
    FSysMenu->SetShadowWidth(FSysMenuShadowWidth);
    FSysMenu->SetShowAnimation(FSysMenuShowAnimation);
    FSysMenu->SetShowAnimationTime(FSysMenuShowAnimationTime);
    if (Attached())
        FSysMenu->SetOwnerControl(Form());
}

void TKsCustomForm::ShowSysMenu() {
    // The system menu is rebuilt on every opening: never while a menu is open, which may be
    // this very one.
    if (TKsItemView::TrackingView())
        return;
    POINT At{};
    const bool InTray = FWindowState == TKsWindowState::kwsTray;
    if (InTray)
        GetCursorPos(&At);
    else if (FSysMenuPoint.x != 0 || FSysMenuPoint.y != 0)
        At = FSysMenuPoint;
    else if (Attached())
        At = Form()->ClientToScreen(POINT{0, 0});
    if (InTray && FTrayMenu) {
        if (auto* Skinned = dynamic_cast<TKsCustomPopupMenu*>(FTrayMenu))
            Skinned->Items()->SetForeground(true);
        FTrayMenu->Popup(At.x, At.y);
        return;
    }
    BuildSysMenu();
    FSysMenu->SetForeground(InTray);
    FSysMenu->DropDown(nullptr, At.x, At.y, RECT{});
}

void TKsCustomForm::ShowSysMenuAt(POINT ScreenPoint) {
    struct TResetPoint {
        POINT& Point;
        ~TResetPoint() { Point = POINT{}; }
    } Reset{FSysMenuPoint};
    FSysMenuPoint = ScreenPoint;
    ShowSysMenu();
}

void TKsCustomForm::SysMenuClick(TObject* Sender) {
    auto* Item = dynamic_cast<TKsCustomItem*>(Sender);
    if (!Item)
        return;
    const std::string& Caption = Item->Caption();
    if (Caption == CloseCaption)
        Close();
    else if (Caption == MaximizeCaption)
        Maximize();
    else if (Caption == MinimizeCaption)
        Minimize();
    else if (Caption == RollupCaption)
        Rollup();
    else if (Caption == TrayCaption)
        MinimizeToTray();
    else if (Caption == RestoreCaption)
        Restore();
}

bool TKsCustomForm::KeyMenu(TMessage& Message) {
    const auto Char = static_cast<wchar_t>(Message.LParam);
    if (Char == L' ' || Char == L'-' || GetCapture() || !FMenuBar || !Attached())
        return false;
    PostMessageW(Form()->Handle(), WM_CHAR, Char, 0);
    Message.Result = 1;
    MarkHandled();
    FMenuBar->StartTracking();
    return true;
}

void TKsCustomForm::FormShortCut(TWMKey& Message, bool& Handled) {
    if (FMenuBar)
        Handled = FMenuBar->IsShortCut(Message);
    if (!Handled && FSavedOnShortCut)
        FSavedOnShortCut(Message, Handled);
}

void TKsCustomForm::InstallShortCutHandler() {
    if (FShortCutInstalled || !Attached())
        return;
    FSavedOnShortCut = Form()->OnShortCut;
    Form()->OnShortCut = MakeEvent(this, &TKsCustomForm::FormShortCut);
    FShortCutInstalled = true;
}

void TKsCustomForm::RestoreShortCutHandler() {
    if (!FShortCutInstalled)
        return;
    if (TCustomForm* Owner = dynamic_cast<TCustomForm*>(this->Owner());
        Owner && !Owner->IsDestroying())
        Owner->OnShortCut = FSavedOnShortCut;
    FShortCutInstalled = false;
}
