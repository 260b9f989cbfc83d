#include "framework/graphics/FontFamilies.h"

#include "framework/core/TextConv.h"
#include "framework/graphics/GdiHandles.h"

#include <commdlg.h>

namespace {

int CALLBACK CollectFamily(const LOGFONTW* Font, const TEXTMETRICW* Metrics, DWORD, LPARAM Data) {
    auto& Families = *reinterpret_cast<std::vector<TFontFamily>*>(Data);
    Families.push_back(TFontFamily{WideToUtf8(Font->lfFaceName), Metrics->tmPitchAndFamily});
    return 1;
}

// The default printer's device context, deleted at scope end; null without a printer.
class TDefaultPrinterDC {
public:
    TDefaultPrinterDC() {
        PRINTDLGW Request{};
        Request.lStructSize = sizeof(Request);
        Request.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
        if (PrintDlgW(&Request))
            FDC = Request.hDC;
        // The dialog hands out its device settings too, which a font list does not need.
        if (Request.hDevMode)
            GlobalFree(Request.hDevMode);
        if (Request.hDevNames)
            GlobalFree(Request.hDevNames);
    }
    TDefaultPrinterDC(const TDefaultPrinterDC&) = delete;
    TDefaultPrinterDC& operator=(const TDefaultPrinterDC&) = delete;
    ~TDefaultPrinterDC() {
        if (FDC)
            DeleteDC(FDC);
    }
    HDC Get() const { return FDC; }

private:
    HDC FDC = nullptr;
};

} // namespace

std::vector<TFontFamily> EnumerateFontFamilies(HDC DC) {
    std::vector<TFontFamily> Families;
    if (DC)
        EnumFontFamiliesW(DC, nullptr, &CollectFamily, reinterpret_cast<LPARAM>(&Families));
    return Families;
}

std::vector<TFontFamily> ScreenFontFamilies() {
    const TScreenDC Screen;
    return EnumerateFontFamilies(Screen.Get());
}

std::vector<TFontFamily> PrinterFontFamilies() {
    const TDefaultPrinterDC Printer;
    return EnumerateFontFamilies(Printer.Get());
}
