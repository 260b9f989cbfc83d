// TKsCustomEdit: a single-line text edit drawn by the skinning layer instead of the host's
// edit control. It keeps its text as the control's window text, paints text, selection and
// the glyphs of hidden (password) text into its surface, drives the system caret, and
// handles keys, typing (through an input method too), mouse selection, the clipboard
// messages, an unbounded undo stack and its own skinned context menu.
//
// Every position counts characters as the user sees them typed (code points): caret moves,
// selections, Backspace, Delete, undo, MaxLength and the password glyphs never split a
// character into bytes or halves of a surrogate pair.
//
// Sources: KsEdits.cpp (properties, text, selection and the changes the user makes),
// KsEditInput.cpp (keys, typing, mouse, focus and caret, messages, the context menu) and
// KsEditPaint.cpp (measuring, painting, and repainting what a change altered).
#pragma once

#include "framework/windows/StdCtrls.h"
#include "skin/controls/KsControls.h"
#include "skin/controls/KsEditGeometry.h"
#include "skin/controls/KsEditUndo.h"
#include "skin/menus/KsItems.h"
#include "skin/menus/KsMenus.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TWindowCaret;

enum class TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
extern const TEnumInfo EditCharCaseInfo;

// How hidden text shows each character: not hidden, PasswordChar, or a filled shape.
enum class TPasswordKind : uint8_t { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };
extern const TEnumInfo PasswordKindInfo;

class TKsCustomEdit : public TKsCustomControl, private TKsEditUndoTarget {
public:
    static const TComponentClassOf<TKsCustomEdit> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomEdit(TComponent* AOwner);
    ~TKsCustomEdit() override;

