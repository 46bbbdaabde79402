/* The pen both programs draw with: see crayon.h. */
#include "crayon.h"

GdkGC *crayon(GtkWidget *zone)
{
    GdkGC *gc = gdk_gc_new(zone->window);

    /* The style of a realized widget has its colours allocated. */
    gdk_gc_set_foreground(gc, &zone->style->fg[GTK_STATE_NORMAL]);
    return gc;
}
