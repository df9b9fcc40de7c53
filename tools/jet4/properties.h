#pragma once

#include "schema.h"

#include <string>
#include <utility>
#include <vector>

namespace jet4 {

// A Jet 4 property block ("MR2\0", a chunk of property names, then one chunk with the values
// of the object itself), as MSysObjects.LvProp holds it. Each property is a text (type 0x0A);
// the database row MSysDb carries "AccessVersion", which readers use to name the file format.
Bytes textPropertyBlock(const std::vector<std::pair<std::string, std::string>>& properties);

} // namespace jet4
