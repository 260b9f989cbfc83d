#include "framework/core/Events.h"
#include "framework/core/Objects.h"

#include <gtest/gtest.h>

namespace {

class THandler : public TObject {
public:
    int Clicks = 0;
    TObject* Sender = nullptr;
    void Click(TObject* ASender) {
        ++Clicks;
        Sender = ASender;
    }
    void OtherClick(TObject*) { Clicks += 100; }
    virtual void Virtual(TObject*) { Clicks += 10; }
};

class TDerivedHandler : public THandler {
public:
    void Virtual(TObject*) override { Clicks += 1000; }
};

TEST(Events, IdentityIsObjectAndHandlerCode) {
    THandler A;
    THandler B;
    const TNotifyEvent Unassigned;
    const TNotifyEvent AClick = MakeEvent(&A, &THandler::Click);
    EXPECT_FALSE(Unassigned);
    EXPECT_TRUE(AClick);
    EXPECT_EQ(AClick, MakeEvent(&A, &THandler::Click));
    EXPECT_FALSE(AClick == MakeEvent(&A, &THandler::OtherClick));
    EXPECT_FALSE(AClick == MakeEvent(&B, &THandler::Click));
    EXPECT_FALSE(AClick == Unassigned);
    EXPECT_EQ(Unassigned, TNotifyEvent());
    // Action links compare the handler's code alone.
    EXPECT_TRUE(SameCode(AClick, MakeEvent(&B, &THandler::Click)));
    EXPECT_FALSE(SameCode(AClick, MakeEvent(&A, &THandler::OtherClick)));
    // A nil object gives an unassigned event.
    EXPECT_FALSE(MakeEvent(static_cast<THandler*>(nullptr), &THandler::Click));
}

TEST(Events, CallsReachTheBoundObject) {
    TDerivedHandler Handler;
    TObject Sender;
    MakeEvent(&Handler, &THandler::Click)(&Sender);
    EXPECT_EQ(Handler.Clicks, 1);
    EXPECT_EQ(Handler.Sender, &Sender);
    // A virtual handler runs the object's override.
    MakeEvent(&Handler, &THandler::Virtual)(&Sender);
    EXPECT_EQ(Handler.Clicks, 1001);
    TNotifyEvent()(&Sender); // calling an unassigned event does nothing
}

TEST(Events, UntypedMethodsBindOnlyToTheirSignature) {
    THandler Handler;
    const TMethod Method = MakeEvent(&Handler, &THandler::Click).ToMethod();
    const TNotifyEvent Bound = TNotifyEvent::FromMethod(Method);
    EXPECT_EQ(Bound, MakeEvent(&Handler, &THandler::Click));
    EXPECT_FALSE(TCloseQueryEvent::FromMethod(Method));
    Bound(nullptr);
    EXPECT_EQ(Handler.Clicks, 1);
}

} // namespace
