// The decoded page pictures, one per file, kept up to a memory budget.
// Pages hold no pixels themselves: they ask here when they are shown, so
// that every page naming a file (and every undo step or copy of one) shares
// one decoded picture, and a large project costs only what was looked at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "Imagen.h"

class PictureCache {
public:
    static constexpr size_t kDefaultBudget = size_t(512) * 1024 * 1024;

    explicit PictureCache(size_t budget = kDefaultBudget);
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The cache the pages use.
    static PictureCache& shared();

    // The decoded picture of `path`, decoded from the file as it is now when
    // not held or when the one held is not `width` x `height` (the file was
    // replaced by another size). Null when the file cannot be decoded. The
    // picture asked for last is never dropped: it is the one being shown.
    std::shared_ptr<const Imagen> picture(const std::string& path, uint32_t width, uint32_t height);
    // Drops the picture of `path`: its file has been replaced.
    void forget(const std::string& path);
    void clear();

    // Drops the least recently asked for pictures until within `budget`.
    void setBudget(size_t budget);
    size_t bytesHeld() const { return bytes_; }
    size_t count() const { return held_.size(); }

private:
    struct Entry {
        std::string path;
        std::shared_ptr<const Imagen> picture;
        size_t bytes;
    };
    using Order = std::list<Entry>;  // most recently asked for first

    void drop(Order::iterator entry);
    void keepWithinBudget();

    size_t budget_;
    size_t bytes_ = 0;
    Order order_;
    std::unordered_map<std::string, Order::iterator> held_;
};
