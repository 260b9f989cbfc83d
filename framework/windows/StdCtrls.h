// The standard controls: TLabel, a caption painted on its parent (transparent or filled,
// sized to its text, word-wrapped, with an accelerator that focuses another control), and
// TButton, the host's push button with default, cancel and modal-result behaviour.
#pragma once

#include "framework/windows/CustomControls.h"

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
extern const TEnumInfo AlignmentInfo;

// The host's horizontal text-alignment flag (DT_LEFT, ...).
UINT AlignmentToTextFormat(TAlignment Alignment);
// Draws (or, with DT_CALCRECT, measures into Rect) a control's text in Font and TextColor
// on a transparent background; DC's state is restored afterwards.
void DrawControlText(HDC DC, const TFont& Font, TColor TextColor, const std::string& Text,
                     RECT& Rect, UINT Format);

// What an owner-drawn item is in when its owner is asked to draw it; the values are the
// host's ODS_ flags by position (odSelected 1, odFocused 0x10).
enum class TOwnerDrawStateFlag : uint8_t {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

// Asks the owner of a list to draw item Index into Rect of the control's canvas.
using TDrawItemEvent = TEvent<TWinControl*, int, RECT, TOwnerDrawState>;
// Asks the owner of a list for the height of item Index (Height holds the default).
using TMeasureItemEvent = TEvent<TWinControl*, int, int&>;

class TLabel : public TGraphicControl {
public:
    static const TComponentClassOf<TLabel> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TLabel(TComponent* AOwner);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Sizes the label to its text (its width too unless the text wraps).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // "&" marks the accelerator letter (and is not shown) while this is set.
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    // The control that Alt with the accelerator letter focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    void Dispatch(TMessage& Message) override;
    void Loaded() override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Sizes the label to its text when AutoSize is on.
    void AdjustBounds();

private:
    UINT TextFormat() const;

    bool FTransparent = false;
    bool FAutoSize = true;
    bool FWordWrap = false;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TButton : public TWinControl {
public:
    static const TComponentClassOf<TButton> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TButton(TComponent* AOwner);

    // Return presses the default button unless another button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    // Escape presses a cancel button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Given to the parent form when the button is clicked.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // The button shows itself as the one Return presses.
    bool Active() const { return FActive; }

    void Click() override;
    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    void SetActive(bool Value);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};
