#include "skin/themes/TeThemeLuna.h"

#include "framework/windows/ResourceStream.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/graphics/KsUtils.h"
#include "skin/menus/KsItems.h"
#include "skin/themes/LunaSkinLayout.h"
#include "skin/themes/TeThemeMenuItems.h"
#include "skin/themes/TeThemeParts.h"

#include <array>

using namespace LunaSkin;

const TTeThemeClassOf<TTeThemeLuna> TTeThemeLuna::Class{"TTeThemeLuna", TTeTheme::Class};

namespace {

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | G << 8 | B << 16);
}

// Colours that every shift leaves alone.
constexpr TKsColor TrackFace = 0xFFEBEBEEu;      // RGB(235, 235, 238)
constexpr TKsColor TrackSelection = 0xFF21C321u; // RGB(33, 195, 33)

// Read as system colour 0 (the scroll-bar colour) by the framework's colour rule.
constexpr TColor FallbackColor = static_cast<TColor>(0xFFFF0000u);

constexpr std::array<int, 30> Metrics{3,  2,  29, 19, 10, 21, 21, 14, 14, 4,  4,  3, 3,  3,  22,
                                      17, 16, 16, 16, 16, 11, 22, 4,  22, 17, 17, 2, 21, 15, 11};

TColor BaseColor(int Index) {
    switch (Index) {
    case 2:
        return Rgb(0, 0, 0);
    case 3:
    case 5:
        return Rgb(255, 255, 255);
    case 6:
        return Rgb(255, 251, 247);
    case 7:
    case 15:
    case 17:
    case 25:
        return Rgb(49, 106, 197);
    case 8:
        return Rgb(33, 195, 33);
    case 9:
        return Rgb(254, 254, 251);
    case 10:
        return Rgb(197, 197, 177);
    case 11:
        return Rgb(239, 235, 222);
    case 13:
    case 22:
        return Rgb(128, 128, 128);
    case 14:
    case 16:
    case 19:
    case 21:
        return Rgb(255, 255, 255);
    case 18:
    case 20:
    case 23:
        return Rgb(0, 0, 0);
    case 24:
        return Rgb(149, 206, 255);
    default:
        return FallbackColor;
    }
}

RECT PieceRect(const TPiece& Piece) {
    return RECT{Piece.Left, Piece.Top, Piece.Right(), Piece.Bottom()};
}

int StateIndex(TTeDrawState State) {
    return static_cast<int>(State);
}

// The skin blends by its alpha for the length of one transparent copy, and copies opaque
// again afterwards, whatever happens in between.
class TTransparentSkin {
public:
    TTransparentSkin(TKsBitmap& Skin, bool Transparent) : FSkin(Skin) {
        FSkin.SetUseAlpha(Transparent);
    }
    TTransparentSkin(const TTransparentSkin&) = delete;
    TTransparentSkin& operator=(const TTransparentSkin&) = delete;
    ~TTransparentSkin() { FSkin.SetUseAlpha(false); }

private:
    TKsBitmap& FSkin;
};

void Copy(TKsBitmap& Skin, TKsBitmap& Dest, int X, int Y, const RECT& Source, bool Transparent) {
    const TTransparentSkin Mode(Skin, Transparent);
    Skin.DrawRect(Dest, X, Y, Source);
}

// A destination without area is skipped: a scaled copy into one would mirror the piece.
void Stretch(TKsBitmap& Skin, TKsBitmap& Dest, const RECT& Target, const RECT& Source,
             bool Transparent) {
    if (IsRectEmpty(Target) || IsRectEmpty(Source))
        return;
    const TTransparentSkin Mode(Skin, Transparent);
    Skin.StretchDraw(Dest, Target, Source);
}

