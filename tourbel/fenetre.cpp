/*
 * tourbel's windows: the main window with its six fields, four view buttons
 * and three command buttons; the drawing window "Zone de dessin"; the help
 * dialog. Start reading at construire_fenetres(), which main() calls: it
 * builds everything in the order the windows read, top to bottom, and hangs
 * on the main window, as object data, every widget a callback needs later.
 *
 * Everything runs on the toolkit's one thread. A plot (dessin.cpp) handles
 * pending events after each segment, so every callback here may run nested
 * inside a plot.
 *
 * For a screen reader, each field and view is tied to the label that
 * titles it (lier), the drawing area is a named image that each plot
 * describes and announces, and the help's pane carries the tutorial as
 * its description.
 * By keyboard, Tab reaches the views although a hidden button holds the
 * selection (focus_vue), and Space or Return on a view plots it.
 */
#include "tourbel.h"

/* Ends the main loop: "Fermer", and the main window's close from its frame,
   where returning FALSE lets the toolkit destroy the window as usual. Every
   running plot sees the quit at its next step and returns at once. */
gint close_fenetre(GtkWidget *widget, GdkEvent *event, gpointer user_data)
{
    (void)widget;
    (void)event;
    (void)user_data;
    gtk_main_quit();
    return FALSE;
}

/* A blank drawing area, named for screen readers; each plot puts what
   the area shows in its description (dessin.cpp). */
static GtkWidget *nouvelle_zone(void)
{
    GtkWidget *zone = gtk_drawing_area_new();
    AtkObject *a = gtk_widget_get_accessible(zone);

    atk_object_set_role(a, ATK_ROLE_IMAGE);
    atk_object_set_name(a, "Attracteur de Tourbel");
    return zone;
}

/* "Effacer": puts a fresh drawing area in place of the old one (clearing
   never paints) and selects the hidden "fictif" button, so that every view,
   the last one drawn included, starts a plot again when chosen. */
void effacer(GtkWidget *widget, gpointer user_data)
{
    (void)widget;
    GtkWidget *zone = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_ZONE));
    GtkWidget *scroll = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_SCROLL));
    GtkWidget *radio;

    gtk_widget_destroy(zone);
    zone = nouvelle_zone();
    gtk_widget_set_usize(scroll, 1024, 900);
    gtk_container_add(GTK_CONTAINER(scroll), zone);
    gtk_widget_show(scroll);
    /* The new area is named before the views are reset, so that no callback
       run by the reset can reach the destroyed one. */
    gtk_object_set_data(GTK_OBJECT(user_data), CLE_ZONE, zone);
    gtk_object_set_data(GTK_OBJECT(user_data), CLE_SCROLL, scroll);

    radio = GTK_WIDGET(gtk_object_get_data(GTK_OBJECT(user_data), CLE_RADIO));
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(radio), TRUE);
    gtk_widget_show(zone);
    gtk_widget_show(GTK_WIDGET(user_data));
}

/* "ok" of the help dialog: destroys the dialog and all in it. */
gint fermer_dialogue(GtkWidget *widget, gpointer user_data)
{
    (void)widget;
    gtk_widget_destroy(GTK_WIDGET(user_data));
    return 0;
}

/* The help dialog closed from its frame: destroyed the same way. */
gint fermer_dialogue1(GtkWidget *widget, GdkEvent *event, gpointer user_data)
{
    (void)event;
    return fermer_dialogue(widget, user_data);
}

/* "Aide": a new modal dialog with the tutorial; it returns at once, so a
   running plot goes on while the dialog is open. */
void help(GtkWidget *widget, gpointer user_data)
{
    (void)widget;
    (void)user_data;
    GtkWidget *popup, *label, *scroll, *boutonfermer;

    popup = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(popup), "Aide");
    gtk_widget_set_usize(popup, 660, 600);

    /* The text scrolls in a viewport that fills the dialog. */
    label = gtk_label_new(txt_help);
    scroll = gtk_scrolled_window_new(NULL, NULL);
    gtk_scrolled_window_add_with_viewport(GTK_SCROLLED_WINDOW(scroll), label);
    /* The pane holds the focus when the dialog opens: a screen reader then
       reads its description, the whole text. */
    atk_object_set_name(gtk_widget_get_accessible(scroll), "Tutoriel");
    atk_object_set_description(gtk_widget_get_accessible(scroll), txt_help);
    gtk_container_add(GTK_CONTAINER(GTK_DIALOG(popup)->vbox), scroll);

    /* "ok" and the frame's close both destroy the dialog. */
    boutonfermer = gtk_button_new_with_label("ok");
    gtk_container_add(GTK_CONTAINER(GTK_DIALOG(popup)->action_area), boutonfermer);
    gtk_signal_connect(GTK_OBJECT(boutonfermer), "clicked", GTK_SIGNAL_FUNC(fermer_dialogue),
                       popup);
    gtk_signal_connect(GTK_OBJECT(popup), "delete-event", GTK_SIGNAL_FUNC(fermer_dialogue1), popup);

    gtk_window_set_modal(GTK_WINDOW(popup), TRUE);
    gtk_widget_show_all(popup);
}

