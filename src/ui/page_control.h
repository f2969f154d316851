#pragma once
// Tabbed controls. PageControl shows one page (a TabSheet, which holds that page's controls) per tab;
// TabControl is a row of tabs over one area whose controls lie on the tab control itself.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace kestrelle::ui {

struct TabOptions {
  bool tabsAtBottom = false;
  bool multiLine = false;
  bool scrollOpposite = false;  // with multi-line tabs, the rows before the chosen one move to the far side
  bool hotTrack = false;
  int tabHeight = 0;  // 0: from the font, as the system sizes tabs
  std::optional<FontSpec> font;
};

class PageControl;

// A page of a PageControl; its caption is the tab's text.
class TabSheet : public Control {
 public:
  TabSheet(PageControl& owner, std::string_view caption);
};

// Tabs at the bottom are drawn by the classic tab control: the visual styles draw every tab as a top one.
class PageControl : public Control {
 public:
  PageControl(Control& parent, const Rect& bounds, const TabOptions& options = {});

  // Raised when the user chooses another tab.
  std::function<void()> onChange;

  TabSheet& AddPage(std::string_view caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
  // The strip's tab height in layout units (0: sized by the system).
  int TabHeight() const { return tabHeight_; }

  int ActivePageIndex() const;
  TabSheet& ActivePage() const { return Page(ActivePageIndex()); }
  // Brings a page to the front; raises nothing.
  void SetActivePage(int index);

 protected:
  LRESULT OnNotify(const NMHDR& header) override;
  void OnDpiChanged() override;

 private:
  Rect PageArea() const;
  void ShowActivePage();
  void ApplyTabHeight();

  std::vector<std::unique_ptr<TabSheet>> pages_;
  int tabHeight_ = 0;
};

// The controls on a TabControl are children of its own window, above the system's tab strip, which lies
// at the bottom of them: a window that holds controls is never a stop of the Tab key itself, so the strip
// is a control beside the others and takes the focus (and the arrow keys) like them.
class TabControl : public Control {
 public:
  TabControl(Control& parent, const Rect& bounds, const TabOptions& options = {});
  ~TabControl() override;

  // Raised when the user chooses another tab.
  std::function<void()> onChange;

  void SetTabs(const std::vector<std::string>& captions);
  int TabCount() const;
  std::string TabCaption(int index) const;
  int TabIndex() const;
  // Selects a tab; raises nothing.
  void SetTabIndex(int index);
  // The tab strip's window.
  HWND StripHandle() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged() override;

 private:
  class Strip;
  std::unique_ptr<Strip> strip_;
};

}  // namespace kestrelle::ui
