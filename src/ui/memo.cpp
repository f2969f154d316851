#include "ui/memo.h"

namespace kestrelle::ui {

Memo::Memo(Control& parent, const Rect& bounds, std::string_view text, const MemoOptions& options)
    : wordWrap_(options.wordWrap), scrollBars_(options.scrollBars), maxLength_(options.maxLength) {
  Create({.className = "EDIT",
          .style = Style() | WS_VISIBLE | (options.readOnly ? ES_READONLY : 0u) | (options.tabStop ? WS_TABSTOP : 0u),
          .exStyle = WS_EX_CLIENTEDGE,
          .parent = &parent,
          .bounds = bounds,
          .font = options.font});
  PrepareWindow();
  SetText(text);
}

// The styles that word wrap and scroll bars decide. A multi-line box wraps only when it may not scroll
// sideways, so a horizontal scroll bar keeps its lines unwrapped whatever the word wrap setting.
DWORD Memo::Style() const {
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (!wordWrap_) style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ScrollBars::Vertical || scrollBars_ == ScrollBars::Both) style |= WS_VSCROLL;
  if (scrollBars_ == ScrollBars::Horizontal || scrollBars_ == ScrollBars::Both) style |= WS_HSCROLL;
  return style;
}

// Without a limit set the system stops typing at 30000 characters and a window cannot even be made with
// more; 0 sets the largest it allows.
void Memo::PrepareWindow() { SendMessageA(Handle(), EM_SETLIMITTEXT, maxLength_, 0); }

int Memo::LineCount() const {
  int count = static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
  const LRESULT lastStart = SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  if (count > 0 && SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0) --count;
  return count;
}

// Lines are cut out of the window text by their start and length, so no line is ever cut short (the
// system's EM_GETLINE would need a buffer size chosen in advance, and counts it in 16 bits).
std::string Memo::Line(int index) const { return LineOf(Text(), index); }

std::vector<std::string> Memo::Lines() const {
  const std::string text = Text();
  std::vector<std::string> lines;
  const int count = LineCount();
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) lines.push_back(LineOf(text, i));
  return lines;
}

std::string Memo::LineOf(const std::string& text, int index) const {
  const LRESULT start = SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0 || static_cast<std::size_t>(start) > text.size()) return {};
  const LRESULT length = SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

void Memo::AppendLine(std::string_view line) {
  const int length = GetWindowTextLengthA(Handle());
  std::string added;
  if (length > 0) {
    const std::string text = Text();
    if (text.back() != '\n') added = "\r\n";
  }
  added.append(line);
  added += "\r\n";
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

void Memo::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  ApplyStyle();
}

void Memo::SetScrollBars(ScrollBars scrollBars) {
  if (scrollBars == scrollBars_) return;
  scrollBars_ = scrollBars;
  ApplyStyle();
}

void Memo::ApplyStyle() {
  const auto current = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  RecreateWithStyle((current & ~(ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL)) | Style());
}

void Memo::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }

void Memo::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }

void Memo::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }

}  // namespace kestrelle::ui
