#include "framework/core/Identifiers.h"

#include <algorithm>

namespace {

bool IsIdentStart(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}

bool IsIdentChar(char C) {
    return IsIdentStart(C) || (C >= '0' && C <= '9');
}

unsigned char LowerAscii(char C) {
    const auto U = static_cast<unsigned char>(C);
    return U >= 'A' && U <= 'Z' ? static_cast<unsigned char>(U - 'A' + 'a') : U;
}

} // namespace

bool IsValidIdent(const std::string& Ident) {
    return !Ident.empty() && IsIdentStart(Ident[0]) &&
           std::all_of(Ident.begin() + 1, Ident.end(), IsIdentChar);
}

bool SameText(const std::string& A, const std::string& B) {
    return A.size() == B.size() && CompareText(A, B) == 0;
}

int CompareText(const std::string& A, const std::string& B) {
    const size_t N = std::min(A.size(), B.size());
    for (size_t I = 0; I < N; ++I) {
        const unsigned char X = LowerAscii(A[I]);
        const unsigned char Y = LowerAscii(B[I]);
        if (X != Y)
            return X < Y ? -1 : 1;
    }
    return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}
