#include "game_link/game_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>

#include "base/utf16.h"
#include "link_test_support.h"
#include "recording_client_process.h"
#include "game_link/client_messages.h"
#include "game_link/client_typing.h"
#include "game_link/wait_pumping.h"

namespace kestrelle {
namespace {

using test::CharRecord;
using test::ExpectedKeys;
using test::KeysText;
using test::RecordingClient;
using test::TestWindow;

std::string Letters(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
  return s;
}

// A text with every kind of line end: a blank at 48, a carriage return from the text at 50 (after a
// CR LF pair earlier in the line), a full line of 52, and a short tail.
std::string MixedText() {
  return Letters(47) + " " + Letters(20) + "\r\n" + Letters(29) + "\r" + Letters(52) + "tail, done.";
}

test::RecordingClientOptions OfClass(std::string className, std::string title = "Recording game client") {
  test::RecordingClientOptions options;
  options.className = std::move(className);
  options.title = std::move(title);
  return options;
}

test::RecordingClientOptions HangingAfter(long characters) {
  test::RecordingClientOptions options;
  options.hangAfter = characters;
  return options;
}

bool HasThreadMessage(UINT message) {
  MSG msg;
  return PeekMessageA(&msg, reinterpret_cast<HWND>(-1), message, message, PM_REMOVE) != 0;
}

TEST(GameLink, TypesTheTextAsCharacterMessagesWithItsPauses) {
  RecordingClient client;
  const TypingDelays delays{20, 400};
  const auto keys = ExpectedKeys(MixedText(), delays);
  const CommandStop stop;

  const long long started = test::NowMicroseconds();
  const SendResult result = SendToGame(MixedText(), delays, stop);
  EXPECT_EQ(result.clients.size(), 1u);
  EXPECT_EQ(result.TookWholeText(), 1);
  EXPECT_FALSE(result.stopped);

  const std::vector<CharRecord> records = client.Records();
  ASSERT_EQ(client.Text(), KeysText(keys));
  ASSERT_EQ(records.size(), keys.size());
  const long long slackUs = test::TickResolutionMs() * 1000LL;
  long long previous = started;
  for (size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].message, static_cast<unsigned>(WM_CHAR));
    EXPECT_EQ(records[i].lParam, 1);
    EXPECT_GE(records[i].microseconds - previous, keys[i].waitedMs * 1000LL - slackUs)
        << "character " << i << " came too early; it should follow a wait of " << keys[i].waitedMs << " ms";
    previous = records[i].microseconds;
  }
}

TEST(GameLink, EveryClientGetsTheWholeTextInTurn) {
  RecordingClient one;
  RecordingClient two;
  const std::vector<GameClientWindow> found = FindGameClients();
  ASSERT_EQ(found.size(), 2u);
  const RecordingClient& first = found[0].window == one.window() ? one : two;
  const RecordingClient& second = found[0].window == one.window() ? two : one;
  ASSERT_EQ(found[1].window, second.window());

  const std::string text = MixedText();
  const SendResult result = SendToGame(text, {2, 30}, CommandStop());
  EXPECT_EQ(result.TookWholeText(), 2);

  const std::string expected = KeysText(ExpectedKeys(text, {}));
  EXPECT_EQ(first.Text(), expected);
  EXPECT_EQ(second.Text(), expected);
  const auto firstRecords = first.Records();
  const auto secondRecords = second.Records();
  ASSERT_FALSE(firstRecords.empty());
  ASSERT_FALSE(secondRecords.empty());
  EXPECT_LT(firstRecords.back().microseconds, secondRecords.front().microseconds)
      << "the second client was typed into before the first was done";
}

// A decoy of class "ultima online" would spoil the later tests: class names live in one case-blind atom
// table, spelt as first registered, which may outlive the decoy; the letter case is checked natively.
TEST(GameLink, OnlyWindowsOfExactlyTheClientClassGetText) {
  RecordingClient longer(OfClass("Ultima Online 2"));
  RecordingClient titled(OfClass("Other", "Ultima Online"));
  RecordingClient client;

  const SendResult result = SendToGame("Hi", {1, 1}, CommandStop());
  ASSERT_EQ(result.clients.size(), 1u);
  EXPECT_EQ(result.clients[0].title, "Recording game client");
  EXPECT_EQ(client.Text(), "Hi\r");
  EXPECT_TRUE(longer.Records().empty());
  EXPECT_TRUE(titled.Records().empty());
}

