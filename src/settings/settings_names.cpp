#include "settings/settings_names.h"

namespace memo {

const char* const DefaultTitle = "寿辰备忘录";

}  // namespace memo
