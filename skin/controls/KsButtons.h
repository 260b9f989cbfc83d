// TKsCustomButton: a skinned push button. Caption and an optional glyph in one of four
// layouts, the stock kinds (OK, Cancel, Yes, ...) with their captions, glyphs and modal
// results, default and cancel behaviour, Space and mouse handling; it paints a plain
// bevelled face of its own, which themed descendants replace.
#pragma once

#include "framework/graphics/Bitmap.h"
#include "framework/windows/Controls.h"
#include "skin/controls/KsCaptionMetrics.h"
#include "skin/controls/KsControls.h"

#include <cstdint>
#include <memory>

enum class TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumInfo ButtonLayoutInfo;

enum class TBitBtnKind : uint8_t {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
extern const TEnumInfo BitBtnKindInfo;

// What a stock kind brings: its caption, modal result and glyph resource.
struct TBitBtnKindInfo {
    const char* Caption;
    TModalResult ModalResult;
    const char* GlyphResource;
};
const TBitBtnKindInfo& BitBtnKindDetails(TBitBtnKind Kind);
// The kind's glyph (two 16 x 16 cells, normal and disabled), loaded once; an empty bitmap
// when the resource cannot be read.
const TBitmap& StockGlyph(TBitBtnKind Kind);

class TKsCustomButton : public TKsCustomControl {
public:
    static const TComponentClassOf<TKsCustomButton> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomButton(TComponent* AOwner);
    ~TKsCustomButton() override;

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind Value);
    // Equal-width cells in the glyph: normal, disabled, pressed (a fourth is never drawn).
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool BlackAndWhiteGlyph() const { return FBlackAndWhiteGlyph; }
    void SetBlackAndWhiteGlyph(bool Value);

    // The face is drawn pressed.
    bool Down() const { return FDown; }
    // The button shows itself as the one Return presses.
    bool ActiveDefault() const { return FActiveDefault; }

    // Gives the parent form the button's modal result, then clicks as every control does.
    void Click() override;
    void Loaded() override;
    void Dispatch(TMessage& Message) override;

    // Caption and glyph together, centred in the button; the caption's and the glyph's part.
    virtual RECT CalcContentRect();
    virtual RECT CalcTextRect();
    virtual RECT CalcGlyphRect();

protected:
    void PaintControl() override;
    // Besides what every control takes from its action: the action's image as the glyph.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    virtual void DrawFace();
    virtual void DrawGlyph();
    virtual void DrawCaption();
    // The plain bevelled face.
    void DrawPlainFace();

    bool KeepsRenderedImage() const override { return true; }
    void DescribeAppearance(TKsAppearance& Appearance) const override;

    void DoMouseEnter() override;
    void DoMouseLeave() override;
    void KeyDown(TKey& Key, TShiftState Shift) override;
    void KeyUp(TKey& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void GlyphChanged(TObject* Sender);
    void SetDown(bool Value);
    SIZE GlyphCell() const;
    // The caption's extents in the font of this paint.
    const TKsCaptionExtents& CaptionExtents();
    void UpdateActiveDefault(TControl* Focused);

    bool FActiveDefault = false;
    bool FDefault = false;
    bool FTracking = false;
    std::unique_ptr<TBitmap> FGlyph;
    TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
    TBitBtnKind FKind = TBitBtnKind::bkCustom;
    int FNumGlyphs = 1;
    int FSpacing = 4;
    bool FDown = false;
    TModalResult FModalResult = mrNone;
    bool FBlackAndWhiteGlyph = false;
    bool FCancel = false;
    TKsCaptionMetrics FCaptionMetrics;
    // Counts the glyph's changes, which show in the image.
    unsigned FGlyphChanges = 0;
};
