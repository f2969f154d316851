#pragma once
// The filter's input as the translator reads it: a UTF-8 byte-order mark is left out and UTF-16 (with its
// mark, in either byte order) becomes UTF-8 as it is read; any other input passes byte for byte. It reads
// no further ahead than the source has ready, so that a line typed in is answered at once.
#include <streambuf>
#include <string>

#include "speech/text_encoding.h"

namespace kestrelle {

class DecodedInput final : public std::streambuf {
 public:
  explicit DecodedInput(std::streambuf& source) : source_(source) {}

  enum class LineRead { None, Unended, Ended };
  // The next line into line (which is emptied first), without its line feed: Ended when a line feed ended
  // it, Unended for a last line without one, None at the end of the input. It is taken from the decoded
  // text a stretch at a time, which costs a --lines filter far less per line than a stream's getline.
  LineRead ReadLine(std::string& line);

  // Whether the input broke UTF-16 (an odd byte at its end, a lone surrogate); the reading then ended.
  bool Broken() const { return broken_; }

 protected:
  int_type underflow() override;
  std::streamsize showmanyc() override;

 private:
  enum class Mode { NotYetKnown, Bytes, Utf16LE, Utf16BE };

  // Takes a byte-order mark from the start of the source, reading only as far as it might be one.
  void TakeMark();
  // Reads what the source has ready, waiting only for the first byte; 0 at its end.
  std::size_t ReadReady(char* to, std::size_t most);
  // Decodes the whole characters of pending_ into out_; false when they break UTF-16.
  bool DecodePending(bool atEnd);

  std::streambuf& source_;
  Mode mode_ = Mode::NotYetKnown;
  std::string pending_;  // bytes read but not passed on yet: a mark's false start, a split UTF-16 character
  std::string out_;      // what the reader takes next
  bool broken_ = false;
};

}  // namespace kestrelle
