#include "framework/graphics/GraphicsObjects.h"
#include "framework/core/Properties.h"

#include <gtest/gtest.h>

namespace {

struct TChangeCounter {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

LOGFONTW FontOf(HFONT Font) {
    LOGFONTW Result{};
    GetObjectW(Font, sizeof(Result), &Result);
    return Result;
}

TEST(Font, SizeIsPointsAtTheScreenResolution) {
    const HDC Screen = GetDC(nullptr);
    const int PixelsPerInch = GetDeviceCaps(Screen, LOGPIXELSY);
    ReleaseDC(nullptr, Screen);
    TFont Font;
    EXPECT_EQ(Font.PixelsPerInch(), PixelsPerInch);
    EXPECT_EQ(Font.Size(), 8);
    Font.SetSize(10);
    EXPECT_EQ(Font.Height(), -MulDiv(10, PixelsPerInch, 72));
    Font.SetHeight(-12);
    EXPECT_EQ(Font.Size(), MulDiv(12, 72, PixelsPerInch));
}

TEST(Font, HandleFollowsTheAttributes) {
    TFont Font;
    Font.SetName("Tahoma");
    Font.SetHeight(-15);
    Font.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
    Font.SetCharset(GB2312_CHARSET);
    LOGFONTW Info = FontOf(Font.Handle());
    EXPECT_EQ(std::wstring(Info.lfFaceName), L"Tahoma");
    EXPECT_EQ(Info.lfHeight, -15);
    EXPECT_EQ(Info.lfWeight, FW_BOLD);
    EXPECT_TRUE(Info.lfUnderline);
    EXPECT_FALSE(Info.lfItalic);
    EXPECT_EQ(Info.lfCharSet, GB2312_CHARSET);

    Font.SetStyle({TFontStyle::fsItalic});
    Info = FontOf(Font.Handle());
    EXPECT_EQ(Info.lfWeight, FW_NORMAL);
    EXPECT_TRUE(Info.lfItalic);

    // The colour is not part of the host font: the handle stays.
    const HFONT Before = Font.Handle();
    Font.SetColor(clRed);
    EXPECT_EQ(Font.Handle(), Before);
}

TEST(Font, AdoptedHandleGivesItsAttributes) {
    LOGFONTW Info{};
    Info.lfHeight = -17;
    Info.lfWeight = FW_BOLD;
    Info.lfStrikeOut = TRUE;
    Info.lfCharSet = ANSI_CHARSET;
    wcscpy(Info.lfFaceName, L"Courier New");
    const HFONT Handle = CreateFontIndirectW(&Info);
    TFont Font;
    Font.SetHandle(Handle);
    EXPECT_EQ(Font.Handle(), Handle);
    EXPECT_EQ(Font.Name(), "Courier New");
    EXPECT_EQ(Font.Height(), -17);
    EXPECT_EQ(Font.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsStrikeOut}));
    EXPECT_EQ(Font.Charset(), ANSI_CHARSET);
    // Adopting the handle it already owns keeps it alive.
    Font.SetHandle(Handle);
    EXPECT_NE(GetObjectType(Handle), 0u);
}

TEST(Font, AssignCopiesAndNotifiesOnlyOnChange) {
    TFont Source;
    Source.SetName("Tahoma");
    Source.SetHeight(-20);
    Source.SetColor(clBlue);
    TFont Font;
    TChangeCounter Counter;
    Font.OnChange = MakeEvent(&Counter, &TChangeCounter::Changed);
    Font.Assign(&Source);
    EXPECT_EQ(Counter.Count, 1);
    EXPECT_EQ(Font.Name(), "Tahoma");
    EXPECT_EQ(Font.Height(), -20);
    EXPECT_EQ(Font.Color(), clBlue);
    Font.SetHeight(-20);
    Font.SetName("");
    EXPECT_EQ(Counter.Count, 1);
    Font.SetHeight(-21);
    EXPECT_EQ(Counter.Count, 2);
}

