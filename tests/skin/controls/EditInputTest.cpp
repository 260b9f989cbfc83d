// The edit on a window under real input (SendInput on the Wine desktop): typing Chinese and
// characters beyond the 16-bit range, Backspace and undo by the character, word moves by
// Ctrl+arrows, selections by Shift and the mouse held within the text, the clipboard as
// Unicode text, MaxLength, ReadOnly and hidden text, text set from code, the caret of a
// font change, and the window text of typed text.
#include "EditTestSupport.h"
#include "WindowTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/Clipboard.h"
#include "framework/windows/Caret.h"
#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsEdits.h"
#include "skin/graphics/KsUtils.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// U+1F600, one character of two UTF-16 units.
const std::string Smile = "\xF0\x9F\x98\x80";

class EditInput : public EditOnScreen {};

TEST_F(EditInput, CharactersAreTypedDeletedAndUndoneWhole) {
    Type("截图" + Smile + "ok");
    EXPECT_EQ(Edit->Text(), "截图" + Smile + "ok");
    EXPECT_EQ(Edit->TextLength(), 5);
    EXPECT_EQ(Edit->CaretPos(), 5);
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_BACK); // the character of two units goes as one
    EXPECT_EQ(Edit->Text(), "截图ok");
    EXPECT_EQ(Edit->CaretPos(), 2);
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "截图" + Smile + "ok");
    Chord(VK_CONTROL, 'Z'); // the typing run goes in one step
    EXPECT_EQ(Edit->Text(), "");
}

// Words end at spaces, the ideographic space of Chinese text included; a character of two
// UTF-16 units is one character of a word.
TEST_F(EditInput, CtrlArrowsMoveByWords) {
    Type("截取\u3000图" + Smile + " ok");
    ASSERT_EQ(Edit->TextLength(), 8);
    for (const int Stop : {6, 3, 0, 0}) {
        Chord(VK_CONTROL, VK_LEFT);
        EXPECT_EQ(Edit->CaretPos(), Stop);
    }
    for (const int Stop : {3, 6, 8, 8}) {
        Chord(VK_CONTROL, VK_RIGHT);
        EXPECT_EQ(Edit->CaretPos(), Stop);
    }
}

TEST_F(EditInput, ShiftSelectionsStayWithinTheText) {
    Type("abc");
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_LEFT); // nothing left of the first character
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 0);
    Chord(VK_SHIFT, VK_END);
    Chord(VK_SHIFT, VK_RIGHT); // nothing right of the last
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 3);
    EXPECT_EQ(Edit->SelText(), "abc");
    Edit->SetSelStart(-5);
    Edit->SetSelLength(40);
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 3);
}

TEST_F(EditInput, AMouseDragPastTheEndSelectsToTheEndOnly) {
    Type("drag me");
    const RECT Text = Edit->GetTextRect();
    const POINT From = Edit->ClientToScreen(POINT{Text.left + 1, (Text.top + Text.bottom) / 2});
    const POINT To = Edit->ClientToScreen(POINT{Text.right + 40, (Text.top + Text.bottom) / 2});
    DragMouse(From, To);
    PumpMessagesFor(50);
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 7);
    EXPECT_EQ(Edit->SelText(), "drag me");
    Key(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "");
}

TEST_F(EditInput, TheClipboardCarriesUnicodeTextAndPasteTakesOneLine) {
    Type("图片" + Smile);
    Chord(VK_CONTROL, 'A'); // not a chord of the edit: nothing happens
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_END);
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(Clipboard()->AsText(), "图片" + Smile);

    Clipboard()->SetAsText("one\ttwo\r\nthree");
    Key(VK_END);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "图片" + Smile + "onetwo");

    // Nothing to paste: the selection stays.
    Clipboard()->Clear();
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "图片" + Smile + "onetwo");
    EXPECT_EQ(Edit->SelLength(), 1);
}

TEST_F(EditInput, OnlyShiftDeleteCuts) {
    Type("abcd");
    Clipboard()->SetAsText("kept");
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_SHIFT, VK_BACK);
    EXPECT_EQ(Edit->Text(), "bcd");
    EXPECT_EQ(Clipboard()->AsText(), "kept");
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(Edit->Text(), "cd");
    EXPECT_EQ(Clipboard()->AsText(), "b");
}

TEST_F(EditInput, HiddenTextIsNeverCopiedOrCut) {
    Edit->SetPasswordKind(TPasswordKind::pkCircle);
    Type("secret");
    Clipboard()->SetAsText("kept");
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_END);
    Chord(VK_CONTROL, 'C');
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(Clipboard()->AsText(), "kept");
    EXPECT_EQ(Edit->Text(), "secret");
}

TEST_F(EditInput, MaxLengthLimitsTypingPasteAndUndoAndNeverGoesNegative) {
    Edit->SetMaxLength(5);
    Type("abcdefg");
    EXPECT_EQ(Edit->Text(), "abcde");
    Clipboard()->SetAsText("XYZ");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "abcde");
    // Neither the refused characters nor Delete at the end are recorded: one undo step
    // takes the whole typing run.
    Key(VK_DELETE);
    ASSERT_EQ(Edit->UndoStack().Count(), 1);
    EXPECT_EQ(Edit->UndoStack().Peek()->Length, 5);
    // Text set from code may be longer than the limit; pasting then adds nothing.
    Edit->SetText("abcdefgh");
    Key(VK_END);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Edit->Text(), "abcdefgh");
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "abcdefg");
    // Undoing into a text already past the limit puts nothing back.
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "abcdefg");
}