/* Ties a control to the label that titles it, for screen readers alone:
   each names the other in its relations, and no pixel changes. */
static void lier(GtkWidget *controle, GtkWidget *label)
{
    AtkObject *c = gtk_widget_get_accessible(controle), *l = gtk_widget_get_accessible(label);

    /* The control's own relations first: a radio button's accessible puts
       its group there when first asked, and, if the set then holds other
       relations but no group yet, it removes a group that is not there,
       which ATK reports as a critical. */
    g_object_unref(atk_object_ref_relation_set(c));
    atk_object_add_relationship(c, ATK_RELATION_LABELLED_BY, l);
    atk_object_add_relationship(l, ATK_RELATION_LABEL_FOR, c);
}

/* A labelled entry in a row of fields, kept on the main window under cle.
   A screen reader names it by its label's text, as the eye reads it.
   Return in it does nothing: a plot starts from a view, and the default
   button, which Return would otherwise press, is "Aide". */
static void champ(GtkWidget *fenetre, GtkWidget *rangee, const char *titre, const char *texte,
                  const char *cle)
{
    GtkWidget *label = gtk_label_new(titre);
    GtkWidget *entree = gtk_entry_new();

    gtk_container_add(GTK_CONTAINER(rangee), label);
    lier(entree, label);
    atk_object_set_name(gtk_widget_get_accessible(entree), titre);
    gtk_entry_set_text(GTK_ENTRY(entree), texte);
    gtk_container_add(GTK_CONTAINER(rangee), entree);
    gtk_object_set_data(GTK_OBJECT(fenetre), cle, entree);
}

/* Tab onto a view button. The toolkit lets a radio button take the focus
   only when it is the active one of its group or none is; the selection
   mostly sits on a hidden button, which here counts as none. Tab from a
   view and the arrow keys keep the toolkit's own handling. */
static gboolean focus_vue(GtkWidget *bouton, GtkDirectionType sens, gpointer user_data)
{
    (void)sens;
    (void)user_data;
    for (GSList *l = gtk_radio_button_get_group(GTK_RADIO_BUTTON(bouton)); l; l = l->next)
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(l->data)) && GTK_WIDGET(l->data)->parent)
            return FALSE;
    if (gtk_widget_is_focus(bouton))
        return FALSE;
    gtk_widget_grab_focus(bouton);
    return TRUE;
}

/* A view button of the radio group founded by groupe, plotting view n,
   titled for screen readers by the group's label. Space, and Return, which
   goes to it and not to the default button while it has the focus, choose it. */
static void bouton_vue(GtkWidget *fenetre, GtkWidget *groupe, GtkWidget *rangee, GtkWidget *label,
                       const char *titre, gint n)
{
    GtkWidget *bouton =
        gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(groupe), titre);

    gtk_container_add(GTK_CONTAINER(rangee), bouton);
    lier(bouton, label);
    GTK_WIDGET_SET_FLAGS(bouton, GTK_RECEIVES_DEFAULT);
    gtk_signal_connect(GTK_OBJECT(bouton), "focus", GTK_SIGNAL_FUNC(focus_vue), fenetre);
    gtk_signal_connect(GTK_OBJECT(bouton), "toggled", GTK_SIGNAL_FUNC(tracer), fenetre);
    gtk_object_set_data(GTK_OBJECT(bouton), CLE_CHOIX, GINT_TO_POINTER(n));
}

/* A command button of the bottom row, which may become the default. */
static GtkWidget *bouton_commande(GtkWidget *fenetre, GtkWidget *rangee, const char *titre,
                                  GtkSignalFunc rappel)
{
    GtkWidget *bouton = gtk_button_new_with_label(titre);

    gtk_container_add(GTK_CONTAINER(rangee), bouton);
    gtk_signal_connect(GTK_OBJECT(bouton), "clicked", rappel, fenetre);
    GTK_WIDGET_SET_FLAGS(bouton, GTK_CAN_DEFAULT);
    return bouton;
}

/* The main window's end ends a view button that sits in no container:
   nothing else would, and it would outlive the window. */
