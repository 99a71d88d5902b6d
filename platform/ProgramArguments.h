// The words of the program's command line in UTF-8, as main hands them on. Windows gives
// main its words in the ANSI code page, which cannot hold every letter of a file name; there
// they are read again from the wide command line. A program started as a Windows screensaver
// (a .scr file) reads Windows' screensaver words into the program's own: /s runs it over
// the screen (--root), /p HWND in the preview window (--window-id HWND), both with the saved
// settings and with errors written to a log, never shown in a box; /c[:HWND] or no word asks
// for the settings dialog. Each platform has its own source file.
#pragma once

#include <string>
#include <vector>

class ProgramArguments {
public:
    /// The words main was given (argv[0] the program), read again where the system has them
    /// in a fuller form.
    ProgramArguments(int argc, char** argv);
    ProgramArguments(const ProgramArguments&) = delete;
    ProgramArguments& operator=(const ProgramArguments&) = delete;

    /// How many words, the program's own included.
    int count() const { return static_cast<int>(words.size()); }
    /// The words as main's argv (a null pointer after the last), valid as long as this object.
    char** values() { return pointers.data(); }
    /// True when the screensaver's settings dialog was asked for instead of a run.
    bool asksForSettings() const { return settingsAsked; }
    /// The window that owns the settings dialog (a number; empty: none).
    const std::string& settingsOwner() const { return owner; }

private:
    /// Takes `given` as the words.
    void keep(std::vector<std::string> given);

    std::vector<std::string> words;
    std::vector<char*> pointers;
    bool settingsAsked = false;
    std::string owner;
};
