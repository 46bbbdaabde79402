// The plain transcription of ramelle's sweep, shared by its two yardsticks
// (bench/ramelle_simple.cpp, the drawing; the benchmark "simple"): one
// orbit after the other, NB_ITERATIONS steps each, the parameters and the
// starting values as single-precision sums, the parameters from index
// premier, nombre of them. Each value goes to point(a, u). It is written
// here, and built with the yardsticks, so that it measures the same
// whatever ramelle's own arithmetic (ramelle_calcul) was built with.
#pragma once

#include "suite.h"

template <typename F> void balayage_simple(int premier, int nombre, F point)
{
    float i = 0.0001f, pas = 0.0005f;
    for (int p = 0; p < premier + nombre; p++, i = i + pas) {
        if (p < premier)
            continue;
        float j = pas;
        do {
            double u = j;
            for (int n = 0; n < NB_ITERATIONS; n++)
                u = ((4 * static_cast<double>(i)) * u) * (1 - u);
            point(i, static_cast<float>(u));
            j = j + pas;
        } while (j < 1);
    }
}
