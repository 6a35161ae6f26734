#include "ui/main_window.h"

#include <vector>

#include "records/header_sort.h"
#include "resource_ids.h"
#include "ui/images.h"
#include "ui/popup_menu.h"
#include "ui/ui_thread.h"

namespace memo::ui {
namespace {

using namespace main_window;
using Type = ControlType;

template <typename T, size_t N>
constexpr size_t CountOf(const T (&)[N]) {
  return N;
}

template <typename Enum>
constexpr int Code(Enum code) {
  return static_cast<int>(code);
}

// The toolbar's 28 pixels of the design cannot hold 50 x 50 images with their captions: it
// grows to end above the page control.
// clang-format off
const ControlDesign kControls[] = {
    // id           type               text left  top  width height container page
    {Toolbar,       Type::ToolBar,     "",  {0,    0,   674,  80}},
    {Picture,       Type::PicBox,      "",  {496,  6,   168,  88}},
    {Pages,         Type::PageControl, "",  {0,    80,  680,  392}},
    {Status,        Type::StatusBar,   "",  {0,    472, 674,  20}},
    {SearchBox,     Type::EditBox,     "搜索姓名、拼音或联系方式",
                                            {1,    28,  200,  22},  Pages, kFriendListPage,
                                                                    kNoTabOrder, HintText},
    {FriendList,    Type::ListView,    "",  {1,    52,  672,  342}, Pages, kFriendListPage},
    {DbConnection,  Type::NonVisual,   "",  {96,   264, 26,   26},  Pages, kFriendListPage},
    {RecordSet,     Type::NonVisual,   "",  {136,  264, 26,   26},  Pages, kFriendListPage},
    {UpcomingList,  Type::ListView,    "",  {1,    28,  672,  368}, Pages, kUpcomingPage},
    {ReportView,    Type::HtmlViewer,  "",  {2,    24,  672,  368}, Pages, kReportPage},
};

const WindowDesign kWindow = {kMainWindowClass, "寿辰备忘录", 680, 520, true, kControls,
                             CountOf(kControls)};

// In the order of ToolbarButton.
const ToolButtonDesign kToolButtons[] = {
    // caption     tooltip     image
    {"添加",       "添加",     5},
    {"编辑",       nullptr,    2},
    {"删除",       "删除",     6},
    {nullptr,      nullptr,    0},
    {"设置",       "设置",     3},
    {"最近生日",   "最近生日", 0},
    {nullptr,      nullptr,    0},
    {"关于",       "关于",     1},
    {"退出",       nullptr,    7},
};
static_assert(CountOf(kToolButtons) == kToolbarButtonCount);
const ImageStripDesign kToolbarImages = {IDR_TOOLBAR_IMAGES, 50, 50, 8};

const PageDesign kPageList[] = {
    {"好友生日列表", "好友生日列表", 0},
    {"最近生日",     "最近生日",     1},
    {"查看详情",     nullptr,        2},
};
const ImageStripDesign kPageImages = {IDR_PAGE_ICONS, 18, 18, 3};

// Wide enough for "32岁（虚岁33）" and "70岁（七十大寿）", narrow enough that the default
// window shows every column without a horizontal scroll bar.
const ColumnDesign kFriendColumns[] = {
    {"姓名", 100}, {"出生年月", 140}, {"提醒方式", 70}, {"年龄", 105},
    {"生肖", 40},  {"星座", 60},      {"联系方式", 135},
};
const ColumnDesign kUpcomingColumns[] = {
    {"姓名", 90},       {"生日", 85},    {"提醒方式", 70}, {"年龄", 175},
    {"联系方式", 110}, {"倒计时", 110},
};

const StatusPartDesign kStatusParts[] = {
    {230, "寿辰备忘录！", 0},
    {150, "当前记录数：0", -1},
    {300, "今天日期：", -1},
};
const ImageStripDesign kStatusImages = {IDR_STATUS_ICON, 16, 15, 1};

// Far from the sort codes and the exchange codes that share the friend list's menu.
constexpr int kCopyGreetingCode = 200;

// The sort menu; its top item is never shown, the leaves carry their sort codes. The
// exchange commands follow 排序方式 in the pop-up.
const MenuItemDesign kSortMenu[] = {
    {0, "排序",       kNoMenuCode},
    {1, "排序方式",   kNoMenuCode},
    {2, "按姓名",     kNoMenuCode},
    {3, "姓名升序",   Code(SortCode::kNameAscending)},
    {3, "姓名降序",   Code(SortCode::kNameDescending)},
    {2, "按出生年月", kNoMenuCode},
    {3, "生日升序",   Code(SortCode::kBirthdayAscending)},
    {3, "生日降序",   Code(SortCode::kBirthdayDescending)},
    {2, "按提醒方式", Code(SortCode::kCalendar)},
    {2, "按年龄",     kNoMenuCode},
    {3, "年龄升序",   Code(SortCode::kAgeAscending)},
    {3, "年龄降序",   Code(SortCode::kAgeDescending)},
    {2, "不排序",     Code(SortCode::kStored)},
};

// After the exchange commands in the friend list's menu.
const MenuItemDesign kFriendMenuEnd[] = {
    {1, nullptr,      kNoMenuCode},
    {1, "复制祝福语", kCopyGreetingCode},
};
const MenuItemDesign kUpcomingMenu[] = {
    {0, "最近生日",   kNoMenuCode},
    {1, "复制祝福语", kCopyGreetingCode},
};

// Further groups of commands go between these two parts, each after a separator: the
// exchange commands are the first.
const MenuItemDesign kTrayMenu[] = {
    {0, "托盘",       kNoMenuCode},
    {1, "显示主窗口", Code(TrayMenuItem::kShowMain), kDefaultMenuItem},
    {1, "最近生日",   Code(TrayMenuItem::kUpcoming)},
    {1, "设置…",      Code(TrayMenuItem::kSettings)},
};
const MenuItemDesign kTrayMenuEnd[] = {
    {1, nullptr,      kNoMenuCode},
    {1, "退出",       Code(TrayMenuItem::kExit)},
};

// clang-format on

// A menu's items, the exchange commands after them at level 1, then the items that end it.
std::vector<MenuItemDesign> WithExchangeItems(const MenuItemDesign* items, size_t count,
                                              const MenuItemDesign* end = nullptr,
                                              size_t endCount = 0) {
  std::vector<MenuItemDesign> menu(items, items + count);
  AppendExchangeItems(menu, 1);
  menu.insert(menu.end(), end, end + endCount);
  return menu;
}

// 复制祝福语 is offered only on a friend's row.
MenuCodeFilter GreetingNeedsAFriend(int64_t friendId) {
  return [friendId](int code) { return code != kCopyGreetingCode || friendId != 0; };
}

}  // namespace

MainWindow::MainWindow(MainWindowOperations& operations) : operations_(operations), form_(kWindow) {
  form_.Get<ToolBar>(Toolbar).SetButtons(kToolButtons, CountOf(kToolButtons), kToolbarImages);
  form_.Get<TabControl>(Pages).SetPages(kPageList, CountOf(kPageList), &kPageImages);
  FriendList().SetColumns(kFriendColumns, CountOf(kFriendColumns));
  UpcomingList().SetColumns(kUpcomingColumns, CountOf(kUpcomingColumns));
  Status().SetParts(kStatusParts, CountOf(kStatusParts), kStatusImages);
  form_.Get<PictureControl>(main_window::Picture).SetBuiltInPicture(ResourceBytes(IDR_ADVERT));
  BindEvents();
}

void MainWindow::BindEvents() {
  form_.onCreated = [this] {
    operations_.OnMainWindowCreated();
    ShowSortArrow();
  };
  form_.onDestroying = [this] { operations_.OnMainWindowDestroying(); };
  form_.onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
    return operations_.OnMainWindowMessage(message, wParam, lParam);
  };
  form_.Get<PictureControl>(main_window::Picture).onLeftButtonDown = [this] {
    operations_.OnPictureClicked();
  };
  form_.Get<ToolBar>(Toolbar).onButtonClick = [this](int index) {
    operations_.OnToolbarButton(static_cast<ToolbarButton>(index));
  };
  FriendList().onCurrentRowChanged = [this](int row) { operations_.OnFriendRowChanged(row); };
  FriendList().onDoubleClick = [this] { operations_.OnFriendListDoubleClick(); };
  // The keys do what the toolbar's 编辑 and 删除 do.
  FriendList().onEnterKey = [this] { operations_.OnToolbarButton(ToolbarButton::kEdit); };
  FriendList().onDeleteKey = [this] { operations_.OnToolbarButton(ToolbarButton::kDelete); };
  BindSearchBox();
  FriendList().onRightButtonDown = [this] {
    static const std::vector<MenuItemDesign> menu =
        WithExchangeItems(kSortMenu, CountOf(kSortMenu), kFriendMenuEnd, CountOf(kFriendMenuEnd));
    const int current = Code(operations_.CurrentSortCode());
    const int64_t friendId = FriendList().CurrentId();
    const int code =
        ShowPopupMenu(form_.Handle(), menu.data(), menu.size(), GreetingNeedsAFriend(friendId),
                      [current](int leaf) { return leaf == current; });
    if (code == kCopyGreetingCode) {
      operations_.OnCopyGreeting(friendId);
    } else if (code != kNoMenuCode && !RunExchangeMenuCode(code, operations_)) {
      ChooseSort(static_cast<SortCode>(code));
    }
  };
  UpcomingList().onRightButtonDown = [this] {
    const int64_t friendId = UpcomingList().CurrentId();
    if (ShowPopupMenu(form_.Handle(), kUpcomingMenu, CountOf(kUpcomingMenu),
                      GreetingNeedsAFriend(friendId)) == kCopyGreetingCode) {
      operations_.OnCopyGreeting(friendId);
    }
  };
  FriendList().onColumnClick = [this](int column) {
    if (const auto code = SortCodeOfHeaderClick(column, operations_.CurrentSortCode())) {
      ChooseSort(*code);
    }
  };
}

