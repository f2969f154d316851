#include "game_link/linux/key_typist.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <memory>

#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

struct KeySymsFree {
  void operator()(KeySym* symbols) const { XFree(symbols); }
};

// The symbols of count keycodes from first on, symbolsPerCode a keycode.
std::vector<KeySym> MappingOf(Display* display, int first, int count, int& symbolsPerCode) {
  KeySym* raw = XGetKeyboardMapping(display, static_cast<KeyCode>(first), count, &symbolsPerCode);
  const std::unique_ptr<KeySym, KeySymsFree> symbols(raw);
  if (!symbols || symbolsPerCode <= 0) return {};
  return std::vector<KeySym>(symbols.get(), symbols.get() + static_cast<size_t>(count) * symbolsPerCode);
}

KeySym SymbolOf(char32_t c) {
  // Latin-1 letters are their own key symbols; every other letter has the symbol of its code point.
  if (c == U'\r') return XK_Return;
  return c < 0x100 ? static_cast<KeySym>(c) : static_cast<KeySym>(0x01000000 | c);
}

}  // namespace

KeyTypist::KeyTypist(Display* display) : display_(display) { XDisplayKeycodes(display_, &firstCode_, &lastCode_); }

KeyTypist::~KeyTypist() {
  if (!borrowed_ || borrowedOwn_.empty()) return;
  XChangeKeyboardMapping(display_, *borrowed_, static_cast<int>(borrowedOwn_.size()), borrowedOwn_.data(), 1);
  XSync(display_, False);
}

std::optional<KeyTypist::Key> KeyTypist::KeyOf(KeySym symbol) {
  const KeyCode code = XKeysymToKeycode(display_, symbol);
  if (code != 0) {
    // The first group's plain and shifted symbols; a symbol found only elsewhere is borrowed as well.
    int perCode = 0;
    const std::vector<KeySym> symbols = MappingOf(display_, code, 1, perCode);
    if (!symbols.empty() && symbols[0] == symbol) return Key{code, 0};
    if (symbols.size() > 1 && symbols[1] == symbol) return Key{code, ShiftMask};
  }
  return Borrowed(symbol);
}

std::optional<KeyTypist::Key> KeyTypist::Borrowed(KeySym symbol) {
  if (borrowed_ && borrowedSymbol_ == symbol) return Key{*borrowed_, 0};
  int perCode = 0;
  if (!borrowed_) {
    const int count = lastCode_ - firstCode_ + 1;
    const std::vector<KeySym> all = MappingOf(display_, firstCode_, count, perCode);
    if (all.empty()) return std::nullopt;
    int chosen = lastCode_;
    for (int code = lastCode_; code >= firstCode_; --code) {
      const auto from = all.begin() + static_cast<long>(code - firstCode_) * perCode;
      if (std::all_of(from, from + perCode, [](KeySym s) { return s == NoSymbol; })) {
        chosen = code;
        break;
      }
    }
    const auto own = all.begin() + static_cast<long>(chosen - firstCode_) * perCode;
    borrowedOwn_.assign(own, own + perCode);
    borrowed_ = static_cast<KeyCode>(chosen);
  }
  perCode = static_cast<int>(borrowedOwn_.size());
  std::vector<KeySym> symbols(static_cast<size_t>(perCode), symbol);  // the same symbol, shifted or not
  XChangeKeyboardMapping(display_, *borrowed_, perCode, symbols.data(), 1);
  borrowedSymbol_ = symbol;
  return Key{*borrowed_, 0};
}

bool KeyTypist::Type(Window window, char32_t c) {
  ErrorTrap trap(display_);
  const std::optional<Key> key = KeyOf(SymbolOf(c));
  if (!key) return false;
  XEvent event = {};
  XKeyEvent& press = event.xkey;
  press.display = display_;
  press.window = window;
  press.root = DefaultRootWindow(display_);
  press.subwindow = None;
  press.time = CurrentTime;
  press.x = press.y = press.x_root = press.y_root = 1;
  press.state = key->state;
  press.keycode = key->code;
  press.same_screen = True;
  press.type = KeyPress;
  XSendEvent(display_, window, True, KeyPressMask, &event);
  press.type = KeyRelease;
  XSendEvent(display_, window, True, KeyReleaseMask, &event);
  return !trap.Failed();
}

}  // namespace kestrelle::x11
