#include "ui/control.h"

#include <commctrl.h>

#include <iterator>
#include <stdexcept>

#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/tab_order.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {
namespace {

constexpr const char* kContainerClass = "KestrelleWindow";
// The window property that links a window to the Control that owns it.
constexpr const char* kControlProperty = "KestrelleControl";
// The id of the layer's subclass on each window it owns.
constexpr UINT_PTR kSubclassId = 1;

// The layer's own classes leave everything to DefWindowProc; each window is subclassed like any
// standard control once created, so all windows take the same path through Control::SubclassProc. Like
// every window the layer makes, they are Unicode windows, whose texts and characters are UTF-16.
void RegisterOwnClasses() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring container = WideFromUtf8(kContainerClass);
    const std::wstring form = WideFromUtf8(Control::kFormClass);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = container.c_str();
    RegisterClassExW(&windowClass);
    windowClass.hIcon = LoadIconW(instance, L"MAINICON");
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = form.c_str();
    RegisterClassExW(&windowClass);
    return true;
  }();
  (void)registered;
}

int NextChildId() {
  static int next = 1000;
  return next++;
}

const FontSpec& DefaultFont() {
  static const FontSpec font{"MS Sans Serif", -11};
  return font;
}

}  // namespace

Control::~Control() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);  // WM_NCDESTROY detaches this object
}

Control* Control::FromHandle(HWND window) {
  return window != nullptr ? static_cast<Control*>(GetPropA(window, kControlProperty)) : nullptr;
}

Form* Control::OwnerForm() {
  for (Control* control = this; control != nullptr; control = control->parent_) {
    if (auto* form = dynamic_cast<Form*>(control)) return form;
  }
  return nullptr;
}

void Control::Create(const CreateParams& params) {
  RegisterOwnClasses();
  parent_ = params.parent;
  font_ = params.font;
  // A child starts at its parent's DPI; a top-level window at the system DPI, until it is made.
  dpi_ = parent_ != nullptr ? parent_->dpi_ : ScreenDpi();
  if (parent_ != nullptr) layoutBounds_ = params.bounds;
  const Rect bounds = parent_ != nullptr ? Scale(params.bounds) : params.bounds;
  fillsBackground_ = params.fillsBackground || params.className == nullptr;
  const char* className = params.className != nullptr ? params.className : kContainerClass;
  const HWND parentWindow = parent_ != nullptr ? parent_->Handle() : params.owner;
  DWORD style = params.style;
  // Overlapping siblings are drawn by their order, the upper one covering the lower.
  if (parent_ != nullptr) style |= WS_CHILD | WS_CLIPSIBLINGS;
  const int id = params.id != 0 ? params.id : (parent_ != nullptr ? NextChildId() : 0);
  const HWND window = CreateWindowExW(params.exStyle, WideFromUtf8(className).c_str(), WideFromUtf8(params.text).c_str(),
                                      style, bounds.left, bounds.top, bounds.width, bounds.height, parentWindow,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                      nullptr);
  if (window == nullptr) throw std::runtime_error(std::string("Cannot create a window of class ") + className);
  Attach(window);
  if (parent_ == nullptr) dpi_ = WindowDpi(window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(ScaledFont()), FALSE);
}

void Control::RecreateWithStyle(DWORD style) {
  const HWND old = hwnd_;
  wchar_t className[64] = {};
  GetClassNameW(old, className, static_cast<int>(std::size(className)));
  const std::string text = Text();
  const Rect bounds = Bounds();
  const bool focused = Focused();
  const HWND window = CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(old, GWL_EXSTYLE)), className, L"",
                                      style, bounds.left, bounds.top, bounds.width, bounds.height, GetParent(old),
                                      reinterpret_cast<HMENU>(GetWindowLongPtrW(old, GWLP_ID)),
                                      GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) throw std::runtime_error("Cannot re-create a window of class " + Utf8FromWide(className));
  SetWindowPos(window, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!hint_.empty()) SendHintTool(TTM_DELTOOLA);
  Detach();
  DestroyWindow(old);
  Attach(window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(ScaledFont()), FALSE);
  PrepareWindow();
  SetText(text);
  if (!hint_.empty()) SendHintTool(TTM_ADDTOOLA);
  if (focused) ::SetFocus(window);
}

