// The friends of a file to import, whatever its kind, told from its content: contact cards,
// a spreadsheet, or a backup of the database. A file that cannot be read, is too large or
// is of no such kind is refused whole.
#pragma once

#include <optional>
#include <string>

#include "exchange/imported_friends.h"

namespace memo {

// The path is GBK. A text file is read in the encoding chosen, or else in the one its bytes
// tell.
ImportRead ReadImportFile(const std::string& path,
                          std::optional<FileEncoding> encoding = std::nullopt);

}  // namespace memo
