#include "report/upcoming_order.h"

#include <algorithm>
#include <string>

#include "records/name_order.h"
#include "text/text_codec.h"

namespace memo {

std::optional<UpcomingOrder> UpcomingOrderOfHeaderClick(int column, UpcomingOrder current) {
  if (column != kUpcomingNameColumn && column != kUpcomingDaysColumn) return std::nullopt;
  return UpcomingOrder{column, !(current.column == column && current.ascending)};
}

void SortUpcomingEntries(std::vector<UpcomingEntry>& entries, UpcomingOrder order) {
  std::vector<std::pair<std::string, UpcomingEntry>> keyed;
  for (UpcomingEntry& entry : entries) {
    std::string key;
    if (order.column == kUpcomingNameColumn)
      AppendNameSortKey(Gb18030ToUtf8(entry.person.name), key);
    keyed.emplace_back(std::move(key), std::move(entry));
  }
  std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
    const auto& first = order.ascending ? a : b;
    const auto& second = order.ascending ? b : a;
    return order.column == kUpcomingNameColumn ? first.first < second.first
                                               : first.second.days < second.second.days;
  });
  entries.clear();
  for (auto& [key, entry] : keyed) entries.push_back(std::move(entry));
}

}  // namespace memo
