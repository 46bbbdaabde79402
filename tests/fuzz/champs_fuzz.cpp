/*
 * Fuzz target (libFuzzer) of tourbel's path from the six fields' texts to
 * the segments sent to the window system (tourbel/champs.h): any texts,
 * any view. An input is one byte for the view, then the six texts xo, yo,
 * zo, r, h, Nb separated by newlines (missing ones are empty, as a field
 * can be).
 *
 * Checked for every input: no undefined behaviour nor memory error (the
 * sanitizers), each value read as the C library reads it in this locale,
 * the count of segments exactly what the "Nb" text asks, and every
 * coordinate sent within ±LIMITE_ECRAN, a segment wholly inside the screen
 * box being sent unclipped. At most NB_MAX segments are followed per
 * input, so that each run stays short; the count itself is checked whole.
 */
#include "champs.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

bool memes(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

/* The segments a count asks for, by its own reading: truncated toward
   zero, none for what lies outside the 32-bit signed range. */
int compte_attendu(double v)
{
    if (!(v >= -2147483648.0 && v <= 2147483647.0))
        return 0;
    double t = std::trunc(v);
    return t > 0 ? static_cast<int>(t) : 0;
}

/* r in single precision: the nearest float, or a value of the same sign
   at or beyond FLT_MAX when the double lies beyond the float range. */
void verifier_r(double v, float r)
{
    if (std::isnan(v))
        exiger(std::isnan(r), "r: not a number read as a number");
    else if (std::fabs(v) <= FLT_MAX)
        exiger(r == static_cast<float>(v), "r: not the nearest float");
    else
        exiger(std::fabs(r) >= FLT_MAX && std::signbit(r) == std::signbit(v),
               "r: beyond the float range, not kept at its end");
}

bool dans_la_boite(double x, double y)
{
    return std::fabs(x) <= LIMITE_ECRAN && std::fabs(y) <= LIMITE_ECRAN;
}

/* One step: its segment, if drawn, lies within the limit, and one whose
   ends both lie inside is sent as it is, truncated toward zero. */
void verifier_pas(int choix, depart *d)
{
    double x1, y1, x2, y2, xn, yn, zn;
    pas_suivant(d->x, d->y, d->z, SIGMA, d->r, B, d->h, &xn, &yn, &zn);
    ecran(choix, d->x, d->y, d->z, &x1, &y1);
    ecran(choix, xn, yn, zn, &x2, &y2);
    int seg[4];
    bool trace = pas_et_segment(choix, d->r, d->h, &d->x, &d->y, &d->z, seg);
    exiger(memes(d->x, xn) && memes(d->y, yn) && memes(d->z, zn), "the step moved elsewhere");
    if (trace)
        for (int c : seg)
            exiger(c >= -LIMITE_ECRAN && c <= LIMITE_ECRAN, "a coordinate beyond the limit");
    if (dans_la_boite(x1, y1) && dans_la_boite(x2, y2)) {
        exiger(trace, "a segment inside the screen box not drawn");
        exiger(seg[0] == static_cast<int>(x1) && seg[1] == static_cast<int>(y1) &&
                   seg[2] == static_cast<int>(x2) && seg[3] == static_cast<int>(y2),
               "a segment inside the screen box clipped");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    if (taille == 0)
        return 0;
    int choix = 1 + donnees[0] % 4;
    std::vector<std::string> textes(NB_CHAMPS);
    size_t k = 0;
    for (size_t i = 1; i < taille; i++) {
        if (donnees[i] == '\n' && k + 1 < NB_CHAMPS)
            k++;
        else if (donnees[i] != '\0') /* an entry's text holds no NUL */
            textes[k] += static_cast<char>(donnees[i]);
    }
    const char *ptr[NB_CHAMPS];
    double lu[NB_CHAMPS];
    for (int c = 0; c < NB_CHAMPS; c++) {
        ptr[c] = textes[c].c_str();
        lu[c] = std::strtod(ptr[c], nullptr);
        exiger(memes(valeur_du_champ(ptr[c]), lu[c]), "a field read otherwise than by strtod");
    }

    depart d = depart_des_champs(ptr);
    exiger(memes(d.x, lu[0]) && memes(d.y, lu[1]) && memes(d.z, lu[2]) && memes(d.h, lu[4]),
           "the start is not the fields' values");
    verifier_r(lu[3], d.r);
    exiger(d.nb == compte_attendu(lu[5]), "a count other than the one asked");

    int essais = 0;
    for (int i = 0; i < d.nb && i < NB_MAX; i++, essais++)
        verifier_pas(choix, &d);
    exiger(essais == (d.nb < NB_MAX ? d.nb : NB_MAX), "segments attempted miscounted");
    return 0;
}
