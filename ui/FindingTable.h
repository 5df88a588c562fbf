// The rows of the list of findings: the cells of each column and the order
// the user chose by clicking a column's header.
#pragma once

#include <string>
#include <vector>

#include "model/ProjectCheck.h"

class FindingTable {
public:
    // Shown in the order given until a column is chosen.
    explicit FindingTable(std::vector<ProjectFinding> findings);

    // Sorts by `column`; the same column again sorts the other way.
    void clickColumn(FindingColumn column);
    // New findings (the check ran again) shown in the order chosen so far.
    void replace(std::vector<ProjectFinding> findings);

    const std::vector<ProjectFinding>& rows() const { return rows_; }

    // What a cell shows: the severity, the page's name, the region's number
    // (empty for none) or the text.
    static std::string cell(const Proyecto& project, const ProjectFinding& finding, FindingColumn column);

private:
    void sort();

    std::vector<ProjectFinding> given_;
    std::vector<ProjectFinding> rows_;
    bool sorted_ = false;
    FindingColumn column_ = FindingColumn::Page;
    bool ascending_ = true;
};
