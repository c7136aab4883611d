<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Calendar</source>
        <translation>À propos du calendrier</translation>
    </message>
    <message>
        <source>Calendar Version 1.0</source>
        <translation>Calendrier version 1.0</translation>
    </message>
    <message>
        <source>Plenda, a desk calendar and diary</source>
        <translation>Plenda, un calendrier de bureau avec agenda</translation>
    </message>
    <message>
        <source>Made by Quenmor</source>
        <translation>Réalisé par Quenmor</translation>
    </message>
    <message>
        <source>Free software: use it, share it, improve it.</source>
        <translation>Logiciel libre : utilisez-le, partagez-le, améliorez-le.</translation>
    </message>
    <message>
        <source>News, help and updates on the web:</source>
        <translation>Actualités, aide et mises à jour sur le Web :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAlarmCheck</name>
    <message>
        <source>Missed: </source>
        <translation>Manqué : </translation>
    </message>
    <message>
        <source> You have an appointment</source>
        <translation> Vous avez un rendez-vous</translation>
    </message>
    <message>
        <source>(Alarms more than %1 days old are not shown.)</source>
        <translation>(Les alarmes de plus de %1 jours ne sont pas affichées.)</translation>
    </message>
    <message>
        <source> Missed appointments</source>
        <translation> Rendez-vous manqués</translation>
    </message>
    <message>
        <source>ddd d MMM </source>
        <translation>ddd d MMM </translation>
    </message>
</context>
<context>
    <name>CCalApp</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>database files (*.db)</source>
        <translation>Fichiers de base de données (*.db)</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>a section name has no closing &apos;]&apos;</source>
        <translation>un nom de section n&apos;a pas de « ] » fermant</translation>
    </message>
    <message>
        <source>it is not of the form Name=Value</source>
        <translation>elle n&apos;est pas de la forme Nom=Valeur</translation>
    </message>
    <message>
        <source>the value of %1 opens a quote it never closes</source>
        <translation>la valeur de %1 ouvre un guillemet qui n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>Line %1 of the settings file %2 cannot be read: %3.</source>
        <translation>La ligne %1 du fichier de paramètres %2 ne peut pas être lue : %3.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Line %1 of the settings file %2 cannot be read: %3 is not a number from %4 to %5.</source>
        <translation>La ligne %1 du fichier de paramètres %2 ne peut pas être lue : %3 n&apos;est pas un nombre de %4 à %5.</translation>
    </message>
    <message>
        <source> Until the file is corrected, that setting takes its default and no change is saved to the file.</source>
        <translation> Tant que le fichier n&apos;est pas corrigé, ce paramètre prend sa valeur par défaut et aucune modification n&apos;est enregistrée dans le fichier.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be saved: %2. Changes are kept only until Plenda closes.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être enregistré : %2. Les modifications ne sont conservées que jusqu&apos;à la fermeture de Plenda.</translation>
    </message>
</context>
<context>
    <name>CCalView</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Diary entries cannot be checked without the sound service.</source>
        <translation>Les entrées d&apos;agenda ne peuvent pas être consultées sans le service audio.</translation>
    </message>
    <message>
        <source>No diary is open.</source>
        <translation>Aucun agenda n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The diary cannot be read: %1</source>
        <translation>L&apos;agenda ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Public holiday</source>
        <translation>Jour férié</translation>
    </message>
</context>
<context>
    <name>CCalendarPage</name>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>As the locale says (%1)</source>
        <translation>Selon les paramètres régionaux (%1)</translation>
    </message>
    <message>
        <source>Show week numbers (ISO 8601)</source>
        <translation>Afficher les numéros de semaine (ISO 8601)</translation>
    </message>
    <message>
        <source>Wee&amp;k starts on</source>
        <translation>La semaine c&amp;ommence le</translation>
    </message>
</context>
<context>
    <name>CCalendarTransfer</name>
    <message>
        <source>%1 entries exported</source>
        <translation>%1 entrées exportées</translation>
    </message>
    <message>
        <source>, %1 left out (their dates fall on no day)</source>
        <translation>, %1 omises (leur date ne tombe sur aucun jour)</translation>
    </message>
    <message>
        <source>%1 added, %2 already present, %3 expanded</source>
        <translation>%1 ajoutées, %2 déjà présentes, %3 développées</translation>
    </message>
    <message>
        <source> (repeating events listed day by day from %1 to %2)</source>
        <translation> (événements récurrents inscrits jour par jour du %1 au %2)</translation>
    </message>
    <message>
        <source>, %1 endless (date patterns from the first day on)</source>
        <translation>, %1 sans fin (motifs de date à partir du premier jour)</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ignorées</translation>
    </message>
    <message>
        <source>; %1 with a location or description not kept</source>
        <translation>; %1 dont le lieu ou la description n&apos;a pas été conservé</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>Importer un calendrier</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exporter un calendrier</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 événement</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 événements</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Are the entries of %1 public holidays?
(%2 found)</source>
        <translation>Les entrées de %1 sont-elles des jours fériés ?