TEST(Font, AssignKeepsTheHostFontUnlessItsMakingDiffers) {
    TFont Source;
    Source.SetName("Tahoma");
    Source.SetHeight(-13);
    TFont Font;
    Font.Assign(&Source);
    const HFONT Built = Font.Handle();
    TChangeCounter Counter;
    Font.OnChange = MakeEvent(&Counter, &TChangeCounter::Changed);

    // The same font again: announced, as every copy is, but the host font stays.
    Font.Assign(&Source);
    EXPECT_EQ(Font.Handle(), Built);
    EXPECT_EQ(Counter.Count, 1);

    // Only the colour differs: it is copied, the host font stays.
    Source.SetColor(clRed);
    Font.Assign(&Source);
    EXPECT_EQ(Font.Color(), clRed);
    EXPECT_EQ(Font.Handle(), Built);
    EXPECT_EQ(Counter.Count, 2);

    // Every attribute the host font is made of builds a new one.
    const auto Rebuilt = [&] {
        Font.Assign(&Source);
        return Font.SameHostFont(Source) && FontOf(Font.Handle()).lfHeight == Source.Height();
    };
    Source.SetHeight(-16);
    EXPECT_TRUE(Rebuilt());
    Source.SetName("Courier New");
    EXPECT_TRUE(Rebuilt());
    Source.SetStyle({TFontStyle::fsBold});
    EXPECT_TRUE(Rebuilt());
    Source.SetCharset(GB2312_CHARSET);
    EXPECT_TRUE(Rebuilt());
    Source.SetPitch(TFontPitch::fpFixed);
    EXPECT_TRUE(Rebuilt());
    EXPECT_EQ(std::wstring(FontOf(Font.Handle()).lfFaceName), L"Courier New");
    EXPECT_EQ(FontOf(Font.Handle()).lfWeight, FW_BOLD);
    EXPECT_EQ(FontOf(Font.Handle()).lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(FontOf(Font.Handle()).lfPitchAndFamily & 3, FIXED_PITCH);
}

TEST(Font, PublishedPropertiesAreTheLayoutNames) {
    for (const char* Name : {"Charset", "Color", "Height", "Name", "Size", "Style"})
        EXPECT_NE(FindPropInfo(TFont::Class, Name), nullptr) << Name;
    const TPropInfo* Style = FindPropInfo(TFont::Class, "Style");
    ASSERT_NE(Style, nullptr);
    TFont Font;
    Style->Set(Font, TPropertyValue(int64_t(TFontStyles{TFontStyle::fsBold}.Bits())));
    EXPECT_TRUE(Font.Style().Contains(TFontStyle::fsBold));
    EXPECT_FALSE(FindPropInfo(TFont::Class, "Size")->IsStored(Font));

    TFontCharset Charset = 0;
    EXPECT_TRUE(IdentToCharset("gb2312_charset", Charset));
    EXPECT_EQ(Charset, GB2312_CHARSET);
    std::string Ident;
    EXPECT_TRUE(CharsetToIdent(ANSI_CHARSET, Ident));
    EXPECT_EQ(Ident, "ANSI_CHARSET");
}

TEST(Pen, HandleFollowsTheAttributesAndModeIsARasterOperation) {
    TPen Pen;
    Pen.SetColor(clRed);
    Pen.SetWidth(3);
    Pen.SetStyle(TPenStyle::psInsideFrame);
    LOGPEN Info{};
    GetObjectW(Pen.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lopnColor, COLORREF(clRed));
    EXPECT_EQ(Info.lopnWidth.x, 3);
    EXPECT_EQ(Info.lopnStyle, UINT(PS_INSIDEFRAME));

    Pen.SetStyle(TPenStyle::psClear);
    GetObjectW(Pen.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lopnStyle, UINT(PS_NULL));

    EXPECT_EQ(PenModeToRop2(TPenMode::pmCopy), R2_COPYPEN);
    EXPECT_EQ(PenModeToRop2(TPenMode::pmNotXor), R2_NOTXORPEN);
    EXPECT_EQ(PenModeToRop2(TPenMode::pmXor), R2_XORPEN);
    EXPECT_EQ(PenModeToRop2(TPenMode::pmNot), R2_NOT);
    EXPECT_EQ(PenModeToRop2(TPenMode::pmBlack), R2_BLACK);

    TChangeCounter Counter;
    Pen.OnChange = MakeEvent(&Counter, &TChangeCounter::Changed);
    Pen.SetMode(TPenMode::pmNotXor);
    Pen.SetMode(TPenMode::pmNotXor);
    EXPECT_EQ(Counter.Count, 1);
}

TEST(Brush, HandleFollowsTheAttributes) {
    TBrush Brush;
    LOGBRUSH Info{};
    GetObjectW(Brush.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lbStyle, UINT(BS_SOLID));
    EXPECT_EQ(Info.lbColor, COLORREF(clWhite));
    Brush.SetStyle(TBrushStyle::bsClear);
    GetObjectW(Brush.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lbStyle, UINT(BS_NULL));
    Brush.SetStyle(TBrushStyle::bsDiagCross);
    GetObjectW(Brush.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lbStyle, UINT(BS_HATCHED));
    EXPECT_EQ(Info.lbHatch, ULONG_PTR(HS_DIAGCROSS));
    Brush.SetColor(clBtnFace);
    GetObjectW(Brush.Handle(), sizeof(Info), &Info);
    EXPECT_EQ(Info.lbColor, GetSysColor(COLOR_BTNFACE));
}

} // namespace
