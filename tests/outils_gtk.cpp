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
    /* Run under a French locale, the tests must really have it. */
    const char *langue = g_getenv("LC_ALL");
    if (langue && g_str_has_prefix(langue, "fr_FR") &&
        std::strcmp(localeconv()->decimal_point, ",") != 0)
        g_error("%s is missing (outils/installer generates it)", langue);
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL));
    /* A blinking cursor would make pictures depend on the time. */
    g_object_set(gtk_settings_get_default(), "gtk-cursor-blink", FALSE, NULL);
}

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

void vider_evenements()
{
    for (int tour = 0; tour < 3; tour++) {
        gdk_flush();
        gdk_window_process_all_updates();
        while (gtk_events_pending())
            gtk_main_iteration();
    }
}

static std::string texte_de(GtkWidget *w)
{
    if (GTK_IS_BUTTON(w))
        w = gtk_bin_get_child(GTK_BIN(w));
    return w && GTK_IS_LABEL(w) ? gtk_label_get_text(GTK_LABEL(w)) : "";
}

GtkWidget *trouver(GtkWidget *racine, GType type, const char *texte)
{
    if (G_TYPE_CHECK_INSTANCE_TYPE(racine, type) && (!texte || texte_de(racine) == texte))
        return racine;
    GtkWidget *trouve = nullptr;
    if (GTK_IS_CONTAINER(racine)) {
        GList *enfants = gtk_container_get_children(GTK_CONTAINER(racine));
        for (GList *l = enfants; l && !trouve; l = l->next)
            trouve = trouver(GTK_WIDGET(l->data), type, texte);
        g_list_free(enfants);
    }
    return trouve;
}

void fermer_par_le_cadre(GtkWidget *fenetre)
{
    demander_fermeture(fenetre);
    vider_evenements();
}

void detruire_fenetres()
{
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l; l = l->next)
        if (GTK_WINDOW(l->data)->type == GTK_WINDOW_TOPLEVEL)
            gtk_widget_destroy(GTK_WIDGET(l->data));
    g_list_free(fenetres);
    vider_evenements();
}

/* RGB bytes, row after row, of a pixbuf without its row padding. */
static std::string octets(GdkPixbuf *pb)
{
    int l = gdk_pixbuf_get_width(pb), h = gdk_pixbuf_get_height(pb);
    int n = gdk_pixbuf_get_n_channels(pb), pas = gdk_pixbuf_get_rowstride(pb);
    const guchar *p = gdk_pixbuf_get_pixels(pb);
    std::string o = std::to_string(l) + "x" + std::to_string(h) + ":";
    for (int y = 0; y < h; y++)
        for (int x = 0; x < l; x++)
            o.append(reinterpret_cast<const char *>(p + y * pas + x * n), 3);
    return o;
}

static GdkPixbuf *image_de(GtkWidget *w)
{
    vider_evenements();
    return gdk_pixbuf_get_from_drawable(nullptr, w->window, nullptr, 0, 0, 0, 0,
                                        w->allocation.width, w->allocation.height);
}

std::string pixels(GtkWidget *w)
{
    GdkPixbuf *pb = image_de(w);
    std::string o = octets(pb);
    g_object_unref(pb);
    return o;
}

bool vierge(GtkWidget *w)
{
    std::string o = pixels(w);
    size_t debut = o.find(':') + 1;
    for (size_t k = debut; k < o.size(); k++)
        if (o[k] != o[debut + (k - debut) % 3])
            return false;
    return true;
}

static std::string chemin(const char *nom)
{
    return std::string(DOSSIER_REFERENCES) + "/" + nom + ".png";
}

bool comme_la_reference(GtkWidget *w, std::initializer_list<const char *> noms)
{
    if (noms.size() == 1 && g_strcmp0(g_getenv("REFERENCES"), "ecrire") == 0) {
        GdkPixbuf *pb = image_de(w);
        gdk_pixbuf_save(pb, chemin(*noms.begin()).c_str(), "png", nullptr, nullptr);
        g_object_unref(pb);
        return true;
    }
    std::string attendu;
    for (const char *nom : noms) {
        GdkPixbuf *pb = gdk_pixbuf_new_from_file(chemin(nom).c_str(), nullptr);
        if (!pb)
            return false;
        std::string o = octets(pb);
        g_object_unref(pb);
        if (attendu.empty())
            attendu = o;
        for (size_t k = 0; k < o.size() && o.size() == attendu.size(); k++)
            attendu[k] = std::min(attendu[k], o[k], [](char a, char b) {
                return static_cast<guchar>(a) < static_cast<guchar>(b);
            });
    }
    return pixels(w) == attendu;
}

} // namespace outils

/* The programs' calls to these go through the counting below first: the
   test programs are linked with -Wl,--wrap for each of them. */
namespace
{
int gc = 0;
long lignes = 0, declencheur = -1;
std::function<void()> action_prevue;

void gc_fini(gpointer, GObject *)
{
    gc--;
}
} // namespace

extern "C" {
GdkGC *__real_gdk_gc_new(GdkDrawable *d);
void __real_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2);

GdkGC *__wrap_gdk_gc_new(GdkDrawable *d)
{
    GdkGC *g = __real_gdk_gc_new(d);
    gc++;
    g_object_weak_ref(G_OBJECT(g), gc_fini, nullptr);
    return g;
}

void __wrap_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2)
{
    __real_gdk_draw_line(d, g, x1, y1, x2, y2);
    if (++lignes == declencheur)
        outils::bientot(action_prevue);
}
}

int outils::gc_vivants()
{
    return gc;
}

long outils::lignes_tracees()
{
    return lignes;
}

void outils::apres_lignes(long n, const std::function<void()> &action)
{
    declencheur = lignes + n;
    action_prevue = action;
}
