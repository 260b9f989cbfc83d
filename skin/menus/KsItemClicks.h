// The click handler: a hidden window that runs items' clicks from the application's loop,
// after the menu that produced them has closed. A click names its item by serial number; an
// item freed before the message arrives is simply not found, and nothing runs.
#pragma once

#include "framework/core/Components.h"
#include "skin/forms/KsMessageWindow.h"

class TKsCustomItem;

class TKsClickHandler : public TComponent {
public:
    static const TComponentClassOf<TKsClickHandler> Class;
    const TClass& ClassType() const override { return Class; }

    // Makes the one click handler, owned by the application, unless it exists.
    static void Install();
    // The click handler, or nullptr before Install and after the application freed it.
    static TKsClickHandler* Instance();

    explicit TKsClickHandler(TComponent* AOwner);
    ~TKsClickHandler() override;

    // Queues the click of Item; False when the host's queue refused it.
    bool Post(const TKsCustomItem& Item) const;

private:
    bool HandleMessage(TMessage& Message);

    TKsMessageWindow FWindow;
};
