// TTeThemeButton: the push button whose face its theme engine's theme paints, as long as
// that theme can paint; otherwise it is the plain skinned button. The button does not
// register with the engine: it reads the engine's theme each time it paints.
#pragma once

#include "skin/controls/KsButtons.h"
#include "skin/themes/KsThemeLink.h"

#include <string>

class TTeThemeEngine;

class TTeThemeButton : public TKsCustomButton {
public:
    static const TComponentClassOf<TTeThemeButton> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TTeThemeButton(TComponent* AOwner);

    TTeThemeEngine* ThemeEngine() const { return FThemeLink.Engine(); }
    void SetThemeEngine(TTeThemeEngine* Value);
    std::string Version() const;

    // Whether the face comes from the engine's theme now.
    bool ThemeAvailable() const;

protected:
    void DrawFace() override;
    void DescribeAppearance(TKsAppearance& Appearance) const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TTeThemeLink FThemeLink{*this};
};
