#include "framework/windows/ControlClasses.h"

#include "framework/core/ClassRegistry.h"
#include "framework/windows/Actions.h"
#include "framework/windows/Dialogs.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/Forms.h"
#include "framework/windows/ImageLists.h"
#include "framework/windows/Menus.h"
#include "framework/windows/ScrollBox.h"
#include "framework/windows/StdCtrls.h"
#include "framework/windows/Timer.h"

void RegisterControlClasses() {
    RegisterClasses({&TForm::Class, &TLabel::Class, &TButton::Class, &TImage::Class, &TShape::Class,
                     &TPanel::Class, &TScrollBox::Class, &TTimer::Class, &TSavePictureDialog::Class,
                     &TActionList::Class, &TAction::Class, &TImageList::Class, &TPopupMenu::Class,
                     &TMenuItem::Class});
}
