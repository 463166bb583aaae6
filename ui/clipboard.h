// Puts a text on the clipboard as CF_TEXT.
#pragma once

#include <windows.h>

#include "codes/chat_codes.h"

namespace zemu {

// How long a copy waits for a clipboard that another program holds open.
inline constexpr int kClipboardOpenAttempts = 10;
inline constexpr DWORD kClipboardRetryPauseMs = 10;

// Places the text's bytes and one zero byte as CF_TEXT, and CF_LOCALE naming
// the locale of the system's ANSI code page. True only if CF_TEXT is on the
// clipboard afterwards; on failure the previous content stays.
bool PutTextOnClipboard(HWND owner, const Text& text);

}  // namespace zemu
