/*
 * ramelle in the French locale (run with LC_ALL=fr_FR.UTF-8): its title
 * and buttons reach the screen intact, with a glyph for every character,
 * and it draws the same diagram as in any other locale.
 */
#include "outils_gtk.h"
#include "ramelle.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace
{

TEST(RamelleEnFrancais, TitreBoutonsEtDessin)
{
    ASSERT_EQ(std::string(localeconv()->decimal_point), ",")
        << "the fr_FR.UTF-8 locale is missing (outils/installer generates it)";
    remplir_zooms();
    GtkWidget *fenetre = construire_fenetre();
    outils::vider_evenements();
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(fenetre)),
                 "Diagramme de Bifurcation - https://example.org/ramelle");
    for (const char *titre : {"Tracer", "Zoom", "Fermer"}) {
        GtkWidget *b = outils::trouver(fenetre, GTK_TYPE_BUTTON, titre);
        ASSERT_NE(b, nullptr) << titre;
        GtkWidget *l = gtk_bin_get_child(GTK_BIN(b));
        EXPECT_EQ(pango_layout_get_unknown_glyphs_count(gtk_label_get_layout(GTK_LABEL(l))), 0);
    }
    outils::dans_la_boucle([&] {
        GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_ZONE));
        outils::image blanc = outils::lire_zone(zone);
        gtk_button_clicked(GTK_BUTTON(outils::trouver(fenetre, GTK_TYPE_BUTTON, "Tracer")));
        /* The full view covers a large part of the area. */
        EXPECT_GT(outils::differences(outils::lire_zone(zone), blanc), 10000);
    });
    outils::detruire_fenetres();
}

} // namespace

int main(int argc, char **argv)
{
    outils::preparer(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
