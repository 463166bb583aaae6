// ToClipboardForm against memcpy of the same megabyte, in the same run.
#include "codes/chat_codes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 1 << 20;

// Sparse CR LF (about one per 120 bytes), the rest ASCII or GBK pairs.
std::string MakeText(bool gbkHeavy) {
  std::mt19937 rng(7);
  std::string text;
  text.reserve(kSize + 2);
  while (text.size() < kSize) {
    const unsigned r = rng() % 120;
    if (r == 0) {
      text += "\r\n";
    } else if (gbkHeavy ? r > 10 : r < 6) {
      text += static_cast<char>(0xB0 + rng() % 0x40);
      text += static_cast<char>(0xA1 + rng() % 0x5E);
    } else {
      text += static_cast<char>('a' + rng() % 26);
    }
  }
  text.resize(kSize);
  return text;
}

void BM_Memcpy(benchmark::State& state, bool gbkHeavy) {
  const std::string text = MakeText(gbkHeavy);
  std::vector<char> out(text.size());
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), text.size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ToClipboardForm(benchmark::State& state, bool gbkHeavy) {
  const std::string text = MakeText(gbkHeavy);
  for (auto _ : state) {
    std::string form = zemu::ToClipboardForm(text);
    benchmark::DoNotOptimize(form.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK_CAPTURE(BM_Memcpy, ascii, false);
BENCHMARK_CAPTURE(BM_ToClipboardForm, ascii, false);
BENCHMARK_CAPTURE(BM_Memcpy, gbk, true);
BENCHMARK_CAPTURE(BM_ToClipboardForm, gbk, true);

// Prints each run as usual, then ToClipboardForm's time over memcpy's for each text.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Plain text: scripts read these lines.
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* text : {"ascii", "gbk"}) {
      const double memcpyTime = times_[std::string("BM_Memcpy/") + text];
      const double formTime = times_[std::string("BM_ToClipboardForm/") + text];
      if (memcpyTime > 0) std::printf("ratio ToClipboardForm/memcpy, %s: %.2f\n", text, formTime / memcpyTime);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
