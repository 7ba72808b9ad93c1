#include "controls/GlyphCache_win.h"

#include <algorithm>
#include <map>
#include <utility>

namespace ecl {

int GlyphList::Add(fw::UniqueBitmap image) {
    const auto free = std::find_if(slots_.begin(), slots_.end(), [](const auto& b) { return !b; });
    if (free != slots_.end()) {
        *free = std::move(image);
        return static_cast<int>(free - slots_.begin());
    }
    slots_.push_back(std::move(image));
    return static_cast<int>(slots_.size()) - 1;
}

void GlyphList::Remove(int slot) {
    if (slot >= 0 && slot < static_cast<int>(slots_.size())) slots_[static_cast<size_t>(slot)].Reset();
}

HBITMAP GlyphList::At(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(slots_.size())) return nullptr;
    return slots_[static_cast<size_t>(slot)].Get();
}

int GlyphList::Count() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const auto& b) { return bool(b); }));
}

namespace {

using Lists = std::map<std::pair<int, int>, std::weak_ptr<GlyphList>>;

// Never destroyed, so that glyphs released late in the program's end still find it.
Lists& AllLists() {
    static auto* lists = new Lists;
    return *lists;
}

void Prune(Lists& lists) {
    std::erase_if(lists, [](const auto& entry) { return entry.second.expired(); });
}

}  // namespace

std::shared_ptr<GlyphList> TEclGlyphCache::ListFor(int width, int height) {
    Lists& lists = AllLists();
    Prune(lists);
    std::weak_ptr<GlyphList>& entry = lists[{width, height}];
    std::shared_ptr<GlyphList> list = entry.lock();
    if (!list) {
        list = std::make_shared<GlyphList>(width, height);
        entry = list;
    }
    return list;
}

int TEclGlyphCache::ListCount() {
    Lists& lists = AllLists();
    Prune(lists);
    return static_cast<int>(lists.size());
}

}  // namespace ecl
