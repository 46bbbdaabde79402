/*
 * ramelle's arithmetic: the logistic map and the sweep over parameters and
 * starting values that makes one bifurcation diagram.
 *
 * The slow version follows the orbits one by one, 400 steps each. The fast
 * one runs many orbits side by side in vector registers; since each lane
 * does exactly the same double operations in the same order, the results
 * are the same bits. It stops a block of them early only where the steps
 * left could not change a bit (iterer).
 * Nothing here may be fused (FMA) or reordered: the build uses
 * -ffp-contract=off and no target below enables "fma".
 */
#include "suite.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

/* The sweep step for parameters and starting values, added in float. */
static const float pas = 0.0005f;
static const float premier_parametre = 0.0001f;

double suite(double Uo, double a)
{
    double Un = Uo;
    for (int n = 0; n < NB_ITERATIONS; n++)
        Un = ((4 * a) * Un) * (1 - Un);
    return Un;
}

int balayage(float premier, float *valeurs, int place)
{
    /* The sums drift away from premier + n * pas; the drawing depends on
       that drift, so they stay float sums done one after the other. */
    float v = premier;
    int n = 0;
    do {
        if (n < place)
            valeurs[n] = v;
        n++;
        v = v + pas;
    } while (v < 1);
    return n;
}

void valeurs_parametres(float *i)
{
    balayage(premier_parametre, i, NB_PARAMETRES);
}

void valeurs_departs(float *j)
{
    balayage(pas, j, NB_DEPARTS);
}

void diagramme_simple_tranche(int premier, int nombre, float *temp)
{
    float i[NB_PARAMETRES], j[NB_DEPARTS];
    valeurs_parametres(i);
    valeurs_departs(j);
    for (int p = premier; p < premier + nombre; p++)
        for (int d = 0; d < NB_DEPARTS; d++)
            temp[p * NB_DEPARTS + d] = (float)suite((double)j[d], (double)i[p]);
}

void diagramme_simple(float *temp)
{
    diagramme_simple_tranche(0, NB_PARAMETRES, temp);
}

/* ---- Fast version ----

   All orbits are independent, so lanes are taken in the order of the
   drawing, k = p * NB_DEPARTS + d, running across parameters: only the last
   block of a range is partly empty. Each lane carries its own 4a.

   The step U <- (4a U)(1 - U) is two dependent multiplications (1 - U runs
   beside the first), so one vector alone waits on the multiplier most of
   the time; several vectors are stepped together to keep it busy. */

typedef double v2d __attribute__((vector_size(16)));
typedef double v4d __attribute__((vector_size(32)));
typedef double v8d __attribute__((vector_size(64)));

/* ---- Certain pixels ----

   The row of a kept value f in a view depends only on the view's scale and
   row of u = 0, as points_visibles computes it; the area only clips. These
   are the views ramelle draws: the full one (dessin.cpp) and the three
   levels of the zoom table (fenetre.cpp). */
static const struct {
    int zoom, ord;
} echelles[] = {{450, 580}, {700, 620}, {1000, 700}, {2000, 1100}};

static int rang(int zoom, int ord, float f)
{
    return static_cast<int>(ord - zoom * static_cast<double>(f));
}

static bool memes_rangs(float f, float g)
{
    for (auto e : echelles)
        if (rang(e.zoom, e.ord, f) != rang(e.zoom, e.ord, g))
            return false;
    return true;
}

static int64_t bits(float f)
{
    uint32_t b;
    memcpy(&b, &f, sizeof b);
    return b;
}

/* The last float from f >= 0, upward or downward, that has f's row in
   every view. Each row only falls as f grows, so the floats of f's rows
   are one run; floats >= 0 are ordered as their bits, so halving finds its
   end (2 is far above every row of [0, 1], -1 stands below 0). */
static double bord(float f, bool haut)
{
    int64_t dedans = bits(f), dehors = haut ? bits(2.0f) : -1;
    while (dehors - dedans > 1 || dedans - dehors > 1) {
        int64_t m = (dedans + dehors) / 2;
        uint32_t b = static_cast<uint32_t>(m);
        float g;
        memcpy(&g, &b, sizeof g);
        (memes_rangs(g, f) ? dedans : dehors) = m;
    }
    uint32_t b = static_cast<uint32_t>(dedans);
    float g;
    memcpy(&g, &b, sizeof g);
    return g;
}

