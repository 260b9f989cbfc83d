// The picture of every registered theme side by side, each under its name, as the gallery
// writes it with --sheet FILE for a person to look at all themes at once.
#pragma once

#include <memory>
#include <string>

class TKsBitmap;

std::unique_ptr<TKsBitmap> DrawThemeSheet();
// Writes the sheet as a 24-bit Windows bitmap file; false (with the reason on the error
// output) when the file cannot be written.
bool WriteThemeSheet(const std::string& FileName);
