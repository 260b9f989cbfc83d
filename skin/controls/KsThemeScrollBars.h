// TTeThemeScrollBar: the skinned scroll bar drawn by the theme of a theme engine. While the
// engine or its theme cannot paint (none assigned, a theme that is unavailable, the bar
// still loading or going away) it keeps the plain look of its base.
#pragma once

#include "skin/controls/KsScrollBars.h"
#include "skin/themes/KsThemeLink.h"
#include "skin/themes/KsThemeThemes.h"

#include <string>

class TTeThemeEngine;

class TTeThemeScrollBar : public TKsCustomScrollBar {
public:
    static const TComponentClassOf<TTeThemeScrollBar> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeScrollBar(TComponent* AOwner);
    ~TTeThemeScrollBar() override;

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

    int GetButtonSize() const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void PaintFirstButton() override;
    void PaintSecondButton() override;
    void PaintThumb() override;
    void PaintTrack() override;
    void PaintBorder() override;
    void PaintPressedPage(const RECT& Rect) override;

private:
    // The engine's theme when it can paint this bar now, else none.
    TTeTheme* PaintingTheme() const;
    TTeDrawState PartState(bool Pressed, bool Hot) const;

    TTeThemeLink FThemeLink{*this};
};
