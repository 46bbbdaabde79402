/*
 * The tutorial of "Aide", in UTF-8 as the toolkit's labels take it, one
 * literal a line of the dialog. Its wording, spaces at line ends included,
 * is shown exactly as written.
 */
#include "tourbel.h"

// clang-format off
const gchar *txt_help =
    "\n"
    "Bonjour et bienvenue dans le tutorial du programme Tourbel.\n"
    "================\n"
    "\n"
    "Ce programme permet de tracer dynamiquement l'attracteur de Tourbel.Les coordonnées de chaque point \n"
    "sont obtenues par 3 suites (voir rapport).La fenêtre est composée de plusieurs champs à remplir \n"
    "ainsi que 4 boutons radios.Il est impératif de remplir tous les champs pour obtenir un tracé.\n"
    "Pour lancer le tracé de l'attracteur sélectionnez un des 4 boutons radios.\n"
    "\n"
    "================\n"
    "\n"
    "*** Les champs à remplir sont les suivants:\n"
    " ¤ Les 3 conditions initiales (Xo, Yo et Zo) : il \n"
    "est intéressant de remarquer quequelques soient les conditons initiales on retombe toujours sur \n"
    "le même attracteur.\n"
    " ¤ La constante r : comme il est dit dans le rapport cette constante modifie \n"
    "la nature de l'attracteur. Amusez vous a modifier cette valeur, entre 0 et 30, pour modifier la \n"
    "nature chaotique de l'attracteur.\n"
    " ¤ Le pas h et le nombre de points Nbr. pt. : le pas est \n"
    "l'espacement entre deux points, il défini la précision du système. Plus le pas est faible, plus \n"
    "la précision du graphique sera élevé. \n"
    "Attention si le pas est diminué il est nécessaire \n"
    "d'augmenter le nombre de points.\n"
    "\n"
    "  Pour obtenir un tracé dynamique de l'attraceur, il est \n"
    "intéressant de diminuer fortement le pas (de l'ordre de 10^-5) et d'augmenter le nombre de \n"
    "point à 10^6.\n"
    "\n"
    "================\n"
    "*** Les boutons radios : l'attracteur de Tourbel est une \n"
    "figure en trois dimension, pour le visualiser en 2D il est donc nécessaire de le projetter \n"
    "sur 2 axes. Le quatrième bouton radio d'intitulé 'Vue 3D' est en réalité une vue en 3D de \n"
    "l'attracteur.\n"
    "\n"
    "Les valeurs par défaut présentent au démarrage du programme permettent \n"
    "lavisualisation d'un papillon de Tourbel convenable.";
// clang-format on
