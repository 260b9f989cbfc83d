#include "framework/core/LayoutFormatter.h"

#include <charconv>
#include <cmath>

namespace {

constexpr size_t BytesPerLine = 32;

std::string Indent(int Level) {
    return std::string(static_cast<size_t>(Level) * 2, ' ');
}

std::string FormatString(const std::string& Text) {
    if (Text.empty())
        return "''";
    std::string Result;
    bool Quoted = false;
    for (const char C : Text) {
        const auto Code = static_cast<unsigned char>(C);
        if (Code < 32 || Code == 127) {
            if (Quoted)
                Result.push_back('\'');
            Quoted = false;
            Result.push_back('#');
            Result += std::to_string(Code);
            continue;
        }
        if (!Quoted)
            Result.push_back('\'');
        Quoted = true;
        Result.push_back(C);
        if (C == '\'')
            Result.push_back('\'');
    }
    if (Quoted)
        Result.push_back('\'');
    return Result;
}

std::string FormatFloat(double Value, int Line) {
    if (!std::isfinite(Value))
        throw EWriteError("Line " + std::to_string(Line) + ": Invalid floating point value");
    char Buffer[64];
    const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
    std::string Text(Buffer, Result.ptr);
    // Keep the number a floating point one when it is read back.
    if (Text.find_first_of(".e") == std::string::npos)
        Text += ".0";
    return Text;
}

std::string FormatBinary(const std::vector<uint8_t>& Bytes, int Level) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    const bool Wrap = Bytes.size() > BytesPerLine;
    std::string Result = "{";
    for (size_t I = 0; I < Bytes.size(); ++I) {
        if (Wrap && I % BytesPerLine == 0) {
            Result.push_back('\n');
            Result += Indent(Level + 1);
        } else if (I > 0 && I % 4 == 0)
            Result.push_back(' ');
        Result.push_back(Digits[Bytes[I] >> 4]);
        Result.push_back(Digits[Bytes[I] & 15]);
    }
    return Result + "}";
}

std::string FormatValue(const TLayoutValue& Value, int Level) {
    switch (Value.Kind) {
    case TLayoutValue::TKind::Integer:
        return std::to_string(Value.Integer);
    case TLayoutValue::TKind::Float:
        return FormatFloat(Value.Float, Value.Line);
    case TLayoutValue::TKind::String:
        return FormatString(Value.Text);
    case TLayoutValue::TKind::Ident:
        return Value.Text;
    case TLayoutValue::TKind::Set: {
        std::string Result = "[";
        for (size_t I = 0; I < Value.Names.size(); ++I)
            Result += (I ? ", " : "") + Value.Names[I];
        return Result + "]";
    }
    case TLayoutValue::TKind::List: {
        std::string Result = "(";
        for (const TLayoutValue& Item : Value.Items) {
            Result.push_back('\n');
            Result += Indent(Level + 1);
            Result += FormatValue(Item, Level + 1);
        }
        return Result + ")";
    }
    case TLayoutValue::TKind::Binary:
        return FormatBinary(Value.Bytes, Level);
    }
    return {};
}

void FormatObject(const TLayoutObject& Object, int Level, std::string& Out) {
    Out += Indent(Level) + "object ";
    Out += Object.Name.empty() ? Object.ClassName : Object.Name + ": " + Object.ClassName;
    Out += "\n";
    for (const TLayoutProperty& Property : Object.Properties)
        Out += Indent(Level + 1) + Property.Name + " = " + FormatValue(Property.Value, Level + 1) +
               "\n";
    for (const TLayoutObject& Child : Object.Children)
        FormatObject(Child, Level + 1, Out);
    Out += Indent(Level) + "end\n";
}

} // namespace

std::string FormatLayout(const TLayoutObject& Root) {
    std::string Out;
    FormatObject(Root, 0, Out);
    return Out;
}
