/*
 * What both programs tell a screen reader about their drawings: the same
 * two gestures, whatever is drawn. A drawing area's description says what
 * it shows now, and each drawing is announced unasked where the user is.
 */
#pragma once

#include <gtk/gtk.h>

/* Has screen readers say texte unasked, from the control of fenetre that
   has the keyboard. */
void annoncer(GtkWidget *fenetre, const char *texte);

/* Puts in zone's description what it shows, recit just drawn included: one
   drawing's sentence, or how many (pluriel, such as "%d tracés
   superposés.") and the last three different sentences, each once, so that
   it stays short however many drawings pile up. */
void decrire(GtkWidget *zone, const gchar *recit, const char *pluriel);
