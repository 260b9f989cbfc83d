#include "skin/themes/TeThemeXPImpl.h"

namespace {

template <class F> void Resolve(HMODULE Module, const char* Name, F& Entry) {
    Entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}

// The loaded library and its entries, freed when the program ends.
class THostVisualStyles {
public:
    THostVisualStyles() : FModule(LoadLibraryW(L"uxtheme.dll")) {
        if (!FModule)
            return;
        Api.Loaded = true;
        HMODULE Module = FModule;
        Resolve(Module, "OpenThemeData", Api.OpenThemeData);
        Resolve(Module, "CloseThemeData", Api.CloseThemeData);
        Resolve(Module, "DrawThemeBackground", Api.DrawThemeBackground);
        Resolve(Module, "DrawThemeText", Api.DrawThemeText);
        Resolve(Module, "GetThemePartSize", Api.GetThemePartSize);
        Resolve(Module, "GetThemeTextMetrics", Api.GetThemeTextMetrics);
        Resolve(Module, "GetThemeBackgroundRegion", Api.GetThemeBackgroundRegion);
        Resolve(Module, "HitTestThemeBackground", Api.HitTestThemeBackground);
        Resolve(Module, "DrawThemeEdge", Api.DrawThemeEdge);
        Resolve(Module, "DrawThemeIcon", Api.DrawThemeIcon);
        Resolve(Module, "DrawThemeParentBackground", Api.DrawThemeParentBackground);
        Resolve(Module, "IsThemePartDefined", Api.IsThemePartDefined);
        Resolve(Module, "IsThemeBackgroundPartiallyTransparent",
                Api.IsThemeBackgroundPartiallyTransparent);
        Resolve(Module, "GetThemeColor", Api.GetThemeColor);
        Resolve(Module, "GetThemeMetric", Api.GetThemeMetric);
        Resolve(Module, "GetThemeString", Api.GetThemeString);
        Resolve(Module, "GetThemeBool", Api.GetThemeBool);
        Resolve(Module, "GetThemeInt", Api.GetThemeInt);
        Resolve(Module, "GetThemeEnumValue", Api.GetThemeEnumValue);
        Resolve(Module, "GetThemePosition", Api.GetThemePosition);
        Resolve(Module, "GetThemeFont", Api.GetThemeFont);
        Resolve(Module, "GetThemeRect", Api.GetThemeRect);
        Resolve(Module, "GetThemeMargins", Api.GetThemeMargins);
        Resolve(Module, "GetThemeIntList", Api.GetThemeIntList);
        Resolve(Module, "SetWindowTheme", Api.SetWindowTheme);
        Resolve(Module, "GetThemeFilename", Api.GetThemeFilename);
        Resolve(Module, "GetThemeSysColor", Api.GetThemeSysColor);
        Resolve(Module, "GetThemeSysColorBrush", Api.GetThemeSysColorBrush);
        Resolve(Module, "GetThemeSysBool", Api.GetThemeSysBool);
        Resolve(Module, "GetThemeSysSize", Api.GetThemeSysSize);
        Resolve(Module, "GetThemeSysFont", Api.GetThemeSysFont);
        Resolve(Module, "GetThemeSysString", Api.GetThemeSysString);
        Resolve(Module, "GetThemeSysInt", Api.GetThemeSysInt);
        Resolve(Module, "IsThemeActive", Api.IsThemeActive);
        Resolve(Module, "IsAppThemed", Api.IsAppThemed);
        Resolve(Module, "GetWindowTheme", Api.GetWindowTheme);
        Resolve(Module, "GetThemeAppProperties", Api.GetThemeAppProperties);
        Resolve(Module, "SetThemeAppProperties", Api.SetThemeAppProperties);
        Resolve(Module, "GetCurrentThemeName", Api.GetCurrentThemeName);
        Resolve(Module, "GetThemeDocumentationProperty", Api.GetThemeDocumentationProperty);
    }
    THostVisualStyles(const THostVisualStyles&) = delete;
    THostVisualStyles& operator=(const THostVisualStyles&) = delete;
    ~THostVisualStyles() {
        if (FModule)
            FreeLibrary(FModule);
    }

    TTeVisualStylesApi Api;

private:
    HMODULE FModule;
};

TTeVisualStylesApi& EntriesInUse() {
    static THostVisualStyles Host;
    static TTeVisualStylesApi InUse = Host.Api;
    return InUse;
}

} // namespace

const TTeVisualStylesApi& VisualStyles() {
    return EntriesInUse();
}

TTeVisualStylesApi SetVisualStyles(const TTeVisualStylesApi& Api) {
    TTeVisualStylesApi Previous = EntriesInUse();
    EntriesInUse() = Api;
    return Previous;
}

bool VisualStylesLoaded() {
    return VisualStyles().Loaded;
}

bool VisualStylesActive() {
    const TTeVisualStylesApi& Api = VisualStyles();
    return Api.Loaded && Api.IsAppThemed && Api.IsAppThemed() && Api.IsThemeActive &&
           Api.IsThemeActive();
}

TTeVisualStyleClass::TTeVisualStyleClass(const wchar_t* ClassName) {
    const TTeVisualStylesApi& Api = VisualStyles();
    // A handle that could not be closed again is not taken.
    if (Api.OpenThemeData && Api.CloseThemeData)
        FTheme = Api.OpenThemeData(nullptr, ClassName);
}

TTeVisualStyleClass::~TTeVisualStyleClass() {
    if (FTheme)
        VisualStyles().CloseThemeData(FTheme);
}

bool TTeVisualStyleClass::DrawBackground(HDC DC, int Part, int State, const RECT& Rect) const {
    const TTeVisualStylesApi& Api = VisualStyles();
    if (!FTheme || !Api.DrawThemeBackground || Rect.right <= Rect.left || Rect.bottom <= Rect.top)
        return false;
    // A part the style leaves out would come back as success with nothing drawn, or as the
    // host's stand-in fill.
    if (Api.IsThemePartDefined && !Api.IsThemePartDefined(FTheme, Part, 0))
        return false;
    // Pictures drawn at their own size stand out of a smaller rectangle: clipped to it,
    // nothing reaches past the element's own pixels.
    const bool Drawn = SUCCEEDED(Api.DrawThemeBackground(FTheme, DC, Part, State, &Rect, &Rect));
    GdiFlush();
    return Drawn;
}

bool TTeVisualStyleClass::PartSize(int Part, int State, SIZE& Size) const {
    const TTeVisualStylesApi& Api = VisualStyles();
    return FTheme && Api.GetThemePartSize &&
           SUCCEEDED(Api.GetThemePartSize(FTheme, nullptr, Part, State, nullptr, TS_TRUE, &Size));
}

TGdiObject<HRGN> TTeVisualStyleClass::BackgroundRegion(int Part, int State,
                                                       const RECT& Rect) const {
    const TTeVisualStylesApi& Api = VisualStyles();
    HRGN Region = nullptr;
    if (!FTheme || !Api.GetThemeBackgroundRegion ||
        FAILED(Api.GetThemeBackgroundRegion(FTheme, nullptr, Part, State, &Rect, &Region)))
        return {};
    return TGdiObject<HRGN>(Region);
}
