#include "window_logic/upcoming_report.h"

#include "datetime/date_time.h"
#include "reckoning/next_birthday.h"
#include "report/upcoming_lines.h"
#include "report/upcoming_page.h"
#include "report/upcoming_rtf.h"
#include "text/program_files.h"
#include "window_logic/friend_list.h"

namespace memo {
namespace {

constexpr char kMoreTips[] = "…………………………";
constexpr size_t kTipLines = 4;

std::string TipLine(const UpcomingEntry& entry) {
  const char* lead = SectionOf(entry) == UpcomingSection::kLater ? "" : "：  ";
  return OneLine(entry.person.name) + lead + CountdownText(entry.days) + entry.mark;
}

// The lines under the tip's and the balloon's title: the first four entries, then a row of
// dots when the upcoming list holds more.
std::string TipLines(const std::vector<UpcomingEntry>& entries) {
  std::string lines;
  for (size_t i = 0; i < entries.size() && i < kTipLines; ++i)
    lines += TipLine(entries[i]) + "\r\n";
  if (entries.size() > kTipLines) lines += kMoreTips;
  return lines;
}

}  // namespace

std::string ReportFilePath(const std::string& programDirectory) {
  return ProgramFilePath(programDirectory, kReportFileName);
}

int DaysAheadSetting(SettingsStore& settings) {
  return DaysAheadOf(settings.ReadNumber(kDaysSetting));
}

void RecomputeUpcoming(const std::vector<Friend>& friends, ReportContext& context) {
  context.daysAhead = DaysAheadSetting(context.settings);
  const TodayDates today = TodayNow();
  const std::vector<UpcomingEntry> entries =
      UpcomingEntries(friends, today, context.daysAhead, ChosenAgeForm(context.settings));
  context.upcomingList.ShowEntries(entries);
  BuildUpcomingReport(context, entries, today);
}

void BuildUpcomingReport(ReportContext& context, const std::vector<UpcomingEntry>& entries,
                         const TodayDates& today) {
  WriteWholeFile(context.reportPath, UpcomingPage(entries, today, context.daysAhead));
  context.reportView.ShowReport(UpcomingRtf(entries, today));
  const std::string count = NumberToText(static_cast<int>(entries.size()));
  const std::string tip = TipLines(entries);
  context.tray.SetTip("最近有" + count + "人将要过生日：\r\n" + tip);
  // Both settings read 0 when missing: the balloon is wanted unless switched off, and
  // only while the tray icon is shown.
  if (context.settings.ReadNumber(kPopUpSetting) == 0 &&
      context.settings.ReadNumber(kTraySetting) == 0) {
    context.tray.ShowBalloon("最近有" + count + "人将要过生日", tip, kInformationBalloonIcon,
                             kBalloonTimeoutMs, true);
  }
}

}  // namespace memo
