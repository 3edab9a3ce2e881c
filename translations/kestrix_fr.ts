<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutConnortller</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>Aucune souris n&apos;est connectée.</translation>
    </message>
    <message>
        <source>The emulated mouse (kx-virtual-mouse) is in use.</source>
        <translation>La souris émulée (kx-virtual-mouse) est utilisée.</translation>
    </message>
    <message>
        <source>The Kestrix mouse on USB is in use.</source>
        <translation>La souris Kestrix branchée en USB est utilisée.</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>À propos de Souris Kestrix</translation>
    </message>
    <message>
        <source>Version %1 &amp;middot; MIT licence&lt;br&gt;&lt;br&gt;</source>
        <translation>Version %1 &amp;middot; licence MIT&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Profiles and macros</source>
        <translation>Profils et macros</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>The program&apos;s version and where it comes from.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>La version du programme et sa provenance.</translation>
    </message>
    <message>
        <source>KESTRIX MOUSE</source>
        <extracomment>the window&apos;s title, 392 points wide</extracomment>
        <translation>SOURIS KESTRIX</translation>
    </message>
    <message>
        <source>Configuration of the Kestrix gaming mouse</source>
        <extracomment>a line of text, 392 points wide</extracomment>
        <translation>Configuration de la souris de jeu Kestrix</translation>
    </message>
    <message>
        <source>Kestrix Mouse</source>
        <extracomment>the name a screen reader says for appIcon</extracomment>
        <translation>Souris Kestrix</translation>
    </message>
    <message>
        <source>About the program</source>
        <extracomment>the name a screen reader says for infoTxt</extracomment>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppChooserView</name>
    <message>
        <source>Chooses the application whose coming to the front switches the mouse&apos;s profile.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Choisit l’application dont l’arrivée au premier plan change le profil de la souris.</translation>
    </message>
    <message>
        <source>APPLICATION FOR A RULE</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>APPLICATION D’UNE RÈGLE</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>APPLICATIONS INSTALLÉES</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Filtrer les applications</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Applications</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Souris Kestrix</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Application menu</source>
        <translation>Menu de l&apos;application</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>À propos de Souris Kestrix</translation>
    </message>
    <message>
        <source>Export set-up…</source>
        <translation>Exporter la configuration…</translation>
    </message>
    <message>
        <source>Import set-up…</source>
        <translation>Importer une configuration…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Application rules…</source>
        <translation>Règles d’application…</translation>
    </message>
</context>
<context>
    <name>AppRulesView</name>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>non installée</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <extracomment>the name a screen reader says for addBtn</extracomment>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Installed application…</source>
        <translation>Application installée…</translation>
    </message>
    <message>
        <source>The application in front before this window</source>
        <translation>L’application au premier plan avant cette fenêtre</translation>
    </message>
    <message>
        <source>Asking the background program about this desktop…</source>
        <translation>Interrogation du programme d’arrière-plan sur ce bureau…</translation>
    </message>
    <message>
        <source>The background program is not running, so the rules do not act now. They are kept for when it runs.</source>
        <translation>Le programme d’arrière-plan ne tourne pas : les règles n’agissent pas maintenant. Elles sont gardées pour quand il tournera.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front: the rules act once they are saved.</source>
        <translation>Ce bureau indique quelle application est au premier plan : les règles agissent dès qu’elles sont enregistrées.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: GNOME on Wayland does not tell other programs which window is in front.</source>
        <translation>Les règles d’application ne sont pas disponibles sur ce bureau : GNOME sous Wayland n’indique pas aux autres programmes quelle fenêtre est au premier plan.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: its Wayland compositor does not tell other programs which window is in front.</source>
        <translation>Les règles d’application ne sont pas disponibles sur ce bureau : son compositeur Wayland n’indique pas aux autres programmes quelle fenêtre est au premier plan.</translation>
    </message>
    <message>
        <source>Application rules are not available: the background program has no display to watch.</source>
        <translation>Les règles d’application ne sont pas disponibles : le programme d’arrière-plan n’a aucun affichage à observer.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop (%1).</source>
        <translation>Les règles d’application ne sont pas disponibles sur ce bureau (%1).</translation>
    </message>
    <message>
        <source>The rules in the preferences could not be read:
%1</source>
        <translation>Les règles des préférences n’ont pas pu être lues :
%1</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, profil %2</translation>
    </message>
    <message>
        <source>%1, not installed, profile %2</source>
        <translation>%1, non installée, profil %2</translation>
    </message>
    <message>
        <source>There are %1 rules already, as many as are kept.</source>
        <translation>Il y a déjà %1 règles, autant qu’il en est gardé.</translation>
    </message>
    <message>
        <source>“%1” cannot be a rule&apos;s application: it %2.</source>
        <translation>« %1 » ne peut pas être l’application d’une règle : son nom %2.</translation>
    </message>
    <message>
        <source>The background program is not running, so it cannot tell which application was in front.</source>
        <translation>Le programme d’arrière-plan ne tourne pas : il ne peut pas dire quelle application était au premier plan.</translation>
    </message>
    <message>
        <source>The background program does not know yet which application was in front. Bring that application to the front, then come back and add it.</source>
        <translation>Le programme d’arrière-plan ne sait pas encore quelle application était au premier plan. Amenez cette application au premier plan, puis revenez l’ajouter.</translation>
    </message>
    <message>
        <source>The background program named an application that cannot be a rule&apos;s: its name %1.</source>
        <translation>Le programme d’arrière-plan a nommé une application qui ne peut pas avoir de règle : son nom %1.</translation>
    </message>
    <message>
        <source>The application rules in the preferences could not be read:
%1
Start over with no rules? The broken ones are replaced only when you press OK.</source>
        <translation>Les règles d’application des préférences n’ont pas pu être lues :
%1
Recommencer sans aucune règle ? Les règles abîmées ne sont remplacées que lorsque vous appuyez sur OK.</translation>
    </message>
    <message>
        <source>The rules were not saved: %1. They stay here as you set them; OK tries again.</source>
        <translation>Les règles n’ont pas été enregistrées : %1. Elles restent ici telles que vous les avez réglées ; OK réessaie.</translation>
    </message>
    <message>
        <source>Makes the mouse&apos;s profile follow the application in front, by rules of the user&apos;s.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Fait suivre au profil de la souris l’application au premier plan, selon vos règles.</translation>
    </message>
    <message>
        <source>APPLICATION RULES</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>RÈGLES D’APPLICATION</translation>
    </message>
    <message>
        <source>RULES</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>RÈGLES</translation>
    </message>
    <message>
        <source>PROFILE OF THE SELECTED APPLICATION</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>PROFIL DE L’APPLICATION CHOISIE</translation>
    </message>
    <message>
        <source>ANY OTHER APPLICATION IN FRONT</source>
        <extracomment>a caption over controls, 400 points wide</extracomment>
        <translation>TOUTE AUTRE APPLICATION AU PREMIER PLAN</translation>
    </message>
    <message>
        <source>Switch profiles by the application in front</source>
        <extracomment>the label of the control enabledChk, 492 points wide (English uses 247)</extracomment>
        <translation>Changer de profil selon l’application au premier plan</translation>
    </message>
    <message>
        <source>On this desktop</source>
        <extracomment>the name a screen reader says for availabilityLbl</extracomment>
        <translation>Sur ce bureau</translation>
    </message>
    <message>
        <source>ADD…</source>
        <extracomment>the label of the control addBtn, 96 points wide (English uses 40)</extracomment>
        <translation>AJOUTER…</translation>
    </message>
    <message>
        <source>Chooses an installed application, or the one in front before this window</source>
        <extracomment>what a screen reader says addBtn does</extracomment>
        <translation>Choisit une application installée, ou celle qui était au premier plan avant cette fenêtre</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>the name a screen reader says for ruleList</extracomment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Each application and its profile; keys 1 to 5 set the profile, Delete removes the rule</source>
        <extracomment>what a screen reader says ruleList does</extracomment>
        <translation>Chaque application et son profil ; les touches 1 à 5 choisissent le profil, Suppr retire la règle</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for ruleProfile1Btn</extracomment>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Profile of the selected application</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Profil de l’application choisie</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for ruleProfile2Btn</extracomment>
        <translation>Profil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for ruleProfile3Btn</extracomment>
        <translation>Profil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for ruleProfile4Btn</extracomment>
        <translation>Profil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for ruleProfile5Btn</extracomment>
        <translation>Profil 5</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <extracomment>the label of the control removeBtn, 96 points wide (English uses 56)</extracomment>
        <translation>RETIRER</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <extracomment>the name a screen reader says for removeBtn</extracomment>
        <translation>Retirer la règle choisie</translation>
    </message>
    <message>
        <source>UNCHANGED</source>
        <extracomment>the label of the control otherwiseKeepBtn, 140 points wide (English uses 84)</extracomment>
        <translation>INCHANGÉ</translation>
    </message>
    <message>
        <source>Otherwise</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Sinon</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No rules yet: “Add…” makes one.</source>
        <translation>Aucune règle pour l’instant : « Ajouter… » en crée une.</translation>
    </message>
    <message>
        <source>Otherwise unchanged</source>
        <extracomment>the name a screen reader says for otherwiseKeepBtn</extracomment>
        <translation>Sinon inchangé</translation>
    </message>
    <message>
        <source>Otherwise profile 1</source>
        <extracomment>the name a screen reader says for otherwise1Btn</extracomment>
        <translation>Sinon profil 1</translation>
    </message>
    <message>
        <source>Otherwise profile 2</source>
        <extracomment>the name a screen reader says for otherwise2Btn</extracomment>
        <translation>Sinon profil 2</translation>
    </message>
    <message>
        <source>Otherwise profile 3</source>
        <extracomment>the name a screen reader says for otherwise3Btn</extracomment>
        <translation>Sinon profil 3</translation>
    </message>
    <message>
        <source>Otherwise profile 4</source>
        <extracomment>the name a screen reader says for otherwise4Btn</extracomment>
        <translation>Sinon profil 4</translation>
    </message>
    <message>
        <source>Otherwise profile 5</source>
        <extracomment>the name a screen reader says for otherwise5Btn</extracomment>
        <translation>Sinon profil 5</translation>
    </message>
</context>
<context>
    <name>CreateMacro</name>
    <message>
        <source>Names a new macro for the macro editor.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Donne un nom à une nouvelle macro de l&apos;éditeur de macros.</translation>
    </message>
    <message>
        <source>NEW MACRO</source>
        <extracomment>the window&apos;s title, 260 points wide</extracomment>
        <translation>NOUVELLE MACRO</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Name of the new macro</source>
        <extracomment>the name a screen reader says for nameTxt</extracomment>
        <translation>Nom de la nouvelle macro</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CreateMacroView</name>
    <message>
        <source>Macro name</source>
        <translation>Nom de la macro</translation>
    </message>
</context>
<context>
    <name>HvAction</name>
    <message>
        <source>is damaged at offset %1: %2</source>
        <extracomment>Why a file cannot be loaded, said after &quot;the file&quot; (&quot;Fire.mac cannot be loaded: the file is not an archive of this program&quot;).</extracomment>
        <translation>est endommagé à la position %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>is not an archive of this program</source>
        <translation>n&apos;est pas une archive de ce programme</translation>
    </message>
    <message>
        <source>has an archive version this program does not read</source>
        <translation>a une version d&apos;archive que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>holds no object</source>
        <translation>ne contient aucun objet</translation>
    </message>
</context>
<context>
    <name>HvKey</name>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Right Super</source>
        <translation>Super droite</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Entrée (pavé num.)</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>A key without a name: its code, as &quot;0x7F&quot;.</extracomment>
        <translation>Touche %1</translation>
    </message>
</context>
<context>
    <name>HvMenulist</name>
    <message>
        <source>Menu list</source>
        <translation>Liste du menu</translation>
    </message>
</context>
<context>
    <name>HvMessageBox</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Souris Kestrix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KestrixDeamon</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>option inconnue %1 (voir --help)</translation>
    </message>
    <message>
        <source>already running for this user (%1 is taken)</source>
        <translation>déjà en cours d&apos;exécution pour cet utilisateur (%1 est déjà pris)</translation>
    </message>
