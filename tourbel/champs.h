/*
 * tourbel's path from the six fields to the segments on the screen: the
 * values a plot starts from, read from the fields' texts, and one step of
 * the plot with the segment it draws, for the plot (dessin.cpp) and the
 * unit tests. GLib reads the numbers; no toolkit here.
 */
#pragma once

#include "calcul.h"

/* The fields, in the order of the window: xo, yo, zo, r, h, Nb. */
inline constexpr int NB_CHAMPS = 6;

/* What a plot starts from: the state, r in single precision, the step,
   and the number of segments. */
struct depart {
    double x, y, z;
    float r;
    double h;
    int nb;
};

/* A field's text as a number: g_strtod, which takes '.' and the current
   locale's decimal point alike; a text that is no number reads as 0. */
double valeur_du_champ(const char *texte);

/* The start of a plot from the six fields' texts. */
depart depart_des_champs(const char *const textes[NB_CHAMPS]);

/* One step of the plot in view choix: moves the state (*x, *y, *z) on and
   puts the segment from the old state to the new one, clipped, in seg.
   False when that segment is not to be drawn. Inline, so that the plot's
   loop costs what the calls it makes cost. */
inline bool pas_et_segment(int choix, float r, double h, double *x, double *y, double *z,
                           int seg[4])
{
    double xnn, ynn, znn, x1, y1, x2, y2;
    pas_suivant(*x, *y, *z, SIGMA, r, B, h, &xnn, &ynn, &znn);
    ecran(choix, *x, *y, *z, &x1, &y1);
    ecran(choix, xnn, ynn, znn, &x2, &y2);
    *x = xnn;
    *y = ynn;
    *z = znn;
    return couper_segment(x1, y1, x2, y2, seg);
}
