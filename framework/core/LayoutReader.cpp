#include "framework/core/LayoutReader.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Identifiers.h"
#include "framework/core/LayoutParser.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/core/Strings.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace {

using TValueKind = TLayoutValue::TKind;

[[noreturn]] void RaiseInvalidValue(int Line, const std::string& Property,
                                    const std::string& Problem) {
    RaiseLayoutError(Line, "Invalid value for property " + Property + ": " + Problem);
}

void ExpectKind(const TLayoutValue& Value, TValueKind Kind, const std::string& Property,
                const char* Expected) {
    if (Value.Kind != Kind)
        RaiseInvalidValue(Value.Line, Property, std::string(Expected) + " expected");
}

// Runs an operation of the component being read; a framework error it raises becomes a read
// error that names the line.
template <class F> void AtLine(int Line, const std::string& What, F Operation) {
    try {
        Operation();
    } catch (const ELayoutError&) {
        throw;
    } catch (const Exception& E) {
        RaiseLayoutError(Line, What + ": " + E.Message());
    }
}

bool ParseBoolean(const TLayoutValue& Value, const std::string& Property) {
    if (Value.Kind == TValueKind::Ident) {
        if (SameText(Value.Text, "True"))
            return true;
        if (SameText(Value.Text, "False"))
            return false;
    }
    RaiseInvalidValue(Value.Line, Property, "True or False expected");
}

int OrdinalOf(const TEnumInfo& Enum, const std::string& Name, int Line,
              const std::string& Property) {
    const int Ordinal = Enum.OrdinalOf(Name);
    if (Ordinal < 0 || Ordinal >= 64)
        RaiseInvalidValue(Line, Property, Name + " is not a value of " + Enum.TypeName());
    return Ordinal;
}

} // namespace

namespace {

// A window made again while an earlier one of its class lives on with the same owner (a
// second About box) takes the next free name, "AboutFrm_1"; the first keeps its own.
std::string UniqueRootName(const TComponent& Root, const std::string& Name) {
    const TComponent* Owner = Root.Owner();
    auto Taken = [&](const std::string& Candidate) {
        const TComponent* Existing = Owner ? Owner->FindComponent(Candidate) : nullptr;
        return Existing && Existing != &Root;
    };
    std::string Candidate = Name;
    for (int Suffix = 1; Taken(Candidate); ++Suffix)
        Candidate = Name + "_" + std::to_string(Suffix);
    return Candidate;
}

} // namespace

const TClassOf<TReader> TReader::Class{"TReader", TObject::Class};

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    std::unique_ptr<TComponent> CreatedRoot;
    if (Root) {
        if (!SameText(Root->ClassName(), FLayout.ClassName))
            RaiseLayoutError(FLayout.Line, "A layout of " + FLayout.ClassName +
                                               " cannot be read into a " + Root->ClassName());
    } else {
        const TClass* Class = GetClass(FLayout.ClassName);
        const auto* ComponentClass = dynamic_cast<const TComponentClass*>(Class);
        if (!ComponentClass)
            RaiseLayoutError(FLayout.Line, "Class " + FLayout.ClassName + " not found");
        AtLine(FLayout.Line, "Cannot create " + FLayout.ClassName,
               [&] { CreatedRoot.reset(ComponentClass->Create(nullptr)); });
        Root = CreatedRoot.get();
    }
    FRoot = Root;
    try {
        BeginReading(Root);
        if (!FLayout.Name.empty())
            AtLine(FLayout.Line, "Cannot name " + FLayout.Name,
                   [&] { Root->SetName(UniqueRootName(*Root, FLayout.Name)); });
        ReadProperties(*Root, FLayout);
        for (const TLayoutObject& Child : FLayout.Children)
            ReadObject(Child, Root);
        ResolveFixups();
        for (TComponent* Component : FLoaded)
            Component->ExcludeState(TComponentStateFlag::csReading);
        for (TComponent* Component : FLoaded)
            Component->Loaded();
    } catch (...) {
        FreeCreated(CreatedRoot.get());
        throw;
    }
    CreatedRoot.release();
    return Root;
}

void TReader::FreeCreated(TComponent* CreatedRoot) {
    if (CreatedRoot)
        return; // freeing the root frees everything it owns
    // A component's destructor may free others of the list; only those the root still owns
    // are alive.
    for (auto Component = FCreated.rbegin(); Component != FCreated.rend(); ++Component) {
        bool Owned = false;
        for (int I = 0; I < FRoot->ComponentCount() && !Owned; ++I)
            Owned = FRoot->Components(I) == *Component;
        if (Owned)
            delete *Component;
    }
    FRoot->ExcludeState(TComponentStateFlag::csReading);
    FRoot->ExcludeState(TComponentStateFlag::csLoading);
}

