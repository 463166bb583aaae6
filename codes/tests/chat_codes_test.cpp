// Built natively and into the Windows test programs: the composer must agree
// byte for byte on every build.
#include "codes/chat_codes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zemu {
namespace {

using std::string;

// "Quindo彩字生成器" as GBK bytes, spelled out so that every build sees the same input.
const string kDefaultText = "Quindo\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7";

struct ComposerCase {
  const char* name;
  string input;
  string kvalue;
  string where;
  string kvalueClipboard;
  string whereClipboard;
};

const ComposerCase kComposerCases[] = {
    {"Empty", "", "[kvalue:z;;perc]", "[where:]", "[kvalue:z;;perc]", "[where:]"},
    {"TwoLines", "a\r\nb", "[kvalue:z;a\r\nb;perc]", "[where:a\r\nb]", "[kvalue:z;ab;perc]", "[where:ab]"},
    {"EndsWithLineBreak", "ab\r\n", "[kvalue:z;ab\r\n;perc]", "[where:ab\r\n]", "[kvalue:z;ab;perc]", "[where:ab]"},
    {"StartsWithLineBreak", "\r\nab", "[kvalue:z;\r\nab;perc]", "[where:\r\nab]", "[kvalue:z;ab;perc]", "[where:ab]"},
    {"OnlyLineBreaks", "\r\n\r\n", "[kvalue:z;\r\n\r\n;perc]", "[where:\r\n\r\n]", "[kvalue:z;;perc]", "[where:]"},
    {"LoneLf", "a\nb", "[kvalue:z;a\nb;perc]", "[where:a\nb]", "[kvalue:z;a\nb;perc]", "[where:a\nb]"},
    {"LoneCr", "a\rb", "[kvalue:z;a\rb;perc]", "[where:a\rb]", "[kvalue:z;a\rb;perc]", "[where:a\rb]"},
    {"LfCrIsNoPair", "\n\r", "[kvalue:z;\n\r;perc]", "[where:\n\r]", "[kvalue:z;\n\r;perc]", "[where:\n\r]"},
    {"NoNewPairAfterRemoval", "\r\r\n\n", "[kvalue:z;\r\r\n\n;perc]", "[where:\r\r\n\n]", "[kvalue:z;\r\n;perc]",
     "[where:\r\n]"},
    {"BracketsStay", "x]y", "[kvalue:z;x]y;perc]", "[where:x]y]", "[kvalue:z;x]y;perc]", "[where:x]y]"},
    {"SemicolonsStay", ";perc][where:", "[kvalue:z;;perc][where:;perc]", "[where:;perc][where:]",
     "[kvalue:z;;perc][where:;perc]", "[where:;perc][where:]"},
    {"DefaultText", kDefaultText, "[kvalue:z;" + kDefaultText + ";perc]", "[where:" + kDefaultText + "]",
     "[kvalue:z;" + kDefaultText + ";perc]", "[where:" + kDefaultText + "]"},
    // A CR as the trail byte of a double-byte character is not a line break.
    {"CrAsTrailByte", "\x81\r\nz", "[kvalue:z;\x81\r\nz;perc]", "[where:\x81\r\nz]", "[kvalue:z;\x81\r\nz;perc]",
     "[where:\x81\r\nz]"},
    // Two high bytes pair up, so the CR after them starts a character.
    {"CrAfterWholeCharacter", "\xB2\xCA\r\nz", "[kvalue:z;\xB2\xCA\r\nz;perc]", "[where:\xB2\xCA\r\nz]",
     "[kvalue:z;\xB2\xCAz;perc]", "[where:\xB2\xCAz]"},
    {"ZeroBytesPass", string("a\0b", 3), string("[kvalue:z;a\0b;perc]", 19), string("[where:a\0b]", 11),
     string("[kvalue:z;a\0b;perc]", 19), string("[where:a\0b]", 11)},
};

// Test names and failure messages show the case's name, not its bytes.
void PrintTo(const ComposerCase& c, std::ostream* os) { *os << c.name; }

class ComposerTable : public ::testing::TestWithParam<ComposerCase> {};

TEST_P(ComposerTable, CodesAndClipboardForms) {
  const ComposerCase& c = GetParam();
  const ComposedCodes codes = ComposeCodes(c.input);
  EXPECT_EQ(codes.kvalue, c.kvalue);
  EXPECT_EQ(codes.where, c.where);
  EXPECT_EQ(codes.kvalue.size(), 16 + c.input.size());
  EXPECT_EQ(codes.where.size(), 8 + c.input.size());
  EXPECT_EQ(ToClipboardForm(codes.kvalue), c.kvalueClipboard);
  EXPECT_EQ(ToClipboardForm(codes.where), c.whereClipboard);
  EXPECT_EQ(ComposeCode(CodeKind::Kvalue, c.input.data(), c.input.size()), c.kvalue);
  EXPECT_EQ(ComposeCode(CodeKind::Where, c.input.data(), c.input.size()), c.where);
}

INSTANTIATE_TEST_SUITE_P(Composer, ComposerTable, ::testing::ValuesIn(kComposerCases),
                         [](const ::testing::TestParamInfo<ComposerCase>& info) { return string(info.param.name); });

// Clipboard form of raw texts that no code would produce: ends of the text.
struct ClipboardCase {
  const char* name;
  string text;
  string expected;
};

const ClipboardCase kClipboardCases[] = {
    {"Empty", "", ""},
    {"LoneLeadByteAtEnd", "ab\xB2", "ab\xB2"},
    {"LeadByteBeforeFinalCr", "\xB2\r", "\xB2\r"},
    {"OnlyCrLf", "\r\n", ""},
    {"CrAtEnd", "ab\r", "ab\r"},
    {"LfAtStart", "\nab", "\nab"},
    {"LeadByteSwallowsCr", "\xB2\r\n", "\xB2\r\n"},
    {"OddRunBeforeCr", "\xB2\xCA\xB2\r\nx", "\xB2\xCA\xB2\r\nx"},
    {"EvenRunAfterRemovedPair", "\r\n\xB2\xCA\r\n", "\xB2\xCA"},
    {"HighTrailThenPair", "\x81\x81\r\n", "\x81\x81"},
    {"AdjacentPairs", "\r\n\r\n\r\n", ""},
};

void PrintTo(const ClipboardCase& c, std::ostream* os) { *os << c.name; }

class ClipboardTable : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardTable, RemovesOnlyWholePairs) {
  EXPECT_EQ(ToClipboardForm(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Composer, ClipboardTable, ::testing::ValuesIn(kClipboardCases),
                         [](const ::testing::TestParamInfo<ClipboardCase>& info) { return string(info.param.name); });

TEST(Composer, NullInputIsEmpty) {
  const ComposedCodes codes = ComposeCodes(nullptr, 0);
  EXPECT_EQ(codes.kvalue, "[kvalue:z;;perc]");
  EXPECT_EQ(codes.where, "[where:]");
  EXPECT_EQ(ToClipboardForm(nullptr, 0), "");
}

// Reads nothing past the given length: the bytes behind it would form a pair.
TEST(Composer, StopsAtExplicitLength) {
  const char buffer[] = "ab\r\n";
  EXPECT_EQ(ToClipboardForm(buffer, 3), "ab\r");
  EXPECT_EQ(ComposeCodes(buffer, 2).where, "[where:ab]");
}

TEST(Composer, MegabytesOfText) {
  string input;
  for (int i = 0; i < (1 << 20) / 8; ++i) input += "\xB2\xCA" "ab\r\n\xC6\xF7";
  const ComposedCodes codes = ComposeCodes(input);
  ASSERT_EQ(codes.kvalue.size(), input.size() + 16);
  const string form = ToClipboardForm(codes.kvalue);
  EXPECT_EQ(form.size(), codes.kvalue.size() - 2 * static_cast<size_t>((1 << 20) / 8));
  EXPECT_EQ(form.find("\r\n"), string::npos);
  EXPECT_EQ(form.substr(0, 20), "[kvalue:z;\xB2\xCA" "ab\xC6\xF7\xB2\xCA" "ab");
}

}  // namespace
}  // namespace zemu
