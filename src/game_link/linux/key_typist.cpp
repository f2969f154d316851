#include "game_link/linux/key_typist.h"

#include <X11/keysym.h>

#include <algorithm>
#include <memory>

#include "game_link/linux/x_display.h"

namespace kestrelle::x11 {

namespace {

struct KeySymsFree {
  void operator()(KeySym* symbols) const { XFree(symbols); }
};

struct ModifierMapFree {
  void operator()(XModifierKeymap* map) const { XFreeModifiermap(map); }
};

// The symbols of count keycodes from first on, symbolsPerCode a keycode.
std::vector<KeySym> MappingOf(Display* display, int first, int count, int& symbolsPerCode) {
  KeySym* raw = XGetKeyboardMapping(display, static_cast<KeyCode>(first), count, &symbolsPerCode);
  const std::unique_ptr<KeySym, KeySymsFree> symbols(raw);
  if (!symbols || symbolsPerCode <= 0) return {};
  return std::vector<KeySym>(symbols.get(), symbols.get() + static_cast<size_t>(count) * symbolsPerCode);
}

std::vector<KeyCode> ModifierKeys(Display* display) {
  const std::unique_ptr<XModifierKeymap, ModifierMapFree> map(XGetModifierMapping(display));
  if (!map) return {};
  return std::vector<KeyCode>(map->modifiermap, map->modifiermap + 8 * map->max_keypermod);
}

KeySym SymbolOf(char32_t c) {
  // Latin-1 letters are their own key symbols; every other letter has the symbol of its code point.
  if (c == U'\r') return XK_Return;
  return c < 0x100 ? static_cast<KeySym>(c) : static_cast<KeySym>(0x01000000 | c);
}

}  // namespace

KeyTypist::KeyTypist(Display* display) : display_(display) {
  int first = 0;
  int last = 0;
  XDisplayKeycodes(display_, &first, &last);
  const std::vector<KeySym> all = MappingOf(display_, first, last - first + 1, symbolsPerCode_);
  if (all.empty()) return;
  const std::vector<KeyCode> modifiers = ModifierKeys(display_);
  // Lent from the highest down, the keycodes furthest from a real keyboard's keys.
  for (int code = first; code <= last; ++code) {
    const auto from = all.begin() + static_cast<long>(code - first) * symbolsPerCode_;
    const bool empty = std::all_of(from, from + symbolsPerCode_, [](KeySym s) { return s == NoSymbol; });
    if (empty && std::find(modifiers.begin(), modifiers.end(), code) == modifiers.end()) {
      free_.push_back(static_cast<KeyCode>(code));
    }
  }
}

KeyTypist::~KeyTypist() {
  if (loans_.empty()) return;
  for (const Loan& loan : loans_) Map(loan.code, NoSymbol);
  XSync(display_, False);
}

void KeyTypist::Map(KeyCode code, KeySym symbol) {
  std::vector<KeySym> symbols(static_cast<size_t>(symbolsPerCode_), symbol);  // the same, shifted or not
  XChangeKeyboardMapping(display_, code, symbolsPerCode_, symbols.data(), 1);
}

KeyTypist::Loan* KeyTypist::LoanOf(KeySym symbol) {
  const auto loan = std::find_if(loans_.begin(), loans_.end(), [symbol](const Loan& l) { return l.symbol == symbol; });
  return loan == loans_.end() ? nullptr : &*loan;
}

KeyTypist::Loan* KeyTypist::NextLoan() {
  if (!free_.empty()) {
    loans_.push_back({.code = free_.back(), .symbol = NoSymbol, .lastUse = 0, .unread = false});
    free_.pop_back();
    return &loans_.back();
  }
  const auto leastLately = std::min_element(loans_.begin(), loans_.end(),
                                            [](const Loan& a, const Loan& b) { return a.lastUse < b.lastUse; });
  return leastLately == loans_.end() ? nullptr : &*leastLately;
}

std::optional<KeyTypist::Key> KeyTypist::KeyOf(KeySym symbol) {
  if (const Loan* loan = LoanOf(symbol)) return Key{loan->code, 0};
  const KeyCode code = XKeysymToKeycode(display_, symbol);
  if (code == 0) return std::nullopt;
  // The first group's plain and shifted symbols, as the server has them now; a symbol found only
  // elsewhere is lent a keycode as well.
  int perCode = 0;
  const std::vector<KeySym> symbols = MappingOf(display_, code, 1, perCode);
  if (!symbols.empty() && symbols[0] == symbol) return Key{code, 0};
  if (symbols.size() > 1 && symbols[1] == symbol) return Key{code, ShiftMask};
  return std::nullopt;
}

bool KeyTypist::NeedsRoundTrip(char32_t c) {
  if (!free_.empty() || loans_.empty()) return false;
  const KeySym symbol = SymbolOf(c);
  return !KeyOf(symbol) && NextLoan()->unread;
}

void KeyTypist::Confirmed() {
  for (Loan& loan : loans_) loan.unread = false;
}

bool KeyTypist::HasUnread() const {
  return std::any_of(loans_.begin(), loans_.end(), [](const Loan& loan) { return loan.unread; });
}

KeyTypist::Typed KeyTypist::Type(Window window, char32_t c) {
  ErrorTrap trap(display_);
  const KeySym symbol = SymbolOf(c);
  std::optional<Key> key = KeyOf(symbol);
  if (!key) {
    Loan* const loan = NextLoan();
    if (!loan) return Typed::NoFreeKey;
    Map(loan->code, symbol);
    loan->symbol = symbol;
    key = Key{loan->code, 0};
  }
  if (Loan* const loan = LoanOf(symbol)) {
    loan->lastUse = ++presses_;
    loan->unread = true;
  }
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
  return trap.Failed() ? Typed::WindowGone : Typed::Sent;
}

}  // namespace kestrelle::x11
