// Everything the friend-list operations work on, handed to them instead of living in
// globals, so that the program's background worker and the tests can run them alike.
// The owner keeps every referenced object alive while the operations run.
#pragma once

#include <string>

#include "settings/settings_names.h"
#include "settings/settings_store.h"
#include "reckoning/report_outputs.h"
#include "records/birthday_database.h"
#include "records/status_bar.h"
#include "records/text_rows.h"

namespace memo {

struct RecordsContext {
  BirthdayDatabase& database;
  TextRows& friendList;    // five columns, row n is row n of the database's result set
  TextRows& upcomingList;  // six columns
  StatusBar& statusBar;
  SettingsStore& settings;
  ReportView& reportView;
  TrayNotifier& tray;
  std::string reportPath;            // GBK; ReportFilePath of the program's folder
  int daysAhead = DefaultDaysAhead;  // set by every upcoming pass
};

}  // namespace memo