(%2 au total)</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1</source>
        <translation>Le calendrier ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is the diary itself</source>
        <translation>c&apos;est l&apos;agenda lui-même</translation>
    </message>
    <message>
        <source>%1: %2 would add more than %3 entries to the diary; nothing was imported</source>
        <translation>%1 : %2 ajouterait plus de %3 entrées à l&apos;agenda ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the event &quot;%1&quot;</source>
        <translation>l&apos;événement « %1 »</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>not events</source>
        <translation>qui ne sont pas des événements</translation>
    </message>
    <message>
        <source>repeats too often to list</source>
        <translation>répétés trop souvent pour être listés</translation>
    </message>
    <message>
        <source>has no occurrence in the listed years</source>
        <translation>sans occurrence dans les années listées</translation>
    </message>
    <message>
        <source>repeats more often than once a day</source>
        <translation>répétés plus d&apos;une fois par jour</translation>
    </message>
    <message>
        <source>has a rule that never occurs</source>
        <translation>avec une règle qui ne se produit jamais</translation>
    </message>
    <message>
        <source>has no title</source>
        <translation>sans titre</translation>
    </message>
    <message>
        <source>has no start</source>
        <translation>sans début</translation>
    </message>
    <message>
        <source>starts outside the years 1584 to 9999</source>
        <translation>commençant hors des années 1584 à 9999</translation>
    </message>
    <message>
        <source>lasts longer than a year</source>
        <translation>durant plus d&apos;un an</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the line is too long</source>
        <translation>la ligne est trop longue</translation>
    </message>
    <message>
        <source>the line holds a NUL byte</source>
        <translation>la ligne contient un octet NUL</translation>
    </message>
    <message>
        <source>the file is empty, not an iCalendar file</source>
        <translation>le fichier est vide, ce n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>the file ends inside %1</source>
        <translation>le fichier se termine à l&apos;intérieur de %1</translation>
    </message>
    <message>
        <source>this is not an iCalendar content line</source>
        <translation>ce n&apos;est pas une ligne de contenu iCalendar</translation>
    </message>
    <message>
        <source>text follows the end of the calendar</source>
        <translation>du texte suit la fin du calendrier</translation>
    </message>
    <message>
        <source>the file does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>le fichier ne commence pas par BEGIN:VCALENDAR, ce n&apos;est donc pas un fichier iCalendar</translation>
    </message>
</context>
<context>
    <name>CDBusNotifications</name>
    <message>
        <source>Open Plenda</source>
        <translation>Ouvrir Plenda</translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation>Rappeler dans 5 minutes</translation>
    </message>
</context>
<context>
    <name>CDiaryEntryDlg</name>
    <message>
        <source>Diary Entry</source>
        <translation>Entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>When to be reminded, for example %1; empty for no alarm</source>
        <translation>Heure du rappel, par exemple %1 ; vide pour aucune alarme</translation>
    </message>
    <message>
        <source>Public Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>No diary entries</source>
        <translation>Aucune entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Sound files (*.wav);;Video files (*.avi)</source>
        <translation>Fichiers audio (*.wav);;Fichiers vidéo (*.avi)</translation>
    </message>
    <message>
        <source>Please add a message
</source>
        <translation>Veuillez saisir un message
</translation>
    </message>
    <message>
        <source>Alarm time- Type it as HH:MM, for example 09:30
</source>
        <translation>Heure de l&apos;alarme : saisissez-la sous la forme HH:MM, par exemple 09:30
</translation>
    </message>
    <message>
        <source>Alarm time- Hours cannot be more than 24
</source>
        <translation>Heure de l&apos;alarme : les heures ne peuvent pas dépasser 24
</translation>
    </message>
    <message>
        <source>Alarm time- Minutes cannot be more than 59
</source>
        <translation>Heure de l&apos;alarme : les minutes ne peuvent pas dépasser 59
</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; not found</source>
        <translation>« %1 » introuvable</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Message :</translation>
    </message>
    <message>
        <source>&amp;Alarm time:</source>
        <translation>&amp;Heure de l&apos;alarme :</translation>
    </message>
    <message>
        <source>&amp;Tune to play:</source>
        <translation>Son à &amp;jouer :</translation>
    </message>
    <message>
        <source>A date must be entered</source>
        <translation>Une date doit être saisie</translation>
    </message>
    <message>
        <source>Invalid date
</source>
        <translation>Date non valide
</translation>
    </message>
    <message>
        <source>Day must be between 1 and 31
</source>
        <translation>Le jour doit être compris entre 1 et 31
</translation>
    </message>
    <message>
        <source>Month must be between 1 and 12
</source>
        <translation>Le mois doit être compris entre 1 et 12
</translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Tune To Play</source>
        <translation>Son à jouer</translation>
    </message>
    <message>
        <source>&amp;Find What :</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;Look In :</source>
        <translation>&amp;Dans :</translation>
    </message>
</context>
<context>
    <name>CMarqueePage</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Use Internet</source>
        <translation>Utiliser Internet</translation>
    </message>
    <message>
        <source>Use File</source>
        <translation>Utiliser un fichier</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Text...</source>
        <translation>Texte...</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Arrière-plan...</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Message</translation>
    </message>
    <message>
        <source>&amp;Slide</source>
        <translation>&amp;Décaler de</translation>
    </message>
    <message>
        <source>&amp;pixels every </source>
        <translation>&amp;pixels toutes les </translation>
    </message>
    <message>
        <source>Check &amp;Internet every </source>
        <translation>Consulter &amp;Internet tous les </translation>
    </message>
    <message>
        <source>&amp;Named</source>
        <translation>&amp;Nom du fichier</translation>
    </message>
    <message>
        <source>Check fil&amp;e every </source>
        <translation>Consulter le fichi&amp;er tous les </translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Data files (*.dat)</source>
        <translation>Fichiers texte (*.txt);;Fichiers de données (*.dat)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semaines</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Start Plenda when I log in</source>
        <translation>Démarrer Plenda à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Options Tab</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Plenda is not installed: at log-in this starts the build at %1</source>
        <translation>Plenda n&apos;est pas installé : à l&apos;ouverture de session, c&apos;est la version compilée dans %1 qui démarre</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Cannot change %1:
%2</source>
        <translation>Impossible de modifier %1 :
