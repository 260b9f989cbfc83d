// The screen behind a skinned form: the snapshot of it that the controller keeps current as
// the window is shown, moved and resized, and what is drawn over it without the host's
// window composition: the drop shadow, the translucent frame and client, and the show
// animation with the form's controls painted into its image.
#include "skin/forms/KsForms.h"

#include "framework/graphics/GdiHandles.h"
#include "framework/windows/Forms.h"
#include "framework/windows/PaintScopes.h"
#include "skin/forms/KsEffects.h"
#include "skin/forms/KsFormScopes.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"

#include <vector>

namespace {

constexpr TKsColor ShadowColor = 0x903F3F3Fu;

bool CopyFromScreen(TKsBitmap& Target, int X, int Y, const RECT& ScreenRect) {
    const TScreenDC Screen;
    if (!Screen.Get())
        return false;
    return BitBlt(Target.DC(), X, Y, RectWidth(ScreenRect), RectHeight(ScreenRect), Screen.Get(),
                  ScreenRect.left, ScreenRect.top, SRCCOPY) != 0;
}

// Writes the colour into the rectangle, also on a surface that blends its drawing.
void Fill(TKsBitmap& Bitmap, const RECT& Rect, TKsColor Pixel) {
    GdiFlush();
    KsFillRect(Bitmap.PixelView(), Rect, Pixel, false);
}

RECT Offset(const RECT& Rect, int DX, int DY) {
    return RECT{Rect.left + DX, Rect.top + DY, Rect.right + DX, Rect.bottom + DY};
}

RECT WindowScreenRect(HWND Window) {
    RECT Rect{};
    GetWindowRect(Window, &Rect);
    return Rect;
}

// The rectangles of a region, in its own coordinates.
std::vector<RECT> RegionRects(HRGN Region) {
    const DWORD Size = GetRegionData(Region, 0, nullptr);
    if (Size == 0)
        return {};
    std::vector<unsigned char> Buffer(Size);
    auto* Data = reinterpret_cast<RGNDATA*>(Buffer.data());
    if (GetRegionData(Region, Size, Data) == 0)
        return {};
    const auto* First = reinterpret_cast<const RECT*>(Data->Buffer);
    return std::vector<RECT>(First, First + Data->rdh.nCount);
}

// Clears the animation image for the length of a scope, also when the animation raises.
class TAnimationScope {
public:
    TAnimationScope(bool& Animating, std::unique_ptr<TKsBitmap>& Image)
        : FAnimating(Animating, true), FImage(Image) {}
    TAnimationScope(const TAnimationScope&) = delete;
    TAnimationScope& operator=(const TAnimationScope&) = delete;
    ~TAnimationScope() { FImage.reset(); }

private:
    TFlagScope FAnimating;
    std::unique_ptr<TKsBitmap>& FImage;
};

} // namespace

TKsScreenSource& KsScreenSource() {
    static TKsScreenSource Source = &CopyFromScreen;
    return Source;
}

// ---- Properties that change the window's shape ----

void TKsCustomForm::SetDropShadow(bool Value) {
    if (FDropShadow == Value)
        return;
    FDropShadow = Value;
    RebuildShadow();
}

void TKsCustomForm::SetShadowWidth(int Value) {
    if (FShadowWidth == Value)
        return;
    FShadowWidth = Value;
    if (FDropShadow)
        RebuildShadow();
}

void TKsCustomForm::RebuildShadow() {
    if (IsLoading() || !Active() || !Attached() || IsDesigning())
        return;
    // The frame is laid out again keeping the client size, so the window grows or shrinks
    // by the shadow; the strips it gains are read from the screen, which shows there what
    // lies behind the window.
    UpdateFrame();
    UpdateRegion();
    if (FDropShadow || FBlend)
        UpdateBackground(WindowScreenRect(Form()->Handle()));
    RedrawFrame();
}

// ---- Position changes ----

RECT TKsCustomForm::ProposedScreenRect(const WINDOWPOS& Position) const {
    const HWND Window = Form()->Handle();
    const RECT Current = WindowScreenRect(Window);
    POINT TopLeft{Current.left, Current.top};
    if (!(Position.flags & SWP_NOMOVE)) {
        TopLeft = POINT{Position.x, Position.y};
        // A child window is placed in its parent's client coordinates.
        if (GetWindowLongW(Window, GWL_STYLE) & WS_CHILD)
            MapWindowPoints(GetAncestor(Window, GA_PARENT), nullptr, &TopLeft, 1);
    }
    const bool NoSize = Position.flags & SWP_NOSIZE;
    const int Width = NoSize ? RectWidth(Current) : Position.cx;
    const int Height = NoSize ? RectHeight(Current) : Position.cy;
    return RECT{TopLeft.x, TopLeft.y, TopLeft.x + Width, TopLeft.y + Height};
}

void TKsCustomForm::TakeWindowSize(int Width, int Height) {
    FWindowWidth = FFormWidth = Width;
    FWindowHeight = FFormHeight = Height;
    if (FDropShadow && FWindowState != TKsWindowState::kwsMaximized) {
        FFormWidth -= FShadowWidth;
        FFormHeight -= FShadowWidth;
    }
}