/* The values [bas, haut] from which an orbit of U -> (a4 U)(1 - U), as
   the sweep computes it, keeps to step 400 the pixel it has now in every
   view; bas > haut where nothing is proven (a4 >= 3, from the first period
   doubling on). [bas, haut] lies within a run of floats of the same rows
   (bord), whose ends are floats: rounding to float keeps the order (a
   double below float's smallest subnormal becomes 0, still in order), so
   every double in it is kept as a float of the run, and gives its rows.

   Let g be the computed step, f the exact one and p = 1 - 1/a4.
   - a4 <= 1: g(u) <= u, since every rounded product of numbers in
     [0, 1] by factors <= 1 stays <= u, and g(u) >= 0: every later value
     lies in [0, u]. From u <= haut, the top of the run of 0, all of them
     give 0's rows. That run reaches above 0 only while zoom f is below
     half an ulp of ord (5.7e-17): a value a little larger, 1e-10 say,
     falls one row above 0's.
   - Otherwise f(u) - p = (u - p)(1 - a4 u), and g(u) = f(u)(1 + t),
     |t| <= d = 2^-51 (three roundings; the values stay far from
     underflow).
     1 < a4 < 2, on a run [bas, haut] that holds p +- 2e (e = 2^-48) and
     lies below 1/a4: there 1 - a4 u is in [0, 1], f never crosses p and
     moves every u toward it, by a4 u |p - u| >= e u while |u - p| >= e,
     more than rounding moves it, and within e of p multiplies |u - p| by
     at most 2 - a4 + a4 e, which a4 - 1 >= 2^-40 keeps small enough for
     what rounding adds back. So g maps [min(u, p - e), max(u, p + e)] into itself, and from
     u in the run every later value stays in it.
     2 <= a4 < 3, or the run too close to 1/a4: f crosses p at each step;
     over [p - r, p + r], |1 - a4 u| <= 1 - m + a4 r with m = 1 - |2 - a4|,
     so with r <= m / 4a4 and r m >= 2d, |g(u) - p| <= r (1 - m/2) + d <= r:
     the interval maps into itself. r keeps 2e from the run's ends for
     the rounding of p and of its bounds. */
constexpr double ecart_d = 0x1p-51, marge = 0x1p-47;

static void bande_certaine(double a4, double haut_de_zero, double &bas, double &haut)
{
    bas = 1, haut = 0;
    if (a4 <= 1) {
        bas = 0, haut = haut_de_zero;
        return;
    }
    if (a4 >= 3)
        return;
    double p = 1 - 1 / a4, dessous = bord(static_cast<float>(p), false),
           dessus = bord(static_cast<float>(p), true);
    if (a4 < 2 && a4 - 1 >= 0x1p-40 && dessous <= p - marge && p + marge <= dessus &&
        dessus * a4 < 1) {
        bas = dessous, haut = dessus;
        return;
    }
    double m = 1 - std::fabs(2 - a4), r = std::min({p - dessous, dessus - p, m / (4 * a4)}) - marge;
    if (r * m >= 8 * ecart_d)
        bas = p - r, haut = p + r;
}

/* What each lane needs: 4a computed once per parameter (the same product
   suite recomputes at every step), the parameter's certain values and the
   starting value as a double. */
struct donnees {
    double quatre_a[NB_PARAMETRES], bas[NB_PARAMETRES], haut[NB_PARAMETRES];
    double departs[NB_DEPARTS];
};

static void preparer(donnees &t)
{
    float i[NB_PARAMETRES], j[NB_DEPARTS];
    valeurs_parametres(i);
    valeurs_departs(j);
    double haut_de_zero = bord(0.0f, true);
    for (int p = 0; p < NB_PARAMETRES; p++) {
        t.quatre_a[p] = 4 * (double)i[p];
        bande_certaine(t.quatre_a[p], haut_de_zero, t.bas[p], t.haut[p]);
    }
    for (int d = 0; d < NB_DEPARTS; d++)
        t.departs[d] = (double)j[d];
}

void valeurs_certaines(double *bas, double *haut)
{
    donnees t;
    preparer(t);
    memcpy(bas, t.bas, sizeof t.bas);
    memcpy(haut, t.haut, sizeof t.haut);
}

/* Loads the lanes k .. k + nb - 1 of the drawing, each run of one
   parameter's lanes as a whole, which GCC vectorises: blocks that stop
   early make their loading weigh. Lanes past `fin` get 0, which stays 0,
   is certain and costs nothing. */
static void remplir(int k, int fin, int nb, const donnees &t, double *a4, double *u, double *bas,
                    double *haut)
{
    int p = k / NB_DEPARTS, d = k % NB_DEPARTS, l = 0;
    for (; l < nb && k + l < fin; p++, d = 0) {
        int n = std::min({nb - l, NB_DEPARTS - d, fin - k - l});
        std::fill_n(a4 + l, n, t.quatre_a[p]);
        std::fill_n(bas + l, n, t.bas[p]);
        std::fill_n(haut + l, n, t.haut[p]);
        std::copy_n(t.departs + d, n, u + l);
        l += n;
    }
    for (; l < nb; l++)
        a4[l] = u[l] = bas[l] = haut[l] = 0;
}

