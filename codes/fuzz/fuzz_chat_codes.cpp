// libFuzzer target: any bytes through both composer functions, checked against
// a plain character-by-character reading of the rules.
#include "codes/chat_codes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string ReferenceClipboardForm(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (text.size() - i >= 2) {
    if (text[i] == '\r' && text[i + 1] == '\n') {
      i += 2;
    } else if (static_cast<unsigned char>(text[i]) >= 0x80) {
      out += text[i];
      out += text[i + 1];
      i += 2;
    } else {
      out += text[i];
      i += 1;
    }
  }
  out.append(text, i, std::string::npos);
  return out;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy sized exactly, so that any read past the end is caught by ASan.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const char* bytes = size ? input.data() : nullptr;
  const zemu::ComposedCodes codes = zemu::ComposeCodes(bytes, size);
  Check(codes.kvalue == "[kvalue:z;" + input + ";perc]");
  Check(codes.where == "[where:" + input + "]");
  Check(zemu::ToClipboardForm(bytes, size) == ReferenceClipboardForm(input));
  Check(zemu::ToClipboardForm(codes.kvalue) == ReferenceClipboardForm(codes.kvalue));
  Check(zemu::ToClipboardForm(codes.where) == ReferenceClipboardForm(codes.where));
  return 0;
}
