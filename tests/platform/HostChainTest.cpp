// The host the product runs on must really draw, have the desktop the tests expect, offer
// the optional libraries the skin loads at run time and know the fonts the windows use.
#include "framework/graphics/WinApi.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct FontFamilies {
    std::set<std::wstring> Names;

    static int CALLBACK Collect(const LOGFONTW* Font, const TEXTMETRICW*, DWORD, LPARAM Self) {
        reinterpret_cast<FontFamilies*>(Self)->Names.insert(Font->lfFaceName);
        return 1;
    }

    explicit FontFamilies(const wchar_t* Face, BYTE Charset = DEFAULT_CHARSET) {
        HDC Screen = GetDC(nullptr);
        LOGFONTW Query{};
        Query.lfCharSet = Charset;
        wcsncpy(Query.lfFaceName, Face, LF_FACESIZE - 1);
        EnumFontFamiliesExW(Screen, &Query, &Collect, reinterpret_cast<LPARAM>(this), 0);
        ReleaseDC(nullptr, Screen);
    }
};

// The family the host really uses for a requested face, as the font file names it.
std::wstring FamilyOfCreatedFont(const wchar_t* Face) {
    HFONT Font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, Face);
    HDC Screen = GetDC(nullptr);
    HGDIOBJ Old = SelectObject(Screen, Font);
    std::wstring Family;
    UINT Size = GetOutlineTextMetricsW(Screen, 0, nullptr);
    if (Size > 0) {
        std::string Buffer(Size, '\0');
        auto* Metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(Buffer.data());
        if (GetOutlineTextMetricsW(Screen, Size, Metrics))
            Family = reinterpret_cast<const wchar_t*>(
                Buffer.data() + reinterpret_cast<uintptr_t>(Metrics->otmpFamilyName));
    }
    SelectObject(Screen, Old);
    ReleaseDC(nullptr, Screen);
    DeleteObject(Font);
    return Family;
}

int CALLBACK CollectOutlineFamily(const LOGFONTW* Font, const TEXTMETRICW*, DWORD Type,
                                  LPARAM Names) {
    if (Type & TRUETYPE_FONTTYPE)
        reinterpret_cast<std::set<std::wstring>*>(Names)->insert(Font->lfFaceName);
    return 1;
}

// Every outline font family of every character set the host offers.
std::set<std::wstring> OutlineFontFamilies() {
    std::set<std::wstring> Names;
    HDC Screen = GetDC(nullptr);
    LOGFONTW Any{};
    Any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(Screen, &Any, &CollectOutlineFamily, reinterpret_cast<LPARAM>(&Names), 0);
    ReleaseDC(nullptr, Screen);
    return Names;
}

// Private Use Area characters: no installed font has them (checked below), so every font
// draws its missing-glyph box for them, as it does for Chinese it cannot show.
constexpr wchar_t NoFontHasThese[] = L"\uE000\uE001\uE002\uE003\uE004";

std::string Utf8(const std::wstring& Text) {
    const int Size =
        WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string Result(static_cast<size_t>(Size > 0 ? Size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), -1, Result.data(), Size, nullptr, nullptr);
    return Result;
}

// Text drawn in black on white with a font into a 32-bit DIB big enough for every sample.
class TTextRendering {
public:
    TTextRendering(const LOGFONTW& Font, const std::vector<std::wstring>& Samples)
        : FFont(CreateFontIndirectW(&Font)), FDC(CreateCompatibleDC(nullptr)) {
        FOldFont = SelectObject(FDC, FFont);
        for (const std::wstring& Sample : Samples) {
            SIZE Extent{};
            GetTextExtentPoint32W(FDC, Sample.c_str(), static_cast<int>(Sample.size()), &Extent);
            FWidth = std::max<int>(FWidth, Extent.cx + 4);
            FHeight = std::max<int>(FHeight, Extent.cy + 4);
        }
    }
    TTextRendering(const TTextRendering&) = delete;
    TTextRendering& operator=(const TTextRendering&) = delete;
    ~TTextRendering() {
        SelectObject(FDC, FOldFont);
        DeleteDC(FDC);
        DeleteObject(FFont);
    }

