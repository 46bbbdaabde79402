/*
 * tourbel's windows in a real X server, the help dialog and plots compared
 * with stored pictures (the real program's start, its four views and its
 * keyboard: tests/programmes.sh), and what a screen reader finds on them.
 * Plots are followed through the segments they draw, and whatever a user
 * does in the middle of a plot is done after a given segment, or from the
 * first events the plot handles, so that nothing depends on time.
 */
#include "outils_gtk.h"
#include "tourbel.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

const char *const vues[] = {"selon x et y", "selon x et z", "selon y et z", "Vue 3D"};
GtkWidget *fenetre;

const auto cle = [](const char *nom) {
    return GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), nom));
};
const auto zone = [] { return cle(CLE_ZONE); };
const auto cliquer = [](const char *titre) { outils::cliquer(fenetre, titre); };
const auto ecrire = [](const char *nom, const char *texte) {
    gtk_entry_set_text(GTK_ENTRY(cle(nom)), texte);
};
/* Chooses a view; how many segments were drawn meanwhile. */
const auto choisir = [](const char *vue) {
    long avant = outils::lignes_tracees;
    cliquer(vue);
    return outils::lignes_tracees - avant;
};
/* What a screen reader hears when a plot of nb points from the default
   point starts in view vue, and what the area then says of it. */
const auto trace = [](const char *vue, const char *nb = "4000", const char *h = "0.0001") {
    return "Tracé « " + std::string(vue) + " » : Xo = 11, Yo = 0, Zo = 20, r = 28, h = " + h +
           ", " + nb + " points.";
};

class Tourbel : public testing::Test
{
  protected:
    /* Both windows, side by side so that no window hides the drawing; the
       main window's pointer turns null when its close from the frame ends it. */
    GtkWidget *dessin;
    void SetUp() override
    {
        fenetre = construire_fenetres();
        g_object_add_weak_pointer(G_OBJECT(fenetre), reinterpret_cast<gpointer *>(&fenetre));
        dessin = cle(CLE_SCROLL);
        gtk_window_move(GTK_WINDOW(dessin), 1400, 0);
        outils::entendu();
    }
    void TearDown() override
    {
        if (fenetre)
            gtk_widget_destroy(fenetre);
        gtk_widget_destroy(dessin);
    }
};

TEST_F(Tourbel, DialogueDAide)
{
    /* The SHA-256 of the tutorial's 36 lines, taken from its text as written. */
    gchar *sha = g_compute_checksum_for_string(G_CHECKSUM_SHA256, txt_help, -1);
    EXPECT_STREQ(sha, "fc037ccfcb987ba1019b7d39d3307cc75d2b9b131130aedc1ed4e7d000932859");
    g_free(sha);
    cliquer("Aide");
    /* Modal: it holds the toolkit's grab. "ok" destroys it (and Escape, as
       the frame's close: tests/programmes.sh). */
    GtkWidget *dialogue = gtk_grab_get_current();
    ASSERT_TRUE(GTK_IS_DIALOG(dialogue));
    EXPECT_TRUE(outils::comme_la_reference(dialogue, "tourbel-aide"));
    /* It opens on the pane that holds the tutorial, for a screen reader. */
    EXPECT_EQ(outils::dit(gtk_window_get_focus(GTK_WINDOW(dialogue))),
              "scroll pane Tutoriel : " + std::string(txt_help));
    g_object_add_weak_pointer(G_OBJECT(dialogue), reinterpret_cast<gpointer *>(&dialogue));
    outils::cliquer(dialogue, "ok");
    EXPECT_EQ(dialogue, nullptr);
}

TEST_F(Tourbel, UnTraceImbriqueVaASaFinPuisLeTraceReprend)
{
    /* On a fresh area; "Aide" opened during a plot leaves it running. */
    cliquer("Effacer");
    ecrire(CLE_H, "0.001");
    ecrire(CLE_NB, "6000");
    outils::apres_lignes(1000, [&] {
        ecrire(CLE_NB, "500");
        cliquer(vues[1]); /* its plot runs to its end in there */
        outils::apres_lignes(100, [&] { cliquer("Aide"); });
    });
    cliquer(vues[0]);
    EXPECT_EQ(outils::entendu(),
              trace(vues[0], "6000", "0.001") + "\n[1000 segments]\n" +
                  trace(vues[1], "500", "0.001") +
                  "\n[500 segments]\nTracé terminé : 500 segments tracés.\n[5000 "
                  "segments]\nTracé terminé : 6000 segments tracés.\n");
    gtk_widget_destroy(gtk_grab_get_current());
    /* The view chosen last, chosen again, starts nothing; the picture of
       the two curves drawn one after the other, in the desktop's theme
       (run in a dark one too). */
    EXPECT_EQ(choisir(vues[1]), 0);
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vue1+vue2"));
}