</context>
<context>
    <name>KxAction</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
<context>
    <name>KxAppRules</name>
    <message>
        <source>names no application</source>
        <translation>ne désigne aucune application</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>dépasse %1 caractères</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>is not a field of the rules</source>
        <translation>n&apos;est pas un champ des règles</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>n&apos;est pas true ou false</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>holds %1 rules; at most %2 are kept</source>
        <translation>contient %1 règles ; au plus %2 sont conservées</translation>
    </message>
    <message>
        <source>is not a field of a rule</source>
        <translation>n&apos;est pas un champ d&apos;une règle</translation>
    </message>
    <message>
        <source>is not a name</source>
        <translation>n&apos;est pas un nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a rule already</source>
        <translation>« %1 » a déjà une règle</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5, or 0 to leave it as it is)</source>
        <translation>n&apos;est pas un profil de la souris (1 à 5, ou 0 pour le laisser tel quel)</translation>
    </message>
    <message>
        <source>the rules could not be written to %1</source>
        <translation>les règles n&apos;ont pas pu être écrites dans %1</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5)</source>
        <translation>n&apos;est pas un profil de la souris (1 à 5)</translation>
    </message>
</context>
<context>
    <name>KxAppRulesUpdate</name>
    <message>
        <source>the application rules in the preferences cannot be read: %1. Correct it, or delete the [ApplicationRules] section of %2 to start again without rules</source>
        <extracomment>%1: where and what is wrong (&quot;com.vlak.KxOption.conf [ApplicationRules] rules<byte value="x2"/>profile: is not a profile of the mouse (1 to 5)&quot;); %2: the preferences file.</extracomment>
        <translation>les règles d&apos;application des préférences ne peuvent pas être lues : %1. Corrigez-le, ou supprimez la section [ApplicationRules] de %2 pour repartir sans règles</translation>
    </message>
</context>
<context>
    <name>KxCtl</name>
    <message>
        <source>kxctl help [COMMAND]
  How to use kxctl, or one of its commands.
</source>
        <translation>kxctl help [COMMAND]
  Comment utiliser kxctl, ou l&apos;une de ses commandes.
</translation>
    </message>
    <message>
        <source>kxctl [--json] list
  The attached mice, each with its USB location and the profile it reports
  as active. None attached is an empty list.
</source>
        <translation>kxctl [--json] list
  Les souris branchées, chacune avec son emplacement USB et le profil qu&apos;elle
  indique comme actif. Sans souris branchée, la liste est vide.
</translation>
    </message>
    <message>
        <source>kxctl [--json] show [--profile N | --all]
  The settings and the buttons of the active profile, of profile N (1..5), or
  of all five, as the mouse holds them.
</source>
        <translation>kxctl [--json] show [--profile N | --all]
  Les réglages et les boutons du profil actif, du profil N (1..5) ou des cinq
  profils, tels que la souris les contient.
</translation>
    </message>
    <message>
        <source>kxctl profile [--dry-run] N
  Makes profile N (1..5) the active one.
</source>
        <translation>kxctl profile [--dry-run] N
  Fait du profil N (1..5) le profil actif.
</translation>
    </message>
    <message>
        <source>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Sets the DPI of stage STAGE (1..4) to VALUE (100..3500, in steps of 100).
  The mouse keeps one set of stages for all its profiles.
</source>
        <translation>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Règle le DPI du palier STAGE (1..4) sur VALUE (100..3500, par pas de 100).
  La souris garde un seul jeu de paliers pour tous ses profils.
</translation>
    </message>
    <message>
        <source>kxctl stage [--dry-run] N
  Makes DPI stage N (1..4) the active one.
</source>
        <translation>kxctl stage [--dry-run] N
  Fait du palier DPI N (1..4) le palier actif.
</translation>
    </message>
    <message>
        <source>kxctl rate [--dry-run] 125|500|1000
  Sets the polling rate in Hz.
</source>
        <translation>kxctl rate [--dry-run] 125|500|1000
  Règle le taux de rapport, en Hz.
</translation>
    </message>
    <message>
        <source>kxctl light [--dry-run] logo|wheel on|off
  Switches the logo&apos;s or the wheel&apos;s light.
</source>
        <translation>kxctl light [--dry-run] logo|wheel on|off
  Allume ou éteint l&apos;éclairage du logo ou celui de la molette.
</translation>
    </message>
    <message>
        <source>kxctl button [--profile N] [--dry-run] B ACTION
  Sets what button B does (1..5, or left, right, middle, side1, side2), in
  the active profile or profile N. ACTION is one of:
    default                the profile&apos;s built-in function
    function NAME          a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           a macro of the library
    launch PATH|APP-ID     an application: a file, or an installed one&apos;s id
</source>
        <translation>kxctl button [--profile N] [--dry-run] B ACTION
  Définit ce que fait le bouton B (1..5, ou left, right, middle, side1, side2)
  dans le profil actif ou dans le profil N. ACTION est l&apos;une des actions&#xa0;:
    default                la fonction d&apos;origine du profil
    function NAME          une fonction du catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           une macro de la bibliothèque
    launch PATH|APP-ID     une application&#xa0;: un fichier, ou l&apos;identifiant
                           d&apos;une application installée
</translation>
    </message>
    <message>
        <source>kxctl macro list|show|import|export ...
  The macro library: kxctl help macro list, and so on.
</source>
        <translation>kxctl macro list|show|import|export ...
  La bibliothèque de macros&#xa0;: kxctl help macro list, etc.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro list
  The macros of the library.
</source>
        <translation>kxctl [--json] macro list
  Les macros de la bibliothèque.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro show NAME
  A macro&apos;s steps.
</source>
        <translation>kxctl [--json] macro show NAME
  Les étapes d&apos;une macro.
</translation>
    </message>
    <message>
        <source>kxctl macro import [--dry-run] FILE.mac
  Adds a macro file to the library, named by the file.
</source>
        <translation>kxctl macro import [--dry-run] FILE.mac
  Ajoute un fichier de macro à la bibliothèque, sous le nom du fichier.
</translation>
    </message>
    <message>
        <source>kxctl macro export NAME FILE.mac
  Saves a macro as a file (- for standard output).
</source>
        <translation>kxctl macro export NAME FILE.mac
  Enregistre une macro dans un fichier (- pour la sortie standard).
</translation>
    </message>
    <message>
        <source>kxctl export FILE
  The whole set-up as a file: a file is replaced whole; a FIFO, a terminal or
  /dev/stdout is written as it is; - is standard output.
</source>
        <translation>kxctl export FILE
  Toute la configuration dans un fichier&#xa0;: un fichier est remplacé en entier&#xa0;;
  un FIFO, un terminal ou /dev/stdout est écrit tel quel&#xa0;; - désigne la sortie
  standard.
</translation>
    </message>
    <message>
        <source>kxctl import [--profiles 1,3] [--dry-run] FILE
  Writes a set-up file into the mouse, all of it or the profiles named
  (- reads standard input); --dry-run prints what would change.
</source>
        <translation>kxctl import [--profiles 1,3] [--dry-run] FILE
  Écrit un fichier de configuration dans la souris, en entier ou seulement les
  profils indiqués (- lit l&apos;entrée standard)&#xa0;; --dry-run affiche ce qui
  changerait.
