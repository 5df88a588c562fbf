// The command that exports the handover document: written where the user
// chooses, with a folder beside it, named after it, that holds a copy of
// every page picture under a name of its own ("pagina-001.png"): no path
// from the project is ever used inside that folder.
#pragma once

#include <string>

class EditorPrompts;
class FileAccess;
class Proyecto;

class HandoverExport {
public:
    // "C:\\casa\\entrega.html" keeps its pictures in "C:\\casa\\entrega_archivos".
    static std::string folderFor(const std::string& documentPath);
    // The name the save dialog offers: the project file's, else the
    // installation's, as an .html file name.
    static std::string offeredName(const Proyecto& project);
    // The document or its folder is there already.
    static bool wouldReplace(FileAccess& files, const std::string& documentPath);
    // Writes the document and the copies; "" when all went well, else what
    // failed, in the user's words.
    static std::string write(const Proyecto& project, const std::string& documentPath, const std::string& date,
                             FileAccess& files);
    // The command: asks where, asks before replacing, writes, and offers to
    // open the result.
    static void run(EditorPrompts& prompts, const Proyecto& project, FileAccess& files);
    // Today as the document shows it: "08/12/2026".
    static std::string today();
};
