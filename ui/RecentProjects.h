// The projects opened or saved last, most recent first, as "Archivo" lists
// them. The list lives in the settings as one text of paths joined by "|"
// (a character no Windows path may hold); it is read again before every
// change, so two editors running at once keep each other's entries.
// Portable: the window builds the menu from menuLabels().
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class Settings;

// The stored text as a list: empty entries and repeats dropped, at most
// kRecentLimit kept.
std::vector<std::string> splitRecent(const std::string& text);
std::string joinRecent(const std::vector<std::string>& paths);

// Menu texts "&1 C:\...\Casa\casa.xml": numbered from 1 with its mnemonic,
// the folders between the root and the last ones left out, but as many of
// the last kept as tell two files of one name apart. An "&" of a path is
// doubled so that it shows as itself.
std::vector<std::string> recentMenuLabels(const std::vector<std::string>& paths);

const size_t kRecentLimit = 8;

class RecentProjects {
public:
    explicit RecentProjects(Settings& store) : store_(store) {}

    // The list as stored now.
    std::vector<std::string> paths() const;
    // Puts `path` first (moving it when listed) and stores the list.
    void add(const std::string& path);
    // Takes `path` out of the list and stores it.
    void remove(const std::string& path);

private:
    void store(const std::vector<std::string>& paths);

    Settings& store_;
};
