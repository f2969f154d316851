#pragma once
// An editable drop-down list that searches as the user types. The box stands for one entry, its selected
// index: choosing an entry selects it; typing selects the first entry that begins with the typed text,
// ignoring case, and keeps the text as typed; a text that begins no entry (or no text) keeps the
// selection. Each change of the selection raises onChange. When the box loses the focus its text becomes
// the selected entry's again, so a finished search reads as the entry it found.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace kestrelle::ui {

struct ComboBoxOptions {
  int itemHeight = 0;  // height of the list's entries in layout units; 0 leaves the system's
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

  int ItemIndex() const { return selected_; }
  // The selected entry's text; empty when no entry is selected.
  std::string SelectedItem() const { return selected_ >= 0 ? Item(selected_) : std::string(); }
  // Selects an entry and shows its text, or empties the box for -1; raises nothing.
  void SetItemIndex(int index);

 protected:
  void OnCommand(WORD code) override;
  std::optional<Colour> ClassBackground() const override { return colours::Window; }

 protected:
  void OnDpiChanged() override { ApplyItemHeights(); }

 private:
  void ApplyItemHeights();

  int itemHeight_ = 0;  // layout units
  int boxHeight_ = 0;
  void SelectAsTyped();
  // Highlights the selected entry in the list without touching the typed text.
  void HighlightSelected() const;

  int selected_ = -1;
};

}  // namespace kestrelle::ui
