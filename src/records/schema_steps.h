// The steps that bring config.mdb from one version of the program's tables to the next,
// in order. The table "生日" and its four columns never change, so that an older copy of the
// program still reads the file: what later versions keep lives in tables of their own,
// keyed to the friend's rowid. A step is one more entry at the end; the file's version is
// the number of steps it has taken.
#pragma once

#include <vector>

namespace memo {

inline constexpr char kDetailsTable[] = "好友资料";
inline constexpr char kDetailsRowidColumn[] = "好友";
// The friend's name when the details were stored: a row that an older copy of the program
// deleted and whose rowid a new friend took must not lend that friend its details.
inline constexpr char kDetailsNameColumn[] = "姓名";
inline constexpr char kCalledAsColumn[] = "称呼";
inline constexpr char kGroupsColumn[] = "分组";
inline constexpr char kNoteColumn[] = "备注";

// Statements in UTF-8, run together in one transaction.
using SchemaStep = const char*;

const std::vector<SchemaStep>& SchemaSteps();

}  // namespace memo
