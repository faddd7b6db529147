#include "ExtentList.h"

bool ExtentList::setDefaultSize(int size) {
    if (size == default_ && sizes_.empty()) {
        return false;
    }
    default_ = size;
    sizes_.clear();
    return true;
}

int ExtentList::size(int index) const {
    const auto it = sizes_.find(index);
    return it == sizes_.end() ? default_ : it->second;
}

bool ExtentList::setSize(int index, int size) {
    if (this->size(index) == size) {
        return false;
    }
    if (size == default_) {
        sizes_.erase(index);
    } else {
        sizes_[index] = size;
    }
    return true;
}

void ExtentList::truncate(int count) {
    sizes_.erase(sizes_.lower_bound(count), sizes_.end());
}

std::int64_t ExtentList::sumBetween(int from, int to) const {
    if (to <= from) {
        return 0;
    }
    std::int64_t sum = (static_cast<std::int64_t>(to) - from) * default_;
    for (auto it = sizes_.lower_bound(from); it != sizes_.end() && it->first < to; ++it) {
        sum += it->second - default_;
    }
    return sum;
}