static void ranger(int k, int fin, int nb, const double *u, float *temp)
{
    for (int l = 0, n = std::min(nb, fin - k); l < n; l++)
        temp[k + l] = (float)u[l];
}

/* An orbit that holds, at step t, exactly the value it held at step
   t - PERIODE has a period dividing PERIODE from there on, so its value at
   every later multiple of PERIODE, NB_ITERATIONS included, is that same
   value: the steps left would change no bit. Most orbits of the diagram
   settle on a cycle of 1, 2, 4, 8 or 16 long before step 400. */
constexpr int PERIODE = 16;
static_assert(NB_ITERATIONS % PERIODE == 0, "step 400 must be a multiple of the check's period");

/* Whether no lane of a vector comparison is set. */
template <typename M> [[gnu::always_inline]] inline bool aucun_ecart(const M &ecart)
{
    for (int l = 0; l < int(sizeof(M) / sizeof(ecart[0])); l++)
        if (ecart[l])
            return false;
    return true;
}

/* Whether every lane of the N vectors holds what it held a period ago, or
   lies in its certain values [bas, haut] (bande_certaine). The values are
   never NaN and never -0 (every orbit stays in [0, 1], where (4a u)(1 - u)
   is a product of two numbers >= 0, and the empty lanes hold +0), so == is
   equality of the bits, which is what the sweep keeps.
   How it is written is how GCC keeps it cheap: vectors one by one, leaving
   at the first that is not done (most checks end there; one mask of all,
   under AVX-512, is taken apart lane by lane); plain doubles all at once,
   unrolled, or their steps spill. */
template <typename V, int N>
[[gnu::always_inline]] inline bool fini(const V *u, const V *avant, const V *bas, const V *haut)
{
    if constexpr (std::is_arithmetic_v<V>) {
        bool reste = false;
#pragma GCC unroll 16
        for (int v = 0; v < N; v++)
            reste |= (u[v] != avant[v]) & ((u[v] < bas[v]) | (u[v] > haut[v]));
        return !reste;
    } else {
        for (int v = 0; v < N; v++)
            if (!aucun_ecart((u[v] != avant[v]) & ((u[v] < bas[v]) | (u[v] > haut[v]))))
                return false;
        return true;
    }
}

/* Always inlined, so that it is compiled with the instruction set of the
   function that uses it, and the N vectors stay in registers. Returns how
   many steps the block ran: it stops once every lane has repeated or holds
   a certain pixel. */
template <typename V, int N>
[[gnu::always_inline]] inline int iterer(V *u, const V *a4, const V *bas, const V *haut)
{
    for (int n = 0; n < NB_ITERATIONS; n += PERIODE) {
        V avant[N];
        for (int v = 0; v < N; v++)
            avant[v] = u[v];
        for (int m = 0; m < PERIODE; m++) {
#pragma GCC unroll 16
            for (int v = 0; v < N; v++)
                u[v] = (a4[v] * u[v]) * (1 - u[v]);
        }
        if (fini<V, N>(u, avant, bas, haut))
            return n + PERIODE;
    }
    return NB_ITERATIONS;
}

/* Returns the map steps run, a block's lanes by its steps, empty lanes
   included: counted once a block, outside the steps. */
template <typename V, int N>
[[gnu::always_inline]] inline long long orbites(int debut, int fin, const donnees &t, float *temp)
{
    constexpr int nb = N * int(sizeof(V) / sizeof(double));
    long long pas_faits = 0;
    for (int k = debut; k < fin; k += nb) {
        alignas(64) double a4[nb], u[nb], bas[nb], haut[nb];
        remplir(k, fin, nb, t, a4, u, bas, haut);
        V va[N], vu[N], vb[N], vh[N];
        memcpy(va, a4, sizeof va);
        memcpy(vu, u, sizeof vu);
        memcpy(vb, bas, sizeof vb);
        memcpy(vh, haut, sizeof vh);
        pas_faits += (long long)nb * iterer<V, N>(vu, va, vb, vh);
        memcpy(u, vu, sizeof vu);
        ranger(k, fin, nb, u, temp);
    }
    return pas_faits;
}

/* The x86 instruction sets past SSE2 are chosen at run time, so their code
   is built only for x86; elsewhere the 128-bit path is the only one. */
#if defined(__x86_64__) || defined(__i386__)
#define SUITE_X86 1
#endif

