// Storing an added or edited friend and deleting friends, in the friend list and in the
// birthday table together, so that row n of one stays row n of the other.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "records/records_context.h"

namespace memo {

// The stored form of a birthday: the date text, with "[闰月]" after a lunar leap month.
// A solar birthday never carries the mark, even when the date was picked in a day of a
// lunar leap month: with it the text would no longer read as a date.
std::string BirthdayText(DateTime date, bool lunar, bool leap);

// Writes friend-list row `row` and the same row of the result set, which is added at
// the end when the set has no such row, stores it and shows the record count. For an
// added friend the caller appends the empty list row first; the window shows the friend
// list's page itself.
void SaveFriend(RecordsContext& context, const std::string& name, bool lunar, DateTime date,
                const std::string& contact, int row, bool leap);

// Deletes the given friend-list rows (ascending) from the table and the list. A row the
// table refuses to delete stays, with every row after it, and the failure is reported.
// Returns the number deleted.
int DeleteFriendRows(RecordsContext& context, const std::vector<int>& rows);

// Asks whether to go on; true for yes.
using Confirmation = std::function<bool(const std::string& question)>;

// Deletes the selected friends after the confirmation, then runs the upcoming pass.
void DeleteSelectedFriends(RecordsContext& context, const Confirmation& confirm);

}  // namespace memo
