// Storing an import. The preview was planned against the friends stored when it was made;
// by the time it is confirmed another import (the window's or the command-line tool's) may
// have stored some of the same friends, so the plan is made again against the stored rows
// inside the write transaction that adds the friends.
#pragma once

#include "exchange/import_plan.h"
#include "records/friend_repository.h"

namespace memo {

// Stores the additions of the read planned anew; `plan` is what was done. False when the
// table refused (reported): then nothing was added.
bool StoreImport(FriendRepository& repository, const ImportRead& read, ImportPlan& plan);

}  // namespace memo
