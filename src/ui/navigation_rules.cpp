#include "ui/navigation_rules.h"

namespace kestrelle::ui {
namespace {

// The virtual-key codes of the system's keyboard interface.
constexpr unsigned kTabKey = 0x09;
constexpr unsigned kPageUpKey = 0x21;
constexpr unsigned kPageDownKey = 0x22;

}  // namespace

Navigation NavigationOf(const KeyPress& press) {
  if (press.alt) return Navigation::None;
  if (press.key == kTabKey) {
    if (press.ctrl) return press.shift ? Navigation::PreviousPage : Navigation::NextPage;
    return press.shift ? Navigation::PreviousControl : Navigation::NextControl;
  }
  if (!press.ctrl || press.shift) return Navigation::None;
  if (press.key == kPageDownKey) return Navigation::NextTab;
  if (press.key == kPageUpKey) return Navigation::PreviousTab;
  return Navigation::None;
}

bool IsForward(Navigation navigation) {
  return navigation == Navigation::NextControl || navigation == Navigation::NextPage || navigation == Navigation::NextTab;
}

int NeighbourTab(int index, int count, bool forward) {
  if (count <= 0) return -1;
  if (index < 0 || index >= count) return forward ? 0 : count - 1;
  return (index + (forward ? 1 : count - 1)) % count;
}

std::optional<std::size_t> NextStop(const std::vector<bool>& isStop, std::optional<std::size_t> from, bool backwards) {
  const std::size_t count = isStop.size();
  if (count == 0) return std::nullopt;
  // Without a position the search starts just outside the list, so that its first step lands on an end.
  const std::size_t start = from.value_or(backwards ? 0 : count - 1);
  const std::size_t steps = from ? count - 1 : count;
  for (std::size_t step = 1; step <= steps; ++step) {
    const std::size_t at = backwards ? (start + count - step % count) % count : (start + step) % count;
    if (isStop[at]) return at;
  }
  return std::nullopt;
}

}  // namespace kestrelle::ui
