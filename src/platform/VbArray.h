#pragma once
// A growable list with bounds, as the readings keep their cards: it may be without storage (never sized,
// or erased), and then asking for its bounds is an error, not an empty answer.
#include <optional>
#include <stdexcept>
#include <vector>

namespace platform {

class SubscriptOutOfRange : public std::out_of_range {
public:
    SubscriptOutOfRange() : std::out_of_range("Subscript out of range") {}
};

template <class T>
class VbArray {
public:
    VbArray() = default;

    bool HasStorage() const { return items_.has_value(); }
    // Sizes the list to 0..upper, every element new. An upper bound of -1 gives storage with no element.
    void ReDim(int upper) { items_.emplace(static_cast<size_t>(upper + 1), T{}); }
    // Sizes the list to 0..upper, keeping the elements that stay.
    void ReDimPreserve(int upper)
    {
        if (!items_)
            items_.emplace();
        items_->resize(static_cast<size_t>(upper + 1), T{});
    }
    void Erase() { items_.reset(); }

    int LBound() const
    {
        check();
        return 0;
    }
    int UBound() const
    {
        check();
        return static_cast<int>(items_->size()) - 1;
    }
    T& operator()(int i)
    {
        check(i);
        return (*items_)[static_cast<size_t>(i)];
    }
    const T& operator()(int i) const
    {
        check(i);
        return (*items_)[static_cast<size_t>(i)];
    }
    // The elements, empty when there is no storage.
    const std::vector<T>& items() const
    {
        static const std::vector<T> none;
        return items_ ? *items_ : none;
    }
    void Append(const T& value)
    {
        if (!items_)
            items_.emplace();
        items_->push_back(value);
    }

private:
    void check() const
    {
        if (!items_)
            throw SubscriptOutOfRange();
    }
    void check(int i) const
    {
        check();
        if (i < 0 || i >= static_cast<int>(items_->size()))
            throw SubscriptOutOfRange();
    }
    std::optional<std::vector<T>> items_;
};

} // namespace platform
