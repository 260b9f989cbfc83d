#include "framework/core/Components.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records the order in which components are destroyed.
class TTracked : public TComponent {
public:
    static const TComponentClassOf<TTracked> Class;
    const TClass& ClassType() const override { return Class; }

    TTracked(TComponent* AOwner, std::vector<std::string>* Log = nullptr)
        : TComponent(AOwner), FLog(Log) {}
    ~TTracked() override {
        if (FLog)
            FLog->push_back(Name());
    }

private:
    std::vector<std::string>* FLog;
};
const TComponentClassOf<TTracked> TTracked::Class{"TTracked", TComponent::Class};

// Holds a reference to another component and clears it when that one goes away.
class TReferrer : public TComponent {
public:
    static const TComponentClassOf<TReferrer> Class;
    const TClass& ClassType() const override { return Class; }

    using TComponent::TComponent;
    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* Value) {
        if (FTarget)
            FTarget->RemoveFreeNotification(this);
        FTarget = Value;
        if (FTarget)
            FTarget->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == TOperation::opRemove && AComponent == FTarget)
            FTarget = nullptr;
    }

private:
    TComponent* FTarget = nullptr;
};
const TComponentClassOf<TReferrer> TReferrer::Class{"TReferrer", TComponent::Class};

TEST(Components, OwnerFreesItsComponentsLastFirst) {
    std::vector<std::string> Log;
    {
        TTracked Owner(nullptr);
        for (const char* Name : {"A", "B", "C"})
            (new TTracked(&Owner, &Log))->SetName(Name);
        EXPECT_EQ(Owner.ComponentCount(), 3);
        EXPECT_EQ(Owner.Components(1)->Name(), "B");
    }
    EXPECT_EQ(Log, (std::vector<std::string>{"C", "B", "A"}));
}

TEST(Components, FreeNotificationClearsReferenceAcrossRoots) {
    TComponent RootA(nullptr);
    TComponent RootB(nullptr);
    auto* Target = new TComponent(&RootA);
    auto* Holder = new TReferrer(&RootB);
    Holder->SetTarget(Target);
    delete Target;
    EXPECT_EQ(Holder->Target(), nullptr);
    EXPECT_EQ(RootA.ComponentCount(), 0);
}
TEST(Components, SubscriberDestroyedFirstLeavesNoLinkBehind) {
    auto* Target = new TComponent(nullptr);
    {
        TReferrer Holder(nullptr);
        Holder.SetTarget(Target);
    }
    // The target's destructor must not notify the holder that is gone.
    delete Target;
    TComponent Owner(nullptr);
    auto* Held = new TComponent(&Owner);
    TReferrer Holder(nullptr);
    Holder.SetTarget(Held);
    Holder.SetTarget(nullptr);
    delete Held;
    EXPECT_EQ(Holder.Target(), nullptr);
}

// Records the notifications it gets.
class TListener : public TComponent {
public:
    static const TComponentClassOf<TListener> Class;
    const TClass& ClassType() const override { return Class; }
    using TComponent::TComponent;
    std::vector<std::string> Heard;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        Heard.push_back((Operation == TOperation::opInsert ? "+" : "-") + AComponent->Name());
    }
};
const TComponentClassOf<TListener> TListener::Class{"TListener", TComponent::Class};

TEST(Components, NotificationsReachTheOwnersComponents) {
    TListener Owner(nullptr);
    auto* Sibling = new TListener(&Owner);
    auto* Nested = new TListener(Sibling); // owned by the sibling: hears what it hears
    auto* Added = new TComponent(nullptr);
    Added->SetName("X");
    Owner.InsertComponent(Added);
    delete Added;
    EXPECT_EQ(Owner.Heard, (std::vector<std::string>{"+", "+X", "-X"}));
    EXPECT_EQ(Sibling->Heard, (std::vector<std::string>{"+", "+X", "-X"}));
    EXPECT_EQ(Nested->Heard, (std::vector<std::string>{"+X", "-X"}));
}

TEST(Components, OwnershipMovesBetweenOwners) {
    TComponent First(nullptr);
    TComponent Second(nullptr);
    auto* Moving = new TComponent(&First);
    Moving->SetName("Moving");
    Second.InsertComponent(Moving);
    EXPECT_EQ(First.ComponentCount(), 0);
    EXPECT_EQ(Moving->Owner(), &Second);
    EXPECT_EQ(Moving->ComponentIndex(), 0);
    EXPECT_EQ(Second.FindComponent("MOVING"), Moving);
    try {
        Second.Components(1);
        FAIL() << "no exception";
    } catch (const EListError& E) {
        EXPECT_EQ(E.Message(), "List index out of bounds (1)");
    }
    // A name that clashes in the new owner is refused before anything moves.
    auto* Clash = new TComponent(&First);
    Clash->SetName("moving");
    EXPECT_THROW(Second.InsertComponent(Clash), EComponentError);
    EXPECT_EQ(Clash->Owner(), &First);
    // Ownership cycles are refused.
    EXPECT_THROW(Moving->InsertComponent(&Second), EComponentError);
    EXPECT_THROW(Moving->InsertComponent(Moving), EComponentError);
    EXPECT_EQ(Second.Owner(), nullptr);
}

