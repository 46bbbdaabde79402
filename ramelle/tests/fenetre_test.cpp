/*
 * ramelle's window in a real X server, compared with stored pictures
 * (the real program's start and its cycle of "Zoom": tests/programmes.sh):
 * drawings piled up by "Tracer" and by clicks run nested inside "Zoom",
 * enlarged windows, a quit during "Zoom".
 */
#include "outils_gtk.h"
#include "ramelle.h"
#include "suite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

GtkWidget *fenetre;
const auto cliquer = [](const char *titre) { outils::cliquer(fenetre, titre); };
const auto montre = [](const char *vue) { return outils::comme_la_reference(fenetre, vue); };
const auto zone = [] { return GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_ZONE)); };

class Ramelle : public testing::Test
{
    void SetUp() override
    {
        remplir_zooms();
        fenetre = construire_fenetre();
        outils::entendu();
    }
    void TearDown() override
    {
        if (fenetre)
            gtk_widget_destroy(fenetre);
    }
};

TEST_F(Ramelle, TracerPuisZoom)
{
    cliquer("Tracer");
    EXPECT_TRUE(montre("ramelle-entiere"));
    /* "Zoom" clears first, then shows the first level. */
    cliquer("Zoom");
    EXPECT_TRUE(montre("ramelle-zoom1"));
    /* The first level's ranges (150/700, 20/700, 620/700), the full view twice, said once. */
    cliquer("Tracer");
    cliquer("Tracer");
    EXPECT_EQ(outils::dit(zone()),
              "image Diagramme de bifurcation : 3 diagrammes superposés. Zoom 1 sur 3 : a de 0,21 "
              "à 1,00 et u de 0,03 à 0,89. Vue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00.");
    /* Every later drawing turns the values the first one kept into pixels,
       and runs the map no more: kept values moved off every view show
       nothing at the next level. */
    auto *gardees = static_cast<float *>(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_VALEURS));
    std::fill(gardees, gardees + NB_VALEURS, 2.0f);
    cliquer("Zoom");
    EXPECT_TRUE(montre("ramelle-vide"));
}

TEST_F(Ramelle, ClicsEnAttenteImbriquesDansLeZoom)
{
    /* A second "Zoom" run from the events "Zoom" lets run: each press
       advances the cycle once, the outer level drawn over the inner; all
       in the desktop's theme (run in a dark one too), axes included. */
    outils::bientot([] { cliquer("Zoom"); });
    cliquer("Zoom");
    EXPECT_TRUE(outils::comme_la_reference(zone(), "ramelle-zoom1+zoom2"));
    /* "Tracer" there: the full view on the fresh area, the level over it. */
    outils::bientot([] { cliquer("Tracer"); });
    cliquer("Zoom");
    EXPECT_TRUE(outils::comme_la_reference(zone(), "ramelle-entiere+zoom3"));
}

TEST_F(Ramelle, FenetreAgrandieMontreLesPointsAuDela)
{
    /* The first level's points below row 600 and right of column 800
       show too. */
    gtk_window_resize(GTK_WINDOW(fenetre), 1500, 1250);
    outils::vider_evenements();
    cliquer("Zoom");
    EXPECT_TRUE(montre("ramelle-agrandie-zoom1"));
    /* Each view told unasked, once drawn with its two axes, with the ranges
       of the area, 908 rows high: u from (1100 - 908) / 2000 at the third. */
    for (int n = 0; n < 3; n++)
        cliquer("Zoom");
    EXPECT_EQ(outils::entendu(),
              "[2 segments]\nZoom 1 sur 3 : a de 0,21 à 1,00 et u de 0,00 à 0,89.\n"
              "[2 segments]\nZoom 2 sur 3 : a de 0,55 à 1,00 et u de 0,00 à 0,70.\n"
              "[2 segments]\nZoom 3 sur 3 : a de 0,70 à 1,00 et u de 0,10 à 0,55.\n"
              "[2 segments]\nVue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00.\n");
}

TEST_F(Ramelle, QuitterPendantLeZoomNeDessinePlus)
{
    g_object_add_weak_pointer(G_OBJECT(fenetre), reinterpret_cast<gpointer *>(&fenetre));
    outils::dans_la_boucle([] {
        outils::bientot([] { outils::fermer_par_le_cadre(fenetre); });
        cliquer("Zoom");
    });
    /* The window is gone, and the press neither drew nor moved the cycle on. */
    EXPECT_EQ(fenetre, nullptr);
    EXPECT_EQ(zoom1.test, 0);
}

} // namespace