void Control::Attach(HWND window) {
  hwnd_ = window;
  SetPropA(window, kControlProperty, this);
  if (!SetWindowSubclass(window, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    RemovePropA(window, kControlProperty);
    DestroyWindow(window);
    hwnd_ = nullptr;
    throw std::runtime_error("Cannot subclass a window");
  }
}

void Control::Detach() {
  if (hwnd_ == nullptr) return;
  RemoveWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId);
  RemovePropA(hwnd_, kControlProperty);
  hwnd_ = nullptr;
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR selfData) {
  auto* self = reinterpret_cast<Control*>(selfData);
  if (message == WM_NCDESTROY) {
    self->Detach();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportCurrentException();
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Control::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT Control::RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = false;
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        if (HIWORD(wParam) != 0) return 0;
        MenuItem* item = MenuItem::FromCommandId(LOWORD(wParam));
        if (item == nullptr) return 0;
        handled = true;
        item->Click();
        return 0;
      }
      if (Control* child = FromHandle(reinterpret_cast<HWND>(lParam)); child != nullptr && child != this) {
        handled = true;
        child->OnCommand(HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (Control* child = FromHandle(header.hwndFrom); child != nullptr && child != this) {
        handled = true;
        return child->OnNotify(header);
      }
      return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Control* child = FromHandle(reinterpret_cast<HWND>(lParam)); child != nullptr && child != this) {
        handled = true;
        child->OnScroll(LOWORD(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (Control* child = FromHandle(reinterpret_cast<HWND>(lParam)); child != nullptr && child != this) {
        if (HBRUSH brush = child->OnControlColour(reinterpret_cast<HDC>(wParam))) {
          handled = true;
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      return 0;
    default:
      return 0;
  }
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  bool handled = false;
  const LRESULT result = RouteToChild(message, wParam, lParam, handled);
  if (handled) return result;
  switch (message) {
    case WM_CONTEXTMENU:
      if (popupMenu_ != nullptr) {
        // A command of the menu that fails is reported here, so that the message never goes on to the
        // control's own menu (an edit box's Undo would throw away a text just loaded).
        Guarded([&] { ShowPopupMenu(lParam); });
        return 0;
      }
      break;
    case WM_CLOSE:
      // A multi-line edit asks its parent to close when Esc is pressed in it: that is the form's Esc. Only
      // a top-level window closes, a page or panel would otherwise be destroyed with every control on it.
      if ((GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) != 0) {
        if (Form* form = OwnerForm()) form->Cancel();
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      if (fillsBackground_) {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, SharedBrush(PaintingColours().background));
        return 1;
      }
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

HBRUSH Control::OnControlColour(HDC dc) {
  const PaintColours colours = PaintingColours();
  SetTextColor(dc, colours.text);
  SetBkColor(dc, colours.background);
  return SharedBrush(colours.background);
}

void Control::ShowPopupMenu(LPARAM lParam) {
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {  // from the keyboard: the middle of the control
    RECT window;
    GetWindowRect(hwnd_, &window);
    at = {(window.left + window.right) / 2, (window.top + window.bottom) / 2};
  }
  popupMenu_->Popup(hwnd_, at);
}

bool Control::Visible() const { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Control::SetEnabled(bool enabled) {
  const HWND focus = GetFocus();
  const bool losesFocus = !enabled && Focused();
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  if (!losesFocus) return;
  const HWND root = GetAncestor(hwnd_, GA_ROOT);
  const HWND next = NextTabStop(root, focus, false);
  ::SetFocus(next != nullptr ? next : root);
}

void Control::SetFocus() { ::SetFocus(hwnd_); }

bool Control::Focused() const {
  const HWND focus = GetFocus();
  return focus != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus));
}

void Control::BringToFront() { SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

const FontSpec& Control::Font() const {
  if (font_) return *font_;
  return parent_ != nullptr ? parent_->Font() : DefaultFont();
}

void Control::SetFont(const FontSpec& font) {
  font_ = font;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ScaledFont()), TRUE);
}

Colour Control::BackgroundColour() const {
  if (background_) return *background_;
  if (auto own = ClassBackground()) return *own;
  return parent_ != nullptr ? parent_->BackgroundColour() : colours::ButtonFace;
}

void Control::SetBackgroundColour(Colour colour) {
  background_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::SetHint(std::string_view hint) {
  if (!tooltip_) {
    // Owned by the top-level window, so that it outlives a re-created control window.
    tooltip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   GetAncestor(hwnd_, GA_ROOT), nullptr, GetModuleHandleA(nullptr), nullptr));
  }
  if (!hint_.empty()) SendHintTool(TTM_DELTOOLA);
  hint_ = hint;
  if (!hint_.empty()) SendHintTool(TTM_ADDTOOLA);
}

void Control::SendHintTool(UINT message) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = hint_.data();
  SendMessageA(tooltip_.Get(), message, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace kestrelle::ui
