/*
 * tourbel's arithmetic: the vector field of the attractor, the four-stage
 * step that advances the state, and the passage from a state to a segment
 * on the screen (views, count of points, clipping). Nothing here knows the
 * toolkit, so it builds, tests and benchmarks on its own.
 */
#pragma once

/* dx/dt = (y - x)·Pr, the difference first. */
double dxdt(double x, double y, double Pr);
/* dy/dt = (r·x - x·z) - y, both products first, y last. */
double dydt(double x, double y, double z, double r);
/* dz/dt = x·y - b·z. */
double dzdt(double x, double y, double z, double b);

/* One step of size h from (xn, yn, zn) into (*xnn, *ynn, *znn). */
void pas_suivant(double xn, double yn, double zn, float sigma, float r, float b, double h,
                 double *xnn, double *ynn, double *znn);

/* The parameters that the plot holds in single precision. */
inline constexpr float SIGMA = 10.0f;
inline constexpr float B = 2.666667f;

/* A double narrowed to single precision, rounded as the hardware does,
   overflowing to infinity instead of leaving the float range undefined. */
float simple_precision(double d);

/* The number of segments asked by the value of the "Nb" field: truncated
   toward zero; 0 for what lies outside the 32-bit signed range or is not a
   number. */
int nombre_de_points(double nb);

/* Screen point (*sx, *sy), before truncation, of the state (x, y, z) in the
   view choix: 1 x-y, 2 x-z, 3 y-z, 4 the oblique 3D view. */
void ecran(int choix, double x, double y, double z, double *sx, double *sy);

/* Coordinates sent to the window system stay within ±LIMITE_ECRAN, far
   inside its 16-bit range and far outside any drawing area. */
inline constexpr double LIMITE_ECRAN = 8192.0;

/* The segment from (x1, y1) to (x2, y2), clipped to ±LIMITE_ECRAN and
   truncated toward zero into seg[4]. False when nothing of it is to be
   drawn: an end not finite, or the whole segment beyond the limit. */
bool couper_segment(double x1, double y1, double x2, double y2, int seg[4]);