// The four Margin x Margin corners copied unscaled to the corners of Target, the edge
// strips and the centre stretched between them.
void NineSlice(TKsBitmap& Skin, TKsBitmap& Dest, const RECT& Target, const RECT& Source, int Margin,
               bool TransparentCorners, bool TransparentMiddle) {
    const int M = Margin;
    const RECT& D = Target;
    const RECT& S = Source;
    Stretch(Skin, Dest, RECT{D.left + M, D.top + M, D.right - M, D.bottom - M},
            RECT{S.left + M, S.top + M, S.right - M, S.bottom - M}, TransparentMiddle);
    Stretch(Skin, Dest, RECT{D.left + M, D.top, D.right - M, D.top + M},
            RECT{S.left + M, S.top, S.right - M, S.top + M}, TransparentMiddle);
    Stretch(Skin, Dest, RECT{D.left + M, D.bottom - M, D.right - M, D.bottom},
            RECT{S.left + M, S.bottom - M, S.right - M, S.bottom}, TransparentMiddle);
    Stretch(Skin, Dest, RECT{D.left, D.top + M, D.left + M, D.bottom - M},
            RECT{S.left, S.top + M, S.left + M, S.bottom - M}, TransparentMiddle);
    Stretch(Skin, Dest, RECT{D.right - M, D.top + M, D.right, D.bottom - M},
            RECT{S.right - M, S.top + M, S.right, S.bottom - M}, TransparentMiddle);
    Copy(Skin, Dest, D.left, D.top, RECT{S.left, S.top, S.left + M, S.top + M}, TransparentCorners);
    Copy(Skin, Dest, D.right - M, D.top, RECT{S.right - M, S.top, S.right, S.top + M},
         TransparentCorners);
    Copy(Skin, Dest, D.left, D.bottom - M, RECT{S.left, S.bottom - M, S.left + M, S.bottom},
         TransparentCorners);
    Copy(Skin, Dest, D.right - M, D.bottom - M, RECT{S.right - M, S.bottom - M, S.right, S.bottom},
         TransparentCorners);
}

// The usual nine-slice of a skin theme: corners over the background, the rest opaque.
void NineSlice(TKsBitmap& Skin, TKsBitmap& Dest, const RECT& Target, const RECT& Source,
               int Margin) {
    NineSlice(Skin, Dest, Target, Source, Margin, true, false);
}

// A piece copied centred in Rect, over the background unless it is to be opaque.
void CopyCentred(TKsBitmap& Skin, TKsBitmap& Dest, const RECT& Rect, const TPiece& Piece,
                 bool Transparent = true) {
    Copy(Skin, Dest, Rect.left + (RectWidth(Rect) - Piece.Width) / 2,
         Rect.top + (RectHeight(Rect) - Piece.Height) / 2, PieceRect(Piece), Transparent);
}

std::unique_ptr<TKsBitmap> LoadSkin(const char* ResourceName) {
    auto Skin = std::make_unique<TKsBitmap>();
    TResourceStream Stream(ResourceName);
    Skin->LoadFromStream(Stream);
    Skin->ReplaceByTransparent(0xFF000000u | TransparentKey);
    return Skin;
}

} // namespace

TTeThemeLuna::TTeThemeLuna() {
    LoadSkins();
}

TTeThemeLuna::~TTeThemeLuna() = default;

void TTeThemeLuna::LoadSkins() {
    // Both are made before either replaces the skins in use, so a failed load keeps them.
    std::unique_ptr<TKsBitmap> Main = LoadSkin("XP_MAIN");
    std::unique_ptr<TKsBitmap> Second = LoadSkin("XP_MAIN1");
    FMainSkin = std::move(Main);
    FSecondSkin = std::move(Second);
}

void TTeThemeLuna::UpdateColors() {
    LoadSkins();
    // A shift of 0 is skipped: the hue round trip would still move colours by a step, and a
    // theme set back to no shift is to look as loaded.
    for (TKsBitmap* Skin : {FMainSkin.get(), FSecondSkin.get()}) {
        if (Hue() != 0)
            Skin->ChangeHue(Hue());
        if (Brightness() != 0)
            Skin->ChangeBrightness(Brightness());
    }
}

int TTeThemeLuna::Metric(uint8_t Index) {
    return Index < Metrics.size() ? Metrics[Index] : 0;
}

int TTeThemeLuna::FontSize(uint8_t Index) {
    return Index == 0 ? 10 : 8;
}

