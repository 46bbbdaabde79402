/*
 * ramelle's arithmetic against values worked out apart from this code, by
 * tests/oracles.py (numpy) or by hand: the map, the float sweeps, the
 * whole drawing on every instruction set this machine runs, and the pixels
 * of each view in the 800 x 600 area, its edges included.
 */
#include "suite.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace
{

uint64_t fnv(const void *donnees, size_t taille)
{
    uint64_t h = 14695981039346656037ull;
    for (size_t k = 0; k < taille; k++)
        h = (h ^ static_cast<const unsigned char *>(donnees)[k]) * 1099511628211ull;
    return h;
}

TEST(Suite, ValeursEtBalayages)
{
    EXPECT_EQ(suite(0.5, 0.5), 0.5);
    EXPECT_EQ(suite(0.3, 0.9), 0x1.26ddbf1d4dd67p-1);
    EXPECT_EQ(suite(0.1, 0.95), 0x1.77f78f0721041p-1);
    EXPECT_EQ(suite(double(0.0005f), double(0.0001f)), 0.0);
    /* Sums done in double, or as premier + n * pas, would end elsewhere. */
    std::vector<float> i(NB_PARAMETRES + 1, -1), j(NB_DEPARTS + 1, -1);
    EXPECT_EQ(balayage(0.0001f, i.data(), NB_PARAMETRES + 1), NB_PARAMETRES);
    EXPECT_EQ(balayage(0.0005f, j.data(), NB_DEPARTS + 1), NB_DEPARTS);
    EXPECT_EQ(i[NB_PARAMETRES - 1], 0.999618709087372f);
    EXPECT_EQ(j[NB_DEPARTS - 1], 0.999518692493439f);
}

const std::vector<float> &dessin_rapide()
{
    static std::vector<float> t = [] {
        std::vector<float> v(NB_VALEURS);
        diagramme(v.data());
        return v;
    }();
    return t;
}

TEST(Diagramme, ChaqueJeuDInstructionsDonneLeMemeDessin)
{
    EXPECT_EQ(fnv(dessin_rapide().data(), NB_VALEURS * sizeof(float)), 0x5ac16a61e86b93bcull);
    /* diagramme() takes the widest set; each narrower one is checked too. */
    int plus_large = 0;
    for (int c = 0; c < NB_CHEMINS; c++)
        plus_large = chemin_possible(chemin(c)) ? c : plus_large;
    for (int c = 0; c < plus_large; c++) {
        if (!chemin_possible(chemin(c)))
            continue;
        std::vector<float> t(NB_VALEURS);
        diagramme_par(chemin(c), t.data());
        EXPECT_EQ(fnv(t.data(), NB_VALEURS * sizeof(float)), 0x5ac16a61e86b93bcull)
            << nom_chemin(chemin(c));
    }
    /* A range that is not a whole number of vector blocks, slow and fast:
       its values right, nothing around it written. */
    std::vector<float> lent(NB_VALEURS, -1), vite(NB_VALEURS, -1);
    diagramme_simple_tranche(7, 13, lent.data());
    diagramme_tranche(7, 13, vite.data());
    EXPECT_EQ(0, memcmp(lent.data(), vite.data(), NB_VALEURS * sizeof(float)));
    EXPECT_EQ(0, memcmp(&lent[7 * NB_DEPARTS], &dessin_rapide()[7 * NB_DEPARTS],
                        13 * NB_DEPARTS * sizeof(float)));
}

TEST(Diagramme, PixelsDeChaqueVueDansLaZone)
{
    struct {
        int zoom, abs, ord;
        size_t nombre;
        uint64_t empreinte;
    } vues[] = {{450, 20, 580, 15815, 0xd7da7131b55ce320},
                {700, -150, 620, 33074, 0x844bfda221333fdb},
                {1000, -550, 700, 45335, 0x35574327bb7c51ba},
                {2000, -1400, 1100, 60411, 0xb5c3b73b62ac5785}};
    for (auto v : vues) {
        std::vector<point> p =
            points_visibles(dessin_rapide().data(), v.zoom, v.abs, v.ord, 800, 600);
        EXPECT_EQ(p.size(), v.nombre) << v.zoom;
        EXPECT_EQ(fnv(p.data(), p.size() * sizeof(point)), v.empreinte) << v.zoom;
    }
}

} // namespace
