// Published properties and methods: the tables through which layouts read and write a
// class's state by name. A class lists its own published properties in a TPropertyTable
// (name, kind, getter, setter, default, stored rule) and, for a window, the methods its
// events may be bound to in a TMethodTable; both are given to its class reference:
//
//     const TPropertyTable ButtonProperties{
//         TPublished<TButton>::String("Caption", &TButton::Caption, &TButton::SetCaption),
//         TPublished<TButton>::Integer("BlendValue", &TButton::BlendValue,
//                                      &TButton::SetBlendValue, 150),
//         TPublished<TButton>::Event("OnClick", &TButton::OnClick),
//     };
//     const TComponentClassOf<TButton> TButton::Class{"TButton", TControl::Class,
//                                                     &ButtonProperties};
//
// Getters and setters are anything std::invoke can call on the object: member functions,
// or lambdas taking the object. Getters are called on a const object.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/core/Sets.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <variant>
#include <vector>

class TStrings;

enum class TPropertyKind : uint8_t {
    pkInteger,
    pkBoolean,
    pkString,
    pkEnumeration,
    pkSet,
    pkFloat,
    pkPersistent, // a nested object whose own properties are streamed (Font.Height)
    pkComponent,  // a reference to a component, by name
    pkEvent,      // a handler, by the name of the root's published method
    pkStrings,    // a string list
};

// The value names of an enumeration, in the order of their values from 0.
class TEnumInfo {
public:
    TEnumInfo(std::string TypeName, std::vector<std::string> Names);
    const std::string& TypeName() const { return FTypeName; }
    int Count() const { return static_cast<int>(FNames.size()); }
    // The name of a value; empty for a value outside the enumeration.
    std::string NameOf(int64_t Ordinal) const;
    // The value of a name (case-insensitive), or -1.
    int OrdinalOf(const std::string& Name) const;

private:
    std::string FTypeName;
    std::vector<std::string> FNames;
};

// A property value in transit: integers, enumeration ordinals and set bits as int64_t;
// nested objects, string lists and component references as TObject*; events as TMethod.
using TPropertyValue =
    std::variant<std::monostate, int64_t, bool, double, std::string, TObject*, TMethod>;

// When the writer writes a property.
class TStored {
public:
    enum class TRule : uint8_t { Always, Never, WhenNotDefault, Predicate };

    static TStored Always() { return TStored(TRule::Always); }
    static TStored Never() { return TStored(TRule::Never); }
    static TStored WhenNotDefault() { return TStored(TRule::WhenNotDefault); }
    // Stored when the object's predicate (a const member function or callable) answers True.
    template <class T, class P> static TStored If(P Predicate) {
        TStored Result(TRule::Predicate);
        Result.FPredicate = [Predicate](const TObject& Object) {
            return static_cast<bool>(std::invoke(Predicate, static_cast<const T&>(Object)));
        };
        return Result;
    }

    TRule Rule() const { return FRule; }
    bool Test(const TObject& Object) const { return FPredicate(Object); }

private:
    explicit TStored(TRule Rule) : FRule(Rule) {}

    TRule FRule;
    std::function<bool(const TObject&)> FPredicate;
};

// Names an integer property's layouts may use for some of its values (colours such as
// clBtnFace, character sets such as ANSI_CHARSET); the writer prefers a name when there is
// one.
struct TIntegerIdents {
    bool (*ToValue)(const std::string& Ident, int64_t& Value) = nullptr;
    bool (*ToName)(int64_t Value, std::string& Ident) = nullptr;
};

struct TPropInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::pkInteger;
    const TEnumInfo* Enum = nullptr;     // enumerations and sets
    const TClass* ObjectClass = nullptr; // the class a component reference must be of
    const std::type_info* EventSignature = nullptr;
    int64_t MinValue = std::numeric_limits<int64_t>::min(); // integers: the setter's range
    int64_t MaxValue = std::numeric_limits<int64_t>::max();
    const TIntegerIdents* Idents = nullptr; // integers: names of values, or none
    TPropertyValue Default;
    TStored Stored = TStored::WhenNotDefault();
    std::function<TPropertyValue(const TObject&)> Get;
    // Empty for nested objects and string lists, which are changed in place.
    std::function<void(TObject&, const TPropertyValue&)> Set;

    // Whether the writer writes this property of Object.
    bool IsStored(const TObject& Object) const;
};

class TPropertyTable {
public:
    TPropertyTable(std::initializer_list<TPropInfo> Properties) : FItems(Properties) {}
    explicit TPropertyTable(std::vector<TPropInfo> Properties) : FItems(std::move(Properties)) {}
    const std::vector<TPropInfo>& Items() const { return FItems; }

private:
    std::vector<TPropInfo> FItems;
};

