#pragma once

#include "config/AmplifierAddress.h"
#include "config/NstValues.h"

#include <QString>

// The shared settings in table NST of the central database. Every function runs its
// statements through the one connection and throws DatabaseError when one fails.
namespace orfa::config {
class Database;
}

namespace orfa::config::nst {

// HODNTXT holds this many characters of a text (db/orfa-schema.sql); a longer text makes the
// save fail.
inline constexpr qsizetype kTextLength = 100;

// The rows "IPZesE" and "PortZesE" (names exact); a missing row leaves its field empty.
AmplifierAddress readAmplifierAddress(Database& db);

// The first row named exactly "LoginChb": on when its HODNINT is 1; off without one.
bool readLoginFlag(Database& db);

// Whether the page of outputs 9 to 16 is shown: the row "VstupyRG" exists and its
// HODNINT is 1.
bool readSixteenOutputs(Database& db);

// Reads every row of NST into values: a row that is missing leaves its value as it was,
// a flag is on only for HODNINT 1, names compare exactly and a later row of the same name
// wins. Rows with other names are ignored.
void readNst(Database& db, NstValues& values);

// Replaces the 40 rows of the shared settings by values: one DELETE of exactly those
// rows, 40 INSERTs each with a fresh key from generator Nst, one commit. Rows with other
// names stay. When any statement fails the transaction is rolled back, so NST keeps the
// rows it had, and the error is thrown on.
void writeNst(Database& db, const NstValues& values);

} // namespace orfa::config::nst
