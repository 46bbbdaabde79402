// A plain transcription of tourbel's plot, the yardstick that the real one
// is measured against (outils/mesurer-fenetres): the same loop with a
// single-precision counter, every segment sent as computed, events handled
// after each one, and nothing more: no stop on quit, on "Effacer" or on a
// hidden window, no clipping, the graphics context never released. It
// links the real windows and replaces only the plot.
#include "calcul.h"
#include "tourbel.h"

void tracer(GtkWidget *widget, gpointer user_data)
{
    if (!gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget)))
        return;
    gint choix = GPOINTER_TO_INT(gtk_object_get_data(GTK_OBJECT(widget), CLE_CHOIX));
    GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_ZONE));
    GdkWindow *graph = zone->window;
    GdkGC *gc = gdk_gc_new(graph);
    float sigma = 10, b = 2.666667f;
    auto champ = [&](const char *cle) {
        return g_strtod(
            gtk_entry_get_text(GTK_ENTRY(gtk_object_get_data(GTK_OBJECT(user_data), cle))), NULL);
    };
    double xn = champ(CLE_XO), yn = champ(CLE_YO), zn = champ(CLE_ZO);
    float r = static_cast<float>(champ(CLE_R));
    double h = champ(CLE_H);
    int Nb = static_cast<int>(champ(CLE_NB));
    for (float i = 0; i < Nb; i = i + 1) {
        double xnn, ynn, znn, x1, y1, x2, y2;
        pas_suivant(xn, yn, zn, sigma, r, b, h, &xnn, &ynn, &znn);
        ecran(choix, xn, yn, zn, &x1, &y1);
        ecran(choix, xnn, ynn, znn, &x2, &y2);
        gdk_draw_line(graph, gc, static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                      static_cast<int>(y2));
        xn = xnn;
        yn = ynn;
        zn = znn;
        while (gtk_events_pending())
            gtk_main_iteration();
    }
}
