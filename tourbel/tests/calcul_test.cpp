/*
 * tourbel's arithmetic, to the last bit: the step is checked against values
 * pinned in hexadecimal, whose decimal forms are the published ones (9.9,
 * 0.8601596146, 19.47115020...), so any change of the order of operations
 * shows here.
 */
#include "calcul.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <algorithm>
#include <cmath>

namespace
{

struct etat {
    double x, y, z;
};

etat un_pas(etat e, float r, double h)
{
    etat s;
    pas_suivant(e.x, e.y, e.z, SIGMA, r, B, h, &s.x, &s.y, &s.z);
    return s;
}

TEST(ChampDeVecteurs, ValeursExactes)
{
    EXPECT_EQ(dxdt(1, 3, 10), 20.0);
    EXPECT_EQ(dydt(1, 2, 3, 28), 23.0);
    /* b is the single-precision 2.666667, not 8/3. */
    EXPECT_EQ(static_cast<double>(B), 2.6666669845581055);
    EXPECT_EQ(dzdt(1, 2, 3, B), -6.000000953674316);
}

TEST(Pas, ValeursAuDernierBit)
{
    etat a = un_pas({11, 0, 20}, 28, 0.01);
    EXPECT_EQ(a.x, 9.9);
    EXPECT_EQ(a.y, 0x1.b866d74be68acp-1); /* 0.86015961457748835 */
    EXPECT_EQ(a.z, 0x1.3789d4caff4dfp+4); /* 19.471150200803887 */
    /* The textbook coupling would land elsewhere (x 9.99514, z 19.51802). */
    EXPECT_GT(std::fabs(a.z - 19.51802), 0.04);

    etat b = un_pas({11, 0, 20}, 28, 0.0001);
    EXPECT_EQ(b.x, 0x1.5fa5e353f7ceep+3); /* 10.989000000000001 */
    EXPECT_EQ(b.y, 0x1.204cf77e71815p-7); /* 0.0087982376543429917 */
    EXPECT_EQ(b.z, 0x1.3fea27fb4c012p+4); /* 19.994667035702214 */

    /* r typed as 24.74 enters as 24.739999771118164. */
    float r = simple_precision(24.74);
    EXPECT_EQ(static_cast<double>(r), 24.739999771118164);
    etat c = un_pas({1, 2, 3}, r, 0.01);
    EXPECT_EQ(c.x, 0x1.199999999999ap+0); /* 1.1 */
    EXPECT_EQ(c.y, 0x1.1be9b72270d25p+1); /* 2.2180699270408177 */
    EXPECT_EQ(c.z, 0x1.785cb02912d37p+1); /* 2.9403286171488179 */
}

TEST(Pas, PasNulEtPasNegatif)
{
    etat a = un_pas({11, 0, 20}, 28, 0);
    EXPECT_EQ(a.x, 11.0);
    EXPECT_EQ(a.y, 0.0);
    EXPECT_EQ(a.z, 20.0);

    /* A negative step runs the same formulas backwards in time: x moves by
       h·σ·(yn - xn) the other way, y and z too. */
    etat avant = un_pas({11, 0, 20}, 28, 0.01);
    etat arriere = un_pas({11, 0, 20}, 28, -0.01);
    EXPECT_NEAR(arriere.x, 12.1, 1e-12);
    EXPECT_LT((arriere.y - 0) * (avant.y - 0), 0);
    EXPECT_LT((arriere.z - 20) * (avant.z - 20), 0);
}

TEST(Pas, DivergeSansErreurQuandLePasEstTropGrand)
{
    etat e = {11, 0, 20};
    int n = 0;
    while (n < 1000 && std::isfinite(e.x) && std::isfinite(e.y) && std::isfinite(e.z)) {
        e = un_pas(e, 28, 0.05);
        n++;
    }
    EXPECT_EQ(n, 92);
    /* And the steps still run on what is left. */
    for (int k = 0; k < 10; k++)
        e = un_pas(e, 28, 0.05);
    EXPECT_FALSE(std::isfinite(e.x) && std::isfinite(e.y) && std::isfinite(e.z));
}

TEST(NombreDePoints, TronqueEtBorneAuxEntiers32Bits)
{
    EXPECT_EQ(nombre_de_points(500000), 500000);
    EXPECT_EQ(nombre_de_points(2.9), 2);
    EXPECT_EQ(nombre_de_points(0.99), 0);
    EXPECT_EQ(nombre_de_points(0), 0);
    EXPECT_EQ(nombre_de_points(-5), 0);
    EXPECT_EQ(nombre_de_points(16777217), 16777217);
    EXPECT_EQ(nombre_de_points(2147483647.0), INT_MAX);
    EXPECT_EQ(nombre_de_points(2147483647.5), 0);
    EXPECT_EQ(nombre_de_points(1e12), 0);
    EXPECT_EQ(nombre_de_points(-1e12), 0);
    EXPECT_EQ(nombre_de_points(INFINITY), 0);
    EXPECT_EQ(nombre_de_points(NAN), 0);
}

TEST(SimplePrecision, ArrondiIeeeSansComportementIndefini)
{
    EXPECT_EQ(simple_precision(28), 28.0f);
    EXPECT_EQ(simple_precision(1e300), INFINITY);
    EXPECT_EQ(simple_precision(-1e300), -INFINITY);
    EXPECT_EQ(simple_precision(static_cast<double>(FLT_MAX) + 0x1p102), FLT_MAX);
    EXPECT_EQ(simple_precision(static_cast<double>(FLT_MAX) + 0x1p103), INFINITY);
    EXPECT_TRUE(std::isnan(simple_precision(NAN)));
}

/* The pixels of a segment, as the plot sends them. */
void pixels(int choix, etat a, etat b, int seg[4])
{
    double x1, y1, x2, y2;
    ecran(choix, a.x, a.y, a.z, &x1, &y1);
    ecran(choix, b.x, b.y, b.z, &x2, &y2);
    ASSERT_TRUE(couper_segment(x1, y1, x2, y2, seg));
}

TEST(Vues, OrigineEtPremierSegmentParDefaut)
{
    const int origine[4][2] = {{500, 350}, {500, 50}, {500, 50}, {550, 150}};
    const int premier[4][4] = {
        {610, 350, 609, 350}, {610, 250, 609, 249}, {500, 250, 500, 249}, {660, 350, 659, 350}};
    etat depart = {11, 0, 20};
    etat suivant = un_pas(depart, 28, 0.0001);
    for (int choix = 1; choix <= 4; choix++) {
        int seg[4];
        pixels(choix, {0, 0, 0}, {0, 0, 0}, seg);
        EXPECT_EQ(seg[0], origine[choix - 1][0]) << "vue " << choix;
        EXPECT_EQ(seg[1], origine[choix - 1][1]) << "vue " << choix;
        pixels(choix, depart, suivant, seg);
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(seg[k], premier[choix - 1][k]) << "vue " << choix << ", coordonnée " << k;
    }
}

TEST(Vues, LaCourbeParDefautResteDansLaZone)
{
    etat e = {11, 0, 20};
    int min[4][2] = {}, max[4][2] = {};
    for (int v = 0; v < 4; v++)
        min[v][0] = min[v][1] = 1 << 20;
    for (int n = 0; n <= 500000; n++) {
        for (int v = 0; v < 4; v++) {
            int seg[4];
            pixels(v + 1, e, e, seg);
            for (int k = 0; k < 2; k++) {
                min[v][k] = std::min(min[v][k], seg[k]);
                max[v][k] = std::max(max[v][k], seg[k]);
            }
        }
        e = un_pas(e, 28, 0.0001);
    }
    for (int v = 0; v < 4; v++) {
        EXPECT_GE(min[v][0], 0) << "vue " << v + 1;
        EXPECT_GE(min[v][1], 0) << "vue " << v + 1;
        EXPECT_LT(max[v][0], 1024) << "vue " << v + 1;
        EXPECT_LT(max[v][1], 900) << "vue " << v + 1;
    }
}

TEST(Vues, TroncatureVersZero)
{
    int seg[4];
    ASSERT_TRUE(couper_segment(499.9, -0.5, -0.99, -1.5, seg));
    EXPECT_EQ(seg[0], 499);
    EXPECT_EQ(seg[1], 0);
    EXPECT_EQ(seg[2], 0);
    EXPECT_EQ(seg[3], -1);
}

TEST(Decoupage, BornesSuresPourLeSystemeDeFenetres)
{
    int seg[4];
    /* An end that is not finite: nothing is drawn. */
    EXPECT_FALSE(couper_segment(NAN, 0, 10, 10, seg));
    EXPECT_FALSE(couper_segment(0, 0, INFINITY, 10, seg));
    /* Wholly beyond the limit: nothing is drawn. */
    EXPECT_FALSE(couper_segment(1e6, 1e6, 2e6, -1e6, seg));
    EXPECT_FALSE(couper_segment(-1e300, 9000, 1e300, 9000, seg));

    /* Crossing the screen from far away: cut at the limit, still on the
       same line, so the visible part is the same. */
    ASSERT_TRUE(couper_segment(-1e20, 100, 1e20, 100, seg));
    EXPECT_EQ(seg[0], -8192);
    EXPECT_EQ(seg[1], 100);
    EXPECT_EQ(seg[2], 8192);
    EXPECT_EQ(seg[3], 100);

    ASSERT_TRUE(couper_segment(500 - 1e12, 350 - 1e12, 500 + 1e12, 350 + 1e12, seg));
    for (int k = 0; k < 4; k++)
        EXPECT_LE(std::abs(seg[k]), 8192);
    EXPECT_EQ(seg[0] - 500, seg[1] - 350);
    EXPECT_EQ(seg[2] - 500, seg[3] - 350);

    /* One end far off, the other on screen: that end is kept exactly. */
    ASSERT_TRUE(couper_segment(300.7, 200.2, 300.7 + 3e9, 200.2, seg));
    EXPECT_EQ(seg[0], 300);
    EXPECT_EQ(seg[1], 200);
    EXPECT_EQ(seg[2], 8192);
}

} // namespace