    // --- Text ---
    // Stores Value (converted by CharCase) when ValidateText accepts it. Text set from
    // outside the edit's own changes empties the undo stack, whose entries belong to the
    // text they were made on.
    void SetText(const std::string& Value);
    int TextLength() const { return static_cast<int>(FChars.size()); }

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    // The height follows the font: one line of text inside the border.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    // The most characters the user can give the text; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // The character hidden text shows (0 for none); a character also sets PasswordKind.
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    TPasswordKind PasswordKind() const { return FPasswordKind; }
    void SetPasswordKind(TPasswordKind Value);
    bool Hidden() const { return FPasswordKind != TPasswordKind::pkNone; }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment Value);
    void SetBorderStyle(TBorderStyle Value) override;

    // The context menu's popup settings, handed to it each time it opens.
    const TKsPopupSettings& PopupMenuSettings() const { return FPopupSettings; }
    bool PopupMenuBlend() const { return FPopupSettings.Blend; }
    void SetPopupMenuBlend(bool Value) { FPopupSettings.Blend = Value; }
    int PopupMenuBlendValue() const { return FPopupSettings.BlendValue; }
    void SetPopupMenuBlendValue(int Value) { FPopupSettings.BlendValue = Value; }
    bool PopupMenuDropShadow() const { return FPopupSettings.DropShadow; }
    void SetPopupMenuDropShadow(bool Value) { FPopupSettings.DropShadow = Value; }
    int PopupMenuShadowWidth() const { return FPopupSettings.ShadowWidth; }
    void SetPopupMenuShadowWidth(int Value) { FPopupSettings.ShadowWidth = Value; }
    TKsAnimation PopupMenuShowAnimation() const { return FPopupSettings.ShowAnimation; }
    void SetPopupMenuShowAnimation(TKsAnimation Value) { FPopupSettings.ShowAnimation = Value; }
    int PopupMenuShowAnimationTime() const { return FPopupSettings.ShowAnimationTime; }
    void SetPopupMenuShowAnimationTime(int Value) { FPopupSettings.ShowAnimationTime = Value; }

    // --- Caret and selection ---
    int CaretPos() const { return FCaretPos; }
    // Moves the caret (within the text) and scrolls it into view.
    void SetCaretPos(int P);
    int FirstVisible() const { return FFirstVisible; }
    int SelStart() const;
    // Collapses the selection at P (within the text), with the caret there.
    void SetSelStart(int P);
    int SelLength() const;
    // Selects N characters from the caret side of the selection (to the left when
    // negative), as far as the text goes.
    void SetSelLength(int N);
    std::string SelText() const;
    void SelectAll();
    // The word at the caret, with the caret after it.
    void SelectWord();

    // --- Changes the user makes; all but copying do nothing in a ReadOnly edit ---
    void CopyToClipboard();
    void CutToClipboard();
    // Inserts the clipboard's text up to its first line break, without control
    // characters, as far as MaxLength leaves room.
    void PasteFromClipboard();
    void DeleteSelection();
    void Undo();
    bool CanUndo() const { return !FUndoStack->Empty() && !FReadOnly; }
    const TEditActionStack& UndoStack() const { return *FUndoStack; }

    // The context menu, made on first use.
    TKsCustomPopupMenu& ContextMenu();

    // --- Geometry ---
    // Where the text line is drawn: the client area less 2 pixels, one line high.
    virtual RECT GetTextRect() const;
    virtual int GetPasswordCharWidth() const;
    virtual RECT GetSelectionRect() const;
    // The line as it is laid out now, for the geometry of KsEditGeometry. Its measurements
    // are kept until the text, the font or the way text is hidden changes.
    const TKsEditLine& Line() const;
    int CharToX(int P) const { return Line().CharToX(P); }
    int XToChar(int X) const { return Line().XToChar(X); }
    void ScrollToCaret();
    int WordLeft(int P) const { return ::WordLeft(Chars(), P); }
    int WordRight(int P) const { return ::WordRight(Chars(), P); }
    // The height AutoSize gives: one line of text and the room round it.
    int AutoSizeHeight() const;
    // The height of a line of text in the control's font.
    int LineHeight() const;

    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    void PaintControl() override;
    virtual void PaintText();
    virtual void PaintBackground(const RECT& Rect, TKsBitmap& Surface);
    virtual void PaintSelectedText();
    virtual void PaintPasswordGlyph(const RECT& Rect, bool Selected);
    // Asked before any text is stored; False keeps the text as it is.
    virtual bool ValidateText(const std::string& NewText);
    virtual TKsCustomPopupMenu* CreateContextMenu(TComponent* AOwner);
    virtual TKsCustomItem* CreateContextMenuItem();
    // Enables the menu's items for the edit's state and hands it the popup settings.
    virtual void UpdateContextMenu();
    virtual void ShowCaret();
    virtual void HideCaret();
    virtual void Change();

    void KeyDown(TKey& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoFocusEnter() override;

    // The text as characters.
    const std::u32string& Chars() const { return FChars; }
    // The colour of the text (grey while disabled).
    TColor TextColor() const;

private:
    // Held through each of the edit's own operations (and every message it handles): when
    // the outermost one ends, the columns of the line that now look different are repainted
    // and the caret is placed, once for the whole operation.
    class TLineChange {
    public:
        explicit TLineChange(TKsCustomEdit& Edit);
        TLineChange(const TLineChange&) = delete;
        TLineChange& operator=(const TLineChange&) = delete;
        ~TLineChange();

    private:
        TKsCustomEdit& FEdit;
    };

    // Stores text set from outside; whether ValidateText accepted it.
    bool StoreText(const std::string& Value);
    // Changes of the user's, stored as the edit's own (the undo stack stays).
    bool StoreOwnText(const std::u32string& NewChars);
    // The selection from Anchor to CaretEnd (each held within the text), the caret at
    // CaretEnd.
    void Select(int Anchor, int CaretEnd);
    int Anchor() const { return FSelEnd + FSelExtent; }
    // Typing one character over the selection.
    void TypeChar(char32_t C);
    void DeleteCharAt(int Index, int NewCaret);
    void DeleteKey(bool Backspace, TShiftState Shift);
    // A caret key (Home, End, Left, Right) moving the caret to P, extending the selection
    // with Shift.
    void MoveCaret(int P, bool Extend);
    // Hands every character to KeyPress, surrogate pairs joined, from WM_CHAR or an
    // input method's WM_IME_CHAR or WM_UNICHAR.
    void TypeUnit(wchar_t Unit);
    bool UndoDeletion(int Position, const std::string& Text) override;
    bool UndoInsertion(int Position, int Length) override;
    // The room MaxLength leaves beside Length characters; -1 for no limit.
    int RoomBeside(int Length) const;
    // After the text was stored: positions held within it, selection collapsed.
    void TextStored();
    void MakeCaret();
    void PlaceCaret();
    // Measures the characters whose extents are not known yet.
    void MeasureLine() const;
    void ForgetExtents() { FMeasuredChars = 0; }
    // After the text changed: only the extents before the change (and the characters whose
    // shape it may have changed) stay known.
    void KeepExtentsBefore(const std::u32string& OldChars);
    // What the line shows now, to tell what a change altered.
    TKsEditLineView LineView() const;
    void BeginLineChange();
    void EndLineChange();
    // Forgets every measurement of the font.
    void ForgetMetrics();
    void AdjustHeight();
    void BuildContextMenu();
    void ShowContextMenu(TMessage& Message);
    void UndoClick(TObject* Sender);
    void CutClick(TObject* Sender);
    void CopyClick(TObject* Sender);
    void PasteClick(TObject* Sender);
    void DeleteClick(TObject* Sender);
    void SelectAllClick(TObject* Sender);
    void WMSetText(TMessage& Message);
    // Gives the window manager's copy of the window text the edit's text, when the edit's
    // own changes left it behind.
    void UpdateHostText();
    void WMSetCursor(TMessage& Message);

    bool FMouseSelecting = false;
    int FCaretPos = 0;
    int FSelEnd = 0;
    int FSelExtent = 0;
    int FFirstVisible = 1;
    TKsCustomPopupMenu* FContextMenu = nullptr;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    bool FReadOnly = false;
    char32_t FPasswordChar = 0;
    TAlignment FTextAlignment = TAlignment::taLeftJustify;
    std::unique_ptr<TEditActionStack> FUndoStack;
    TPasswordKind FPasswordKind = TPasswordKind::pkNone;
    TKsPopupSettings FPopupSettings;
    // The edit is storing a change of its own: the undo stack stays.
    bool FOwnChange = false;
    // The window manager's copy of the window text lags behind the edit's own changes.
    bool FHostTextBehind = false;
    // The first half of a character typed as a surrogate pair.
    wchar_t FPendingHighSurrogate = 0;
    std::unique_ptr<TWindowCaret> FCaret;
    // The text as characters, kept with the text.
    std::u32string FChars;
    // The line as last laid out; the extents of its first FMeasuredChars characters are
    // those of the text now.
    mutable TKsEditLine FLine;
    mutable int FMeasuredChars = 0;
    mutable int FLineHeight = 0;
    // How deep the edit is in its own operations, and what the line showed when the
    // outermost began (FViewTaken: while the window exists to repaint).
    int FLineChanges = 0;
    bool FViewTaken = false;
    TKsEditLineView FViewBefore;
};

// The plain skinned edit that layouts hold.
class TKsEdit : public TKsCustomEdit {
public:
    static const TComponentClassOf<TKsEdit> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomEdit::TKsCustomEdit;
};
