#include "ui/close_question_window.h"

#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace close_question_window;
using Type = ControlType;

// clang-format off
const ControlDesign kControls[] = {
  // id        type             text                       left top  width height
  {kQuestion,  Type::kLabel,    "关闭主窗口时：",          {16,  14,  260,  20}},
  {kToTray,    Type::kRadioBox, "最小化到托盘，继续提醒",  {32,  38,  244,  20}, kNoContainer, 0, kNoTabOrder, kInitiallyChecked},
  {kExit,      Type::kRadioBox, "退出寿辰备忘录",          {32,  62,  244,  20}},
  {kDontAsk,   Type::kCheckBox, "不再询问",                {16,  92,  260,  20}},
  {kConfirm,   Type::kButton,   "确定",                    {88,  124, 88,   24}, kNoContainer, 0, kNoTabOrder, kDefaultButton},
  {kCancel,    Type::kButton,   "取消",                    {188, 124, 88,   24}, kNoContainer, 0, kNoTabOrder, kCancelButton},
};
// clang-format on

const WindowDesign kWindow = {kCloseQuestionWindowClass,
                              "寿辰备忘录",
                              300,
                              190,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

}  // namespace

CloseQuestionWindow::CloseQuestionWindow() : form_(kWindow) {
  form_.Get<Button>(kConfirm).onClick = [this] {
    const bool toTray = form_.Get<RadioBox>(kToTray).Checked();
    answer_ = CloseAnswer{toTray ? CloseChoice::kTray : CloseChoice::kExit,
                          !form_.Get<CheckBox>(kDontAsk).Checked()};
    form_.Close();
  };
  form_.Get<Button>(kCancel).onClick = [this] { form_.Close(); };
}

std::optional<CloseAnswer> CloseQuestionWindow::Ask(HWND owner) {
  form_.OpenModal(owner);
  return answer_;
}

}  // namespace memo::ui
