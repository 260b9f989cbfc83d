// The window a floating control lives in: a small tool window as large as the control, above
// the form of the control's owner, captioned with the control's caption. Pressing its caption
// starts a dock drag of the control instead of moving the window; the window frees itself
// once the control has left it.
#pragma once

#include "framework/windows/Forms.h"

class TFloatingDockHost : public TCustomForm {
public:
    static const TComponentClassOf<TFloatingDockHost> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TFloatingDockHost(TComponent* AOwner);

    // Takes Control in, the window's client area covering ScreenRect, and shows the window.
    void Hold(TControl& Control, const RECT& ScreenRect);
    // Moves the window so that its client area covers ScreenRect.
    void PlaceClientArea(const RECT& ScreenRect);
    // The control that floats in the window, or nullptr.
    TControl* Client() const { return ControlCount() > 0 ? Controls(0) : nullptr; }

    void Dispatch(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
};
