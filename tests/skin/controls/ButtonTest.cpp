// The push buttons: glyph cells, stock kinds and their compiled-in glyphs, the plain and
// themed faces in every state, greyed glyphs and the embossed caption, modal results, and
// what a user does with the mouse and keyboard (real input).
#include "ControlTestSupport.h"
#include "WindowTestSupport.h"

#include "framework/core/LayoutReader.h"
#include "framework/windows/Actions.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/ImageLists.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsThemeButtons.h"
#include "skin/graphics/KsColors.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/TeThemeXP.h"
#include "skin/themes/TeThemeXPImpl.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <functional>

#include <set>

namespace {

std::unique_ptr<TBitmap> GlyphOf(int Width, int Height, TColor Fill) {
    auto Glyph = std::make_unique<TBitmap>();
    Glyph->SetSize(Width, Height);
    TCanvas* Canvas = Glyph->Canvas();
    Canvas->Brush()->SetColor(Fill);
    const RECT All{0, 0, Width, Height};
    Canvas->FillRect(All);
    return Glyph;
}

BOOL WINAPI StylesOff() {
    return FALSE;
}

class Buttons : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        RegisterSkinThemes();
        RegisterSkinControls();
    }
    void SetUp() override {
        Form = MakeHostForm(clBlue);
        Button = new TTeThemeButton(Form.get());
        Button->SetName("Button");
        Button->SetParent(Form.get());
        Button->SetBounds(10, 10, 75, 25);
        Button->OnClick = MakeEvent(this, &Buttons::ButtonClick);
    }
    void ButtonClick(TObject* Sender) {
        if (Sender == Button)
            ++Clicks;
        else
            ++OtherClicks;
    }

    // Gives Engine a recording theme and links the button, with its window, to it.
    TRecordingTheme& LinkRecordingTheme(TTeThemeEngine& Engine) {
        Engine.SetTheme(std::make_unique<TRecordingTheme>());
        Button->SetThemeEngine(&Engine);
        Button->HandleNeeded();
        return dynamic_cast<TRecordingTheme&>(*Engine.Theme());
    }

    std::unique_ptr<TForm> Form;
    TTeThemeButton* Button = nullptr;
    void ActionRun(TObject*) { ++ActionRuns; }

    int Clicks = 0;
    int OtherClicks = 0;
    int ActionRuns = 0;
};

} // namespace

TEST_F(Buttons, GlyphCellsFollowTheGlyphsShape) {
    auto Four = GlyphOf(64, 16, clRed);
    Button->SetGlyph(Four.get());
    EXPECT_EQ(Button->NumGlyphs(), 4);
    auto Five = GlyphOf(80, 16, clRed);
    Button->SetGlyph(Five.get());
    EXPECT_EQ(Button->NumGlyphs(), 1);
    Button->SetNumGlyphs(3);
    auto Odd = GlyphOf(40, 16, clRed);
    Button->SetGlyph(Odd.get());
    EXPECT_EQ(Button->NumGlyphs(), 3);
    // A glyph of no width cannot make the cell count 0.
    auto Empty = GlyphOf(0, 16, clRed);
    Button->SetGlyph(Empty.get());
    EXPECT_GE(Button->NumGlyphs(), 1);
    Button->SetNumGlyphs(0);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    Button->SetNumGlyphs(9);
    EXPECT_EQ(Button->NumGlyphs(), 4);
}

TEST_F(Buttons, StockKindsBringCaptionResultDefaultAndGlyph) {
    Button->SetCaption("Go");
    Button->SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(Button->Caption(), "OK");
    EXPECT_EQ(Button->ModalResult(), mrOk);
    EXPECT_TRUE(Button->Default());
    EXPECT_EQ(Button->NumGlyphs(), 2);
    EXPECT_EQ(Button->Glyph()->Width(), 32);
    EXPECT_EQ(Button->Glyph()->Height(), 16);
    Button->SetKind(TBitBtnKind::bkNo);
    EXPECT_EQ(Button->Caption(), "&No");
    EXPECT_EQ(Button->ModalResult(), mrNo);
    EXPECT_FALSE(Button->Default());
    // Back to custom: caption, glyph and result stay.
    Button->SetKind(TBitBtnKind::bkCustom);
    EXPECT_EQ(Button->Caption(), "&No");
    EXPECT_EQ(Button->ModalResult(), mrNo);
    for (int Kind = 1; Kind <= 10; ++Kind)
        EXPECT_EQ(StockGlyph(static_cast<TBitBtnKind>(Kind)).Width(), 32) << Kind;
}

