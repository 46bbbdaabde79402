// Benchmark of ramelle's arithmetic. Each figure is a rate of map steps
// (one step of one orbit) per second, "pas/s", so they compare directly:
//   simple         the plain transcription of the drawing
//                  (balayage_simple.h), on a band of parameters;
//   diagramme/X    the fast drawing, whole, on instruction set X, by the
//                  steps it runs before its blocks stop early;
//   balayage       the same as the program runs it, on the widest set;
//   debit/X        what the machine can do at best with the same three
//                  operations per step on instruction set X: far more
//                  independent orbits than needed, all in registers.
// The fast drawing should stay within 1.5 times its debit figure; on
// AVX-512, whose blocks of 128 orbits mostly stop early at a certain
// pixel, loading and checking them costs as much again.
// Then each press of ramelle's buttons in the order of a whole cycle,
//   appui/X/VUE    the map steps it runs ("pas/appui") and its time:
//                  the first "Tracer" works the sweep out, the later
//                  presses only turn the values kept into the view's pixels.
#include "balayage_simple.h"
#include "suite.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <vector>

// Map steps per second and, for the sweeps, whole sweeps per second (the
// share of one done per round), by which the fast sweep and the plain one
// compare directly (outils/seuil-vitesse).
static void compter_pas(benchmark::State &etat, double pas_par_tour, double part = 0)
{
    using benchmark::Counter;
    etat.counters["pas/s"] = Counter(pas_par_tour, Counter::kIsIterationInvariantRate);
    if (part > 0)
        etat.counters["balayages/s"] = Counter(part, Counter::kIsIterationInvariantRate);
}

// The plain transcription (balayage_simple.h), on a band from the middle
// of the drawing: the whole of it takes seconds.
static void simple(benchmark::State &etat)
{
    const int premier = 950, nombre = 100;
    for (auto _ : etat)
        balayage_simple(premier, nombre, [](float, float u) { benchmark::DoNotOptimize(u); });
    compter_pas(etat, (double)nombre * NB_DEPARTS * NB_ITERATIONS, (double)nombre / NB_PARAMETRES);
}

// The fast sweep, whole, by balayer: on one instruction set, or as the
// program runs it.
template <typename F> static void rapide(benchmark::State &etat, F balayer)
{
    std::vector<float> temp(NB_VALEURS);
    long long pas = 0;
    for (auto _ : etat) {
        pas = balayer(temp.data());
        benchmark::ClobberMemory();
    }
    compter_pas(etat, (double)pas, 1);
}

// ---- Presses, as the program makes them ----

struct vue {
    const char *nom;
    int zoom, abs, ord;
};
// "Tracer", then "Zoom" four times: the three levels and the full view.
static const vue cycle[] = {{"Tracer", 450, 20, 580},
                            {"Zoom1", 700, -150, 620},
                            {"Zoom2", 1000, -550, 700},
                            {"Zoom3", 2000, -1400, 1100},
                            {"Zoom4", 450, 20, 580}};

// One press: the sweep while no values are kept, then the view's pixels
// in the 800 x 600 area. Returns the map steps it ran.
static long long appuyer(std::vector<float> &gardees, chemin c, const vue &v)
{
    long long pas = 0;
    if (gardees.empty()) {
        gardees.resize(NB_VALEURS);
        pas = diagramme_par(c, gardees.data());
    }
    benchmark::DoNotOptimize(points_visibles(gardees.data(), v.zoom, v.abs, v.ord, 800, 600));
    return pas;
}

// Press n of the cycle, the n before it made first (outside the timing);
// the first press starts from nothing at every round.
static void appui(benchmark::State &etat, chemin c, int n)
{
    std::vector<float> gardees;
    for (int k = 0; k < n; k++)
        appuyer(gardees, c, cycle[k]);
    long long pas = 0;
    for (auto _ : etat) {
        if (n == 0)
            gardees.clear();
        pas = appuyer(gardees, c, cycle[n]);
    }
    etat.counters["pas/appui"] = static_cast<double>(pas);
}

// ---- Throughput reference ----

typedef double v2d __attribute__((vector_size(16)));
typedef double v4d __attribute__((vector_size(32)));
typedef double v8d __attribute__((vector_size(64)));

// Orbits of the chaotic band (4a = 3.9) never come near 0, so no
// subnormal slows this down; the result is kept so nothing is dropped.
template <typename V, int N> [[gnu::always_inline]] inline double chaines(long nb_pas)
{
    V u[N];
    for (int v = 0; v < N; v++)
        for (int l = 0; l < int(sizeof(V) / sizeof(double)); l++)
            u[v][l] = 0.1 + 0.01 * (v * 8 + l);
    const double a4 = 3.9;
    for (long n = 0; n < nb_pas; n++) {
#pragma GCC unroll 32
        for (int v = 0; v < N; v++)
            u[v] = (a4 * u[v]) * (1 - u[v]);
    }
    double s = 0;
    for (int v = 0; v < N; v++)
        s += u[v][0];
    return s;
}

// Chains per set: past the count where adding more stops helping, as far
// as the registers allow (the shared 4a and 1 take two of them). The AVX
// sets exist only on x86; elsewhere the 128-bit vectors are the only set.
static double chaines_base(long nb_pas)
{
    return chaines<v2d, 12>(nb_pas);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) static double chaines_avx2(long nb_pas)
{
    return chaines<v4d, 12>(nb_pas);
}

__attribute__((target("avx512f"))) static double chaines_avx512(long nb_pas)
{
    return chaines<v8d, 24>(nb_pas);
}
#endif

static void debit(benchmark::State &etat, chemin c)
{
    const long nb_pas = 1000000;
    double lanes = 0;
    for (auto _ : etat) {
        double r = 0;
        switch (c) {
#if defined(__x86_64__) || defined(__i386__)
        case chemin_avx2:
            r = chaines_avx2(nb_pas), lanes = 12 * 4;
            break;
        case chemin_avx512:
            r = chaines_avx512(nb_pas), lanes = 24 * 8;
            break;
#endif
        default:
            r = chaines_base(nb_pas), lanes = 12 * 2;
            break;
        }
        benchmark::DoNotOptimize(r);
    }
    compter_pas(etat, lanes * nb_pas);
}

// Only the instruction sets this processor has are registered.
static int enregistrer()
{
    benchmark::RegisterBenchmark("simple", simple)->Unit(benchmark::kMillisecond)->Iterations(2);
    benchmark::RegisterBenchmark("balayage",
                                 [](benchmark::State &etat) { rapide(etat, diagramme); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    for (int k = 0; k < NB_CHEMINS; k++) {
        chemin c = chemin(k);
        if (!chemin_possible(c))
            continue;
        std::string nom = nom_chemin(c);
        benchmark::RegisterBenchmark(
            ("diagramme/" + nom).c_str(),
            [c](benchmark::State &etat) {
                rapide(etat, [c](float *temp) { return diagramme_par(c, temp); });
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("debit/" + nom).c_str(), debit, c)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        for (int n = 0; n < int(std::size(cycle)); n++)
            benchmark::RegisterBenchmark(("appui/" + nom + "/" + cycle[n].nom).c_str(), appui, c, n)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(5);
    }
    return 0;
}

[[maybe_unused]] static int enregistre = enregistrer();
