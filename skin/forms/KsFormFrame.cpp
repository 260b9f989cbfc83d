// The skinned form's frame: its geometry, the hit test, the non-client messages, the
// composition of the frame in a surface and its transfer to the window, the client
// background, and the window region.
#include "skin/forms/KsForms.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Application.h"
#include "framework/windows/CustomControls.h"
#include "framework/windows/Forms.h"
#include "framework/windows/PaintScopes.h"
#include "skin/forms/KsFormScopes.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/graphics/KsWinXP.h"

#include <windowsx.h>

namespace {

// One screen-sized surface (plus 500 pixels each way, for windows partly off screen) that
// every form without a private buffer composes its frame in; a larger window (a larger
// display plugged in later) grows it.
TKsBitmap& SharedSurface(int Width, int Height) {
    static const std::unique_ptr<TKsBitmap> Surface = [] {
        auto Made = std::make_unique<TKsBitmap>();
        Made->SetSize(GetSystemMetrics(SM_CXSCREEN) + 500, GetSystemMetrics(SM_CYSCREEN) + 500);
        return Made;
    }();
    if (Width > Surface->Width() || Height > Surface->Height())
        Surface->SetSize(std::max(Width, Surface->Width()), std::max(Height, Surface->Height()));
    return *Surface;
}

TKsColor SystemPixel(int Index) {
    return ColorToKsColor(static_cast<TColor>(GetSysColor(Index)), 255);
}

void CopyRect(const TKsBitmap& Surface, HDC Target, const RECT& Rect) {
    if (!IsRectEmpty(Rect))
        Surface.DrawRectToDC(Target, Rect.left, Rect.top, Rect);
}

} // namespace

// The system's caption fonts, read once from the non-client metrics.
TFont& KsCaptionFont(bool Small) {
    static const auto Fonts = [] {
        auto Made = std::make_pair(std::make_unique<TFont>(), std::make_unique<TFont>());
        NONCLIENTMETRICSW Metrics{};
        if (KsNonClientMetrics(Metrics)) {
            Made.first->SetHandle(CreateFontIndirectW(&Metrics.lfCaptionFont));
            Made.second->SetHandle(CreateFontIndirectW(&Metrics.lfSmCaptionFont));
        }
        return Made;
    }();
    return Small ? *Fonts.second : *Fonts.first;
}

// ---- Geometry ----

int TKsCustomForm::CaptionHeight() const {
    switch (FBorderStyle) {
    case TKsBorderStyle::kbsStandard:
        return KsIsAppThemed() ? 19 : GetSystemMetrics(SM_CYCAPTION);
    case TKsBorderStyle::kbsToolWindow:
        return KsIsAppThemed() ? 15 : GetSystemMetrics(SM_CYSMCAPTION);
    default:
        return 0;
    }
}

int TKsCustomForm::BorderWidth() const {
    return KsIsAppThemed() ? 3 : GetSystemMetrics(SM_CXFRAME);
}

RECT TKsCustomForm::GetClientBounds() {
    RECT Bounds{0, 0, FFormWidth, FFormHeight};
    if (FBorderStyle == TKsBorderStyle::kbsNone || IsMaximizedMDIChild())
        return Bounds;
    Bounds = InflateRectBy(Bounds, -BorderWidth());
    Bounds.top += CaptionHeight();
    return Bounds;
}

RECT TKsCustomForm::CaptionBand() {
    const RECT Client = GetClientBounds();
    const int H = CaptionHeight();
    return RECT{Client.left, Client.top - H, Client.right, Client.top - 1};
}

bool TKsCustomForm::ShowsSystemMenuIcon() const {
    return FBorderStyle != TKsBorderStyle::kbsToolWindow &&
           FBorderIcons.Contains(TKsBorderIcon::kbiSystemMenu);
}

