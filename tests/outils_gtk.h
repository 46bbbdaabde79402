/*
 * Support shared by the window tests of both programs: they run in a real
 * X server (Xvfb), inside the toolkit's main loop as the programs do, with
 * the toolkit's warnings and criticals made fatal, and read what the
 * drawing areas show back as pixels.
 */
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <vector>

namespace outils
{

/* Initialises the toolkit for a test program; warnings abort. */
void preparer(int *argc, char ***argv);

/* Runs corps inside gtk_main, as a callback of the program would run, and
   returns when it has ended and the loop is quit. */
void dans_la_boucle(const std::function<void()> &corps);

/* Handles every pending event, after the window system has answered all
   requests sent so far. */
void vider_evenements();

/* Lets the main loop run for ms milliseconds. */
void patienter(guint ms);

/* Runs action once, ms milliseconds from now, from the main loop. */
void plus_tard(guint ms, const std::function<void()> &action);

/* The first widget below racine (racine included) whose type is type and,
   for a button or label, whose text is texte (any text if null). */
GtkWidget *trouver(GtkWidget *racine, GType type, const char *texte = nullptr);

/* The text of a button's label. */
std::string texte_bouton(GtkWidget *bouton);

/* Whether the label shows a glyph for each of its characters. */
bool glyphes_complets(GtkWidget *label);

/* Sends a window the close request of its frame, as a window manager does. */
void fermer_par_le_cadre(GtkWidget *fenetre);

/* Destroys every top-level window a test left (not the toolkit's popups). */
void detruire_fenetres();

/* What a drawable shows, as 0xRRGGBB values row by row. */
struct image {
    int largeur = 0, hauteur = 0;
    std::vector<guint32> px;
    guint32 at(int x, int y) const
    {
        return px[static_cast<size_t>(y) * largeur + x];
    }
};
image lire(GdkDrawable *d, int largeur, int hauteur);
image lire_zone(GtkWidget *zone);

/* A pixmap of the given size filled with one colour, to draw an expected
   picture on with the same window system. */
GdkPixmap *toile(GdkDrawable *modele, int largeur, int hauteur, guint32 fond);

/* Pixels where two images differ. */
long differences(const image &a, const image &b);

} // namespace outils
