#pragma once
// Tabbed controls. PageControl shows one page (a TabSheet, which holds that page's controls) per tab;
// TabControl is a row of tabs over one area whose controls lie on the tab control itself.
//
// A sheet's controls and handlers (its PageContent) are made the first time the sheet comes to the front
// (the first sheet added comes to the front at once), so that a window shows without building the pages
// nobody has looked at yet. Once made, a page lives as long as its sheet.

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
class TabSheet;

// What a page is to the window that holds it: started once when made, asked before the window closes and
// whether a command of it runs, and nothing else.
class PageContent {
 public:
  virtual ~PageContent() = default;
  // Runs once, right after the page's controls are made: what the layout alone does not set.
  virtual void Start() {}
  // Asked before the window closes; a page that refuses sees to the close itself when it can.
  virtual bool MayClose() { return true; }
  // Whether a command of the page runs now, handling the window's messages while it waits: a modal window
  // opened meanwhile would hold the command up until it is closed, so the window opens none.
  virtual bool Busy() const { return false; }
};

using PageMaker = std::function<std::unique_ptr<PageContent>(TabSheet&)>;

// A row of tabs that the keyboard steps through from any control it holds (Ctrl+PgDn, Ctrl+PgUp; Ctrl+Tab
// for a window's pages).
class TabStepping {
 public:
  // Chooses the neighbouring tab, round the ends, as the user's choice of it does.
  virtual void StepTab(bool forward) = 0;

 protected:
  ~TabStepping() = default;
};

// A page of a PageControl; its caption is the tab's text.
class TabSheet : public Control {
 public:
  TabSheet(PageControl& owner, std::string_view caption, PageMaker makeContent);

  // The page's content, made and started first if it has not been yet. A start that throws leaves the
  // page made, with whatever the start had done. Throws for a sheet added without a maker.
  PageContent& Content();
  // A page not made yet has nothing to keep the window open for.
  bool MayClose() { return content_ == nullptr || content_->MayClose(); }
  bool Busy() const { return content_ != nullptr && content_->Busy(); }

 private:
  friend class PageControl;
  bool HasMaker() const { return makeContent_ != nullptr; }

  PageMaker makeContent_;
  std::unique_ptr<PageContent> content_;
};

// Tabs at the bottom are drawn by the classic tab control: the visual styles draw every tab as a top one.
// The tab strip is a Tab stop after the controls of the page shown. When the page changes while the focus
// is on the page that goes, the focus moves to the first control of the page shown.
class PageControl : public Control, public TabStepping {
 public:
  PageControl(Control& parent, const Rect& bounds, const TabOptions& options = {});

  // Raised when the user chooses another tab.
  std::function<void()> onChange;

  // makeContent: makes the page's controls on the sheet; none for a sheet whose controls come from
  // elsewhere.
  TabSheet& AddPage(std::string_view caption, PageMaker makeContent = nullptr);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
  // The strip's tab height in layout units (0: sized by the system).
  int TabHeight() const { return tabHeight_; }

  int ActivePageIndex() const;
  TabSheet& ActivePage() const { return Page(ActivePageIndex()); }
  // Brings a page to the front, making it if needed; raises nothing.
  void SetActivePage(int index);
  // Whether every page made so far lets the window close. Each is asked, also after one has refused, so
  // that each can prepare for the close it will see to.
  bool PagesMayClose();
  // Whether a command of any page made so far runs now.
  bool AnyPageBusy() const;

  void StepTab(bool forward) override;

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
// is a control beside the others and takes the focus (and the arrow keys) like them. Tab visits the strip
// first, as it stands above the controls on the screen.
class TabControl : public Control, public TabStepping {
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

  // The controls on the tabs stay as they are, and so does the focus.
  void StepTab(bool forward) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged() override;

 private:
  class Strip;
  std::unique_ptr<Strip> strip_;
};

}  // namespace kestrelle::ui
