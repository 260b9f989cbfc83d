#include "skin/themes/KsThemeEngine.h"

#include "framework/core/Filer.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/windows/Forms.h"
#include "framework/windows/Screen.h"
#include "skin/themes/TeThemeLuna.h"
#include "skin/themes/TeThemeXP.h"
#include "skin/themes/TeThemeXPImpl.h"

#include <cstring>

namespace {

std::vector<const TTeThemeClass*>& ThemeRegistry() {
    static std::vector<const TTeThemeClass*> Registry;
    return Registry;
}

// A stored theme name is a display name; none is longer than this.
constexpr int32_t MaxThemeNameLength = 255;

using P = TPublished<TTeThemeEngine>;
const TPropertyTable ThemeEngineProperties{
    P::Boolean("ColorAutoChanging", &TTeThemeEngine::ColorAutoChanging,
               &TTeThemeEngine::SetColorAutoChanging, false, TStored::Always()),
    P::Integer("DeltaBrightness", &TTeThemeEngine::DeltaBrightness,
               &TTeThemeEngine::SetDeltaBrightness, 0, TStored::Always()),
    P::Integer("DeltaHue", &TTeThemeEngine::DeltaHue, &TTeThemeEngine::SetDeltaHue, 0,
               TStored::Always()),
    P::Persistent("Theme", &TTeThemeEngine::Theme),
    P::Boolean("UseNativeXPTheme", &TTeThemeEngine::UseNativeXPTheme,
               &TTeThemeEngine::SetUseNativeXPTheme, false, TStored::Always()),
    // Always the library's version; a layout may store any text here and still loads.
    P::String(
        "Version", &TTeThemeEngine::Version, [](TTeThemeEngine&, const std::string&) {}, "",
        TStored::Always()),
};

} // namespace

void RegisterTheme(const TTeThemeClass& ThemeClass) {
    ThemeRegistry().push_back(&ThemeClass);
}

const std::vector<const TTeThemeClass*>& RegisteredThemes() {
    return ThemeRegistry();
}

const TTeThemeClass* FindThemeClass(const std::string& Name) {
    for (const TTeThemeClass* ThemeClass : ThemeRegistry())
        if (ThemeClass->GetName() == Name)
            return ThemeClass;
    return nullptr;
}

const TComponentClassOf<TTeThemeEngine> TTeThemeEngine::Class{"TTeThemeEngine", TComponent::Class,
                                                              &ThemeEngineProperties};

TTeThemeEngine::TTeThemeEngine(TComponent* AOwner)
    : TComponent(AOwner), FTheme(std::make_unique<TTeThemeLuna>()) {}

TTeThemeEngine::~TTeThemeEngine() = default;

bool TTeThemeEngine::ThemeAvailable() const {
    return FTheme && FTheme->ThemeClass().IsAvailable();
}

void TTeThemeEngine::ApplyShifts() {
    if (!ThemeAvailable())
        return;
    FTheme->SetHue(FDeltaHue);
    FTheme->SetBrightness(FDeltaBrightness);
}

void TTeThemeEngine::SetTheme(std::unique_ptr<TTeTheme> Value) {
    // The engine always holds a theme.
    if (!Value)
        return;
    FTheme = std::move(Value);
    NotifyThemeChange();
}

void TTeThemeEngine::SetThemeClass(const TTeThemeClass& ThemeClass) {
    for (const TTeThemeClass* Registered : ThemeRegistry()) {
        if (Registered != &ThemeClass)
            continue;
        // The new theme is made before the old one goes, so a theme that fails to build
        // leaves the engine with the one it had.
        FTheme = Registered->Create();
        break;
    }
    ApplyShifts();
    NotifyThemeChange();
}

void TTeThemeEngine::SetDeltaHue(int Value) {
    if (Value == FDeltaHue)
        return;
    FDeltaHue = Value;
    if (!ThemeAvailable())
        return;
    FTheme->SetHue(Value);
    if (!IsLoading())
        NotifyThemeChange();
}

void TTeThemeEngine::SetDeltaBrightness(int Value) {
    if (Value == FDeltaBrightness)
        return;
    FDeltaBrightness = Value;
    if (!ThemeAvailable())
        return;
    FTheme->SetBrightness(Value);
    if (!IsLoading())
        NotifyThemeChange();
}

void TTeThemeEngine::Loaded() {
    TComponent::Loaded();
    if (FUseNativeXPTheme && VisualStylesActive())
        SetThemeClass(TTeThemeXP::Class);
}

void TTeThemeEngine::NotifyThemeChange() {
    if (!Screen)
        return;
    for (int I = 0; I < Screen->FormCount(); ++I)
        NotifyForm(*Screen->Forms(I));
}

void TTeThemeEngine::NotifyForm(TCustomForm& Form) {
    if (FColorAutoChanging) {
        const bool UseTheme = ThemeAvailable() && !IsDesigning();
        Form.SetColor(UseTheme ? FTheme->GetColor(6) : clBtnFace);
    }
    for (int I = 0; I < Form.ComponentCount(); ++I) {
        auto* Client = dynamic_cast<TTeThemeClient*>(Form.Components(I));
        if (Client && Client->ClientThemeEngine() == this)
            Client->ThemeEngineChanged();
    }
    // A parent's client window shows the form's background between the children.
    if (Form.FormStyle() == TFormStyle::fsMDIForm && Form.ClientHandle())
        InvalidateRect(Form.ClientHandle(), nullptr, TRUE);
}

void TTeThemeEngine::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "ThemeClass", [this](TStream& Stream) { ReadThemeClass(Stream); },
        [this](TStream& Stream) { WriteThemeClass(Stream); }, FTheme != nullptr);
}

void TTeThemeEngine::ReadThemeClass(TStream& Stream) {
    // A damaged or unknown entry leaves the theme the engine has; the layout still loads.
    try {
        int32_t Length = 0;
        if (Stream.Read(&Length, sizeof Length) != sizeof Length)
            return;
        const int64_t Remaining = Stream.Size() - Stream.Position();
        if (Length < 0 || Length > MaxThemeNameLength || Length > Remaining)
            return;
        std::string Name(static_cast<size_t>(Length), '\0');
        Stream.ReadBuffer(Name.data(), Length);
        if (const TTeThemeClass* ThemeClass = FindThemeClass(Name))
            SetThemeClass(*ThemeClass);
    } catch (const Exception&) {
    }
}

void TTeThemeEngine::WriteThemeClass(TStream& Stream) {
    const std::string Name = FTheme->ThemeClass().GetName();
    const int32_t Length = static_cast<int32_t>(Name.size());
    Stream.WriteBuffer(&Length, sizeof Length);
    Stream.WriteBuffer(Name.data(), Length);
}
