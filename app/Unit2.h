// The region-selection overlay: the frozen screen shown full-screen, on which the user
// drags out a rectangle with a dashed, inverting outline; releasing the button passes that
// rectangle of the picture on to the captured-image window. Escape cancels.
#pragma once

#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"

class TForm2 : public TForm {
public:
    static const TComponentClassOf<TForm2> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TForm2(TComponent* AOwner);

    void Image1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    TImage* Image1 = nullptr;
    TShape* Shape1 = nullptr;

protected:
    // Escape cancels the selection: the overlay closes with nothing selected.
    void KeyDown(TKey& Key, TShiftState Shift) override;

private:
    // While the button is down, left and top hold the anchor; then the selected rectangle.
    RECT FSelRect{};
};

extern TForm2* Form2;
