// One running copy per program folder: the copies of one folder share its config.mdb, so a
// second start hands over to the running copy and ends. A named mutex, named after the
// folder, tells whether a copy runs; its main window is the window of the main window's
// class whose process runs from the same folder.
#pragma once

#include <windows.h>

namespace memo {

class SingleInstance {
 public:
  // Takes the folder's mutex, or finds it taken.
  SingleInstance();
  // Lets the mutex go with the process.
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // No other copy of this folder ran when this one started.
  bool First() const { return first_; }

 private:
  HANDLE mutex_;
  bool first_;
};

// The message that asks the running copy's main window to come forward.
UINT ComeForwardMessage();

// Lets the running copy of this folder take the foreground and asks its main window to come
// forward. A copy that is still starting gets a few seconds to make its window.
void WakeRunningCopy();

}  // namespace memo
