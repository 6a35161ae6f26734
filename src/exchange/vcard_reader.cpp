#include "exchange/vcard_reader.h"

#include <array>
#include <optional>

#include "exchange/exchange_text.h"
#include "exchange/lunar_card_date.h"
#include "exchange/vcard_lines.h"

namespace memo {
namespace {

constexpr std::array<std::string_view, 9> kWantedProperties = {
    "BEGIN", "END", "FN", "N", "TEL", "EMAIL", "BDAY", "X-ALTBDAY", "NOTE"};

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

  // The value split at unescaped semicolons (N's components), each unescaped.
  std::vector<std::string> Components(const VCardProperty& property) const {
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
      } else if (c == ';') {
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

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// N is family;given;middle;prefix;suffix. A Chinese name is family and given name run
// together; a Latin one is given, middle and family name with blanks between.
std::string NameFromComponents(const std::vector<std::string>& parts) {
  auto part = [&](size_t i) { return std::string(i < parts.size() ? Trimmed(parts[i]) : ""); };
  const std::string family = part(0), given = part(1), middle = part(2);
  if (!IsAscii(family + given + middle)) return family + middle + given;
  std::string name;
  for (const std::string& piece : {given, middle, family}) {
    if (!piece.empty()) name += (name.empty() ? "" : " ") + piece;
  }
  return name;
}

// A BDAY value: 1980-05-03, 19800503, either with a time after "T"; --0503 or --05-03 is a
// month and day without a year, and so is any year that an omit-year parameter names.
CardDateForm ReadSolarDate(const VCardProperty& property, BirthdayFields& date) {
  std::string_view value = Trimmed(property.value);
  value = value.substr(0, value.find_first_of("Tt"));
  if (value.substr(0, 2) == "--") return CardDateForm::kNoYear;
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
  if (!omitted.empty() && omitted == std::to_string(fields[0])) return CardDateForm::kNoYear;
  date = BirthdayFields{fields[0], fields[1], fields[2], false, false};
  return CardDateForm::kFull;
}

const char* ReasonOf(CardDateForm form) {
  return form == CardDateForm::kNoYear ? kNoBirthYear : kBadCardBirthday;
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
    if (form != CardDateForm::kFull) {
      read.Refuse(line_, shown, bday_ || lunar_ ? ReasonOf(form) : kNoBirthday);
      return;
    }
    TakeFriend(read, line_, name, shown, contact, birthday);
  }

 private:
  // The lunar birthday when it reads with its year, else the solar one; when neither
  // reads, the form of the first that is there.
  CardDateForm BirthdayOf(const TextDecoder& decoder, BirthdayFields& birthday) const {
    std::optional<CardDateForm> lunarForm;
    if (lunar_) {
      LunarDate date;
      lunarForm = ReadLunarCardDigits(Trimmed(lunar_->value), date);
      if (*lunarForm == CardDateForm::kFull) {
        birthday = BirthdayFields{date.year, date.month, date.day, true, LeapNoted(decoder, date)};
        return CardDateForm::kFull;
      }
    }
    if (bday_) {
      const CardDateForm solarForm = ReadSolarDate(*bday_, birthday);
      if (solarForm == CardDateForm::kFull || !lunarForm) return solarForm;
    }
    return lunarForm.value_or(CardDateForm::kInvalid);
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
  std::optional<VCardProperty> fn_, n_, tel_, email_, bday_, lunar_;
  std::vector<VCardProperty> notes_;
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
