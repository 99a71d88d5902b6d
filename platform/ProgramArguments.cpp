#include "platform/ProgramArguments.h"

void ProgramArguments::keep(std::vector<std::string> given) {
    words = std::move(given);
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr); // argv ends with a null pointer
}
