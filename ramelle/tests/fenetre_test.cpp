/*
 * ramelle's window in a real X server: what each drawing puts on screen is
 * read back and compared, pixel for pixel, with the two axes and one point
 * per value of the plain scalar sweep drawn by the test on a pixmap; the
 * cycle of "Zoom" and its clearing; clicks run nested inside the events
 * that "Zoom" lets run; an enlarged window; a quit during "Zoom".
 */
#include "outils_gtk.h"
#include "ramelle.h"
#include "suite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using outils::image;

struct vue {
    int zoom, abs, ord;
};
const vue entiere = {450, 20, 580}, niveau1 = {700, -150, 620}, niveau2 = {1000, -550, 700},
          niveau3 = {2000, -1400, 1100};

/* The values of one drawing by the plain scalar sweep, computed once. */
const std::vector<float> &valeurs_simples()
{
    static std::vector<float> temp = [] {
        std::vector<float> t(NB_VALEURS);
        diagramme_simple(t.data());
        return t;
    }();
    return temp;
}

/* Every point of the views, one per value, as a plain drawing sends them. */
std::vector<GdkPoint> tous_les_points(vue v)
{
    float i[NB_PARAMETRES];
    valeurs_parametres(i);
    const std::vector<float> &temp = valeurs_simples();
    std::vector<GdkPoint> points;
    for (int p = 0; p < NB_PARAMETRES; p++)
        for (int d = 0; d < NB_DEPARTS; d++)
            points.push_back({static_cast<gint>(v.zoom * static_cast<double>(i[p]) + v.abs),
                              static_cast<gint>(
                                  v.ord - v.zoom * static_cast<double>(temp[p * NB_DEPARTS + d]))});
    return points;
}

/* The expected picture: the views drawn in turn, over a blank area. */
image attendu(const image &fond, std::initializer_list<vue> vues)
{
    GdkPixmap *toile =
        outils::toile(gdk_get_default_root_window(), fond.largeur, fond.hauteur, fond.px[0]);
    GdkGC *gc = gdk_gc_new(toile);
    for (vue v : vues) {
        gdk_draw_line(toile, gc, v.abs, v.ord, v.abs + 750, v.ord);
        gdk_draw_line(toile, gc, v.abs, v.ord, v.abs, v.ord - 550);
        std::vector<GdkPoint> points = tous_les_points(v);
        gdk_draw_points(toile, gc, points.data(), static_cast<gint>(points.size()));
    }
    gdk_flush();
    image im = outils::lire(toile, fond.largeur, fond.hauteur);
    g_object_unref(gc);
    g_object_unref(toile);
    return im;
}

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
    image blanc()
    {
        image im = outils::lire_zone(zone());
        im.px.assign(im.px.size(), im.at(0, 0));
        return im;
    }
    std::string drapeaux()
    {
        return std::to_string(zoom1.test) + std::to_string(zoom2.test) + std::to_string(zoom3.test);
    }
    /* Presses "Zoom" and checks that a fresh area shows just the view v. */
    void zoom_montre(vue v, const image &fond, const char *quoi)
    {
        GtkWidget *avant = GTK_WIDGET(g_object_ref(zone()));
        cliquer("Zoom");
        EXPECT_NE(zone(), avant) << quoi;
        g_object_unref(avant);
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), attendu(fond, {v})), 0) << quoi;
    }
};

TEST_F(Ramelle, FenetreBoutonsEtZoneVide)
{
    EXPECT_EQ(std::string(gtk_window_get_title(GTK_WINDOW(fenetre)))
                  .rfind("Diagramme de Bifurcation - ", 0),
              0u);
    GtkWidget *boitev = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_BOITEV));
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(fenetre)), boitev);
    GList *enfants = gtk_container_get_children(GTK_CONTAINER(boitev));
    ASSERT_EQ(g_list_length(enfants), 2u);
    EXPECT_EQ(g_list_last(enfants)->data, zone());
    GList *boutons = gtk_container_get_children(GTK_CONTAINER(enfants->data));
    std::vector<std::string> titres;
    for (GList *l = boutons; l; l = l->next) {
        titres.push_back(outils::texte_bouton(GTK_WIDGET(l->data)));
        EXPECT_TRUE(outils::glyphes_complets(gtk_bin_get_child(GTK_BIN(l->data))));
    }
    EXPECT_EQ(titres, (std::vector<std::string>{"Tracer", "Zoom", "Fermer"}));
    g_list_free(boutons);
    g_list_free(enfants);
    EXPECT_EQ(zone()->allocation.width, 800);
    EXPECT_EQ(zone()->allocation.height, 600);
    EXPECT_EQ(outils::differences(outils::lire_zone(zone()), blanc()), 0);
    EXPECT_EQ(drapeaux(), "000");
}

