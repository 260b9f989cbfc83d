#include "skin/menus/KsItemContainers.h"

#include <algorithm>
#include <vector>

namespace {

struct TContainerRecord {
    const TClass* ContainerClass;
    TKsAddItemProc AddItem;
    const TComponentClass* ItemClass;
    int Count;
};

std::vector<TContainerRecord>& Containers() {
    static std::vector<TContainerRecord> Records;
    return Records;
}

std::vector<TContainerRecord>::iterator RecordOf(const TClass& ContainerClass) {
    auto& Records = Containers();
    return std::find_if(Records.begin(), Records.end(), [&](const TContainerRecord& Record) {
        return Record.ContainerClass == &ContainerClass;
    });
}

// The record of the last registered class that Container is an instance of, or nullptr.
const TContainerRecord* RecordFor(const TComponent& Container) {
    const auto& Records = Containers();
    const auto Found = std::find_if(Records.rbegin(), Records.rend(), [&](const auto& Record) {
        return Container.InheritsFrom(*Record.ContainerClass);
    });
    return Found == Records.rend() ? nullptr : &*Found;
}

} // namespace

void RegisterItemContainer(const TClass& ContainerClass, TKsAddItemProc AddItem,
                           const TComponentClass& ItemClass) {
    if (auto Found = RecordOf(ContainerClass); Found != Containers().end()) {
        ++Found->Count;
        Found->AddItem = AddItem;
        Found->ItemClass = &ItemClass;
        return;
    }
    Containers().push_back(TContainerRecord{&ContainerClass, AddItem, &ItemClass, 1});
}

void UnregisterItemContainer(const TClass& ContainerClass) {
    auto Found = RecordOf(ContainerClass);
    if (Found != Containers().end() && --Found->Count == 0)
        Containers().erase(Found);
}

const TComponentClass* ItemClassOfContainer(const TComponent& Container) {
    const TContainerRecord* Record = RecordFor(Container);
    return Record ? Record->ItemClass : nullptr;
}

bool AddItemToContainer(TComponent& Container, TKsCustomItem& Item) {
    const TContainerRecord* Record = RecordFor(Container);
    if (!Record)
        return false;
    Record->AddItem(Container, Item);
    return true;
}