</translation>
    </message>
    <message>
        <source>--device takes a mouse: its number, location or serial number as kxctl list shows them</source>
        <translation>--device attend une souris&#xa0;: son numéro, son emplacement ou son numéro de série, tels que kxctl list les affiche</translation>
    </message>
    <message>
        <source>--profile takes a profile number, 1 to 5</source>
        <translation>--profile attend un numéro de profil, de 1 à 5</translation>
    </message>
    <message>
        <source>--profiles takes profile numbers, as in 1,3</source>
        <translation>--profiles attend des numéros de profil, par exemple 1,3</translation>
    </message>
    <message>
        <source>--mode takes once, repeat N, hold or toggle</source>
        <translation>--mode attend once, repeat N, hold ou toggle</translation>
    </message>
    <message>
        <source>--mode repeat takes a count, as in --mode repeat 3</source>
        <translation>--mode repeat attend un nombre, par exemple --mode repeat 3</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>there is no command %1</source>
        <translation>la commande %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>macro takes list, show, import or export</source>
        <translation>macro attend list, show, import ou export</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 n&apos;accepte pas --%2</translation>
    </message>
    <message>
        <source>%1: too few arguments</source>
        <translation>%1&#xa0;: pas assez d&apos;arguments</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1&#xa0;: trop d&apos;arguments</translation>
    </message>
    <message>
        <source>show takes --profile N or --all, not both</source>
        <translation>show attend --profile N ou --all, pas les deux</translation>
    </message>
    <message>
        <source>--mode goes with button B macro NAME</source>
        <translation>--mode s&apos;utilise avec button B macro NAME</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>appuyer sur %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>relâcher %1</translation>
    </message>
    <message>
        <source>insert %1</source>
        <translation>insérer %1</translation>
    </message>
    <message>
        <source>(unknown command)</source>
        <translation>(commande inconnue)</translation>
    </message>
    <message>
        <source>press left button</source>
        <translation>appuyer sur le bouton gauche</translation>
    </message>
    <message>
        <source>press right button</source>
        <translation>appuyer sur le bouton droit</translation>
    </message>
    <message>
        <source>press middle button</source>
        <translation>appuyer sur le bouton du milieu</translation>
    </message>
    <message>
        <source>release left button</source>
        <translation>relâcher le bouton gauche</translation>
    </message>
    <message>
        <source>release right button</source>
        <translation>relâcher le bouton droit</translation>
    </message>
    <message>
        <source>release middle button</source>
        <translation>relâcher le bouton du milieu</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>étape inconnue</translation>
    </message>
    <message>
        <source>standard output cannot be written: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>no mouse is attached</source>
        <translation>aucune souris n&apos;est branchée</translation>
    </message>
    <message>
        <source>mouse %1 went away</source>
        <translation>la souris %1 a disparu</translation>
    </message>
    <message>
        <source>no attached mouse is %1 (kxctl list shows them)</source>
        <translation>aucune souris branchée ne correspond à %1 (kxctl list les affiche)</translation>
    </message>
    <message>
        <source>%1 mice are attached: say which with --device N (kxctl list shows them)</source>
        <translation>%1 souris sont branchées&#xa0;: indiquez laquelle avec --device N (kxctl list les affiche)</translation>
    </message>
    <message>
        <source>%1 mice are attached; this is mouse 1 (--device picks another)</source>
        <translation>%1 souris sont branchées&#xa0;; la souris 1 est utilisée (--device en choisit une autre)</translation>
    </message>
    <message>
        <source>waiting for the mouse: another program is using it...</source>
        <translation>attente de la souris&#xa0;: un autre programme l&apos;utilise...</translation>
    </message>
    <message>
        <source>there is no session bus, so an open configuration window cannot be seen; if one is open, it shows the older values until it is opened again</source>
        <translation>il n&apos;y a pas de bus de session&#xa0;: une fenêtre de configuration ouverte ne peut donc pas être détectée&#xa0;; si une fenêtre est ouverte, elle affiche les anciennes valeurs jusqu&apos;à sa prochaine ouverture</translation>
    </message>
    <message>
        <source>the configuration window (KxOption) is open and owns the mouse&apos;s settings: close it first, or run kxctl --wait to wait for it</source>
        <translation>la fenêtre de configuration (KxOption) est ouverte et gère les réglages de la souris&#xa0;: fermez-la d&apos;abord, ou lancez kxctl --wait pour attendre sa fermeture</translation>
    </message>
    <message>
        <source>emulated</source>
        <extracomment>How a mouse is attached, in kxctl list&apos;s column beside &quot;usb&quot;.</extracomment>
        <translation>émulée</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  (used by kxctl and the window)</source>
        <extracomment>kxctl list, one line per mouse: its number, how it is attached (&quot;usb&quot; or &quot;emulated&quot;), its USB location, its name, the profile it reports, then its serial number when it has one, and whether kxctl uses it. Keep the columns.</extracomment>
        <translation>%1  %2  %3  %4  profil actif %5  (utilisée par kxctl et la fenêtre)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5</source>
        <translation>%1  %2  %3  %4  profil actif %5</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6  (used by kxctl and the window)</source>
        <translation>%1  %2  %3  %4  profil actif %5  n° de série %6  (utilisée par kxctl et la fenêtre)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6</source>
        <translation>%1  %2  %3  %4  profil actif %5  n° de série %6</translation>
    </message>
    <message>
        <source>the mouse has profiles 1 to 5</source>
        <translation>la souris a les profils 1 à 5</translation>
    </message>
    <message>
        <source>the mouse did not answer</source>
        <translation>la souris n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>Active profile: %1</source>
        <translation>Profil actif&#xa0;: %1</translation>
    </message>
    <message>
        <source>DPI stages: %1 (stage %2 active)</source>
        <translation>Paliers DPI&#xa0;: %1 (palier %2 actif)</translation>
    </message>
    <message>
        <source>Polling rate: %1 Hz</source>
        <translation>Taux de rapport&#xa0;: %1 Hz</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel on</source>
        <translation>Éclairages&#xa0;: logo allumé, molette allumée</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel off</source>
        <translation>Éclairages&#xa0;: logo allumé, molette éteinte</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel on</source>
        <translation>Éclairages&#xa0;: logo éteint, molette allumée</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel off</source>
        <translation>Éclairages&#xa0;: logo éteint, molette éteinte</translation>
    </message>
    <message>
        <source>Lock switch: locked</source>
        <translation>Verrouillage&#xa0;: activé</translation>
    </message>
    <message>
        <source>Lock switch: unlocked</source>
        <translation>Verrouillage&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>Profile %1 (active)</source>
        <translation>Profil %1 (actif)</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>profile takes a profile number, 1 to 5</source>
        <translation>profile attend un numéro de profil, de 1 à 5</translation>
    </message>
    <message>
        <source>dpi takes a stage (1 to 4) and a DPI value</source>
        <translation>dpi attend un palier (1 à 4) et une valeur DPI</translation>
    </message>
    <message>
        <source>the mouse has DPI stages 1 to 4</source>
        <translation>la souris a les paliers DPI 1 à 4</translation>
    </message>
    <message>
        <source>%1 DPI: a stage takes %2 to %3 DPI in steps of %4</source>
        <translation>%1 DPI&#xa0;: un palier accepte de %2 à %3 DPI, par pas de %4</translation>
    </message>
    <message>
        <source>the mouse keeps one set of DPI stages for all its profiles; profile %1 has it too</source>
        <translation>la souris garde un seul jeu de paliers DPI pour tous ses profils&#xa0;; le profil %1 l&apos;utilise aussi</translation>
    </message>
    <message>
        <source>stage takes a stage number, 1 to 4</source>
        <translation>stage attend un numéro de palier, de 1 à 4</translation>
    </message>
    <message>
        <source>rate takes 125, 500 or 1000 (Hz)</source>
        <translation>rate attend 125, 500 ou 1000 (Hz)</translation>
    </message>
    <message>
        <source>the mouse runs at 125, 500 or 1000 Hz; it has no %1 Hz</source>
        <translation>la souris fonctionne à 125, 500 ou 1000 Hz&#xa0;; %1 Hz n&apos;est pas possible</translation>
    </message>
    <message>
        <source>light takes logo or wheel, then on or off</source>
        <translation>light attend logo ou wheel, puis on ou off</translation>
    </message>
    <message>
        <source>a button is 1 to 5, or left, right, middle, side1 or side2</source>
        <translation>un bouton se désigne par 1 à 5, ou par left, right, middle, side1 ou side2</translation>
    </message>
    <message>
        <source>button B takes default, function NAME, macro NAME or launch PATH</source>
        <translation>button B attend default, function NAME, macro NAME ou launch PATH</translation>
    </message>
    <message>
        <source>a repeat count is 1 to %1</source>
        <translation>le nombre de répétitions va de 1 à %1</translation>
    </message>
    <message>
        <source>the mouse repeats a macro at most 255 times</source>
        <translation>la souris répète une macro 255 fois au maximum</translation>
    </message>
    <message>
        <source>there is no file %1 and no application of that id is installed</source>
        <translation>le fichier %1 n&apos;existe pas et aucune application installée n&apos;a cet identifiant</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the path is %1 bytes long; the mouse&apos;s profile keeps %2 at most: %3</source>
        <translation>le chemin fait %1 octets&#xa0;; le profil de la souris en garde %2 au maximum&#xa0;: %3</translation>
    </message>
    <message>
        <source>profile %1 has no built-in default</source>
        <translation>le profil %1 n&apos;a pas de fonctions d&apos;origine</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was written</source>
        <translation>la souris n&apos;a pas répondu&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>profile %1 would have no button left doing the left click; give it to another button first</source>
        <translation>le profil %1 n&apos;aurait plus aucun bouton pour le clic gauche&#xa0;; attribuez-le d&apos;abord à un autre bouton</translation>
    </message>
    <message>
        <source>Nothing to change: the mouse holds this already.</source>
        <translation>Rien à changer&#xa0;: la souris contient déjà ces réglages.</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Changements prévus&#xa0;:</translation>
    </message>
    <message>
        <source>The buttons not written are kept as changes not yet written; the window offers them when it opens.</source>
        <translation>Les boutons non écrits sont gardés comme modifications en attente&#xa0;; la fenêtre les propose à son ouverture.</translation>
    </message>
    <message>
        <source>Give the command again to write the settings.</source>
        <translation>Relancez la commande pour écrire les réglages.</translation>
    </message>
    <message>
        <source>Give the command again to switch the profile.</source>
        <translation>Relancez la commande pour changer de profil.</translation>
    </message>
    <message>
        <source>not everything was written</source>
        <translation>tout n&apos;a pas été écrit</translation>
    </message>
    <message>
        <source>%1  (%2 steps, %3 on the mouse)</source>
        <translation>%1  (%2 étapes, %3 dans la souris)</translation>
    </message>
    <message>
        <source>The library holds no macros.</source>
        <translation>La bibliothèque ne contient aucune macro.</translation>
    </message>
    <message>
        <source>%1: %2 steps, %3 on the mouse (a button holds %4)</source>
        <translation>%1&#xa0;: %2 étapes, %3 dans la souris (un bouton en contient %4)</translation>
    </message>
    <message>
        <source>  %1  %2, then %3 ms</source>
        <extracomment>kxctl macro show, one line per step: its number, what it does (&quot;press A&quot;), and the delay after it.</extracomment>
        <translation>  %1  %2, puis %3 ms</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: the file %2</source>
        <extracomment>%1: a macro file; %2: why it cannot be read (&quot;is not a regular file&quot;).</extracomment>
        <translation>impossible de charger %1&#xa0;: le fichier %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it is not a macro</source>
        <translation>impossible de charger %1&#xa0;: ce n&apos;est pas une macro</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2</source>
        <translation>impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a macro is named by its file, in 1 to %2 characters without control characters</source>
        <translation>impossible de charger %1&#xa0;: une macro prend le nom de son fichier, de 1 à %2 caractères, sans caractères de contrôle</translation>
    </message>
    <message>
        <source>the library has a macro called %1 already</source>
        <translation>la bibliothèque contient déjà une macro nommée %1</translation>
    </message>
    <message>
        <source>the library holds %1 macros, the most it keeps</source>
        <translation>la bibliothèque contient %1 macros, le maximum possible</translation>
    </message>
    <message>
        <source>Would add %1 to the library (%2 steps).</source>
        <translation>%1 serait ajoutée à la bibliothèque (%2 étapes).</translation>
    </message>
    <message>
        <source>the macro library could not be saved in %1</source>
        <translation>impossible d&apos;enregistrer la bibliothèque de macros dans %1</translation>
    </message>
    <message>
        <source>Added %1 to the library (%2 steps).</source>
        <translation>%1 ajoutée à la bibliothèque (%2 étapes).</translation>
    </message>
    <message>
        <source>%1 delays were changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>Délais ajustés à ce qu&apos;une étape peut contenir (%2 ms au maximum, par pas de %3 ms)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the macro could not be saved as %1: %2</source>
        <translation>impossible d&apos;enregistrer la macro sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved %1 as %2.</source>
        <translation>%1 enregistrée sous %2.</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was exported</source>
        <translation>la souris n&apos;a pas répondu&#xa0;; rien n&apos;a été exporté</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1: a file; %2: why (&quot;is a folder&quot;, or the system&apos;s word).</extracomment>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exported the set-up (five profiles, 1 macro) to %1.</source>
        <translation>Configuration exportée (cinq profils, 1 macro) vers %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the set-up (five profiles, %n macros) to %1.</source>
        <translation>
            <numerusform>Configuration exportée (cinq profils, %n macro) vers %1.</numerusform>
            <numerusform>Configuration exportée (cinq profils, %n macros) vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the set-up on standard input %1</source>
        <extracomment>%1: why it cannot be read (&quot;cannot be read (…)&quot;, &quot;is larger than 1 MiB&quot;).</extracomment>
        <translation>le contenu de l&apos;entrée standard %1</translation>
    </message>
    <message>
        <source>the set-up is refused: %1</source>
        <translation>la configuration est refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 est refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>waiting for the configuration window to close...</source>
        <translation>attente de la fermeture de la fenêtre de configuration...</translation>
    </message>
    <message>
        <source>(kxctl --help tells how to use it)</source>
        <translation>(kxctl --help explique comment l&apos;utiliser)</translation>
    </message>
    <message>
        <source>kxctl rule list|add|remove|on|off ...
  The application rules: the profile follows the application in front.
  kxctl help rule add, and so on.
</source>
        <translation>kxctl rule list|add|remove|on|off ...
  Les règles d&apos;application : le profil suit l&apos;application au premier plan.
  kxctl help rule add, et ainsi de suite.
</translation>
    </message>
    <message>
        <source>kxctl [--json] rule list
  The application rules, whether they are on, and whether this desktop tells
  the application in front (asked of the running daemon).
</source>
        <translation>kxctl [--json] rule list
  Les règles d&apos;application, si elles sont activées, et si ce bureau indique
  l&apos;application au premier plan (demandé au programme d&apos;arrière-plan en cours).
</translation>
    </message>
    <message>
        <source>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  Uses profile PROFILE (1..5) while APP is in front, or while no rule&apos;s application
  is. APP is an installed application&apos;s id (org.gimp.GIMP), its name, or a
  window class.
</source>
        <translation>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  Utilise le profil PROFILE (1..5) tant que APP est au premier plan, ou tant
  qu&apos;aucune application d&apos;une règle ne l&apos;est. APP est l&apos;identifiant d&apos;une
  application installée (org.gimp.GIMP), son nom, ou une classe de fenêtre.
</translation>
    </message>
    <message>
        <source>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  Removes APP&apos;s rule, or the rule for every other application (the profile
  then stays as it is).
</source>
        <translation>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  Supprime la règle de APP, ou la règle pour toute autre application (le
  profil reste alors tel quel).
</translation>
    </message>
    <message>
        <source>kxctl rule on|off [--dry-run]
  Switches all the application rules on or off.
</source>
        <translation>kxctl rule on|off [--dry-run]
  Active ou désactive toutes les règles d&apos;application.
</translation>
    </message>
    <message>
        <source>Usage: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
The Kestrix mouse from a terminal: the same profiles, buttons, macros and settings
as the configuration window, written through the same paced operations and read back.

