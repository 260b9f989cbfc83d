// The skinned form's mouse: presses, drags and releases on the frame move the form (snapping
// to the edges of the work area), size it live or as an outline, and press the caption
// buttons.
#include "skin/forms/KsForms.h"

#include "framework/windows/Forms.h"
#include "framework/windows/PaintScopes.h"
#include "skin/forms/KsFormScopes.h"
#include "skin/graphics/KsUtils.h"

#include <cstdlib>
#include <windowsx.h>

namespace {

bool IsDragZone(TKsFormZone Zone) {
    return Zone >= TKsFormZone::fzCaption && Zone <= TKsFormZone::fzBottomRight;
}

bool IsCaptionButton(TKsFormZone Zone) {
    return Zone >= TKsFormZone::fzClose && Zone <= TKsFormZone::fzTray;
}

} // namespace

void TKsCustomForm::NCMouse(TMessage& Message) {
    const auto ScreenPoint = [&] {
        return ScreenToWindow(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    };
    const auto ClientPoint = [&] {
        POINT Point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        ClientToScreen(Form()->Handle(), &Point);
        return ScreenToWindow(Point);
    };
    const auto TakeFocus = [&] {
        if (!FCaptionActive && Attached())
            SetFocus(Form()->Handle());
    };
    const TShiftState Left{TShiftStateFlag::ssLeft};
    const TShiftState Right{TShiftStateFlag::ssRight};
    const TShiftState LeftDouble{TShiftStateFlag::ssLeft, TShiftStateFlag::ssDouble};
    POINT P{};
    switch (Message.Msg) {
    case WM_NCLBUTTONDOWN:
        TakeFocus();
        P = ScreenPoint();
        FMouseShift = 8;
        MouseDown(TMouseButton::mbLeft, Left, P.x, P.y);
        break;
    case WM_NCLBUTTONUP:
        P = ScreenPoint();
        FMouseShift = 0;
        MouseUp(TMouseButton::mbLeft, {}, P.x, P.y);
        break;
    case WM_NCLBUTTONDBLCLK:
        P = ScreenPoint();
        // A quick second click on a caption button is another press of it.
        if (IsCaptionButton(HitTest(P.x, P.y))) {
            FMouseShift = 8;
            MouseDown(TMouseButton::mbLeft, Left, P.x, P.y);
            break;
        }
        MouseDown(TMouseButton::mbLeft, LeftDouble, P.x, P.y);
        MouseUp(TMouseButton::mbLeft, LeftDouble, P.x, P.y);
        FMouseShift = 0;
        Message.Result = 1;
        MarkHandled();
        return;
    case WM_NCRBUTTONDOWN:
        TakeFocus();
        P = ScreenPoint();
        FMouseShift = 16;
        MouseDown(TMouseButton::mbRight, Right, P.x, P.y);
        break;
    case WM_NCRBUTTONUP:
        P = ScreenPoint();
        FMouseShift = 0;
        MouseUp(TMouseButton::mbRight, {}, P.x, P.y);
        break;
    case WM_NCMOUSEMOVE:
        P = ScreenPoint();
        MouseMove(FMouseShift & 8 ? Left : (FMouseShift & 16 ? Right : TShiftState{}), P.x, P.y);
        break;
    case WM_MOUSEMOVE:
        // The frame holds the mouse capture: moves report client points.
        if (FMouseShift != 0 && Attached()) {
            P = ClientPoint();
            MouseMove(FMouseShift & 8 ? Left : Right, P.x, P.y);
        }
        return;
    case WM_LBUTTONUP:
        if (FMouseShift != 0 && Attached()) {
            P = ClientPoint();
            FMouseShift = 0;
            MouseUp(TMouseButton::mbLeft, {}, P.x, P.y);
        }
        return;
    default:
        return;
    }
    Message.Result = 0;
    MarkHandled();
}

void TKsCustomForm::MouseDown(TMouseButton Button, TShiftState, int X, int Y) {
    if (Button != TMouseButton::mbLeft || !Attached())
        return;
    const TKsFormZone Zone = HitTest(X, Y);
    FPressedZone = Zone;
    FHotZone = Zone;
    FDownPoint = FLastPoint = POINT{X, Y};
    RedrawFrame();
    if (IsDragZone(Zone)) {
        FDragging = true;
        FDragFrame = RECT{};
        if (FSimpleDrag) {
            FPaintEnabled = false;
            FSimpleDragging = true;
        }
    }
    SetCapture(Form()->Handle());
}

void TKsCustomForm::MouseMove(TShiftState Shift, int X, int Y) {
    if (!Shift.Contains(TShiftStateFlag::ssLeft) || !FDragging || !Attached()) {
        const TKsFormZone Hot = HitTest(X, Y);
        if (Hot == TKsFormZone::fzSysMenu && Attached())
            Form()->SetHint("Sytem Menu");
        // While a caption button is held, it shows pushed only with the mouse over it.
        const TKsFormZone Tracked =
            Shift.Contains(TShiftStateFlag::ssLeft) ? Hot : TKsFormZone::fzNone;
        if (KsChangeValue(FHotZone, Tracked))
            RedrawFrame();
        return;
    }
    const RECT Before = FormBounds();
    RECT R = Before;
    const bool Sizable = FCanResize && FWindowState != TKsWindowState::kwsMaximized &&
                         FWindowState != TKsWindowState::kwsMinimized &&
                         FWindowState != TKsWindowState::kwsRollup;
    const int DX0 = X - FDownPoint.x;
    const int DY0 = Y - FDownPoint.y;
    const int DXL = FSimpleDrag ? DX0 : X - FLastPoint.x;
    const int DYL = FSimpleDrag ? DY0 : Y - FLastPoint.y;
    const POINT Min = GetMinSize();
    const auto MoveLeft = [&] { R.left = std::min<LONG>(R.left + DX0, R.right - Min.x); };
    const auto MoveTop = [&] { R.top = std::min<LONG>(R.top + DY0, R.bottom - Min.y); };
    switch (FPressedZone) {
    case TKsFormZone::fzCaption:
        if (FCanMove && FWindowState != TKsWindowState::kwsMaximized) {
            OffsetRect(&R, DX0, DY0);
            R = SnapToEdges(R);
        }
        break;
    case TKsFormZone::fzLeft:
        if (Sizable)
            MoveLeft();
        break;
    case TKsFormZone::fzTop:
        if (Sizable)
            MoveTop();
        break;
    case TKsFormZone::fzRight:
        if (Sizable)
            R.right += DXL;
        break;
    case TKsFormZone::fzBottom:
        if (Sizable)
            R.bottom += DYL;
        break;
    case TKsFormZone::fzTopLeft:
        if (Sizable) {
            MoveTop();
            MoveLeft();
        }
        break;
    case TKsFormZone::fzTopRight:
        if (Sizable) {
            MoveTop();
            R.right += DXL;
        }
        break;
    case TKsFormZone::fzBottomLeft:
        if (Sizable) {
            R.bottom += DYL;
            MoveLeft();
        }
        break;
    case TKsFormZone::fzBottomRight:
        if (Sizable) {
            R.bottom += DYL;
            R.right += DXL;
        }
        break;
    default:
        break;
    }
    if (FSimpleDrag) {
        DrawDragFrame(R);
    } else {
        const bool Resized =
            RectWidth(R) != RectWidth(Before) || RectHeight(R) != RectHeight(Before);
        ApplyBounds(R);
        // A window that only moved keeps its frame's pixels: the host copies them and asks
        // for a repaint of what it could not keep. A shadow or a translucent frame shows
        // what lies behind the new place, so those are composed again.
        const bool HotChanged = KsChangeValue(FHotZone, HitTest(X, Y));
        if (Resized || HotChanged || FDropShadow || FBlend)
            RedrawFrame();
    }
    FLastPoint = POINT{X, Y};
}

void TKsCustomForm::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TKsFormZone Zone = HitTest(X, Y);
    if (Button == TMouseButton::mbLeft) {
        {
            // A double click arrives with the button still down; letting the mouse go here
            // is not another window taking it.
            const TFlagScope Releasing(FReleasingCapture, true);
            ReleaseCapture();
        }
        if (Shift.Contains(TShiftStateFlag::ssDouble)) {
            if (FBorderIcons.Contains(TKsBorderIcon::kbiMaximize) &&
                FPressedZone == TKsFormZone::fzCaption) {
                if (FWindowState == TKsWindowState::kwsMinimized)
                    Restore();
                else
                    Maximize();
            } else if (FPressedZone == TKsFormZone::fzSysMenu) {
                Close();
            }
        } else {
            if (FPressedZone == Zone)
                ActOnZone(Zone);
            if (FSimpleDrag && FSimpleDragging) {
                DrawDragFrame(RECT{});
                // The final bounds are applied once, live.
                FSimpleDrag = false;
                MouseMove(TShiftState{TShiftStateFlag::ssLeft}, X, Y);
                FSimpleDrag = true;
                FSimpleDragging = false;
                FPaintEnabled = true;
                RedrawFrame();
                if (Attached())
                    Form()->Invalidate();
            } else {
                // A live drag ends where the button was let go: the host may have reported
                // moves on the way from where the window was before it moved.
                if (FDragging)
                    MouseMove(TShiftState{TShiftStateFlag::ssLeft}, X, Y);
                RedrawFrame();
            }
            FDragging = false;
        }
    } else if (Button == TMouseButton::mbRight && Zone == TKsFormZone::fzCaption && Attached()) {
        RECT Window{};
        GetWindowRect(Form()->Handle(), &Window);
        ShowSysMenuAt(POINT{Window.left + X, Window.top + Y});
    }
    FPressedZone = TKsFormZone::fzNone;
}