static void finir_bouton_cache(GtkWidget *fenetre, gpointer bouton)
{
    (void)fenetre;
    gtk_widget_destroy(GTK_WIDGET(bouton));
    g_object_unref(bouton);
}

/* A view button shown nowhere: held by the main window until its end. */
static void garder_bouton_cache(GtkWidget *fenetre, GtkWidget *bouton)
{
    g_object_ref_sink(bouton);
    gtk_signal_connect(GTK_OBJECT(fenetre), "destroy", GTK_SIGNAL_FUNC(finir_bouton_cache), bouton);
}

GtkWidget *construire_fenetres(void)
{
    GtkWidget *fenetre, *boitev, *hbox1, *hbox2, *boiteh_radio, *boiteh;
    GtkWidget *phase, *groupe, *radio, *boutonhelp, *scroll, *zone;

    /* The main window; its close ends the program. */
    fenetre = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(fenetre),
                         "Attracteur de Tourbel - https://example.org/tourbel");
    gtk_signal_connect(GTK_OBJECT(fenetre), "delete-event", GTK_SIGNAL_FUNC(close_fenetre), NULL);
    boitev = gtk_vbox_new(FALSE, 8);
    gtk_container_add(GTK_CONTAINER(fenetre), boitev);
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_BOITEV, boitev);

    /* Two rows of fields: the initial point, then r, h and the count. */
    gtk_container_add(GTK_CONTAINER(boitev), gtk_label_new("Initialisation des variables :"));
    hbox1 = gtk_hbox_new(FALSE, 1);
    gtk_container_add(GTK_CONTAINER(boitev), hbox1);
    hbox2 = gtk_hbox_new(FALSE, 1);
    gtk_container_add(GTK_CONTAINER(boitev), hbox2);
    champ(fenetre, hbox1, "Xo =", "11", CLE_XO);
    champ(fenetre, hbox1, "Yo =", "0", CLE_YO);
    champ(fenetre, hbox1, "Zo =", "20", CLE_ZO);
    champ(fenetre, hbox2, "r = ", "28", CLE_R);
    champ(fenetre, hbox2, "h = ", "0.0001", CLE_H);
    champ(fenetre, hbox2, "Nbr. pt. = ", "500000", CLE_NB);

    /* The views. The group's leader and "fictif" are never shown: the
       leader holds the selection at start, "fictif" after "Effacer", so
       that no view is selected then. */
    phase = gtk_label_new("Choix de l'espace de phase :");
    gtk_container_add(GTK_CONTAINER(boitev), phase);
    boiteh_radio = gtk_hbox_new(FALSE, 8);
    groupe = gtk_radio_button_new(NULL);
    bouton_vue(fenetre, groupe, boiteh_radio, phase, "selon x et y", 1);
    bouton_vue(fenetre, groupe, boiteh_radio, phase, "selon x et z", 2);
    bouton_vue(fenetre, groupe, boiteh_radio, phase, "selon y et z", 3);
    bouton_vue(fenetre, groupe, boiteh_radio, phase, "Vue 3D", 4);
    radio = gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(groupe), "fictif");
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_RADIO, radio);
    garder_bouton_cache(fenetre, groupe);
    garder_bouton_cache(fenetre, radio);
    gtk_container_add(GTK_CONTAINER(boitev), boiteh_radio);

    /* The commands; "Aide" is the default button. */
    boiteh = gtk_hbox_new(FALSE, 8);
    gtk_container_add(GTK_CONTAINER(boitev), boiteh);
    boutonhelp = bouton_commande(fenetre, boiteh, "Aide", GTK_SIGNAL_FUNC(help));
    gtk_widget_grab_default(boutonhelp);
    bouton_commande(fenetre, boiteh, "Effacer", GTK_SIGNAL_FUNC(effacer));
    bouton_commande(fenetre, boiteh, "Fermer", GTK_SIGNAL_FUNC(close_fenetre));

    /* The drawing window. Its close from the frame only hides it: the plot
       and "Effacer" show it again, and its area is never lost under them. */
    scroll = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    zone = nouvelle_zone();
    gtk_container_add(GTK_CONTAINER(scroll), zone);
    gtk_window_set_title(GTK_WINDOW(scroll), "Zone de dessin");
    gtk_widget_set_usize(scroll, 1024, 900);
    gtk_signal_connect(GTK_OBJECT(scroll), "delete-event",
                       GTK_SIGNAL_FUNC(gtk_widget_hide_on_delete), NULL);
    gtk_widget_show_all(scroll);
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_ZONE, zone);
    gtk_object_set_data(GTK_OBJECT(fenetre), CLE_SCROLL, scroll);

    gtk_widget_show_all(fenetre);
    return fenetre;
}
