#pragma once
// Reading a whole stream into text, so that nothing is held twice and an empty stream is just empty
// (copying a stream buffer into another stream fails on an empty one and then stops copying).
#include <istream>
#include <string>

namespace kestrelle {

// Appends all that is left in the stream to text; false when reading failed before the end.
bool AppendStream(std::istream& in, std::string& text);

}  // namespace kestrelle
