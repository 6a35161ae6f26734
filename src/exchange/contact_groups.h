// The groups a contact file gives a contact, as the friend's 分组: the labels of a Google
// export ("家人 ::: * myContacts"), Outlook's categories ("家人; 同事"), a card's CATEGORIES.
// Texts are GBK.
#pragma once

#include <string>
#include <vector>

namespace memo {

// The groups, each once and in their order, joined by the friend's group separator; the
// system groups every Google contact has (myContacts, starred) are left out, and so is the
// "* " Google puts before them. A separator inside a name becomes a blank.
std::string GroupsOf(const std::vector<std::string>& labels);

// The labels of one field, split at any of the separators.
std::vector<std::string> SplitLabels(const std::string& field,
                                     const std::vector<std::string>& separators);

}  // namespace memo
