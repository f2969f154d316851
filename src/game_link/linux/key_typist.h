#pragma once
// Types characters into one X window as key events sent to it (XSendEvent), each with the keycode and shift
// state that the display's keyboard map gives its symbol. A symbol that the map lacks is put on a keycode
// that carries nothing (or else the highest one) for as long as it is needed; the typist gives that keycode
// its own symbols back when it ends. Every client learns of such a change (MappingNotify) before the key
// event that follows it, as the server delivers both in order.
#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace kestrelle::x11 {

class KeyTypist {
 public:
  explicit KeyTypist(Display* display);
  ~KeyTypist();
  KeyTypist(const KeyTypist&) = delete;
  KeyTypist& operator=(const KeyTypist&) = delete;

  // Presses and releases the key of the letter c (a carriage return is the Return key) in window. False
  // when the window is gone.
  bool Type(Window window, char32_t c);

 private:
  struct Key {
    KeyCode code;
    unsigned state;
  };
  std::optional<Key> KeyOf(KeySym symbol);
  std::optional<Key> Borrowed(KeySym symbol);

  Display* display_;
  int firstCode_ = 0;
  int lastCode_ = 0;
  std::optional<KeyCode> borrowed_;    // the keycode carrying a symbol the map lacks
  std::vector<KeySym> borrowedOwn_;    // its own symbols, given back at the end
  KeySym borrowedSymbol_ = NoSymbol;
};

}  // namespace kestrelle::x11
