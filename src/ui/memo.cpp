#include "ui/memo.h"

#include <algorithm>
#include <utility>

#include "ui/memo_text.h"
#include "ui/wide_text.h"

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

LRESULT Memo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCode(EditBase::HandleMessage(message, wParam, lParam), reinterpret_cast<const MSG*>(lParam));
    case WM_SETTEXT:
      ++textsSet_;
      break;
    case WM_CHAR:
      if (wParam == '\t') return 0;
      if (!TakesInput(message, wParam)) return 0;
      break;
    case WM_PASTE:
      if (!TakesInput(message, wParam)) return 0;
      break;
    default:
      break;
  }
  return EditBase::HandleMessage(message, wParam, lParam);
}

// A multi-line box asks for every key, Tab included, and to have its text selected when entered.
LRESULT Memo::DialogCode(LRESULT code, const MSG* key) {
  code &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_HASSETSEL);
  if (key != nullptr && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_TAB) {
    code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
  }
  return code;
}

int Memo::LineCount() const {
  int count = static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
  const LRESULT lastStart = SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
  if (count > 0 && SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0) --count;
  return count;
}

// The system finds a line by walking from the first one, so each line is asked for once: it runs from its
// start to the next line's, less the line break of a paragraph's end. Lines are cut out of the window
// text so that none is ever cut short (the system's EM_GETLINE would need a buffer size chosen in
// advance, and counts it in 16 bits).
std::vector<std::string> Memo::Lines(const std::function<void()>& between) const {
  constexpr int kLinesBetween = 256;
  for (;;) {
    const MemoText text(Handle());
    const bool wrap = wordWrap_;
    const int count = LineCount();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    std::size_t start = 0;
    for (int i = 0; i < count; ++i) {
      if (between && i % kLinesBetween == kLinesBetween - 1) {
        between();
        if (MemoText(Handle()) != text || wordWrap_ != wrap || LineCount() != count) break;
      }
      const LRESULT next = SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(i + 1), 0);
      const std::size_t end = next < 0 ? text.Size() : static_cast<std::size_t>(next);
      std::string line = text.Slice(start, end);
      if (line.ends_with("\r\n")) line.resize(line.size() - 2);
      lines.push_back(std::move(line));
      start = end;
    }
    if (static_cast<int>(lines.size()) == count) return lines;
  }
}

// The system wraps a paragraph anew from the line where a change begins to the paragraph's end, so a long
// paragraph added at once takes time in the square of its length (minutes for a megabyte under Wine);
// added piece by piece, each piece is wrapped from the line before it on. The text's length is asked for
// once only, as the system counts it anew every time. A text set meanwhile (a Clear, an Open) shows in
// the count of texts set; re-creating the window, which sets the text it had, leaves that count alone.
void Memo::AppendLine(std::string_view line, const std::function<void()>& between) {
  constexpr std::size_t kPiece = 1024;
  constexpr LPARAM kEnd = 0x7fffffff;  // the selection's positions stop at the end of the text
  const std::wstring wideLine = WideFromUtf8(line);
  for (;;) {
    std::wstring added;
    if (GetWindowTextLengthW(Handle()) > 0 && !Text().ends_with('\n')) added = L"\r\n";
    added += wideLine;
    added += L"\r\n";
    std::size_t done = 0;
    while (done < added.size()) {
      std::size_t piece = std::min(kPiece, added.size() - done);
      // A line break and a pair of surrogates stay whole.
      const wchar_t last = added[done + piece - 1];
      if (last == L'\r' || IS_HIGH_SURROGATE(last)) ++piece;
      const std::wstring text = added.substr(done, piece);
      SendMessageW(Handle(), EM_SETSEL, kEnd, kEnd);
      SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
      done += piece;
      if (!between || done == added.size()) continue;
      const unsigned textsSet = textsSet_;
      between();
      if (textsSet_ != textsSet) break;
    }
    if (done == added.size()) return;
  }
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
  const unsigned textsSet = textsSet_;
  RecreateWithStyle((current & ~(ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL)) | Style());
  textsSet_ = textsSet;
}

void Memo::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }

void Memo::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }

void Memo::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }

}  // namespace kestrelle::ui
