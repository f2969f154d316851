// Typing benchmark: types a text into recording game clients with the given delays, first into classic
// clients, then into ClassicUO stand-ins (which the link brings to the front and takes the front back from),
// and for each kind compares the wall time with the time the delays alone ask for, and this program's
// processor time with the wall time. The hand-over cost per window is read from the clients' own records
// (one clock in every process): the time from the end of one client's text (or the start) to the first
// character of the next beyond its character delay, plus the time after the last client, per window; the
// ClassicUO figure less the classic one is what bringing a window forward and back costs.
//
// Then Stop: the Translator page types the text into a classic client, which presses the page's Stop
// button halfway through (the press is posted as it takes that character), once with the client healthy
// and once with it hanging from then on; the time from that character to the page being ready again (the
// command returned, "Translate" on the button, the controls enabled) is what the player waits after Stop.
//
// With --native-log (once for every native SDL client that bench/typing-bench.sh started on the X display,
// the file it logs to), it types only into those native ClassicUO stand-ins, through the native link, which
// the bench then runs under. Their logs hold no times, so the hand-over is read from the bench's own clock:
// the wall time beyond the delays, per window (an upper bound: every character's own cost is in it).
// The report goes to standard error: under the native link, standard output is the link.
//
// typing_bench [--client <recording_client.exe>] [--char-delay ms] [--line-delay ms] [--length n] [--windows n]
//              [--native-log <file>]...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "process_clocks.h"
#include "recording_client_process.h"
#include "game_link/game_link.h"
#include "game_link/native_link.h"
#include "translator/translator_page.h"
#include "ui/page_control.h"

