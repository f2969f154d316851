#include <algorithm>
#include <string>

#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/memo.h"

// What a memo takes from typing and pasting within its limit, which counts UTF-16 units as the control
// counts its own: the control's limit stops typing (an input method's characters, which come as typed
// ones, too), and a paste that would not fit whole is refused here, where the system would paste what fits
// and drop the rest without a word.
namespace kestrelle::ui {

// Without a limit set the system stops typing at 30000 characters and a window cannot even be made with
// more; 0 sets the largest it allows.
void Memo::PrepareWindow() { SendMessageW(Handle(), EM_SETLIMITTEXT, maxLength_, 0); }

std::size_t Memo::Room() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(Handle()));
  const std::size_t kept = length - std::min<std::size_t>(end - start, length);
  return maxLength_ > kept ? maxLength_ - kept : 0;
}

bool Memo::TakesInput(UINT message, WPARAM wParam) {
  if (ReadOnly() || maxLength_ == 0) return true;
  if (message == WM_PASTE) {
    const std::wstring pasted = ClipboardText(Handle());
    const std::size_t room = Room();
    if (pasted.size() <= room) return true;
    MessageBeep(MB_OK);
    if (onPasteTooLong) Guarded([&] { onPasteTooLong(pasted.size(), room); });
    return false;
  }
  // The control would take the first unit of a pair alone when only one fits.
  const bool high = IS_HIGH_SURROGATE(wParam);
  const bool refused = high ? Room() < 2 : IS_LOW_SURROGATE(wParam) && refusedHighSurrogate_;
  refusedHighSurrogate_ = high && refused;
  if (refused) MessageBeep(MB_OK);
  return !refused;
}

}  // namespace kestrelle::ui
