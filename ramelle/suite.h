/*
 * ramelle's arithmetic: the logistic map iterated from every starting value
 * for every parameter of the bifurcation diagram, and the pixels that the
 * values give in a view. No toolkit header here, so the tests and the
 * benchmark link this unit without the window code.
 *
 * A drawing is NB_PARAMETRES * NB_DEPARTS floats; the value for parameter p
 * and starting value d sits at temp[p * NB_DEPARTS + d].
 */
#pragma once

#include <vector>

constexpr int NB_PARAMETRES = 2000;
constexpr int NB_DEPARTS = 1999;
constexpr int NB_VALEURS = NB_PARAMETRES * NB_DEPARTS;

/* Steps of the map done before a value is kept. */
constexpr int NB_ITERATIONS = 400;

/* The orbit of Uo under U -> 4a U (1 - U), after NB_ITERATIONS steps. */
double suite(double Uo, double a);

/* Single-precision sums premier, premier + pas, ... while below 1 (at least
   one value): writes the first `place` of them and returns how many there are. */
int balayage(float premier, float *valeurs, int place);
void valeurs_parametres(float *i); /* NB_PARAMETRES values */
void valeurs_departs(float *j);    /* NB_DEPARTS values */

/* One orbit after the other; the reference the fast versions must match. */
void diagramme_simple(float *temp);
/* Only parameters premier .. premier + nombre - 1, at their place in temp. */
void diagramme_simple_tranche(int premier, int nombre, float *temp);

/* The same pixels as diagramme_simple in every view ramelle draws, with
   the widest vector instructions this processor has. A block of orbits
   stops as soon as each of them has settled on a cycle whose next steps
   would change nothing, and keeps its bits (every orbit of a >= 0.75 does), or
   holds a certain value (valeurs_certaines), which is kept instead.
   Each returns the map steps it ran (a block's lanes by its steps). */
long long diagramme(float *temp);
long long diagramme_tranche(int premier, int nombre, float *temp);

/* For each parameter p, the values [bas[p], haut[p]] from which an orbit,
   as the fast version computes it, keeps through every step left the
   pixel it has in each of the four views that ramelle draws, whatever the
   area's size; empty (bas[p] > haut[p]) where none is proven. */
void valeurs_certaines(double *bas, double *haut);

/* The instruction sets the fast version is built for, so that each can be
   checked and timed on a machine that has the wider ones. chemin_base, the
   128-bit vectors every processor of the architecture has (SSE2 on x86,
   NEON on aarch64; plain VFP doubles on 32-bit ARM, which has no
   double-precision vectors), is always possible; the AVX ones only on x86. */
enum chemin { chemin_base, chemin_avx2, chemin_avx512 };
constexpr int NB_CHEMINS = 3;
bool chemin_possible(chemin c);
const char *nom_chemin(chemin c);
long long diagramme_par(chemin c, float *temp);

/* A pixel of the drawing area. */
struct point {
    int x, y;
};

/* The pixels of the values temp at scale zoom and origin (abs, ord) that
   fall inside a largeur x hauteur area, each once, in the order of the
   sweep. Coordinates are computed in double and truncated toward zero. */
std::vector<point> points_visibles(const float *temp, int zoom, int abs, int ord, int largeur,
                                   int hauteur);

/* The ranges of the parameter a and of the value u that a view at scale
   zoom and origin (abs, ord) shows in a largeur x hauteur area, within the
   diagram's own, 0 to 1 both. */
struct plage {
    double a_min, a_max, u_min, u_max;
};
plage plage_visible(int zoom, int abs, int ord, int largeur, int hauteur);
