// Looks over a project for what would go wrong once it is on the device:
// jumps and a start page that name no page, pages sharing a name, missing
// pictures, regions off their picture or without area, regions that do
// nothing, BlueTooth commands without an address and pages no jump reaches.
// A picture that is damaged counts as missing. It also warns of what only
// shows in the house: regions over one another, regions too small for a
// finger, pages other than the start page with no way on, BlueTooth
// addresses typed wrong and pictures of another size than most pages of
// their shape.
// Reads the project and its pictures as they are on disk now, each picture
// whole (checksums and compressed data) but without keeping its pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Proyecto;

// An error fails on the device; a warning ("Aviso") may be what the
// installer meant.
enum class FindingSeverity { Error, Warning };

struct ProjectFinding {
    int32_t page = -1;    // index in `paginas`; -1 for the project itself
    int32_t region = -1;  // index in the page's `regiones`; -1 for none
    std::string text;     // short Spanish text (Windows-1252)
    FindingSeverity severity = FindingSeverity::Error;

    bool operator==(const ProjectFinding& other) const {
        return page == other.page && region == other.region && text == other.text && severity == other.severity;
    }
};

struct CheckOptions {
    // Regions narrower or lower than this, in picture pixels, are too small
    // for a finger.
    uint32_t minButtonSize = 40;
};

// Told after each page is checked; returning false stops the check.
using CheckProgress = std::function<bool(size_t pagesDone, size_t pageCount)>;

struct CheckOutcome {
    std::vector<ProjectFinding> findings;  // those found before a stop, too
    bool stopped = false;                  // the progress callback said stop
};

// Findings in page order: the project's own first, then for each page its
// own findings followed by its regions' in region order.
std::vector<ProjectFinding> checkProject(const Proyecto& project, const CheckOptions& options = {});
CheckOutcome checkProject(const Proyecto& project, const CheckOptions& options, const CheckProgress& progress);

// "Error" or "Aviso".
const char* severityText(FindingSeverity severity);

// The columns of the list of findings, by which it can be sorted.
enum class FindingColumn { Severity, Page, Region, Text };
// Stable: findings equal in `column` keep their order. Pages sort by their
// place in the project, regions by number, texts as the user reads them.
void sortFindings(std::vector<ProjectFinding>& findings, FindingColumn column, bool ascending);
// Errors before warnings, each in the order given.
void putErrorsFirst(std::vector<ProjectFinding>& findings);
