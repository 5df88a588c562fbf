// Every question the editor needs answered and every dialog it opens, so
// that its rules run without a window system. The program's implementation
// shows the message boxes and dialogs; the unit tests answer from a script
// and keep what was asked.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Region.h"
#include "ui/CommandReplace.h"
#include "ui/PaginaForm.h"
#include "ui/PictureImport.h"

class Pagina;
class Proyecto;
struct ProjectFinding;

// The pictures a picture command brings, once every question was answered.
struct PicturesAnswer {
    bool accepted = false;
    std::vector<PictureFile> pictures;
    bool scaleRegions = false;
};

struct EditorActions;

class EditorPrompts {
public:
    virtual ~EditorPrompts() = default;

    // ---- the window around the questions ----
    // The document is about to change: the canvas lets go of the page it
    // shows, which the change may alter or destroy.
    virtual void documentChanging() = 0;
    // What is done so far is shown before the next question is asked.
    virtual void showNow(const EditorActions& done) = 0;

    // ---- the project file ----
    // True when unsaved work may go: nothing unsaved, No, or Yes and saved.
    virtual bool mayDropProject(Proyecto& project) = 0;
    // Saves, asking for a file when it has none; false when nothing was written.
    virtual bool save(Proyecto& project) = 0;
    virtual bool saveAs(Proyecto& project) = 0;
    // The file the user chooses, read; null when cancelled or refused.
    virtual std::unique_ptr<Proyecto> chooseAndRead() = 0;
    // The file at `path`, read; null when refused (the error is shown).
    virtual std::unique_ptr<Proyecto> read(const std::string& path) = 0;
    // The name of a new project; false when cancelled.
    virtual bool askNewProject(std::string& instalacion) = 0;
    // The installation and the start page of `project`; false when cancelled.
    virtual bool askProjectValues(const Proyecto& project, std::string& instalacion,
                                  std::string& paginaInicial) = 0;
    // True when the regions of the pages at `pages` are to follow their
    // pictures' new sizes.
    virtual bool scaleResizedPages(const Proyecto& project, const std::vector<size_t>& pages) = 0;
    // A listed project that is gone: true when it is to leave the list.
    virtual bool forgetVanishedProject(const std::string& path) = 0;
    // Whether a file of the recent list is there.
    virtual bool projectExists(const std::string& path) = 0;

    // ---- pages and pictures ----
    // The page dialog's values for a new page (`page` null) or for `page`,
    // which may not take any of `otherNames`; none when cancelled.
    virtual std::optional<PaginaForm> askPage(const Proyecto& project, const Pagina* page,
                                              const std::vector<std::string>& otherNames) = 0;
    virtual bool confirmPageDeletion() = 0;
    virtual PicturesAnswer choosePicturePages(const Proyecto& project) = 0;
    // Files dropped on the window that are to become pages.
    virtual PicturesAnswer takeDroppedPictures(const Proyecto& project, const std::vector<std::string>& paths,
                                               const std::vector<std::string>& unreadable) = 0;
    virtual PicturesAnswer chooseReplacement(const Proyecto& project, const Pagina& page) = 0;
    // Pictures dropped with no project to take them.
    virtual void refusePicturesWithoutProject() = 0;

    // ---- the check, the transfer, the clipboard, help ----
    // True with the finding the user chose to see.
    virtual bool chooseFinding(const Proyecto& project, ProjectFinding& chosen) = 0;
    virtual bool mayTransfer(const Proyecto& project) = 0;
    virtual void transfer(Proyecto& project) = 0;
    virtual void transferOverNetwork(Proyecto& project) = 0;
    virtual void copySelectedRegion() = 0;
    virtual void pasteRegion() = 0;
    // The regions selected on the canvas, in picture pixels.
    virtual std::vector<Region> selectedRegions() = 0;
    // The pages of `project` (all but `shown`) to copy regions to; none when cancelled.
    virtual std::vector<size_t> choosePagesToCopyTo(const Proyecto& project, size_t shown) = 0;
    // What to replace in the commands, checked; none when cancelled.
    virtual std::optional<ReplaceRequest> askReplace(const Proyecto& project, size_t shown) = 0;
    virtual void showAbout() = 0;
    // An error titled as every error is.
    virtual void showError(const std::string& text) = 0;
    virtual void showHelp() = 0;

    // ---- the handover document ----
    // Where to write it: a save dialog offering `offeredName`; "" when cancelled.
    virtual std::string chooseDocumentFile(const std::string& offeredName) = 0;
    // The document or its folder of pictures is there: true to replace them.
    virtual bool mayReplaceDocument(const std::string& path) = 0;
    // It was written: true to open it now in the default browser.
    virtual bool openDocumentWhenDone(const std::string& path) = 0;
    virtual void openDocument(const std::string& path) = 0;
};
