#pragma once
// Raw data resources (RT_RCDATA) of the program's own module, such as the reference tables.
#include <cstdint>
#include <vector>

namespace kestrelle {

// A copy of the bytes of the raw data resource with this number; throws EResourceNotFound
// ("Resource 1000 not found") when the program has no such resource.
std::vector<std::uint8_t> LoadDataResource(int id);

}  // namespace kestrelle
