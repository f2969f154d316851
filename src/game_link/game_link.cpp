#include "game_link/game_link.h"

#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "game_link/client_typing.h"
#include "game_link/native_link.h"
#include "speech/text_encoding.h"
#include "ui/smart_handle.h"
#include "ui/wide_text.h"

namespace kestrelle {

namespace {

std::optional<std::string> ProgramPathOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const ui::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return std::nullopt;
  std::wstring path(32768, L'\0');  // the longest path the system allows
  auto size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size)) return std::nullopt;
  path.resize(size);
  return ui::Utf8FromWide(path);
}

// The caption is read from the system's copy: a hung client does not hold the search.
std::string TitleOf(HWND window) {
  wchar_t title[256] = {};
  const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
  return ui::Utf8FromWide(std::wstring_view(title, static_cast<size_t>(length > 0 ? length : 0)));
}

BOOL CALLBACK CollectGameClient(HWND window, LPARAM found) {
  char className[100] = {};
  const int length = GetClassNameA(window, className, static_cast<int>(sizeof className));
  if (length <= 0) return TRUE;
  const GameClientKind kind = GameClientKindOf(std::string_view(className, static_cast<size_t>(length)),
                                               [window] { return ProgramPathOf(window); },
                                               [window] { return TitleOf(window); });
  if (kind != GameClientKind::None) reinterpret_cast<std::vector<GameClientWindow>*>(found)->push_back({window, kind});
  return TRUE;  // always walk on: every window is looked at
}

// Gives the front back to home when it goes out of scope, if a client has taken it meanwhile.
class FrontReturn {
 public:
  FrontReturn(HWND home, Foreground& foreground) : home_(home), foreground_(foreground) {}
  FrontReturn(const FrontReturn&) = delete;
  FrontReturn& operator=(const FrontReturn&) = delete;
  ~FrontReturn() {
    if (taken_ && home_ && IsWindow(home_) && foreground_.Current() != home_) foreground_.Bring(home_);
  }
  void Taken() { taken_ = true; }

 private:
  HWND home_;
  Foreground& foreground_;
  bool taken_ = false;
};

ClientResult TypeIntoClient(std::u32string_view text, const TypingDelays& delays, const CommandStop& stop,
                            const GameClientWindow& client, const SendOptions& options, TypingProgress progress) {
  const TypedLetters letters = LettersOf(client.kind);
  ClientResult result{.title = progress.title,
                      .kind = client.kind,
                      .lines = CountTypedLines(text, letters),
                      .lettersLeftOut = CountLeftOut(text, letters)};
  progress.lines = result.lines;
  Foreground& foreground = options.foreground ? *options.foreground : SystemForeground();
  ClientTyping target(client.window, client.kind, stop, foreground, [&](int line) {
    progress.line = line + 1;
    if (options.onProgress) options.onProgress(progress);
  });
  switch (TypeIntoWindow(text, delays, target, letters)) {
    case TypingOutcome::Typed:
      result.linesTaken = result.lines;
      return result;
    case TypingOutcome::Stopped:
      result.outcome = ClientOutcome::Stopped;
      break;
    case TypingOutcome::WindowLost:
      result.outcome = target.Failure();
      break;
  }
  result.linesTaken = target.Line();
  result.partLine = target.PartOfLineSent();
  return result;
}

// The native clients of the player's X display, added to the result after the clients under Wine and
// counted with them in the progress.
void SendToNativeClients(NativeLink& link, std::u32string_view text, const TypingDelays& delays,
                         const CommandStop& stop, const SendOptions& options, SendResult& result) {
  const int before = static_cast<int>(result.clients.size());
  NativeTypingResult native = link.Type(text, delays, stop, [&](TypingProgress progress) {
    progress.client += before;
    progress.clients += before;
    if (options.onProgress) options.onProgress(progress);
  });
  for (ClientResult& client : native.clients) result.clients.push_back(std::move(client));
  result.stopped = native.stopped;
  result.notice = std::move(native.notice);
}

// A native link lost (in this command or before) leaves the native clients out of reach until Kestrelle
// starts again, which the player reads in every command's result.
void NoteLostNativeLink(SendResult& result) {
  if (!NativeLink::LostOfThisProcess()) return;
  result.outOfReach = true;
  if (!result.notice.empty()) result.notice += "\r\n\r\n";
  result.notice += kNativeLinkEndedNotice;
}

}  // namespace

std::vector<GameClientWindow> FindGameClients() {
  std::vector<GameClientWindow> found;
  EnumWindows(CollectGameClient, reinterpret_cast<LPARAM>(&found));
  return found;
}

SendResult SendToGame(std::string_view text, const TypingDelays& delays, const CommandStop& stop,
                      const SendOptions& options) {
  const std::vector<GameClientWindow> clients = FindGameClients();
  // With a native link, the native clients of the player's X display come after these, and count from the
  // start.
  NativeLink* const link = NativeLink::OfThisProcess();
  const int nativeClients = link ? link->CountClients() : 0;
  const std::u32string letters = CharactersOfUtf8(text);
  SendResult result;
  FrontReturn front(options.home, options.foreground ? *options.foreground : SystemForeground());
  for (const GameClientWindow& client : clients) {
    const TypingProgress progress{.title = TitleOf(client.window),
                                  .client = static_cast<int>(result.clients.size()) + 1,
                                  .clients = static_cast<int>(clients.size()) + nativeClients};
    if (result.stopped || stop.Requested()) {
      result.stopped = true;
      result.clients.push_back({.title = progress.title, .kind = client.kind, .outcome = ClientOutcome::Stopped,
                                .lines = CountTypedLines(letters, LettersOf(client.kind))});
      continue;
    }
    if (client.kind == GameClientKind::ClassicUO) front.Taken();
    result.clients.push_back(TypeIntoClient(letters, delays, stop, client, options, progress));
    result.stopped = result.clients.back().outcome == ClientOutcome::Stopped;
  }
  if (result.stopped || stop.Requested()) {
    for (int i = 0; i < nativeClients; ++i) {
      result.stopped = true;
      result.clients.push_back({.kind = GameClientKind::ClassicUO, .outcome = ClientOutcome::Stopped,
                                .lines = CountTypedLines(letters, TypedLetters::Unicode)});
    }
  } else if (link && !NativeLink::LostOfThisProcess()) {
    // The native link gives the X focus back to the window that had it, and Wine learns of that only as a
    // window outside it letting go, so home takes the front back here as well.
    const size_t wineClients = result.clients.size();
    SendToNativeClients(*link, letters, delays, stop, options, result);
    if (result.clients.size() > wineClients) front.Taken();
  }
  NoteLostNativeLink(result);
  return result;
}

}  // namespace kestrelle
