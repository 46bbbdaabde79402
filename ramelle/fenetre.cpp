/*
 * ramelle's window: three buttons ("Tracer", "Zoom", "Fermer") above a
 * drawing area of 800 x 600 pixels. Start reading at construire_fenetre(),
 * which main() calls once the zoom table is filled.
 *
 * "Zoom" steps through a cycle of four views: the three levels of the zoom
 * table, then the full view, and again. Each press first clears the area,
 * by putting a fresh one in its place, and lets pending events run so that
 * the fresh area is laid out and shown before it is drawn on. Clicks made
 * during a drawing wait until it ends; those still waiting when "Zoom"
 * lets events run are handled there, nested, each advancing the cycle once.
 * For a screen reader the area is a named image; each drawing is
 * announced with its view and ranges of a and u, and the area's
 * description says what it shows (dessin.cpp).
 */
#include "ramelle.h"

type_zoom zoom1, zoom2, zoom3;

void remplir_zooms(void)
{
    zoom1 = {700, -150, 620, 0};
    zoom2 = {1000, -550, 700, 0};
    zoom3 = {2000, -1400, 1100, 0};
}

/* Ends the main loop: "Fermer", and the window's close from its frame,
   where returning FALSE lets the toolkit destroy the window as usual. */
gint close_fenetre(GtkWidget *widget, GdkEvent *event, gpointer user_data)
{
    (void)widget;
    (void)event;
    (void)user_data;
    gtk_main_quit();
    return FALSE;
}

/* A blank drawing area of 800 x 600 as the last child of the vertical box,
   named for screen readers; each drawing puts what it shows in the
   area's description (dessin.cpp). */
static GtkWidget *nouvelle_zone(GtkWidget *fenetre)
{
    GtkWidget *zone = gtk_drawing_area_new();
    AtkObject *a = gtk_widget_get_accessible(zone);

    atk_object_set_role(a, ATK_ROLE_IMAGE);
    atk_object_set_name(a, "Diagramme de bifurcation");
    gtk_drawing_area_size(GTK_DRAWING_AREA(zone), 800, 600);
    gtk_container_add(GTK_CONTAINER(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_BOITEV)), zone);
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_ZONE, zone);
    return zone;
}

/* Replaces the drawing area by a fresh, blank one at the same place.
   Clearing never paints. */
void effacer(GtkWidget *widget, gpointer user_data)
{
    (void)widget;
    gtk_widget_destroy(GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_ZONE)));
    gtk_widget_show(nouvelle_zone(GTK_WIDGET(user_data)));
}

/* Ends a cycle: forgets the levels shown and draws the full view. */
void alerte(GtkWidget *widget, gpointer user_data)
{
    zoom1.test = 0;
    zoom2.test = 0;
    zoom3.test = 0;
    tracer(widget, user_data);
}

/* "Zoom": clears, then draws the first level not yet shown in this cycle,
   or the full view once all three have been. */
void zoom(GtkWidget *widget, gpointer user_data)
{
    effacer(widget, user_data);
    /* A quit asked meanwhile ends the press at once: the main window may
       already be destroyed. */
    while (gtk_events_pending())
        if (gtk_main_iteration())
            return;

    if (zoom1.test != 1) {
        zoom1.test = 1;
        dessin(widget, user_data, zoom1.zoom, zoom1.abs, zoom1.ord);
    } else if (zoom2.test != 1) {
        zoom2.test = 1;
        dessin(widget, user_data, zoom2.zoom, zoom2.abs, zoom2.ord);
    } else if (zoom3.test != 1) {
        zoom3.test = 1;
        dessin(widget, user_data, zoom3.zoom, zoom3.abs, zoom3.ord);
    } else {
        alerte(widget, user_data);
    }
}

/* A button of the top row, clicked into rappel. */
static void bouton(GtkWidget *fenetre, GtkWidget *rangee, const char *titre, GtkSignalFunc rappel)
{
    GtkWidget *b = gtk_button_new_with_label(titre);

    gtk_container_add(GTK_CONTAINER(rangee), b);
    gtk_signal_connect(GTK_OBJECT(b), "clicked", rappel, fenetre);
}

GtkWidget *construire_fenetre(void)
{
    GtkWidget *fenetre, *boitev, *boiteh;

    /* The window; its close ends the program. */
    fenetre = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_signal_connect(GTK_OBJECT(fenetre), "delete-event", GTK_SIGNAL_FUNC(close_fenetre), NULL);
    gtk_window_set_title(GTK_WINDOW(fenetre),
                         "Diagramme de Bifurcation - https://example.org/ramelle");
    boitev = gtk_vbox_new(FALSE, 8);
    gtk_container_add(GTK_CONTAINER(fenetre), boitev);
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_BOITEV, boitev);

    /* The buttons, in a row above the drawing. */
    boiteh = gtk_hbox_new(FALSE, 8);
    gtk_container_add(GTK_CONTAINER(boitev), boiteh);
    bouton(fenetre, boiteh, "Tracer", GTK_SIGNAL_FUNC(tracer));
    bouton(fenetre, boiteh, "Zoom", GTK_SIGNAL_FUNC(zoom));
    bouton(fenetre, boiteh, "Fermer", GTK_SIGNAL_FUNC(close_fenetre));

    /* The drawing area, always the last child of the box. */
    nouvelle_zone(fenetre);

    gtk_widget_show_all(fenetre);
    return fenetre;
}
