#pragma once

#include "config/IoNames.h"

namespace orfa::config {

class Database;

// Names, enable flags and groups as the central database holds them, for the panel:
// rows "Vstup<i>En" and "Vystup<n>En" of NST give name and flag (on only for HODNINT 1),
// rows "RadioJmeno<r>" the memory names; names compare exactly. A source or output
// without a row has no entry; a memory without a row is named by its number. Every row
// of SKUPINY with an output 1..16 gives a group member, in the order the server returns
// them. Throws DatabaseError when a statement fails.
IoNames readIoNames(Database& db);

} // namespace orfa::config
