// TIcon: a host icon as a graphic. It loads icon files (the image closest to the system's
// icon size), icon resources and adopted handles; it saves back the file it was loaded
// from. Icons are drawn with their mask, and cannot be resized.
#pragma once

#include "framework/graphics/Graphic.h"

#include <cstdint>
#include <string>
#include <vector>

class TIcon : public TGraphic {
public:
    static const TClassOf<TIcon> Class;
    const TClass& ClassType() const override { return Class; }

    TIcon() = default;
    ~TIcon() override;

    // Copies another icon; nullptr empties it.
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FHandle == nullptr; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // Raise EInvalidGraphic "Cannot change the size of an icon".
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    HICON Handle() const { return FHandle; }
    // Takes ownership of the icon. An icon made this way has no file data to save.
    void SetHandle(HICON Value);

    void LoadFromStream(TStream& Stream) override;
    // Raises EInvalidGraphic "Icon image is not valid" for an icon without file data.
    void SaveToStream(TStream& Stream) override;
    // An RT_GROUP_ICON resource at the system's icon size; a missing one raises EResNotFound.
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResourceName);

protected:
    void Draw(TCanvas& Canvas, const RECT& Rect) override;

private:
    void Adopt(HICON Value, std::vector<uint8_t> FileData);

    HICON FHandle = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<uint8_t> FFileData;
};
