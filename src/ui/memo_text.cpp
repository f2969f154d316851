#include "ui/memo_text.h"

#include <algorithm>
#include <string_view>

#include "ui/wide_text.h"

namespace kestrelle::ui {

MemoText::MemoText(HWND window) {
  text_.resize(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
  text_.resize(static_cast<std::size_t>(GetWindowTextW(window, text_.data(), static_cast<int>(text_.size()))));
}

std::string MemoText::Slice(std::size_t start, std::size_t end) const {
  start = std::min(start, Size());
  end = std::clamp(end, start, Size());
  return Utf8FromWide(std::wstring_view(text_).substr(start, end - start));
}

}  // namespace kestrelle::ui
