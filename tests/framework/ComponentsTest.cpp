#include "framework/Components.h"

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
} // namespace
