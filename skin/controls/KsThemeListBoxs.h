// TTeThemeListBox: the skinned list box drawn through the theme of a theme engine: its
// background in the theme's window colour, its frame by the theme's edit frame, its check
// boxes by the theme (with a wider check column and taller items), and a themed scroll bar
// on the same engine. While the engine or its theme cannot paint it keeps the plain look of
// its base.
#pragma once

#include "skin/controls/KsListBoxs.h"
#include "skin/themes/KsThemeLink.h"

#include <string>

class TTeThemeEngine;

class TTeThemeListBox : public TKsCustomListBox {
public:
    static const TComponentClassOf<TTeThemeListBox> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeListBox(TComponent* AOwner);
    ~TTeThemeListBox() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    // Links the box and its scroll bar to Value.
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

    int GetItemHeight(int Index) const override;
    int GetCheckColumnWidth() const override;
    SIZE GetCheckGlyphSize() const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TKsCustomScrollBar* CreateScrollBar() override;
    void DrawBorder() override;
    void PaintBackground() override;
    void DrawCheck(int Index, const RECT& Rect) override;
    // Lays the items out again when the theme came or went: it changes their heights.
    void PaintControl() override;

private:
    // The engine's theme when it can paint the box now, else none.
    TTeTheme* PaintingTheme() const { return FThemeLink.AvailableTheme(); }

    TTeThemeLink FThemeLink{*this};
    bool FLaidOutThemed = false;
};
