// The captured-image window: shows the last capture at its natural size in a scrolling
// area, saves it as a JPEG or Windows bitmap file, or copies it to the clipboard.
#pragma once

#include "framework/windows/Dialogs.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"

class TLastImgFrm : public TForm {
public:
    static const TComponentClassOf<TLastImgFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TLastImgFrm(TComponent* AOwner);

    void btnSaveClick(TObject* Sender);
    void btnCopyClipClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

    TImage* Image1 = nullptr;
    TSavePictureDialog* SavePictureDialog1 = nullptr;
};

extern TLastImgFrm* LastImgFrm;

// The box shown for a file name whose extension names no format the window can write.
extern const char* const WrongFormatText;
extern const char* const WrongFormatCaption;