void TKsCustomForm::WMWindowPosChanging(TMessage& Message) {
    auto* Position = reinterpret_cast<WINDOWPOS*>(Message.LParam);
    const bool NoSize = Position->flags & SWP_NOSIZE;
    const bool SeesBehind = FBlend || FDropShadow;
    if (!(NoSize && (Position->flags & SWP_NOMOVE))) {
        // A move alone carries no meaningful size: the host keeps the window's own.
        if (!NoSize) {
            const POINT Max = GetMaxSize();
            Position->cx = std::min<int>(Position->cx, Max.x);
            Position->cy = std::min<int>(Position->cy, Max.y);
            if (FWindowState != TKsWindowState::kwsRollup &&
                FWindowState != TKsWindowState::kwsMinimized) {
                const POINT Min = GetMinSize();
                Position->cx = std::max<int>(Position->cx, Min.x);
                Position->cy = std::max<int>(Position->cy, Min.y);
            }
        }
        // Compared with the window's size, which includes the shadow: the same bounds given
        // again (a move) lay nothing out again.
        const bool Same = Position->cx == FWindowWidth && Position->cy == FWindowHeight;
        const bool SizeChanged = !(Same || NoSize || (Position->flags & SWP_FRAMECHANGED));
        if (SizeChanged)
            TakeWindowSize(Position->cx, Position->cy);
        // A hidden window's frame is drawn when the window is shown.
        if ((Position->flags & SWP_FRAMECHANGED) && Attached() &&
            IsWindowVisible(Form()->Handle()))
            RedrawFrame();
        // A hidden window reads what lies behind it when it is shown: the screen it would
        // read now may change before then.
        if (SeesBehind && Attached() && IsWindowVisible(Form()->Handle()))
            UpdateBackground(ProposedScreenRect(*Position));
        if (SizeChanged)
            UpdateRegion();
    }
    if (Position->flags & SWP_SHOWWINDOW) {
        if (SeesBehind && Attached()) {
            FBackgroundRect = RECT{};
            UpdateBackground(WindowScreenRect(Form()->Handle()));
        }
        ShowAnimated();
    }
    // What the window shows depends on what lies behind it: old pixels must not be moved.
    if (SeesBehind)
        Position->flags |= SWP_NOCOPYBITS;
    Message.Result = 0;
    MarkHandled();
}

// ---- Snapshot ----

void TKsCustomForm::UpdateBackground(const RECT& R) {
    if (!Attached() || EqualRect(&R, &FBackgroundRect) || FUpdatingFrame)
        return;
    if (!FBlend && (FWindowState == TKsWindowState::kwsMaximized ||
                    FPrevWindowState == TKsWindowState::kwsMaximized)) {
        // The first move after leaving the maximized state would copy the window itself.
        if (FPrevWindowState == TKsWindowState::kwsMaximized)
            FPrevWindowState = TKsWindowState::kwsNormal;
        return;
    }
    const int W = RectWidth(R);
    const int H = RectHeight(R);
    auto Snapshot = std::make_unique<TKsBitmap>();
    Snapshot->SetSize(W, H);
    if (Snapshot->Empty())
        return;
    RECT Kept{};
    IntersectRect(&Kept, &R, &FBackgroundRect);
    const TKsScreenSource Read = KsScreenSource();
    const auto ReadStrip = [&](const RECT& Strip) {
        return Read(*Snapshot, Strip.left, Strip.top, Offset(Strip, R.left, R.top));
    };
    bool Complete = true;
    if (IsRectEmpty(&Kept)) {
        Complete = ReadStrip(RECT{0, 0, W, H});
    } else {
        // Only the strips that the old snapshot does not cover come from the screen: inside
        // the old rectangle the screen shows the window itself.
        const RECT Inner = Offset(Kept, -R.left, -R.top);
        if (Inner.left > 0)
            Complete = ReadStrip(RECT{0, 0, Inner.left, H}) && Complete;
        if (Inner.top > 0)
            Complete = ReadStrip(RECT{0, 0, W, Inner.top}) && Complete;
        if (Inner.right < W)
            Complete = ReadStrip(RECT{Inner.right, 0, W, H}) && Complete;
        if (Inner.bottom < H)
            Complete = ReadStrip(RECT{0, Inner.bottom, W, H}) && Complete;
        FBackground->DrawRect(*Snapshot, Inner.left, Inner.top,
                              Offset(Kept, -FBackgroundRect.left, -FBackgroundRect.top));
    }
    if (!Complete)
        return;
    FBackground = std::move(Snapshot);
    FBackgroundRect = R;
}

// ---- Shadow and blending ----

