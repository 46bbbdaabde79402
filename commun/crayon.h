/*
 * The pen both programs draw with: a graphics context on a drawing area,
 * in the foreground colour of the area's style, as its background already
 * is the style's. The default theme makes it black; a dark desktop theme
 * makes it light, so that a plot reads on the dark area as a label does.
 */
#pragma once

#include <gtk/gtk.h>

/* A graphics context of its own for one drawing on zone, realized, in its
   style's normal foreground; the caller releases it (gdk_gc_unref). */
GdkGC *crayon(GtkWidget *zone);
