#include "LayoutSamples.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Objects.h"
#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A family of classes with class-level virtual operations, as themes are: each class
// answers its name and availability without an instance and is created through its class.
class TShape;

class TShapeClass : public TClass {
public:
    using TClass::TClass;
    virtual std::string GetName() const = 0;
    virtual bool IsAvailable() const = 0;
    virtual std::unique_ptr<TShape> CreateShape() const = 0;
};

template <class T> class TShapeClassOf : public TShapeClass {
public:
    using TShapeClass::TShapeClass;
    std::string GetName() const override { return T::GetName(); }
    bool IsAvailable() const override { return T::IsAvailable(); }
    std::unique_ptr<TShape> CreateShape() const override { return std::make_unique<T>(); }
};

class TShape : public TPersistent {
public:
    virtual int Corners() const = 0;
};

class TSquare : public TShape {
public:
    static const TShapeClassOf<TSquare> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Square"; }
    static bool IsAvailable() { return true; }
    int Corners() const override { return 4; }
};
const TShapeClassOf<TSquare> TSquare::Class{"TSquare", TPersistent::Class};

// Inherits its parent's availability, overrides its name.
class TCube : public TSquare {
public:
    static const TShapeClassOf<TCube> Class;
    const TClass& ClassType() const override { return Class; }
    static std::string GetName() { return "Cube"; }
    int Corners() const override { return 8; }
};
const TShapeClassOf<TCube> TCube::Class{"TCube", TSquare::Class};

TEST(Classes, ClassLevelOperationsAndVirtualConstructors) {
    const std::vector<const TShapeClass*> Registry{&TSquare::Class, &TCube::Class};
    EXPECT_EQ(Registry[1]->GetName(), "Cube");
    EXPECT_TRUE(Registry[1]->IsAvailable());
    std::unique_ptr<TShape> Shape;
    for (const TShapeClass* Class : Registry)
        if (Class->GetName() == "Cube")
            Shape = Class->CreateShape();
    ASSERT_TRUE(Shape);
    EXPECT_EQ(&Shape->ClassType(), &TCube::Class);
    EXPECT_EQ(Shape->Corners(), 8);
    EXPECT_EQ(Shape->ClassName(), "TCube");
    EXPECT_TRUE(Shape->InheritsFrom(TSquare::Class));
    EXPECT_TRUE(Shape->InheritsFrom(TPersistent::Class));
    EXPECT_FALSE(TSquare::Class.InheritsFrom(TCube::Class));
    EXPECT_EQ(TCube::Class.ClassParent(), &TSquare::Class);
}

TEST(Classes, ConstructorsOfClassesThatCannotBeMadeRaise) {
    EXPECT_THROW(TStream::Class.NewObject(), EInvalidOperation);
    EXPECT_THROW(TComponentClass("TAbstract", TComponent::Class).Create(nullptr),
                 EInvalidOperation);
    EXPECT_NE(TSampleFont::Class.NewObject(), nullptr);
    std::unique_ptr<TComponent> Made(TSampleControl::Class.Create(nullptr));
    EXPECT_EQ(Made->ClassName(), "TSampleControl");
}

TEST(Classes, RegistryFindsByNameAndRefusesClashes) {
    RegisterSampleClasses();
    RegisterSampleClasses(); // again: no change
    EXPECT_EQ(GetClass("tsamplecontrol"), &TSampleControl::Class);
    EXPECT_EQ(GetClass("TNothing"), nullptr);
    try {
        FindClass("TNothing");
        FAIL() << "no exception";
    } catch (const EClassNotFound& E) {
        EXPECT_EQ(E.Message(), "Class TNothing not found");
    }
    const TClassOf<TSampleFont> Impostor{"TSampleFont", TPersistent::Class};
    EXPECT_THROW(RegisterClass(Impostor), EFilerError);
    UnRegisterClass(TSampleFont::Class);
    EXPECT_EQ(GetClass("TSampleFont"), nullptr);
    RegisterClass(TSampleFont::Class);
}

TEST(Assign, UnsupportedAssignmentNamesBothClasses) {
    TSampleFont Font;
    TStringList List;
    try {
        Font.Assign(&List);
        FAIL() << "no exception";
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TStringList to a TSampleFont");
    }
    try {
        List.Assign(&Font);
        FAIL() << "no exception";
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Cannot assign a TSampleFont to a TStringList");
    }
    try {
        Font.Assign(nullptr);
        FAIL() << "no exception";
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message(), "Cannot assign a nil to a TSampleFont");
    }
    TSampleFont Other;
    Other.SetHeight(-20);
    Font.Assign(&Other);
    EXPECT_EQ(Font.Height(), -20);
    EXPECT_THROW(CastTo<TSampleFont>(List), EInvalidCast);
}

// Three levels of message handling: each class handles its numbers and passes the rest on.
constexpr uint32_t MsgFirst = CM_BASE + 0x100;
constexpr uint32_t MsgSecond = MsgFirst + 1;
constexpr uint32_t MsgThird = MsgFirst + 2;
constexpr uint32_t MsgUnknown = MsgFirst + 3;

class TLevel1 : public TObject {
public:
    std::vector<std::string> Log;
    void Dispatch(TMessage& Message) override {
        switch (Message.Msg) {
        case MsgFirst:
            Log.push_back("Level1.First");
            Message.Result = 1;
            break;
        default:
            TObject::Dispatch(Message);
        }
    }
    void DefaultHandler(TMessage& Message) override {
        Log.push_back("Default");
        Message.Result = -1;
    }
};

class TLevel2 : public TLevel1 {
public:
    void Dispatch(TMessage& Message) override {
        switch (Message.Msg) {
        case MsgSecond:
            Log.push_back("Level2.Second");
            break;
        default:
            TLevel1::Dispatch(Message);
        }
    }
};

class TLevel3 : public TLevel2 {
public:
    void Dispatch(TMessage& Message) override {
        switch (Message.Msg) {
        case MsgFirst:
            Log.push_back("Level3.First");
            TLevel2::Dispatch(Message); // the inherited handling
            break;
        case MsgThird:
            Log.push_back("Level3.Third");
            break;
        default:
            TLevel2::Dispatch(Message);
        }
    }
};

TEST(Dispatch, RunsThroughTheClassChainToDefaultHandler) {
    TLevel3 Object;
    TObject& Base = Object;
    TMessage Message{MsgFirst, 0, 0, 0};
    Base.Dispatch(Message);
    EXPECT_EQ(Message.Result, 1);
    Message = {MsgSecond, 0, 0, 0};
    Base.Dispatch(Message);
    Message = {MsgThird, 0, 0, 0};
    Base.Dispatch(Message);
    Message = {MsgUnknown, 0, 0, 0};
    Base.Dispatch(Message);
    EXPECT_EQ(Message.Result, -1);
    EXPECT_EQ(Object.Log, (std::vector<std::string>{"Level3.First", "Level1.First", "Level2.Second",
                                                    "Level3.Third", "Default"}));
    EXPECT_EQ(CM_DIALOGKEY, 0xB005u);
    EXPECT_EQ(CM_DIALOGCHAR, 0xB006u);
    EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
    EXPECT_EQ(CM_SHOWINGCHANGED, 0xB019u);
}

} // namespace
