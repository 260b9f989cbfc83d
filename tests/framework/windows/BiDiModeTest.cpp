// Reading order: the DrawText flags a mode gives with the host's right-to-left switch on and
// off, how controls take their parent's mode, and the mode in window layouts.
#include "WindowTestSupport.h"

#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The host's right-to-left switch set for the length of a scope.
class TMiddleEastSwitch {
public:
    explicit TMiddleEastSwitch(bool On) : FPrevious(SetMiddleEastQuery([On] { return On; })) {}
    TMiddleEastSwitch(const TMiddleEastSwitch&) = delete;
    TMiddleEastSwitch& operator=(const TMiddleEastSwitch&) = delete;
    ~TMiddleEastSwitch() { SetMiddleEastQuery(std::move(FPrevious)); }

private:
    TMiddleEastQuery FPrevious;
};

constexpr uint32_t Left = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
constexpr uint32_t Right = DT_RIGHT | DT_SINGLELINE | DT_VCENTER;
constexpr uint32_t Center = DT_CENTER | DT_SINGLELINE | DT_VCENTER;

TEST(BiDiMode, RightToLeftModesTurnAlignmentAndReadingOnlyWithTheSystemSwitchOn) {
    TLabel Label(nullptr);
    struct TCase {
        TBiDiMode Mode;
        bool Alignment;
        bool Reading;
        uint32_t FromLeft, FromRight, FromCenter;
    };
    const TCase Cases[] = {
        {TBiDiMode::bdLeftToRight, false, false, Left, Right, Center},
        {TBiDiMode::bdRightToLeft, true, true, Right | DT_RTLREADING, Left | DT_RTLREADING,
         Center | DT_RTLREADING},
        {TBiDiMode::bdRightToLeftNoAlign, false, true, Left | DT_RTLREADING, Right | DT_RTLREADING,
         Center | DT_RTLREADING},
        {TBiDiMode::bdRightToLeftReadingOnly, false, true, Left | DT_RTLREADING,
         Right | DT_RTLREADING, Center | DT_RTLREADING},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(static_cast<int>(Case.Mode));
        Label.SetBiDiMode(Case.Mode);
        {
            const TMiddleEastSwitch On(true);
            EXPECT_EQ(Label.UseRightToLeftAlignment(), Case.Alignment);
            EXPECT_EQ(Label.UseRightToLeftReading(), Case.Reading);
            EXPECT_EQ(Label.DrawTextBiDiModeFlags(Left), Case.FromLeft);
            EXPECT_EQ(Label.DrawTextBiDiModeFlags(Right), Case.FromRight);
            EXPECT_EQ(Label.DrawTextBiDiModeFlags(Center), Case.FromCenter);
            EXPECT_EQ(DrawTextBiDiModeFlags(Case.Mode, Left), Case.FromLeft);
        }
        const TMiddleEastSwitch Off(false);
        EXPECT_FALSE(Label.UseRightToLeftAlignment());
        EXPECT_FALSE(Label.UseRightToLeftReading());
        for (const uint32_t Flags : {Left, Right, Center})
            EXPECT_EQ(Label.DrawTextBiDiModeFlags(Flags), Flags);
    }
}

TEST(BiDiMode, ControlsTakeTheirParentsModeUntilTheyHaveOneOfTheirOwn) {
    TForm Form(nullptr);
    auto* Panel = new TPanel(&Form);
    Panel->SetParent(&Form);
    auto* Label = new TLabel(&Form);
    Label->SetParent(Panel);
    EXPECT_EQ(Label->BiDiMode(), TBiDiMode::bdLeftToRight);
    EXPECT_TRUE(Label->ParentBiDiMode());

    Form.SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_FALSE(Form.ParentBiDiMode());
    EXPECT_EQ(Panel->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_EQ(Label->BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(Label->ParentBiDiMode());

    // A mode of its own, even the one it had, ends the panel's inheritance, not the label's.
    Panel->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_FALSE(Panel->ParentBiDiMode());
    Panel->SetBiDiMode(TBiDiMode::bdRightToLeftNoAlign);
    Form.SetBiDiMode(TBiDiMode::bdRightToLeftReadingOnly);
    EXPECT_EQ(Panel->BiDiMode(), TBiDiMode::bdRightToLeftNoAlign);
    EXPECT_EQ(Label->BiDiMode(), TBiDiMode::bdRightToLeftNoAlign);
    EXPECT_TRUE(Label->ParentBiDiMode());

    Panel->SetParentBiDiMode(true);
    EXPECT_EQ(Panel->BiDiMode(), TBiDiMode::bdRightToLeftReadingOnly);
    EXPECT_EQ(Label->BiDiMode(), TBiDiMode::bdRightToLeftReadingOnly);

    // A control placed in a parent takes its mode then, unless it has its own.
    TButton Inheriting(nullptr), Own(nullptr);
    Own.SetBiDiMode(TBiDiMode::bdLeftToRight);
    Inheriting.SetParent(Panel);
    Own.SetParent(Panel);
    EXPECT_EQ(Inheriting.BiDiMode(), TBiDiMode::bdRightToLeftReadingOnly);
    EXPECT_EQ(Own.BiDiMode(), TBiDiMode::bdLeftToRight);
    Inheriting.SetParent(nullptr);
    Own.SetParent(nullptr);
}

TEST(BiDiMode, LayoutsStoreAModeOnlyWhereItIsTheControlsOwn) {
    RegisterControlClasses();
    TForm Form(nullptr);
    Form.SetName("Reading");
    Form.SetBiDiMode(TBiDiMode::bdRightToLeft);
    auto* Inheriting = new TPanel(&Form);
    Inheriting->SetName("Inheriting");
    Inheriting->SetParent(&Form);
    auto* Deep = new TLabel(&Form);
    Deep->SetName("Deep");
    Deep->SetParent(Inheriting);
    auto* Own = new TPanel(&Form);
    Own->SetName("Own");
    Own->SetParent(&Form);
    Own->SetBiDiMode(TBiDiMode::bdLeftToRight);

    const std::string Text = WriteLayout(&Form);
    auto Count = [&](const std::string& Line) {
        size_t Found = 0;
        for (size_t At = Text.find(Line); At != std::string::npos; At = Text.find(Line, At + 1))
            ++Found;
        return Found;
    };
    EXPECT_EQ(Count("BiDiMode = bdRightToLeft\n"), 1u) << Text;
    EXPECT_EQ(Count("BiDiMode = bdLeftToRight\n"), 1u) << Text;
    EXPECT_EQ(Count("ParentBiDiMode = False\n"), 2u) << Text;

    TForm Again(nullptr);
    ReadLayout(Text, &Again);
    auto ModeOf = [&](const char* Name) {
        const auto* Control = dynamic_cast<TControl*>(Again.FindComponent(Name));
        return Control ? std::make_pair(Control->BiDiMode(), Control->ParentBiDiMode())
                       : std::make_pair(TBiDiMode::bdRightToLeftNoAlign, false);
    };
    EXPECT_EQ(Again.BiDiMode(), TBiDiMode::bdRightToLeft);
    EXPECT_FALSE(Again.ParentBiDiMode());
    EXPECT_EQ(ModeOf("Inheriting"), std::make_pair(TBiDiMode::bdRightToLeft, true));
    EXPECT_EQ(ModeOf("Deep"), std::make_pair(TBiDiMode::bdRightToLeft, true));
    EXPECT_EQ(ModeOf("Own"), std::make_pair(TBiDiMode::bdLeftToRight, false));
    EXPECT_EQ(WriteLayout(&Again), Text);
}

} // namespace
