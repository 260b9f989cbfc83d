#include "skin/forms/KsThemeForms.h"

#include "framework/core/Properties.h"
#include "framework/windows/Forms.h"
#include "framework/windows/Timer.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsThemeItems.h"
#include "skin/themes/TeThemeXP.h"

namespace {

using P = TPublished<TTeThemeForm>;
const TPropertyTable ThemeFormProperties{
    P::Component("ThemeEngine", &TTeThemeForm::ThemeEngine, &TTeThemeForm::SetThemeEngine,
                 TStored::Always()),
    // Always the library's version; a layout may store any text here and still loads.
    P::String(
        "Version", &TTeThemeForm::Version, [](TTeThemeForm&, const std::string&) {}, "",
        TStored::Always()),
    P::Enumeration("WindowState", KsWindowStateInfo, &TTeThemeForm::WindowState,
                   &TTeThemeForm::SetWindowState, TKsWindowState::kwsNormal, TStored::Always()),
};

TTeCaptionButtonKind ButtonKind(TKsBorderIcon Icon, TKsWindowState State) {
    switch (Icon) {
    case TKsBorderIcon::kbiHelp:
        return TTeCaptionButtonKind::cbkHelp;
    case TKsBorderIcon::kbiMinimize:
        return State == TKsWindowState::kwsMinimized ? TTeCaptionButtonKind::cbkRestore
                                                     : TTeCaptionButtonKind::cbkMinimize;
    case TKsBorderIcon::kbiMaximize:
        return State == TKsWindowState::kwsMaximized ? TTeCaptionButtonKind::cbkRestore
                                                     : TTeCaptionButtonKind::cbkMaximize;
    case TKsBorderIcon::kbiRollup:
        return State == TKsWindowState::kwsRollup ? TTeCaptionButtonKind::cbkRolldown
                                                  : TTeCaptionButtonKind::cbkRollup;
    case TKsBorderIcon::kbiTray:
        return TTeCaptionButtonKind::cbkTray;
    default:
        return TTeCaptionButtonKind::cbkClose;
    }
}

TKsFormZone IconZone(TKsBorderIcon Icon) {
    switch (Icon) {
    case TKsBorderIcon::kbiClose:
        return TKsFormZone::fzClose;
    case TKsBorderIcon::kbiSystemMenu:
        return TKsFormZone::fzSysMenu;
    case TKsBorderIcon::kbiMinimize:
        return TKsFormZone::fzMinimize;
    case TKsBorderIcon::kbiMaximize:
        return TKsFormZone::fzMaximize;
    case TKsBorderIcon::kbiHelp:
        return TKsFormZone::fzHelp;
    case TKsBorderIcon::kbiRollup:
        return TKsFormZone::fzRollup;
    case TKsBorderIcon::kbiTray:
        return TKsFormZone::fzTray;
    }
    return TKsFormZone::fzNone;
}

} // namespace

const TComponentClassOf<TTeThemeForm> TTeThemeForm::Class{"TTeThemeForm", TKsCustomForm::Class,
                                                          &ThemeFormProperties};

TTeThemeForm::TTeThemeForm(TComponent* AOwner)
    : TKsCustomForm(AOwner), FHoverTimer(std::make_unique<TTimer>(nullptr)) {
    SetActive(true);
    FHoverTimer->SetInterval(100);
    FHoverTimer->SetEnabled(!IsDesigning());
    FHoverTimer->SetOnTimer(MakeEvent(this, &TTeThemeForm::HoverTimerTick));
}

TTeThemeForm::~TTeThemeForm() {
    FHoverTimer.reset();
}

void TTeThemeForm::SetThemeEngine(TTeThemeEngine* Value) {
    FThemeLink.SetEngine(Value);
    if (IsDestroying() || !Attached())
        return;
    UpdateFrame();
    InvalidateControls();
}

