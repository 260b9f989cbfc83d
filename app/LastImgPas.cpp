#include "app/LastImgPas.h"

#include "app/FormParts.h"
#include "app/ReplaceFile.h"
#include "app/SaveFormat.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Clipboard.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "framework/windows/Application.h"
#include "framework/windows/ControlClasses.h"

TLastImgFrm* LastImgFrm = nullptr;

const char* const WrongFormatText = "请选择正确的图片格式!";
const char* const WrongFormatCaption = "提示";

namespace {

const TMethodTable LastImgFrmMethods{
    TPublished<TLastImgFrm>::Method("btnSaveClick", &TLastImgFrm::btnSaveClick),
    TPublished<TLastImgFrm>::Method("btnCopyClipClick", &TLastImgFrm::btnCopyClipClick),
    TPublished<TLastImgFrm>::Method("btnExitClick", &TLastImgFrm::btnExitClick),
};

} // namespace

const TComponentClassOf<TLastImgFrm> TLastImgFrm::Class{"TLastImgFrm", TForm::Class, nullptr,
                                                        &LastImgFrmMethods};

TLastImgFrm::TLastImgFrm(TComponent* AOwner) : TForm(AOwner) {
    RegisterControlClasses();
    RegisterClass(Class);
    ReadFormLayout();
    Image1 = ComponentNamed<TImage>(*this, "Image1");
    SavePictureDialog1 = ComponentNamed<TSavePictureDialog>(*this, "SavePictureDialog1");
}

void TLastImgFrm::btnSaveClick(TObject*) {
    if (!SavePictureDialog1->Execute())
        return;
    const std::string FileName = SavePictureDialog1->FileName();
    // The new file replaces an existing one only once it has been written completely.
    switch (SaveFormatOf(FileName)) {
    case TSaveFormat::Bitmap:
        WriteFileReplacing(FileName, [this](const std::string& TempName) {
            Image1->Picture()->Bitmap()->SaveToFile(TempName);
        });
        break;
    case TSaveFormat::Jpeg: {
        TJPEGImage Jpeg;
        Jpeg.Assign(Image1->Picture()->Bitmap());
        WriteFileReplacing(FileName,
                           [&Jpeg](const std::string& TempName) { Jpeg.SaveToFile(TempName); });
        break;
    }
    case TSaveFormat::Unknown:
        Application->MessageBox(WrongFormatText, WrongFormatCaption, MB_ICONERROR | MB_OK);
        break;
    }
}

void TLastImgFrm::btnCopyClipClick(TObject*) {
    Clipboard()->Assign(Image1->Picture());
}

void TLastImgFrm::btnExitClick(TObject*) {
    Close();
}
