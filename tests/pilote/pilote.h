/*
 * What the parts of the pilot module share (see pilote.cpp for the module
 * and its script): finding the programs' widgets and windows, acting on
 * them as a person does with the real mouse and keyboard of the X server
 * (gestes.cpp), and the seeded random session (hasard.cpp).
 */
#pragma once

#include <gtk/gtk.h>

#include <string>
#include <vector>

namespace pilote
{

/* Ends the program at once with status, after saying why: a test never
   passes on a script that could not do what it said. */
[[noreturn]] void echouer(int statut, const std::string &pourquoi);

/* The visible top-level windows, in the toolkit's order. */
std::vector<GtkWidget *> fenetres_visibles();
/* The visible window whose title starts with titre, or null. */
GtkWidget *fenetre_titree(const std::string &titre);
/* The first button labelled texte on any top-level window, or null. */
GtkWidget *bouton(const std::string &texte);
/* The label of a button, "" if it has none. */
std::string etiquette(GtkWidget *bouton);
/* The widgets of type type below racine that a person can reach: mapped,
   on screen and sensitive. */
std::vector<GtkWidget *> atteignables(GtkWidget *racine, GType type);
/* The window holding the program's "Fermer" button: its close quits. */
GtkWidget *fenetre_principale();

/* A click of the first mouse button at the centre of w, its window
   brought to the front first as a window manager does on a click. */
void cliquer(GtkWidget *w);
/* A click into the entry, everything in it selected, then texte typed on
   the keyboard (an empty texte erases). Only printable ASCII is typed. */
void taper(GtkWidget *entree, const std::string &texte);
/* The close request of the window's frame, as a window manager sends it. */
void fermer(GtkWidget *fenetre);
/* Waits until the X server has handled every request sent so far, then
   handles every pending event. FALSE if the main loop was asked to quit. */
bool laisser_courir();

/* Starts a random session of n actions (hasard.cpp). */
void lancer_hasard(int n);

} // namespace pilote
