#include "ui/memo_text.h"

#include <algorithm>
#include <string_view>

#include "ui/wide_text.h"

namespace kestrelle::ui {

MemoText::MemoText(HWND window) : unicode_(IsWindowUnicode(window) != FALSE) {
  if (unicode_) {
    wide_.resize(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    wide_.resize(static_cast<std::size_t>(GetWindowTextW(window, wide_.data(), static_cast<int>(wide_.size()))));
  } else {
    narrow_.resize(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
    narrow_.resize(static_cast<std::size_t>(GetWindowTextA(window, narrow_.data(), static_cast<int>(narrow_.size()))));
  }
}

std::string MemoText::Slice(std::size_t start, std::size_t end) const {
  start = std::min(start, Size());
  end = std::clamp(end, start, Size());
  if (!unicode_) return narrow_.substr(start, end - start);
  return AnsiFromWide(std::wstring_view(wide_).substr(start, end - start));
}

}  // namespace kestrelle::ui
