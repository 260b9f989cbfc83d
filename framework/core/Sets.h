// TSet: a small set of the values of an enumeration (up to 64 values), the framework's form
// of a "set of" type (TShiftState, TComponentState, published set properties).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E> class TSet {
    static_assert(std::is_enum_v<E>, "TSet holds the values of an enumeration");

public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values) {
        for (E Value : Values)
            FBits |= Bit(Value);
    }
    static constexpr TSet FromBits(uint64_t Bits) {
        TSet Result;
        Result.FBits = Bits;
        return Result;
    }

    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr uint64_t Bits() const { return FBits; }

    constexpr TSet& Include(E Value) {
        FBits |= Bit(Value);
        return *this;
    }
    constexpr TSet& Exclude(E Value) {
        FBits &= ~Bit(Value);
        return *this;
    }

    constexpr TSet operator+(TSet Other) const { return FromBits(FBits | Other.FBits); }
    constexpr TSet operator-(TSet Other) const { return FromBits(FBits & ~Other.FBits); }
    constexpr TSet operator*(TSet Other) const { return FromBits(FBits & Other.FBits); }
    constexpr TSet& operator+=(TSet Other) {
        FBits |= Other.FBits;
        return *this;
    }
    constexpr TSet& operator-=(TSet Other) {
        FBits &= ~Other.FBits;
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t Bit(E Value) {
        return uint64_t{1} << static_cast<std::underlying_type_t<E>>(Value);
    }

    uint64_t FBits = 0;
};
