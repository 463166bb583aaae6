#include "ui/clipboard.h"

#include <cstring>

#include "ui/win_handles.h"

namespace zemu {
namespace {

UniqueGlobal MakeBlock(const void* data, std::size_t size, std::size_t blockSize) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize));
  if (!block) return block;
  GlobalLockScope lock(block.get());
  if (lock.data() == nullptr) return UniqueGlobal();
  if (size != 0) std::memcpy(lock.data(), data, size);
  return block;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const Text& text) {
  // Everything is allocated before the clipboard is emptied, so that a failed
  // allocation leaves the previous content in place. GMEM_ZEROINIT supplies
  // the terminating zero byte.
  UniqueGlobal textBlock = MakeBlock(text.data(), text.size(), text.size() + 1);
  if (!textBlock) return false;
  // Without CF_LOCALE, Windows stamps the current keyboard language on the
  // text, and readers that convert it to Unicode pick the wrong code page.
  // https://learn.microsoft.com/windows/win32/dataxchg/standard-clipboard-formats
  const LCID locale = GetSystemDefaultLCID();
  UniqueGlobal localeBlock = MakeBlock(&locale, sizeof locale, sizeof locale);

  // "If an application calls OpenClipboard with hwnd set to NULL, EmptyClipboard
  // sets the clipboard owner to NULL; this causes SetClipboardData to fail."
  // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-openclipboard
  // Other programs often hold the clipboard for a few milliseconds: retry briefly.
  OpenClipboardScope clipboard(owner, kClipboardOpenAttempts, kClipboardRetryPauseMs);
  if (!clipboard) return false;
  if (!EmptyClipboard()) return false;
  if (SetClipboardData(CF_TEXT, textBlock.get()) == nullptr) return false;  // the block is freed with textBlock
  textBlock.release();  // the clipboard owns it now
  if (localeBlock && SetClipboardData(CF_LOCALE, localeBlock.get()) != nullptr) localeBlock.release();
  return true;
}

}  // namespace zemu