Commands:
  list                           the attached mice
  show [--profile N | --all]     settings and buttons as the mouse holds them
  profile N                      make profile N (1..5) the active one
  dpi [--profile N] STAGE VALUE  set the DPI of stage 1..4 (100..3500, steps of 100)
  stage N                        make DPI stage N (1..4) the active one
  rate 125|500|1000              set the polling rate in Hz
  light logo|wheel on|off        switch a light
  button [--profile N] B ACTION  set what button B (1..5, left, right, middle, side1,
                                 side2) does; ACTION is one of
      default                    the profile&apos;s built-in function for it
      function NAME              a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 a macro of the library, run once (default), N times,
                                 while held, or until pressed again
      launch PATH|APP-ID         an application: a file, or an installed
                                 application&apos;s id (org.example.App.desktop)
  macro list                     the macro library
  macro show NAME                a macro&apos;s steps
  macro import FILE.mac          add a macro file to the library, named by the file
  macro export NAME FILE.mac     save a macro as a file
  export FILE                    the whole set-up as a file (- for standard output)
  import FILE [--profiles 1,3] [--dry-run]
                                 write a set-up file into the mouse (- for standard
                                 input); --dry-run prints what would change
  rule list                      the application rules (no mouse needed)
  rule add APP PROFILE           use PROFILE (1..5) while APP is in front
  rule add --otherwise PROFILE   use PROFILE while no rule&apos;s application is
  rule remove APP | --otherwise  remove a rule
  rule on|off                    switch all the application rules

Options:
  --json       output as JSON (see the kxctl(1) manual)
  --wait       wait for the configuration window to close instead of refusing
  --dry-run    with a command that writes: print what would change, write nothing
  --device M   the mouse to use when more than one is attached: its number, location
               or serial number, as kxctl list shows them
  --verbose    the programs&apos; log lines on standard error
  --help, -h   this help; after a command, that command&apos;s (also: kxctl help COMMAND)
  --version, -V

Names are matched whole and regardless of case. Exit status: 0 done, 1 refused or
failed (with a message), 2 bad usage, 3 no mouse.
</source>
        <extracomment>kxctl&apos;s help. Commands, options and the words in capitals (N, NAME, FILE) are typed as they are; keep them, and keep the columns lined up.</extracomment>
        <translation>Utilisation&#xa0;: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
La souris Kestrix depuis un terminal&#xa0;: les mêmes profils, boutons, macros et
réglages que dans la fenêtre de configuration, écrits par les mêmes opérations
cadencées, puis relus.

Commandes&#xa0;:
  list                           les souris branchées
  show [--profile N | --all]     réglages et boutons tels que la souris les contient
  profile N                      faire du profil N (1..5) le profil actif
  dpi [--profile N] STAGE VALUE  régler le DPI du palier 1..4 (100..3500, pas de 100)
  stage N                        faire du palier DPI N (1..4) le palier actif
  rate 125|500|1000              régler le taux de rapport, en Hz
  light logo|wheel on|off        allumer ou éteindre un éclairage
  button [--profile N] B ACTION  définir ce que fait le bouton B (1..5, left, right,
                                 middle, side1, side2)&#xa0;; ACTION est l&apos;une des actions
      default                    la fonction d&apos;origine du profil pour ce bouton
      function NAME              une fonction du catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 une macro de la bibliothèque, exécutée une fois (par
                                 défaut), N fois, tant que le bouton est maintenu ou
                                 jusqu&apos;au prochain appui
      launch PATH|APP-ID         une application&#xa0;: un fichier, ou l&apos;identifiant d&apos;une
                                 application installée (org.example.App.desktop)
  macro list                     la bibliothèque de macros
  macro show NAME                les étapes d&apos;une macro
  macro import FILE.mac          ajouter un fichier de macro à la bibliothèque, sous
                                 le nom du fichier
  macro export NAME FILE.mac     enregistrer une macro dans un fichier
  export FILE                    toute la configuration dans un fichier (- pour la
                                 sortie standard)
  import FILE [--profiles 1,3] [--dry-run]
                                 écrire un fichier de configuration dans la souris
                                 (- pour l&apos;entrée standard)&#xa0;; --dry-run affiche ce
                                 qui changerait
  rule list                      les règles d&apos;application (sans souris)
  rule add APP PROFILE           PROFILE (1..5) tant que APP est devant
  rule add --otherwise PROFILE   PROFILE quand aucune règle ne s&apos;applique
  rule remove APP | --otherwise  supprimer une règle
  rule on|off                    activer ou désactiver toutes les règles

Options&#xa0;:
  --json       sortie au format JSON (voir le manuel kxctl(1))
  --wait       attendre que la fenêtre de configuration se ferme au lieu de refuser
  --dry-run    avec une commande d&apos;écriture&#xa0;: afficher ce qui changerait, sans écrire
  --device M   la souris à utiliser quand plusieurs sont branchées&#xa0;: son numéro,
               son emplacement ou son numéro de série, tels que kxctl list les
               affiche
  --verbose    les lignes de journal des programmes sur la sortie d&apos;erreur standard
  --help, -h   cette aide&#xa0;; après une commande, l&apos;aide de cette commande (aussi&#xa0;:
               kxctl help COMMAND)
  --version, -V

