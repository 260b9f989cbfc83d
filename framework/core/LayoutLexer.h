// The tokens of the layout text: identifiers (dotted paths included), numbers, strings
// (quoted parts with '' for a quote and #N or #$N character codes between them), binary
// data in braces and the punctuation of the format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TLayoutToken {
    enum class TKind : uint8_t { End, Ident, Integer, Float, String, Binary, Symbol };

    TKind Kind = TKind::End;
    int Line = 1;
    std::string Text; // identifier, decoded string, or the symbol character
    int64_t Integer = 0;
    double Float = 0;
    std::vector<uint8_t> Bytes;
};

class TLayoutLexer {
public:
    explicit TLayoutLexer(std::string_view Source) : FSource(Source) {}

    // The next token; malformed input raises EReadError naming the line.
    TLayoutToken Next();
    int Line() const { return FLine; }

private:
    char Peek(size_t Ahead = 0) const;
    void SkipBlanks();
    TLayoutToken ReadIdent();
    TLayoutToken ReadNumber();
    TLayoutToken ReadString();
    TLayoutToken ReadBinary();
    // A #N or #$N character code inside a string, as UTF-8.
    void ReadCharacterCode(std::string& Dest);

    std::string_view FSource;
    size_t FPos = 0;
    int FLine = 1;
};