TEST_F(Buttons, AStoredCaptionWinsOverTheKindsWhileLoading) {
    TForm Holder(nullptr);
    Holder.SetName("Holder");
    ReadLayout("object Holder: TForm\n"
               "  object Stored: TTeThemeButton\n    Caption = 'Proceed'\n    Kind = bkOK\n  end\n"
               "  object Plain: TTeThemeButton\n    Kind = bkCancel\n  end\n"
               "end\n",
               &Holder);
    auto* Stored = dynamic_cast<TTeThemeButton*>(Holder.FindComponent("Stored"));
    auto* Plain = dynamic_cast<TTeThemeButton*>(Holder.FindComponent("Plain"));
    ASSERT_TRUE(Stored && Plain);
    EXPECT_EQ(Stored->Caption(), "Proceed");
    EXPECT_EQ(Stored->ModalResult(), mrOk);
    EXPECT_EQ(Plain->Caption(), "Cancel");
    EXPECT_EQ(Plain->Version(), "2.9.0");
}

TEST_F(Buttons, ALinkedActionGivesCaptionClickAndItsImageAsTheGlyph) {
    auto* Images = new TImageList(Form.get());
    auto Picture = GlyphOf(16, 16, clRed);
    Images->AddMasked(Picture.get(), clFuchsia);
    auto* List = new TActionList(Form.get());
    List->SetImages(Images);
    auto* Action = new TAction(Form.get());
    Action->SetActionList(List);
    Action->SetCaption("&Capture");
    Action->SetImageIndex(0);
    Action->SetOnExecute(MakeEvent(this, &Buttons::ActionRun));
    Button->OnClick = {};
    Button->SetAction(Action);
    EXPECT_EQ(Button->Caption(), "&Capture");
    EXPECT_EQ(Button->Glyph()->Width(), 16);
    EXPECT_EQ(Button->Glyph()->Height(), 16);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    Button->Click();
    EXPECT_EQ(ActionRuns, 1);
    // The action changes: the button follows.
    Action->SetCaption("Again");
    EXPECT_EQ(Button->Caption(), "Again");
    // A freed action leaves the button working with the handler it took over.
    delete Action;
    EXPECT_EQ(Button->Action(), nullptr);
    Button->Click();
    EXPECT_EQ(ActionRuns, 2);
}

TEST_F(Buttons, CancelSetsTheCancelResultAndClickHandsItToTheForm) {
    Button->SetCancel(true);
    EXPECT_EQ(Button->ModalResult(), mrCancel);
    Button->SetModalResult(mrRetry);
    Button->SetCancel(false);
    EXPECT_EQ(Button->ModalResult(), mrCancel);
    Button->SetModalResult(mrYes);
    Button->Click();
    EXPECT_EQ(Form->ModalResult(), mrYes);
    EXPECT_EQ(Clicks, 1);
    // Without a form to hand the result to, a click still clicks.
    TTeThemeButton Loose(nullptr);
    Loose.SetModalResult(mrOk);
    Loose.Click();
}