Les noms doivent correspondre en entier&#xa0;; la casse est ignorée. Code de sortie&#xa0;:
0 terminé, 1 refusé ou échec (avec un message), 2 mauvaise utilisation, 3 aucune
souris.
</translation>
    </message>
    <message>
        <source>rule takes list, add, remove, on or off</source>
        <translation>rule prend list, add, remove, on ou off</translation>
    </message>
    <message>
        <source>rule add takes APP PROFILE, or --otherwise PROFILE</source>
        <translation>rule add prend APP PROFILE, ou --otherwise PROFILE</translation>
    </message>
    <message>
        <source>rule remove takes APP, or --otherwise</source>
        <translation>rule remove prend APP, ou --otherwise</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1; nothing was exported</source>
        <translation>%1 ; rien n&apos;a été exporté</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An application of a rule: its name (%1) and its id (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>An application of a rule that no installed application is (%1: its id or window class).</extracomment>
        <translation>%1 (non installée)</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>profil %1</translation>
    </message>
    <message>
        <source>the profile stays as it is</source>
        <translation>le profil reste tel quel</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>règles d&apos;application</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activées</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivées</translation>
    </message>
    <message>
        <source>rule for %1</source>
        <translation>règle pour %1</translation>
    </message>
    <message>
        <source>no rule</source>
        <translation>aucune règle</translation>
    </message>
    <message>
        <source>every other application</source>
        <translation>toute autre application</translation>
    </message>
    <message>
        <source>Application rules: on</source>
        <translation>Règles d&apos;application : activées</translation>
    </message>
    <message>
        <source>Application rules: off (the profile follows no application)</source>
        <translation>Règles d&apos;application : désactivées (le profil ne suit aucune application)</translation>
    </message>
    <message>
        <source>  no rules (kxctl rule add APP PROFILE makes one)</source>
        <translation>  aucune règle (kxctl rule add APP PROFILE en crée une)</translation>
    </message>
    <message>
        <source>The daemon is not running: the rules apply once it runs.</source>
        <translation>Le programme d&apos;arrière-plan ne tourne pas : les règles s&apos;appliquent dès qu&apos;il tourne.</translation>
    </message>
    <message>
        <source>The daemon did not answer whether this desktop tells which application is in front.</source>
        <translation>Le programme d&apos;arrière-plan n&apos;a pas répondu si ce bureau indique quelle application est au premier plan.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front (%1).</source>
        <translation>Ce bureau indique quelle application est au premier plan (%1).</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front (%1): the rules do nothing here.</source>
        <translation>Ce bureau n&apos;indique pas quelle application est au premier plan (%1) : les règles n&apos;ont ici aucun effet.</translation>
    </message>
    <message>
        <source>%1 is not a profile of the mouse: it has profiles 1 to 5</source>
        <translation>%1 n&apos;est pas un profil de la souris : elle a les profils 1 à 5</translation>
    </message>
    <message>
        <source>the application &quot;%1&quot; %2</source>
        <extracomment>%1: the application as typed; %2: why it cannot be (&quot;holds control characters&quot;).</extracomment>
        <translation>l&apos;application « %1 » %2</translation>
    </message>
    <message>
        <source>there are %1 rules, the most kept: remove one first</source>
        <translation>il y a %1 règles, le maximum conservé : supprimez-en une d&apos;abord</translation>
    </message>
    <message>
        <source>%1 has no rule (kxctl rule list shows them)</source>
        <translation>%1 n&apos;a pas de règle (kxctl rule list les affiche)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the installed application %2: the rule names it by that id</source>
        <extracomment>%1: the application&apos;s name as typed; %2: its id.</extracomment>
        <translation>« %1 » est l&apos;application installée %2 : la règle la désigne par cet identifiant</translation>
    </message>
    <message>
        <source>no installed application has the id %1: the rule is kept for when one has, and applies meanwhile to windows of that class</source>
        <translation>aucune application installée n&apos;a l&apos;identifiant %1 : la règle est gardée pour quand une l&apos;aura, et s&apos;applique d&apos;ici là aux fenêtres de cette classe</translation>
    </message>
    <message>
        <source>no installed application has the id %1, and several are called so (%2): name one by its id; the rule is kept as typed</source>
        <translation>aucune application installée n&apos;a l&apos;identifiant %1, et plusieurs portent ce nom (%2) : désignez-en une par son identifiant ; la règle est gardée telle que saisie</translation>
    </message>
    <message>
        <source>Nothing to change: the rules say this already.</source>
        <translation>Rien à changer : les règles le disent déjà.</translation>
    </message>
    <message>
        <source>There is no session bus: whether the daemon runs cannot be seen.</source>
        <translation>Il n&apos;y a pas de bus de session : impossible de voir si le programme d&apos;arrière-plan tourne.</translation>
    </message>
</context>
<context>
    <name>KxMouseLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>impossible de verrouiller %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>KxNames</name>
    <message>
        <source>left button</source>
        <translation>bouton gauche</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>bouton droit</translation>
    </message>
    <message>
        <source>wheel button</source>
        <translation>bouton de la molette</translation>
    </message>
    <message>
        <source>front side button</source>
        <translation>bouton latéral avant</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>bouton latéral arrière</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Names listed: the ones before (%1) and the next one (%2), not the last.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Names listed: the ones before (%1) and the last one (%2).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;</source>
        <translation>la fonction «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;; close: %2</source>
        <translation>la fonction «&#xa0;%1&#xa0;» n&apos;existe pas&#xa0;; noms proches&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs fonctions</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function: %2</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs fonctions&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;</source>
        <translation>la macro «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;; close: %2</source>
        <translation>la macro «&#xa0;%1&#xa0;» n&apos;existe pas&#xa0;; noms proches&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs macros</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro: %2</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs macros&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>la commande «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;; close: %2</source>
        <translation>la commande «&#xa0;%1&#xa0;» n&apos;existe pas&#xa0;; noms proches&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs commandes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command: %2</source>
        <translation>«&#xa0;%1&#xa0;» désigne plusieurs commandes&#xa0;: %2</translation>
    </message>
    <message>
        <source>repeat once</source>
        <translation>répéter une fois</translation>
    </message>
    <message numerus="yes">
        <source>repeat %n times</source>
        <translation>
            <numerusform>répéter %n fois</numerusform>
            <numerusform>répéter %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>while held</source>
        <translation>tant que le bouton est maintenu</translation>
    </message>
    <message>
        <source>until pressed again</source>
        <translation>jusqu&apos;au prochain appui</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How a macro runs: one time for each press.</extracomment>
        <translation>une fois</translation>
    </message>
    <message>
        <source>deleted macro (the mouse keeps running what it holds)</source>
        <translation>macro supprimée (la souris continue d&apos;exécuter ce qu&apos;elle contient)</translation>
    </message>
    <message>
        <source>macro %1 (not in the library), %2</source>
        <extracomment>A button&apos;s macro: its name (%1) and how it runs (%2, as &quot;repeat 3 times&quot;).</extracomment>
        <translation>macro %1 (absente de la bibliothèque), %2</translation>
    </message>
    <message>
        <source>macro %1, %2</source>
        <translation>macro %1, %2</translation>
    </message>
    <message>
        <source>launch (no application set)</source>
        <translation>lancer (aucune application définie)</translation>
    </message>
    <message>
        <source>launch %1 (%2)</source>
        <extracomment>A button that starts an application: its name (%1) and file (%2).</extracomment>
        <translation>lancer %1 (%2)</translation>
    </message>
    <message>
        <source>launch %1</source>
        <translation>lancer %1</translation>
    </message>
    <message>
        <source>keys %1</source>
        <extracomment>A button that sends key codes (%1: the codes, as &quot;4 22&quot;).</extracomment>
        <translation>touches %1</translation>
    </message>
    <message>
        <source>unknown function (table %1)</source>
        <translation>fonction inconnue (table %1)</translation>
    </message>
</context>
<context>
    <name>KxOption</name>
    <message>
        <source>There is no session bus: the on-screen display cannot be switched, and the window cannot follow the mouse&apos;s own buttons or be started again after an unplug.</source>
        <translation>Il n&apos;y a pas de bus de session&#xa0;: l&apos;affichage à l&apos;écran ne peut pas être activé ni désactivé, et la fenêtre ne peut ni suivre les boutons propres de la souris ni être relancée après un débranchement.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: changes to profiles and macros are not kept.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1&#xa0;: les modifications des profils et des macros ne sont pas conservées.</translation>
    </message>
    <message>
        <source>The background program could not be started: %1</source>
        <translation>Impossible de démarrer le programme d&apos;arrière-plan&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>KxSetupFile</name>
    <message>
        <source>true or false</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;; true and false are JSON&apos;s words.</extracomment>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;.</extracomment>
        <translation>du texte</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>une valeur nulle</translation>
    </message>
    <message>
        <source>is missing</source>
        <extracomment>Said of a field of a set-up file, after its name (&quot;settings.lights: is missing&quot;); so are the other texts that start with a verb.</extracomment>
        <translation>absent</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>doit être un nombre entier</translation>
    </message>
    <message>
        <source>must be a number, not %1</source>
        <translation>doit être un nombre, pas %1</translation>
    </message>
    <message>
        <source>%1 is not within %2..%3</source>
        <translation>%1 n&apos;est pas dans l&apos;intervalle %2..%3</translation>
    </message>
    <message>
        <source>must be text, not %1</source>
        <translation>doit être du texte, pas %1</translation>
    </message>
    <message>
        <source>is %1 characters long, at most %2</source>
        <translation>compte %1 caractères, %2 au maximum</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>&quot;%1&quot; ne fait pas partie des valeurs admises&#xa0;: %2</translation>
    </message>
    <message>
        <source>must be true or false, not %1</source>
        <translation>doit être true ou false, pas %1</translation>
    </message>
    <message>
        <source>must be a list, not %1</source>
        <translation>doit être une liste, pas %1</translation>
    </message>
    <message>
        <source>holds %1 entries, not %2</source>
        <translation>contient %1 entrées au lieu de %2</translation>
    </message>
    <message>
        <source>holds %1 entries, %2..%3 allowed</source>
        <translation>contient %1 entrées&#xa0;; %2..%3 autorisées</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>doit être un objet, pas %1</translation>
    </message>
    <message>
        <source>is not a field of a set-up file</source>
        <translation>n&apos;est pas un champ d&apos;un fichier de configuration</translation>
    </message>
    <message>
        <source>must be a whole number of DPI</source>
        <translation>doit être un nombre entier de DPI</translation>
    </message>
    <message>
        <source>%1 DPI: the mouse takes %2..%3 in steps of %4</source>
        <translation>%1 DPI&#xa0;: la souris accepte %2..%3, par pas de %4</translation>
    </message>
    <message>
        <source>%1 Hz: the mouse runs at 125, 500 or 1000 Hz</source>
        <translation>%1 Hz&#xa0;: la souris fonctionne à 125, 500 ou 1000 Hz</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>must be a code of 1..255</source>
        <translation>doit être un code de 1..255</translation>
    </message>
    <message>
        <source>a macro that repeats needs a count of 1..%1</source>
        <translation>une macro répétée a besoin d&apos;un nombre de répétitions de 1..%1</translation>
    </message>
    <message>
        <source>a launcher has a path or a desktopEntry, not both</source>
        <translation>un lanceur a un path ou un desktopEntry, pas les deux</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>doit être un chemin absolu</translation>
    </message>
    <message>
        <source>is %1 bytes long; the mouse&apos;s profile keeps %2 at most</source>
        <translation>fait %1 octets&#xa0;; le profil de la souris en garde %2 au maximum</translation>
    </message>
    <message>
        <source>must be an application&apos;s id, such as &quot;org.example.App.desktop&quot;</source>
        <translation>doit être l&apos;identifiant d&apos;une application, par exemple &quot;org.example.App.desktop&quot;</translation>
    </message>
    <message>
        <source>profile %1 appears twice</source>
        <translation>le profil %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>the %1 button appears twice</source>
        <extracomment>%1: the button as the file names it (left, right, middle, side1, side2).</extracomment>
        <translation>le bouton %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>another macro of this file is called &quot;%1&quot;</source>
        <translation>une autre macro de ce fichier s&apos;appelle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>le fichier ne contient pas de macro «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; a set-up is at most %2</source>
        <translation>le fichier fait %1 octets&#xa0;; une configuration en fait %2 au maximum</translation>
    </message>
    <message>
        <source>the file ends early (at byte %1): it is cut short or is not a set-up</source>
        <translation>le fichier se termine trop tôt (à l&apos;octet %1)&#xa0;: il est tronqué ou n&apos;est pas une configuration</translation>
    </message>
    <message>
        <source>the file is not a set-up: at byte %1, %2</source>
        <translation>le fichier n&apos;est pas une configuration&#xa0;: à l&apos;octet %1, %2</translation>
    </message>
    <message>
        <source>the file is not a set-up: it holds no object</source>
        <translation>le fichier n&apos;est pas une configuration&#xa0;: il ne contient aucun objet</translation>
    </message>
    <message>
        <source>is given twice; a field is given once</source>
        <translation>figure deux fois&#xa0;; un champ ne doit figurer qu&apos;une fois</translation>
    </message>
    <message>
        <source>is missing: the file is not a set-up</source>
        <translation>absent&#xa0;: le fichier n&apos;est pas une configuration</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;: the file is not a set-up</source>
        <translation>n&apos;est pas &quot;%1&quot;&#xa0;: le fichier n&apos;est pas une configuration</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>doit être un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>version %1 was written by a newer program; this one reads versions up to %2</source>
        <translation>la version %1 a été écrite par un programme plus récent&#xa0;; celui-ci lit les versions jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A file (%1) and why it cannot be read (%2: &quot;is not a regular file&quot;, &quot;cannot be opened (…)&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>KxSetupMouse</name>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A light&apos;s state.</extracomment>
        <translation>allumé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>palier DPI %1</translation>
    </message>
    <message>
        <source>active DPI stage</source>
        <translation>palier DPI actif</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>taux de rapport</translation>
    </message>
    <message>
        <source>logo light</source>
        <translation>éclairage du logo</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>éclairage de la molette</translation>
    </message>
    <message>
        <source>the macro takes %1 steps on the mouse; a button holds %2</source>
        <translation>la macro occupe %1 étapes dans la souris&#xa0;; un bouton en contient %2</translation>
    </message>
    <message>
        <source>macro %1: 1 delay was changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>macro %1&#xa0;: 1 délai a été ajusté à ce qu&apos;une étape peut contenir&#xa0;: %2 ms au maximum, par pas de %3 ms</translation>
    </message>
    <message numerus="yes">
        <source>macro %1: %n delays were changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>
            <numerusform>macro %1&#xa0;: %n délai a été ajusté à ce qu&apos;une étape peut contenir&#xa0;: %2 ms au maximum, par pas de %3 ms</numerusform>
            <numerusform>macro %1&#xa0;: %n délais ont été ajustés à ce qu&apos;une étape peut contenir&#xa0;: %2 ms au maximum, par pas de %3 ms</numerusform>
        </translation>
    </message>
    <message>
        <source>macro %1: the library&apos;s, used as it is</source>
        <translation>macro %1&#xa0;: celle de la bibliothèque, utilisée telle quelle</translation>
    </message>
    <message>
        <source>macro %1: the same as the library&apos;s %2, which is used</source>
        <translation>macro %1&#xa0;: identique à la macro %2 de la bibliothèque, qui est utilisée</translation>
    </message>
    <message>
        <source>macro %1: added to the library</source>
        <translation>macro %1&#xa0;: ajoutée à la bibliothèque</translation>
    </message>
    <message>
        <source>macro %1: added to the library as %2 (the library&apos;s %1 has other steps)</source>
        <translation>macro %1&#xa0;: ajoutée à la bibliothèque sous le nom %2 (la macro %1 de la bibliothèque a d&apos;autres étapes)</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>le fichier ne contient pas de macro «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is the launch code of profile %2&apos;s %3; a launcher with a path of its own launches with code %4</source>
        <translation>%1 est le code de lancement du %3 du profil %2&#xa0;; un lanceur qui a son propre chemin utilise le code %4</translation>
    </message>
    <message>
        <source>the application %1 is not installed here</source>
        <translation>l&apos;application %1 n&apos;est pas installée sur cet ordinateur</translation>
    </message>
    <message>
        <source>the application&apos;s path is longer than %1 bytes</source>
        <translation>le chemin de l&apos;application dépasse %1 octets</translation>
    </message>
    <message>
        <source>the library would hold %1 macros, more than the %2 it keeps</source>
        <translation>la bibliothèque contiendrait %1 macros, plus que les %2 qu&apos;elle peut garder</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A change: what changes (%1) and what it becomes (%2).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <extracomment>A change: what changes (%1), what it was (%2) and what it becomes (%3).</extracomment>
        <translation>%1&#xa0;: %2 → %3</translation>
    </message>
    <message>
        <source>%1 (the mouse keeps what it holds for this button)</source>
        <extracomment>What a button is given (%1: a function the mouse keeps by itself).</extracomment>
        <translation>%1 (la souris garde ce qu&apos;elle contient pour ce bouton)</translation>
    </message>
    <message>
        <source>profile %1 %2</source>
        <extracomment>A button of a profile: the profile&apos;s number (%1) and the button (&quot;wheel button&quot;).</extracomment>
        <translation>profil %1, %2</translation>
    </message>
    <message>
        <source>active profile</source>
        <translation>profil actif</translation>
    </message>
    <message>
        <source>desktop pointer speed</source>
        <translation>vitesse du pointeur du bureau</translation>
    </message>
    <message>
        <source>desktop scroll speed</source>
        <translation>vitesse de défilement du bureau</translation>
    </message>
    <message>
        <source>desktop double-click speed</source>
        <translation>vitesse du double-clic du bureau</translation>
    </message>
    <message>
        <source>The %1 of profile %2 did not reach the mouse.</source>
        <translation>Dans le profil %2, la fonction des boutons suivants n&apos;est pas parvenue à la souris&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The %1 of profile %2 may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Dans le profil %2, la fonction des boutons suivants n&apos;est peut-être pas parvenue à la souris, qui a cessé de répondre avant sa relecture&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Les réglages (paliers DPI, taux de rapport, éclairages) ne sont peut-être pas parvenus à la souris&#xa0;: elle a cessé de répondre avant leur relecture.</translation>
    </message>
    <message>
        <source>The mouse took only part of the settings (DPI stages, polling rate, lights): they are shown as it holds them.</source>
        <translation>La souris n&apos;a accepté qu&apos;une partie des réglages (paliers DPI, taux de rapport, éclairages)&#xa0;: ils sont affichés tels qu&apos;elle les contient.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) did not reach the mouse.</source>
        <translation>Les réglages (paliers DPI, taux de rapport, éclairages) ne sont pas parvenus à la souris.</translation>
    </message>
    <message>
        <source>The mouse may not have switched to profile %1: it stopped answering before it could say.</source>
        <translation>La souris n&apos;est peut-être pas passée au profil %1&#xa0;: elle a cessé de répondre avant de le confirmer.</translation>
    </message>
    <message>
        <source>The mouse did not switch to profile %1.</source>
        <translation>La souris n&apos;est pas passée au profil %1.</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 règle</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n règle</numerusform>
            <numerusform>%n règles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, otherwise profile %2</source>
        <translation>%1, sinon profil %2</translation>
    </message>
    <message>
        <source>%1, switched off</source>
        <translation>%1, désactivées</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>règles d&apos;application</translation>
    </message>
    <message>
        <source>%1, replacing yours (%2)</source>
        <extracomment>The application rules a set-up brings (%1: &quot;3 rules, otherwise profile 2&quot;), and the user&apos;s that they replace (%2).</extracomment>
        <translation>%1, remplaçant les vôtres (%2)</translation>
    </message>
</context>
<context>
    <name>KxWriteSession</name>
    <message>
        <source>The macro library could not be saved in %1; nothing was written.</source>
        <translation>Impossible d&apos;enregistrer la bibliothèque de macros dans %1&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The changes could not be kept in %1 before writing; nothing was written.</source>
        <translation>Impossible de conserver les modifications dans %1 avant l&apos;écriture&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The desktop did not take the pointer, scroll and double-click speeds.</source>
        <translation>Le bureau n&apos;a pas accepté les vitesses du pointeur, du défilement et du double-clic.</translation>
    </message>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>Impossible d&apos;enregistrer les profils dans %1.</translation>
    </message>
    <message>
        <source>The application rules were not taken, as the mouse did not take the whole set-up.</source>
        <translation>Les règles d&apos;application n&apos;ont pas été reprises, car la souris n&apos;a pas pris toute la configuration.</translation>
    </message>
    <message>
        <source>The application rules were not taken: %1.</source>
        <extracomment>%1: why (&quot;the rules could not be written to …&quot;).</extracomment>
        <translation>Les règles d&apos;application n&apos;ont pas été reprises : %1.</translation>
    </message>
</context>
<context>
    <name>LaunchChooserView</name>
    <message>
        <source> (a link to %1)</source>
        <translation> (lien vers %1)</translation>
    </message>
    <message>
        <source>This desktop entry is outside the applications folders and names no application this desktop can start:
%1
Take it for this button anyway?</source>
        <translation>Ce fichier .desktop se trouve hors des dossiers d&apos;applications et ne désigne aucune application que ce bureau sait lancer&#xa0;:
%1
L&apos;utiliser quand même pour ce bouton&#xa0;?</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Saisissez pour filtrer</translation>
    </message>
    <message>
        <source>No installed applications were found: “Other file…” takes any program.</source>
        <translation>Aucune application installée n&apos;a été trouvée&#xa0;: «&#xa0;Autre fichier…&#xa0;» accepte n&apos;importe quel programme.</translation>
    </message>
    <message>
        <source>No application matches “%1”.</source>
        <translation>Aucune application ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Choose the program or file to start</source>
        <translation>Choisir le programme ou le fichier à lancer</translation>
    </message>
    <message>
        <source>Application launcher</source>
        <translation>Lanceur d&apos;applications</translation>
    </message>
    <message>
        <source>Chooses the application or program the selected mouse button starts.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Choisit l&apos;application ou le programme que lance le bouton sélectionné.</translation>
    </message>
    <message>
        <source>APPLICATION LAUNCHER</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>LANCEUR D&apos;APPLICATIONS</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>APPLICATIONS INSTALLÉES</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Filtrer les applications</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Applications</translation>
    </message>
    <message>
        <source>OTHER FILE…</source>
        <extracomment>the label of the control otherBtn, 124 points wide (English uses 89)</extracomment>
        <translation>AUTRE FICHIER…</translation>
    </message>
    <message>
        <source>Other file</source>
        <extracomment>the name a screen reader says for otherBtn</extracomment>
        <translation>Autre fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Application for a rule</source>
        <translation>Application d’une règle</translation>
    </message>
</context>
<context>
    <name>LightOptionView</name>
    <message>
        <source>Switches the mouse&apos;s logo and wheel lights on or off.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Allume ou éteint l&apos;éclairage du logo et celui de la molette de la souris.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>LIGHTS</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>ÉCLAIRAGES</translation>
    </message>
    <message>
        <source>PICKED LIGHT</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>ÉCLAIRAGE CHOISI</translation>
    </message>
    <message>
        <source>Wheel light</source>
        <extracomment>the name a screen reader says for midLightTagBtn</extracomment>
        <translation>Éclairage de la molette</translation>
    </message>
    <message>
        <source>Light to switch</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Éclairage à modifier</translation>
    </message>
    <message>
        <source>Logo light</source>
        <extracomment>the name a screen reader says for logoLightTagBtn</extracomment>
        <translation>Éclairage du logo</translation>
    </message>
    <message>
        <source>BOTH LIGHTS</source>
        <extracomment>the label of the control bothLightTagBtn, 190 points wide (English uses 90)</extracomment>
        <translation>LES DEUX ÉCLAIRAGES</translation>
    </message>
    <message>
        <source>Both lights</source>
        <extracomment>the name a screen reader says for bothLightTagBtn</extracomment>
        <translation>Les deux éclairages</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>the label of the control lightOnBtn, 90 points wide (English uses 20)</extracomment>
        <translation>ALLUMÉ</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>the name a screen reader says for lightOnBtn</extracomment>
        <translation>Allumé</translation>
    </message>
    <message>
        <source>Picked light</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Éclairage choisi</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>the label of the control lightOffBtn, 90 points wide (English uses 26)</extracomment>
        <translation>ÉTEINT</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>the name a screen reader says for lightOffBtn</extracomment>
        <translation>Éteint</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MacroCapacityMeter</name>
    <message>
        <source>No macro chosen</source>
        <translation>Aucune macro choisie</translation>
    </message>
    <message>
        <source>%1 steps: the mouse plays the first %2</source>
        <translation>%1 étapes&#xa0;: la souris exécute les %2 premières</translation>
    </message>
    <message>
        <source>%1 of %2 steps on the mouse</source>
        <translation>%1 étapes sur %2 dans la souris</translation>
    </message>
    <message>
        <source>Recording · %1</source>
        <translation>Enregistrement · %1</translation>
    </message>
</context>
<context>
    <name>MacroInfo</name>
    <message>
        <source>it takes %1 steps on the mouse, more than the %2 a button holds</source>
        <extracomment>Why a macro cannot be loaded, after &quot;Fire.mac cannot be loaded: &quot;.</extracomment>
        <translation>la macro occupe %1 étapes dans la souris, plus que les %2 que contient un bouton</translation>
    </message>
    <message>
        <source>it holds a step this program does not know</source>
        <translation>la macro contient une étape que ce programme ne connaît pas</translation>
    </message>
</context>
<context>
    <name>MacroStepModel</name>
    <message>
        <source>L Button</source>
        <translation>Bouton G</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Bouton D</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Bouton M</translation>
    </message>
    <message>
        <source>Press %1</source>
        <translation>Appuyer sur %1</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>Relâcher %1</translation>
    </message>
    <message>
        <source>Command %1</source>
        <translation>Commande %1</translation>
    </message>
    <message>
        <source>%1 Down</source>
        <translation>%1 enfoncé</translation>
    </message>
    <message>
        <source>%1 Up</source>
        <translation>%1 relâché</translation>
    </message>
    <message>
        <source>Step of kind %1</source>
        <translation>Étape de type %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Double-click to change the delay</source>
        <translation>Double-cliquez pour modifier le délai</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Touche enfoncée</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Touche relâchée</translation>
    </message>
    <message>
        <source>Button down</source>
        <translation>Bouton enfoncé</translation>
    </message>
    <message>
        <source>Button up</source>
        <translation>Bouton relâché</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Delay in milliseconds</source>
        <translation>Délai en millisecondes</translation>
    </message>
</context>
<context>
    <name>MacroView</name>
    <message>
        <source>Macro editor</source>
        <translation>Éditeur de macros</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Maximum number of macros reached</source>
        <translation>Nombre maximal de macros atteint</translation>
    </message>
    <message>
        <source>Are you sure you want to Clear Commands?</source>
        <translation>Voulez-vous vraiment effacer toutes les étapes&#xa0;?</translation>
    </message>
    <message>
        <source>No macros yet</source>
        <translation>Aucune macro pour l&apos;instant</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choisir une macro</translation>
    </message>
    <message>
        <source>New macro</source>
        <extracomment>the name a screen reader says for newMacroBtn</extracomment>
        <translation>Nouvelle macro</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>Voulez-vous vraiment supprimer cette macro&#xa0;?</translation>
    </message>
    <message>
        <source>Save the macro to a file</source>
        <translation>Enregistrer la macro dans un fichier</translation>
    </message>
    <message>
        <source>Macro files (*.mac)</source>
        <translation>Fichiers de macro (*.mac)</translation>
    </message>
    <message>
        <source>The macro could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer la macro sous %1.</translation>
    </message>
    <message>
        <source>Load a macro from a file</source>
        <translation>Charger une macro depuis un fichier</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>Impossible de charger %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>le fichier %1</translation>
    </message>
    <message>
        <source>it is not a macro</source>
        <translation>ce n&apos;est pas une macro</translation>
    </message>
    <message>
        <source>a macro is named by its file, and this file has no name</source>
        <translation>une macro prend le nom de son fichier, et ce fichier n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>A macro of this name already exists.</source>
        <translation>Une macro de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The macros could not be saved.</source>
        <translation>Impossible d&apos;enregistrer les macros.</translation>
    </message>
    <message>
        <source>Records, edits, imports and exports the macros the mouse buttons can run.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Enregistre, modifie, importe et exporte les macros que les boutons de la souris peuvent exécuter.</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>ÉDITEUR DE MACROS</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>ENREGISTREMENT</translation>
    </message>
    <message>
        <source>DELAYS WHILE RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>DÉLAIS D&apos;ENREGISTREMENT</translation>
    </message>
    <message>
        <source>Default (ms)</source>
        <extracomment>a line of text, 90 points wide</extracomment>
        <translation>Par défaut (ms)</translation>
    </message>
    <message>
        <source>STEPS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ÉTAPES</translation>
    </message>
    <message>
        <source>STEP</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>ÉTAPE</translation>
    </message>
    <message>
        <source>DELAY (MS)</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>DÉLAI (MS)</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for macroNameBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>the label of the control newMacroBtn, 96 points wide (English uses 31)</extracomment>
        <translation>NOUVELLE</translation>
    </message>
    <message>
        <source>DELETE</source>
        <extracomment>the label of the control delMacroBtn, 96 points wide (English uses 50)</extracomment>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <extracomment>the name a screen reader says for delMacroBtn</extracomment>
        <translation>Supprimer la macro</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>the label of the control loadMacroBtn, 96 points wide (English uses 51)</extracomment>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>the name a screen reader says for loadMacroBtn</extracomment>
        <translation>Importer</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <extracomment>the label of the control saveMacroBtn, 96 points wide (English uses 52)</extracomment>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>the name a screen reader says for saveMacroBtn</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>RECORD</source>
        <extracomment>the label of the control recordBtn, 96 points wide (English uses 55)</extracomment>
        <translation>DÉBUTER</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>the name a screen reader says for recordBtn</extracomment>
        <translation>Débuter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>the label of the control stopBtn, 96 points wide (English uses 35)</extracomment>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <extracomment>the name a screen reader says for stopBtn</extracomment>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stop recording (Pause)</source>
        <extracomment>what a screen reader says stopBtn does</extracomment>
        <translation>Arrête l&apos;enregistrement (Pause)</translation>
    </message>
    <message>
        <source>Without delays</source>
        <extracomment>the label of the control lgnoreDelayChk, 200 points wide (English uses 90)</extracomment>
        <translation>Sans délais</translation>
    </message>
    <message>
        <source>Default delay</source>
        <extracomment>the label of the control insertDefLayChk, 200 points wide (English uses 80)</extracomment>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>Default delay, ms</source>
        <extracomment>the name a screen reader says for defDelayTxt</extracomment>
        <translation>Délai par défaut, en ms</translation>
    </message>
    <message>
        <source>USE FOR RECORDING</source>
        <extracomment>the label of the control insertDefDelayBtn, 200 points wide (English uses 141)</extracomment>
        <translation>UTILISER CE RÉGLAGE</translation>
    </message>
    <message>
        <source>Use for recording</source>
        <extracomment>the name a screen reader says for insertDefDelayBtn</extracomment>
        <translation>Utiliser pour l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>the name a screen reader says for keytbView</extracomment>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <extracomment>the label of the control keyUpBtn, 130 points wide (English uses 61)</extracomment>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>Move up</source>
        <extracomment>the name a screen reader says for keyUpBtn</extracomment>
        <translation>Monter</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <extracomment>the label of the control keyDownBtn, 130 points wide (English uses 85)</extracomment>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>Move down</source>
        <extracomment>the name a screen reader says for keyDownBtn</extracomment>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>DELETE STEP</source>
        <extracomment>the label of the control delKeyBtn, 130 points wide (English uses 87)</extracomment>
        <translation>RETIRER L&apos;ÉTAPE</translation>
    </message>
    <message>
        <source>Delete step</source>
        <extracomment>the name a screen reader says for delKeyBtn</extracomment>
        <translation>Retirer l&apos;étape</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <extracomment>the name a screen reader says for adjustDelayDownBtn</extracomment>
        <translation>Délai plus court</translation>
    </message>
    <message>
        <source>Delay to set, ms</source>
        <extracomment>the name a screen reader says for adjustDelayTxt</extracomment>
        <translation>Délai à définir, en ms</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <extracomment>the name a screen reader says for adjustDelayUpBtn</extracomment>
        <translation>Délai plus long</translation>
    </message>
    <message>
        <source>SET DELAY</source>
        <extracomment>the label of the control insertDelayBtn, 130 points wide (English uses 71)</extracomment>
        <translation>DÉFINIR LE DÉLAI</translation>
    </message>
    <message>
        <source>Set delay</source>
        <extracomment>the name a screen reader says for insertDelayBtn</extracomment>
        <translation>Définir le délai</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>the name a screen reader says for comSelBtn</extracomment>
        <translation>Commande</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>the label of the control insertComBtn, 130 points wide (English uses 48)</extracomment>
        <translation>INSÉRER</translation>
    </message>
    <message>
        <source>Insert command</source>
        <extracomment>the name a screen reader says for insertComBtn</extracomment>
        <translation>Insérer la commande</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 was loaded with 1 delay changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 a été chargé&#xa0;; 1 délai a été ramené à ce qu&apos;une étape peut contenir&#xa0;: au plus %2 ms, par pas de %3 ms.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was loaded with %n delays changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>
            <numerusform>%1 a été chargé&#xa0;; %n délai a été ramené à ce qu&apos;une étape peut contenir&#xa0;: au plus %2 ms, par pas de %3 ms.</numerusform>
            <numerusform>%1 a été chargé&#xa0;; %n délais ont été ramenés à ce qu&apos;une étape peut contenir&#xa0;: au plus %2 ms, par pas de %3 ms.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Souris Kestrix</translation>
    </message>
    <message>
        <source>Deleted macro</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Launch Key</source>
        <translation>Touche de lancement</translation>
    </message>
    <message>
        <source>T Key</source>
        <translation>Touche T</translation>
    </message>
    <message>
        <source>Page UP(Win)</source>
        <translation>Page précédente (Win)</translation>
    </message>
    <message>
        <source>Page Down(Win)</source>
        <translation>Page suivante (Win)</translation>
    </message>
    <message>
        <source>Middle Button(Win)</source>
        <translation>Bouton du milieu (Win)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>the name a screen reader says for defaultBtn</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Single key</source>
        <extracomment>the name a screen reader says for singleBtn</extracomment>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for tkeyBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Launch</source>
        <extracomment>the name a screen reader says for launchProBtn</extracomment>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>This path is too long to be kept in the mouse&apos;s profile (%1 bytes at most):
%2</source>
        <translation>Ce chemin est trop long pour être gardé dans le profil de la souris (%1 octets au maximum)&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The help page could not be opened.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>The mouse did not answer while it was being read. The window shows its profiles as they were last saved; changes are written only when the mouse answers.</source>
        <translation>La souris n&apos;a pas répondu pendant sa lecture. La fenêtre affiche ses profils tels qu&apos;ils ont été enregistrés la dernière fois&#xa0;; les modifications ne sont écrites que lorsque la souris répond.</translation>
    </message>
    <message>
        <source>The changes not written are kept: Apply tries again.</source>
        <translation>Les modifications non écrites sont conservées&#xa0;: Appliquer réessaie.</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>profil %1</translation>
    </message>
    <message>
        <source>profiles %1</source>
        <translation>profils %1</translation>
    </message>
    <message>
        <source>The last changes to %1 did not reach the mouse. They are shown as changes not yet written: Apply writes them.</source>
        <translation>Les dernières modifications (%1) ne sont pas parvenues à la souris. Elles apparaissent comme des modifications en attente&#xa0;: Appliquer les écrit.</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Modifications non écrites</translation>
    </message>
    <message>
        <source>Now on profile %1</source>
        <translation>Profil %1 maintenant actif</translation>
    </message>
    <message>
        <source>Hide the on-screen display</source>
        <translation>Désactiver l&apos;affichage à l&apos;écran</translation>
    </message>
    <message>
        <source>Show the on-screen display</source>
        <translation>Activer l&apos;affichage à l&apos;écran</translation>
    </message>
    <message>
        <source>The window closes</source>
        <translation>La fenêtre se ferme</translation>
    </message>
    <message>
        <source>Kestrix set-ups (*.%1)</source>
        <translation>Configurations Kestrix (*.%1)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Exporter la configuration</translation>
    </message>
    <message>
        <source>Kestrix set-up.%1</source>
        <translation>Configuration Kestrix.%1</translation>
    </message>
    <message>
        <source>Set-up export</source>
        <translation>Export de la configuration</translation>
    </message>
    <message>
        <source>The mouse did not answer: the set-up was not exported.</source>
        <translation>La souris n&apos;a pas répondu&#xa0;: la configuration n&apos;a pas été exportée.</translation>
    </message>
    <message>
        <source>The set-up could not be saved as %1: %2</source>
        <translation>Impossible d&apos;enregistrer la configuration sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Importer une configuration</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>profile %1 would have no button doing the left click.</source>
        <translation>le profil %1 n&apos;aurait plus aucun bouton pour le clic gauche.</translation>
    </message>
    <message>
        <source>The mouse holds the set-up of %1 already.</source>
        <translation>La souris contient déjà la configuration de %1.</translation>
    </message>
    <message>
        <source>Changes not yet written to the mouse are dropped.</source>
        <translation>Les modifications qui ne sont pas encore écrites dans la souris seront abandonnées.</translation>
    </message>
    <message>
        <source>Importing %1 changes the mouse:</source>
        <translation>L&apos;importation de %1 modifie la souris&#xa0;:</translation>
    </message>
    <message>
        <source>Sets up the mouse: its five profiles and what each of its buttons does.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Configure la souris&#xa0;: ses cinq profils et la fonction de chacun de ses boutons.</translation>
    </message>
    <message>
        <source>KESTRIX</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>KESTRIX</translation>
    </message>
    <message>
        <source>Gaming mouse configuration</source>
        <extracomment>a line of text, 320 points wide</extracomment>
        <translation>Configuration de la souris de jeu</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <extracomment>a caption over controls, 96 points wide</extracomment>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>SELECTED BUTTON</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>BOUTON SÉLECTIONNÉ</translation>
    </message>
    <message>
        <source>ASSIGN A FUNCTION</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ATTRIBUER UNE FONCTION</translation>
    </message>
    <message>
        <source>MOUSE SETTINGS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>RÉGLAGES DE LA SOURIS</translation>
    </message>
    <message>
        <source>Application menu</source>
        <extracomment>the name a screen reader says for menuBtn</extracomment>
        <translation>Menu de l&apos;application</translation>
    </message>
    <message>
        <source>Reset profile</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Réinitialiser le profil</translation>
    </message>
    <message>
        <source>Website</source>
        <extracomment>the name a screen reader says for homeBtn</extracomment>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the name a screen reader says for helpBtn</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the name a screen reader says for closeBtn</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for profile1Btn</extracomment>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Profile</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for profile2Btn</extracomment>
        <translation>Profil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for profile3Btn</extracomment>
        <translation>Profil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for profile4Btn</extracomment>
        <translation>Profil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for profile5Btn</extracomment>
        <translation>Profil 5</translation>
    </message>
    <message>
        <source>Left button</source>
        <extracomment>the name a screen reader says for leftClickBtn</extracomment>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Bouton de la souris</translation>
    </message>
    <message>
        <source>Right button</source>
        <extracomment>the name a screen reader says for rightBtn</extracomment>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Wheel button</source>
        <extracomment>the name a screen reader says for middleClickBtn</extracomment>
        <translation>Bouton de la molette</translation>
    </message>
    <message>
        <source>Front side button</source>
        <extracomment>the name a screen reader says for left1Btn</extracomment>
        <translation>Bouton latéral avant</translation>
    </message>
    <message>
        <source>Back side button</source>
        <extracomment>the name a screen reader says for left2Btn</extracomment>
        <translation>Bouton latéral arrière</translation>
    </message>
    <message>
        <source>Kind of function</source>
        <extracomment>the name a screen reader says for btnSelTagImageView</extracomment>
        <translation>Type de fonction</translation>
    </message>
    <message>
        <source>Function of the selected button</source>
        <extracomment>the name a screen reader says for btnSelTagCaptionTxt</extracomment>
        <translation>Fonction du bouton sélectionné</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <extracomment>the label of the control defaultBtn, 92 points wide (English uses 52)</extracomment>
        <translation>PAR DÉFAUT</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <extracomment>the label of the control singleBtn, 92 points wide (English uses 72)</extracomment>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>the label of the control tkeyBtn, 92 points wide (English uses 44)</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <extracomment>the label of the control launchProBtn, 92 points wide (English uses 50)</extracomment>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the label of the control settingBtn, 126 points wide (English uses 92)</extracomment>
        <translation>PERFORMANCES</translation>
    </message>
    <message>
        <source>Performance</source>
        <extracomment>the name a screen reader says for settingBtn</extracomment>
        <translation>Performances</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the label of the control lightOptionBtn, 126 points wide (English uses 58)</extracomment>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>Lighting</source>
        <extracomment>the name a screen reader says for lightOptionBtn</extracomment>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the label of the control macroBtn, 126 points wide (English uses 94)</extracomment>
        <translation>MACROS</translation>
    </message>
    <message>
        <source>Macro editor</source>
        <extracomment>the name a screen reader says for macroBtn</extracomment>
        <translation>Éditeur de macros</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Single Key Function</source>
        <translation>Fonction simple</translation>
    </message>
    <message>
        <source>Macro Function</source>
        <translation>Fonction macro</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1.</source>
        <translation>La configuration n&apos;a pas été exportée : %1.</translation>
    </message>
    <message>
        <source>Application rules</source>
        <translation>Règles d’application</translation>
    </message>
    <message>
        <source>APP RULES</source>
        <extracomment>the label of the control appRulesBtn, 146 points wide (English uses 74)</extracomment>
        <translation>RÈGLES D’APP</translation>
    </message>
    <message>
        <source>App rules</source>
        <extracomment>the name a screen reader says for appRulesBtn</extracomment>
        <translation>Règles d’app</translation>
    </message>
    <message>
        <source>The profile follows the application in front</source>
        <extracomment>what a screen reader says appRulesBtn does</extracomment>
        <translation>Le profil suit l’application au premier plan</translation>
    </message>
</context>
<context>
    <name>MouseWrites</name>
    <message>
        <source>logo light</source>
        <translation>l&apos;éclairage du logo</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>l&apos;éclairage de la molette</translation>
    </message>
    <message>
        <source>performance settings</source>
        <translation>les réglages de performances</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>l&apos;éclairage</translation>
    </message>
    <message>
        <source>profile switch</source>
        <translation>le changement de profil</translation>
    </message>
    <message>
        <source>The mouse did not take the %1. Is it still plugged in?</source>
        <extracomment>%1 is what was written: &quot;performance settings&quot;, &quot;lighting&quot;, &quot;DPI stage&quot;...</extracomment>
        <translation>La souris n&apos;a pas accepté %1. Est-elle toujours branchée&#xa0;?</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <translation>le palier DPI</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>le taux de rapport</translation>
    </message>
</context>
<context>
    <name>OsdWords</name>
    <message>
        <source>SENSITIVITY</source>
        <extracomment>The on-screen display of a DPI change: the stage among the mouse&apos;s stages.</extracomment>
        <translation>SENSIBILITÉ</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>STAGE %1 OF %2</source>
        <translation>PALIER %1 SUR %2</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>TAUX</translation>
    </message>
    <message>
        <source>REPORTS PER SECOND</source>
        <translation>RAPPORTS PAR SECONDE</translation>
    </message>
    <message>
        <source>ACTIVE PROFILE</source>
        <extracomment>The on-screen display of a profile change: the profile among those the mouse holds.</extracomment>
        <translation>PROFIL ACTIF</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>ON-BOARD %1 OF %2</source>
        <translation>INTÉGRÉ %1 SUR %2</translation>
    </message>
    <message>
        <source>MOUSE LOCK</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>VERROUILLAGE</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>VERROU</translation>
    </message>
    <message>
        <source>SWITCH ON</source>
        <translation>INTERRUPTEUR ACTIVÉ</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>VERROUILLÉ</translation>
    </message>
    <message>
        <source>SWITCH OFF</source>
        <translation>INTERRUPTEUR DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>UNLOCKED</source>
        <translation>DÉVERROUILLÉ</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file cannot be written, said after its name (&quot;out.kxsetup could not be written: is a folder&quot;), as the other reasons here are.</extracomment>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>is a socket</source>
        <translation>c&apos;est un socket</translation>
    </message>
    <message>
        <source>is a device, not a file or a terminal</source>
        <translation>c&apos;est un périphérique, ni un fichier ni un terminal</translation>
    </message>
    <message>
        <source>nothing was taken</source>
        <translation>rien n&apos;a été accepté</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>aucun fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>is not open (%1)</source>
        <translation>le descripteur n&apos;est pas ouvert (%1)</translation>
    </message>
    <message>
        <source>is a FIFO that no program reads</source>
        <translation>c&apos;est un FIFO qu&apos;aucun programme ne lit</translation>
    </message>
    <message>
        <source>changed while it was opened</source>
        <translation>il a changé pendant son ouverture</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>Sets the mouse&apos;s DPI stages and polling rate, the desktop&apos;s pointer, double-click and scroll speeds, and the on-screen display.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Règle les paliers DPI et le taux de rapport de la souris, les vitesses du pointeur, du double-clic et du défilement du bureau, ainsi que l&apos;affichage à l&apos;écran.</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>PERFORMANCES</translation>
    </message>
    <message>
        <source>DPI STAGE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>PALIER DPI</translation>
    </message>
    <message>
        <source>DPI OF THIS STAGE</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>DPI DE CE PALIER</translation>
    </message>
    <message>
        <source>DPI</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>DPI</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>TAUX DE RAPPORT</translation>
    </message>
    <message>
        <source>DOUBLE-CLICK SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>VITESSE DOUBLE-CLIC</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>VITESSE DU POINTEUR</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>VITESSE DE DÉFILEMENT</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <extracomment>the name a screen reader says for dpiLevelPro</extracomment>
        <translation>Palier DPI</translation>
    </message>
    <message>
        <source>DPI of this stage</source>
        <extracomment>the name a screen reader says for dpiPro</extracomment>
        <translation>DPI de ce palier</translation>
    </message>
    <message>
        <source>Exact DPI</source>
        <extracomment>the name a screen reader says for dpiTxt</extracomment>
        <translation>DPI exact</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <extracomment>the label of the control rate125Btn, 92 points wide (English uses 46)</extracomment>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Polling rate</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <extracomment>the label of the control rate500Btn, 92 points wide (English uses 46)</extracomment>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <extracomment>the label of the control rate1000Btn, 96 points wide (English uses 54)</extracomment>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Show changes on screen</source>
        <extracomment>the label of the control oneScreenBtn, 300 points wide (English uses 149)</extracomment>
        <translation>Afficher les changements à l&apos;écran</translation>
    </message>
    <message>
        <source>Double-click speed</source>
        <extracomment>the name a screen reader says for doubleSpeedPro</extracomment>
        <translation>Vitesse du double-clic</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <extracomment>the name a screen reader says for mouseSpeedPro</extracomment>
        <translation>Vitesse du pointeur</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <extracomment>the name a screen reader says for scrSpeedPro</extracomment>
        <translation>Vitesse de défilement</translation>
    </message>
    <message>
        <source>RESET</source>
        <extracomment>the label of the control reDefBtn, 110 points wide (English uses 42)</extracomment>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APPLIQUER</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PerformanceView</name>
    <message>
        <source>Stage %1 of %2</source>
        <translation>Palier %1 sur %2</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>Popup</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>This profile has changes that are not written to the mouse yet. OK switches to the other profile and drops them; Cancel stays on this profile with them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Ce profil a des modifications qui ne sont pas encore écrites dans la souris. OK passe à l&apos;autre profil et les abandonne&#xa0;; Annuler reste sur ce profil et les conserve.</translation>
    </message>
    <message>
        <source>Switch and drop the changes</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Changer de profil et abandonner les modifications</translation>
    </message>
    <message>
        <source>Stay on this profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Rester sur ce profil</translation>
    </message>
    <message>
        <source>Close with unsaved changes?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Fermer malgré les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>There are changes that are not written to the mouse yet. OK writes them to the mouse and closes; Cancel closes without them; Escape goes back to them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Des modifications ne sont pas encore écrites dans la souris. OK les écrit dans la souris et ferme&#xa0;; Annuler ferme sans les écrire&#xa0;; Escape revient aux modifications.</translation>
    </message>
    <message>
        <source>Write and close</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Écrire et fermer</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Fermer sans écrire</translation>
    </message>
    <message>
        <source>Mouse not connected</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Souris non connectée</translation>
    </message>
    <message>
        <source>The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the mouse in, then open Kestrix Mouse again.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>La souris Kestrix n&apos;est pas connectée ou a été débranchée. OK ferme la fenêtre&#xa0;; branchez la souris, puis rouvrez Souris Kestrix.</translation>
    </message>
    <message>
        <source>Close the window</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>One button must stay the left click</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Un bouton doit garder le clic gauche</translation>
    </message>
    <message>
        <source>This is the only button that does the left click, so it cannot be given another function. OK goes back and leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>C&apos;est le seul bouton qui fait le clic gauche&#xa0;: il ne peut donc pas recevoir une autre fonction. OK revient en arrière et le laisse tel quel.</translation>
    </message>
    <message>
        <source>Keep the left click</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Garder le clic gauche</translation>
    </message>
    <message>
        <source>Reset this profile?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Réinitialiser ce profil&#xa0;?</translation>
    </message>
    <message>
        <source>Every button and setting of this profile goes back to its default and is written to the mouse. OK resets it; Cancel leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Tous les boutons et réglages de ce profil reviennent à leurs valeurs par défaut, écrites dans la souris. OK le réinitialise&#xa0;; Annuler le laisse tel quel.</translation>
    </message>
    <message>
        <source>Reset the profile</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Réinitialiser le profil</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Garder le profil</translation>
    </message>
</context>
<context>
    <name>ProfileSaves</name>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>Impossible d&apos;enregistrer les profils dans %1.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is larger than %1 MiB</source>
        <extracomment>Why a file is refused, said after its name, as the other reasons here are.</extracomment>
        <translation>dépasse %1 Mio</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>dépasse %1 octets</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>SetupPreviewView</name>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>ShowLoadView</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>LOADING</source>
        <translation>CHARGEMENT</translation>
    </message>
</context>
<context>
    <name>ShowMsgView</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <extracomment>The mouse&apos;s lock switch is off: its buttons work again.</extracomment>
        <translation>Déverrouillé</translation>
    </message>
    <message>
        <source>%1 DPI · stage %2 of %3</source>
        <extracomment>The on-screen display after a DPI change: the value, then which stage of how many.</extracomment>
        <translation>%1 DPI · palier %2 sur %3</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <extracomment>A notification after a DPI change: its summary; the body follows (&quot;Stage 2 of 4&quot;).</extracomment>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>Stage %1 of %2</source>
        <extracomment>A notification after a DPI change: its body, below the summary (&quot;1600 DPI&quot;).</extracomment>
        <translation>Palier %1 sur %2</translation>
    </message>
    <message>
        <source>Profile %1 · %2</source>
        <extracomment>The display after the application in front chose the profile: &quot;Profile 2 · GIMP&quot;.</extracomment>
        <translation>Profil %1 · %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The running window did not answer: %1</source>
        <translation>La fenêtre déjà ouverte n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyView</name>
    <message>
        <source>Choose a function</source>
        <translation>Choisir une fonction</translation>
    </message>
    <message>
        <source>Choose a function from the list first.</source>
        <translation>Choisissez d&apos;abord une fonction dans la liste.</translation>
    </message>
    <message>
        <source>Gives the selected mouse button one function: a click, a key, a media or a system function.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Attribue une seule fonction au bouton sélectionné&#xa0;: un clic, une touche, une fonction multimédia ou système.</translation>
    </message>
    <message>
        <source>SINGLE KEY FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>FONCTION SIMPLE</translation>
    </message>
    <message>
        <source>FUNCTION</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>FONCTION</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>the name a screen reader says for selComBtn</extracomment>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TKeyRepeatView</name>
    <message>
        <source>Sets how many times the macro runs for each press of the button.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Définit combien de fois la macro s&apos;exécute à chaque appui sur le bouton.</translation>
    </message>
    <message>
        <source>Times to run the macro:</source>
        <extracomment>a line of text, 176 points wide</extracomment>
        <translation>Nombre d&apos;exécutions&#xa0;:</translation>
    </message>
    <message>
        <source>Times to run the macro</source>
        <extracomment>the name a screen reader says for countTxt</extracomment>
        <translation>Nombre d&apos;exécutions de la macro</translation>
    </message>
    <message>
        <source>Limit of the mouse</source>
        <extracomment>the name a screen reader says for limitTxt</extracomment>
        <translation>Limite de la souris</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TKeyView</name>
    <message>
        <source>Gives the selected mouse button a macro and the way it runs.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Attribue au bouton sélectionné une macro et son mode d&apos;exécution.</translation>
    </message>
    <message>
        <source>MACRO FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>FONCTION MACRO</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>RUN THE MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>EXÉCUTER LA MACRO</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for selMacroBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>the label of the control onceChk, 69 points wide (English uses 31)</extracomment>
        <translation>1 fois</translation>
    </message>
    <message>
        <source>Run the macro</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Exécuter la macro</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <extracomment>the label of the control multTimesChk, 127 points wide (English uses 80)</extracomment>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Times the macro runs</source>
        <extracomment>the name a screen reader says for countLbl</extracomment>
        <translation>Nombre d&apos;exécutions de la macro</translation>
    </message>
    <message>
        <source>While held</source>
        <extracomment>the label of the control holdChk, 156 points wide (English uses 63)</extracomment>
        <translation>Tant que maintenu</translation>
    </message>
    <message>
        <source>Until pressed again</source>
        <extracomment>the label of the control untilPreChk, 184 points wide (English uses 116)</extracomment>
        <translation>Jusqu&apos;au prochain appui</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TkeyRepeatView</name>
    <message>
        <source>At most %1 times on the mouse</source>
        <translation>Au plus %1 fois sur la souris</translation>
    </message>
</context>
<context>
    <name>TkeyView</name>
    <message>
        <source>No macros yet</source>
        <translation>Aucune macro pour l&apos;instant</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Choisir une macro</translation>
    </message>
    <message>
        <source>There are no macros yet: record one in the macro editor first.</source>
        <translation>Il n&apos;y a encore aucune macro&#xa0;: enregistrez-en d&apos;abord une dans l&apos;éditeur de macros.</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>Choisissez d&apos;abord une macro dans la liste.</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <translation>Nombre de répétitions</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 fois</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
</context>
</TS>
