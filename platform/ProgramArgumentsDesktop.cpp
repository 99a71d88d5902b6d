#include "platform/ProgramArguments.h"

std::vector<std::string> ProgramArguments::read(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
