// The parsed form of a window layout: nested objects with their property lines, each value
// remembering the line it came from so that every later error can name it.
#pragma once

#include "framework/core/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

struct TLayoutValue {
    enum class TKind : uint8_t { Integer, Float, String, Ident, Set, List, Binary };

    TKind Kind = TKind::Integer;
    int Line = 0;
    int64_t Integer = 0;
    double Float = 0;
    std::string Text;                // String and Ident
    std::vector<std::string> Names;  // Set
    std::vector<TLayoutValue> Items; // List
    std::vector<uint8_t> Bytes;      // Binary

    // Equal content, wherever it stood (lines are not compared, here and below).
    bool operator==(const TLayoutValue& Other) const;
};

struct TLayoutProperty {
    std::string Name; // possibly a path: Font.Height
    TLayoutValue Value;
    int Line = 0;

    bool operator==(const TLayoutProperty& Other) const;
};

struct TLayoutObject {
    std::string Name; // empty for an unnamed object
    std::string ClassName;
    int Line = 0;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;

    bool operator==(const TLayoutObject& Other) const;
};

// Objects may nest this deep (and lists inside property values count as levels too).
constexpr int MaxLayoutNesting = 64;

// The read error of a malformed layout, its message naming the line.
class ELayoutError : public EReadError {
public:
    using EReadError::EReadError;
};

// Raises ELayoutError "Line N: Problem".
[[noreturn]] void RaiseLayoutError(int Line, const std::string& Problem);
