#include "LayoutSamples.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Identifiers.h"
#include "framework/core/LayoutReader.h"
#include "framework/core/LayoutWriter.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"

#include <algorithm>

namespace {

const TEnumInfo AlignInfo{"TSampleAlign", {"alNone", "alTop", "alClient"}};
const TEnumInfo AnchorInfo{"TSampleAnchor", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumInfo FontStyleInfo{"TSampleFontStyle", {"fsBold", "fsItalic", "fsUnderline"}};

struct TNamedColor {
    const char* Name;
    int64_t Value;
};
constexpr TNamedColor NamedColors[] = {{"clBlack", 0}, {"clRed", 0xFF}, {"clBtnFace", 0x8000000F}};

bool ColorToValue(const std::string& Name, int64_t& Value) {
    for (const TNamedColor& Color : NamedColors)
        if (SameText(Color.Name, Name)) {
            Value = Color.Value;
            return true;
        }
    return false;
}

bool ColorToName(int64_t Value, std::string& Name) {
    for (const TNamedColor& Color : NamedColors)
        if (Color.Value == Value) {
            Name = Color.Name;
            return true;
        }
    return false;
}

const TIntegerIdents ColorIdents{ColorToValue, ColorToName};

using TFontProps = TPublished<TSampleFont>;
const TPropertyTable FontProperties{
    TFontProps::Integer("Height", &TSampleFont::Height, &TSampleFont::SetHeight, -11),
    TFontProps::String("Name", &TSampleFont::Name, &TSampleFont::SetName, "Tahoma"),
    TFontProps::Set("Style", FontStyleInfo, &TSampleFont::Style, &TSampleFont::SetStyle),
};

using TControlProps = TPublished<TSampleControl>;
const TPropertyTable ControlProperties{
    TControlProps::String("Caption", &TSampleControl::Caption, &TSampleControl::SetCaption),
    TControlProps::Integer("Width", &TSampleControl::Width, &TSampleControl::SetWidth, 64),
    TControlProps::Integer("Small", &TSampleControl::Small, &TSampleControl::SetSmall, 0),
    TControlProps::Boolean("Visible", &TSampleControl::Visible, &TSampleControl::SetVisible, true),
    TControlProps::Enumeration("Align", AlignInfo, &TSampleControl::Align,
                               &TSampleControl::SetAlign),
    TControlProps::Set("Anchors", AnchorInfo, &TSampleControl::Anchors, &TSampleControl::SetAnchors,
                       TSampleAnchors{TSampleAnchor::akLeft, TSampleAnchor::akTop}),
    WithIdents(TControlProps::Integer("Color", &TSampleControl::Color, &TSampleControl::SetColor),
               ColorIdents),
    TControlProps::Float("Ratio", &TSampleControl::Ratio, &TSampleControl::SetRatio, 1.0),
    TControlProps::Persistent("Font", &TSampleControl::Font),
    TControlProps::Strings("Items", &TSampleControl::Items),
    TControlProps::Boolean("ShowHint", &TSampleControl::ShowHint, &TSampleControl::SetShowHint),
    TControlProps::String("Hint", &TSampleControl::Hint, &TSampleControl::SetHint, "",
                          TStored::If<TSampleControl>(&TSampleControl::ShowHint)),
    TControlProps::Component("Link", &TSampleControl::Link, &TSampleControl::SetLink),
    TControlProps::Event("OnClick", &TSampleControl::OnClick),
    TControlProps::Event("OnKeyPress", &TSampleControl::OnKeyPress),
};

using TFormProps = TPublished<TSampleForm>;
const TPropertyTable FormProperties{
    TFormProps::Component("Engine", &TSampleForm::Engine, &TSampleForm::SetEngine),
};
const TMethodTable FormMethods{
    TFormProps::Method("ButtonClick", &TSampleForm::ButtonClick),
    TFormProps::Method("OtherClick", &TSampleForm::OtherClick),
    TFormProps::Method("KeyPressed", &TSampleForm::KeyPressed),
};

void Detach(std::vector<TSampleControl*>& List, TSampleControl* Control) {
    List.erase(std::remove(List.begin(), List.end(), Control), List.end());
}

} // namespace

TSampleLog& TSampleLog::Instance() {
    static TSampleLog Log;
    return Log;
}

const TClassOf<TSampleFont> TSampleFont::Class{"TSampleFont", TPersistent::Class, &FontProperties};

void TSampleFont::Assign(TPersistent* Source) {
    if (auto* Font = dynamic_cast<TSampleFont*>(Source)) {
        FHeight = Font->FHeight;
        FName = Font->FName;
        FStyle = Font->FStyle;
        return;
    }
    TPersistent::Assign(Source);
}

const TComponentClassOf<TSampleControl> TSampleControl::Class{"TSampleControl", TComponent::Class,
                                                              &ControlProperties};

TSampleControl::TSampleControl(TComponent* AOwner) : TComponent(AOwner) {
    ++TSampleLog::Instance().Alive;
}

TSampleControl::~TSampleControl() {
    TSampleLog::Instance().Destroyed.push_back(Name());
    --TSampleLog::Instance().Alive;
    SetParentComponent(nullptr);
    for (TSampleControl* Child : FControls)
        Child->FParent = nullptr;
}

void TSampleControl::SetCaption(const std::string& Value) {
    if (IsLoading() && ComponentState().Contains(TComponentStateFlag::csReading))
        TSampleLog::Instance().CaptionSetWhileReading = true;
    FCaption = Value;
}

void TSampleControl::SetWidth(int Value) {
    if (Value < 0)
        throw EInvalidOperation("Width cannot be negative");
    FWidth = Value;
}

void TSampleControl::SetLink(TSampleControl* Value) {
    if (FLink)
        FLink->RemoveFreeNotification(this);
    FLink = Value;
    if (FLink)
        FLink->FreeNotification(this);
}

void TSampleControl::SetParentComponent(TComponent* Value) {
    if (auto* OldControl = dynamic_cast<TSampleControl*>(FParent))
        Detach(OldControl->FControls, this);
    else if (auto* OldForm = dynamic_cast<TSampleForm*>(FParent))
        Detach(OldForm->Controls, this);
    FParent = Value;
    if (auto* Control = dynamic_cast<TSampleControl*>(Value))
        Control->FControls.push_back(this);
    else if (auto* Form = dynamic_cast<TSampleForm*>(Value))
        Form->Controls.push_back(this);
}

void TSampleControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TSampleControl* Child : FControls)
        if (Child->Owner() == Root)
            Proc(Child);
}

