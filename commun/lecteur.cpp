/* What both programs tell a screen reader: see lecteur.h. */
#include "lecteur.h"

/* On a drawing area: the different sentences of the drawings it shows, the
   last few, oldest first; and how many drawings it shows. */
static constexpr const char CLE_RECITS[] = "recits";
static constexpr const char CLE_NB_DESSINS[] = "nb_dessins";
static constexpr guint NB_RECITS = 3;

/* From ATK 2.50 on, by its "notification"; the Orca of older releases
   heeds no announcement, but says what the focused control's description
   becomes: that, put back at once. */
void annoncer(GtkWidget *fenetre, const char *texte)
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

void decrire(GtkWidget *zone, const gchar *recit, const char *pluriel)
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
    if (recits->len > NB_RECITS)
        g_ptr_array_remove_index(recits, 0);

    GString *texte = g_string_new("");
    if (nb > 1)
        g_string_printf(texte, pluriel, nb);
    for (guint i = 0; i < recits->len; i++)
        g_string_append_printf(texte, "%s%s", texte->len ? " " : "",
                               static_cast<gchar *>(recits->pdata[i]));
    atk_object_set_description(gtk_widget_get_accessible(zone), texte->str);
    g_string_free(texte, TRUE);
}
