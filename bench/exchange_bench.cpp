// Exchange files at the size of a large address book: 10,000 friends (half of them lunar)
// written as an iCalendar file of 21 years each (210,000 events), and 10,000 contacts read
// from a vCard file as a phone exports them and from a CSV file as Google Contacts does.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/calendar_writer.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "reckoning/birthday.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr int kFriends = 10000;

std::vector<Friend> SampleFriends(int count) {
  std::mt19937 random(13);
  std::uniform_int_distribution<int> year(1930, 2010), month(1, 12), day(1, 28);
  const char* const surnames[] = {"张", "王", "李", "赵", "欧阳"};
  std::vector<Friend> friends;
  for (int i = 0; i < count; ++i) {
    const bool lunar = i % 2 == 1;
    friends.push_back(Friend{0, surnames[i % 5] + std::to_string(i),
                             BirthdayOf(lunar, year(random), month(random), day(random), false),
                             "1380000" + std::to_string(i)});
  }
  return friends;
}

void CalendarOfTwentyOneYears(benchmark::State& state) {
  const std::vector<Friend> friends = SampleFriends(kFriends);
  CalendarOptions options;
  options.today = TodayDates(MakeDateTime(2025, 6, 1), LunarDate{2025, 5, 6, false});
  CalendarFile file;
  for (auto _ : state) {
    file = WriteCalendar(friends, options);
    benchmark::DoNotOptimize(file.bytes.data());
  }
  state.counters["events"] = file.events;
  state.counters["MB"] = static_cast<double>(file.bytes.size()) / 1e6;
}
BENCHMARK(CalendarOfTwentyOneYears)->Unit(benchmark::kMillisecond);

// Cards as a phone exports an address book: grouped and typed properties, an organisation
// and a note, a lunar birthday beside the solar one on every other card, and a photo of
// 3 KB on every tenth, folded at 75 octets.
std::string PhoneCards(int count) {
  const std::vector<Friend> friends = SampleFriends(count);
  const std::string photo(4000, 'A');
  std::string file;
  for (int i = 0; i < count; ++i) {
    const Friend& person = friends[i];
    const std::string digits = std::to_string(1000000 + i);
    file += "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Phone//Contacts//EN\r\n";
    file += "N:" + Gb18030ToUtf8(person.name.substr(0, 2)) + ";" +
            Gb18030ToUtf8(person.name.substr(2)) + ";;;\r\nFN:" + Gb18030ToUtf8(person.name) +
            "\r\n";
    file += "ORG:" + Gb18030ToUtf8("示例公司") + ";\r\n";
    file += "TEL;type=CELL;type=VOICE;type=pref:138 " + digits + "\r\n";
    file += "item1.TEL:+86 10 " + digits + "\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n";
    file += "item2.EMAIL;type=INTERNET:friend" + digits + "@example.com\r\n";
    file += "BDAY;value=date:1980-05-" + std::to_string(10 + i % 19) + "\r\n";
    if (i % 2 == 1) file += "X-ALTBDAY;CALSCALE=chinese:007700470208\r\n";
    file += "NOTE:" + Gb18030ToUtf8("大学同学，住在北京") + "\r\n";
    if (i % 10 == 0) {
      file += "PHOTO;ENCODING=b;TYPE=JPEG:" + photo.substr(0, 48);
      for (size_t at = 48; at < photo.size(); at += 74) file += "\r\n " + photo.substr(at, 74);
      file += "\r\n";
    }
    file += "END:VCARD\r\n";
  }
  return file;
}

void ContactsFromVCards(benchmark::State& state) {
  const std::string file = PhoneCards(kFriends);
  size_t friends = 0;
  for (auto _ : state) {
    const ImportRead read = ReadVCards(file);
    friends = read.friends.size();
    benchmark::DoNotOptimize(read.friends.data());
  }
  state.counters["friends"] = static_cast<double>(friends);
  state.counters["MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(ContactsFromVCards)->Unit(benchmark::kMillisecond);

// The same address book as Google Contacts exports it in its newer header: the name in parts,
// a birthday (a third without a year), a note, labels, a mail address and two numbers.
std::string GoogleCsv(int count) {
  const std::vector<Friend> friends = SampleFriends(count);
  std::string file =
      "First Name,Middle Name,Last Name,Phonetic First Name,Phonetic Middle Name,Phonetic Last "
      "Name,Name Prefix,Name Suffix,Nickname,File As,Organization Name,Organization Title,"
      "Organization Department,Birthday,Notes,Photo,Labels,E-mail 1 - Label,E-mail 1 - Value,"
      "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n";
  const std::string company = Gb18030ToUtf8("示例公司"), note = Gb18030ToUtf8("大学同学，住在北京"),
                    labels = Gb18030ToUtf8("同学") + " ::: * myContacts";
  for (int i = 0; i < count; ++i) {
    const Friend& person = friends[i];
    const std::string digits = std::to_string(1000000 + i);
    const std::string day = std::to_string(10 + i % 19);
    file += Gb18030ToUtf8(person.name.substr(2)) + ",," + Gb18030ToUtf8(person.name.substr(0, 2)) +
            ",,,,,,,," + company + ",,," + (i % 3 == 0 ? "--05-" + day : "1980-05-" + day) + "," +
            note + ",," + labels + ",* Home,friend" + digits + "@example.com,Mobile,+86 138 " +
            digits + ",Work,+86 10 " + digits + "\r\n";
  }
  return file;
}

void ContactsFromGoogleCsv(benchmark::State& state) {
  const std::string file = GoogleCsv(kFriends);
  size_t friends = 0;
  for (auto _ : state) {
    const ImportRead read = ReadFriendsCsv(file);
    friends = read.friends.size();
    benchmark::DoNotOptimize(read.friends.data());
  }
  state.counters["friends"] = static_cast<double>(friends);
  state.counters["MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK(ContactsFromGoogleCsv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memo
