/* FNV-1a, 64 bits: the digest the pinned values use (tests/oracles.py
   computes the same one). It is taken over the values, each value's bytes
   from the least significant up, as amd64 lays them out: so a pinned
   digest means the same on a big-endian machine too. */
#pragma once

#include <cstdint>
#include <cstring>
#include <iterator>
#include <ranges>

inline constexpr uint64_t EMPREINTE_VIDE = 14695981039346656037ull;

/* The values are 4-byte numbers (float, int) or structs of them (point):
   each 4-byte word is read as a number, then digested byte by byte. */
template <std::ranges::contiguous_range R>
uint64_t empreinte(const R &valeurs, uint64_t h = EMPREINTE_VIDE)
{
    using valeur = std::ranges::range_value_t<R>;
    static_assert(alignof(valeur) == 4 && sizeof(valeur) % 4 == 0, "4-byte words only");
    const auto *octets = reinterpret_cast<const unsigned char *>(std::ranges::data(valeurs));
    for (size_t k = 0; k < std::ranges::size(valeurs) * sizeof(valeur); k += 4) {
        uint32_t mot;
        memcpy(&mot, octets + k, 4);
        for (int o = 0; o < 4; o++)
            h = (h ^ ((mot >> (8 * o)) & 0xff)) * 1099511628211ull;
    }
    return h;
}
