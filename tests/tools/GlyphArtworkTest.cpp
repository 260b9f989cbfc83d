// The glyphs compiled into the program load through the framework's resource stream and
// bitmap reader as the 16-colour pictures their users expect: a stock button glyph is two
// 16 x 16 cells over the colour of its bottom-left pixel, the disabled cell an embossed grey
// copy of the normal one; a system-menu glyph is black on magenta.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Colors.h"
#include "framework/windows/ResourceStream.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

void LoadGlyph(const std::string& Name, TBitmap& Glyph) {
    TResourceStream Stream(Name);
    Glyph.LoadFromStream(Stream);
    EXPECT_EQ(Glyph.PixelFormat(), TPixelFormat::pf4bit) << Name;
}

// The colours of the cell whose left column is Left, and how many pixels differ from Skip.
struct TCellColours {
    std::set<TColor> Colours;
    int Painted = 0;
};

TCellColours CellColours(TBitmap& Glyph, int Left, int Width, TColor Skip) {
    TCellColours Cell;
    for (int Y = 0; Y < Glyph.Height(); ++Y)
        for (int X = Left; X < Left + Width; ++X) {
            const TColor C = Glyph.Canvas()->Pixels(X, Y);
            Cell.Colours.insert(C);
            Cell.Painted += C != Skip;
        }
    return Cell;
}

const char* const ButtonGlyphs[] = {"KSBTN_OK",     "KSBTN_CANCEL", "KSBTN_HELP",  "KSBTN_YES",
                                    "KSBTN_NO",     "KSBTN_CLOSE",  "KSBTN_ABORT", "KSBTN_RETRY",
                                    "KSBTN_IGNORE", "KSBTN_ALL"};

} // namespace

TEST(GlyphArtwork, ButtonGlyphsAreANormalAndAnEmbossedDisabledCell) {
    for (const char* Name : ButtonGlyphs) {
        TBitmap Glyph;
        LoadGlyph(Name, Glyph);
        ASSERT_EQ(Glyph.Width(), 32) << Name;
        ASSERT_EQ(Glyph.Height(), 16) << Name;
        // The button makes the bottom-left pixel's colour transparent.
        const TColor Transparent = Glyph.Canvas()->Pixels(0, 15);
        EXPECT_EQ(Transparent, clOlive) << Name;

        const TCellColours Normal = CellColours(Glyph, 0, 16, Transparent);
        const TCellColours Disabled = CellColours(Glyph, 16, 16, Transparent);
        EXPECT_GE(Normal.Painted, 20) << Name;
        EXPECT_GE(Disabled.Painted, 20) << Name;
        EXPECT_EQ(Disabled.Colours, (std::set<TColor>{Transparent, clGray, clWhite})) << Name;

        int Different = 0;
        for (int Y = 0; Y < 16; ++Y)
            for (int X = 0; X < 16; ++X) {
                Different += Glyph.Canvas()->Pixels(X, Y) != Glyph.Canvas()->Pixels(16 + X, Y);
                // The normal glyph leaves the cell's last row and column free, so the disabled
                // cell's highlight one pixel right and down is never cut off.
                if (X == 15 || Y == 15) {
                    EXPECT_EQ(Glyph.Canvas()->Pixels(X, Y), Transparent)
                        << Name << " " << X << "," << Y;
                }
            }
        EXPECT_GT(Different, 0) << Name;
    }
}

TEST(GlyphArtwork, SystemMenuGlyphsAreBlackOnMagenta) {
    const std::pair<const char*, int> Glyphs[] = {
        {"KSE_CLOSE", 16},  {"KSE_MINIMIZE", 17}, {"KSE_MAXIMIZE", 16}, {"KSE_RESTORE", 16},
        {"KSE_ROLLUP", 16}, {"KSE_TRAY", 16},     {"KSE_MOVE", 16},     {"KSR_SIZE", 16}};
    for (const auto& [Name, Size] : Glyphs) {
        TBitmap Glyph;
        LoadGlyph(Name, Glyph);
        ASSERT_EQ(Glyph.Width(), Size) << Name;
        ASSERT_EQ(Glyph.Height(), Size) << Name;
        EXPECT_EQ(Glyph.Canvas()->Pixels(0, Size - 1), clFuchsia) << Name;
        const TCellColours Picture = CellColours(Glyph, 0, Size, clFuchsia);
        EXPECT_EQ(Picture.Colours, (std::set<TColor>{clFuchsia, clBlack})) << Name;
        EXPECT_GE(Picture.Painted, 8) << Name;
    }
}
