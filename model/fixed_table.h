// A table of fixed capacity indexed from 1, as every table of the model is.
// An index outside 1..N is a programming error (readers reject input that
// would need one), so it stops the process instead of touching memory.
#pragma once

#include <array>

namespace drovi {

[[noreturn]] void TableIndexFault(int index, int capacity);

template <typename T, int N>
class Table {
public:
    static constexpr int capacity = N;

    T& operator[](int i) {
        if (i < 1 || i > N) TableIndexFault(i, N);
        return data_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        if (i < 1 || i > N) TableIndexFault(i, N);
        return data_[static_cast<std::size_t>(i - 1)];
    }
    void fill(const T& value) { data_.fill(value); }
    T* begin() { return data_.data(); }
    T* end() { return data_.data() + N; }
    const T* begin() const { return data_.data(); }
    const T* end() const { return data_.data() + N; }

private:
    std::array<T, N> data_{};
};

}  // namespace drovi
