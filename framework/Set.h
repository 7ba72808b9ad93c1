#pragma once
// A set of enumeration members, one bit per member (bit n for the member of ordinal n).
#include <cstdint>
#include <initializer_list>

namespace fw {

template <class E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> members) {
        for (E m : members) Include(m);
    }
    static constexpr Set FromBits(std::uint32_t bits) {
        Set s;
        s.bits_ = bits;
        return s;
    }
    constexpr bool Has(E m) const { return (bits_ >> static_cast<unsigned>(m)) & 1u; }
    constexpr void Include(E m) { bits_ |= 1u << static_cast<unsigned>(m); }
    constexpr void Exclude(E m) { bits_ &= ~(1u << static_cast<unsigned>(m)); }
    constexpr std::uint32_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(Set a, Set b) { return a.bits_ == b.bits_; }

private:
    std::uint32_t bits_ = 0;
};

}  // namespace fw
