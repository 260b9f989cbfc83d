#include "LayoutSamples.h"

#include "framework/core/LayoutFormatter.h"
#include "framework/core/LayoutParser.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class Layout : public testing::Test {
protected:
    void SetUp() override {
        RegisterSampleClasses();
        TSampleLog::Instance().Clear();
    }

    static std::unique_ptr<TSampleForm> Read(const std::string& Text) {
        auto Form = std::make_unique<TSampleForm>(nullptr);
        ReadLayout(Text, Form.get());
        return Form;
    }

    static TSampleControl* Control(TComponent& Root, const std::string& Name) {
        return dynamic_cast<TSampleControl*>(Root.FindComponent(Name));
    }

    // The message of the read error that Text raises.
    static std::string ReadError(const std::string& Text) {
        TSampleForm Form(nullptr);
        try {
            ReadLayout(Text, &Form);
        } catch (const EReadError& E) {
            return E.Message();
        }
        return "no error";
    }
};

const char* const FullLayout = R"(object Main: TSampleForm
  Engine = Engine1
  object Engine1: TSampleEngine
    ThemeClass = {04000000 4C756E61}
  end
  object Panel: TSampleControl
    Caption = 'It''s '#13#10'two lines'
    Width = $20
    Visible = False
    Align = alClient
    Anchors = [akRight, akBottom]
    Color = clRed
    Ratio = 0.25
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold, fsItalic]
    Items.Strings = (
      'one'
      'two')
    ShowHint = True
    Hint = 'help'
    OnClick = ButtonClick
    Data = {00FF10}
    Points = (
      1
      -2)
    object Button: TSampleControl
      Caption = #$4E2D#25991' text'
      Link = Panel
      OnKeyPress = KeyPressed
    end
  end
end
)";

