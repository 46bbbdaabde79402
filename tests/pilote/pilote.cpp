/*
 * A toolkit module that drives a real program from inside, for the tests
 * that need the program itself: its exit status, its quit, its windows
 * closed from their frames. Loaded with the toolkit's own option
 *   programme --gtk-module=/path/libpilote.so
 * it reads a script from the PILOTE environment variable, one command a
 * line (or separated by ';'):
 *   attendre MS        let MS milliseconds pass before what follows
 *   clic TEXTE         click the button whose label is TEXTE
 *   texte CLE VALEUR   put VALEUR into the entry kept under CLE
 *   fermer TITRE       close the window whose title starts with TITRE from
 *                      its frame, as a window manager does
 *   capture TITRE F    save what that window shows as the PNG file F
 * Each command runs from its own timer, so a command may run while an
 * earlier one (a plot) is still running, as a person's click would.
 */
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

GtkWidget *fenetre_titree(const std::string &titre)
{
    GtkWidget *trouvee = nullptr;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l && !trouvee; l = l->next) {
        const char *t = gtk_window_get_title(GTK_WINDOW(l->data));
        if (t && std::strncmp(t, titre.c_str(), titre.size()) == 0)
            trouvee = GTK_WIDGET(l->data);
    }
    g_list_free(fenetres);
    return trouvee;
}

GtkWidget *bouton_dans(GtkWidget *w, const std::string &texte)
{
    if (GTK_IS_BUTTON(w)) {
        GtkWidget *enfant = gtk_bin_get_child(GTK_BIN(w));
        if (enfant && GTK_IS_LABEL(enfant) && texte == gtk_label_get_text(GTK_LABEL(enfant)))
            return w;
    }
    if (!GTK_IS_CONTAINER(w))
        return nullptr;
    GList *enfants = gtk_container_get_children(GTK_CONTAINER(w));
    GtkWidget *trouve = nullptr;
    for (GList *l = enfants; l && !trouve; l = l->next)
        trouve = bouton_dans(GTK_WIDGET(l->data), texte);
    g_list_free(enfants);
    return trouve;
}

/* The first widget found on a top-level window: a button by its label, or
   what the window keeps under a key. */
GtkWidget *chercher(const std::string &texte, bool par_cle)
{
    GtkWidget *trouve = nullptr;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l && !trouve; l = l->next)
        trouve =
            par_cle
                ? static_cast<GtkWidget *>(gtk_object_get_data(GTK_OBJECT(l->data), texte.c_str()))
                : bouton_dans(GTK_WIDGET(l->data), texte);
    g_list_free(fenetres);
    return trouve;
}

void fermer(GtkWidget *fenetre)
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

void capturer(GtkWidget *fenetre, const std::string &fichier)
{
    gint l, h;
    gdk_drawable_get_size(fenetre->window, &l, &h);
    GdkPixbuf *pb =
        gdk_pixbuf_get_from_drawable(nullptr, fenetre->window, nullptr, 0, 0, 0, 0, l, h);
    gdk_pixbuf_save(pb, fichier.c_str(), "png", nullptr, nullptr);
    g_object_unref(pb);
}

std::string premier_mot(std::string *reste)
{
    size_t fin = reste->find(' ');
    std::string mot = reste->substr(0, fin);
    *reste = fin == std::string::npos ? "" : reste->substr(fin + 1);
    return mot;
}

/* One command; an unknown or unmet one is said and ends the program with
   status 3, so that a test never passes on a script that did nothing. */
gboolean executer(gpointer donnee)
{
    std::string *commande = static_cast<std::string *>(donnee);
    std::string reste = *commande;
    std::string verbe = premier_mot(&reste);
    GtkWidget *w = nullptr;
    std::fprintf(stderr, "pilote: %s\n", commande->c_str());
    if (verbe == "clic" && (w = chercher(reste, false)))
        gtk_button_clicked(GTK_BUTTON(w));
    else if (verbe == "texte" && (w = chercher(premier_mot(&reste), true)))
        gtk_entry_set_text(GTK_ENTRY(w), reste.c_str());
    else if (verbe == "fermer" && (w = fenetre_titree(reste)))
        fermer(w);
    else if (verbe == "capture" && (w = fenetre_titree(premier_mot(&reste))))
        capturer(w, reste);
    else {
        std::fprintf(stderr, "pilote: impossible: %s\n", commande->c_str());
        std::exit(3);
    }
    delete commande;
    return FALSE;
}

} // namespace

extern "C" G_MODULE_EXPORT void gtk_module_init(gint *, gchar ***)
{
    const char *script = g_getenv("PILOTE");
    guint quand = 0;
    gchar **lignes = g_strsplit_set(script ? script : "", "\n;", -1);
    for (gchar **l = lignes; *l; l++) {
        std::string commande = g_strstrip(*l);
        if (commande.empty())
            continue;
        if (commande.rfind("attendre ", 0) == 0)
            quand += static_cast<guint>(std::stoul(commande.substr(9)));
        else
            g_timeout_add(quand, executer, new std::string(commande));
    }
    g_strfreev(lignes);
}
