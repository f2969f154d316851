#include "ui/control.h"

#include "ui/wide_text.h"

// The layer speaks 8-bit text of the system code page; the themed controls are Unicode windows, so text
// and characters that pass through their messages are converted here.
namespace kestrelle::ui {

std::string WindowTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Control::Text() const { return WindowTextOf(hwnd_); }

void Control::SetText(std::string_view text) { SetWindowTextA(hwnd_, std::string(text).c_str()); }

char Control::CharOfMessage(WPARAM wParam) const {
  if (!IsWindowUnicode(hwnd_)) return static_cast<char>(wParam);
  const std::string key = AnsiFromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
  return key.size() == 1 ? key[0] : '?';
}

WPARAM Control::CharParam(char key) const {
  if (!IsWindowUnicode(hwnd_)) return static_cast<unsigned char>(key);
  const std::wstring wide = WideFromAnsi(std::string(1, key));
  return wide.size() == 1 ? static_cast<WPARAM>(wide[0]) : static_cast<unsigned char>(key);
}

std::string Control::TextOfMessage(LPARAM lParam) const {
  if (lParam == 0) return {};
  if (IsWindowUnicode(hwnd_)) return AnsiFromWide(reinterpret_cast<const wchar_t*>(lParam));
  return reinterpret_cast<const char*>(lParam);
}

LRESULT Control::DefaultSetText(WPARAM wParam, const std::string& text) {
  if (!IsWindowUnicode(hwnd_)) return DefaultHandling(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(text.c_str()));
  const std::wstring wide = WideFromAnsi(text);
  return DefaultHandling(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace kestrelle::ui
