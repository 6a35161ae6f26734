// The upcoming pass and its report: the upcoming list, the page "最近生日.html" beside the
// program, the report view, and the tray icon's tip and balloon, all from one set of
// upcoming entries.
#pragma once

#include <string>
#include <vector>

#include "records/friend.h"
#include "report/upcoming_entries.h"
#include "settings/settings_names.h"
#include "settings/settings_store.h"
#include "window_logic/report_outputs.h"
#include "window_logic/upcoming_list_view.h"

namespace memo {

inline constexpr char kReportFileName[] = "最近生日.html";

// What one upcoming pass works on; it holds no state of its own between passes.
struct ReportContext {
  UpcomingListView& upcomingList;
  SettingsStore& settings;
  ReportView& reportView;
  TrayNotifier& tray;
  std::string reportPath;             // GBK; ReportFilePath of the program's folder
  int daysAhead = kDefaultDaysAhead;  // set by every upcoming pass
};

std::string ReportFilePath(const std::string& programDirectory);

// The number of days ahead the setting asks for; 0 or missing: kDefaultDaysAhead.
int DaysAheadSetting(SettingsStore& settings);

// Sets daysAhead from the setting, counts the days of every friend from today, shows the
// upcoming list and builds the report.
void RecomputeUpcoming(const std::vector<Friend>& friends, ReportContext& context);

// Writes the page file (a failed write leaves the old file, unreported), shows the report
// view, sets the tray tip, and shows the balloon unless the settings forbid.
void BuildUpcomingReport(ReportContext& context, const std::vector<UpcomingEntry>& entries,
                         const TodayDates& today);

}  // namespace memo