namespace {

using kestrelle::TypingDelays;
using kestrelle::test::RecordingClient;
using kestrelle::test::RecordingClientOptions;

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

// Milliseconds of waiting that the typing asks for, per millisecond of each delay, and what it sends.
class WaitCounter final : public kestrelle::TypingTarget {
 public:
  bool Wait(std::int32_t ms) override {
    units += ms;
    return true;
  }
  kestrelle::TypingOutcome Send(char32_t c) override {
    sent += static_cast<char>(c);
    return kestrelle::TypingOutcome::Typed;
  }
  long long units = 0;
  std::string sent;
};

long long WaitUnits(const std::string& text, TypingDelays unitDelays) {
  WaitCounter counter;
  kestrelle::TypeIntoWindow(std::u32string(text.begin(), text.end()), unitDelays, counter);
  return counter.units;
}

std::string TypedStream(const std::string& text) {
  WaitCounter counter;
  kestrelle::TypeIntoWindow(std::u32string(text.begin(), text.end()), {}, counter);
  return counter.sent;
}

// A file of the Unix side, through the drive that Wine maps to its root.
std::string ReadUnixFile(const std::string& path) {
  std::string windowsPath = "Z:" + path;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  std::ifstream file(windowsPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The window the player typed in: it is in front when the typing starts and gets the front back.
class HomeWindow {
 public:
  HomeWindow()
      : window_(CreateWindowExA(0, "STATIC", "typing benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr)) {
    ShowWindow(window_, SW_SHOW);
  }
  ~HomeWindow() { DestroyWindow(window_); }
  HomeWindow(const HomeWindow&) = delete;
  HomeWindow& operator=(const HomeWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

struct KindRun {
  const char* name;
  bool complete = false;
  double wallMs = 0;
  double cpuMs = 0;
  double handOverMsPerWindow = 0;
};

KindRun TypeIntoClients(const char* name, const RecordingClientOptions& options, int windows, const std::string& text,
                        const TypingDelays& delays, HWND home) {
  std::vector<std::unique_ptr<RecordingClient>> clients;
  for (int i = 0; i < windows; ++i) clients.push_back(std::make_unique<RecordingClient>(options));
  SetForegroundWindow(home);

  KindRun run{name};
  const double startCpu = kestrelle::test::ProcessorMs();
  const long long startUs = kestrelle::test::NowMicroseconds();
  const kestrelle::SendResult result = kestrelle::SendToGame(text, delays, kestrelle::CommandStop(), {.home = home});
  const long long endUs = kestrelle::test::NowMicroseconds();
  run.wallMs = static_cast<double>(endUs - startUs) / 1000.0;
  run.cpuMs = kestrelle::test::ProcessorMs() - startCpu;
  run.complete = result.TookWholeText() == windows && GetForegroundWindow() == home;

  std::vector<std::vector<kestrelle::test::CharRecord>> records;
  for (const auto& client : clients) records.push_back(client->Records());
  if (std::any_of(records.begin(), records.end(), [](const auto& r) { return r.empty(); })) {
    run.complete = false;
    return run;
  }
  std::sort(records.begin(), records.end(),
            [](const auto& a, const auto& b) { return a.front().microseconds < b.front().microseconds; });
  long long previousEndUs = startUs;
  long long handOverUs = 0;
  for (const auto& r : records) {
    handOverUs += r.front().microseconds - previousEndUs - delays.charDelay * 1000LL;
    previousEndUs = r.back().microseconds;
  }
  handOverUs += endUs - previousEndUs;
  run.handOverMsPerWindow = static_cast<double>(handOverUs) / 1000.0 / windows;
  return run;
}

// The native SDL clients take the whole text (each Return logged as a carriage return), one after the other.
KindRun TypeIntoNativeClients(const std::vector<std::string>& logs, const std::string& text, const TypingDelays& delays,
                              double idealMsPerWindow, HWND home) {
  KindRun run{"native"};
  SetForegroundWindow(home);
  const double startCpu = kestrelle::test::ProcessorMs();
  const long long startUs = kestrelle::test::NowMicroseconds();
  const kestrelle::SendResult result = kestrelle::SendToGame(text, delays, kestrelle::CommandStop(), {.home = home});
  run.wallMs = static_cast<double>(kestrelle::test::NowMicroseconds() - startUs) / 1000.0;
  run.cpuMs = kestrelle::test::ProcessorMs() - startCpu;
  const auto windows = static_cast<int>(logs.size());
  run.complete = result.TookWholeText() == windows && std::ssize(result.clients) == windows;
  Sleep(200);  // the last client writes its log as it takes the keys
  const std::string expected = TypedStream(text);
  for (const std::string& log : logs) run.complete = run.complete && ReadUnixFile(log) == expected;
  run.handOverMsPerWindow = (run.wallMs - idealMsPerWindow * windows) / windows;
  return run;
}

struct StopRun {
  const char* name;
  bool ready = false;   // the command returned with the page ready
  double stopToReadyMs = 0;
  size_t typed = 0;     // characters the client took
};

// The Translator page typing text into one classic client that presses Stop as it takes its `after`-th
// character, then (hanging) stops answering or goes on.
StopRun StopWhileTyping(const char* name, RecordingClientOptions client, const std::string& text,
                        const TypingDelays& delays, long after, bool hang) {
  kestrelle::ui::Form form("Kestrelle", {.clientWidth = 320, .clientHeight = 267, .font = {"MS Sans Serif", -11}});
  kestrelle::ui::PageControl pages(form, {0, 0, 320, 267});
  kestrelle::TTranslatorPage page(form, pages.AddPage("Translator"));
  page.Start();
  form.Show();
  page.meCharDelay.SetText(std::to_string(delays.charDelay));
  page.meLineDelay.SetText(std::to_string(delays.lineDelay));
  page.memoText.SetText(text);
  client.post = {after, page.btnTranslate.Handle(), BM_CLICK, 0};
  if (hang) client.hangAfter = after;
  const RecordingClient recording(client);

  SendMessageA(page.btnTranslate.Handle(), BM_CLICK, 0, 0);
  const long long readyUs = kestrelle::test::NowMicroseconds();
  StopRun run{name};
  run.ready = page.btnTranslate.Text() == "Translate" && page.memoText.Enabled() && page.rgSpeak.Enabled();
  const auto records = recording.Records();
  run.typed = records.size();
  if (records.size() >= static_cast<size_t>(after)) {
    run.stopToReadyMs = static_cast<double>(readyUs - records[static_cast<size_t>(after) - 1].microseconds) / 1000.0;
  } else {
    run.ready = false;
  }
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  RecordingClientOptions classic;
  TypingDelays delays{25, 3000};
  size_t length = 500;
  int windows = 1;
  std::vector<std::string> nativeLogs;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--client") classic.program = argv[i + 1];
    else if (name == "--char-delay") delays.charDelay = std::atoi(argv[i + 1]);
    else if (name == "--line-delay") delays.lineDelay = std::atoi(argv[i + 1]);
    else if (name == "--length") length = std::strtoul(argv[i + 1], nullptr, 10);
    else if (name == "--windows") windows = std::max(1, std::atoi(argv[i + 1]));
    else if (name == "--native-log") nativeLogs.push_back(argv[i + 1]);
    else {
      std::fprintf(stderr, "unknown option %s\n", name.c_str());
      return 2;
    }
  }
  // The ClassicUO stand-in is the same client under ClassicUO's file name, beside it.
  RecordingClientOptions classicUO = classic;
  const size_t folderEnd = classic.program.find_last_of("\\/:") + 1;  // 0 when it is a bare file name
  classicUO.program = classic.program.substr(0, folderEnd) + kestrelle::test::kClassicUOCopy;
  classicUO.className = "SDL_app";
  classicUO.title = "UO - Bob";
  classicUO.classicUO = true;

  try {
    const std::string text = SampleText(length);
    const long long charWaits = WaitUnits(text, {1, 0});
    const long long lineDelays = WaitUnits(text, {0, 1});
    const double idealMsPerWindow =
        static_cast<double>(charWaits) * delays.charDelay + static_cast<double>(lineDelays) * delays.lineDelay;
    const double idealMs = idealMsPerWindow * windows;
    std::fprintf(stderr, "text             %zu characters, %lld typed with padding, %lld line delays, %d window(s) per kind\n",
                text.size(), charWaits, lineDelays, windows);
    std::fprintf(stderr, "delays           %d ms per character, %d ms per third line end; ideal time %.0f ms\n",
                delays.charDelay, delays.lineDelay, idealMs);

    const HomeWindow home;
    // Under the native link, the native clients would take the text of the clients under Wine too: they
    // get a run of their own.
    if (!nativeLogs.empty()) {
      if (!kestrelle::NativeLink::OfThisProcess()) {
        std::fprintf(stderr, "--native-log: the bench does not run under the native link (kestrelle-link)\n");
        return 1;
      }
      const KindRun native = TypeIntoNativeClients(nativeLogs, text, delays, idealMsPerWindow, home.get());
      std::fprintf(stderr, "%-10s wall %.0f ms for %zu window(s), processor %.1f ms; beyond the delays %.1f ms per "
                   "window, focus hand-over included (goal: at most 100 ms)%s\n",
                   native.name, native.wallMs, nativeLogs.size(), native.cpuMs, native.handOverMsPerWindow,
                   native.complete ? "" : " (INCOMPLETE)");
      return native.complete ? 0 : 1;
    }
    const KindRun runs[] = {TypeIntoClients("classic", classic, windows, text, delays, home.get()),
                            TypeIntoClients("ClassicUO", classicUO, windows, text, delays, home.get())};
    for (const KindRun& run : runs) {
      std::fprintf(stderr, "%-10s wall %.0f ms (%.2f %% over ideal), processor %.1f ms (%.3f %% of wall), "
                  "between clients and after the last %.1f ms per window%s\n",
                  run.name, run.wallMs, (run.wallMs - idealMs) * 100.0 / idealMs, run.cpuMs,
                  run.cpuMs * 100.0 / run.wallMs, run.handOverMsPerWindow, run.complete ? "" : " (INCOMPLETE)");
    }
    std::fprintf(stderr, "hand-over cost   %.1f ms per ClassicUO window (goal: at most 100 ms)\n",
                runs[1].handOverMsPerWindow - runs[0].handOverMsPerWindow);

    const long half = static_cast<long>(text.size() / 2);
    const StopRun stops[] = {StopWhileTyping("typing", classic, text, delays, half, false),
                             StopWhileTyping("hung", classic, text, delays, half, true)};
    for (const StopRun& stop : stops) {
      std::fprintf(stderr, "Stop, client %-6s page ready %.1f ms after the press (goal: under 1000 ms), %zu characters "
                  "typed%s\n",
                  stop.name, stop.stopToReadyMs, stop.typed, stop.ready ? "" : " (NOT READY)");
    }
    return runs[0].complete && runs[1].complete && stops[0].ready && stops[1].ready ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
