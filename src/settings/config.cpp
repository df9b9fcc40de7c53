#include "settings/config.h"

namespace modGlobal {

ConfigRecord Config;

} // namespace modGlobal
