#include "skin/controls/KsControlsRegistration.h"

#include "framework/core/ClassRegistry.h"
#include "skin/controls/KsComboBoxs.h"
#include "skin/controls/KsControlBars.h"
#include "skin/controls/KsEdits.h"
#include "skin/controls/KsListBoxs.h"
#include "skin/controls/KsScrollBars.h"
#include "skin/controls/KsSpeedButtons.h"
#include "skin/controls/KsTabs.h"
#include "skin/controls/KsThemeButtons.h"
#include "skin/controls/KsThemeComboBoxs.h"
#include "skin/controls/KsThemeEdits.h"
#include "skin/controls/KsThemeListBoxs.h"
#include "skin/controls/KsThemeScrollBars.h"

void RegisterSkinControls() {
    static bool Registered = false;
    if (Registered)
        return;
    Registered = true;
    RegisterClasses({&TTeThemeButton::Class, &TKsSpeedContainer::Class, &TKsSpeedDivider::Class,
                     &TKsScrollBar::Class, &TTeThemeScrollBar::Class, &TKsEdit::Class,
                     &TTeThemeEdit::Class, &TKsCustomControlBar::Class, &TKsListBox::Class,
                     &TTeThemeListBox::Class});
    RegisterClasses({&TKsTabControl::Class, &TKsTabSheet::Class, &TKsComboBox::Class,
                     &TTeThemeComboBox::Class});
}