TEST_F(Buttons, TheThemedFaceShowsTheStateInItsOrder) {
    TTeThemeEngine Engine(nullptr);
    TRecordingTheme& Theme = LinkRecordingTheme(Engine);
    const auto FaceNow = [&] {
        Button->Invalidate();
        Button->RenderSurface();
        return Theme.States.back();
    };
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsNormal);
    EXPECT_EQ(SurfacePixel(Button->Surface(), 30, 10),
              TRecordingTheme::FaceColor(TTeDrawState::tdsNormal));
    Button->SetDefault(true);
    Button->Perform(CM_FOCUSCHANGED, 0, 0);
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsDefault);
    Button->Perform(CM_ENTER);
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsFocused);
    Button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsHot);
    Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsPressed);
    Button->SetEnabled(false);
    EXPECT_EQ(FaceNow(), TTeDrawState::tdsDisabled);
}

namespace {

// Every pixel of both buttons' renders is the same.
bool SameFace(TTeThemeButton& Kept, TTeThemeButton& Fresh) {
    Kept.Invalidate();
    Kept.RenderSurface();
    Fresh.Invalidate();
    Fresh.RenderSurface();
    for (int Y = 0; Y < Kept.Height(); ++Y)
        for (int X = 0; X < Kept.Width(); ++X)
            if (SurfacePixel(Kept.Surface(), X, Y) != SurfacePixel(Fresh.Surface(), X, Y))
                return false;
    return true;
}

} // namespace

TEST_F(Buttons, TheCaptionIsPlacedAfreshWhenItOrItsFontChanges) {
    Button->SetCaption("OK");
    Button->SetTransparent(false);
    Button->HandleNeeded();
    Button->Invalidate();
    Button->RenderSurface();
    // A button that never showed the earlier caption or font draws what a kept one must.
    const auto Fresh = [&] {
        auto* Other = new TTeThemeButton(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 50, 75, 25);
        Other->SetTransparent(false);
        Other->SetCaption(Button->Caption());
        Other->Font()->Assign(Button->Font());
        Other->HandleNeeded();
        return Other;
    };
    Button->SetCaption("A &much wider caption");
    EXPECT_TRUE(SameFace(*Button, *Fresh()));
    Button->Font()->SetHeight(-20);
    EXPECT_TRUE(SameFace(*Button, *Fresh()));
    Button->Font()->SetStyle({TFontStyle::fsBold});
    EXPECT_TRUE(SameFace(*Button, *Fresh()));
    Button->Font()->SetName("Courier New");
    EXPECT_TRUE(SameFace(*Button, *Fresh()));
    // The colour alone keeps the measurements but still shows.
    Button->Font()->SetColor(clRed);
    EXPECT_TRUE(SameFace(*Button, *Fresh()));
    // A glyph beside the caption takes the caption's measured width.
    auto Glyph = GlyphOf(16, 16, clGreen);
    Button->SetGlyph(Glyph.get());
    TTeThemeButton* WithGlyph = Fresh();
    WithGlyph->SetGlyph(Glyph.get());
    EXPECT_TRUE(SameFace(*Button, *WithGlyph));
}

