/*
 * The check of the processor at start-up: see demarrage.h. Built without
 * SSE (cmake/i386.cmake): the code that checks for it must not need it.
 */
#include "demarrage.h"

#include <gtk/gtk.h>

#include <cstdio>

/* Whether the processor has what the arithmetic units are built for. */
static bool calcul_ieee()
{
#ifdef __i386__
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2");
#else
    return true;
#endif
}

bool processeur_convenable(int *argc, char ***argv)
{
    if (calcul_ieee())
        return true;
    gchar *nom = g_path_get_basename((*argv)[0]);
    const char *texte = "Ce processeur n'a pas SSE2 (il en faut un Pentium 4, un Athlon 64 "
                        "ou un plus récent) : sans SSE2, ses calculs ne donneraient pas "
                        "les images justes. Rien ne sera dessiné.";
    fprintf(stderr, "%s: %s\n", nom, texte);
    if (gtk_init_check(argc, argv)) {
        GtkWidget *dialogue = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                                     GTK_BUTTONS_CLOSE, "%s", texte);
        gchar *titre = g_strdup_printf("%s : processeur sans SSE2", nom);
        gtk_window_set_title(GTK_WINDOW(dialogue), titre);
        g_free(titre);
        gtk_dialog_run(GTK_DIALOG(dialogue));
    }
    g_free(nom);
    return false;
}
