/*
 * tourbel's windows in a real X server. The main window, the help dialog
 * and the four views are compared with stored pictures. Plots are followed
 * through the segments they draw, and whatever a user does in the middle
 * of a plot is done after a given segment, or from the first events the
 * plot handles, so that nothing depends on time.
 */
#include "outils_gtk.h"
#include "tourbel.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

namespace
{

const char *const vues[] = {"selon x et y", "selon x et z", "selon y et z", "Vue 3D"};

/* Whether a handler hangs on w for a signal that tells of its end. */
bool surveille(GtkWidget *w)
{
    for (const char *signal : {"destroy", "hide", "unmap", "unrealize"})
        if (g_signal_has_handler_pending(w, g_signal_lookup(signal, GTK_TYPE_WIDGET), 0, FALSE))
            return true;
    return false;
}

class Tourbel : public testing::Test
{
  protected:
    GtkWidget *fenetre = construire_fenetres();

    void SetUp() override
    {
        /* Side by side, so that no window hides the drawing. */
        gtk_window_move(GTK_WINDOW(cle(CLE_SCROLL)), 1400, 0);
        outils::vider_evenements();
    }
    void TearDown() override
    {
        /* Every plot has ended, and none keeps a graphics context or a
           handler on the drawing window or its area. */
        EXPECT_EQ(outils::gc_vivants(), 0);
        EXPECT_FALSE(surveille(cle(CLE_SCROLL)) || surveille(zone()));
        outils::detruire_fenetres();
    }
    GtkWidget *cle(const char *nom)
    {
        return GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), nom));
    }
    GtkWidget *zone()
    {
        return cle(CLE_ZONE);
    }
    void cliquer(const char *titre)
    {
        outils::cliquer(fenetre, titre);
    }
    void ecrire(const char *nom, const char *texte)
    {
        gtk_entry_set_text(GTK_ENTRY(cle(nom)), texte);
    }
    /* Chooses a view; how many segments were drawn meanwhile. */
    long choisir(const char *vue)
    {
        long avant = outils::lignes_tracees();
        cliquer(vue);
        return outils::lignes_tracees() - avant;
    }
};

TEST_F(Tourbel, FenetresAuDemarrage)
{
    EXPECT_TRUE(outils::comme_la_reference(fenetre, "tourbel-fenetre"));
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vide"));
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(fenetre)),
                 "Attracteur de Tourbel - https://example.org/tourbel");
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(cle(CLE_SCROLL))), "Zone de dessin");
}

TEST_F(Tourbel, DialogueDAide)
{
    /* The SHA-256 of the tutorial's 36 lines, taken from its text as written. */
    gchar *sha = g_compute_checksum_for_string(G_CHECKSUM_SHA256, txt_help, -1);
    EXPECT_STREQ(sha, "fc037ccfcb987ba1019b7d39d3307cc75d2b9b131130aedc1ed4e7d000932859");
    g_free(sha);
    for (int fois = 0; fois < 2; fois++) {
        cliquer("Aide");
        GtkWidget *dialogue = nullptr;
        GList *fenetres = gtk_window_list_toplevels();
        for (GList *l = fenetres; l; l = l->next)
            dialogue = GTK_IS_DIALOG(l->data) ? GTK_WIDGET(l->data) : dialogue;
        g_list_free(fenetres);
        ASSERT_TRUE(dialogue && gtk_window_get_modal(GTK_WINDOW(dialogue)));
        EXPECT_TRUE(outils::comme_la_reference(dialogue, "tourbel-aide"));
        EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(dialogue)), "Aide");
        /* "ok", then the frame's close: either destroys it. */
        g_object_add_weak_pointer(G_OBJECT(dialogue), reinterpret_cast<gpointer *>(&dialogue));
        if (fois == 0)
            outils::cliquer(dialogue, "ok");
        else
            outils::fermer_par_le_cadre(dialogue);
        EXPECT_EQ(dialogue, nullptr);
    }
}

TEST_F(Tourbel, LesQuatreVues)
{
    const char *images[] = {"tourbel-vue1", "tourbel-vue2", "tourbel-vue3", "tourbel-vue4"};
    ecrire(CLE_H, "0.002");
    ecrire(CLE_NB, "4000");
    for (int n = 0; n < 4; n++) {
        cliquer("Effacer");
        EXPECT_EQ(choisir(vues[n]), 4000);
        EXPECT_TRUE(outils::comme_la_reference(zone(), images[n])) << vues[n];
    }
    /* The view already chosen plots nothing; after "Effacer" it plots again
       from the start, on a blank area. */
    EXPECT_EQ(choisir(vues[3]), 0);
    cliquer("Effacer");
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vide"));
    EXPECT_EQ(choisir(vues[3]), 4000);
    EXPECT_TRUE(outils::comme_la_reference(zone(), images[3]));
}

