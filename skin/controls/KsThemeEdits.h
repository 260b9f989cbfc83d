// TTeThemeEdit: the skinned edit drawn through the theme of a theme engine: its frame by
// the theme's edit frame and its context menu with themed items on the same engine. While
// the engine or its theme cannot paint it keeps the plain look of its base.
#pragma once

#include "skin/controls/KsEdits.h"
#include "skin/themes/KsThemeLink.h"

#include <string>

class TTeThemeEngine;

class TTeThemeEdit : public TKsCustomEdit {
public:
    static const TComponentClassOf<TTeThemeEdit> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeEdit(TComponent* AOwner);
    ~TTeThemeEdit() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    // Links the edit and its context menu to Value.
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DrawBorder() override;
    TKsCustomPopupMenu* CreateContextMenu(TComponent* AOwner) override;
    TKsCustomItem* CreateContextMenuItem() override;
    void UpdateContextMenu() override;

private:
    TTeThemeLink FThemeLink{*this};
};
