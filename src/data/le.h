// Little-endian field types for the stored records.
//
// Every record of the database, the saved position and the league lies in
// memory exactly as it lies in its file: byte-packed, little-endian. The field
// types here hold their value in that byte order, so a record is its own file
// image on any host, has alignment 1, and can be copied whole with memcpy.
// They convert to and from the native integer on use.
//
// The value is kept in a packed integer of the field's own type, not in a
// byte array: a store to a byte array may change anything as far as the
// compiler knows, so every run booked to a field would make it read again
// the pointers and indices it had in registers. On a big-endian host the
// integer holds the bytes swapped.
//
// Arithmetic on a field goes through its native value: `a.nRuns + 4` is an int,
// `a.nRuns += 4` stores the result truncated to the field's width, as the game's
// 16-bit arithmetic expects. With std::min/std::max name the type: std::min<int>.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace ovs {

template <typename T>
class __attribute__((packed)) LittleEndian {
    static_assert(std::is_arithmetic_v<T>);
    // A float is kept as its bits.
    using Stored = std::conditional_t<std::is_floating_point_v<T>, std::uint32_t, T>;
    static_assert(sizeof(Stored) == sizeof(T));

    static constexpr Stored InFileOrder(Stored s)
    {
        if constexpr (std::endian::native == std::endian::little) {
            return s;
        } else {
            using U = std::make_unsigned_t<Stored>;
            const U u = static_cast<U>(s);
            U r = 0;
            for (std::size_t i = 0; i < sizeof(U); ++i)
                r = static_cast<U>((r << 8) | ((u >> (8 * i)) & 0xFFu));
            return static_cast<Stored>(r);
        }
    }

public:
    using value_type = T;

    constexpr LittleEndian() = default;
    LittleEndian(T v) { set(v); }  // NOLINT: implicit on purpose, fields read like integers

    operator T() const { return get(); }  // NOLINT

    T get() const { return std::bit_cast<T>(InFileOrder(stored_)); }
    void set(T v) { stored_ = InFileOrder(std::bit_cast<Stored>(v)); }

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
    Stored stored_ = {};
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
