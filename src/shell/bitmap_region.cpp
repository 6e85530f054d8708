#include "shell/bitmap_region.h"

#include <stdexcept>
#include <string>

namespace dorvena::shell {}  // namespace dorvena::shell
