<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutConnortller</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>Keine Maus angeschlossen.</translation>
    </message>
    <message>
        <source>The emulated mouse (kx-virtual-mouse) is in use.</source>
        <translation>Die emulierte Maus (kx-virtual-mouse) wird verwendet.</translation>
    </message>
    <message>
        <source>The Kestrix mouse on USB is in use.</source>
        <translation>Die Kestrix-Maus über USB wird verwendet.</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Über Kestrix-Maus</translation>
    </message>
    <message>
        <source>Version %1 &amp;middot; MIT licence&lt;br&gt;&lt;br&gt;</source>
        <translation>Version %1 &amp;middot; MIT-Lizenz&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Profiles and macros</source>
        <translation>Profile und Makros</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>The program&apos;s version and where it comes from.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Die Version des Programms und seine Herkunft.</translation>
    </message>
    <message>
        <source>KESTRIX MOUSE</source>
        <extracomment>the window&apos;s title, 392 points wide</extracomment>
        <translation>KESTRIX-MAUS</translation>
    </message>
    <message>
        <source>Configuration of the Kestrix gaming mouse</source>
        <extracomment>a line of text, 392 points wide</extracomment>
        <translation>Konfiguration der Kestrix-Gaming-Maus</translation>
    </message>
    <message>
        <source>Kestrix Mouse</source>
        <extracomment>the name a screen reader says for appIcon</extracomment>
        <translation>Kestrix-Maus</translation>
    </message>
    <message>
        <source>About the program</source>
        <extracomment>the name a screen reader says for infoTxt</extracomment>
        <translation>Über das Programm</translation>
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
        <translation>Wählt die Anwendung, deren Wechsel in den Vordergrund das Profil der Maus umschaltet.</translation>
    </message>
    <message>
        <source>APPLICATION FOR A RULE</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>ANWENDUNG FÜR EINE REGEL</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>INSTALLIERTE ANWENDUNGEN</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Anwendungen filtern</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix-Maus</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Application menu</source>
        <translation>Anwendungsmenü</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Über Kestrix-Maus</translation>
    </message>
    <message>
        <source>Export set-up…</source>
        <translation>Konfiguration exportieren…</translation>
    </message>
    <message>
        <source>Import set-up…</source>
        <translation>Konfiguration importieren…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Application rules…</source>
        <translation>Anwendungsregeln…</translation>
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
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <extracomment>the name a screen reader says for addBtn</extracomment>
        <translation>Eine Regel hinzufügen</translation>
    </message>
    <message>
        <source>Installed application…</source>
        <translation>Installierte Anwendung…</translation>
    </message>
    <message>
        <source>The application in front before this window</source>
        <translation>Die Anwendung, die vor diesem Fenster im Vordergrund war</translation>
    </message>
    <message>
        <source>Asking the background program about this desktop…</source>
        <translation>Das Hintergrundprogramm wird zu diesem Desktop befragt…</translation>
    </message>
    <message>
        <source>The background program is not running, so the rules do not act now. They are kept for when it runs.</source>
        <translation>Das Hintergrundprogramm läuft nicht, daher wirken die Regeln jetzt nicht. Sie bleiben erhalten, bis es läuft.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front: the rules act once they are saved.</source>
        <translation>Dieser Desktop meldet, welche Anwendung im Vordergrund ist: Die Regeln wirken, sobald sie gespeichert sind.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: GNOME on Wayland does not tell other programs which window is in front.</source>
        <translation>Anwendungsregeln sind auf diesem Desktop nicht verfügbar: GNOME unter Wayland teilt anderen Programmen nicht mit, welches Fenster im Vordergrund ist.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: its Wayland compositor does not tell other programs which window is in front.</source>
        <translation>Anwendungsregeln sind auf diesem Desktop nicht verfügbar: Sein Wayland-Compositor teilt anderen Programmen nicht mit, welches Fenster im Vordergrund ist.</translation>
    </message>
    <message>
        <source>Application rules are not available: the background program has no display to watch.</source>
        <translation>Anwendungsregeln sind nicht verfügbar: Das Hintergrundprogramm hat keine Anzeige, die es beobachten kann.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop (%1).</source>
        <translation>Anwendungsregeln sind auf diesem Desktop nicht verfügbar (%1).</translation>
    </message>
    <message>
        <source>The rules in the preferences could not be read:
%1</source>
        <translation>Die Regeln in den Einstellungen konnten nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, Profil %2</translation>
    </message>
    <message>
        <source>%1, not installed, profile %2</source>
        <translation>%1, nicht installiert, Profil %2</translation>
    </message>
    <message>
        <source>There are %1 rules already, as many as are kept.</source>
        <translation>Es gibt bereits %1 Regeln, so viele wie gespeichert werden.</translation>
    </message>
    <message>
        <source>“%1” cannot be a rule&apos;s application: it %2.</source>
        <translation>„%1“ kann nicht die Anwendung einer Regel sein: Der Name %2.</translation>
    </message>
    <message>
        <source>The background program is not running, so it cannot tell which application was in front.</source>
        <translation>Das Hintergrundprogramm läuft nicht und kann daher nicht sagen, welche Anwendung im Vordergrund war.</translation>
    </message>
    <message>
        <source>The background program does not know yet which application was in front. Bring that application to the front, then come back and add it.</source>
        <translation>Das Hintergrundprogramm weiß noch nicht, welche Anwendung im Vordergrund war. Holen Sie diese Anwendung in den Vordergrund, kommen Sie dann zurück und fügen Sie sie hinzu.</translation>
    </message>
    <message>
        <source>The background program named an application that cannot be a rule&apos;s: its name %1.</source>
        <translation>Das Hintergrundprogramm nannte eine Anwendung, die keine Regel haben kann: Ihr Name %1.</translation>
    </message>
    <message>
        <source>The application rules in the preferences could not be read:
%1
Start over with no rules? The broken ones are replaced only when you press OK.</source>
        <translation>Die Anwendungsregeln in den Einstellungen konnten nicht gelesen werden:
%1
Ohne Regeln neu beginnen? Die fehlerhaften werden erst ersetzt, wenn Sie OK drücken.</translation>
    </message>
    <message>
        <source>The rules were not saved: %1. They stay here as you set them; OK tries again.</source>
        <translation>Die Regeln wurden nicht gespeichert: %1. Sie bleiben hier, wie Sie sie eingestellt haben; OK versucht es erneut.</translation>
    </message>
    <message>
        <source>Makes the mouse&apos;s profile follow the application in front, by rules of the user&apos;s.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Lässt das Profil der Maus nach eigenen Regeln der Anwendung im Vordergrund folgen.</translation>
    </message>
    <message>
        <source>APPLICATION RULES</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>ANWENDUNGSREGELN</translation>
    </message>
    <message>
        <source>RULES</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>REGELN</translation>
    </message>
    <message>
        <source>PROFILE OF THE SELECTED APPLICATION</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>PROFIL DER GEWÄHLTEN ANWENDUNG</translation>
    </message>
    <message>
        <source>ANY OTHER APPLICATION IN FRONT</source>
        <extracomment>a caption over controls, 400 points wide</extracomment>
        <translation>JEDE ANDERE ANWENDUNG IM VORDERGRUND</translation>
    </message>
    <message>
        <source>Switch profiles by the application in front</source>
        <extracomment>the label of the control enabledChk, 492 points wide (English uses 247)</extracomment>
        <translation>Profil nach der Anwendung im Vordergrund wechseln</translation>
    </message>
    <message>
        <source>On this desktop</source>
        <extracomment>the name a screen reader says for availabilityLbl</extracomment>
        <translation>Auf diesem Desktop</translation>
    </message>
    <message>
        <source>ADD…</source>
        <extracomment>the label of the control addBtn, 96 points wide (English uses 40)</extracomment>
        <translation>HINZUFÜGEN…</translation>
    </message>
    <message>
        <source>Chooses an installed application, or the one in front before this window</source>
        <extracomment>what a screen reader says addBtn does</extracomment>
        <translation>Wählt eine installierte Anwendung oder die, die vor diesem Fenster im Vordergrund war</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>the name a screen reader says for ruleList</extracomment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Each application and its profile; keys 1 to 5 set the profile, Delete removes the rule</source>
        <extracomment>what a screen reader says ruleList does</extracomment>
        <translation>Jede Anwendung und ihr Profil; die Tasten 1 bis 5 setzen das Profil, Entf entfernt die Regel</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for ruleProfile1Btn</extracomment>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Profile of the selected application</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Profil der gewählten Anwendung</translation>
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
        <translation>ENTFERNEN</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <extracomment>the name a screen reader says for removeBtn</extracomment>
        <translation>Die gewählte Regel entfernen</translation>
    </message>
    <message>
        <source>UNCHANGED</source>
        <extracomment>the label of the control otherwiseKeepBtn, 140 points wide (English uses 84)</extracomment>
        <translation>UNVERÄNDERT</translation>
    </message>
    <message>
        <source>Otherwise</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Sonst</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No rules yet: “Add…” makes one.</source>
        <translation>Noch keine Regeln: „Hinzufügen…“ legt eine an.</translation>
    </message>
    <message>
        <source>Otherwise unchanged</source>
        <extracomment>the name a screen reader says for otherwiseKeepBtn</extracomment>
        <translation>Sonst unverändert</translation>
    </message>
    <message>
        <source>Otherwise profile 1</source>
        <extracomment>the name a screen reader says for otherwise1Btn</extracomment>
        <translation>Sonst Profil 1</translation>
    </message>
    <message>
        <source>Otherwise profile 2</source>
        <extracomment>the name a screen reader says for otherwise2Btn</extracomment>
        <translation>Sonst Profil 2</translation>
    </message>
    <message>
        <source>Otherwise profile 3</source>
        <extracomment>the name a screen reader says for otherwise3Btn</extracomment>
        <translation>Sonst Profil 3</translation>
    </message>
    <message>
        <source>Otherwise profile 4</source>
        <extracomment>the name a screen reader says for otherwise4Btn</extracomment>
        <translation>Sonst Profil 4</translation>
    </message>
    <message>
        <source>Otherwise profile 5</source>
        <extracomment>the name a screen reader says for otherwise5Btn</extracomment>
        <translation>Sonst Profil 5</translation>
    </message>
</context>
<context>
    <name>CreateMacro</name>
    <message>
        <source>Names a new macro for the macro editor.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Benennt ein neues Makro für den Makro-Editor.</translation>
    </message>
    <message>
        <source>NEW MACRO</source>
        <extracomment>the window&apos;s title, 260 points wide</extracomment>
        <translation>NEUES MAKRO</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Name of the new macro</source>
        <extracomment>the name a screen reader says for nameTxt</extracomment>
        <translation>Name des neuen Makros</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CreateMacroView</name>
    <message>
        <source>Macro name</source>
        <translation>Makroname</translation>
    </message>
</context>
<context>
    <name>HvAction</name>
    <message>
        <source>is damaged at offset %1: %2</source>
        <extracomment>Why a file cannot be loaded, said after &quot;the file&quot; (&quot;Fire.mac cannot be loaded: the file is not an archive of this program&quot;).</extracomment>
        <translation>ist bei Offset %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>is not an archive of this program</source>
        <translation>ist kein Archiv dieses Programms</translation>
    </message>
    <message>
        <source>has an archive version this program does not read</source>
        <translation>hat eine Archivversion, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>holds no object</source>
        <translation>enthält kein Objekt</translation>
    </message>
