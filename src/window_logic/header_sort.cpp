#include "window_logic/header_sort.h"

namespace memo {
namespace {

struct ColumnOrders {
  int column;
  SortCode ascending, descending;
};

// 年龄升序 is the youngest first, the order of ages up.
constexpr ColumnOrders kColumnOrders[] = {
    {kNameColumnAt, SortCode::kNameAscending, SortCode::kNameDescending},
    {kBirthdayColumnAt, SortCode::kBirthdayAscending, SortCode::kBirthdayDescending},
    {kAgeColumnAt, SortCode::kAgeAscending, SortCode::kAgeDescending},
};

}  // namespace

std::optional<SortCode> SortCodeOfHeaderClick(int column, SortCode current) {
  for (const ColumnOrders& orders : kColumnOrders) {
    if (orders.column == column) {
      return current == orders.ascending ? orders.descending : orders.ascending;
    }
  }
  return std::nullopt;
}

SortArrow SortArrowOf(SortCode code) {
  for (const ColumnOrders& orders : kColumnOrders) {
    if (code == orders.ascending) return {orders.column, true};
    if (code == orders.descending) return {orders.column, false};
  }
  return {-1, true};
}

}  // namespace memo
