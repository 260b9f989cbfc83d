// The clipboard object: puts pictures and text on the host clipboard and reads them back.
// Each operation opens the clipboard, and closes it again on every path, errors included.
#pragma once

#include "framework/core/Objects.h"
#include "framework/graphics/WinApi.h"

#include <string>

class TBitmap;
class TGraphic;

class TClipboard : public TPersistent {
public:
    static const TClassOf<TClipboard> Class;
    const TClass& ClassType() const override { return Class; }

    TClipboard();
    ~TClipboard() override;

    // A bitmap, or a picture holding one, replaces the clipboard's contents with a copy of
    // it as a bitmap (the host offers it as a DIB too); other graphics go there drawn into
    // a bitmap. Raises Exception "Cannot open clipboard" when another program keeps it open.
    void Assign(TPersistent* Source) override;

    bool HasFormat(UINT Format) const;
    void Clear();

    // Text goes there and comes back as Unicode text (the host offers it in the other text
    // formats too), so every script survives whatever the system code page.
    bool HasText() const { return HasFormat(CF_UNICODETEXT); }
    // The clipboard's text up to its first NUL character; empty when it holds none.
    std::string AsText();
    // Replaces the clipboard's contents with Value. Raises Exception "Cannot open clipboard"
    // as Assign does.
    void SetAsText(const std::string& Value);

protected:
    // Into a bitmap or a picture: the clipboard's bitmap. Raises EInvalidGraphic
    // "Clipboard does not hold a bitmap" when it holds none.
    void AssignTo(TPersistent* Dest) override;

private:
    // Nothing (an empty picture) empties the clipboard.
    void PutGraphic(TGraphic* Graphic);
    void PutBitmap(TBitmap& Bitmap);
    void GetBitmap(TBitmap& Bitmap);
    // The hidden window that owns what the program puts on the clipboard.
    HWND Window();

    HWND FWindow = nullptr;
};

// The program's one clipboard object.
TClipboard* Clipboard();