void TTeThemeForm::Notification(TComponent* AComponent, TOperation Operation) {
    TKsCustomForm::Notification(AComponent, Operation);
    // A freed engine leaves the plain frame, laid out and shaped again.
    if (FThemeLink.EngineRemoved(AComponent, Operation) && !IsDestroying())
        ThemeEngineChanged();
}

TKsCustomItem* TTeThemeForm::CreateSysMenuItem(TComponent* AOwner) {
    auto* Item = new TTeThemeItem(AOwner);
    Item->SetThemeEngine(ThemeEngine());
    return Item;
}

bool TTeThemeForm::ThemeAvailable() const {
    return FThemeLink.AvailableTheme() != nullptr;
}

// Known by name: a theme of another class under the host style's name is treated alike.
bool TTeThemeForm::NativeTheme() const {
    return Theme().ThemeClass().GetName() == TTeThemeXP::GetName();
}

void TTeThemeForm::ThemeEngineChanged() {
    UpdateFrame();
    if (IsLoading() || IsDestroying())
        return;
    ThemeChanged();
    InvalidateControls();
}

void TTeThemeForm::ThemeChanged() {
    if (IsLoading() || IsDestroying())
        return;
    if (!Attached()) {
        if (auto* Owner = dynamic_cast<TControl*>(this->Owner()))
            Owner->Invalidate();
        return;
    }
    RedrawFrame();
    Form()->Invalidate();
    if (TTeThemeEngine* Engine = FThemeLink.Engine(); Engine && Engine->Theme())
        Engine->Theme()->SetBiDiMode(Form()->BiDiMode());
}

void TTeThemeForm::InvalidateControls() {
    if (IsLoading() || IsDestroying())
        return;
    TComponent* Owner = Attached() ? Form() : this->Owner();
    if (!Owner)
        return;
    for (int I = 0; I < Owner->ComponentCount(); ++I)
        if (auto* Control = dynamic_cast<TControl*>(Owner->Components(I)))
            Control->Invalidate();
}

void TTeThemeForm::Loaded() {
    TKsCustomForm::Loaded();
    InvalidateControls();
}

void TTeThemeForm::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_THEMECHANGED) {
        TTeThemeEngine* Engine = FThemeLink.Engine();
        if (Engine && Engine->UseNativeXPTheme())
            Engine->SetThemeClass(TTeThemeXP::Class);
        Message.Result = 0;
        MarkHandled();
        return;
    }
    TKsCustomForm::Dispatch(Message);
}

// ---- Geometry ----

RECT TTeThemeForm::GetClientBounds() {
    if (!ThemeAvailable() || BorderStyle() == TKsBorderStyle::kbsNone || IsMaximizedMDIChild())
        return TKsCustomForm::GetClientBounds();
    TTeTheme& T = Theme();
    const int W = FormWidth();
    const int H = FormHeight();
    if (ToolWindow())
        return RECT{T.GetMetric(1), T.GetMetric(3), W - T.GetMetric(1), H - T.GetMetric(1)};
    return RECT{T.GetMetric(0), T.GetMetric(2), W - T.GetMetric(0), H - T.GetMetric(0)};
}