void TReader::BeginReading(TComponent* Component) {
    FLoaded.push_back(Component);
    Component->IncludeState(TComponentStateFlag::csLoading);
    Component->IncludeState(TComponentStateFlag::csReading);
}

void TReader::ReadObject(const TLayoutObject& Layout, TComponent* Parent) {
    const TClass* Class = GetClass(Layout.ClassName);
    if (!Class)
        RaiseLayoutError(Layout.Line, "Class " + Layout.ClassName + " not found");
    const auto* ComponentClass = dynamic_cast<const TComponentClass*>(Class);
    if (!ComponentClass)
        RaiseLayoutError(Layout.Line, Layout.ClassName + " is not a component class");
    TComponent* Component = nullptr;
    AtLine(Layout.Line, "Cannot create " + Layout.ClassName,
           [&] { Component = ComponentClass->Create(FRoot); });
    FCreated.push_back(Component);
    BeginReading(Component);
    const std::string What = Layout.Name.empty() ? Layout.ClassName : Layout.Name;
    AtLine(Layout.Line, "Cannot read " + What, [&] {
        Component->SetName(Layout.Name);
        if (Component->HasParent())
            Component->SetParentComponent(Parent);
    });
    ReadProperties(*Component, Layout);
    for (const TLayoutObject& Child : Layout.Children)
        ReadObject(Child, Component);
}

void TReader::ReadProperties(TObject& Instance, const TLayoutObject& Layout) {
    for (const TLayoutProperty& Property : Layout.Properties)
        ReadProperty(Instance, Property);
}

void TReader::ReadProperty(TObject& Instance, const TLayoutProperty& Property) {
    // Walk the path through nested objects: Font.Height, Items.Strings.
    TObject* Target = &Instance;
    std::string Rest = Property.Name;
    for (;;) {
        const size_t Dot = Rest.find('.');
        const std::string Head = Rest.substr(0, Dot);
        const TPropInfo* Info = FindPropInfo(Target->ClassType(), Head);
        if (Dot == std::string::npos) {
            if (Info)
                SetValue(*Target, *Info, Property.Value);
            else
                ReadDefinedProperty(*Target, Head, Property);
            return;
        }
        Rest = Rest.substr(Dot + 1);
        if (Info && Info->Kind == TPropertyKind::pkStrings && SameText(Rest, "Strings")) {
            SetStrings(*Target, *Info, Property.Value);
            return;
        }
        if (!Info || Info->Kind != TPropertyKind::pkPersistent)
            RaiseLayoutError(Property.Line, "Property " + Property.Name + " does not exist");
        Target = std::get<TObject*>(Info->Get(*Target));
        if (!Target)
            RaiseLayoutError(Property.Line, "Property " + Head + " has no object");
    }
}

void TReader::ReadDefinedProperty(TObject& Instance, const std::string& Name,
                                  const TLayoutProperty& Property) {
    auto* Persistent = dynamic_cast<TPersistent*>(&Instance);
    FDefinedName = Name;
    FDefinedValue = &Property.Value;
    FDefinedFound = false;
    FDefinedConsumed = false;
    FLists.clear();
    if (Persistent)
        AtLine(Property.Line, "Error reading " + Property.Name,
               [&] { Persistent->DefineProperties(this); });
    FDefinedValue = nullptr;
    if (!FDefinedFound)
        RaiseLayoutError(Property.Line, "Property " + Property.Name + " does not exist");
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool) {
    if (FDefinedFound || !FDefinedValue || !ReadData || !SameText(Name, FDefinedName))
        return;
    FDefinedFound = true;
    ReadData(*this);
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool) {
    if (FDefinedFound || !FDefinedValue || !ReadData || !SameText(Name, FDefinedName))
        return;
    FDefinedFound = true;
    ExpectKind(*FDefinedValue, TValueKind::Binary, Name, "Binary data");
    TMemoryStream Data;
    Data.WriteBuffer(FDefinedValue->Bytes.data(),
                     static_cast<int32_t>(FDefinedValue->Bytes.size()));
    Data.SetPosition(0);
    ReadData(Data);
}

