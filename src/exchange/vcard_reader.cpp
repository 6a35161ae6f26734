#include "exchange/vcard_reader.h"

#include <array>
#include <optional>

#include "exchange/contact_columns.h"
#include "exchange/contact_groups.h"
#include "exchange/exchange_text.h"
#include "exchange/lunar_card_date.h"
#include "exchange/vcard_lines.h"

namespace memo {
namespace {

constexpr std::array<std::string_view, 11> kWantedProperties = {
    "BEGIN", "END",       "FN",   "N",        "TEL",       "EMAIL",
    "BDAY",  "X-ALTBDAY", "NOTE", "NICKNAME", "CATEGORIES"};

// A property's text: escapes undone, then in GBK from the charset the property names or
// the file's own encoding. A double-byte GBK character is stepped over whole, since its
// second byte may be a backslash.
class TextDecoder {
 public:
  explicit TextDecoder(FileEncoding fileEncoding) : fileEncoding_(fileEncoding) {}

  FileEncoding EncodingOf(const VCardProperty& property) const {
    const std::string charset = property.Parameter("CHARSET");
    if (StartsWithIgnoringCase(charset, "GB")) return FileEncoding::kGb18030;
    if (EqualsIgnoringCase(charset, "UTF-8")) return FileEncoding::kUtf8;
    return fileEncoding_;
  }

  // The value split at unescaped semicolons (N's components) or commas (a list), each
  // unescaped.
  std::vector<std::string> Components(const VCardProperty& property, char separator = ';') const {
    const bool gbk = EncodingOf(property) == FileEncoding::kGb18030;
    std::vector<std::string> parts(1);
    const std::string& value = property.value;
    for (size_t i = 0; i < value.size(); ++i) {
      const char c = value[i];
      if (gbk && static_cast<unsigned char>(c) >= 0x81 && i + 1 < value.size()) {
        parts.back().append(value, i++, 2);
      } else if (c == '\\' && i + 1 < value.size()) {
        const char escaped = value[++i];
        parts.back().push_back(escaped == 'n' || escaped == 'N' ? '\n' : escaped);
      } else if (c == separator) {
        parts.emplace_back();
      } else {
        parts.back().push_back(c);
      }
    }
    return parts;
  }

  std::string Text(const VCardProperty& property) const {
    std::string text;
    const std::vector<std::string> parts = Components(property);
    for (size_t i = 0; i < parts.size(); ++i) text += (i ? ";" : "") + parts[i];
    return text;
  }

  std::optional<std::string> Gb18030(const VCardProperty& property, const std::string& text) const {
    return ExactGb18030(std::string(Trimmed(text)), EncodingOf(property));
  }

  // False for a value that should be UTF-8 and has bytes of another encoding.
  bool Readable(const VCardProperty& property) const {
    return EncodingOf(property) != FileEncoding::kUtf8 || IsUtf8(property.value);
  }

  std::string Shown(const VCardProperty& property, const std::string& text) const {
    return ShownGb18030(text, EncodingOf(property));
  }

