/*
 * ramelle's drawing: dessin() puts the two axes and one point per value of
 * the sweep (suite.cpp) on the current drawing area, at a given scale and
 * origin. It runs to its end without letting events run, so the window is
 * frozen while it draws; the sweep runs in vector registers and the window
 * system gets each visible pixel once, in one batch, which keeps that
 * freeze short. The picture is the same as drawing every value one by one:
 * the points share one colour, and those outside the area would be
 * clipped away by the window system.
 *
 * Screen readers are told, unasked, which view a drawing shows and its
 * ranges of a and u; the area's description says what it shows, briefly,
 * however many drawings pile up on it.
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

/* Has screen readers say texte unasked, from the button that has the
   keyboard, where the user is. From ATK 2.50 on, by its "notification";
   the Orca of older releases heeds no announcement, but says what the
   focused control's description becomes: that, put back at once. */
static void annoncer(GtkWidget *fenetre, const char *texte)
{
    GtkWidget *focus = gtk_window_get_focus(GTK_WINDOW(fenetre));
    AtkObject *a = gtk_widget_get_accessible(focus ? focus : fenetre);
#if ATK_CHECK_VERSION(2, 50, 0)
    g_signal_emit_by_name(a, "notification", texte, ATK_LIVE_POLITE);
#else
    /* ATK tells of a new description only when there was one before; the
       controls have none of their own. */
    atk_object_set_description(a, "");
    atk_object_set_description(a, texte);
    atk_object_set_description(a, "");
#endif
}

/* On a drawing area: the different sentences of the drawings it shows,
   oldest first, and how many drawings it shows. */
static constexpr const char CLE_RECITS[] = "recits";
static constexpr const char CLE_NB_DESSINS[] = "nb_dessins";

/* Tells screen readers what the area shows now, the drawing just made
   included: one drawing's sentence, or how many and the different ones,
   each once. "Zoom" clears the area, so they are at most the four views. */
static void decrire(GtkWidget *zone, const gchar *recit)
{
    GPtrArray *recits = static_cast<GPtrArray *>(g_object_get_data(G_OBJECT(zone), CLE_RECITS));
    gint nb = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(zone), CLE_NB_DESSINS)) + 1;

    if (!recits) {
        recits = g_ptr_array_new_with_free_func(g_free);
        g_object_set_data_full(G_OBJECT(zone), CLE_RECITS, recits,
                               GDestroyNotify(g_ptr_array_unref));
    }
    g_object_set_data(G_OBJECT(zone), CLE_NB_DESSINS, GINT_TO_POINTER(nb));
    for (guint i = 0; i < recits->len; i++)
        if (!g_strcmp0(static_cast<gchar *>(recits->pdata[i]), recit))
            g_ptr_array_remove_index(recits, i);
    g_ptr_array_add(recits, g_strdup(recit));

    GString *texte = g_string_new("");
    if (nb > 1)
        g_string_printf(texte, "%d diagrammes superposés.", nb);
    for (guint i = 0; i < recits->len; i++)
        g_string_append_printf(texte, "%s%s", texte->len ? " " : "",
                               static_cast<gchar *>(recits->pdata[i]));
    atk_object_set_description(gtk_widget_get_accessible(zone), texte->str);
    g_string_free(texte, TRUE);
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
    GdkGC *gc = gdk_gc_new(graph);
    gint largeur, hauteur;

    /* The axes, 750 and 550 pixels long whatever the scale. */
    gdk_draw_line(graph, gc, abs, ord, abs + 750, ord);
    gdk_draw_line(graph, gc, abs, ord, abs, ord - 550);

    std::vector<float> temp(NB_VALEURS);
    diagramme(temp.data());
    gdk_drawable_get_size(graph, &largeur, &hauteur);
    std::vector<GdkPoint> points;
    for (point p : points_visibles(temp.data(), zoom, abs, ord, largeur, hauteur))
        points.push_back({p.x, p.y});
    if (!points.empty())
        gdk_draw_points(graph, gc, points.data(), static_cast<gint>(points.size()));
    gdk_gc_unref(gc);

    /* Screen readers are told once the drawing is made. */
    gchar *texte = recit_de_vue(zoom, plage_visible(zoom, abs, ord, largeur, hauteur));
    decrire(zone, texte);
    annoncer(GTK_WIDGET(user_data), texte);
    g_free(texte);
}

/* "Tracer": the full view, over whatever the area shows. */
void tracer(GtkWidget *widget, gpointer user_data)
{
    dessin(widget, user_data, 450, 20, 580);
}
