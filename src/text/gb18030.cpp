#include "text/gb18030.h"

#include <algorithm>
#include <vector>

#include "text/gb18030_tables.h"

namespace memo {
namespace {

using gb18030::kRemappingCount;
using gb18030::kRemappings;

// Four-byte codes counted from 81308130; the BMP's end at 8431A439, the other planes from
// 90308130 (U+10000) on.
constexpr uint32_t kBmpFourByteCodes = 39420;
constexpr uint32_t kFirstSupplementary = 189000;

using gb18030::kFirstDigit;
using gb18030::kFirstLead;

// A four-byte code counts in mixed radix: lead (126) × digit (10) × lead (126) × digit (10).
constexpr uint32_t kLeads = 126, kDigits = 10;

uint32_t LinearOf(uint32_t b1, uint32_t b2, uint32_t b3, uint32_t b4) {
  return (((b1 - kFirstLead) * kDigits + (b2 - kFirstDigit)) * kLeads + (b3 - kFirstLead)) *
             kDigits +
         (b4 - kFirstDigit);
}

void AppendFourByte(uint32_t linear, std::string& out) {
  out += static_cast<char>(kFirstLead + linear / (kDigits * kLeads * kDigits));
  out += static_cast<char>(kFirstDigit + linear / (kLeads * kDigits) % kDigits);
  out += static_cast<char>(kFirstLead + linear / kDigits % kLeads);
  out += static_cast<char>(kFirstDigit + linear % kDigits);
}

void AppendPacked(uint32_t code, std::string& out) {
  if (code > 0xFFFF) out += static_cast<char>(code >> 24), out += static_cast<char>(code >> 16);
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code);
}

const gb18030::Remapping* RemappingOfCode(uint32_t code) {
  const gb18030::Remapping* end = kRemappings + kRemappingCount;
  const gb18030::Remapping* found = std::lower_bound(
      kRemappings, end, code,
      [](const gb18030::Remapping& entry, uint32_t wanted) { return entry.code < wanted; });
  return found != end && found->code == code ? found : nullptr;
}

// Surrogates stand for no character and have no code.
constexpr uint32_t kNoCode = 0xFFFFFFFF;

// Every BMP character's code, built once from the tables: one or two bytes as a number below
// 0x10000, four bytes as 0x10000 + their linear number (nothing is coded as bytes 00..FF
// beyond ASCII, so the two forms never meet).
const std::vector<uint32_t>& BmpCodes() {
  static const std::vector<uint32_t> codes = [] {
    std::vector<uint32_t> table(0x10000, kNoCode);
    for (uint32_t c = 0; c < 0x80; ++c) table[c] = c;
    for (size_t i = 0; i < gb18030::kFourByteRunCount; ++i) {
      const uint32_t end = i + 1 < gb18030::kFourByteRunCount ? gb18030::kFourByteRuns[i + 1].linear
                                                              : kBmpFourByteCodes;
      for (uint32_t linear = gb18030::kFourByteRuns[i].linear; linear < end; ++linear) {
        const uint32_t codePoint =
            gb18030::kFourByteRuns[i].codePoint + (linear - gb18030::kFourByteRuns[i].linear);
        if (codePoint < 0x10000) table[codePoint] = 0x10000 + linear;
      }
    }
    for (size_t i = 0; i < gb18030::kTwoByteCount; ++i) {
      const uint32_t codePoint = gb18030::kTwoByteCodes[i];
      if (codePoint == 0) continue;
      const uint32_t trail = gb18030::kFirstTrail + i % gb18030::kTrailBytes;
      table[codePoint] = (kFirstLead + i / gb18030::kTrailBytes) << 8 |
                         (trail >= gb18030::kNoTrail ? trail + 1 : trail);
    }
    for (size_t i = 0; i < kRemappingCount; ++i) {
      const gb18030::Remapping& entry = kRemappings[i];
      if (entry.codePoint >= 0x10000) continue;
      table[entry.codePoint] = entry.code > 0xFFFF
                                   ? 0x10000 + LinearOf(entry.code >> 24, entry.code >> 16 & 0xFF,
                                                        entry.code >> 8 & 0xFF, entry.code & 0xFF)
                                   : entry.code;
    }
    return table;
  }();
  return codes;
}

uint32_t DecodeFourByte(uint32_t linear) {
  if (linear < kBmpFourByteCodes) {
    const gb18030::FourByteRun* end = gb18030::kFourByteRuns + gb18030::kFourByteRunCount;
    const gb18030::FourByteRun* run = std::upper_bound(
        gb18030::kFourByteRuns, end, linear,
        [](uint32_t wanted, const gb18030::FourByteRun& entry) { return wanted < entry.linear; });
    if (run == gb18030::kFourByteRuns) return kReplacementCharacter;
    --run;
    return run->codePoint + (linear - run->linear);
  }
  if (linear >= kFirstSupplementary && linear - kFirstSupplementary < 0x100000) {
    return 0x10000 + (linear - kFirstSupplementary);
  }
  return kReplacementCharacter;
}

}  // namespace

uint32_t NextGb18030Character(std::string_view text, size_t& pos) {
  const size_t length = Gb18030CharLength(text, pos);
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  uint32_t codePoint = kReplacementCharacter;
  if (length == 1) {
    if (byte(0) < 0x80) codePoint = byte(0);
  } else {
    uint32_t code = 0;
    for (size_t i = 0; i < length; ++i) code = code << 8 | byte(i);
    if (const gb18030::Remapping* remapped = RemappingOfCode(code)) {
      codePoint = remapped->codePoint;
    } else if (length == 2) {
      const uint32_t value = gb18030::kTwoByteCodes[gb18030::TwoByteIndex(byte(0), byte(1))];
      if (value != 0) codePoint = value;
    } else {
      codePoint = DecodeFourByte(LinearOf(byte(0), byte(1), byte(2), byte(3)));
    }
  }
  pos += length;
  return codePoint;
}

void AppendGb18030(uint32_t codePoint, std::string& out) {
  if ((codePoint >= 0xD800 && codePoint < 0xE000) || codePoint > 0x10FFFF) {
    codePoint = kReplacementCharacter;
  }
  if (codePoint < 0x10000) {
    const uint32_t code = BmpCodes()[codePoint];
    if (code >= 0x10000) {
      AppendFourByte(code - 0x10000, out);
    } else {
      AppendPacked(code, out);
    }
    return;
  }
  // Six characters outside the BMP have two-byte codes.
  for (size_t i = 0; i < kRemappingCount; ++i) {
    if (kRemappings[i].codePoint == codePoint) return AppendPacked(kRemappings[i].code, out);
  }
  AppendFourByte(kFirstSupplementary + (codePoint - 0x10000), out);
}

const uint32_t* Gb18030BmpCodes() {
  return BmpCodes().data();
}

uint16_t ShortGb18030Code(uint32_t codePoint) {
  if (codePoint >= 0x10000) return kNoShortCode;
  const uint32_t code = BmpCodes()[codePoint];  // kNoCode for a surrogate
  return code >= 0x10000 ? kNoShortCode : static_cast<uint16_t>(code);
}

uint16_t GbkCode(uint32_t codePoint) {
  const uint16_t code = ShortGb18030Code(codePoint);
  if (code < 0x80 || code == kNoShortCode) return code;
  const size_t index = gb18030::TwoByteIndex(code >> 8, code & 0xFF);
  return gb18030::kTwoByteInGbk[index / 8] >> (index % 8) & 1 ? code : kNoShortCode;
}

}  // namespace memo
