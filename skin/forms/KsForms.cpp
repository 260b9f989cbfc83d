#include "skin/forms/KsForms.h"

#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/windows/Application.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ImageLists.h"
#include "framework/windows/ResourceStream.h"
#include "skin/controls/KsControls.h"
#include "skin/forms/KsMessageWindow.h"
#include "skin/forms/KsWindowSubclass.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/menus/KsItems.h"

const TEnumInfo KsBorderStyleInfo{"TKsBorderStyle", {"kbsNone", "kbsStandard", "kbsToolWindow"}};
const TEnumInfo KsBorderIconInfo{
    "TKsBorderIcon",
    {"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp", "kbiRollup", "kbiTray"}};
const TEnumInfo KsWindowStateInfo{
    "TKsWindowState", {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"}};
const TEnumInfo KsAnimationInfo{"TKsAnimation",
                                {"kaNone", "kaRandom", "kaFade", "kaSlide", "kaRect"}};

namespace {

const TKsBorderIcons DefaultBorderIcons{TKsBorderIcon::kbiClose,    TKsBorderIcon::kbiSystemMenu,
                                        TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiMaximize,
                                        TKsBorderIcon::kbiRollup,   TKsBorderIcon::kbiTray};

using P = TPublished<TKsCustomForm>;
// Every property but Active and MinimizeApplication is always written: layouts hold them.
const TPropertyTable CustomFormProperties{
    P::Boolean("Active", &TKsCustomForm::Active, &TKsCustomForm::SetActive, true),
    P::Boolean("Blend", &TKsCustomForm::Blend, &TKsCustomForm::SetBlend, false, TStored::Always()),
    P::Integer("BlendValue", &TKsCustomForm::BlendValue, &TKsCustomForm::SetBlendValue, 150,
               TStored::Always()),
    P::Set("BorderIcons", KsBorderIconInfo, &TKsCustomForm::BorderIcons,
           &TKsCustomForm::SetBorderIcons, DefaultBorderIcons, TStored::Always()),
    P::Enumeration("BorderStyle", KsBorderStyleInfo, &TKsCustomForm::BorderStyle,
                   &TKsCustomForm::SetBorderStyle, TKsBorderStyle::kbsStandard, TStored::Always()),
    P::Boolean("CanResize", &TKsCustomForm::CanResize, &TKsCustomForm::SetCanResize, true,
               TStored::Always()),
    P::Boolean("CanMove", &TKsCustomForm::CanMove, &TKsCustomForm::SetCanMove, true,
               TStored::Always()),
    P::Boolean("DropShadow", &TKsCustomForm::DropShadow, &TKsCustomForm::SetDropShadow, false,
               TStored::Always()),
    P::Integer("ShadowWidth", &TKsCustomForm::ShadowWidth, &TKsCustomForm::SetShadowWidth, 4,
               TStored::Always()),
    P::Boolean("Magnetic", &TKsCustomForm::Magnetic, &TKsCustomForm::SetMagnetic, true,
               TStored::Always()),
    P::Integer("MagneticValue", &TKsCustomForm::MagneticValue, &TKsCustomForm::SetMagneticValue, 20,
               TStored::Always()),
    P::Persistent("Constraints", &TKsCustomForm::Constraints),
    P::Boolean("MinimizeApplication", &TKsCustomForm::MinimizeApplication,
               &TKsCustomForm::SetMinimizeApplication, true),
    P::Boolean("SimpleDrag", &TKsCustomForm::SimpleDrag, &TKsCustomForm::SetSimpleDrag, false,
               TStored::Always()),
    P::Enumeration("ShowAnimation", KsAnimationInfo, &TKsCustomForm::ShowAnimation,
                   &TKsCustomForm::SetShowAnimation, TKsAnimation::kaNone, TStored::Always()),
    P::Integer("ShowAnimationTime", &TKsCustomForm::ShowAnimationTime,
               &TKsCustomForm::SetShowAnimationTime, 400, TStored::Always()),
    P::Boolean("StayOnTop", &TKsCustomForm::StayOnTop, &TKsCustomForm::SetStayOnTop, false,
               TStored::Always()),
    P::Boolean("SysMenuBlend", &TKsCustomForm::SysMenuBlend, &TKsCustomForm::SetSysMenuBlend, false,
               TStored::Always()),
    P::Integer("SysMenuBlendValue", &TKsCustomForm::SysMenuBlendValue,
               &TKsCustomForm::SetSysMenuBlendValue, 150, TStored::Always()),
    P::Boolean("SysMenuDropShadow", &TKsCustomForm::SysMenuDropShadow,
               &TKsCustomForm::SetSysMenuDropShadow, false, TStored::Always()),
    P::Integer("SysMenuShadowWidth", &TKsCustomForm::SysMenuShadowWidth,
               &TKsCustomForm::SetSysMenuShadowWidth, 4, TStored::Always()),
    P::Enumeration("SysMenuShowAnimation", KsAnimationInfo, &TKsCustomForm::SysMenuShowAnimation,
                   &TKsCustomForm::SetSysMenuShowAnimation, TKsAnimation::kaNone,
                   TStored::Always()),
    P::Integer("SysMenuShowAnimationTime", &TKsCustomForm::SysMenuShowAnimationTime,
               &TKsCustomForm::SetSysMenuShowAnimationTime, 300, TStored::Always()),
    P::Event("OnPaint", &TKsCustomForm::OnPaint),
};

} // namespace

TCustomImageList& KsSysMenuImages() {
    static const std::unique_ptr<TCustomImageList> Images = [] {
        auto Made = std::make_unique<TCustomImageList>(nullptr);
        for (const char* Name : {"KSE_CLOSE", "KSE_MINIMIZE", "KSE_MAXIMIZE", "KSE_RESTORE",
                                 "KSE_ROLLUP", "KSE_TRAY"}) {
            TResourceStream Stream(Name);
            TBitmap Glyph;
            Glyph.LoadFromStream(Stream);
            // The minimize glyph is a pixel larger each way; the list keeps 16 x 16 of it.
            Glyph.SetSize(Made->Width(), Made->Height());
            Made->AddMasked(&Glyph, clFuchsia);
        }
        return Made;
    }();
    return *Images;
}

const TComponentClassOf<TKsCustomForm> TKsCustomForm::Class{"TKsCustomForm", TKsHook::Class,
                                                            &CustomFormProperties};

TKsCustomForm::TKsCustomForm(TComponent* AOwner)
    : TKsHook(AOwner), FBorderIcons(DefaultBorderIcons),
      FConstraints(std::make_unique<TSizeConstraints>(nullptr)),
      FBackground(std::make_unique<TKsBitmap>()) {
    FConstraints->OnChange = MakeEvent(this, &TKsCustomForm::ConstraintsChanged);
    if (auto* Owner = dynamic_cast<TCustomForm*>(AOwner)) {
        // The controller draws the frame: the form keeps a sizeable host frame, which the
        // controller's non-client handling replaces.
        Owner->SetBorderStyle(TFormBorderStyle::bsSizeable);
        Owner->SetBorderIcons({});
        Owner->SetAutoScroll(false);
        // A child of a multiple-document form stays inside its parent: it snaps to the
        // parent's edges from closer, and has no tray button.
        if (Owner->FormStyle() == TFormStyle::fsMDIChild) {
            FMinimizeApplication = false;
            FMagneticValue = 9;
            FBorderIcons = TKsBorderIcons{TKsBorderIcon::kbiClose, TKsBorderIcon::kbiSystemMenu,
                                          TKsBorderIcon::kbiMinimize, TKsBorderIcon::kbiMaximize,
                                          TKsBorderIcon::kbiRollup};
        }
    }
}

TKsMessageWindow& TKsCustomForm::UtilityWindow() {
    // Made when the tray icon first needs it: most forms, and every popup, never do. It is
    // a top-level window so that it hears of the session's end and takes the icon away.
    if (!FUtilityWindow)
        FUtilityWindow = std::make_unique<TKsMessageWindow>(
            this, [this](TMessage& Message) { return UtilityMessage(Message); },
            TKsMessageWindow::TKind::TopLevel);
    return *FUtilityWindow;
}

TKsCustomForm::~TKsCustomForm() {
    ForgetMDIParent();
    FClientWindowHook.reset();
    RestoreShortCutHandler();
    FSysMenu.reset();
    SetControl(nullptr);
    UnhookApplicationEvents();
    RemoveTrayIcon();
}

TCustomForm* TKsCustomForm::Form() const {
    return dynamic_cast<TCustomForm*>(Control());
}

bool TKsCustomForm::Attached() const {
    return Form() != nullptr;
}

void TKsCustomForm::SetBlend(bool Value) {
    // The setting the frame already has lays nothing out again.
    if (Value == FBlend && (FBuffer != nullptr) == Value)
        return;
    FBlend = Value;
    if (!IsLoading() && !IsDesigning()) {
        if (FBlend && !FBuffer)
            FBuffer = std::make_unique<TKsBitmap>();
        else if (!FBlend)
            FBuffer.reset();
    }
    UpdateFrame();
}

void TKsCustomForm::SetBlendValue(int Value) {
    if (Value == FBlendValue)
        return;
    FBlendValue = Value;
    UpdateFrame();
}

void TKsCustomForm::SetBorderIcons(TKsBorderIcons Value) {
    FBorderIcons = Value;
    UpdateFrame();
}

void TKsCustomForm::SetBorderStyle(TKsBorderStyle Value) {
    FBorderStyle = Value;
    UpdateFrame();
}

void TKsCustomForm::SetCanResize(bool Value) {
    FCanResize = Value;
    UpdateFrame();
}

void TKsCustomForm::SetCanMove(bool Value) {
    FCanMove = Value;
    UpdateFrame();
}

void TKsCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
        WMNCCalcSize(Message);
        break;
    case WM_NCHITTEST:
        WMNCHitTest(Message);
        break;
    case WM_NCPAINT:
        RedrawFrame();
        Message.Result = 0;
        MarkHandled();
        break;
    case WM_NCACTIVATE:
        WMNCActivate(Message);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        NCMouse(Message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        break;
    case WM_PAINT:
        WMPaint(Message);
        break;
    case WM_WINDOWPOSCHANGING:
        WMWindowPosChanging(Message);
        break;
    case WM_SYSCOMMAND:
        WMSysCommand(Message);
        break;
    case WM_SETTEXT:
        HideHostCaption();
        break;
    case WM_MDIACTIVATE:
        WMMDIActivate(Message);
        break;
    case WM_CAPTURECHANGED:
        CaptureLost(reinterpret_cast<HWND>(Message.LParam));
        break;
    case WM_SIZE:
        FollowHostIconic();
        break;
    case WM_ACTIVATE:
        // Activated while minimised: the controller follows the host; a window already
        // minimised stays so (a click on its caption is not a restore).
        if (!FCaptionActive && HIWORD(Message.WParam) != 0)
            FollowHostIconic();
        break;
    case KM_REFRESHFRAME:
        KMRefreshFrame(Message);
        break;
    case KM_MAXIMIZE:
        Maximize();
        MarkHandled();
        break;
    case KM_SETWINDOWSTATE:
        switch (Message.WParam & 0xFF) {
        case 1:
            Maximize();
            break;
        case 2:
            Minimize();
            break;
        case 3:
            Rollup();
            break;
        case 4:
            MinimizeToTray();
            break;
        default:
            break;
        }
        MarkHandled();
        break;
    case KM_FORMBLENDED:
        Message.Result = FBlend ? 1 : 0;
        MarkHandled();
        break;
    case KM_PAINTTO:
        KMPaintTo(Message);
        break;
    default:
        TKsHook::Dispatch(Message);
        break;
    }
}

void TKsCustomForm::HideHostCaption() {
    // The host paints its own caption while WM_SETTEXT runs on a captioned window: the
    // caption style goes for the length of the message and comes back after it.
    if (!Attached())
        return;
    const HWND Window = Form()->Handle();
    const LONG Style = GetWindowLongW(Window, GWL_STYLE);
    FHostCaptionHidden = (Style & WS_CAPTION) != 0;
    if (FHostCaptionHidden)
        SetWindowLongW(Window, GWL_STYLE, Style & ~WS_CAPTION);
}

void TKsCustomForm::AfterMessage(TMessage& Msg) {
    TKsHook::AfterMessage(Msg);
    if ((Msg.Msg != WM_SETTEXT && Msg.Msg != WM_NCACTIVATE) || !Attached())
        return;
    const HWND Window = Form()->Handle();
    if (FHostCaptionHidden) {
        SetWindowLongW(Window, GWL_STYLE, GetWindowLongW(Window, GWL_STYLE) | WS_CAPTION);
        FHostCaptionHidden = false;
    }
    if (Msg.Msg == WM_NCACTIVATE) {
        // An activated child's message went on to the host's child handling.
        if (IsMDIChild())
            RedrawFrame();
        return;
    }
    // The previous procedure's answer stands; the skinned caption shows the new text.
    const bool Changed = FCaptionText != Form()->Caption();
    FCaptionText = Form()->Caption();
    RedrawFrame();
    if (Changed && IsMaximizedMDIChild())
        RefreshParentCaption();
}

void TKsCustomForm::KMRefreshFrame(TMessage& Message) {
    if (Message.WParam == 13 && Attached()) {
        const HWND Window = Form()->Handle();
        SetWindowLongW(Window, GWL_STYLE, GetWindowLongW(Window, GWL_STYLE) | WS_CAPTION);
    }
    RedrawFrame();
    MarkHandled();
}
