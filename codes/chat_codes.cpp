#include "codes/chat_codes.h"

#include <cstdint>
#include <cstring>

namespace zemu {
namespace {

struct Affixes {
  const char* prefix;
  std::size_t prefixLength;
  const char* suffix;
  std::size_t suffixLength;
};

constexpr char kKvaluePrefix[] = "[kvalue:z;";
constexpr char kKvalueSuffix[] = ";perc]";
constexpr char kWherePrefix[] = "[where:";
constexpr char kWhereSuffix[] = "]";

constexpr Affixes AffixesOf(CodeKind kind) {
  return kind == CodeKind::Kvalue
             ? Affixes{kKvaluePrefix, sizeof kKvaluePrefix - 1, kKvalueSuffix, sizeof kKvalueSuffix - 1}
             : Affixes{kWherePrefix, sizeof kWherePrefix - 1, kWhereSuffix, sizeof kWhereSuffix - 1};
}

constexpr char kCr = '\r';
constexpr char kLf = '\n';

inline bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Steps back over the run of bytes >= 0x80 that ends right before `p`, eight
// bytes at a time while whole words are high, never before `floor`.
const char* StartOfHighRun(const char* floor, const char* p) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  while (p - floor >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p - 8, sizeof word);
    if ((word & kHighBits) != kHighBits) break;
    p -= 8;
  }
  while (p > floor && IsHigh(p[-1])) --p;
  return p;
}

}  // namespace

Text ComposeCode(CodeKind kind, const char* input, std::size_t length) {
  if (input == nullptr) length = 0;
  const Affixes a = AffixesOf(kind);
  Text code;
  code.reserve(a.prefixLength + length + a.suffixLength);
  code.append(a.prefix, a.prefixLength);
  if (length != 0) code.append(input, length);
  code.append(a.suffix, a.suffixLength);
  return code;
}

ComposedCodes ComposeCodes(const char* input, std::size_t length) {
  return {ComposeCode(CodeKind::Kvalue, input, length), ComposeCode(CodeKind::Where, input, length)};
}

// Jumps from CR to CR instead of walking every character: a CR at p is the
// trail byte of a double-byte character exactly when the run of bytes >= 0x80
// right before p has odd length (the byte before that run, being < 0x80, always
// ends a character, so the run starts on a character boundary and pairs up).
Text ToClipboardForm(const char* text, std::size_t length) {
  Text out;
  if (text == nullptr || length == 0) return out;
  out.resize(length);
  char* write = &out[0];
  const char* const end = text + length;
  const char* copied = text;  // bytes before this are already written
  const char* scan = text;
  while (scan + 1 < end) {
    const char* cr = static_cast<const char*>(std::memchr(scan, kCr, static_cast<std::size_t>(end - 1 - scan)));
    if (cr == nullptr) break;
    if (cr[1] != kLf) {
      scan = cr + 1;
      continue;
    }
    // A run that reaches back to `copied` still starts on a boundary: `copied`
    // is the text's start or follows a removed LF.
    if (((cr - StartOfHighRun(copied, cr)) & 1) != 0) {
      scan = cr + 1;  // this CR is a trail byte; its LF starts a character
      continue;
    }
    const std::size_t n = static_cast<std::size_t>(cr - copied);
    std::memcpy(write, copied, n);
    write += n;
    copied = scan = cr + 2;
  }
  const std::size_t n = static_cast<std::size_t>(end - copied);
  std::memcpy(write, copied, n);
  write += n;
  out.resize(static_cast<std::size_t>(write - out.data()));
  return out;
}

}  // namespace zemu
