#include "platform/ProgramArguments.h"

#include "io/WideText.h"

#include <windows.h>

#include <memory>

std::vector<std::string> ProgramArguments::read(int argc, char** argv) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> wide(
        CommandLineToArgvW(GetCommandLineW(), &count), LocalFree);
    if (!wide)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> words;
    for (int index = 0; index < count; ++index)
        words.push_back(utf8Text(wide.get()[index]));
    return words;
}
