#include "settings/config.h"

namespace settings {

ConfigRecord Config;

} // namespace settings
