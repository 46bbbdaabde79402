/*
 * Fuzz target (libFuzzer) of tourbel's path from the six fields' texts to
 * the segments sent to the window system (tourbel/champs.h): any texts,
 * any view. An input is one byte for the view, then the six texts xo, yo,
 * zo, r, h, Nb separated by newlines (missing ones are empty, as a field
 * can be).
 *
 * Checked for every input, besides what the sanitizers see (undefined
 * conversions above all): the count of segments is what the "Nb" text
 * asks, read here by the C library; every coordinate sent lies within
 * ±LIMITE_ECRAN.
 */
#include "champs.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

/* The count asked, read here on its own: truncated toward zero, none
   outside the 32-bit signed range. */
static int compte_attendu(double v)
{
    return v >= 1 && v <= 2147483647.0 ? static_cast<int>(std::trunc(v)) : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    std::string textes[NB_CHAMPS];
    for (size_t i = 1, k = 0; i < taille; i++) {
        if (donnees[i] == '\n' && k + 1 < NB_CHAMPS)
            k++;
        else if (donnees[i] != '\0') /* an entry's text holds no NUL */
            textes[k] += static_cast<char>(donnees[i]);
    }
    const char *ptr[NB_CHAMPS];
    for (int c = 0; c < NB_CHAMPS; c++)
        ptr[c] = textes[c].c_str();
    depart d = depart_des_champs(ptr);
    if (d.nb != compte_attendu(std::strtod(ptr[5], nullptr)))
        std::abort();
    /* At most 2000 segments an input, so that each run stays short. */
    for (int i = 0, seg[4]; i < d.nb && i < 2000; i++)
        if (pas_et_segment(taille ? 1 + donnees[0] % 4 : 1, d.r, d.h, &d.x, &d.y, &d.z, seg))
            for (int c : seg)
                if (std::abs(c) > LIMITE_ECRAN)
                    std::abort();
    return 0;
}
