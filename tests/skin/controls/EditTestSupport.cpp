#include "EditTestSupport.h"

#include "WindowTestSupport.h"

#include "framework/core/TextConv.h"
#include "skin/controls/KsControlsRegistration.h"
#include "tests/support/UserInput.h"

void EditOnScreen::SetUp() {
    RegisterSkinControls();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(200, 150, 360, 200);
    Edit = new TKsEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(20, 20, 300, 21);
    BringForward(*Form);
    Edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Edit->Handle(); }));
}

void EditOnScreen::TearDown() {
    Form.reset();
}

void EditOnScreen::Type(const std::string& Text) {
    TypeText(Utf8ToWide(Text));
    PumpMessagesFor(50);
}

void EditOnScreen::Key(WORD VirtualKey) {
    PressKey(VirtualKey);
    PumpMessagesFor(30);
}

void EditOnScreen::Chord(WORD Modifier, WORD VirtualKey) {
    PressKeyWith(Modifier, VirtualKey);
    PumpMessagesFor(30);
}
