#include "ui/label.h"

namespace kestrelle::ui {
namespace {

DWORD AlignmentStyle(const LabelOptions& options) {
  switch (options.alignment) {
    case Alignment::Right:
      return SS_RIGHT;
    case Alignment::Centre:
      return SS_CENTER;
    case Alignment::Left:
      break;
  }
  return options.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

}  // namespace

Label::Label(Control& parent, const Rect& bounds, std::string_view caption, const LabelOptions& options) {
  Create({.className = "STATIC",
          .style = (options.hidden ? 0u : static_cast<DWORD>(WS_VISIBLE)) | AlignmentStyle(options),
          .parent = &parent,
          .bounds = bounds,
          .text = caption,
          .font = options.font});
}

}  // namespace kestrelle::ui
