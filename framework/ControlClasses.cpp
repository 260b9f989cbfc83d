#include "framework/ControlClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ScrollBox.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"

void RegisterControlClasses() {
    RegisterClasses({&TForm::Class, &TLabel::Class, &TButton::Class, &TImage::Class, &TShape::Class,
                     &TPanel::Class, &TScrollBox::Class, &TTimer::Class,
                     &TSavePictureDialog::Class});
}
