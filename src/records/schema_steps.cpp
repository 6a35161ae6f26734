#include "records/schema_steps.h"

namespace memo {

const std::vector<SchemaStep>& SchemaSteps() {
  static const std::vector<SchemaStep> steps = {
      // 1: 称呼, 分组 and 备注.
      u8"create table if not exists \"好友资料\" (\"好友\" integer primary key, "
      u8"\"姓名\" text, \"称呼\" text, \"分组\" text, \"备注\" text)",
      // 2: the reminders' alert states; the name guards against a rowid given to another.
      "create table if not exists alert_states (friend integer not null, occurrence integer "
      "not null, alert_day integer not null, name text, action integer not null, until integer "
      "not null default 0, primary key (friend, occurrence, alert_day))",
  };
  return steps;
}

}  // namespace memo
