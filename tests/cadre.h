/*
 * The close request that a window manager sends when a window is closed
 * from its frame, shared by the window tests and the pilot module.
 */
#pragma once

#include <gtk/gtk.h>

/* Sends the top-level window fenetre the frame's close request
   (WM_DELETE_WINDOW), through the X server as a window manager does. */
void demander_fermeture(GtkWidget *fenetre);
