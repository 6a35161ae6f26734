// Text conversion through iconv (native builds).
#include "text/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

#include "text/gbk_table.h"

namespace memo {
namespace {

// Opening a descriptor costs more than most conversions, and a descriptor cannot be
// shared between threads: each thread keeps one per direction until it ends.
class Descriptors {
 public:
  ~Descriptors() {
    for (const auto& [directions, descriptor] : open_) iconv_close(descriptor);
  }
  // A descriptor in its initial state, or (iconv_t)-1.
  iconv_t Get(const char* to, const char* from) {
    auto found = open_.find({to, from});
    if (found != open_.end()) {
      iconv(found->second, nullptr, nullptr, nullptr, nullptr);
      return found->second;
    }
    iconv_t descriptor = iconv_open(to, from);
    if (descriptor != reinterpret_cast<iconv_t>(-1)) open_[{to, from}] = descriptor;
    return descriptor;
  }

 private:
  std::map<std::pair<std::string_view, std::string_view>, iconv_t> open_;
};

// Input goes to iconv in rounds of this many bytes. glibc converts from UTF-16 in two steps
// (through UCS-4), and at an unconvertible character it redoes the first step over all that the
// call took in, thousands of characters: short calls keep a text full of such characters (the GBK
// table's build converts one) from costing time that grows with the square of its length.
constexpr size_t kRoundBytes = 128;

// Converts `input` from one encoding to another; an unconvertible input unit becomes
// `replacement` (already in the target encoding) and conversion goes on after it.
std::string Convert(const char* to, const char* from, const char* input, size_t inputBytes,
                    size_t inputUnit, const std::string& replacement,
                    bool skipContinuation = false) {
  thread_local Descriptors descriptors;
  iconv_t cd = descriptors.Get(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string out;
  char buffer[4 * kRoundBytes + 16];
  char* in = const_cast<char*>(input);
  size_t inLeft = inputBytes;
  while (inLeft > 0) {
    size_t roundLeft = inLeft < kRoundBytes ? inLeft : kRoundBytes;
    const size_t afterRound = inLeft - roundLeft;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &in, &roundLeft, &outPtr, &outLeft);
    inLeft = roundLeft + afterRound;
    out.append(buffer, outPtr - buffer);
    if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
    // A character cut by the round's end is whole in the next round.
    if (errno == EINVAL && afterRound > 0) continue;
    // EILSEQ or EINVAL: skip one unit of the input and mark the spot.
    size_t skip = inLeft < inputUnit ? inLeft : inputUnit;
    in += skip;
    inLeft -= skip;
    // In UTF-8 a whole sequence is one character: skip its continuation bytes too.
    while (skipContinuation && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
      ++in;
      --inLeft;
    }
    out += replacement;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::u16string GbkToUtf16(const std::string& gbk) {
  std::string bytes =
      Convert("UTF-16LE", "GBK", gbk.data(), gbk.size(), 1, std::string("\xFD\xFF", 2));
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return out;
}

std::string Utf16ToGbk(const std::u16string& utf16) {
  std::string bytes(utf16.size() * 2, '\0');
  for (size_t i = 0; i < utf16.size(); ++i) {
    bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
  }
  return Convert("GBK", "UTF-16LE", bytes.data(), bytes.size(), 2, "?");
}

std::string GbkToUtf8(const std::string& gbk) {
  return Convert("UTF-8", "GBK", gbk.data(), gbk.size(), 1, "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(const std::string& utf8) {
  std::string looked;
  if (Utf8ToGbkByTable(utf8, looked)) return looked;
  return Convert("GBK", "UTF-8", utf8.data(), utf8.size(), 1, "?", true);
}

}  // namespace memo
