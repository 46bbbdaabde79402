/*
 * tourbel's windows in a real X server: the widget tree and its keys, what
 * the plot puts on screen (read back as pixels and compared with the same
 * segments drawn by the test on a pixmap), the nesting of plots, "Effacer",
 * the texts of "Nb", the help dialog, hiding the drawing window, quitting.
 */
#include "calcul.h"
#include "outils_gtk.h"
#include "tourbel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <string>
#include <vector>

namespace
{

using outils::image;

struct etat {
    double x, y, z;
};

class Tourbel : public testing::Test
{
  protected:
    GtkWidget *fenetre = nullptr;

    void SetUp() override
    {
        fenetre = construire_fenetres();
        /* Side by side, so that no window hides the drawing. */
        gtk_window_move(GTK_WINDOW(scroll()), 1400, 0);
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
    GtkWidget *zone()
    {
        return cle(CLE_ZONE);
    }
    GtkWidget *scroll()
    {
        return cle(CLE_SCROLL);
    }
    GtkWidget *bouton(const char *titre)
    {
        return outils::trouver(fenetre, GTK_TYPE_BUTTON, titre);
    }
    void cliquer(const char *titre)
    {
        gtk_button_clicked(GTK_BUTTON(bouton(titre)));
    }
    void ecrire(const char *nom, const char *texte)
    {
        gtk_entry_set_text(GTK_ENTRY(cle(nom)), texte);
    }
    image blanc()
    {
        image im = outils::lire_zone(zone());
        im.px.assign(im.px.size(), im.at(0, 0));
        return im;
    }
};

/* The expected picture: the test's own segments, drawn by the same X
   server on a pixmap the size of the area, over its blank background. */
struct attendu {
    GdkPixmap *toile;
    GdkGC *gc;
    int largeur, hauteur;