TEST_F(Buttons, AnUnchangedButtonShowsItsLastRenderAgain) {
    TTeThemeEngine Engine(nullptr);
    TRecordingTheme& Theme = LinkRecordingTheme(Engine);
    ValidateRect(Form->Handle(), nullptr);
    // Whether asking for a repaint drew the face again.
    const auto Rendered = [&] {
        const size_t Before = Theme.States.size();
        Button->Invalidate();
        Button->RenderSurface();
        EXPECT_FALSE(Button->Dirty());
        return Theme.States.size() != Before;
    };
    EXPECT_TRUE(Rendered());
    EXPECT_FALSE(Rendered());
    Button->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(Button->Surface().DC()), 0);
    EXPECT_FALSE(Rendered());

    // Each change of what shows renders once.
    const std::vector<std::pair<const char*, std::function<void()>>> Changes{
        {"caption", [&] { Button->SetCaption("Other"); }},
        {"font", [&] { Button->Font()->SetHeight(-19); }},
        {"font colour", [&] { Button->Font()->SetColor(clRed); }},
        {"colour", [&] { Button->SetColor(clYellow); }},
        {"mouse over it", [&] { Button->Perform(CM_MOUSEENTER); }},
        {"pressed", [&] { Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }},
        {"released", [&] { Button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(500, 500)); }},
        {"mouse gone", [&] { Button->Perform(CM_MOUSELEAVE); }},
        {"focused", [&] { Button->Perform(CM_ENTER); }},
        {"disabled", [&] { Button->SetEnabled(false); }},
        {"glyph", [&] { Button->SetGlyph(GlyphOf(16, 16, clGreen).get()); }},
        {"glyph drawn on", [&] { Button->Glyph()->Canvas()->SetPixels(3, 3, clBlack); }},
        {"layout", [&] { Button->SetLayout(TButtonLayout::blGlyphTop); }},
        {"size", [&] { Button->SetBounds(10, 10, 80, 25); }},
        {"moved over the parent", [&] { Button->SetBounds(12, 10, 80, 25); }},
        {"parent painted", [&] { Form->Perform(WM_PAINT, 0, 0); }},
        {"theme hue", [&] { Engine.SetDeltaHue(40); }},
    };
    for (const auto& [What, Change] : Changes) {
        Change();
        ValidateRect(Form->Handle(), nullptr);
        EXPECT_TRUE(Rendered()) << What;
        EXPECT_FALSE(Rendered()) << What;
    }
    // What lies behind changes: the parent, a graphic control under the button, or the
    // parent's own parent asks to be painted.
    auto* Under = new TShape(Form.get());
    Under->SetParent(Form.get());
    Under->SetBounds(0, 0, 40, 40);
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(0, 100, 200, 60);
    auto* OnPanel = new TTeThemeButton(Form.get());
    OnPanel->SetParent(Panel);
    OnPanel->SetThemeEngine(&Engine);
    OnPanel->HandleNeeded();
    OnPanel->RenderSurface();
    const auto PanelButtonRendered = [&] {
        const size_t Before = Theme.States.size();
        OnPanel->Invalidate();
        OnPanel->RenderSurface();
        return Theme.States.size() != Before;
    };
    EXPECT_FALSE(PanelButtonRendered());
    Form->Invalidate();
    EXPECT_TRUE(Rendered());
    EXPECT_TRUE(PanelButtonRendered());
    Under->Brush()->SetColor(clRed);
    EXPECT_TRUE(Rendered());
    PanelButtonRendered();
    Panel->Invalidate();
    EXPECT_FALSE(Rendered());
    EXPECT_TRUE(PanelButtonRendered());
    Form->Repaint();
    EXPECT_TRUE(Rendered());
    EXPECT_TRUE(PanelButtonRendered());
    // The host's visual style changed: it shows in a theme's face but lists nowhere.
    Button->Perform(WM_THEMECHANGED);
    EXPECT_TRUE(Rendered());
    // An opaque button shows nothing of what lies behind.
    Button->SetTransparent(false);
    EXPECT_TRUE(Rendered());
    Form->Invalidate();
    EXPECT_FALSE(Rendered());

    Engine.SetTheme(std::make_unique<TRecordingTheme>());
    Button->Invalidate();
    Button->RenderSurface();
    EXPECT_EQ(dynamic_cast<TRecordingTheme&>(*Engine.Theme()).States.size(), 1u);
}

TEST_F(Buttons, WithoutAnAvailableThemeTheFaceIsThePlainOne) {
    auto Engine = std::make_unique<TTeThemeEngine>(nullptr);
    Engine->SetThemeClass(TTeTheme::Class);
    Button->SetThemeEngine(Engine.get());
    Button->SetTransparent(false);
    Button->SetColor(clSilver);
    Button->HandleNeeded();
    Button->Invalidate();
    Button->RenderSurface();
    const TKsBitmap& Face = Button->Surface();
    EXPECT_EQ(SurfacePixel(Face, 0, 0), ColorToKsColor(clBtnHighlight, 255));
    EXPECT_EQ(SurfacePixel(Face, 74, 24), KsBlack);
    EXPECT_EQ(SurfacePixel(Face, 73, 23), ColorToKsColor(clBtnShadow, 255));
    // The engine goes: the button forgets it and stays plain.
    Engine.reset();
    EXPECT_EQ(Button->ThemeEngine(), nullptr);
    Button->Invalidate();
    Button->RenderSurface();
    EXPECT_EQ(SurfacePixel(Face, 0, 0), ColorToKsColor(clBtnHighlight, 255));
}

