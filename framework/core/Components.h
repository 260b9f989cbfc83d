// Components: objects with an owner, a name and published properties, the unit of which
// windows are built and streamed. An owner frees the components it owns (last first); a
// component that refers to another asks for a free notification and clears its reference
// in Notification(Other, opRemove), so that no reference dangles when Other is destroyed.
//
// Destruction: every way of freeing a component (its owner, delete, a std::unique_ptr, a
// form's Release) goes through TComponent's deallocation function, which marks the
// component and everything it owns csDestroying and calls BeforeDestruction before the
// first destructor runs. So every destructor of the class chain, and whatever they set off
// (free notifications, removal from the owner, a window's last messages reaching a hook),
// sees a component that says it is being destroyed. (A component in automatic storage, as
// tests make them, is marked only in ~TComponent.)
//
// The owner's list is freed in ~TComponent, after the destructors of the owner's own
// classes have run. A class whose owned components refer back to parts of it (a form and
// its controls) calls DestroyComponents() first thing in its destructor.
#pragma once

#include "framework/core/Identifiers.h"
#include "framework/core/Objects.h"
#include "framework/core/Sets.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

class TComponent;

// The metaclass of components: their virtual constructor takes the owner.
class TComponentClass : public TClass {
public:
    using TClass::TClass;
    // Makes an instance owned by AOwner (the caller owns it when AOwner is nullptr).
    virtual TComponent* Create(TComponent* AOwner) const;
};

template <class T, class Meta = TComponentClass> class TComponentClassOf : public Meta {
public:
    using Meta::Meta;

    TComponent* Create(TComponent* AOwner) const override {
        if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
            return new T(AOwner);
        else
            return Meta::Create(AOwner);
    }
};

using TComponentClassRef = const TComponentClass*;

enum class TOperation : uint8_t { opInsert, opRemove };

enum class TComponentStateFlag : uint8_t {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
};
using TComponentState = TSet<TComponentStateFlag>;

using TGetChildProc = std::function<void(TComponent* Child)>;

class TComponent : public TPersistent {
public:
    static const TComponentClassOf<TComponent> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    // Components are allocated and freed by these. Deleting a component, through whichever
    // pointer type, calls the destroying form: Destroying(), BeforeDestruction(), then the
    // destructors (most derived first) and the release of the memory. The plain form only
    // gives the memory back when a constructor throws.
    static void* operator new(std::size_t Size);
    static void operator delete(TComponent* Component, std::destroying_delete_t);
    static void operator delete(void* Block);

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // The owned component at Index; EListError "List index out of bounds (N)" outside.
    TComponent* Components(int Index) const;
    // Position in the owner's list, -1 without an owner.
    int ComponentIndex() const;
    // Takes ownership of AComponent (removing it from its previous owner); notifies opInsert.
    // EComponentError when AComponent is this component or one of its owners.
    void InsertComponent(TComponent* AComponent);
    // Gives up ownership (the caller owns AComponent then); notifies opRemove.
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, the last one first.
    void DestroyComponents();
    // The owned component of that name (case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& AName) const;

    const std::string& Name() const { return FName; }
    // A name is empty or an identifier unique among the owner's components; otherwise
    // EComponentError "'X' is not a valid component name" / "A component named X already
    // exists".
    virtual void SetName(const std::string& NewName);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState.Contains(TComponentStateFlag::csLoading); }
    bool IsDesigning() const { return FComponentState.Contains(TComponentStateFlag::csDesigning); }
    bool IsDestroying() const {
        return FComponentState.Contains(TComponentStateFlag::csDestroying);
    }
    // Switches design mode on this component and everything it owns.
    void SetDesigning(bool Value);
    // State changes made by the layout reader and writer (and for tests).
    void IncludeState(TComponentStateFlag Flag) { FComponentState.Include(Flag); }
    void ExcludeState(TComponentStateFlag Flag) { FComponentState.Exclude(Flag); }
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    // AComponent gets Notification(this, opRemove) when this component is destroyed (and
    // this one gets the same when AComponent is destroyed first).
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Streaming hooks. GetChildren calls Proc for each component written nested inside this
    // one; for the root, the default gives the owned components that have no parent.
    virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
    // True for components that live inside a parent component (controls, menu items); they
    // are written inside their parent and joined to it through SetParentComponent.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Runs after the layout that created the component has been read completely.
    virtual void Loaded();

    // Global lookup of root components (windows) by name, for references across roots.
    // A registered root is removed automatically when it is destroyed.
    static void RegisterGlobalRoot(TComponent* Root);
    static void UnregisterGlobalRoot(TComponent* Root);
    static TComponent* FindGlobalComponent(const std::string& AName);

protected:
    // Runs when the component is about to be freed: marked csDestroying already, and still
    // whole (no destructor has run). It must not throw.
    virtual void BeforeDestruction();
    // Told of components inserted into or removed from the owner's list, and of destroyed
    // components this one subscribed to. An override calls the inherited handling, which
    // drops the free-notification link and passes the news on to the owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

private:
    // Raises when another owned component than Candidate already bears AName.
    void ValidateNameIn(const std::string& AName, const TComponent* Candidate) const;

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    int32_t FTag = 0;
    TComponentState FComponentState;
};

// Points Field, a reference that Holder keeps to another component, at Value, moving Holder's
// free notification from the old component to the new one. Answers whether it changed.
template <class T> bool ReplaceReference(TComponent& Holder, T*& Field, T* Value) {
    if (Value == Field)
        return false;
    if (Field)
        Field->RemoveFreeNotification(&Holder);
    Field = Value;
    if (Field)
        Field->FreeNotification(&Holder);
    return true;
}
