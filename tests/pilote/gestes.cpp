/*
 * The pilot's hands: it finds the programs' widgets and acts on them
 * through the X server's test extension (XTest), so that a click or a key
 * reaches the program exactly as one of a person would: pointer motion,
 * button or key press and release, delivered by the server to whatever
 * window is really there, and handled whenever the program gets to it.
 */
#include "pilote.h"

#include "cadre.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pilote
{

void echouer(int statut, const std::string &pourquoi)
{
    std::fprintf(stderr, "pilote: %s\n", pourquoi.c_str());
    std::fflush(stderr);
    std::_Exit(statut);
}

std::vector<GtkWidget *> fenetres_visibles()
{
    std::vector<GtkWidget *> v;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l; l = l->next)
        if (GTK_WIDGET_VISIBLE(l->data) && GTK_WIDGET_MAPPED(l->data))
            v.push_back(GTK_WIDGET(l->data));
    g_list_free(fenetres);
    return v;
}

GtkWidget *fenetre_titree(const std::string &titre)
{
    for (GtkWidget *f : fenetres_visibles()) {
        const char *t = gtk_window_get_title(GTK_WINDOW(f));
        if (t && std::strncmp(t, titre.c_str(), titre.size()) == 0)
            return f;
    }
    return nullptr;
}

std::string etiquette(GtkWidget *b)
{
    GtkWidget *enfant = gtk_bin_get_child(GTK_BIN(b));
    return enfant && GTK_IS_LABEL(enfant) ? gtk_label_get_text(GTK_LABEL(enfant)) : "";
}

static GtkWidget *bouton_dans(GtkWidget *w, const std::string &texte)
{
    if (GTK_IS_BUTTON(w) && etiquette(w) == texte)
        return w;
    if (!GTK_IS_CONTAINER(w))
        return nullptr;
    GList *enfants = gtk_container_get_children(GTK_CONTAINER(w));
    GtkWidget *trouve = nullptr;
    for (GList *l = enfants; l && !trouve; l = l->next)
        trouve = bouton_dans(GTK_WIDGET(l->data), texte);
    g_list_free(enfants);
    return trouve;
}

GtkWidget *bouton(const std::string &texte)
{
    GtkWidget *trouve = nullptr;
    GList *fenetres = gtk_window_list_toplevels();
    for (GList *l = fenetres; l && !trouve; l = l->next)
        trouve = bouton_dans(GTK_WIDGET(l->data), texte);
    g_list_free(fenetres);
    return trouve;
}

static void ajouter_atteignables(GtkWidget *w, GType type, std::vector<GtkWidget *> *v)
{
    if (!GTK_WIDGET_MAPPED(w) || !GTK_WIDGET_IS_SENSITIVE(w))
        return;
    if (G_TYPE_CHECK_INSTANCE_TYPE(w, type))
        v->push_back(w);
    if (!GTK_IS_CONTAINER(w))
        return;
    GList *enfants = gtk_container_get_children(GTK_CONTAINER(w));
    for (GList *l = enfants; l; l = l->next)
        ajouter_atteignables(GTK_WIDGET(l->data), type, v);
    g_list_free(enfants);
}

std::vector<GtkWidget *> atteignables(GtkWidget *racine, GType type)
{
    std::vector<GtkWidget *> v;
    ajouter_atteignables(racine, type, &v);
    return v;
}

GtkWidget *fenetre_principale()
{
    GtkWidget *b = bouton("Fermer");
    return b ? gtk_widget_get_toplevel(b) : nullptr;
}

static Display *affichage()
{
    return GDK_DISPLAY_XDISPLAY(gdk_display_get_default());
}

/* The centre of w on the screen. A widget without a window of its own
   lies at its allocation inside its parent's window. */
static void centre(GtkWidget *w, int *x, int *y)
{
    gint ox, oy;
    gdk_window_get_origin(w->window, &ox, &oy);
    if (GTK_WIDGET_NO_WINDOW(w)) {
        ox += w->allocation.x;
        oy += w->allocation.y;
    }
    *x = ox + w->allocation.width / 2;
    *y = oy + w->allocation.height / 2;
}

void cliquer(GtkWidget *w)
{
    if (!GTK_WIDGET_MAPPED(w) || !w->window)
        echouer(3, "nothing on screen to click");
    /* Without a window manager every window opens at the same place: the
       one clicked comes to the front, as a person's click would bring it. */
    gdk_window_raise(gtk_widget_get_toplevel(w)->window);
    int x, y;
    centre(w, &x, &y);
    Display *dpy = affichage();
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
}

/* A press and release of the key for keysym, with Shift held if the
   keyboard has that symbol on the shifted level of its key. */
static void frapper(KeySym ks, bool controle = false)
{
    Display *dpy = affichage();
    KeyCode kc = XKeysymToKeycode(dpy, ks);
    if (!kc)
        echouer(3, "no key for symbol " + std::to_string(ks));
    bool maj = XkbKeycodeToKeysym(dpy, kc, 0, 0) != ks;
    KeyCode modif = XKeysymToKeycode(dpy, controle ? XK_Control_L : XK_Shift_L);
    if (maj || controle)
        XTestFakeKeyEvent(dpy, modif, True, CurrentTime);
    XTestFakeKeyEvent(dpy, kc, True, CurrentTime);
    XTestFakeKeyEvent(dpy, kc, False, CurrentTime);
    if (maj || controle)
        XTestFakeKeyEvent(dpy, modif, False, CurrentTime);
}

void taper(GtkWidget *entree, const std::string &texte)
{
    cliquer(entree);
    /* Control-A selects the whole text; what is typed then replaces it. */
    frapper(XK_a, true);
    if (texte.empty())
        frapper(XK_BackSpace);
    /* Printable ASCII characters are their own keysyms. */
    for (unsigned char c : texte)
        frapper(c >= 0x20 && c < 0x7f ? c : '?');
    XFlush(affichage());
}

void fermer(GtkWidget *fenetre)
{
    demander_fermeture(fenetre);
}

bool laisser_courir()
{
    /* Twice: what the first events ask for (a window shown, a paint) may
       bring more events of its own. */
    for (int tour = 0; tour < 2; tour++) {
        XSync(affichage(), False);
        gdk_window_process_all_updates();
        while (gtk_events_pending())
            if (gtk_main_iteration())
                return false;
    }
    return true;
}

} // namespace pilote