TEST_F(Ramelle, TracerDessineLaVueEntiereSansEffacer)
{
    outils::dans_la_boucle([&] {
        image fond = blanc();
        cliquer("Tracer");
        image une_fois = outils::lire_zone(zone());
        EXPECT_EQ(outils::differences(une_fois, attendu(fond, {entiere})), 0);
        /* The axes along row 580 and column 20, nothing above row 130. */
        EXPECT_NE(une_fois.at(770, 580), fond.px[0]);
        EXPECT_NE(une_fois.at(20, 30), fond.px[0]);
        for (int x = 21; x < 800; x++)
            for (int y = 31; y < 130; y++)
                ASSERT_EQ(une_fois.at(x, y), fond.px[0]) << x << ',' << y;
        cliquer("Tracer");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), une_fois), 0);
        EXPECT_EQ(drapeaux(), "000");
    });
}

TEST_F(Ramelle, CycleDesZoomsPuisRetourAuDebut)
{
    outils::dans_la_boucle([&] {
        image fond = blanc();
        zoom_montre(niveau1, fond, "1er zoom");
        EXPECT_EQ(drapeaux(), "100");
        zoom_montre(niveau2, fond, "2e zoom");
        EXPECT_EQ(drapeaux(), "110");
        zoom_montre(niveau3, fond, "3e zoom");
        EXPECT_EQ(drapeaux(), "111");
        zoom_montre(entiere, fond, "4e zoom");
        EXPECT_EQ(drapeaux(), "000");
        zoom_montre(niveau1, fond, "5e zoom");
    });
}

TEST_F(Ramelle, ZoomTracerZoom)
{
    outils::dans_la_boucle([&] {
        image fond = blanc();
        cliquer("Zoom");
        cliquer("Tracer");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), attendu(fond, {niveau1, entiere})),
                  0);
        EXPECT_EQ(drapeaux(), "100");
        zoom_montre(niveau2, fond, "après Tracer");
    });
}

/* Runs action from the events that the next "Zoom" lets run, before the
   toolkit has laid out the fresh area, as a click queued during a drawing
   would be. */
void pendant_le_prochain_zoom(const std::function<void()> &action)
{
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](gpointer d) -> gboolean {
            auto *a = static_cast<std::function<void()> *>(d);
            (*a)();
            delete a;
            return FALSE;
        },
        new std::function<void()>(action), nullptr);
}

TEST_F(Ramelle, ClicsEnAttenteImbriquesDansLeZoom)
{
    outils::dans_la_boucle([&] {
        image fond = blanc();
        /* A second "Zoom" nested: each press still advances the cycle once,
           the outer level drawn over the inner one on the newest area. */
        pendant_le_prochain_zoom([&] { cliquer("Zoom"); });
        cliquer("Zoom");
        EXPECT_EQ(drapeaux(), "110");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), attendu(fond, {niveau1, niveau2})),
                  0);

        /* "Tracer" nested: the full view on the fresh area, the level over it. */
        pendant_le_prochain_zoom([&] { cliquer("Tracer"); });
        cliquer("Zoom");
        EXPECT_EQ(drapeaux(), "111");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), attendu(fond, {entiere, niveau3})),
                  0);
    });
}

TEST_F(Ramelle, FenetreAgrandieMontreLesPointsAuDela)
{
    gtk_window_resize(GTK_WINDOW(fenetre), 1500, 1250);
    outils::vider_evenements();
    outils::dans_la_boucle([&] {
        ASSERT_GT(zone()->allocation.width, 800);
        ASSERT_GT(zone()->allocation.height, 600);
        image fond = blanc();
        zoom_montre(niveau1, fond, "1er zoom agrandi");
        zoom_montre(niveau2, fond, "2e zoom agrandi");
        zoom_montre(niveau3, fond, "3e zoom agrandi");
        /* The third level reaches rows the 600-row area never showed. */
        image vu = outils::lire_zone(zone());
        bool au_dela = false;
        for (int x = 0; x < vu.largeur && !au_dela; x++)
            for (int y = 600; y < vu.hauteur && !au_dela; y++)
                au_dela = vu.at(x, y) != fond.px[0];
        EXPECT_TRUE(au_dela);
    });
}

TEST_F(Ramelle, QuitterPendantLeZoomNeDessinePlus)
{
    bool quitte = false;
    gpointer encore = fenetre;
    g_object_add_weak_pointer(G_OBJECT(fenetre), &encore);
    outils::dans_la_boucle([&] {
        pendant_le_prochain_zoom([&] {
            outils::fermer_par_le_cadre(fenetre);
            quitte = true;
        });
        cliquer("Zoom");
    });
    EXPECT_TRUE(quitte);
    /* The window is gone, and the press drew nothing nor advanced. */
    EXPECT_EQ(encore, nullptr);
    if (encore)
        g_object_remove_weak_pointer(G_OBJECT(encore), &encore);
    EXPECT_EQ(drapeaux(), "000");
}

} // namespace

int main(int argc, char **argv)
{
    outils::preparer(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
