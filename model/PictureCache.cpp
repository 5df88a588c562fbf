#include "PictureCache.h"

#include <iterator>

PictureCache::PictureCache(size_t budget) : budget_(budget) {}

PictureCache& PictureCache::shared() {
    static PictureCache cache;
    return cache;
}

std::shared_ptr<const Imagen> PictureCache::picture(const std::string& path, uint32_t width, uint32_t height) {
    auto found = held_.find(path);
    if (found != held_.end()) {
        const Imagen& held = *found->second->picture;
        if (held.width() == width && held.height() == height) {
            order_.splice(order_.begin(), order_, found->second);
            return order_.front().picture;
        }
        drop(found->second);
    }
    std::shared_ptr<const Imagen> decoded = Imagen::decode(path);
    if (!decoded)
        return nullptr;
    order_.push_front(Entry{path, decoded, decoded->memorySize()});
    held_[path] = order_.begin();
    bytes_ += order_.front().bytes;
    keepWithinBudget();
    return decoded;
}

void PictureCache::forget(const std::string& path) {
    auto found = held_.find(path);
    if (found != held_.end())
        drop(found->second);
}

void PictureCache::clear() {
    held_.clear();
    order_.clear();
    bytes_ = 0;
}

void PictureCache::setBudget(size_t budget) {
    budget_ = budget;
    keepWithinBudget();
}

void PictureCache::drop(Order::iterator entry) {
    bytes_ -= entry->bytes;
    held_.erase(entry->path);
    order_.erase(entry);
}

void PictureCache::keepWithinBudget() {
    while (bytes_ > budget_ && order_.size() > 1)
        drop(std::prev(order_.end()));
}
