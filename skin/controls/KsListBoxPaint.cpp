// The list box's measuring and painting: item heights (measured, word-wrapped or fixed), the
// background, check boxes, the items of every style, and the font and colour lists that
// fill the box for the built-in styles.
#include "skin/controls/KsListBoxs.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextConv.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/FontFamilies.h"
#include "framework/windows/PaintScopes.h"
#include "framework/windows/ResourceStream.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsTextWrap.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsTextMeasure.h"
#include "skin/graphics/KsUtils.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// The font and colour styles give every item this height.
constexpr int SampleItemHeight = 18;
// The box the TrueType glyph is centred in, and where a font's name starts after it.
constexpr int TrueTypeBoxWidth = 18;
constexpr int FontNameOffset = 22;
// The colour swatch of lbColorNames, centred in a box as wide, and where its name starts.
constexpr SIZE SwatchSize{20, 14};
constexpr int ColorNameOffset = 24;
constexpr UINT SampleTextFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;

TKsColor Opaque(TColor Color) {
    return ColorToKsColor(Color, 255);
}

bool IsOwnerDrawStyle(TKsListBoxStyle Style) {
    return Style == TKsListBoxStyle::lbOwnerDrawFixed ||
           Style == TKsListBoxStyle::lbOwnerDrawVariable;
}

// The glyph that marks TrueType fonts, loaded once, magenta shown transparent; an empty
// surface when the resource cannot be read.
const TKsBitmap& TrueTypeGlyph() {
    static const std::unique_ptr<TKsBitmap> Glyph = [] {
        auto Made = std::make_unique<TKsBitmap>();
        try {
            TResourceStream Stream("KS_TRUETYPE");
            TBitmap Picture;
            Picture.LoadFromStream(Stream);
            Made->Assign(&Picture);
            Made->ReplaceByTransparent(0xFFFF00FFu);
            Made->SetUseAlpha(true);
        } catch (const Exception&) {
            Made = std::make_unique<TKsBitmap>();
        }
        return Made;
    }();
    return *Glyph;
}

// A font list keeps each family's pitch-and-family byte in the item's object.
TObject* PitchAsObject(uint8_t PitchAndFamily) {
    return reinterpret_cast<TObject*>(static_cast<uintptr_t>(PitchAndFamily));
}

uint8_t PitchOfObject(const TObject* Object) {
    return static_cast<uint8_t>(reinterpret_cast<uintptr_t>(Object));
}

bool Contains(const RECT& Outer, const RECT& Inner) {
    return Inner.left >= Outer.left && Inner.top >= Outer.top && Inner.right <= Outer.right &&
           Inner.bottom <= Outer.bottom;
}

// The colour an item of the colour styles names; none for a name that is no colour, and
// for the markers that stand for no colour at all.
bool ItemColor(const std::string& Text, TColor& Color) {
    return StringToColor(Text, Color) && Color != clNone && Color != clDefault;
}

} // namespace

// ---- Measuring ----

int TKsCustomListBox::GetItemHeight(int Index) const {
    int Height = FItemHeight;
    if (FListStyle == TKsListBoxStyle::lbOwnerDrawVariable && OnMeasureItem)
        Height = DoMeasureItem(Index);
    else if (FWordWrap)
        Height = WrappedHeight(Index);
    else if (FillsItself())
        Height = SampleItemHeight;
    return std::max(Height, 1);
}

int TKsCustomListBox::DoMeasureItem(int Index) const {
    if (!OnMeasureItem)
        return -1;
    int Height = FItemHeight;
    Canvas()->SetFont(Font());
    OnMeasureItem(const_cast<TKsCustomListBox*>(this), Index, Height);
    return Height;
}

namespace {

// The lines an item's text wraps into in Width pixels of Font.
struct TWrappedText {
    std::u32string Chars;
    std::vector<TKsTextLine> Lines;
    int LineHeight = 0;
};

TWrappedText WrapText(const TFont& Font, const std::string& Text, int Width) {
    TWrappedText Result;
    Result.Chars = Utf8ToUtf32(Text);
    Result.Lines = KsWrapText(Result.Chars, KsCharExtents(Font, Result.Chars), Width);
    Result.LineHeight = KsTextExtent(Font, L"Pq").cy;
    return Result;
}

} // namespace