RECT TTeThemeForm::GetBorderIconRect(TKsBorderIcon Icon) {
    if (!ThemeAvailable())
        return TKsCustomForm::GetBorderIconRect(Icon);
    if (!BorderIcons().Contains(Icon))
        return RECT{};
    TTeTheme& T = Theme();
    const bool Tool = ToolWindow();
    const int W = FormWidth();
    if (Icon == TKsBorderIcon::kbiSystemMenu) {
        const int Border = T.GetMetric(Tool ? 1 : 0);
        const int Bottom = T.GetMetric(Tool ? 3 : 2);
        return RECT{Border, Border, Border + Bottom - Border, Bottom};
    }
    const SIZE Button{T.GetMetric(Tool ? 7 : 5), T.GetMetric(Tool ? 8 : 6)};
    const int Top = T.GetMetric(Tool ? 13 : 10);
    const int Gap = T.GetMetric(11);
    int X = W - T.GetMetric(Tool ? 12 : 9) - Button.cx;
    const TKsWindowState State = WindowState();
    const bool Minimized = State == TKsWindowState::kwsMinimized;
    const bool Native = NativeTheme();
    struct TPlace {
        TKsBorderIcon Icon;
        bool Shown;
    };
    const TPlace Order[] = {
        {TKsBorderIcon::kbiClose, true},
        {TKsBorderIcon::kbiMaximize, !Tool && !Minimized},
        {TKsBorderIcon::kbiMinimize, !Tool},
        {TKsBorderIcon::kbiRollup, !Tool && !Minimized && !Native},
        {TKsBorderIcon::kbiTray, !Tool && !Minimized && !Native},
        {TKsBorderIcon::kbiHelp, !Tool && !Minimized && State != TKsWindowState::kwsRollup},
    };
    for (const TPlace& Place : Order) {
        if (!Place.Shown || !BorderIcons().Contains(Place.Icon))
            continue;
        if (Place.Icon == Icon)
            return RECT{X, Top, X + Button.cx, Top + Button.cy};
        X -= Gap + Button.cx;
    }
    return RECT{};
}

TKsFormZone TTeThemeForm::HitTest(int X, int Y) {
    TKsFormZone Zone = TKsCustomForm::HitTest(X, Y);
    if (!ThemeAvailable())
        return Zone;
    const bool TopZone = Zone == TKsFormZone::fzTop || Zone == TKsFormZone::fzTopLeft ||
                         Zone == TKsFormZone::fzTopRight;
    const RECT C = GetClientBounds();
    // Only the theme's border at the top sizes the form; below it the caption moves it.
    if (TopZone && C.left < X && X < C.right && Y > Theme().GetMetric(ToolWindow() ? 1 : 0))
        Zone = TKsFormZone::fzCaption;
    return Zone;
}

RECT TTeThemeForm::GetMaximizedBounds() {
    if (!ThemeAvailable() || IsMDIChild())
        return TKsCustomForm::GetMaximizedBounds();
    // The themed border stays visible inside the work area.
    return FormWorkArea();
}

TGdiObject<HRGN> TTeThemeForm::CreateFormRegion() {
    if (!ThemeAvailable() || IsMaximizedMDIChild())
        return {};
    return Theme().GetFormRegion(FormWidth(), FormHeight(), BorderStyle());
}

// ---- Painting ----

void TTeThemeForm::PaintClient(TKsBitmap& Bitmap) {
    if (!ThemeAvailable()) {
        TKsCustomForm::PaintClient(Bitmap);
        return;
    }
    Bitmap.FillRect(GetClientBounds(), ColorToKsColor(Theme().GetColor(11), 255));
}

void TTeThemeForm::PaintFrame(TKsBitmap& Bitmap) {
    if (!ThemeAvailable()) {
        TKsCustomForm::PaintFrame(Bitmap);
        return;
    }
    Theme().DrawFormFrame(Bitmap, FormWidth(), FormHeight(), GetClientBounds(), CaptionActive(),
                          BorderStyle());
    if (Attached())
        PaintThemedCaption(Bitmap);
    PaintThemedButtons(Bitmap);
}

int TTeThemeForm::CaptionTextWidth(int Left) {
    TTeTheme& T = Theme();
    const int W = FormWidth();
    if (ToolWindow())
        return W - Left - T.GetMetric(7);
    const int Button = T.GetMetric(5);
    if (WindowState() == TKsWindowState::kwsMinimized)
        return W - Left - 2 * Button;
    int Width = W - Left - 4 * Button;
    const TKsBorderIcons Icons = BorderIcons();
    if (Icons.Contains(TKsBorderIcon::kbiHelp))
        Width -= Button;
    if (Icons.Contains(TKsBorderIcon::kbiRollup) && !NativeTheme())
        Width -= Button;
    if (Icons.Contains(TKsBorderIcon::kbiTray) && !NativeTheme())
        Width -= Button;
    return Width;
}

