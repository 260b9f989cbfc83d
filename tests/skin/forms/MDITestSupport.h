// A skinned multiple-document scene for the tests: a parent form in front with a themed
// frame, a skinned menu bar holding one item, and themed children added to it.
#pragma once

#include "WindowTestSupport.h"

#include "skin/menus/KsItems.h"

#include <list>
#include <memory>
#include <string>

class TKsCustomMenuBar;
class TTeThemeEngine;
class TTeThemeForm;

struct TMDIChild {
    TForm* Form;
    TTeThemeForm* Controller;
};

class TSkinnedMDIScene {
public:
    TSkinnedMDIScene();
    ~TSkinnedMDIScene();

    TMDIChild& AddChild(const std::string& Caption, const RECT& Bounds = RECT{10, 10, 250, 190});
    void FreeChild(TMDIChild& Child);
    // The child was freed by other means.
    void Forget(TMDIChild& Child);
    HWND Client() const;
    // A child's window rectangle in the client window's coordinates.
    RECT BoundsOf(const TMDIChild& Child) const;
    // Items of the bar's root that are visible.
    int VisibleItemCount() const;
    // The bar's item for a child's caption button.
    TKsCustomItem* Button(TKsItemButtonKind Kind) const;
    // Clicks that item and lets the click run.
    void ClickButton(TKsItemButtonKind Kind) const;

    std::unique_ptr<TForm> Parent;
    TTeThemeEngine* Engine = nullptr;
    TTeThemeForm* Controller = nullptr;
    TKsCustomMenuBar* Bar = nullptr;

private:
    std::list<TMDIChild> FChildren;
};
