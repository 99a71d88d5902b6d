#include "platform/ProgramArguments.h"

ProgramArguments::ProgramArguments(int argc, char** argv) : words(read(argc, argv)) {
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr); // argv ends with a null pointer
}
