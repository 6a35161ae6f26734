#include "ui/main_window.h"

#include <iterator>
#include <vector>

#include "resource_ids.h"
#include "ui/images.h"
#include "ui/popup_menu.h"
#include "ui/ui_thread.h"
#include "window_logic/header_sort.h"

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
    // id            type                text left  top  width height container page
    {kToolbar,       Type::kToolBar,     "",  {0,    0,   674,  80}},
    {kPicture,       Type::kPicBox,      "",  {496,  6,   168,  88}},
    {kPages,         Type::kPageControl, "",  {0,    80,  680,  392}, kNoContainer, 0,
                                                                      kNoTabOrder, kGivesWayToBottom},
    {kStatus,        Type::kStatusBar,   "",  {0,    472, 674,  20},  kNoContainer, 0,
                                                                      kNoTabOrder, kFollowsBottom},
    {kSearchBox,     Type::kEditBox,     "搜索姓名、拼音或联系方式",
                                              {1,    28,  200,  22},  kPages, kFriendListPage,
                                                                      kNoTabOrder, kHintText},
    {kGroupFilter,   Type::kButton,      "分组：全部 ▼",
                                              {206,  28,  140,  22},  kPages, kFriendListPage},
    {kFriendList,    Type::kListView,    "",  {1,    52,  672,  342}, kPages, kFriendListPage,
                                                                      kNoTabOrder, kGivesWayToBottom},
    {kDbConnection,  Type::kNonVisual,   "",  {96,   264, 26,   26},  kPages, kFriendListPage},
    {kRecordSet,     Type::kNonVisual,   "",  {136,  264, 26,   26},  kPages, kFriendListPage},
    {kUpcomingList,  Type::kListView,    "",  {1,    28,  672,  368}, kPages, kUpcomingPage,
                                                                      kNoTabOrder, kGivesWayToBottom},
    {kReportView,    Type::kHtmlViewer,  "",  {2,    24,  672,  368}, kPages, kReportPage,
                                                                      kNoTabOrder, kGivesWayToBottom},
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
// A lunar birthday's 生日 holds its solar date too: "闰五月十二（7月5日）".
const ColumnDesign kUpcomingColumns[] = {
    {"姓名", 80},     {"生日", 140},   {"提醒方式", 65}, {"年龄", 160},
    {"联系方式", 95}, {"倒计时", 105},
};

const StatusPartDesign kStatusParts[] = {
    {230, "寿辰备忘录！", 0},
    {150, "当前记录数：0", -1},
    {300, "今天日期：", -1},
};
const ImageStripDesign kStatusImages = {IDR_STATUS_ICON, 16, 15, 1};

// Far from the sort codes, the exchange codes and the commands on friends that share the
// lists' menu.
constexpr int kCopyGreetingCode = 300;

