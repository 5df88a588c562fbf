// The page canvas: shows the page's picture and regions and edits the regions
// with mouse and keyboard. Win32 layer (wineg++).
#pragma once

#include <string>
#include <vector>

#include "app/Window.h"
#include "ui/win32/Toolbar.h"

class Pagina;

class PaginaWindow : public Window {
public:
    PaginaWindow(int y, Window* owner, const Toolbar& toolbar);
    ~PaginaWindow() override;

    // Shows `page` (or nothing when null): scale, size, title, NORMAL mode,
    // no selection; then fits the main window around toolbar and canvas.
    void setPage(Pagina* page, const std::string& installation, const std::vector<std::string>& pageNames);
};
