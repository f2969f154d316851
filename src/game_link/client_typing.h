#pragma once
// The typing into one game client window, as its kind takes it: the classic client and Orion take
// WM_CHAR of ASCII and character 13 as a line end, in front or not; ClassicUO takes
// WM_CHAR as UTF-16 units (every letter), a line end as a Return key press, and typed text only while in
// front, so it is brought there before a line that starts elsewhere and whenever it lost the front.
// Keeps how far the client got and, when the typing ended early, why.
#include <windows.h>

#include <functional>

#include "game_link/client_kind.h"
#include "game_link/command_stop.h"
#include "game_link/foreground.h"
#include "game_link/send_result.h"
#include "game_link/typing.h"

namespace kestrelle {

// ClassicUO's end of a typed line: a Return key press (SDL ignores character 13, and SDL 2 builds a
// Return without the key's scan code). The key message parameters: repeat count 1, scan code 0x1C, and
// for the release the previous-state and transition bits.
inline constexpr LPARAM kReturnDownKeyData = 0x001C0001;
inline constexpr LPARAM kReturnUpKeyData = static_cast<LPARAM>(0xC01C0001u);

inline TypedLetters LettersOf(GameClientKind kind) {
  return kind == GameClientKind::ClassicUO ? TypedLetters::Unicode : TypedLetters::Ascii;
}

class ClientTyping final : public TypingTarget {
 public:
  // onLine: told the 0-based number of every line as it starts.
  ClientTyping(HWND window, GameClientKind kind, const CommandStop& stop, Foreground& foreground,
               std::function<void(int line)> onLine);

  bool Wait(std::int32_t ms) override;
  TypingOutcome Send(char32_t c) override;
  TypingOutcome StartLine(int line) override;

  // Why the typing into the client ended early; Typed while it has not.
  ClientOutcome Failure() const { return failure_; }
  // The line being typed (the whole lines before it went in), and whether any of it went in.
  int Line() const { return line_; }
  bool PartOfLineSent() const { return partOfLine_; }

 private:
  TypingOutcome InFront();
  TypingOutcome Deliver(UINT message, WPARAM wParam, LPARAM lParam);
  TypingOutcome Lost(ClientOutcome why);

  HWND window_;
  bool takesUnicode_;
  bool needsFront_;
  const CommandStop& stop_;
  Foreground& foreground_;
  std::function<void(int line)> onLine_;
  ClientOutcome failure_ = ClientOutcome::Typed;
  int line_ = 0;
  bool partOfLine_ = false;
  DWORD lastHandled_;  // the tick when the window's messages were last handled
};

}  // namespace kestrelle
