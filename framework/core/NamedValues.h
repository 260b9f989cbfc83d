// Tables of named values, as layouts write colours ("clBtnFace") and character sets
// ("ANSI_CHARSET"): lookups by name (without regard to ASCII case) and by value.
#pragma once

#include "framework/core/Identifiers.h"

#include <string>

template <class V> struct TNamedValue {
    V Value;
    const char* Name;
};

template <class Table, class V>
bool NameToValue(const Table& Names, const std::string& Name, V& Value) {
    for (const auto& Entry : Names)
        if (SameText(Name, Entry.Name)) {
            Value = Entry.Value;
            return true;
        }
    return false;
}

// The first name of the value.
template <class Table, class V> bool ValueToName(const Table& Names, V Value, std::string& Name) {
    for (const auto& Entry : Names)
        if (Entry.Value == Value) {
            Name = Entry.Name;
            return true;
        }
    return false;
}
