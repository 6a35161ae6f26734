// Byte-exact text operations over the inside encoding (GB 18030) that step over two- and
// four-byte characters as a whole.
#pragma once

#include <string>

namespace memo {

// 1-based byte position of the first occurrence of part, or -1.
int FindText(const std::string& text, const std::string& part);
std::string ReplaceText(const std::string& text, const std::string& part,
                        const std::string& replacement);
// Full-width blank, digits, letters and punctuation become their ASCII forms.
std::string FoldFullWidth(const std::string& text);
// Length in bytes of the longest prefix of at most maxBytes bytes that ends on a
// character boundary.
size_t Gb18030PrefixLength(const std::string& text, size_t maxBytes);

}  // namespace memo
