#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

// The program's sorted array of fixed-size elements in ascending key order.
// The key order belongs to the instance: compare(element, key) is below 0
// when the element comes before the key, 0 when equal, above 0 after it.
// A search leaves the cursor on the element found or on the insertion point
// (the first greater element, or one past the last); callers may also walk
// with the cursor. The block grows by `growth` elements when full; growth 0
// fixes the capacity.
template <class T, class Key>
class KTSortArray {
public:
    using Compare = int (*)(const T& element, const Key& key);
    using KeyOf = Key (*)(const T& element);

    KTSortArray(uint32_t capacity, uint32_t growth, Compare compare, KeyOf keyOf)
        : block_(new T[capacity]()),
          capacity_(capacity),
          growth_(growth),
          compare_(compare),
          keyOf_(keyOf) {}

    KTSortArray(const KTSortArray&) = delete;
    KTSortArray& operator=(const KTSortArray&) = delete;

    // 0 when an element with an equal key exists (cursor on it), else -1.
    int find(const Key& key) {
        uint32_t lo = 0;
        uint32_t hi = count_;
        while (lo < hi) {
            const uint32_t mid = lo + (hi - lo) / 2;
            const int order = compare_(block_[mid], key);
            if (order < 0) {
                lo = mid + 1;
            } else if (order == 0) {
                cursor_ = mid;
                return 0;
            } else {
                hi = mid;
            }
        }
        cursor_ = lo;
        return -1;
    }

    // Inserts in key order, in front of an equal key; -1 when full and fixed.
    int insert(const T& element) {
        if (count_ >= capacity_ && grow() != 0) return -1;
        find(keyOf_(element));
        std::move_backward(block_.get() + cursor_, block_.get() + count_,
                           block_.get() + count_ + 1);
        block_[cursor_] = element;
        ++count_;
        return 0;
    }

    // -1 when the key is absent (also when the array is empty).
    int remove(const Key& key) {
        if (find(key) != 0) return -1;
        std::move(block_.get() + cursor_ + 1, block_.get() + count_, block_.get() + cursor_);
        --count_;
        return 0;
    }

    T* begin() { return block_.get(); }
    T* end() { return block_.get() + count_; }
    const T* begin() const { return block_.get(); }
    const T* end() const { return block_.get() + count_; }
    T& operator[](uint32_t i) { return block_[i]; }
    const T& operator[](uint32_t i) const { return block_[i]; }

    // The cursor as an index 0..count; cursor() is null when it is past the last.
    uint32_t cursorIndex() const { return cursor_; }
    void setCursorIndex(uint32_t index) { cursor_ = std::min(index, count_); }
    T* cursor() { return cursor_ < count_ ? &block_[cursor_] : nullptr; }

    uint32_t count() const { return count_; }
    // Empties the array; the block and its capacity stay.
    void clear() { count_ = cursor_ = 0; }
    uint32_t capacity() const { return capacity_; }
    uint32_t growth() const { return growth_; }

private:
    int grow() {
        if (growth_ == 0 || capacity_ > UINT32_MAX - growth_) return -1;
        const uint32_t capacity = capacity_ + growth_;
        std::unique_ptr<T[]> block(new T[capacity]());
        std::move(block_.get(), block_.get() + count_, block.get());
        block_ = std::move(block);
        capacity_ = capacity;
        return 0;
    }

    std::unique_ptr<T[]> block_;
    uint32_t cursor_ = 0;
    uint32_t capacity_;
    uint32_t growth_;
    uint32_t count_ = 0;
    Compare compare_;
    KeyOf keyOf_;
};
