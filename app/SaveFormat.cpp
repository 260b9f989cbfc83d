#include "app/SaveFormat.h"

std::string_view FileExtension(std::string_view FileName) {
    const size_t Separator = FileName.find_last_of("\\/:");
    const std::string_view Name =
        Separator == std::string_view::npos ? FileName : FileName.substr(Separator + 1);
    const size_t Dot = Name.rfind('.');
    return Dot == std::string_view::npos ? std::string_view() : Name.substr(Dot);
}

TSaveFormat SaveFormatOf(std::string_view FileName) {
    const std::string_view Extension = FileExtension(FileName);
    if (Extension.empty())
        return TSaveFormat::Unknown;
    const std::string_view Significant = Extension.substr(1, 3);
    if (Significant == "bmp")
        return TSaveFormat::Bitmap;
    if (Significant == "jpg")
        return TSaveFormat::Jpeg;
    return TSaveFormat::Unknown;
}