TEST_F(EditInput, UndoIntoAFullEditPutsBackWhatFits) {
    Type("abcde");
    Key(VK_BACK);
    Key(VK_BACK);
    Edit->SetMaxLength(4);
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "abcd");
    EXPECT_EQ(Edit->SelText(), "d");
}

TEST_F(EditInput, TextFromCodeHoldsCaretAndSelectionAndStartsANewHistory) {
    Type("a long piece of text");
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_END);
    Edit->SetText("short");
    EXPECT_LE(Edit->CaretPos(), 5);
    EXPECT_EQ(Edit->SelLength(), 0);
    EXPECT_LE(Edit->FirstVisible(), 5);
    EXPECT_TRUE(Edit->UndoStack().Empty());
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "short");
}

TEST_F(EditInput, ReadOnlyRefusesChangesUndoIncluded) {
    Type("abc");
    Edit->SetReadOnly(true);
    Type("d");
    Key(VK_BACK);
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Edit->Text(), "abc");
    EXPECT_FALSE(Edit->CanUndo());
    EXPECT_EQ(SendMessageW(Edit->Handle(), WM_UNDO, 0, 0), 0);
    EXPECT_EQ(Edit->Text(), "abc");
    Key(VK_HOME);
    Chord(VK_SHIFT, VK_END);
    Chord(VK_CONTROL, 'C'); // copying still works
    EXPECT_EQ(Clipboard()->AsText(), "abc");
}

// The host keeps one caret for the thread: a font change gives the focused edit a caret of
// the new height where its caret position now lies, and leaves the caret alone when the
// edit changed has no focus.
TEST_F(EditInput, AFontChangeRemakesTheCaretOnlyOfTheFocusedEdit) {
    auto* Other = new TKsEdit(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(20, 60, 300, 21);
    Type("abc");
    Key(VK_LEFT);
    const auto Caret = [this] {
        GUITHREADINFO Info{};
        Info.cbSize = sizeof(Info);
        EXPECT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &Info));
        EXPECT_EQ(Info.hwndCaret, Edit->Handle());
        return Info.rcCaret;
    };
    const auto ExpectCaretAtThePosition = [&] {
        const RECT Now = Caret();
        EXPECT_EQ(Now.left, Edit->CharToX(Edit->CaretPos()));
        EXPECT_EQ(Now.top, Edit->GetTextRect().top);
        EXPECT_EQ(RectHeight(Now), Edit->LineHeight());
    };
    ExpectCaretAtThePosition();
    const RECT Before = Caret();
    const int Height = Edit->LineHeight();
    const int X = Edit->CharToX(Edit->CaretPos());

    Other->Font()->SetSize(24);
    EXPECT_TRUE(TWindowCaret::OwnedBy(Edit->Handle()));
    EXPECT_TRUE(EqualRect(Caret(), Before));

    Edit->Font()->SetSize(20);
    EXPECT_TRUE(TWindowCaret::OwnedBy(Edit->Handle()));
    EXPECT_GT(Edit->LineHeight(), Height);
    EXPECT_GT(Edit->CharToX(Edit->CaretPos()), X);
    ExpectCaretAtThePosition();
    Type("d");
    EXPECT_EQ(Edit->Text(), "abdc");
}

// Typed characters are not each sent to the window manager, yet the window text is the
// typed text whenever it is asked for, and the window manager holds it once the focus
// leaves (other programs find the edit by it then).
TEST_F(EditInput, TheWindowTextIsTheTypedText) {
    auto* Other = new TKsEdit(Form.get());
    Other->SetParent(Form.get());
    Other->SetBounds(20, 60, 300, 21);
    Type("截图ok");
    wchar_t Buffer[64] = {};
    EXPECT_EQ(GetWindowTextLengthW(Edit->Handle()), 4);
    GetWindowTextW(Edit->Handle(), Buffer, 64);
    EXPECT_EQ(std::wstring(Buffer), L"截图ok");
    Type("!");
    Other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Other->Handle(); }));
    EXPECT_EQ(FindWindowExW(Form->Handle(), nullptr, nullptr, L"截图ok!"), Edit->Handle());
    InternalGetWindowText(Edit->Handle(), Buffer, 64);
    EXPECT_EQ(std::wstring(Buffer), L"截图ok!");
}

// An edit that takes no digits.
class TLettersEdit : public TKsEdit {
public:
    using TKsEdit::TKsEdit;

protected:
    bool ValidateText(const std::string& NewText) override {
        return NewText.find_first_of("0123456789") == std::string::npos;
    }
};

TEST_F(EditInput, ARefusedChangeLeavesNothingToUndo) {
    auto* Letters = new TLettersEdit(Form.get());
    Letters->SetParent(Form.get());
    Letters->SetBounds(20, 60, 300, 21);
    Letters->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Letters->Handle(); }));
    Type("a1b");
    EXPECT_EQ(Letters->Text(), "ab");
    Clipboard()->SetAsText("22");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Letters->Text(), "ab");
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Letters->Text(), "");
    EXPECT_TRUE(Letters->UndoStack().Empty());
}

} // namespace
