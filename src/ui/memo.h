#pragma once
// A multi-line text box. Its lines are read as displayed: with word wrap on, each wrapped piece of a
// paragraph is a line of its own. Word wrap and scroll bars can be switched while the program runs (the
// system fixes them when the window is created, so the window is then re-created with the same text).
// Typing stops at the memo's length limit, if it has one, counted in bytes of the program's 8-bit text
// whatever the control counts; a paste that would not fit whole is refused (with a beep and
// onPasteTooLong) rather than cut; text set by the program is never cut. A typed or pasted character
// that the code page of the program's 8-bit text lacks is refused too (with a beep, and for a paste
// onPasteNotHeld), rather than turned into another.
// Tab and Shift+Tab move to the next control as in a one-line box, and no tab character is typed into the
// memo; the caret and selection stay as they were when the memo is entered with Tab.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/edit.h"

namespace kestrelle::ui {

enum class ScrollBars { None, Vertical, Horizontal, Both };

struct MemoOptions {
  ScrollBars scrollBars = ScrollBars::None;
  bool wordWrap = true;
  bool readOnly = false;
  bool tabStop = true;
  std::optional<FontSpec> font;
  std::size_t maxLength = 0;  // bytes, line breaks counting two; 0: no limit beyond memory
};

class Memo : public EditBase {
 public:
  Memo(Control& parent, const Rect& bounds, std::string_view text, const MemoOptions& options = {});

  // The number of displayed lines; an empty last line after a final line break does not count.
  int LineCount() const;
  // Every displayed line. A long text is read with between() called every few hundred lines, so that the
  // window stays live; when the text or its wrapping changed meanwhile, it is read again.
  std::vector<std::string> Lines(const std::function<void()>& between = {}) const;

  void Clear() { SetText(""); }
  // Adds a line at the end: the memo then ends with the text and a line break. A long line goes in piece
  // by piece with between() called after each; when a text was set meanwhile (the memo was cleared), the
  // line is added again to what it then holds.
  void AppendLine(std::string_view line, const std::function<void()>& between = {});

  // Lines wrap when word wrap is on and there is no horizontal scroll bar.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  void SetScrollBars(ScrollBars scrollBars);

  // Raised when a paste (Ctrl+V, Shift+Insert or PasteFromClipboard) is refused: the clipboard's text is
  // longer than the room left under the limit (both in bytes). An exception from it is reported.
  std::function<void(std::size_t pasted, std::size_t room)> onPasteTooLong;
  // Raised when a paste is refused because the clipboard's text holds a character that the code page of
  // the program's 8-bit text lacks (the first such is given). An exception from it is reported.
  std::function<void(char32_t character)> onPasteNotHeld;

  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;
  static LRESULT DialogCode(LRESULT code, const MSG* key);
  void PrepareWindow() override;
  DWORD Style() const;
  void ApplyStyle();
  // Sets the control's own limit so that input replacing the selection stays within maxLength_ bytes:
  // as much of `incoming` as fits, or, with no input known, whatever the room could take at the most
  // bytes a character has. Returns the units of the input that fit, and the bytes it may take in roomLeft.
  std::size_t LimitInput(const std::wstring* incoming = nullptr, std::size_t* roomLeft = nullptr);
  // Before a typed character or a paste: false when it is refused, for a character the code page lacks
  // or, under the limit, when none of the character fits or not all of the paste.
  bool TakesInput(UINT message, WPARAM wParam);

  bool wordWrap_;
  ScrollBars scrollBars_;
  std::size_t maxLength_;
  unsigned textsSet_ = 0;  // every text set, by the program or the system, but for a re-created window's
};

}  // namespace kestrelle::ui
