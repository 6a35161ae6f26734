// Writes the tables of the program's GB 18030 converter, read off glibc's own converter at build
// time: the two-byte codes, the ranges of four-byte codes of the Basic Multilingual Plane, and the
// codes whose glibc mapping is not one-to-one. Usage: gb18030-table OUTPUT.cpp
//
// glibc follows GB 18030-2022 for 24 characters that 2005 mapped to the Private Use Area: their
// two-byte codes now decode to the standard characters, whose earlier four-byte codes decode to
// nothing (18 of them) or to the same standard character again (6). That leaves 24 private-use
// characters without a code, which would be lost. The converter maps each of them to the freed
// four-byte code of the character that took its two-byte code, as GB 18030-2022 does, so that
// every scalar value has exactly one code and every code one scalar value.
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

iconv_t encoder, decoder, gbkDecoder;

// glibc's code for a scalar value (1, 2 or 4 bytes), or empty.
std::string Encode(uint32_t codePoint) {
  char in[4] = {static_cast<char>(codePoint), static_cast<char>(codePoint >> 8),
                static_cast<char>(codePoint >> 16), 0};
  char out[8];
  char* inPtr = in;
  char* outPtr = out;
  size_t inLeft = sizeof in, outLeft = sizeof out;
  iconv(encoder, nullptr, nullptr, nullptr, nullptr);
  if (iconv(encoder, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return {};
  return std::string(out, outPtr);
}

// glibc's scalar value for one whole code, or -1.
long Decode(const std::string& code, iconv_t from = decoder) {
  unsigned char out[8];
  char* inPtr = const_cast<char*>(code.data());
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = code.size(), outLeft = sizeof out;
  iconv(from, nullptr, nullptr, nullptr, nullptr);
  if (iconv(from, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
      outPtr != reinterpret_cast<char*>(out) + 4) {
    return -1;
  }
  return out[0] | out[1] << 8 | out[2] << 16;
}

uint32_t Packed(const std::string& code) {
  uint32_t value = 0;
  for (unsigned char byte : code) value = value << 8 | byte;
  return value;
}

std::string FourByteCode(uint32_t linear) {
  return {static_cast<char>(0x81 + linear / 12600), static_cast<char>(0x30 + linear / 1260 % 10),
          static_cast<char>(0x81 + linear / 10 % 126), static_cast<char>(0x30 + linear % 10)};
}

constexpr uint32_t kBmpFourByteCodes = 39420;     // 81308130 to 8431A439
constexpr uint32_t kFirstSupplementary = 189000;  // linear number of 90308130, U+10000

struct Remapped {
  uint32_t code;
  uint32_t codePoint;
};

int Fail(const char* why) {
  std::fprintf(stderr, "gb18030-table: %s\n", why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: gb18030-table OUTPUT.cpp");
  encoder = iconv_open("GB18030", "UTF-32LE");
  decoder = iconv_open("UTF-32LE", "GB18030");
  gbkDecoder = iconv_open("UTF-32LE", "GBK");
  if (encoder == reinterpret_cast<iconv_t>(-1) || decoder == reinterpret_cast<iconv_t>(-1) ||
      gbkDecoder == reinterpret_cast<iconv_t>(-1)) {
    return Fail("iconv has no GB18030 or GBK");
  }

  // Two-byte codes: lead 81..FE, trail 40..7E and 80..FE.
  std::vector<uint16_t> twoByte;
  std::vector<bool> inGbk;         // GBK has the code, for the same character
  std::vector<Remapped> remapped;  // codes decoding outside the BMP, and the 24 below
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const long codePoint = Decode(code);
      if (codePoint < 0) return Fail("a two-byte code does not decode");
      twoByte.push_back(codePoint < 0x10000 ? static_cast<uint16_t>(codePoint) : 0);
      inGbk.push_back(Decode(code, gbkDecoder) == codePoint);
      if (codePoint >= 0x10000)
        remapped.push_back({Packed(code), static_cast<uint32_t>(codePoint)});
    }
  }

  // Scalar values glibc cannot encode, and four-byte codes that are free (decode to nothing) or
  // repeat a character that has a two-byte code.
  std::vector<uint32_t> withoutCode;
  for (uint32_t codePoint = 0x80; codePoint < 0x110000; ++codePoint) {
    if (codePoint >= 0xD800 && codePoint < 0xE000) continue;
    if (Encode(codePoint).empty()) withoutCode.push_back(codePoint);
  }
  // (two-byte code of the standard character, freed four-byte code)
  std::vector<std::pair<uint32_t, uint32_t>> freed;
  uint32_t lastStart = 0;
  long lastDecoded = -1;
  for (uint32_t linear = 0; linear < kBmpFourByteCodes; ++linear) {
    const long codePoint = Decode(FourByteCode(linear));
    if (codePoint >= 0) {
      lastStart = linear;
      lastDecoded = codePoint;
      continue;
    }
    // Within a range, the free code stood for the next character in line.
    const std::string taker = Encode(static_cast<uint32_t>(lastDecoded + (linear - lastStart)));
    if (taker.size() != 2) return Fail("a free four-byte code does not follow its range");
    freed.push_back({Packed(taker), Packed(FourByteCode(linear))});
  }
  for (const Remapped& wide : remapped) {
    const uint32_t linear = kFirstSupplementary + (wide.codePoint - 0x10000);
    freed.push_back({wide.code, Packed(FourByteCode(linear))});
  }
  if (freed.size() != withoutCode.size()) return Fail("the private-use characters do not pair up");
  // The private-use characters were handed out in the order of the two-byte codes.
  std::sort(freed.begin(), freed.end());
  for (size_t i = 0; i < freed.size(); ++i) remapped.push_back({freed[i].second, withoutCode[i]});
  std::sort(remapped.begin(), remapped.end(),
            [](const Remapped& a, const Remapped& b) { return a.code < b.code; });

  // Four-byte BMP codes in runs where code and character rise together.
  std::vector<std::pair<uint32_t, uint32_t>> runs;  // (first linear number, its character)
  long expected = -1;
  for (uint32_t linear = 0; linear < kBmpFourByteCodes; ++linear) {
    const long codePoint = Decode(FourByteCode(linear));
    if (codePoint < 0) {
      expected = -1;
      continue;
    }
    if (codePoint != expected) runs.push_back({linear, static_cast<uint32_t>(codePoint)});
    expected = codePoint + 1;
  }

  std::ofstream out(argv[1]);
  out << "// Generated by tools/gb18030-table from glibc's GB18030 converter. Do not edit.\n"
         "#include \"text/gb18030_tables.h\"\n\nnamespace memo::gb18030 {\n\n"
         "const uint16_t kTwoByteCodes[kTwoByteCount] = {";
  for (size_t i = 0; i < twoByte.size(); ++i) out << (i % 12 ? " " : "\n    ") << twoByte[i] << ",";
  out << "\n};\n\nconst uint8_t kTwoByteInGbk[(kTwoByteCount + 7) / 8] = {";
  for (size_t i = 0; i < inGbk.size(); i += 8) {
    unsigned bits = 0;
    for (size_t k = 0; k < 8 && i + k < inGbk.size(); ++k) bits |= inGbk[i + k] << k;
    out << (i % 128 ? " " : "\n    ") << bits << ",";
  }
  out << "\n};\n\nconst size_t kFourByteRunCount = " << runs.size()
      << ";\nconst FourByteRun kFourByteRuns[] = {";
  for (size_t i = 0; i < runs.size(); ++i) {
    out << (i % 4 ? " " : "\n    ") << "{" << runs[i].first << ", " << runs[i].second << "},";
  }
  out << "\n};\n\nconst size_t kRemappingCount = " << remapped.size()
      << ";\nconst Remapping kRemappings[] = {";
  for (size_t i = 0; i < remapped.size(); ++i) {
    out << (i % 4 ? " " : "\n    ") << "{0x" << std::hex << remapped[i].code << ", 0x"
        << remapped[i].codePoint << std::dec << "},";
  }
  out << "\n};\n\n}  // namespace memo::gb18030\n";
  std::printf("%zu %zu %zu\n", twoByte.size(), runs.size(), remapped.size());
  return out ? 0 : Fail("cannot write the table");
}
