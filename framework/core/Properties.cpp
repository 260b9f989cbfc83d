#include "framework/core/Properties.h"

#include "framework/core/Identifiers.h"
#include "framework/core/Strings.h"

TEnumInfo::TEnumInfo(std::string TypeName, std::vector<std::string> Names)
    : FTypeName(std::move(TypeName)), FNames(std::move(Names)) {}

std::string TEnumInfo::NameOf(int64_t Ordinal) const {
    if (Ordinal < 0 || Ordinal >= Count())
        return {};
    return FNames[static_cast<size_t>(Ordinal)];
}

int TEnumInfo::OrdinalOf(const std::string& Name) const {
    for (int I = 0; I < Count(); ++I)
        if (SameText(FNames[static_cast<size_t>(I)], Name))
            return I;
    return -1;
}

bool TPropInfo::IsStored(const TObject& Object) const {
    switch (Stored.Rule()) {
    case TStored::TRule::Always:
        return true;
    case TStored::TRule::Never:
        return false;
    case TStored::TRule::Predicate:
        return Stored.Test(Object);
    case TStored::TRule::WhenNotDefault:
        break;
    }
    if (Kind == TPropertyKind::pkPersistent)
        return true;
    if (Kind == TPropertyKind::pkStrings) {
        const auto* Strings = dynamic_cast<const TStrings*>(std::get<TObject*>(Get(Object)));
        return Strings && Strings->Count() > 0;
    }
    return Get(Object) != Default;
}

namespace {

// The first entry of that name in the tables along the class chain, the class's own first.
template <class TEntry, class TTable>
const TEntry* FindInChain(const TClass& Class, const std::string& Name,
                          const TTable* (TClass::*TableOf)() const) {
    for (const TClass* C = &Class; C; C = C->ClassParent())
        if (const TTable* Table = (C->*TableOf)())
            for (const TEntry& Entry : Table->Items())
                if (SameText(Entry.Name, Name))
                    return &Entry;
    return nullptr;
}

} // namespace

const TPropInfo* FindPropInfo(const TClass& Class, const std::string& Name) {
    return FindInChain<TPropInfo>(Class, Name, &TClass::OwnProperties);
}

std::vector<const TPropInfo*> GetPropList(const TClass& Class) {
    std::vector<const TClass*> Chain;
    for (const TClass* C = &Class; C; C = C->ClassParent())
        Chain.push_back(C);
    std::vector<const TPropInfo*> Result;
    for (auto C = Chain.rbegin(); C != Chain.rend(); ++C)
        if (const TPropertyTable* Table = (*C)->OwnProperties())
            for (const TPropInfo& Info : Table->Items())
                Result.push_back(&Info);
    return Result;
}

const TMethodInfo* FindMethodInfo(const TClass& Class, const std::string& Name) {
    return FindInChain<TMethodInfo>(Class, Name, &TClass::OwnMethods);
}

std::string FindMethodName(TObject& Root, const TMethod& Method) {
    for (const TClass* C = &Root.ClassType(); C; C = C->ClassParent())
        if (const TMethodTable* Table = C->OwnMethods())
            for (const TMethodInfo& Info : Table->Items())
                if (Info.Bind(Root) == Method)
                    return Info.Name;
    return {};
}
