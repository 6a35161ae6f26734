// The upcoming list, the page "最近生日.html" that the report view shows, and the tray
// icon's tip and balloon. The upcoming pass calls AddUpcomingRow once per friend-list row,
// in list order, then BuildUpcomingReport once.
#pragma once

#include <string>

#include "settings/settings_names.h"
#include "settings/settings_store.h"
#include "reckoning/report_outputs.h"
#include "records/text_rows.h"

namespace memo {

inline constexpr char kReportFileName[] = "最近生日.html";

// What one upcoming pass works on; it holds no state of its own between passes.
struct ReportContext {
  TextRows& friendList;    // five columns: name, birthday text, 农历/公历, age, contact
  TextRows& upcomingList;  // six columns: the friend-list ones, then the countdown
  SettingsStore& settings;
  ReportView& reportView;
  TrayNotifier& tray;
  std::string reportPath;  // GBK; ReportFilePath of the program's folder
  int daysAhead = DefaultDaysAhead;
};

std::string ReportFilePath(const std::string& programDirectory);

// Adds friend-list row `row` (counted from 1) to the upcoming list when
// 0 <= days <= daysAhead.
void AddUpcomingRow(ReportContext& context, int row, int days);

struct UpcomingReport {
  std::string page;     // GBK bytes of the page; empty when nobody is due within daysAhead - 1
  std::string tipText;  // the first four tip lines, then a row of dots when there are more
  int rowCount = 0;     // rows of the upcoming list
};

// The page and the tips for the upcoming list as it stands.
UpcomingReport ComposeUpcomingReport(const TextRows& upcomingList, int daysAhead);

// Writes the page file (a failed write leaves the old file, unreported), points the
// report view at it, sets the tray tip, and shows the balloon unless the settings forbid.
void BuildUpcomingReport(ReportContext& context);

}  // namespace memo