TFontStyles TTeThemeLuna::FontStyle(uint8_t Index) {
    return Index <= 1 ? TFontStyles{TFontStyle::fsBold} : TFontStyles{};
}

int TTeThemeLuna::GetMetric(uint8_t Index) {
    return Metric(Index);
}

TColor TTeThemeLuna::GetColor(int Index) {
    return ShiftedColor(BaseColor(Index));
}

TKsColor TTeThemeLuna::Pixel(int ColorIndex) {
    return ColorToKsColor(GetColor(ColorIndex), 255);
}

std::string TTeThemeLuna::GetFontName(uint8_t) {
    return "Tahoma";
}

int TTeThemeLuna::GetFontSize(uint8_t Index) {
    return FontSize(Index);
}

TFontStyles TTeThemeLuna::GetFontStyle(uint8_t Index) {
    return FontStyle(Index);
}

// ---- Forms ----

void TTeThemeLuna::DrawCaptionButton(TKsBitmap& Bitmap, const RECT& Rect, TTeCaptionButtonKind Kind,
                                     bool Hot, bool Pressed, bool Active,
                                     TKsBorderStyle BorderStyle) {
    const auto KindIndex = static_cast<size_t>(Kind);
    if (KindIndex >= CaptionButtonRow.size())
        return;
    TKsBitmap& Skin = Active ? MainSkin() : SecondSkin();
    const size_t Look = Pressed ? 2 : (Hot ? 1 : 0);
    if (Kind == TTeCaptionButtonKind::cbkClose) {
        if (BorderStyle == TKsBorderStyle::kbsToolWindow) {
            const TPiece Close{ToolCloseColumn[Look], ToolCloseTop, ToolCloseSize, ToolCloseSize};
            Copy(Skin, Bitmap, Rect.left, Rect.top, PieceRect(Close), false);
            return;
        }
        if (BorderStyle != TKsBorderStyle::kbsStandard)
            return;
    }
    const TPiece Button{CaptionButtonColumn[Look], CaptionButtonRow[KindIndex], CaptionButtonSize,
                        CaptionButtonSize};
    Copy(Skin, Bitmap, Rect.left, Rect.top, PieceRect(Button), false);
}

void TTeThemeLuna::DrawFormFrame(TKsBitmap& Bitmap, int Width, int Height, const RECT&, bool Active,
                                 TKsBorderStyle BorderStyle) {
    TKsBitmap& Skin = Active ? MainSkin() : SecondSkin();
    if (BorderStyle == TKsBorderStyle::kbsStandard)
        DrawStandardFrame(Skin, Bitmap, Width, Height);
    else if (BorderStyle == TKsBorderStyle::kbsToolWindow)
        DrawToolWindowFrame(Skin, Bitmap, Width, Height);
}

void TTeThemeLuna::DrawStandardFrame(TKsBitmap& Skin, TKsBitmap& Bitmap, int W, int H) {
    const int L = StandardFrame.Left;
    const int R = StandardFrame.Right();
    const int B = StandardBorder;
    const int C = StandardCaptionHeight;
    const int K = CaptionCorner;
    const int Bottom = StandardBottomTop;
    const int FrameBottom = StandardFrame.Bottom();
    // Caption band: corners copied, the middle stretched.
    Copy(Skin, Bitmap, 0, 0, RECT{L, 0, L + K, C}, false);
    Stretch(Skin, Bitmap, RECT{K, 0, W - K, C}, RECT{L + K, 0, R - K, C}, false);
    Copy(Skin, Bitmap, W - K, 0, RECT{R - K, 0, R, C}, false);
    // Bottom border.
    Copy(Skin, Bitmap, 0, H - B, RECT{L, Bottom, L + B, FrameBottom}, false);
    // The stretched strip ends one column short of the right corner piece.
    Stretch(Skin, Bitmap, RECT{B, H - B, W - B, H}, RECT{L + B, Bottom, R - B - 1, FrameBottom},
            false);
    Copy(Skin, Bitmap, W - B, H - B, RECT{R - B, Bottom, R, FrameBottom}, false);
    // Left and right borders: the first B rows under the caption copied, the rest stretched.
    Copy(Skin, Bitmap, 0, C, RECT{L, C, L + B, C + B}, false);
    Stretch(Skin, Bitmap, RECT{0, C + B, B, H - B}, RECT{L, C + B, L + B, Bottom}, false);
    Copy(Skin, Bitmap, W - B, C, RECT{R - B, C, R, C + B}, false);
    Stretch(Skin, Bitmap, RECT{W - B, C + B, W, H - B}, RECT{R - B, C + B, R, Bottom}, false);
}

