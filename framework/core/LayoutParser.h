// Parses the layout text into its tree:
//
//     object Name: TClass
//       Property = value
//       object Child: TChildClass
//         ...
//       end
//     end
//
// Values are integers (decimal or $hex, optionally negative), floating point numbers,
// strings (joined with + across lines), identifiers, sets [a, b], lists (v v ...) and binary
// data {hex}. Malformed text raises EReadError "Line N: problem".
#pragma once

#include "framework/core/LayoutTree.h"

#include <string_view>

TLayoutObject ParseLayout(std::string_view Text);
