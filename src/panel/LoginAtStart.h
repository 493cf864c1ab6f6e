#pragma once

#include <QStringList>

class QWidget;

namespace orfa::data {
class DataModule;
}

namespace orfa::panel {

// The login of the start-up sequence: shows the login dialog modally over parent with
// command-line parameters 1 and 2 of arguments (the parameters after the program name;
// empty when absent) and returns whether it failed: true when no valid login was made,
// and the program must then end. After a valid login the data module's rights() hold
// the user's record.
bool runLoginAtStart(data::DataModule& data, const QStringList& arguments, QWidget* parent);

} // namespace orfa::panel
