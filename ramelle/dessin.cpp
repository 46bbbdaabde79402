/*
 * ramelle's drawing: dessin() puts the two axes and one point per value of
 * the sweep (suite.cpp) on the current drawing area, at a given scale and
 * origin. It runs to its end without letting events run, so the window is
 * frozen while it draws. The sweep's values are the same for every view:
 * the first drawing works them out, in vector registers, and keeps them on
 * the main window, so that every later one, each "Zoom" above all, only
 * turns them into pixels. The window system gets each visible pixel once,
 * in one batch. Both keep the freeze short, on small boards too. The picture is the same as drawing
 * every value one by one: the points share one colour, and those outside the area would be clipped
 * away by the window system.
 *
 * Screen readers are told, unasked, which view a drawing shows and its
 * ranges of a and u; the area's description says what it shows, briefly,
 * however many drawings pile up on it.
 */
#include "crayon.h"
#include "lecteur.h"
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

/* The sweep's values: worked out by the first drawing, kept on the main
   window and freed with it. */
static const float *valeurs_du_diagramme(gpointer user_data)
{
    GtkObject *fenetre = GTK_OBJECT(user_data);
    auto *temp = static_cast<float *>(gtk_object_get_data(fenetre, CLE_VALEURS));

    if (!temp) {
        temp = g_new(float, NB_VALEURS);
        diagramme(temp);
        gtk_object_set_data_full(fenetre, CLE_VALEURS, temp, g_free);
    }
    return temp;
}

/* The view a scale belongs to, as a screen reader names it. */
static gchar *nom_de_vue(int zoom)
{
    const type_zoom *niveaux[] = {&zoom1, &zoom2, &zoom3};
    for (int n = 0; n < 3; n++)
        if (zoom == niveaux[n]->zoom)
            return g_strdup_printf("Zoom %d sur 3", n + 1);
    return g_strdup("Vue entière");
}

/* What a drawing shows: its view and the ranges of a and u in the area,
   numbers with the decimal comma, as French writes them. */
static gchar *recit_de_vue(int zoom, plage p)
{
    gchar *nom = nom_de_vue(zoom);
    gchar *plages =
        g_strdup_printf("a de %.2f à %.2f et u de %.2f à %.2f", p.a_min, p.a_max, p.u_min, p.u_max);
    gchar *tout = g_strconcat(nom, " : ", g_strdelimit(plages, ".", ','), ".", NULL);

    g_free(nom);
    g_free(plages);
    return tout;
}

void dessin(GtkWidget *widget, gpointer user_data, int zoom, int abs, int ord)
{
    (void)widget;
    GtkWidget *zone = zone_prete(user_data);
    GdkWindow *graph = zone->window;
    GdkGC *gc = crayon(zone);
    gint largeur, hauteur;

    /* The axes, 750 and 550 pixels long whatever the scale, in the area's
       foreground as the points are. */
    gdk_draw_line(graph, gc, abs, ord, abs + 750, ord);
    gdk_draw_line(graph, gc, abs, ord, abs, ord - 550);

    gdk_drawable_get_size(graph, &largeur, &hauteur);
    std::vector<GdkPoint> points;
    for (point p :
         points_visibles(valeurs_du_diagramme(user_data), zoom, abs, ord, largeur, hauteur))
        points.push_back({p.x, p.y});
    if (!points.empty())
        gdk_draw_points(graph, gc, points.data(), static_cast<gint>(points.size()));
    gdk_gc_unref(gc);

    /* Screen readers are told once the drawing is made. */
    gchar *texte = recit_de_vue(zoom, plage_visible(zoom, abs, ord, largeur, hauteur));
    decrire(zone, texte, "%d diagrammes superposés.");
    annoncer(GTK_WIDGET(user_data), texte);
    g_free(texte);
}

/* "Tracer": the full view, over whatever the area shows. */
void tracer(GtkWidget *widget, gpointer user_data)
{
    dessin(widget, user_data, 450, 20, 580);
}
