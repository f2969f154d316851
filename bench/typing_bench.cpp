// Typing benchmark: types a 500-character text into one recording game client with the given delays and
// compares the wall time with the time the delays alone ask for, and this program's processor time with
// the wall time.
//
// typing_bench [--client <recording_client.exe>] [--char-delay ms] [--line-delay ms] [--length n]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "process_clocks.h"
#include "recording_client_process.h"
#include "translator/game_link.h"

namespace {

using kestrelle::TypingDelays;

// Everyday speech, repeated and cut to length: blanks and punctuation give the lines their usual ends.
std::string SampleText(size_t length) {
  const std::string speech =
      "Hail and well met, traveller! Wouldst thou care to trade thy finest blade for this old shield? "
      "The moongate near Britain leads to Trinsic at this hour, or so the healer told me. ";
  std::string text;
  while (text.size() < length) text += speech;
  text.resize(length);
  return text;
}

// Milliseconds of waiting that the typing asks for, per millisecond of each delay.
class WaitCounter final : public kestrelle::TypingTarget {
 public:
  bool Wait(std::int32_t ms) override {
    units += ms;
    return true;
  }
  bool Send(char) override { return true; }
  long long units = 0;
};

long long WaitUnits(const std::string& text, TypingDelays unitDelays) {
  WaitCounter counter;
  kestrelle::TypeIntoWindow(text, unitDelays, counter);
  return counter.units;
}

double NowMs() { return static_cast<double>(kestrelle::test::NowMicroseconds()) / 1000.0; }

}  // namespace

int main(int argc, char** argv) {
  kestrelle::test::RecordingClientOptions client;
  TypingDelays delays{25, 3000};
  size_t length = 500;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--client") client.program = argv[i + 1];
    else if (name == "--char-delay") delays.charDelay = std::atoi(argv[i + 1]);
    else if (name == "--line-delay") delays.lineDelay = std::atoi(argv[i + 1]);
    else if (name == "--length") length = std::strtoul(argv[i + 1], nullptr, 10);
    else {
      std::fprintf(stderr, "unknown option %s\n", name.c_str());
      return 2;
    }
  }

  try {
    const std::string text = SampleText(length);
    const long long charWaits = WaitUnits(text, {1, 0});
    const long long lineDelays = WaitUnits(text, {0, 1});
    const double idealMs = static_cast<double>(charWaits) * delays.charDelay + static_cast<double>(lineDelays) * delays.lineDelay;

    kestrelle::test::RecordingClient recorder(client);
    const double startCpu = kestrelle::test::ProcessorMs();
    const double start = NowMs();
    const kestrelle::SendResult result = kestrelle::SendToGame(text, delays, kestrelle::CommandStop());
    const double wallMs = NowMs() - start;
    const double cpuMs = kestrelle::test::ProcessorMs() - startCpu;
    const size_t received = recorder.Text().size();

    std::printf("text             %zu characters, %lld typed with padding, %lld line delays\n", text.size(), charWaits,
                lineDelays);
    std::printf("delays           %d ms per character, %d ms per third line end\n", delays.charDelay, delays.lineDelay);
    std::printf("client received  %zu characters (%s)\n", received, result.completed == 1 ? "complete" : "INCOMPLETE");
    std::printf("ideal time       %.0f ms\n", idealMs);
    std::printf("wall time        %.0f ms (%.2f %% over ideal)\n", wallMs, (wallMs - idealMs) * 100.0 / idealMs);
    std::printf("processor time   %.1f ms (%.3f %% of wall time)\n", cpuMs, cpuMs * 100.0 / wallMs);
    return result.completed == 1 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
