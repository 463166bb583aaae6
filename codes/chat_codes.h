// Builds the two chat codes around the player's text and the form of a code
// that goes on the clipboard. Pure byte-string logic: no window system here.
#pragma once

#include <cstddef>
#include <string>

namespace zemu {

// Texts are byte strings in the system's ANSI code page (GBK).
using Text = std::string;

enum class CodeKind { Kvalue, Where };

struct ComposedCodes {
  Text kvalue;
  Text where;
};

// The code of one kind: prefix, the input unchanged, suffix. A null input with
// length 0 counts as the empty text.
Text ComposeCode(CodeKind kind, const char* input, std::size_t length);

// Both codes of one input.
ComposedCodes ComposeCodes(const char* input, std::size_t length);

// The code with every CR LF pair removed. A byte of 0x80 or above starts a
// double-byte character, which is never split to look for a pair.
Text ToClipboardForm(const char* text, std::size_t length);

inline ComposedCodes ComposeCodes(const Text& input) {
  return ComposeCodes(input.data(), input.size());
}
inline Text ToClipboardForm(const Text& text) {
  return ToClipboardForm(text.data(), text.size());
}

}  // namespace zemu