/* Vectors in flight per instruction set: the fewest that reach the
   machine's throughput in the benchmark (a dozen or so, more than the bare
   latency of two multiplications suggests), while the orbits still stay in
   the 16 or 32 registers; past that, spills slow every step.
   On aarch64 ten NEON vectors make the shortest loop per step: its 32
   instructions do 20 steps; from eleven on, the compiler reloads some 4a
   at every step, and 32-byte vectors, split in two, go through memory.
   32-bit ARM (armhf) has no double-precision vectors: there the compiler
   would take each 128-bit vector apart through memory at every step, so
   the lanes are plain doubles, seven of them, which the 16 registers of
   Debian's baseline (VFPv3-D16) hold: 23 instructions do 7 steps, where
   ten split vectors took some 150 for 20. */
static long long orbites_base(int debut, int fin, const donnees &t, float *temp)
{
#ifdef __arm__
    return orbites<double, 7>(debut, fin, t, temp);
#else
    return orbites<v2d, 10>(debut, fin, t, temp);
#endif
}

#ifdef SUITE_X86
__attribute__((target("avx2"))) static long long orbites_avx2(int debut, int fin, const donnees &t,
                                                              float *temp)
{
    return orbites<v4d, 12>(debut, fin, t, temp);
}

__attribute__((target("avx512f"))) static long long orbites_avx512(int debut, int fin,
                                                                   const donnees &t, float *temp)
{
    return orbites<v8d, 16>(debut, fin, t, temp);
}
#endif

bool chemin_possible(chemin c)
{
#ifdef SUITE_X86
    __builtin_cpu_init();
    switch (c) {
    case chemin_base:
        return true;
    case chemin_avx2:
        return __builtin_cpu_supports("avx2");
    case chemin_avx512:
        return __builtin_cpu_supports("avx512f");
    }
    return false;
#else
    return c == chemin_base;
#endif
}

const char *nom_chemin(chemin c)
{
    switch (c) {
    case chemin_base:
#if defined(SUITE_X86)
        return "sse2";
#elif defined(__aarch64__)
        return "neon";
#elif defined(__arm__)
        return "vfp";
#else
        return "vecteur128";
#endif
    case chemin_avx2:
        return "avx2";
    case chemin_avx512:
        return "avx512";
    }
    return "?";
}

static chemin meilleur_chemin()
{
    if (chemin_possible(chemin_avx512))
        return chemin_avx512;
    if (chemin_possible(chemin_avx2))
        return chemin_avx2;
    return chemin_base;
}

static long long tranche_par(chemin c, int premier, int nombre, float *temp)
{
    donnees t;
    preparer(t);
    int debut = premier * NB_DEPARTS, fin = (premier + nombre) * NB_DEPARTS;
    switch (c) {
#ifdef SUITE_X86
    case chemin_avx2:
        return orbites_avx2(debut, fin, t, temp);
    case chemin_avx512:
        return orbites_avx512(debut, fin, t, temp);
#endif
    default:
        return orbites_base(debut, fin, t, temp);
    }
}

long long diagramme_par(chemin c, float *temp)
{
    return tranche_par(c, 0, NB_PARAMETRES, temp);
}

long long diagramme_tranche(int premier, int nombre, float *temp)
{
    return tranche_par(meilleur_chemin(), premier, nombre, temp);
}

long long diagramme(float *temp)
{
    return diagramme_tranche(0, NB_PARAMETRES, temp);
}

std::vector<point> points_visibles(const float *temp, int zoom, int abs, int ord, int largeur,
                                   int hauteur)
{
    float i[NB_PARAMETRES];
    /* A byte a pixel rather than a bit: this loop is most of what a
       drawing costs once the sweep's values are kept. */
    std::vector<unsigned char> pris(static_cast<size_t>(largeur) * hauteur);
    std::vector<point> points;

    valeurs_parametres(i);
    for (int p = 0; p < NB_PARAMETRES; p++) {
        int x = static_cast<int>(zoom * static_cast<double>(i[p]) + abs);
        if (x < 0 || x >= largeur)
            continue;
        for (int d = 0; d < NB_DEPARTS; d++) {
            int y = rang(zoom, ord, temp[p * NB_DEPARTS + d]);
            if (y < 0 || y >= hauteur)
                continue;
            size_t k = static_cast<size_t>(y) * largeur + x;
            if (!pris[k]) {
                pris[k] = true;
                points.push_back({x, y});
            }
        }
    }
    return points;
}

plage plage_visible(int zoom, int abs, int ord, int largeur, int hauteur)
{
    double z = zoom;
    return {std::max(0.0, -abs / z), std::min(1.0, (largeur - abs) / z),
            std::max(0.0, (ord - hauteur) / z), std::min(1.0, ord / z)};
}
