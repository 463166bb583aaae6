// Starts our exe and the bare window in turn, A B A B, and reports the median
// time until the window is built, shown and idle, and the peak working set.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
  double ms;
  double peakKiB;
};

std::string Beside(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path);
  return p.substr(0, p.find_last_of("\\/") + 1) + name;
}

struct Closer {
  DWORD pid;
};

BOOL CALLBACK CloseWindowsOf(HWND hwnd, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == reinterpret_cast<Closer*>(param)->pid && IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  return TRUE;
}

bool Run(const std::string& exe, Sample* sample) {
  LARGE_INTEGER frequency, start, idle;
  QueryPerformanceFrequency(&frequency);
  std::string command = "\"" + exe + "\"";
  STARTUPINFOA si{sizeof si};
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  WaitForInputIdle(pi.hProcess, 20000);
  QueryPerformanceCounter(&idle);
  Sleep(100);  // let the first paint finish before reading the peak
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
  Closer closer{pi.dwProcessId};
  EnumWindows(CloseWindowsOf, reinterpret_cast<LPARAM>(&closer));
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  sample->ms = (idle.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
  sample->peakKiB = counters.PeakWorkingSetSize / 1024.0;
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::string ours = Beside("zemu-colortext.exe");
  const std::string bare = Beside("bare-window.exe");
  std::vector<double> oursMs, bareMs, oursKiB, bareKiB;
  Sample s{};
  Run(ours, &s);  // warm the caches of both before measuring
  Run(bare, &s);
  for (int i = 0; i < runs; ++i) {
    if (!Run(ours, &s)) return 1;
    oursMs.push_back(s.ms);
    oursKiB.push_back(s.peakKiB);
    if (!Run(bare, &s)) return 1;
    bareMs.push_back(s.ms);
    bareKiB.push_back(s.peakKiB);
  }
  const double ms = Median(oursMs), baseMs = Median(bareMs);
  const double kib = Median(oursKiB), baseKiB = Median(bareKiB);
  std::printf("| start until idle (median of %d) | %.1f ms | %.1f ms | %.3f |\n", runs, ms, baseMs, ms / baseMs);
  std::printf("| peak working set (median of %d) | %.0f KiB | %.0f KiB | %.3f |\n", runs, kib, baseKiB, kib / baseKiB);
  return 0;
}
