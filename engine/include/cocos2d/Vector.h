#pragma once
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace cocos2d {

// A list of engine objects that holds one reference to each element for as
// long as the element is in the list. T is a pointer to a Ref subclass.
template <class T>
class Vector {
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Vector() = default;
    ~Vector() { clear(); }
    Vector(const Vector& other) : items_(other.items_) { retainAll(); }
    Vector& operator=(const Vector& other) {
        if (this != &other) {
            Vector copy(other);
            swap(copy);
        }
        return *this;
    }
    Vector(Vector&& other) noexcept : items_(std::move(other.items_)) { other.items_.clear(); }
    Vector& operator=(Vector&& other) noexcept {
        if (this != &other) {
            clear();
            items_ = std::move(other.items_);
            other.items_.clear();
        }
        return *this;
    }

    void pushBack(T object) {
        object->retain();
        items_.push_back(object);
    }
    void insert(std::size_t index, T object) {
        object->retain();
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), object);
    }
    // Removes the first occurrence, releasing it.
    void eraseObject(T object) {
        auto it = std::find(items_.begin(), items_.end(), object);
        if (it != items_.end()) erase(it);
    }
    iterator erase(iterator position) {
        T object = *position;
        iterator next = items_.erase(position);
        object->release();
        return next;
    }
    iterator erase(std::size_t index) { return erase(items_.begin() + static_cast<std::ptrdiff_t>(index)); }
    void clear() {
        std::vector<T> old;
        old.swap(items_);
        for (T object : old) object->release();
    }
    void swap(Vector& other) noexcept { items_.swap(other.items_); }

    T at(std::size_t index) const { return items_.at(index); }
    T front() const { return items_.front(); }
    T back() const { return items_.back(); }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    bool contains(T object) const { return std::find(items_.begin(), items_.end(), object) != items_.end(); }
    std::ptrdiff_t getIndex(T object) const {
        auto it = std::find(items_.begin(), items_.end(), object);
        return it == items_.end() ? -1 : it - items_.begin();
    }

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    void retainAll() {
        for (T object : items_) object->retain();
    }

    std::vector<T> items_;
};

} // namespace cocos2d
