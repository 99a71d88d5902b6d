// The words of the program's command line in UTF-8, as main hands them on. Windows gives
// main its words in the ANSI code page, which cannot hold every letter of a file name; there
// they are read again from the wide command line. Each platform has its own source file.
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

private:
    /// The platform's reading of the command line.
    static std::vector<std::string> read(int argc, char** argv);

    std::vector<std::string> words;
    std::vector<char*> pointers;
};
