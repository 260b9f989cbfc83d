#include "skin/controls/KsCaptionMetrics.h"

#include "skin/graphics/KsBitmap.h"

const TKsCaptionExtents& TKsCaptionMetrics::Measure(TCanvas& Canvas, TKsBitmap& Surface,
                                                    TFont& Font, const std::string& Text) {
    if (FMeasured && Text == FText && Font.SameHostFont(FFont))
        return FExtents;
    Canvas.Font()->Assign(&Font);
    Surface.SetFont(&Font);
    FExtents.Plain = Canvas.TextExtent(Text);
    FExtents.Drawn = SIZE{Surface.TextWidth(Text), Surface.TextHeight(Text)};
    // An empty surface measures nothing; the next paint on a real one measures again.
    FMeasured = !Surface.Empty();
    FText = Text;
    FFont.Assign(&Font);
    return FExtents;
}
