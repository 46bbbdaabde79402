/* Support of the window tests: see outils_gtk.h. */
#include "outils_gtk.h"

/* Before the X headers, whose None is a macro. */
#include <gtest/gtest.h>

#include <gdk/gdkx.h>

#include <clocale>
#include <cstring>

namespace outils
{

static gboolean lancer(gpointer donnee)
{
    auto *action = static_cast<std::function<void()> *>(donnee);
    (*action)();
    delete action;
    return FALSE;
}

void bientot(const std::function<void()> &action)
{
    g_idle_add(lancer, new std::function<void()>(action));
}

void dans_la_boucle(const std::function<void()> &corps)
{
    bientot([&] {
        corps();
        gtk_main_quit();
    });
    gtk_main();
}

int lancer_les_tests(int argc, char **argv)
{
    gtk_init(&argc, &argv);
    /* Run under a French locale, the tests must really have it. */
    const char *langue = g_getenv("LC_ALL");
    if (langue && g_str_has_prefix(langue, "fr_FR") &&
        std::strcmp(localeconv()->decimal_point, ",") != 0)
        g_error("%s is missing (outils/installer generates it)", langue);
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL));
    /* A blinking cursor would make pictures depend on the time. */
    g_object_set(gtk_settings_get_default(), "gtk-cursor-blink", FALSE, NULL);
    testing::InitGoogleTest(&argc, argv);
    int statut = 0;
    dans_la_boucle([&] { statut = RUN_ALL_TESTS(); });
    return statut;
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

static GtkWidget *bouton(GtkWidget *w, const char *texte)
{
    GtkWidget *enfant = GTK_IS_BUTTON(w) ? gtk_bin_get_child(GTK_BIN(w)) : nullptr;
    if (enfant && GTK_IS_LABEL(enfant) &&
        !std::strcmp(gtk_label_get_text(GTK_LABEL(enfant)), texte))
        return w;
    GtkWidget *trouve = nullptr;
    GList *enfants = GTK_IS_CONTAINER(w) ? gtk_container_get_children(GTK_CONTAINER(w)) : nullptr;
    for (GList *l = enfants; l && !trouve; l = l->next)
        trouve = bouton(GTK_WIDGET(l->data), texte);
    g_list_free(enfants);
    return trouve;
}

void cliquer(GtkWidget *racine, const char *texte)
{
    gtk_button_clicked(GTK_BUTTON(bouton(racine, texte)));
}

void fermer_par_le_cadre(GtkWidget *fenetre)
{
    XEvent ev = {};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = GDK_WINDOW_XID(fenetre->window);
    ev.xclient.message_type = gdk_x11_get_xatom_by_name("WM_PROTOCOLS");
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(gdk_x11_get_xatom_by_name("WM_DELETE_WINDOW"));
    XSendEvent(GDK_WINDOW_XDISPLAY(fenetre->window), ev.xclient.window, False, NoEventMask, &ev);
    vider_evenements();
}

static GdkPixbuf *image_de(GtkWidget *w)
{
    vider_evenements();
    return gdk_pixbuf_get_from_drawable(nullptr, w->window, nullptr, 0, 0, 0, 0,
                                        w->allocation.width, w->allocation.height);
}

static std::string octets(GdkPixbuf *pb)
{
    int l = gdk_pixbuf_get_width(pb), h = gdk_pixbuf_get_height(pb);
    std::string o = std::to_string(l) + "x" + std::to_string(h) + ":";
    for (int y = 0; y < h; y++)
        for (int x = 0; x < l; x++)
            o.append(reinterpret_cast<const char *>(gdk_pixbuf_get_pixels(pb)) +
                         y * gdk_pixbuf_get_rowstride(pb) + x * gdk_pixbuf_get_n_channels(pb),
                     3);
    g_object_unref(pb);
    return o;
}

bool comme_la_reference(GtkWidget *w, const char *nom)
{
    std::string chemin = std::string(DOSSIER_REFERENCES "/") + nom + ".png";
    if (g_strcmp0(g_getenv("REFERENCES"), "ecrire") == 0)
        return gdk_pixbuf_save(image_de(w), chemin.c_str(), "png", nullptr, nullptr);
    GdkPixbuf *pb = gdk_pixbuf_new_from_file(chemin.c_str(), nullptr);
    return pb && octets(pb) == octets(image_de(w));
}

} // namespace outils

/* The programs' calls to these reach the counting below first. */
int outils::gc_vivants = 0;
long outils::lignes_tracees = 0;
static long declencheur = -1;
static std::function<void()> action_prevue;

void outils::apres_lignes(long n, const std::function<void()> &action)
{
    declencheur = lignes_tracees + n;
    action_prevue = action;
}

extern "C" {
GdkGC *__real_gdk_gc_new(GdkDrawable *d);
void __real_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2);

GdkGC *__wrap_gdk_gc_new(GdkDrawable *d)
{
    GdkGC *g = __real_gdk_gc_new(d);
    outils::gc_vivants++;
    g_object_weak_ref(
        G_OBJECT(g), [](gpointer, GObject *) { outils::gc_vivants--; }, nullptr);
    return g;
}

void __wrap_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2)
{
    __real_gdk_draw_line(d, g, x1, y1, x2, y2);
    if (++outils::lignes_tracees == declencheur)
        outils::bientot(action_prevue);
}
}