void TKsCustomForm::CaptureLost(HWND NewCapture) {
    // Another window took the mouse with the button still held (Alt+Tab, an error box): the
    // drag ends where it is, its outline goes and the frame paints again. A release lets
    // the capture go itself and finishes the drag in MouseUp.
    if (!FDragging || FReleasingCapture || !Attached() || NewCapture == Form()->Handle() ||
        GetKeyState(VK_LBUTTON) >= 0)
        return;
    if (FSimpleDragging) {
        DrawDragFrame(RECT{});
        FSimpleDragging = false;
        FPaintEnabled = true;
        Form()->Invalidate();
    }
    FDragging = false;
    FMouseShift = 0;
    FPressedZone = TKsFormZone::fzNone;
    RedrawFrame();
}

void TKsCustomForm::ActOnZone(TKsFormZone Zone) {
    switch (Zone) {
    case TKsFormZone::fzClose:
        Close();
        break;
    case TKsFormZone::fzHelp:
        Help();
        break;
    case TKsFormZone::fzMinimize:
        Minimize();
        break;
    case TKsFormZone::fzMaximize:
        Maximize();
        break;
    case TKsFormZone::fzRollup:
        Rollup();
        break;
    case TKsFormZone::fzTray:
        MinimizeToTray();
        break;
    case TKsFormZone::fzSysMenu:
        ShowSysMenu();
        break;
    default:
        break;
    }
}

