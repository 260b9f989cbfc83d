#include "gallery/GalleryThemeSheet.h"

#include "framework/core/Exceptions.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "skin/graphics/KsBitmap.h"
#include "skin/themes/KsThemeEngine.h"
#include "skin/themes/KsThemeRegistration.h"
#include "skin/themes/KsThemeThemes.h"
#include "skin/themes/TeThemePreview.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Gap = 12;
constexpr int NameHeight = 24;
constexpr TKsColor SheetBackground = 0xFF808080u;

} // namespace

std::unique_ptr<TKsBitmap> DrawThemeSheet() {
    RegisterSkinThemes();
    std::vector<std::unique_ptr<TKsBitmap>> Previews;
    std::vector<std::string> Names;
    for (const TTeThemeClass* Class : RegisteredThemes()) {
        const std::unique_ptr<TTeTheme> Theme = Class->Create();
        Previews.push_back(DrawThemePreview(*Theme));
        Names.push_back(Class->GetName() + (Class->IsAvailable() ? "" : " (not available here)"));
    }
    int Width = Gap, Height = 0;
    for (const auto& Preview : Previews) {
        Width += Preview->Width() + Gap;
        Height = std::max(Height, Preview->Height());
    }
    auto Sheet = std::make_unique<TKsBitmap>();
    Sheet->SetSize(Width, Gap + NameHeight + Height + Gap);
    Sheet->Fill(SheetBackground);
    Sheet->Font()->SetName("Tahoma");
    Sheet->Font()->SetSize(11);
    Sheet->Font()->SetStyle(TFontStyles{TFontStyle::fsBold});
    Sheet->Font()->SetColor(clWhite);
    int X = Gap;
    for (size_t I = 0; I < Previews.size(); ++I) {
        Sheet->DrawText(Names[I], {X, Gap, X + Previews[I]->Width(), Gap + NameHeight},
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        Previews[I]->Draw(*Sheet, X, Gap + NameHeight);
        X += Previews[I]->Width() + Gap;
    }
    GdiFlush();
    return Sheet;
}

bool WriteThemeSheet(const std::string& FileName) {
    const std::unique_ptr<TKsBitmap> Sheet = DrawThemeSheet();
    TBitmap File;
    File.SetPixelFormat(TPixelFormat::pf24bit);
    File.SetSize(Sheet->Width(), Sheet->Height());
    Sheet->DrawToDC(File.Canvas()->Handle(), 0, 0);
    try {
        File.SaveToFile(FileName);
    } catch (const Exception& Error) {
        std::fprintf(stderr, "cannot write the theme sheet %s: %s\n", FileName.c_str(),
                     Error.Message().c_str());
        return false;
    }
    return true;
}
