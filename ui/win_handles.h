// Owning wrappers for GDI and USER handles, the clipboard and GlobalLock.
// Each is non-copyable and keeps what its clean-up needs, so no handle can be
// released twice or by the wrong call.
#pragma once

#include <windows.h>

#include <utility>

namespace zemu {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle h = nullptr) {
    if (handle_ != nullptr) Traits::Close(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectTraits {
  static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
  static void Close(HICON h) { DestroyIcon(h); }
};
struct GlobalTraits {
  static void Close(HGLOBAL h) { GlobalFree(h); }
};

using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalTraits>;

// A DC from GetDC or GetWindowDC; ReleaseDC needs the window as well as the DC.
template <HDC(WINAPI* Get)(HWND)>
class ReleasedDc {
 public:
  explicit ReleasedDc(HWND hwnd) : hwnd_(hwnd), dc_(Get(hwnd)) {}
  ~ReleasedDc() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  ReleasedDc(const ReleasedDc&) = delete;
  ReleasedDc& operator=(const ReleasedDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

using WindowDc = ReleasedDc<GetDC>;            // the client area
using WindowFrameDc = ReleasedDc<GetWindowDC>;  // the whole window, frame included

class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return ps_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectScope() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC around changes of text colour, background mode and the like.
class DcStateScope {
 public:
  explicit DcStateScope(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcStateScope() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  DcStateScope(const DcStateScope&) = delete;
  DcStateScope& operator=(const DcStateScope&) = delete;

 private:
  HDC dc_;
  int saved_;
};

class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) GlobalUnlock(block_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// An open clipboard, closed again by the destructor.
class OpenClipboardScope {
 public:
  OpenClipboardScope(HWND owner, int attempts, DWORD pauseMs) {
    for (int i = 0; i < attempts && !open_; ++i) {
      if (i > 0) Sleep(pauseMs);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace zemu
