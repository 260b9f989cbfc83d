#include "skin/controls/KsListBoxItems.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Lists.h"
#include "skin/controls/KsListBoxs.h"

#include <utility>

const TClassOf<TEkListBoxItems> TEkListBoxItems::Class{"TEkListBoxItems", TStringList::Class};

TEkListBoxItems::TEkListBoxItems(TKsCustomListBox* ListBox) : FListBox(ListBox) {}

int TEkListBoxItems::Add(const std::string& S) {
    const int Before = Count();
    const int Index = TStringList::Add(S);
    // A sorted list that ignores duplicates answers the entry it has, adding nothing.
    if (Count() == Before) {
        TellChanged();
        return Index;
    }
    FStates.insert(FStates.begin() + Index, TKsListItemState{});
    Moved([Index](int Old) { return Old >= Index ? Old + 1 : Old; });
    return Index;
}

void TEkListBoxItems::Insert(int Index, const std::string& S) {
    TStringList::Insert(Index, S);
    FStates.insert(FStates.begin() + Index, TKsListItemState{});
    Moved([Index](int Old) { return Old >= Index ? Old + 1 : Old; });
}

void TEkListBoxItems::Delete(int Index) {
    TStringList::Delete(Index);
    FStates.erase(FStates.begin() + Index);
    Moved([Index](int Old) { return Old == Index ? -1 : (Old > Index ? Old - 1 : Old); });
}

void TEkListBoxItems::Clear() {
    TStringList::Clear();
    FStates.clear();
    Moved([](int) { return -1; });
}

void TEkListBoxItems::Exchange(int Index1, int Index2) {
    TStringList::Exchange(Index1, Index2);
    std::swap(FStates[static_cast<size_t>(Index1)], FStates[static_cast<size_t>(Index2)]);
    Moved([Index1, Index2](int Old) {
        return Old == Index1 ? Index2 : (Old == Index2 ? Index1 : Old);
    });
}

void TEkListBoxItems::EntriesReordered(const std::vector<int>& FormerIndexes) {
    TStringList::EntriesReordered(FormerIndexes);
    std::vector<TKsListItemState> Reordered;
    std::vector<int> NewIndexes(FormerIndexes.size(), -1);
    Reordered.reserve(FStates.size());
    for (size_t I = 0; I < FormerIndexes.size(); ++I) {
        const auto Former = static_cast<size_t>(FormerIndexes[I]);
        Reordered.push_back(FStates[Former]);
        NewIndexes[Former] = static_cast<int>(I);
    }
    FStates = std::move(Reordered);
    Moved([&NewIndexes](int Old) {
        return Old >= 0 && Old < static_cast<int>(NewIndexes.size())
                   ? NewIndexes[static_cast<size_t>(Old)]
                   : Old;
    });
}

void TEkListBoxItems::Put(int Index, const std::string& S) {
    TStringList::Put(Index, S);
    TellChanged();
}

void TEkListBoxItems::PutObject(int Index, TObject* AObject) {
    TStringList::PutObject(Index, AObject);
    TellChanged();
}

void TEkListBoxItems::SetUpdateState(bool Updating) {
    TStringList::SetUpdateState(Updating);
    if (FListBox)
        FListBox->SetUpdating(Updating);
}

const TKsListItemState& TEkListBoxItems::ItemState(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FStates.size()))
        throw EStringListError(ListIndexErrorMessage(Index));
    return FStates[static_cast<size_t>(Index)];
}

void TEkListBoxItems::SetItemState(int Index, const TKsListItemState& State) {
    if (Index < 0 || Index >= static_cast<int>(FStates.size()))
        throw EStringListError(ListIndexErrorMessage(Index));
    FStates[static_cast<size_t>(Index)] = State;
}

void TEkListBoxItems::Moved(const std::function<int(int)>& NewIndexOf) {
    if (FListBox)
        FListBox->ItemsMoved(NewIndexOf);
    TellChanged();
}

void TEkListBoxItems::TellChanged() {
    if (FListBox)
        FListBox->ItemsChanged();
}
