#include "skin/controls/KsAppearance.h"

#include "framework/graphics/GraphicsObjects.h"

void TKsAppearance::Add(const std::string& Text) {
    // The length keeps "ab" + "c" apart from "a" + "bc".
    Add(Text.size());
    FTexts += Text;
}

void TKsAppearance::AddColor(TColor Color) {
    Add(ColorToRGB(Color));
}

void TKsAppearance::AddFont(const TFont& Font) {
    Add(Font.Name());
    Add(Font.Height());
    for (const TFontStyle Style : {TFontStyle::fsBold, TFontStyle::fsItalic,
                                   TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
        Add(Font.Style().Contains(Style));
    Add(Font.Charset());
    Add(Font.Pitch());
    AddColor(Font.Color());
}

void TKsAppearance::Clear() {
    FValues.clear();
    FTexts.clear();
}
