// The Translate command's typing as the player meets it, through the page's real controls and recording
// game clients: Stop (the button, Esc), clients that hang, close or are kept from the front, and what the
// player is told. The player's clicks and key presses arrive while the typing goes on: a client posts them
// after taking a given number of characters, so they are handled at the typing's next wait.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "game_link/foreground.h"
#include "game_link/game_link.h"
#include "link_test_support.h"
#include "recording_client_process.h"
#include "test_support.h"
#include "translator_page_fixture.h"

namespace kestrelle {
namespace {

using test::RecordingClient;
using test::RecordingClientOptions;

// The system's foreground calls, with the system's refusals and a client's hang put in by the test.
class ScriptedForeground final : public Foreground {
 public:
  HWND Current() override { return system_.Current(); }
  bool Bring(HWND window) override {
    if (onBring) onBring(window);
    return !refuse && system_.Bring(window);
  }
  bool IsActive(HWND window) override { return system_.IsActive(window); }

  bool refuse = false;
  std::function<void(HWND)> onBring;

 private:
  Foreground& system_ = SystemForeground();
};

enum class Subject { Classic, ClassicUO };
enum class Event { StopClick, EscKey, EscInMemo, TakeFrontAway, RefuseFront, HangOnBring, StopOnBring, Hang, Close };

// What a client takes of the text, as its log shows it: ClassicUO's line ends are key presses.
std::string AsTaken(Subject subject, std::string keys) {
  if (subject == Subject::ClassicUO) std::erase(keys, '\r');
  return keys;
}

using TranslatorTypingTest = test::TranslatorPageTest;

// Each row: the subject client (typed into first) and what happens to it after it took `after` characters;
// a classic client typed into second looks on. Checked: what both took (a stopped or lost client keeps the
// part of the line it took, and the player is told so), what the player reads, and that the page is ready
// again with the whole translation in its output.
TEST_F(TranslatorTypingTest, StopsAndLostClientsAreNamedAndThePageIsReadyAgain) {
  using enum ClientOutcome;
  constexpr char kShort[] = "hello there, how are you";
  // Five lines, the line delay at the third line end: the memo wraps it where its blanks are, so it is
  // typed as written, with a capital first.
  std::string speech;
  for (int i = 0; i < 5; ++i) speech += "we go to the moongate now and then we go home ";
  std::string typed = speech.substr(0, speech.size() - 1);
  typed[0] = 'W';
  const auto untilLineDelay = test::ExpectedKeys(typed, {0, 1});
  const auto delayed = std::ranges::find_if(untilLineDelay, [](auto& k) { return k.waitedMs > 0; });
  const long beforeLineDelay = static_cast<long>(delayed - untilLineDelay.begin());
  const struct {
    const char* what;
    Subject subject;
    Event event;
    const char* text;
    long after;  // characters the subject takes before the event
    ClientOutcome outcome;
  } rows[] = {
      {"stop mid-line", Subject::Classic, Event::StopClick, kShort, 10, Stopped},
      {"Esc during a line delay", Subject::Classic, Event::EscKey, speech.c_str(), beforeLineDelay, Stopped},
      {"Esc in the output memo", Subject::Classic, Event::EscInMemo, kShort, 12, Stopped},
      {"a client that hangs", Subject::Classic, Event::Hang, kShort, 10, NotAnswering},
      {"a client that closes", Subject::Classic, Event::Close, kShort, 10, Closed},
      {"a refused front", Subject::ClassicUO, Event::RefuseFront, kShort, 0, KeptFromFront},
      {"the front taken away mid-line", Subject::ClassicUO, Event::TakeFrontAway, kShort, 10, KeptFromFront},
      {"a client that hangs as it comes to the front", Subject::ClassicUO, Event::HangOnBring, kShort, 0, NotAnswering},
      {"stop while a client comes to the front", Subject::ClassicUO, Event::StopOnBring, kShort, 0, Stopped},
  };
  ScriptedForeground foreground;
  page.foreground = &foreground;
  // Takes the front away when a client asks it to, as a click on the window would.
  test::TestWindow player([&](HWND, UINT message, WPARAM, LPARAM) {
    if (message != WM_APP) return false;
    SetForegroundWindow(form->Handle());  // the player clicks another window, and the system refuses from then on
    foreground.refuse = true;
    return true;
  });

  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    SetDelays("   1", row.event == Event::EscKey ? "9999" : "   0");
    page.memoText.SetText(row.text);
    foreground.refuse = row.event == Event::RefuseFront;
    foreground.onBring = [&](HWND window) {
      if (row.event == Event::HangOnBring) PostMessageA(window, test::kHangNowMessage, 0, 0);
      if (row.event == Event::StopOnBring) PostMessageA(page.btnTranslate.Handle(), BM_CLICK, 0, 0);
    };
    ASSERT_TRUE(SetForegroundWindow(form->Handle()));

    RecordingClientOptions options{.title = "Ultima Online - Ann"};
    if (row.subject == Subject::ClassicUO) {
      options = {.className = "SDL_app", .title = options.title, .classicUO = true, .program = test::kClassicUOCopy};
    }
    if (row.event == Event::Hang) options.hangAfter = row.after;
    if (row.event == Event::Close) options.closeAfter = row.after;
    if (row.event == Event::StopClick) options.post = {row.after, page.btnTranslate.Handle(), BM_CLICK, 0};
    if (row.event == Event::EscKey) options.post = {row.after, page.btnTranslate.Handle(), WM_KEYDOWN, VK_ESCAPE};
    if (row.event == Event::EscInMemo) options.post = {row.after, page.memoTranslated.Handle(), WM_KEYDOWN, VK_ESCAPE};
    if (row.event == Event::TakeFrontAway) options.post = {row.after, player.get(), WM_APP, 0};
    RecordingClient subject(options);
    RecordingClient bystander({.title = "Ultima Online - Bob"});
    // Typed into second: put below the subject (the client's own thread moves it, and showing may raise it).
    for (int i = 0; i < 200 && FindGameClients().front().window != subject.window(); ++i) {
      SetWindowPos(bystander.window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      Sleep(10);
    }
    ASSERT_EQ(FindGameClients().front().window, subject.window());

    test::ErrorBoxWatcher box("Kestrelle");
    PressTranslate();
    const test::ErrorBoxWatcher::Seen shown = box.Finish();

    const std::string translated = page.memoTranslated.Text();
    ASSERT_TRUE(translated.ends_with("\r\n")) << "the output keeps the whole translation";
    const std::string keys = test::KeysText(test::ExpectedKeys(translated.substr(0, translated.size() - 2), {}));
    const bool stopped = row.outcome == Stopped;
    EXPECT_EQ(subject.Text(), AsTaken(row.subject, keys.substr(0, static_cast<size_t>(row.after))));
    EXPECT_EQ(bystander.Text(), stopped ? "" : keys) << "after a stop, no client gets anything more";
    // The subject took part of its one line when it took anything; the bystander all of it, unless stopped.
    const SendResult told{
        .clients = {{.title = "Ultima Online - Ann", .outcome = row.outcome, .lines = 1, .partLine = row.after > 0},
                    {.title = "Ultima Online - Bob", .outcome = stopped ? Stopped : Typed, .lines = 1,
                     .linesTaken = stopped ? 0 : 1}},
        .stopped = stopped};
    EXPECT_EQ(page.lblStatus.Text(), SummaryText(told));
    EXPECT_EQ(shown.found, told.Faulted());
    EXPECT_EQ(shown.message, shown.found ? MissedText(told) : "");
    EXPECT_TRUE(CommandControlsEnabled());
    EXPECT_EQ(page.btnTranslate.Text(), "&Translate");
  }
}

}  // namespace
}  // namespace kestrelle
