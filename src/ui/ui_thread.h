// The user-interface thread owns every window. Work from the background worker that changes
// a window is handed to it as a message to the main window, which runs the work in the order
// it was sent.
#pragma once

#include <windows.h>

#include <functional>

namespace memo::ui {

// Called once by the thread that will own every window, before any window exists.
void BecomeUiThread();

// The window whose message queue carries the work; nullptr once it is gone, after which
// work is dropped instead of waiting for a queue that no longer runs.
void SetUiWorkWindow(HWND window);
bool OnUiThread();

// Runs the work on the user-interface thread: at once when called there, otherwise later,
// behind the work sent before, without waiting.
void RunOnUi(std::function<void()> work);
// Always behind the work already queued, also when called on the user-interface thread:
// for work that must not run inside the message being handled (deleting its window's form).
void RunOnUiLater(std::function<void()> work);
// The same as RunOnUi, but waits until the work has run (or been dropped); for reading controls.
void RunOnUiAndWait(std::function<void()> work);

// The message that carries the work; the work window's procedure hands it to RunUiWork.
constexpr UINT UiWorkMessage = WM_APP + 1;
void RunUiWork(LPARAM work);

}  // namespace memo::ui
