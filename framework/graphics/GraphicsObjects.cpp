#include "framework/graphics/GraphicsObjects.h"

#include "framework/core/NamedValues.h"
#include "framework/core/Properties.h"
#include "framework/core/TextConv.h"

#include <array>

const TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumInfo PenStyleInfo{
    "TPenStyle",
    {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
const TEnumInfo PenModeInfo{"TPenMode",
                            {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                             "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                             "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"}};
const TEnumInfo BrushStyleInfo{"TBrushStyle",
                               {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                "bsBDiagonal", "bsCross", "bsDiagCross"}};

namespace {

[[noreturn]] void RaiseOutOfResources() {
    throw EOutOfResources("Out of system resources");
}

constexpr std::array<TNamedValue<TFontCharset>, 19> CharsetNames{{
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
}};

} // namespace

const TIntegerIdents ColorIdents{[](const std::string& Ident, int64_t& Value) {
                                     TColor Color = 0;
                                     const bool Known = IdentToColor(Ident, Color);
                                     Value = Color;
                                     return Known;
                                 },
                                 [](int64_t Value, std::string& Ident) {
                                     return ColorToIdent(static_cast<TColor>(Value), Ident);
                                 }};

const TIntegerIdents CharsetIdents{[](const std::string& Ident, int64_t& Value) {
                                       TFontCharset Charset = 0;
                                       const bool Known = IdentToCharset(Ident, Charset);
                                       Value = Charset;
                                       return Known;
                                   },
                                   [](int64_t Value, std::string& Ident) {
                                       return CharsetToIdent(static_cast<TFontCharset>(Value),
                                                             Ident);
                                   }};

namespace {

const TPropertyTable FontProperties{
    WithIdents(TPublished<TFont>::Integer("Charset", &TFont::Charset, &TFont::SetCharset,
                                          DEFAULT_CHARSET, TStored::Always()),
               CharsetIdents),
    WithIdents(TPublished<TFont>::Integer("Color", &TFont::Color, &TFont::SetColor, clWindowText,
                                          TStored::Always()),
               ColorIdents),
    TPublished<TFont>::Integer("Height", &TFont::Height, &TFont::SetHeight, 0, TStored::Always()),
    TPublished<TFont>::String("Name", &TFont::Name, &TFont::SetName, {}, TStored::Always()),
    TPublished<TFont>::Integer("Size", &TFont::Size, &TFont::SetSize, 0, TStored::Never()),
    TPublished<TFont>::Set("Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle, TFontStyles{},
                           TStored::Always()),
};

const TPropertyTable PenProperties{
    WithIdents(TPublished<TPen>::Integer("Color", &TPen::Color, &TPen::SetColor, clBlack),
               ColorIdents),
    TPublished<TPen>::Enumeration("Mode", PenModeInfo, &TPen::Mode, &TPen::SetMode,
                                  TPenMode::pmCopy),
    TPublished<TPen>::Enumeration("Style", PenStyleInfo, &TPen::Style, &TPen::SetStyle,
                                  TPenStyle::psSolid),
    TPublished<TPen>::Integer("Width", &TPen::Width, &TPen::SetWidth, 1),
};

const TPropertyTable BrushProperties{
    WithIdents(TPublished<TBrush>::Integer("Color", &TBrush::Color, &TBrush::SetColor, clWhite),
               ColorIdents),
    TPublished<TBrush>::Enumeration("Style", BrushStyleInfo, &TBrush::Style, &TBrush::SetStyle,
                                    TBrushStyle::bsSolid),
};

} // namespace

const TClassOf<TGraphicsObject> TGraphicsObject::Class{"TGraphicsObject", TPersistent::Class};
const TClassOf<TFont> TFont::Class{"TFont", TGraphicsObject::Class, &FontProperties};
const TClassOf<TPen> TPen::Class{"TPen", TGraphicsObject::Class, &PenProperties};
const TClassOf<TBrush> TBrush::Class{"TBrush", TGraphicsObject::Class, &BrushProperties};

void TGraphicsObject::Changed() {
    OnChange(this);
}

// --- TFont ---

int TFont::ScreenPixelsPerInch() {
    static const int PixelsPerInch = [] {
        const TScreenDC Screen;
        const int Value = Screen.Get() ? GetDeviceCaps(Screen.Get(), LOGPIXELSY) : 0;
        return Value > 0 ? Value : 96;
    }();
    return PixelsPerInch;
}

TFont::TFont()
    : FName("MS Sans Serif"), FHeight(-MulDiv(8, ScreenPixelsPerInch(), 72)),
      FPixelsPerInch(ScreenPixelsPerInch()), FCharset(DEFAULT_CHARSET) {}

void TFont::Assign(TPersistent* Source) {
    if (auto* Other = dynamic_cast<TFont*>(Source)) {
        if (Other == this)
            return;
        // Controls copy their font before every paint: the host font is only built again
        // when something it is made of differs. Listeners hear of every copy, as before.
        FPixelsPerInch = Other->FPixelsPerInch;
        FColor = Other->FColor;
        if (SameHostFont(*Other)) {
            Changed();
            return;
        }
        FName = Other->FName;
        FHeight = Other->FHeight;
        FStyle = Other->FStyle;
        FCharset = Other->FCharset;
        FPitch = Other->FPitch;
        AttributesChanged();
        return;
    }
    TGraphicsObject::Assign(Source);
}

bool TFont::SameHostFont(const TFont& Other) const {
    return FName == Other.FName && FHeight == Other.FHeight && FStyle == Other.FStyle &&
           FCharset == Other.FCharset && FPitch == Other.FPitch;
}

HFONT TFont::Handle() const {
    if (!FHandle) {
        LOGFONTW Font{};
        Font.lfHeight = FHeight;
        Font.lfWeight = FStyle.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
        Font.lfItalic = FStyle.Contains(TFontStyle::fsItalic);
        Font.lfUnderline = FStyle.Contains(TFontStyle::fsUnderline);
        Font.lfStrikeOut = FStyle.Contains(TFontStyle::fsStrikeOut);
        Font.lfCharSet = FCharset;
        Font.lfOutPrecision = OUT_DEFAULT_PRECIS;
        Font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        Font.lfQuality = DEFAULT_QUALITY;
        Font.lfPitchAndFamily = FPitch == TFontPitch::fpFixed      ? FIXED_PITCH
                                : FPitch == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                                   : DEFAULT_PITCH;
        const std::wstring Face = Utf8ToWide(FName).substr(0, LF_FACESIZE - 1);
        Face.copy(Font.lfFaceName, Face.size());
        FHandle.Reset(CreateFontIndirectW(&Font));
        if (!FHandle)
            RaiseOutOfResources();
    }
    return FHandle.Get();
}

void TFont::SetHandle(HFONT Value) {
    if (Value == FHandle.Get())
        return;
    LOGFONTW Font{};
    if (Value && GetObjectW(Value, sizeof(Font), &Font) == sizeof(Font)) {
        FName = WideToUtf8(std::wstring(Font.lfFaceName, wcsnlen(Font.lfFaceName, LF_FACESIZE)));
        FHeight = Font.lfHeight;
        FStyle = TFontStyles{};
        if (Font.lfWeight >= FW_BOLD)
            FStyle.Include(TFontStyle::fsBold);
        if (Font.lfItalic)
            FStyle.Include(TFontStyle::fsItalic);
        if (Font.lfUnderline)
            FStyle.Include(TFontStyle::fsUnderline);
        if (Font.lfStrikeOut)
            FStyle.Include(TFontStyle::fsStrikeOut);
        FCharset = Font.lfCharSet;
        const int Pitch = Font.lfPitchAndFamily & 3;
        FPitch = Pitch == FIXED_PITCH      ? TFontPitch::fpFixed
                 : Pitch == VARIABLE_PITCH ? TFontPitch::fpVariable
                                           : TFontPitch::fpDefault;
    }
    TGdiObject<HFONT> Retired = std::move(FHandle);
    FHandle.Reset(Value);
    Changed();
}

void TFont::AttributesChanged() {
    ReplaceHandle(FHandle);
}

void TFont::SetName(const std::string& Value) {
    if (Value.empty() || Value == FName)
        return;
    FName = Value;
    AttributesChanged();
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight)
        return;
    FHeight = Value;
    AttributesChanged();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value) {
    SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    AttributesChanged();
}

void TFont::SetCharset(TFontCharset Value) {
    if (Value == FCharset)
        return;
    FCharset = Value;
    AttributesChanged();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == FPitch)
        return;
    FPitch = Value;
    AttributesChanged();
}

void TFont::SetColor(TColor Value) {
    // The colour is not part of the host font: the handle stays.
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

bool IdentToCharset(const std::string& Ident, TFontCharset& Charset) {
    return NameToValue(CharsetNames, Ident, Charset);
}

bool CharsetToIdent(TFontCharset Charset, std::string& Ident) {
    return ValueToName(CharsetNames, Charset, Ident);
}

// --- TPen ---

int PenModeToRop2(TPenMode Mode) {
    static constexpr std::array<int, 16> Codes{
        R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,        R2_COPYPEN,  R2_NOTCOPYPEN,
        R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
        R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return Codes[size_t(Mode)];
}

void TPen::Assign(TPersistent* Source) {
    if (auto* Other = dynamic_cast<TPen*>(Source)) {
        if (Other == this)
            return;
        FColor = Other->FColor;
        FWidth = Other->FWidth;
        FStyle = Other->FStyle;
        FMode = Other->FMode;
        ReplaceHandle(FHandle);
        return;
    }
    TGraphicsObject::Assign(Source);
}

HPEN TPen::Handle() const {
    if (!FHandle) {
        static constexpr std::array<int, 7> HostStyles{
            PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FHandle.Reset(CreatePen(HostStyles[size_t(FStyle)], FWidth, COLORREF(ColorToRGB(FColor))));
        if (!FHandle)
            RaiseOutOfResources();
    }
    return FHandle.Get();
}

void TPen::SetColor(TColor Value) {
    if (Value == FColor)
        return;
    FColor = Value;
    ReplaceHandle(FHandle);
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == FWidth)
        return;
    FWidth = Value;
    ReplaceHandle(FHandle);
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    ReplaceHandle(FHandle);
}

void TPen::SetMode(TPenMode Value) {
    if (Value == FMode)
        return;
    FMode = Value;
    Changed();
}

// --- TBrush ---

void TBrush::Assign(TPersistent* Source) {
    if (auto* Other = dynamic_cast<TBrush*>(Source)) {
        if (Other == this)
            return;
        FColor = Other->FColor;
        FStyle = Other->FStyle;
        ReplaceHandle(FHandle);
        return;
    }
    TGraphicsObject::Assign(Source);
}

HBRUSH TBrush::Handle() const {
    if (!FHandle) {
        static constexpr std::array<LONG, 6> Hatches{HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                                     HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
        LOGBRUSH Brush{};
        Brush.lbColor = COLORREF(ColorToRGB(FColor));
        if (FStyle == TBrushStyle::bsSolid) {
            Brush.lbStyle = BS_SOLID;
        } else if (FStyle == TBrushStyle::bsClear) {
            Brush.lbStyle = BS_NULL;
        } else {
            Brush.lbStyle = BS_HATCHED;
            Brush.lbHatch = ULONG_PTR(Hatches[size_t(FStyle) - size_t(TBrushStyle::bsHorizontal)]);
        }
        FHandle.Reset(CreateBrushIndirect(&Brush));
        if (!FHandle)
            RaiseOutOfResources();
    }
    return FHandle.Get();
}

void TBrush::SetColor(TColor Value) {
    if (Value == FColor && FStyle != TBrushStyle::bsClear)
        return;
    FColor = Value;
    if (FStyle == TBrushStyle::bsClear)
        FStyle = TBrushStyle::bsSolid;
    ReplaceHandle(FHandle);
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == FStyle)
        return;
    FStyle = Value;
    ReplaceHandle(FHandle);
}
