// Saving over an existing file must never leave it destroyed when the new version cannot
// be written completely (disk full, encoder error): the new content goes to a temporary
// file beside the target, which replaces the target only once it is complete.
#pragma once

#include <functional>
#include <string>

// Calls Write with the name of a fresh temporary file in the target's folder, then moves it
// over FileName. When Write raises, or the file cannot be created or moved, the temporary
// file is removed, FileName is left as it was and the exception reaches the caller
// (EFCreateError naming FileName for failures of this function itself).
void WriteFileReplacing(const std::string& FileName,
                        const std::function<void(const std::string& TempName)>& Write);