</context>
<context>
    <name>HvKey</name>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Right Super</source>
        <translation>Super rechts</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>Umschalt rechts</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Strg rechts</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Eingabe (Ziffernblock)</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>A key without a name: its code, as &quot;0x7F&quot;.</extracomment>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>HvMenulist</name>
    <message>
        <source>Menu list</source>
        <translation>Menüliste</translation>
    </message>
</context>
<context>
    <name>HvMessageBox</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix-Maus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KestrixDeamon</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>unbekannte Option %1 (siehe --help)</translation>
    </message>
    <message>
        <source>already running for this user (%1 is taken)</source>
        <translation>läuft für diesen Benutzer bereits (%1 ist belegt)</translation>
    </message>
</context>
<context>
    <name>KxAction</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>KxAppRules</name>
    <message>
        <source>names no application</source>
        <translation>nennt keine Anwendung</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt</translation>
    </message>
    <message>
        <source>is not a field of the rules</source>
        <translation>ist kein Feld der Regeln</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>ist nicht true oder false</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>ist keine Liste</translation>
    </message>
    <message>
        <source>holds %1 rules; at most %2 are kept</source>
        <translation>enthält %1 Regeln; höchstens %2 werden behalten</translation>
    </message>
    <message>
        <source>is not a field of a rule</source>
        <translation>ist kein Feld einer Regel</translation>
    </message>
    <message>
        <source>is not a name</source>
        <translation>ist kein Name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a rule already</source>
        <translation>„%1“ hat bereits eine Regel</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5, or 0 to leave it as it is)</source>
        <translation>ist kein Profil der Maus (1 bis 5, oder 0, um es zu lassen, wie es ist)</translation>
    </message>
    <message>
        <source>the rules could not be written to %1</source>
        <translation>die Regeln konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5)</source>
        <translation>ist kein Profil der Maus (1 bis 5)</translation>
    </message>
</context>
<context>
    <name>KxAppRulesUpdate</name>
    <message>
        <source>the application rules in the preferences cannot be read: %1. Correct it, or delete the [ApplicationRules] section of %2 to start again without rules</source>
        <extracomment>%1: where and what is wrong (&quot;com.vlak.KxOption.conf [ApplicationRules] rules<byte value="x2"/>profile: is not a profile of the mouse (1 to 5)&quot;); %2: the preferences file.</extracomment>
        <translation>die Anwendungsregeln in den Einstellungen können nicht gelesen werden: %1. Korrigieren Sie dies, oder löschen Sie den Abschnitt [ApplicationRules] in %2, um ohne Regeln neu zu beginnen</translation>
    </message>
</context>
<context>
    <name>KxCtl</name>
    <message>
        <source>kxctl help [COMMAND]
  How to use kxctl, or one of its commands.
</source>
        <translation>kxctl help [COMMAND]
  Wie kxctl oder einer seiner Befehle verwendet wird.
</translation>
    </message>
    <message>
        <source>kxctl [--json] list
  The attached mice, each with its USB location and the profile it reports
  as active. None attached is an empty list.
</source>
        <translation>kxctl [--json] list
  Die angeschlossenen Mäuse, jede mit ihrer USB-Position und dem Profil, das sie
  als aktiv meldet. Ist keine angeschlossen, ist die Liste leer.
</translation>
    </message>
    <message>
        <source>kxctl [--json] show [--profile N | --all]
  The settings and the buttons of the active profile, of profile N (1..5), or
  of all five, as the mouse holds them.
</source>
        <translation>kxctl [--json] show [--profile N | --all]
  Die Einstellungen und Tasten des aktiven Profils, von Profil N (1..5) oder
  von allen fünf, wie die Maus sie gespeichert hat.
</translation>
    </message>
    <message>
        <source>kxctl profile [--dry-run] N
  Makes profile N (1..5) the active one.
</source>
        <translation>kxctl profile [--dry-run] N
  Macht Profil N (1..5) zum aktiven Profil.
</translation>
    </message>
    <message>
        <source>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Sets the DPI of stage STAGE (1..4) to VALUE (100..3500, in steps of 100).
  The mouse keeps one set of stages for all its profiles.
</source>
        <translation>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Setzt die DPI der Stufe STAGE (1..4) auf VALUE (100..3500, in 100er-Schritten).
  Die Maus hat einen gemeinsamen Satz Stufen für alle ihre Profile.
</translation>
    </message>
    <message>
        <source>kxctl stage [--dry-run] N
  Makes DPI stage N (1..4) the active one.
</source>
        <translation>kxctl stage [--dry-run] N
  Macht DPI-Stufe N (1..4) zur aktiven Stufe.
</translation>
    </message>
    <message>
        <source>kxctl rate [--dry-run] 125|500|1000
  Sets the polling rate in Hz.
</source>
        <translation>kxctl rate [--dry-run] 125|500|1000
  Setzt die Abfragerate in Hz.
</translation>
    </message>
    <message>
        <source>kxctl light [--dry-run] logo|wheel on|off
  Switches the logo&apos;s or the wheel&apos;s light.