TEST_F(Buttons, UnderTheHostsStyleSwitchedOffTheFaceIsThePlainOne) {
    TTeThemeEngine Engine(nullptr);
    Engine.SetThemeClass(TTeThemeXP::Class);
    ASSERT_EQ(&Engine.Theme()->ThemeClass(), &TTeThemeXP::Class);
    Button->SetThemeEngine(&Engine);
    Button->SetTransparent(false);
    Button->SetColor(clSilver);
    Button->HandleNeeded();
    const TKsBitmap& Face = Button->Surface();
    const auto Render = [&] {
        Button->Invalidate();
        Button->RenderSurface();
        return SurfacePixel(Face, 0, 0);
    };
    TTeVisualStylesApi Off = VisualStyles();
    Off.IsThemeActive = StylesOff;
    const TTeVisualStylesApi Host = SetVisualStyles(Off);
    const TKsColor Plain = Render();
    SetVisualStyles(Host);
    EXPECT_EQ(Plain, ColorToKsColor(clBtnHighlight, 255));
    EXPECT_NE(Render(), Plain) << "the host's own button once its style is on again";
}

TEST_F(Buttons, DisabledGlyphsAreGreyOrTheirOwnCell) {
    Button->HandleNeeded();
    Button->SetCaption("");
    auto One = GlyphOf(16, 16, clRed);
    One->Canvas()->SetPixels(0, 15, clWhite); // the transparent colour: bottom-left pixel
    Button->SetGlyph(One.get());
    Button->SetEnabled(false);
    Button->Invalidate();
    Button->RenderSurface();
    // Red has lightness 0.5: grey level round(25) + 160.
    const int X = (75 - 16) / 2 + 8;
    const int Y = (25 - 16) / 2 + 8;
    EXPECT_EQ(SurfacePixel(Button->Surface(), X, Y), 0xFFB9B9B9u);

    auto Two = GlyphOf(32, 16, clRed);
    Two->Canvas()->SetPixels(0, 15, clWhite);
    Two->Canvas()->Brush()->SetColor(clLime);
    const RECT Second{16, 0, 32, 16};
    Two->Canvas()->FillRect(Second);
    Button->SetGlyph(Two.get());
    EXPECT_EQ(Button->NumGlyphs(), 2);
    Button->Invalidate();
    Button->RenderSurface();
    EXPECT_EQ(SurfacePixel(Button->Surface(), X, Y), 0xFF00FF00u);
}

TEST_F(Buttons, StockKindsDrawTheCompiledInGlyphOverTheFace) {
    Button->HandleNeeded();
    Button->SetKind(TBitBtnKind::bkOK);
    Button->SetCaption("");
    const auto ColoursInside = [&] {
        Button->Invalidate();
        Button->RenderSurface();
        std::set<TKsColor> Colours;
        for (int Y = 4; Y < 21; ++Y)
            for (int X = 4; X < 71; ++X)
                Colours.insert(SurfacePixel(Button->Surface(), X, Y));
        return Colours;
    };
    const TKsColor Lime = 0xFF00FF00u, Olive = 0xFF808000u;
    // The check mark shows; its olive background is transparent.
    const std::set<TKsColor> Normal = ColoursInside();
    EXPECT_TRUE(Normal.count(Lime));
    EXPECT_FALSE(Normal.count(Olive));
    // Disabled, the second cell: the mark embossed in grey and white.
    Button->SetEnabled(false);
    const std::set<TKsColor> Disabled = ColoursInside();
    EXPECT_TRUE(Disabled.count(0xFF808080u));
    EXPECT_TRUE(Disabled.count(KsWhite));
    EXPECT_FALSE(Disabled.count(Lime));
    EXPECT_FALSE(Disabled.count(Olive));
}

