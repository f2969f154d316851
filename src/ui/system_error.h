#pragma once
// The system's own words for an error code ("Access is denied."), for messages that say why a file
// operation failed.
#include <windows.h>

#include <string>

namespace kestrelle::ui {

// UTF-8, without the line break the system ends it with; "error <code>" when the system has no text.
std::string SystemErrorText(DWORD code);

}  // namespace kestrelle::ui
