#include "tools/artwork/LunaSkinArtwork.h"

#include "skin/themes/LunaSkinLayout.h"
#include "tools/artwork/LunaControlArtwork.h"
#include "tools/artwork/LunaFrameArtwork.h"

namespace {

const TRgb Key{255, 0, 255};

} // namespace

TArtworkBytes MakeLunaMainSkin() {
    TCanvasRgb Canvas(LunaSkin::MainWidth, LunaSkin::MainHeight, Key);
    DrawLunaFrames(Canvas, true);
    DrawLunaMainControls(Canvas);
    return EncodeBitmap24(Canvas);
}

TArtworkBytes MakeLunaSecondSkin() {
    TCanvasRgb Canvas(LunaSkin::SecondWidth, LunaSkin::SecondHeight, Key);
    DrawLunaFrames(Canvas, false);
    DrawLunaSecondControls(Canvas);
    return EncodeBitmap24(Canvas);
}
