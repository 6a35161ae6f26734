#include "exchange/import_plan.h"

#include <unordered_set>

namespace memo {
namespace {

std::string DuplicateKey(const Friend& person) {
  return person.name + '\x1F' + person.birthday.text + '\x1F' + person.birthday.calendarName();
}

// A titled list of lines after a blank line, cut after maxLines.
template <typename Entry, typename LineOf>
std::string Listed(const char* title, const std::vector<Entry>& entries, size_t maxLines,
                   LineOf lineOf) {
  if (entries.empty()) return std::string();
  std::string text = std::string("\r\n\r\n") + title;
  for (size_t i = 0; i < entries.size() && i < maxLines; ++i) text += "\r\n" + lineOf(entries[i]);
  if (entries.size() > maxLines) {
    text += "\r\n……另有" + std::to_string(entries.size() - maxLines) + "条";
  }
  return text;
}

}  // namespace

std::vector<Friend> ImportPlan::Friends() const {
  std::vector<Friend> friends;
  friends.reserve(additions.size());
  for (const ImportedFriend& addition : additions) friends.push_back(addition.person);
  return friends;
}

ImportPlan PlanImport(ImportRead read, const std::vector<Friend>& stored) {
  ImportPlan plan;
  plan.refusals = std::move(read.refusals);
  plan.failure = std::move(read.failure);
  plan.encoding = read.encoding;
  if (!plan.failure.empty()) return plan;
  std::unordered_set<std::string> storedKeys, fileKeys;
  for (const Friend& person : stored) storedKeys.insert(DuplicateKey(person));
  for (ImportedFriend& entry : read.friends) {
    std::string key = DuplicateKey(entry.person);
    if (storedKeys.count(key)) {
      ++plan.storedDuplicates;
    } else if (!fileKeys.insert(std::move(key)).second) {
      ++plan.fileDuplicates;
    } else {
      plan.additions.push_back(std::move(entry));
    }
  }
  return plan;
}

std::string PreviewLine(const Friend& person) {
  std::string line =
      person.name + "  " + person.birthday.text + "  " + person.birthday.calendarName();
  if (!person.contact.empty()) line += "  " + person.contact;
  return line;
}

std::string RefusalLine(const Refusal& refusal) {
  std::string line = "第" + std::to_string(refusal.line) + "行 ";
  if (!refusal.name.empty()) line += refusal.name + "：";
  return line + refusal.reason;
}

std::string RefusalList(const char* title, const std::vector<Refusal>& refusals, size_t maxLines) {
  return Listed(title, refusals, maxLines, RefusalLine);
}

std::string EncodingLine(const ImportPlan& plan) {
  return plan.encoding ? std::string("文件编码：") + EncodingName(*plan.encoding) : std::string();
}

std::string PreviewText(const ImportPlan& plan, size_t maxLines) {
  const std::string encoding = EncodingLine(plan);
  return PlanSummary(plan, false) + (encoding.empty() ? "" : "\r\n" + encoding) +
         Listed("将导入的好友：", plan.additions, maxLines,
                [](const ImportedFriend& entry) { return PreviewLine(entry.person); }) +
         RefusalList("不能导入的条目：", plan.refusals, maxLines);
}

std::string PlanSummary(const ImportPlan& plan, bool done) {
  if (!plan.failure.empty()) return "不能导入：" + plan.failure + "。";
  std::string summary =
      (done ? "已导入" : "将导入") + std::to_string(plan.additions.size()) + "位好友";
  if (const int duplicates = plan.storedDuplicates + plan.fileDuplicates; duplicates > 0) {
    summary += "，跳过重复的" + std::to_string(duplicates) + "位（已有" +
               std::to_string(plan.storedDuplicates) + "位，文件中重复" +
               std::to_string(plan.fileDuplicates) + "位）";
  }
  if (!plan.refusals.empty()) {
    summary += "，不能导入" + std::to_string(plan.refusals.size()) + "条";
  }
  return summary + "。";
}

}  // namespace memo
