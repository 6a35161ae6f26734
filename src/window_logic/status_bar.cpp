#include "window_logic/status_bar.h"

#include "datetime/date_time.h"

namespace memo {

std::string RecordCountText(int friendCount) {
  return "当前记录数：" + NumberToText(friendCount);
}

void ShowRecordCount(int friendCount, StatusBar& status) {
  status.SetPartText(kRecordCountPart, RecordCountText(friendCount));
}

}  // namespace memo