// The sort menu of the lists' pop-up, after the commands on friends; the leaves carry their
// sort codes. The exchange commands follow it.
const MenuItemDesign kSortMenu[] = {
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

// Both lists' pop-up: the commands on friends, 排序方式, the exchange commands, 复制祝福语.
std::vector<MenuItemDesign> ListMenu() {
  std::vector<MenuItemDesign> menu = {{0, "列表", kNoMenuCode}};
  AppendFriendItems(menu, 1);
  menu.push_back({1, nullptr, kNoMenuCode});
  menu.insert(menu.end(), std::begin(kSortMenu), std::end(kSortMenu));
  AppendExchangeItems(menu, 1);
  menu.push_back({1, nullptr, kNoMenuCode});
  menu.push_back({1, "复制祝福语", kCopyGreetingCode});
  return menu;
}

// A menu's items, the exchange commands after them at level 1, then the items that end it.
std::vector<MenuItemDesign> WithExchangeItems(const MenuItemDesign* items, size_t count,
                                              const MenuItemDesign* end, size_t endCount) {
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

MainWindow::MainWindow(MainWindowOperations& operations, FriendListOperations& listOperations,
                       FriendOperations& friendOperations, ExchangeOperations& exchangeOperations)
    : operations_(operations),
      listOperations_(listOperations),
      friendOperations_(friendOperations),
      exchangeOperations_(exchangeOperations),
      form_(kWindow) {
  form_.Get<ToolBar>(kToolbar).SetButtons(kToolButtons, CountOf(kToolButtons), kToolbarImages);
  form_.Get<TabControl>(kPages).SetPages(kPageList, CountOf(kPageList), &kPageImages);
  FriendList().SetColumns(kFriendColumns, CountOf(kFriendColumns));
  UpcomingList().SetColumns(kUpcomingColumns, CountOf(kUpcomingColumns));
  Status().SetParts(kStatusParts, CountOf(kStatusParts), kStatusImages);
  form_.Get<PictureControl>(main_window::kPicture).SetBuiltInPicture(ResourceBytes(IDR_ADVERT));
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
  form_.Get<PictureControl>(main_window::kPicture).onLeftButtonDown = [this] {
    operations_.OnPictureClicked();
  };
  form_.Get<ToolBar>(kToolbar).onButtonClick = [this](int index) {
    operations_.OnToolbarButton(static_cast<ToolbarButton>(index));
  };
  FriendList().onCurrentRowChanged = [this](int row) { listOperations_.OnFriendRowChanged(row); };
  FriendList().onDoubleClick = [this] { friendOperations_.OnFriendListDoubleClick(); };
  BindListCommands(FriendList());
  FriendList().onHeaderMenu = [this] { ShowHeaderMenu(FriendList()); };
  BindListCommands(UpcomingList());
  BindSearchBox();
  // 查看详情 shows no friends to edit or delete.
  form_.Get<TabControl>(kPages).onPageChanged = [this](int page) {
    ToolBar& toolbar = form_.Get<ToolBar>(kToolbar);
    toolbar.EnableButton(Code(ToolbarButton::kEdit), page != kReportPage);
    toolbar.EnableButton(Code(ToolbarButton::kDelete), page != kReportPage);
  };
  FriendList().onColumnClick = [this](int column) {
    if (const auto code = SortCodeOfHeaderClick(column, listOperations_.CurrentSortCode())) {
      ChooseSort(*code);
    }
  };
}

void MainWindow::ChooseSort(SortCode code) {
  listOperations_.OnSortMenu(code);
  ShowSortArrow();
}

void MainWindow::ShowSortArrow() {
  const SortArrow arrow = SortArrowOf(listOperations_.CurrentSortCode());
  FriendList().ShowSortArrow(arrow.column, arrow.ascending);
}

void MainWindow::BindSearchBox() {
  EditBox& box = form_.Get<EditBox>(kSearchBox);
  box.onTextChanged = [this, &box] { listOperations_.OnSearchText(box.Text()); };
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
  form_.Get<Button>(kGroupFilter).onClick = [this] { ShowGroupFilterMenu(); };
  // Ctrl+F from anywhere in the window.
  form_.onShortcut = [this](WPARAM key) {
    if (key != 'F' || GetKeyState(VK_CONTROL) >= 0) return false;
    FocusSearchBox(true);
    return true;
  };
}

// 全部, every group, 未分组, under the button; the choice names itself on the button.
void MainWindow::ShowGroupFilterMenu() {
  const std::vector<std::string> choices = listOperations_.GroupFilterChoices();
  std::vector<MenuItemDesign> menu = {{0, "", kNoMenuCode}};
  for (size_t i = 0; i < choices.size(); ++i) {
    menu.push_back({1, choices[i].c_str(), static_cast<int>(i)});
  }
  Button& button = form_.Get<Button>(kGroupFilter);
  RECT place;
  GetWindowRect(button.Handle(), &place);
  const POINT at = {place.left, place.bottom};
  const int code = ShowPopupMenu(
      form_.Handle(), menu.data(), menu.size(), nullptr,
      [&](int item) { return choices.at(static_cast<size_t>(item)) == groupFilter_; }, &at);
  if (code == kNoMenuCode) return;
  groupFilter_ = choices.at(static_cast<size_t>(code));
  button.SetText("分组：" + groupFilter_ + " ▼");
  listOperations_.OnGroupFilter(groupFilter_);
}

void MainWindow::FocusSearchBox(bool turnToPage) {
  if (turnToPage) ShowPage(kFriendListPage);
  if (form_.Get<TabControl>(kPages).CurrentPage() != kFriendListPage) return;
  EditBox& box = form_.Get<EditBox>(kSearchBox);
  box.Focus();
  box.SelectAll();
}

void MainWindow::BindListCommands(ListView& list) {
  list.onEnterKey = [this] { friendOperations_.OnEditFriend(); };
  list.onKeyDown = [this](WORD key) { OnListKey(key); };
  list.onContextMenu = [this, &list](bool fromKeyboard) { ShowListMenu(list, fromKeyboard); };
}

void MainWindow::OnListKey(WORD key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_INSERT || (control && key == 'N')) {
    friendOperations_.OnAddFriend();
  } else if (key == VK_F2) {
    friendOperations_.OnEditFriend();
  } else if (key == VK_DELETE) {
    friendOperations_.OnDeleteFriends();
  } else if (control && key == 'Z') {
    friendOperations_.OnUndoDelete();
  }
}

// The friend list header's own menu: the 称呼 and 分组 columns, checked while shown.
void MainWindow::ShowHeaderMenu(ListView& list) {
  struct Extra {
    const char* caption;
    int cell;
  };
  static const Extra kExtras[] = {{"称呼", FriendListControl::kCalledAsCell},
                                  {"分组", FriendListControl::kGroupsCell}};
  static const MenuItemDesign menu[] = {{0, "", kNoMenuCode}, {1, "称呼", 0}, {1, "分组", 1}};
  const int code = ShowPopupMenu(form_.Handle(), menu, CountOf(menu), nullptr, [&](int item) {
    return list.CellColumnShown(kExtras[item].cell);
  });
  if (code == kNoMenuCode) return;
  const Extra& extra = kExtras[code];
  // Wide enough for "妈妈" and for two or three groups.
  constexpr int kExtraColumnWidth = 90;
  list.ShowCellColumn(extra.caption, kExtraColumnWidth, extra.cell,
                      !list.CellColumnShown(extra.cell));
}

void MainWindow::ShowListMenu(ListView& list, bool fromKeyboard) {
  static const std::vector<MenuItemDesign> menu = ListMenu();
  const int current = Code(listOperations_.CurrentSortCode());
  const POINT keyboardPoint = fromKeyboard ? list.KeyboardMenuPoint() : POINT{};
  const int64_t friendId = list.CurrentId();
  const int code = ShowPopupMenu(
      form_.Handle(), menu.data(), menu.size(), GreetingNeedsAFriend(friendId),
      [current](int leaf) { return leaf == current; }, fromKeyboard ? &keyboardPoint : nullptr);
  if (code == kCopyGreetingCode) {
    listOperations_.OnCopyGreeting(friendId);
  } else if (code != kNoMenuCode && !RunFriendMenuCode(code, friendOperations_) &&
             !RunExchangeMenuCode(code, exchangeOperations_)) {
    ChooseSort(static_cast<SortCode>(code));
  }
}

bool MainWindow::Open(bool shown) {
  return form_.Open(nullptr, shown);
}

void MainWindow::Close() {
  form_.Close();
}

void MainWindow::SetCaption(const std::string& text) {
  RunOnUi([this, text] { form_.SetCaption(text); });
}

void MainWindow::ShowPage(int page) {
  form_.Get<TabControl>(kPages).ShowPage(page);
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
  if (code == kNoMenuCode || RunExchangeMenuCode(code, exchangeOperations_)) return;
  operations_.OnTrayMenu(static_cast<TrayMenuItem>(code));
}

ListView& MainWindow::FriendList() {
  return form_.Get<ListView>(main_window::kFriendList);
}
ListView& MainWindow::UpcomingList() {
  return form_.Get<ListView>(main_window::kUpcomingList);
}
ListView* MainWindow::ShownList() {
  switch (form_.Get<TabControl>(kPages).CurrentPage()) {
    case kFriendListPage:
      return &FriendList();
    case kUpcomingPage:
      return &UpcomingList();
    default:
      return nullptr;
  }
}
StatusBarControl& MainWindow::Status() {
  return form_.Get<StatusBarControl>(main_window::kStatus);
}
RichReportView& MainWindow::ReportView() {
  return form_.Get<ReportViewControl>(main_window::kReportView).View();
}
PictureBox& MainWindow::Picture() {
  return form_.Get<PictureControl>(main_window::kPicture).Box();
}

}  // namespace memo::ui