    explicit attendu(const image &fond)
        : toile(
              outils::toile(gdk_get_default_root_window(), fond.largeur, fond.hauteur, fond.px[0])),
          gc(gdk_gc_new(toile)), largeur(fond.largeur), hauteur(fond.hauteur)
    {
    }
    ~attendu()
    {
        g_object_unref(gc);
        g_object_unref(toile);
    }
    void segment(int x1, int y1, int x2, int y2)
    {
        gdk_draw_line(toile, gc, x1, y1, x2, y2);
    }
    /* nb segments of the trajectory from e in view choix. */
    etat trajectoire(int choix, etat e, float r, double h, int nb)
    {
        for (int i = 0; i < nb; i++) {
            etat s;
            pas_suivant(e.x, e.y, e.z, SIGMA, r, B, h, &s.x, &s.y, &s.z);
            double x1, y1, x2, y2;
            int seg[4];
            ecran(choix, e.x, e.y, e.z, &x1, &y1);
            ecran(choix, s.x, s.y, s.z, &x2, &y2);
            if (couper_segment(x1, y1, x2, y2, seg))
                segment(seg[0], seg[1], seg[2], seg[3]);
            e = s;
        }
        return e;
    }
    image lire()
    {
        gdk_flush();
        return outils::lire(toile, largeur, hauteur);
    }
};

/* Every pixel that b has apart from its background is in a too. */
bool contient(const image &a, const image &b, guint32 fond)
{
    for (size_t k = 0; k < b.px.size(); k++)
        if (b.px[k] != fond && a.px[k] != b.px[k])
            return false;
    return true;
}

/* The texts of the labels below racine, in the order of the window; each
   must show with a glyph for every character, in any locale. */
std::vector<std::string> textes(GtkWidget *racine)
{
    std::vector<std::string> t;
    if (GTK_IS_LABEL(racine)) {
        t.emplace_back(gtk_label_get_text(GTK_LABEL(racine)));
        EXPECT_TRUE(outils::glyphes_complets(racine)) << t.back();
    }
    if (GTK_IS_CONTAINER(racine)) {
        GList *enfants = gtk_container_get_children(GTK_CONTAINER(racine));
        for (GList *l = enfants; l; l = l->next)
            for (auto &s : textes(GTK_WIDGET(l->data)))
                t.push_back(s);
        g_list_free(enfants);
    }
    return t;
}

TEST_F(Tourbel, ArbreDesWidgetsTextesEtCles)
{
    EXPECT_EQ(
        std::string(gtk_window_get_title(GTK_WINDOW(fenetre))).rfind("Attracteur de Tourbel - ", 0),
        0u);
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(scroll())), "Zone de dessin");
    gint l, h;
    gtk_widget_get_size_request(scroll(), &l, &h);
    EXPECT_EQ(l, 1024);
    EXPECT_EQ(h, 900);
    EXPECT_TRUE(GTK_IS_DRAWING_AREA(zone()));
    EXPECT_EQ(gtk_widget_get_parent(zone()), scroll());
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(fenetre)), cle(CLE_BOITEV));
    EXPECT_TRUE(GTK_WIDGET_VISIBLE(fenetre) && GTK_WIDGET_VISIBLE(scroll()));

    const std::vector<std::string> lignes = {"Initialisation des variables :",
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
    EXPECT_EQ(textes(fenetre), lignes);

    const char *cles[] = {CLE_XO, CLE_YO, CLE_ZO, CLE_R, CLE_H, CLE_NB};
    const char *defauts[] = {"11", "0", "20", "28", "0.0001", "500000"};
    for (int k = 0; k < 6; k++)
        EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(cle(cles[k]))), defauts[k]) << cles[k];

    /* The views carry their number; none of them is selected at start. */
    const char *vues[] = {"selon x et y", "selon x et z", "selon y et z", "Vue 3D"};
    for (int n = 1; n <= 4; n++) {
        GtkWidget *b = bouton(vues[n - 1]);
        EXPECT_EQ(GPOINTER_TO_INT(gtk_object_get_data(GTK_OBJECT(b), CLE_CHOIX)), n);
        EXPECT_FALSE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(b)));
    }
    /* Six members: the hidden leader (active), four views, "fictif". */
    GtkWidget *fictif = cle(CLE_RADIO);
    EXPECT_EQ(outils::texte_bouton(fictif), "fictif");
    EXPECT_EQ(gtk_widget_get_parent(fictif), nullptr);
    GSList *groupe = gtk_radio_button_get_group(GTK_RADIO_BUTTON(fictif));
    EXPECT_EQ(g_slist_length(groupe), 6u);
    int actifs = 0;
    for (GSList *g = groupe; g; g = g->next)
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(g->data))) {
            actifs++;
            EXPECT_EQ(gtk_widget_get_parent(GTK_WIDGET(g->data)), nullptr);
            EXPECT_NE(g->data, fictif);
        }
    EXPECT_EQ(actifs, 1);

    EXPECT_TRUE(GTK_WIDGET_HAS_DEFAULT(bouton("Aide")));
    EXPECT_TRUE(GTK_WIDGET_CAN_DEFAULT(bouton("Effacer")));
    EXPECT_TRUE(GTK_WIDGET_CAN_DEFAULT(bouton("Fermer")));
}

TEST_F(Tourbel, PremierSegmentDeChaqueVueParDefaut)
{
    const char *vues[] = {"selon x et y", "selon x et z", "selon y et z", "Vue 3D"};
    const int premier[4][4] = {
        {610, 350, 609, 350}, {610, 250, 609, 249}, {500, 250, 500, 249}, {660, 350, 659, 350}};
    ecrire(CLE_NB, "1");
    outils::dans_la_boucle([&] {
        for (int n = 0; n < 4; n++) {
            cliquer("Effacer");
            image fond = blanc();
            cliquer(vues[n]);
            attendu ref(fond);
            ref.segment(premier[n][0], premier[n][1], premier[n][2], premier[n][3]);
            image vu = outils::lire_zone(zone());
            EXPECT_EQ(outils::differences(vu, ref.lire()), 0) << vues[n];
            EXPECT_GT(outils::differences(vu, fond), 0) << vues[n];
        }
    });
}

