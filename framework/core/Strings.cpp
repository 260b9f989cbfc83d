#include "framework/core/Strings.h"

#include "framework/core/Identifiers.h"
#include "framework/core/Lists.h"
#include "framework/core/Streams.h"

#include <algorithm>
#include <numeric>

const TClassOf<TStrings> TStrings::Class{"TStrings", TPersistent::Class};

int TStrings::Add(const std::string& S) {
    const int Index = Count();
    Insert(Index, S);
    return Index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    const int Index = Add(S);
    PutObject(Index, AObject);
    return Index;
}

void TStrings::AddStrings(const TStrings& Strings) {
    BeginUpdate();
    try {
        for (int I = 0; I < Strings.Count(); ++I)
            AddObject(Strings.Get(I), Strings.GetObject(I));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

int TStrings::IndexOf(const std::string& S) const {
    for (int I = 0; I < Count(); ++I)
        if (CompareEqual(Get(I), S))
            return I;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int I = 0; I < Count(); ++I)
        if (GetObject(I) == AObject)
            return I;
    return -1;
}

std::string TStrings::Text() const {
    std::string Result;
    for (int I = 0; I < Count(); ++I)
        Result += Get(I) + "\r\n";
    return Result;
}

void TStrings::SetText(const std::string& Value) {
    BeginUpdate();
    try {
        Clear();
        size_t Start = 0;
        while (Start < Value.size()) {
            const size_t End = Value.find_first_of("\r\n", Start);
            if (End == std::string::npos) {
                Add(Value.substr(Start));
                break;
            }
            Add(Value.substr(Start, End - Start));
            Start = End + 1;
            if (Value[End] == '\r' && Start < Value.size() && Value[Start] == '\n')
                ++Start;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& Other) const {
    if (Count() != Other.Count())
        return false;
    for (int I = 0; I < Count(); ++I)
        if (Get(I) != Other.Get(I))
            return false;
    return true;
}

void TStrings::Assign(TPersistent* Source) {
    auto* Strings = dynamic_cast<TStrings*>(Source);
    if (!Strings) {
        TPersistent::Assign(Source);
        return;
    }
    if (Strings == this)
        return;
    BeginUpdate();
    try {
        Clear();
        AddStrings(*Strings);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::LoadFromStream(TStream& Stream) {
    const int64_t Size = Stream.Size() - Stream.Position();
    std::string Buffer(static_cast<size_t>(std::max<int64_t>(Size, 0)), '\0');
    Stream.ReadBuffer(Buffer.data(), static_cast<int32_t>(Buffer.size()));
    // A byte-order mark says UTF-8; it is not part of the first line.
    if (Buffer.rfind("\xEF\xBB\xBF", 0) == 0)
        Buffer.erase(0, 3);
    SetText(Buffer);
}

void TStrings::SaveToStream(TStream& Stream) const {
    const std::string Buffer = Text();
    Stream.WriteBuffer(Buffer.data(), static_cast<int32_t>(Buffer.size()));
}

void TStrings::LoadFromFile(const std::string& FileName) {
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(Stream);
}

void TStrings::SaveToFile(const std::string& FileName) const {
    TFileStream Stream(FileName, fmCreate);
    SaveToStream(Stream);
}

void TStrings::Put(int Index, const std::string& S) {
    TObject* Saved = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, Saved);
}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    try {
        const std::string String1 = Get(Index1);
        TObject* Object1 = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, String1);
        PutObject(Index2, Object1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

bool TStrings::CompareEqual(const std::string& A, const std::string& B) const {
    return CompareText(A, B) == 0;
}

void TStrings::SetUpdateState(bool) {}

const TClassOf<TStringList> TStringList::Class{"TStringList", TStrings::Class};

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EStringListError(ListIndexErrorMessage(Index));
}

int TStringList::Compare(const std::string& A, const std::string& B) const {
    if (!FCaseSensitive)
        return CompareText(A, B);
    const int Result = A.compare(B);
    return (Result > 0) - (Result < 0);
}

bool TStringList::CompareEqual(const std::string& A, const std::string& B) const {
    return Compare(A, B) == 0;
}

int TStringList::Add(const std::string& S) {
    if (!FSorted) {
        const int Index = Count();
        InsertItem(Index, S);
        return Index;
    }
    int Index;
    if (Find(S, Index)) {
        if (FDuplicates == TDuplicates::dupIgnore)
            return Index;
        if (FDuplicates == TDuplicates::dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(Index, S);
    return Index;
}

void TStringList::Insert(int Index, const std::string& S) {
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    if (Index < 0 || Index > Count())
        throw EStringListError(ListIndexErrorMessage(Index));
    InsertItem(Index, S);
}

void TStringList::InsertItem(int Index, const std::string& S) {
    Changing();
    FItems.insert(FItems.begin() + Index, TItem{S, nullptr});
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty())
        return;
    Changing();
    FItems.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
    Changed();
}

int TStringList::IndexOf(const std::string& S) const {
    if (!FSorted)
        return TStrings::IndexOf(S);
    int Index;
    return Find(S, Index) ? Index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    // The first of equal entries, so that duplicates are found where they start.
    int Low = 0;
    int High = Count();
    while (Low < High) {
        const int Mid = Low + (High - Low) / 2;
        if (Compare(FItems[static_cast<size_t>(Mid)].String, S) < 0)
            Low = Mid + 1;
        else
            High = Mid;
    }
    Index = Low;
    return Low < Count() && Compare(FItems[static_cast<size_t>(Low)].String, S) == 0;
}

void TStringList::Sort() {
    Changing();
    std::vector<int> Order(FItems.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(), [this](int A, int B) {
        return Compare(FItems[static_cast<size_t>(A)].String,
                       FItems[static_cast<size_t>(B)].String) < 0;
    });
    std::vector<TItem> Sorted;
    Sorted.reserve(FItems.size());
    for (const int Former : Order)
        Sorted.push_back(std::move(FItems[static_cast<size_t>(Former)]));
    FItems = std::move(Sorted);
    EntriesReordered(Order);
    Changed();
}

void TStringList::EntriesReordered(const std::vector<int>&) {}

void TStringList::SetSorted(bool Value) {
    if (Value == FSorted)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (Value == FCaseSensitive)
        return;
    FCaseSensitive = Value;
    if (FSorted)
        Sort();
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].String;
}

void TStringList::Put(int Index, const std::string& S) {
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(Index);
    Changing();
    FItems[static_cast<size_t>(Index)].String = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].Object;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FItems[static_cast<size_t>(Index)].Object = AObject;
    Changed();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0)
        OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0)
        OnChange(this);
}