void TTeThemeLuna::DrawToolWindowFrame(TKsBitmap& Skin, TKsBitmap& Bitmap, int W, int H) {
    const int L = ToolFrame.Left;
    const int R = ToolFrame.Right();
    const int B = ToolBorder;
    const int C = ToolCaptionHeight;
    const int K = CaptionCorner;
    const int Bottom = ToolBottomTop;
    const int RightStrip = ToolRightBorderLeft;
    const int StripTop = ToolSideStripTop;
    Copy(Skin, Bitmap, 0, 0, RECT{L, 0, L + K, C}, false);
    Stretch(Skin, Bitmap, RECT{K, 0, W - K, C}, RECT{L + K, 0, R - K, C}, false);
    Copy(Skin, Bitmap, W - K, 0, RECT{R - K, 0, R, C}, false);
    Copy(Skin, Bitmap, 0, H - B, RECT{L, Bottom, L + B, Bottom + B}, false);
    Stretch(Skin, Bitmap, RECT{B, H - B, W - B, H}, RECT{L + B, Bottom, R - B, Bottom + B}, false);
    Copy(Skin, Bitmap, W - B, H - B, RECT{RightStrip, Bottom, RightStrip + B, Bottom + B}, false);
    Copy(Skin, Bitmap, 0, C, RECT{L, C, L + B, C + B}, false);
    Stretch(Skin, Bitmap, RECT{0, C + B, B, H - B},
            RECT{L, StripTop, L + ToolLeftStripWidth, Bottom}, false);
    Copy(Skin, Bitmap, W - B, C, RECT{RightStrip, C, RightStrip + B, C + B}, false);
    Stretch(Skin, Bitmap, RECT{W - B, C + B, W, H - B},
            RECT{RightStrip, StripTop, RightStrip + B, Bottom}, false);
}

TGdiObject<HRGN> TTeThemeLuna::GetFormRegion(int Width, int Height, TKsBorderStyle BorderStyle) {
    TGdiObject<HRGN> Region(CreateRectRgn(0, 0, Width, Height));
    if (BorderStyle != TKsBorderStyle::kbsStandard || !Region)
        return Region;
    // The top corners are rounded: a staircase of rectangles is cut from each.
    constexpr std::array<SIZE, 4> Steps{SIZE{5, 1}, SIZE{3, 2}, SIZE{2, 3}, SIZE{1, 5}};
    for (const SIZE& Step : Steps) {
        for (const int Left : {0, Width - static_cast<int>(Step.cx)}) {
            const TGdiObject<HRGN> Cut(
                CreateRectRgn(Left, 0, Left + static_cast<int>(Step.cx), Step.cy));
            CombineRgn(Region.Get(), Region.Get(), Cut.Get(), RGN_DIFF);
        }
    }
    return Region;
}

// ---- Menus ----

void TTeThemeLuna::DrawMenuBarBackground(TKsBitmap& Bitmap, int Width, int Height) {
    Bitmap.FillRect(RECT{0, 0, Width, Height}, Pixel(14));
}

void TTeThemeLuna::MeasureMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                      int& Height) {
    TeMeasureMenuBarItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeLuna::MeasurePopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, int& Width,
                                    int& Height) {
    TeMeasurePopupItem(*this, Bitmap, Item, Width, Height);
}

void TTeThemeLuna::DrawMenuBarItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                   bool Selected, bool NotTracking) {
    TeDrawSolidMenuBarItem(*this, Bitmap, Item, Rect, Selected, NotTracking, true);
}

