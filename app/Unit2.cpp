#include "app/Unit2.h"

#include "app/FormParts.h"
#include "app/LastImgPas.h"
#include "app/Selection.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/windows/ControlClasses.h"

TForm2* Form2 = nullptr;

namespace {

const TMethodTable Form2Methods{
    TPublished<TForm2>::Method("Image1MouseDown", &TForm2::Image1MouseDown),
    TPublished<TForm2>::Method("Image1MouseMove", &TForm2::Image1MouseMove),
    TPublished<TForm2>::Method("Image1MouseUp", &TForm2::Image1MouseUp),
};

} // namespace

const TComponentClassOf<TForm2> TForm2::Class{"TForm2", TForm::Class, nullptr, &Form2Methods};

TForm2::TForm2(TComponent* AOwner) : TForm(AOwner) {
    RegisterControlClasses();
    RegisterClass(Class);
    ReadFormLayout();
    Image1 = ComponentNamed<TImage>(*this, "Image1");
    Shape1 = ComponentNamed<TShape>(*this, "Shape1");
}

void TForm2::Image1MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
    FSelRect.left = X;
    FSelRect.top = Y;
    Shape1->SetBounds(X, Y, 0, 0);
    Shape1->Show();
}

void TForm2::Image1MouseMove(TObject*, TShiftState, int X, int Y) {
    if (!Shape1->Visible())
        return;
    Shape1->SetBoundsRect(SelectionRect(POINT{FSelRect.left, FSelRect.top}, X, Y));
}

void TForm2::Image1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    // A selection cancelled while the button was held ends with nothing to pass on.
    if (!Shape1->Visible())
        return;
    FSelRect = RECT{Shape1->Left(), Shape1->Top(), Shape1->Left() + Shape1->Width(),
                    Shape1->Top() + Shape1->Height()};
    TBitmap Selected;
    Selected.SetWidth(Shape1->Width());
    Selected.SetHeight(Shape1->Height());
    // The copy reads the grabbed picture itself, never the outline drawn over it.
    Selected.Canvas()->CopyRect(RECT{0, 0, Shape1->Width(), Shape1->Height()}, Image1->Canvas(),
                                FSelRect);
    LastImgFrm->Image1->Picture()->Assign(&Selected);
    Shape1->Hide();
    SetModalResult(1);
}

void TForm2::KeyDown(TKey& Key, TShiftState Shift) {
    TForm::KeyDown(Key, Shift);
    if (Key != VK_ESCAPE)
        return;
    // A drag under way ends here: the image lets the mouse go.
    SetCaptureControl(nullptr);
    Shape1->Hide();
    SetModalResult(mrCancel);
    Key = 0;
}
