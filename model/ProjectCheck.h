// Looks over a project for what would go wrong once it is on the device:
// jumps and a start page that name no page, pages sharing a name, missing
// pictures, regions off their picture or without area, regions that do
// nothing, BlueTooth commands without an address and pages no jump reaches.
// A picture that is damaged counts as missing.
// Reads the project and its pictures as they are on disk now, each picture
// whole (checksums and compressed data) but without keeping its pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Proyecto;

struct ProjectFinding {
    int32_t page = -1;    // index in `paginas`; -1 for the project itself
    int32_t region = -1;  // index in the page's `regiones`; -1 for none
    std::string text;     // short Spanish text (Windows-1252)

    bool operator==(const ProjectFinding& other) const {
        return page == other.page && region == other.region && text == other.text;
    }
};

// Findings in page order: the project's own first, then for each page its
// own findings followed by its regions' in region order.
std::vector<ProjectFinding> checkProject(const Proyecto& project);

// One line of a list of findings: the page name before the text.
std::string findingLine(const Proyecto& project, const ProjectFinding& finding);
