#include "ui/combo_box.h"

#include <stdexcept>

#include "ui/wide_text.h"

namespace kestrelle::ui {

ComboBox::ComboBox(Control& parent, const Rect& bounds, const ComboBoxOptions& options) {
  const int listHeight = (options.itemHeight > 0 ? options.itemHeight : 16) * options.dropDownCount + 2;
  Create({.className = "COMBOBOX",
          .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
          .parent = &parent,
          .bounds = {bounds.left, bounds.top, bounds.width, bounds.height + listHeight},
          .font = options.font});
  itemHeight_ = options.itemHeight;
  boxHeight_ = bounds.height;
  ApplyItemHeights();
}

void ComboBox::ApplyItemHeights() {
  if (itemHeight_ > 0) SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, Scale(itemHeight_));
  // The closed box: its selection field is the asked height less the frame around it (six pixels at
  // 96 DPI).
  SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Scale(boxHeight_ - 6));
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
  Clear();
  for (const std::string& item : items) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(item).c_str()));
  }
}

void ComboBox::Clear() {
  SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
  selected_ = -1;
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::Item(int index) const {
  const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) throw std::out_of_range("Combo box entry index out of range");
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Utf8FromWide(text);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) throw std::out_of_range("Combo box entry index out of range");
  selected_ = index;
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index < 0) SetText("");
}

void ComboBox::HighlightSelected() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info)) SendMessageA(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
}

void ComboBox::SelectAsTyped() {
  const std::wstring text = WideFromUtf8(Text());
  const LRESULT found =
      text.empty() ? CB_ERR : SendMessageW(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  const int previous = selected_;
  if (found != CB_ERR) selected_ = static_cast<int>(found);
  // The system drops the list's selection when the text is edited.
  HighlightSelected();
  if (selected_ != previous && onChange) onChange();
}

void ComboBox::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE) {
    const auto chosen = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    if (chosen < 0) return;
    selected_ = chosen;
    // The box shows the chosen entry only after this notification; show it now so that the handler
    // reads the text and the index of the same entry.
    SetText(Item(chosen));
    HighlightSelected();
    if (onChange) onChange();
  } else if (code == CBN_EDITCHANGE) {
    SelectAsTyped();
  } else if (code == CBN_KILLFOCUS && selected_ >= 0 && Text() != Item(selected_)) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
  }
}

}  // namespace kestrelle::ui
