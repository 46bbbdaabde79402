/*
 * tourbel's plot: tracer() reads the six fields once, then runs one step per
 * segment and draws each segment straight onto the drawing area, handling
 * every pending event in between. The curve grows visibly, both windows
 * stay live, and any callback, another plot included, may run nested inside
 * a plot; the nested one ends before the outer one resumes.
 *
 * A plot ends early, at its next step, when the program quits, when
 * "Effacer" replaces its area, or when its window is hidden, whether it is
 * drawing or still waiting for its window to come on screen: it never
 * draws on an area that is gone, nor later on one shown again.
 *
 * Screen readers are told, unasked, what a plot draws when it starts and
 * that it has ended, or stopped, with the count of its segments; the
 * area's description says what it shows, briefly, however many plots.
 */
#include "champs.h"
#include "crayon.h"
#include "lecteur.h"
#include "tourbel.h"

/* Handles every pending event; TRUE once the main loop has been asked to
   quit, so that a quit ends every running plot instead of waiting for it. */
static gboolean traiter_evenements(void)
{
    while (gtk_events_pending())
        if (gtk_main_iteration())
            return TRUE;
    return FALSE;
}

/* Waits until the area is on screen and the window system's first exposure
   of it is handled, so that no segment is drawn in vain or painted over:
   1 once it is, 0 if the plot is to end meanwhile (its area or window
   gone), -1 after a quit. */
static int attendre_l_ecran(GtkWidget *zone, const gboolean *fini)
{
    while (!*fini) {
        if (GTK_WIDGET_REALIZED(zone) && GTK_WIDGET_MAPPED(zone) &&
            gdk_window_is_viewable(zone->window)) {
            gdk_flush();
            if (!gtk_events_pending())
                return 1;
        }
        if (gtk_main_iteration())
            return -1;
    }
    return 0;
}

/* The text of the entry kept under cle on the main window. */
static const char *texte_du_champ(GtkWidget *fenetre, const char *cle)
{
    GtkWidget *entree = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), cle));
    return gtk_entry_get_text(GTK_ENTRY(entree));
}

/* Marks the plot whose flag this is as ended: its area or window is gone. */
static void marquer_fin(GtkWidget *widget, gpointer fini)
{
    (void)widget;
    *static_cast<gboolean *>(fini) = TRUE;
}

/* One segment per step, in the area's foreground, until the last or until
   the plot is to end: the number of steps made, or -1 after a quit. */
static int parcourir(GtkWidget *zone, gint choix, depart d, const gboolean *fini)
{
    GdkWindow *graph = zone->window;
    GdkGC *gc = crayon(zone);
    int i = 0;

    for (; i < d.nb && !*fini; i++) {
        int seg[4];
        if (pas_et_segment(choix, d.r, d.h, &d.x, &d.y, &d.z, seg))
            gdk_draw_line(graph, gc, seg[0], seg[1], seg[2], seg[3]);
        if (traiter_evenements()) {
            i = -1;
            break;
        }
    }
    gdk_gc_unref(gc);
    return i;
}

/* What a screen reader hears of a plot of d in view vue as it starts, the
   fields' texts as typed. */
static gchar *recit_du_trace(const char *vue, const char *const textes[NB_CHAMPS], depart d)
{
    return g_strdup_printf("Tracé « %s » : Xo = %s, Yo = %s, Zo = %s, r = %s, h = %s, %d point%s.",
                           vue, textes[0], textes[1], textes[2], textes[3], textes[4], d.nb,
                           d.nb == 1 ? "" : "s");
}

/* And as it ends, or is stopped, after faits segments. */
static void annoncer_la_fin(GtkWidget *fenetre, int faits, int nb)
{
    const char *s = faits == 1 ? "" : "s";
    gchar *fin = faits < nb ? g_strdup_printf("Tracé arrêté après %d segment%s.", faits, s)
                            : g_strdup_printf("Tracé terminé : %d segment%s tracé%s.", faits, s, s);
    annoncer(fenetre, fin);
    g_free(fin);
}

/* The plot itself: the fields read once, as the view is chosen (edits made
   meanwhile serve later plots), then, once the area is on screen, the
   segments. Screen readers are told when it starts and when it ends or
   stops, even before its first segment, never in between; not after a
   quit, when the main window may be gone. */
static void dessiner(GtkWidget *fenetre, GtkWidget *zone, gint choix, const char *vue,
                     const gboolean *fini)
{
    const char *textes[NB_CHAMPS] = {
        texte_du_champ(fenetre, CLE_XO), texte_du_champ(fenetre, CLE_YO),
        texte_du_champ(fenetre, CLE_ZO), texte_du_champ(fenetre, CLE_R),
        texte_du_champ(fenetre, CLE_H),  texte_du_champ(fenetre, CLE_NB)};
    depart d = depart_des_champs(textes);
    gchar *recit = recit_du_trace(vue, textes, d);

    annoncer(fenetre, recit);
    int faits = attendre_l_ecran(zone, fini);
    if (faits > 0) {
        decrire(zone, recit, "%d tracés superposés.");
        faits = parcourir(zone, choix, d, fini);
    }
    g_free(recit);
    if (faits >= 0)
        annoncer_la_fin(fenetre, faits, d.nb);
}

/* The "toggled" of a view button: plots the trajectory in its view, only
   for the button that becomes active. */
void tracer(GtkWidget *widget, gpointer user_data)
{
    GtkWidget *fenetre = GTK_WIDGET(user_data);
    gboolean fini = FALSE;

    if (!gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget)))
        return;
    gint choix = GPOINTER_TO_INT(gtk_object_get_data(GTK_OBJECT(widget), CLE_CHOIX));
    GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_ZONE));
    GtkWidget *scroll = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(fenetre), CLE_SCROLL));

    /* Held, and watched from now on: while the plot waits for its window
       to come on screen, as between two segments, "Effacer" may destroy
       the area and the window may be hidden, and either ends the plot. */
    g_object_ref(zone);
    gtk_widget_show(scroll);
    guint fin_zone =
        gtk_signal_connect(GTK_OBJECT(zone), "destroy", GTK_SIGNAL_FUNC(marquer_fin), &fini);
    guint fin_scroll =
        gtk_signal_connect(GTK_OBJECT(scroll), "hide", GTK_SIGNAL_FUNC(marquer_fin), &fini);
    dessiner(fenetre, zone, choix, gtk_label_get_text(GTK_LABEL(GTK_BIN(widget)->child)), &fini);

    gtk_signal_disconnect(GTK_OBJECT(scroll), fin_scroll);
    /* Destroying the area has already taken its handlers away. */
    if (g_signal_handler_is_connected(zone, fin_zone))
        gtk_signal_disconnect(GTK_OBJECT(zone), fin_zone);
    g_object_unref(zone);
}
