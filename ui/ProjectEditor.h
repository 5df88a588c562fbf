// The main window's rules, free of any window system: the document and its
// commands, the recent projects, the test run of the pages, dropped files,
// what closing, logging off and shutting down do to unsaved work, and when
// the recovery copy is written or removed. Every question goes through
// EditorPrompts; every answer to the window is an EditorActions.
//
//     EditorActions done = editor.command(ID_GUARDAR_PROYECTO);
//     window.apply(done);
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/ButtonDetection.h"
#include "ui/EditorActions.h"
#include "ui/ProjectDocument.h"
#include "ui/RecentProjects.h"

class EditorPrompts;
class Settings;
struct CanvasChange;
struct PicturesAnswer;

class ProjectEditor {
public:
    ProjectEditor(EditorPrompts& prompts, Settings& settings);
    ProjectEditor(const ProjectEditor&) = delete;
    ProjectEditor& operator=(const ProjectEditor&) = delete;

    ProjectDocument& document() { return document_; }
    const ProjectDocument& document() const { return document_; }
    // The recent projects as the file menu lists them, read anew.
    const std::vector<std::string>& recentShown();
    // The page the canvas is to show: the one tried during a test run.
    Pagina* pageOnCanvas() const;

    // ---- what the window hands over ----
    // A menu item, a button or a key; one that cannot be chosen now does nothing.
    EditorActions command(int commandId);
    // Files dropped on the window: one project file opens, anything else is
    // taken as pictures (`unreadable`: names the program's text cannot hold).
    EditorActions drop(const std::vector<std::string>& paths, const std::vector<std::string>& unreadable);
    // The project named on the command line at start, or why it cannot be
    // opened (`refusal`, shown as an error over a blank project).
    EditorActions openAtStart(const std::string& path, const std::string& refusal);
    // A project that takes the place of the one shown (a recovered copy).
    EditorActions replaceProject(std::unique_ptr<Proyecto> replacement);
    // The page pane: a click on page `index` (a jump during a test run), a
    // page dragged from `from` to place `to`, and a name typed in place
    // (already checked by the page name rules).
    EditorActions pickPage(int index);
    EditorActions movePage(size_t from, size_t to);
    EditorActions renamePage(size_t index, const std::string& nombre);
    // The canvas went to another mode, is about to edit the page, or a page
    // was tapped during a test run.
    EditorActions canvasChanged(const CanvasChange& change);
    // The recovery timer: a copy of unsaved work, or none once all is saved.
    RecoveryWork recoveryTick() const;
    // The recovery copy was started (or written) / removed.
    void recoveryCopyStarted() { copyMayExist_ = true; }
    void recoveryCopyRemoved() { copyMayExist_ = false; }

    // ---- the end ----
    // The close box or "Salir": true when the window may close.
    bool mayClose();
    // Logging off or shutting down asks as closing does; true when the
    // session may end. After that the recovery timer stops (the user may
    // have dropped the work) until sessionEnded(false) says it goes on.
    bool querySessionEnd();
    bool recoveryTimerRuns() const { return !sessionMayEnd_; }
    // The session ends (true) or goes on; the copy to remove, if any.
    RecoveryWork sessionEnded(bool ending);
    // The window is destroyed: nothing is left to recover.
    RecoveryWork destroyed() const;

    // ---- the handlers of the command table; each takes its command's id ----
    EditorActions about(int);
    EditorActions exit(int);
    EditorActions newProject(int);
    EditorActions openProject(int);
    EditorActions saveProject(int);
    EditorActions saveProjectAs(int);
    EditorActions modifyProject(int);
    EditorActions verifyProject(int);
    EditorActions transfer(int);
    EditorActions transferOverNetwork(int);
    EditorActions addPage(int);
    EditorActions deletePage(int);
    EditorActions editPage(int);
    EditorActions duplicatePage(int);
    EditorActions addPicturePages(int);
    EditorActions replacePicture(int);
    EditorActions undo(int);
    EditorActions redo(int);
    EditorActions copyRegion(int);
    EditorActions pasteRegion(int);
    EditorActions copyToPages(int);
    EditorActions help(int);
    EditorActions toggleTrial(int);
    EditorActions leaveTrial(int);
    // Escape: ends a test run of the pages, else goes to the canvas.
    EditorActions escape(int);
    // Snapping on or off, kept in the settings (on unless turned off).
    EditorActions toggleSnapping(int);
    // Labels on the canvas on or off, kept in the settings (off unless turned on).
    bool labels() const;
    EditorActions toggleLabels(int);
    // "Reemplazar en comandos": the status bar says how many changed.
    EditorActions replaceInCommands(int);
    bool snapping() const;
    // The page shown one place up or down in the order, one step each.
    EditorActions movePageUp(int);
    EditorActions movePageDown(int);
    // PgUp / PgDn: the page before or after the one shown (tried).
    EditorActions previousPage(int);
    EditorActions nextPage(int);
    // The page pane shown or hidden, kept in the settings (shown unless hidden).
    bool pagePane() const;
    EditorActions togglePagePane(int);
    EditorActions trialBack(int);
    EditorActions trialHome(int);
    EditorActions showPage(int commandId);
    EditorActions openRecent(int commandId);
    EditorActions passToCanvas(int commandId);
    EditorActions exportDocumentation(int);
    EditorActions detectButtons(int);
    EditorActions chooseSensitivity(int commandId);
    // The sensitivity item to check.
    int sensitivityCommand() const { return ButtonDetection::commandFor(detection_.sensitivity()); }

private:
    // Unsaved work asked about; a project saved on the way is listed.
    bool mayDropDocument(EditorActions& done);
    // Shows a project just read or created (null: nothing) and lists it.
    void showOpened(std::unique_ptr<Proyecto> opened, EditorActions& done);
    void rememberProject(EditorActions& done);
    void endTrial(EditorActions& done);
    void showTrialStep(const TrialStep& step, EditorActions& done);
    // Saving, opening another project or undoing back to the saved state
    // leave nothing to recover.
    void dropCopyOfSavedWork(EditorActions& done) const;
    EditorActions pictures(const PicturesAnswer& answer);
    EditorActions saved(bool written);
    // A change to the document, as one step the window shows anew.
    EditorActions change(const std::function<void()>& edit);
    EditorActions moved(const PageMoveOutcome& outcome);

    EditorPrompts& prompts_;
    Settings& settings_;
    ProjectDocument document_;
    RecentProjects recent_;
    std::vector<std::string> recentShown_;
    bool copyMayExist_ = false;
    bool sessionMayEnd_ = false;
    ButtonDetection detection_;
};