// A published method: binds itself to a root object as an untyped closure.
struct TMethodInfo {
    std::string Name;
    const std::type_info* Signature = nullptr;
    std::function<TMethod(TObject& Root)> Bind;
};

class TMethodTable {
public:
    TMethodTable(std::initializer_list<TMethodInfo> Methods) : FItems(Methods) {}
    const std::vector<TMethodInfo>& Items() const { return FItems; }

private:
    std::vector<TMethodInfo> FItems;
};

// An integer property whose values may also be written by name.
inline TPropInfo WithIdents(TPropInfo Info, const TIntegerIdents& Idents) {
    Info.Idents = &Idents;
    return Info;
}

// A property written under another rule than its builder's (events have none of their own).
inline TPropInfo WithStored(TPropInfo Info, TStored Stored) {
    Info.Stored = std::move(Stored);
    return Info;
}

// The published property of that name (case-insensitive) along the class chain, or nullptr.
const TPropInfo* FindPropInfo(const TClass& Class, const std::string& Name);
// Every published property of the class, the root class's first.
std::vector<const TPropInfo*> GetPropList(const TClass& Class);
// The published method of that name along the class chain, or nullptr.
const TMethodInfo* FindMethodInfo(const TClass& Class, const std::string& Name);
// The name of Root's published method that Method calls on Root; empty when there is none.
std::string FindMethodName(TObject& Root, const TMethod& Method);

