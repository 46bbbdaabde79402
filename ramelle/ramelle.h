/*
 * ramelle, the diagram viewer: what its window (fenetre.cpp) and its
 * drawing (dessin.cpp) share. The window keeps its vertical box, its
 * current drawing area and the sweep's values as object data under the
 * keys below; "Zoom" replaces the area, so callbacks fetch it afresh each
 * time.
 */
#pragma once

#include <gtk/gtk.h>

/* Object-data keys on the main window: its box, its current drawing area,
   and the sweep's values, worked out by the first drawing for all. */
inline constexpr const char CLE_BOITEV[] = "boitev";
inline constexpr const char CLE_ZONE[] = "zone";
inline constexpr const char CLE_VALEURS[] = "valeurs";

/* One view of the diagram: scale in pixels per unit, the pixel column of
   a = 0 and row of u = 0; test is 1 once the view has been shown in the
   current cycle of "Zoom". */
struct type_zoom {
    int zoom;
    int abs;
    int ord;
    int test;
};

/* The three ever closer views that "Zoom" steps through. */
extern type_zoom zoom1, zoom2, zoom3;

/* Window callbacks (fenetre.cpp). */
gint close_fenetre(GtkWidget *widget, GdkEvent *event, gpointer user_data);
void zoom(GtkWidget *widget, gpointer user_data);
void alerte(GtkWidget *widget, gpointer user_data);
void effacer(GtkWidget *widget, gpointer user_data);
/* Fills the zoom table, before the toolkit starts. */
void remplir_zooms(void);
/* Builds the window and connects every callback; returns it. */
GtkWidget *construire_fenetre(void);

/* The drawing (dessin.cpp). */
void dessin(GtkWidget *widget, gpointer user_data, int zoom, int abs, int ord);
void tracer(GtkWidget *widget, gpointer user_data);
