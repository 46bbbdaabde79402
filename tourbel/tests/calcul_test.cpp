/*
 * tourbel's arithmetic, to the last bit. Every expected value was worked
 * out apart from this code: by tests/oracles.py, which writes the formulas
 * again in Python's doubles, or by hand from the definitions. So a
 * regrouped sum or a changed scale shows here, even one that changes the
 * bits only after many steps.
 */
#include "champs.h"
#include "empreinte.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace
{

using etat = std::vector<double>;

etat pas_de(etat e, float r, double h, int n = 1)
{
    for (int k = 0; k < n; k++)
        pas_suivant(e[0], e[1], e[2], SIGMA, r, B, h, &e[0], &e[1], &e[2]);
    return e;
}

TEST(Pas, UnPasAvecRLuEnSimplePrecision)
{
    /* One step (1.1, 2.218069927, 2.940328617), r typed as 24.74 entering
       as 24.739999771118164. */
    EXPECT_EQ(pas_de({1, 2, 3}, simple_precision(24.74), 0.01),
              etat({0x1.199999999999ap+0, 0x1.1be9b72270d25p+1, 0x1.785cb02912d37p+1}));
    /* r beyond the float range: the nearest float, or infinity past half
       a unit in the last place above FLT_MAX. */
    EXPECT_EQ(simple_precision(double(FLT_MAX) + 0x1p102), FLT_MAX);
    EXPECT_EQ(simple_precision(-double(FLT_MAX) - 0x1p103), -INFINITY);
}

TEST(Champs, NombreDePointsTronqueVersZero)
{
    /* The "Nb" text as a count: never rounded, none below 1 or past the
       32-bit signed range, none from what is no number. */
    const std::pair<const char *, int> cas[] = {
        {"4000.9", 4000},  {"0.99", 0},  {"-3.7", 0}, {"2147483647", 2147483647},
        {"2147483648", 0}, {"1e300", 0}, {"nan", 0},  {"douze", 0}};
    for (auto [texte, attendu] : cas) {
        const char *textes[NB_CHAMPS] = {"11", "0", "20", "28", "0.0001", texte};
        EXPECT_EQ(depart_des_champs(textes).nb, attendu) << texte;
    }
}

TEST(Pas, CentMillePasDepuisLesChampsParDefaut)
{
    EXPECT_EQ(pas_de({11, 0, 20}, 28, 0.0001, 100000),
              etat({-0x1.c7f260b04f983p+3, -0x1.4f92986b4d0f6p+4, 0x1.a9936c9f26945p+4}));
    EXPECT_EQ(pas_de({11, 0, 20}, 28, 0.001, 100000),
              etat({-0x1.ab2680cf354c9p+3, -0x1.fb3ab6f2302e2p+3, 0x1.e955a1aa8c036p+4}));
}

TEST(Vues, TousLesSegmentsDuTraceParDefaut)
{
    const char *textes[NB_CHAMPS] = {"11", "0", "20", "28", "0.0001", "500000"};
    const uint64_t empreintes[4] = {0x56835386d0a01720, 0x1e83ff9ecdc7e0ec, 0x49be7bea8717a5fc,
                                    0x42c7aaac89006a79};
    const std::vector<int> premiers[4] = {
        {610, 350, 609, 350}, {610, 250, 609, 249}, {500, 250, 500, 249}, {660, 350, 659, 350}};
    for (int choix = 1; choix <= 4; choix++) {
        depart d = depart_des_champs(textes);
        uint64_t h = EMPREINTE_VIDE;
        std::vector<int> seg(4);
        for (int i = 0; i < d.nb; i++) {
            ASSERT_TRUE(pas_et_segment(choix, d.r, d.h, &d.x, &d.y, &d.z, seg.data()));
            EXPECT_TRUE(i > 0 || seg == premiers[choix - 1]) << "vue " << choix;
            /* The whole curve stays inside the 1024 x 900 area. */
            ASSERT_TRUE(seg[0] >= 0 && seg[1] >= 0 && seg[2] < 1024 && seg[3] < 900);
            h = empreinte(seg, h);
        }
        EXPECT_EQ(h, empreintes[choix - 1]) << "vue " << choix;
    }
}

TEST(Vues, DecoupageAuxBordsEtValeursNonFinies)
{
    std::vector<int> seg(4);
    auto couper = [&](double x1, double y1, double x2, double y2) {
        return couper_segment(x1, y1, x2, y2, seg.data());
    };
    /* A coordinate not finite, on either axis of either end: nothing drawn. */
    for (double v : {double(NAN), double(INFINITY), -double(INFINITY)})
        EXPECT_FALSE(couper(v, 1, 2, 3) || couper(0, v, 2, 3) || couper(0, 1, v, 3) ||
                     couper(0, 1, 2, v));
    /* Truncated toward zero, not floored. */
    ASSERT_TRUE(couper(499.9, -0.5, -0.99, -1.5));
    EXPECT_EQ(seg, (std::vector<int>{499, 0, 0, -1}));
    /* Wholly beyond the box of ±8192: nothing. Across it: cut on its edges
       and on the same line (y = x - 150 meets it at (-8042, -8192) and
       (8192, 8042)). One end far off: the other kept exactly. */
    EXPECT_FALSE(couper(1e6, 1e6, 2e6, -1e6) || couper(-1e300, 9000, 1e300, 9000));
    ASSERT_TRUE(couper(500 - 1e12, 350 - 1e12, 500 + 1e12, 350 + 1e12));
    EXPECT_EQ(seg, (std::vector<int>{-8042, -8192, 8192, 8042}));
    ASSERT_TRUE(couper(300.7, 200.2, 300.7 + 3e9, 200.2));
    EXPECT_EQ(seg, (std::vector<int>{300, 200, 8192, 200}));
}

} // namespace
