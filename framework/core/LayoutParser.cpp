#include "framework/core/LayoutParser.h"

#include "framework/core/Identifiers.h"
#include "framework/core/LayoutLexer.h"

namespace {

using TKind = TLayoutToken::TKind;

class TLayoutParser {
public:
    explicit TLayoutParser(std::string_view Text) : FLexer(Text) { Advance(); }

    TLayoutObject ParseRoot() {
        TLayoutObject Root = ParseObject(1);
        if (FToken.Kind != TKind::End)
            RaiseLayoutError(FToken.Line, "Text after the end of the layout");
        return Root;
    }

private:
    void Advance() { FToken = FLexer.Next(); }

    bool IsSymbol(char C) const { return FToken.Kind == TKind::Symbol && FToken.Text[0] == C; }
    bool IsKeyword(const char* Keyword) const {
        return FToken.Kind == TKind::Ident && SameText(FToken.Text, Keyword);
    }

    void ExpectSymbol(char C) {
        if (!IsSymbol(C))
            RaiseLayoutError(FToken.Line, std::string("'") + C + "' expected");
        Advance();
    }

    std::string ExpectIdent(const char* What) {
        if (FToken.Kind != TKind::Ident || FToken.Text.find('.') != std::string::npos)
            RaiseLayoutError(FToken.Line, std::string(What) + " expected");
        std::string Result = FToken.Text;
        Advance();
        return Result;
    }

    TLayoutObject ParseObject(int Depth) {
        if (Depth > MaxLayoutNesting)
            RaiseLayoutError(FToken.Line, "Objects nested too deeply");
        if (!IsKeyword("object"))
            RaiseLayoutError(FToken.Line, "'object' expected");
        TLayoutObject Object;
        Object.Line = FToken.Line;
        Advance();
        std::string First = ExpectIdent("Object name");
        if (IsSymbol(':')) {
            Advance();
            Object.Name = std::move(First);
            Object.ClassName = ExpectIdent("Class name");
        } else {
            Object.ClassName = std::move(First);
        }
        for (;;) {
            if (FToken.Kind == TKind::End)
                RaiseLayoutError(FToken.Line,
                                 "'end' expected for object " +
                                     (Object.Name.empty() ? Object.ClassName : Object.Name) +
                                     " of line " + std::to_string(Object.Line));
            if (IsKeyword("end")) {
                Advance();
                return Object;
            }
            if (IsKeyword("object"))
                Object.Children.push_back(ParseObject(Depth + 1));
            else
                Object.Properties.push_back(ParseProperty(Depth));
        }
    }

    TLayoutProperty ParseProperty(int Depth) {
        if (FToken.Kind != TKind::Ident)
            RaiseLayoutError(FToken.Line, "Property name expected");
        TLayoutProperty Property;
        Property.Line = FToken.Line;
        Property.Name = FToken.Text;
        Advance();
        ExpectSymbol('=');
        Property.Value = ParseValue(Depth + 1);
        return Property;
    }

    TLayoutValue ParseValue(int Depth) {
        if (Depth > MaxLayoutNesting)
            RaiseLayoutError(FToken.Line, "Values nested too deeply");
        TLayoutValue Value;
        Value.Line = FToken.Line;
        switch (FToken.Kind) {
        case TKind::Integer:
            Value.Kind = TLayoutValue::TKind::Integer;
            Value.Integer = FToken.Integer;
            Advance();
            return Value;
        case TKind::Float:
            Value.Kind = TLayoutValue::TKind::Float;
            Value.Float = FToken.Float;
            Advance();
            return Value;
        case TKind::String:
            Value.Kind = TLayoutValue::TKind::String;
            Value.Text = ParseStringExpression();
            return Value;
        case TKind::Ident:
            Value.Kind = TLayoutValue::TKind::Ident;
            Value.Text = FToken.Text;
            Advance();
            return Value;
        case TKind::Binary:
            Value.Kind = TLayoutValue::TKind::Binary;
            Value.Bytes = std::move(FToken.Bytes);
            Advance();
            return Value;
        case TKind::Symbol:
            if (IsSymbol('['))
                return ParseSet(std::move(Value));
            if (IsSymbol('('))
                return ParseList(std::move(Value), Depth);
            break;
        case TKind::End:
            break;
        }
        RaiseLayoutError(FToken.Line, "Property value expected");
    }

    std::string ParseStringExpression() {
        std::string Result = FToken.Text;
        Advance();
        while (IsSymbol('+')) {
            Advance();
            if (FToken.Kind != TKind::String)
                RaiseLayoutError(FToken.Line, "String expected after '+'");
            Result += FToken.Text;
            Advance();
        }
        return Result;
    }

    TLayoutValue ParseSet(TLayoutValue Value) {
        Value.Kind = TLayoutValue::TKind::Set;
        Advance();
        if (IsSymbol(']')) {
            Advance();
            return Value;
        }
        for (;;) {
            Value.Names.push_back(ExpectIdent("Set element"));
            if (IsSymbol(']')) {
                Advance();
                return Value;
            }
            ExpectSymbol(',');
        }
    }

    TLayoutValue ParseList(TLayoutValue Value, int Depth) {
        Value.Kind = TLayoutValue::TKind::List;
        Advance();
        while (!IsSymbol(')')) {
            if (FToken.Kind == TKind::End)
                RaiseLayoutError(Value.Line, "Unterminated list");
            Value.Items.push_back(ParseValue(Depth + 1));
        }
        Advance();
        return Value;
    }

    TLayoutLexer FLexer;
    TLayoutToken FToken;
};

} // namespace

TLayoutObject ParseLayout(std::string_view Text) {
    return TLayoutParser(Text).ParseRoot();
}
