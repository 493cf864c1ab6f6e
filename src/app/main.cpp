#include "app/OrfaApplication.h"
#include "app/Program.h"

int main(int argc, char** argv) {
    orfa::app::OrfaApplication app(argc, argv);
    return orfa::app::runProgram(app);
}