void TTeThemeLuna::DrawMDIButton(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool NotTracking) {
    const auto Kind = Item.ButtonKind();
    if (Kind == TKsItemButtonKind::kibSysMenu) {
        // The item draws the child's icon over this.
        Bitmap.FillRect(Rect, Pixel(Selected ? 15 : 14));
        return;
    }
    if (Kind == TKsItemButtonKind::kibNone || Kind > TKsItemButtonKind::kibSysMenu)
        return;
    // Close, restore and minimize lie right to left; selected looks lie below the normal one.
    const int Column = MDIButtonColumn[3 - static_cast<size_t>(Kind)];
    const int Row = Selected ? (NotTracking ? 1 : 2) : 0;
    const TPiece Button{Column, MDIButtonTop + MDIButtonSize * Row, MDIButtonSize, MDIButtonSize};
    CopyCentred(MainSkin(), Bitmap, Rect, Button, false);
}

void TTeThemeLuna::DrawPopupItem(TKsBitmap& Bitmap, TKsCustomItem& Item, const RECT& Rect,
                                 bool Selected, bool) {
    TeDrawSolidPopupItem(*this, Bitmap, Item, Rect, Selected);
}

void TTeThemeLuna::DrawPopupBackground(TKsBitmap& Bitmap, int Width, int Height) {
    TeDrawPopupFrames(*this, Bitmap, Width, Height);
}

// ---- Controls ----

void TTeThemeLuna::DrawButton(TKsBitmap& Bitmap, int Width, int Height, TTeDrawState State) {
    const size_t Look = State == TTeDrawState::tdsDefault ? 4 : static_cast<size_t>(State);
    if (Look >= ButtonRow.size())
        return;
    const TPiece Face{Button.Left, ButtonRow[Look], Button.Width, Button.Height};
    NineSlice(MainSkin(), Bitmap, RECT{0, 0, Width, Height}, PieceRect(Face), ButtonMargin);
}

void TTeThemeLuna::DrawCheckBox(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                TTeCheckState Check) {
    if (StateIndex(State) > 3 || Check > TTeCheckState::tcsGrayed)
        return;
    const int CheckStep = Check == TTeCheckState::tcsChecked  ? CheckedStep
                          : Check == TTeCheckState::tcsGrayed ? GrayedStep
                                                              : 0;
    const TPiece Glyph = CheckBox.Moved(0, CheckStateStep * StateIndex(State) + CheckStep);
    Copy(MainSkin(), Bitmap, Rect.left, Rect.top, PieceRect(Glyph), true);
}

void TTeThemeLuna::DrawRadioButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                   bool Checked) {
    if (StateIndex(State) > 3)
        return;
    const TPiece Glyph =
        RadioButton.Moved(0, CheckStateStep * StateIndex(State) + (Checked ? CheckedStep : 0));
    Copy(MainSkin(), Bitmap, Rect.left, Rect.top, PieceRect(Glyph), true);
}

void TTeThemeLuna::DrawTrackBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical, int Shape,
                                     TTeDrawState State) {
    if (Shape < 0 || Shape > 2)
        return;
    int Row = 0;
    switch (State) {
    case TTeDrawState::tdsHot:
        Row = 1;
        break;
    case TTeDrawState::tdsPressed:
        Row = 2;
        break;
    case TTeDrawState::tdsDisabled:
        Row = 4;
        break;
    case TTeDrawState::tdsFocused:
        Row = 3;
        break;
    default:
        break;
    }
    const std::array<TPiece, 3> Shapes =
        Vertical ? std::array<TPiece, 3>{TrackThumbVertical, TrackThumbVerticalPointed1,
                                         TrackThumbVerticalPointed2}
                 : std::array<TPiece, 3>{TrackThumbHorizontal, TrackThumbHorizontalPointed1,
                                         TrackThumbHorizontalPointed2};
    const int Step = Shape == 0 ? TrackThumbPlainStep : TrackThumbPointedStep;
    const TPiece Thumb = Shapes[static_cast<size_t>(Shape)].Moved(0, Step * Row);
    Copy(SecondSkin(), Bitmap, Rect.left, Rect.top, PieceRect(Thumb), true);
}