%2</translation>
    </message>
    <message>
        <source>Give the address without the password; enter it under Password.</source>
        <translation>Indiquez l&apos;adresse sans le mot de passe ; saisissez celui-ci dans le champ « Mot de passe ».</translation>
    </message>
    <message>
        <source>Enter the calendar&apos;s address and the user the password belongs to.</source>
        <translation>Saisissez l&apos;adresse du calendrier et l&apos;utilisateur auquel appartient le mot de passe.</translation>
    </message>
    <message>
        <source>%1; the password is kept only until the calendar closes.</source>
        <translation>%1 ; le mot de passe n&apos;est conservé que jusqu&apos;à la fermeture du calendrier.</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>Veuillez saisir un nombre</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Uniquement des chiffres</translation>
    </message>
    <message>
        <source>12 months is the limit</source>
        <translation>12 mois au maximum</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to 12</source>
        <translation>Veuillez saisir un nombre de 1 à 12</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>COptionsTabCtrl</name>
    <message>
        <source>Marquee Options</source>
        <translation>Bandeau défilant</translation>
    </message>
    <message>
        <source>Picture Options</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Year View Options</source>
        <translation>Vue annuelle</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>CPicturePage</name>
    <message>
        <source>Show Picture</source>
        <translation>Afficher l&apos;image</translation>
    </message>
    <message>
        <source>Stretch Picture Height</source>
        <translation>Étirer l&apos;image en hauteur</translation>
    </message>
    <message>
        <source>Stretch Picture Width</source>
        <translation>Étirer l&apos;image en largeur</translation>
    </message>
</context>
<context>
    <name>CQtHttp</name>
    <message>
        <source>The server did not answer within %1 seconds</source>
        <translation>Le serveur n&apos;a pas répondu dans les %1 secondes</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not a valid URL</source>
        <translation>L&apos;adresse « %1 » n&apos;est pas une URL valide</translation>
    </message>
</context>
<context>
    <name>CQtTunes</name>
    <message>
        <source>The video is not open.</source>
        <translation>La vidéo n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>The video file %1 cannot be found.</source>
        <translation>Le fichier vidéo %1 est introuvable.</translation>
    </message>
    <message>
        <source>The file %1 is not a video that can be played.</source>
        <translation>Le fichier %1 n&apos;est pas une vidéo lisible.</translation>
    </message>
    <message>
        <source>The video %1 did not open in time.</source>
        <translation>La vidéo %1 ne s&apos;est pas ouverte à temps.</translation>
    </message>
    <message>
        <source>The video %1 cannot be played.</source>
        <translation>La vidéo %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The video %1 did not finish in time.</source>
        <translation>La vidéo %1 ne s&apos;est pas terminée à temps.</translation>
    </message>
</context>
<context>
    <name>CQuickHelpDlg</name>
    <message>
        <source>Quick Help</source>
        <translation>Aide rapide</translation>
    </message>
    <message>
        <source>Arrow Keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alt + M	Menus- Remove or Restore</source>
        <translation>Alt + M	Masquer ou afficher les menus</translation>
    </message>
    <message>
        <source>Alt + F	 Fonts</source>
        <translation>Alt + F	Polices</translation>
    </message>
    <message>
        <source>Alt + B	Background Colour</source>
        <translation>Alt + B	Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Alt + T	Text Colour</source>
        <translation>Alt + T	Couleur du texte</translation>
    </message>
    <message>
        <source>Alt + H	Help</source>
        <translation>Alt + H	Aide</translation>
    </message>
    <message>
        <source>Alt + A 	About this application</source>
        <translation>Alt + A	À propos de cette application</translation>
    </message>
    <message>
        <source>Alt + D	Diary Entry</source>
        <translation>Alt + D	Entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>Alt + C	Check Diary</source>
        <translation>Alt + C	Consulter l&apos;agenda</translation>
    </message>
    <message>
        <source>Alt + Y	Year View</source>
        <translation>Alt + Y	Vue annuelle</translation>
    </message>
    <message>
        <source>Alt + Left</source>
        <translation>Alt + Flèche gauche</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Alt + Right</source>
        <translation>Alt + Flèche droite</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Alt + Down</source>
        <translation>Alt + Flèche bas</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Mois en cours</translation>
    </message>
    <message>
        <source>Alt + Up</source>
        <translation>Alt + Flèche haut</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Move the focus day by a day or a week</source>
        <translation>Déplacer le jour sélectionné d&apos;un jour ou d&apos;une semaine</translation>
    </message>
    <message>
        <source>Page Up / Page Down</source>
        <translation>Page précédente / Page suivante</translation>
    </message>
    <message>
        <source>Same day of the previous or next month</source>
        <translation>Même jour du mois précédent ou suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Entrée ou Espace</translation>
    </message>
    <message>
        <source>New diary entry for the focus day</source>
        <translation>Nouvelle entrée d&apos;agenda pour le jour sélectionné</translation>
    </message>
    <message>
        <source>Ctrl + Return</source>
        <translation>Ctrl + Entrée</translation>
    </message>
    <message>
        <source>The focus day&apos;s diary entries</source>
        <translation>Entrées d&apos;agenda du jour sélectionné</translation>
    </message>
    <message>
        <source>Menu or Shift + F10</source>
        <translation>Menu ou Maj + F10</translation>
    </message>
    <message>
        <source>Menu for the focus day</source>
        <translation>Menu contextuel du jour sélectionné</translation>
    </message>
    <message>
        <source>Ctrl + arrow keys</source>
        <translation>Ctrl + touches fléchées</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Faire défiler la page</translation>
    </message>
    <message>
        <source>Ctrl + Page Up / Page Down</source>
        <translation>Ctrl + Page précédente / Page suivante</translation>
    </message>
    <message>
        <source>Scroll the page up or down</source>
        <translation>Faire défiler la page vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Ctrl + Home / End</source>
        <translation>Ctrl + Origine / Fin</translation>
    </message>
    <message>
        <source>Scroll to the top left or bottom right</source>
        <translation>Aller en haut à gauche ou en bas à droite</translation>
    </message>
    <message>
        <source>Day Cursor</source>
        <translation>Sélection du jour</translation>
    </message>
