/*
 * ramelle's arithmetic against values worked out apart from this code by
 * tests/oracles.py (numpy): the whole drawing, which any change of the map
 * or of the float sweeps moves, on every instruction set this machine
 * runs, with the map steps each ran before its early exit, and the pixels
 * of each view in the 800 x 600 area, its edges included.
 */
#include "empreinte.h"
#include "suite.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

TEST(Diagramme, ChaqueJeuDInstructionsPuisLesPixelsDeChaqueVue)
{
    /* diagramme() takes the widest set this machine has; each narrower
       one, then a range of parameters that is not a whole number of vector
       blocks, slow and fast, must give the same bits. Each set's blocks stop as soon as all their
       orbits repeat, at a multiple of 16 steps: so many map steps, by its block's size. */
    const long long pas_par_chemin[] = {
#ifdef __arm__
        915987968, /* vfp, blocks of 7 */
#else
        918473600, /* sse2 or neon, blocks of 20 */
#endif
        921862656,  /* avx2, 48 */
        928120832}; /* avx512, 128 */
    std::vector<float> t(NB_VALEURS), u(NB_VALEURS, -1), v(NB_VALEURS, -1);
    int large = 0;
    for (int c = 0; c < NB_CHEMINS; c++)
        large = chemin_possible(chemin(c)) ? c : large;
    EXPECT_EQ(diagramme(t.data()), pas_par_chemin[large]) << nom_chemin(chemin(large));
    EXPECT_EQ(empreinte(t), 0x5ac16a61e86b93bcu);
    for (int c = 0; c < large; c++)
        if (chemin_possible(chemin(c))) {
            EXPECT_EQ(diagramme_par(chemin(c), u.data()), pas_par_chemin[c])
                << nom_chemin(chemin(c));
            EXPECT_EQ(0, memcmp(u.data(), t.data(), NB_VALEURS * 4)) << nom_chemin(chemin(c));
        }
    std::fill(u.begin(), u.end(), -1);
    diagramme_simple_tranche(7, 13, u.data());
    diagramme_tranche(7, 13, v.data());
    EXPECT_EQ(0, memcmp(u.data(), v.data(), NB_VALEURS * 4));
    EXPECT_EQ(0, memcmp(&u[7 * NB_DEPARTS], &t[7 * NB_DEPARTS], 13 * NB_DEPARTS * 4));

    /* Each view's pixels, each once, in the order of the sweep. */
    struct {
        int zoom, abs, ord;
        size_t nombre;
        uint64_t h;
    } vues[] = {{450, 20, 580, 15815, 0xd7da7131b55ce320},
                {700, -150, 620, 33074, 0x844bfda221333fdb},
                {1000, -550, 700, 45335, 0x35574327bb7c51ba},
                {2000, -1400, 1100, 60411, 0xb5c3b73b62ac5785}};
    for (auto v : vues) {
        std::vector<point> p = points_visibles(t.data(), v.zoom, v.abs, v.ord, 800, 600);
        EXPECT_EQ(p.size(), v.nombre) << v.zoom;
        EXPECT_EQ(empreinte(p), v.h) << v.zoom;
    }
}

} // namespace