RECT TKsCustomForm::SnapToEdges(RECT Bounds) {
    if (!FMagnetic)
        return Bounds;
    const RECT Area = GetMagnetArea();
    const int M = FMagneticValue;
    const int Shadow = FDropShadow ? FShadowWidth : 0;
    const int Right = Bounds.right - Shadow;
    const int Bottom = Bounds.bottom - Shadow;
    if (std::abs(Bounds.left - Area.left) < M)
        OffsetRect(&Bounds, Area.left - Bounds.left, 0);
    else if (std::abs(Right - Area.right) < M)
        OffsetRect(&Bounds, Area.right - Right, 0);
    if (std::abs(Bounds.top - Area.top) < M)
        OffsetRect(&Bounds, 0, Area.top - Bounds.top);
    else if (std::abs(Bottom - Area.bottom) < M)
        OffsetRect(&Bounds, 0, Area.bottom - Bottom);
    return Bounds;
}

void TKsCustomForm::DrawDragFrame(const RECT& Bounds) {
    if (FWindowState == TKsWindowState::kwsMaximized)
        return;
    // A child's bounds are in its parent's client window, where the outline is drawn over
    // the children too.
    const TCustomForm* Parent = MDIParentForm();
    const HWND Surface = Parent ? Parent->ClientHandle() : nullptr;
    const HDC Screen = Surface ? GetDCEx(Surface, nullptr, DCX_CACHE) : GetDC(nullptr);
    if (!Screen)
        return;
    {
        // The pen outlives the saved state, which deselects it.
        const TGdiObject<HPEN> White(CreatePen(PS_INSIDEFRAME, 2, RGB(255, 255, 255)));
        const TSavedDCState Saved(Screen);
        SelectObject(Screen, White.Get());
        SelectObject(Screen, GetStockObject(NULL_BRUSH));
        SetROP2(Screen, R2_XORPEN);
        if (!IsRectEmpty(FDragFrame))
            Rectangle(Screen, FDragFrame.left, FDragFrame.top, FDragFrame.right, FDragFrame.bottom);
        if (!IsRectEmpty(Bounds))
            Rectangle(Screen, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
    }
    ReleaseDC(Surface, Screen);
    FDragFrame = Bounds;
}
