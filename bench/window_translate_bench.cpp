// Window translation benchmark: the Translator page's Translate command on a long text, with the delays
// at 0 and no game client, as a player who opened a large file would run it. Reports how long the command
// took and the longest time the window left a message unanswered meanwhile (a second thread sends it an
// empty message every 10 ms and times the answer).
//
// window_translate_bench --text <file> [--kib n] [--style 0..3] [--one-paragraph]
//   The file's lines, repeated and cut to n KiB (default 256), fill the input memo as paragraphs; with
//   --one-paragraph they are joined by blanks into one paragraph, which the memo wraps. Style 3 (Courtly)
//   by default.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "process_clocks.h"
#include "translator/translator_page.h"
#include "ui/message_pump.h"
#include "ui/page_control.h"

namespace {

double NowMs() { return static_cast<double>(kestrelle::test::NowMicroseconds()) / 1000.0; }

std::string RepeatedText(const std::string& file, size_t size, bool oneParagraph) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file);
  std::string lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines += line + (oneParagraph ? " " : "\r\n");
  }
  if (lines.empty()) throw std::runtime_error(file + " is empty");
  std::string text;
  while (text.size() < size) text += lines;
  text.resize(size);
  return text;
}

// Sends the window an empty message every 10 ms from a thread of its own, keeping the longest wait for
// an answer.
class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window)
      : thread_([this, window] {
          while (!stop_) {
            const double start = NowMs();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &ignored);
            const double waited = NowMs() - start;
            longest_ = std::max(longest_.load(), waited);
            Sleep(10);
          }
          finished_ = true;
        }) {}
  ~AnswerWatch() { Stop(); }
  // The window's thread calls this: it answers the last message while it waits for the watch to end.
  double Stop() {
    stop_ = true;
    while (!finished_) {
      kestrelle::ui::ProcessPendingMessages();
      Sleep(1);
    }
    if (thread_.joinable()) thread_.join();
    return longest_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<double> longest_{0};
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  std::string file;
  size_t kib = 256;
  int style = 3;
  bool oneParagraph = false;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--one-paragraph") oneParagraph = true;
    else if (name == "--text" && i + 1 < argc) file = argv[++i];
    else if (name == "--kib" && i + 1 < argc) kib = std::strtoul(argv[++i], nullptr, 10);
    else if (name == "--style" && i + 1 < argc) style = std::atoi(argv[++i]);
    else {
      std::fprintf(stderr, "usage: window_translate_bench --text <file> [--kib n] [--style 0..3] [--one-paragraph]\n");
      return 2;
    }
  }
  try {
    const std::string text = RepeatedText(file, kib * 1024, oneParagraph);
    kestrelle::ui::Form form("Kestrelle", {.clientWidth = 320, .clientHeight = 267, .font = {"MS Sans Serif", -11}});
    kestrelle::ui::PageControl pages(form, {0, 0, 320, 267});
    kestrelle::TTranslatorPage page(form, pages.AddPage("Translator"));
    page.Start();
    form.Show();
    page.rgSpeak.SetItemIndex(style);
    page.rgSpeakClick();
    page.meCharDelay.SetText("   0");
    page.meLineDelay.SetText("   0");
    const double loadStart = NowMs();
    page.memoText.SetText(text);
    const double loadMs = NowMs() - loadStart;

    AnswerWatch watch(form.Handle());
    Sleep(50);  // the watch's first message is answered before the command starts
    const double start = NowMs();
    SendMessageA(page.btnTranslate.Handle(), BM_CLICK, 0, 0);
    const double commandMs = NowMs() - start;
    const double longestMs = watch.Stop();

    std::printf("text             %zu KiB of %s, style %d\n", kib, oneParagraph ? "one paragraph" : "lines", style);
    std::printf("memo filled in   %.0f ms (before the command)\n", loadMs);
    std::printf("Translate took   %.0f ms, translation of %zu characters shown\n", commandMs,
                page.memoTranslated.Text().size());
    std::printf("longest answer   %.0f ms\n", longestMs);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
