// Kestrelle.exe itself, closed while the Translate command types into a game client: the command ends at
// its next wait and the program exits cleanly.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "kestrelle_window.h"
#include "recording_client_process.h"
#include "started_program.h"

namespace kestrelle {
namespace {

TEST(TranslatorProgram, ClosingWhileTypingEndsTheProgramCleanly) {
  test::RecordingClient client;
  const test::StartedProgram program;
  ASSERT_TRUE(program.Started()) << program.CommandLine();

  const HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "Kestrelle's window did not show";
  const test::TranslatorControls controls = test::FindTranslatorControls(window);
  ASSERT_TRUE(controls.Found());

  // With the default delays (25 ms a character, 3000 ms at every third line end) this takes over 10 s.
  test::StartTranslate(controls, std::string(300, 'a'));
  for (int attempt = 0; attempt < 500 && client.Text().size() < 5; ++attempt) Sleep(10);
  ASSERT_GE(client.Text().size(), 5u) << "the typing did not start";

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program.Ended(8000)) << "Kestrelle did not end";
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_LT(client.Text().size(), 100u) << "the typing went on after the close";
}

}  // namespace
}  // namespace kestrelle