void TReader::SetValue(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value) {
    TPropertyValue Result;
    switch (Info.Kind) {
    case TPropertyKind::pkInteger: {
        int64_t Number = 0;
        if (Value.Kind == TValueKind::Ident && Info.Idents && Info.Idents->ToValue) {
            if (!Info.Idents->ToValue(Value.Text, Number))
                RaiseInvalidValue(Value.Line, Info.Name, Value.Text + " is not a known name");
        } else {
            ExpectKind(Value, TValueKind::Integer, Info.Name, "Integer");
            Number = Value.Integer;
        }
        if (Number < Info.MinValue || Number > Info.MaxValue)
            RaiseInvalidValue(Value.Line, Info.Name, std::to_string(Number) + " is out of range");
        Result = Number;
        break;
    }
    case TPropertyKind::pkBoolean:
        Result = ParseBoolean(Value, Info.Name);
        break;
    case TPropertyKind::pkString:
        ExpectKind(Value, TValueKind::String, Info.Name, "String");
        Result = Value.Text;
        break;
    case TPropertyKind::pkEnumeration:
        ExpectKind(Value, TValueKind::Ident, Info.Name, "Identifier");
        Result = static_cast<int64_t>(OrdinalOf(*Info.Enum, Value.Text, Value.Line, Info.Name));
        break;
    case TPropertyKind::pkSet: {
        ExpectKind(Value, TValueKind::Set, Info.Name, "Set");
        uint64_t Bits = 0;
        for (const std::string& Name : Value.Names)
            Bits |= uint64_t{1} << OrdinalOf(*Info.Enum, Name, Value.Line, Info.Name);
        Result = static_cast<int64_t>(Bits);
        break;
    }
    case TPropertyKind::pkFloat:
        if (Value.Kind == TValueKind::Integer) {
            Result = static_cast<double>(Value.Integer);
        } else {
            ExpectKind(Value, TValueKind::Float, Info.Name, "Number");
            Result = Value.Float;
        }
        break;
    case TPropertyKind::pkComponent:
        ExpectKind(Value, TValueKind::Ident, Info.Name, "Component name");
        if (!SameText(Value.Text, "nil")) {
            FFixups.push_back(TFixup{&Instance, &Info, Value.Text, Value.Line});
            return;
        }
        Result = static_cast<TObject*>(nullptr);
        break;
    case TPropertyKind::pkEvent:
        SetEvent(Instance, Info, Value);
        return;
    case TPropertyKind::pkStrings:
        SetStrings(Instance, Info, Value);
        return;
    case TPropertyKind::pkPersistent:
        RaiseInvalidValue(Value.Line, Info.Name, "the object's properties are set one by one");
    }
    if (!Info.Set)
        RaiseLayoutError(Value.Line, "Property " + Info.Name + " is read-only");
    AtLine(Value.Line, "Error setting " + Info.Name, [&] { Info.Set(Instance, Result); });
}

void TReader::SetEvent(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value) {
    ExpectKind(Value, TValueKind::Ident, Info.Name, "Method name");
    TMethod Method;
    if (!SameText(Value.Text, "nil")) {
        const TMethodInfo* Found = FindMethodInfo(FRoot->ClassType(), Value.Text);
        if (!Found)
            RaiseInvalidValue(Value.Line, Info.Name,
                              FRoot->ClassName() + " has no published method " + Value.Text);
        if (!Info.EventSignature || *Found->Signature != *Info.EventSignature)
            RaiseInvalidValue(Value.Line, Info.Name,
                              "method " + Value.Text + " does not fit the event");
        Method = Found->Bind(*FRoot);
    }
    AtLine(Value.Line, "Error setting " + Info.Name, [&] { Info.Set(Instance, Method); });
}

void TReader::SetStrings(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value) {
    ExpectKind(Value, TValueKind::List, Info.Name, "List of strings");
    for (const TLayoutValue& Item : Value.Items)
        ExpectKind(Item, TValueKind::String, Info.Name, "String");
    auto* Strings = dynamic_cast<TStrings*>(std::get<TObject*>(Info.Get(Instance)));
    if (!Strings)
        RaiseLayoutError(Value.Line, "Property " + Info.Name + " has no string list");
    AtLine(Value.Line, "Error setting " + Info.Name, [&] {
        Strings->BeginUpdate();
        try {
            Strings->Clear();
            for (const TLayoutValue& Item : Value.Items)
                Strings->Add(Item.Text);
        } catch (...) {
            Strings->EndUpdate();
            throw;
        }
        Strings->EndUpdate();
    });
}

