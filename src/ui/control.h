#pragma once
// The base of every window of the layer. A Control owns one window: it creates it, routes the window's
// messages to its own handling, and destroys it. Notifications that the system sends to a parent
// (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_CTLCOLOR...) are passed on to the Control that owns the child
// window they are about, so each control class handles its own events. No exception leaves a window
// procedure: it is shown in the error box and the message is finished by the system's default handling.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/colour_scheme.h"
#include "ui/graphics.h"
#include "ui/smart_handle.h"

namespace kestrelle::ui {

class Form;
class PopupMenu;

// The text of any window (a control's caption, a box's contents).
std::string WindowTextOf(HWND window);

// A rectangle as left, top, width and height, relative to the parent's client area: in units of a 96-DPI
// screen where a layout gives it (Create, SetBounds), in the window's own pixels where the window says
// where it is (Bounds, ClientRect).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Control {
 public:
  // The layer's own window class of top-level forms (with the program's icon).
  static constexpr const char* kFormClass = "KestrelleForm";

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // The Control that owns a window, or null for a window the layer did not create.
  static Control* FromHandle(HWND window);

  HWND Handle() const { return hwnd_; }
  Control* Parent() const { return parent_; }
  // The form this control lies on (itself for a form).
  Form* OwnerForm();

  // The caption or text, in UTF-8: always the window text, so that accessibility tools read what is shown.
  std::string Text() const;
  void SetText(std::string_view text);

  // Outer bounds in pixels relative to the parent's client area (screen coordinates for a top-level
  // window).
  Rect Bounds() const;
  // Places a child window by layout bounds (96-DPI units), scaled to its DPI now and again whenever the
  // DPI changes.
  void SetBounds(const Rect& bounds);
  // Places the window in pixels, for a layout that its container works out itself; a DPI change leaves
  // such a window where it is, for OnDpiChanged of the container to place it again.
  void SetPixelBounds(const Rect& bounds);
  Rect ClientRect() const;

  // The DPI of the screen the window is on (the one its form last learnt), and a layout length at it.
  int Dpi() const { return dpi_; }
  int Scale(int length) const;
  Rect Scale(const Rect& bounds) const;
  // The font the window draws with: Font() at the window's DPI.
  HFONT ScaledFont() const;

  // Whether the control itself is set visible (its parents may still hide it).
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  // A control disabled with the focus on it or inside it passes the focus on to the next control in the
  // Tab order, so that the keyboard keeps a place in the window.
  virtual void SetEnabled(bool enabled);
  // Gives the control the keyboard focus (a control made of several windows gives it to the right one).
  virtual void SetFocus();
  // Whether the control or a window inside it has the focus.
  bool Focused() const;
  // Puts the control above its overlapping siblings.
  void BringToFront();

  // The control's font: its own, or else its parent's.
  const FontSpec& Font() const;
  void SetFont(const FontSpec& font);
  // The background colour: its own, or else the parent's (button face at the top).
  Colour BackgroundColour() const;
  void SetBackgroundColour(Colour colour);
  // What the control paints with: its font's colour on its background colour, as the colour scheme lets
  // them show.
  PaintColours PaintingColours() const { return PaintColoursOf(Font().colour, BackgroundColour()); }

  // A pop-up menu shown on right click (centred on the click point) whose shortcuts act while the
  // control or one of its children has the focus. The menu is not owned.
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
  PopupMenu* AttachedPopupMenu() const { return popupMenu_; }

  // A tip shown while the mouse rests on the control.
  void SetHint(std::string_view hint);
  const std::string& Hint() const { return hint_; }

 protected:
  Control() = default;

  struct CreateParams {
    const char* className = nullptr;  // null: the layer's own window class (kFormClass for forms)
    DWORD style = 0;
    DWORD exStyle = 0;
    Control* parent = nullptr;
    HWND owner = nullptr;  // a top-level window's owner, which it stays above
    Rect bounds;  // layout units for a child window, pixels for a top-level one
    std::string_view text;
    std::optional<FontSpec> font;
    int id = 0;  // 0: a fresh id for a child window
    // Whether the control fills its background with its background colour when asked to erase it (always
    // so for the layer's own containers; forms ask for it, and group boxes need it since they never paint
    // their inside).
    bool fillsBackground = false;
  };
  void Create(const CreateParams& params);

  // Replaces the window by a new one of the same class with other styles, keeping its place among its
  // siblings, bounds, text, font and focus (for styles that a window cannot change once created).
  void RecreateWithStyle(DWORD style);
  // Settings of the control's own that a re-created window needs before it takes the text back.
  virtual void PrepareWindow() {}

  // Takes a new DPI for the form and every window on it: each control with layout bounds is placed
  // again, gets its font at the new DPI, and then runs OnDpiChanged (parents before their children).
  void ChangeDpiOfTree(int dpi);
  // What a control does beyond its bounds and font when its DPI has changed (sizes of its own parts,
  // windows it placed in pixels).
  virtual void OnDpiChanged() {}

  // The control's own messages. Overrides handle what they need and pass the rest to this base version.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The handling of the window's class (or of the system for the layer's own windows).
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // The text of a WM_SETTEXT's parameter, and the default handling of WM_SETTEXT with a text of the
  // program's own (the layer's windows are Unicode ones, whose texts come and go as UTF-16).
  static std::string TextOfMessage(LPARAM lParam);
  LRESULT DefaultSetText(WPARAM wParam, std::string_view text);

  // Notifications about this control, received by its parent and passed on here.
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnScroll(WORD /*code*/) {}
  // Colours for the control's own painting: null leaves them to the system.
  virtual HBRUSH OnControlColour(HDC dc);
  // The background colour when neither the control nor its parents set one.
  virtual std::optional<Colour> ClassBackground() const { return std::nullopt; }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  void Attach(HWND window);
  void Detach();
  void ChangeDpi(int dpi);
  LRESULT RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  void ShowPopupMenu(LPARAM lParam);
  void SendHintTool(UINT message);

  HWND hwnd_ = nullptr;
  bool fillsBackground_ = false;
  Control* parent_ = nullptr;
  int dpi_ = 96;
  std::optional<Rect> layoutBounds_;  // none for a top-level window or one placed in pixels
  std::optional<FontSpec> font_;
  std::optional<Colour> background_;
  PopupMenu* popupMenu_ = nullptr;
  std::string hint_;
  WindowHandle tooltip_;
};

}  // namespace kestrelle::ui
