// Memo benchmark: how long the window stalls while the input memo lays out an opened text, for texts at the
// memo's limits and for larger ones that Open refuses, with word wrap on (the slow case) and off. Each
// figure is the median of several runs of setting the text and processing the messages that follows.
//
// memo_open_bench [--runs n]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "translator/text_file_content.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/message_pump.h"

namespace {

using kestrelle::kMemoLineLimit;
using kestrelle::kMemoTextLimit;

// Lines of words of the given length, to the given size.
std::string Text(std::size_t size, std::size_t lineLength) {
  std::string line;
  while (line.size() < lineLength) line += "hail and well met ";
  line.resize(lineLength);
  std::string text;
  while (text.size() + line.size() + 2 <= size) text += line + "\r\n";
  return text;
}

double MedianMilliseconds(kestrelle::ui::Memo& memo, const std::string& text, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    memo.Clear();
    kestrelle::ui::ProcessPendingMessages();
    const auto start = std::chrono::steady_clock::now();
    memo.SetText(text);
    kestrelle::ui::ProcessPendingMessages();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 3 && std::string(argv[1]) == "--runs" ? std::max(1, std::atoi(argv[2])) : 5;
  kestrelle::ui::InitialiseControls();
  kestrelle::ui::Form form("Memo bench", {.clientWidth = 320, .clientHeight = 240, .font = {"MS Sans Serif", -11}});
  form.Show();
  const struct {
    const char* what;
    std::size_t size;
    std::size_t line;
  } texts[] = {
      {"at the limits, short lines", kMemoTextLimit, 80},
      {"at the limits, longest lines", kMemoTextLimit, kMemoLineLimit},
      {"4 x the size, longest lines", 4 * kMemoTextLimit, kMemoLineLimit},
      {"at the size, 4 x the line", kMemoTextLimit, 4 * kMemoLineLimit},
  };
  for (const bool wrap : {true, false}) {
    kestrelle::ui::Memo memo(form, {1, 15, 201, 93}, "",
                             {.scrollBars = wrap ? kestrelle::ui::ScrollBars::Vertical : kestrelle::ui::ScrollBars::Both,
                              .wordWrap = wrap,
                              .font = kestrelle::ui::FontSpec{"MS Sans Serif", -13}});
    for (const auto& text : texts) {
      std::printf("word wrap %-3s  %-30s %6zu characters: %8.1f ms\n", wrap ? "on" : "off", text.what,
                  text.size, MedianMilliseconds(memo, Text(text.size, text.line), runs));
      std::fflush(stdout);
    }
  }
  return 0;
}
