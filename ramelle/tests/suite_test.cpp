// Tests of ramelle's arithmetic: the map itself, the float sweep, and the
// fast drawing against the slow one on every value, for each instruction
// set this machine can run. The slow drawing takes seconds, so it is made
// once and shared; all cases run in one process.
#include "suite.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

// Fixed values of the map, chaotic orbits included: products taken in
// another order, or any loss of precision, change them.
TEST(Suite, ValeursConnues)
{
    EXPECT_EQ(suite(0.5, 0.5), 0.5);
    EXPECT_EQ(suite(0.3, 0.9), 0x1.26ddbf1d4dd67p-1);
    EXPECT_EQ(suite(0.1, 0.95), 0x1.77f78f0721041p-1);
}

TEST(Suite, PetitParametreTombeAZero)
{
    EXPECT_EQ(suite((double)0.0005f, (double)0.0001f), 0.0);
}

// Sums done in double, or as premier + n * pas, would end elsewhere.
TEST(Balayage, NombresEtBornes)
{
    EXPECT_EQ(balayage(0.0001f, nullptr, 0), NB_PARAMETRES);
    EXPECT_EQ(balayage(0.0005f, nullptr, 0), NB_DEPARTS);

    std::vector<float> i(NB_PARAMETRES + 1, -1.0f), j(NB_DEPARTS + 1, -1.0f);
    valeurs_parametres(i.data());
    valeurs_departs(j.data());
    EXPECT_EQ(i[0], 9.99999974737875e-05f);
    EXPECT_EQ(i[NB_PARAMETRES - 1], 0.999618709087372f);
    EXPECT_EQ(i[NB_PARAMETRES], -1.0f);
    EXPECT_EQ(j[0], 5.00000023748726e-04f);
    EXPECT_EQ(j[NB_DEPARTS - 1], 0.999518692493439f);
    EXPECT_EQ(j[NB_DEPARTS], -1.0f);
}

static const std::vector<float> &dessin_de_reference()
{
    static const std::vector<float> dessin = [] {
        std::vector<float> t(NB_VALEURS);
        diagramme_simple(t.data());
        return t;
    }();
    return dessin;
}

// A pattern no value of the drawing has, to see values never written.
static std::vector<float> dessin_vierge()
{
    std::vector<float> t(NB_VALEURS);
    memset(t.data(), 0xff, t.size() * sizeof(float));
    return t;
}

// Index of the first float whose bits differ, or -1.
static long premiere_difference(const std::vector<float> &a, const std::vector<float> &b)
{
    for (size_t k = 0; k < a.size(); k++)
        if (memcmp(&a[k], &b[k], sizeof(float)) != 0)
            return (long)k;
    return -1;
}

// FNV-1a over the bytes: pins the whole drawing to the one made by the
// original loops.
TEST(Diagramme, ReferenceInchangee)
{
    const std::vector<float> &ref = dessin_de_reference();
    uint64_t h = 14695981039346656037ull;
    const unsigned char *octets = (const unsigned char *)ref.data();
    for (size_t k = 0; k < ref.size() * sizeof(float); k++)
        h = (h ^ octets[k]) * 1099511628211ull;
    EXPECT_EQ(h, 0x5ac16a61e86b93bcull);
}

class Chemins : public ::testing::TestWithParam<chemin>
{
};

TEST_P(Chemins, DessinEntierIdentique)
{
    if (!chemin_possible(GetParam()))
        GTEST_SKIP() << "chemin " << nom_chemin(GetParam()) << " absent de ce processeur";
    std::vector<float> t = dessin_vierge();
    diagramme_par(GetParam(), t.data());
    EXPECT_EQ(premiere_difference(t, dessin_de_reference()), -1);
}

INSTANTIATE_TEST_SUITE_P(Tous, Chemins, ::testing::Values(chemin_sse2, chemin_avx2, chemin_avx512),
                         [](const ::testing::TestParamInfo<chemin> &info) {
                             return std::string(nom_chemin(info.param));
                         });

// A range that is not a whole number of vector blocks: its values are
// right and nothing around it is written.
TEST(Diagramme, TrancheSeule)
{
    const int premier = 7, nombre = 13;
    const long debut = premier * NB_DEPARTS, fin = (premier + nombre) * NB_DEPARTS;
    std::vector<float> t = dessin_vierge(), attendu = dessin_vierge();
    memcpy(&attendu[debut], &dessin_de_reference()[debut], (fin - debut) * sizeof(float));
    diagramme_tranche(premier, nombre, t.data());
    EXPECT_EQ(premiere_difference(t, attendu), -1);
}