</context>
<context>
    <name>CReminders</name>
    <message>
        <source>Unknown MCI error</source>
        <translation>Erreur de lecture inconnue</translation>
    </message>
    <message>
        <source>No Messages!</source>
        <translation>Aucun message !</translation>
    </message>
</context>
<context>
    <name>CSponsorDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CSyncPage</name>
    <message>
        <source>https://example.org/calendars/me/diary/</source>
        <translation>https://example.org/calendars/moi/agenda/</translation>
    </message>
    <message>
        <source>kept in the keyring; empty keeps it</source>
        <translation>conservé dans le trousseau ; laisser vide pour le garder</translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation>&amp;Trouver les calendriers</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Last good sync</source>
        <translation>Dernière synchronisation réussie</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Lecture du mot de passe dans le trousseau...</translation>
    </message>
    <message>
        <source>Enter the password to find the calendars.</source>
        <translation>Saisissez le mot de passe pour trouver les calendriers.</translation>
    </message>
    <message>
        <source>Enter the user the calendars belong to.</source>
        <translation>Saisissez l&apos;utilisateur auquel appartiennent les calendriers.</translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation>Interrogation du serveur...</translation>
    </message>
    <message>
        <source>No calendar that holds events is there.</source>
        <translation>Aucun calendrier contenant des événements n&apos;y a été trouvé.</translation>
    </message>
    <message>
        <source>Choose the calendar to synchronise with.</source>
        <translation>Choisissez le calendrier avec lequel synchroniser.</translation>
    </message>
    <message>
        <source>The diary will synchronise with %1.</source>
        <translation>L&apos;agenda sera synchronisé avec %1.</translation>
    </message>
    <message>
        <source>Calendar add&amp;ress</source>
        <translation>&amp;Adresse du calendrier</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Mot de pa&amp;sse</translation>
    </message>
    <message>
        <source>Ca&amp;lendars</source>
        <translation>Calend&amp;riers</translation>
    </message>
    <message>
        <source>S&amp;ynchronise every</source>
        <translation>S&amp;ynchroniser toutes les</translation>
    </message>
</context>
<context>
    <name>CViewMarquee</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>The marquee is set to show lines from a file, but no file has been chosen.</source>
        <translation>Le bandeau défilant doit afficher les lignes d&apos;un fichier, mais aucun fichier n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>The marquee file &quot;%1&quot; cannot be read:
%2</source>
        <translation>Le fichier du bandeau défilant « %1 » ne peut pas être lu :
%2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Error encountered 
If you need support quote this message - 
</source>
        <translation>Une erreur s&apos;est produite
Si vous avez besoin d&apos;aide, citez ce message - 
</translation>
    </message>
</context>
<context>
    <name>CViewPrinting</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>La page n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>CViewSync</name>
    <message>
        <source>To the server: pushed %1, deleted %2
From the server: pulled %3, deleted %4
Conflicts: %5 (both versions kept)
</source>
        <translation>Vers le serveur : %1 envoyées, %2 supprimées
Depuis le serveur : %3 reçues, %4 supprimées
Conflits : %5 (les deux versions conservées)
</translation>
    </message>
    <message>
        <source>Left for the next sync: %1 (changed on the server meanwhile)
</source>
        <translation>Reportées à la prochaine synchronisation : %1 (modifiées entre-temps sur le serveur)
</translation>
    </message>
    <message>
        <source>Kept, as only the first or last day of an event over several days can be removed: %1
</source>
        <translation>Conservé, car seul le premier ou le dernier jour d&apos;un événement sur plusieurs jours peut être supprimé : %1
</translation>
    </message>
    <message>
        <source>Refused by the server, tried again next time: %1
</source>
        <translation>Refusé par le serveur, nouvel essai la prochaine fois : %1
</translation>
    </message>
    <message>
        <source>Skipped: %1 (server events a diary cannot hold, or entries whose date falls on no day)
</source>
        <translation>Ignorés : %1 (événements du serveur que l&apos;agenda ne peut pas contenir, ou entrées dont la date ne tombe sur aucun jour)
</translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>No CalDAV calendar is set: enter its address and user in Options, on the Synchronise page.</source>
        <translation>Aucun calendrier CalDAV n&apos;est configuré : saisissez son adresse et l&apos;utilisateur dans Options, à la page « Synchronisation ».</translation>
    </message>
    <message>
        <source>The keyring holds an empty password</source>
        <translation>Le trousseau contient un mot de passe vide</translation>
    </message>
    <message>
        <source>%1; no password for %2, so the diary was not synchronised.</source>
        <translation>%1 ; pas de mot de passe pour %2, l&apos;agenda n&apos;a donc pas été synchronisé.</translation>
    </message>
    <message>
        <source>%1.
The CalDAV password (kept until the calendar closes):</source>
        <translation>%1.
Le mot de passe CalDAV (conservé jusqu&apos;à la fermeture du calendrier) :</translation>
    </message>
</context>
<context>
    <name>CWaylandNotice</name>
    <message>
        <source>On this Wayland desktop the calendar cannot keep itself above other windows or reopen where it was last placed: the desktop decides both.
To keep it on top, use the window menu of your desktop. Where the desktop offers XWayland, Plenda starts on it and keeps both itself.</source>
        <translation>Sur ce bureau Wayland, le calendrier ne peut ni rester au-dessus des autres fenêtres ni se rouvrir là où il était placé : c&apos;est le bureau qui en décide.
