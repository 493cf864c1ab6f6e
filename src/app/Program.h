#pragma once

namespace orfa::app {

class OrfaApplication;

// The program's whole run once the application object exists: one copy per
// settings directory (a later copy hands over and ends), the data module, the
// main window, SIGTERM and SIGINT, and the event loop. Returns the exit code.
int runProgram(OrfaApplication& app);

} // namespace orfa::app
