// The edit's measuring and painting: the text line's layout, the background, the selection,
// the text and the glyphs of hidden text; and repainting, after each of the edit's own
// operations, only the columns of the line that it altered.
#include "skin/controls/KsEdits.h"

#include "framework/core/TextConv.h"
#include "framework/windows/PaintScopes.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsTextMeasure.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>

namespace {

constexpr UINT TextFormat = DT_NOPREFIX | DT_SINGLELINE;

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

} // namespace

// ---- Measuring ----

void TKsCustomEdit::ForgetMetrics() {
    ForgetExtents();
    FLineHeight = 0;
}

int TKsCustomEdit::LineHeight() const {
    if (FLineHeight == 0)
        FLineHeight = KsTextExtent(*Font(), L"Pq").cy;
    return FLineHeight;
}

int TKsCustomEdit::AutoSizeHeight() const {
    return 2 * GetTextRect().top + LineHeight();
}

RECT TKsCustomEdit::GetTextRect() const {
    RECT Rect = InflateRectBy(ClientRect(), -2);
    Rect.bottom = Rect.top + LineHeight();
    return Rect;
}

int TKsCustomEdit::GetPasswordCharWidth() const {
    int Width = 10;
    switch (FPasswordKind) {
    case TPasswordKind::pkChar:
        Width = KsTextExtent(*Font(), Utf8ToWide(Utf32ToUtf8(std::u32string(1, FPasswordChar)))).cx;
        break;
    case TPasswordKind::pkRect:
    case TPasswordKind::pkRoundRect:
    case TPasswordKind::pkCircle:
    case TPasswordKind::pkTriangle:
        Width = KsTextExtent(*Font(), L"W").cx;
        break;
    default:
        break;
    }
    return std::max(Width, 1);
}

void TKsCustomEdit::MeasureLine() const {
    const auto Known = static_cast<size_t>(FMeasuredChars);
    if (Known == FChars.size() && FLine.Extents.size() == Known + 1)
        return;
    if (Known == 0)
        FLine.GlyphWidth = Hidden() ? GetPasswordCharWidth() : 0;
    FLine.Extents.resize(Known + 1);
    if (Hidden()) {
        for (size_t I = Known + 1; I <= FChars.size(); ++I)
            FLine.Extents.push_back(static_cast<int>(I) * FLine.GlyphWidth);
    } else if (Known < FChars.size()) {
        const int Start = FLine.Extents[Known];
        const std::vector<int> Rest = KsCharExtents(*Font(), FChars.substr(Known));
        for (size_t I = 1; I < Rest.size(); ++I)
            FLine.Extents.push_back(Start + Rest[I]);
    }
    FMeasuredChars = static_cast<int>(FChars.size());
}

void TKsCustomEdit::KeepExtentsBefore(const std::u32string& OldChars) {
    // A character's shape, and so its width, may follow the characters after it (joining
    // scripts, ligatures): those just before a change are measured again too.
    constexpr int ShapingContext = 4;
    const auto Mismatch =
        std::mismatch(OldChars.begin(), OldChars.end(), FChars.begin(), FChars.end());
    const auto Common = static_cast<int>(Mismatch.first - OldChars.begin());
    FMeasuredChars = std::clamp(Common - ShapingContext, 0, FMeasuredChars);
}

const TKsEditLine& TKsCustomEdit::Line() const {
    MeasureLine();
    FLine.TextRect = GetTextRect();
    FLine.Alignment = FTextAlignment;
    FLine.FirstVisible = FFirstVisible;
    return FLine;
}

RECT TKsCustomEdit::GetSelectionRect() const {
    const TKsEditLine& Layout = Line();
    RECT Rect = Layout.TextRect;
    Rect.left = Layout.CharToX(SelStart());
    Rect.right = Layout.CharToX(SelStart() + SelLength());
    RECT Visible{};
    IntersectRect(&Visible, &Rect, &Layout.TextRect);
    return Visible;
}

// ---- Painting ----

TColor TKsCustomEdit::TextColor() const {
    return Enabled() ? Font()->Color() : clGrayText;
}

void TKsCustomEdit::PaintControl() {
    TKsCustomControl::PaintControl();
    TKsBitmap& Image = Surface();
    Image.SetFont(DrawFont());
    Image.Font()->SetColor(TextColor());
    RECT Background = GetTextRect();
    Background.bottom = ControlHeight() - Background.top;
    Background = InflateRectBy(Background, 1);
    Background.bottom += 1;
    PaintBackground(Background, Image);
    const bool ShowSelection = HasFocus() || !FHideSelection;
    if (ShowSelection)
        Image.FillRect(GetSelectionRect(), Opaque(clHighlight));
    PaintText();
    if (ShowSelection)
        PaintSelectedText();
}

void TKsCustomEdit::PaintBackground(const RECT& Rect, TKsBitmap& Target) {
    if (!Transparent())
        Target.FillRect(Rect, Opaque(Color()));
}

