// The regions selected on the page canvas, as indices into the page's
// regions. The first is the reference: the region the others are lined up
// with, the one a mode or Ctrl+arrow works on. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class RegionSelection {
public:
    // Reference first, then in the order they were added.
    const std::vector<int32_t>& indices() const { return indices_; }
    // -1 when nothing is selected.
    int32_t reference() const { return indices_.empty() ? -1 : indices_.front(); }
    size_t size() const { return indices_.size(); }
    bool empty() const { return indices_.empty(); }
    bool contains(int32_t index) const;

    void clear() { indices_.clear(); }
    // `index` alone.
    void only(int32_t index);
    // Adds `index` at the end, or takes it out when already there (the next
    // one then becomes the reference).
    void toggle(int32_t index);
    // Adds those of `indices` not yet selected, in the order given.
    void add(const std::vector<int32_t>& indices);
    // Only the reference stays.
    void keepReference();
    // Region `index` left the page: it goes, and the indices above it move down.
    void regionRemoved(int32_t index);

private:
    std::vector<int32_t> indices_;
};
