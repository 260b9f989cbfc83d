// String lists: TStrings, the abstract list of strings that carry an object each (the
// object is referenced, not owned), and TStringList, its stored, optionally sorted form.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"

#include <string>
#include <vector>

class TStream;

class TStrings : public TPersistent {
public:
    static const TClassOf<TStrings> Class;
    const TClass& ClassType() const override { return Class; }

    virtual int Count() const = 0;
    // Entries outside 0..Count-1 raise EStringListError "List index out of bounds (N)".
    std::string Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* AObject);
    void AddStrings(const TStrings& Strings);
    virtual void Insert(int Index, const std::string& S) = 0;
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    // Swaps two entries with their objects.
    virtual void Exchange(int Index1, int Index2);
    // First entry equal to S (ASCII case-insensitive unless the list says otherwise), or -1.
    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(const TObject* AObject) const;

    // The entries joined by CR LF, each one terminated; SetText splits at CR, LF or CR LF.
    std::string Text() const;
    void SetText(const std::string& Value);

    // Batches changes: change notifications wait for the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    bool Equals(const TStrings& Other) const;
    // Takes the entries and objects of another string list.
    void Assign(TPersistent* Source) override;

    // The text in UTF-8.
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

protected:
    virtual std::string Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual bool CompareEqual(const std::string& A, const std::string& B) const;
    // Told when the first BeginUpdate starts (True) and the last EndUpdate ends (False).
    virtual void SetUpdateState(bool Updating);
    int UpdateCount() const { return FUpdateCount; }

private:
    int FUpdateCount = 0;
};

enum class TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    static const TClassOf<TStringList> Class;
    const TClass& ClassType() const override { return Class; }

    int Count() const override { return static_cast<int>(FItems.size()); }
    int Add(const std::string& S) override;
    // A sorted list refuses positional inserts: EStringListError "Operation not allowed on
    // sorted list".
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: True when found; Index is the match or where S belongs.
    bool Find(const std::string& S, int& Index) const;
    void Sort();

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // What Add does with an entry already in a sorted list; dupError raises
    // EStringListError "String list does not allow duplicates".
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    bool CompareEqual(const std::string& A, const std::string& B) const override;
    void SetUpdateState(bool Updating) override;
    // Told after a sort moved the entries, before OnChange: FormerIndexes[I] is where the
    // entry now at I stood before. A descendant that keeps data beside each entry moves it
    // along here.
    virtual void EntriesReordered(const std::vector<int>& FormerIndexes);

    // Fire OnChanging / OnChange unless an update is in progress.
    void Changing();
    void Changed();

private:
    struct TItem {
        std::string String;
        TObject* Object = nullptr;
    };

    void CheckIndex(int Index) const;
    int Compare(const std::string& A, const std::string& B) const;
    void InsertItem(int Index, const std::string& S);

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};
