#include "app/game_installation.h"

#include <algorithm>
#include <stdexcept>

#include "ui/smart_handle.h"
#include "ui/wide_text.h"

namespace kestrelle {

std::string ReadGameProgramPath() {
  HKEY opened = nullptr;
  // The system takes the path relative to the root key, without the leading backslash.
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kGameKeyPath + 1, 0, KEY_QUERY_VALUE | kGameKeyView, &opened) != ERROR_SUCCESS) {
    return {};
  }
  const ui::RegistryKeyHandle key(opened);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.Get(), kGameProgramValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw std::runtime_error("The registry value StartExePath is not text");
  std::wstring path(size / sizeof(wchar_t) + 1, L'\0');  // room for an odd byte count
  size = static_cast<DWORD>(path.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.Get(), kGameProgramValue, nullptr, nullptr, reinterpret_cast<BYTE*>(path.data()), &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  path.resize(std::min<std::size_t>(size / sizeof(wchar_t), path.size()));
  path.erase(std::find(path.begin(), path.end(), L'\0'), path.end());  // the terminator, if one was stored
  return ui::Utf8FromWide(path);
}

}  // namespace kestrelle
