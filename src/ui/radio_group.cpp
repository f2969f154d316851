#include "ui/radio_group.h"

#include <algorithm>
#include <stdexcept>

#include "ui/wide_text.h"

namespace kestrelle::ui {

RadioGroup::RadioGroup(Control& parent, const Rect& bounds, std::string_view caption,
                       const RadioGroupOptions& options)
    : GroupBox(parent, bounds, caption, {.font = options.font}), columns_(std::max(options.columns, 1)) {
  const HFONT font = ScaledFont();
  // Automatic radio buttons, so that the arrow keys of the dialog keyboard interface select the item
  // they move to (each selection still comes here as BN_CLICKED).
  for (const std::string& item : options.items) {
    const DWORD groupStart = buttons_.empty() ? WS_GROUP : 0;
    const HWND button = CreateWindowExW(0, L"BUTTON", WideFromUtf8(item).c_str(),
                                        WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | groupStart, 0, 0, 0, 0, Handle(),
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (button == nullptr) throw std::runtime_error("Cannot create a radio button");
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    buttons_.push_back(button);
  }
  ArrangeButtons();
  UpdateTabStop();
}

void RadioGroup::OnDpiChanged() {
  for (HWND button : buttons_) SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(ScaledFont()), FALSE);
  ArrangeButtons();
  InvalidateRect(Handle(), nullptr, TRUE);
}

// Tab enters the group at its selected item (the first when there is none) and leaves it with the next
// Tab; the arrow keys move within it.
void RadioGroup::UpdateTabStop() {
  const int stop = std::max(itemIndex_, 0);
  for (int i = 0; i < Count(); ++i) {
    const HWND button = buttons_[static_cast<std::size_t>(i)];
    const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    SetWindowLongPtrA(button, GWL_STYLE, i == stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

// The buttons share the space below the caption evenly, column by column, the left-over pixels split
// above and below them.
void RadioGroup::ArrangeButtons() {
  const int columns = columns_;
  if (buttons_.empty()) return;
  TEXTMETRICA metrics{};
  const HDC dc = GetDC(Handle());
  {
    SelectedObject font(dc, ScaledFont());
    GetTextMetricsA(dc, &metrics);
  }
  ReleaseDC(Handle(), dc);
  const Rect client = ClientRect();
  const int count = Count();
  const int perColumn = (count + columns - 1) / columns;
  const int buttonWidth = (client.width - Scale(10)) / columns;
  const int space = client.height - metrics.tmHeight - Scale(5);
  const int buttonHeight = space / perColumn;
  const int topMargin = metrics.tmHeight + Scale(1) + (space % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    MoveWindow(buttons_[static_cast<std::size_t>(i)], (i / perColumn) * buttonWidth + Scale(8),
               (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight, FALSE);
  }
}

std::string RadioGroup::Item(int index) const { return WindowTextOf(ItemHandle(index)); }

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) throw std::out_of_range("Radio group item index out of range");
  if (index == itemIndex_) return;
  itemIndex_ = index;
  for (int i = 0; i < Count(); ++i) {
    SendMessageA(buttons_[static_cast<std::size_t>(i)], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  UpdateTabStop();
  if (index >= 0 && onClick) onClick();
}

void RadioGroup::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  for (HWND button : buttons_) EnableWindow(button, enabled ? TRUE : FALSE);
}

void RadioGroup::SetFocus() {
  if (buttons_.empty()) {
    GroupBox::SetFocus();
  } else {
    ::SetFocus(ItemHandle(std::max(itemIndex_, 0)));
  }
}

LRESULT RadioGroup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam));
    if (found != buttons_.end()) {
      SetItemIndex(static_cast<int>(found - buttons_.begin()));
      return 0;
    }
  }
  if (message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam));
    if (found != buttons_.end()) return reinterpret_cast<LRESULT>(OnControlColour(reinterpret_cast<HDC>(wParam)));
  }
  return GroupBox::HandleMessage(message, wParam, lParam);
}

}  // namespace kestrelle::ui