void TTeThemeLuna::DrawTrackBarTrack(TKsBitmap& Bitmap, const RECT& Rect,
                                     const RECT& SelectionRect) {
    Bitmap.FillRect(Rect, TrackFace);
    Bitmap.FrameRect3D(Rect, ColorToKsColor(clBtnShadow, 255), ColorToKsColor(clBtnHighlight, 255));
    Bitmap.FillRect(InflateRectBy(SelectionRect, -1), TrackSelection);
}

void TTeThemeLuna::DrawProgressBarFrame(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.RoundFrame(Rect, 3, Pixel(7));
    Bitmap.FillRect(InflateRectBy(Rect, -1), TrackFace);
}

void TTeThemeLuna::DrawProgressBarChunks(TKsBitmap& Bitmap, const RECT& BarRect,
                                         const RECT& FilledRect, bool Vertical, bool Smooth) {
    TeDrawProgressChunks(Bitmap, BarRect, FilledRect, Vertical, Smooth, Pixel(8));
}

void TTeThemeLuna::DrawTaskGroupBackground(TKsBitmap& Bitmap, const RECT& Rect, bool) {
    Bitmap.FillRoundRect(Rect, 6, Pixel(6));
    Bitmap.RoundFrame(Rect, 6, Pixel(7));
    Bitmap.FrameRect(RECT{Rect.left, Rect.top + 20, Rect.right, Rect.bottom}, Pixel(7));
    Bitmap.FillRect(RECT{Rect.left + 1, Rect.top + 18, Rect.right - 1, Rect.bottom - 1}, Pixel(6));
}

void TTeThemeLuna::DrawTaskGroupHeader(TKsBitmap& Bitmap, const RECT& Rect,
                                       const std::string& Caption) {
    Bitmap.MoveTo(Rect.left, Rect.bottom);
    Bitmap.LineTo(Rect.right, Rect.bottom, Pixel(7));
    const TKsColor From = Pixel(24);
    const TKsColor To = Pixel(25);
    Bitmap.FillGradient(RECT{Rect.left + 1, Rect.top, Rect.right - 1, Rect.top + 1}, From, false,
                        To);
    Bitmap.FillGradient(RECT{Rect.left, Rect.top + 1, Rect.right, Rect.top + 2}, From, false, To);
    Bitmap.FillGradient(RECT{Rect.left, Rect.top + 2, Rect.right, Rect.bottom}, From, false, To);
    SelectFont(Bitmap, 4);
    Bitmap.Font()->SetColor(GetColor(23));
    Bitmap.DrawText(Caption, RECT{Rect.left + 5, Rect.top, Rect.right - 5, Rect.bottom},
                    DrawTextFlags(TeTextLeft));
}

void TTeThemeLuna::DrawTaskGroupButton(TKsBitmap& Bitmap, const RECT& Rect, int Kind,
                                       TTeDrawState State, bool Expand) {
    if (StateIndex(State) > 2 || Kind < 0 || Kind > 1)
        return;
    const int Row = Kind == 1 ? 2 : (Expand ? 1 : 0);
    const TPiece Glyph =
        TaskGroupButton.Moved(TaskGroupButtonStep * StateIndex(State), TaskGroupButtonStep * Row);
    Copy(MainSkin(), Bitmap, Rect.left, Rect.top, PieceRect(Glyph), true);
}

void TTeThemeLuna::DrawGroupBox(TKsBitmap& Bitmap, const RECT& Rect, const RECT& CaptionRect,
                                const std::string& Caption) {
    const TKsColor Line = Pixel(7);
    Bitmap.MoveTo(Rect.left + 2, Rect.top);
    Bitmap.LineTo(CaptionRect.left, Rect.top, Line);
    Bitmap.MoveTo(CaptionRect.right, Rect.top);
    const std::array<POINT, 8> Outline{
        POINT{Rect.right - 2, Rect.top},    POINT{Rect.right, Rect.top + 2},
        POINT{Rect.right, Rect.bottom - 2}, POINT{Rect.right - 2, Rect.bottom},
        POINT{Rect.left + 2, Rect.bottom},  POINT{Rect.left, Rect.bottom - 2},
        POINT{Rect.left, Rect.top + 2},     POINT{Rect.left + 2, Rect.top}};
    for (const POINT& Corner : Outline)
        Bitmap.LineTo(Corner.x, Corner.y, Line);
    Bitmap.DrawText(Caption, CaptionRect, DrawTextFlags(TeTextCenter));
}

