// Where the program's data files are: ./data first (a source checkout, the tests), then the
// folder installed with the program, found relative to the running executable so that any
// install prefix works.
#pragma once

#include <string>
#include <vector>

class DataFolder {
public:
    /// Picks the first candidate folder that holds the data; none is picked if no folder does.
    explicit DataFolder(std::vector<std::string> candidates);

    /// Looks in ./data, then in the installed folder beside the running executable.
    static DataFolder locate();

    /// True when a candidate holds the data.
    bool found() const { return !path.empty(); }
    /// The folder picked, as given; empty when none holds the data.
    const std::string& getPath() const { return path; }
    /// Every folder looked in, as absolute paths in the order tried, joined by " and ".
    std::string describeTried() const;

private:
    std::vector<std::string> candidates;
    std::string path;
};
