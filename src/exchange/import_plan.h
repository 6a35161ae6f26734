// An import worked out before anything is stored: the friends to add, the entries skipped
// as exact duplicates (the same name and stored birthday, calendar included) of a stored
// friend or of an earlier entry of the file, and the entries refused. Texts are GBK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/imported_friends.h"
#include "records/friend.h"

namespace memo {

struct ImportPlan {
  std::vector<ImportedFriend> additions;
  std::vector<Refusal> refusals;
  int storedDuplicates = 0;
  int fileDuplicates = 0;
  // Why the whole file is refused; then nothing is added.
  std::string failure;
  std::optional<FileEncoding> encoding;  // of a text file

  std::vector<Friend> Friends() const;
};

ImportPlan PlanImport(ImportRead read, const std::vector<Friend>& stored);

// "张三  1980年5月3日  公历  13800000000", a line of the preview.
std::string PreviewLine(const Friend& person);
// "第12行 张三：没有生日"
std::string RefusalLine(const Refusal& refusal);
// The refusals after a blank line and the title, a line each, cut after maxLines with the
// number left out.
std::string RefusalList(const char* title, const std::vector<Refusal>& refusals, size_t maxLines);
// "将导入3位好友，跳过重复的2位（已有1位，文件中重复1位），不能导入1条。"; with `done`,
// "已导入…" for the message after the import.
std::string PlanSummary(const ImportPlan& plan, bool done);

// "文件编码：UTF-8" for a text file, so that a person who sees wrong names can choose the
// other encoding; empty for a backup.
std::string EncodingLine(const ImportPlan& plan);

// The preview a person reads before the import: the summary, the encoding, the friends to
// add and the refused entries, each list cut after `maxLines` lines with the number left out. Lines
// are separated by CR LF.
std::string PreviewText(const ImportPlan& plan, size_t maxLines);

}  // namespace memo
