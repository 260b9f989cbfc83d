// The Luna skin images fit the way the theme uses them: every piece of the layout table lies
// inside its image with a picture of its own, the transparency key shows only where pieces
// are copied transparently, stretched strips stay uniform along their stretch, and the
// images compiled into the program load with the same pixels.
#include "tools/artwork/LunaSkinArtwork.h"
#include "framework/windows/ResourceStream.h"
#include "skin/graphics/KsBitmap.h"
#include "tools/artwork/LunaSkinPieces.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr uint32_t Key = LunaSkin::TransparentKey;

// A decoded 24-bit bottom-up bitmap file, pixels as 0xRRGGBB, top row first.
class TDecodedImage {
public:
    explicit TDecodedImage(const TArtworkBytes& Bmp) {
        int32_t Height = 0;
        uint32_t Offset = 0;
        std::memcpy(&Offset, Bmp.data() + 10, 4);
        std::memcpy(&FWidth, Bmp.data() + 18, 4);
        std::memcpy(&Height, Bmp.data() + 22, 4);
        FHeight = Height;
        const int RowBytes = (FWidth * 3 + 3) & ~3;
        for (int Y = 0; Y < FHeight; ++Y) {
            const uint8_t* Row = Bmp.data() + Offset + (FHeight - 1 - Y) * RowBytes;
            for (int X = 0; X < FWidth; ++X)
                FPixels.push_back(Row[X * 3 + 2] << 16 | Row[X * 3 + 1] << 8 | Row[X * 3]);
        }
    }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    uint32_t At(int X, int Y) const { return FPixels[Y * FWidth + X]; }

private:
    int32_t FWidth = 0;
    int FHeight = 0;
    std::vector<uint32_t> FPixels;
};

const TDecodedImage& Image(TSkinImage Which) {
    static const TDecodedImage Main(MakeLunaMainSkin());
    static const TDecodedImage Second(MakeLunaSecondSkin());
    return Which == TSkinImage::Main ? Main : Second;
}

} // namespace

TEST(LunaSkinArtwork, EveryPieceLiesInsideItsImageAndOverlapsNoOther) {
    std::vector<std::vector<int>> Owner(2);
    for (const TSkinPieceUse& Use : LunaSkinPieces()) {
        const TDecodedImage& Picture = Image(Use.Image);
        const LunaSkin::TPiece P = Use.Piece;
        ASSERT_TRUE(P.Left >= 0 && P.Top >= 0 && P.Right() <= Picture.Width() &&
                    P.Bottom() <= Picture.Height())
            << Use.Name;
        auto& Owners = Owner[static_cast<int>(Use.Image)];
        Owners.resize(Picture.Width() * Picture.Height(), 0);
        for (int Y = P.Top; Y < P.Bottom(); ++Y)
            for (int X = P.Left; X < P.Right(); ++X)
                EXPECT_EQ(Owners[Y * Picture.Width() + X]++, 0)
                    << Use.Name << " shares pixel " << X << "," << Y;
    }
}

TEST(LunaSkinArtwork, KeyShowsOnlyWherePiecesAreCopiedTransparently) {
    for (const TSkinPieceUse& Use : LunaSkinPieces()) {
        const TDecodedImage& Picture = Image(Use.Image);
        int Painted = 0;
        for (int Y = 0; Y < Use.Piece.Height; ++Y)
            for (int X = 0; X < Use.Piece.Width; ++X) {
                const bool IsKey = Picture.At(Use.Piece.Left + X, Use.Piece.Top + Y) == Key;
                Painted += !IsKey;
                if (KeyForbidden(Use, X, Y)) {
                    EXPECT_FALSE(IsKey) << Use.Name << " at " << X << "," << Y;
                }
            }
        EXPECT_GE(Painted * 8, Use.Piece.Width * Use.Piece.Height) << Use.Name << " is missing";
    }
}

TEST(LunaSkinArtwork, StretchedStripsAreUniformAlongTheirStretch) {
    for (const TSkinPieceUse& Use : LunaSkinPieces()) {
        const TDecodedImage& Picture = Image(Use.Image);
        const LunaSkin::TPiece P = Use.Piece;
        for (int Y = P.Top; Y < P.Bottom(); ++Y)
            for (int X = P.Left; X < P.Right(); ++X) {
                if (Use.Uniform == TUniform::Rows) {
                    EXPECT_EQ(Picture.At(X, Y), Picture.At(P.Left, Y)) << Use.Name << " row " << Y;
                }
                if (Use.Uniform == TUniform::Columns) {
                    EXPECT_EQ(Picture.At(X, Y), Picture.At(X, P.Top))
                        << Use.Name << " column " << X;
                }
            }
    }
}

// The window region of a standard frame cuts these pixels off each top corner; the caption
// shows the key exactly there, so nothing but the cut-off part is ever transparent.
TEST(LunaSkinArtwork, StandardCaptionCornersAreKeyedExactlyWhereTheRegionCutsThem) {
    const auto CutOff = [](int X, int Y) {
        return (Y < 1 && X < 5) || (Y < 2 && X < 3) || (Y < 3 && X < 2) || (Y < 5 && X < 1);
    };
    const int W = LunaSkin::StandardFrame.Width;
    for (TSkinImage Which : {TSkinImage::Main, TSkinImage::Second})
        for (int Y = 0; Y < LunaSkin::StandardCaptionHeight; ++Y)
            for (int X = 0; X < LunaSkin::CaptionCorner; ++X) {
                EXPECT_EQ(Image(Which).At(X, Y) == Key, CutOff(X, Y)) << X << "," << Y;
                EXPECT_EQ(Image(Which).At(W - 1 - X, Y) == Key, CutOff(X, Y)) << X << "," << Y;
            }
}

TEST(LunaSkinArtwork, CompiledInImagesLoadWithTheGeneratedPixels) {
    for (const auto& [Name, Which] :
         {std::pair{"XP_MAIN", TSkinImage::Main}, std::pair{"XP_MAIN1", TSkinImage::Second}}) {
        TResourceStream Stream(Name);
        TKsBitmap Surface;
        Surface.LoadFromStream(Stream);
        const TDecodedImage& Expected = Image(Which);
        ASSERT_EQ(Surface.Width(), Expected.Width()) << Name;
        ASSERT_EQ(Surface.Height(), Expected.Height()) << Name;
        int Different = 0;
        for (int Y = 0; Y < Expected.Height(); ++Y)
            for (int X = 0; X < Expected.Width(); ++X)
                Different += (Surface.Pixels(X, Y) & 0xFFFFFF) != Expected.At(X, Y);
        EXPECT_EQ(Different, 0) << Name;
    }
}
