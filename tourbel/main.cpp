/*
 * tourbel, the attractor viewer: follows one trajectory of a three-variable
 * system and draws it segment by segment in one of four views.
 *
 *   fenetre.cpp  the windows and their callbacks (start reading here)
 *   dessin.cpp   the plot of a view, segment by segment
 *   calcul.cpp   the vector field, the step and the screen arithmetic
 *   aide.cpp     the tutorial shown by "Aide"
 */
#include "demarrage.h"
#include "tourbel.h"

int main(int argc, char *argv[])
{
    if (!processeur_convenable(&argc, &argv))
        return 1;
    gtk_init(&argc, &argv);
    construire_fenetres();
    gtk_main();
    return 0;
}
