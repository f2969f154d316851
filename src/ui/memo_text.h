#pragma once
// A memo's text in the unit that the edit control's positions count (EM_LINEINDEX, EM_GETSEL, its length
// limit): UTF-16 units in a Unicode window, as the themed edit is, bytes of the system code page in an
// 8-bit one. Pieces of it are handed out as the program's 8-bit text, so a line or a selection is cut
// where the control cuts it whatever the code page (a double-byte character is one unit but two bytes).

#include <windows.h>

#include <cstddef>
#include <string>

namespace kestrelle::ui {

class MemoText {
 public:
  explicit MemoText(HWND window);

  // The length in the control's unit.
  std::size_t Size() const { return unicode_ ? wide_.size() : narrow_.size(); }
  // The units from start to end (each kept within the text) as 8-bit text.
  std::string Slice(std::size_t start, std::size_t end) const;

  friend bool operator==(const MemoText&, const MemoText&) = default;

 private:
  bool unicode_;
  std::wstring wide_;
  std::string narrow_;
};

}  // namespace kestrelle::ui