using Message = std::tuple<unsigned, unsigned long long, long long>;

// Letters beyond ASCII, as the program's UTF-8 and as the letters they stand for: some of the test
// machine's code page (Windows-1252), some beyond it.
constexpr char kAccented[] = " Café naïve über € λόγος \xF0\x9F\x98\x80";
constexpr char32_t kAccentedLetters[] = U" Caf\u00e9 na\u00efve \u00fcber \u20ac \u03bb\u03cc\u03b3\u03bf\u03c2 \U0001F600";
constexpr int kAccentedCount = 10;

class LetterCollector final : public TypingTarget {
 public:
  bool Wait(std::int32_t) override { return true; }
  TypingOutcome Send(char32_t c) override {
    letters += c;
    return TypingOutcome::Typed;
  }
  std::u32string letters;
};

// The messages a client of the kind takes from the typing of text: ClassicUO takes every letter as a
// UTF-16 unit and ends its lines with key presses; the others take plain ASCII.
std::vector<Message> StreamFor(GameClientKind kind, const std::u32string& text) {
  std::vector<Message> stream;
  if (kind == GameClientKind::None) return stream;
  LetterCollector collector;
  TypeIntoWindow(text, {}, collector, LettersOf(kind));
  for (const char32_t c : collector.letters) {
    if (kind == GameClientKind::ClassicUO && c == U'\r') {
      stream.emplace_back(WM_KEYDOWN, VK_RETURN, kReturnDownKeyData);
      stream.emplace_back(WM_KEYUP, VK_RETURN, kReturnUpKeyData);
    } else {
      for (const char16_t unit : Utf16FromCharacters({&c, 1})) stream.emplace_back(WM_CHAR, unit, 1);
    }
  }
  return stream;
}

// The ClassicUO stand-ins keep typed text only once they have handled their activation, so they get the
// text only when the link brought them to the front; one that never comes forward gets nothing and is
// named as not answering; the decoys get nothing. ClassicUO gets every letter of the text; the classic
// client and Orion get plain ASCII, and the letters left out for them are counted.
TEST(GameLink, EveryKindOfClientTakesTheTextInItsOwnFormAndTheFrontComesBack) {
  using enum GameClientKind;
  using enum ClientOutcome;
  const struct {
    const char* className;
    const char* title;
    bool classicUOCopy;  // run as the copy under ClassicUO's program file name
    GameClientKind kind;
    ClientOutcome outcome = Typed;
  } rows[] = {
      {"SDL_app", "ClassicUO - 1.1.0", true, ClassicUO},
      {"Orion UO Client", "Ultima Online - Bob", false, Orion},
      {"SDL_app", "UO - Bob", true, ClassicUO},
      {"Ultima Online", "Recording game client", false, Classic},
      {"SDL_app", "ClassicUO - hung", true, ClassicUO, NotAnswering},
      {"SDL_app", "ClassicUO - 1.1.0", false, None},  // another program's SDL window
      {"Launcher", "ClassicUO Launcher", true, None},
      {"Other", "Ultima Online", false, None},
  };
  std::vector<std::unique_ptr<RecordingClient>> clients;
  for (const auto& row : rows) {
    test::RecordingClientOptions options = OfClass(row.className, row.title);
    if (row.classicUOCopy) options.program = test::kClassicUOCopy;
    options.classicUO = row.kind == ClassicUO;
    options.hangAfter = row.outcome == NotAnswering ? 0 : -1;
    clients.push_back(std::make_unique<RecordingClient>(options));
  }
  TestWindow home([](HWND, UINT, WPARAM, LPARAM) { return false; });
  ShowWindow(home.get(), SW_SHOW);
  ASSERT_TRUE(SetForegroundWindow(home.get()));

  const std::string mixed = MixedText();
  const SendResult result = SendToGame(mixed + kAccented, {1, 5}, CommandStop(), {.home = home.get()});
  EXPECT_EQ(GetForegroundWindow(), home.get());
  const std::vector<GameClientWindow> found = FindGameClients();
  EXPECT_EQ(result.clients.size(), 5u);
  for (size_t i = 0; i < std::size(rows); ++i) {
    const auto it = std::find_if(found.begin(), found.end(), [&](auto& f) { return f.window == clients[i]->window(); });
    EXPECT_EQ(it == found.end() ? None : it->kind, rows[i].kind) << rows[i].title;
    std::vector<Message> received;
    for (const CharRecord& r : clients[i]->Records()) received.emplace_back(r.message, r.wParam, r.lParam);
    const GameClientKind receives = rows[i].outcome == Typed ? rows[i].kind : None;
    EXPECT_EQ(received, StreamFor(receives, std::u32string(mixed.begin(), mixed.end()) + kAccentedLetters))
        << rows[i].title;
    if (rows[i].kind == None) continue;
    const auto named = std::find_if(result.clients.begin(), result.clients.end(),
                                    [&](const ClientResult& c) { return c.title == rows[i].title; });
    ASSERT_NE(named, result.clients.end()) << rows[i].title;
    EXPECT_EQ(named->outcome, rows[i].outcome) << rows[i].title;
    EXPECT_EQ(named->lettersLeftOut, rows[i].kind == ClassicUO ? 0 : kAccentedCount) << rows[i].title;
  }
}

