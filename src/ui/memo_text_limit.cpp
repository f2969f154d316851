#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "base/utf16.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/memo.h"
#include "ui/memo_text.h"
#include "ui/wide_text.h"

// What a memo takes from typing and pasting: characters of the program's 8-bit text, within its limit.
// A character the code page lacks is refused; the system would make it '?'.
// The memo's limit counts bytes of the program's 8-bit text (what a file saved from it holds). A Unicode
// edit, as the themed one is, counts its own limit in UTF-16 units, where a character of a double-byte
// code page is one unit but two bytes; so before each typed or pasted text the control's limit is set to
// the units of it that fit, and after every change to what the room left takes at the most bytes a
// character has, for input that comes another way (an input method's).
namespace kestrelle::ui {
namespace {

std::size_t MostBytesOfACharacter() {
  CPINFO info{};
  return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 0 ? info.MaxCharSize : 1;
}

// The units at the start of `text` whose 8-bit text takes at most `room` bytes, never splitting a pair of
// surrogates.
std::size_t UnitsThatFit(std::wstring_view text, std::size_t room) {
  std::size_t units = 0;
  while (units < text.size()) {
    const bool pair = IS_HIGH_SURROGATE(text[units]) && units + 1 < text.size() && IS_LOW_SURROGATE(text[units + 1]);
    const std::size_t length = pair ? 2 : 1;
    const std::size_t bytes = AnsiFromWide(text.substr(units, length)).size();
    if (bytes > room) break;
    room -= bytes;
    units += length;
  }
  return units;
}

// A typed character that goes into the text (not Backspace or another control key); Enter adds a line
// break.
bool IsTypedText(WPARAM key) { return key == '\r' || key == '\t' || (key >= 0x20 && key != 0x7f); }

// Whether the code page lacks a typed character. One beyond the first 65536 comes as two surrogates, each
// judged as such a character would be.
bool AnsiLacksTyped(wchar_t unit) {
  const std::wstring_view character = IsSurrogate(unit) ? std::wstring_view(L"\U00010000") : std::wstring_view(&unit, 1);
  return FirstCharacterAnsiLacks(character).has_value();
}

}  // namespace

// Without a limit set the system stops typing at 30000 characters and a window cannot even be made with
// more; 0 sets the largest it allows.
void Memo::PrepareWindow() { LimitInput(); }

std::size_t Memo::LimitInput(const std::wstring* incoming, std::size_t* roomLeft) {
  if (maxLength_ == 0 || !IsWindowUnicode(Handle())) {
    SendMessageA(Handle(), EM_SETLIMITTEXT, maxLength_, 0);
    return incoming != nullptr ? incoming->size() : 0;
  }
  const MemoText text(Handle());
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::size_t keptUnits = text.Size() - std::min<std::size_t>(end - start, text.Size());
  const std::size_t keptBytes = text.Slice(0, start).size() + text.Slice(end, text.Size()).size();
  const std::size_t room = maxLength_ > keptBytes ? maxLength_ - keptBytes : 0;
  if (roomLeft != nullptr) *roomLeft = room;
  const std::size_t units = incoming != nullptr ? UnitsThatFit(*incoming, room) : room / MostBytesOfACharacter();
  // A limit of 0 would lift it; only an empty memo with no room at all would ask for that.
  SendMessageA(Handle(), EM_SETLIMITTEXT, std::max<std::size_t>(keptUnits + units, 1), 0);
  return units;
}

bool Memo::TakesInput(UINT message, WPARAM wParam) {
  if (ReadOnly()) return true;
  if (message == WM_PASTE) {
    const std::wstring pasted = ClipboardText(Handle());
    // The system would put '?' in place of a character the program's text lacks without a word.
    if (const std::optional<char32_t> lacking = FirstCharacterAnsiLacks(pasted)) {
      MessageBeep(MB_OK);
      if (onPasteNotHeld) Guarded([&] { onPasteNotHeld(*lacking); });
      return false;
    }
    if (maxLength_ == 0) return true;
    std::size_t room = 0;
    if (LimitInput(&pasted, &room) == pasted.size()) return true;
    // The system would paste what fits and drop the rest without a word.
    MessageBeep(MB_OK);
    if (onPasteTooLong) Guarded([&] { onPasteTooLong(AnsiFromWide(pasted).size(), room); });
    return false;
  }
  if (!IsTypedText(wParam)) return true;
  if (IsWindowUnicode(Handle()) && AnsiLacksTyped(static_cast<wchar_t>(wParam))) {
    MessageBeep(MB_OK);
    return false;
  }
  if (maxLength_ == 0) return true;
  const std::wstring typed = wParam == '\r' ? std::wstring(L"\r\n") : std::wstring(1, static_cast<wchar_t>(wParam));
  return LimitInput(&typed) > 0;
}

void Memo::OnCommand(WORD code) {
  if (code == EN_CHANGE && maxLength_ > 0) LimitInput();
}

}  // namespace kestrelle::ui