Pour le garder au premier plan, utilisez le menu de fenêtre de votre bureau. Si le bureau propose XWayland, Plenda démarre dessus et gère les deux lui-même.</translation>
    </message>
</context>
<context>
    <name>CYearViewPage</name>
    <message>
        <source>   Year View</source>
        <translation>   Vue annuelle</translation>
    </message>
    <message>
        <source>Months &amp;Across (1 - 12)</source>
        <translation>Mois en &amp;largeur (1 - 12)</translation>
    </message>
    <message>
        <source>Months &amp;Down (1 - 12)</source>
        <translation>Mois en &amp;hauteur (1 - 12)</translation>
    </message>
</context>
<context>
    <name>CalDav</name>
    <message>
        <source>There is no calendar at %1.</source>
        <translation>Il n&apos;y a pas de calendrier à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 answered %2 when asked to %3.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a répondu %2 quand il lui a été demandé de %3.</translation>
    </message>
    <message>
        <source>list the calendar&apos;s events</source>
        <translation>lister les événements du calendrier</translation>
    </message>
    <message>
        <source>list the calendar&apos;s changes</source>
        <translation>lister les modifications du calendrier</translation>
    </message>
    <message>
        <source>send the calendar&apos;s events</source>
        <translation>envoyer les événements du calendrier</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 answered %2 when asked for its calendars.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a répondu %2 quand ses calendriers lui ont été demandés.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 described nothing there.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 n&apos;y a rien décrit.</translation>
    </message>
    <message>
        <source>No calendar that holds events was found at %1.</source>
        <translation>Aucun calendrier contenant des événements n&apos;a été trouvé à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>No calendar named &quot;%1&quot; is at %2; there are:
%3</source>
        <translation>Il n&apos;y a pas de calendrier nommé « %1 » à l&apos;adresse %2 ; il y a :
%3</translation>
    </message>
    <message>
        <source>Several calendars are at %1; choose one with Find Calendars in Options, on the Synchronise page, or give its name with --calendar:
%2</source>
        <translation>Il y a plusieurs calendriers à l&apos;adresse %1 ; choisissez-en un avec « Trouver les calendriers » dans Options, à la page « Synchronisation », ou indiquez son nom avec --calendar :
%2</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 did not answer in time.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2 (a server with a private certificate authority needs --ca-file)</source>
        <translation>La connexion sécurisée à %1 a échoué : %2 (un serveur doté d&apos;une autorité de certification privée nécessite --ca-file)</translation>
    </message>
    <message>
        <source>Cannot reach the CalDAV server at %1: %2</source>
        <translation>Impossible de joindre le serveur CalDAV à l&apos;adresse %1 : %2</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 sent a reply larger than %2 MB; nothing of it was used.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a envoyé une réponse de plus de %2 Mo ; rien n&apos;en a été utilisé.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 redirected too many times.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a effectué trop de redirections.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 redirected to another server (%2), which is not followed, as the password would go with it.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a redirigé vers un autre serveur (%2), ce qui n&apos;est pas suivi, car le mot de passe y serait envoyé.</translation>
    </message>
    <message>
        <source>The CalDAV server at %1 refused the user name or password.</source>
        <translation>Le serveur CalDAV à l&apos;adresse %1 a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The sync was cancelled.</source>
        <translation>La synchronisation a été annulée.</translation>
    </message>
    <message>
        <source>No certificate can be read from %1.</source>
        <translation>Aucun certificat ne peut être lu dans %1.</translation>
    </message>
    <message>
        <source>The CalDAV server sent a reply that cannot be read (%1).</source>
        <translation>Le serveur CalDAV a envoyé une réponse illisible (%1).</translation>
    </message>
