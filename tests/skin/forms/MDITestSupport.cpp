#include "MDITestSupport.h"

#include "skin/forms/KsThemeForms.h"
#include "skin/menus/KsMenus.h"
#include "skin/menus/KsMenusRegistration.h"
#include "skin/themes/KsThemeRegistration.h"

TSkinnedMDIScene::TSkinnedMDIScene() : Parent(std::make_unique<TForm>(nullptr)) {
    RegisterSkinThemes();
    RegisterSkinMenus();
    Parent->SetCaption("Editor");
    Parent->SetBounds(60, 60, 560, 440);
    Parent->SetFormStyle(TFormStyle::fsMDIForm);
    Engine = new TTeThemeEngine(Parent.get());
    Bar = new TKsCustomMenuBar(Parent.get());
    Bar->SetParent(Parent.get());
    auto* File = new TKsCustomItem(Parent.get());
    File->SetCaption("&File");
    Bar->Items()->Add(File);
    Bar->Loaded();
    Controller = new TTeThemeForm(Parent.get());
    Controller->SetThemeEngine(Engine);
    Controller->SetMenuBar(Bar);
    Controller->Loaded();
    Parent->Show();
    SetForegroundWindow(Parent->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Parent->Handle(); });
}

TSkinnedMDIScene::~TSkinnedMDIScene() = default;

TMDIChild& TSkinnedMDIScene::AddChild(const std::string& Caption, const RECT& Bounds) {
    auto* Form = new TForm(Parent.get());
    Form->SetCaption(Caption);
    Form->SetFormStyle(TFormStyle::fsMDIChild);
    Form->SetBounds(Bounds.left, Bounds.top, RectWidth(Bounds), RectHeight(Bounds));
    auto* Child = new TTeThemeForm(Form);
    Child->SetThemeEngine(Engine);
    Child->Loaded();
    Form->Show();
    PumpUntil([] { return false; }, 2);
    return FChildren.emplace_back(TMDIChild{Form, Child});
}

void TSkinnedMDIScene::FreeChild(TMDIChild& Child) {
    delete Child.Form;
    Forget(Child);
    PumpUntil([] { return false; }, 2);
}

void TSkinnedMDIScene::Forget(TMDIChild& Child) {
    FChildren.remove_if([&](const TMDIChild& Kept) { return &Kept == &Child; });
}

HWND TSkinnedMDIScene::Client() const {
    return Parent->ClientHandle();
}

RECT TSkinnedMDIScene::BoundsOf(const TMDIChild& Child) const {
    RECT Rect{};
    GetWindowRect(Child.Form->Handle(), &Rect);
    MapWindowPoints(HWND_DESKTOP, Client(), reinterpret_cast<POINT*>(&Rect), 2);
    return Rect;
}

int TSkinnedMDIScene::VisibleItemCount() const {
    int Count = 0;
    for (int I = 0; I < Bar->Items()->Count(); ++I)
        Count += Bar->Items()->Items(I)->Visible() ? 1 : 0;
    return Count;
}

TKsCustomItem* TSkinnedMDIScene::Button(TKsItemButtonKind Kind) const {
    for (int I = 0; I < Bar->Items()->Count(); ++I)
        if (Bar->Items()->Items(I)->ButtonKind() == Kind)
            return Bar->Items()->Items(I);
    return nullptr;
}

void TSkinnedMDIScene::ClickButton(TKsItemButtonKind Kind) const {
    Button(Kind)->Click();
    PumpUntil([] { return false; }, 2);
}
