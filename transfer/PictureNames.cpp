#include "transfer/PictureNames.h"

#include <algorithm>

#include "model/FileAccess.h"
#include "model/Proyecto.h"

static bool isAbsolute(const std::string& name) {
    if (name[0] == '/' || name[0] == '\\')
        return true;
    // A drive letter or a stream name: "C:x", "a.png:x".
    return name.find(':') != std::string::npos;
}

static bool climbsOut(const std::string& name) {
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = name.size();
        if (name.compare(start, end - start, "..") == 0)
            return true;
        start = end + 1;
    }
    return false;
}

bool isSafePictureName(const std::string& name) {
    return !name.empty() && !isAbsolute(name) && !climbsOut(name);
}

std::vector<std::string> servedPictureNames(const Proyecto& project) {
    std::vector<std::string> names;
    for (const auto& page : project.paginas) {
        const std::string& name = page->imagen;
        if (isSafePictureName(name) && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::string picturePath(const std::string& archivo, const std::string& name) {
    return folderOf(archivo) + name;
}