TEST_F(Tourbel, EffacerOuCacherLaFenetreArreteLeTrace)
{
    /* The drawing window's close from its frame, which hides it even if it
       is shown again soon, then "Effacer" (the old area ends with the plot,
       or the sanitizer build finds it leaked): after the 100th segment, or
       while the plot still waits for its window to come on screen. The plot
       ends there, heard to stop all the same, and nothing more is drawn. */
    ecrire(CLE_NB, "20000");
    const auto cacher = [&] {
        outils::fermer_par_le_cadre(dessin);
        outils::bientot([&] { gtk_widget_show(dessin); });
    };
    const std::function<void()> arrets[] = {cacher, [] { cliquer("Effacer"); }};
    int vue = 0;
    for (auto &arreter : arrets)
        for (int n : {100, 0}) {
            n ? outils::apres_lignes(n, arreter) : outils::bientot(arreter);
            EXPECT_EQ(choisir(vues[vue]), n);
            EXPECT_EQ(outils::entendu(),
                      trace(vues[vue++], "20000") + (n ? "\n[100 segments]" : "") +
                          "\nTracé arrêté après " + std::to_string(n) + " segments.\n");
        }
    EXPECT_TRUE(outils::comme_la_reference(zone(), "tourbel-vide"));
    /* Choosing a view shows it again, and plots on it whole, even of no
       point or of one, each heard to start and end. */
    for (auto [nb, fin] : {std::pair{"0", " 0 points.\nTracé terminé : 0 segments tracés.\n"},
                           {"1", " 1 point.\n[1 segments]\nTracé terminé : 1 segment tracé.\n"},
                           {"2000", " 2000 points.\n[2000 segments]\nTracé terminé : 2000 "
                                    "segments tracés.\n"}}) {
        ecrire(CLE_NB, nb);
        cliquer("Effacer");
        gtk_widget_hide(dessin);
        cliquer(vues[3]);
        EXPECT_TRUE(GTK_WIDGET_VISIBLE(dessin));
        EXPECT_EQ(outils::entendu(),
                  "Tracé « Vue 3D » : Xo = 11, Yo = 0, Zo = 20, r = 28, h = 0.0001," +
                      std::string(fin));
    }
}

TEST_F(Tourbel, CeQueDitUnLecteurDEcran)
{
    /* A field is named and labelled by its label. */
    const char *champs[][2] = {{CLE_XO, "Xo ="}, {CLE_YO, "Yo ="}, {CLE_ZO, "Zo ="},
                               {CLE_R, "r = "},  {CLE_H, "h = "},  {CLE_NB, "Nbr. pt. = "}};
    for (auto [k, nom] : champs)
        EXPECT_EQ(outils::dit(cle(k)), "text " + (nom + (" (" + std::string(nom)) + ") : "));

    /* The area tells of a plot (told unasked before its first segment and
       after its last: UnTraceImbriqueVaASaFinPuisLeTraceReprend; heard by
       Orca from a view chosen by keyboard: tests/orca.sh). */
    ecrire(CLE_NB, "4000");
    cliquer(vues[2]);
    EXPECT_EQ(outils::dit(zone()), "image Attracteur de Tourbel : " + trace(vues[2]));
    /* Of five, how many and the last three different ones, once each; a
       button has the focus meanwhile. */
    gtk_widget_grab_focus(outils::bouton(fenetre, "Effacer"));
    for (int vue : {0, 1, 3, 1})
        cliquer(vues[vue]);
    EXPECT_EQ(outils::dit(zone()), "image Attracteur de Tourbel : 5 tracés superposés. " +
                                       trace(vues[0]) + " " + trace(vues[3]) + " " +
                                       trace(vues[1]));
    /* A view is labelled by the group's label; no control keeps what was
       announced as its description, which a screen reader would read again
       each time it gets the focus. */
    for (const char *vue : vues)
        EXPECT_EQ(outils::dit(outils::bouton(fenetre, vue)),
                  "radio button " + std::string(vue) + " (Choix de l'espace de phase :) : ");
    std::string effacer = outils::dit(outils::bouton(fenetre, "Effacer"));
    EXPECT_EQ(effacer.substr(effacer.find(" Effacer")), " Effacer : "); /* "(push) button" */
    /* A fresh area after "Effacer". */
    cliquer("Effacer");
    EXPECT_EQ(outils::dit(zone()), "image Attracteur de Tourbel : ");
}

TEST_F(Tourbel, RienNEstDitApresQuOnAQuitte)
{
    /* The main window's close from its frame after the 100th segment of a
       plot nested in another, which ends both: nothing is drawn nor said
       after, and the main window is gone. ("Fermer" there, as a user
       clicks it: tests/programmes.sh.) */
    outils::apres_lignes(100, [] {
        outils::apres_lignes(100, [] { outils::fermer_par_le_cadre(fenetre); });
        cliquer(vues[1]);
    });
    outils::dans_la_boucle([] { cliquer(vues[0]); });
    EXPECT_EQ(outils::entendu(), trace(vues[0], "500000") + "\n[100 segments]\n" +
                                     trace(vues[1], "500000") + "\n[100 segments]\n");
    EXPECT_EQ(fenetre, nullptr);
}

} // namespace
