#pragma once
// Types characters into one X window at a time as key events sent to it (XSendEvent), each with the keycode
// and shift state that the display's keyboard map gives its symbol. A symbol that the map lacks is lent a
// free keycode (one that carries no symbol and no modifier) for as long as the typist lives, a keycode of
// its own for each such letter; the typist gives every keycode it borrowed its own symbols back when it
// ends. A client learns of each change (MappingNotify) before the key events that use it, as the server
// delivers both in order, and reads the changed keys' symbols only as it handles them: so a keycode must
// never change while a key press made with it may still be unread. When every free keycode has been lent,
// the one used least lately is lent again, once the client has shown it has read every key press sent to it
// (Confirmed). A display with no free keycode at all leaves such letters out.
#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace kestrelle::x11 {

class KeyTypist {
 public:
  explicit KeyTypist(Display* display);
  ~KeyTypist();
  KeyTypist(const KeyTypist&) = delete;
  KeyTypist& operator=(const KeyTypist&) = delete;

  enum class Typed { Sent, WindowGone, NoFreeKey };
  // Presses and releases the key of the letter c (a carriage return is the Return key) in window.
  Typed Type(Window window, char32_t c);
  // Whether typing c now needs a round trip with the client first: the keycode c would be lent may still be
  // in a key press that the client has not read.
  bool NeedsRoundTrip(char32_t c);
  // The client has read every key press sent so far (it answered a question sent after them).
  void Confirmed();
  // Whether a key press with a borrowed keycode may still be unread.
  bool HasUnread() const;

 private:
  struct Key {
    KeyCode code;
    unsigned state;
  };
  struct Loan {
    KeyCode code;
    KeySym symbol;
    std::uint64_t lastUse;  // the number of the key press that used it last
    bool unread;            // pressed since the client last showed it had read everything
  };
  std::optional<Key> KeyOf(KeySym symbol);
  Loan* LoanOf(KeySym symbol);
  // The loan to lend symbol next: a free keycode not lent yet, else the one used least lately.
  Loan* NextLoan();
  void Map(KeyCode code, KeySym symbol);

  Display* display_;
  int symbolsPerCode_ = 0;
  std::vector<KeyCode> free_;  // free keycodes not lent yet
  std::vector<Loan> loans_;
  std::uint64_t presses_ = 0;
};

}  // namespace kestrelle::x11
