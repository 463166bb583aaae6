// Reads and writes the clipboard from a test, outside the program under test.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace zemu::testing {

// Opens the clipboard, waiting briefly while the program under test holds it.
inline bool OpenClipboardFor(HWND owner) {
  for (int i = 0; i < 50; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

struct ClipboardBytes {
  bool present = false;
  std::string bytes;
};

// The raw bytes of one format: the whole block, or up to its first zero byte.
inline ClipboardBytes ReadClipboard(UINT format, bool upToZero) {
  ClipboardBytes out;
  if (!OpenClipboardFor(nullptr)) return out;
  if (HANDLE data = GetClipboardData(format)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      const SIZE_T size = GlobalSize(data);
      out.present = true;
      out.bytes.assign(p, upToZero ? strnlen(p, size) : size);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return out;
}

inline std::string ReadClipboardText() { return ReadClipboard(CF_TEXT, true).bytes; }

// A message-only window owns the clipboard while the test writes it: an
// ownerless clipboard makes SetClipboardData fail after EmptyClipboard.
inline HWND TestClipboardOwner() {
  static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  return owner;
}

inline void WriteClipboardText(const std::string& text) {
  if (!OpenClipboardFor(TestClipboardOwner())) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
}

}  // namespace zemu::testing
