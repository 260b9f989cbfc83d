// The About box: the program's name, version and makers, and a button that writes to the
// author.
#pragma once

#include "framework/windows/Forms.h"

class TAboutFrm : public TForm {
public:
    static const TComponentClassOf<TAboutFrm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TAboutFrm(TComponent* AOwner);

    void TeThemeButton1Click(TObject* Sender);
    void TeThemeButton2Click(TObject* Sender);
};

extern TAboutFrm* AboutFrm;
