// Little-endian field types for the stored records.
//
// Every record of the database, the saved position and the league lies in
// memory exactly as it lies in its file: byte-packed, little-endian. The field
// types here hold their value as bytes in that order, so a record is its own
// file image on any host, needs no packing pragma (alignment is 1), and can be
// copied whole with memcpy. They convert to and from the native integer on use.
//
// Arithmetic on a field goes through its native value: `a.nRuns + 4` is an int,
// `a.nRuns += 4` stores the result truncated to the field's width, as the game's
// 16-bit arithmetic expects. With std::min/std::max name the type: std::min<int>.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace ovs {

template <typename T>
class LittleEndian {
    static_assert(std::is_arithmetic_v<T>);

public:
    using value_type = T;

    constexpr LittleEndian() = default;
    LittleEndian(T v) { set(v); }  // NOLINT: implicit on purpose, fields read like integers

    operator T() const { return get(); }  // NOLINT

    // On a little-endian host the bytes are the value: one plain load or
    // store, which the compiler will not always find in the byte loop.
    T get() const
    {
        if constexpr (std::endian::native == std::endian::little) {
            T v;
            std::memcpy(&v, bytes_, sizeof v);
            return v;
        }
        using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int32_t, T>>;
        static_assert(sizeof(U) == sizeof(T));
        U u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            u = static_cast<U>(u | (static_cast<U>(bytes_[i]) << (8 * i)));
        T v;
        std::memcpy(&v, &u, sizeof v);
        return v;
    }

    void set(T v)
    {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(bytes_, &v, sizeof v);
            return;
        }
        using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int32_t, T>>;
        U u;
        std::memcpy(&u, &v, sizeof u);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes_[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }

    LittleEndian& operator=(T v) { set(v); return *this; }

    template <typename V> LittleEndian& operator+=(V v) { set(static_cast<T>(get() + v)); return *this; }
    template <typename V> LittleEndian& operator-=(V v) { set(static_cast<T>(get() - v)); return *this; }
    template <typename V> LittleEndian& operator*=(V v) { set(static_cast<T>(get() * v)); return *this; }
    template <typename V> LittleEndian& operator/=(V v) { set(static_cast<T>(get() / v)); return *this; }
    template <typename V> LittleEndian& operator|=(V v) { set(static_cast<T>(get() | v)); return *this; }
    template <typename V> LittleEndian& operator&=(V v) { set(static_cast<T>(get() & v)); return *this; }
    template <typename V> LittleEndian& operator^=(V v) { set(static_cast<T>(get() ^ v)); return *this; }
    LittleEndian& operator++() { set(static_cast<T>(get() + 1)); return *this; }
    LittleEndian& operator--() { set(static_cast<T>(get() - 1)); return *this; }
    T operator++(int) { T old = get(); set(static_cast<T>(old + 1)); return old; }
    T operator--(int) { T old = get(); set(static_cast<T>(old - 1)); return old; }

private:
    std::uint8_t bytes_[sizeof(T)] = {};
};

using i16 = LittleEndian<std::int16_t>;
using u16 = LittleEndian<std::uint16_t>;
using i32 = LittleEndian<std::int32_t>;
using u32 = LittleEndian<std::uint32_t>;
using f32 = LittleEndian<float>;
using i8 = std::int8_t;
using u8 = std::uint8_t;

static_assert(sizeof(i16) == 2 && alignof(i16) == 1);
static_assert(sizeof(i32) == 4 && alignof(i32) == 1);
static_assert(sizeof(f32) == 4 && alignof(f32) == 1);
static_assert(std::is_trivially_copyable_v<i16>);

}  // namespace ovs
