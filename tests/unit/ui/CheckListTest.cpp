// The list of findings as the check's dialogs show it: its cells, the order
// a header click gives, the check run off the window's thread, and the
// options dialog's rules.
#include <gtest/gtest.h>

#include <thread>

#include "model/Proyecto.h"
#include "base/resource.h"
#include "model/CheckSettings.h"
#include "ui/CheckOptionsForm.h"
#include "ui/CheckRun.h"
#include "ui/FindingTable.h"

namespace {

const FindingSeverity kError = FindingSeverity::Error;
const FindingSeverity kWarning = FindingSeverity::Warning;

// Two pages without pictures: every page has findings of its own.
Proyecto twoPages() {
    Proyecto project;
    for (const char* name : {"Inicio", "Luces"}) {
        auto page = std::make_unique<Pagina>();
        page->nombre = name;
        project.addPage(std::move(page));
    }
    return project;
}

std::vector<int32_t> pagesOf(const std::vector<ProjectFinding>& rows) {
    std::vector<int32_t> pages;
    for (const ProjectFinding& row : rows)
        pages.push_back(row.page);
    return pages;
}

const std::vector<ProjectFinding> kFindings{
    {0, -1, "b", kWarning}, {0, 1, "c", kError}, {1, 0, "a", kWarning}, {-1, -1, "d", kError}};

}  // namespace

TEST(FindingTable, CellsNameSeverityPageAndRegionNumber) {
    Proyecto project = twoPages();
    struct Row {
        ProjectFinding finding;
        FindingColumn column;
        std::string cell;
    } rows[] = {
        {{1, 2, "x", kError}, FindingColumn::Severity, severityText(kError)},
        {{1, 2, "x", kWarning}, FindingColumn::Severity, severityText(kWarning)},
        {{1, 2, "x", kError}, FindingColumn::Page, project.paginas[1]->nombre},
        {{-1, -1, "x", kError}, FindingColumn::Page, ""},
        {{1, 2, "x", kError}, FindingColumn::Region, "3"},
        {{1, -1, "x", kError}, FindingColumn::Region, ""},
        {{1, 2, "x", kError}, FindingColumn::Text, "x"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.cell, FindingTable::cell(project, row.finding, row.column)) << static_cast<int>(row.column);
}

TEST(FindingTable, KeepsTheOrderGivenUntilAHeaderIsClickedThenTogglesIt) {
    FindingTable table(kFindings);
    EXPECT_EQ(kFindings, table.rows());
    struct Row {
        FindingColumn clicked;
        std::vector<int32_t> pages;
    } clicks[] = {
        {FindingColumn::Page, {-1, 0, 0, 1}},
        {FindingColumn::Page, {1, 0, 0, -1}},      // again: the other way
        {FindingColumn::Severity, {0, -1, 0, 1}},  // errors first, ties in the order given
        {FindingColumn::Severity, {0, 1, 0, -1}},
    };
    for (const Row& row : clicks) {
        table.clickColumn(row.clicked);
        EXPECT_EQ(row.pages, pagesOf(table.rows())) << static_cast<int>(row.clicked);
    }
}

TEST(FindingTable, NewFindingsKeepTheChosenOrder) {
    FindingTable table({});
    table.clickColumn(FindingColumn::Page);
    table.clickColumn(FindingColumn::Page);
    table.replace(kFindings);
    EXPECT_EQ((std::vector<int32_t>{1, 0, 0, -1}), pagesOf(table.rows()));
}

// On a thread of its own: every page counted and the check's findings, or
// none at all once stopped.
TEST(CheckRun, ListsTheCheckOrNothingOnceStopped) {
    Proyecto project = twoPages();
    for (bool stopped : {false, true}) {
        CheckRun run(project, CheckOptions());
        EXPECT_FALSE(run.findings());
        if (stopped)
            run.stop();
        std::thread([&run] { run.work(); }).join();
        EXPECT_TRUE(run.finished());
        EXPECT_EQ(stopped ? 0 : project.paginas.size(), run.pagesDone());
        EXPECT_EQ(stopped ? std::nullopt : std::optional(checkProject(project)), run.findings());
    }
}

TEST(CheckOptionsForm, AcceptsWholeSizesFromOneUp) {
    struct Row {
        std::string typed;
        bool accepted;
        uint32_t size;
    } rows[] = {
        {"25", true, 25},
        {" 1 ", true, 1},
        {std::to_string(kLargestMinButtonSize), true, kLargestMinButtonSize},
        {std::to_string(kLargestMinButtonSize + 1), false, CheckOptions().minButtonSize},
        {"0", false, CheckOptions().minButtonSize},
        {"", false, CheckOptions().minButtonSize},
        {"-5", false, CheckOptions().minButtonSize},
        {"4.5", false, CheckOptions().minButtonSize},
        {"diez", false, CheckOptions().minButtonSize},
        {"99999999999", false, CheckOptions().minButtonSize},
        {"4294967337", false, CheckOptions().minButtonSize},  // 41 past the largest number
    };
    for (const Row& row : rows) {
        CheckOptionsForm form{CheckOptions()};
        FormCheck check = form.accept(row.typed);
        EXPECT_EQ(row.accepted, check.accepted) << row.typed;
        EXPECT_EQ(row.accepted, check.message.empty()) << row.typed;
        EXPECT_EQ(row.size, form.options.minButtonSize) << row.typed;
        EXPECT_EQ(row.accepted ? 0 : IDC_OPCIONES_TAMANO_MINIMO, check.focusControl) << row.typed;
    }
}
