// What the main window shows and edits, free of any window system: the
// project, its undo history, the page shown and the edit mode the canvas
// reports. It answers which commands are available, what each page operation
// does and which page is shown after it, and what the title says.
//
// The page shown is a position in the project's page list, never a name:
// two pages may share a name (a file may hold them), and each is still
// reached, edited and removed as itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/EditHistory.h"
#include "model/Region.h"
#include "ui/CommandTable.h"
#include "ui/PictureImport.h"
#include "ui/ModoEdicion.h"
#include "ui/PageMove.h"
#include "ui/PageRename.h"
#include "ui/RemoteTrial.h"

class Pagina;
struct ReplaceRequest;
class PaginaForm;
class Proyecto;

class ProjectDocument {
public:
    // A blank project, no page shown.
    ProjectDocument();
    ~ProjectDocument();
    ProjectDocument(const ProjectDocument&) = delete;
    ProjectDocument& operator=(const ProjectDocument&) = delete;

    Proyecto& project() { return *project_; }
    const Proyecto& project() const { return *project_; }

    // Position of the page shown, or -1 when none is.
    int shownIndex() const { return shown_; }
    Pagina* shownPage() const;
    // The names of every page but the one shown (the names it may not take).
    std::vector<std::string> otherPageNames() const;

    // Menu items, toolbar buttons and keys by command id, by the rule of the
    // command table; page items are 1500 + i. While the pages are tried
    // only what leaves the project as it is.
    bool isEnabled(int commandId) const;
    bool isAvailable(Availability availability) const;
    // The page item of the page shown (the page tried, while trying) and the
    // item of the edit mode in force.
    bool isChecked(int commandId) const;
    // The top-level "Editar" and "Página" menus.
    bool editMenuEnabled() const;
    bool pageMenuEnabled() const;

    // "Quenda", then the installation and, with a page shown, the page and
    // the mode; while trying, "Probando" before the installation and the page
    // tried.
    std::string title() const;
    // The edit mode the canvas is in; showing a page resets it to NORMAL,
    // as the canvas does.
    void setMode(ModoEdicion mode) { mode_ = mode; }
    ModoEdicion mode() const { return mode_; }

    // --- Choosing the page shown ---
    // The start page (`paginaInicial`, else the first page); none when the
    // start page names no page.
    void showStartPage();
    // Page `index`, as its page item chooses it; false without such a page.
    bool showPageAt(int index);

    // --- Changes, each one undoable step (replacing the project excepted) ---
    // Takes `replacement` in place of the project, forgets the history and
    // the decoded pictures, and shows the start page.
    void replaceProject(std::unique_ptr<Proyecto> replacement);
    // The installation name and start page; the start page is shown after.
    void modifyProject(const std::string& instalacion, const std::string& paginaInicial);
    // Appends a page made of the page dialog's values and shows it.
    void addPage(const PaginaForm& values);
    // Removes the page shown; then the start page is shown.
    bool deleteShownPage();
    // Gives the page shown the page dialog's values; it stays shown. A new
    // name carries the jumps that reached the page (`renamed` says how many).
    bool editShownPage(const PaginaForm& values, PageRenameOutcome* renamed = nullptr);
    // Puts a copy of the page shown right after it and shows the copy.
    bool duplicateShownPage();
    // A page of each picture, in order, right after the page shown (or at
    // the end), named after the file and unique; a picture some pages
    // already show updates those pages instead, scaling their regions when
    // `scaleRegions` and the size changed. Shows the first new page (else
    // the first updated one). One step for all.
    void addPicturePages(const std::vector<PictureFile>& pictures, bool scaleRegions);
    // Gives the page shown the picture `imagen` (beside the project file),
    // scaling its regions when `scaleRegions` and the size changed; the
    // other pages that show `imagen` (its file was written over) are
    // brought up to date the same way, in the same step.
    bool replaceShownPicture(const std::string& imagen, bool scaleRegions);
    // The pages whose picture changed size since the file was written.
    std::vector<size_t> resizedPictures() const;
    // Scales the regions of `pages` from the recorded size to their
    // picture's, as one step.
    void scaleToPictures(const std::vector<size_t>& pages);
    // The canvas is about to edit the page shown (regions, commands).
    void shownPageAboutToChange();
    // The canvas put its edit back: the step taken for it goes.
    void withdrawPageChange();
    // `regions` copied onto the pages at `pages`, as one undo step.
    void copyToPages(const std::vector<Region>& regions, const std::vector<size_t>& pages);
    // One value replaced on the commands, one undo step; how many changed.
    size_t replaceInCommands(const ReplaceRequest& request);
    // Page `from` put at place `to`; the page shown stays shown.
    PageMoveOutcome movePage(size_t from, size_t to);
    // Page `index` renamed with the jumps that reached it; it is shown.
    PageRenameOutcome renamePage(size_t index, const std::string& nombre);
    // How many pages the page menu lists: its ids stop short of the
    // editor's own commands; the pane and PgUp/PgDn reach the rest.
    int pageItemCount() const;
    // Undoes (redoes) one step and shows the page it concerned, or the start
    // page when it concerned none; false with nothing to undo (redo).
    bool undo();
    bool redo();

    // --- Trying the pages as the remote control shows them ---
    // Starts a run from the start page; the page shown and its mode wait
    // for its end. The project must not change until then.
    TrialStep startTrial();
    // The run, or null when none is going on.
    RemoteTrial* trial() const { return trial_.get(); }
    // Ends the run, if any; the mode the page shown was in before it.
    ModoEdicion endTrial();

private:
    bool stepThroughHistory(int (EditHistory::*step)(Proyecto&));
    void show(int index);
    // Gives `page` the picture `imagen`, scaling its regions when asked.
    void repicture(Pagina& page, const std::string& imagen, bool scaleRegions);

    std::unique_ptr<Proyecto> project_;
    EditHistory history_;
    int shown_ = -1;
    ModoEdicion mode_ = ModoEdicion::NORMAL;
    std::unique_ptr<RemoteTrial> trial_;
    ModoEdicion modeBeforeTrial_ = ModoEdicion::NORMAL;
};
