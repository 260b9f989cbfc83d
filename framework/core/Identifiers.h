// Names as the framework compares them: identifiers, compared without regard to ASCII case.
#pragma once

#include <string>

// A letter or underscore, then letters, digits or underscores.
bool IsValidIdent(const std::string& Ident);
// ASCII case-insensitive equality and ordering (-1, 0, 1).
bool SameText(const std::string& A, const std::string& B);
int CompareText(const std::string& A, const std::string& B);
