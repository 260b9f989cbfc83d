#include "framework/core/Components.h"

#include <gtest/gtest.h>

#include <string>
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

} // namespace
