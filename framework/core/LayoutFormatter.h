// Turns a layout tree back into text, in the form that ParseLayout reads: two spaces of
// indentation per level, strings quoted with control characters as #N codes, binary data in
// groups of four bytes. Parsing the text gives the same tree.
#pragma once

#include "framework/core/LayoutTree.h"

#include <string>

std::string FormatLayout(const TLayoutObject& Root);
