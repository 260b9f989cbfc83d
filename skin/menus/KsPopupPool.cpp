#include "skin/menus/KsPopupPool.h"

#include "framework/windows/Application.h"

#include <algorithm>

namespace {

// The pool of this program, made with the first window given back and freed with the
// application object, which frees its components before the screen goes.
TKsPopupPool* ThePool = nullptr;

} // namespace

TKsPopupLease::TKsPopupLease(TKsPopupWindowClass Make, std::unique_ptr<TKsPopupWindow> Window)
    : FMake(Make), FWindow(std::move(Window)) {}

TKsPopupLease::~TKsPopupLease() {
    TKsPopupPool::GiveBack(FMake, std::move(FWindow));
}

const TComponentClassOf<TKsPopupPool> TKsPopupPool::Class{"TKsPopupPool", TComponent::Class};

TKsPopupPool::~TKsPopupPool() {
    if (ThePool == this)
        ThePool = nullptr;
}

TKsPopupLease TKsPopupPool::Take(TKsPopupWindowClass Make, TComponent* Owner, TKsCustomItem& Item,
                                 TKsItemView* ParentView, POINT Origin) {
    if (ThePool) {
        std::vector<TKept>& Kept = ThePool->FKept;
        const auto Found = std::find_if(Kept.rbegin(), Kept.rend(),
                                        [Make](const TKept& K) { return K.Make == Make; });
        if (Found != Kept.rend()) {
            std::unique_ptr<TKsPopupWindow> Window = std::move(Found->Window);
            Kept.erase(std::next(Found).base());
            Window->Rebuild(Owner, Item, ParentView, Origin);
            return TKsPopupLease(Make, std::move(Window));
        }
    }
    return TKsPopupLease(Make, Make(Owner, Item, ParentView, Origin));
}

void TKsPopupPool::GiveBack(TKsPopupWindowClass Make, std::unique_ptr<TKsPopupWindow> Window) {
    // A window whose host window went away is not worth keeping.
    if (!Window || !Window->HandleAllocated() || !IsWindow(Window->Handle()))
        return;
    if (!ThePool)
        ThePool = new TKsPopupPool(Application);
    std::vector<TKept>& Kept = ThePool->FKept;
    if (std::count_if(Kept.begin(), Kept.end(),
                      [Make](const TKept& K) { return K.Make == Make; }) >= MaxKeptPerClass)
        return;
    Window->Retire();
    Kept.push_back(TKept{Make, std::move(Window)});
}

int TKsPopupPool::KeptCount() {
    return ThePool ? static_cast<int>(ThePool->FKept.size()) : 0;
}

void TKsPopupPool::FreeKeptWindows() {
    if (ThePool)
        ThePool->FKept.clear();
}
