#include "framework/core/LayoutLexer.h"

#include "framework/core/LayoutTree.h"
#include "framework/core/TextConv.h"

#include <charconv>

namespace {

bool IsLetter(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}
bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}
bool IsHexDigit(char C) {
    return IsDigit(C) || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f');
}
int HexValue(char C) {
    if (IsDigit(C))
        return C - '0';
    return (C >= 'a' ? C - 'a' : C - 'A') + 10;
}

std::string DescribeCharacter(char C) {
    const auto Code = static_cast<unsigned char>(C);
    std::string Result;
    if (Code > 32 && Code < 127) {
        Result.push_back('\'');
        Result.push_back(C);
        Result.push_back('\'');
    } else {
        Result.push_back('#');
        Result += std::to_string(Code);
    }
    return Result;
}

} // namespace

char TLayoutLexer::Peek(size_t Ahead) const {
    return FPos + Ahead < FSource.size() ? FSource[FPos + Ahead] : '\0';
}

void TLayoutLexer::SkipBlanks() {
    while (FPos < FSource.size()) {
        const char C = FSource[FPos];
        if (C == '\n')
            ++FLine;
        else if (C != ' ' && C != '\t' && C != '\r')
            return;
        ++FPos;
    }
}

TLayoutToken TLayoutLexer::Next() {
    SkipBlanks();
    if (FPos >= FSource.size()) {
        TLayoutToken Token;
        Token.Line = FLine;
        return Token;
    }
    const char C = FSource[FPos];
    if (IsLetter(C))
        return ReadIdent();
    if (IsDigit(C) || C == '$' || (C == '-' && (IsDigit(Peek(1)) || Peek(1) == '$')))
        return ReadNumber();
    if (C == '\'' || C == '#')
        return ReadString();
    if (C == '{')
        return ReadBinary();
    static constexpr std::string_view Symbols = "=:[](),+";
    if (Symbols.find(C) == std::string_view::npos)
        RaiseLayoutError(FLine, "Invalid character " + DescribeCharacter(C));
    TLayoutToken Token;
    Token.Kind = TLayoutToken::TKind::Symbol;
    Token.Line = FLine;
    Token.Text = std::string(1, C);
    ++FPos;
    return Token;
}

TLayoutToken TLayoutLexer::ReadIdent() {
    TLayoutToken Token;
    Token.Kind = TLayoutToken::TKind::Ident;
    Token.Line = FLine;
    const size_t Start = FPos;
    for (;;) {
        while (IsLetter(Peek()) || IsDigit(Peek()))
            ++FPos;
        if (Peek() != '.' || !IsLetter(Peek(1)))
            break;
        ++FPos;
    }
    Token.Text = std::string(FSource.substr(Start, FPos - Start));
    return Token;
}

TLayoutToken TLayoutLexer::ReadNumber() {
    TLayoutToken Token;
    Token.Line = FLine;
    const bool Negative = Peek() == '-';
    if (Negative)
        ++FPos;
    if (Peek() == '$') {
        ++FPos;
        const size_t Start = FPos;
        uint64_t Value = 0;
        while (IsHexDigit(Peek())) {
            if (Value > (UINT64_MAX >> 4))
                RaiseLayoutError(FLine, "Integer out of range");
            Value = (Value << 4) | static_cast<uint64_t>(HexValue(Peek()));
            ++FPos;
        }
        if (FPos == Start)
            RaiseLayoutError(FLine, "Hexadecimal digits expected after $");
        // Hexadecimal is a bit pattern: up to 64 bits read as a signed value.
        Token.Kind = TLayoutToken::TKind::Integer;
        Token.Integer = static_cast<int64_t>(Negative ? 0 - Value : Value);
        return Token;
    }
    const size_t Start = FPos - (Negative ? 1 : 0);
    while (IsDigit(Peek()))
        ++FPos;
    bool IsFloat = false;
    if (Peek() == '.' && IsDigit(Peek(1))) {
        IsFloat = true;
        ++FPos;
        while (IsDigit(Peek()))
            ++FPos;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
        IsFloat = true;
        FPos += 2;
        while (IsDigit(Peek()))
            ++FPos;
    }
    if (IsLetter(Peek()))
        RaiseLayoutError(FLine, "Invalid number");
    const char* First = FSource.data() + Start;
    const char* Last = FSource.data() + FPos;
    if (IsFloat) {
        Token.Kind = TLayoutToken::TKind::Float;
        const auto Result = std::from_chars(First, Last, Token.Float);
        if (Result.ec != std::errc() || Result.ptr != Last)
            RaiseLayoutError(FLine, "Floating point number out of range");
        return Token;
    }
    Token.Kind = TLayoutToken::TKind::Integer;
    const auto Result = std::from_chars(First, Last, Token.Integer);
    if (Result.ec != std::errc() || Result.ptr != Last)
        RaiseLayoutError(FLine, "Integer out of range");
    return Token;
}

TLayoutToken TLayoutLexer::ReadString() {
    TLayoutToken Token;
    Token.Kind = TLayoutToken::TKind::String;
    Token.Line = FLine;
    for (;;) {
        if (Peek() == '\'') {
            ++FPos;
            for (;;) {
                if (FPos >= FSource.size() || Peek() == '\n' || Peek() == '\r')
                    RaiseLayoutError(Token.Line, "Unterminated string");
                if (Peek() == '\'') {
                    if (Peek(1) != '\'')
                        break;
                    ++FPos;
                }
                Token.Text.push_back(FSource[FPos++]);
            }
            ++FPos;
        } else if (Peek() == '#') {
            ++FPos;
            ReadCharacterCode(Token.Text);
        } else {
            return Token;
        }
    }
}

void TLayoutLexer::ReadCharacterCode(std::string& Dest) {
    uint32_t Code = 0;
    size_t Digits = 0;
    const bool Hex = Peek() == '$';
    if (Hex)
        ++FPos;
    while (Hex ? IsHexDigit(Peek()) : IsDigit(Peek())) {
        Code = Hex ? Code * 16 + static_cast<uint32_t>(HexValue(Peek()))
                   : Code * 10 + static_cast<uint32_t>(Peek() - '0');
        if (Code > 0x10FFFF)
            RaiseLayoutError(FLine, "Invalid character code");
        ++FPos;
        ++Digits;
    }
    if (Digits == 0)
        RaiseLayoutError(FLine, "Character code expected after #");
    if (Code >= 0xD800 && Code <= 0xDFFF)
        RaiseLayoutError(FLine, "Invalid character code");
    AppendUtf8(Dest, Code);
}

TLayoutToken TLayoutLexer::ReadBinary() {
    TLayoutToken Token;
    Token.Kind = TLayoutToken::TKind::Binary;
    Token.Line = FLine;
    ++FPos;
    int High = -1;
    for (;;) {
        SkipBlanks();
        if (FPos >= FSource.size())
            RaiseLayoutError(Token.Line, "Unterminated binary data");
        const char C = FSource[FPos++];
        if (C == '}')
            break;
        if (!IsHexDigit(C))
            RaiseLayoutError(FLine, "Invalid binary data: " + DescribeCharacter(C));
        if (High < 0) {
            High = HexValue(C);
        } else {
            Token.Bytes.push_back(static_cast<uint8_t>(High * 16 + HexValue(C)));
            High = -1;
        }
    }
    if (High >= 0)
        RaiseLayoutError(FLine, "Binary data has an odd number of digits");
    return Token;
}
