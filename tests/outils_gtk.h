/*
 * Support shared by the window tests of both programs. They run in a real
 * X server (Xvfb), every test inside the toolkit's main loop as the
 * programs' callbacks run, with the toolkit's warnings and criticals
 * fatal. What windows show is compared with stored pictures, and the test
 * programs' link counts the lines the programs' own code draws
 * (-Wl,--wrap of gdk_draw_line). Graphics contexts and handlers that a
 * drawing leaves behind are the sanitizer build's to find (a leak, a
 * write to a stack frame that has returned).
 */
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

namespace outils
{

/* Runs corps in a main loop of its own, which a quit inside it ends. */
void dans_la_boucle(const std::function<void()> &corps);
/* Handles every pending event, once the X server has answered. */
void vider_evenements();
/* Runs action from the next events handled, as a click made meanwhile. */
void bientot(const std::function<void()> &action);
/* The button labelled texte below racine; cliquer() emits its "clicked". */
GtkWidget *bouton(GtkWidget *racine, const char *texte);
void cliquer(GtkWidget *racine, const char *texte);
/* The close request of a window's frame, as a window manager sends it. */
void fermer_par_le_cadre(GtkWidget *fenetre);
/* Whether w shows exactly the picture tests/references/nom.png, once every
   pending event is handled; a drawing area, the drawing of the picture's
   bottom left corner, in the colours of the theme that $COULEURS_DU_THEME
   gives as its gtkrc does ("rrggbb/rrggbb"): its text colour where the
   picture is black, its background elsewhere. REFERENCES=ecrire stores what
   w shows there. */
bool comme_la_reference(GtkWidget *w, const char *nom);
/* What a screen reader finds on w: "role name (label) : description". */
std::string dit(GtkWidget *w);
/* What a screen reader heard unasked since last asked, in order with what
   was drawn meanwhile: a line an announcement, "[n segments]" for the
   segments drawn between two (tests/oreille.cpp). */
std::string entendu();
/* Gives noter each line a screen reader hears from now on. */
void ecouter(void (*noter)(const std::string &ligne));

/* Lines the programs' code drew; action run from the events handled after
   the n-th line from now. */
extern long lignes_tracees;
void apres_lignes(long n, const std::function<void()> &action);

} // namespace outils