RECT TKsCustomForm::GetBorderIconRect(TKsBorderIcon Icon) {
    // Without a caption band there are no buttons (nor invisible zones over the content).
    if (!FBorderIcons.Contains(Icon) || FBorderStyle == TKsBorderStyle::kbsNone)
        return RECT{};
    const RECT Band = CaptionBand();
    const int H = RectHeight(Band);
    if (Icon == TKsBorderIcon::kbiSystemMenu)
        return RECT{Band.left, Band.top, Band.left + H, Band.bottom};
    SIZE Button{};
    if (KsIsAppThemed()) {
        Button = SIZE{H - 1, H - 4};
    } else {
        const bool Tool = FBorderStyle == TKsBorderStyle::kbsToolWindow;
        Button = SIZE{GetSystemMetrics(Tool ? SM_CXSMSIZE : SM_CXSIZE) - 2,
                      GetSystemMetrics(Tool ? SM_CYSMSIZE : SM_CYSIZE) - 4};
    }
    const int Top = Band.top + 2;
    int X = Band.right - 2 - Button.cx;
    const auto Place = [&](TKsBorderIcon Which) {
        return Which == Icon ? RECT{X, Top, X + Button.cx, Top + Button.cy} : RECT{};
    };
    const auto Shown = [&](TKsBorderIcon Which) { return FBorderIcons.Contains(Which); };
    if (Shown(TKsBorderIcon::kbiClose)) {
        if (Icon == TKsBorderIcon::kbiClose)
            return Place(Icon);
        X -= Button.cx + 2;
    }
    if (FBorderStyle == TKsBorderStyle::kbsToolWindow)
        return RECT{};
    const bool Minimized = FWindowState == TKsWindowState::kwsMinimized;
    if (Shown(TKsBorderIcon::kbiMaximize) && !Minimized) {
        if (Icon == TKsBorderIcon::kbiMaximize)
            return Place(Icon);
        X -= Button.cx;
    }
    if (Shown(TKsBorderIcon::kbiMinimize)) {
        if (Icon == TKsBorderIcon::kbiMinimize)
            return Place(Icon);
        X -= Button.cx;
    }
    if (Shown(TKsBorderIcon::kbiRollup) && !Minimized) {
        X -= 2;
        if (Icon == TKsBorderIcon::kbiRollup)
            return Place(Icon);
        X -= Button.cx;
    }
    if (Shown(TKsBorderIcon::kbiTray) && !Minimized) {
        if (Icon == TKsBorderIcon::kbiTray)
            return Place(Icon);
        X -= Button.cx;
    }
    if (Icon == TKsBorderIcon::kbiHelp && !Minimized && FWindowState != TKsWindowState::kwsRollup) {
        X -= 2;
        return Place(Icon);
    }
    return RECT{};
}

TKsFormZone TKsCustomForm::HitTest(int X, int Y) {
    const RECT Client = GetClientBounds();
    const int H = CaptionHeight();
    const int W = FFormWidth;
    const int FormH = FFormHeight;
    const POINT Point{X, Y};
    TKsFormZone Zone = Y < Client.top ? TKsFormZone::fzCaption : TKsFormZone::fzNone;
    const std::pair<TKsBorderIcon, TKsFormZone> Icons[] = {
        {TKsBorderIcon::kbiSystemMenu, TKsFormZone::fzSysMenu},
        {TKsBorderIcon::kbiClose, TKsFormZone::fzClose},
        {TKsBorderIcon::kbiMinimize, TKsFormZone::fzMinimize},
        {TKsBorderIcon::kbiMaximize, TKsFormZone::fzMaximize},
        {TKsBorderIcon::kbiHelp, TKsFormZone::fzHelp},
        {TKsBorderIcon::kbiRollup, TKsFormZone::fzRollup},
        {TKsBorderIcon::kbiTray, TKsFormZone::fzTray}};
    for (const auto& [Icon, IconZone] : Icons) {
        const RECT Rect = GetBorderIconRect(Icon);
        if (PtInRect(&Rect, Point))
            Zone = IconZone;
    }
    if (FWindowState == TKsWindowState::kwsMaximized ||
        FWindowState == TKsWindowState::kwsMinimized || FWindowState == TKsWindowState::kwsRollup)
        return Zone;
    if (Y < Client.top - H)
        Zone = X < 20 ? TKsFormZone::fzTopLeft
                      : (X > W - 20 ? TKsFormZone::fzTopRight : TKsFormZone::fzTop);
    if (Client.bottom < Y && Y < FormH)
        Zone = X < 20 ? TKsFormZone::fzBottomLeft
                      : (X > W - 20 ? TKsFormZone::fzBottomRight : TKsFormZone::fzBottom);
    if (X < Client.left)
        Zone = Y < 20 ? TKsFormZone::fzTopLeft
                      : (Y > FormH - 20 ? TKsFormZone::fzBottomLeft : TKsFormZone::fzLeft);
    if (Client.right < X && X < W)
        Zone = Y < 20 ? TKsFormZone::fzTopRight
                      : (Y > FormH - 20 ? TKsFormZone::fzBottomRight : TKsFormZone::fzRight);
    return Zone;
}

