// The lunar birthday of a phone's contact card: "X-ALTBDAY;CALSCALE=chinese:" and twelve
// digits, the 60-year cycle (0078 for 1984 to 2043), the year in the cycle, the month and
// the day; 007800021101 is lunar 1985, month 11, day 1. The form has no documented mark
// for a leap month, so a leap month is written with its number and named in a note.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lunar/lunar_engine.h"

namespace memo {

std::string LunarCardDigits(int year, int month, int day);

enum class CardDateForm { kFull, kNoYear, kInvalid };
// Reads the digits (dashes between them allowed); kNoYear for a month and day alone ("--1208",
// as vCard 4 leaves out a year), read with year 0. Some
// programs write the lunar date itself there, "1948-08-15" or "19480815": eight digits are
// read as the lunar year, month and day.
CardDateForm ReadLunarCardDigits(std::string_view value, LunarDate& date);

// The note this program writes beside a leap-month birthday, "农历生日：闰五月十二"; a card
// whose note contains it for the month of its X-ALTBDAY is read as that leap month.
std::string LeapMonthNote(int month, int day);
bool NotesLeapMonth(const std::string& note, int month);

}  // namespace memo
