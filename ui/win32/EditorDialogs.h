// The editor's questions as the program asks them: today's message boxes,
// file dialogs and dialogs, owned by the main window.
#pragma once

#include <windows.h>

#include "ui/EditorPrompts.h"

class MainWindow;

class EditorDialogs : public EditorPrompts {
public:
    explicit EditorDialogs(MainWindow& window) : window_(window) {}

    void documentChanging() override;
    void showNow(const EditorActions& done) override;

    bool mayDropProject(Proyecto& project) override;
    bool save(Proyecto& project) override;
    bool saveAs(Proyecto& project) override;
    std::unique_ptr<Proyecto> chooseAndRead() override;
    std::unique_ptr<Proyecto> read(const std::string& path) override;
    bool askNewProject(std::string& instalacion) override;
    bool askProjectValues(const Proyecto& project, std::string& instalacion, std::string& paginaInicial) override;
    bool scaleResizedPages(const Proyecto& project, const std::vector<size_t>& pages) override;
    bool forgetVanishedProject(const std::string& path) override;
    bool projectExists(const std::string& path) override;

    std::optional<PaginaForm> askPage(const Proyecto& project, const Pagina* page,
                                      const std::vector<std::string>& otherNames) override;
    bool confirmPageDeletion() override;
    PicturesAnswer choosePicturePages(const Proyecto& project) override;
    PicturesAnswer takeDroppedPictures(const Proyecto& project, const std::vector<std::string>& paths,
                                       const std::vector<std::string>& unreadable) override;
    PicturesAnswer chooseReplacement(const Proyecto& project, const Pagina& page) override;
    void refusePicturesWithoutProject() override;

    bool chooseFinding(const Proyecto& project, ProjectFinding& chosen) override;
    bool mayTransfer(const Proyecto& project) override;
    void transfer(Proyecto& project) override;
    void transferOverNetwork(Proyecto& project) override;
    void copySelectedRegion() override;
    void pasteRegion() override;
    std::vector<Region> selectedRegions() override;
    std::vector<size_t> choosePagesToCopyTo(const Proyecto& project, size_t shown) override;
    std::optional<ReplaceRequest> askReplace(const Proyecto& project, size_t shown) override;
    void showAbout() override;
    void showError(const std::string& text) override;
    void showHelp() override;

    std::string chooseDocumentFile(const std::string& offeredName) override;
    bool mayReplaceDocument(const std::string& path) override;
    bool openDocumentWhenDone(const std::string& path) override;
    void openDocument(const std::string& path) override;

private:
    HWND owner() const;

    MainWindow& window_;
};
