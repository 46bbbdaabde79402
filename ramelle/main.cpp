/*
 * ramelle, the diagram viewer: plots the long-run values of the logistic
 * map u <- 4·a·u·(1 - u) against its parameter a, one pixel per value,
 * with a fixed cycle of zoomed views.
 *
 *   fenetre.cpp  the window, "Zoom" and its cycle (start reading here)
 *   dessin.cpp   a drawing: the sweep's values turned into pixels
 *   suite.cpp    the logistic map and the sweep, fast and exact
 */
#include "demarrage.h"
#include "ramelle.h"

int main(int argc, char *argv[])
{
    if (!processeur_convenable(&argc, &argv))
        return 1;
    remplir_zooms();
    gtk_init(&argc, &argv);
    construire_fenetre();
    gtk_main();
    return 0;
}
