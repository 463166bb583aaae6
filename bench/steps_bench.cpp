// Times the program's start-up step by step inside one process, with the same
// code the exe runs, and two handlers next to a plain WM_SETTEXT.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "assets/resource.h"
#include "ui/jpeg_image.h"
#include "ui/main_window.h"

namespace {

using zemu::EditBox;
using zemu::MainWindow;

LARGE_INTEGER g_frequency;

double NowMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart * 1000.0 / g_frequency.QuadPart;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double MedianOf(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = NowMs();
    work();
    times.push_back(NowMs() - start);
  }
  return Median(times);
}

void Drain() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) DispatchMessageA(&msg);
  }
}

void Row(const char* what, double ms, double baseline = -1) {
  if (baseline > 0) {
    std::printf("| %s | %.3f ms | %.3f ms | %.2f |\n", what, ms, baseline, ms / baseline);
  } else {
    std::printf("| %s | %.3f ms | | |\n", what, ms);
  }
}

}  // namespace

int main() {
  QueryPerformanceFrequency(&g_frequency);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  constexpr int kRuns = 20;

  // The layout without its created event, so that each step can be timed alone.
  zemu::WindowLayout windowLayout = *zemu::MainLayout().window;
  windowLayout.events[0] = {};
  zemu::LayoutData layout = zemu::MainLayout();
  layout.window = &windowLayout;

  HRSRC found = FindResourceA(instance, zemu::kPictureName, MAKEINTRESOURCEA(10));
  const void* jpeg = LockResource(LoadResource(instance, found));
  const DWORD jpegSize = SizeofResource(instance, found);
  const double decode = MedianOf(kRuns, [&] {
    zemu::DibImage image;
    zemu::DecodeJpeg(jpeg, jpegSize, &image);
  });

  std::vector<double> build, created, show, paint;
  for (int i = 0; i < kRuns + 1; ++i) {
    double t = NowMs();
    auto window = std::make_unique<MainWindow>(layout);
    window->Create(instance);
    const double built = NowMs();
    window->OnWindowCreated();
    const double handled = NowMs();
    ShowWindow(window->hwnd(), SW_SHOW);
    const double shown = NowMs();
    UpdateWindow(window->hwnd());
    RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double painted = NowMs();
    if (i > 0) {  // the first run also registers the classes
      build.push_back(built - t);
      created.push_back(handled - built);
      show.push_back(shown - handled);
      paint.push_back(painted - shown);
    }
    window.reset();
    Drain();
  }

  // Handlers against a plain WM_SETTEXT of the same text into a bare edit field.
  MainWindow window(zemu::MainLayout());
  window.Create(instance);
  ShowWindow(window.hwnd(), SW_SHOW);
  Drain();
  HWND plainParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, instance, nullptr);
  HWND plainMulti = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                                    288, 93, plainParent, nullptr, instance, nullptr);
  HWND plainSingle = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL | ES_READONLY, 0, 0, 288, 20,
                                     plainParent, nullptr, instance, nullptr);
  std::string input;
  while (input.size() < 370) input += "ab\xB2\xCA";
  input.resize(370);
  window.Find<EditBox>(zemu::names::kInput)->SetText(input);
  const double onInput = MedianOf(200, [&] { window.OnInputChanged(); });
  const double setInput = MedianOf(200, [&] { SendMessageA(plainMulti, WM_SETTEXT, 0, (LPARAM)input.c_str()); });
  EditBox& code = *window.Find<EditBox>(zemu::names::kWhereCode);
  const std::string codeText = code.GetText();
  const double copy = MedianOf(200, [&] { window.OnCodeFieldReleased(code, code.TextColour()); });
  const double setCode = MedianOf(200, [&] { SendMessageA(plainSingle, WM_SETTEXT, 0, (LPARAM)codeText.c_str()); });
  DestroyWindow(plainParent);

  std::printf("| in-process step (median) | ours | WM_SETTEXT | ratio |\n|---|---|---|---|\n");
  Row("decoding the picture (part of building)", decode);
  Row("building the window and its controls", Median(build));
  Row("OnWindowCreated", Median(created));
  Row("showing", Median(show));
  Row("first paint", Median(paint));
  Row("OnInputChanged, 370-byte input", onInput, setInput);
  Row("copy of a code (OnCodeFieldReleased)", copy, setCode);
  return 0;
}