void MainWindow::ChooseSort(SortCode code) {
  operations_.OnSortMenu(code);
  ShowSortArrow();
}

void MainWindow::ShowSortArrow() {
  const SortArrow arrow = SortArrowOf(operations_.CurrentSortCode());
  FriendList().ShowSortArrow(arrow.column, arrow.ascending);
}

void MainWindow::BindSearchBox() {
  EditBox& box = form_.Get<EditBox>(SearchBox);
  box.onTextChanged = [this, &box] { operations_.OnSearchText(box.Text()); };
  box.onKeyDown = [this, &box](WPARAM key) {
    switch (key) {
      case VK_ESCAPE:
        box.SetText("");
        return true;
      case VK_RETURN:
      case VK_DOWN:
        FriendList().FocusFirstRow();
        return true;
    }
    return false;
  };
  // Ctrl+F from anywhere in the window.
  form_.onShortcut = [this](WPARAM key) {
    if (key != 'F' || GetKeyState(VK_CONTROL) >= 0) return false;
    FocusSearchBox(true);
    return true;
  };
}

void MainWindow::FocusSearchBox(bool turnToPage) {
  if (turnToPage) ShowPage(kFriendListPage);
  if (form_.Get<TabControl>(Pages).CurrentPage() != kFriendListPage) return;
  EditBox& box = form_.Get<EditBox>(SearchBox);
  box.Focus();
  box.SelectAll();
}