TEST(GameLink, NoClientTypesNothing) {
  const SendResult result = SendToGame("Hello there", {25, 3000}, CommandStop());
  EXPECT_TRUE(result.clients.empty());
  EXPECT_FALSE(result.stopped);
}

// With no pauses the characters go out back to back, and a Stop given meanwhile still ends the typing.
TEST(GameLink, ZeroDelaysStillSeeAStop) {
  CommandStop stop;
  TestWindow stopButton([&](HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_APP) stop.Request();
    return message == WM_APP;
  });
  test::RecordingClientOptions options;
  options.post = {10, stopButton.get(), WM_APP, 0};
  RecordingClient client(options);
  const std::string keys = KeysText(ExpectedKeys(Letters(52 * 1000), {}));
  EXPECT_TRUE(SendToGame(Letters(52 * 1000), {0, 0}, stop).stopped);
  const std::string received = client.Text();
  EXPECT_GE(received.size(), 10u);
  EXPECT_LT(received.size(), keys.size());
  EXPECT_EQ(received, keys.substr(0, received.size()));
}

TEST(GameLink, LineDelaySleepsInsteadOfKeepingTheProcessorBusy) {
  RecordingClient client;
  const std::string threeLines = Letters(3 * 52);  // the third line end brings the line delay
  const DWORD startTick = GetTickCount();
  const double startCpu = test::ProcessorMs();
  const SendResult result = SendToGame(threeLines, {0, 3000}, CommandStop());
  const double cpuMs = test::ProcessorMs() - startCpu;
  const DWORD wallMs = GetTickCount() - startTick;

  ASSERT_EQ(result.TookWholeText(), 1) << MissedText(result);
  EXPECT_EQ(client.Text().size(), threeLines.size() + 3);
  EXPECT_GE(wallMs, 3000u);
  EXPECT_LT(cpuMs, 0.05 * wallMs) << "processor " << cpuMs << " ms in " << wallMs << " ms";
}

TEST(GameLink, HungClientIsDroppedAndTheOthersStillGetTheText) {
  RecordingClient hung(HangingAfter(3));
  RecordingClient healthy;
  const std::string text = "Hello there";

  const DWORD startTick = GetTickCount();
  const SendResult result = SendToGame(text, {5, 5}, CommandStop());
  const DWORD wallMs = GetTickCount() - startTick;

  ASSERT_EQ(result.clients.size(), 2u);
  EXPECT_EQ(result.TookWholeText(), 1);
  EXPECT_EQ(hung.Text(), "Hel");
  EXPECT_EQ(healthy.Text(), text + "\r");
  EXPECT_LT(wallMs, kClientResponseTimeoutMs + 5000) << "the hung client held the typing";
}

