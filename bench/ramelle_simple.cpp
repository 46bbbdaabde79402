// A plain transcription of ramelle's drawing, the yardstick that the real
// one is measured against (outils/mesurer-fenetres): one orbit after the
// other in scalar code (bench/balayage_simple.h), and one point request per
// value, four million of them. It links the real window and replaces only
// the drawing.
#include "balayage_simple.h"
#include "ramelle.h"

void dessin(GtkWidget *widget, gpointer user_data, int zoom, int abs, int ord)
{
    (void)widget;
    GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_ZONE));
    GdkWindow *graph = zone->window;
    GdkGC *gc = gdk_gc_new(graph);
    gdk_draw_line(graph, gc, abs, ord, abs + 750, ord);
    gdk_draw_line(graph, gc, abs, ord, abs, ord - 550);
    balayage_simple(0, NB_PARAMETRES, [&](float i, float temp) {
        gdk_draw_point(graph, gc, static_cast<int>(zoom * static_cast<double>(i) + abs),
                       static_cast<int>(ord - zoom * static_cast<double>(temp)));
    });
}

void tracer(GtkWidget *widget, gpointer user_data)
{
    dessin(widget, user_data, 450, 20, 580);
}
