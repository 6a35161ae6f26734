#include "reckoning/upcoming_report.h"

#include <algorithm>
#include <vector>

#include "settings/settings_names.h"
#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/fallback_note.h"
#include "reckoning/lunar_carrier.h"
#include "reckoning/next_birthday.h"
#include "records/program_files.h"

namespace memo {
namespace {

constexpr char kNoteTemplate[] =
    "<BR><FONT color=#ff0000 size=2>“%注释%”</FONT></FONT></P></FONT></FONT>\r\n";
constexpr char kContentTemplate[] =
    "<P align=center><FONT color=#000000 size=4 face=黑体>%内容%</FONT></P>";
constexpr char kTodayHeading[] =
    "<P align=center><FONT color=#ff0000 size=6 face=黑体>今天生日</FONT></P>\r\n";
constexpr char kTomorrowHeading[] =
    "<P align=center><FONT color=#0000ff size=6 face=黑体>明天生日</FONT></P>"
    "<FONT color=#ff0000 size=6>\r\n\r\n";
constexpr char kLaterHeading[] =
    "<P align=center><FONT color=#33ff00 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n";
constexpr char kSectionEnd[] = "</FONT>\r\n";
constexpr char kTodayLine[] = "<FONT color=#ff0000 size=2>今天是 公历%公历% 农历%农历%</FONT>";
constexpr char kMoreTips[] = "…………………………";
constexpr int kTipLines = 4;
constexpr int kBalloonInfoIcon = 1;
constexpr int kBalloonTimeoutMs = 5000;

struct UpcomingRow {
  std::string name, monthDay, calendar, age, contact;
  int days;
};

// The inverse of CountdownText.
int DaysOfCountdown(const std::string& countdown) {
  if (countdown == "今天生日") return 0;
  if (countdown == "明天生日") return 1;
  const std::string number = ReplaceText(ReplaceText(countdown, "还有", ""), "天过生日", "");
  return static_cast<int>(TruncateToInteger(TextToNumber(number)));
}

// Names and contacts are typed by the user and must show as text in the browser. These
// four bytes never occur inside a GBK double-byte character, so bytewise is safe.
std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string NoteHtml(const UpcomingRow& row) {
  const bool lunar = row.calendar == "农历";
  if (!NoteIsDue(row.monthDay, lunar)) return std::string();
  return ReplaceText(kNoteTemplate, "%注释%", FallbackNote(row.monthDay, lunar));
}

std::string PageLine(const UpcomingRow& row) {
  std::string line =
      EscapeHtml(row.name) + "(" + row.age + ")&nbsp; " + row.calendar + row.monthDay + "&nbsp; ";
  if (row.days > 1) line += "还有" + NumberToText(row.days) + "天生日&nbsp; ";
  return line + "联系方式：" + EscapeHtml(row.contact) + NoteHtml(row);
}

std::string TipLine(const UpcomingRow& row) {
  if (row.days == 0) return row.name + "：  今天生日";
  if (row.days == 1) return row.name + "：  明天生日";
  return row.name + "还有" + NumberToText(row.days) + "天过生日";
}

std::string Section(const char* heading, const std::string& lines) {
  if (lines.empty()) return std::string();
  return heading + ReplaceText(kContentTemplate, "%内容%", lines) + kSectionEnd;
}

}  // namespace

std::string ReportFilePath(const std::string& programDirectory) {
  return ProgramFilePath(programDirectory, kReportFileName);
}

void AddUpcomingRow(ReportContext& context, int row, int days) {
  if (days > context.daysAhead || days < 0) return;
  TextRows& upcoming = context.upcomingList;
  const int r = upcoming.AppendRow();
  const int source = row - 1;
  upcoming.SetCell(r, 0, context.friendList.Cell(source, 0));
  upcoming.SetCell(r, 1, NextBirthdayText(context.friendList.Cell(source, 1)));
  for (int column = 2; column <= 4; ++column) {
    upcoming.SetCell(r, column, context.friendList.Cell(source, column));
  }
  upcoming.SetCell(r, 5, CountdownText(days));
}

UpcomingReport ComposeUpcomingReport(const TextRows& upcomingList, int daysAhead) {
  UpcomingReport report;
  report.rowCount = upcomingList.RowCount();
  std::vector<UpcomingRow> rows;
  for (int r = 0; r < report.rowCount; ++r) {
    UpcomingRow row{upcomingList.Cell(r, 0), upcomingList.Cell(r, 1),
                    upcomingList.Cell(r, 2), upcomingList.Cell(r, 3),
                    upcomingList.Cell(r, 4), DaysOfCountdown(upcomingList.Cell(r, 5))};
    // A count of daysAhead itself is in the list but not on the page nor in the tips.
    if (row.days >= 0 && row.days < daysAhead) rows.push_back(std::move(row));
  }
  // Count by count from 0, each count in list order: a stable sort gives that order
  // without walking the list once per day ahead.
  std::stable_sort(rows.begin(), rows.end(),
                   [](const UpcomingRow& a, const UpcomingRow& b) { return a.days < b.days; });

  std::string today, tomorrow, later;
  std::vector<std::string> tips;
  for (const UpcomingRow& row : rows) {
    std::string& section = row.days == 0 ? today : row.days == 1 ? tomorrow : later;
    section += ReplaceText(kContentTemplate, "%内容%", PageLine(row)) + "\r\n";
    if (static_cast<int>(tips.size()) < kTipLines) tips.push_back(TipLine(row));
  }
  report.page = Section(kTodayHeading, today) + Section(kTomorrowHeading, tomorrow) +
                Section(kLaterHeading, later);
  if (!report.page.empty()) {
    const std::string todayLine = ReplaceText(kTodayLine, "%公历%", DateToText(Today()));
    report.page = ReplaceText(todayLine, "%农历%", TodayLunarText()) + report.page;
  }
  for (const std::string& tip : tips) report.tipText += tip + "\r\n";
  if (report.rowCount > kTipLines) report.tipText += kMoreTips;
  return report;
}

void BuildUpcomingReport(ReportContext& context) {
  const UpcomingReport report = ComposeUpcomingReport(context.upcomingList, context.daysAhead);
  WriteWholeFile(context.reportPath, report.page);
  context.reportView.LoadPage(context.reportPath);
  const std::string count = NumberToText(report.rowCount);
  context.tray.SetTip("最近" + count + "将要过生日：\r\n" + report.tipText);
  // Both settings read 0 when missing: the balloon is wanted unless switched off, and
  // only while the tray icon is shown.
  if (context.settings.ReadNumber(PopUpSetting) == 0 &&
      context.settings.ReadNumber(TraySetting) == 0) {
    context.tray.ShowBalloon("最近有" + count + "将要过生日", report.tipText, kBalloonInfoIcon,
                             kBalloonTimeoutMs, true);
  }
}

}  // namespace memo
