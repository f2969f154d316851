#pragma once
// Menus: the main menu of a form and pop-up menus, made of items that may hold a submenu, be checked or
// disabled, and carry a keyboard shortcut. Items are owned by their menu and stay at their address, so
// a form can keep references to them under their names.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/smart_handle.h"

namespace kestrelle::ui {

// A key with modifiers, as pressed (virtual-key code) or as assigned to a menu item.
struct Shortcut {
  UINT key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;

  static Shortcut Ctrl(char letter) { return {static_cast<UINT>(letter), true, false, false}; }
  bool Assigned() const { return key != 0; }
  std::string Text() const;  // as shown beside the item, e.g. "Ctrl+O"
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

class MenuItem;

// The items of one menu level.
class Menu {
 public:
  explicit Menu(HMENU handle) : handle_(handle) {}
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  virtual ~Menu();

  HMENU Handle() const { return handle_; }
  MenuItem& Add(std::string_view caption, Shortcut shortcut = {});
  MenuItem& AddSeparator();
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

  // The enabled item with this shortcut, searching submenus too; null when there is none.
  MenuItem* ItemWithShortcut(const Shortcut& pressed) const;

 private:
  HMENU handle_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuItem {
 public:
  MenuItem(HMENU owner, std::string_view caption, Shortcut shortcut, bool separator);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  ~MenuItem();

  static MenuItem* FromCommandId(UINT id);

  std::function<void()> onClick;
  // Raises onClick, as a choice of the item does.
  void Click();

  // Items of this item's submenu (created on first use).
  MenuItem& Add(std::string_view caption, Shortcut shortcut = {});
  MenuItem& AddSeparator();
  Menu* Submenu() const { return submenu_.get(); }

  UINT CommandId() const { return id_; }
  const std::string& Caption() const { return caption_; }
  const Shortcut& ShortcutKey() const { return shortcut_; }
  bool IsSeparator() const { return separator_; }
  bool Checked() const;
  void SetChecked(bool checked);
  bool Enabled() const;
  void SetEnabled(bool enabled);

 private:
  Menu& EnsureSubmenu();

  HMENU owner_;
  UINT id_;
  std::string caption_;
  Shortcut shortcut_;
  bool separator_;
  std::unique_ptr<Menu> submenu_;  // its handle is destroyed with the owning menu
};

// The menu bar of a form.
class MainMenu : public Menu {
 public:
  MainMenu();
  ~MainMenu() override;
  void AttachTo(HWND window);

 private:
  MenuHandle owned_;
  HWND window_ = nullptr;
};

class PopupMenu : public Menu {
 public:
  PopupMenu();
  // Shows the menu with its items centred on a screen point and runs the chosen item's click.
  void Popup(HWND owner, POINT at);

 private:
  MenuHandle owned_;
};

}  // namespace kestrelle::ui