TComponent* TReader::FindReference(const std::string& Reference) const {
    const size_t Dot = Reference.find('.');
    if (Dot == std::string::npos)
        return SameText(FRoot->Name(), Reference) ? FRoot : FRoot->FindComponent(Reference);
    const std::string RootName = Reference.substr(0, Dot);
    const std::string Name = Reference.substr(Dot + 1);
    const TComponent* Owner =
        SameText(FRoot->Name(), RootName) ? FRoot : TComponent::FindGlobalComponent(RootName);
    return Owner ? Owner->FindComponent(Name) : nullptr;
}

void TReader::ResolveFixups() {
    for (const TFixup& Fixup : FFixups) {
        TComponent* Target = FindReference(Fixup.Reference);
        if (!Target)
            RaiseLayoutError(Fixup.Line, "Cannot resolve reference " + Fixup.Reference);
        if (!Target->InheritsFrom(*Fixup.Info->ObjectClass))
            RaiseInvalidValue(Fixup.Line, Fixup.Info->Name,
                              Fixup.Reference + " is not a " +
                                  Fixup.Info->ObjectClass->ClassName());
        AtLine(Fixup.Line, "Error setting " + Fixup.Info->Name,
               [&] { Fixup.Info->Set(*Fixup.Instance, static_cast<TObject*>(Target)); });
    }
}

const TLayoutValue& TReader::NextValue(const char* Expected) {
    if (!FDefinedValue)
        throw EReadError("No property value is being read");
    if (!FLists.empty()) {
        TListCursor& Cursor = FLists.back();
        if (Cursor.Index >= Cursor.List->Items.size())
            RaiseLayoutError(Cursor.List->Line, std::string(Expected) + " expected in list");
        return Cursor.List->Items[Cursor.Index++];
    }
    if (FDefinedConsumed)
        RaiseLayoutError(FDefinedValue->Line, "Property " + FDefinedName + " has one value");
    FDefinedConsumed = true;
    return *FDefinedValue;
}

int64_t TReader::ReadInteger() {
    const TLayoutValue& Value = NextValue("Integer");
    ExpectKind(Value, TValueKind::Integer, FDefinedName, "Integer");
    return Value.Integer;
}

bool TReader::ReadBoolean() {
    return ParseBoolean(NextValue("Boolean"), FDefinedName);
}

std::string TReader::ReadString() {
    const TLayoutValue& Value = NextValue("String");
    ExpectKind(Value, TValueKind::String, FDefinedName, "String");
    return Value.Text;
}

double TReader::ReadFloat() {
    const TLayoutValue& Value = NextValue("Number");
    if (Value.Kind == TValueKind::Integer)
        return static_cast<double>(Value.Integer);
    ExpectKind(Value, TValueKind::Float, FDefinedName, "Number");
    return Value.Float;
}

std::string TReader::ReadIdent() {
    const TLayoutValue& Value = NextValue("Identifier");
    ExpectKind(Value, TValueKind::Ident, FDefinedName, "Identifier");
    return Value.Text;
}

void TReader::ReadListBegin() {
    const TLayoutValue& Value = NextValue("List");
    ExpectKind(Value, TValueKind::List, FDefinedName, "List");
    FLists.push_back(TListCursor{&Value, 0});
}

bool TReader::EndOfList() const {
    return FLists.empty() || FLists.back().Index >= FLists.back().List->Items.size();
}

void TReader::ReadListEnd() {
    if (FLists.empty())
        throw EReadError("No list is being read");
    if (!EndOfList())
        RaiseLayoutError(FLists.back().List->Line, "List of " + FDefinedName + " is too long");
    FLists.pop_back();
}

TComponent* ReadLayout(std::string_view Text, TComponent* Root) {
    const TLayoutObject Layout = ParseLayout(Text);
    return TReader(Layout).ReadRootComponent(Root);
}

TComponent* ReadLayoutFromStream(TStream& Stream, TComponent* Root) {
    const int64_t Count = Stream.Size() - Stream.Position();
    if (Count < 0 || Count > std::numeric_limits<int32_t>::max())
        throw EReadError("Stream read error");
    std::string Text(static_cast<size_t>(Count), '\0');
    Stream.ReadBuffer(Text.data(), static_cast<int32_t>(Count));
    return ReadLayout(Text, Root);
}
