#include "ui/FindingTable.h"

#include <utility>

#include "model/Proyecto.h"

FindingTable::FindingTable(std::vector<ProjectFinding> findings) : given_(std::move(findings)), rows_(given_) {}

void FindingTable::clickColumn(FindingColumn column) {
    ascending_ = sorted_ && column == column_ ? !ascending_ : true;
    column_ = column;
    sorted_ = true;
    sort();
}

void FindingTable::replace(std::vector<ProjectFinding> findings) {
    given_ = std::move(findings);
    sort();
}

// Always from the order given, so that rows equal in the column keep it.
void FindingTable::sort() {
    rows_ = given_;
    if (sorted_)
        sortFindings(rows_, column_, ascending_);
}

std::string FindingTable::cell(const Proyecto& project, const ProjectFinding& finding, FindingColumn column) {
    switch (column) {
    case FindingColumn::Severity: return severityText(finding.severity);
    case FindingColumn::Page:
        if (finding.page < 0 || static_cast<size_t>(finding.page) >= project.paginas.size())
            return std::string();
        return project.paginas[static_cast<size_t>(finding.page)]->nombre;
    case FindingColumn::Region: return finding.region < 0 ? std::string() : std::to_string(finding.region + 1);
    case FindingColumn::Text: return finding.text;
    }
    return std::string();
}