TEST(Components, NamesAreIdentifiersUniqueAmongSiblings) {
    TComponent Owner(nullptr);
    auto* A = new TComponent(&Owner);
    auto* B = new TComponent(&Owner);
    A->SetName("Button1");
    A->SetName("Button1"); // unchanged
    for (const char* Bad : {"1Button", "Two words", "CafÃ©", "a.b"}) {
        try {
            B->SetName(Bad);
            FAIL() << Bad;
        } catch (const EComponentError& E) {
            EXPECT_EQ(E.Message(), std::string("'") + Bad + "' is not a valid component name");
        }
    }
    try {
        B->SetName("BUTTON1");
        FAIL() << "no exception";
    } catch (const EComponentError& E) {
        EXPECT_EQ(E.Message(), "A component named BUTTON1 already exists");
    }
    EXPECT_EQ(B->Name(), "");
    B->SetName("_Button2");
    B->SetName("");
    A->SetName("button1"); // a change of case of its own name
    EXPECT_EQ(Owner.FindComponent("Button1"), A);
    EXPECT_EQ(Owner.FindComponent(""), nullptr);
}

TEST(Components, DesigningAndDestroyingReachOwnedComponents) {
    TComponent Owner(nullptr);
    auto* Child = new TComponent(&Owner);
    auto* Grandchild = new TComponent(Child);
    Owner.SetDesigning(true);
    EXPECT_TRUE(Grandchild->IsDesigning());
    Owner.SetDesigning(false);
    EXPECT_FALSE(Child->IsDesigning());
    Owner.Destroying();
    EXPECT_TRUE(Grandchild->IsDestroying());
}

// What a component said about itself at the moments of its destruction that derived classes
// and their partners see.
using TDestructionLog = std::vector<std::string>;

std::string StateOf(const TComponent* Component) {
    return Component->IsDestroying() ? "destroying" : "alive";
}

// Records what it says in BeforeDestruction and in its own destructor; owns a part that a
// watcher holds, which its destructor frees first, as a menu frees its items.
class TWitness : public TComponent {
public:
    static const TComponentClassOf<TWitness> Class;
    const TClass& ClassType() const override { return Class; }

    TWitness(TComponent* AOwner, TDestructionLog* Log = nullptr) : TComponent(AOwner), FLog(Log) {
        FPart = new TComponent(this);
        FPart->SetName("Part");
    }
    ~TWitness() override {
        if (FLog)
            FLog->push_back("destructor: " + StateOf(this));
        delete FPart;
    }

    TComponent* Part() const { return FPart; }

protected:
    void BeforeDestruction() override {
        if (FLog)
            FLog->push_back("before destruction: " + StateOf(this) + ", part " + StateOf(FPart));
    }

private:
    TDestructionLog* FLog;
    TComponent* FPart;
};
const TComponentClassOf<TWitness> TWitness::Class{"TWitness", TComponent::Class};

// Watches components through free notifications and records what each one, and the owner it
// still has, said when it went.
class TWatcher : public TComponent {
public:
    explicit TWatcher(TDestructionLog& Log) : TComponent(nullptr), FLog(Log) {}
    void Watch(TComponent* Component) { Component->FreeNotification(this); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != TOperation::opRemove)
            return;
        std::string Entry = AComponent->Name() + " removed: " + StateOf(AComponent);
        if (const TComponent* Owner = AComponent->Owner())
            Entry += ", owner " + StateOf(Owner);
        FLog.push_back(Entry);
    }

private:
    TDestructionLog& FLog;
};

TEST(ComponentDestruction, EveryWayOfFreeingMarksTheComponentBeforeItsFirstDestructor) {
    struct TWay {
        std::string Name;
        bool Owned;
        std::function<void(TWitness*)> Free;
    };
    const TWay Ways[] = {
        {"deleted", false, [](TWitness* Witness) { delete Witness; }},
        {"deleted as a component", false,
         [](TWitness* Witness) { delete static_cast<TComponent*>(Witness); }},
        {"held by a unique_ptr", false,
         [](TWitness* Witness) { std::unique_ptr<TComponent> Held(Witness); }},
        {"freed by its owner", true, [](TWitness* Witness) { delete Witness->Owner(); }},
        {"its owner's components destroyed", true,
         [](TWitness* Witness) {
             std::unique_ptr<TComponent> Owner(Witness->Owner());
             Owner->DestroyComponents();
         }},
    };
    // The part goes while the witness's destructor runs: it and its owner say so.
    const TDestructionLog Expected{
        "before destruction: destroying, part destroying", "destructor: destroying",
        "Part removed: destroying, owner destroying", "Witness removed: destroying"};
    for (const TWay& Way : Ways) {
        SCOPED_TRACE(Way.Name);
        TDestructionLog Log;
        TWatcher Watcher(Log);
        auto* Witness = new TWitness(Way.Owned ? new TComponent(nullptr) : nullptr, &Log);
        Witness->SetName("Witness");
        Watcher.Watch(Witness);
        Watcher.Watch(Witness->Part());
        Way.Free(Witness);
        EXPECT_EQ(Log, Expected);
    }
}

} // namespace
