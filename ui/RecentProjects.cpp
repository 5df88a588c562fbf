#include "ui/RecentProjects.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Settings.h"

namespace {

const char kSeparator = '|';

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// "C:" of "C:\a\b", "\\server\share" of "\\server\share\a"; "" when
// relative. The rest goes into `names`, one entry per folder or file.
std::string splitPath(const std::string& path, std::vector<std::string>& names) {
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        start = 2;
    } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // Server and share make the root of a network path.
        start = 2;
        for (int part = 0; part < 2 && start < path.size(); ++part) {
            while (start < path.size() && !isSeparator(path[start]))
                ++start;
            if (part == 0 && start < path.size())
                ++start;
        }
    }
    std::string root = path.substr(0, start);
    std::string name;
    for (size_t i = start; i < path.size(); ++i) {
        if (!isSeparator(path[i])) {
            name += path[i];
        } else if (!name.empty()) {
            names.push_back(name);
            name.clear();
        }
    }
    if (!name.empty())
        names.push_back(name);
    return root;
}

// The last `count` names of `names`, joined as a path.
std::string lastNames(const std::vector<std::string>& names, size_t count) {
    std::string text;
    for (size_t i = names.size() - std::min(count, names.size()); i < names.size(); ++i)
        text += (text.empty() ? "" : "\\") + names[i];
    return text;
}

std::string doubledAmpersands(const std::string& text) {
    std::string shown;
    for (char c : text) {
        shown += c;
        if (c == '&')
            shown += '&';
    }
    return shown;
}

// How many trailing names `paths[which]` must show so that no other path
// ends in the same ones: the folder and the file at least.
size_t namesToShow(const std::vector<std::vector<std::string>>& names, size_t which) {
    const std::vector<std::string>& own = names[which];
    size_t count = 2;
    for (; count < own.size(); ++count) {
        bool shared = false;
        for (size_t other = 0; other < names.size() && !shared; ++other)
            shared = other != which && equalIgnoringCase(lastNames(names[other], count), lastNames(own, count));
        if (!shared)
            break;
    }
    return count;
}

}  // namespace

std::vector<std::string> splitRecent(const std::string& text) {
    std::vector<std::string> paths;
    size_t start = 0;
    while (start <= text.size() && paths.size() < kRecentLimit) {
        size_t end = text.find(kSeparator, start);
        if (end == std::string::npos)
            end = text.size();
        std::string path = text.substr(start, end - start);
        const bool listed = std::any_of(paths.begin(), paths.end(),
                                        [&](const std::string& other) { return equalIgnoringCase(other, path); });
        if (!path.empty() && !listed)
            paths.push_back(path);
        start = end + 1;
    }
    return paths;
}

std::string joinRecent(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += (text.empty() ? "" : std::string(1, kSeparator)) + path;
    return text;
}

std::vector<std::string> recentMenuLabels(const std::vector<std::string>& paths) {
    std::vector<std::vector<std::string>> names(paths.size());
    std::vector<std::string> roots;
    for (size_t i = 0; i < paths.size(); ++i)
        roots.push_back(splitPath(paths[i], names[i]));
    std::vector<std::string> labels;
    for (size_t i = 0; i < paths.size(); ++i) {
        const size_t shown = namesToShow(names, i);
        // A path short enough to show whole is shown as it is.
        std::string text = shown >= names[i].size() ? paths[i] : roots[i] + "\\...\\" + lastNames(names[i], shown);
        labels.push_back("&" + std::to_string(i + 1) + " " + doubledAmpersands(text));
    }
    return labels;
}

std::vector<std::string> RecentProjects::paths() const {
    std::string text;
    if (!store_.readText(setting::kRecientes, text))
        return {};
    return splitRecent(text);
}

void RecentProjects::add(const std::string& path) {
    // A path never holds the separator; one that did would come back as two.
    if (path.empty() || path.find(kSeparator) != std::string::npos)
        return;
    std::vector<std::string> listed = paths();
    listed.insert(listed.begin(), path);
    // splitRecent drops the older entry of the same path and the ninth.
    store(splitRecent(joinRecent(listed)));
}

void RecentProjects::remove(const std::string& path) {
    std::vector<std::string> listed = paths();
    listed.erase(std::remove_if(listed.begin(), listed.end(),
                                [&](const std::string& other) { return equalIgnoringCase(other, path); }),
                 listed.end());
    store(listed);
}

void RecentProjects::store(const std::vector<std::string>& paths) {
    store_.writeText(setting::kRecientes, joinRecent(paths));
}
