// Reads both Windows exes as files: they import system DLLs only and stay
// under 512 KiB. Runs natively, so the 32-bit exe is checked on any host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t Read32(const Bytes& b, std::size_t at) {
  if (at + 4 > b.size()) throw std::runtime_error("read past the end");
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Read16(const Bytes& b, std::size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("read past the end");
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// The names of the DLLs in a PE file's import directory, upper-cased.
std::vector<std::string> ImportedDlls(const Bytes& file) {
  const std::uint32_t pe = Read32(file, 0x3C);
  if (Read32(file, pe) != 0x00004550) throw std::runtime_error("no PE signature");
  const std::size_t coff = pe + 4;
  const std::uint16_t sections = Read16(file, coff + 2);
  const std::uint16_t optionalSize = Read16(file, coff + 16);
  const std::size_t optional = coff + 20;
  const bool pe32plus = Read16(file, optional) == 0x20B;
  const std::size_t directories = optional + (pe32plus ? 112 : 96);
  const std::uint32_t importRva = Read32(file, directories + 8);  // entry 1: imports
  const std::size_t sectionTable = optional + optionalSize;
  auto toOffset = [&](std::uint32_t rva) -> std::size_t {
    for (std::uint16_t i = 0; i < sections; ++i) {
      const std::size_t s = sectionTable + i * 40u;
      const std::uint32_t va = Read32(file, s + 12), rawSize = Read32(file, s + 16), raw = Read32(file, s + 20);
      const std::uint32_t size = std::max(Read32(file, s + 8), rawSize);
      if (rva >= va && rva < va + size) return raw + (rva - va);
    }
    throw std::runtime_error("RVA outside every section");
  };
  std::vector<std::string> names;
  for (std::size_t d = toOffset(importRva);; d += 20) {
    const std::uint32_t nameRva = Read32(file, d + 12);
    if (nameRva == 0) break;
    std::string name;
    for (std::size_t at = toOffset(nameRva); at < file.size() && file[at] != 0; ++at) {
      name += static_cast<char>(std::toupper(file[at]));
    }
    names.push_back(name);
  }
  return names;
}

const std::set<std::string> kSystemDlls = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL",  "COMCTL32.DLL",
                                           "MSVCRT.DLL",   "ADVAPI32.DLL", "SHELL32.DLL", "OLE32.DLL"};

class Exe : public ::testing::TestWithParam<const char*> {};

TEST_P(Exe, ImportsSystemDllsOnlyAndStaysSmall) {
  const std::string path = std::string(ZEMU_BUILD_ROOT) + "/" + GetParam() + "/zemu-colortext.exe";
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path << " is missing: build the " << GetParam() << " preset first";
  const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_LT(file.size(), 512u * 1024u) << "bytes: " << file.size();
  const std::vector<std::string> dlls = ImportedDlls(file);
  EXPECT_FALSE(dlls.empty());
  for (const std::string& dll : dlls) EXPECT_TRUE(kSystemDlls.count(dll)) << "not a system DLL: " << dll;
  EXPECT_TRUE(std::count(dlls.begin(), dlls.end(), "USER32.DLL")) << "the parser found no USER32";
  std::cout << GetParam() << ": " << file.size() << " bytes, imports";
  for (const std::string& dll : dlls) std::cout << ' ' << dll;
  std::cout << '\n';
}

INSTANTIATE_TEST_SUITE_P(Builds, Exe, ::testing::Values("win32", "win64"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// A file too short to hold the headers is an error, not an empty list.
TEST(ImportParser, RejectsATruncatedFile) {
  const Bytes truncated(0x40, 0);
  EXPECT_THROW(ImportedDlls(truncated), std::runtime_error);
}

}  // namespace
