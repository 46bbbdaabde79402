/* The frame's close request: see cadre.h. */
#include "cadre.h"

#include <gdk/gdkx.h>

void demander_fermeture(GtkWidget *fenetre)
{
    XEvent ev = {};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = GDK_WINDOW_XID(fenetre->window);
    ev.xclient.message_type = gdk_x11_get_xatom_by_name("WM_PROTOCOLS");
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(gdk_x11_get_xatom_by_name("WM_DELETE_WINDOW"));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(GDK_WINDOW_XDISPLAY(fenetre->window), ev.xclient.window, False, NoEventMask, &ev);
    gdk_flush();
}
