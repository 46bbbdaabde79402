/*
 * ramelle's arithmetic against values worked out apart from this code by
 * tests/oracles.py (numpy): on every instruction set this machine runs,
 * the map steps each ran before its blocks stopped early, the pixels of
 * each view in the 800 x 600 area, its edges included, and in a far larger
 * one, where the rows and columns the window never shows lie, and the
 * values that no early stop but a repeat may touch, bit for bit.
 */
#include "empreinte.h"
#include "suite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>

namespace
{

TEST(Diagramme, ChaqueJeuDInstructionsPuisLesPixelsDeChaqueVue)
{
    /* Each set's blocks stop, at a multiple of 16 steps, once each of
       their orbits repeats or holds a certain pixel: so many map steps, by
       its block's size. diagramme() takes the widest set this machine has. */
    const long long pas_par_chemin[] = {
#ifdef __arm__
        466131344, /* vfp, blocks of 7 */
#else
        468721920, /* sse2 or neon, blocks of 20 */
#endif
        472380672,  /* avx2, 48 */
        479203328}; /* avx512, 128 */
    /* Each view's pixels, each once, in the order of the sweep, in the
       window's area, then in one of 1600 x 1200. */
    struct {
        int zoom, abs, ord;
        size_t nombre[2];
        uint64_t h[2];
    } vues[] = {{450, 20, 580, {15815, 15815}, {0xd7da7131b55ce320, 0xd7da7131b55ce320}},
                {700, -150, 620, {33074, 33183}, {0x844bfda221333fdb, 0x12ef3d453f49153b}},
                {1000, -550, 700, {45335, 46639}, {0x35574327bb7c51ba, 0x5e32c759f8bc4d95}},
                {2000, -1400, 1100, {60411, 80158}, {0xb5c3b73b62ac5785, 0x023bda889deafd2f}}};
    const int cote[2][2] = {{800, 600}, {1600, 1200}};
    /* Parameters 1500 on: a >= 0.75, where the orbits keep their bits. */
    const size_t p075 = 1500 * NB_DEPARTS, n075 = NB_VALEURS - p075;
    std::vector<float> t(NB_VALEURS), u(NB_VALEURS, -1), v(NB_VALEURS, -1);
    int large = 0;
    for (int c = 0; c < NB_CHEMINS; c++)
        large = chemin_possible(chemin(c)) ? c : large;
    for (int c = 0; c <= large; c++) {
        if (!chemin_possible(chemin(c)))
            continue;
        EXPECT_EQ(c == large ? diagramme(t.data()) : diagramme_par(chemin(c), t.data()),
                  pas_par_chemin[c])
            << nom_chemin(chemin(c));
        EXPECT_EQ(empreinte(std::span(&t[p075], n075)), 0xdfeded7fd908d9cfu)
            << nom_chemin(chemin(c));
        for (auto e : vues)
            for (int z = 0; z < 2; z++) {
                std::vector<point> p =
                    points_visibles(t.data(), e.zoom, e.abs, e.ord, cote[z][0], cote[z][1]);
                EXPECT_EQ(p.size(), e.nombre[z]) << nom_chemin(chemin(c)) << " " << e.zoom;
                EXPECT_EQ(empreinte(p), e.h[z])
                    << nom_chemin(chemin(c)) << " " << e.zoom << " " << cote[z][0];
            }
    }
    /* A range of parameters that is not a whole number of vector blocks,
       slow and fast: the same bits, only there. */
    diagramme_simple_tranche(1507, 13, u.data());
    diagramme_tranche(1507, 13, v.data());
    EXPECT_EQ(0, memcmp(u.data(), v.data(), NB_VALEURS * 4));
    EXPECT_EQ(0, memcmp(&u[1507 * NB_DEPARTS], &t[1507 * NB_DEPARTS], 13 * NB_DEPARTS * 4));
}

/* From either end of a parameter's certain values, an orbit stays among
   them through 400 steps (as many as any orbit may have left), computed as
   the sweep does; there are such values below a = 0.75 only. */
TEST(Diagramme, UneValeurCertaineLeResteJusquAuBout)
{
    float i[NB_PARAMETRES];
    std::vector<double> bas(NB_PARAMETRES), haut(NB_PARAMETRES);
    valeurs_parametres(i);
    valeurs_certaines(bas.data(), haut.data());
    int vides = 0;
    for (int p = 0; p < NB_PARAMETRES; p++) {
        vides += bas[p] > haut[p];
        for (double u : {bas[p], haut[p]})
            for (int n = 0; n < NB_ITERATIONS && bas[p] <= haut[p]; n++) {
                u = ((4 * (double)i[p]) * u) * (1 - u);
                ASSERT_TRUE(bas[p] <= u && u <= haut[p]) << "a = " << i[p] << ", step " << n;
            }
    }
    EXPECT_EQ(vides, 500);
}

} // namespace
