#include "tools/artwork/ArtworkSheet.h"

#include "framework/core/Streams.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/graphics/KsColors.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemePreview.h"
#include "tools/artwork/GlyphArtwork.h"
#include "tools/artwork/LunaSkinArtwork.h"
#include "tools/artwork/LunaSkinPieces.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int Scale = 3;
constexpr int GlyphScale = 5;
constexpr int PreviewScale = 2;
constexpr int SheetWidth = 1500;
constexpr int Gap = 12;
constexpr int LabelHeight = 16;
constexpr TKsColor SheetBackground = 0xFFF4F4F4u;

std::unique_ptr<TKsBitmap> LoadSkin(const TArtworkBytes& Bmp) {
    TMemoryStream Stream;
    Stream.WriteBuffer(Bmp.data(), static_cast<int32_t>(Bmp.size()));
    Stream.SetPosition(0);
    auto Skin = std::make_unique<TKsBitmap>();
    Skin->LoadFromStream(Stream);
    Skin->ReplaceByTransparent(0xFF000000u | LunaSkin::TransparentKey);
    Skin->SetUseAlpha(true);
    return Skin;
}

RECT PieceRect(const LunaSkin::TPiece& P) {
    return {P.Left, P.Top, P.Right(), P.Bottom()};
}

bool IsNineSlice(const TSkinPieceUse& Use) {
    return Use.Use == TPieceUse::NineSlice || Use.Use == TPieceUse::NineSliceOpaque;
}

// A nine-slice piece is also shown stretched to this size (before enlarging).
SIZE StretchedSize(const LunaSkin::TPiece& P) {
    return {P.Width * 3 / 2 + 8, P.Height * 3 / 2};
}

SIZE PieceCellSize(const TKsBitmap& Sheet, const TSkinPieceUse& Use) {
    int Width = Use.Piece.Width * Scale, Height = Use.Piece.Height * Scale;
    if (IsNineSlice(Use)) {
        const SIZE Stretched = StretchedSize(Use.Piece);
        Width += Gap + Stretched.cx * Scale;
        Height = std::max<int>(Height, Stretched.cy * Scale);
    }
    return {std::max(Width, Sheet.TextWidth(Use.Name)), Height + LabelHeight};
}

void FillChecker(TKsBitmap& Sheet, const RECT& Rect) {
    constexpr int Square = 6;
    for (int Y = Rect.top; Y < Rect.bottom; Y += Square)
        for (int X = Rect.left; X < Rect.right; X += Square) {
            const bool Dark = ((X - Rect.left) / Square + (Y - Rect.top) / Square) % 2 != 0;
            Sheet.FillRect({X, Y, std::min<LONG>(X + Square, Rect.right),
                            std::min<LONG>(Y + Square, Rect.bottom)},
                           Dark ? 0xFFC8C8C8u : 0xFFE8E8E8u);
        }
}

