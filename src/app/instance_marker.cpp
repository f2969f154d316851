#include "app/instance_marker.h"

namespace kestrelle {

std::string InstanceMarkerName(std::string_view applicationTitle) {
  return "OnlyOne" + std::string(applicationTitle.substr(0, kMarkerTitleLength));
}

}  // namespace kestrelle
