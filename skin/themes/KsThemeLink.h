// A themed component's link to its theme engine: the reference, kept clear of a freed
// engine through the framework's free notification, and the engine's theme when it can
// paint. Themed buttons, scroll bars and forms each hold one.
#pragma once

#include "framework/core/Components.h"

class TTeTheme;
class TTeThemeEngine;

class TTeThemeLink {
public:
    explicit TTeThemeLink(TComponent& Client) : FClient(Client) {}
    TTeThemeLink(const TTeThemeLink&) = delete;
    TTeThemeLink& operator=(const TTeThemeLink&) = delete;
    ~TTeThemeLink();

    TTeThemeEngine* Engine() const { return FEngine; }
    // Links to Value; answers whether the engine changed.
    bool SetEngine(TTeThemeEngine* Value);
    // To be called from the client's Notification: answers true when the engine being
    // removed was the linked one, which is then forgotten.
    bool EngineRemoved(TComponent* AComponent, TOperation Operation);
    // The engine's theme when it can paint now: the client is neither being loaded nor
    // destroyed, an engine is linked and its theme answers available. Null otherwise.
    TTeTheme* AvailableTheme() const;

private:
    TComponent& FClient;
    TTeThemeEngine* FEngine = nullptr;
};