POINT TKsCustomForm::ScreenToWindow(POINT Point) const {
    RECT Window{};
    if (Attached())
        GetWindowRect(Form()->Handle(), &Window);
    return POINT{Point.x - Window.left, Point.y - Window.top};
}

// ---- Non-client messages ----

void TKsCustomForm::WMNCCalcSize(TMessage& Message) {
    const RECT Client = GetClientBounds();
    auto* Proposed = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                    : reinterpret_cast<RECT*>(Message.LParam);
    Proposed->left += Client.left;
    Proposed->top += Client.top;
    Proposed->right -= FWindowWidth - Client.right;
    Proposed->bottom -= FWindowHeight - Client.bottom;
    if (Message.WParam)
        reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[1] = *Proposed;
    Message.Result = 0;
    MarkHandled();
}

void TKsCustomForm::WMNCHitTest(TMessage& Message) {
    const POINT Point =
        ScreenToWindow(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    const bool Sizable = FCanResize && FWindowState != TKsWindowState::kwsMaximized;
    LRESULT Answer = HTCLIENT;
    switch (HitTest(Point.x, Point.y)) {
    case TKsFormZone::fzCaption:
        Answer = FCanMove ? HTCAPTION : HTCLIENT;
        break;
    case TKsFormZone::fzLeft:
        Answer = Sizable ? HTLEFT : HTCLIENT;
        break;
    case TKsFormZone::fzTop:
        Answer = Sizable ? HTTOP : HTCLIENT;
        break;
    case TKsFormZone::fzRight:
        Answer = Sizable ? HTRIGHT : HTCLIENT;
        break;
    case TKsFormZone::fzBottom:
        Answer = Sizable ? HTBOTTOM : HTCLIENT;
        break;
    case TKsFormZone::fzTopLeft:
        Answer = Sizable ? HTTOPLEFT : HTCLIENT;
        break;
    case TKsFormZone::fzTopRight:
        Answer = Sizable ? HTTOPRIGHT : HTCLIENT;
        break;
    case TKsFormZone::fzBottomLeft:
        Answer = Sizable ? HTBOTTOMLEFT : HTCLIENT;
        break;
    case TKsFormZone::fzBottomRight:
        Answer = Sizable ? HTBOTTOMRIGHT : HTCLIENT;
        break;
    case TKsFormZone::fzBorder:
        Answer = HTBORDER;
        break;
    case TKsFormZone::fzClose:
        Answer = HTCLOSE;
        break;
    case TKsFormZone::fzHelp:
        Answer = HTHELP;
        break;
    case TKsFormZone::fzMaximize:
        Answer = HTMAXBUTTON;
        break;
    case TKsFormZone::fzMinimize:
    case TKsFormZone::fzRollup:
    case TKsFormZone::fzTray:
    case TKsFormZone::fzSysMenu:
        Answer = HTMINBUTTON;
        break;
    case TKsFormZone::fzNone:
        break;
    }
    Message.Result = Answer;
    MarkHandled();
}

void TKsCustomForm::WMNCActivate(TMessage& Message) {
    FCaptionActive = Message.WParam != 0;
    if (FMinimizeApplication)
        HookApplicationEvents();
    if (FCaptionActive && IsMDIChild()) {
        // The host's child handling must hear of the activation; it would paint its own
        // caption meanwhile, and the frame is drawn again afterwards.
        HideHostCaption();
        Message.Result = 0;
        return;
    }
    RedrawFrame();
    // The active child's caption follows its parent's, as the host's frame handling does.
    if (IsMDIParent())
        if (TCustomForm* Child = Form()->ActiveMDIChild())
            SendMessageW(Child->Handle(), WM_NCACTIVATE, Message.WParam, 0);
    Message.Result = FCaptionActive ? 0 : 1;
    MarkHandled();
}

void TKsCustomForm::WMEraseBkgnd(TMessage& Message) {
    const auto DC = reinterpret_cast<HDC>(Message.WParam);
    TKsBitmap* Surface = GetSurface();
    const bool Request = (Message.LParam & 4) != 0;
    // A parent's client area lies under its client window, which asks for the background.
    const bool Covered = !Request && IsMDIParent();
    if (FPaintEnabled && DC && Surface && !Surface->Empty() && !Covered) {
        PaintClient(*Surface);
        if (!Request && FBlend)
            BlendClient(*Surface);
        if (!Request && OnPaint && !IsLoading()) {
            TCanvas Canvas;
            const TCanvasOnDC OnSurface(Canvas, Surface->DC());
            OnPaint(&Canvas);
        }
        CopyClientTo(DC);
    }
    Message.Result = 1;
    MarkHandled();
}

void TKsCustomForm::CopyClientTo(HDC DC) {
    const RECT Client = GetClientBounds();
    GetSurface()->DrawRectToDC(DC, 0, 0, Client);
}

void TKsCustomForm::WMPaint(TMessage& Message) {
    if (Attached())
        Form()->Perform(WM_PAINT, Message.WParam, Message.LParam);
    Message.Result = 0;
    MarkHandled();
}

void TKsCustomForm::KMPaintTo(TMessage& Message) {
    TKsBitmap* Surface = GetSurface();
    const auto DC = reinterpret_cast<HDC>(Message.LParam);
    if (!Surface || Surface->Empty() || !DC) {
        Message.Result = 0;
        return;
    }
    {
        const TFlagScope Active(FCaptionActive, true);
        PaintFrame(*Surface);
        PaintClient(*Surface);
    }
    const int X = static_cast<int16_t>(LOWORD(Message.WParam));
    const int Y = static_cast<int16_t>(HIWORD(Message.WParam));
    BitBlt(DC, X, Y, FFormWidth, FFormHeight, Surface->DC(), 0, 0, SRCCOPY);
    Message.Result = 1;
    MarkHandled();
}

// ---- Frame layout and composition ----

void TKsCustomForm::UpdateFrame() {
    if (IsLoading() || !Active() || !Attached() || IsDesigning())
        return;
    TCustomForm* Owner = Form();
    {
        const TFlagScope Updating(FUpdatingFrame, true);
        const int ClientW = Owner->ClientWidth();
        const int ClientH = Owner->ClientHeight();
        // A height change makes the host ask for the non-client area again; the next change
        // gives the client its size back (and the height its pixel). Each change lays the
        // frame out, so there are two, not three.
        Owner->SetHeight(Owner->Height() + 1);
        if (ClientW != 0)
            Owner->SetBounds(Owner->Left(), Owner->Top(),
                             Owner->Width() + ClientW - Owner->ClientWidth(),
                             Owner->Height() + ClientH - Owner->ClientHeight());
        else
            Owner->SetHeight(Owner->Height() - 1);
    }
    const RECT Window{0, 0, FWindowWidth, FWindowHeight};
    RedrawWindow(Owner->Handle(), &Window, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TKsCustomForm::LayOutTakenWindow() {
    UpdateFrame();
}

void TKsCustomForm::AdoptWindowSize() {
    if (IsLoading() || !Active() || !Attached() || IsDesigning())
        return;
    RECT Window{};
    GetWindowRect(Form()->Handle(), &Window);
    TakeWindowSize(RectWidth(Window), RectHeight(Window));
    UpdateRegion();
    RecalculateFrame();
}

void TKsCustomForm::WindowRecreated() {
    if (IsLoading() || !Active() || !Attached() || IsDesigning())
        return;
    // The window kept its bounds; asking for the non-client area again at that size gives
    // back the client size it had before, which the re-layout then keeps.
    // The new window has no region yet.
    FShaped = false;
    RecalculateFrame();
    UpdateFrame();
    UpdateRegion();
    HookClientWindow();
}

void TKsCustomForm::RecalculateFrame() {
    if (Attached())
        SetWindowPos(Form()->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TKsBitmap* TKsCustomForm::GetSurface() const {
    return FBuffer ? FBuffer.get() : &SharedSurface(FWindowWidth, FWindowHeight);
}

void TKsCustomForm::RedrawFrame() {
    TKsBitmap* Surface = GetSurface();
    if (!FPaintEnabled || !Attached() || !Surface || Surface->Empty() || IsMaximizedMDIChild())
        return;
    const TWindowDC Window(FAnimating ? nullptr : Form()->Handle());
    const HDC Target = FAnimating ? FAnimationImage->DC() : Window.DC();
    if (!Target)
        return;
    if (FDropShadow)
        PaintShadow(*Surface);
    if (FBlend) {
        Surface->SetUseAlpha(true);
        PaintFrame(*Surface);
        BlendFrameBands(*Surface);
    } else {
        PaintFrame(*Surface);
    }
    const RECT C = GetClientBounds();
    CopyRect(*Surface, Target, RECT{0, 0, FWindowWidth, C.top});
    CopyRect(*Surface, Target, RECT{C.left, C.bottom, C.right, FWindowHeight});
    CopyRect(*Surface, Target, RECT{0, C.top, C.left, FWindowHeight});
    CopyRect(*Surface, Target, RECT{C.right, C.top, FWindowWidth, FWindowHeight});
}

void TKsCustomForm::PaintFrame(TKsBitmap& Bitmap) {
    if (FBorderStyle == TKsBorderStyle::kbsNone)
        return;
    RECT Edge{0, 0, FFormWidth, FFormHeight};
    DrawEdge(Bitmap.DC(), &Edge, EDGE_RAISED, BF_RECT);
    GdiFlush();
    const RECT Inner = InflateRectBy(Edge, -2);
    const RECT C = GetClientBounds();
    Bitmap.FillRect(RECT{Inner.left, Inner.top, Inner.right, C.top}, KsBtnFace);
    Bitmap.FillRect(RECT{Inner.left, C.bottom, Inner.right, Inner.bottom}, KsBtnFace);
    Bitmap.FillRect(RECT{Inner.left, C.top, C.left, C.bottom}, KsBtnFace);
    Bitmap.FillRect(RECT{C.right, C.top, Inner.right, C.bottom}, KsBtnFace);
    const RECT Band = CaptionBand();
    Bitmap.FillGradient(
        Band, SystemPixel(FCaptionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION), false,
        SystemPixel(FCaptionActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION));
    if (Attached())
        PaintCaptionText(Bitmap, Band);
    PaintBorderIcons(Bitmap);
}

void TKsCustomForm::PaintCaptionText(TKsBitmap& Bitmap, const RECT& Band) {
    const bool Tool = FBorderStyle == TKsBorderStyle::kbsToolWindow;
    const int H = RectHeight(Band);
    RECT Text = Band;
    if (ShowsSystemMenuIcon())
        Text.left += H;
    int Shown = 0;
    for (TKsBorderIcon Icon :
         {TKsBorderIcon::kbiClose, TKsBorderIcon::kbiMaximize, TKsBorderIcon::kbiMinimize,
          TKsBorderIcon::kbiHelp, TKsBorderIcon::kbiRollup, TKsBorderIcon::kbiTray})
        Shown += FBorderIcons.Contains(Icon) ? 1 : 0;
    const int Reserved = (Tool ? 2 : Shown) * H;
    Bitmap.SetFont(&KsCaptionFont(Tool));
    Bitmap.Font()->SetColor(static_cast<TColor>(
        GetSysColor(FCaptionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
    const std::string Caption =
        ShortenTextOnSurface(Bitmap, Form()->Caption(), FFormWidth - Text.left - Reserved);
    Text.left += 2;
    Text.right -= 2;
    Bitmap.DrawText(Caption, Text,
                    Form()->DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}

bool TKsCustomForm::IconPushed(TKsFormZone Zone) const {
    return (FMouseShift & 8) && FPressedZone == Zone && FHotZone == Zone;
}

void TKsCustomForm::PaintBorderIcons(TKsBitmap& Bitmap) {
    const HDC DC = Bitmap.DC();
    const auto Caption = [&](TKsBorderIcon Icon, TKsFormZone Zone, UINT State) {
        RECT Rect = GetBorderIconRect(Icon);
        if (IsRectEmpty(Rect))
            return;
        DrawFrameControl(DC, &Rect, DFC_CAPTION, State | (IconPushed(Zone) ? DFCS_PUSHED : 0));
    };
    Caption(TKsBorderIcon::kbiClose, TKsFormZone::fzClose, DFCS_CAPTIONCLOSE);
    if (FBorderStyle != TKsBorderStyle::kbsToolWindow) {
        const RECT Menu = GetBorderIconRect(TKsBorderIcon::kbiSystemMenu);
        if (!IsRectEmpty(Menu)) {
            const HICON Icon = FormIcon();
            int W = GetSystemMetrics(SM_CXSMICON);
            int H = GetSystemMetrics(SM_CYSMICON);
            if (W == 0 || H == 0) {
                W = GetSystemMetrics(SM_CXSIZE);
                H = GetSystemMetrics(SM_CYSIZE);
            }
            DrawIconEx(DC, Menu.left, Menu.top, Icon, W, H, 0, nullptr, DI_NORMAL);
        }
        Caption(TKsBorderIcon::kbiMinimize, TKsFormZone::fzMinimize,
                FWindowState == TKsWindowState::kwsMinimized ? DFCS_CAPTIONRESTORE
                                                             : DFCS_CAPTIONMIN);
        Caption(TKsBorderIcon::kbiMaximize, TKsFormZone::fzMaximize,
                FWindowState == TKsWindowState::kwsMaximized ? DFCS_CAPTIONRESTORE
                                                             : DFCS_CAPTIONMAX);
        const auto Push = [&](TKsBorderIcon Icon, TKsFormZone Zone, bool Round) {
            RECT Rect = GetBorderIconRect(Icon);
            if (IsRectEmpty(Rect))
                return;
            const bool Pushed = IconPushed(Zone);
            DrawFrameControl(DC, &Rect, DFC_BUTTON, DFCS_BUTTONPUSH | (Pushed ? DFCS_PUSHED : 0));
            GdiFlush();
            if (Round) {
                RECT Glyph = InflateRectBy(Rect, -5);
                OffsetRect(&Glyph, Pushed ? 1 : 0, Pushed ? 3 : 2);
                const TGdiObject<HBRUSH> Black(CreateSolidBrush(0));
                const TSelectedObject Brush(DC, Black.Get());
                const TSelectedObject Pen(DC, GetStockObject(NULL_PEN));
                Ellipse(DC, Glyph.left, Glyph.top, Glyph.right, Glyph.bottom);
                return;
            }
            RECT Glyph{Rect.left + 4, Rect.top + 5, Rect.right - 4, Rect.bottom - 5};
            if (!Pushed)
                OffsetRect(&Glyph, -1, -1);
            const bool Down = FWindowState == TKsWindowState::kwsRollup;
            const int Mid = (Glyph.left + Glyph.right) / 2;
            const std::vector<POINT> Triangle =
                Down ? std::vector<POINT>{{Glyph.left, Glyph.top},
                                          {Glyph.right, Glyph.top},
                                          {Mid, Glyph.bottom}}
                     : std::vector<POINT>{{Glyph.left, Glyph.bottom},
                                          {Glyph.right, Glyph.bottom},
                                          {Mid, Glyph.top}};
            Bitmap.FillPolygon(Triangle, KsBlack);
        };
        Push(TKsBorderIcon::kbiRollup, TKsFormZone::fzRollup, false);
        Push(TKsBorderIcon::kbiTray, TKsFormZone::fzTray, true);
        Caption(TKsBorderIcon::kbiHelp, TKsFormZone::fzHelp, DFCS_CAPTIONHELP);
    }
    GdiFlush();
}

void TKsCustomForm::PaintClient(TKsBitmap& Bitmap) {
    if (Attached())
        Bitmap.FillRect(GetClientBounds(), ColorToKsColor(Form()->Color(), 255));
}

// ---- Region ----

TGdiObject<HRGN> TKsCustomForm::CreateFormRegion() {
    return {};
}

void TKsCustomForm::UpdateRegion() {
    if (FBuffer) {
        FBuffer->SetSize(FWindowWidth, FWindowHeight);
        FBuffer->Fill(KsTransparent);
    }
    if (TKsBitmap* Surface = GetSurface())
        Surface->FillRect(RECT{0, 0, FWindowWidth, FWindowHeight}, KsTransparent);
    if (!Attached())
        return;
    TGdiObject<HRGN> Region = CreateShapeRegion();
    // A window without a shape keeps having none: telling the host so again would only
    // cost it a redraw on every resize.
    if (!Region.Get() && !FShaped)
        return;
    const TFlagScope Suspended(FPaintEnabled, false);
    // The host owns a region it took; one it refused is still ours to free.
    const bool Shaped = Region.Get() != nullptr;
    if (SetWindowRgn(Form()->Handle(), Region.Get(), TRUE)) {
        Region.Release();
        FShaped = Shaped;
    }
}

TGdiObject<HRGN> TKsCustomForm::CreateShapeRegion() {
    TGdiObject<HRGN> Region = CreateFormRegion();
    if (Region && FDropShadow && FWindowState != TKsWindowState::kwsMaximized) {
        TGdiObject<HRGN> Shadow = CreateFormRegion();
        OffsetRgn(Shadow.Get(), FShadowWidth, FShadowWidth);
        CombineRgn(Region.Get(), Region.Get(), Shadow.Get(), RGN_OR);
    }
    return Region;
}
