#pragma once
// Functions of system libraries that the program loads when it first needs them rather than at its start
// (the media layer, the common dialogs): most runs never use them, and loading them is a good part of the
// time until the main window shows. A library once loaded stays for the program's life.

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kestrelle::ui {

// The named function of the library, loading the library first if needed; throws when either is missing.
template <typename Function>
Function LibraryFunction(const char* library, const char* name) {
  const HMODULE module = LoadLibraryA(library);
  if (module == nullptr) throw std::runtime_error(std::string("Cannot load ") + library);
  // Through the generic function pointer type, to which any function pointer converts and back.
  const auto function = reinterpret_cast<void (*)()>(GetProcAddress(module, name));
  if (function == nullptr) throw std::runtime_error(std::string(library) + " has no " + name);
  return reinterpret_cast<Function>(function);
}

}  // namespace kestrelle::ui