</source>
        <translation>kxctl light [--dry-run] logo|wheel on|off
  Schaltet das Logo-Licht oder das Mausrad-Licht ein oder aus.
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
  Legt fest, was Taste B tut (1..5 oder left, right, middle, side1, side2), im
  aktiven Profil oder in Profil N. ACTION ist eines von:
    default                die eingebaute Funktion des Profils
    function NAME          eine Funktion des Katalogs (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           ein Makro der Bibliothek
    launch PATH|APP-ID     eine Anwendung: eine Datei oder die ID einer
                           installierten Anwendung
</translation>
    </message>
    <message>
        <source>kxctl macro list|show|import|export ...
  The macro library: kxctl help macro list, and so on.
</source>
        <translation>kxctl macro list|show|import|export ...
  Die Makrobibliothek: kxctl help macro list und so weiter.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro list
  The macros of the library.
</source>
        <translation>kxctl [--json] macro list
  Die Makros der Bibliothek.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro show NAME
  A macro&apos;s steps.
</source>
        <translation>kxctl [--json] macro show NAME
  Die Schritte eines Makros.
</translation>
    </message>
    <message>
        <source>kxctl macro import [--dry-run] FILE.mac
  Adds a macro file to the library, named by the file.
</source>
        <translation>kxctl macro import [--dry-run] FILE.mac
  Fügt der Bibliothek eine Makrodatei hinzu, benannt nach der Datei.
</translation>
    </message>
    <message>
        <source>kxctl macro export NAME FILE.mac
  Saves a macro as a file (- for standard output).
</source>
        <translation>kxctl macro export NAME FILE.mac
  Speichert ein Makro als Datei (- für die Standardausgabe).
</translation>
    </message>
    <message>
        <source>kxctl export FILE
  The whole set-up as a file: a file is replaced whole; a FIFO, a terminal or
  /dev/stdout is written as it is; - is standard output.
</source>
        <translation>kxctl export FILE
  Die gesamte Konfiguration als Datei: Eine Datei wird vollständig ersetzt; in ein
  FIFO, ein Terminal oder /dev/stdout wird direkt geschrieben; - ist die
  Standardausgabe.
</translation>
    </message>
    <message>
        <source>kxctl import [--profiles 1,3] [--dry-run] FILE
  Writes a set-up file into the mouse, all of it or the profiles named
  (- reads standard input); --dry-run prints what would change.
</source>
        <translation>kxctl import [--profiles 1,3] [--dry-run] FILE
  Schreibt eine Konfigurationsdatei in die Maus, vollständig oder nur die
  genannten Profile (- liest die Standardeingabe); --dry-run zeigt, was sich
  ändern würde.
</translation>
    </message>
    <message>
        <source>--device takes a mouse: its number, location or serial number as kxctl list shows them</source>
        <translation>--device erwartet eine Maus: ihre Nummer, Position oder Seriennummer, wie kxctl list sie anzeigt</translation>
    </message>
    <message>
        <source>--profile takes a profile number, 1 to 5</source>
        <translation>--profile erwartet eine Profilnummer von 1 bis 5</translation>
    </message>
    <message>
        <source>--profiles takes profile numbers, as in 1,3</source>
        <translation>--profiles erwartet Profilnummern, etwa 1,3</translation>
    </message>
    <message>
        <source>--mode takes once, repeat N, hold or toggle</source>
        <translation>--mode erwartet once, repeat N, hold oder toggle</translation>
    </message>
    <message>
        <source>--mode repeat takes a count, as in --mode repeat 3</source>
        <translation>--mode repeat erwartet eine Anzahl, etwa --mode repeat 3</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>there is no command %1</source>
        <translation>es gibt keinen Befehl %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>macro takes list, show, import or export</source>
        <translation>macro erwartet list, show, import oder export</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 akzeptiert kein --%2</translation>
    </message>
    <message>
        <source>%1: too few arguments</source>
        <translation>%1: zu wenige Argumente</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1: zu viele Argumente</translation>
    </message>
    <message>
        <source>show takes --profile N or --all, not both</source>
        <translation>show erwartet --profile N oder --all, nicht beides</translation>
    </message>
    <message>
        <source>--mode goes with button B macro NAME</source>
        <translation>--mode gehört zu button B macro NAME</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>%1 drücken</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>%1 loslassen</translation>
    </message>
    <message>
        <source>insert %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>(unknown command)</source>
        <translation>(unbekannter Befehl)</translation>
    </message>
    <message>
        <source>press left button</source>
        <translation>linke Maustaste drücken</translation>
    </message>
    <message>
        <source>press right button</source>
        <translation>rechte Maustaste drücken</translation>
    </message>
    <message>
        <source>press middle button</source>
        <translation>mittlere Maustaste drücken</translation>
    </message>
    <message>
        <source>release left button</source>
        <translation>linke Maustaste loslassen</translation>
    </message>
    <message>
        <source>release right button</source>
        <translation>rechte Maustaste loslassen</translation>
    </message>
    <message>
        <source>release middle button</source>
        <translation>mittlere Maustaste loslassen</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>unbekannter Schritt</translation>
    </message>
    <message>
        <source>standard output cannot be written: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no mouse is attached</source>
        <translation>keine Maus angeschlossen</translation>
    </message>
    <message>
        <source>mouse %1 went away</source>
        <translation>Maus %1 wurde getrennt</translation>
    </message>
    <message>
        <source>no attached mouse is %1 (kxctl list shows them)</source>
        <translation>keine angeschlossene Maus ist %1 (kxctl list zeigt sie an)</translation>
    </message>
    <message>
        <source>%1 mice are attached: say which with --device N (kxctl list shows them)</source>
        <translation>%1 Mäuse sind angeschlossen: Wählen Sie eine mit --device N (kxctl list zeigt sie an)</translation>
    </message>
    <message>
        <source>%1 mice are attached; this is mouse 1 (--device picks another)</source>
        <translation>%1 Mäuse sind angeschlossen; verwendet wird Maus 1 (--device wählt eine andere)</translation>
    </message>
    <message>
        <source>waiting for the mouse: another program is using it...</source>
        <translation>warte auf die Maus: Ein anderes Programm verwendet sie ...</translation>
    </message>
    <message>
        <source>there is no session bus, so an open configuration window cannot be seen; if one is open, it shows the older values until it is opened again</source>
        <translation>es gibt keinen Sitzungsbus, daher ist ein offenes Konfigurationsfenster nicht erkennbar; falls eines offen ist, zeigt es die alten Werte, bis es erneut geöffnet wird</translation>
    </message>
    <message>
        <source>the configuration window (KxOption) is open and owns the mouse&apos;s settings: close it first, or run kxctl --wait to wait for it</source>
        <translation>das Konfigurationsfenster (KxOption) ist offen und verwaltet die Einstellungen der Maus: Schließen Sie es zuerst oder warten Sie mit kxctl --wait darauf</translation>
    </message>
    <message>
        <source>emulated</source>
        <extracomment>How a mouse is attached, in kxctl list&apos;s column beside &quot;usb&quot;.</extracomment>
        <translation>emuliert</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  (used by kxctl and the window)</source>
        <extracomment>kxctl list, one line per mouse: its number, how it is attached (&quot;usb&quot; or &quot;emulated&quot;), its USB location, its name, the profile it reports, then its serial number when it has one, and whether kxctl uses it. Keep the columns.</extracomment>
        <translation>%1  %2  %3  %4  aktives Profil %5  (von kxctl und dem Fenster verwendet)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5</source>
        <translation>%1  %2  %3  %4  aktives Profil %5</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6  (used by kxctl and the window)</source>
        <translation>%1  %2  %3  %4  aktives Profil %5  Seriennummer %6  (von kxctl und dem Fenster verwendet)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6</source>
        <translation>%1  %2  %3  %4  aktives Profil %5  Seriennummer %6</translation>
    </message>
    <message>
        <source>the mouse has profiles 1 to 5</source>
        <translation>die Maus hat die Profile 1 bis 5</translation>
    </message>
    <message>
        <source>the mouse did not answer</source>
        <translation>die Maus hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Active profile: %1</source>
        <translation>Aktives Profil: %1</translation>
    </message>
    <message>
        <source>DPI stages: %1 (stage %2 active)</source>
        <translation>DPI-Stufen: %1 (Stufe %2 aktiv)</translation>
    </message>
    <message>
        <source>Polling rate: %1 Hz</source>
        <translation>Abfragerate: %1 Hz</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel on</source>
        <translation>Lichter: Logo an, Mausrad an</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel off</source>
        <translation>Lichter: Logo an, Mausrad aus</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel on</source>
        <translation>Lichter: Logo aus, Mausrad an</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel off</source>
        <translation>Lichter: Logo aus, Mausrad aus</translation>
    </message>
    <message>
        <source>Lock switch: locked</source>
        <translation>Sperrschalter: gesperrt</translation>
    </message>
    <message>
        <source>Lock switch: unlocked</source>
        <translation>Sperrschalter: entsperrt</translation>
    </message>
    <message>
        <source>Profile %1 (active)</source>
        <translation>Profil %1 (aktiv)</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>profile takes a profile number, 1 to 5</source>
        <translation>profile erwartet eine Profilnummer von 1 bis 5</translation>
    </message>
    <message>
        <source>dpi takes a stage (1 to 4) and a DPI value</source>
        <translation>dpi erwartet eine Stufe (1 bis 4) und einen DPI-Wert</translation>
    </message>
    <message>
        <source>the mouse has DPI stages 1 to 4</source>
        <translation>die Maus hat die DPI-Stufen 1 bis 4</translation>
    </message>
    <message>
        <source>%1 DPI: a stage takes %2 to %3 DPI in steps of %4</source>
        <translation>%1 DPI: Eine Stufe erlaubt %2 bis %3 DPI in Schritten von %4</translation>
    </message>
    <message>
        <source>the mouse keeps one set of DPI stages for all its profiles; profile %1 has it too</source>
        <translation>die Maus hat einen gemeinsamen Satz DPI-Stufen für alle ihre Profile; auch Profil %1 verwendet ihn</translation>
    </message>
    <message>
        <source>stage takes a stage number, 1 to 4</source>
        <translation>stage erwartet eine Stufennummer von 1 bis 4</translation>
    </message>
    <message>
        <source>rate takes 125, 500 or 1000 (Hz)</source>
        <translation>rate erwartet 125, 500 oder 1000 (Hz)</translation>
    </message>
    <message>
        <source>the mouse runs at 125, 500 or 1000 Hz; it has no %1 Hz</source>
        <translation>die Maus arbeitet mit 125, 500 oder 1000 Hz, nicht mit %1 Hz</translation>
    </message>
    <message>
        <source>light takes logo or wheel, then on or off</source>
        <translation>light erwartet logo oder wheel, danach on oder off</translation>
    </message>
    <message>
        <source>a button is 1 to 5, or left, right, middle, side1 or side2</source>
        <translation>eine Taste ist 1 bis 5 oder left, right, middle, side1 oder side2</translation>
    </message>
    <message>
        <source>button B takes default, function NAME, macro NAME or launch PATH</source>
        <translation>button B erwartet default, function NAME, macro NAME oder launch PATH</translation>
    </message>
    <message>
        <source>a repeat count is 1 to %1</source>
        <translation>die Anzahl der Wiederholungen liegt zwischen 1 und %1</translation>
    </message>
    <message>
        <source>the mouse repeats a macro at most 255 times</source>
        <translation>die Maus wiederholt ein Makro höchstens 255-mal</translation>
    </message>
    <message>
        <source>there is no file %1 and no application of that id is installed</source>
        <translation>es gibt keine Datei %1, und es ist keine Anwendung mit dieser ID installiert</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>es gibt keine Datei %1</translation>
    </message>
    <message>
        <source>the path is %1 bytes long; the mouse&apos;s profile keeps %2 at most: %3</source>
        <translation>der Pfad ist %1 Byte lang; das Profil der Maus fasst höchstens %2: %3</translation>
    </message>
    <message>
        <source>profile %1 has no built-in default</source>
        <translation>Profil %1 hat keine eingebaute Standardfunktion</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was written</source>
        <translation>die Maus hat nicht geantwortet; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>profile %1 would have no button left doing the left click; give it to another button first</source>
        <translation>in Profil %1 hätte keine Taste mehr den Linksklick; weisen Sie ihn zuerst einer anderen Taste zu</translation>
    </message>
    <message>
        <source>Nothing to change: the mouse holds this already.</source>
        <translation>Nichts zu ändern: Die Maus hat diese Einstellungen bereits.</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Folgendes würde sich ändern:</translation>
    </message>
    <message>
        <source>The buttons not written are kept as changes not yet written; the window offers them when it opens.</source>
        <translation>Die nicht geschriebenen Tasten bleiben als noch nicht geschriebene Änderungen erhalten; das Fenster bietet sie beim Öffnen an.</translation>
    </message>
    <message>
        <source>Give the command again to write the settings.</source>
        <translation>Geben Sie den Befehl erneut ein, um die Einstellungen zu schreiben.</translation>
    </message>
    <message>
        <source>Give the command again to switch the profile.</source>
        <translation>Geben Sie den Befehl erneut ein, um das Profil zu wechseln.</translation>
    </message>
    <message>
        <source>not everything was written</source>
        <translation>es wurde nicht alles geschrieben</translation>
    </message>
    <message>
        <source>%1  (%2 steps, %3 on the mouse)</source>
        <translation>%1  (%2 Schritte, %3 auf der Maus)</translation>
    </message>
    <message>
        <source>The library holds no macros.</source>
        <translation>Die Bibliothek enthält keine Makros.</translation>
    </message>
    <message>
        <source>%1: %2 steps, %3 on the mouse (a button holds %4)</source>
        <translation>%1: %2 Schritte, %3 auf der Maus (eine Taste fasst %4)</translation>
    </message>
    <message>
        <source>  %1  %2, then %3 ms</source>
        <extracomment>kxctl macro show, one line per step: its number, what it does (&quot;press A&quot;), and the delay after it.</extracomment>
        <translation>  %1  %2, dann %3 ms</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: the file %2</source>
        <extracomment>%1: a macro file; %2: why it cannot be read (&quot;is not a regular file&quot;).</extracomment>
        <translation>%1 kann nicht geladen werden: Die Datei %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it is not a macro</source>
        <translation>%1 kann nicht geladen werden: Das ist kein Makro</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a macro is named by its file, in 1 to %2 characters without control characters</source>
        <translation>%1 kann nicht geladen werden: Ein Makro wird nach seiner Datei benannt, mit 1 bis %2 Zeichen ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>the library has a macro called %1 already</source>
        <translation>die Bibliothek enthält bereits ein Makro namens %1</translation>
    </message>
    <message>
        <source>the library holds %1 macros, the most it keeps</source>
        <translation>die Bibliothek enthält %1 Makros, mehr fasst sie nicht</translation>
    </message>
    <message>
        <source>Would add %1 to the library (%2 steps).</source>
        <translation>%1 würde der Bibliothek hinzugefügt (%2 Schritte).</translation>
    </message>
    <message>
        <source>the macro library could not be saved in %1</source>
        <translation>die Makrobibliothek konnte nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Added %1 to the library (%2 steps).</source>
        <translation>%1 wurde der Bibliothek hinzugefügt (%2 Schritte).</translation>
    </message>
    <message>
        <source>%1 delays were changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 Verzögerungen wurden an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms.</translation>
    </message>
    <message>
        <source>the macro could not be saved as %1: %2</source>
        <translation>das Makro konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved %1 as %2.</source>
        <translation>%1 wurde als %2 gespeichert.</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was exported</source>
        <translation>die Maus hat nicht geantwortet; es wurde nichts exportiert</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1: a file; %2: why (&quot;is a folder&quot;, or the system&apos;s word).</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported the set-up (five profiles, 1 macro) to %1.</source>
        <translation>Konfiguration (fünf Profile, 1 Makro) nach %1 exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the set-up (five profiles, %n macros) to %1.</source>
        <translation>
            <numerusform>Konfiguration (fünf Profile, %n Makro) nach %1 exportiert.</numerusform>
            <numerusform>Konfiguration (fünf Profile, %n Makros) nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>the set-up on standard input %1</source>
        <extracomment>%1: why it cannot be read (&quot;cannot be read (…)&quot;, &quot;is larger than 1 MiB&quot;).</extracomment>
        <translation>die Konfiguration auf der Standardeingabe %1</translation>
    </message>
    <message>
        <source>the set-up is refused: %1</source>
        <translation>die Konfiguration wird abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>waiting for the configuration window to close...</source>
        <translation>warte, bis das Konfigurationsfenster geschlossen wird ...</translation>
    </message>
    <message>
        <source>(kxctl --help tells how to use it)</source>
        <translation>(kxctl --help erklärt die Verwendung)</translation>
    </message>
    <message>
        <source>kxctl rule list|add|remove|on|off ...
  The application rules: the profile follows the application in front.
  kxctl help rule add, and so on.
</source>
        <translation>kxctl rule list|add|remove|on|off ...
  Die Anwendungsregeln: Das Profil folgt der Anwendung im Vordergrund.
  kxctl help rule add und so weiter.
</translation>
    </message>
    <message>
        <source>kxctl [--json] rule list
  The application rules, whether they are on, and whether this desktop tells
  the application in front (asked of the running daemon).
</source>
        <translation>kxctl [--json] rule list
  Die Anwendungsregeln, ob sie eingeschaltet sind und ob dieser Desktop die
  Anwendung im Vordergrund mitteilt (beim laufenden Hintergrundprogramm erfragt).
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
  Verwendet Profil PROFILE (1..5), solange APP im Vordergrund ist, oder solange
  keine Anwendung einer Regel es ist. APP ist die ID einer installierten Anwendung
  (org.gimp.GIMP), ihr Name oder eine Fensterklasse.
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
  Entfernt die Regel für APP oder die Regel für jede andere Anwendung (das
  Profil bleibt dann, wie es ist).
</translation>
    </message>
    <message>
        <source>kxctl rule on|off [--dry-run]
  Switches all the application rules on or off.
</source>
        <translation>kxctl rule on|off [--dry-run]
  Schaltet alle Anwendungsregeln ein oder aus.
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
        <translation>Aufruf: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
Die Kestrix-Maus im Terminal: dieselben Profile, Tasten, Makros und Einstellungen
wie im Konfigurationsfenster, mit denselben getakteten Vorgängen geschrieben und
zurückgelesen.

Befehle:
  list                           die angeschlossenen Mäuse
  show [--profile N | --all]     Einstellungen und Tasten aus der Maus
  profile N                      Profil N (1..5) zum aktiven machen
  dpi [--profile N] STAGE VALUE  DPI für Stufe 1..4 setzen (100..3500, 100er-Schritte)
  stage N                        DPI-Stufe N (1..4) zur aktiven machen
  rate 125|500|1000              die Abfragerate in Hz setzen
  light logo|wheel on|off        ein Licht ein- oder ausschalten
  button [--profile N] B ACTION  festlegen, was Taste B (1..5, left, right, middle,
                                 side1, side2) tut; ACTION ist eines von
      default                    die eingebaute Funktion des Profils für diese Taste
      function NAME              eine Funktion des Katalogs (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 ein Makro der Bibliothek; es läuft einmal (Standard),
                                 N-mal, solange gehalten oder bis erneut gedrückt
      launch PATH|APP-ID         eine Anwendung: eine Datei oder die ID einer
                                 installierten Anwendung (org.example.App.desktop)
  macro list                     die Makrobibliothek
  macro show NAME                die Schritte eines Makros
  macro import FILE.mac          eine Makrodatei der Bibliothek hinzufügen, benannt
                                 nach der Datei
  macro export NAME FILE.mac     ein Makro als Datei speichern
  export FILE                    die gesamte Konfiguration als Datei (- für die
                                 Standardausgabe)
  import FILE [--profiles 1,3] [--dry-run]
                                 eine Konfigurationsdatei in die Maus schreiben
                                 (- für die Standardeingabe); --dry-run zeigt, was
                                 sich ändern würde
  rule list                      die Anwendungsregeln (keine Maus nötig)
  rule add APP PROFILE           PROFILE (1..5), solange APP vorn ist
  rule add --otherwise PROFILE   PROFILE, wenn keine Regel zutrifft
  rule remove APP | --otherwise  eine Regel entfernen
  rule on|off                    alle Anwendungsregeln schalten

Optionen:
  --json       Ausgabe als JSON (siehe die Handbuchseite kxctl(1))
  --wait       warten, bis das Konfigurationsfenster geschlossen ist, statt
               abzulehnen
  --dry-run    bei einem schreibenden Befehl: zeigen, was sich ändern würde, und
               nichts schreiben
  --device M   die zu verwendende Maus, wenn mehrere angeschlossen sind: ihre Nummer,
               Position oder Seriennummer, wie kxctl list sie anzeigt
  --verbose    die Protokollzeilen der Programme auf der Standardfehlerausgabe
  --help, -h   diese Hilfe; nach einem Befehl die Hilfe zu diesem Befehl (auch:
               kxctl help COMMAND)
  --version, -V

Namen werden vollständig und ohne Beachtung der Groß-/Kleinschreibung verglichen.
Exit-Status: 0 erledigt, 1 abgelehnt oder fehlgeschlagen (mit Meldung), 2 falscher
Aufruf, 3 keine Maus.
</translation>
    </message>
    <message>
        <source>rule takes list, add, remove, on or off</source>
        <translation>rule nimmt list, add, remove, on oder off</translation>
    </message>
    <message>
        <source>rule add takes APP PROFILE, or --otherwise PROFILE</source>
        <translation>rule add nimmt APP PROFILE oder --otherwise PROFILE</translation>
    </message>
    <message>
        <source>rule remove takes APP, or --otherwise</source>
        <translation>rule remove nimmt APP oder --otherwise</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1; nothing was exported</source>
        <translation>%1; nichts wurde exportiert</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An application of a rule: its name (%1) and its id (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>An application of a rule that no installed application is (%1: its id or window class).</extracomment>
        <translation>%1 (nicht installiert)</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>the profile stays as it is</source>
        <translation>das Profil bleibt, wie es ist</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>Anwendungsregeln</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>rule for %1</source>
        <translation>Regel für %1</translation>
    </message>
    <message>
        <source>no rule</source>
        <translation>keine Regel</translation>
    </message>
    <message>
        <source>every other application</source>
        <translation>jede andere Anwendung</translation>
    </message>
    <message>
        <source>Application rules: on</source>
        <translation>Anwendungsregeln: ein</translation>
    </message>
    <message>
        <source>Application rules: off (the profile follows no application)</source>
        <translation>Anwendungsregeln: aus (das Profil folgt keiner Anwendung)</translation>
    </message>
    <message>
        <source>  no rules (kxctl rule add APP PROFILE makes one)</source>
        <translation>  keine Regeln (kxctl rule add APP PROFILE legt eine an)</translation>
    </message>
    <message>
        <source>The daemon is not running: the rules apply once it runs.</source>
        <translation>Das Hintergrundprogramm läuft nicht: Die Regeln gelten, sobald es läuft.</translation>
    </message>
    <message>
        <source>The daemon did not answer whether this desktop tells which application is in front.</source>
        <translation>Das Hintergrundprogramm hat nicht geantwortet, ob dieser Desktop mitteilt, welche Anwendung im Vordergrund ist.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front (%1).</source>
        <translation>Dieser Desktop teilt mit, welche Anwendung im Vordergrund ist (%1).</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front (%1): the rules do nothing here.</source>
        <translation>Dieser Desktop teilt nicht mit, welche Anwendung im Vordergrund ist (%1): Die Regeln bewirken hier nichts.</translation>
    </message>
    <message>
        <source>%1 is not a profile of the mouse: it has profiles 1 to 5</source>
        <translation>%1 ist kein Profil der Maus: Sie hat die Profile 1 bis 5</translation>
    </message>
    <message>
        <source>the application &quot;%1&quot; %2</source>
        <extracomment>%1: the application as typed; %2: why it cannot be (&quot;holds control characters&quot;).</extracomment>
        <translation>die Anwendung „%1“ %2</translation>
    </message>
    <message>
        <source>there are %1 rules, the most kept: remove one first</source>
        <translation>es gibt %1 Regeln, die meisten, die behalten werden: Entfernen Sie zuerst eine</translation>
    </message>
    <message>
        <source>%1 has no rule (kxctl rule list shows them)</source>
        <translation>%1 hat keine Regel (kxctl rule list zeigt sie)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the installed application %2: the rule names it by that id</source>
        <extracomment>%1: the application&apos;s name as typed; %2: its id.</extracomment>
        <translation>„%1“ ist die installierte Anwendung %2: Die Regel nennt sie mit dieser ID</translation>
    </message>
    <message>
        <source>no installed application has the id %1: the rule is kept for when one has, and applies meanwhile to windows of that class</source>
        <translation>keine installierte Anwendung hat die ID %1: Die Regel bleibt für den Fall, dass eine sie hat, und gilt bis dahin für Fenster dieser Klasse</translation>
    </message>
    <message>
        <source>no installed application has the id %1, and several are called so (%2): name one by its id; the rule is kept as typed</source>
        <translation>keine installierte Anwendung hat die ID %1, und mehrere heißen so (%2): Nennen Sie eine mit ihrer ID; die Regel bleibt wie eingegeben</translation>
    </message>
    <message>
        <source>Nothing to change: the rules say this already.</source>
        <translation>Nichts zu ändern: Die Regeln sagen das bereits.</translation>
    </message>
    <message>
        <source>There is no session bus: whether the daemon runs cannot be seen.</source>
        <translation>Es gibt keinen Sitzungsbus: Ob das Hintergrundprogramm läuft, ist nicht zu erkennen.</translation>
    </message>
</context>
<context>
    <name>KxMouseLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>KxNames</name>
    <message>
        <source>left button</source>
        <translation>linke Taste</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>rechte Taste</translation>
    </message>
    <message>
        <source>wheel button</source>
        <translation>Mausradtaste</translation>
    </message>
    <message>
        <source>front side button</source>
        <translation>vordere Seitentaste</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>hintere Seitentaste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Names listed: the ones before (%1) and the next one (%2), not the last.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Names listed: the ones before (%1) and the last one (%2).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;</source>
        <translation>es gibt keine Funktion „%1“</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;; close: %2</source>
        <translation>es gibt keine Funktion „%1“; ähnlich: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function</source>
        <translation>„%1“ bezeichnet mehr als eine Funktion</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function: %2</source>
        <translation>„%1“ bezeichnet mehr als eine Funktion: %2</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;</source>
        <translation>es gibt kein Makro „%1“</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;; close: %2</source>
        <translation>es gibt kein Makro „%1“; ähnlich: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro</source>
        <translation>„%1“ bezeichnet mehr als ein Makro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro: %2</source>
        <translation>„%1“ bezeichnet mehr als ein Makro: %2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>es gibt keinen Befehl „%1“</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;; close: %2</source>
        <translation>es gibt keinen Befehl „%1“; ähnlich: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command</source>
        <translation>„%1“ bezeichnet mehr als einen Befehl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command: %2</source>
        <translation>„%1“ bezeichnet mehr als einen Befehl: %2</translation>
    </message>
    <message>
        <source>repeat once</source>
        <translation>1-mal wiederholen</translation>
    </message>
    <message numerus="yes">
        <source>repeat %n times</source>
        <translation>
            <numerusform>%n-mal wiederholen</numerusform>
            <numerusform>%n-mal wiederholen</numerusform>
        </translation>
    </message>
    <message>
        <source>while held</source>
        <translation>solange gehalten</translation>
    </message>
    <message>
        <source>until pressed again</source>
        <translation>bis zum erneuten Drücken</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How a macro runs: one time for each press.</extracomment>
        <translation>einmal</translation>
    </message>
    <message>
        <source>deleted macro (the mouse keeps running what it holds)</source>
        <translation>gelöschtes Makro (die Maus führt weiter aus, was sie gespeichert hat)</translation>
    </message>
    <message>
        <source>macro %1 (not in the library), %2</source>
        <extracomment>A button&apos;s macro: its name (%1) and how it runs (%2, as &quot;repeat 3 times&quot;).</extracomment>
        <translation>Makro %1 (nicht in der Bibliothek), %2</translation>
    </message>
    <message>
        <source>macro %1, %2</source>
        <translation>Makro %1, %2</translation>
    </message>
    <message>
        <source>launch (no application set)</source>
        <translation>Anwendung starten (keine festgelegt)</translation>
    </message>
    <message>
        <source>launch %1 (%2)</source>
        <extracomment>A button that starts an application: its name (%1) and file (%2).</extracomment>
        <translation>%1 starten (%2)</translation>
    </message>
    <message>
        <source>launch %1</source>
        <translation>%1 starten</translation>
    </message>
    <message>
        <source>keys %1</source>
        <extracomment>A button that sends key codes (%1: the codes, as &quot;4 22&quot;).</extracomment>
        <translation>Tasten %1</translation>
    </message>
    <message>
        <source>unknown function (table %1)</source>
        <translation>unbekannte Funktion (Tabelle %1)</translation>
    </message>
</context>
<context>
    <name>KxOption</name>
    <message>
        <source>There is no session bus: the on-screen display cannot be switched, and the window cannot follow the mouse&apos;s own buttons or be started again after an unplug.</source>
        <translation>Es gibt keinen Sitzungsbus: Die Bildschirmanzeige lässt sich nicht umschalten, und das Fenster kann weder den Tasten an der Maus folgen noch nach dem Abziehen der Maus erneut gestartet werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: changes to profiles and macros are not kept.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: Änderungen an Profilen und Makros werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The background program could not be started: %1</source>
        <translation>Das Hintergrundprogramm konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>KxSetupFile</name>
    <message>
        <source>true or false</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;; true and false are JSON&apos;s words.</extracomment>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>is missing</source>
        <extracomment>Said of a field of a set-up file, after its name (&quot;settings.lights: is missing&quot;); so are the other texts that start with a verb.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>must be a number, not %1</source>
        <translation>muss eine Zahl sein, nicht %1</translation>
    </message>
    <message>
        <source>%1 is not within %2..%3</source>
        <translation>%1 liegt nicht im Bereich %2..%3</translation>
    </message>
    <message>
        <source>must be text, not %1</source>
        <translation>muss Text sein, nicht %1</translation>
    </message>
    <message>
        <source>is %1 characters long, at most %2</source>
        <translation>ist %1 Zeichen lang, erlaubt sind höchstens %2</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>„%1“ ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>must be true or false, not %1</source>
        <translation>muss true oder false sein, nicht %1</translation>
    </message>
    <message>
        <source>must be a list, not %1</source>
        <translation>muss eine Liste sein, nicht %1</translation>
    </message>
    <message>
        <source>holds %1 entries, not %2</source>
        <translation>enthält %1 Einträge, nicht %2</translation>
    </message>
    <message>
        <source>holds %1 entries, %2..%3 allowed</source>
        <translation>enthält %1 Einträge, erlaubt sind %2..%3</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>muss ein Objekt sein, nicht %1</translation>
    </message>
    <message>
        <source>is not a field of a set-up file</source>
        <translation>ist kein Feld einer Konfigurationsdatei</translation>
    </message>
    <message>
        <source>must be a whole number of DPI</source>
        <translation>muss eine ganze Zahl (DPI) sein</translation>
    </message>
    <message>
        <source>%1 DPI: the mouse takes %2..%3 in steps of %4</source>
        <translation>%1 DPI: Die Maus erlaubt %2..%3 in Schritten von %4</translation>
    </message>
    <message>
        <source>%1 Hz: the mouse runs at 125, 500 or 1000 Hz</source>
        <translation>%1 Hz: Die Maus arbeitet mit 125, 500 oder 1000 Hz</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>must be a code of 1..255</source>
        <translation>muss ein Code von 1..255 sein</translation>
    </message>
    <message>
        <source>a macro that repeats needs a count of 1..%1</source>
        <translation>ein wiederholtes Makro braucht eine Anzahl von 1..%1</translation>
    </message>
    <message>
        <source>a launcher has a path or a desktopEntry, not both</source>
        <translation>ein Anwendungsstart hat einen path oder einen desktopEntry, nicht beides</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>muss ein absoluter Pfad sein</translation>
    </message>
    <message>
        <source>is %1 bytes long; the mouse&apos;s profile keeps %2 at most</source>
        <translation>ist %1 Byte lang; das Profil der Maus fasst höchstens %2</translation>
    </message>
    <message>
        <source>must be an application&apos;s id, such as &quot;org.example.App.desktop&quot;</source>
        <translation>muss die ID einer Anwendung sein, etwa „org.example.App.desktop“</translation>
    </message>
    <message>
        <source>profile %1 appears twice</source>
        <translation>Profil %1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>the %1 button appears twice</source>
        <extracomment>%1: the button as the file names it (left, right, middle, side1, side2).</extracomment>
        <translation>die Taste %1 kommt doppelt vor</translation>
    </message>
    <message>
        <source>another macro of this file is called &quot;%1&quot;</source>
        <translation>ein anderes Makro dieser Datei heißt bereits „%1“</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>die Datei enthält kein Makro „%1“</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; a set-up is at most %2</source>
        <translation>die Datei ist %1 Byte groß; eine Konfiguration hat höchstens %2</translation>
    </message>
    <message>
        <source>the file ends early (at byte %1): it is cut short or is not a set-up</source>
        <translation>die Datei endet vorzeitig (bei Byte %1): Sie ist abgeschnitten oder keine Konfiguration</translation>
    </message>
    <message>
        <source>the file is not a set-up: at byte %1, %2</source>
        <translation>die Datei ist keine Konfiguration: bei Byte %1, %2</translation>
    </message>
    <message>
        <source>the file is not a set-up: it holds no object</source>
        <translation>die Datei ist keine Konfiguration: Sie enthält kein Objekt</translation>
    </message>
    <message>
        <source>is given twice; a field is given once</source>
        <translation>ist doppelt angegeben; ein Feld darf nur einmal vorkommen</translation>
    </message>
    <message>
        <source>is missing: the file is not a set-up</source>
        <translation>fehlt: Die Datei ist keine Konfiguration</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;: the file is not a set-up</source>
        <translation>ist nicht „%1“: Die Datei ist keine Konfiguration</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>version %1 was written by a newer program; this one reads versions up to %2</source>
        <translation>Version %1 stammt von einem neueren Programm; dieses liest Versionen bis %2</translation>
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
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI-Stufe %1</translation>
    </message>
    <message>
        <source>active DPI stage</source>
        <translation>aktive DPI-Stufe</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>logo light</source>
        <translation>Logo-Licht</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>Mausrad-Licht</translation>
    </message>
    <message>
        <source>the macro takes %1 steps on the mouse; a button holds %2</source>
        <translation>das Makro belegt %1 Schritte auf der Maus; eine Taste fasst %2</translation>
    </message>
    <message>
        <source>macro %1: 1 delay was changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>Makro %1: 1 Verzögerung wurde an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms</translation>
    </message>
    <message numerus="yes">
        <source>macro %1: %n delays were changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>
            <numerusform>Makro %1: %n Verzögerung wurde an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms</numerusform>
            <numerusform>Makro %1: %n Verzögerungen wurden an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms</numerusform>
        </translation>
    </message>
    <message>
        <source>macro %1: the library&apos;s, used as it is</source>
        <translation>Makro %1: das aus der Bibliothek wird unverändert verwendet</translation>
    </message>
    <message>
        <source>macro %1: the same as the library&apos;s %2, which is used</source>
        <translation>Makro %1: identisch mit %2 aus der Bibliothek, das verwendet wird</translation>
    </message>
    <message>
        <source>macro %1: added to the library</source>
        <translation>Makro %1: der Bibliothek hinzugefügt</translation>
    </message>
    <message>
        <source>macro %1: added to the library as %2 (the library&apos;s %1 has other steps)</source>
        <translation>Makro %1: der Bibliothek als %2 hinzugefügt (%1 in der Bibliothek hat andere Schritte)</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>die Datei enthält kein Makro „%1“</translation>
    </message>
    <message>
        <source>%1 is the launch code of profile %2&apos;s %3; a launcher with a path of its own launches with code %4</source>
        <translation>%1 ist der Startcode von Profil %2, %3; ein Anwendungsstart mit eigenem Pfad startet mit Code %4</translation>
    </message>
    <message>
        <source>the application %1 is not installed here</source>
        <translation>die Anwendung %1 ist hier nicht installiert</translation>
    </message>
    <message>
        <source>the application&apos;s path is longer than %1 bytes</source>
        <translation>der Pfad der Anwendung ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the library would hold %1 macros, more than the %2 it keeps</source>
        <translation>die Bibliothek würde %1 Makros enthalten, mehr als die %2, die sie fasst</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A change: what changes (%1) and what it becomes (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <extracomment>A change: what changes (%1), what it was (%2) and what it becomes (%3).</extracomment>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>%1 (the mouse keeps what it holds for this button)</source>
        <extracomment>What a button is given (%1: a function the mouse keeps by itself).</extracomment>
        <translation>%1 (die Maus behält, was sie für diese Taste gespeichert hat)</translation>
    </message>
    <message>
        <source>profile %1 %2</source>
        <extracomment>A button of a profile: the profile&apos;s number (%1) and the button (&quot;wheel button&quot;).</extracomment>
        <translation>Profil %1, %2</translation>
    </message>
    <message>
        <source>active profile</source>
        <translation>aktives Profil</translation>
    </message>
    <message>
        <source>desktop pointer speed</source>
        <translation>Zeigertempo des Desktops</translation>
    </message>
    <message>
        <source>desktop scroll speed</source>
        <translation>Scrolltempo des Desktops</translation>
    </message>
    <message>
        <source>desktop double-click speed</source>
        <translation>Doppelklicktempo des Desktops</translation>
    </message>
    <message>
        <source>The %1 of profile %2 did not reach the mouse.</source>
        <translation>Profil %2 – nicht bei der Maus angekommen: %1.</translation>
    </message>
    <message>
        <source>The %1 of profile %2 may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Profil %2 – möglicherweise nicht bei der Maus angekommen, da sie vor dem Zurücklesen nicht mehr antwortete: %1.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Die Einstellungen (DPI-Stufen, Abfragerate, Lichter) sind möglicherweise nicht bei der Maus angekommen: Die Maus antwortete vor dem Zurücklesen nicht mehr.</translation>
    </message>
    <message>
        <source>The mouse took only part of the settings (DPI stages, polling rate, lights): they are shown as it holds them.</source>
        <translation>Die Maus hat die Einstellungen (DPI-Stufen, Abfragerate, Lichter) nur teilweise übernommen: Angezeigt wird, was sie gespeichert hat.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) did not reach the mouse.</source>
        <translation>Die Einstellungen (DPI-Stufen, Abfragerate, Lichter) sind nicht bei der Maus angekommen.</translation>
    </message>
    <message>
        <source>The mouse may not have switched to profile %1: it stopped answering before it could say.</source>
        <translation>Die Maus hat möglicherweise nicht zu Profil %1 gewechselt: Sie antwortete nicht mehr, bevor sie es bestätigen konnte.</translation>
    </message>
    <message>
        <source>The mouse did not switch to profile %1.</source>
        <translation>Die Maus hat nicht zu Profil %1 gewechselt.</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 Regel</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n Regel</numerusform>
            <numerusform>%n Regeln</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, otherwise profile %2</source>
        <translation>%1, sonst Profil %2</translation>
    </message>
    <message>
        <source>%1, switched off</source>
        <translation>%1, ausgeschaltet</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>Anwendungsregeln</translation>
    </message>
    <message>
        <source>%1, replacing yours (%2)</source>
        <extracomment>The application rules a set-up brings (%1: &quot;3 rules, otherwise profile 2&quot;), and the user&apos;s that they replace (%2).</extracomment>
        <translation>%1, ersetzt Ihre (%2)</translation>
    </message>
</context>
<context>
    <name>KxWriteSession</name>
    <message>
        <source>The macro library could not be saved in %1; nothing was written.</source>
        <translation>Die Makrobibliothek konnte nicht in %1 gespeichert werden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The changes could not be kept in %1 before writing; nothing was written.</source>
        <translation>Die Änderungen konnten vor dem Schreiben nicht in %1 gesichert werden; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The desktop did not take the pointer, scroll and double-click speeds.</source>
        <translation>Der Desktop hat Zeiger-, Scroll- und Doppelklicktempo nicht übernommen.</translation>
    </message>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>Die Profile konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The application rules were not taken, as the mouse did not take the whole set-up.</source>
        <translation>Die Anwendungsregeln wurden nicht übernommen, da die Maus nicht die ganze Konfiguration übernommen hat.</translation>
    </message>
    <message>
        <source>The application rules were not taken: %1.</source>
        <extracomment>%1: why (&quot;the rules could not be written to …&quot;).</extracomment>
        <translation>Die Anwendungsregeln wurden nicht übernommen: %1.</translation>
    </message>
</context>
<context>
    <name>LaunchChooserView</name>
    <message>
        <source> (a link to %1)</source>
        <translation> (ein Link auf %1)</translation>
    </message>
    <message>
        <source>This desktop entry is outside the applications folders and names no application this desktop can start:
%1
Take it for this button anyway?</source>
        <translation>Dieser Desktop-Eintrag liegt außerhalb der Anwendungsordner und nennt keine Anwendung, die dieser Desktop starten kann:
%1
Trotzdem für diese Taste verwenden?</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Zum Filtern tippen</translation>
    </message>
    <message>
        <source>No installed applications were found: “Other file…” takes any program.</source>
        <translation>Es wurden keine installierten Anwendungen gefunden: Mit „Andere Datei…“ lässt sich jedes Programm wählen.</translation>
    </message>
    <message>
        <source>No application matches “%1”.</source>
        <translation>Keine Anwendung passt zu „%1“.</translation>
    </message>
    <message>
        <source>Choose the program or file to start</source>
        <translation>Programm oder Datei zum Starten wählen</translation>
    </message>
    <message>
        <source>Application launcher</source>
        <translation>Anwendungsstart</translation>
    </message>
    <message>
        <source>Chooses the application or program the selected mouse button starts.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Wählt die Anwendung oder das Programm, das die ausgewählte Maustaste startet.</translation>
    </message>
    <message>
        <source>APPLICATION LAUNCHER</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>ANWENDUNGSSTART</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>INSTALLIERTE ANWENDUNGEN</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Anwendungen filtern</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>OTHER FILE…</source>
        <extracomment>the label of the control otherBtn, 124 points wide (English uses 89)</extracomment>
        <translation>ANDERE DATEI…</translation>
    </message>
    <message>
        <source>Other file</source>
        <extracomment>the name a screen reader says for otherBtn</extracomment>
        <translation>Andere Datei</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Application for a rule</source>
        <translation>Anwendung für eine Regel</translation>
    </message>
</context>
<context>
    <name>LightOptionView</name>
    <message>
        <source>Switches the mouse&apos;s logo and wheel lights on or off.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Schaltet das Logo-Licht und das Mausrad-Licht der Maus ein oder aus.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>LIGHTS</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>LICHTER</translation>
    </message>
    <message>
        <source>PICKED LIGHT</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>GEWÄHLTES LICHT</translation>
    </message>
    <message>
        <source>Wheel light</source>
        <extracomment>the name a screen reader says for midLightTagBtn</extracomment>
        <translation>Mausrad-Licht</translation>
    </message>
    <message>
        <source>Light to switch</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Zu schaltendes Licht</translation>
    </message>
    <message>
        <source>Logo light</source>
        <extracomment>the name a screen reader says for logoLightTagBtn</extracomment>
        <translation>Logo-Licht</translation>
    </message>
    <message>
        <source>BOTH LIGHTS</source>
        <extracomment>the label of the control bothLightTagBtn, 190 points wide (English uses 90)</extracomment>
        <translation>BEIDE LICHTER</translation>
    </message>
    <message>
        <source>Both lights</source>
        <extracomment>the name a screen reader says for bothLightTagBtn</extracomment>
        <translation>Beide Lichter</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>the label of the control lightOnBtn, 90 points wide (English uses 20)</extracomment>
        <translation>AN</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>the name a screen reader says for lightOnBtn</extracomment>
        <translation>An</translation>
    </message>
    <message>
        <source>Picked light</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Gewähltes Licht</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>the label of the control lightOffBtn, 90 points wide (English uses 26)</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>the name a screen reader says for lightOffBtn</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MacroCapacityMeter</name>
    <message>
        <source>No macro chosen</source>
        <translation>Kein Makro gewählt</translation>
    </message>
    <message>
        <source>%1 steps: the mouse plays the first %2</source>
        <translation>%1 Schritte: Die Maus spielt die ersten %2 ab</translation>
    </message>
    <message>
        <source>%1 of %2 steps on the mouse</source>
        <translation>%1 von %2 Schritten auf der Maus</translation>
    </message>
    <message>
        <source>Recording · %1</source>
        <translation>Aufnahme · %1</translation>
    </message>
</context>
<context>
    <name>MacroInfo</name>
    <message>
        <source>it takes %1 steps on the mouse, more than the %2 a button holds</source>
        <extracomment>Why a macro cannot be loaded, after &quot;Fire.mac cannot be loaded: &quot;.</extracomment>
        <translation>es belegt %1 Schritte auf der Maus, mehr als die %2, die eine Taste fasst</translation>
    </message>
    <message>
        <source>it holds a step this program does not know</source>
        <translation>es enthält einen Schritt, den dieses Programm nicht kennt</translation>
    </message>
</context>
<context>
    <name>MacroStepModel</name>
    <message>
        <source>L Button</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Press %1</source>
        <translation>%1 drücken</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>%1 loslassen</translation>
    </message>
    <message>
        <source>Command %1</source>
        <translation>Befehl %1</translation>
    </message>
    <message>
        <source>%1 Down</source>
        <translation>%1 gedrückt</translation>
    </message>
    <message>
        <source>%1 Up</source>
        <translation>%1 losgelassen</translation>
    </message>
    <message>
        <source>Step of kind %1</source>
        <translation>Schritt der Art %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Double-click to change the delay</source>
        <translation>Doppelklicken, um die Verzögerung zu ändern</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Taste gedrückt</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Taste losgelassen</translation>
    </message>
    <message>
        <source>Button down</source>
        <translation>Maustaste gedrückt</translation>
    </message>
    <message>
        <source>Button up</source>
        <translation>Maustaste losgelassen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Delay in milliseconds</source>
        <translation>Verzögerung in Millisekunden</translation>
    </message>
</context>
<context>
    <name>MacroView</name>
    <message>
        <source>Macro editor</source>
        <translation>Makro-Editor</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Maximum number of macros reached</source>
        <translation>Höchstzahl an Makros erreicht</translation>
    </message>
    <message>
        <source>Are you sure you want to Clear Commands?</source>
        <translation>Möchten Sie wirklich alle Schritte löschen?</translation>
    </message>
    <message>
        <source>No macros yet</source>
        <translation>Noch keine Makros</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Makro wählen</translation>
    </message>
    <message>
        <source>New macro</source>
        <extracomment>the name a screen reader says for newMacroBtn</extracomment>
        <translation>Neues Makro</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>Möchten Sie dieses Makro wirklich löschen?</translation>
    </message>
    <message>
        <source>Save the macro to a file</source>
        <translation>Makro in einer Datei speichern</translation>
    </message>
    <message>
        <source>Macro files (*.mac)</source>
        <translation>Makrodateien (*.mac)</translation>
    </message>
    <message>
        <source>The macro could not be saved as %1.</source>
        <translation>Das Makro konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Load a macro from a file</source>
        <translation>Makro aus einer Datei laden</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>%1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>die Datei %1</translation>
    </message>
    <message>
        <source>it is not a macro</source>
        <translation>das ist kein Makro</translation>
    </message>
    <message>
        <source>a macro is named by its file, and this file has no name</source>
        <translation>ein Makro wird nach seiner Datei benannt, und diese Datei hat keinen Namen</translation>
    </message>
    <message>
        <source>A macro of this name already exists.</source>
        <translation>Ein Makro mit diesem Namen gibt es bereits.</translation>
    </message>
    <message>
        <source>The macros could not be saved.</source>
        <translation>Die Makros konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Records, edits, imports and exports the macros the mouse buttons can run.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Nimmt die Makros auf, die die Maustasten ausführen können, und bearbeitet, importiert und exportiert sie.</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>MAKRO-EDITOR</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>AUFNAHME</translation>
    </message>
    <message>
        <source>DELAYS WHILE RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>VERZÖGERUNG BEI AUFNAHME</translation>
    </message>
    <message>
        <source>Default (ms)</source>
        <extracomment>a line of text, 90 points wide</extracomment>
        <translation>Standard (ms)</translation>
    </message>
    <message>
        <source>STEPS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>SCHRITTE</translation>
    </message>
    <message>
        <source>STEP</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>SCHRITT</translation>
    </message>
    <message>
        <source>DELAY (MS)</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>VERZÖGERUNG (MS)</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for macroNameBtn</extracomment>
        <translation>Makro</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>the label of the control newMacroBtn, 96 points wide (English uses 31)</extracomment>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <extracomment>the label of the control delMacroBtn, 96 points wide (English uses 50)</extracomment>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <extracomment>the name a screen reader says for delMacroBtn</extracomment>
        <translation>Makro löschen</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>the label of the control loadMacroBtn, 96 points wide (English uses 51)</extracomment>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>the name a screen reader says for loadMacroBtn</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <extracomment>the label of the control saveMacroBtn, 96 points wide (English uses 52)</extracomment>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>the name a screen reader says for saveMacroBtn</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>RECORD</source>
        <extracomment>the label of the control recordBtn, 96 points wide (English uses 55)</extracomment>
        <translation>AUFNEHMEN</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>the name a screen reader says for recordBtn</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>the label of the control stopBtn, 96 points wide (English uses 35)</extracomment>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <extracomment>the name a screen reader says for stopBtn</extracomment>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Stop recording (Pause)</source>
        <extracomment>what a screen reader says stopBtn does</extracomment>
        <translation>Aufnahme beenden (Pause)</translation>
    </message>
    <message>
        <source>Without delays</source>
        <extracomment>the label of the control lgnoreDelayChk, 200 points wide (English uses 90)</extracomment>
        <translation>Ohne Verzögerungen</translation>
    </message>
    <message>
        <source>Default delay</source>
        <extracomment>the label of the control insertDefLayChk, 200 points wide (English uses 80)</extracomment>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>Default delay, ms</source>
        <extracomment>the name a screen reader says for defDelayTxt</extracomment>
        <translation>Standardverzögerung, ms</translation>
    </message>
    <message>
        <source>USE FOR RECORDING</source>
        <extracomment>the label of the control insertDefDelayBtn, 200 points wide (English uses 141)</extracomment>
        <translation>FÜR AUFNAHME VERWENDEN</translation>
    </message>
    <message>
        <source>Use for recording</source>
        <extracomment>the name a screen reader says for insertDefDelayBtn</extracomment>
        <translation>Für Aufnahme verwenden</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>the name a screen reader says for keytbView</extracomment>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <extracomment>the label of the control keyUpBtn, 130 points wide (English uses 61)</extracomment>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>Move up</source>
        <extracomment>the name a screen reader says for keyUpBtn</extracomment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <extracomment>the label of the control keyDownBtn, 130 points wide (English uses 85)</extracomment>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>Move down</source>
        <extracomment>the name a screen reader says for keyDownBtn</extracomment>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>DELETE STEP</source>
        <extracomment>the label of the control delKeyBtn, 130 points wide (English uses 87)</extracomment>
        <translation>SCHRITT LÖSCHEN</translation>
    </message>
    <message>
        <source>Delete step</source>
        <extracomment>the name a screen reader says for delKeyBtn</extracomment>
        <translation>Schritt löschen</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <extracomment>the name a screen reader says for adjustDelayDownBtn</extracomment>
        <translation>Kürzere Verzögerung</translation>
    </message>
    <message>
        <source>Delay to set, ms</source>
        <extracomment>the name a screen reader says for adjustDelayTxt</extracomment>
        <translation>Zu setzende Verzögerung, ms</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <extracomment>the name a screen reader says for adjustDelayUpBtn</extracomment>
        <translation>Längere Verzögerung</translation>
    </message>
    <message>
        <source>SET DELAY</source>
        <extracomment>the label of the control insertDelayBtn, 130 points wide (English uses 71)</extracomment>
        <translation>FESTLEGEN</translation>
    </message>
    <message>
        <source>Set delay</source>
        <extracomment>the name a screen reader says for insertDelayBtn</extracomment>
        <translation>Verzögerung festlegen</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>the name a screen reader says for comSelBtn</extracomment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>the label of the control insertComBtn, 130 points wide (English uses 48)</extracomment>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>Insert command</source>
        <extracomment>the name a screen reader says for insertComBtn</extracomment>
        <translation>Befehl einfügen</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 was loaded with 1 delay changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 wurde geladen; 1 Verzögerung wurde an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was loaded with %n delays changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>
            <numerusform>%1 wurde geladen; %n Verzögerung wurde an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms.</numerusform>
            <numerusform>%1 wurde geladen; %n Verzögerungen wurden an das angepasst, was ein Schritt fasst: höchstens %2 ms, in Schritten von %3 ms.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix-Maus</translation>
    </message>
    <message>
        <source>Deleted macro</source>
        <translation>Gelöschtes Makro</translation>
    </message>
    <message>
        <source>Launch Key</source>
        <translation>Anwendungsstart</translation>
    </message>
    <message>
        <source>T Key</source>
        <translation>T-Taste</translation>
    </message>
    <message>
        <source>Page UP(Win)</source>
        <translation>Bild auf (Win)</translation>
    </message>
    <message>
        <source>Page Down(Win)</source>
        <translation>Bild ab (Win)</translation>
    </message>
    <message>
        <source>Middle Button(Win)</source>
        <translation>Mittlere Taste (Win)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>the name a screen reader says for defaultBtn</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Single key</source>
        <extracomment>the name a screen reader says for singleBtn</extracomment>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for tkeyBtn</extracomment>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Launch</source>
        <extracomment>the name a screen reader says for launchProBtn</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>This path is too long to be kept in the mouse&apos;s profile (%1 bytes at most):
%2</source>
        <translation>Dieser Pfad ist zu lang für das Profil der Maus (höchstens %1 Byte):
%2</translation>
    </message>
    <message>
        <source>The help page could not be opened.</source>
        <translation>Die Hilfeseite konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The mouse did not answer while it was being read. The window shows its profiles as they were last saved; changes are written only when the mouse answers.</source>
        <translation>Die Maus hat beim Auslesen nicht geantwortet. Das Fenster zeigt ihre Profile im zuletzt gespeicherten Stand; Änderungen werden erst geschrieben, wenn die Maus antwortet.</translation>
    </message>
    <message>
        <source>The changes not written are kept: Apply tries again.</source>
        <translation>Die nicht geschriebenen Änderungen bleiben erhalten: „Anwenden“ versucht es erneut.</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>profiles %1</source>
        <translation>den Profilen %1</translation>
    </message>
    <message>
        <source>The last changes to %1 did not reach the mouse. They are shown as changes not yet written: Apply writes them.</source>
        <translation>Die letzten Änderungen an %1 sind nicht bei der Maus angekommen. Sie werden als noch nicht geschriebene Änderungen angezeigt: „Anwenden“ schreibt sie.</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Änderungen nicht geschrieben</translation>
    </message>
    <message>
        <source>Now on profile %1</source>
        <translation>Profil %1 ist jetzt aktiv</translation>
    </message>
    <message>
        <source>Hide the on-screen display</source>
        <translation>Bildschirmanzeige ausblenden</translation>
    </message>
    <message>
        <source>Show the on-screen display</source>
        <translation>Bildschirmanzeige einblenden</translation>
    </message>
    <message>
        <source>The window closes</source>
        <translation>Das Fenster wird geschlossen</translation>
    </message>
    <message>
        <source>Kestrix set-ups (*.%1)</source>
        <translation>Kestrix-Konfigurationen (*.%1)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Konfiguration exportieren</translation>
    </message>
    <message>
        <source>Kestrix set-up.%1</source>
        <translation>Kestrix-Konfiguration.%1</translation>
    </message>
    <message>
        <source>Set-up export</source>
        <translation>Konfigurationsexport</translation>
    </message>
    <message>
        <source>The mouse did not answer: the set-up was not exported.</source>
        <translation>Die Maus hat nicht geantwortet: Die Konfiguration wurde nicht exportiert.</translation>
    </message>
    <message>
        <source>The set-up could not be saved as %1: %2</source>
        <translation>Die Konfiguration konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Konfiguration importieren</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>profile %1 would have no button doing the left click.</source>
        <translation>in Profil %1 hätte keine Taste mehr den Linksklick.</translation>
    </message>
    <message>
        <source>The mouse holds the set-up of %1 already.</source>
        <translation>Die Maus hat die Konfiguration aus %1 bereits.</translation>
    </message>
    <message>
        <source>Changes not yet written to the mouse are dropped.</source>
        <translation>Noch nicht in die Maus geschriebene Änderungen werden verworfen.</translation>
    </message>
    <message>
        <source>Importing %1 changes the mouse:</source>
        <translation>Der Import von %1 ändert Folgendes an der Maus:</translation>
    </message>
    <message>
        <source>Sets up the mouse: its five profiles and what each of its buttons does.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Richtet die Maus ein: ihre fünf Profile und was jede ihrer Tasten tut.</translation>
    </message>
    <message>
        <source>KESTRIX</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>KESTRIX</translation>
    </message>
    <message>
        <source>Gaming mouse configuration</source>
        <extracomment>a line of text, 320 points wide</extracomment>
        <translation>Konfiguration der Gaming-Maus</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <extracomment>a caption over controls, 96 points wide</extracomment>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>SELECTED BUTTON</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>AUSGEWÄHLTE TASTE</translation>
    </message>
    <message>
        <source>ASSIGN A FUNCTION</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>FUNKTION ZUWEISEN</translation>
    </message>
    <message>
        <source>MOUSE SETTINGS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>MAUSEINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Application menu</source>
        <extracomment>the name a screen reader says for menuBtn</extracomment>
        <translation>Anwendungsmenü</translation>
    </message>
    <message>
        <source>Reset profile</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Website</source>
        <extracomment>the name a screen reader says for homeBtn</extracomment>
        <translation>Website</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the name a screen reader says for helpBtn</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the name a screen reader says for closeBtn</extracomment>
        <translation>Schließen</translation>
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
        <translation>Linke Taste</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Right button</source>
        <extracomment>the name a screen reader says for rightBtn</extracomment>
        <translation>Rechte Taste</translation>
    </message>
    <message>
        <source>Wheel button</source>
        <extracomment>the name a screen reader says for middleClickBtn</extracomment>
        <translation>Mausradtaste</translation>
    </message>
    <message>
        <source>Front side button</source>
        <extracomment>the name a screen reader says for left1Btn</extracomment>
        <translation>Vordere Seitentaste</translation>
    </message>
    <message>
        <source>Back side button</source>
        <extracomment>the name a screen reader says for left2Btn</extracomment>
        <translation>Hintere Seitentaste</translation>
    </message>
    <message>
        <source>Kind of function</source>
        <extracomment>the name a screen reader says for btnSelTagImageView</extracomment>
        <translation>Art der Funktion</translation>
    </message>
    <message>
        <source>Function of the selected button</source>
        <extracomment>the name a screen reader says for btnSelTagCaptionTxt</extracomment>
        <translation>Funktion der ausgewählten Taste</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <extracomment>the label of the control defaultBtn, 92 points wide (English uses 52)</extracomment>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <extracomment>the label of the control singleBtn, 92 points wide (English uses 72)</extracomment>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>the label of the control tkeyBtn, 92 points wide (English uses 44)</extracomment>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <extracomment>the label of the control launchProBtn, 92 points wide (English uses 50)</extracomment>
        <translation>STARTEN</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the label of the control settingBtn, 126 points wide (English uses 92)</extracomment>
        <translation>LEISTUNG</translation>
    </message>
    <message>
        <source>Performance</source>
        <extracomment>the name a screen reader says for settingBtn</extracomment>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the label of the control lightOptionBtn, 126 points wide (English uses 58)</extracomment>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>Lighting</source>
        <extracomment>the name a screen reader says for lightOptionBtn</extracomment>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the label of the control macroBtn, 126 points wide (English uses 94)</extracomment>
        <translation>MAKRO-EDITOR</translation>
    </message>
    <message>
        <source>Macro editor</source>
        <extracomment>the name a screen reader says for macroBtn</extracomment>
        <translation>Makro-Editor</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Single Key Function</source>
        <translation>Einzeltastenfunktion</translation>
    </message>
    <message>
        <source>Macro Function</source>
        <translation>Makrofunktion</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1.</source>
        <translation>Die Konfiguration wurde nicht exportiert: %1.</translation>
    </message>
    <message>
        <source>Application rules</source>
        <translation>Anwendungsregeln</translation>
    </message>
    <message>
        <source>APP RULES</source>
        <extracomment>the label of the control appRulesBtn, 146 points wide (English uses 74)</extracomment>
        <translation>APP-REGELN</translation>
    </message>
    <message>
        <source>App rules</source>
        <extracomment>the name a screen reader says for appRulesBtn</extracomment>
        <translation>App-Regeln</translation>
    </message>
    <message>
        <source>The profile follows the application in front</source>
        <extracomment>what a screen reader says appRulesBtn does</extracomment>
        <translation>Das Profil folgt der Anwendung im Vordergrund</translation>
    </message>
</context>
<context>
    <name>MouseWrites</name>
    <message>
        <source>logo light</source>
        <translation>das Logo-Licht</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>das Mausrad-Licht</translation>
    </message>
    <message>
        <source>performance settings</source>
        <translation>die Leistungseinstellungen</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>die Beleuchtung</translation>
    </message>
    <message>
        <source>profile switch</source>
        <translation>den Profilwechsel</translation>
    </message>
    <message>
        <source>The mouse did not take the %1. Is it still plugged in?</source>
        <extracomment>%1 is what was written: &quot;performance settings&quot;, &quot;lighting&quot;, &quot;DPI stage&quot;...</extracomment>
        <translation>Die Maus hat %1 nicht übernommen. Ist sie noch angeschlossen?</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <translation>die DPI-Stufe</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>die Abfragerate</translation>
    </message>
</context>
<context>
    <name>OsdWords</name>
    <message>
        <source>SENSITIVITY</source>
        <extracomment>The on-screen display of a DPI change: the stage among the mouse&apos;s stages.</extracomment>
        <translation>EMPFINDLICHKEIT</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>STAGE %1 OF %2</source>
        <translation>STUFE %1 VON %2</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>REPORTS PER SECOND</source>
        <translation>BERICHTE PRO SEKUNDE</translation>
    </message>
    <message>
        <source>ACTIVE PROFILE</source>
        <extracomment>The on-screen display of a profile change: the profile among those the mouse holds.</extracomment>
        <translation>AKTIVES PROFIL</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PROFIL</translation>
    </message>
    <message>
        <source>ON-BOARD %1 OF %2</source>
        <translation>INTERN %1 VON %2</translation>
    </message>
    <message>
        <source>MOUSE LOCK</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>MAUSSPERRE</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>SPERRE</translation>
    </message>
    <message>
        <source>SWITCH ON</source>
        <translation>SCHALTER EIN</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>GESPERRT</translation>
    </message>
    <message>
        <source>SWITCH OFF</source>
        <translation>SCHALTER AUS</translation>
    </message>
    <message>
        <source>UNLOCKED</source>
        <translation>ENTSPERRT</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file cannot be written, said after its name (&quot;out.kxsetup could not be written: is a folder&quot;), as the other reasons here are.</extracomment>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is a socket</source>
        <translation>ist ein Socket</translation>
    </message>
    <message>
        <source>is a device, not a file or a terminal</source>
        <translation>ist ein Gerät, weder Datei noch Terminal</translation>
    </message>
    <message>
        <source>nothing was taken</source>
        <translation>es wurde nichts angenommen</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>es wurde keine Datei angegeben</translation>
    </message>
    <message>
        <source>is not open (%1)</source>
        <translation>ist nicht geöffnet (%1)</translation>
    </message>
    <message>
        <source>is a FIFO that no program reads</source>
        <translation>ist ein FIFO, aus dem kein Programm liest</translation>
    </message>
    <message>
        <source>changed while it was opened</source>
        <translation>hat sich beim Öffnen geändert</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>Sets the mouse&apos;s DPI stages and polling rate, the desktop&apos;s pointer, double-click and scroll speeds, and the on-screen display.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Legt die DPI-Stufen und die Abfragerate der Maus fest, das Zeiger-, Doppelklick- und Scrolltempo des Desktops sowie die Bildschirmanzeige.</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>LEISTUNG</translation>
    </message>
    <message>
        <source>DPI STAGE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>DPI-STUFE</translation>
    </message>
    <message>
        <source>DPI OF THIS STAGE</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>DPI DIESER STUFE</translation>
    </message>
    <message>
        <source>DPI</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>DPI</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>DOUBLE-CLICK SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>DOPPELKLICKTEMPO</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>ZEIGERTEMPO</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>SCROLLTEMPO</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <extracomment>the name a screen reader says for dpiLevelPro</extracomment>
        <translation>DPI-Stufe</translation>
    </message>
    <message>
        <source>DPI of this stage</source>
        <extracomment>the name a screen reader says for dpiPro</extracomment>
        <translation>DPI dieser Stufe</translation>
    </message>
    <message>
        <source>Exact DPI</source>
        <extracomment>the name a screen reader says for dpiTxt</extracomment>
        <translation>Genauer DPI-Wert</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <extracomment>the label of the control rate125Btn, 92 points wide (English uses 46)</extracomment>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Polling rate</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Abfragerate</translation>
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
        <translation>Änderungen auf dem Bildschirm anzeigen</translation>
    </message>
    <message>
        <source>Double-click speed</source>
        <extracomment>the name a screen reader says for doubleSpeedPro</extracomment>
        <translation>Doppelklicktempo</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <extracomment>the name a screen reader says for mouseSpeedPro</extracomment>
        <translation>Zeigertempo</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <extracomment>the name a screen reader says for scrSpeedPro</extracomment>
        <translation>Scrolltempo</translation>
    </message>
    <message>
        <source>RESET</source>
        <extracomment>the label of the control reDefBtn, 110 points wide (English uses 42)</extracomment>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PerformanceView</name>
    <message>
        <source>Stage %1 of %2</source>
        <translation>Stufe %1 von %2</translation>
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
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>This profile has changes that are not written to the mouse yet. OK switches to the other profile and drops them; Cancel stays on this profile with them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Dieses Profil hat Änderungen, die noch nicht in die Maus geschrieben sind. „OK“ wechselt das Profil und verwirft sie; „Abbrechen“ bleibt mit ihnen in diesem Profil.</translation>
    </message>
    <message>
        <source>Switch and drop the changes</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Wechseln und Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Stay on this profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>In diesem Profil bleiben</translation>
    </message>
    <message>
        <source>Close with unsaved changes?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Trotz Änderungen schließen?</translation>
    </message>
    <message>
        <source>There are changes that are not written to the mouse yet. OK writes them to the mouse and closes; Cancel closes without them; Escape goes back to them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Es gibt Änderungen, die noch nicht in die Maus geschrieben sind. „OK“ schreibt sie in die Maus und schließt; „Abbrechen“ schließt ohne sie; Esc kehrt zu ihnen zurück.</translation>
    </message>
    <message>
        <source>Write and close</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Schreiben und schließen</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Ohne Schreiben schließen</translation>
    </message>
    <message>
        <source>Mouse not connected</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Maus nicht angeschlossen</translation>
    </message>
    <message>
        <source>The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the mouse in, then open Kestrix Mouse again.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Die Kestrix-Maus ist nicht angeschlossen oder wurde abgezogen. „OK“ schließt das Fenster; schließen Sie die Maus an und öffnen Sie dann Kestrix-Maus erneut.</translation>
    </message>
    <message>
        <source>Close the window</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>One button must stay the left click</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Eine Taste muss Linksklick bleiben</translation>
    </message>
    <message>
        <source>This is the only button that does the left click, so it cannot be given another function. OK goes back and leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Dies ist die einzige Taste mit Linksklick, daher kann ihr keine andere Funktion zugewiesen werden. „OK“ kehrt zurück und lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Keep the left click</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Linksklick behalten</translation>
    </message>
    <message>
        <source>Reset this profile?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Dieses Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Every button and setting of this profile goes back to its default and is written to the mouse. OK resets it; Cancel leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Alle Tasten und Einstellungen dieses Profils werden auf den Standard zurückgesetzt und in die Maus geschrieben. „OK“ setzt es zurück; „Abbrechen“ lässt es unverändert.</translation>
    </message>
    <message>
        <source>Reset the profile</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Profil behalten</translation>
    </message>
</context>
<context>
    <name>ProfileSaves</name>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>Die Profile konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is larger than %1 MiB</source>
        <extracomment>Why a file is refused, said after its name, as the other reasons here are.</extracomment>
        <translation>ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>SetupPreviewView</name>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>ShowLoadView</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>LOADING</source>
        <translation>WIRD GELADEN</translation>
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
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <extracomment>The mouse&apos;s lock switch is off: its buttons work again.</extracomment>
        <translation>Entsperrt</translation>
    </message>
    <message>
        <source>%1 DPI · stage %2 of %3</source>
        <extracomment>The on-screen display after a DPI change: the value, then which stage of how many.</extracomment>
        <translation>%1 DPI · Stufe %2 von %3</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <extracomment>A notification after a DPI change: its summary; the body follows (&quot;Stage 2 of 4&quot;).</extracomment>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>Stage %1 of %2</source>
        <extracomment>A notification after a DPI change: its body, below the summary (&quot;1600 DPI&quot;).</extracomment>
        <translation>Stufe %1 von %2</translation>
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
        <translation>Das laufende Fenster hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyView</name>
    <message>
        <source>Choose a function</source>
        <translation>Funktion wählen</translation>
    </message>
    <message>
        <source>Choose a function from the list first.</source>
        <translation>Wählen Sie zuerst eine Funktion aus der Liste.</translation>
    </message>
    <message>
        <source>Gives the selected mouse button one function: a click, a key, a media or a system function.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Weist der ausgewählten Maustaste eine Funktion zu: einen Klick, eine Taste, eine Medien- oder Systemfunktion.</translation>
    </message>
    <message>
        <source>SINGLE KEY FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>EINZELTASTENFUNKTION</translation>
    </message>
    <message>
        <source>FUNCTION</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>FUNKTION</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>the name a screen reader says for selComBtn</extracomment>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TKeyRepeatView</name>
    <message>
        <source>Sets how many times the macro runs for each press of the button.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Legt fest, wie oft das Makro bei jedem Druck auf die Taste ausgeführt wird.</translation>
    </message>
    <message>
        <source>Times to run the macro:</source>
        <extracomment>a line of text, 176 points wide</extracomment>
        <translation>Anzahl der Ausführungen:</translation>
    </message>
    <message>
        <source>Times to run the macro</source>
        <extracomment>the name a screen reader says for countTxt</extracomment>
        <translation>Anzahl der Ausführungen</translation>
    </message>
    <message>
        <source>Limit of the mouse</source>
        <extracomment>the name a screen reader says for limitTxt</extracomment>
        <translation>Obergrenze der Maus</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TKeyView</name>
    <message>
        <source>Gives the selected mouse button a macro and the way it runs.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Weist der ausgewählten Maustaste ein Makro zu und legt fest, wie es ausgeführt wird.</translation>
    </message>
    <message>
        <source>MACRO FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>MAKROFUNKTION</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>RUN THE MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MAKRO AUSFÜHREN</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for selMacroBtn</extracomment>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>the label of the control onceChk, 69 points wide (English uses 31)</extracomment>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Run the macro</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Makro ausführen</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <extracomment>the label of the control multTimesChk, 127 points wide (English uses 80)</extracomment>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Times the macro runs</source>
        <extracomment>the name a screen reader says for countLbl</extracomment>
        <translation>Anzahl der Ausführungen</translation>
    </message>
    <message>
        <source>While held</source>
        <extracomment>the label of the control holdChk, 156 points wide (English uses 63)</extracomment>
        <translation>Solange gehalten</translation>
    </message>
    <message>
        <source>Until pressed again</source>
        <extracomment>the label of the control untilPreChk, 184 points wide (English uses 116)</extracomment>
        <translation>Bis zum erneuten Drücken</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TkeyRepeatView</name>
    <message>
        <source>At most %1 times on the mouse</source>
        <translation>Höchstens %1-mal auf der Maus</translation>
    </message>
</context>
<context>
    <name>TkeyView</name>
    <message>
        <source>No macros yet</source>
        <translation>Noch keine Makros</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Makro wählen</translation>
    </message>
    <message>
        <source>There are no macros yet: record one in the macro editor first.</source>
        <translation>Es gibt noch keine Makros: Nehmen Sie zuerst eines im Makro-Editor auf.</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>Wählen Sie zuerst ein Makro aus der Liste.</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1-mal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
</context>
</TS>
