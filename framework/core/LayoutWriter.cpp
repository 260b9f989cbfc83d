#include "framework/core/LayoutWriter.h"

#include "framework/core/LayoutFormatter.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/core/Strings.h"

namespace {

TLayoutValue MakeValue(TLayoutValue::TKind Kind) {
    TLayoutValue Value;
    Value.Kind = Kind;
    return Value;
}

TLayoutValue Ident(std::string Text) {
    TLayoutValue Value = MakeValue(TLayoutValue::TKind::Ident);
    Value.Text = std::move(Text);
    return Value;
}

// Clears csWriting however the writing of a component ends.
class TWritingState {
public:
    explicit TWritingState(TComponent* Component) : FComponent(Component) {
        FComponent->IncludeState(TComponentStateFlag::csWriting);
    }
    ~TWritingState() { FComponent->ExcludeState(TComponentStateFlag::csWriting); }
    TWritingState(const TWritingState&) = delete;
    TWritingState& operator=(const TWritingState&) = delete;

private:
    TComponent* FComponent;
};

} // namespace

const TClassOf<TWriter> TWriter::Class{"TWriter", TObject::Class};

TLayoutObject TWriter::WriteRootComponent() {
    return WriteComponent(FRoot, 1);
}

TLayoutObject TWriter::WriteComponent(TComponent* Component, int Depth) {
    if (Depth > MaxLayoutNesting)
        throw EWriteError("Components nested too deeply to be written");
    TWritingState Writing(Component);
    TLayoutObject Layout;
    Layout.Name = Component->Name();
    Layout.ClassName = Component->ClassName();
    WriteProperties(*Component, "", Layout.Properties, Depth);
    Component->GetChildren(
        [&](TComponent* Child) { Layout.Children.push_back(WriteComponent(Child, Depth + 1)); },
        FRoot);
    return Layout;
}

void TWriter::WriteProperties(TObject& Instance, const std::string& Prefix,
                              std::vector<TLayoutProperty>& Out, int Depth) {
    if (Depth > MaxLayoutNesting)
        throw EWriteError("Objects nested too deeply to be written");
    for (const TPropInfo* Info : GetPropList(Instance.ClassType())) {
        if (!Info->IsStored(Instance))
            continue;
        if (Info->Kind == TPropertyKind::pkPersistent) {
            if (TObject* Nested = std::get<TObject*>(Info->Get(Instance)))
                WriteProperties(*Nested, Prefix + Info->Name + ".", Out, Depth + 1);
            continue;
        }
        TLayoutProperty Property;
        Property.Name = Prefix + Info->Name;
        if (Info->Kind == TPropertyKind::pkStrings)
            Property.Name += ".Strings";
        Property.Value = PropertyValue(Instance, *Info);
        Out.push_back(std::move(Property));
    }
    auto* Persistent = dynamic_cast<TPersistent*>(&Instance);
    if (!Persistent)
        return;
    const std::string SavedPrefix = FPrefix;
    auto* SavedDefined = FDefined;
    FPrefix = Prefix;
    FDefined = &Out;
    Persistent->DefineProperties(this);
    FPrefix = SavedPrefix;
    FDefined = SavedDefined;
}

TLayoutValue TWriter::PropertyValue(TObject& Instance, const TPropInfo& Info) const {
    const TPropertyValue Value = Info.Get(Instance);
    switch (Info.Kind) {
    case TPropertyKind::pkInteger: {
        std::string Name;
        if (Info.Idents && Info.Idents->ToName &&
            Info.Idents->ToName(std::get<int64_t>(Value), Name))
            return Ident(std::move(Name));
        TLayoutValue Result = MakeValue(TLayoutValue::TKind::Integer);
        Result.Integer = std::get<int64_t>(Value);
        return Result;
    }
    case TPropertyKind::pkBoolean:
        return Ident(std::get<bool>(Value) ? "True" : "False");
    case TPropertyKind::pkString: {
        TLayoutValue Result = MakeValue(TLayoutValue::TKind::String);
        Result.Text = std::get<std::string>(Value);
        return Result;
    }
    case TPropertyKind::pkEnumeration: {
        std::string Name = Info.Enum->NameOf(std::get<int64_t>(Value));
        if (Name.empty())
            throw EWriteError("Property " + Info.Name + " has a value outside " +
                              Info.Enum->TypeName());
        return Ident(std::move(Name));
    }
    case TPropertyKind::pkSet: {
        TLayoutValue Result = MakeValue(TLayoutValue::TKind::Set);
        const auto Bits = static_cast<uint64_t>(std::get<int64_t>(Value));
        for (int Bit = 0; Bit < 64; ++Bit) {
            if (!(Bits & (uint64_t{1} << Bit)))
                continue;
            std::string Name = Info.Enum->NameOf(Bit);
            if (Name.empty())
                throw EWriteError("Property " + Info.Name + " has a value outside " +
                                  Info.Enum->TypeName());
            Result.Names.push_back(std::move(Name));
        }
        return Result;
    }
    case TPropertyKind::pkFloat: {
        TLayoutValue Result = MakeValue(TLayoutValue::TKind::Float);
        Result.Float = std::get<double>(Value);
        return Result;
    }
    case TPropertyKind::pkComponent:
        return Ident(
            ReferenceName(dynamic_cast<TComponent*>(std::get<TObject*>(Value)), Info.Name));
    case TPropertyKind::pkEvent: {
        const TMethod& Method = std::get<TMethod>(Value);
        if (!Method.Assigned())
            return Ident("nil");
        std::string Name = FindMethodName(*FRoot, Method);
        if (Name.empty())
            throw EWriteError("The handler of " + Info.Name + " is not a published method of " +
                              FRoot->ClassName());
        return Ident(std::move(Name));
    }
    case TPropertyKind::pkStrings: {
        TLayoutValue Result = MakeValue(TLayoutValue::TKind::List);
        if (const auto* Strings = dynamic_cast<const TStrings*>(std::get<TObject*>(Value)))
            for (int I = 0; I < Strings->Count(); ++I) {
                TLayoutValue Item = MakeValue(TLayoutValue::TKind::String);
                Item.Text = Strings->Strings(I);
                Result.Items.push_back(std::move(Item));
            }
        return Result;
    }
    case TPropertyKind::pkPersistent:
        break;
    }
    throw EWriteError("Property " + Info.Name + " cannot be written");
}

