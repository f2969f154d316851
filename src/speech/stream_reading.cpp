#include "speech/stream_reading.h"

namespace kestrelle {

bool AppendStream(std::istream& in, std::string& text) {
  // Reads straight into the room the text has; when there is none, a small piece tells whether anything is
  // left before the text grows, so that a text reserved to its exact size is never moved.
  char piece[1 << 16];
  while (in) {
    const size_t room = text.capacity() - text.size();
    if (room == 0) {
      in.read(piece, sizeof piece);
      text.append(piece, static_cast<size_t>(in.gcount()));
    } else {
      const size_t old = text.size();
      text.resize(old + room);
      in.read(text.data() + old, static_cast<std::streamsize>(room));
      text.resize(old + static_cast<size_t>(in.gcount()));
    }
  }
  return !in.bad();
}

}  // namespace kestrelle
