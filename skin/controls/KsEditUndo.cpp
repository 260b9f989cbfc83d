#include "skin/controls/KsEditUndo.h"

#include "framework/core/TextConv.h"

#include <memory>

namespace {

int CharCount(const std::string& Text) {
    return static_cast<int>(Utf8ToUtf32(Text).size());
}

} // namespace

void TEditActionStack::PushDeletion(int Pos, const std::string& Text) {
    if (Text.empty())
        return;
    if (TEditAction* Top = Peek(); Top && Top->Kind == TEditActionKind::eakDeletion) {
        if (Pos + CharCount(Text) == Top->Position) {
            Top->Text.insert(0, Text);
            Top->Position = Pos;
            return;
        }
        if (Pos == Top->Position) {
            Top->Text += Text;
            return;
        }
    }
    auto Action = std::make_unique<TEditAction>();
    Action->Kind = TEditActionKind::eakDeletion;
    Action->Position = Pos;
    Action->Text = Text;
    Push(std::move(Action));
}

void TEditActionStack::PushInsertion(int Pos, int Count, bool Chained) {
    if (Count <= 0)
        return;
    if (TEditAction* Top = Peek();
        Top && Top->Kind == TEditActionKind::eakInsertion && Pos == Top->Position + Top->Length) {
        Top->Length += Count;
        return;
    }
    auto Action = std::make_unique<TEditAction>();
    Action->Kind = TEditActionKind::eakInsertion;
    Action->Chained = Chained;
    Action->Position = Pos;
    Action->Length = Count;
    Push(std::move(Action));
}

bool TEditActionStack::Undo() {
    if (Empty())
        return false;
    while (const TEditAction* Top = Peek()) {
        const bool Applied = Top->Kind == TEditActionKind::eakDeletion
                                 ? FEdit.UndoDeletion(Top->Position, Top->Text)
                                 : FEdit.UndoInsertion(Top->Position, Top->Length);
        if (!Applied || !Pop()->Chained)
            break;
    }
    return true;
}
