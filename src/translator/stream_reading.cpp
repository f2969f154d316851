#include "translator/stream_reading.h"

namespace kestrelle {

bool AppendStream(std::istream& in, std::string& text) {
  char piece[1 << 16];
  while (in.read(piece, sizeof piece) || in.gcount() > 0) text.append(piece, static_cast<size_t>(in.gcount()));
  return !in.bad();
}

}  // namespace kestrelle