 private:
  FileEncoding fileEncoding_;
};

// N is family;given;middle;prefix;suffix.
std::string NameFromComponents(const std::vector<std::string>& parts) {
  auto part = [&](size_t i) { return std::string(i < parts.size() ? Trimmed(parts[i]) : ""); };
  return NameOfParts(part(0), part(1), part(2));
}

// A BDAY value: 1980-05-03, 19800503, either with a time after "T"; --0503 or --05-03 is a
// month and day without a year, and so is any year that an omit-year parameter names.
CardDateForm ReadSolarDate(const VCardProperty& property, BirthdayFields& date) {
  std::string_view value = Trimmed(property.value);
  value = value.substr(0, value.find_first_of("Tt"));
  std::string withYear;
  const bool noYear = value.substr(0, 2) == "--";
  if (noYear) {
    // Year 0 before the month and day reads them in their places: 00000501, 0000-05-01.
    const std::string_view monthDay = value.substr(2);
    withYear = "0000" + std::string(monthDay.find('-') == std::string_view::npos ? "" : "-") +
               std::string(monthDay);
    value = withYear;
  }
  int fields[3] = {0, 0, 0};
  size_t field = 0, digits = 0;
  const bool separated = value.find_first_of("-./") != std::string_view::npos;
  for (char c : value) {
    if (c >= '0' && c <= '9') {
      // Unseparated, the fields are four, two and two digits wide.
      if (!separated && (digits == 4 || digits == 6)) ++field;
      if (field > 2 || ++digits > 8 || fields[field] > 9999) return CardDateForm::kInvalid;
      fields[field] = fields[field] * 10 + (c - '0');
    } else if (separated && (c == '-' || c == '.' || c == '/') && field < 2) {
      ++field;
    } else {
      return CardDateForm::kInvalid;
    }
  }
  if (field != 2 || (!separated && digits != 8)) return CardDateForm::kInvalid;
  const std::string omitted = property.Parameter("X-APPLE-OMIT-YEAR");
  const bool yearOmitted = noYear || (!omitted.empty() && omitted == std::to_string(fields[0]));
  date = BirthdayFields{yearOmitted ? 0 : fields[0], fields[1], fields[2], false, false};
  return yearOmitted ? CardDateForm::kNoYear : CardDateForm::kFull;
}

// The better of two forms: a date with its year, then one without.
bool Better(CardDateForm form, CardDateForm than) {
  return static_cast<int>(form) < static_cast<int>(than);
}

// One card's properties as they come, then the friend or the refusal it makes.
class Card {
 public:
  explicit Card(int line) : line_(line) {}
  int line() const { return line_; }

  void Take(const VCardProperty& property) {
    const std::string& name = property.name;
    if (name == "FN" && !fn_) fn_ = property;
    if (name == "N" && !n_) n_ = property;
    if (name == "TEL" && !tel_) tel_ = property;
    if (name == "EMAIL" && !email_) email_ = property;
    if (name == "BDAY" && !bday_) bday_ = property;
    if (name == "NOTE") notes_.push_back(property);
    if (name == "NICKNAME" && !nickname_) nickname_ = property;
    if (name == "CATEGORIES") categories_.push_back(property);
    if (name == "X-ALTBDAY" && !lunar_ &&
        EqualsIgnoringCase(property.Parameter("CALSCALE"), "chinese")) {
      lunar_ = property;
    }
  }

  void Finish(ImportRead& read, const TextDecoder& decoder) const {
    std::optional<std::string> name;
    std::string shown;
    if (fn_ && !Trimmed(decoder.Text(*fn_)).empty()) {
      name = decoder.Gb18030(*fn_, decoder.Text(*fn_));
      shown = decoder.Shown(*fn_, decoder.Text(*fn_));
    } else if (n_) {
      const std::string composed = NameFromComponents(decoder.Components(*n_));
      name = decoder.Gb18030(*n_, composed);
      shown = decoder.Shown(*n_, composed);
    } else {
      name = std::string();
    }
    const std::optional<VCardProperty>& contactProperty = tel_ ? tel_ : email_;
    const std::optional<std::string> contact =
        contactProperty ? decoder.Gb18030(*contactProperty, decoder.Text(*contactProperty))
                        : std::optional<std::string>(std::string());

    if (!Readable(decoder)) {
      read.Refuse(line_, shown, kNotUtf8);
      return;
    }
    BirthdayFields birthday;
    const CardDateForm form = BirthdayOf(decoder, birthday);
    if (form == CardDateForm::kInvalid) {
      read.Refuse(line_, shown, bday_ || lunar_ ? kBadCardBirthday : kNoBirthday);
      return;
    }
    TakeFriend(read, line_, name, shown, contact, birthday, Details(decoder, birthday));
  }

