// The user-interface thread owns every window. Work from other threads that changes a window
// is handed to it as a message to a hidden window of its own, which runs the work in the
// order it was sent. This is the program's one way across to that thread.
#pragma once

#include <functional>

namespace memo::ui {

// Called once by the thread that will own every window, before any window exists. False, once
// reported, when the window the work goes through could not be made: no work would run.
bool BecomeUiThread();
// On the user-interface thread, as the program ends: work still queued is dropped, and so is
// work sent later, so that nobody waits for a queue that no longer runs.
void EndUiWork();
bool OnUiThread();

// Runs the work on the user-interface thread: at once when called there, otherwise later,
// behind the work sent before, without waiting.
void RunOnUi(std::function<void()> work);
// Always behind the work already queued, also when called on the user-interface thread:
// for work that must not run inside the message being handled (deleting its window's form).
void RunOnUiLater(std::function<void()> work);
// The same as RunOnUi, but waits until the work has run (or been dropped); for reading controls.
void RunOnUiAndWait(std::function<void()> work);

}  // namespace memo::ui