TEST(GameLink, ClosingTheMainWindowEndsTheTypingAtItsNextWait) {
  RecordingClient client;
  CommandStop stop;
  bool commandRunning = true;
  bool closePending = false;
  // Behaves as the main window does: a close during a command stops it and closes once it has returned.
  TestWindow mainWindow([&](HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
      case WM_TIMER:
        KillTimer(window, 1);
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
      case WM_CLOSE:
        if (!commandRunning) return false;  // default: destroy
        stop.Request();
        closePending = true;
        return true;
      case WM_DESTROY:
        PostQuitMessage(0);
        return true;
      default:
        return false;
    }
  });
  SetTimer(mainWindow.get(), 1, 300, nullptr);

  const std::string text = Letters(200);
  const DWORD startTick = GetTickCount();
  const SendResult result = SendToGame(text, {25, 3000}, stop);
  const DWORD wallMs = GetTickCount() - startTick;
  commandRunning = false;

  EXPECT_TRUE(result.stopped);
  EXPECT_LT(wallMs, 2000u);
  const std::string received = client.Text();
  EXPECT_FALSE(received.empty());
  EXPECT_LT(received.size(), 100u);
  EXPECT_EQ(received, text.substr(0, received.size()));

  ASSERT_TRUE(closePending);
  PostMessageA(mainWindow.get(), WM_CLOSE, 0, 0);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  EXPECT_FALSE(IsWindow(mainWindow.get())) << "the message loop ended with the window";
}

TEST(GameLink, QuitDuringTheTypingEndsItAndStaysQueued) {
  RecordingClient client;
  PostQuitMessage(7);
  const SendResult result = SendToGame("Hello there", {25, 3000}, CommandStop());
  EXPECT_TRUE(result.stopped);
  EXPECT_TRUE(client.Text().empty());

  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(WaitPumping, ZeroOrLessReturnsAtOnceWithoutDispatching) {
  for (const std::int32_t ms : {0, -5}) {
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    EXPECT_EQ(WaitPumping(ms, CommandStop()), WaitEnd::TimeUp);
    EXPECT_TRUE(HasThreadMessage(WM_APP)) << ms;
  }
}

TEST(WaitPumping, DispatchesMessagesUntilTheTimeIsUp) {
  int handled = 0;
  TestWindow window([&](HWND, UINT message, WPARAM, LPARAM) { return message == WM_APP && ++handled; });
  PostMessageA(window.get(), WM_APP, 0, 0);
  const DWORD startTick = GetTickCount();
  EXPECT_EQ(WaitPumping(150, CommandStop()), WaitEnd::TimeUp);
  EXPECT_GE(GetTickCount() - startTick, 150u);
  EXPECT_EQ(handled, 1);
}

TEST(WaitPumping, StopRequestedByAHandlerEndsTheWait) {
  CommandStop stop;
  TestWindow window([&](HWND, UINT message, WPARAM, LPARAM) {
    if (message != WM_TIMER) return false;
    stop.Request();
    return true;
  });
  SetTimer(window.get(), 1, 50, nullptr);
  const DWORD startTick = GetTickCount();
  EXPECT_EQ(WaitPumping(10000, stop), WaitEnd::Stopped);
  EXPECT_LT(GetTickCount() - startTick, 5000u);
  EXPECT_EQ(WaitPumping(100, stop), WaitEnd::Stopped) << "a requested stop is final";
  EXPECT_EQ(WaitPumping(100, stop, {[] { return true; }}), WaitEnd::Stopped) << "also before a condition";
}

// A condition that another process fulfils is looked at on its period, without any message arriving.
TEST(WaitPumping, EndsWhenItsConditionHolds) {
  int looks = 0;
  EXPECT_EQ(WaitPumping(10000, CommandStop(), {[&] { return ++looks == 5; }, 1}), WaitEnd::Met);
  EXPECT_EQ(looks, 5);
  EXPECT_EQ(WaitPumping(30, CommandStop(), {[] { return false; }, 5}), WaitEnd::TimeUp);
}

}  // namespace
}  // namespace kestrelle
