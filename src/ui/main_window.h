// The main window: toolbar, advertisement picture, the page control with the friend list, the
// upcoming list and the report view, the status bar, the lists' pop-up menu (the commands on
// friends, the sort orders and the exchange commands) and the tray icon's menu.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/exchange_menu.h"
#include "ui/form.h"
#include "ui/friend_menu.h"
#include "ui/hosted_controls.h"
#include "ui/list_view.h"
#include "ui/status_bar_control.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"
#include "ui/window_ids.h"

namespace memo::ui {

// What the main window's events run besides the commands on friends and the exchange
// commands; the program implements them.
class MainWindowOperations {
 public:
  virtual ~MainWindowOperations() = default;
  virtual void OnMainWindowCreated() = 0;
  // Every window the main window owns is gone by then.
  virtual void OnMainWindowDestroying() = 0;
  // Any message of the main window, before the window handles it; true when handled.
  virtual bool OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void OnPictureClicked() = 0;
  virtual void OnToolbarButton(main_window::ToolbarButton button) = 0;
  virtual void OnTrayMenu(main_window::TrayMenuItem item) = 0;
};

// What the lists' own events ask of the friends behind them.
class FriendListOperations {
 public:
  virtual ~FriendListOperations() = default;
  virtual void OnFriendRowChanged(int row) = 0;
  virtual void OnSortMenu(SortCode code) = 0;
  // The search box's text has changed.
  virtual void OnSearchText(const std::string& text) = 0;
  // The 分组 filter's choices: 全部, the groups, 未分组; and the one chosen.
  virtual std::vector<std::string> GroupFilterChoices() = 0;
  virtual void OnGroupFilter(const std::string& group) = 0;
  // The order the friend list is shown in, checked in the sort menu.
  virtual SortCode CurrentSortCode() = 0;
  // 复制祝福语 on a friend of either list; 0 when no row is current.
  virtual void OnCopyGreeting(int64_t rowid) = 0;
};

// Pages of the page control.
constexpr int kFriendListPage = 0;
constexpr int kUpcomingPage = 1;
constexpr int kReportPage = 2;

class MainWindow {
 public:
  // The commands on friends and the exchange commands come from the lists' keys and menu, the
  // tray menu too for the exchange ones.
  MainWindow(MainWindowOperations& operations, FriendListOperations& listOperations,
             FriendOperations& friendOperations, ExchangeOperations& exchangeOperations);

  // Shown, or hidden when it starts in the tray. False when the window could not be made
  // whole (reported to the user); then no window is left.
  bool Open(bool shown);
  // Destroys the window and with it every window it owns.
  void Close();
  HWND Handle() const { return form_.Handle(); }
  // Any thread; the caption changes on the user-interface thread.
  void SetCaption(const std::string& text);
  void ShowPage(int page);
  // The tray icon's menu at the pointer; the chosen item goes to OnTrayMenu. While a modal
  // window is open only what brings it forward and 退出 can be chosen.
  void ShowTrayMenu();
  // The focus in the friend list's search box, the text there selected; with `turnToPage`
  // the friend list's page is shown first, else only a page showing it is.
  void FocusSearchBox(bool turnToPage);

  ListView& FriendList();
  ListView& UpcomingList();
  // The list of the page shown, which 编辑 and 删除 work on; nullptr on 查看详情.
  ListView* ShownList();
  StatusBarControl& Status();
  RichReportView& ReportView();
  PictureBox& Picture();

 private:
  void BindEvents();
  void BindSearchBox();
  void ShowGroupFilterMenu();
  // The order chosen by the sort menu or a header, and the header's arrow for it.
  void ChooseSort(SortCode code);
  void ShowSortArrow();
  // The keys and the pop-up menu of a list; both lists have the same.
  void BindListCommands(ListView& list);
  void ShowListMenu(ListView& list, bool fromKeyboard);
  void ShowHeaderMenu(ListView& list);
  void OnListKey(WORD key);

  MainWindowOperations& operations_;
  FriendListOperations& listOperations_;
  FriendOperations& friendOperations_;
  ExchangeOperations& exchangeOperations_;
  Form form_;
  std::string groupFilter_ = "全部";  // the 分组 filter's choice, as its button names it
};

}  // namespace memo::ui
