// Storing an added or edited friend and deleting friends, in the birthday table and the
// friend list together.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/records_context.h"

namespace memo {

// The solar birthday a date of the add window or the command-line tool stands for (the time
// of day does not count); nothing for a value outside the dates a birthday text can hold.
std::optional<Birthday> SolarBirthdayOfDate(DateTime date);

// Stores a new friend, adds it at the end of the friend list and brings the status bar up
// to the list.
// False when the table refused it (reported): the list stays as it was. The window shows
// the friend list's page itself.
bool AddFriend(RecordsContext& context, Friend person);

// Stores the friend's changes in the table and in its row of the friend list, and brings
// the status bar up to the list. False when the table refused them (reported).
bool UpdateFriend(RecordsContext& context, const Friend& person);

// Deletes the friends from the table and the list, in the order given, and brings the status
// bar up to the list. A friend the table refuses to delete stays, with every friend after
// it, and the failure is reported. Returns the number deleted.
int DeleteFriends(RecordsContext& context, const std::vector<int64_t>& rowids);

// Asks whether to go on; true for yes.
using Confirmation = std::function<bool(const std::string& question)>;

// Deletes the friends selected in the list after the confirmation; on the user-interface
// thread, which the selection is asked of. Returns the number deleted.
int DeleteSelectedFriends(RecordsContext& context, const Confirmation& confirm);

}  // namespace memo
