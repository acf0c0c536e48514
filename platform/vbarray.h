// Arrays with the bounds of the form run time: each dimension has its own
// lower and upper bound (usually 0 To n) and the first index is the field
// where a pile keeps a card number and its rank side by side. Every access is
// checked: an index out of range raises error 9 instead of touching memory
// that does not belong to the array.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "platform/vberror.h"

namespace vb {

struct Bound {
    int lo = 0;
    int hi = -1;
    bool operator==(const Bound&) const = default;
};

template <class T, int N>
class Array {
    static_assert(N >= 1 && N <= 4, "1 to 4 dimensions");

public:
    Array() { bounds_.fill(Bound{0, -1}); }
    Array(std::initializer_list<Bound> dims) { redim(dims); }

    // ReDim: new bounds, every element back to its default.
    void redim(std::initializer_list<Bound> dims) {
        if (dims.size() != static_cast<std::size_t>(N)) raise(ErrSubscript);
        std::size_t total = 1;
        int d = 0;
        for (const Bound& b : dims) {
            if (b.hi < b.lo - 1) raise(ErrSubscript);
            bounds_[d++] = b;
            total *= static_cast<std::size_t>(b.hi - b.lo + 1);
        }
        data_.assign(total, T{});
    }

    // ReDim Preserve: new bounds; elements whose indexes exist in both the
    // old and the new shape keep their values.
    void redimPreserve(std::initializer_list<Bound> dims) {
        Array old = *this;
        redim(dims);
        if (old.data_.empty()) return;
        std::array<int, N> idx{};
        for (int d = 0; d < N; ++d) idx[d] = old.bounds_[d].lo;
        for (;;) {
            if (contains(idx)) data_[offset(idx)] = old.data_[old.offset(idx)];
            int d = N - 1;
            while (d >= 0 && ++idx[d] > old.bounds_[d].hi) {
                idx[d] = old.bounds_[d].lo;
                --d;
            }
            if (d < 0) break;
        }
    }

    template <class... I>
    T& operator()(I... i) {
        static_assert(sizeof...(I) == N, "wrong number of indexes");
        return data_[checkedOffset({static_cast<int>(i)...})];
    }
    template <class... I>
    const T& operator()(I... i) const {
        static_assert(sizeof...(I) == N, "wrong number of indexes");
        return data_[checkedOffset({static_cast<int>(i)...})];
    }

    int lbound(int dim = 1) const { return bounds_.at(dim - 1).lo; }
    int ubound(int dim = 1) const { return bounds_.at(dim - 1).hi; }
    bool inRange(std::array<int, N> idx) const { return contains(idx); }

    void fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }
    // Erase: every element back to its default, bounds kept.
    void clear() { fill(T{}); }
    std::size_t size() const { return data_.size(); }

    bool operator==(const Array& o) const {
        return bounds_ == o.bounds_ && data_ == o.data_;
    }

private:
    bool contains(const std::array<int, N>& idx) const {
        for (int d = 0; d < N; ++d)
            if (idx[d] < bounds_[d].lo || idx[d] > bounds_[d].hi) return false;
        return true;
    }
    std::size_t offset(const std::array<int, N>& idx) const {
        std::size_t off = 0;
        for (int d = 0; d < N; ++d)
            off = off * static_cast<std::size_t>(bounds_[d].hi - bounds_[d].lo + 1) +
                  static_cast<std::size_t>(idx[d] - bounds_[d].lo);
        return off;
    }
    std::size_t checkedOffset(const std::array<int, N>& idx) const {
        if (!contains(idx)) raise(ErrSubscript);
        return offset(idx);
    }

    std::array<Bound, N> bounds_{};
    std::vector<T> data_;
};

}  // namespace vb
