#include "app/AboutPas.h"

#include "app/MainPas.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Properties.h"
#include "framework/windows/ControlClasses.h"
#include "framework/windows/Shell.h"

TAboutFrm* AboutFrm = nullptr;

namespace {

const TMethodTable AboutFrmMethods{
    TPublished<TAboutFrm>::Method("TeThemeButton1Click", &TAboutFrm::TeThemeButton1Click),
    TPublished<TAboutFrm>::Method("TeThemeButton2Click", &TAboutFrm::TeThemeButton2Click),
};

} // namespace

const TComponentClassOf<TAboutFrm> TAboutFrm::Class{"TAboutFrm", TForm::Class, nullptr,
                                                    &AboutFrmMethods};

TAboutFrm::TAboutFrm(TComponent* AOwner) : TForm(AOwner) {
    RegisterControlClasses();
    RegisterClass(Class);
    ReadFormLayout();
}

void TAboutFrm::TeThemeButton1Click(TObject*) {
    Close();
}

void TAboutFrm::TeThemeButton2Click(TObject*) {
    ShellExecuteRequest(
        {Handle(), "", std::string("mailto:") + SupportAddress + "?subject=我在使用Snapvale,谢谢！",
         "", ""});
}
