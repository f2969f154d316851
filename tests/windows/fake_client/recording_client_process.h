#pragma once
// Starts a recording game client (recording_client.exe) as a process of its own and reads back what it
// received; used by the Windows-side tests and the typing benchmark.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace kestrelle::test {

struct CharRecord {
  unsigned message = 0;
  unsigned long long wParam = 0;
  long long lParam = 0;
  long long microseconds = 0;  // performance counter, the same clock in every process
  unsigned long tick = 0;      // GetTickCount when it arrived
};

inline constexpr char kClassicUOCopy[] = "ClassicUO.exe";

// Posted to a recording client's window: it stops handling messages at once (for a minute).
inline constexpr UINT kHangNowMessage = WM_APP + 0x4B;

// A message the client posts after taking a given number of characters, before it answers the last: the
// player's click or key press arriving while the typing goes on.
struct PostAfter {
  long characters = -1;  // none
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
};

struct RecordingClientOptions {
  std::string className = "Ultima Online";
  std::string title = "Recording game client";
  bool classicUO = false;    // take input as ClassicUO does (recording_client's --mode classicuo)
  long hangAfter = -1;       // stop handling messages after answering this many characters (0: at once)
  long closeAfter = -1;      // close after answering this many characters
  PostAfter post;
  // The client's program file: a path, or a file name beside the running program, where the build puts
  // recording_client.exe and its copy kClassicUOCopy.
  std::string program = "recording_client.exe";
};

class RecordingClient {
 public:
  // Starts the client and waits until its window exists; throws std::runtime_error when it does not come.
  explicit RecordingClient(const RecordingClientOptions& options = {});
  ~RecordingClient();  // ends the process and removes its log
  RecordingClient(const RecordingClient&) = delete;
  RecordingClient& operator=(const RecordingClient&) = delete;

  HWND window() const { return window_; }
  std::vector<CharRecord> Records() const;
  // The WM_CHAR codes received (UTF-16 units), as UTF-8 text.
  std::string Text() const;

 private:
  struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
  };
  using Handle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

  std::string logPath_;
  Handle process_;
  HWND window_ = nullptr;
};

}  // namespace kestrelle::test
