/* Support of the window tests: see outils_gtk.h. */
#include "outils_gtk.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

using action = std::function<void()>;

static gboolean lancer(gpointer a)
{
    (*static_cast<action *>(a))();
    delete static_cast<action *>(a);
    return FALSE;
}

void outils::bientot(const action &a)
{
    g_idle_add(lancer, new action(a));
}

void outils::dans_la_boucle(const action &corps)
{
    bientot([&] {
        corps();
        gtk_main_quit();
    });
    gtk_main();
}

/* What was heard, and how many lines had been drawn at its last line. */
static std::string entendues;
static long lignes_notees;
static void noter_les_segments()
{
    if (long n = outils::lignes_tracees - lignes_notees)
        entendues += "[" + std::to_string(n) + " segments]\n";
    lignes_notees = outils::lignes_tracees;
}

std::string outils::entendu()
{
    noter_les_segments();
    return std::exchange(entendues, "");
}

/* main() of both window test programs: all their tests, run from within
   gtk_main, as the programs' callbacks run. */
int main(int argc, char **argv)
{
    gtk_init(&argc, &argv);
    outils::ecouter([](const std::string &ligne) {
        noter_les_segments();
        entendues += ligne + "\n";
    });
    /* Run under a French locale, the tests must really have it. */
    if (g_str_has_prefix(g_getenv("LC_ALL") ? g_getenv("LC_ALL") : "", "fr") &&
        *localeconv()->decimal_point != ',')
        g_error("LC_ALL=%s is missing (outils/installer generates it)", g_getenv("LC_ALL"));
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL));
    /* A blinking cursor would make pictures depend on the time. */
    g_object_set(gtk_settings_get_default(), "gtk-cursor-blink", FALSE, NULL);
    testing::InitGoogleTest(&argc, argv);
    int statut = 0;
    outils::dans_la_boucle([&] { statut = RUN_ALL_TESTS(); });
    return statut;
}

void outils::vider_evenements()
{
    for (int tour = 0; tour < 3; tour++) {
        gdk_flush();
        gdk_window_process_all_updates();
        while (gtk_events_pending())
            gtk_main_iteration();
    }
}

GtkWidget *outils::bouton(GtkWidget *w, const char *texte)
{
    GtkWidget *trouve = nullptr, *enfant = GTK_IS_BUTTON(w) ? GTK_BIN(w)->child : nullptr;
    if (enfant && GTK_IS_LABEL(enfant) && !strcmp(gtk_label_get_text(GTK_LABEL(enfant)), texte))
        return w;
    GList *enfants = GTK_IS_CONTAINER(w) ? gtk_container_get_children(GTK_CONTAINER(w)) : nullptr;
    for (GList *l = enfants; l && !trouve; l = l->next)
        trouve = bouton(GTK_WIDGET(l->data), texte);
    g_list_free(enfants);
    return trouve;
}

void outils::cliquer(GtkWidget *racine, const char *texte)
{
    gtk_button_clicked(GTK_BUTTON(bouton(racine, texte)));
}

void outils::fermer_par_le_cadre(GtkWidget *fenetre)
{
    GdkEvent *demande = gdk_event_new(GDK_DELETE);
    demande->any.window = GDK_WINDOW(g_object_ref(fenetre->window));
    gdk_event_put(demande);
    gdk_event_free(demande);
    vider_evenements();
}

/* Size and RGB bytes of a picture, which it releases. */
static std::string octets(GdkPixbuf *pb)
{
    int l = gdk_pixbuf_get_width(pb), h = gdk_pixbuf_get_height(pb);
    std::string o = std::to_string(l) + "x" + std::to_string(h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < l; x++)
            o.append(reinterpret_cast<char *>(gdk_pixbuf_get_pixels(pb)) +
                         y * gdk_pixbuf_get_rowstride(pb) + x * gdk_pixbuf_get_n_channels(pb),
                     3);
    g_object_unref(pb);
    return o;
}

/* What w shows, once every pending event is handled. */
static GdkPixbuf *vu(GtkWidget *w)
{
    outils::vider_evenements();
    return gdk_pixbuf_get_from_drawable(nullptr, w->window, nullptr, 0, 0, 0, 0,
                                        w->allocation.width, w->allocation.height);
}

/* The bytes of the pixel of colour rrggbb. */
static std::string rvb(const char *hexa)
{
    unsigned c = 0;
    sscanf(hexa, "%6x", &c);
    return {char(c >> 16), char(c >> 8), char(c)};
}

bool outils::comme_la_reference(GtkWidget *w, const char *nom)
{
    std::string chemin = std::string(DOSSIER_REFERENCES "/") + nom + ".png";
    GdkPixbuf *montre = vu(w);
    if (g_strcmp0(g_getenv("REFERENCES"), "ecrire") == 0)
        gdk_pixbuf_save(montre, chemin.c_str(), "png", nullptr, nullptr);
    GdkPixbuf *image = gdk_pixbuf_new_from_file(chemin.c_str(), nullptr);
    int l = w->allocation.width, h = w->allocation.height;
    if (!image || gdk_pixbuf_get_width(image) < l || gdk_pixbuf_get_height(image) < h)
        return false;
    if (!GTK_IS_DRAWING_AREA(w))
        return octets(image) == octets(montre);
    /* A drawing area: its drawing in the theme's colours. */
    std::string attendu =
        octets(gdk_pixbuf_new_subpixbuf(image, 0, gdk_pixbuf_get_height(image) - h, l, h));
    g_object_unref(image);
    const char *couleurs = g_getenv("COULEURS_DU_THEME");
    const std::string noir(3, '\0'), trait = rvb(couleurs), fond = rvb(couleurs + 7);
    for (size_t i = attendu.size() - 3 * l * h; i < attendu.size(); i += 3) /* after the size */
        attendu.replace(i, 3, attendu.compare(i, 3, noir) ? fond : trait);
    return octets(montre) == attendu;
}

std::string outils::dit(GtkWidget *w)
{
    AtkObject *a = gtk_widget_get_accessible(w);
    const char *n = atk_object_get_name(a), *d = atk_object_get_description(a);
    /* Asked as the bridge to the bus asks, the state set too. */
    AtkRelationSet *relations = atk_object_ref_relation_set(a);
    AtkRelation *r = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABELLED_BY);
    AtkObject *l = r ? ATK_OBJECT(atk_relation_get_target(r)->pdata[0]) : nullptr;
    g_object_unref(relations);
    g_object_unref(atk_object_ref_state_set(a));
    return atk_role_get_name(atk_object_get_role(a)) + (" " + std::string(n ? n : "")) +
           (l ? " (" + std::string(atk_object_get_name(l)) + ")" : "") + " : " + (d ? d : "");
}

/* The programs' calls to it reach the counting below first. */
long outils::lignes_tracees = 0;
static long declencheur = -1;
static action action_prevue;

void outils::apres_lignes(long n, const action &a)
{
    declencheur = lignes_tracees + n;
    action_prevue = a;
}

extern "C" {
void __real_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2);

void __wrap_gdk_draw_line(GdkDrawable *d, GdkGC *g, gint x1, gint y1, gint x2, gint y2)
{
    __real_gdk_draw_line(d, g, x1, y1, x2, y2);
    if (++outils::lignes_tracees == declencheur)
        outils::bientot(action_prevue);
}
}
