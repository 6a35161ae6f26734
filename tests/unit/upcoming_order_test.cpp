// The upcoming list by its headers: days or names, either way round.
#include "report/upcoming_order.h"

#include <gtest/gtest.h>

namespace memo {
namespace {

std::string NamesIn(UpcomingOrder order) {
  std::vector<UpcomingEntry> entries;
  // As the upcoming pass gives them: by days, a day's in list order.
  const std::pair<const char*, int> given[] = {{"赵敏", 0}, {"曾静", 2}, {"李娜", 2}, {"Anna", 5}};
  for (const auto& [name, days] : given) {
    UpcomingEntry& entry = entries.emplace_back();
    entry.person.name = name;
    entry.days = days;
  }
  SortUpcomingEntries(entries, order);
  std::string names;
  for (const UpcomingEntry& entry : entries) names += entry.person.name + " ";
  return names;
}

TEST(UpcomingOrder, HeadersSortByDaysOrNamesEitherWay) {
  const UpcomingOrder byDays;
  EXPECT_EQ(NamesIn(byDays), "赵敏 曾静 李娜 Anna ");
  EXPECT_EQ(NamesIn({kUpcomingDaysColumn, false}), "Anna 曾静 李娜 赵敏 ");
  EXPECT_EQ(NamesIn({kUpcomingNameColumn, true}), "Anna 李娜 曾静 赵敏 ");
  EXPECT_EQ(NamesIn({kUpcomingNameColumn, false}), "赵敏 曾静 李娜 Anna ");

  const struct {
    int column;
    UpcomingOrder current;
    std::optional<bool> ascending;  // nothing: the click chooses no order
  } clicks[] = {
      {kUpcomingDaysColumn, byDays, false},
      {kUpcomingDaysColumn, {kUpcomingDaysColumn, false}, true},
      {kUpcomingNameColumn, byDays, true},
      {kUpcomingNameColumn, {kUpcomingNameColumn, true}, false},
      {1, byDays, std::nullopt},  // 生日
  };
  for (const auto& click : clicks) {
    const auto chosen = UpcomingOrderOfHeaderClick(click.column, click.current);
    ASSERT_EQ(chosen.has_value(), click.ascending.has_value()) << click.column;
    if (!chosen) continue;
    EXPECT_EQ(chosen->column, click.column);
    EXPECT_EQ(chosen->ascending, *click.ascending);
  }
}

}  // namespace
}  // namespace memo