int TKsCustomListBox::WrappedHeight(int Index) const {
    if (!IsItem(Index))
        return FItemHeight;
    const TWrappedText Wrapped = WrapText(*Font(), FItems->Strings(Index), GetItemWidth() - 2);
    return static_cast<int>(Wrapped.Lines.size()) * Wrapped.LineHeight;
}

// ---- Painting ----

RECT TKsCustomListBox::TextRectOf(const RECT& Cell) {
    RECT Text = Cell;
    Text.left += 2;
    return Text;
}

RECT TKsCustomListBox::ClipToItems(const RECT& Rect) const {
    RECT Clipped{};
    IntersectRect(&Clipped, &Rect, &FPaintClip);
    return Clipped;
}

void TKsCustomListBox::PaintControl() {
    TKsCustomControl::PaintControl();
    PaintBackground();
    PaintItems();
}

void TKsCustomListBox::PaintBackground() {
    if (!Transparent())
        Surface().FillRect(ContentRect(), Opaque(Color()));
}

void TKsCustomListBox::PaintItems() {
    TKsBitmap& Image = Surface();
    FPaintClip = ContentRect();
    if (FColumns > 0)
        FPaintClip.bottom = FPaintClip.top + ColumnHeight();
    else if (FScrollBar && FScrollBar->Visible())
        FPaintClip.right -= FScrollBar->Width();
    const TSavedDCState Saved(Image.DC());
    IntersectClipRect(Image.DC(), FPaintClip.left, FPaintClip.top, FPaintClip.right,
                      FPaintClip.bottom);
    for (const TKsItemCell& Cell : ItemsInView(false)) {
        // A check box is drawn whole or not at all (a cut first item may hide it).
        if (FShowCheckBoxes) {
            const RECT Glyph = CheckGlyphRect(Cell.Check);
            if (Contains(FPaintClip, Glyph))
                DrawCheck(Cell.Index, Glyph);
        }
        DrawItem(Image, Cell.Index, Cell.Text);
    }
}

void TKsCustomListBox::PaintItemInto(TKsBitmap& Target, int Index, const RECT& Rect,
                                     bool Selected) {
    if (!IsItem(Index))
        return;
    struct TRestore {
        TKsCustomListBox& Box;
        RECT Clip;
        int Hot;
        ~TRestore() {
            Box.FPaintClip = Clip;
            Box.FHotIndex = Hot;
            Box.FSelectedShown = -1;
        }
    } Restore{*this, FPaintClip, FHotIndex};
    FPaintClip = Rect;
    FHotIndex = -1;
    FSelectedShown = Selected ? 1 : 0;
    TakeDrawFont();
    const TSavedDCState Saved(Target.DC());
    IntersectClipRect(Target.DC(), Rect.left, Rect.top, Rect.right, Rect.bottom);
    DrawItem(Target, Index, Rect);
}

bool TKsCustomListBox::ShownSelected(int Index) const {
    return FSelectedShown >= 0 ? FSelectedShown == 1 : Selected(Index);
}

void TKsCustomListBox::DrawCheck(int Index, const RECT& Rect) {
    TKsBitmap& Image = Surface();
    const TKsCheckBoxState State = CheckState(Index);
    const bool Marked = State != TKsCheckBoxState::cbUnchecked;
    // A grayed box shows the host's third state, not a plain check mark.
    UINT Look = State == TKsCheckBoxState::cbGrayed ? DFCS_BUTTON3STATE | DFCS_CHECKED
                : Marked                            ? DFCS_BUTTONCHECK | DFCS_CHECKED
                                                    : DFCS_BUTTONCHECK;
    if (!ItemEnabled(Index) || !Enabled())
        Look |= DFCS_INACTIVE;
    RECT Box = Rect;
    if (!FFlat || (Index == FHotCheck && ItemEnabled(Index))) {
        DrawFrameControl(Image.DC(), &Box, DFC_BUTTON, Look);
        return;
    }
    if (Marked) {
        DrawFrameControl(Image.DC(), &Box, DFC_BUTTON, Look | DFCS_FLAT);
        Image.FrameRect(Rect, Opaque(clWindow));
    }
    Image.FrameRect(InflateRectBy(Rect, -1), Opaque(clBtnShadow));
}

