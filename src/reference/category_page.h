#pragma once
// What the Weapons and Armour pages share: a table whose categories are the tabs of a tab control, and an
// item box that lists the chosen category's items.

#include <cstdint>
#include <span>
#include <vector>

#include "reference/reference_records.h"
#include "reference/reference_table.h"
#include "reference/resource_data.h"
#include "ui/combo_box.h"
#include "ui/page_control.h"

namespace kestrelle {

template <typename Record>
using CategoryReader = TCategoryTable<Record> (*)(std::span<const std::uint8_t>);

// Reads the table resource, puts one tab per category on tabs (captions as stored: the tab control draws
// "&&" as "&"), selects the first tab and raises the tabs' change as if the user had chosen it. The
// categories are stored through the page's reference before the change handler reads them.
template <typename Record>
void LoadCategories(int resource, CategoryReader<Record> read, std::vector<TReferenceCategory<Record>>& categories,
                    ui::TabControl& tabs) {
  TCategoryTable<Record> table = read(LoadDataResource(resource));
  categories = std::move(table.Categories);
  tabs.SetTabs(table.Captions);
  tabs.SetTabIndex(0);
  if (tabs.onChange) tabs.onChange();
}

// The category of the selected tab.
template <typename Record>
const TReferenceCategory<Record>& SelectedCategory(const std::vector<TReferenceCategory<Record>>& categories,
                                                   const ui::TabControl& tabs) {
  return categories.at(static_cast<std::size_t>(tabs.TabIndex()));
}

// Lists the category's items in the box and selects the item the category starts at (its first).
template <typename Record>
void ListCategory(const TReferenceCategory<Record>& category, ui::ComboBox& items) {
  items.SetItems(category.Names);
  items.SetItemIndex(category.ItemIndex);
}

// The record of the item the box stands for, in the category of the selected tab.
template <typename Record>
const Record& SelectedRecord(const std::vector<TReferenceCategory<Record>>& categories, const ui::TabControl& tabs,
                             const ui::ComboBox& items) {
  return SelectedCategory(categories, tabs).Items.at(static_cast<std::size_t>(items.ItemIndex()));
}

// Shows the magic lookup panel in place of the tabs and everything on them, or the tabs again, and puts
// the focus where the keyboard goes on (the lookup's first group, or the button that opened it).
inline void ShowInstead(ui::Control& shown, ui::Control& hidden, ui::Control& focus) {
  hidden.SetVisible(false);
  shown.SetVisible(true);
  focus.SetFocus();
}

}  // namespace kestrelle