void TTeThemeLuna::DrawScrollBarTrack(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical) {
    const TPiece& Track = Vertical ? ScrollTrackVertical : ScrollTrackHorizontal;
    Stretch(SecondSkin(), Bitmap, Rect, PieceRect(Track), false);
}

void TTeThemeLuna::DrawScrollBarThumb(TKsBitmap& Bitmap, const RECT& Rect, bool,
                                      TTeDrawState State) {
    if (StateIndex(State) > 3)
        return;
    const TPiece Thumb = ScrollThumb.Moved(0, ScrollThumbStep * StateIndex(State));
    NineSlice(SecondSkin(), Bitmap, Rect, PieceRect(Thumb), ScrollThumbMargin, true, true);
}

void TTeThemeLuna::DrawScrollBarArrow(TKsBitmap& Bitmap, const RECT& Rect, bool Vertical,
                                      bool First, TTeDrawState State) {
    if (StateIndex(State) > 3)
        return;
    DrawScrollBarThumb(Bitmap, Rect, Vertical, State);
    const int Column = Vertical ? (First ? ScrollArrowUp : ScrollArrowDown)
                                : (First ? ScrollArrowLeft : ScrollArrowRight);
    const TPiece Glyph{Column, ScrollArrowTop + ScrollArrowSize * StateIndex(State),
                       ScrollArrowSize, ScrollArrowSize};
    CopyCentred(SecondSkin(), Bitmap, Rect, Glyph);
}

void TTeThemeLuna::DrawSpinButton(TKsBitmap& Bitmap, const RECT& Rect, bool First,
                                  TTeDrawState State) {
    DrawScrollBarArrow(Bitmap, Rect, false, First, State);
}

void TTeThemeLuna::DrawTabPane(TKsBitmap& Bitmap, const RECT& Rect) {
    NineSlice(SecondSkin(), Bitmap, Rect, PieceRect(TabPane), TabMargin, false, false);
}

void TTeThemeLuna::DrawTabItem(TKsBitmap& Bitmap, const RECT& Rect, int Position, int State) {
    if (Position < 0 || Position > 3 || State < 0 || State > 4)
        return;
    // Focused and disabled tabs have no pieces of their own and look like normal ones.
    const TPiece& Look = State == 1 ? TabHot : (State == 4 ? TabSelected : TabNormal);
    const TPiece Tab = Look.Moved(TabPositionShift[static_cast<size_t>(Position)], 0);
    NineSlice(SecondSkin(), Bitmap, Rect, PieceRect(Tab), TabMargin);
}

void TTeThemeLuna::DrawEditFrame(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    const bool Disabled = State == TTeDrawState::tdsDisabled;
    const TKsColor Outer = Pixel(Disabled ? 10 : 7);
    const TKsColor Inner = Pixel(Disabled ? 9 : 6);
    Bitmap.FrameRect(Rect, Outer);
    Bitmap.FrameRect(InflateRectBy(Rect, -1), Inner);
    Bitmap.FrameRect(InflateRectBy(Rect, -2), Inner);
}

void TTeThemeLuna::DrawComboButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    if (StateIndex(State) > 3)
        return;
    TKsBitmap& Skin = MainSkin();
    const TPiece Face = ComboButton.Moved(0, ComboButtonStep * StateIndex(State));
    const int Cap = ComboButtonCap;
    Copy(Skin, Bitmap, Rect.left, Rect.top, RECT{Face.Left, Face.Top, Face.Right(), Face.Top + Cap},
         false);
    Copy(Skin, Bitmap, Rect.left, Rect.bottom - Cap,
         RECT{Face.Left, Face.Bottom() - Cap, Face.Right(), Face.Bottom()}, false);
    Stretch(Skin, Bitmap, RECT{Rect.left, Rect.top + Cap, Rect.right, Rect.bottom - Cap},
            RECT{Face.Left, Face.Top + Cap, Face.Right(), Face.Bottom() - Cap}, false);
    CopyCentred(Skin, Bitmap, Rect, ComboArrow.Moved(0, ComboArrowStep * StateIndex(State)));
}