void TKsCustomListBox::DrawItem(TKsBitmap& Target, int Index, const RECT& Rect) {
    if (IsOwnerDrawStyle(FListStyle) && OnDrawItem) {
        TOwnerDrawState State;
        if (ShownSelected(Index))
            State.Include(TOwnerDrawStateFlag::odSelected);
        if (Index == FItemIndex && HasFocus())
            State.Include(TOwnerDrawStateFlag::odFocused);
        DoDrawItem(Index, TextRectOf(Rect), State);
        return;
    }
    DrawSelection(Target, Index, Rect);
    switch (FListStyle) {
    case TKsListBoxStyle::lbFonts:
    case TKsListBoxStyle::lbFontSamples:
        DrawFontItem(Target, Index, Rect);
        break;
    case TKsListBoxStyle::lbColors:
        DrawColorItem(Target, Index, Rect);
        break;
    case TKsListBoxStyle::lbColorNames:
        DrawColorNameItem(Target, Index, Rect);
        break;
    default:
        DrawItemText(Target, Index, TextRectOf(Rect), DrawTextBiDiModeFlags(DT_NOPREFIX));
        break;
    }
    // The focus shows on the current item (and the selected ones) of a single-selection
    // list that has the focus.
    if (HasFocus() && !FMultiSelect && (ShownSelected(Index) || Index == FItemIndex))
        Target.DrawFocusRect(Rect);
}

void TKsCustomListBox::DrawSelection(TKsBitmap& Target, int Index, const RECT& Rect) {
    Target.SetFont(DrawFont());
    TColor Ink = Enabled() ? Font()->Color() : clGrayText;
    if (ShownSelected(Index)) {
        Target.FillRect(ClipToItems(Rect), Opaque(clHighlight));
        Ink = clHighlightText;
    } else if (Index == FHotIndex) {
        Ink = clHighlight;
    }
    Target.Font()->SetColor(Ink);
}

void TKsCustomListBox::DrawItemText(TKsBitmap& Target, int Index, const RECT& Rect, UINT Format) {
    const std::string Text = FItems->Strings(Index);
    if (!FWordWrap) {
        Target.DrawText(Text, Rect, Format);
        return;
    }
    // The lines the height was measured with, each drawn on its own.
    const TWrappedText Wrapped = WrapText(*Font(), Text, RectWidth(Rect));
    RECT Line = Rect;
    for (const TKsTextLine& Part : Wrapped.Lines) {
        Line.bottom = Line.top + Wrapped.LineHeight;
        const auto Start = static_cast<size_t>(Part.Start);
        const auto Length = static_cast<size_t>(Part.End - Part.Start);
        Target.DrawText(Utf32ToUtf8(Wrapped.Chars.substr(Start, Length)), Line,
                        Format | DT_SINGLELINE);
        Line.top = Line.bottom;
    }
}

void TKsCustomListBox::DrawFontItem(TKsBitmap& Target, int Index, const RECT& Rect) {
    RECT Text = TextRectOf(Rect);
    if (PitchOfObject(FItems->Objects(Index)) & TMPF_TRUETYPE) {
        const TKsBitmap& Glyph = TrueTypeGlyph();
        const RECT Box{Text.left, Rect.top, Text.left + TrueTypeBoxWidth, Rect.bottom};
        const RECT Place = CenterRect(RECT{0, 0, Glyph.Width(), Glyph.Height()}, Box);
        if (!Glyph.Empty() && Contains(FPaintClip, Place))
            Glyph.Draw(Target, Place.left, Place.top);
    }
    Text.left += FontNameOffset;
    const std::string Name = FItems->Strings(Index);
    // Each family's name in its own face.
    if (FListStyle == TKsListBoxStyle::lbFontSamples)
        Target.Font()->SetName(Name);
    Target.DrawText(Name, Text, DrawTextBiDiModeFlags(SampleTextFormat));
}

