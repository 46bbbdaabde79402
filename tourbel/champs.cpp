/*
 * The six fields of tourbel read as the plot's start: see champs.h.
 */
#include "champs.h"

/* The arithmetic built alone (CHAOS_FENETRES off) has no GLib: there the
   C library's strtod, which reads as g_strtod does in the C locale. */
#ifdef CHAMPS_SANS_GLIB
#include <cstdlib>
#define g_strtod strtod
#else
#include <glib.h>
#endif

double valeur_du_champ(const char *texte)
{
    return g_strtod(texte, nullptr);
}

depart depart_des_champs(const char *const textes[NB_CHAMPS])
{
    depart d;
    d.x = valeur_du_champ(textes[0]);
    d.y = valeur_du_champ(textes[1]);
    d.z = valeur_du_champ(textes[2]);
    d.r = simple_precision(valeur_du_champ(textes[3]));
    d.h = valeur_du_champ(textes[4]);
    d.nb = nombre_de_points(valeur_du_champ(textes[5]));
    return d;
}
