#include "ui/page_control.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <stdexcept>

#include "ui/application.h"
#include "ui/navigation_rules.h"
#include "ui/tab_order.h"

namespace kestrelle::ui {
namespace {

// The visual styles have no picture of a tab at the bottom and would draw the strip upside down; such a
// strip keeps the classic look (the pages on it are themed as usual).
void KeepBottomTabsClassic(HWND tabs, const TabOptions& options) {
  if (options.tabsAtBottom) SetWindowTheme(tabs, L"", L"");
}

DWORD TabStyle(const TabOptions& options) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (options.tabsAtBottom) style |= TCS_BOTTOM;
  if (options.multiLine) style |= TCS_MULTILINE;
  if (options.scrollOpposite) style |= TCS_SCROLLOPPOSITE;
  if (options.hotTrack) style |= TCS_HOTTRACK;
  return style;
}

void InsertTab(HWND tabs, int index, const std::string& caption) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string TabText(HWND tabs, int index) {
  char text[256] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
    throw std::out_of_range("Tab index out of range");
  }
  return text;
}

}  // namespace

TabSheet::TabSheet(PageControl& owner, std::string_view caption, PageMaker makeContent)
    : makeContent_(std::move(makeContent)) {
  Create({.style = WS_CLIPCHILDREN, .exStyle = WS_EX_CONTROLPARENT, .parent = &owner, .text = caption});
}

PageContent& TabSheet::Content() {
  if (content_ == nullptr) {
    if (!HasMaker()) throw std::logic_error("The page has no content");
    content_ = makeContent_(*this);
    content_->Start();
  }
  return *content_;
}

PageControl::PageControl(Control& parent, const Rect& bounds, const TabOptions& options) {
  Create({.className = WC_TABCONTROLA,
          .style = TabStyle(options),
          .exStyle = WS_EX_CONTROLPARENT,
          .parent = &parent,
          .bounds = bounds,
          .font = options.font});
  KeepBottomTabsClassic(Handle(), options);
  tabHeight_ = options.tabHeight;
  ApplyTabHeight();
}

void PageControl::ApplyTabHeight() {
  if (tabHeight_ > 0) SendMessageA(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(0, Scale(tabHeight_)));
}

void PageControl::OnDpiChanged() {
  ApplyTabHeight();
  for (const auto& page : pages_) page->SetPixelBounds(PageArea());
}

TabSheet& PageControl::AddPage(std::string_view caption, PageMaker makeContent) {
  InsertTab(Handle(), PageCount(), std::string(caption));
  TabSheet& page = *pages_.emplace_back(std::make_unique<TabSheet>(*this, caption, std::move(makeContent)));
  page.SetPixelBounds(PageArea());
  if (PageCount() == 1) SetActivePage(0);
  return page;
}

Rect PageControl::PageArea() const {
  RECT area;
  GetClientRect(Handle(), &area);
  SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

int PageControl::ActivePageIndex() const { return static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0)); }

void PageControl::SetActivePage(int index) {
  if (index < 0 || index >= PageCount()) throw std::out_of_range("Page index out of range");
  SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowActivePage();
}

bool PageControl::PagesMayClose() {
  bool mayClose = true;
  for (const auto& page : pages_) mayClose = page->MayClose() && mayClose;
  return mayClose;
}

bool PageControl::AnyPageBusy() const {
  return std::any_of(pages_.begin(), pages_.end(), [](const auto& page) { return page->Busy(); });
}

void PageControl::StepTab(bool forward) {
  const int next = NeighbourTab(ActivePageIndex(), PageCount(), forward);
  if (next < 0 || next == ActivePageIndex()) return;
  SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  ShowActivePage();
  if (onChange) onChange();
}

void PageControl::ShowActivePage() {
  const int active = ActivePageIndex();
  TabSheet& page = Page(active);
  const HWND focus = GetFocus();
  bool focusOnPageGoing = false;
  for (int i = 0; i < PageCount(); ++i) {
    if (i != active && IsChild(Page(i).Handle(), focus)) focusOnPageGoing = true;
  }
  // Taken again each time, since multi-line tab rows may have moved.
  page.SetPixelBounds(PageArea());
  // Made while hidden, so that its controls first paint complete. A page that fails to start is shown
  // with what it has, as a window whose show handler fails.
  if (page.HasMaker()) Guarded([&page] { page.Content(); });
  page.SetVisible(true);
  for (int i = 0; i < PageCount(); ++i) {
    if (i != active) Page(i).SetVisible(false);
  }
  if (focusOnPageGoing) {
    // A page without a control to take it leaves the focus on the tabs.
    const HWND first = NextTabStop(page.Handle(), nullptr, false);
    FocusAsTabStop(first != nullptr ? first : Handle());
  }
}

LRESULT PageControl::OnNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGE) {
    ShowActivePage();
    if (onChange) onChange();
  }
  return 0;
}

class TabControl::Strip : public Control {
 public:
  Strip(TabControl& owner, const TabOptions& options) : owner_(owner) {
    Create({.className = WC_TABCONTROLA,
            .style = TabStyle(options) | TCS_FOCUSONBUTTONDOWN,
            .parent = &owner,
            .font = options.font});
    KeepBottomTabsClassic(Handle(), options);
    LeadTabOrder(Handle(), true);
    FillOwner();
  }
  ~Strip() override { LeadTabOrder(Handle(), false); }

  void FillOwner() { SetPixelBounds(owner_.ClientRect()); }

 protected:
  LRESULT OnNotify(const NMHDR& header) override {
    if (header.code == TCN_SELCHANGE && owner_.onChange) owner_.onChange();
    return 0;
  }

 private:
  TabControl& owner_;
};

TabControl::TabControl(Control& parent, const Rect& bounds, const TabOptions& options) {
  Create({.style = WS_VISIBLE | WS_CLIPCHILDREN,
          .exStyle = WS_EX_CONTROLPARENT,
          .parent = &parent,
          .bounds = bounds,
          .font = options.font,
          .fillsBackground = true});
  strip_ = std::make_unique<Strip>(*this, options);
}

TabControl::~TabControl() = default;

HWND TabControl::StripHandle() const { return strip_->Handle(); }

void TabControl::OnDpiChanged() { strip_->FillOwner(); }

LRESULT TabControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Each control put on the tab control goes above the strip, which paints around it.
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE && strip_ != nullptr) {
    SetWindowPos(strip_->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return Control::HandleMessage(message, wParam, lParam);
}

void TabControl::SetTabs(const std::vector<std::string>& captions) {
  SendMessageA(StripHandle(), TCM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < captions.size(); ++i) InsertTab(StripHandle(), static_cast<int>(i), captions[i]);
}

int TabControl::TabCount() const { return static_cast<int>(SendMessageA(StripHandle(), TCM_GETITEMCOUNT, 0, 0)); }

std::string TabControl::TabCaption(int index) const { return TabText(StripHandle(), index); }

int TabControl::TabIndex() const { return static_cast<int>(SendMessageA(StripHandle(), TCM_GETCURSEL, 0, 0)); }

void TabControl::StepTab(bool forward) {
  const int next = NeighbourTab(TabIndex(), TabCount(), forward);
  if (next < 0 || next == TabIndex()) return;
  SetTabIndex(next);
  if (onChange) onChange();
}

void TabControl::SetTabIndex(int index) {
  if (index < -1 || index >= TabCount()) throw std::out_of_range("Tab index out of range");
  SendMessageA(StripHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace kestrelle::ui
