// Which file format a picture is saved in, chosen from the name the user typed: the first
// three characters of its extension, compared case-sensitively with "bmp" and "jpg".
#pragma once

#include <string_view>

enum class TSaveFormat { Unknown, Bitmap, Jpeg };

// The extension of the file-name part (after the last path separator), from its last dot,
// dot included; empty when that part has no dot.
std::string_view FileExtension(std::string_view FileName);

TSaveFormat SaveFormatOf(std::string_view FileName);
