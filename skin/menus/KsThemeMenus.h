// The themed popup menu: a skinned popup menu whose items are themed items painted by its
// theme engine.
#pragma once

#include "skin/menus/KsMenus.h"

class TTeThemeEngine;

class TTeThemePopupMenu : public TKsCustomPopupMenu {
public:
    static const TComponentClassOf<TTeThemePopupMenu> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemePopupMenu(TComponent* AOwner);
    ~TTeThemePopupMenu() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeEngine; }
    // Links the menu and its whole item tree to Value.
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

    static void AddThemeItem(TComponent& Container, TKsCustomItem& Item);
    void Loaded() override;

protected:
    std::unique_ptr<TKsCustomItem> CreateRootItem() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TTeThemeEngine* FThemeEngine = nullptr;
};
