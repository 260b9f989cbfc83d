#include "framework/graphics/Graphic.h"

#include "framework/core/Filer.h"
#include "framework/core/Streams.h"

const TClassOf<TGraphic> TGraphic::Class{"TGraphic", TPersistent::Class};

void TGraphic::SetSize(int AWidth, int AHeight) {
    SetWidth(AWidth);
    SetHeight(AHeight);
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(File);
}

void TGraphic::SaveToFile(const std::string& FileName) {
    TMemoryStream Encoded;
    SaveToStream(Encoded);
    TFileStream File(FileName, fmCreate);
    Encoded.SaveToStream(File);
}

void TGraphic::Changed() {
    OnChange(this);
}

void TGraphic::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "Data", [this](TStream& Stream) { ReadData(Stream); },
        [this](TStream& Stream) { WriteData(Stream); }, !Empty());
}

void TGraphic::ReadData(TStream& Stream) {
    LoadFromStream(Stream);
}

void TGraphic::WriteData(TStream& Stream) {
    SaveToStream(Stream);
}