void TKsCustomForm::PaintShadow(TKsBitmap& Bitmap) {
    if (FWindowState == TKsWindowState::kwsMaximized)
        return;
    const RECT C = GetClientBounds();
    const int S = FShadowWidth;
    const int W = FFormWidth, H = FFormHeight;
    const int WW = FWindowWidth, WH = FWindowHeight;
    const auto Compose = [&](const RECT& Rect) {
        Bitmap.MergeOver(*FBackground, Rect.left, Rect.top, Rect);
    };
    const RECT Top{S, S, W, C.top};
    Fill(Bitmap, Top, ShadowColor);
    Compose(Top);
    const RECT Left{S, S, C.left, H};
    Fill(Bitmap, Left, ShadowColor);
    Compose(Left);
    // The offset shape does not reach the top-right and bottom-left corners: the
    // background shows there.
    Fill(Bitmap, RECT{C.right, 0, WW, S}, KsTransparent);
    Fill(Bitmap, RECT{C.right, S, WW, WH}, ShadowColor);
    Compose(RECT{C.right, 0, WW, WH});
    Fill(Bitmap, RECT{0, C.bottom, S, WH}, KsTransparent);
    Fill(Bitmap, RECT{S, C.bottom, W, WH}, ShadowColor);
    Compose(RECT{0, C.bottom, W, WH});
}

void TKsCustomForm::BlendFrameBands(TKsBitmap& Bitmap) {
    const RECT C = GetClientBounds();
    const auto Blend = [&](const RECT& Band) {
        Bitmap.SetAlphaRect(static_cast<std::uint8_t>(FBlendValue), Band);
        Bitmap.MergeOver(*FBackground, Band.left, Band.top, Band);
    };
    Blend(RECT{0, 0, FFormWidth, C.top});
    Blend(RECT{0, C.bottom, FFormWidth, FFormHeight});
    Blend(RECT{0, C.top, C.left, FFormHeight});
    Blend(RECT{C.right, C.top, FFormWidth, FFormHeight});
}

void TKsCustomForm::BlendClient(TKsBitmap& Bitmap) {
    const RECT C = GetClientBounds();
    Bitmap.SetAlphaRect(static_cast<std::uint8_t>(FBlendValue), C);
    Bitmap.MergeOver(*FBackground, C.left, C.top, C);
}

// ---- Show animation ----

void TKsCustomForm::ShowAnimated() {
    const TKsBitmap* Surface = GetSurface();
    if (FBlend || FShowAnimation == TKsAnimation::kaNone || !Attached() || !Surface ||
        Surface->Empty())
        return;
    const TAnimationScope Animating(FAnimating, FAnimationImage);
    FAnimationImage = std::make_unique<TKsBitmap>();
    FAnimationImage->SetSize(FWindowWidth, FWindowHeight);
    const HWND Window = Form()->Handle();
    FBackgroundRect = RECT{};
    UpdateBackground(WindowScreenRect(Window));
    if (FAnimationImage->Empty() || FBackground->Width() != FWindowWidth ||
        FBackground->Height() != FWindowHeight)
        return;
    {
        const TFlagScope Active(FCaptionActive, true);
        RedrawFrame();
        PaintClient(*FAnimationImage);
    }
    // The controls paint through the host, which leaves their pixels without alpha: they go
    // in before the image is made opaque and cut to the window's shape.
    PaintControlsInto(*FAnimationImage);
    MaskOutsideShape(*FAnimationImage);
    const TScreenDC Screen;
    if (!Screen.Get())
        return;
    const RECT C = GetClientBounds();
    POINT TopLeft{-C.left, -C.top};
    ClientToScreen(Window, &TopLeft);
    const RECT Dest{TopLeft.x, TopLeft.y, TopLeft.x + FWindowWidth, TopLeft.y + FWindowHeight};
    KsPlayAnimation(FShowAnimation, Screen.Get(), *FBackground,
                    RECT{0, 0, FWindowWidth, FWindowHeight}, FShowAnimationTime, Dest,
                    *FAnimationImage);
}

void TKsCustomForm::PaintControlsInto(TKsBitmap& Image) {
    TCustomForm* Owner = Form();
    const RECT C = GetClientBounds();
    {
        const TSavedDCState Saved(Image.DC());
        MoveWindowOrg(Image.DC(), C.left, C.top);
        Owner->PaintControls(Image.DC(), nullptr);
    }
    for (int I = 0; I < Owner->ControlCount(); ++I)
        if (auto* Child = dynamic_cast<TWinControl*>(Owner->Controls(I)); Child && Child->Visible())
            Child->PaintTo(Image.DC(), C.left + Child->Left(), C.top + Child->Top());
    GdiFlush();
}

void TKsCustomForm::MaskOutsideShape(TKsBitmap& Image) {
    Image.SetAlpha(255);
    Image.ReplaceByTransparent(KsTransparent);
    const TGdiObject<HRGN> Shape = CreateShapeRegion();
    if (!Shape)
        return;
    const TGdiObject<HRGN> Outside(CreateRectRgn(0, 0, Image.Width(), Image.Height()));
    CombineRgn(Outside.Get(), Outside.Get(), Shape.Get(), RGN_DIFF);
    for (const RECT& Rect : RegionRects(Outside.Get()))
        Fill(Image, Rect, KsTransparent);
}
