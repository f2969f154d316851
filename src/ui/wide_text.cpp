#include "ui/wide_text.h"

#include <windows.h>

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

}  // namespace kestrelle::ui
