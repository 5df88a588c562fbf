// For installers whose device is not on a network: the card gets what the
// device would otherwise fetch over TCP. One failed file does not stop the
// rest, but every one of them is reported, since the device cannot say
// what it is missing.
#pragma once

#include <string>
#include <vector>

class FileAccess;
class Proyecto;

extern const char kDeviceProjectName[];  // "trdev.xml"

// What did not reach the card.
struct CardCopyReport {
    bool projectFileCopied = true;
    // Picture names as the pages give them, each once, in page order.
    std::vector<std::string> picturesNotCopied;

    bool complete() const { return projectFileCopied && picturesNotCopied.empty(); }
};

// `folder` as the start of a path inside it: a separator is added unless it
// ends with one already (a drive root such as "E:\\" does).
std::string cardFolderPrefix(const std::string& folder);

// Copies `project`'s file and each page's own picture into `folder`. A name
// that isSafePictureName refuses is not copied and is reported with the
// failed ones: it would land outside the card or on a device.
CardCopyReport copyProjectToCard(const Proyecto& project, const std::string& folder, FileAccess& files);

// The error text of an incomplete copy, naming what is missing on the card.
std::string cardCopyFailureText(const CardCopyReport& report);