void MainWindow::Open(bool shown) {
  form_.Open(nullptr, shown);
}

void MainWindow::Close() {
  form_.Close();
}

void MainWindow::SetCaption(const std::string& text) {
  RunOnUi([this, text] { form_.SetCaption(text); });
}

void MainWindow::ShowPage(int page) {
  form_.Get<TabControl>(Pages).ShowPage(page);
}

void MainWindow::ShowTrayMenu() {
  // A modal window disables the main window for as long as it is open. It stays the active
  // one, the menu's owner, so that 显示主窗口 finds it as the last active one.
  const bool modalOpen = !IsWindowEnabled(Handle());
  HWND owner = modalOpen ? GetLastActivePopup(Handle()) : Handle();
  static const std::vector<MenuItemDesign> menu =
      WithExchangeItems(kTrayMenu, CountOf(kTrayMenu), kTrayMenuEnd, CountOf(kTrayMenuEnd));
  int code = ShowPopupMenu(owner, menu.data(), menu.size(), [modalOpen](int item) {
    return !modalOpen || item == Code(TrayMenuItem::kShowMain) || item == Code(TrayMenuItem::kExit);
  });
  if (code == kNoMenuCode || RunExchangeMenuCode(code, operations_)) return;
  operations_.OnTrayMenu(static_cast<TrayMenuItem>(code));
}

ListView& MainWindow::FriendList() {
  return form_.Get<ListView>(main_window::FriendList);
}
ListView& MainWindow::UpcomingList() {
  return form_.Get<ListView>(main_window::UpcomingList);
}
StatusBarControl& MainWindow::Status() {
  return form_.Get<StatusBarControl>(main_window::Status);
}
RichReportView& MainWindow::ReportView() {
  return form_.Get<ReportViewControl>(main_window::ReportView).View();
}
PictureBox& MainWindow::Picture() {
  return form_.Get<PictureControl>(main_window::Picture).Box();
}

}  // namespace memo::ui
