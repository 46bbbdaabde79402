// Benchmark of tourbel's step: the time per iteration is the time per call of pas_suivant along the
// default trajectory (r = 28, h = 0.0001 from (11, 0, 20)), the cost the plot pays once per segment
// on top of drawing it and handling events.
#include "calcul.h"

#include <benchmark/benchmark.h>

static void pas(benchmark::State &etat)
{
    double x = 11, y = 0, z = 20;
    for (auto _ : etat) {
        pas_suivant(x, y, z, SIGMA, 28, B, 0.0001, &x, &y, &z);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(z);
    }
}
BENCHMARK(pas);

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
