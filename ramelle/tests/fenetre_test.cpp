/*
 * ramelle's window in a real X server, compared with stored pictures:
 * blank at start, each view of the cycle of "Zoom", drawings piled up by
 * "Tracer" and by clicks run nested inside "Zoom", an enlarged window, a
 * quit during "Zoom".
 */
#include "outils_gtk.h"
#include "ramelle.h"

#include <gtest/gtest.h>

namespace
{

class Ramelle : public testing::Test
{
  protected:
    GtkWidget *fenetre = (remplir_zooms(), construire_fenetre());

    void TearDown() override
    {
        /* Each drawing has released its graphics context. */
        EXPECT_EQ(outils::gc_vivants, 0);
        if (fenetre)
            gtk_widget_destroy(fenetre);
    }
    void cliquer(const char *titre)
    {
        outils::cliquer(fenetre, titre);
    }
    /* The window shows the picture vue, and the cycle stands at drapeaux. */
    void montre(const char *vue, const char *drapeaux)
    {
        EXPECT_TRUE(outils::comme_la_reference(fenetre, vue)) << vue;
        EXPECT_EQ(std::to_string(zoom1.test) + std::to_string(zoom2.test) +
                      std::to_string(zoom3.test),
                  drapeaux)
            << vue;
    }
};

TEST_F(Ramelle, TracerPuisZoom)
{
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(fenetre)),
                 "Diagramme de Bifurcation - https://example.org/ramelle");
    montre("ramelle-vide", "000");
    cliquer("Tracer");
    montre("ramelle-entiere", "000");
    /* "Zoom" clears first, then shows the first level. */
    cliquer("Zoom");
    montre("ramelle-zoom1", "100");
}

TEST_F(Ramelle, CycleDesZoomsEtTracerQuiSAjoute)
{
    const char *cycle[][2] = {{"ramelle-zoom1", "100"},
                              {"ramelle-zoom2", "110"},
                              {"ramelle-zoom3", "111"},
                              {"ramelle-entiere", "000"}};
    for (auto etape : cycle) {
        cliquer("Zoom");
        montre(etape[0], etape[1]);
    }
    /* "Tracer" draws over, without clearing nor moving the cycle on. */
    cliquer("Zoom");
    cliquer("Tracer");
    montre("ramelle-zoom1+entiere", "100");
    cliquer("Zoom");
    montre("ramelle-zoom2", "110");
}

TEST_F(Ramelle, ClicsEnAttenteImbriquesDansLeZoom)
{
    /* A second "Zoom" run from the events "Zoom" lets run: each press
       advances the cycle once, the outer level drawn over the inner. */
    outils::bientot([&] { cliquer("Zoom"); });
    cliquer("Zoom");
    montre("ramelle-zoom1+zoom2", "110");
    /* "Tracer" there: the full view on the fresh area, the level over it. */
    outils::bientot([&] { cliquer("Tracer"); });
    cliquer("Zoom");
    montre("ramelle-entiere+zoom3", "111");
}

TEST_F(Ramelle, FenetreAgrandieMontreLesPointsAuDela)
{
    gtk_window_resize(GTK_WINDOW(fenetre), 1500, 1250);
    outils::vider_evenements();
    cliquer("Zoom");
    /* The first level's points below row 600 show too. */
    montre("ramelle-agrandie-zoom1", "100");
}

TEST_F(Ramelle, QuitterPendantLeZoomNeDessinePlus)
{
    g_object_add_weak_pointer(G_OBJECT(fenetre), reinterpret_cast<gpointer *>(&fenetre));
    outils::dans_la_boucle([&] {
        outils::bientot([&] { outils::fermer_par_le_cadre(fenetre); });
        cliquer("Zoom");
    });
    /* The window is gone, and the press neither drew nor advanced. */
    EXPECT_EQ(fenetre, nullptr);
    EXPECT_EQ(zoom1.test, 0);
}

} // namespace

int main(int argc, char **argv)
{
    return outils::lancer_les_tests(argc, argv);
}
