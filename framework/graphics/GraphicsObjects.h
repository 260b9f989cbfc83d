// The drawing attributes a canvas selects into its device context: font, pen and brush.
// Each keeps its attributes, creates its host handle on first use, and raises OnChange when
// an attribute changes; a change that needs a new host object retires the old handle only
// after OnChange, so that a canvas can put it out of its device context first.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/core/Properties.h"
#include "framework/core/Sets.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GdiHandles.h"

#include <cstdint>
#include <string>

class TEnumInfo;

class TGraphicsObject : public TPersistent {
public:
    static const TClassOf<TGraphicsObject> Class;
    const TClass& ClassType() const override { return Class; }

    TNotifyEvent OnChange;

protected:
    void Changed();
    // Raises OnChange with Handle already cleared (a new request builds a new handle); the
    // old host object is deleted after every listener has let go of it.
    template <class H> void ReplaceHandle(TGdiObject<H>& Handle) {
        TGdiObject<H> Retired = std::move(Handle);
        Changed();
    }
};

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
using TFontCharset = uint8_t;
enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

extern const TEnumInfo FontStyleInfo;

class TFont : public TGraphicsObject {
public:
    static const TClassOf<TFont> Class;
    const TClass& ClassType() const override { return Class; }

    // "MS Sans Serif", 8 points at the screen's resolution, clWindowText, the default
    // character set.
    TFont();

    void Assign(TPersistent* Source) override;

    HFONT Handle() const;
    // Whether both fonts make the same host font (the colour is not part of it).
    bool SameHostFont(const TFont& Other) const;
    // Takes ownership of Value and reads the attributes from it.
    void SetHandle(HFONT Value);

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    // Cell height in pixels; negative values are character heights (the usual form).
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // Points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch.
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The resolution Size converts at; the screen's vertical pixels per inch by default.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

    // The screen's vertical pixels per inch, read once.
    static int ScreenPixelsPerInch();

private:
    void AttributesChanged();

    std::string FName;
    int FHeight;
    int FPixelsPerInch;
    TFontStyles FStyle;
    TFontCharset FCharset;
    TFontPitch FPitch = TFontPitch::fpDefault;
    TColor FColor = clWindowText;
    mutable TGdiObject<HFONT> FHandle;
};

// The character-set names layouts use ("ANSI_CHARSET", "GB2312_CHARSET"): name to value
// (case-insensitive) and back.
bool IdentToCharset(const std::string& Ident, TFontCharset& Charset);
// Colour and character-set names for the integer properties that hold them in layouts.
extern const TIntegerIdents ColorIdents;
extern const TIntegerIdents CharsetIdents;
bool CharsetToIdent(TFontCharset Charset, std::string& Ident);

enum class TPenStyle : uint8_t {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame
};
// How the pen's colour combines with the pixels under it (one of the host's binary raster
// operations each).
enum class TPenMode : uint8_t {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

extern const TEnumInfo PenStyleInfo;
extern const TEnumInfo PenModeInfo;

// The host's raster operation (R2_...) for a pen mode.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
public:
    static const TClassOf<TPen> Class;
    const TClass& ClassType() const override { return Class; }

    void Assign(TPersistent* Source) override;

    HPEN Handle() const;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    // Not part of the host pen: the canvas applies it when it selects the pen.
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
    mutable TGdiObject<HPEN> FHandle;
};

enum class TBrushStyle : uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

extern const TEnumInfo BrushStyleInfo;

class TBrush : public TGraphicsObject {
public:
    static const TClassOf<TBrush> Class;
    const TClass& ClassType() const override { return Class; }

    void Assign(TPersistent* Source) override;

    HBRUSH Handle() const;

    TColor Color() const { return FColor; }
    // A clear brush that is given a colour becomes solid.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    mutable TGdiObject<HBRUSH> FHandle;
};
