/*
 * A toolkit module that drives a real program from inside, for what only
 * the program itself shows: its exit status, its quit in the middle of a
 * plot, and the README's screenshots. Loaded with the toolkit's option
 *   programme --gtk-module=/path/libpilote.so
 * it makes the toolkit's warnings and criticals fatal, then reads a script
 * from the PILOTE environment variable, one command a line (or separated
 * by ';'):
 *   attendre MS        let MS milliseconds pass before what follows
 *   clic TEXTE         emit "clicked" on the button whose label is TEXTE
 *   texte CLE VALEUR   put VALEUR into the entry kept under CLE
 *   fermer TITRE       close the window whose title starts with TITRE from
 *                      its frame, as a window manager does
 *   capture TITRE F    save what that window shows as the PNG file F
 * Each command runs from its own timer, so a command may run while an
 * earlier one (a plot) is still running, as a person's click would. A
 * command that finds nothing to act on ends the program with status 3.
 */
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

/* The first widget below w (w included) that is a button labelled texte,
   or, for a window, one whose title starts with texte. */
GtkWidget *trouver(GtkWidget *w, const std::string &texte)
{
    GtkWidget *enfant = GTK_IS_BUTTON(w) ? gtk_bin_get_child(GTK_BIN(w)) : nullptr;
    if (enfant && GTK_IS_LABEL(enfant) && texte == gtk_label_get_text(GTK_LABEL(enfant)))
        return w;
    if (GTK_IS_WINDOW(w) && GTK_WIDGET_VISIBLE(w) && gtk_window_get_title(GTK_WINDOW(w)) &&
        std::string(gtk_window_get_title(GTK_WINDOW(w))).rfind(texte, 0) == 0)
        return w;
    GtkWidget *trouve = nullptr;
    if (GTK_IS_CONTAINER(w)) {
        GList *enfants = gtk_container_get_children(GTK_CONTAINER(w));
        for (GList *l = enfants; l && !trouve; l = l->next)
            trouve = trouver(GTK_WIDGET(l->data), texte);
        g_list_free(enfants);
    }
    return trouve;
}

/* On any top-level window: a widget as trouver() finds it, or the object
   data under cle, or null. */
GtkWidget *chercher(const std::string &texte, bool cle = false)
{
    GtkWidget *trouve = nullptr;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l && !trouve; l = l->next)
        trouve = cle ? GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(l->data), texte.c_str()))
                     : trouver(GTK_WIDGET(l->data), texte);
    g_list_free(fenetres);
    return trouve;
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

/* The timer of one command: "verbe reste". */
gboolean executer(gpointer donnee)
{
    std::string *commande = static_cast<std::string *>(donnee);
    size_t espace = commande->find(' ');
    std::string verbe = commande->substr(0, espace), reste = commande->substr(espace + 1);
    std::string mot = reste.substr(0, reste.find(' ')), fin = reste.substr(reste.find(' ') + 1);
    std::fprintf(stderr, "pilote: %s\n", commande->c_str());
    GtkWidget *w = chercher(verbe == "texte"     ? mot
                            : verbe == "capture" ? mot
                                                 : reste,
                            verbe == "texte");
    if (!w)
        std::exit(3);
    if (verbe == "clic")
        gtk_button_clicked(GTK_BUTTON(w));
    else if (verbe == "texte")
        gtk_entry_set_text(GTK_ENTRY(w), fin.c_str());
    else if (verbe == "capture")
        capturer(w, fin);
    else
        std::exit(3);
    delete commande;
    return FALSE;
}

} // namespace

extern "C" G_MODULE_EXPORT void gtk_module_init(gint *, gchar ***)
{
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL));
    const char *script = g_getenv("PILOTE");
    guint quand = 0;
    gchar **lignes = g_strsplit_set(script ? script : "", "\n;", -1);
    for (gchar **l = lignes; *l; l++) {
        std::string commande = g_strstrip(*l);
        if (commande.rfind("attendre ", 0) == 0)
            quand += static_cast<guint>(std::stoul(commande.substr(9)));
        else if (!commande.empty())
            g_timeout_add(quand, executer, new std::string(commande));
    }
    g_strfreev(lignes);
}
