/*
 * tourbel's arithmetic, to the last bit. Every expected value here was
 * worked out apart from this code: by tests/oracles.py, which writes the
 * formulas again in Python's doubles, or by hand from the definitions
 * (the derivatives, the views, the count of points). So a regrouped sum
 * or a changed scale shows here, even when it changes the bits only after
 * many steps.
 */
#include "champs.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace
{

struct etat {
    double x, y, z;
};

etat pas_de(etat e, float r, double h, int n = 1)
{
    for (int k = 0; k < n; k++)
        pas_suivant(e.x, e.y, e.z, SIGMA, r, B, h, &e.x, &e.y, &e.z);
    return e;
}

void egal(etat e, etat attendu)
{
    EXPECT_EQ(e.x, attendu.x);
    EXPECT_EQ(e.y, attendu.y);
    EXPECT_EQ(e.z, attendu.z);
}

TEST(Pas, ValeursExactes)
{
    EXPECT_EQ(dxdt(1, 3, 10), 20.0);
    EXPECT_EQ(dydt(1, 2, 3, 28), 23.0);
    /* b is the single-precision 2.666667 (2.6666669845581055), not 8/3. */
    EXPECT_EQ(dzdt(1, 2, 3, B), -6.000000953674316);
    /* One step (9.9, 0.8601596146, 19.47115020...). */
    egal(pas_de({11, 0, 20}, 28, 0.01),
         {0x1.3cccccccccccdp+3, 0x1.b866d74be68acp-1, 0x1.3789d4caff4dfp+4});
    egal(pas_de({11, 0, 20}, 28, 0.0001),
         {0x1.5fa5e353f7ceep+3, 0x1.204cf77e71815p-7, 0x1.3fea27fb4c012p+4});
    /* r typed as 24.74 enters as 24.739999771118164. */
    egal(pas_de({1, 2, 3}, simple_precision(24.74), 0.01),
         {0x1.199999999999ap+0, 0x1.1be9b72270d25p+1, 0x1.785cb02912d37p+1});
    egal(pas_de({11, 0, 20}, 28, 0), {11, 0, 20});
}

TEST(Pas, CentMillePasDepuisLesChampsParDefaut)
{
    egal(pas_de({11, 0, 20}, 28, 0.0001, 100000),
         {-0x1.c7f260b04f983p+3, -0x1.4f92986b4d0f6p+4, 0x1.a9936c9f26945p+4});
    egal(pas_de({11, 0, 20}, 28, 0.001, 100000),
         {-0x1.ab2680cf354c9p+3, -0x1.fb3ab6f2302e2p+3, 0x1.e955a1aa8c036p+4});
    /* Too large a step: infinite or NaN after 92 steps, and the steps run on. */
    etat e = pas_de({11, 0, 20}, 28, 0.05, 91);
    EXPECT_TRUE(std::isfinite(e.x + e.y + e.z));
    e = pas_de(e, 28, 0.05, 20);
    EXPECT_FALSE(std::isfinite(e.x + e.y + e.z));
}

/* FNV-1a over the four coordinates of every segment, as 32-bit ints. */
struct empreinte {
    uint64_t h = 14695981039346656037ull;
    void ajouter(const int seg[4])
    {
        const unsigned char *o = reinterpret_cast<const unsigned char *>(seg);
        for (size_t k = 0; k < 4 * sizeof(int); k++)
            h = (h ^ o[k]) * 1099511628211ull;
    }
};

TEST(Vues, TousLesSegmentsDuTraceParDefaut)
{
    const char *textes[NB_CHAMPS] = {"11", "0", "20", "28", "0.0001", "500000"};
    const uint64_t attendues[4] = {0x56835386d0a01720, 0x1e83ff9ecdc7e0ec, 0x49be7bea8717a5fc,
                                   0x42c7aaac89006a79};
    const int premier[4][4] = {
        {610, 350, 609, 350}, {610, 250, 609, 249}, {500, 250, 500, 249}, {660, 350, 659, 350}};
    for (int choix = 1; choix <= 4; choix++) {
        depart d = depart_des_champs(textes);
        empreinte e;
        int seg[4];
        for (int i = 0; i < d.nb; i++) {
            ASSERT_TRUE(pas_et_segment(choix, d.r, d.h, &d.x, &d.y, &d.z, seg));
            if (i == 0) {
                EXPECT_EQ(std::vector<int>(seg, seg + 4),
                          std::vector<int>(premier[choix - 1], premier[choix - 1] + 4));
            }
            /* The whole curve stays inside the 1024 x 900 area. */
            for (int k = 0; k < 4; k++)
                ASSERT_TRUE(seg[k] >= 0 && seg[k] < (k % 2 ? 900 : 1024));
            e.ajouter(seg);
        }
        EXPECT_EQ(e.h, attendues[choix - 1]) << "vue " << choix;
    }
}

TEST(Vues, NombreDePointsEtSimplePrecision)
{
    for (double nb : {0.99, 0.0, -5.0, 2147483647.5, 1e12, -1e12, double(INFINITY), double(NAN)})
        EXPECT_EQ(nombre_de_points(nb), 0) << nb;
    EXPECT_EQ(nombre_de_points(2.9), 2);
    EXPECT_EQ(nombre_de_points(16777217), 16777217);
    EXPECT_EQ(nombre_de_points(2147483647.0), INT_MAX);
    EXPECT_EQ(simple_precision(1e300), INFINITY);
    EXPECT_EQ(simple_precision(-1e300), -INFINITY);
    EXPECT_EQ(simple_precision(static_cast<double>(FLT_MAX) + 0x1p102), FLT_MAX);
    EXPECT_EQ(simple_precision(static_cast<double>(FLT_MAX) + 0x1p103), INFINITY);
}

TEST(Vues, DecoupageAuxBordsEtValeursNonFinies)
{
    int seg[4];
    /* A coordinate not finite, on either axis of either end: nothing drawn. */
    for (int k = 0; k < 4; k++)
        for (double v : {NAN, INFINITY, -INFINITY}) {
            double c[4] = {10, 20, 30, 40};
            c[k] = v;
            EXPECT_FALSE(couper_segment(c[0], c[1], c[2], c[3], seg)) << k << ' ' << v;
        }
    /* Truncated toward zero, not floored. */
    ASSERT_TRUE(couper_segment(499.9, -0.5, -0.99, -1.5, seg));
    EXPECT_EQ(std::vector<int>(seg, seg + 4), (std::vector<int>{499, 0, 0, -1}));
    /* Wholly beyond the box of ±8192: nothing; across it: cut on its edges,
       on the same line (y = x - 150 meets it at (-8042, -8192) and
       (8192, 8042)); one end far off: the other kept exactly. */
    EXPECT_FALSE(couper_segment(1e6, 1e6, 2e6, -1e6, seg));
    EXPECT_FALSE(couper_segment(-1e300, 9000, 1e300, 9000, seg));
    ASSERT_TRUE(couper_segment(-1e20, 100, 1e20, 100, seg));
    EXPECT_EQ(std::vector<int>(seg, seg + 4), (std::vector<int>{-8192, 100, 8192, 100}));
    ASSERT_TRUE(couper_segment(500 - 1e12, 350 - 1e12, 500 + 1e12, 350 + 1e12, seg));
    EXPECT_EQ(std::vector<int>(seg, seg + 4), (std::vector<int>{-8042, -8192, 8192, 8042}));
    ASSERT_TRUE(couper_segment(300.7, 200.2, 300.7 + 3e9, 200.2, seg));
    EXPECT_EQ(std::vector<int>(seg, seg + 4), (std::vector<int>{300, 200, 8192, 200}));
}

} // namespace
