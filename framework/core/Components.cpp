#include "framework/core/Components.h"

#include "framework/core/Lists.h"
#include "framework/core/Properties.h"

#include <algorithm>
#include <memory>

namespace {

std::vector<TComponent*>& GlobalRoots() {
    static std::vector<TComponent*> Roots;
    return Roots;
}

void RemoveFrom(std::vector<TComponent*>& List, TComponent* Item) {
    List.erase(std::remove(List.begin(), List.end(), Item), List.end());
}

// The name is written in the object's header, never as a property.
const TPropertyTable ComponentProperties{
    TPublished<TComponent>::String("Name", &TComponent::Name, &TComponent::SetName, "",
                                   TStored::Never()),
    TPublished<TComponent>::Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0),
};

} // namespace

TComponent* TComponentClass::Create(TComponent*) const {
    throw EInvalidOperation("Cannot create an instance of " + ClassName());
}

const TComponentClassOf<TComponent> TComponent::Class{"TComponent", TPersistent::Class,
                                                      &ComponentProperties};

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner)
        AOwner->InsertComponent(this);
}

void* TComponent::operator new(std::size_t Size) {
    return ::operator new(Size);
}

void TComponent::operator delete(void* Block) {
    ::operator delete(Block);
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t) {
    Component->Destroying();
    Component->BeforeDestruction();
    // The start of the complete object, where the allocation began (the component may not
    // be the first base of its class).
    void* Block = dynamic_cast<void*>(Component);
    Component->~TComponent();
    ::operator delete(Block);
}

TComponent::~TComponent() {
    // Already done when the component was deleted; here for one that was not.
    Destroying();
    while (!FFreeNotifies.empty()) {
        TComponent* Subscriber = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        RemoveFrom(Subscriber->FFreeNotifies, this);
        Subscriber->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
    UnregisterGlobalRoot(this);
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError(ListIndexErrorMessage(Index));
    return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner)
        return -1;
    const auto& Siblings = FOwner->FComponents;
    return static_cast<int>(std::find(Siblings.begin(), Siblings.end(), this) - Siblings.begin());
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner == this)
        return;
    // Ownership is a tree: a cycle would make each free the other for ever.
    for (const TComponent* Owner = this; Owner; Owner = Owner->FOwner)
        if (Owner == AComponent)
            throw EComponentError("A component cannot own itself or one of its owners");
    ValidateNameIn(AComponent->FName, AComponent);
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner != this)
        return;
    RemoveFrom(FComponents, AComponent);
    AComponent->FOwner = nullptr;
    Notification(AComponent, TOperation::opRemove);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        std::unique_ptr<TComponent> Last(FComponents.back());
        FComponents.pop_back();
        Last->FOwner = nullptr;
        Notification(Last.get(), TOperation::opRemove);
    }
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty())
        return nullptr;
    for (TComponent* Component : FComponents)
        if (SameText(Component->FName, AName))
            return Component;
    return nullptr;
}

void TComponent::SetName(const std::string& NewName) {
    if (NewName == FName)
        return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner)
        FOwner->ValidateNameIn(NewName, this);
    FName = NewName;
}

void TComponent::ValidateNameIn(const std::string& AName, const TComponent* Candidate) const {
    const TComponent* Existing = FindComponent(AName);
    if (Existing && Existing != Candidate)
        throw EComponentError("A component named " + AName + " already exists");
}

void TComponent::SetDesigning(bool Value) {
    if (Value)
        FComponentState.Include(TComponentStateFlag::csDesigning);
    else
        FComponentState.Exclude(TComponentStateFlag::csDesigning);
    for (TComponent* Component : FComponents)
        Component->SetDesigning(Value);
}

void TComponent::Destroying() {
    if (IsDestroying())
        return;
    FComponentState.Include(TComponentStateFlag::csDestroying);
    for (TComponent* Component : FComponents)
        Component->Destroying();
}

void TComponent::BeforeDestruction() {}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
        FFreeNotifies.push_back(AComponent);
    auto& Theirs = AComponent->FFreeNotifies;
    if (std::find(Theirs.begin(), Theirs.end(), this) == Theirs.end())
        Theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent)
        return;
    RemoveFrom(FFreeNotifies, AComponent);
    RemoveFrom(AComponent->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == TOperation::opRemove)
        RemoveFreeNotification(AComponent);
    // A handler may free components of this list; walk it by index from the end.
    for (size_t I = FComponents.size(); I-- > 0;) {
        if (I < FComponents.size())
            FComponents[I]->Notification(AComponent, Operation);
    }
}

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    if (Root != this)
        return;
    for (TComponent* Component : FComponents)
        if (!Component->HasParent())
            Proc(Component);
}

void TComponent::Loaded() {
    FComponentState.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::RegisterGlobalRoot(TComponent* Root) {
    auto& Roots = GlobalRoots();
    if (Root && std::find(Roots.begin(), Roots.end(), Root) == Roots.end())
        Roots.push_back(Root);
}

void TComponent::UnregisterGlobalRoot(TComponent* Root) {
    RemoveFrom(GlobalRoots(), Root);
}

TComponent* TComponent::FindGlobalComponent(const std::string& AName) {
    for (TComponent* Root : GlobalRoots())
        if (SameText(Root->Name(), AName))
            return Root;
    return nullptr;
}
