#include "ui/control.h"

#include "ui/wide_text.h"

// The layer speaks UTF-8; every window it makes is a Unicode one, so text that passes through their
// messages is UTF-16, converted here.
namespace kestrelle::ui {

std::string Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

void Control::SetText(std::string_view text) { SetWindowTextW(hwnd_, WideFromUtf8(text).c_str()); }

std::string Control::TextOfMessage(LPARAM lParam) {
  return lParam == 0 ? std::string() : Utf8FromWide(reinterpret_cast<const wchar_t*>(lParam));
}

LRESULT Control::DefaultSetText(WPARAM wParam, std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  return DefaultHandling(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

}  // namespace kestrelle::ui
