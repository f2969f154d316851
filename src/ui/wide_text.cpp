#include "ui/wide_text.h"

#include <windows.h>

#include "base/utf16.h"

namespace kestrelle::ui {
namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), wide);
  return result;
}

std::string Narrow(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
}

}  // namespace

std::wstring WideFromAnsi(std::string_view text) { return Widen(CP_ACP, text); }

std::wstring WideFromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }

std::string Utf8FromWide(std::wstring_view text) { return Narrow(CP_UTF8, text); }

std::string AnsiFromWide(std::wstring_view text) { return Narrow(CP_ACP, text); }

std::optional<std::string> AnsiFromWideExactly(std::wstring_view text) {
  if (text.empty()) return std::string();
  // The code page of UTF-8 holds every character, and the system takes no replacement flags for it; it
  // refuses only a lone surrogate.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL replaced = FALSE;
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, utf8 ? nullptr : &replaced);
  if (size == 0 || replaced) return std::nullopt;
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), length, result.data(), size, nullptr, nullptr);
  return result;
}

std::optional<char32_t> FirstCharacterAnsiLacks(std::wstring_view text) {
  if (AnsiFromWideExactly(text)) return std::nullopt;
  for (const char32_t c : CharactersFromUtf16({reinterpret_cast<const char16_t*>(text.data()), text.size()})) {
    const std::u16string units = Utf16FromCharacters({&c, 1});
    if (!AnsiFromWideExactly({reinterpret_cast<const wchar_t*>(units.data()), units.size()})) return c;
  }
  return std::nullopt;
}

}  // namespace kestrelle::ui
