#include "design_check.h"

#include <gtest/gtest.h>

#include "window_basics.h"

namespace wine_test {

void ExpectControl(HWND window, const ExpectedControl& control) {
  HWND child = GetDlgItem(window, control.id);
  ASSERT_NE(child, nullptr) << "control " << control.id;
  EXPECT_EQ(lstrcmpiW(ClassName(child).c_str(), control.className), 0)
      << "control " << control.id << " is a " << Utf8(ClassName(child));
  EXPECT_EQ(PlaceOf(child), (Place{control.left, control.top, control.width, control.height}))
      << "control " << control.id;
  if (control.text) {
    EXPECT_EQ(Utf8(WindowText(child)), Utf8(Wide(control.text))) << "control " << control.id;
  }
  EXPECT_EQ(IsWindowVisible(child) != FALSE, control.visible) << "control " << control.id;
  EXPECT_EQ(IsWindowEnabled(child) != FALSE, control.enabled) << "control " << control.id;
}

void ExpectApartWithin(HWND window, int containerId, std::initializer_list<int> ids) {
  const RECT container = PlaceInWindow(GetDlgItem(window, containerId));
  for (auto first = ids.begin(); first != ids.end(); ++first) {
    const RECT place = PlaceInWindow(GetDlgItem(window, *first));
    RECT common;
    EXPECT_TRUE(IntersectRect(&common, &place, &container) && EqualRect(&common, &place))
        << "control " << *first << " leaves " << containerId;
    for (auto second = first + 1; second != ids.end(); ++second) {
      const RECT other = PlaceInWindow(GetDlgItem(window, *second));
      EXPECT_FALSE(IntersectRect(&common, &place, &other))
          << "controls " << *first << " and " << *second << " overlap";
    }
  }
}

void ExpectWindowFrame(HWND window, int width, int height) {
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.right - frame.left, width);
  EXPECT_EQ(frame.bottom - frame.top, height);
  // Centred in the work area, which leaves the taskbar free.
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(frame.left, work.left + (work.right - work.left - width) / 2);
  EXPECT_EQ(frame.top, work.top + (work.bottom - work.top - height) / 2);
  LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace wine_test
