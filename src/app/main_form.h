#pragma once
// The main window: a frame of fixed client size with the five pages on a page control whose tabs are at the
// bottom, and the main menu. Each page owns its controls, menus and dialogs and is made when it is first
// shown; the about box is made when it is first opened. The window knows its pages only as pages (start,
// may close, busy).

#include <windows.h>

#include <memory>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/page_control.h"

namespace kestrelle {

class TAboutBox;

class TMainForm : public ui::Form {
 public:
  // The client area the pages are laid out for, in layout units. The outer size follows from the frame
  // the system draws: 328 x 313 with the frames of old (a 19-pixel caption and menu bar, a 4-pixel
  // border), more with the larger ones of newer systems.
  static constexpr int kClientWidth = 320;
  static constexpr int kClientHeight = 267;

  TMainForm();
  ~TMainForm() override;

  ui::MainMenu MainMenu1;
  ui::MenuItem& File1;
  ui::MenuItem& Exit1;
  ui::MenuItem& Help1;
  ui::MenuItem& N1;
  ui::MenuItem& About1;

  ui::PageControl tpMain;
  ui::TabSheet& tsMoongate;
  ui::TabSheet& tsSpeak;
  ui::TabSheet& TabSheet1;
  ui::TabSheet& tsArmour;
  ui::TabSheet& Animals;

  // The about box "&About ..." shows, made here if it has not been opened yet.
  TAboutBox& AboutBox();

  void FormShow();
  void FormResize();
  void WMGetMinMaxInfo(MINMAXINFO& info);
  void Exit1Click();
  void About1Click();

 private:
  std::unique_ptr<TAboutBox> aboutBox_;
};

}  // namespace kestrelle
