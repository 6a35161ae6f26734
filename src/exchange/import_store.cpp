#include "exchange/import_store.h"

namespace memo {

bool StoreImport(FriendRepository& repository, const ImportRead& read, ImportPlan& plan) {
  return repository.InsertChosen([&](const std::vector<Friend>& stored) {
    plan = PlanImport(read, stored);
    return plan.Friends();
  });
}

}  // namespace memo
