#include "hero/random.hpp"

#include <ctime>

namespace vov {

std::int64_t SystemClock::now() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace vov
