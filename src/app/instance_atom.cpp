#include "app/instance_atom.h"

namespace kestrelle {

std::string InstanceAtomName(std::string_view applicationTitle) {
  return "OnlyOne" + std::string(applicationTitle.substr(0, kAtomTitleLength));
}

}  // namespace kestrelle
