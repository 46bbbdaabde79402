/*
 * tourbel in the French locale (run with LC_ALL=fr_FR.UTF-8, which the
 * toolkit's initialisation puts in force): its texts, accents and the
 * help's "¤" included, reach the screen intact and with a glyph for every
 * character, and a field reads "0,002" exactly as "0.002", the comma being
 * this locale's decimal point.
 */
#include "outils_gtk.h"
#include "tourbel.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace
{

class TourbelEnFrancais : public testing::Test
{
  protected:
    GtkWidget *fenetre = nullptr;

    void SetUp() override
    {
        ASSERT_EQ(std::string(localeconv()->decimal_point), ",")
            << "the fr_FR.UTF-8 locale is missing (outils/installer generates it)";
        fenetre = construire_fenetres();
        /* Side by side, so that no window hides the drawing. */
        gtk_window_move(GTK_WINDOW(cle(CLE_SCROLL)), 1400, 0);
        outils::vider_evenements();
    }
    void TearDown() override
    {
        outils::detruire_fenetres();
    }
    GtkWidget *cle(const char *nom)
    {
        return GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), nom));
    }
    void cliquer(const char *titre)
    {
        gtk_button_clicked(GTK_BUTTON(outils::trouver(fenetre, GTK_TYPE_BUTTON, titre)));
    }
    /* What the drawing area shows after a plot of the default curve with
       the step written as h, on a fresh area. */
    outils::image trace_avec_le_pas(const char *h)
    {
        cliquer("Effacer");
        gtk_entry_set_text(GTK_ENTRY(cle(CLE_H)), h);
        cliquer("selon x et z");
        return outils::lire_zone(cle(CLE_ZONE));
    }
};

/* Every label below racine, in the order of the window. */
std::vector<GtkWidget *> etiquettes(GtkWidget *racine)
{
    std::vector<GtkWidget *> v;
    if (GTK_IS_LABEL(racine))
        v.push_back(racine);
    if (GTK_IS_CONTAINER(racine)) {
        GList *enfants = gtk_container_get_children(GTK_CONTAINER(racine));
        for (GList *l = enfants; l; l = l->next)
            for (GtkWidget *e : etiquettes(GTK_WIDGET(l->data)))
                v.push_back(e);
        g_list_free(enfants);
    }
    return v;
}

/* The label's text is shown with a glyph for each of its characters. */
void sans_glyphe_manquant(GtkWidget *label)
{
    const char *texte = gtk_label_get_text(GTK_LABEL(label));
    EXPECT_TRUE(g_utf8_validate(texte, -1, nullptr)) << texte;
    EXPECT_EQ(pango_layout_get_unknown_glyphs_count(gtk_label_get_layout(GTK_LABEL(label))), 0)
        << texte;
}

GtkWidget *dialogue_ouvert()
{
    GtkWidget *d = nullptr;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l; l = l->next)
        if (GTK_IS_DIALOG(l->data))
            d = GTK_WIDGET(l->data);
    g_list_free(fenetres);
    return d;
}

TEST_F(TourbelEnFrancais, TextesEtTitresIntacts)
{
    const std::vector<std::string> attendus = {"Initialisation des variables :",
                                               "Xo =",
                                               "Yo =",
                                               "Zo =",
                                               "r = ",
                                               "h = ",
                                               "Nbr. pt. = ",
                                               "Choix de l'espace de phase :",
                                               "selon x et y",
                                               "selon x et z",
                                               "selon y et z",
                                               "Vue 3D",
                                               "Aide",
                                               "Effacer",
                                               "Fermer"};
    std::vector<std::string> lus;
    for (GtkWidget *e : etiquettes(fenetre)) {
        lus.emplace_back(gtk_label_get_text(GTK_LABEL(e)));
        sans_glyphe_manquant(e);
    }
    EXPECT_EQ(lus, attendus);
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(fenetre)),
                 "Attracteur de Tourbel - https://example.org/tourbel");
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(cle(CLE_SCROLL))), "Zone de dessin");
}

TEST_F(TourbelEnFrancais, TexteDAideAvecSesAccents)
{
    outils::dans_la_boucle([&] {
        cliquer("Aide");
        outils::vider_evenements();
        GtkWidget *d = dialogue_ouvert();
        ASSERT_NE(d, nullptr);
        EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(d)), "Aide");
        GtkWidget *texte = outils::trouver(d, GTK_TYPE_LABEL);
        std::string t = gtk_label_get_text(GTK_LABEL(texte));
        EXPECT_EQ(t, txt_help);
        for (const char *c : {"é", "è", "à", "ê", "¤"})
            EXPECT_NE(t.find(c), std::string::npos) << c;
        EXPECT_NE(t.find("La fenêtre est composée de plusieurs champs à remplir"),
                  std::string::npos);
        EXPECT_NE(t.find(" ¤ La constante r"), std::string::npos);
        EXPECT_NE(t.find("Le quatrième bouton radio"), std::string::npos);
        sans_glyphe_manquant(texte);
        sans_glyphe_manquant(outils::trouver(d, GTK_TYPE_LABEL, "ok"));
        outils::fermer_par_le_cadre(d);
    });
}

TEST_F(TourbelEnFrancais, LaVirguleEtLePointDecimauxSeLisentPareil)
{
    gtk_entry_set_text(GTK_ENTRY(cle(CLE_NB)), "2000");
    outils::dans_la_boucle([&] {
        outils::image virgule = trace_avec_le_pas("0,002");
        outils::image point = trace_avec_le_pas("0.002");
        outils::image nul = trace_avec_le_pas("0");
        EXPECT_EQ(outils::differences(virgule, point), 0);
        /* Not both read as 0 (the C locale's reading of "0,002"). */
        EXPECT_GT(outils::differences(virgule, nul), 1000);
        /* The default step, in both writings. */
        gtk_entry_set_text(GTK_ENTRY(cle(CLE_NB)), "3000");
        EXPECT_EQ(outils::differences(trace_avec_le_pas("0,0001"), trace_avec_le_pas("0.0001")), 0);
    });
}

} // namespace

int main(int argc, char **argv)
{
    outils::preparer(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
