// Short-cut texts, the context menu that a right click or the context-menu key opens on a
// control, the form's short-cut event, and the framework's menu item tree.
#include "WindowTestSupport.h"

#include "framework/core/Exceptions.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(ShortCutText, EveryNamedKeyRoundTripsWithEveryModifier) {
    std::vector<uint8_t> Keys{VK_BACK,  VK_TAB,   VK_RETURN, VK_ESCAPE, VK_SPACE,
                              VK_PRIOR, VK_NEXT,  VK_END,    VK_HOME,   VK_LEFT,
                              VK_UP,    VK_RIGHT, VK_DOWN,   VK_INSERT, VK_DELETE};
    for (uint8_t Key = '0'; Key <= '9'; ++Key)
        Keys.push_back(Key);
    for (uint8_t Key = 'A'; Key <= 'Z'; ++Key)
        Keys.push_back(Key);
    for (uint8_t Key = VK_F1; Key <= VK_F12; ++Key)
        Keys.push_back(Key);
    for (uint8_t Key : Keys)
        for (int Shift = scNone; Shift <= scShift + scCtrl + scAlt; Shift += scShift) {
            const TShortCut ShortCut = static_cast<TShortCut>(Shift | Key);
            const std::string Text = ShortCutToText(ShortCut);
            ASSERT_FALSE(Text.empty()) << Key;
            EXPECT_EQ(TextToShortCut(Text), ShortCut) << Text;
        }
}

TEST(ShortCutText, NamesAsMenusShowThem) {
    EXPECT_EQ(ShortCutToText(scCtrl + 'S'), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(scAlt + VK_F4), "Alt+F4");
    EXPECT_EQ(ShortCutToText(scShift + VK_DELETE), "Shift+Del");
    EXPECT_EQ(ShortCutToText(scShift + scCtrl + scAlt + VK_NEXT), "Shift+Ctrl+Alt+PgDn");
    EXPECT_EQ(ShortCutToText(VK_F1), "F1");
    EXPECT_EQ(ShortCutToText(VK_RETURN), "Enter");
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(scCtrl + VK_LWIN), "");
}

TEST(ShortCutText, ReadingIgnoresCaseAndModifierOrderAndRefusesUnknownText) {
    EXPECT_EQ(TextToShortCut("ctrl+s"), scCtrl + 'S');
    EXPECT_EQ(TextToShortCut("Alt+Ctrl+pgup"), scCtrl + scAlt + VK_PRIOR);
    EXPECT_EQ(TextToShortCut("f10"), VK_F10);
    for (const char* Unknown : {"", "Ctrl+", "Ctrl+F13", "Ctrl+SS", "Hyper+S", "S+Ctrl", "Ctrl+F0",
                                "Ctrl+Ctrl+S", " Ctrl+S"})
        EXPECT_EQ(TextToShortCut(Unknown), scNone) << Unknown;
}

// A popup menu that records where it was asked to show instead of showing.
class TRecordingPopupMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int X, int Y) override {
        BeginPopup(X, Y);
        Points.push_back(POINT{X, Y});
        Components.push_back(PopupComponent());
    }
    std::vector<POINT> Points;
    std::vector<TComponent*> Components;
};

class ContextMenus : public ::testing::Test {
protected:
    void SetUp() override {
        Form.SetBounds(50, 50, 300, 200);
        Panel = new TPanel(&Form);
        Panel->SetParent(&Form);
        Panel->SetBounds(10, 10, 120, 80);
        Shape = new TShape(&Form);
        Shape->SetParent(&Form);
        Shape->SetBounds(150, 10, 40, 40);
        Form.Show();
    }
    void TearDown() override { Form.Hide(); }

    // Sends the context-menu request the host sends for a right click at a client point of
    // Target's window, or for the context-menu key when FromKeyboard is set.
    void RequestMenu(TWinControl& Target, POINT ClientPoint, bool FromKeyboard = false) {
        POINT Screen = Target.ClientToScreen(ClientPoint);
        const LPARAM Position = FromKeyboard ? -1 : MAKELPARAM(Screen.x, Screen.y);
        SendMessageW(Target.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Target.Handle()),
                     Position);
    }

    TForm Form{nullptr};
    TPanel* Panel = nullptr;
    TShape* Shape = nullptr;
    TRecordingPopupMenu* FormMenu = new TRecordingPopupMenu(&Form);
    TRecordingPopupMenu* PanelMenu = new TRecordingPopupMenu(&Form);
};

TEST_F(ContextMenus, AControlsMenuOpensAtTheMouseOrAtItsOriginForTheKey) {
    Panel->SetPopupMenu(PanelMenu);
    struct TPopups {
        int Count = 0;
        void Popped(TObject*) { ++Count; }
    } Popups;
    PanelMenu->OnPopup = MakeEvent(&Popups, &TPopups::Popped);

    RequestMenu(*Panel, POINT{7, 9});
    RequestMenu(*Panel, POINT{}, true);
    const POINT Mouse = Panel->ClientToScreen(POINT{7, 9});
    const POINT Origin = Panel->ClientToScreen(POINT{0, 0});
    ASSERT_EQ(PanelMenu->Points.size(), 2u);
    EXPECT_EQ(PanelMenu->Points[0].x, Mouse.x);
    EXPECT_EQ(PanelMenu->Points[0].y, Mouse.y);
    EXPECT_EQ(PanelMenu->Points[1].x, Origin.x);
    EXPECT_EQ(PanelMenu->Points[1].y, Origin.y);
    EXPECT_EQ(PanelMenu->Components, (std::vector<TComponent*>{Panel, Panel}));
    EXPECT_EQ(Popups.Count, 2);
    EXPECT_TRUE(FormMenu->Points.empty());
}

