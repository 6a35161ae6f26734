#include "settings/settings_names.h"

namespace memo {

const char* const kDefaultTitle = "寿辰备忘录";

}  // namespace memo
