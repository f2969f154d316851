#include "reference/resource_data.h"

#include <windows.h>

#include <string>

#include "reference/resource_error.h"

namespace kestrelle {

std::vector<std::uint8_t> LoadDataResource(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  // Resource memory belongs to the loaded module: nothing to release, and the bytes are copied out.
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
  const auto* bytes = loaded != nullptr ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) throw EResourceNotFound(std::to_string(id));
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, info));
}

}  // namespace kestrelle
