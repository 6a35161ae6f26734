// Storing an added or edited friend and deleting friends, in the birthday table and the
// friend list together.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window_logic/records_context.h"

namespace memo {

// The solar birthday a date of the add window or the command-line tool stands for (the time
// of day does not count); nothing for a value outside the dates a birthday text can hold.
std::optional<Birthday> SolarBirthdayOfDate(DateTime date);

// Stores a new friend, loads the friend list again in its order, so that the friend takes
// its place there, and brings the status bar up to the list.
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

// The question before deleting these friends, naming them: "确定要删除王小明（1990年5月1日，
// 公历）的生日信息吗？", or for several "确定要删除王小明、李娜等3位好友的生日信息吗？".
std::string DeletionQuestion(const std::vector<Friend>& friends);

// Deletes the friends of these rowids (those of the list shown, whichever it is) after the
// confirmation, and says in status pane 0 whom it deleted and how to undo it. Gives the
// deleted friends as they were, for RestoreFriends; nothing when none was chosen or the
// answer was no.
std::vector<Friend> DeleteChosenFriends(RecordsContext& context, const std::vector<int64_t>& rowids,
                                        const Confirmation& confirm);

// Puts deleted friends back as they were: in the table, under their old rowids where those
// are still free, and in their places in the list. A friend with the same name and birthday
// stored again meanwhile (an import) is not put back, and status pane 0 says so. Gives the
// number put back; one the table refuses (reported) stays out, with every one after it.
int RestoreFriends(RecordsContext& context, const std::vector<Friend>& friends);

}  // namespace memo
