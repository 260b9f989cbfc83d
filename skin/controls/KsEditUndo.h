// The edit's undo stack: every change the user makes is recorded as the text it deleted or
// the number of characters it inserted, so that undoing puts the text back as it was. Runs
// of typing, of Backspace and of Delete each merge into one entry; a change that replaced a
// selection is undone in one step with the deletion before it (the entry is chained).
// Positions count characters from 1.
#pragma once

#include "framework/core/Stacks.h"

#include <cstdint>
#include <string>

enum class TEditActionKind : uint8_t { eakDeletion, eakInsertion };

struct TEditAction {
    TEditActionKind Kind = TEditActionKind::eakDeletion;
    // Undoing this entry undoes the next one too.
    bool Chained = false;
    int Position = 1;
    // Deletions: the deleted text, which undoing inserts again.
    std::string Text;
    // Insertions: how many characters undoing deletes.
    int Length = 0;
};

// What undoing changes. Each call answers whether the change was made (the edit may refuse
// the text it would give).
class TKsEditUndoTarget {
public:
    // Inserts Text before character Position and selects it.
    virtual bool UndoDeletion(int Position, const std::string& Text) = 0;
    // Deletes Length characters from character Position on.
    virtual bool UndoInsertion(int Position, int Length) = 0;

protected:
    ~TKsEditUndoTarget() = default;
};

class TEditActionStack : public TStack<TEditAction> {
public:
    explicit TEditActionStack(TKsEditUndoTarget& Edit) : FEdit(Edit) {}

    // Records Text deleted from character Pos on. A deletion that ends where the previous
    // one began (Backspace) or begins where it began (Delete) joins it.
    void PushDeletion(int Pos, const std::string& Text);
    // Records Count characters inserted at character Pos. One that continues the previous
    // insertion joins it.
    void PushInsertion(int Pos, int Count, bool Chained);
    // Undoes the top entry, and the entries chained below it; whether there was any. An
    // entry the edit refuses stays on the stack.
    bool Undo();

private:
    TKsEditUndoTarget& FEdit;
};
