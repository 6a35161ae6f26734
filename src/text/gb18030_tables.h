// The tables behind the GB 18030 converter, generated at build time (tools/gb18030-table).
#pragma once

#include <cstddef>
#include <cstdint>

namespace memo::gb18030 {

// Two-byte codes: lead bytes 81..FE, trail bytes 40..7E and 80..FE; a four-byte code's second
// and fourth bytes are digits 30..39.
inline constexpr unsigned kFirstLead = 0x81;
inline constexpr unsigned kFirstTrail = 0x40;
inline constexpr unsigned kNoTrail = 0x7F;  // DEL stays ASCII, so the trails skip it
inline constexpr unsigned kFirstDigit = 0x30;
inline constexpr size_t kTrailBytes = 190;
inline constexpr size_t kTwoByteCount = 126 * kTrailBytes;
// The character of each two-byte code, or 0 where it lies outside the BMP (see kRemappings).
extern const uint16_t kTwoByteCodes[kTwoByteCount];
// The place of a two-byte code in kTwoByteCodes.
inline size_t TwoByteIndex(unsigned lead, unsigned trail) {
  return (lead - kFirstLead) * kTrailBytes + (trail > kNoTrail ? trail - 1 : trail) - kFirstTrail;
}
// Bit i (of byte i / 8, from the lowest) is set where GBK has two-byte code i for the same
// character: GB 18030 gave characters to some codes that GBK leaves to private use.
extern const uint8_t kTwoByteInGbk[(kTwoByteCount + 7) / 8];

// Four-byte codes of the BMP run in step with their characters from each run's start.
struct FourByteRun {
  uint32_t linear;  // the code's number counted from 81308130
  uint16_t codePoint;
};
extern const size_t kFourByteRunCount;
extern const FourByteRun kFourByteRuns[];

// Codes that no formula or table above gives, sorted by code (packed big-endian).
struct Remapping {
  uint32_t code;
  uint32_t codePoint;
};
extern const size_t kRemappingCount;
extern const Remapping kRemappings[];

}  // namespace memo::gb18030