void TKsCustomListBox::DrawColorItem(TKsBitmap& Target, int Index, const RECT& Rect) {
    TColor Color = clNone;
    if (!ItemColor(FItems->Strings(Index), Color))
        return;
    const RECT Swatch = InflateRectBy(Rect, -4);
    Target.FillRect(ClipToItems(Swatch), Opaque(Color));
    if (Contains(FPaintClip, Swatch))
        Target.FrameRect(Swatch, KsBlack);
}

void TKsCustomListBox::DrawColorNameItem(TKsBitmap& Target, int Index, const RECT& Rect) {
    RECT Text = TextRectOf(Rect);
    const std::string Name = FItems->Strings(Index);
    TColor Color = clNone;
    if (ItemColor(Name, Color)) {
        const RECT Box{Text.left, Rect.top, Text.left + SwatchSize.cx, Rect.bottom};
        const RECT Swatch = CenterRect(RECT{0, 0, SwatchSize.cx, SwatchSize.cy}, Box);
        Target.FillRect(ClipToItems(Swatch), Opaque(Color));
        if (Contains(FPaintClip, Swatch))
            Target.FrameRect(Swatch, KsBlack);
    }
    Text.left += ColorNameOffset;
    // "clRed" shows as "Red": the prefix of the names, not any "cl" inside a name.
    const bool Prefixed = Name.size() > 2 && Name.compare(0, 2, "cl") == 0;
    Target.DrawText(Prefixed ? Name.substr(2) : Name, Text,
                    DrawTextBiDiModeFlags(SampleTextFormat));
}

void TKsCustomListBox::DoDrawItem(int Index, const RECT& Rect, TOwnerDrawState State) {
    TCanvas& Target = *Canvas();
    if (!Target.HandleAllocated())
        return;
    const bool Marked = State.Contains(TOwnerDrawStateFlag::odSelected);
    Target.SetFont(Font());
    Target.Font()->SetColor(Marked ? clHighlightText : Font()->Color());
    Target.Brush()->SetColor(Marked ? clHighlight : Color());
    OnDrawItem(this, Index, Rect, State);
    // The surface's own drawing selects its objects itself.
    Target.Refresh();
}

// ---- Font and colour lists ----

void TKsCustomListBox::FillFonts() {
    const std::vector<TFontFamily> Families =
        FFontDevice == TKsFontDevice::fdPrinter ? PrinterFontFamilies() : ScreenFontFamilies();
    FItems->BeginUpdate();
    try {
        FItems->Clear();
        SetSorted(true);
        for (const TFontFamily& Family : Families) {
            const bool TrueType = (Family.PitchAndFamily & TMPF_TRUETYPE) != 0;
            // The host's flag for "variable pitch" is named the other way round.
            const bool FixedPitch = (Family.PitchAndFamily & TMPF_FIXED_PITCH) == 0;
            if ((FFontType == TKsFontType::ftTrueType && !TrueType) ||
                (FFontType == TKsFontType::ftFixedPitch && !FixedPitch))
                continue;
            FItems->AddObject(Family.Name, PitchAsObject(Family.PitchAndFamily));
        }
    } catch (...) {
        FItems->EndUpdate();
        throw;
    }
    FItems->EndUpdate();
}

void TKsCustomListBox::FillColors() {
    FItems->BeginUpdate();
    try {
        FItems->Clear();
        SetSorted(false);
        GetColorValues([this](const std::string& Name) { FItems->Add(Name); });
    } catch (...) {
        FItems->EndUpdate();
        throw;
    }
    FItems->EndUpdate();
}
