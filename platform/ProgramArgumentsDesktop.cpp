#include "platform/ProgramArguments.h"

ProgramArguments::ProgramArguments(int argc, char** argv) {
    keep(std::vector<std::string>(argv, argv + argc));
}
