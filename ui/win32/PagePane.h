// The page pane at the left of the canvas: an owner-data list of every page
// with a small thumbnail, the start page marked, the page shown selected and
// pages no jump leads to marked. A click shows the page (a jump during a
// test run), a drag moves it, F2 renames it in place, its tooltip says which
// pages jump to it, and a splitter at its right edge sets its width.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "ui/PagePaneRows.h"

class ProjectEditor;
class ThumbnailWorker;
struct EditorActions;
struct MadeThumbnail;

class PagePane {
public:
    // Posted by the thumbnail worker to the pane's parent.
    static const UINT kThumbnailMade = WM_APP + 20;

    // `apply` carries out what the editor returns, as the parent does.
    PagePane(HWND parent, ProjectEditor& editor, std::function<void(const EditorActions&)> apply);
    ~PagePane();
    PagePane(const PagePane&) = delete;
    PagePane& operator=(const PagePane&) = delete;

    HWND hwnd() const { return list_; }
    bool shown() const { return shown_; }
    void show(bool on);
    // The width it takes at the left of the canvas, splitter included; 0 hidden.
    int32_t room() const;
    // Between `top` and `top + height` of the parent's client area.
    void place(int32_t top, int32_t height);
    // The rows anew, after the project or the page shown changed.
    void refresh();
    // Another project: its thumbnails are made anew.
    void forgetThumbnails();
    // Thumbnails sized for a screen of `dpi` (a move to another screen):
    // those made for the last one are let go and made anew.
    void useDpi(UINT dpi);
    // How many thumbnails are made and held.
    size_t thumbnailCount() const { return thumbnails_.size(); }

    // ---- what the parent hands over; each is true when the pane took it ----
    bool notify(const NMHDR* notice, LRESULT& result);
    // The parent's mouse messages (client coordinates): the splitter and a
    // page being dragged.
    bool mouse(UINT message, int x, int y);
    bool setCursor();
    void thumbnailMade(MadeThumbnail* made);

private:
    void fitColumn();
    void startThumbnails();
    int rowAt(int parentX, int parentY) const;
    bool onSplitter(int x, int y) const;
    void markShownPage();
    int thumbnailIndex(size_t index);
    void getDisplayInfo(NMLVDISPINFOA* info);
    bool beginRename(const NMLVDISPINFOA* info);
    void endRename(const NMLVDISPINFOA* info);
    void dropPage(int x, int y);

    HWND parent_;
    HWND list_ = nullptr;
    ProjectEditor& editor_;
    std::function<void(const EditorActions&)> apply_;
    std::unique_ptr<PagePaneRows> rows_;
    std::string text_;  // what the list was last handed to show
    bool shown_ = true;
    int32_t width_;
    int32_t top_ = 0;
    int32_t height_ = 0;
    bool marking_ = false;     // the selection set by the program, not the user
    int draggedRow_ = -1;
    bool sizing_ = false;      // the splitter is being dragged
    HIMAGELIST images_ = nullptr;
    int32_t thumbnailWidth_ = 0;
    int32_t thumbnailHeight_ = 0;
    std::map<std::string, int> thumbnails_;  // picture file and size -> image
    std::set<std::string> asked_;
    std::unique_ptr<ThumbnailWorker> worker_;
};
