#pragma once
// A captioned group of radio buttons laid out in columns, with one selected item or none (-1). Selecting
// an item, by the user or by the program, raises onClick; clearing the selection or selecting the item
// that is already selected raises nothing.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/group_box.h"

namespace kestrelle::ui {

struct RadioGroupOptions {
  std::vector<std::string> items;
  int columns = 1;
  std::optional<FontSpec> font;
};

class RadioGroup : public GroupBox {
 public:
  RadioGroup(Control& parent, const Rect& bounds, std::string_view caption, const RadioGroupOptions& options);

  std::function<void()> onClick;

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  std::string Item(int index) const;
  // The radio button window of an item (its window text is the item).
  HWND ItemHandle(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

  // Enables or disables the group with all of its buttons.
  void SetEnabled(bool enabled) override;
  // The focus goes where Tab enters the group: its selected item, or its first.
  void SetFocus() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ArrangeButtons();
  void OnDpiChanged() override;
  void UpdateTabStop();

  std::vector<HWND> buttons_;  // children of the group's window, destroyed with it
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace kestrelle::ui
