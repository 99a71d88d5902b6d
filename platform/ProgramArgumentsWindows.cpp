#include "platform/ProgramArguments.h"

#include "io/WideText.h"
#include "platform/ScreensaverSettings.h"
#include "platform/SystemFiles.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {
std::vector<std::string> wideWords(int argc, char** argv) {
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

std::string lowered(std::string text) {
    for (char& letter : text)
        letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    return text;
}

bool isScreensaverFile(const std::string& program) {
    return program.size() > 4 && lowered(program.substr(program.size() - 4)) == ".scr";
}

// A screensaver word: / or - and one letter, any case, then perhaps ":value" ("/p:1234").
bool readWord(const std::string& word, char& letter, std::string& value) {
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-') ||
        (word.size() > 2 && word[2] != ':'))
        return false;
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(word[1])));
    value = word.size() > 2 ? word.substr(3) : "";
    return true;
}

// From here on every error report is written to stderr, which is appended to
// %APPDATA%\Quillomer\screensaver.log: a screensaver must never wait behind a message box.
void writeErrorsToLog(const std::string& firstLine) {
    _putenv("QUILLOMER_ERRORS_TO_STDERR=1");
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData)
        return;
    const std::wstring folder = std::wstring(appData) + L"\\Quillomer";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!_wfreopen((folder + L"\\screensaver.log").c_str(), L"a", stderr))
        return;
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    std::fprintf(stderr, "%s %s\n", stamp, firstLine.c_str());
    std::fflush(stderr);
}

// A screensaver keeps no state.dat: it works in the program's data folder, where none is ever
// saved (its autopilot never saves), so the one the player saved elsewhere is neither read nor
// replaced. The data folder is still found beside the program.
void workInDataFolder() {
    const std::filesystem::path program = runningProgram();
    if (!program.empty())
        SetCurrentDirectoryW((program.parent_path() / L"data").c_str());
}

// The program's own words for a screensaver run, with the saved settings. The preview in the
// Screen Saver settings' little monitor stays silent.
std::vector<std::string> screensaverRun(const std::string& program, std::vector<std::string> mode,
                                        bool preview) {
    workInDataFolder();
    ScreensaverSettings settings = ScreensaverSettings::load();
    settings.sound = settings.sound && !preview;
    std::vector<std::string> words{program};
    words.insert(words.end(), mode.begin(), mode.end());
    words.insert(words.end(), {"--fps", std::to_string(settings.framesPerSecond)});
    if (settings.sound)
        words.push_back("--sound");
    const std::string run =
        preview ? "Quillomer screensaver preview (/p): " : "Quillomer screensaver (/s): ";
    writeErrorsToLog(run + (settings.sound ? "with sound" : "silent") + ", at most " +
                     std::to_string(settings.framesPerSecond) + " frames a second");
    return words;
}
} // namespace

ProgramArguments::ProgramArguments(int argc, char** argv) {
    std::vector<std::string> given = wideWords(argc, argv);
    char letter = 'c';
    std::string value;
    if (given.empty() || !isScreensaverFile(given[0]) ||
        (given.size() > 1 && !readWord(given[1], letter, value))) {
        keep(std::move(given));
        return;
    }
    // Windows' words: /s, /p HWND (or /p:HWND), /c[:HWND]; no word means /c.
    if (value.empty() && given.size() > 2)
        value = given[2];
    if (letter == 's')
        keep(screensaverRun(given[0], {"--root"}, false));
    else if (letter == 'p' && !value.empty())
        keep(screensaverRun(given[0], {"--window-id", value}, true));
    else if (letter == 'c') {
        settingsAsked = true;
        owner = value;
        keep({given[0]});
    } else
        keep(std::move(given));
}
