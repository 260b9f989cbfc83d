// TList: the framework's ordered list of untyped pointers, with the framework's index error.
#pragma once

#include "framework/core/Objects.h"

#include <string>
#include <vector>

class TList : public TObject {
public:
    static const TClassOf<TList> Class;
    const TClass& ClassType() const override { return Class; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Items outside 0..Count-1 raise EListError "List index out of bounds (N)".
    void* Items(int Index) const;
    void SetItems(int Index, void* Item);

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Removes the first occurrence and answers its former index, or -1.
    int Remove(void* Item);
    int IndexOf(const void* Item) const;
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    // Drops the nil entries.
    void Pack();
    void Clear() { FItems.clear(); }

private:
    void CheckIndex(int Index) const;

    std::vector<void*> FItems;
};

// The message of an index error of the framework's lists.
std::string ListIndexErrorMessage(int Index);
