// The resources compiled into the program: the icon in both sizes, the version record, and the application
// manifest, seen in what the system gives the program that carries it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Resources, IconInBothSizes) {
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    const HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Resources, VersionRecordNamesTheProduct) {
  const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));  // RT_VERSION
  ASSERT_NE(found, nullptr);
  const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string record(data, SizeofResource(nullptr, found));
  const std::string wideName("K\0e\0s\0t\0r\0e\0l\0l\0e\0", 18);  // the record's texts are UTF-16
  EXPECT_NE(record.find(wideName), std::string::npos);
}

// Themed controls (the common controls of version 6, whose edit box is a Unicode window even when made
// through the ANSI call) and per-monitor DPI awareness.
TEST(Resources, TheManifestBringsThemedControlsAndPerMonitorDpi) {
  const HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(IsWindowUnicode(edit));
  DestroyWindow(edit);
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