TEST_F(Tourbel, TraceDeMilliersDePointsDansLesQuatreVues)
{
    const char *vues[] = {"selon x et y", "selon x et z", "selon y et z", "Vue 3D"};
    ecrire(CLE_H, "0.002");
    ecrire(CLE_NB, "4000");
    outils::dans_la_boucle([&] {
        image fond = blanc();
        attendu ref(fond);
        for (int n = 0; n < 4; n++) {
            cliquer(vues[n]);
            ref.trajectoire(n + 1, {11, 0, 20}, 28, 0.002, 4000);
            EXPECT_EQ(outils::differences(outils::lire_zone(zone()), ref.lire()), 0) << vues[n];
        }
    });
}

TEST_F(Tourbel, LaVueDejaChoisieNeTraceRien)
{
    ecrire(CLE_NB, "300");
    outils::dans_la_boucle([&] {
        cliquer("selon x et y");
        image avant = outils::lire_zone(zone());
        ecrire(CLE_XO, "-5");
        cliquer("selon x et y");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), avant), 0);
        cliquer("selon x et z");
        EXPECT_GT(outils::differences(outils::lire_zone(zone()), avant), 0);
    });
}

TEST_F(Tourbel, UneVueChoisiePendantUnTraceSImbriqueEtLeTraceReprend)
{
    ecrire(CLE_H, "0.001");
    ecrire(CLE_NB, "6000");
    image fond, pendant, fin;
    bool interne_fini = false;
    GtkWidget *vue2 = bouton("selon x et z");
    /* Runs after the nested plot's own handler, that is when it has ended. */
    g_signal_connect_after(vue2, "toggled", G_CALLBACK(+[](GtkWidget *, gpointer d) {
                               *static_cast<bool *>(d) = true;
                           }),
                           &interne_fini);
    outils::dans_la_boucle([&] {
        fond = blanc();
        outils::plus_tard(30, [&] {
            ecrire(CLE_NB, "500");
            gtk_button_clicked(GTK_BUTTON(vue2));
            pendant = outils::lire_zone(zone());
        });
        cliquer("selon x et y");
        fin = outils::lire_zone(zone());
    });
    ASSERT_TRUE(interne_fini);
    attendu seule2(fond), seule1(fond), toutes(fond);
    seule2.trajectoire(2, {11, 0, 20}, 28, 0.001, 500);
    seule1.trajectoire(1, {11, 0, 20}, 28, 0.001, 6000);
    toutes.trajectoire(1, {11, 0, 20}, 28, 0.001, 6000);
    toutes.trajectoire(2, {11, 0, 20}, 28, 0.001, 500);
    /* The nested plot was whole when it returned, the outer one was not. */
    EXPECT_TRUE(contient(pendant, seule2.lire(), fond.px[0]));
    EXPECT_FALSE(contient(pendant, seule1.lire(), fond.px[0]));
    /* Then the outer one went on to its end, in its own view. */
    EXPECT_EQ(outils::differences(fin, toutes.lire()), 0);
}

TEST_F(Tourbel, EffacerAvantPendantEtApresUnTrace)
{
    ecrire(CLE_NB, "200");
    outils::dans_la_boucle([&] {
        /* Before any plot: a new blank area, "fictif" takes the selection. */
        image fond = blanc();
        GtkWidget *ancienne = GTK_WIDGET(g_object_ref(zone()));
        cliquer("Effacer");
        EXPECT_NE(zone(), ancienne);
        EXPECT_EQ(gtk_widget_get_parent(zone()), scroll());
        EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(cle(CLE_RADIO))));
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), fond), 0);
        g_object_unref(ancienne);

        /* After a plot: blank again, and the same view plots again. */
        cliquer("selon x et y");
        image trace = outils::lire_zone(zone());
        EXPECT_GT(outils::differences(trace, fond), 0);
        cliquer("Effacer");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), fond), 0);
        cliquer("Effacer");
        EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(cle(CLE_RADIO))));
        cliquer("selon x et y");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), trace), 0);
        gint l, h;
        gtk_widget_get_size_request(scroll(), &l, &h);
        EXPECT_EQ(l * 10000 + h, 1024 * 10000 + 900);

        /* During a plot: the plot stops, nothing lands on the new area. */
        cliquer("Effacer");
        ecrire(CLE_NB, "100000000");
        outils::plus_tard(50, [&] { cliquer("Effacer"); });
        cliquer("Vue 3D");
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), fond), 0);
        EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(cle(CLE_NB))), "100000000");
    });
}

