#include "ui/RegionSelection.h"

#include <algorithm>

bool RegionSelection::contains(int32_t index) const {
    return std::find(indices_.begin(), indices_.end(), index) != indices_.end();
}

void RegionSelection::only(int32_t index) {
    indices_.assign(1, index);
}

void RegionSelection::toggle(int32_t index) {
    auto at = std::find(indices_.begin(), indices_.end(), index);
    if (at == indices_.end())
        indices_.push_back(index);
    else
        indices_.erase(at);
}

void RegionSelection::add(const std::vector<int32_t>& indices) {
    for (int32_t index : indices)
        if (!contains(index))
            indices_.push_back(index);
}

void RegionSelection::keepReference() {
    if (indices_.size() > 1)
        indices_.resize(1);
}

void RegionSelection::regionRemoved(int32_t index) {
    indices_.erase(std::remove(indices_.begin(), indices_.end(), index), indices_.end());
    for (int32_t& selected : indices_)
        if (selected > index)
            --selected;
}
