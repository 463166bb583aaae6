// Resources that outlive nothing, and a megabyte of input.
#include <iostream>

#include "tests/win/window_fixture.h"
#include "ui/opacity.h"

namespace zemu::testing {
namespace {

using Endurance = WindowTest;

bool BrushAlive(HBRUSH brush) {
  LOGBRUSH lb{};
  return GetObjectA(brush, sizeof lb, &lb) != 0;
}

TEST_F(Endurance, EachControlDeletesItsBrushWithItself) {
  std::vector<HBRUSH> brushes;
  for (const char* name : {names::kInput, names::kKvalueCode, names::kWhereCode}) {
    brushes.push_back(Edit(name).BackgroundBrush());
  }
  brushes.push_back(window_->Find<GroupBox>(names::kGroup)->BackgroundBrush());
  for (HBRUSH b : brushes) ASSERT_TRUE(BrushAlive(b));
  window_.reset();  // destroys the window and its controls
  for (HBRUSH b : brushes) EXPECT_FALSE(BrushAlive(b)) << "a brush outlived its control";
}

// GDI and USER objects of this process, as the platform counts them.
struct GuiCounts {
  DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
};

TEST_F(Endurance, PaintingCopyingAndOpacityCreateNothingThatStays) {
  HDC dc = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 320, 400);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  auto round = [&] {
    window_->PaintContent(dc, RECT{0, 0, 320, 400});
    window_->Find<Label>(names::kOpacityCaption)->PaintContent(dc, RECT{0, 0, 64, 16});
    window_->Find<PictureBox>(names::kPicture)->PaintContent(dc, RECT{0, 0, 288, 146});
    RedrawWindow(Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Click(Hwnd(names::kKvalueCode), 20, 5);
    ApplyOpacity(Main(), 100);
  };
  round();  // anything created once, on first use, is not a leak
  const GuiCounts before;
  for (int i = 0; i < 100; ++i) round();
  const GuiCounts after;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  if (before.gdi == 0 && before.user == 0) {
    GTEST_SKIP() << "this platform reports no GDI or USER object counts (GetGuiResources gives 0); "
                    "the brush test above and the RAII wrappers are the evidence here";
  }
  EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
  EXPECT_EQ(after.user, before.user) << "USER objects";
}

TEST_F(Endurance, AMegabyteOfInputIsComposedAndCopiedWhole) {
  std::string input;
  const std::size_t size = 1u << 20;
  // Whole characters only: an edit field cannot keep a lone lead byte at its end.
  const std::string unit = "abc\xB2\xCA\xD7\xD6\r\n";
  while (input.size() + unit.size() <= size) input += unit;
  // <chrono> cannot be compiled to GBK (it spells "µs"): the counter serves.
  LARGE_INTEGER frequency, start, composed, copied;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  Edit(names::kInput).SetText(input);  // program writes are not cut to 370
  QueryPerformanceCounter(&composed);
  Click(Hwnd(names::kWhereCode), 20, 5);
  QueryPerformanceCounter(&copied);
  EXPECT_EQ(Edit(names::kKvalueCode).GetText().size(), input.size() + 16);
  EXPECT_EQ(Edit(names::kWhereCode).GetText(), "[where:" + input + "]");
  EXPECT_EQ(ReadClipboardText(), ToClipboardForm("[where:" + input + "]"));
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0) << "the window answers";
  auto ms = [&](const LARGE_INTEGER& a, const LARGE_INTEGER& b) {
    return (b.QuadPart - a.QuadPart) * 1000 / frequency.QuadPart;
  };
  std::cout << "1 MiB input: both codes in " << ms(start, composed) << " ms, copy in " << ms(composed, copied)
            << " ms\n";
}

}  // namespace
}  // namespace zemu::testing
