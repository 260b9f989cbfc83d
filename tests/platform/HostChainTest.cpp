// The host the product runs on must really draw, have the desktop the tests expect, offer
// the optional libraries the skin loads at run time and know the fonts the windows use.
#include "framework/graphics/WinApi.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

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
