#include "ui/menu.h"

#include <map>

namespace kestrelle::ui {
namespace {

// Command ids of menu items start above the ids that the dialog keyboard interface uses (IDOK...).
UINT NextCommandId() {
  static UINT next = 0x1000;
  return next++;
}

std::map<UINT, MenuItem*>& ItemsById() {
  static std::map<UINT, MenuItem*> items;
  return items;
}

std::string KeyName(UINT key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  char name[32] = {};
  const UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, sizeof name);
  return name;
}

}  // namespace

std::string Shortcut::Text() const {
  if (!Assigned()) return {};
  std::string text;
  if (ctrl) text += "Ctrl+";
  if (shift) text += "Shift+";
  if (alt) text += "Alt+";
  return text + KeyName(key);
}

Menu::~Menu() = default;

MenuItem& Menu::Add(std::string_view caption, Shortcut shortcut) {
  return *items_.emplace_back(std::make_unique<MenuItem>(handle_, caption, shortcut, false));
}

MenuItem& Menu::AddSeparator() { return *items_.emplace_back(std::make_unique<MenuItem>(handle_, "-", Shortcut{}, true)); }

MenuItem* Menu::ItemWithShortcut(const Shortcut& pressed) const {
  for (const auto& item : items_) {
    if (item->ShortcutKey().Assigned() && item->ShortcutKey() == pressed && item->Enabled()) return item.get();
    if (item->Submenu() != nullptr) {
      if (MenuItem* found = item->Submenu()->ItemWithShortcut(pressed)) return found;
    }
  }
  return nullptr;
}

MenuItem::MenuItem(HMENU owner, std::string_view caption, Shortcut shortcut, bool separator)
    : owner_(owner), id_(NextCommandId()), caption_(caption), shortcut_(shortcut), separator_(separator) {
  if (separator_) {
    AppendMenuA(owner_, MF_SEPARATOR, id_, nullptr);
  } else {
    const std::string shown = shortcut_.Assigned() ? caption_ + "\t" + shortcut_.Text() : caption_;
    AppendMenuA(owner_, MF_STRING, id_, shown.c_str());
  }
  ItemsById()[id_] = this;
}

MenuItem::~MenuItem() { ItemsById().erase(id_); }

MenuItem* MenuItem::FromCommandId(UINT id) {
  const auto found = ItemsById().find(id);
  return found != ItemsById().end() ? found->second : nullptr;
}

void MenuItem::Click() {
  if (onClick) onClick();
}

Menu& MenuItem::EnsureSubmenu() {
  if (!submenu_) {
    submenu_ = std::make_unique<Menu>(CreatePopupMenu());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = submenu_->Handle();
    SetMenuItemInfoA(owner_, id_, FALSE, &info);
  }
  return *submenu_;
}

MenuItem& MenuItem::Add(std::string_view caption, Shortcut shortcut) { return EnsureSubmenu().Add(caption, shortcut); }

MenuItem& MenuItem::AddSeparator() { return EnsureSubmenu().AddSeparator(); }

bool MenuItem::Checked() const { return (GetMenuState(owner_, id_, MF_BYCOMMAND) & MF_CHECKED) != 0; }

void MenuItem::SetChecked(bool checked) {
  CheckMenuItem(owner_, id_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuItem::Enabled() const { return (GetMenuState(owner_, id_, MF_BYCOMMAND) & (MF_DISABLED | MF_GRAYED)) == 0; }

void MenuItem::SetEnabled(bool enabled) {
  EnableMenuItem(owner_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

MainMenu::MainMenu() : Menu(CreateMenu()), owned_(Handle()) {}

MainMenu::~MainMenu() {
  // A window destroys the menu bar attached to it; take it off first so that it is destroyed once.
  if (window_ != nullptr && IsWindow(window_) && GetMenu(window_) == Handle()) SetMenu(window_, nullptr);
}

void MainMenu::AttachTo(HWND window) {
  window_ = window;
  SetMenu(window, Handle());
}

PopupMenu::PopupMenu() : Menu(CreatePopupMenu()), owned_(Handle()) {}

void PopupMenu::Popup(HWND owner, POINT at) {
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      Handle(), TPM_CENTERALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  if (MenuItem* item = MenuItem::FromCommandId(chosen)) item->Click();
}

}  // namespace kestrelle::ui
