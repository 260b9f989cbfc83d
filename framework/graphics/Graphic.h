// TGraphic: the common face of pictures that a canvas can draw and a stream can hold
// (bitmaps, icons, JPEG images): size, loading and saving, drawing into a rectangle, and a
// change notification. Layouts store a graphic as binary "Data".
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Objects.h"
#include "framework/graphics/WinApi.h"

#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    static const TClassOf<TGraphic> Class;
    const TClass& ClassType() const override { return Class; }

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual void SetSize(int AWidth, int AHeight);

    // Streams hold the graphic in its file format, from the stream's position.
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) = 0;
    void LoadFromFile(const std::string& FileName);
    // Encodes into memory first, so a graphic that cannot be encoded creates no file.
    virtual void SaveToFile(const std::string& FileName);

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    friend class TPicture;

    // Draws the whole graphic into Rect of the canvas's device context.
    virtual void Draw(TCanvas& Canvas, const RECT& Rect) = 0;
    void Changed();

    void DefineProperties(TFiler* Filer) override;
    // The "Data" property's bytes: the stream format by default.
    virtual void ReadData(TStream& Stream);
    virtual void WriteData(TStream& Stream);
};