void TTeThemeForm::PaintThemedCaption(TKsBitmap& Bitmap) {
    TTeTheme& T = Theme();
    const bool Tool = ToolWindow();
    const int W = FormWidth();
    RECT Text =
        Tool ? RECT{T.GetMetric(12) + 4, T.GetMetric(13), W - T.GetMetric(12), T.GetMetric(3)}
             : RECT{T.GetMetric(9), T.GetMetric(10), W - T.GetMetric(9), T.GetMetric(2)};
    if (!Tool && ShowsSystemMenuIcon())
        Text.left += RectHeight(Text);
    const uint8_t FontIndex = Tool ? 1 : 0;
    Bitmap.SetFont(&KsCaptionFont(Tool));
    TFont* Font = Bitmap.Font();
    Font->SetName(T.GetFontName(FontIndex));
    Font->SetSize(T.GetFontSize(FontIndex));
    Font->SetStyle(T.GetFontStyle(FontIndex));
    const std::string Caption =
        ShortenTextOnSurface(Bitmap, Form()->Caption(), CaptionTextWidth(Text.left));
    const UINT Flags = Form()->DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (T.CaptionTextShadow()) {
        OffsetRect(&Text, 1, 1);
        if (T.GetColor(2) != -1 && CaptionActive()) {
            // A light caption text gets a dark shadow; a nearly black one the button shadow.
            const TKsColor TextColor = ColorToKsColor(T.GetColor(3), 255);
            const bool Dark =
                KsRedOf(TextColor) < 20 && KsGreenOf(TextColor) < 20 && KsBlueOf(TextColor) < 20;
            Font->SetColor(Dark ? clBtnShadow : T.GetColor(2));
            Bitmap.DrawText(Caption, Text, Flags);
        }
    } else {
        OffsetRect(&Text, 0, 1);
    }
    Font->SetColor(T.GetColor(CaptionActive() ? 3 : 5));
    OffsetRect(&Text, -1, -1);
    Bitmap.DrawText(Caption, Text, Flags);
}

void TTeThemeForm::PaintThemedButtons(TKsBitmap& Bitmap) {
    const TKsBorderIcon Order[] = {TKsBorderIcon::kbiClose,    TKsBorderIcon::kbiSystemMenu,
                                   TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiMaximize,
                                   TKsBorderIcon::kbiHelp,     TKsBorderIcon::kbiRollup,
                                   TKsBorderIcon::kbiTray};
    for (const TKsBorderIcon Icon : Order) {
        if (ToolWindow() && Icon != TKsBorderIcon::kbiClose)
            break;
        const RECT Rect = GetBorderIconRect(Icon);
        if (RectWidth(Rect) <= 0)
            continue;
        if (Icon == TKsBorderIcon::kbiSystemMenu) {
            const int IconW = GetSystemMetrics(SM_CXSMICON);
            const int IconH = GetSystemMetrics(SM_CYSMICON);
            DrawIconEx(Bitmap.DC(), Rect.left + (RectWidth(Rect) - IconW) / 2,
                       Rect.top + (RectHeight(Rect) - IconH) / 2, FormIcon(), IconW, IconH, 0,
                       nullptr, DI_NORMAL);
            GdiFlush();
            continue;
        }
        const TKsFormZone Zone = IconZone(Icon);
        const bool Hot = FHotTrackZone == Zone && !Dragging();
        Theme().DrawCaptionButton(Bitmap, Rect, ButtonKind(Icon, WindowState()), Hot,
                                  IconPushed(Zone), CaptionActive(), BorderStyle());
    }
}

// ---- Hot tracking ----

void TTeThemeForm::HoverTimerTick(TObject*) {
    if (IsLoading() || IsDestroying() || !CaptionActive() || !ThemeAvailable())
        return;
    POINT Cursor{};
    GetCursorPos(&Cursor);
    const POINT Point = ScreenToWindow(Cursor);
    FHotTrackZone = HitTest(Point.x, Point.y);
    if (KsChangeValue(FLastHotZone, FHotTrackZone))
        RedrawFrame();
}
