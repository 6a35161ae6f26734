// The notification-area icon: one shell record for the main window, the icon's part of the
// main window's messages (clicks on the icon, the balloon's timer, the taskbar's re-creation,
// the window's destruction), the tip and the balloons. The platform does the shell and window
// calls; this module decides what goes into the record and when. Used on the user-interface
// thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace memo {

constexpr uint32_t kTrayIconId = 1;
constexpr uint32_t kTrayCallbackMessage = 123456;
constexpr uint32_t kBalloonTimerId = 741852;

// Window messages the icon takes its part of, in the platform's numbering.
constexpr uint32_t kDestroyWindowMessage = 2;  // WM_DESTROY
constexpr uint32_t kTimerMessage = 0x113;      // WM_TIMER
constexpr int kLeftButtonDownMessage = 513;    // WM_LBUTTONDOWN

// Longest texts the shell record holds, in GBK bytes, before its terminating zero.
constexpr size_t kTipByteLimit = 127;
constexpr size_t kBalloonTextByteLimit = 255;
constexpr size_t kBalloonTitleByteLimit = 63;

constexpr uint32_t kTrayMessageFlag = 1, TrayIconFlag = 2, TrayTipFlag = 4, TrayInfoFlag = 16;
constexpr uint32_t kTrayIconFlags = kTrayMessageFlag | TrayIconFlag | TrayTipFlag;

extern const char* const kDefaultTrayTip;  // "寿辰备忘录！"

using IconHandle = uintptr_t;

// The shell's notification record as this program fills it; texts are GBK, already cut.
struct TrayRecord {
  uint32_t id = 0;
  uint32_t flags = 0;
  uint32_t callbackMessage = 0;
  IconHandle icon = 0;
  std::string tip;
  std::string balloonText;
  std::string balloonTitle;
  uint32_t balloonIcon = 0;
};

enum class TrayCommand { Add = 0, Modify = 1, Delete = 2 };

// The shell and window calls, all about the one main window.
class TrayPlatform {
 public:
  virtual ~TrayPlatform() = default;
  virtual void Notify(TrayCommand command, const TrayRecord& record) = 0;
  // An icon from the first image of an ICO file; 0 when none can be made.
  virtual IconHandle MakeIcon(const std::string& icoFile) = 0;
  // The window's own small icon; 0 when it has none.
  virtual IconHandle WindowSmallIcon() = 0;
  // A timer of the window: its messages carry the id.
  virtual void StartTimer(uint32_t id, int milliseconds) = 0;
  virtual void StopTimer(uint32_t id) = 0;
};

// Receives the mouse message of a click on the icon (WM_LBUTTONDOWN and the like).
using TrayClickHandler = std::function<void(int mouseMessage)>;

class TrayIcon {
 public:
  TrayIcon(TrayPlatform& platform, uint32_t taskbarCreatedMessage)
      : platform_(platform), taskbarCreatedMessage_(taskbarCreatedMessage) {}

  // Adds the icon; when it already is, only sets the image and the tip that are given.
  // Without an image the window's small icon serves; without one of those nothing is added.
  void Show(const std::optional<std::string>& icoFile, const std::optional<std::string>& tip,
            TrayClickHandler handler);
  void SetTip(const std::string& text);
  void ShowBalloon(const std::string& title, const std::string& text, uint32_t balloonIcon,
                   int timeoutMs, bool hideAfterTimeout);
  // Removes the icon; nothing at all when it is not shown.
  void Remove();

  enum class MessageOutcome { kPassOn, kConsumed };
  // The icon's part of one message of the main window, which its window procedure hands
  // over; kPassOn leaves the message to the window.
  MessageOutcome OnWindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

 private:
  void SetImage(const std::string& icoFile);
  void ShowBalloonRecord(const std::string& title, const std::string& text, uint32_t balloonIcon);
  void OnBalloonTimer();

  TrayPlatform& platform_;
  const uint32_t taskbarCreatedMessage_;
  TrayRecord record_;
  bool shown_ = false;
  TrayClickHandler handler_;
};

// The longest start of a GBK text that fits into maxBytes without splitting a character.
std::string CutGbkText(const std::string& text, size_t maxBytes);

}  // namespace memo
