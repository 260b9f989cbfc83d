// TTeThemeComboBox: the skinned combo box drawn through the theme of a theme engine: its
// background in the theme's window colour, its frame by the theme's edit frame, its button
// by the theme's combo button (normal, hot, pressed, disabled, as wide as the theme says),
// a themed list and a context menu with themed items, all on the same engine. While the
// engine or its theme cannot paint it keeps the plain look of its base.
#pragma once

#include "skin/controls/KsComboBoxs.h"
#include "skin/themes/KsThemeLink.h"

#include <string>

class TTeThemeEngine;

class TTeThemeComboBox : public TKsCustomComboBox {
public:
    static const TComponentClassOf<TTeThemeComboBox> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeComboBox(TComponent* AOwner);
    ~TTeThemeComboBox() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    // Links the combo, its list and its context menu to Value.
    virtual void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

    int GetButtonWidth() const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TKsCustomListBox* CreateListBox() override;
    void ShowList() override;
    void DrawBorder() override;
    void PaintBackground(const RECT& Rect, TKsBitmap& Surface) override;
    void PaintButton(TKsBitmap& Surface, const RECT& Rect) override;
    TKsCustomPopupMenu* CreateContextMenu(TComponent* AOwner) override;
    TKsCustomItem* CreateContextMenuItem() override;
    void UpdateContextMenu() override;

private:
    // Hands the engine to the list, which paints with it while it is dropped down.
    void LinkList();

    TTeThemeLink FThemeLink{*this};
};
