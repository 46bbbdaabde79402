/*
 * The pilot's random session ("hasard N"): N actions of a hurried person,
 * at random moments, plots and drawings running or not: clicks with the
 * mouse on every control but "Fermer", texts typed into the fields (empty,
 * garbage, signs, extreme exponents, "nan", "inf", very long, a comma for
 * the decimal point), the secondary windows closed from their frames, and
 * pauses; then the help dialogs closed and the program quit, from
 * "Fermer" or from the main window's frame.
 *
 * The choices come from one seed, PILOTE_GRAINE or else drawn and printed,
 * so that a failing run can be replayed: the same actions, though not at
 * exactly the same moments of the program's work. The program must stay
 * free of warnings (fatal here), keep each typed text as typed, and end
 * with status 0 soon after the quit.
 */
#include "pilote.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace pilote
{
namespace
{

GRand *des = nullptr;
int restants = 0, numero = 0;
/* Dialogs mapped so far: one appearing may take typed keys for itself. */
unsigned dialogues_vus = 0;
/* The last typing into each entry, by its number. */
std::map<GtkWidget *, int> derniere_saisie;
int saisies_verifiees = 0;
/* What was done, by kind ("souris Aide", "taper h", ...), for the log. */
std::map<std::string, int> faits;

int tirer(int n)
{
    return g_rand_int_range(des, 0, n);
}

template <typename T> T choisir(const std::vector<T> &v)
{
    return v[static_cast<size_t>(tirer(static_cast<int>(v.size())))];
}

/* Texts that a field may get from a person or a careless paste. */
const std::vector<std::string> textes_etranges = {
    "",       "-",        "+",          ".",           ",",      "e",     "-e5",    "+-3",
    "--1",    "-0",       "1e-320",     "4.9e-324",    "1e-400", "1e308", "-1e308", "1e309",
    "-1e309", "2e9",      "2147483647", "-2147483649", "nan",    "-nan",  "NAN",    "inf",
    "-inf",   "Infinity", "0x1p-10",    "0x",          "0,0001", "0,001", "12,5",   "-3,75",
    "1 000",  " 7",       "7 ",         "abc",         "#!@",    "1e",    "1e+",    ".5",
    "5.",     "0.0001",   "0.002",      "28",          "11",     "-20",   "1e-5",   "3.4e38"};

std::string bruit(int longueur)
{
    std::string s;
    for (int k = 0; k < longueur; k++)
        s += static_cast<char>(0x20 + tirer(0x5f));
    return s;
}

/* A very long text: digits, a number with a long tail, or noise. */
std::string texte_long()
{
    int n = 200 + tirer(1000);
    switch (tirer(3)) {
    case 0:
        return "1" + std::string(static_cast<size_t>(n), '0');
    case 1:
        return "0." + std::string(static_cast<size_t>(n), '0') + "1";
    default:
        return bruit(n);
    }
}

/* A plausible value for the field kept under cle: the count is kept small
   most of the time, so that most plots end by themselves. */
std::string texte_plausible(const std::string &cle)
{
    if (cle == "Nb")
        return std::to_string(tirer(10) < 8 ? tirer(2000) : 2000 + tirer(20000));
    if (cle == "h")
        return choisir<std::string>({"0.0001", "0.001", "0.002", "0.005", "0.01", "0.05", "1e-5"});
    return std::to_string(tirer(81) - 40) + (tirer(2) ? "." + std::to_string(tirer(100)) : "");
}

std::string texte_pour(const std::string &cle)
{
    int r = tirer(100);
    if (r < 45)
        return texte_plausible(cle);
    if (r < 85)
        return choisir(textes_etranges);
    if (r < 95)
        return bruit(1 + tirer(20));
    return texte_long();
}

/* The key under which the program keeps this entry, "" if none. */
std::string cle_de(GtkWidget *e)
{
    GtkWidget *fenetre = gtk_widget_get_toplevel(e);
    for (const char *cle : {"xo", "yo", "zo", "r", "h", "Nb"})
        if (gtk_object_get_data(GTK_OBJECT(fenetre), cle) == e)
            return cle;
    return "";
}

std::vector<GtkWidget *> secondaires()
{
    std::vector<GtkWidget *> v;
    GtkWidget *principale = fenetre_principale();
    for (GtkWidget *f : fenetres_visibles())
        if (f != principale && GTK_WINDOW(f)->type == GTK_WINDOW_TOPLEVEL)
            v.push_back(f);
    return v;
}

GtkWidget *dialogue_ouvert()
{
    for (GtkWidget *f : secondaires())
        if (GTK_IS_DIALOG(f))
            return f;
    return nullptr;
}

std::vector<GtkWidget *> partout(GType type)
{
    std::vector<GtkWidget *> v;
    for (GtkWidget *f : fenetres_visibles())
        for (GtkWidget *w : atteignables(f, type))
            v.push_back(w);
    return v;
}

void dire(const std::string &quoi)
{
    size_t texte = quoi.find(" \"");
    faits[texte == std::string::npos ? quoi : quoi.substr(0, texte)]++;
    std::fprintf(stderr, "pilote: [%d] %s\n", numero, quoi.c_str());
}

std::string apercu(const std::string &t)
{
    return t.size() <= 40
               ? '"' + t + '"'
               : '"' + t.substr(0, 40) + "...\" (" + std::to_string(t.size()) + " characters)";
}

struct saisie {
    GtkWidget *entree;
    std::string texte;
    unsigned dialogues;
    int numero;
    bool modal; /* a dialog was open: the keys went to it */
};

/* Once the typed keys have been handled (an idle runs after every pending
   event), the field holds what was typed, unless a dialog opened in
   between and took the keys, or the field was typed into again. */
gboolean verifier_saisie(gpointer donnee)
{
    auto *s = static_cast<saisie *>(donnee);
    if (!s->modal && s->dialogues == dialogues_vus && !dialogue_ouvert() &&
        derniere_saisie[s->entree] == s->numero) {
        const char *lu = gtk_entry_get_text(GTK_ENTRY(s->entree));
        if (s->texte != lu)
            echouer(6, "typed " + apercu(s->texte) + ", the field holds " + apercu(lu));
        saisies_verifiees++;
    }
    g_object_unref(s->entree);
    delete s;
    return FALSE;
}

void saisir()
{
    std::vector<GtkWidget *> entrees = partout(GTK_TYPE_ENTRY);
    if (entrees.empty())
        return;
    GtkWidget *e = choisir(entrees);
    std::string cle = cle_de(e);
    std::string texte = texte_pour(cle);
    bool modal = dialogue_ouvert() != nullptr;
    dire("taper " + cle + " " + apercu(texte));
    taper(e, texte);
    gdk_flush();
    derniere_saisie[e] = numero;
    auto *s = new saisie{GTK_WIDGET(g_object_ref(e)), texte, dialogues_vus, numero, modal};
    g_idle_add_full(G_PRIORITY_LOW, verifier_saisie, s, nullptr);
}

void cliquer_un_bouton()
{
    std::vector<GtkWidget *> boutons;
    for (GtkWidget *b : partout(GTK_TYPE_BUTTON))
        if (etiquette(b) != "Fermer")
            boutons.push_back(b);
    if (boutons.empty())
        return;
    GtkWidget *b = choisir(boutons);
    dire("souris " + etiquette(b));
    cliquer(b);
}

void fermer_une_fenetre()
{
    std::vector<GtkWidget *> v = secondaires();
    if (v.empty())
        return;
    GtkWidget *f = choisir(v);
    dire(std::string("fermer ") + gtk_window_get_title(GTK_WINDOW(f)));
    fermer(f);
}

void cliquer_un_dessin()
{
    std::vector<GtkWidget *> zones = partout(GTK_TYPE_DRAWING_AREA);
    if (zones.empty())
        return;
    dire("souris sur le dessin");
    cliquer(choisir(zones));
}

void fermer_le_dialogue(GtkWidget *d)
{
    GtkWidget *ok = bouton("ok");
    if (ok && gtk_widget_get_toplevel(ok) == d && tirer(2)) {
        dire("souris ok");
        cliquer(ok);
    } else {
        dire("fermer Aide");
        fermer(d);
    }
}

/* One action; returns the pause before the next, in milliseconds. */
guint agir()
{
    GtkWidget *d = dialogue_ouvert();
    if (d && tirer(10) < 6) {
        fermer_le_dialogue(d);
        return static_cast<guint>(tirer(30));
    }
    int r = tirer(100);
    if (r < 45)
        cliquer_un_bouton();
    else if (r < 75)
        saisir();
    else if (r < 83)
        fermer_une_fenetre();
    else if (r < 88)
        cliquer_un_dessin();
    else {
        dire("pause");
        return static_cast<guint>(100 + tirer(300));
    }
    return static_cast<guint>(tirer(4) ? tirer(30) : 0);
}

gboolean finir(gpointer);

/* The quit must end the program: a person's "Fermer" is never ignored,
   unless a dialog that opened meanwhile holds the program modal. */
gboolean quit_sans_effet(gpointer donnee)
{
    if (GPOINTER_TO_UINT(donnee) == dialogues_vus)
        echouer(4, "still running 10 s after the quit");
    g_timeout_add(0, finir, nullptr);
    return FALSE;
}

/* The end: help dialogs closed first (they hold the program modal), then
   the quit, from "Fermer" or from the main window's frame. */
gboolean finir(gpointer)
{
    numero++;
    if (GtkWidget *d = dialogue_ouvert()) {
        fermer_le_dialogue(d);
        g_timeout_add(100, finir, nullptr);
        return FALSE;
    }
    std::fprintf(stderr, "pilote: done:");
    for (const auto &[quoi, combien] : faits)
        std::fprintf(stderr, " %s %d,", quoi.c_str(), combien);
    std::fprintf(stderr, " %d typed texts read back as typed\n", saisies_verifiees);
    GtkWidget *fermer_b = bouton("Fermer");
    if (fermer_b && tirer(2)) {
        dire("souris Fermer");
        cliquer(fermer_b);
    } else {
        dire("fermer la fenêtre principale");
        fermer(fenetre_principale());
    }
    g_timeout_add(10000, quit_sans_effet, GUINT_TO_POINTER(dialogues_vus));
    return FALSE;
}

gboolean action_suivante(gpointer)
{
    if (restants-- <= 0) {
        finir(nullptr);
        return FALSE;
    }
    numero++;
    g_timeout_add(agir(), action_suivante, nullptr);
    return FALSE;
}

gboolean compter_dialogue(GSignalInvocationHint *, guint, const GValue *valeurs, gpointer)
{
    if (GTK_IS_DIALOG(g_value_get_object(&valeurs[0])))
        dialogues_vus++;
    return TRUE;
}

guint32 graine()
{
    const char *g = g_getenv("PILOTE_GRAINE");
    return g && *g ? static_cast<guint32>(std::strtoul(g, nullptr, 10)) : g_random_int();
}

} // namespace

void lancer_hasard(int n)
{
    guint32 s = graine();
    std::fprintf(stderr, "pilote: seed %u (PILOTE_GRAINE=%u replays it), %d actions\n", s, s, n);
    des = g_rand_new_with_seed(s);
    restants = n;
    g_signal_add_emission_hook(g_signal_lookup("map", GTK_TYPE_WIDGET), 0, compter_dialogue,
                               nullptr, nullptr);
    action_suivante(nullptr);
}

} // namespace pilote
