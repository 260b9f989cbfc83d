#include "tools/artwork/LunaSkinSheet.h"

#include "framework/core/Streams.h"
#include "skin/graphics/KsBitmap.h"
#include "tools/artwork/LunaSkinArtwork.h"
#include "tools/artwork/LunaSkinPieces.h"
#include "tools/artwork/LunaThemePreview.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int Scale = 3;
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

SIZE CellSize(const TKsBitmap& Sheet, const TSkinPieceUse& Use) {
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

void DrawCell(TKsBitmap& Sheet, const TKsBitmap& Skin, const TSkinPieceUse& Use, int Left,
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

// Places the cells left to right in rows from row Top down. Answers the height.
template <class TPlace>
int FlowCells(const TKsBitmap& Measure, const std::vector<TSkinPieceUse>& Pieces, int Top,
              TPlace Place) {
    int X = Gap, Y = Top, RowHeight = 0;
    for (size_t I = 0; I < Pieces.size(); ++I) {
        const SIZE Cell = CellSize(Measure, Pieces[I]);
        const bool NewGroup = I > 0 && Pieces[I].Image != Pieces[I - 1].Image;
        if (X + Cell.cx + Gap > SheetWidth || (NewGroup && X > Gap)) {
            X = Gap;
            Y += RowHeight + Gap;
            RowHeight = 0;
        }
        Place(Pieces[I], X, Y);
        X += Cell.cx + Gap;
        RowHeight = std::max<int>(RowHeight, Cell.cy);
    }
    return Y + RowHeight + Gap;
}

} // namespace

TArtworkBytes MakeLunaSkinSheet() {
    const auto Main = LoadSkin(MakeLunaMainSkin());
    const auto Second = LoadSkin(MakeLunaSecondSkin());
    const std::vector<TSkinPieceUse> Pieces = LunaSkinPieces();

    // On top, the theme drawing with the images; below, every piece on its own.
    const auto Preview = DrawLunaThemePreview();
    const int PiecesTop = Gap * 2 + Preview->Height() * PreviewScale;
    TKsBitmap Measure;
    Measure.SetSize(1, 1);
    const int Height = FlowCells(Measure, Pieces, PiecesTop, [](const TSkinPieceUse&, int, int) {});
    TKsBitmap Sheet;
    Sheet.SetSize(SheetWidth, Height);
    Sheet.Fill(SheetBackground);
    Preview->StretchDraw(
        Sheet,
        {Gap, Gap, Gap + Preview->Width() * PreviewScale, Gap + Preview->Height() * PreviewScale},
        {0, 0, Preview->Width(), Preview->Height()});
    FlowCells(Sheet, Pieces, PiecesTop, [&](const TSkinPieceUse& Use, int X, int Y) {
        DrawCell(Sheet, Use.Image == TSkinImage::Main ? *Main : *Second, Use, X, Y);
    });

    GdiFlush();
    TCanvasRgb Canvas(Sheet.Width(), Sheet.Height());
    for (int Y = 0; Y < Sheet.Height(); ++Y)
        for (int X = 0; X < Sheet.Width(); ++X) {
            const TKsColor P = Sheet.Pixels(X, Y);
            Canvas.At(X, Y) = {KsRedOf(P), KsGreenOf(P), KsBlueOf(P)};
        }
    return EncodeBitmap24(Canvas);
}
