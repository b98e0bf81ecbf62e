// Defaults of the seam.
#include "core/host.h"

#include <ctime>

namespace ovs {

std::int64_t Host::Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace ovs
