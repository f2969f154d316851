#include "filter/decoded_input.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kestrelle {

void DecodedInput::TakeMark() {
  mode_ = Mode::Bytes;
  const std::array<std::pair<std::string_view, Mode>, 3> marks{
      {{kUtf8Mark, Mode::Bytes}, {kUtf16LEMark, Mode::Utf16LE}, {kUtf16BEMark, Mode::Utf16BE}}};
  for (int_type next = source_.sgetc(); !traits_type::eq_int_type(next, traits_type::eof()); next = source_.sgetc()) {
    const std::string seen = pending_ + traits_type::to_char_type(next);
    const auto begun =
        std::find_if(marks.begin(), marks.end(), [&](const auto& mark) { return mark.first.starts_with(seen); });
    if (begun == marks.end()) return;
    source_.sbumpc();
    pending_ = seen;
    if (seen == begun->first) {
      mode_ = begun->second;
      pending_.clear();
      return;
    }
  }
}

std::size_t DecodedInput::ReadReady(char* to, std::size_t most) {
  if (source_.in_avail() <= 0 && traits_type::eq_int_type(source_.sgetc(), traits_type::eof())) return 0;
  const std::streamsize ready = std::clamp<std::streamsize>(source_.in_avail(), 1, static_cast<std::streamsize>(most));
  return static_cast<std::size_t>(std::max<std::streamsize>(source_.sgetn(to, ready), 0));
}

bool DecodedInput::DecodePending(bool atEnd) {
  const bool bigEndian = mode_ == Mode::Utf16BE;
  const std::size_t whole = atEnd ? pending_.size() : WholeUtf16Characters(pending_, bigEndian);
  const std::optional<std::u32string> characters = DecodeUtf16(std::string_view(pending_).substr(0, whole), bigEndian);
  if (!characters) return false;
  out_ = Utf8FromCharacters(*characters);
  pending_.erase(0, whole);
  return true;
}

DecodedInput::int_type DecodedInput::underflow() {
  if (mode_ == Mode::NotYetKnown) TakeMark();
  out_.clear();
  char chunk[1 << 16];
  while (out_.empty() && !broken_) {
    const std::size_t read = ReadReady(chunk, sizeof chunk);
    pending_.append(chunk, read);
    if (mode_ == Mode::Bytes) {
      out_.swap(pending_);
    } else if (!DecodePending(read == 0)) {
      broken_ = true;
    }
    if (read == 0) break;
  }
  if (out_.empty()) return traits_type::eof();
  setg(out_.data(), out_.data(), out_.data() + out_.size());
  return traits_type::to_int_type(out_.front());
}

DecodedInput::LineRead DecodedInput::ReadLine(std::string& line) {
  line.clear();
  LineRead read = LineRead::None;
  while (!traits_type::eq_int_type(sgetc(), traits_type::eof())) {
    const std::string_view ready(gptr(), static_cast<std::size_t>(egptr() - gptr()));
    const std::size_t feed = ready.find('\n');
    line.append(ready.substr(0, feed));
    if (feed != std::string_view::npos) {
      setg(eback(), gptr() + feed + 1, egptr());
      return LineRead::Ended;
    }
    setg(eback(), egptr(), egptr());
    read = LineRead::Unended;
  }
  return read;
}

// Only bytes that pass as they are can be counted before they are decoded.
std::streamsize DecodedInput::showmanyc() {
  return mode_ == Mode::Bytes && pending_.empty() ? std::max<std::streamsize>(source_.in_avail(), 0) : 0;
}

}  // namespace kestrelle