    std::vector<uint32_t> Draw(const std::wstring& Text) {
        const BITMAPINFO Info = TopDown32BitInfo(FWidth, FHeight);
        void* Bits = nullptr;
        HBITMAP Section = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
        if (!Section || !Bits)
            return {};
        HGDIOBJ OldBitmap = SelectObject(FDC, Section);
        auto* Pixels = static_cast<uint32_t*>(Bits);
        std::fill(Pixels, Pixels + FWidth * FHeight, 0x00FFFFFFu);
        SetBkMode(FDC, TRANSPARENT);
        SetTextColor(FDC, RGB(0, 0, 0));
        TextOutW(FDC, 2, 2, Text.c_str(), static_cast<int>(Text.size()));
        GdiFlush();
        std::vector<uint32_t> Result(Pixels, Pixels + FWidth * FHeight);
        SelectObject(FDC, OldBitmap);
        DeleteObject(Section);
        return Result;
    }

private:
    HFONT FFont;
    HDC FDC;
    HGDIOBJ FOldFont = nullptr;
    int FWidth = 1;
    int FHeight = 1;
};

struct TInterfaceFont {
    std::string Use;
    LOGFONTW Font;
};

// The fonts Chinese captions and texts are drawn with: the host's own (title bars, menus,
// message boxes) and the faces the program and its skin ask for, regular and bold.
std::vector<TInterfaceFont> InterfaceFonts() {
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0);
    std::vector<TInterfaceFont> Fonts{{"caption", Metrics.lfCaptionFont},
                                      {"small caption", Metrics.lfSmCaptionFont},
                                      {"menu", Metrics.lfMenuFont},
                                      {"message", Metrics.lfMessageFont}};
    for (const wchar_t* Face : {L"Tahoma", L"MS Shell Dlg", L"\u5B8B\u4F53"})
        for (const LONG Weight : {FW_NORMAL, FW_BOLD}) {
            LOGFONTW Font{};
            Font.lfHeight = -12;
            Font.lfWeight = Weight;
            Font.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(Font.lfFaceName, Face, LF_FACESIZE - 1);
            Fonts.push_back({Weight == FW_BOLD ? "bold" : "regular", Font});
        }
    return Fonts;
}

} // namespace

TEST(HostDrawing, TextDrawnIntoA32BitTopDownSectionChangesPixels) {
    constexpr int Width = 64, Height = 32;
    const BITMAPINFO Info = TopDown32BitInfo(Width, Height);
    void* Bits = nullptr;
    HBITMAP Section = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    ASSERT_NE(Section, nullptr);
    ASSERT_NE(Bits, nullptr);
    auto* Pixels = static_cast<uint32_t*>(Bits);
    for (int i = 0; i < Width * Height; ++i)
        Pixels[i] = 0x00FFFFFF;

    HDC Memory = CreateCompatibleDC(nullptr);
    ASSERT_NE(Memory, nullptr);
    HGDIOBJ OldBitmap = SelectObject(Memory, Section);
    HFONT Font =
        CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    ASSERT_NE(Font, nullptr);
    HGDIOBJ OldFont = SelectObject(Memory, Font);
    SetBkMode(Memory, TRANSPARENT);
    SetTextColor(Memory, RGB(0, 0, 0));
    EXPECT_TRUE(TextOutW(Memory, 2, 2, L"Snap", 4));
    GdiFlush();

    int Changed = 0;
    for (int i = 0; i < Width * Height; ++i)
        Changed += (Pixels[i] & 0x00FFFFFF) != 0x00FFFFFF;
    EXPECT_GT(Changed, 20);
    // Top-down: the text is near the first rows in memory, the last rows stay blank.
    for (int x = 0; x < Width; ++x)
        EXPECT_EQ(Pixels[(Height - 1) * Width + x] & 0x00FFFFFF, 0x00FFFFFFu);

    SelectObject(Memory, OldFont);
    SelectObject(Memory, OldBitmap);
    DeleteObject(Font);
    DeleteDC(Memory);
    DeleteObject(Section);
}

