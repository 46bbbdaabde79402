/*
 * Support shared by the window tests of both programs: they run in a real
 * X server (Xvfb), inside the toolkit's main loop as the programs do, with
 * the toolkit's warnings and criticals fatal. Pictures of windows are
 * compared with stored ones (tests/references), and the test programs'
 * link counts what the programs' own code asks of the drawing layer.
 */
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

namespace outils
{

/* Initialises the toolkit for a test program; warnings abort. */
void preparer(int *argc, char ***argv);
/* Runs corps inside gtk_main, as a callback of the program would run. */
void dans_la_boucle(const std::function<void()> &corps);
/* Handles every pending event, once the X server has answered. */
void vider_evenements();
/* Runs action from the next events handled, as a click made meanwhile. */
void bientot(const std::function<void()> &action);

/* The first widget below racine of type type whose label, if texte is
   given, is texte. */
GtkWidget *trouver(GtkWidget *racine, GType type, const char *texte = nullptr);
/* Sends a top-level window the close request of its frame (WM_DELETE_WINDOW)
   through the X server, as a window manager does, and handles it. */
void fermer_par_le_cadre(GtkWidget *fenetre);
/* Destroys every top-level window a test left (not the toolkit's popups). */
void detruire_fenetres();

/* What the widget's window shows, as RGB bytes. */
std::string pixels(GtkWidget *w);
/* Whether it shows one colour only. */
bool vierge(GtkWidget *w);
/* Whether the widget shows exactly the stored picture of that name, or with
   several names their union (black drawn over the same background). With
   REFERENCES=ecrire in the environment, a single picture is stored from
   what the widget shows instead. */
bool comme_la_reference(GtkWidget *w, std::initializer_list<const char *> noms);

/* Counted over the programs' own calls: graphics contexts alive, lines
   drawn; and action run from the events handled after the n-th line drawn
   from now. */
int gc_vivants();
long lignes_tracees();
void apres_lignes(long n, const std::function<void()> &action);

} // namespace outils
