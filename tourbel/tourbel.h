/*
 * tourbel, the attractor viewer: what its window (fenetre.cpp) and its
 * drawing (dessin.cpp) share. Widgets that a callback needs later hang on
 * the main window as object data under the keys below; callbacks fetch
 * them afresh each time, since "Effacer" replaces the drawing area.
 */
#pragma once

#include <gtk/gtk.h>

/* Object-data keys on the main window. */
inline constexpr const char CLE_BOITEV[] = "boitev";
inline constexpr const char CLE_XO[] = "xo";
inline constexpr const char CLE_YO[] = "yo";
inline constexpr const char CLE_ZO[] = "zo";
inline constexpr const char CLE_R[] = "r";
inline constexpr const char CLE_H[] = "h";
inline constexpr const char CLE_NB[] = "Nb";
inline constexpr const char CLE_RADIO[] = "radio";
inline constexpr const char CLE_ZONE[] = "zone";
inline constexpr const char CLE_SCROLL[] = "scroll";
/* On each view button: its view number, 1 to 4, carried in the pointer. */
inline constexpr const char CLE_CHOIX[] = "choix";

/* The tutorial shown by "Aide", in UTF-8. */
extern const gchar *txt_help;

/* Window callbacks (fenetre.cpp). */
gint close_fenetre(GtkWidget *widget, GdkEvent *event, gpointer user_data);
void effacer(GtkWidget *widget, gpointer user_data);
void help(GtkWidget *widget, gpointer user_data);
gint fermer_dialogue(GtkWidget *widget, gpointer user_data);
gint fermer_dialogue1(GtkWidget *widget, GdkEvent *event, gpointer user_data);
/* Builds both windows and connects every callback; returns the main window. */
GtkWidget *construire_fenetres(void);

/* The plot of a view button's "toggled" (dessin.cpp). */
void tracer(GtkWidget *widget, gpointer user_data);