TEST_F(Tourbel, TextesDuNombreDePoints)
{
    outils::dans_la_boucle([&] {
        image fond = blanc();
        for (const char *texte : {"0", "", "abc", "-5", "1e12", "nan", "-inf", "1e400"}) {
            cliquer("Effacer");
            ecrire(CLE_NB, texte);
            cliquer("selon x et y");
            EXPECT_EQ(outils::differences(outils::lire_zone(zone()), fond), 0)
                << '"' << texte << '"';
        }
        /* 2.9 draws two segments, not three. */
        cliquer("Effacer");
        ecrire(CLE_H, "0.05");
        ecrire(CLE_NB, "2.9");
        cliquer("selon x et y");
        attendu deux(fond);
        deux.trajectoire(1, {11, 0, 20}, 28, 0.05, 2);
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), deux.lire()), 0);
    });
}

TEST_F(Tourbel, VirguleDecimaleSelonLaLangue)
{
    /* The toolkit's number reading takes '.' always, and ',' too where the
       locale's decimal point is a comma (run in fr_FR.UTF-8 as well). */
    bool virgule = std::strcmp(localeconv()->decimal_point, ",") == 0;
    ecrire(CLE_NB, "300");
    outils::dans_la_boucle([&] {
        image avec[2];
        const char *pas[2] = {"0.002", "0,002"};
        for (int k = 0; k < 2; k++) {
            cliquer("Effacer");
            ecrire(CLE_H, pas[k]);
            cliquer("selon x et z");
            avec[k] = outils::lire_zone(zone());
        }
        EXPECT_EQ(outils::differences(avec[0], avec[1]) == 0, virgule);
    });
}

TEST_F(Tourbel, EtatQuiDivergeRestantDansLesBornes)
{
    /* With h = 0.05 the state leaves the screen, grows without bound and
       ends infinite: the segments that cross the screen still show, cut
       where the geometry says, and nothing wraps around. */
    ecrire(CLE_H, "0.05");
    ecrire(CLE_NB, "150");
    outils::dans_la_boucle([&] {
        image fond = blanc();
        cliquer("selon x et y");
        attendu ref(fond);
        ref.trajectoire(1, {11, 0, 20}, 28, 0.05, 150);
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), ref.lire()), 0);
    });
}

TEST_F(Tourbel, DialogueDAide)
{
    outils::dans_la_boucle([&] {
        for (int fois = 0; fois < 2; fois++) {
            cliquer("Aide");
            GtkWidget *dialogue = nullptr;
            GList *fenetres = gtk_window_list_toplevels();
            for (GList *l = fenetres; l; l = l->next)
                if (GTK_IS_DIALOG(l->data))
                    dialogue = GTK_WIDGET(l->data);
            g_list_free(fenetres);
            ASSERT_NE(dialogue, nullptr);
            EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(dialogue)), "Aide");
            EXPECT_TRUE(gtk_window_get_modal(GTK_WINDOW(dialogue)));
            gint l, h;
            gtk_widget_get_size_request(dialogue, &l, &h);
            EXPECT_EQ(l, 660);
            EXPECT_EQ(h, 600);
            GtkWidget *texte = outils::trouver(dialogue, GTK_TYPE_LABEL);
            ASSERT_TRUE(GTK_IS_VIEWPORT(gtk_widget_get_parent(texte)));
            EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(texte)), txt_help);
            EXPECT_TRUE(outils::glyphes_complets(texte));
            /* Shown from its first line. */
            GtkAdjustment *v = gtk_scrolled_window_get_vadjustment(
                GTK_SCROLLED_WINDOW(gtk_widget_get_parent(gtk_widget_get_parent(texte))));
            EXPECT_EQ(gtk_adjustment_get_value(v), 0.0);

            GtkWidget *ok = outils::trouver(dialogue, GTK_TYPE_BUTTON, "ok");
            ASSERT_NE(ok, nullptr);
            g_object_ref(dialogue);
            if (fois == 0)
                gtk_button_clicked(GTK_BUTTON(ok));
            else
                outils::fermer_par_le_cadre(dialogue);
            outils::vider_evenements();
            EXPECT_TRUE(GTK_OBJECT_FLAGS(dialogue) & GTK_IN_DESTRUCTION ||
                        !GTK_WIDGET_VISIBLE(dialogue));
            EXPECT_EQ(gtk_bin_get_child(GTK_BIN(dialogue)), nullptr);
            g_object_unref(dialogue);
        }
    });
}

