/*
 * ramelle's drawing: dessin() puts the two axes and one point per value of
 * the sweep (suite.cpp) on the current drawing area, at a given scale and
 * origin. It runs to its end without letting events run, so the window is
 * frozen while it draws; the sweep runs in vector registers and the window
 * system gets each visible pixel once, in one batch, which keeps that
 * freeze short. The picture is the same as drawing every value one by one:
 * the points share one colour, and those outside the area would be
 * clipped away by the window system.
 */
#include "ramelle.h"
#include "suite.h"

#include <vector>

/* The current drawing area, laid out and with its pending paint done, so
   that a drawing lands on all of it and is not painted over afterwards,
   even when it runs before the fresh area has been shown. */
static GtkWidget *zone_prete(gpointer user_data)
{
    GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_ZONE));

    gtk_widget_realize(zone);
    gtk_container_check_resize(GTK_CONTAINER(gtk_widget_get_toplevel(zone)));
    gdk_window_process_updates(zone->window, TRUE);
    return zone;
}

/* Tells screen readers the range a drawing shows, after what the area
   already shows; numbers with the decimal comma, as French writes them. */
static void decrire(GtkWidget *zone, plage p)
{
    AtkObject *a = gtk_widget_get_accessible(zone);
    const gchar *avant = atk_object_get_description(a);
    gchar *recit =
        g_strdup_printf("a de %.2f à %.2f et u de %.2f à %.2f", p.a_min, p.a_max, p.u_min, p.u_max);
    gchar *tout = g_strconcat(avant ? avant : "", avant ? " " : "", "Diagramme pour ",
                              g_strdelimit(recit, ".", ','), ".", NULL);

    atk_object_set_description(a, tout);
    g_free(recit);
    g_free(tout);
}

void dessin(GtkWidget *widget, gpointer user_data, int zoom, int abs, int ord)
{
    (void)widget;
    GtkWidget *zone = zone_prete(user_data);
    GdkWindow *graph = zone->window;
    GdkGC *gc = gdk_gc_new(graph);
    gint largeur, hauteur;

    /* The axes, 750 and 550 pixels long whatever the scale. */
    gdk_draw_line(graph, gc, abs, ord, abs + 750, ord);
    gdk_draw_line(graph, gc, abs, ord, abs, ord - 550);

    std::vector<float> temp(NB_VALEURS);
    diagramme(temp.data());
    gdk_drawable_get_size(graph, &largeur, &hauteur);
    decrire(zone, plage_visible(zoom, abs, ord, largeur, hauteur));
    std::vector<GdkPoint> points;
    for (point p : points_visibles(temp.data(), zoom, abs, ord, largeur, hauteur))
        points.push_back({p.x, p.y});
    if (!points.empty())
        gdk_draw_points(graph, gc, points.data(), static_cast<gint>(points.size()));
    gdk_gc_unref(gc);
}

/* "Tracer": the full view, over whatever the area shows. */
void tracer(GtkWidget *widget, gpointer user_data)
{
    dessin(widget, user_data, 450, 20, 580);
}