TEST_F(Tourbel, UnTraceImbriqueVaASaFinPuisLeTraceReprend)
{
    ecrire(CLE_H, "0.001");
    ecrire(CLE_NB, "6000");
    long debut = outils::lignes_tracees(), fin_interne = 0;
    outils::apres_lignes(1000, [&] {
        ecrire(CLE_NB, "500");
        cliquer(vues[1]); /* its plot runs to its end in there */
        fin_interne = outils::lignes_tracees();
    });
    EXPECT_EQ(choisir(vues[0]), 6500);
    EXPECT_EQ(fin_interne - debut, 1500);
    /* The picture of the two curves drawn one after the other. */
    std::string imbriques = outils::pixels(zone());
    cliquer("Effacer");
    ecrire(CLE_NB, "6000");
    cliquer(vues[0]);
    ecrire(CLE_NB, "500");
    cliquer(vues[1]);
    EXPECT_EQ(outils::pixels(zone()), imbriques);
}

TEST_F(Tourbel, EffacerOuCacherLaFenetreArreteLeTrace)
{
    GtkWidget *scroll = cle(CLE_SCROLL), *ancienne = zone();
    ecrire(CLE_NB, "20000");
    /* "Effacer" while drawing: the plot ends, the old area with it. */
    g_object_add_weak_pointer(G_OBJECT(ancienne), reinterpret_cast<gpointer *>(&ancienne));
    outils::apres_lignes(100, [&] { cliquer("Effacer"); });
    EXPECT_EQ(choisir(vues[3]), 100);
    EXPECT_EQ(ancienne, nullptr);
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vide"));
    /* And while the plot still waits for its window to come on screen. */
    outils::bientot([&] { cliquer("Effacer"); });
    EXPECT_EQ(choisir(vues[0]), 0);
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vide"));

    /* The drawing window closed from its frame: hidden, and the plot ends,
       while drawing or waiting, even if the window is shown again later. */
    outils::apres_lignes(100, [&] { outils::fermer_par_le_cadre(scroll); });
    EXPECT_EQ(choisir(vues[1]), 100);
    EXPECT_FALSE(GTK_WIDGET_VISIBLE(scroll));
    outils::bientot([&] {
        outils::fermer_par_le_cadre(scroll);
        outils::bientot([&] { gtk_widget_show(scroll); });
    });
    EXPECT_EQ(choisir(vues[2]), 0);
    /* Choosing a view shows it again, and plots on it whole. */
    ecrire(CLE_NB, "2000");
    gtk_widget_hide(scroll);
    EXPECT_EQ(choisir(vues[3]), 2000);
    EXPECT_TRUE(GTK_WIDGET_VISIBLE(scroll));
}

TEST_F(Tourbel, TextesDesChamps)
{
    for (const char *texte : {"0", "", "abc", "-5", "1e12", "nan", "-inf", "1e400", "2.9"}) {
        cliquer("Effacer");
        ecrire(CLE_NB, texte);
        EXPECT_EQ(choisir(vues[0]), std::strcmp(texte, "2.9") ? 0 : 2) << texte;
    }
    /* '.' is read always, ',' too where the locale's decimal point is one. */
    std::string avec[2];
    const char *pas[2] = {"0.002", "0,002"};
    ecrire(CLE_NB, "300");
    for (int k = 0; k < 2; k++) {
        cliquer("Effacer");
        ecrire(CLE_H, pas[k]);
        cliquer(vues[1]);
        avec[k] = outils::pixels(zone());
    }
    EXPECT_EQ(avec[0] == avec[1], std::strcmp(localeconv()->decimal_point, ",") == 0);
}

TEST_F(Tourbel, AidePuisQuitterPendantDesTracesImbriques)
{
    /* "Aide" leaves the plot running; a quit ends every plot at once. */
    ecrire(CLE_NB, "20000");
    outils::dans_la_boucle([&] {
        outils::apres_lignes(100, [&] {
            cliquer("Aide");
            outils::apres_lignes(100, [&] {
                outils::apres_lignes(50, [&] { cliquer("Fermer"); });
                cliquer(vues[2]);
            });
        });
        EXPECT_EQ(choisir(vues[3]), 250);
    });
}

} // namespace

int main(int argc, char **argv)
{
    return outils::lancer_les_tests(argc, argv);
}
