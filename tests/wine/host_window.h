// A plain top-level window of the driver's own, to hold a part of the program tested inside
// the driver (the picture box, the report view). The calling thread becomes the parts'
// user-interface thread: work handed to it from other threads runs when the test pumps
// messages.
#pragma once

#include <windows.h>

namespace wine_test {

// Shown at this place on the screen, in the foreground.
HWND HostWindow(const wchar_t* title, const RECT& place);

}  // namespace wine_test