TEST_F(Buttons, DialogKeysPressDefaultAndCancelButtons) {
    Form->Show();
    Button->SetDefault(true);
    Button->Perform(CM_FOCUSCHANGED, 0, 0);
    EXPECT_EQ(Button->Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Button->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0);
    Button->SetCancel(true);
    EXPECT_EQ(Button->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 1);
    EXPECT_EQ(Clicks, 2);
    // With Alt held nothing is pressed.
    EXPECT_EQ(Button->Perform(CM_DIALOGKEY, VK_RETURN, 0x20000000), 0);
}

namespace {

POINT ScreenPoint(const TControl& Control, int X, int Y) {
    return Control.ClientToScreen(POINT{X, Y});
}

// Moves the pointer to Point until the program has seen it there (Seen answers true); a
// loaded host may merge or drop a single move.
bool MoveUntilSeen(POINT Point, const std::function<bool()>& Seen) {
    for (int Attempt = 0; Attempt < 10; ++Attempt) {
        MoveMouseTo(Point.x + Attempt % 2, Point.y);
        if (PumpUntil(Seen, 100))
            return true;
    }
    return false;
}

} // namespace

TEST_F(Buttons, AUserClicksOnlyByReleasingOverTheButton) {
    Button->SetCaption("&Go");
    auto* Other = new TTeThemeButton(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(10, 60, 75, 25);
    Other->OnClick = MakeEvent(this, &Buttons::ButtonClick);
    BringForward(*Form);

    const POINT Inside = ScreenPoint(*Button, 30, 12);
    const POINT Outside = ScreenPoint(*Button, 30, 80);
    MoveMouseTo(Inside.x, Inside.y);
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Button->Down(); }, 1000));
    ASSERT_TRUE(MoveUntilSeen(Outside, [&] { return !Button->Down(); }));
    ReleaseMouse(VK_LBUTTON);
    PumpMessagesFor(100);
    EXPECT_EQ(Clicks, 0);

    MoveMouseTo(Inside.x, Inside.y);
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Button->Down(); }, 1000));
    ASSERT_TRUE(MoveUntilSeen(Outside, [&] { return !Button->Down(); }));
    ASSERT_TRUE(MoveUntilSeen(Inside, [&] { return Button->Down(); }));
    ReleaseMouse(VK_LBUTTON);
    EXPECT_TRUE(PumpUntil([&] { return Clicks == 1; }, 1000));

    // Hovering shows the hot face.
    EXPECT_TRUE(PumpUntil([&] { return Button->MouseInside(); }, 1000));

    // Space on the focused button, Alt with the accelerator on another control's focus.
    ASSERT_TRUE(PumpUntil([&] { return Button->Focused(); }, 1000));
    PressKey(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return Clicks == 2; }, 1000));
    Other->SetFocus();
    PressKeyWith(VK_MENU, 'G');
    EXPECT_TRUE(PumpUntil([&] { return Clicks == 3; }, 1000));
    // The default button is not pressed by Return while another button has the focus: that
    // one is.
    Button->SetDefault(true);
    Other->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return OtherClicks == 1; }, 1000));
    EXPECT_EQ(Clicks, 3);
}

TEST_F(Buttons, APressIsOverWhenAnotherWindowTakesTheMouse) {
    auto* Other = new TTeThemeButton(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(10, 60, 75, 25);
    BringForward(*Form);
    const POINT Inside = ScreenPoint(*Button, 30, 12);
    MoveMouseTo(Inside.x, Inside.y);
    PressMouse(VK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return Button->Down(); }, 1000));
    SetCapture(Other->Handle());
    EXPECT_TRUE(PumpUntil([&] { return !Button->Down(); }, 1000));
    ReleaseMouse(VK_LBUTTON);
    PumpMessagesFor(100);
    ReleaseCapture();
    EXPECT_EQ(Clicks, 0);
}
