#include "framework/graphics/Picture.h"

#include "framework/core/Filer.h"
#include "framework/core/Identifiers.h"
#include "framework/core/Streams.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/JpegImage.h"

#include <array>

namespace {

struct TGraphicFormat {
    const char* Extension;
    const TClass* GraphicClass;
};

const std::array<TGraphicFormat, 4> GraphicFormats{{
    {"bmp", &TBitmap::Class},
    {"jpg", &TJPEGImage::Class},
    {"jpeg", &TJPEGImage::Class},
    {"ico", &TIcon::Class},
}};

// The extension of the file-name part, without its dot; empty when there is none.
std::string ExtensionOf(const std::string& FileName) {
    const size_t NameStart = FileName.find_last_of("\\/:");
    const size_t Dot = FileName.rfind('.');
    if (Dot == std::string::npos || (NameStart != std::string::npos && Dot < NameStart))
        return {};
    return FileName.substr(Dot + 1);
}

const TClass* FindGraphicClass(const std::string& FileName) {
    const std::string Extension = ExtensionOf(FileName);
    for (const auto& Format : GraphicFormats)
        if (SameText(Extension, Format.Extension))
            return Format.GraphicClass;
    return nullptr;
}

const TClass* FindGraphicClassNamed(const std::string& ClassName) {
    for (const auto& Format : GraphicFormats)
        if (Format.GraphicClass->ClassName() == ClassName)
            return Format.GraphicClass;
    return nullptr;
}

std::unique_ptr<TGraphic> NewGraphic(const TClass& GraphicClass) {
    std::unique_ptr<TObject> Object = GraphicClass.NewObject();
    TGraphic& Graphic = CastTo<TGraphic>(*Object);
    Object.release();
    return std::unique_ptr<TGraphic>(&Graphic);
}

} // namespace

const TClassOf<TPicture> TPicture::Class{"TPicture", TPersistent::Class};

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::ReplaceGraphic(std::unique_ptr<TGraphic> Value) {
    FGraphic = std::move(Value);
    if (FGraphic)
        FGraphic->OnChange = MakeEvent(this, &TPicture::GraphicChanged);
    OnChange(this);
}

void TPicture::GraphicChanged(TObject*) {
    OnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
    if (Value == FGraphic.get())
        return;
    if (!Value) {
        ReplaceGraphic(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> Copy = NewGraphic(Value->ClassType());
    Copy->Assign(Value);
    ReplaceGraphic(std::move(Copy));
}

void TPicture::Assign(TPersistent* Source) {
    if (!Source)
        SetGraphic(nullptr);
    else if (auto* Picture = dynamic_cast<TPicture*>(Source))
        SetGraphic(Picture->Graphic());
    else if (auto* Graphic = dynamic_cast<TGraphic*>(Source))
        SetGraphic(Graphic);
    else
        TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) {
    if (FGraphic && dynamic_cast<TGraphic*>(Dest))
        Dest->Assign(FGraphic.get());
    else
        TPersistent::AssignTo(Dest);
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get()))
        ReplaceGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(FGraphic.get()))
        ReplaceGraphic(std::make_unique<TIcon>());
    return static_cast<TIcon*>(FGraphic.get());
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& FileName) {
    const TClass* GraphicClass = FindGraphicClass(FileName);
    if (!GraphicClass)
        throw EInvalidGraphic("Unknown picture file extension (." + ExtensionOf(FileName) + ")");
    std::unique_ptr<TGraphic> Loaded = NewGraphic(*GraphicClass);
    Loaded->LoadFromFile(FileName);
    ReplaceGraphic(std::move(Loaded));
}

void TPicture::SaveToFile(const std::string& FileName) {
    if (!FGraphic || FGraphic->Empty())
        throw EInvalidGraphic("Cannot save an empty picture");
    const TClass* GraphicClass = FindGraphicClass(FileName);
    if (!GraphicClass || GraphicClass == &FGraphic->ClassType()) {
        FGraphic->SaveToFile(FileName);
        return;
    }
    std::unique_ptr<TGraphic> Converted = NewGraphic(*GraphicClass);
    Converted->Assign(FGraphic.get());
    Converted->SaveToFile(FileName);
}

void TPicture::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data", [this](TStream& Stream) { ReadData(Stream); },
        [this](TStream& Stream) { WriteData(Stream); }, FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream& Stream) {
    uint8_t Length = 0;
    Stream.ReadBuffer(&Length, 1);
    std::string ClassName(Length, '\0');
    Stream.ReadBuffer(ClassName.data(), Length);
    const TClass* GraphicClass = FindGraphicClassNamed(ClassName);
    if (!GraphicClass)
        throw EInvalidGraphic("Unknown picture format " + ClassName);
    std::unique_ptr<TGraphic> Loaded = NewGraphic(*GraphicClass);
    Loaded->ReadData(Stream);
    ReplaceGraphic(std::move(Loaded));
}

void TPicture::WriteData(TStream& Stream) {
    const std::string& ClassName = FGraphic->ClassName();
    const uint8_t Length = uint8_t(ClassName.size());
    Stream.WriteBuffer(&Length, 1);
    Stream.WriteBuffer(ClassName.data(), Length);
    FGraphic->WriteData(Stream);
}