TEST(HostDesktop, ScreenHasTheVirtualDesktopsSizeAndDepth) {
    HDC Screen = GetDC(nullptr);
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(GetDeviceCaps(Screen, HORZRES), 1280);
    EXPECT_EQ(GetDeviceCaps(Screen, VERTRES), 1024);
    // A 24-bit X display is presented to programs as 32 bits per pixel.
    EXPECT_GE(GetDeviceCaps(Screen, BITSPIXEL) * GetDeviceCaps(Screen, PLANES), 24);
    ReleaseDC(nullptr, Screen);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
}

TEST(HostLibraries, OptionalLibrariesOfferTheFunctionsTheSkinLoads) {
    HMODULE Msimg = LoadLibraryW(L"msimg32.dll");
    ASSERT_NE(Msimg, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(Msimg, "AlphaBlend")), nullptr);
    FreeLibrary(Msimg);

    HMODULE UxTheme = LoadLibraryW(L"uxtheme.dll");
    ASSERT_NE(UxTheme, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(UxTheme, "IsAppThemed")), nullptr);
    EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(UxTheme, "IsThemeActive")), nullptr);
    FreeLibrary(UxTheme);
}

TEST(HostFonts, GlyphAndInterfaceFontsAreInstalled) {
    EXPECT_EQ(FontFamilies(L"Marlett", SYMBOL_CHARSET).Names.count(L"Marlett"), 1u);
    EXPECT_EQ(FontFamilies(L"Tahoma").Names.count(L"Tahoma"), 1u);
    EXPECT_EQ(FontFamilies(L"WenQuanYi Zen Hei").Names.count(L"WenQuanYi Zen Hei"), 1u);
}

TEST(HostFonts, ChineseInterfaceFontNamesResolveToTheInstalledCjkFont) {
    for (const wchar_t* Face : {L"\u5B8B\u4F53", L"SimSun", L"NSimSun"}) {
        SCOPED_TRACE(testing::Message() << "face #" << static_cast<unsigned>(Face[0]));
        EXPECT_EQ(FamilyOfCreatedFont(Face), L"WenQuanYi Zen Hei");
    }
}

TEST(HostFonts, TheMissingGlyphProbeIsInNoInstalledFont) {
    const std::set<std::wstring> Outline = OutlineFontFamilies();
    ASSERT_GT(Outline.count(L"WenQuanYi Zen Hei"), 0u);

    HDC DC = CreateCompatibleDC(nullptr);
    for (const std::wstring& Face : Outline) {
        HFONT Font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 Face.c_str());
        HGDIOBJ Old = SelectObject(DC, Font);
        WORD Glyphs[std::size(NoFontHasThese) - 1] = {};
        EXPECT_NE(GetGlyphIndicesW(DC, NoFontHasThese, std::size(Glyphs), Glyphs,
                                   GGI_MARK_NONEXISTING_GLYPHS),
                  GDI_ERROR);
        for (const WORD Glyph : Glyphs)
            EXPECT_EQ(Glyph, 0xFFFF) << Utf8(Face);
        SelectObject(DC, Old);
        DeleteObject(Font);
    }
    DeleteDC(DC);
}

// What a user of a Chinese system sees: the captured-image window's title and the about
// box's caption come out as characters, not as boxes, in every font that draws them.
TEST(HostFonts, ChineseCaptionsRenderAsGlyphsInEveryInterfaceFont) {
    const std::wstring Captured = L"\u622A\u53D6\u7684\u56FE\u7247";
    const std::wstring About = L"\u5173\u4E8E...";
    const std::wstring Boxes = NoFontHasThese;
    const std::wstring BoxesAbout = Boxes.substr(0, 2) + L"...";
    for (const TInterfaceFont& Interface : InterfaceFonts()) {
        SCOPED_TRACE(Interface.Use + " font " + Utf8(Interface.Font.lfFaceName) + ", weight " +
                     std::to_string(Interface.Font.lfWeight));
        TTextRendering Rendering(Interface.Font, {Captured, About, Boxes, BoxesAbout});
        const std::vector<uint32_t> MissingGlyphs = Rendering.Draw(Boxes);
        ASSERT_FALSE(MissingGlyphs.empty());
        EXPECT_TRUE(Rendering.Draw(Captured) != MissingGlyphs) << "drawn as missing-glyph boxes";
        EXPECT_TRUE(Rendering.Draw(About) != Rendering.Draw(BoxesAbout))
            << "drawn as missing-glyph boxes";
    }
}
