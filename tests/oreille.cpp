/*
 * What a screen reader is told unasked by a GTK 2 program that has loaded
 * the toolkit's accessibility module (gail): ecouter() for the window
 * tests (outils_gtk.h), in order with what is drawn. What Orca itself then
 * says of the real programs: tests/orca.sh.
 */
#include "outils_gtk.h"

static void (*noter)(const std::string &);

/* From ATK 2.50 on, ATK's notification. */
#if ATK_CHECK_VERSION(2, 50, 0)
static gboolean notification(GSignalInvocationHint *, guint, const GValue *v, gpointer)
{
    noter(g_value_get_string(v + 1));
    return TRUE;
}
#endif

/* A control's description changed. Before 2.50, Orca 43 says the focused
   one's as an announcement; it must be put back empty at once, which the
   tests read (outils::dit). From 2.50 none is ever to be touched. */
static gboolean description(GSignalInvocationHint *, guint, const GValue *v, gpointer)
{
    auto *p = static_cast<AtkPropertyValues *>(g_value_get_pointer(v + 1));
    if (!g_str_equal(p->property_name, "accessible-description"))
        return TRUE;
    GtkWidget *w = GTK_ACCESSIBLE(g_value_get_object(v))->widget;
    if (!GTK_WIDGET_CAN_FOCUS(w))
        return TRUE;
    const char *d = g_value_get_string(&p->new_value);
#if ATK_CHECK_VERSION(2, 50, 0)
    noter(std::string("description touchée : ") + d);
#else
    if (*d && gtk_widget_is_focus(w))
        noter(d);
#endif
    return TRUE;
}

void outils::ecouter(void (*n)(const std::string &))
{
    noter = n;
    g_type_class_ref(ATK_TYPE_OBJECT); /* its signals, for the listeners */
    atk_add_global_event_listener(description, "Gtk:AtkObject:property-change");
#if ATK_CHECK_VERSION(2, 50, 0)
    atk_add_global_event_listener(notification, "Gtk:AtkObject:notification");
#endif
}
