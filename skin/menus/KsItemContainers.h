// Item containers: component classes (the menu components) that hold a root item and take
// the items a layout reads inside them. Registrations are counted: each Register needs its
// Unregister.
#pragma once

#include "framework/core/Components.h"

class TKsCustomItem;

using TKsAddItemProc = void (*)(TComponent& Container, TKsCustomItem& Item);

// Registers ContainerClass, or counts one more registration and takes the new functions.
void RegisterItemContainer(const TClass& ContainerClass, TKsAddItemProc AddItem,
                           const TComponentClass& ItemClass);
// Counts one registration less; the last one removes the class.
void UnregisterItemContainer(const TClass& ContainerClass);
// The item class of the last registered container class that Container is an instance of,
// or nullptr.
const TComponentClass* ItemClassOfContainer(const TComponent& Container);
// Hands Item to the last registered container class that Container is an instance of;
// False when none is registered.
bool AddItemToContainer(TComponent& Container, TKsCustomItem& Item);
