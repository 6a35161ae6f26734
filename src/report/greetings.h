// The greeting copied for a friend's coming birthday, ready to paste into a messenger: one of
// the built-in greetings, or of the user's own in "祝福语.txt" beside the program.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "reckoning/today.h"
#include "records/friend.h"
#include "settings/settings_names.h"

namespace memo {

inline constexpr char kGreetingsFileName[] = "祝福语.txt";

// Whom a greeting suits: a child (under 18), an adult, an elder (60 and over), a 整寿 from
// 60 on. The groups are headed "[儿童]", "[成人]", "[长辈]" and "[整寿]" in the file.
enum class GreetingGroup { kChild, kAdult, kElder, kMilestone };
inline constexpr size_t kGreetingGroups = 4;

// GBK greetings of each group, in GreetingGroup order, with the fields %姓名%, %年龄% (the
// age reached, a number) and %寿% ("七十大寿", "三十岁整生日", else "32岁生日").
using GreetingBook = std::array<std::vector<std::string>, kGreetingGroups>;

GreetingBook BuiltInGreetings();
// A UTF-8 greetings file: one greeting a line under its group's heading. Every group the file
// gives a greeting keeps the file's; the others keep the built-in ones.
GreetingBook GreetingsFromFile(const std::string& utf8);
// The file beside the program over the built-in greetings; the built-in ones alone when there
// is no readable file.
GreetingBook GreetingsBeside(const std::string& programDirectory);

// The greeting for the friend's birthday being counted from today, with the age in the chosen
// reckoning (两者: the 周岁). A birthday that could not be read gets an adult's greeting
// without an age.
std::string GreetingFor(const Friend& person, const TodayDates& today, AgeForm form,
                        const GreetingBook& book);

}  // namespace memo
