#pragma once
// A memo's text in the unit that the edit control's positions count (EM_LINEINDEX, EM_GETSEL, its length
// limit): UTF-16 units, the memo being a Unicode window. Pieces of it are handed out as the program's
// UTF-8 text, so a line or a selection is cut where the control cuts it (a letter of UTF-8 may take up to
// four bytes, and one beyond the first 65536 two units).

#include <windows.h>

#include <cstddef>
#include <string>

namespace kestrelle::ui {

class MemoText {
 public:
  explicit MemoText(HWND window);

  // The length in the control's unit.
  std::size_t Size() const { return text_.size(); }
  // The units from start to end (each kept within the text) as UTF-8.
  std::string Slice(std::size_t start, std::size_t end) const;

  friend bool operator==(const MemoText&, const MemoText&) = default;

 private:
  std::wstring text_;
};

}  // namespace kestrelle::ui
