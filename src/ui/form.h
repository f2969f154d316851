#pragma once
// A top-level window: the main window or a dialog. The first form created is the application's main form;
// closing it ends the message loop. Other forms are hidden when closed, which ends a modal showing.
// As a dialog does, a form keeps the keyboard focus on one of its controls: the control that had it when
// the form was deactivated gets it back when the form is active again (also after a message box, a file
// dialog, or a minimise and restore), and the first control in the Tab order when there is none or it can
// no longer take it.

#include <functional>
#include <string_view>

#include "ui/control.h"

namespace kestrelle::ui {

class Button;
class MainMenu;

enum class FormBorder {
  Single,  // caption, system menu, minimise and maximise buttons; a frame the user cannot drag
  Dialog,  // caption and system menu only, dialog frame
};

enum class FormPosition {
  AsPlaced,      // where the program (or the system, at first) puts it
  ScreenCentre,  // centred on the primary display when first shown, after onShow; placed freely afterwards
};

struct FormOptions {
  // In layout units (96 DPI), as every size given to the form.
  int clientWidth = 0;
  int clientHeight = 0;
  FontSpec font;
  FormBorder border = FormBorder::Single;
  FormPosition position = FormPosition::AsPlaced;
  // The window this one belongs to: it stays above it, and the activation returns there when it hides.
  const Form* owner = nullptr;
};

class Form : public Control {
 public:
  Form(std::string_view caption, const FormOptions& options);
  ~Form() override;

  // Raised before the form becomes visible; an exception from it is reported and the form still shows.
  std::function<void()> onShow;
  // Raised before a visible form is hidden (also by Close); an exception from it is reported and the form
  // is hidden all the same.
  std::function<void()> onHide;
  // Raised for every change of the window's size, also one made by the system.
  std::function<void()> onResize;
  // Raised for WM_GETMINMAXINFO with the record the system filled.
  std::function<void(MINMAXINFO&)> onGetMinMaxInfo;
  // Asked before the form closes (by Close() or the close button); returning false keeps it open.
  std::function<bool()> onCloseQuery;

  static Form* MainForm();

  void Show();
  void Hide();
  // The main form ends the message loop; a form shown modally ends its showing; any other form is hidden.
  // Nothing happens when onCloseQuery refuses.
  void Close();
  // Shows the form with every other window of the program disabled and returns when it is closed, with
  // those windows enabled again, the one active before active again, and then the form hidden.
  void ShowModal();

  void SetMainMenu(MainMenu& menu);
  // The outer size in pixels of a client area given in layout units: scaled to the window's DPI, with the
  // frame that the window's style, extended style and menu bar take at that DPI.
  SIZE OuterSizeForClient(int width, int height) const;
  // Sets the outer size to OuterSizeForClient, also while the window is minimised or maximised (then for
  // its restored state); does nothing when the size is already the one asked for.
  void SetClientSize(int width, int height);
  // Moves the window, keeping its size (screen coordinates).
  void MoveTo(int left, int top);

  // The button pressed by Enter when the focused control does not use the key itself.
  void SetDefaultButton(Button* button) { defaultButton_ = button; }
  // The button pressed by Esc while it is shown and enabled (none: Esc closes a modal form).
  void SetCancelButton(Button* button) { cancelButton_ = button; }
  // Esc, as the keyboard interface reports it from any control of the form.
  void Cancel();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetOuterPixelSize(int width, int height);
  SIZE OuterSizeAtDpi(SIZE client, int dpi) const;
  void RememberFocus();
  void RestoreFocus();

  FormBorder border_;
  bool centreAtFirstShowing_;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  bool modal_ = false;
  HWND lastFocus_ = nullptr;  // not owned: a control of this form, checked before it is used
  SIZE clientSize_;           // in layout units: the one made with, or the last one set by SetClientSize
};

}  // namespace kestrelle::ui
