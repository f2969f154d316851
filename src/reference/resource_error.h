#pragma once
#include <stdexcept>
#include <string>

namespace kestrelle {

// A resource the program asked for (a picture by name, a table by number) is not in its module. The
// message, "Resource <name> not found", is what the user sees.
class EResourceNotFound : public std::runtime_error {
 public:
  explicit EResourceNotFound(const std::string& name) : std::runtime_error("Resource " + name + " not found") {}
};

}  // namespace kestrelle
