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
 * ±LIMITE_ECRAN; a segment wholly inside that box is sent unclipped. At
 * most NB_MAX segments are followed per input, so that each run is short.
 */
#include "champs.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

constexpr int NB_MAX = 2000;

void exiger(bool condition, const char *quoi)
{
    if (!condition) {
        std::fprintf(stderr, "champs_fuzz: %s\n", quoi);
        std::abort();
    }
}

/* Truncated toward zero, none outside the 32-bit signed range. */
int compte_attendu(double v)
{
    if (!(v >= -2147483648.0 && v <= 2147483647.0))
        return 0;
    return v >= 1 ? static_cast<int>(std::trunc(v)) : 0;
}

bool dedans(double x, double y)
{
    return std::fabs(x) <= LIMITE_ECRAN && std::fabs(y) <= LIMITE_ECRAN;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    if (taille == 0)
        return 0;
    int choix = 1 + donnees[0] % 4;
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
    exiger(d.nb == compte_attendu(std::strtod(ptr[5], nullptr)),
           "a count other than the one asked");

    for (int i = 0; i < d.nb && i < NB_MAX; i++) {
        double x1, y1, x2, y2, x = d.x, y = d.y, z = d.z;
        int seg[4];
        ecran(choix, x, y, z, &x1, &y1);
        bool trace = pas_et_segment(choix, d.r, d.h, &d.x, &d.y, &d.z, seg);
        ecran(choix, d.x, d.y, d.z, &x2, &y2);
        for (int k = 0; trace && k < 4; k++)
            exiger(std::abs(seg[k]) <= LIMITE_ECRAN, "a coordinate beyond the limit");
        if (dedans(x1, y1) && dedans(x2, y2))
            exiger(trace && seg[0] == int(x1) && seg[1] == int(y1) && seg[2] == int(x2) &&
                       seg[3] == int(y2),
                   "a segment inside the box clipped");
    }
    return 0;
}