void TSampleControl::Loaded() {
    TComponent::Loaded();
    TSampleLog::Instance().Loaded.push_back(Name());
}

void TSampleControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FLink)
        FLink = nullptr;
}

void TSampleControl::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream& Stream) {
            Data.resize(static_cast<size_t>(Stream.Size()));
            Stream.ReadBuffer(Data.data(), static_cast<int32_t>(Data.size()));
        },
        [this](TStream& Stream) {
            Stream.WriteBuffer(Data.data(), static_cast<int32_t>(Data.size()));
        },
        !Data.empty());
    Filer->DefineProperty(
        "Points",
        [this](TReader& Reader) {
            Points.clear();
            Reader.ReadListBegin();
            while (!Reader.EndOfList())
                Points.push_back(Reader.ReadInteger());
            Reader.ReadListEnd();
        },
        [this](TWriter& Writer) {
            Writer.WriteListBegin();
            for (int64_t Point : Points)
                Writer.WriteInteger(Point);
            Writer.WriteListEnd();
        },
        !Points.empty());
}

const TComponentClassOf<TSampleEngine> TSampleEngine::Class{"TSampleEngine", TComponent::Class};

TSampleEngine::TSampleEngine(TComponent* AOwner) : TComponent(AOwner) {
    ++TSampleLog::Instance().Alive;
}

TSampleEngine::~TSampleEngine() {
    --TSampleLog::Instance().Alive;
}

void TSampleEngine::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "ThemeClass",
        [this](TStream& Stream) {
            uint32_t Length = 0;
            Stream.ReadBuffer(&Length, 4);
            if (static_cast<int64_t>(Length) > Stream.Size() - Stream.Position())
                throw EReadError("Stream read error");
            std::string Name(Length, '\0');
            Stream.ReadBuffer(Name.data(), static_cast<int32_t>(Length));
            ThemeName = Name;
        },
        [this](TStream& Stream) {
            const auto Length = static_cast<uint32_t>(ThemeName.size());
            Stream.WriteBuffer(&Length, 4);
            Stream.WriteBuffer(ThemeName.data(), static_cast<int32_t>(Length));
        },
        true);
}

const TComponentClassOf<TSampleForm> TSampleForm::Class{"TSampleForm", TComponent::Class,
                                                        &FormProperties, &FormMethods};

TSampleForm::TSampleForm(TComponent* AOwner) : TComponent(AOwner) {
    ++TSampleLog::Instance().Alive;
}

TSampleForm::~TSampleForm() {
    // The controls refer back to the form as their parent: free them while it is whole.
    DestroyComponents();
    --TSampleLog::Instance().Alive;
}

void TSampleForm::ButtonClick(TObject* Sender) {
    LastSender = Sender;
}
void TSampleForm::OtherClick(TObject*) {
    LastSender = nullptr;
}
void TSampleForm::KeyPressed(TObject*, TKeyChar& Key) {
    Key = 0;
}

void TSampleForm::SetEngine(TSampleEngine* Value) {
    if (FEngine)
        FEngine->RemoveFreeNotification(this);
    FEngine = Value;
    if (FEngine)
        FEngine->FreeNotification(this);
}

void TSampleForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    TComponent::GetChildren(Proc, Root);
    for (TSampleControl* Control : Controls)
        if (Control->Owner() == Root)
            Proc(Control);
}

void TSampleForm::Loaded() {
    TComponent::Loaded();
    TSampleLog::Instance().Loaded.push_back(Name());
}

void TSampleForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FEngine)
        FEngine = nullptr;
}

void RegisterSampleClasses() {
    RegisterClasses(
        {&TSampleForm::Class, &TSampleControl::Class, &TSampleEngine::Class, &TSampleFont::Class});
}
