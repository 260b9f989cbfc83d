// Forms with controls made, shown, closed and freed many times leave no host objects
// behind.
#include "WindowTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/ScrollBox.h"
#include "framework/windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void FormCycle() {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    Form->SetCaption("Cycle");
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetAlign(TAlign::alTop);
    Panel->SetBevelInner(TBevelCut::bvRaised);
    auto* Button = new TButton(Form.get());
    Button->SetParent(Panel);
    Button->SetCaption("OK");
    Button->SetDefault(true);
    auto* Label = new TLabel(Form.get());
    Label->SetParent(Form.get());
    Label->SetCaption("Label");
    Label->SetTop(50);
    auto* Box = new TScrollBox(Form.get());
    Box->SetParent(Form.get());
    Box->SetAlign(TAlign::alClient);
    auto* Image = new TImage(Form.get());
    Image->SetParent(Box);
    Image->SetAutoSize(true);
    TBitmap Picture;
    Picture.SetSize(500, 400);
    Image->Picture()->Assign(&Picture);
    auto* Shape = new TShape(Form.get());
    Shape->SetParent(Form.get());
    Shape->SetBounds(10, 60, 20, 20);
    Form->Show();
    Form->Repaint();
    Application->ProcessMessages();
    Form->Close();
    Application->ProcessMessages();
}

TEST(WindowResources, FormCyclesLeaveNoHostObjectsBehind) {
    for (int I = 0; I < 3; ++I)
        FormCycle();
    const DWORD GdiBefore = GdiObjectCount();
    const DWORD UserBefore = UserObjectCount();
    for (int I = 0; I < 200; ++I)
        FormCycle();
    EXPECT_LE(GdiObjectCount(), GdiBefore);
    EXPECT_LE(UserObjectCount(), UserBefore);
}

} // namespace
