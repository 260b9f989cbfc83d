// TEkListBoxItems: the skinned list box's items, a string list that keeps beside every entry
// what the box shows of it (its check box, whether it can be checked, whether it is
// selected) and tells the box of every change. The state travels with its entry through
// every operation: insertions, deletions, exchanges, sorted additions and sorting, so that a
// check mark, a disabled item or a selection never lands on another item.
#pragma once

#include "framework/core/Properties.h"
#include "framework/core/Strings.h"

#include <cstdint>
#include <functional>
#include <vector>

class TKsCustomListBox;

enum class TKsCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

struct TKsListItemState {
    TKsCheckBoxState Check = TKsCheckBoxState::cbUnchecked;
    bool Enabled = true;
    bool Selected = false;
};

class TEkListBoxItems : public TStringList {
public:
    static const TClassOf<TEkListBoxItems> Class;
    const TClass& ClassType() const override { return Class; }

    // ListBox hears of every change; a list without one only keeps the states.
    explicit TEkListBoxItems(TKsCustomListBox* ListBox);

    TKsCustomListBox* ListBox() const { return FListBox; }

    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;

    // The state of entry Index; EStringListError outside the list, as for its text.
    const TKsListItemState& ItemState(int Index) const;
    void SetItemState(int Index, const TKsListItemState& State);

protected:
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    void EntriesReordered(const std::vector<int>& FormerIndexes) override;

private:
    // Tells the box where each entry it knew went (-1: deleted), then that the list changed.
    void Moved(const std::function<int(int)>& NewIndexOf);
    void TellChanged();

    TKsCustomListBox* FListBox;
    std::vector<TKsListItemState> FStates;
};
