#include "global/mod_global.h"

namespace modGlobal {

ConfigRecord Config;
QString Msg_1;
QString Msg_2;
QString Msg_3;

} // namespace modGlobal
