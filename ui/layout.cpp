#include "ui/layout.h"

#include <commctrl.h>

#include <cstring>

#include "assets/resource.h"

namespace zemu {

COLORREF Resolve(Colour colour) {
  return colour.systemIndex >= 0 ? GetSysColor(colour.systemIndex) : colour.rgb;
}

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr Colour kWhite = RgbColour(255, 255, 255);
constexpr Colour kBlack = RgbColour(0, 0, 0);
constexpr Colour kButtonFace = SystemColour(COLOR_BTNFACE);

const WindowLayout kWindow{
    .caption = "ZEMU彩字生成器",
    .windowClass = "ZemuColorTextWindow",
    .left = 50,
    .top = 50,
    .width = 327,
    .height = 420,
    .style = kWindowStyle,
    .back = kButtonFace,
    .icon = kIconName,
    .escClosesWindow = true,
    .enterMovesFocus = false,
    .f1OpensHelp = false,
    .dragByAnyPoint = false,
    .events = {{EventKind::Created, Handler::OnWindowCreated}},
};

constexpr char kLabelClass[] = "ZemuLabel";
constexpr char kPictureClass[] = "ZemuPicture";

const ControlLayout kControls[] = {
    {.name = names::kWhereCode, .kind = ControlKind::EditBox, .windowClass = "EDIT", .parent = names::kGroup,
     .left = 11, .top = 149, .width = 288, .height = 20, .tabStop = true,
     .edit = {.styles = ES_AUTOHSCROLL | ES_READONLY, .maxLength = 0, .text = RgbColour(215, 95, 219), .back = kWhite},
     .events = {{EventKind::LeftButtonReleased, Handler::OnCodeFieldReleased},
                {EventKind::LostFocus, Handler::OnCodeFieldLostFocus}}},
    {.name = names::kStatus, .kind = ControlKind::Label, .windowClass = kLabelClass, .parent = names::kGroup,
     .left = 11, .top = 345, .width = 160, .height = 18,
     .label = {.caption = "", .text = RgbColour(255, 0, 0), .back = kButtonFace}},
    {.name = names::kKvalueCode, .kind = ControlKind::EditBox, .windowClass = "EDIT", .parent = names::kGroup,
     .left = 11, .top = 122, .width = 288, .height = 20, .tabStop = true,
     .edit = {.styles = ES_AUTOHSCROLL | ES_READONLY, .maxLength = 0, .text = RgbColour(5, 200, 215), .back = kWhite},
     .events = {{EventKind::LeftButtonReleased, Handler::OnCodeFieldReleased},
                {EventKind::LostFocus, Handler::OnCodeFieldLostFocus}}},
    {.name = names::kOpacityCaption, .kind = ControlKind::Label, .windowClass = kLabelClass, .parent = names::kGroup,
     .left = 233, .top = 356, .width = 64, .height = 16,
     .label = {.caption = "透明度调节", .text = kBlack, .back = kButtonFace}},
    {.name = names::kInput, .kind = ControlKind::EditBox, .windowClass = "EDIT", .parent = names::kGroup,
     .left = 11, .top = 15, .width = 288, .height = 93, .tabStop = true,
     .edit = {.styles = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, .maxLength = 370, .text = kBlack, .back = kWhite},
     .events = {{EventKind::TextChanged, Handler::OnInputChanged}}},
    {.name = names::kOpacitySlider, .kind = ControlKind::SliderBar, .windowClass = TRACKBAR_CLASSA,
     .parent = names::kGroup, .left = 183, .top = 331, .width = 118, .height = 32, .tabStop = true,
     .slider = {.tickStyle = 0, .minimum = 1, .maximum = 10, .position = 1, .lineSize = 1, .pageSize = 5,
                .tickFrequency = 1},
     .events = {{EventKind::PositionChanged, Handler::OnOpacityChanged}}},
    {.name = names::kGroup, .kind = ControlKind::GroupBox, .windowClass = "BUTTON", .parent = nullptr,
     .left = 5, .top = 6, .width = 310, .height = 380,
     .group = {.caption = "", .text = kBlack, .back = kButtonFace}},
    {.name = names::kPicture, .kind = ControlKind::PicBox, .windowClass = kPictureClass, .parent = names::kGroup,
     .left = 11, .top = 178, .width = 288, .height = 146,
     .picture = {.resource = kPictureName, .back = kButtonFace}},
};

const LayoutData kLayout{&kWindow, kControls, sizeof kControls / sizeof kControls[0]};

bool ValidKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox:
    case ControlKind::Label:
    case ControlKind::SliderBar:
    case ControlKind::GroupBox:
    case ControlKind::PicBox:
      return true;
  }
  return false;
}

}  // namespace

const LayoutData& MainLayout() { return kLayout; }

const ControlLayout* FindLayout(const LayoutData& layout, const char* name) {
  if (name == nullptr) return nullptr;
  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const char* n = layout.controls[i].name;
    if (n != nullptr && std::strcmp(n, name) == 0) return &layout.controls[i];
  }
  return nullptr;
}

bool ReadLayout(const LayoutData& layout) {
  const WindowLayout* w = layout.window;
  if (w == nullptr || w->caption == nullptr || w->windowClass == nullptr || w->width <= 0 || w->height <= 0) {
    return false;
  }
  if (layout.controls == nullptr || layout.controlCount == 0) return false;
  for (std::size_t i = 0; i < layout.controlCount; ++i) {
    const ControlLayout& c = layout.controls[i];
    if (c.name == nullptr || c.windowClass == nullptr || !ValidKind(c.kind)) return false;
    if (c.width < 0 || c.height < 0) return false;
    if (FindLayout(layout, c.name) != &c) return false;  // names must be unique
    if (c.parent != nullptr) {
      const ControlLayout* parent = FindLayout(layout, c.parent);
      if (parent == nullptr || parent == &c) return false;
    }
  }
  return true;
}

}  // namespace zemu
