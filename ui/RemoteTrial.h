// A test run of the project's pages as the remote control would show them:
// which page is on screen, the pages visited before it, and what a tap, the
// back key or the home key does. Nothing is sent anywhere: a code is only
// described, for the status bar. The project must not change while a run
// lasts (the editor greys every editing command meanwhile).
//
// What the device does is assumed here, since it is not part of this
// program: "/back" walks back through every page visited since the run
// began, with no limit; a page's start command runs each time the page is
// entered, and a jump in it replaces the page (it is not kept in the
// history, so "/back" never returns to a page that would jump away again);
// every page is shown whatever the orientation it is offered in.
#pragma once

#include <string>
#include <vector>

class Pagina;
class Proyecto;
struct Comando;

// What one step of a run did, for the window to show.
struct TrialStep {
    bool pageChanged = false;  // a page was entered (maybe the same one again)
    int flashRegion = -1;      // the tapped region sent a code and stays on screen
    bool flashAll = false;     // a tap outside every region: show where they are
    std::string message;       // what happened, in the user's words; "" for nothing
};

class RemoteTrial {
public:
    explicit RemoteTrial(const Proyecto& project);
    RemoteTrial(const RemoteTrial&) = delete;
    RemoteTrial& operator=(const RemoteTrial&) = delete;

    // Enters the start page: `paginaInicial`, or the first page when it is
    // empty or names no page. Also what the home key does, with the history
    // forgotten.
    TrialStep start();
    // A tap on region `index` of the page shown; -1 is outside every region.
    TrialStep tap(int index);
    // The back key: "/back" without a region.
    TrialStep back();
    // Page `index`, chosen from the page list, as a jump would show it.
    TrialStep showPageAt(int index);

    // Position of the page shown in the project's list; -1 before start or
    // in a project without pages.
    int shownIndex() const { return shown_; }
    const Pagina* shownPage() const;
    size_t historyDepth() const { return history_.size(); }

    // The status bar's text for `step`: its message and how to leave.
    static std::string statusText(const TrialStep& step);

private:
    int indexOf(const std::string& name) const;
    void run(const Comando& comando, TrialStep& step);
    void jumpTo(const std::string& name, TrialStep& step);
    void goBack(TrialStep& step);
    // Shows page `index` and follows its start command, and the start
    // commands of the pages it jumps to, up to one jump per page.
    void enter(int index, TrialStep& step);

    const Proyecto& project_;
    int shown_ = -1;
    std::vector<int> history_;  // pages to go back to, the latest last
};
