#include "ui/HandoverExport.h"

#include <cstdio>
#include <ctime>
#include <map>
#include <vector>

#include "model/FileAccess.h"
#include "model/Imagen.h"
#include "model/Proyecto.h"
#include "ui/EditorPrompts.h"
#include "ui/HandoverDocument.h"
#include "ui/HtmlText.h"

namespace {

bool endsWithIgnoringCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && equalIgnoringCase(text.substr(text.size() - end.size()), end);
}

std::string withoutExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// What Windows refuses in a file name becomes '_'.
std::string fileNameOf(const std::string& text) {
    std::string name = text;
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            c = '_';
    return name;
}

char separatorOf(const std::string& path) {
    return path.find('\\') != std::string::npos ? '\\' : '/';
}

std::string copyName(size_t page) {
    char name[32];
    std::snprintf(name, sizeof name, "pagina-%03zu.png", page + 1);
    return name;
}

}  // namespace

std::string HandoverExport::folderFor(const std::string& documentPath) {
    const std::string name = baseNameOf(documentPath);
    return documentPath.substr(0, documentPath.size() - name.size()) + withoutExtension(name) + "_archivos";
}

std::string HandoverExport::offeredName(const Proyecto& project) {
    const std::string stem = project.archivo.empty() ? project.instalacion : withoutExtension(baseNameOf(project.archivo));
    return fileNameOf(stem.empty() ? "documentacion" : stem) + ".html";
}

bool HandoverExport::wouldReplace(FileAccess& files, const std::string& documentPath) {
    return files.exists(documentPath) || files.exists(folderFor(documentPath));
}

// Pages naming the same picture share one copy.
std::string HandoverExport::write(const Proyecto& project, const std::string& documentPath, const std::string& date,
                                  FileAccess& files) {
    const std::string folder = folderFor(documentPath);
    const std::string folderAddress = HtmlText::address(baseNameOf(folder)) + "/";
    std::vector<HandoverPicture> pictures(project.paginas.size());
    std::map<std::string, std::string> copies;
    for (size_t i = 0; i < project.paginas.size(); ++i) {
        const Pagina& page = *project.paginas[i];
        HandoverPicture& picture = pictures[i];
        const std::string source = picturePath(project.archivo, page.imagen);
        picture.present = !page.imagen.empty() && Imagen::readSize(source, picture.width, picture.height);
        if (!picture.present) {
            picture.width = page.pictureWidth();
            picture.height = page.pictureHeight();
            continue;
        }
        auto copied = copies.find(source);
        if (copied == copies.end()) {
            const std::string name = copyName(i);
            const std::string copy = folder + separatorOf(documentPath) + name;
            // A picture of an earlier export used by the project is there already.
            const bool inPlace = equalIgnoringCase(source, copy);
            if (!inPlace && !copyMakingFolders(files, source, copy))
                return "No se pudo copiar la imagen " + page.imagen + " en " + folder;
            copied = copies.emplace(source, name).first;
        }
        picture.address = folderAddress + copied->second;
    }
    const std::string html = HandoverDocument::html(project, pictures, project.archivo, date);
    if (!writeFileSafely(files, documentPath, html))
        return "No se pudo escribir " + documentPath;
    return "";
}

void HandoverExport::run(EditorPrompts& prompts, const Proyecto& project, FileAccess& files) {
    std::string path = prompts.chooseDocumentFile(offeredName(project));
    if (path.empty())
        return;
    if (!endsWithIgnoringCase(path, ".html") && !endsWithIgnoringCase(path, ".htm"))
        path += ".html";
    if (wouldReplace(files, path) && !prompts.mayReplaceDocument(path))
        return;
    const std::string problem = write(project, path, today(), files);
    if (!problem.empty())
        prompts.showError(problem);
    else if (prompts.openDocumentWhenDone(path))
        prompts.openDocument(path);
}

std::string HandoverExport::today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return "";
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", local);
    return text;
}
