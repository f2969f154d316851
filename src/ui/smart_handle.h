#pragma once
// Owning wrappers of system handles: each closes its handle exactly once, when it goes out of scope or is
// given another one, and can be moved but not copied.

#include <windows.h>

#include <utility>

namespace kestrelle::ui {

template <typename Handle, typename Closer>
class SmartHandle {
 public:
  SmartHandle() = default;
  explicit SmartHandle(Handle handle) : handle_(handle) {}
  SmartHandle(const SmartHandle&) = delete;
  SmartHandle& operator=(const SmartHandle&) = delete;
  SmartHandle(SmartHandle&& other) noexcept : handle_(other.Release()) {}
  SmartHandle& operator=(SmartHandle&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  ~SmartHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr && handle_ != handle) Closer{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct WindowCloser {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct DeviceContextReleaser {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct RegistryKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
struct HookCloser {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct KernelObjectCloser {
  void operator()(HANDLE object) const { CloseHandle(object); }
};

using FontHandle = SmartHandle<HFONT, GdiObjectCloser>;
using BrushHandle = SmartHandle<HBRUSH, GdiObjectCloser>;
using BitmapHandle = SmartHandle<HBITMAP, GdiObjectCloser>;
using MenuHandle = SmartHandle<HMENU, MenuCloser>;
using WindowHandle = SmartHandle<HWND, WindowCloser>;
using MemoryDcHandle = SmartHandle<HDC, DeviceContextReleaser>;
using IconHandle = SmartHandle<HICON, IconCloser>;
using RegistryKeyHandle = SmartHandle<HKEY, RegistryKeyCloser>;
using KernelHandle = SmartHandle<HANDLE, KernelObjectCloser>;
using HookHandle = SmartHandle<HHOOK, HookCloser>;

// Selects a GDI object into a device context for the scope of this object, then puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace kestrelle::ui
