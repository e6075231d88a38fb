#pragma once
// Arrays indexed as the records count them (lanes 1..16, players 1..16,
// throws 1..100, positions 0..19). Every access is range-checked in one place:
// an index out of range never touches memory outside the array.

#include <array>
#include <cstddef>
#include <type_traits>

namespace IndexCheck {

// Called for every index out of range. The default logs the bad access;
// tests install a handler that throws so that a faulty index fails the test.
using Handler = void (*)(long index, long first, long last);
void setHandler(Handler h);
Handler handler();
void report(long index, long first, long last);
// Number of out-of-range accesses since the start (or since resetCount()).
long count();
void resetCount();

}  // namespace IndexCheck

template <typename T, long First, long Last>
class CheckedArray {
    static_assert(Last >= First, "empty range");

public:
    static constexpr long first = First;
    static constexpr long last = Last;
    static constexpr std::size_t count = std::size_t(Last - First + 1);

    static constexpr bool contains(long i) { return i >= First && i <= Last; }

    T& operator[](long i)
    {
        if (!contains(i)) return outOfRange(i);
        return m_items[std::size_t(i - First)];
    }
    const T& operator[](long i) const
    {
        if (!contains(i)) return outOfRange(i);
        return m_items[std::size_t(i - First)];
    }

    T* begin() { return m_items.data(); }
    T* end() { return m_items.data() + count; }
    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + count; }

    // Position of an element of this array (First..Last), or First - 1.
    long indexOf(const T* p) const
    {
        if (p < m_items.data() || p >= m_items.data() + count) return First - 1;
        return long(p - m_items.data()) + First;
    }

    void fill(const T& v) requires std::is_copy_assignable_v<T> { m_items.fill(v); }

    bool operator==(const CheckedArray&) const = default;

private:
    static T& outOfRange(long i)
    {
        IndexCheck::report(i, First, Last);
        // Writes through a bad index land here and are lost; reads see a fresh value.
        static T scratch{};
        if constexpr (std::is_copy_assignable_v<T>) scratch = T{};
        return scratch;
    }

    std::array<T, count> m_items{};
};

// The common case: counted from 1.
template <typename T, long N>
using Array1 = CheckedArray<T, 1, N>;