</context>
<context>
    <name>CalendarFileCommands</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>Standard input cannot be read: %1</source>
        <translation>L&apos;entrée standard ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>La sortie standard ne peut pas être écrite : %1</translation>
    </message>
    <message>
        <source>export takes at most one FILE</source>
        <translation>export accepte au plus un FICHIER</translation>
    </message>
    <message>
        <source>import takes one FILE (&apos;-&apos; for standard input)</source>
        <translation>import demande un FICHIER (&apos;-&apos; pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>  export [FILE]      write the whole diary as an iCalendar file (standard output
                     without FILE or with &apos;-&apos;)
  import FILE [--holiday]
                     add the events of an iCalendar file (&apos;-&apos; reads standard
                     input); --holiday marks them public holidays
</source>
        <translation>  export [FICHIER]   écrit tout l&apos;agenda dans un fichier iCalendar (sur la
                     sortie standard sans FICHIER ou avec &apos;-&apos;)
  import FICHIER [--holiday]
                     ajoute les événements d&apos;un fichier iCalendar (&apos;-&apos; lit
                     l&apos;entrée standard) ; --holiday les marque comme jours
                     fériés
</translation>
    </message>
</context>
<context>
    <name>CommandArguments</name>
    <message>
        <source>YEAR must be a number from %1 to %2, not &apos;%3&apos;</source>
        <translation>ANNÉE doit être un nombre de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>give both MONTH and YEAR, or neither</source>
        <translation>indiquez à la fois MOIS et ANNÉE, ou aucun des deux</translation>
    </message>
    <message>
        <source>MONTH must be a number from 1 to 12, not &apos;%1&apos;</source>
        <translation>MOIS doit être un nombre de 1 à 12, pas « %1 »</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: plenda [COMMAND]
A desk calendar and diary.

Commands:
  cal [MONTH YEAR] [--monday] [--week-numbers]
                     print the month as text (this month without arguments);
                     MONTH 1 to 12, YEAR 1584 to 9999; Monday first, ISO 8601
                     week numbers in front
  print --pdf FILE [MONTH YEAR] [--year]
                     print the calendar page (or with --year the whole year)
                     into a PDF file
</source>
        <translation>Utilisation : plenda [COMMANDE]
Un calendrier de bureau avec agenda.

Commandes :
  cal [MOIS ANNÉE] [--monday] [--week-numbers]
                     affiche le mois en texte (le mois en cours sans
                     arguments) ; MOIS de 1 à 12, ANNÉE de 1584 à 9999 ; la
                     semaine commence le lundi, les numéros de semaine ISO 8601
                     en tête de ligne
  print --pdf FICHIER [MOIS ANNÉE] [--year]
                     imprime la page du calendrier (ou avec --year l&apos;année
                     entière) dans un fichier PDF
</translation>
    </message>
    <message>
        <source>
Every command takes --diary PATH to use that diary file for one command.
Without a command the calendar window opens.
</source>
        <translation>
Toute commande accepte --diary CHEMIN pour utiliser ce fichier d&apos;agenda
le temps d&apos;une commande.
Sans commande, la fenêtre du calendrier s&apos;ouvre.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
</context>
<context>
    <name>CommandPassword</name>
    <message>
        <source>CalDAV password: </source>
        <translation>Mot de passe CalDAV : </translation>
    </message>
    <message>
        <source>--password-stdin read no password</source>
        <translation>--password-stdin n&apos;a lu aucun mot de passe</translation>
    </message>
    <message>
        <source>%1; give the password in %2 or one line on standard input with --password-stdin, or store it from the calendar window</source>
        <translation>%1 ; indiquez le mot de passe dans %2 ou sur une ligne de l&apos;entrée standard avec --password-stdin, ou enregistrez-le depuis la fenêtre du calendrier</translation>
    </message>
</context>
<context>
    <name>Diary</name>
    <message>
        <source>a yes/no number</source>
        <translation>un nombre oui/non</translation>
    </message>
    <message>
        <source>read the table %1</source>
        <translation>la lecture de la table %1</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: it has no table %2.</source>
        <translation>Le fichier %1 n&apos;est pas un agenda : il n&apos;a pas de table %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: its table %2 has no column %3.</source>
        <translation>Le fichier %1 n&apos;est pas un agenda : sa table %2 n&apos;a pas de colonne %3.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary: the column %2 of its table %3 is declared &quot;%4&quot; but must be %5.</source>
        <translation>Le fichier %1 n&apos;est pas un agenda : la colonne %2 de sa table %3 est déclarée « %4 » mais doit être %5.</translation>
    </message>
    <message>
        <source>No diary file has been chosen.</source>
        <translation>Aucun fichier d&apos;agenda n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>The diary file %1 does not exist.</source>
        <translation>Le fichier d&apos;agenda %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The diary %1 is a folder, not a database file.</source>
        <translation>L&apos;agenda %1 est un dossier, pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>The diary %1 is not a regular file.</source>
        <translation>L&apos;agenda %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot %1 in the diary %2: %3</source>
        <translation>Échec de %1 dans l&apos;agenda %2 : %3</translation>
    </message>
    <message>
        <source>prepare a query</source>
        <translation>la préparation d&apos;une requête</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be read: %2.</source>
        <translation>Le fichier d&apos;agenda %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The diary file %1 is in use by another program.</source>
        <translation>Le fichier d&apos;agenda %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The diary file %1 cannot be opened: %2</source>
        <translation>Le fichier d&apos;agenda %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The diary %1 has no table Promotion to keep the internet message in.</source>
        <translation>L&apos;agenda %1 n&apos;a pas de table Promotion où conserver le message Internet.</translation>
    </message>
    <message>
        <source>The file %1 is not a diary database (%2).</source>
        <translation>Le fichier %1 n&apos;est pas une base de données d&apos;agenda (%2).</translation>
    </message>
    <message>
        <source>create the diary tables</source>
        <translation>la création des tables de l&apos;agenda</translation>
    </message>
    <message>
        <source>The diary is not open.</source>
        <translation>L&apos;agenda n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>There is no current diary entry.</source>
        <translation>Il n&apos;y a pas d&apos;entrée d&apos;agenda courante.</translation>
    </message>
    <message>
        <source>The diary entry was deleted by another program in the meantime.</source>
        <translation>L&apos;entrée d&apos;agenda a été supprimée entre-temps par un autre programme.</translation>
    </message>
    <message>
        <source>The diary entry cannot be saved: it is not being added or edited.</source>
        <translation>L&apos;entrée d&apos;agenda ne peut pas être enregistrée : elle n&apos;est ni en cours d&apos;ajout ni en cours de modification.</translation>
    </message>
    <message>
        <source>add a diary entry</source>
        <translation>l&apos;ajout d&apos;une entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>save a diary entry</source>
        <translation>l&apos;enregistrement d&apos;une entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>delete a diary entry</source>
        <translation>la suppression d&apos;une entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>No diary entry has been added or changed yet.</source>
        <translation>Aucune entrée d&apos;agenda n&apos;a encore été ajoutée ou modifiée.</translation>
    </message>
    <message>
        <source>The diary entry is no longer in the selection.</source>
        <translation>L&apos;entrée d&apos;agenda ne fait plus partie de la sélection.</translation>
    </message>
    <message>
        <source>search the diary</source>
        <translation>la recherche dans l&apos;agenda</translation>
    </message>
    <message>
        <source>The diary&apos;s texts are too large to read at once.</source>
        <translation>Les textes de l&apos;agenda sont trop volumineux pour être lus en une fois.</translation>
    </message>
    <message>
        <source>The diary %1 is not an SQLite connection.</source>
        <translation>L&apos;agenda %1 n&apos;est pas une connexion SQLite.</translation>
    </message>
    <message>
        <source>read the diary entries</source>
        <translation>la lecture des entrées d&apos;agenda</translation>
    </message>
    <message>
        <source>write the diary entries</source>
        <translation>l&apos;écriture des entrées d&apos;agenda</translation>
    </message>
    <message>
        <source>add the imported entries</source>
        <translation>l&apos;ajout des entrées importées</translation>
    </message>
    <message>
        <source>prepare the synchronisation</source>
        <translation>la préparation de la synchronisation</translation>
    </message>
    <message>
        <source>save the synchronisation</source>
        <translation>l&apos;enregistrement de la synchronisation</translation>
    </message>
    <message>
        <source>read the diary</source>
        <translation>la lecture de l&apos;agenda</translation>
    </message>
    <message>
        <source>add a synchronised entry</source>
        <translation>l&apos;ajout d&apos;une entrée synchronisée</translation>
    </message>
    <message>
        <source>change a synchronised entry</source>
        <translation>la modification d&apos;une entrée synchronisée</translation>
    </message>
    <message>
        <source>delete a synchronised entry</source>
        <translation>la suppression d&apos;une entrée synchronisée</translation>
    </message>
    <message>
        <source>prepare the synchronisation tables</source>
        <translation>la préparation des tables de synchronisation</translation>
    </message>
    <message>
        <source>read the synchronisation state</source>
        <translation>la lecture de l&apos;état de synchronisation</translation>
    </message>
    <message>
        <source>write the synchronisation state</source>
        <translation>l&apos;écriture de l&apos;état de synchronisation</translation>
    </message>
    <message>
        <source>read the synchronisation mapping</source>
        <translation>la lecture de la correspondance de synchronisation</translation>
    </message>
    <message>
        <source>write the synchronisation mapping</source>
        <translation>l&apos;écriture de la correspondance de synchronisation</translation>
    </message>
    <message>
        <source>reset the synchronisation</source>
        <translation>la réinitialisation de la synchronisation</translation>
    </message>
    <message>
        <source>The promotion message could not be %1 in the diary:
%2</source>
        <translation>Le message promotionnel n&apos;a pas pu être %1 dans l&apos;agenda :
%2</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>updated</source>
        <translation>mis à jour</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>enregistré</translation>
    </message>
</context>
<context>
    <name>DiaryCommands</name>
    <message>
        <source>the date %1 must name one day, without &apos;*&apos;</source>
        <translation>la date %1 doit désigner un seul jour, sans « * »</translation>
    </message>
    <message>
        <source>agenda takes at most one DATE</source>
        <translation>agenda accepte au plus une DATE</translation>
    </message>
    <message>
        <source>list takes at most one DATE</source>
        <translation>list accepte au plus une DATE</translation>
    </message>
    <message>
        <source>Alarm time must be four digits HHMM
</source>
        <translation>L&apos;heure de l&apos;alarme doit s&apos;écrire en quatre chiffres HHMM
</translation>
    </message>
    <message>
        <source>add takes a DATE and a MESSAGE</source>
        <translation>add demande une DATE et un MESSAGE</translation>
    </message>
    <message>
        <source>the diary file %1 cannot be opened or created; use --diary PATH</source>
        <translation>le fichier d&apos;agenda %1 ne peut être ni ouvert ni créé ; utilisez --diary CHEMIN</translation>
    </message>
    <message>
        <source>the diary file %1 is not a regular file</source>
        <translation>le fichier d&apos;agenda %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the diary file %1 cannot be opened or created</source>
        <translation>le fichier d&apos;agenda %1 ne peut être ni ouvert ni créé</translation>
    </message>
    <message>
        <source>  agenda [DATE]      print the day&apos;s diary messages (today without DATE)
  list [DATE]        list the entries falling on the day (all without DATE)
  add DATE MESSAGE [--time HHMM] [--holiday] [--tune PATH]
                     add a diary entry; DATE in your date order, &apos;*&apos; for any digit
</source>
        <translation>  agenda [DATE]      affiche les messages du jour (aujourd&apos;hui sans DATE)
  list [DATE]        liste les entrées d&apos;agenda du jour (toutes sans DATE)
  add DATE MESSAGE [--time HHMM] [--holiday] [--tune CHEMIN]
                     ajoute une entrée d&apos;agenda ; DATE dans votre ordre de date,
                     &apos;*&apos; pour n&apos;importe quel chiffre
</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer within %1 seconds</source>
        <translation>Le trousseau n&apos;a pas répondu dans les %1 secondes</translation>
    </message>
    <message>
        <source>The keyring can be asked only from the main thread</source>
        <translation>Le trousseau ne peut être interrogé que depuis le fil d&apos;exécution principal</translation>
    </message>
    <message>
        <source>No keyring is running (there is no D-Bus session bus)</source>
        <translation>Aucun trousseau n&apos;est en cours d&apos;exécution (il n&apos;y a pas de bus de session D-Bus)</translation>
    </message>
    <message>
        <source>No keyring is running (neither Secret Service nor KWallet)</source>
        <translation>Aucun trousseau n&apos;est en cours d&apos;exécution (ni Secret Service ni KWallet)</translation>
    </message>
    <message>
        <source>The keyring holds no password for this calendar</source>
        <translation>Le trousseau ne contient aucun mot de passe pour ce calendrier</translation>
    </message>
    <message>
        <source>The keyring refused access</source>
        <translation>Le trousseau a refusé l&apos;accès</translation>
    </message>
    <message>
        <source>No keyring is running</source>
        <translation>Aucun trousseau n&apos;est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>The keyring failed: %1</source>
        <translation>Échec du trousseau : %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Today - Text</source>
        <translation>Aujourd&apos;hui - Texte</translation>
    </message>
    <message>
        <source>Today - Background</source>
        <translation>Aujourd&apos;hui - Arrière-plan</translation>
    </message>
    <message>
        <source>Diary Entry- Text</source>
        <translation>Entrée d&apos;agenda - Texte</translation>
    </message>
    <message>
        <source>Diary Entry - Background</source>
        <translation>Entrée d&apos;agenda - Arrière-plan</translation>
    </message>
    <message>
        <source>Public Holiday - Background</source>
        <translation>Jour férié - Arrière-plan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Import Calendar...</source>
        <translation>&amp;Importer un calendrier...</translation>
    </message>
    <message>
        <source>&amp;Export Calendar...</source>
        <translation>E&amp;xporter un calendrier...</translation>
    </message>
    <message>
        <source>&amp;Synchronise Now</source>
        <translation>&amp;Synchroniser maintenant</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>&amp;No Menu</source>
        <translation>Sa&amp;ns menu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>C&amp;heck Diary</source>
        <translation>&amp;Consulter l&apos;agenda</translation>
    </message>
    <message>
        <source>New &amp;Diary Entry...</source>
        <translation>Nouvelle &amp;entrée d&apos;agenda...</translation>
    </message>
    <message>
        <source>Edit Diary</source>
        <translation>Modifier l&apos;agenda</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Polices</translation>
    </message>
    <message>
        <source>Fit page to window</source>
        <translation>Ajuster la page à la fenêtre</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Public Holiday - Text</source>
        <translation>Jour férié - Texte</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Year View</source>
        <translation>Vue &amp;annuelle</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Afficher l&apos;image</translation>
    </message>
    <message>
        <source>Show Marquee</source>
        <translation>Afficher le bandeau défilant</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;This</source>
        <translation>Ce &amp;mois</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Quick &amp;Help...</source>
        <translation>&amp;Aide rapide...</translation>
    </message>
    <message>
        <source>&amp;About Plenda...</source>
        <translation>À &amp;propos de Plenda...</translation>
    </message>
    <message>
        <source>Sponsor</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <source>Fonts...</source>
        <translation>Polices...</translation>
    </message>
    <message>
        <source>Public Holiday- Text</source>
        <translation>Jour férié - Texte</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Vue annuelle</translation>
    </message>
    <message>
        <source>Show  picture</source>
        <translation>Afficher l&apos;image</translation>
    </message>
    <message>
        <source>Show marquee</source>
        <translation>Afficher le bandeau défilant</translation>
    </message>
    <message>
        <source>Check Diary</source>
        <translation>Consulter l&apos;agenda</translation>
    </message>
    <message>
        <source>New Diary Entry</source>
        <translation>Nouvelle entrée d&apos;agenda</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>No Menu</source>
        <translation>Sans menu</translation>
    </message>
    <message>
        <source>File Open...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Import Calendar...</source>
        <translation>Importer un calendrier...</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exporter un calendrier...</translation>
    </message>
    <message>
        <source>Synchronise Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Quick Help</source>
        <translation>Aide rapide</translation>
    </message>
    <message>
        <source>&amp;About Plenda</source>
        <translation>À &amp;propos de Plenda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>give the output file with --pdf FILE</source>
        <translation>indiquez le fichier de sortie avec --pdf FICHIER</translation>
    </message>
</context>
<context>
    <name>SyncCommand</name>
    <message>
        <source>sync takes no &apos;%1&apos;</source>
        <translation>sync n&apos;accepte pas « %1 »</translation>
    </message>
    <message>
        <source>no CalDAV calendar is set: give --url URL --user NAME once</source>
        <translation>aucun calendrier CalDAV n&apos;est défini : indiquez une fois --url URL --user NOM</translation>
    </message>
    <message>
        <source>the calendar&apos;s address holds a password; give the address without it, the user with --user, and the password as the command&apos;s help says</source>
        <translation>l&apos;adresse du calendrier contient un mot de passe ; indiquez l&apos;adresse sans celui-ci, l&apos;utilisateur avec --user et le mot de passe comme l&apos;indique l&apos;aide de la commande</translation>
    </message>
    <message>
        <source>no CalDAV user is set: give --user NAME</source>
        <translation>aucun utilisateur CalDAV n&apos;est défini : indiquez --user NOM</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>  sync [--url URL --user NAME] [--calendar NAME] [--list] [--ca-file PATH]
       [--password-stdin]
                     synchronise the diary both ways with a CalDAV calendar; the URL
                     (any address of the server) and user are kept for next time, the
                     password is read from PLENDA_CALDAV_PASSWORD, one line of
                     standard input with --password-stdin, the keyring, or asked on
                     the terminal; --calendar chooses among several calendars, --list
                     lists them; --ca-file trusts the certificate authorities in PATH
                     (kept); exit status 3 when the server refused some writes
</source>
        <translation>  sync [--url URL --user NOM] [--calendar NOM] [--list] [--ca-file CHEMIN]
       [--password-stdin]
                     synchronise l&apos;agenda dans les deux sens avec un calendrier
                     CalDAV ; l&apos;URL (n&apos;importe quelle adresse du serveur) et
                     l&apos;utilisateur sont conservés pour la prochaine fois, le mot de
                     passe est lu dans PLENDA_CALDAV_PASSWORD, sur une ligne de
                     l&apos;entrée standard avec --password-stdin, dans le trousseau, ou
                     demandé dans le terminal ; --calendar choisit parmi plusieurs
                     calendriers, --list les affiche ; --ca-file fait confiance aux
                     autorités de certification de CHEMIN (conservé) ; code de
                     sortie 3 si le serveur a refusé certaines écritures
</translation>
    </message>
</context>
</TS>
