/*
 * ramelle's window in a real X server, compared with stored pictures
 * (tests/references): blank at start, each view of the cycle of "Zoom",
 * drawings piled up by "Tracer" and by clicks run nested inside "Zoom",
 * an enlarged window, a quit during "Zoom".
 */
#include "outils_gtk.h"
#include "ramelle.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class Ramelle : public testing::Test
{
  protected:
    GtkWidget *fenetre = nullptr;

    void SetUp() override
    {
        remplir_zooms();
        fenetre = construire_fenetre();
        outils::vider_evenements();
    }
    void TearDown() override
    {
        /* Each drawing has released its graphics context. */
        EXPECT_EQ(outils::gc_vivants(), 0);
        outils::detruire_fenetres();
    }
    GtkWidget *zone()
    {
        return GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_ZONE));
    }
    void cliquer(const char *titre)
    {
        gtk_button_clicked(GTK_BUTTON(outils::trouver(fenetre, GTK_TYPE_BUTTON, titre)));
    }
    std::string drapeaux()
    {
        return std::to_string(zoom1.test) + std::to_string(zoom2.test) + std::to_string(zoom3.test);
    }
    /* The window shows just these views, drawn on one area. */
    bool montre(std::initializer_list<const char *> vues)
    {
        return outils::comme_la_reference(fenetre, vues);
    }
};

TEST_F(Ramelle, TracerPuisZoom)
{
    EXPECT_TRUE(montre({"ramelle-vide"}));
    EXPECT_EQ(
        std::string(gtk_window_get_title(GTK_WINDOW(fenetre))).rfind("Diagramme de Bifurcation - "),
        0u);
    outils::dans_la_boucle([&] {
        cliquer("Tracer");
        EXPECT_TRUE(montre({"ramelle-entiere"}));
        /* "Zoom" clears first, then shows the first level. */
        cliquer("Zoom");
        EXPECT_TRUE(montre({"ramelle-zoom1"}));
        EXPECT_EQ(drapeaux(), "100");
    });
}

TEST_F(Ramelle, CycleDesZooms)
{
    outils::dans_la_boucle([&] {
        for (const char *vue : {"ramelle-zoom1", "ramelle-zoom2", "ramelle-zoom3",
                                "ramelle-entiere", "ramelle-zoom1"}) {
            GtkWidget *avant = zone();
            g_object_add_weak_pointer(G_OBJECT(avant), reinterpret_cast<gpointer *>(&avant));
            cliquer("Zoom");
            EXPECT_EQ(avant, nullptr) << vue;
            EXPECT_TRUE(montre({vue})) << vue;
        }
        EXPECT_EQ(drapeaux(), "100");
    });
}

TEST_F(Ramelle, TracerSAjouteSansEffacerNiAvancerLeCycle)
{
    outils::dans_la_boucle([&] {
        cliquer("Zoom");
        cliquer("Tracer");
        EXPECT_TRUE(montre({"ramelle-zoom1", "ramelle-entiere"}));
        EXPECT_EQ(drapeaux(), "100");
        cliquer("Zoom");
        EXPECT_TRUE(montre({"ramelle-zoom2"}));
    });
}

TEST_F(Ramelle, ClicsEnAttenteImbriquesDansLeZoom)
{
    outils::dans_la_boucle([&] {
        /* A second "Zoom" run from the events "Zoom" lets run: each press
           advances the cycle once, the outer level drawn over the inner. */
        outils::bientot([&] { cliquer("Zoom"); });
        cliquer("Zoom");
        EXPECT_EQ(drapeaux(), "110");
        EXPECT_TRUE(montre({"ramelle-zoom1", "ramelle-zoom2"}));
        /* "Tracer" there: the full view on the fresh area, the level over it. */
        outils::bientot([&] { cliquer("Tracer"); });
        cliquer("Zoom");
        EXPECT_EQ(drapeaux(), "111");
        EXPECT_TRUE(montre({"ramelle-entiere", "ramelle-zoom3"}));
    });
}

TEST_F(Ramelle, FenetreAgrandieMontreLesPointsAuDela)
{
    gtk_window_resize(GTK_WINDOW(fenetre), 1500, 1250);
    outils::vider_evenements();
    outils::dans_la_boucle([&] {
        cliquer("Zoom");
        /* The first level has points below row 600, which the 600-row area
           never showed, and the same ones above it. */
        std::string o = outils::pixels(zone());
        ASSERT_GT(zone()->allocation.height, 620);
        size_t ligne = 3 * zone()->allocation.width, debut = o.find(':') + 1;
        EXPECT_NE(o.substr(debut + 600 * ligne, 20 * ligne).find_first_not_of(o[debut]),
                  std::string::npos);
    });
}

TEST_F(Ramelle, QuitterPendantLeZoomNeDessinePlus)
{
    gpointer encore = fenetre;
    g_object_add_weak_pointer(G_OBJECT(fenetre), &encore);
    outils::dans_la_boucle([&] {
        outils::bientot([&] { outils::fermer_par_le_cadre(fenetre); });
        cliquer("Zoom");
    });
    /* The window is gone, and the press neither drew nor advanced. */
    EXPECT_EQ(encore, nullptr);
    EXPECT_EQ(drapeaux(), "000");
}

} // namespace

int main(int argc, char **argv)
{
    outils::preparer(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
