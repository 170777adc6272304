#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tavrel {

// An ordered collection of owned objects at positions 1 to Count, with the insertion rule the
// bar's menus and items share: appended when the collection is empty or lIndex = Count + 1,
// first when lIndex = 1, otherwise after position lIndex - 1. Any other lIndex inserts nothing;
// the object is then kept aside until the next insertion, so that a reference to it that the
// caller was handed stays good.
template <class T>
class Collection {
public:
    T& Insert(int32_t lIndex, std::unique_ptr<T> object) {
        T& inserted = *object;
        const int64_t count = Count();
        rejected_.reset();
        if (count == 0 || lIndex == count + 1)
            objects_.push_back(std::move(object));
        else if (lIndex >= 1 && lIndex <= count)
            objects_.insert(objects_.begin() + (lIndex - 1), std::move(object));
        else
            rejected_ = std::move(object);
        return inserted;
    }

    // Outside 1 to Count: nothing.
    void Remove(int32_t lIndex) {
        if (Item(lIndex) != nullptr) objects_.erase(objects_.begin() + (lIndex - 1));
    }

    // Outside 1 to Count: none.
    T* Item(int32_t lIndex) const {
        return lIndex >= 1 && lIndex <= Count() ? objects_[lIndex - 1].get() : nullptr;
    }

    int32_t Count() const { return static_cast<int32_t>(objects_.size()); }

    auto begin() const { return objects_.begin(); }
    auto end() const { return objects_.end(); }

private:
    std::vector<std::unique_ptr<T>> objects_;
    std::unique_ptr<T> rejected_;
};

}  // namespace tavrel
