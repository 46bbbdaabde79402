/* Support of the window tests: see outils_gtk.h. */
#include "outils_gtk.h"

#include "cadre.h"

#include <clocale>
#include <cstring>

namespace outils
{

void preparer(int *argc, char ***argv)
{
    gtk_init(argc, argv);
    /* Run under a French locale, the tests must really have it: the
       toolkit's start puts it in force, with its decimal comma. */
    const char *langue = g_getenv("LC_ALL");
    if (langue && g_str_has_prefix(langue, "fr_FR") &&
        std::strcmp(localeconv()->decimal_point, ",") != 0)
        g_error("%s is missing (outils/installer generates it)", langue);
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL |
                                                       G_LOG_LEVEL_ERROR));
    for (const char *domaine : {"Gtk", "Gdk", "GLib", "GLib-GObject", "GdkPixbuf", "Pango"})
        g_log_set_fatal_mask(
            domaine, static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL));
}

static gboolean lancer_corps(gpointer donnee)
{
    (*static_cast<const std::function<void()> *>(donnee))();
    gtk_main_quit();
    return FALSE;
}

void dans_la_boucle(const std::function<void()> &corps)
{
    g_idle_add(lancer_corps, const_cast<std::function<void()> *>(&corps));
    gtk_main();
}

void vider_evenements()
{
    for (int tour = 0; tour < 3; tour++) {
        gdk_flush();
        gdk_window_process_all_updates();
        while (gtk_events_pending())
            gtk_main_iteration();
    }
}

static gboolean lever(gpointer drapeau)
{
    *static_cast<bool *>(drapeau) = true;
    return FALSE;
}

void patienter(guint ms)
{
    bool fini = false;
    g_timeout_add(ms, lever, &fini);
    while (!fini)
        gtk_main_iteration();
}

static gboolean lancer_action(gpointer donnee)
{
    auto *action = static_cast<std::function<void()> *>(donnee);
    (*action)();
    delete action;
    return FALSE;
}

void plus_tard(guint ms, const std::function<void()> &action)
{
    g_timeout_add(ms, lancer_action, new std::function<void()>(action));
}

static const char *texte_de(GtkWidget *w)
{
    if (GTK_IS_LABEL(w))
        return gtk_label_get_text(GTK_LABEL(w));
    if (GTK_IS_BUTTON(w)) {
        GtkWidget *enfant = gtk_bin_get_child(GTK_BIN(w));
        return enfant && GTK_IS_LABEL(enfant) ? gtk_label_get_text(GTK_LABEL(enfant)) : "";
    }
    return "";
}

GtkWidget *trouver(GtkWidget *racine, GType type, const char *texte)
{
    if (G_TYPE_CHECK_INSTANCE_TYPE(racine, type) &&
        (!texte || std::strcmp(texte_de(racine), texte) == 0))
        return racine;
    if (!GTK_IS_CONTAINER(racine))
        return nullptr;
    GList *enfants = gtk_container_get_children(GTK_CONTAINER(racine));
    GtkWidget *trouve = nullptr;
    for (GList *l = enfants; l && !trouve; l = l->next)
        trouve = trouver(GTK_WIDGET(l->data), type, texte);
    g_list_free(enfants);
    return trouve;
}

bool glyphes_complets(GtkWidget *label)
{
    return pango_layout_get_unknown_glyphs_count(gtk_label_get_layout(GTK_LABEL(label))) == 0;
}

std::string texte_bouton(GtkWidget *bouton)
{
    return texte_de(bouton);
}

void fermer_par_le_cadre(GtkWidget *fenetre)
{
    demander_fermeture(fenetre);
    vider_evenements();
}

void detruire_fenetres()
{
    GList *fenetres = gtk_window_list_toplevels();
    /* Only the programs' own windows: the toolkit keeps popups of its own
       (the tooltip window) and goes on using them. */
    for (GList *l = fenetres; l; l = l->next)
        if (GTK_WINDOW(l->data)->type == GTK_WINDOW_TOPLEVEL)
            gtk_widget_destroy(GTK_WIDGET(l->data));
    g_list_free(fenetres);
    vider_evenements();
}

image lire(GdkDrawable *d, int largeur, int hauteur)
{
    image im;
    GdkPixbuf *pb = gdk_pixbuf_get_from_drawable(nullptr, d, gdk_drawable_get_colormap(d), 0, 0, 0,
                                                 0, largeur, hauteur);
    im.largeur = largeur;
    im.hauteur = hauteur;
    im.px.resize(static_cast<size_t>(largeur) * hauteur);
    int pas = gdk_pixbuf_get_rowstride(pb), n = gdk_pixbuf_get_n_channels(pb);
    const guchar *p = gdk_pixbuf_get_pixels(pb);
    for (int y = 0; y < hauteur; y++)
        for (int x = 0; x < largeur; x++) {
            const guchar *q = p + y * pas + x * n;
            im.px[static_cast<size_t>(y) * largeur + x] = (q[0] << 16) | (q[1] << 8) | q[2];
        }
    g_object_unref(pb);
    return im;
}

image lire_zone(GtkWidget *zone)
{
    vider_evenements();
    return lire(zone->window, zone->allocation.width, zone->allocation.height);
}

GdkPixmap *toile(GdkDrawable *modele, int largeur, int hauteur, guint32 fond)
{
    GdkPixmap *p = gdk_pixmap_new(modele, largeur, hauteur, -1);
    GdkGC *gc = gdk_gc_new(p);
    GdkColor c = {};
    c.red = static_cast<guint16>(((fond >> 16) & 0xff) * 257);
    c.green = static_cast<guint16>(((fond >> 8) & 0xff) * 257);
    c.blue = static_cast<guint16>((fond & 0xff) * 257);
    gdk_gc_set_rgb_fg_color(gc, &c);
    gdk_draw_rectangle(p, gc, TRUE, 0, 0, largeur, hauteur);
    g_object_unref(gc);
    return p;
}

long differences(const image &a, const image &b)
{
    if (a.largeur != b.largeur || a.hauteur != b.hauteur)
        return -1;
    long n = 0;
    for (size_t k = 0; k < a.px.size(); k++)
        n += a.px[k] != b.px[k];
    return n;
}

} // namespace outils