void TTeThemeLuna::DrawToolButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                  bool Flat, bool Checked) {
    if (State == TTeDrawState::tdsDisabled || StateIndex(State) > 3)
        return;
    if (Flat && State == TTeDrawState::tdsNormal && !Checked)
        return;
    // The looks lie beside and under the normal face: hot (20, 0), pressed (40, 0),
    // checked (20, 23), checked and hot (40, 23).
    constexpr POINT Hot{20, 0};
    constexpr POINT Pressed{40, 0};
    constexpr POINT CheckedLook{20, 23};
    constexpr POINT CheckedHot{40, 23};
    POINT Shift{0, 0};
    if (Flat) {
        if (State == TTeDrawState::tdsPressed)
            Shift = Pressed;
        else if (State == TTeDrawState::tdsHot)
            Shift = Checked ? CheckedHot : Hot;
        else
            Shift = CheckedLook;
    } else if (State == TTeDrawState::tdsNormal) {
        Shift = Checked ? CheckedLook : Hot;
    } else if (State == TTeDrawState::tdsPressed) {
        Shift = Checked ? CheckedLook : Pressed;
    }
    NineSlice(MainSkin(), Bitmap, Rect, PieceRect(ToolButton.Moved(Shift.x, Shift.y)),
              ToolButtonMargin);
}

void TTeThemeLuna::DrawToolDropDownButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State,
                                          bool Flat, bool Checked) {
    DrawToolButton(Bitmap, Rect, State, Flat, Checked);
    if (StateIndex(State) > 3)
        return;
    const TPiece Arrow = ToolDropDownArrow.Moved(0, ToolDropDownArrowStep * StateIndex(State) +
                                                        (Checked ? ToolDropDownCheckedStep : 0));
    CopyCentred(MainSkin(), Bitmap, Rect, Arrow);
}

void TTeThemeLuna::DrawToolBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeLuna::DrawControlBarBackground(TKsBitmap& Bitmap, const RECT& Rect) {
    Bitmap.FillRect(Rect, Pixel(11));
}

void TTeThemeLuna::DrawControlBarGripper(TKsBitmap& Bitmap, const RECT& Rect,
                                         const RECT& GripRect) {
    const TKsColor Face = Pixel(11);
    Bitmap.FillRect(Rect, Face);
    Bitmap.FrameRect3D(Rect, KsColorAdd(Face, 50, 50, 50, 0), KsColorSub(Face, 50, 50, 50, 0));
    if (IsRectEmpty(GripRect))
        return;
    const TTransparentSkin Mode(MainSkin(), true);
    MainSkin().TileDraw(Bitmap, GripRect, PieceRect(ControlBarGrip));
}

void TTeThemeLuna::DrawSmallButton(TKsBitmap& Bitmap, const RECT& Rect, TTeDrawState State) {
    if (StateIndex(State) > 3)
        return;
    NineSlice(MainSkin(), Bitmap, Rect,
              PieceRect(SmallButton.Moved(0, SmallButtonStep * StateIndex(State))),
              SmallButtonMargin);
}

void TTeThemeLuna::DrawItemBackground(TKsBitmap& Bitmap, const RECT& Rect, int Flags) {
    if (Flags & 4) {
        const RECT Cell = InflateRectBy(Rect, 1);
        Bitmap.FillRect(Cell, Pixel(11));
        Bitmap.FrameRect(Cell, Pixel(17));
        return;
    }
    Bitmap.FillRect(Rect, Pixel((Flags & 2) ? 8 : ((Flags & 1) ? 12 : 6)));
}
