// A friend list over a real SQLite file in a temporary folder, with in-memory lists and
// settings and recording outputs, as the program wires them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/clock.h"
#include "recorders.h"
#include "temp_folder.h"
#include "text/text_operations.h"
#include "window_logic/friend_editing.h"
#include "window_logic/friend_list.h"
#include "window_logic/records_context.h"
#include "window_logic/upcoming_report.h"

namespace memo::testing {

class RecordsFixture : public ::testing::Test {
 protected:
  RecordsFixture() { repository.Open(folder.path()); }
  ~RecordsFixture() override { SetClock(nullptr); }

  static void On(int year, int month, int day) { FixClock(MakeDateTime(year, month, day)); }

  // A friend as the add window makes one from a stored birthday text.
  static Friend Person(const std::string& name, const std::string& birthday, bool lunar,
                       const std::string& contact = "") {
    return Friend{0, name, ReadBirthday(birthday, lunar), contact};
  }
  // Adds a friend the way the add window does.
  void Add(const std::string& name, const std::string& birthday, bool lunar,
           const std::string& contact = "") {
    AddFriend(context, Person(name, birthday, lunar, contact));
  }
  // Stores a row the way another program might, bypassing the friend list.
  void StoreRaw(const std::string& name, const std::string& birthday, bool lunar) {
    repository.Insert(Person(name, birthday, lunar));
  }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (const MemoryFriendList::Row& row : friends.rows) texts.push_back(row.cells[column]);
    return texts;
  }
  std::vector<std::string> Row(int row) const { return friends.rows.at(row).cells; }
  int64_t RowId(int row) const { return friends.rows.at(row).rowid; }

  TempFolder folder;
  RecordedErrors errors;
  FriendRepository repository{errors};
  MemoryFriendList friends;
  MemoryUpcomingList upcoming;
  RecordedStatusBar statusBar;
  MemorySettingsStore settings;
  RecordedReportView reportView;
  RecordedTray tray;
  RecordsContext context{repository, friends, statusBar, settings, {}};
  ReportContext report{upcoming, settings, reportView, tray, ReportFilePath(folder.path())};
};

}  // namespace memo::testing
