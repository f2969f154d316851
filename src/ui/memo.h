#pragma once
// A multi-line text box. Its lines are read as displayed: with word wrap on, each wrapped piece of a
// paragraph is a line of its own. Word wrap and scroll bars can be switched while the program runs (the
// system fixes them when the window is created, so the window is then re-created with the same text).
// Typing and pasting stop at the memo's length limit, if it has one; text set by the program is never cut.
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
  std::size_t maxLength = 0;  // characters, line breaks counting two; 0: no limit beyond memory
};

class Memo : public EditBase {
 public:
  Memo(Control& parent, const Rect& bounds, std::string_view text, const MemoOptions& options = {});

  // The number of displayed lines; an empty last line after a final line break does not count.
  int LineCount() const;
  // A displayed line without its line break, whatever its length.
  std::string Line(int index) const;
  // Every displayed line. A long text is read with between() called every few hundred lines, so that the
  // window stays live; when the text or its wrapping changed meanwhile, it is read again.
  std::vector<std::string> Lines(const std::function<void()>& between = {}) const;

  void Clear() { SetText(""); }
  // Adds a line at the end: the memo then ends with the text and a line break. A long line goes in piece
  // by piece with between() called after each; when the memo changed meanwhile (it was cleared), the line
  // is added again to what it then holds.
  void AppendLine(std::string_view line, const std::function<void()>& between = {});

  // Lines wrap when word wrap is on and there is no horizontal scroll bar.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  ScrollBars ScrollBarsShown() const { return scrollBars_; }
  void SetScrollBars(ScrollBars scrollBars);

  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PrepareWindow() override;
  DWORD Style() const;
  std::string LineOf(const std::string& text, int index) const;
  void ApplyStyle();

  bool wordWrap_;
  ScrollBars scrollBars_;
  std::size_t maxLength_;
};

}  // namespace kestrelle::ui
