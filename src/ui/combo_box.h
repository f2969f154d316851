#pragma once
// An editable drop-down list. Choosing an entry and typing into the box both raise onChange; the selected
// index is the entry the text equals, or -1 when the text is no entry.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace kestrelle::ui {

struct ComboBoxOptions {
  int itemHeight = 0;  // height of the list's entries; 0 leaves the system's
  int dropDownCount = 8;
  std::optional<FontSpec> font;
};

class ComboBox : public Control {
 public:
  // The height is the closed box's; the list below it is sized for dropDownCount entries.
  ComboBox(Control& parent, const Rect& bounds, const ComboBoxOptions& options = {});

  std::function<void()> onChange;

  void SetItems(const std::vector<std::string>& items);
  void Clear();
  int Count() const;
  std::string Item(int index) const;

  int ItemIndex() const;
  // Selects an entry and shows its text, or empties the box for -1; raises nothing.
  void SetItemIndex(int index);

 protected:
  void OnCommand(WORD code) override;
  std::optional<Colour> ClassBackground() const override { return colours::Window; }
};

}  // namespace kestrelle::ui
