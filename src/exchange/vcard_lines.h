// The content lines of a vCard file (2.1, 3.0 or 4.0) as phones write them: either line
// end, folded lines, quoted-printable values with their soft line breaks.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace memo {

struct VCardProperty {
  int line = 0;      // where the property begins, from 1
  std::string name;  // upper case, without its group ("item1.TEL" is TEL)
  // Names upper case; a 2.1 parameter written without a name ("TEL;CELL") has an empty one.
  std::vector<std::pair<std::string, std::string>> parameters;
  std::string value;  // quoted-printable already decoded; escapes still in it

  // The value of the named parameter, or empty.
  std::string Parameter(std::string_view parameterName) const;
};

// Calls `take` with each property whose name `wanted` accepts, in file order. Other
// properties (photos, sounds) are passed over without being copied.
void ForEachVCardProperty(std::string_view text,
                          const std::function<bool(std::string_view name)>& wanted,
                          const std::function<void(const VCardProperty&)>& take);

}  // namespace memo