// Builders of the entries of T's tables.
template <class T> struct TPublished {
    template <class G> using TValueOf = std::decay_t<std::invoke_result_t<G, const T&>>;

    template <class G, class S>
    static TPropInfo Integer(std::string Name, G Getter, S Setter, int64_t Default = 0,
                             TStored Stored = TStored::WhenNotDefault()) {
        using V = TValueOf<G>;
        static_assert(std::is_integral_v<V>, "an integer property reads an integral value");
        TPropInfo Info =
            Make<int64_t>(std::move(Name), TPropertyKind::pkInteger, Getter, Setter, Stored);
        Info.Default = Default;
        Info.MinValue = static_cast<int64_t>(std::numeric_limits<V>::min());
        if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(int64_t))
            Info.MaxValue = std::numeric_limits<int64_t>::max();
        else
            Info.MaxValue = static_cast<int64_t>(std::numeric_limits<V>::max());
        return Info;
    }

    template <class G, class S>
    static TPropInfo Boolean(std::string Name, G Getter, S Setter, bool Default = false,
                             TStored Stored = TStored::WhenNotDefault()) {
        TPropInfo Info =
            Make<bool>(std::move(Name), TPropertyKind::pkBoolean, Getter, Setter, Stored);
        Info.Default = Default;
        return Info;
    }

    template <class G, class S>
    static TPropInfo String(std::string Name, G Getter, S Setter, std::string Default = {},
                            TStored Stored = TStored::WhenNotDefault()) {
        TPropInfo Info =
            Make<std::string>(std::move(Name), TPropertyKind::pkString, Getter, Setter, Stored);
        Info.Default = std::move(Default);
        return Info;
    }

    template <class G, class S>
    static TPropInfo Float(std::string Name, G Getter, S Setter, double Default = 0,
                           TStored Stored = TStored::WhenNotDefault()) {
        TPropInfo Info =
            Make<double>(std::move(Name), TPropertyKind::pkFloat, Getter, Setter, Stored);
        Info.Default = Default;
        return Info;
    }

    template <class G, class S, class E = TValueOf<G>>
    static TPropInfo Enumeration(std::string Name, const TEnumInfo& Enum, G Getter, S Setter,
                                 E Default = E{}, TStored Stored = TStored::WhenNotDefault()) {
        static_assert(std::is_enum_v<E>, "an enumeration property reads an enum value");
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkEnumeration;
        Info.Enum = &Enum;
        Info.Stored = std::move(Stored);
        Info.Default = static_cast<int64_t>(Default);
        Info.Get = [Getter](const TObject& Object) {
            return TPropertyValue(
                static_cast<int64_t>(std::invoke(Getter, static_cast<const T&>(Object))));
        };
        Info.Set = [Setter](TObject& Object, const TPropertyValue& Value) {
            std::invoke(Setter, static_cast<T&>(Object), static_cast<E>(std::get<int64_t>(Value)));
        };
        return Info;
    }

    template <class G, class S, class V = TValueOf<G>>
    static TPropInfo Set(std::string Name, const TEnumInfo& Enum, G Getter, S Setter,
                         V Default = V{}, TStored Stored = TStored::WhenNotDefault()) {
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkSet;
        Info.Enum = &Enum;
        Info.Stored = std::move(Stored);
        Info.Default = static_cast<int64_t>(Default.Bits());
        Info.Get = [Getter](const TObject& Object) {
            return TPropertyValue(
                static_cast<int64_t>(std::invoke(Getter, static_cast<const T&>(Object)).Bits()));
        };
        Info.Set = [Setter](TObject& Object, const TPropertyValue& Value) {
            std::invoke(Setter, static_cast<T&>(Object),
                        V::FromBits(static_cast<uint64_t>(std::get<int64_t>(Value))));
        };
        return Info;
    }

    // A nested object owned by T (a font, a picture): its own properties are streamed.
    template <class G> static TPropInfo Persistent(std::string Name, G Getter) {
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkPersistent;
        Info.Stored = TStored::Always();
        Info.Get = ObjectGetter(Getter);
        return Info;
    }

    // A string list owned by T, changed in place.
    template <class G>
    static TPropInfo Strings(std::string Name, G Getter,
                             TStored Stored = TStored::WhenNotDefault()) {
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkStrings;
        Info.Stored = std::move(Stored);
        Info.Get = ObjectGetter(Getter);
        return Info;
    }

    // A reference to a component of the getter's class (default nil).
    template <class G, class S>
    static TPropInfo Component(std::string Name, G Getter, S Setter,
                               TStored Stored = TStored::WhenNotDefault()) {
        using P = TValueOf<G>;
        using C = std::remove_cv_t<std::remove_pointer_t<P>>;
        static_assert(std::is_pointer_v<P>, "a component reference reads a pointer");
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkComponent;
        Info.ObjectClass = &C::Class;
        Info.Stored = std::move(Stored);
        Info.Default = static_cast<TObject*>(nullptr);
        Info.Get = ObjectGetter(Getter);
        Info.Set = [Setter](TObject& Object, const TPropertyValue& Value) {
            std::invoke(Setter, static_cast<T&>(Object),
                        dynamic_cast<C*>(std::get<TObject*>(Value)));
        };
        return Info;
    }

    // An event read through a getter and written through a setter.
    template <class G, class S> static TPropInfo Event(std::string Name, G Getter, S Setter) {
        using V = TValueOf<G>;
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = TPropertyKind::pkEvent;
        Info.EventSignature = &typeid(typename V::TSignature);
        Info.Default = TMethod{};
        Info.Get = [Getter](const TObject& Object) {
            return TPropertyValue(std::invoke(Getter, static_cast<const T&>(Object)).ToMethod());
        };
        Info.Set = [Setter](TObject& Object, const TPropertyValue& Value) {
            std::invoke(Setter, static_cast<T&>(Object), V::FromMethod(std::get<TMethod>(Value)));
        };
        return Info;
    }

    // An event that is a public field of T (or of a class T derives from).
    template <class V, class C>
        requires std::is_base_of_v<C, T>
    static TPropInfo Event(std::string Name, V C::*Field) {
        return Event(
            std::move(Name), [Field](const T& Object) { return Object.*Field; },
            [Field](T& Object, const V& Value) { Object.*Field = Value; });
    }

    template <class... Args>
    static TMethodInfo Method(std::string Name, void (T::*Handler)(Args...)) {
        TMethodInfo Info;
        Info.Name = std::move(Name);
        Info.Signature = &typeid(void(Args...));
        Info.Bind = [Handler](TObject& Root) {
            return TEvent<Args...>(static_cast<T*>(&Root), Handler).ToMethod();
        };
        return Info;
    }

private:
    template <class V, class G, class S>
    static TPropInfo Make(std::string Name, TPropertyKind Kind, G Getter, S Setter,
                          TStored Stored) {
        TPropInfo Info;
        Info.Name = std::move(Name);
        Info.Kind = Kind;
        Info.Stored = std::move(Stored);
        Info.Get = [Getter](const TObject& Object) {
            return TPropertyValue(
                static_cast<V>(std::invoke(Getter, static_cast<const T&>(Object))));
        };
        Info.Set = [Setter](TObject& Object, const TPropertyValue& Value) {
            using Argument = TValueOf<G>;
            std::invoke(Setter, static_cast<T&>(Object), static_cast<Argument>(std::get<V>(Value)));
        };
        return Info;
    }

    template <class G> static std::function<TPropertyValue(const TObject&)> ObjectGetter(G Getter) {
        return [Getter](const TObject& Object) {
            return TPropertyValue(static_cast<TObject*>(
                const_cast<std::remove_cv_t<std::remove_pointer_t<TValueOf<G>>>*>(
                    std::invoke(Getter, static_cast<const T&>(Object)))));
        };
    }
};
