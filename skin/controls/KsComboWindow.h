// TKsComboWindow: the borderless top-most window a combo box's list is shown in while it is
// dropped down. It keeps the caption of the combo's form drawn active, closes when it loses
// the activation (a click elsewhere), on Escape, and on Enter or Space after handing the
// list's current item to the combo. Also where the window goes: below the combo, or above
// it when there is no room below, inside the work area of the combo's monitor.
#pragma once

#include "framework/windows/Forms.h"

class TKsCustomComboBox;

// The window's bounds for a combo whose screen rectangle is Combo, a list Height pixels
// high, inside WorkArea: below the combo, else above it (else wherever is roomier, cut to
// fit); its right edge kept inside the area, then its left edge.
RECT ComboDropDownBounds(const RECT& Combo, int Height, const RECT& WorkArea);

class TKsComboWindow : public TForm {
public:
    static const TComponentClassOf<TKsComboWindow> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsComboWindow(TKsCustomComboBox& Combo);

    TKsCustomComboBox& Combo() const { return FCombo; }

    bool IsShortCut(TWMKey& Message) override;
    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    void WMActivate(TMessage& Message);
    // Keeps the caption of the combo's form drawn active.
    void KeepOwnerCaptionActive();

    TKsCustomComboBox& FCombo;
};
