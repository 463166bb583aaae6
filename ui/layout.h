// The main window's layout: constant data from which the window and its
// controls are built. Other code addresses controls by their layout names.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zemu {

enum class ControlKind { EditBox, Label, SliderBar, GroupBox, PicBox };

enum class EventKind { None, Created, TextChanged, LeftButtonReleased, LostFocus, PositionChanged };

enum class Handler { None, OnWindowCreated, OnInputChanged, OnCodeFieldReleased, OnCodeFieldLostFocus, OnOpacityChanged };

struct EventBinding {
  EventKind event = EventKind::None;
  Handler handler = Handler::None;
};

// A fixed RGB colour, or a system colour read (GetSysColor) when it is used.
struct Colour {
  COLORREF rgb = 0;
  int systemIndex = -1;
};
constexpr Colour RgbColour(BYTE r, BYTE g, BYTE b) { return {RGB(r, g, b), -1}; }
constexpr Colour SystemColour(int index) { return {0, index}; }
COLORREF Resolve(Colour colour);

struct EditProps {
  DWORD styles = 0;  // ES_* bits besides the common ones
  int maxLength = 0;  // EM_LIMITTEXT; 0 is the platform's maximum
  Colour text;
  Colour back;
};

struct LabelProps {
  const char* caption = "";
  Colour text;
  Colour back;
};

struct SliderProps {
  int tickStyle = 2;
  int minimum = 1;
  int maximum = 10;
  int position = 1;
  int lineSize = 1;
  int pageSize = 5;
  int tickFrequency = 1;
};

struct GroupProps {
  const char* caption = "";
  Colour text;
  Colour back;
};

struct PictureProps {
  const char* resource = nullptr;  // RCDATA holding the JPEG bytes
  Colour back;
};

constexpr int kMaxEvents = 2;

struct ControlLayout {
  const char* name = nullptr;
  ControlKind kind = ControlKind::Label;
  const char* windowClass = nullptr;
  const char* parent = nullptr;  // null: the main window's client area
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  int tabIndex = 0;
  EditProps edit{};
  LabelProps label{};
  SliderProps slider{};
  GroupProps group{};
  PictureProps picture{};
  EventBinding events[kMaxEvents]{};
};

struct WindowLayout {
  const char* caption = "";
  const char* windowClass = nullptr;
  int left = 0, top = 0;  // kept in the layout; the window opens centred instead
  int width = 0, height = 0;
  DWORD style = 0;
  Colour back;
  const char* icon = nullptr;
  bool escClosesWindow = true;
  bool enterMovesFocus = false;
  bool f1OpensHelp = false;
  bool dragByAnyPoint = false;
  EventBinding events[kMaxEvents]{};
};

struct LayoutData {
  const WindowLayout* window = nullptr;
  const ControlLayout* controls = nullptr;
  std::size_t controlCount = 0;
};

// The program's own layout.
const LayoutData& MainLayout();

// Checks that a layout can be built from: every row named and classed, names
// unique, every parent naming another row, sizes not negative.
bool ReadLayout(const LayoutData& layout);

// The layout row of that name, or null.
const ControlLayout* FindLayout(const LayoutData& layout, const char* name);

// Control names (GBK), as the layout spells them.
namespace names {
inline constexpr char kInput[] = "编辑框1";
inline constexpr char kKvalueCode[] = "编辑框2";
inline constexpr char kWhereCode[] = "编辑框5";
inline constexpr char kOpacityCaption[] = "标签1";
inline constexpr char kStatus[] = "标签2";
inline constexpr char kOpacitySlider[] = "滑块条1";
inline constexpr char kGroup[] = "分组框1";
inline constexpr char kPicture[] = "图片框1";
}  // namespace names

}  // namespace zemu