TEST(TexteDAide, LignesAccentsEtEspaces)
{
    std::string t = txt_help;
    EXPECT_EQ(t.front(), '\n');
    EXPECT_NE(t.back(), '\n');
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 35);
    EXPECT_EQ(t.find('\r'), std::string::npos);
    EXPECT_EQ(t.find('\t'), std::string::npos);
    EXPECT_TRUE(g_utf8_validate(t.c_str(), -1, nullptr));
    EXPECT_NE(t.find("\n ¤ Les 3 conditions initiales (Xo, Yo et Zo) : il \n"), std::string::npos);
    EXPECT_NE(t.find("\n  Pour obtenir un tracé dynamique de l'attraceur, il est \n"),
              std::string::npos);
    EXPECT_EQ(t.rfind("lavisualisation d'un papillon de Tourbel convenable."),
              t.size() - std::strlen("lavisualisation d'un papillon de Tourbel convenable."));
}

TEST_F(Tourbel, AideOuvertePendantUnTraceQuiContinue)
{
    ecrire(CLE_H, "0.002");
    ecrire(CLE_NB, "3000");
    outils::dans_la_boucle([&] {
        image fond = blanc();
        outils::plus_tard(20, [&] { cliquer("Aide"); });
        cliquer("selon x et y");
        attendu ref(fond);
        ref.trajectoire(1, {11, 0, 20}, 28, 0.002, 3000);
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), ref.lire()), 0);
    });
}

TEST_F(Tourbel, FenetreDeDessinCacheePuisMontreeDeNouveau)
{
    ecrire(CLE_H, "0.002");
    ecrire(CLE_NB, "100000000");
    outils::dans_la_boucle([&] {
        image fond = blanc();
        GtkWidget *zone_avant = zone();
        /* Closed from its frame during a plot: hidden, the plot stops. */
        outils::plus_tard(50, [&] { outils::fermer_par_le_cadre(scroll()); });
        cliquer("selon x et y");
        EXPECT_FALSE(GTK_WIDGET_VISIBLE(scroll()));
        EXPECT_EQ(zone(), zone_avant);

        /* Choosing a view shows it again and draws the whole curve on it. */
        ecrire(CLE_NB, "2000");
        cliquer("Effacer");
        EXPECT_TRUE(GTK_WIDGET_VISIBLE(scroll()));
        outils::fermer_par_le_cadre(scroll());
        EXPECT_FALSE(GTK_WIDGET_VISIBLE(scroll()));
        gtk_window_move(GTK_WINDOW(scroll()), 1400, 0);
        cliquer("selon x et z");
        EXPECT_TRUE(GTK_WIDGET_VISIBLE(scroll()));
        attendu ref(fond);
        ref.trajectoire(2, {11, 0, 20}, 28, 0.002, 2000);
        EXPECT_EQ(outils::differences(outils::lire_zone(zone()), ref.lire()), 0);
    });
}

TEST_F(Tourbel, QuitterPendantUnLongTraceLeTermineAussitot)
{
    ecrire(CLE_NB, "100000000");
    gint64 debut = 0, fin = 0;
    outils::dans_la_boucle([&] {
        outils::plus_tard(100, [&] {
            debut = g_get_monotonic_time();
            cliquer("Fermer");
        });
        cliquer("Vue 3D");
        fin = g_get_monotonic_time();
    });
    ASSERT_GT(debut, 0);
    /* The plot returned at its next step, not after 10^8 segments. */
    EXPECT_LT(fin - debut, 2 * G_USEC_PER_SEC);
}

} // namespace

int main(int argc, char **argv)
{
    outils::preparer(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
