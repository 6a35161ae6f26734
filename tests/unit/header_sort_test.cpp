// Header clicks choose the sort menu's orders, and the arrow follows the order shown.
#include "window_logic/header_sort.h"

#include <gtest/gtest.h>

namespace memo {
namespace {

TEST(HeaderSort, ClicksTurnTheOrderRoundAndTheArrowFollows) {
  const struct {
    int column;
    SortCode current;
    std::optional<SortCode> chosen;
  } clicks[] = {
      {kNameColumnAt, SortCode::kStored, SortCode::kNameAscending},
      {kNameColumnAt, SortCode::kNameAscending, SortCode::kNameDescending},
      {kNameColumnAt, SortCode::kNameDescending, SortCode::kNameAscending},
      {kNameColumnAt, SortCode::kAgeAscending, SortCode::kNameAscending},
      {kBirthdayColumnAt, SortCode::kBirthdayAscending, SortCode::kBirthdayDescending},
      {kAgeColumnAt, SortCode::kCalendar, SortCode::kAgeAscending},
      {kAgeColumnAt, SortCode::kAgeAscending, SortCode::kAgeDescending},
      {kCalendarColumnAt, SortCode::kNameAscending, std::nullopt},
      {4, SortCode::kStored, std::nullopt},  // 联系方式
  };
  for (const auto& click : clicks) {
    EXPECT_EQ(SortCodeOfHeaderClick(click.column, click.current), click.chosen) << click.column;
    if (!click.chosen) continue;
    // The arrow of the order chosen stands on the column clicked.
    const SortArrow arrow = SortArrowOf(*click.chosen);
    EXPECT_EQ(arrow.column, click.column);
    EXPECT_EQ(arrow.ascending,
              click.current != *SortCodeOfHeaderClick(click.column, SortCode::kStored));
  }
  EXPECT_EQ(SortArrowOf(SortCode::kStored).column, -1);
  EXPECT_EQ(SortArrowOf(SortCode::kCalendar).column, -1);
}

}  // namespace
}  // namespace memo
