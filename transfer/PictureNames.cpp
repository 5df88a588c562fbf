#include "transfer/PictureNames.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Proyecto.h"

// The part Windows looks at is the one before the first dot, spaces at its
// end ignored: "nul.png", "Com1.tar.gz" and "aux .png" all name devices.
static bool isDeviceName(const std::string& component) {
    std::string stem = component.substr(0, component.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (equalIgnoringCase(stem, device))
            return true;
    std::string family = stem.substr(0, 3);
    return stem.size() == 4 && (equalIgnoringCase(family, "COM") || equalIgnoringCase(family, "LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

static bool isRefusedComponent(const std::string& component) {
    if (component == "..")
        return true;
    if (!component.empty() && (component.back() == '.' || component.back() == ' '))
        return true;
    return isDeviceName(component);
}

bool isSafePictureName(const std::string& name) {
    if (name.empty() || isAbsolutePath(name))
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = name.size();
        if (isRefusedComponent(name.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> servedPictureNames(const Proyecto& project) {
    std::vector<std::string> names;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}
