// Events: comparable closures of an object and one of its member functions. An event can be
// asked whether it is assigned, called, and compared: two events are equal when they call
// the same member function (the handler's code) on the same object. SameCode compares the
// handler's code alone, as action links do. A layout binds an event by name to one of the
// root's published methods (see Properties.h, TMethodTable), through the untyped TMethod.
//
//   TNotifyEvent OnClick;
//   OnClick = MakeEvent(this, &TMainForm::CaptureClick);
//   if (OnClick) OnClick(Sender);
#pragma once

#include "framework/core/InputTypes.h"

#include <array>
#include <cstring>
#include <type_traits>
#include <typeinfo>
#include <utility>

// The code half of a closure: which member function of which class, without the object.
class TMethodCode {
public:
    TMethodCode() = default;

    template <class T, class R, class... Args>
    explicit TMethodCode(R (T::*Method)(Args...)) : FClass(&typeid(T)) {
        static_assert(sizeof(Method) <= sizeof(FBytes), "member function pointer too large");
        std::memcpy(FBytes.data(), &Method, sizeof(Method));
    }

    bool Assigned() const { return FClass != nullptr; }
    bool operator==(const TMethodCode& Other) const {
        const bool SameClass =
            FClass == Other.FClass || (FClass && Other.FClass && *FClass == *Other.FClass);
        return SameClass && FBytes == Other.FBytes;
    }

    // Recovers the member function pointer; only valid for the type it was made from.
    template <class Method> Method As() const {
        Method Result;
        std::memcpy(&Result, FBytes.data(), sizeof(Result));
        return Result;
    }

private:
    const std::type_info* FClass = nullptr;
    std::array<unsigned char, 16> FBytes{};
};

// A closure without its argument types: the object, the code and the signature, as a layout
// stores a published method before it is bound to an event property of a matching type.
struct TMethod {
    void* Data = nullptr;
    TMethodCode Code;
    const std::type_info* Signature = nullptr;
    // Calls Code on Data; only meaningful to the TEvent type whose signature this is.
    void (*Invoker)() = nullptr;

    bool Assigned() const { return Code.Assigned(); }
    // The same handler on the same object.
    bool operator==(const TMethod& Other) const { return Data == Other.Data && Code == Other.Code; }
};

template <class... Args> class TEvent {
public:
    using TSignature = void(Args...);

    TEvent() = default;

    template <class T, class U>
    requires std::is_base_of_v<T, U> TEvent(U* Object, void (T::*Method)(Args...))
        : FData(Object ? static_cast<T*>(Object) : nullptr),
          FCode(Object ? TMethodCode(Method) : TMethodCode()),
          FInvoke(Object ? &InvokeOn<T> : nullptr) {}

    // Binds an untyped method; an unassigned event results when the signatures differ.
    static TEvent FromMethod(const TMethod& Method) {
        TEvent Result;
        if (Method.Assigned() && Method.Signature && *Method.Signature == typeid(TSignature)) {
            Result.FData = Method.Data;
            Result.FCode = Method.Code;
            Result.FInvoke = reinterpret_cast<TInvoker>(Method.Invoker);
        }
        return Result;
    }
    TMethod ToMethod() const {
        return TMethod{FData, FCode, &typeid(TSignature), reinterpret_cast<void (*)()>(FInvoke)};
    }

    explicit operator bool() const { return FInvoke != nullptr; }

    // Calling an unassigned event does nothing.
    void operator()(Args... Arguments) const {
        if (FInvoke)
            FInvoke(FData, FCode, std::forward<Args>(Arguments)...);
    }

    bool operator==(const TEvent& Other) const {
        return FData == Other.FData && FCode == Other.FCode;
    }

    // The object the handler runs on, as the handler's class sees it.
    void* Data() const { return FData; }
    const TMethodCode& Code() const { return FCode; }

private:
    using TInvoker = void (*)(void*, const TMethodCode&, Args...);

    template <class T>
    static void InvokeOn(void* Data, const TMethodCode& Code, Args... Arguments) {
        T* Object = static_cast<T*>(Data);
        (Object->*Code.As<void (T::*)(Args...)>())(std::forward<Args>(Arguments)...);
    }

    void* FData = nullptr;
    TMethodCode FCode;
    TInvoker FInvoke = nullptr;
};

template <class T, class U, class... Args>
requires std::is_base_of_v<T, U> TEvent<Args...> MakeEvent(U* Object, void (T::*Method)(Args...)) {
    return TEvent<Args...>(Object, Method);
}

// True when both events call the same member function, whatever objects they are bound to.
template <class... Args> bool SameCode(const TEvent<Args...>& A, const TEvent<Args...>& B) {
    return A.Code() == B.Code();
}

class TObject;
class TCanvas;

using TNotifyEvent = TEvent<TObject*>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, TKey&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, TKeyChar&>;
using TPaintEvent = TEvent<TCanvas*>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
