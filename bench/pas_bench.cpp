// Benchmark of tourbel's step: the time per iteration is the time per call of pas_suivant along the
// default trajectory (r = 28, h = 0.0001 from (11, 0, 20)), the cost the plot pays once per segment
// on top of drawing it and handling events.
#include "calcul.h"

#include <benchmark/benchmark.h>

/* The same step transcribed plainly, each field written out where it is
   used, built here at the benchmarks' own optimisation: the yardstick of
   pas (outils/seuil-vitesse), which it must not cost clearly more than.
   Not inlined, as pas_suivant cannot be. */
[[gnu::noinline]] static void pas_simple_suivant(double x, double y, double z, float s, float r,
                                                 float b, double h, double *xn, double *yn,
                                                 double *zn)
{
    double a1 = h * ((y - x) * s), b1 = h * ((r * x - x * z) - y), c1 = h * (x * y - b * z);
    double xa = x + a1 * 0.5, ya = y + a1 * 0.5;
    double xb = x + b1 * 0.5, yb = y + b1 * 0.5, zb = z + b1 * 0.5;
    double xc = x + c1 * 0.5, zc = z + c1 * 0.5;
    double a2 = h * ((ya - xa) * s), b2 = h * ((r * xb - xb * zb) - yb),
           c2 = h * (xc * yb - b * zc);
    xa = x + a2 * 0.5, ya = y + a2 * 0.5;
    xb = x + b2 * 0.5, yb = y + b2 * 0.5, zb = z + b2 * 0.5;
    double yc = y + c2 * 0.5;
    xc = x + c2 * 0.5, zc = z + c2 * 0.5;
    double a3 = h * ((ya - xa) * s), b3 = h * ((r * xb - xb * zb) - yb),
           c3 = h * (xc * yc - b * zc);
    double a4 = h * (((y + a3) - (x + a3)) * s);
    double b4 = h * ((r * (x + b3) - (x + b3) * (z + b3)) - (y + b3));
    double c4 = h * ((x + c3) * (y + c3) - b * (z + c3));
    *xn = x + ((((a2 + a2) + a1) + (a3 + a3)) + a4) / 6;
    *yn = y + ((((b2 + b2) + b1) + (b3 + b3)) + b4) / 6;
    *zn = z + ((((c2 + c2) + c1) + (c3 + c3)) + c4) / 6;
}

typedef void un_pas(double, double, double, float, float, float, double, double *, double *,
                    double *);

/* Steps of f along the default trajectory, one per iteration. */
template <un_pas f> static void suivre(benchmark::State &etat)
{
    double x = 11, y = 0, z = 20;
    for (auto _ : etat) {
        f(x, y, z, SIGMA, 28, B, 0.0001, &x, &y, &z);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(z);
    }
}

static void pas(benchmark::State &etat)
{
    suivre<pas_suivant>(etat);
}
BENCHMARK(pas);

/* It is a yardstick only if it is the same step: the states after a
   thousand steps of both must be the same bits. */
static void pas_simple(benchmark::State &etat)
{
    double x = 11, y = 0, z = 20, u = 11, v = 0, w = 20;
    for (int n = 0; n < 1000; n++) {
        pas_suivant(x, y, z, SIGMA, 28, B, 0.0001, &x, &y, &z);
        pas_simple_suivant(u, v, w, SIGMA, 28, B, 0.0001, &u, &v, &w);
    }
    if (x != u || y != v || z != w)
        return etat.SkipWithError("the plain step does not give the step's values");
    suivre<pas_simple_suivant>(etat);
}
BENCHMARK(pas_simple);

/* The screen side of a segment: both ends projected, clipped, truncated. */
static void segment(benchmark::State &etat)
{
    double x = 11, y = 0, z = 20;
    int seg[4];
    for (auto _ : etat) {
        double xn, yn, zn, x1, y1, x2, y2;
        pas_suivant(x, y, z, SIGMA, 28, B, 0.0001, &xn, &yn, &zn);
        ecran(4, x, y, z, &x1, &y1);
        ecran(4, xn, yn, zn, &x2, &y2);
        benchmark::DoNotOptimize(couper_segment(x1, y1, x2, y2, seg));
        x = xn;
        y = yn;
        z = zn;
    }
}
BENCHMARK(segment);
