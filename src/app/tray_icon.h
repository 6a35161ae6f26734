// The notification-area icon: one shell record for the main window, the tip and the
// balloons, the balloon's timer and the taskbar's re-creation. The platform does the shell and
// window calls; this module decides what goes into the record and when. Used on the
// user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace memo {

// The main window has one icon, so any id serves.
constexpr uint32_t kTrayIconId = 1;
// A timer of the main window: any number that none of its other timers takes.
constexpr uint32_t kBalloonTimerId = 741852;

// Longest texts the shell record holds, before its terminating zero: its fields are 128, 256
// and 64 UTF-16 units, and a text of N bytes never takes more than N units (four bytes make
// at most two), so a text cut here at a character's end always fits whole.
constexpr size_t kTipByteLimit = 127;
constexpr size_t kBalloonTextByteLimit = 255;
constexpr size_t kBalloonTitleByteLimit = 63;

// Which fields of the record count, in the shell's numbering (NIF_MESSAGE, NIF_ICON, NIF_TIP,
// NIF_INFO), which the platform checks against the shell's header.
constexpr uint32_t kTrayMessageFlag = 1, kTrayIconFlag = 2, kTrayTipFlag = 4, kTrayInfoFlag = 16;
constexpr uint32_t kTrayIconFlags = kTrayMessageFlag | kTrayIconFlag | kTrayTipFlag;

extern const char* const kDefaultTrayTip;  // "寿辰备忘录！"

using IconHandle = uintptr_t;

// The shell's notification record as this program fills it; texts are GBK, already cut.
struct TrayRecord {
  uint32_t id = 0;
  uint32_t flags = 0;
  IconHandle icon = 0;
  std::string tip;
  std::string balloonText;
  std::string balloonTitle;
  uint32_t balloonIcon = 0;
};

enum class TrayCommand { kAdd, kModify, kDelete };

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

class TrayIcon {
 public:
  explicit TrayIcon(TrayPlatform& platform) : platform_(platform) {}

  // Adds the icon; when it already is, only sets the image and the tip that are given.
  // Without an image the window's small icon serves; without one of those nothing is added.
  void Show(const std::optional<std::string>& icoFile, const std::optional<std::string>& tip);
  void SetTip(const std::string& text);
  void ShowBalloon(const std::string& title, const std::string& text, uint32_t balloonIcon,
                   int timeoutMs, bool hideAfterTimeout);
  // Removes the icon; nothing at all when it is not shown.
  void Remove();
  // A timer of the window has fired: the balloon's takes the balloon away. False when the
  // timer is another's.
  bool OnTimer(uint32_t id);
  // The taskbar was made anew and knows no icon: the shown one is added again as it stands.
  void OnTaskbarCreated();

 private:
  void SetImage(const std::string& icoFile);
  void ShowBalloonRecord(const std::string& title, const std::string& text, uint32_t balloonIcon);

  TrayPlatform& platform_;
  TrayRecord record_;
  bool shown_ = false;
};

// The longest start of a GBK text that fits into maxBytes without splitting a character.
std::string CutGb18030Text(const std::string& text, size_t maxBytes);

}  // namespace memo
