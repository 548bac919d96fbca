// Writes the resolved members as C++ source: constant tables in the layout of
// fonts/conversion_tables.h, and the lookups by font index.
#pragma once

#include <ostream>
#include <vector>

#include "tools/convgen/member.h"

namespace convgen {

void write_tables_source(const std::vector<Member>& members, std::ostream& out);

}  // namespace convgen
