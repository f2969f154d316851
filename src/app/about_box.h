#pragma once
// The about box: a small modal dialog opened from "&About ...". It lives, hidden, from start to end.

#include "ui/button.h"
#include "ui/form.h"

namespace kestrelle {

class TAboutBox : public ui::Form {
 public:
  TAboutBox();

  ui::Button OKButton;
};

}  // namespace kestrelle
