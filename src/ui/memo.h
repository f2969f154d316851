#pragma once
// A multi-line text box. Its lines are read as displayed: with word wrap on, each wrapped piece of a
// paragraph is a line of its own. Word wrap and scroll bars can be switched while the program runs (the
// system fixes them when the window is created, so the window is then re-created with the same text).
// It holds every letter, its text UTF-8 to the program. Typing stops at the memo's length limit, if it has
// one, counted in characters as the system's text box counts them (UTF-16 units); a paste that would not
// fit whole is refused (with a beep and onPasteTooLong) rather than cut; text set by the program is never
// cut.
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
  std::size_t maxLength = 0;  // UTF-16 units, line breaks counting two; 0: no limit beyond memory
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
  // longer than the room left under the limit (both in UTF-16 units). An exception from it is reported.
  std::function<void(std::size_t pasted, std::size_t room)> onPasteTooLong;

  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  static LRESULT DialogCode(LRESULT code, const MSG* key);
  void PrepareWindow() override;
  DWORD Style() const;
  void ApplyStyle();
  // The UTF-16 units that input replacing the selection may take under the limit.
  std::size_t Room() const;
  // Before a typed character or a paste: false when it is refused because not all of it fits (a
  // character beyond the first 65536 comes as two units, which go in both or neither).
  bool TakesInput(UINT message, WPARAM wParam);

  bool wordWrap_;
  ScrollBars scrollBars_;
  std::size_t maxLength_;
  unsigned textsSet_ = 0;  // every text set, by the program or the system, but for a re-created window's
  bool refusedHighSurrogate_ = false;  // the next unit, its pair's second, is refused too
};

}  // namespace kestrelle::ui