TEST_F(ContextMenus, AControlWithoutAMenuLeavesTheRequestToItsParent) {
    Form.SetPopupMenu(FormMenu);
    RequestMenu(*Panel, POINT{5, 5});
    ASSERT_EQ(FormMenu->Components, std::vector<TComponent*>{&Form});

    PanelMenu->SetAutoPopup(false);
    Panel->SetPopupMenu(PanelMenu);
    RequestMenu(*Panel, POINT{5, 5});
    EXPECT_TRUE(PanelMenu->Points.empty());
    EXPECT_EQ(FormMenu->Points.size(), 2u);
}

TEST_F(ContextMenus, AGraphicChildsMenuOpensFromItsParentsWindow) {
    Form.SetPopupMenu(FormMenu);
    Shape->SetPopupMenu(PanelMenu);
    RequestMenu(Form, POINT{160, 20});
    EXPECT_EQ(PanelMenu->Components, std::vector<TComponent*>{Shape});
    RequestMenu(Form, POINT{250, 150});
    EXPECT_EQ(FormMenu->Components, std::vector<TComponent*>{&Form});
}

TEST_F(ContextMenus, ARightClickAsksForTheMenuAndAFreedMenuIsForgotten) {
    Panel->SetPopupMenu(PanelMenu);
    SendMessageW(Panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30));
    SendMessageW(Panel->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(20, 30));
    const POINT Mouse = Panel->ClientToScreen(POINT{20, 30});
    ASSERT_EQ(PanelMenu->Points.size(), 1u);
    EXPECT_EQ(PanelMenu->Points[0].x, Mouse.x);
    EXPECT_EQ(PanelMenu->Points[0].y, Mouse.y);

    delete PanelMenu;
    EXPECT_EQ(Panel->PopupMenu(), nullptr);
    RequestMenu(*Panel, POINT{5, 5});
}

TEST(FormShortCuts, TheFormSeesKeysOfItsControlsBeforeTheyDo) {
    TForm Form(nullptr);
    auto* Panel = new TPanel(&Form);
    Panel->SetParent(&Form);
    struct TKeys {
        std::vector<TKey> ShortCuts;
        std::vector<bool> Alt;
        std::vector<TKey> Downs;
        void ShortCut(TWMKey& Message, bool& Handled) {
            ShortCuts.push_back(Message.CharCode);
            Alt.push_back((Message.KeyData & 0x20000000) != 0);
            Handled = Message.CharCode == VK_F5;
        }
        void KeyDown(TObject*, TKey& Key, TShiftState) { Downs.push_back(Key); }
    } Keys;
    Form.OnShortCut = MakeEvent(&Keys, &TKeys::ShortCut);
    Panel->OnKeyDown = MakeEvent(&Keys, &TKeys::KeyDown);
    Form.OnKeyDown = MakeEvent(&Keys, &TKeys::KeyDown);

    SendMessageW(Panel->Handle(), WM_KEYDOWN, VK_F5, 0);
    SendMessageW(Panel->Handle(), WM_SYSKEYDOWN, 'X', 0x20000000);
    SendMessageW(Form.Handle(), WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(Keys.ShortCuts, (std::vector<TKey>{VK_F5, 'X', VK_F5}));
    EXPECT_EQ(Keys.Alt, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Keys.Downs, std::vector<TKey>{'X'});
}

TEST(MenuItemTree, ItemsGoUnderOneParentAndNeverUnderThemselves) {
    TPopupMenu Menu(nullptr);
    auto* File = new TMenuItem(&Menu);
    auto* Open = new TMenuItem(&Menu);
    auto* Recent = new TMenuItem(&Menu);
    Menu.Items()->Add(File);
    File->Add(Open);
    Open->Add(Recent);
    EXPECT_THROW(Menu.Items()->Add(Open), EMenuError);
    EXPECT_THROW(Recent->Add(File), EMenuError);
    File->Remove(Open);
    EXPECT_THROW(Recent->Add(Open), EMenuError);
    EXPECT_THROW(Open->Add(Open), EMenuError);
    EXPECT_THROW(File->Insert(2, Open), EListError);
    EXPECT_THROW(Recent->Add(Menu.Items()), EMenuError);
    EXPECT_EQ(File->Count(), 0);
    EXPECT_EQ(Open->Parent(), nullptr);
    EXPECT_EQ(Recent->Parent(), Open);
    EXPECT_EQ(File->GetParentComponent(), &Menu);
    EXPECT_EQ(Recent->GetParentComponent(), Open);

    delete Open; // takes its sub-items along
    EXPECT_EQ(Menu.ComponentCount(), 1);
}

} // namespace
