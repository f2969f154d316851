#include "ui/clipboard.h"

#include <cwchar>

namespace kestrelle::ui {
namespace {

class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

// The system offers Unicode text also for text another program put there in its 8-bit code page. The
// memory's size bounds the reading: a text without its closing zero is not read beyond its end.
std::wstring ClipboardText(HWND owner) {
  const OpenClipboardScope clipboard(owner);
  if (!clipboard.Open()) return {};
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (text == nullptr) return {};
  std::wstring copy(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
  GlobalUnlock(data);
  return copy;
}

}  // namespace kestrelle::ui
