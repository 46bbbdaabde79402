/*
 * A toolkit module that drives a real program from inside, for the tests
 * that need the program itself: its exit status, its quit, its windows
 * closed from their frames, real clicks and typing, its memory. Loaded
 * with the toolkit's own option
 *   programme --gtk-module=/path/libpilote.so
 * it makes the toolkit's warnings and criticals fatal, then reads a script
 * from the PILOTE environment variable, one command a line (or separated
 * by ';'):
 *   attendre MS        let MS milliseconds pass before what follows
 *   clic TEXTE         emit "clicked" on the button whose label is TEXTE
 *   souris TEXTE       click that button with the mouse, through the server
 *   texte CLE VALEUR   put VALEUR into the entry kept under CLE
 *   taper CLE VALEUR   click into that entry and type VALEUR on the keyboard
 *   verifier CLE VALEUR  fail unless that entry holds VALEUR
 *   fermer TITRE       close the window whose title starts with TITRE from
 *                      its frame, as a window manager does
 *   capture TITRE F    save what that window shows as the PNG file F
 *   cycles N KO A | B | ...  run the commands A, B, ... one after the other,
 *                      N times over, and fail if the resident memory grew
 *                      by more than KO kB from the end of the first time
 *                      to the end of the last (see mesurer_cycles)
 *   hasard N           N random actions, then quit (see hasard.cpp)
 * Each command runs from its own timer, so a command may run while an
 * earlier one (a plot) is still running, as a person's click would; only
 * "cycles" runs alone, the commands due meanwhile waiting for its end.
 */
#include "pilote.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace pilote
{
namespace
{

/* Set while "cycles" runs: other commands wait for it. */
bool occupe = false;

GtkWidget *entree(const std::string &cle)
{
    GList *fenetres = gtk_window_list_toplevels();
    GtkWidget *trouvee = nullptr;
    for (GList *l = fenetres; l && !trouvee; l = l->next)
        trouvee = static_cast<GtkWidget *>(gtk_object_get_data(GTK_OBJECT(l->data), cle.c_str()));
    g_list_free(fenetres);
    return trouvee && GTK_IS_ENTRY(trouvee) ? trouvee : nullptr;
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

/* The resident memory of this process, in kB. */
long vmrss()
{
    std::ifstream f("/proc/self/status");
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.rfind("VmRSS:", 0) == 0)
            return std::atol(ligne.c_str() + 6);
    return -1;
}

bool executer_commande(const std::string &commande);

/* Runs the block "A | B | ..." once, each command's events handled before
   the next. FALSE if the program was asked to quit meanwhile. */
bool executer_bloc(const std::string &bloc)
{
    gchar **parties = g_strsplit(bloc.c_str(), "|", -1);
    bool suite = true;
    for (gchar **p = parties; *p && suite; p++) {
        std::string c = g_strstrip(*p);
        if (!executer_commande(c))
            echouer(3, "impossible: " + c);
        suite = laisser_courir();
    }
    g_strfreev(parties);
    return suite;
}

/* "cycles N KO BLOC": the memory a repeated action keeps. The first time
   fills the toolkit's caches (fonts, glyphs, types); from then on the
   resident size must stay within KO kB of what it was. */
void mesurer_cycles(std::string reste)
{
    int n = std::atoi(premier_mot(&reste).c_str());
    long borne = std::atol(premier_mot(&reste).c_str());
    occupe = true;
    if (!executer_bloc(reste))
        return;
    long apres_un = vmrss();
    for (int k = 1; k < n; k++)
        if (!executer_bloc(reste))
            return;
    long apres_tous = vmrss();
    occupe = false;
    std::fprintf(stderr,
                 "pilote: VmRSS %ld kB after 1 cycle, %ld kB after %d (%+ld kB, bound %ld)\n",
                 apres_un, apres_tous, n, apres_tous - apres_un, borne);
    if (apres_tous - apres_un > borne)
        echouer(5, "resident memory grows with the cycles");
}

/* One command; FALSE if its widget or window is not there. */
bool executer_commande(const std::string &commande)
{
    std::string reste = commande;
    std::string verbe = premier_mot(&reste);
    GtkWidget *w = nullptr;
    std::fprintf(stderr, "pilote: %s\n", commande.c_str());
    if (verbe == "clic" && (w = bouton(reste)))
        gtk_button_clicked(GTK_BUTTON(w));
    else if (verbe == "souris" && (w = bouton(reste)))
        cliquer(w);
    else if (verbe == "texte" && (w = entree(premier_mot(&reste))))
        gtk_entry_set_text(GTK_ENTRY(w), reste.c_str());
    else if (verbe == "taper" && (w = entree(premier_mot(&reste))))
        taper(w, reste);
    else if (verbe == "verifier" && (w = entree(premier_mot(&reste)))) {
        if (reste != gtk_entry_get_text(GTK_ENTRY(w)))
            echouer(3, std::string("the entry holds \"") + gtk_entry_get_text(GTK_ENTRY(w)) + '"');
    } else if (verbe == "fermer" && (w = fenetre_titree(reste)))
        fermer(w);
    else if (verbe == "capture" && (w = fenetre_titree(premier_mot(&reste))))
        capturer(w, reste);
    else if (verbe == "cycles")
        mesurer_cycles(reste);
    else if (verbe == "hasard")
        lancer_hasard(std::atoi(reste.c_str()));
    else
        return false;
    return true;
}

/* The timer of one script command; it waits while "cycles" runs. */
gboolean executer(gpointer donnee)
{
    std::string *commande = static_cast<std::string *>(donnee);
    if (occupe) {
        g_timeout_add(20, executer, commande);
        return FALSE;
    }
    if (!executer_commande(*commande))
        echouer(3, "impossible: " + *commande);
    delete commande;
    return FALSE;
}

/* Warnings and criticals of the toolkit and its libraries end the
   program (abort), as in every window test. */
void rendre_fatals()
{
    auto graves = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL);
    g_log_set_always_fatal(static_cast<GLogLevelFlags>(graves | G_LOG_LEVEL_ERROR));
    for (const char *domaine :
         {"Gtk", "Gdk", "GLib", "GLib-GObject", "GLib-GIO", "GdkPixbuf", "Pango", "GModule"})
        g_log_set_fatal_mask(domaine, graves);
}

} // namespace
} // namespace pilote

extern "C" G_MODULE_EXPORT void gtk_module_init(gint *, gchar ***)
{
    pilote::rendre_fatals();
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
            g_timeout_add(quand, pilote::executer, new std::string(commande));
    }
    g_strfreev(lignes);
}
