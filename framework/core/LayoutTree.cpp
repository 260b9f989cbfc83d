#include "framework/core/LayoutTree.h"

#include <cstring>

bool TLayoutValue::operator==(const TLayoutValue& Other) const {
    if (Kind != Other.Kind)
        return false;
    switch (Kind) {
    case TKind::Integer:
        return Integer == Other.Integer;
    case TKind::Float:
        // Bitwise, so that a value compares equal to itself after a round trip.
        return std::memcmp(&Float, &Other.Float, sizeof(Float)) == 0;
    case TKind::String:
    case TKind::Ident:
        return Text == Other.Text;
    case TKind::Set:
        return Names == Other.Names;
    case TKind::List:
        return Items == Other.Items;
    case TKind::Binary:
        return Bytes == Other.Bytes;
    }
    return false;
}

bool TLayoutProperty::operator==(const TLayoutProperty& Other) const {
    return Name == Other.Name && Value == Other.Value;
}

bool TLayoutObject::operator==(const TLayoutObject& Other) const {
    return Name == Other.Name && ClassName == Other.ClassName && Properties == Other.Properties &&
           Children == Other.Children;
}

void RaiseLayoutError(int Line, const std::string& Problem) {
    throw ELayoutError("Line " + std::to_string(Line) + ": " + Problem);
}