std::string TWriter::ReferenceName(const TComponent* Component, const std::string& Property) const {
    if (!Component)
        return "nil";
    if (Component->Name().empty())
        throw EWriteError("Property " + Property + " refers to a component without a name");
    const TComponent* Owner = Component->Owner();
    if (Component == FRoot || Owner == FRoot || !Owner)
        return Component->Name();
    if (Owner->Name().empty())
        throw EWriteError("Property " + Property + " refers to a component of an unnamed root");
    return Owner->Name() + "." + Component->Name();
}

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&,
                             const TWriterProc& WriteData, bool HasData) {
    if (!HasData || !WriteData || !FDefined)
        return;
    FValues.clear();
    FLists.clear();
    WriteData(*this);
    if (FValues.size() != 1 || !FLists.empty())
        throw EWriteError("Property " + Name + " must be written as one value");
    TLayoutProperty Property;
    Property.Name = FPrefix + Name;
    Property.Value = std::move(FValues.front());
    FDefined->push_back(std::move(Property));
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
    if (!HasData || !WriteData || !FDefined)
        return;
    TMemoryStream Data;
    WriteData(Data);
    TLayoutProperty Property;
    Property.Name = FPrefix + Name;
    Property.Value = MakeValue(TLayoutValue::TKind::Binary);
    Property.Value.Bytes.assign(Data.Memory(), Data.Memory() + Data.Size());
    FDefined->push_back(std::move(Property));
}

void TWriter::Append(TLayoutValue Value) {
    if (FLists.empty())
        FValues.push_back(std::move(Value));
    else
        FLists.back().Items.push_back(std::move(Value));
}

void TWriter::WriteInteger(int64_t Value) {
    TLayoutValue Result = MakeValue(TLayoutValue::TKind::Integer);
    Result.Integer = Value;
    Append(std::move(Result));
}

void TWriter::WriteBoolean(bool Value) {
    Append(Ident(Value ? "True" : "False"));
}

void TWriter::WriteString(const std::string& Value) {
    TLayoutValue Result = MakeValue(TLayoutValue::TKind::String);
    Result.Text = Value;
    Append(std::move(Result));
}

void TWriter::WriteFloat(double Value) {
    TLayoutValue Result = MakeValue(TLayoutValue::TKind::Float);
    Result.Float = Value;
    Append(std::move(Result));
}

void TWriter::WriteIdent(const std::string& Value) {
    Append(Ident(Value));
}

void TWriter::WriteListBegin() {
    if (FLists.size() >= MaxLayoutNesting)
        throw EWriteError("Lists nested too deeply to be written");
    FLists.push_back(MakeValue(TLayoutValue::TKind::List));
}

void TWriter::WriteListEnd() {
    if (FLists.empty())
        throw EWriteError("No list is being written");
    TLayoutValue List = std::move(FLists.back());
    FLists.pop_back();
    Append(std::move(List));
}

std::string WriteLayout(TComponent* Root) {
    return FormatLayout(TWriter(Root).WriteRootComponent());
}

void WriteLayoutToStream(TStream& Stream, TComponent* Root) {
    const std::string Text = WriteLayout(Root);
    Stream.WriteBuffer(Text.data(), static_cast<int32_t>(Text.size()));
}
