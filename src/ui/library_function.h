#pragma once
// Functions of system libraries that the program loads when it first needs them rather than at its start
// (the media layer, the common dialogs): most runs never use them, and loading them is a good part of the
// time until the main window shows; and functions that only newer systems have. A library once loaded
// stays for the program's life.

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kestrelle::ui {

// The named function of the library, loading the library first if needed, or null when either is missing
// (for functions that older systems lack).
template <typename Function>
Function OptionalLibraryFunction(const char* library, const char* name) {
  const HMODULE module = LoadLibraryA(library);
  const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  // Through the generic function pointer type, to which any function pointer converts and back.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The named function of the library, loading the library first if needed; throws when either is missing.
template <typename Function>
Function LibraryFunction(const char* library, const char* name) {
  const auto function = OptionalLibraryFunction<Function>(library, name);
  if (function != nullptr) return function;
  if (GetModuleHandleA(library) == nullptr) throw std::runtime_error(std::string("Cannot load ") + library);
  throw std::runtime_error(std::string(library) + " has no " + name);
}

}  // namespace kestrelle::ui
