// The last edits of the project, to be undone and redone. Portable.
//
// Recording: call one of the record functions just before the change it
// names; each call is one step (one mouse drag, one key, one dialog's OK)
// and forgets whatever could be redone. For example, pasting regions into
// page i is  history.recordPageChange(project, i);  followed by the paste,
// and duplicating a page into place i is  recordPageInsertion(project, i);
// followed by the insertion.
//
// A step keeps only what its change touches: the installation name and the
// start page, and for a page change that one page as it was (a page holds
// no pixels). Nothing here decodes a picture. Undo and redo
// trade the step's content with the project's, so each direction costs no
// more than the other.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class Pagina;
class Proyecto;

class EditHistory {
public:
    static const size_t kMaxSteps = 100;

    EditHistory();
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // The installation name or the start page is about to change.
    void recordProjectChange(const Proyecto& project);
    // Page `index` is about to change: its regions, their commands, or what
    // the page dialog edits (name, picture, orientations, start command).
    void recordPageChange(const Proyecto& project, size_t index);
    // A page is about to be inserted at `index` (== the page count to append).
    void recordPageInsertion(const Proyecto& project, size_t index);
    // Page `index` is about to be removed (the start page may be cleared with it).
    void recordPageRemoval(const Proyecto& project, size_t index);
    // Several pages are about to change, be inserted or removed at once; the
    // step keeps every page, and `index` is the page it concerns.
    void recordPagesChange(const Proyecto& project, size_t index);

    bool canUndo() const { return !undoable_.empty(); }
    bool canRedo() const { return !redoable_.empty(); }
    size_t undoCount() const { return undoable_.size(); }

    // Undoes the last step (redoes the last step undone) on `project` and
    // returns the index of the page it concerned, there now; -1 when it
    // concerned none or that page is no longer there. Nothing to do gives -1.
    int undo(Proyecto& project);
    int redo(Proyecto& project);

    // For a project that replaces the one edited so far.
    void clear();
    // Forgets the last step recorded, for a change that was put back before
    // it ended; what it made unredoable stays so.
    void dropLastStep();

private:
    // What a part of the project was before (or after) a change.
    enum class PagePart { None, Content, Presence, All };
    struct Step {
        std::string instalacion;
        std::string paginaInicial;
        PagePart part = PagePart::None;
        size_t pageIndex = 0;
        // Content: the page as it was. Presence: the page that was at
        // pageIndex, or null when there was none there.
        std::unique_ptr<Pagina> page;
        // All: every page as it was.
        std::vector<std::unique_ptr<Pagina>> pages;
    };

    Step& open(const Proyecto& project, PagePart part, size_t index);
    // Moves the last step of `from` to `to`, exchanging it on the way.
    static int carry(std::deque<Step>& from, std::deque<Step>& to, Proyecto& project);
    // Puts the step's content into the project and the project's into the step.
    static int exchange(Step& step, Proyecto& project);

    std::deque<Step> undoable_;  // oldest first
    std::deque<Step> redoable_;  // most recently undone last
};
