// The root of the framework's class tree. TObject gives every object its class reference
// (a TClass value describing the class: name, parent, published properties and methods, and
// its virtual constructor) and message dispatch; TPersistent adds assignment between objects
// and the hook through which a class streams extra properties.
//
// Declaring a class: every class of the tree has one static class reference named Class and
// overrides ClassType to return it. The reference's type is TClassOf<T> (or, for components,
// TComponentClassOf<T>), which supplies the virtual constructor; it is defined in the
// class's source file with the class name, its parent's reference and optionally the tables
// of published properties and methods:
//
//     class TFoo : public TPersistent {
//     public:
//         static const TClassOf<TFoo> Class;
//         const TClass& ClassType() const override { return Class; }
//     };
//     const TClassOf<TFoo> TFoo::Class{"TFoo", TPersistent::Class, &FooProperties};
//
// Class-level virtual operations: a family of classes that needs them declares its own
// metaclass, derived from TClass, with the operations as virtual members, and a template
// that answers them from static members of each class. A theme class, for instance, answers
// GetName and IsAvailable without an instance, and creates a theme through its constructor:
//
//     class TTeThemeClass : public TClass {
//     public:
//         using TClass::TClass;
//         virtual std::string GetName() const = 0;
//         virtual bool IsAvailable() const = 0;
//         virtual std::unique_ptr<TTeTheme> CreateTheme() const = 0;
//     };
//     template <class T>
//     class TTeThemeClassOf : public TTeThemeClass {
//     public:
//         using TTeThemeClass::TTeThemeClass;
//         std::string GetName() const override { return T::GetName(); }
//         bool IsAvailable() const override { return T::IsAvailable(); }
//         std::unique_ptr<TTeTheme> CreateTheme() const override {
//             return std::make_unique<T>(); }
//     };
//
// A registry then holds `const TTeThemeClass*` values, compares them by address and
// creates instances through them.
#pragma once

#include "framework/core/Exceptions.h"
#include "framework/core/Messages.h"

#include <memory>
#include <string>
#include <type_traits>

class TObject;
class TFiler;
class TPropertyTable;
class TMethodTable;

// A class reference: one constant object per class, compared by address.
class TClass {
public:
    // The root class (TObject) has no parent.
    explicit TClass(std::string Name, const TPropertyTable* Properties = nullptr,
                    const TMethodTable* Methods = nullptr);
    TClass(std::string Name, const TClass& Parent, const TPropertyTable* Properties = nullptr,
           const TMethodTable* Methods = nullptr);
    TClass(const TClass&) = delete;
    TClass& operator=(const TClass&) = delete;
    virtual ~TClass() = default;

    const std::string& ClassName() const { return FName; }
    const TClass* ClassParent() const { return FParent; }
    // True for the class itself and for every descendant of Ancestor.
    bool InheritsFrom(const TClass& Ancestor) const;

    // The published properties and methods this class itself declares (not its parents').
    const TPropertyTable* OwnProperties() const { return FProperties; }
    const TMethodTable* OwnMethods() const { return FMethods; }

    // The virtual constructor for classes made without arguments; raises EInvalidOperation
    // for a class that cannot be made that way (abstract, or needing arguments).
    virtual std::unique_ptr<TObject> NewObject() const;

private:
    std::string FName;
    const TClass* FParent = nullptr;
    const TPropertyTable* FProperties = nullptr;
    const TMethodTable* FMethods = nullptr;
};

using TClassRef = const TClass*;

// The class reference of T: creates instances of T when T is concrete and default
// constructible. Meta is the metaclass family it belongs to.
template <class T, class Meta = TClass> class TClassOf : public Meta {
public:
    using Meta::Meta;

    std::unique_ptr<TObject> NewObject() const override {
        if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>)
            return std::make_unique<T>();
        else
            return Meta::NewObject();
    }
};

class TObject {
public:
    static const TClassOf<TObject> Class;

    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    virtual const TClass& ClassType() const { return Class; }
    const std::string& ClassName() const { return ClassType().ClassName(); }
    bool InheritsFrom(const TClass& Ancestor) const { return ClassType().InheritsFrom(Ancestor); }

    // Message handling by number: an override switches on Message.Msg, calls its handler
    // for the numbers it knows and passes every other number to its parent class's Dispatch.
    // TObject's Dispatch hands the message to DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    // Where messages that no class handles end; does nothing here.
    virtual void DefaultHandler(TMessage& Message);
};

class TPersistent : public TObject {
public:
    static const TClassOf<TPersistent> Class;
    const TClass& ClassType() const override { return Class; }

    // Copies Source into this object. A class that knows how to take Source overrides this;
    // otherwise Source is asked to copy itself into this object (AssignTo).
    virtual void Assign(TPersistent* Source);

protected:
    // Copies this object into Dest; raises EConvertError when no class knows how.
    virtual void AssignTo(TPersistent* Dest);
    // Declares properties streamed beside the published ones (binary data, computed values).
    virtual void DefineProperties(TFiler* Filer);

    // Raises "Cannot assign a <Source class> to a <this class>" (a nil Source reads "nil").
    [[noreturn]] void AssignError(const TPersistent* Source) const;

    friend class TReader;
    friend class TWriter;
};

// The object as T, or EInvalidCast ("Invalid class typecast") when it is not one.
template <class T> T& CastTo(TObject& Object) {
    if (auto* Result = dynamic_cast<T*>(&Object))
        return *Result;
    throw EInvalidCast("Invalid class typecast");
}