void DrawPieceCell(TKsBitmap& Sheet, const TKsBitmap& Skin, const TSkinPieceUse& Use, int Left,
                   int Top) {
    const LunaSkin::TPiece P = Use.Piece;
    const RECT Enlarged{Left, Top, Left + P.Width * Scale, Top + P.Height * Scale};
    FillChecker(Sheet, Enlarged);
    Skin.StretchDraw(Sheet, Enlarged, PieceRect(P));
    int Bottom = Enlarged.bottom;
    if (IsNineSlice(Use)) {
        const SIZE Size = StretchedSize(P);
        TKsBitmap Stretched;
        Stretched.SetSize(Size.cx, Size.cy);
        Stretched.Fill(0xFFFFFFFFu);
        const int M = Use.Margin;
        Skin.DrawNineSlice(Stretched, {0, 0, Size.cx, Size.cy}, PieceRect(P), true, M, M, M, M);
        const int X = Enlarged.right + Gap;
        Stretched.StretchDraw(Sheet, {X, Top, X + Size.cx * Scale, Top + Size.cy * Scale},
                              {0, 0, Size.cx, Size.cy});
        Bottom = std::max<int>(Bottom, Top + Size.cy * Scale);
    }
    Sheet.DrawText(Use.Name, {Left, Bottom + 1, Left + SheetWidth, Bottom + LabelHeight},
                   DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

// Places cells of these sizes left to right in rows from row Top down, a group on a row of
// its own. Answers the height.
template <class TPlace>
int FlowCells(const std::vector<SIZE>& Cells, const std::vector<bool>& StartsGroup, int Top,
              TPlace Place) {
    int X = Gap, Y = Top, RowHeight = 0;
    for (size_t I = 0; I < Cells.size(); ++I) {
        if (X + Cells[I].cx + Gap > SheetWidth || (StartsGroup[I] && X > Gap)) {
            X = Gap;
            Y += RowHeight + Gap;
            RowHeight = 0;
        }
        Place(I, X, Y);
        X += Cells[I].cx + Gap;
        RowHeight = std::max<int>(RowHeight, Cells[I].cy);
    }
    return Y + RowHeight + Gap;
}

// Button faces the glyphs are shown on at their real size: the Luna face and the classic one.
constexpr TKsColor GlyphFaces[] = {0xFFF4F3EEu, 0xFFD4D0C8u};
constexpr int FacePadding = 4;

TKsColor KsColorOf(TRgb C) {
    return MakeKsColor(int16_t(C.R), int16_t(C.G), int16_t(C.B), 0xFF);
}

SIZE GlyphCellSize(const TKsBitmap& Sheet, const TGlyphArtwork& Glyph) {
    const int Width =
        Glyph.Picture.Width() * GlyphScale + Gap + Glyph.Picture.Width() + FacePadding * 2;
    return {std::max(Width, Sheet.TextWidth(Glyph.Name)),
            Glyph.Picture.Height() * GlyphScale + LabelHeight};
}

// The glyph enlarged over a checkerboard where it is transparent, and beside it at its real
// size on each button face.
void DrawGlyphCell(TKsBitmap& Sheet, const TGlyphArtwork& Glyph, int Left, int Top) {
    const TCanvasRgb& Picture = Glyph.Picture;
    FillChecker(Sheet, {Left, Top, Left + Picture.Width() * GlyphScale,
                        Top + Picture.Height() * GlyphScale});
    const int FaceLeft = Left + Picture.Width() * GlyphScale + Gap;
    const int FaceHeight = Picture.Height() + FacePadding * 2;
    for (int Face = 0; Face < 2; ++Face)
        Sheet.FillRect({FaceLeft, Top + Face * FaceHeight,
                        FaceLeft + Picture.Width() + FacePadding * 2,
                        Top + (Face + 1) * FaceHeight},
                       GlyphFaces[Face]);
    for (int Y = 0; Y < Picture.Height(); ++Y)
        for (int X = 0; X < Picture.Width(); ++X) {
            if (Picture.At(X, Y) == Glyph.Background)
                continue;
            const TKsColor Pixel = KsColorOf(Picture.At(X, Y));
            Sheet.FillRect({Left + X * GlyphScale, Top + Y * GlyphScale,
                            Left + (X + 1) * GlyphScale, Top + (Y + 1) * GlyphScale},
                           Pixel);
            for (int Face = 0; Face < 2; ++Face)
                Sheet.SetPixels(FaceLeft + FacePadding + X,
                                Top + Face * FaceHeight + FacePadding + Y, Pixel);
        }
    const int Bottom = Top + Picture.Height() * GlyphScale;
    Sheet.DrawText(Glyph.Name, {Left, Bottom + 1, Left + SheetWidth, Bottom + LabelHeight},
                   DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

TArtworkBytes MakeArtworkSheet() {
    const auto Main = LoadSkin(MakeLunaMainSkin());
    const auto Second = LoadSkin(MakeLunaSecondSkin());
    const std::vector<TSkinPieceUse> Pieces = LunaSkinPieces();
    const std::vector<TGlyphArtwork> Glyphs = AllGlyphArtwork();

    // On top, the theme drawing with the images; below, every piece on its own, then the
    // glyphs.
    TKsBitmap Measure;
    Measure.SetSize(1, 1);
    std::vector<SIZE> PieceCells, GlyphCells;
    std::vector<bool> PieceGroups, GlyphGroups;
    for (size_t I = 0; I < Pieces.size(); ++I) {
        PieceCells.push_back(PieceCellSize(Measure, Pieces[I]));
        PieceGroups.push_back(I > 0 && Pieces[I].Image != Pieces[I - 1].Image);
    }
    for (size_t I = 0; I < Glyphs.size(); ++I) {
        GlyphCells.push_back(GlyphCellSize(Measure, Glyphs[I]));
        GlyphGroups.push_back(I > 0 && Glyphs[I].Background != Glyphs[I - 1].Background);
    }
    TTeThemeLuna Luna;
    const auto Preview = DrawThemePreview(Luna);
    const int PiecesTop = Gap * 2 + Preview->Height() * PreviewScale;
    const auto Nowhere = [](size_t, int, int) {};
    const int GlyphsTop = FlowCells(PieceCells, PieceGroups, PiecesTop, Nowhere) + Gap;
    const int Height = FlowCells(GlyphCells, GlyphGroups, GlyphsTop, Nowhere);

    TKsBitmap Sheet;
    Sheet.SetSize(SheetWidth, Height);
    Sheet.Fill(SheetBackground);
    Preview->StretchDraw(
        Sheet,
        {Gap, Gap, Gap + Preview->Width() * PreviewScale, Gap + Preview->Height() * PreviewScale},
        {0, 0, Preview->Width(), Preview->Height()});
    FlowCells(PieceCells, PieceGroups, PiecesTop, [&](size_t I, int X, int Y) {
        DrawPieceCell(Sheet, Pieces[I].Image == TSkinImage::Main ? *Main : *Second, Pieces[I], X,
                      Y);
    });
    FlowCells(GlyphCells, GlyphGroups, GlyphsTop,
              [&](size_t I, int X, int Y) { DrawGlyphCell(Sheet, Glyphs[I], X, Y); });
    GdiFlush();
    TCanvasRgb Canvas(Sheet.Width(), Sheet.Height());
    for (int Y = 0; Y < Sheet.Height(); ++Y)
        for (int X = 0; X < Sheet.Width(); ++X) {
            const TKsColor P = Sheet.Pixels(X, Y);
            Canvas.At(X, Y) = {KsRedOf(P), KsGreenOf(P), KsBlueOf(P)};
        }
    return EncodeBitmap24(Canvas);
}