TEST_F(Layout, ReadsEveryPropertyKind) {
    auto Form = Read(FullLayout);
    EXPECT_EQ(Form->Name(), "Main");
    auto* Panel = Control(*Form, "Panel");
    auto* Button = Control(*Form, "Button");
    ASSERT_TRUE(Panel && Button);
    EXPECT_EQ(Panel->Caption(), "It's \r\ntwo lines");
    EXPECT_EQ(Panel->Width(), 32);
    EXPECT_FALSE(Panel->Visible());
    EXPECT_EQ(Panel->Align(), TSampleAlign::alClient);
    EXPECT_EQ(Panel->Anchors(), (TSampleAnchors{TSampleAnchor::akRight, TSampleAnchor::akBottom}));
    EXPECT_EQ(Panel->Color(), 0xFF);
    EXPECT_EQ(Panel->Ratio(), 0.25);
    EXPECT_EQ(Panel->Font()->Height(), -12);
    EXPECT_EQ(Panel->Font()->Name(), "Arial");
    EXPECT_EQ(Panel->Items()->Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(Panel->Hint(), "help");
    EXPECT_EQ(Panel->Data, (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
    EXPECT_EQ(Panel->Points, (std::vector<int64_t>{1, -2}));
    EXPECT_EQ(Button->Caption(), "\xE4\xB8\xAD\xE6\x96\x87 text");
    EXPECT_EQ(Button->Link(), Panel);
    ASSERT_NE(Form->Engine(), nullptr);
    EXPECT_EQ(Form->Engine()->ThemeName, "Luna");

    // Events run the root's published method on the root.
    ASSERT_TRUE(Panel->OnClick);
    Panel->OnClick(Panel);
    EXPECT_EQ(Form->LastSender, Panel);
    TKeyChar Key = L'a';
    Button->OnKeyPress(Button, Key);
    EXPECT_EQ(Key, 0);

    // Children join their enclosing object.
    EXPECT_EQ(Panel->Parent(), Form.get());
    EXPECT_EQ(Button->Parent(), Panel);
    EXPECT_EQ(Button->Owner(), Form.get());
}

// The writer's form of FullLayout: decimal numbers, text as UTF-8.
std::string CanonicalLayout() {
    std::string Text = FullLayout;
    Text.replace(Text.find("$20"), 3, "32");
    const std::string Codes = "#$4E2D#25991'";
    Text.replace(Text.find(Codes), Codes.size(), "'\xE4\xB8\xAD\xE6\x96\x87");
    return Text;
}

TEST_F(Layout, WriterRoundTripsWhatItRead) {
    auto Form = Read(FullLayout);
    const std::string Written = WriteLayout(Form.get());
    EXPECT_EQ(Written, CanonicalLayout());
    auto Again = Read(Written);
    EXPECT_EQ(WriteLayout(Again.get()), Written);
}

TEST_F(Layout, WriterWritesOnlyStoredProperties) {
    TSampleForm Form(nullptr);
    Form.SetName("Main");
    auto* Button = new TSampleControl(&Form);
    Button->SetName("Button");
    Button->SetParentComponent(&Form);
    Button->SetHint("not stored while ShowHint is off");
    Button->SetWidth(64);
    Button->Font()->SetHeight(-11);
    EXPECT_EQ(WriteLayout(&Form), "object Main: TSampleForm\n"
                                  "  object Button: TSampleControl\n"
                                  "  end\n"
                                  "end\n");
    Button->SetShowHint(true);
    Button->SetSmall(-1);
    Button->SetColor(16); // a value without a name
    Button->OnClick = MakeEvent(&Form, &TSampleForm::OtherClick);
    EXPECT_EQ(WriteLayout(&Form), "object Main: TSampleForm\n"
                                  "  object Button: TSampleControl\n"
                                  "    Small = -1\n"
                                  "    Color = 16\n"
                                  "    ShowHint = True\n"
                                  "    Hint = 'not stored while ShowHint is off'\n"
                                  "    OnClick = OtherClick\n"
                                  "  end\n"
                                  "end\n");
}

TEST_F(Layout, WriterRefusesStateItCannotWrite) {
    TSampleForm Form(nullptr);
    Form.SetName("Main");
    TSampleForm Other(nullptr);
    auto* Button = new TSampleControl(&Form);
    Button->SetName("Button");
    Button->SetParentComponent(&Form);
    Button->OnClick = MakeEvent(&Other, &TSampleForm::ButtonClick); // not the root's method
    EXPECT_THROW(WriteLayout(&Form), EWriteError);
    Button->OnClick = {};
    Button->SetRatio(std::numeric_limits<double>::infinity());
    EXPECT_THROW(WriteLayout(&Form), EWriteError);
}

TEST_F(Layout, ReferenceAcrossRootsResolvesByName) {
    auto Main = Read("object MainFrm: TSampleForm\n"
                     "  object TeThemeEngine1: TSampleEngine\n"
                     "  end\n"
                     "end\n");
    TComponent::RegisterGlobalRoot(Main.get());
    auto About = Read("object AboutFrm: TSampleForm\n"
                      "  Engine = MainFrm.TeThemeEngine1\n"
                      "end\n");
    ASSERT_NE(About->Engine(), nullptr);
    EXPECT_EQ(About->Engine()->Owner(), Main.get());
    const std::string Written = WriteLayout(About.get());
    EXPECT_NE(Written.find("Engine = MainFrm.TeThemeEngine1"), std::string::npos);

    // Destroying the engine's window clears the reference of the other window.
    Main.reset();
    EXPECT_EQ(About->Engine(), nullptr);
    EXPECT_EQ(TComponent::FindGlobalComponent("MainFrm"), nullptr);
}

TEST_F(Layout, LoadedRunsAfterReferencesInCreationOrder) {
    auto Form = Read("object Main: TSampleForm\n"
                     "  object A: TSampleControl\n"
                     "    Caption = 'a'\n"
                     "    Link = C\n"
                     "    object B: TSampleControl\n"
                     "    end\n"
                     "  end\n"
                     "  object C: TSampleControl\n"
                     "  end\n"
                     "end\n");
    const auto& Log = TSampleLog::Instance();
    EXPECT_EQ(Log.Loaded, (std::vector<std::string>{"Main", "A", "B", "C"}));
    EXPECT_TRUE(Log.CaptionSetWhileReading);
    EXPECT_EQ(Control(*Form, "A")->Link(), Control(*Form, "C"));
    for (int I = 0; I < Form->ComponentCount(); ++I)
        EXPECT_TRUE(Form->Components(I)->ComponentState().Empty());
    EXPECT_TRUE(Form->ComponentState().Empty());
}

TEST_F(Layout, RootCreatedFromRegistryBelongsToCaller) {
    std::unique_ptr<TComponent> Root(
        ReadLayout("object X: TSampleForm\n  object Y: TSampleControl\n  end\nend\n", nullptr));
    ASSERT_NE(dynamic_cast<TSampleForm*>(Root.get()), nullptr);
    EXPECT_EQ(Root->ComponentCount(), 1);
}

TEST_F(Layout, StreamsCarryLayoutsBothWays) {
    auto Form = Read(FullLayout);
    TMemoryStream Stream;
    Stream.WriteBuffer("header", 6);
    WriteLayoutToStream(Stream, Form.get());
    Stream.SetPosition(6);
    TSampleForm Again(nullptr);
    ReadLayoutFromStream(Stream, &Again);
    EXPECT_EQ(WriteLayout(&Again), CanonicalLayout());
}

TEST_F(Layout, LongBinaryDataWrapsAndReadsBack) {
    TSampleForm Form(nullptr);
    Form.SetName("Main");
    auto* Panel = new TSampleControl(&Form);
    Panel->SetName("Panel");
    Panel->SetParentComponent(&Form);
    for (int I = 0; I < 40; ++I)
        Panel->Data.push_back(static_cast<uint8_t>(I * 7));
    const std::string Written = WriteLayout(&Form);
    EXPECT_NE(Written.find("    Data = {\n      00070E15 "), std::string::npos) << Written;
    auto Again = Read(Written);
    EXPECT_EQ(Control(*Again, "Panel")->Data, Panel->Data);
}

TEST_F(Layout, ParsedTextFormatsBackToTheSameTree) {
    const TLayoutObject Tree = ParseLayout("object A: T\n"
                                           "  S = 'x' + \n  'y'#0\n"
                                           "  F = 1e300\n"
                                           "  N = -0.0\n"
                                           "  E = []\n"
                                           "  L = ((1 2) ('a') [b])\n"
                                           "  B = {}\n"
                                           "  H = $FFFFFFFFFFFFFFFF\n"
                                           "  object T2\n  end\n"
                                           "end");
    EXPECT_EQ(ParseLayout(FormatLayout(Tree)), Tree);
    EXPECT_EQ(Tree.Properties[0].Value.Text, std::string("xy\0", 3));
    EXPECT_EQ(Tree.Properties.at(6).Value.Integer, -1);
    EXPECT_EQ(Tree.Children[0].ClassName, "T2");
}

struct TMalformed {
    const char* Text;
    const char* Message;
};

class MalformedLayout : public Layout, public testing::WithParamInterface<TMalformed> {};

TEST_P(MalformedLayout, RaisesReadErrorNamingLineAndProblemWithoutLeaks) {
    const int AliveBefore = TSampleLog::Instance().Alive;
    EXPECT_EQ(ReadError(GetParam().Text), GetParam().Message);
    EXPECT_EQ(TSampleLog::Instance().Alive, AliveBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedLayout,
    testing::Values(
        TMalformed{"object Main: TSampleForm\n  object A: TBogus\n  end\nend",
                   "Line 2: Class TBogus not found"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleFont\n  end\nend",
                   "Line 2: TSampleFont is not a component class"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n    Bogus = 1\n"
                   "  end\nend",
                   "Line 3: Property Bogus does not exist"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Font.Bogus = 1\n  end\nend",
                   "Line 3: Property Font.Bogus does not exist"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Width = 'wide'\n  end\nend",
                   "Line 3: Invalid value for property Width: Integer expected"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Width = -1\n  end\nend",
                   "Line 3: Error setting Width: Width cannot be negative"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Color = clPink\n  end\nend",
                   "Line 3: Invalid value for property Color: clPink is not a known name"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Small = 40000\n  end\nend",
                   "Line 3: Invalid value for property Small: 40000 is out of range"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Align = alBottom\n  end\nend",
                   "Line 3: Invalid value for property Align: alBottom is not a value of "
                   "TSampleAlign"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Visible = 1\n  end\nend",
                   "Line 3: Invalid value for property Visible: True or False expected"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Caption = 'open\n  end\nend",
                   "Line 3: Unterminated string"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n  end\n",
                   "Line 4: 'end' expected for object Main of line 1"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    Link = Nowhere\n  end\nend",
                   "Line 3: Cannot resolve reference Nowhere"},
        TMalformed{"object Main: TSampleForm\n  Engine = Gone.Engine1\nend",
                   "Line 2: Cannot resolve reference Gone.Engine1"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n  end\n"
                   "  object B: TSampleControl\n    Link = Main\n  end\nend",
                   "Line 5: Invalid value for property Link: Main is not a TSampleControl"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    OnClick = Missing\n  end\nend",
                   "Line 3: Invalid value for property OnClick: TSampleForm has no "
                   "published method Missing"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n"
                   "    OnClick = KeyPressed\n  end\nend",
                   "Line 3: Invalid value for property OnClick: method KeyPressed does not "
                   "fit the event"},
        TMalformed{"object Main: TSampleForm\n  object E: TSampleEngine\n"
                   "    ThemeClass = {04000000 4C75\n  end\nend",
                   "Line 4: Invalid binary data: 'n'"},
        TMalformed{"object Main: TSampleForm\n  object E: TSampleEngine\n"
                   "    ThemeClass = {04000000 4C75}\n  end\nend",
                   "Line 3: Error reading ThemeClass: Stream read error"},
        TMalformed{"object Main: TSampleForm\n  object E: TSampleEngine\n"
                   "    ThemeClass = {04000000 4C7",
                   "Line 3: Unterminated binary data"},
        TMalformed{"object Main: TSampleForm\n  object A: TSampleControl\n  end\n"
                   "  object A: TSampleControl\n  end\nend",
                   "Line 4: Cannot read A: A component named A already exists"},
        TMalformed{"object Main: TSampleForm\n  object 1A: TSampleControl\n  end\nend",
                   "Line 2: Invalid number"},
        TMalformed{"object Main: TSampleControl\nend",
                   "Line 1: A layout of TSampleControl cannot be read into a TSampleForm"},
        TMalformed{"object Main: TSampleForm\n  Engine = 1\nend",
                   "Line 2: Invalid value for property Engine: Component name expected"},
        TMalformed{"object Main: TSampleForm\nend\nobject",
                   "Line 3: Text after the end of the layout"},
        TMalformed{"object Main: TSampleForm\n  Tag = 99999999999999999999\nend",
                   "Line 2: Integer out of range"}));

TEST_F(Layout, DeepNestingIsRefused) {
    std::string Text;
    for (int I = 0; I < 100; ++I)
        Text += "object C" + std::to_string(I) + ": TSampleControl\n";
    EXPECT_EQ(ReadError(Text), "Line 65: Objects nested too deeply");
}

} // namespace