 private:
  // The lunar birthday when it reads with its year, else the solar one when it does; of two
  // without a year, the lunar one.
  CardDateForm BirthdayOf(const TextDecoder& decoder, BirthdayFields& birthday) const {
    CardDateForm form = CardDateForm::kInvalid;
    if (lunar_) {
      LunarDate date;
      form = ReadLunarCardDigits(Trimmed(lunar_->value), date);
      if (form != CardDateForm::kInvalid) {
        birthday = BirthdayFields{date.year, date.month, date.day, true, LeapNoted(decoder, date)};
      }
    }
    BirthdayFields solar;
    const CardDateForm solarForm = bday_ ? ReadSolarDate(*bday_, solar) : CardDateForm::kInvalid;
    if (Better(solarForm, form)) {
      birthday = solar;
      form = solarForm;
    }
    return form;
  }

  // The nickname as the 称呼, the categories as the groups, the notes but this program's leap
  // month note as the 备注.
  ContactDetails Details(const TextDecoder& decoder, const BirthdayFields& birthday) const {
    ContactDetails details;
    auto text = [&](const VCardProperty& property) {
      return decoder.Gb18030(property, decoder.Text(property)).value_or("");
    };
    if (nickname_) details.calledAs = text(*nickname_);
    std::vector<std::string> labels;
    for (const VCardProperty& categories : categories_) {
      for (const std::string& label : decoder.Components(categories, ',')) {
        labels.push_back(decoder.Gb18030(categories, label).value_or(""));
      }
    }
    details.groups = GroupsOf(labels);
    for (const VCardProperty& note : notes_) {
      const std::string noteText = text(note);
      if (birthday.leap && NotesLeapMonth(noteText, birthday.month)) continue;
      details.note += (details.note.empty() ? "" : "\n") + noteText;
    }
    return details;
  }

  bool Readable(const TextDecoder& decoder) const {
    for (const std::optional<VCardProperty>* property :
         {&fn_, &n_, &tel_, &email_, &bday_, &lunar_}) {
      if (*property && !decoder.Readable(**property)) return false;
    }
    for (const VCardProperty& note : notes_) {
      if (!decoder.Readable(note)) return false;
    }
    return true;
  }

  bool LeapNoted(const TextDecoder& decoder, const LunarDate& date) const {
    for (const VCardProperty& note : notes_) {
      const std::optional<std::string> text = decoder.Gb18030(note, decoder.Text(note));
      if (text && NotesLeapMonth(*text, date.month)) return true;
    }
    return false;
  }

  int line_;
  std::optional<VCardProperty> fn_, n_, tel_, email_, bday_, lunar_, nickname_;
  std::vector<VCardProperty> notes_, categories_;
};

}  // namespace

ImportRead ReadVCards(std::string_view bytes, std::optional<FileEncoding> encoding) {
  bytes = WithoutBom(bytes);
  ImportRead read;
  read.encoding = encoding.value_or(EncodingOf(bytes));
  const TextDecoder decoder(*read.encoding);
  std::optional<Card> card;
  int depth = 0;  // a 2.1 card may hold another one (AGENT); only the outer one counts
  ForEachVCardProperty(
      bytes,
      [](std::string_view name) {
        for (std::string_view wanted : kWantedProperties) {
          if (name == wanted) return true;
        }
        return false;
      },
      [&](const VCardProperty& property) {
        if (!read.failure.empty()) return;
        const bool isCard = EqualsIgnoringCase(Trimmed(property.value), "VCARD");
        if (property.name == "BEGIN" && isCard) {
          if (depth++ == 0) card.emplace(property.line);
        } else if (property.name == "END" && isCard && depth > 0) {
          if (--depth > 0) return;
          if (read.Full()) {
            read.failure = kTooManyEntries;
            return;
          }
          card->Finish(read, decoder);
          card.reset();
        } else if (card && depth == 1) {
          card->Take(property);
        }
      });
  if (card && read.failure.empty()) read.Refuse(card->line(), std::string(), kUnfinishedCard);
  return read;
}

}  // namespace memo
