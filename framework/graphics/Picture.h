// TPicture: holds one graphic of any kind (bitmap, icon, JPEG image), always its own copy,
// and picks the kind from a file's extension when loading. Image controls show a picture;
// OnChange follows every change of the picture or of its graphic.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/graphics/Graphic.h"

#include <memory>
#include <string>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
public:
    static const TClassOf<TPicture> Class;
    const TClass& ClassType() const override { return Class; }

    TPicture();
    ~TPicture() override;

    // Takes a picture's or a graphic's copy; nullptr empties the picture.
    void Assign(TPersistent* Source) override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of Value (nullptr: nothing).
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap or icon; a picture that holds something else gets an empty
    // one in its place.
    TBitmap* Bitmap();
    TIcon* Icon();

    int Width() const;
    int Height() const;

    // The kind of graphic comes from the extension (".bmp", ".jpg", ".jpeg", ".ico", in any
    // case); an unknown one raises EInvalidGraphic "Unknown picture file extension (.x)".
    void LoadFromFile(const std::string& FileName);
    // A file of the kind the extension names (the graphic converted when it is of another
    // kind), or of the graphic's own kind for any other extension. An empty picture raises
    // EInvalidGraphic.
    void SaveToFile(const std::string& FileName);

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;
    // "Data": the graphic's class name, then the graphic's own data.
    void DefineProperties(TFiler* Filer) override;

private:
    void ReplaceGraphic(std::unique_ptr<TGraphic> Value);
    void GraphicChanged(TObject* Sender);
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream);

    std::unique_ptr<TGraphic> FGraphic;
};