void TKsCustomEdit::PaintText() {
    const TKsEditLine& Layout = Line();
    const int First = FFirstVisible - 1;
    if (!Hidden()) {
        RECT Rect = Layout.TextRect;
        Rect.left = Layout.CharToX(First);
        Surface().DrawText(
            Utf32ToUtf8(std::u32string_view(FChars).substr(static_cast<size_t>(First))), Rect,
            TextFormat);
        return;
    }
    for (int I = First; I < Layout.Length(); ++I) {
        const int X = Layout.CharToX(I);
        if (X >= Layout.TextRect.right)
            break;
        PaintPasswordGlyph(
            RECT{X, Layout.TextRect.top, X + Layout.GlyphWidth, Layout.TextRect.bottom}, false);
    }
}

void TKsCustomEdit::PaintSelectedText() {
    const RECT Selection = GetSelectionRect();
    if (IsRectEmpty(&Selection))
        return;
    const TKsEditLine& Layout = Line();
    const int From = std::max(SelStart(), FFirstVisible - 1);
    const int To = SelStart() + SelLength();
    if (Hidden()) {
        for (int I = From; I < To; ++I) {
            const int X = Layout.CharToX(I);
            if (X >= Selection.right)
                break;
            PaintPasswordGlyph(RECT{X, Selection.top, X + Layout.GlyphWidth, Selection.bottom},
                               true);
        }
        return;
    }
    TKsBitmap& Image = Surface();
    const TColor Normal = Image.Font()->Color();
    Image.Font()->SetColor(clHighlightText);
    RECT Rect = Selection;
    Rect.left = Layout.CharToX(From);
    Image.DrawText(Utf32ToUtf8(std::u32string_view(FChars).substr(
                       static_cast<size_t>(From), static_cast<size_t>(std::max(To - From, 0)))),
                   Rect, TextFormat);
    Image.Font()->SetColor(Normal);
}

void TKsCustomEdit::PaintPasswordGlyph(const RECT& Rect, bool Selected) {
    TKsBitmap& Image = Surface();
    RECT Cell{};
    const RECT TextRect = GetTextRect();
    IntersectRect(&Cell, &Rect, &TextRect);
    if (IsRectEmpty(&Cell))
        return;
    const TSavedDCState Saved(Image.DC());
    IntersectClipRect(Image.DC(), Cell.left, Cell.top, Cell.right, Cell.bottom);
    const TColor Ink = Selected ? clHighlightText : Image.Font()->Color();
    const TKsColor Pixel = Opaque(Ink);
    RECT Inner = Rect;
    InflateRect(&Inner, -2, -3);
    const int Side = RectWidth(Inner);
    RECT Square = CenterRect(RECT{0, 0, Side, Side}, Rect);
    switch (FPasswordKind) {
    case TPasswordKind::pkChar: {
        const TColor Normal = Image.Font()->Color();
        Image.Font()->SetColor(Ink);
        Image.DrawText(Utf32ToUtf8(std::u32string(1, FPasswordChar)), Rect, DT_NOPREFIX);
        Image.Font()->SetColor(Normal);
        break;
    }
    case TPasswordKind::pkRect: {
        RECT Filled{};
        IntersectRect(&Filled, &Inner, &Cell);
        Image.FillRect(Filled, Pixel);
        break;
    }
    case TPasswordKind::pkRoundRect:
        Image.FillRoundRect(Inner, 2, Pixel);
        break;
    case TPasswordKind::pkCircle:
        Image.FillRoundRect(Square, Side / 2 + 1, Pixel);
        break;
    case TPasswordKind::pkTriangle: {
        if (Side % 2 == 0)
            Square.right += 1;
        Image.FillPolygon({POINT{Square.left + Side / 2 + 1, Square.top},
                           POINT{Square.right, Square.bottom}, POINT{Square.left, Square.bottom}},
                          Pixel);
        break;
    }
    default:
        break;
    }
}

// ---- Repainting what changed ----

TKsCustomEdit::TLineChange::TLineChange(TKsCustomEdit& Edit) : FEdit(Edit) {
    FEdit.BeginLineChange();
}

TKsCustomEdit::TLineChange::~TLineChange() {
    FEdit.EndLineChange();
}

TKsEditLineView TKsCustomEdit::LineView() const {
    TKsEditLineView View{Line(), FChars};
    if (HasFocus() || !FHideSelection) {
        View.HighlightFrom = SelStart();
        View.HighlightTo = SelStart() + SelLength();
    }
    return View;
}

void TKsCustomEdit::BeginLineChange() {
    if (FLineChanges++ > 0)
        return;
    FViewTaken = HandleAllocated();
    if (FViewTaken)
        FViewBefore = LineView();
}

void TKsCustomEdit::EndLineChange() {
    if (--FLineChanges > 0)
        return;
    if (FViewTaken && HandleAllocated()) {
        // Glyphs may reach beyond their cells (italics) by up to about a line's height.
        const TKsEditColumns Changed = ChangedColumns(FViewBefore, LineView(), LineHeight());
        const RECT& Box = Line().TextRect;
        if (!Changed.Empty())
            InvalidatePart(RECT{Changed.Left, Box.top, Changed.Right, Box.bottom});
    }
    FViewTaken = false;
    PlaceCaret();
}
