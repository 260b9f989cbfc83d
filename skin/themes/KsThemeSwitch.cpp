#include "skin/themes/KsThemeSwitch.h"

#include "framework/core/Strings.h"

const TComponentClassOf<TTeSwitcherComboBox> TTeSwitcherComboBox::Class{"TTeSwitcherComboBox",
                                                                        TTeThemeComboBox::Class};

TTeSwitcherComboBox::TTeSwitcherComboBox(TComponent* AOwner) : TTeThemeComboBox(AOwner) {
    SetComboStyle(TKsComboStyle::kcsDropDownList);
}

void TTeSwitcherComboBox::Loaded() {
    TTeThemeComboBox::Loaded();
    SetComboStyle(TKsComboStyle::kcsDropDownList);
    FillThemes();
}

void TTeSwitcherComboBox::SetParent(TWinControl* AParent) {
    TTeThemeComboBox::SetParent(AParent);
    if (AParent)
        FillThemes();
}

void TTeSwitcherComboBox::SetThemeEngine(TTeThemeEngine* Value) {
    TTeThemeComboBox::SetThemeEngine(Value);
    FillThemes();
}

void TTeSwitcherComboBox::ThemeEngineChanged() {
    FillThemes();
}

void TTeSwitcherComboBox::FillThemes() {
    // The current entry is shown, not picked: no change is fired, so the engine is not
    // switched (which would tell this switcher to fill its list again, and so on).
    FFilling = true;
    struct TFillingEnd {
        bool& Flag;
        ~TFillingEnd() { Flag = false; }
    } End{FFilling};
    TStrings* Entries = Items();
    Entries->BeginUpdate();
    Entries->Clear();
    int Current = -1;
    if (IsDesigning()) {
        Entries->Add(DesignEntry);
        Current = 0;
    } else {
        const TTeTheme* Theme = ThemeEngine() ? ThemeEngine()->Theme() : nullptr;
        for (const TTeThemeClass* ThemeClass : RegisteredThemes()) {
            // The classes are compared, not their display names.
            if (Theme && Current < 0 && Theme->ClassName() == ThemeClass->ClassName())
                Current = Entries->Count();
            Entries->Add(ThemeClass->GetName());
        }
    }
    Entries->EndUpdate();
    SetItemIndex(Current);
    Invalidate();
}

void TTeSwitcherComboBox::Change() {
    if (FFilling)
        return;
    TTeThemeComboBox::Change();
    // An index kept from before the items went is no entry.
    const int Index = ItemIndex();
    if (IsDesigning() || Index < 0 || Index >= Items()->Count() || !ThemeEngine())
        return;
    if (const TTeThemeClass* ThemeClass = FindThemeClass(Items()->Strings(Index)))
        ThemeEngine()->SetThemeClass(*ThemeClass);
}
