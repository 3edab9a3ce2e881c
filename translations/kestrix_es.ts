<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutConnortller</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>No hay ningún ratón conectado.</translation>
    </message>
    <message>
        <source>The emulated mouse (kx-virtual-mouse) is in use.</source>
        <translation>Se está usando el ratón emulado (kx-virtual-mouse).</translation>
    </message>
    <message>
        <source>The Kestrix mouse on USB is in use.</source>
        <translation>Se está usando el ratón Kestrix conectado por USB.</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Acerca de Ratón Kestrix</translation>
    </message>
    <message>
        <source>Version %1 &amp;middot; MIT licence&lt;br&gt;&lt;br&gt;</source>
        <translation>Versión %1 &amp;middot; licencia MIT&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Profiles and macros</source>
        <translation>Perfiles y macros</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>The program&apos;s version and where it comes from.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>La versión del programa y su procedencia.</translation>
    </message>
    <message>
        <source>KESTRIX MOUSE</source>
        <extracomment>the window&apos;s title, 392 points wide</extracomment>
        <translation>RATÓN KESTRIX</translation>
    </message>
    <message>
        <source>Configuration of the Kestrix gaming mouse</source>
        <extracomment>a line of text, 392 points wide</extracomment>
        <translation>Configuración del ratón para juegos Kestrix</translation>
    </message>
    <message>
        <source>Kestrix Mouse</source>
        <extracomment>the name a screen reader says for appIcon</extracomment>
        <translation>Ratón Kestrix</translation>
    </message>
    <message>
        <source>About the program</source>
        <extracomment>the name a screen reader says for infoTxt</extracomment>
        <translation>Acerca del programa</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
</context>
<context>
    <name>AppChooserView</name>
    <message>
        <source>Chooses the application whose coming to the front switches the mouse&apos;s profile.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Elige la aplicación cuya llegada al primer plano cambia el perfil del ratón.</translation>
    </message>
    <message>
        <source>APPLICATION FOR A RULE</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>APLICACIÓN PARA UNA REGLA</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>APLICACIONES INSTALADAS</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Filtrar las aplicaciones</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Ratón Kestrix</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Application menu</source>
        <translation>Menú de la aplicación</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>Acerca de Ratón Kestrix</translation>
    </message>
    <message>
        <source>Export set-up…</source>
        <translation>Exportar configuración…</translation>
    </message>
    <message>
        <source>Import set-up…</source>
        <translation>Importar configuración…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Application rules…</source>
        <translation>Reglas de aplicación…</translation>
    </message>
</context>
<context>
    <name>AppRulesView</name>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>no instalada</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <extracomment>the name a screen reader says for addBtn</extracomment>
        <translation>Añadir una regla</translation>
    </message>
    <message>
        <source>Installed application…</source>
        <translation>Aplicación instalada…</translation>
    </message>
    <message>
        <source>The application in front before this window</source>
        <translation>La aplicación en primer plano antes de esta ventana</translation>
    </message>
    <message>
        <source>Asking the background program about this desktop…</source>
        <translation>Consultando al programa en segundo plano sobre este escritorio…</translation>
    </message>
    <message>
        <source>The background program is not running, so the rules do not act now. They are kept for when it runs.</source>
        <translation>El programa en segundo plano no se está ejecutando, así que las reglas no actúan ahora. Se guardan para cuando se ejecute.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front: the rules act once they are saved.</source>
        <translation>Este escritorio indica qué aplicación está en primer plano: las reglas actúan en cuanto se guardan.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: GNOME on Wayland does not tell other programs which window is in front.</source>
        <translation>Las reglas de aplicación no están disponibles en este escritorio: GNOME en Wayland no indica a otros programas qué ventana está en primer plano.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: its Wayland compositor does not tell other programs which window is in front.</source>
        <translation>Las reglas de aplicación no están disponibles en este escritorio: su compositor Wayland no indica a otros programas qué ventana está en primer plano.</translation>
    </message>
    <message>
        <source>Application rules are not available: the background program has no display to watch.</source>
        <translation>Las reglas de aplicación no están disponibles: el programa en segundo plano no tiene ninguna pantalla que observar.</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop (%1).</source>
        <translation>Las reglas de aplicación no están disponibles en este escritorio (%1).</translation>
    </message>
    <message>
        <source>The rules in the preferences could not be read:
%1</source>
        <translation>No se pudieron leer las reglas de las preferencias:
%1</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, perfil %2</translation>
    </message>
    <message>
        <source>%1, not installed, profile %2</source>
        <translation>%1, no instalada, perfil %2</translation>
    </message>
    <message>
        <source>There are %1 rules already, as many as are kept.</source>
        <translation>Ya hay %1 reglas, tantas como se guardan.</translation>
    </message>
    <message>
        <source>“%1” cannot be a rule&apos;s application: it %2.</source>
        <translation>«%1» no puede ser la aplicación de una regla: su nombre %2.</translation>
    </message>
    <message>
        <source>The background program is not running, so it cannot tell which application was in front.</source>
        <translation>El programa en segundo plano no se está ejecutando, así que no puede decir qué aplicación estaba en primer plano.</translation>
    </message>
    <message>
        <source>The background program does not know yet which application was in front. Bring that application to the front, then come back and add it.</source>
        <translation>El programa en segundo plano aún no sabe qué aplicación estaba en primer plano. Lleve esa aplicación al primer plano y vuelva para añadirla.</translation>
    </message>
    <message>
        <source>The background program named an application that cannot be a rule&apos;s: its name %1.</source>
        <translation>El programa en segundo plano nombró una aplicación que no puede tener una regla: su nombre %1.</translation>
    </message>
    <message>
        <source>The application rules in the preferences could not be read:
%1
Start over with no rules? The broken ones are replaced only when you press OK.</source>
        <translation>No se pudieron leer las reglas de aplicación de las preferencias:
%1
¿Empezar de nuevo sin reglas? Las dañadas solo se reemplazan cuando pulse Aceptar.</translation>
    </message>
    <message>
        <source>The rules were not saved: %1. They stay here as you set them; OK tries again.</source>
        <translation>Las reglas no se guardaron: %1. Se quedan aquí tal como las dejó; Aceptar lo intenta de nuevo.</translation>
    </message>
    <message>
        <source>Makes the mouse&apos;s profile follow the application in front, by rules of the user&apos;s.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Hace que el perfil del ratón siga a la aplicación en primer plano, según sus reglas.</translation>
    </message>
    <message>
        <source>APPLICATION RULES</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>REGLAS DE APLICACIÓN</translation>
    </message>
    <message>
        <source>RULES</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>REGLAS</translation>
    </message>
    <message>
        <source>PROFILE OF THE SELECTED APPLICATION</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>PERFIL DE LA APLICACIÓN ELEGIDA</translation>
    </message>
    <message>
        <source>ANY OTHER APPLICATION IN FRONT</source>
        <extracomment>a caption over controls, 400 points wide</extracomment>
        <translation>CUALQUIER OTRA APLICACIÓN EN PRIMER PLANO</translation>
    </message>
    <message>
        <source>Switch profiles by the application in front</source>
        <extracomment>the label of the control enabledChk, 492 points wide (English uses 247)</extracomment>
        <translation>Cambiar de perfil según la aplicación en primer plano</translation>
    </message>
    <message>
        <source>On this desktop</source>
        <extracomment>the name a screen reader says for availabilityLbl</extracomment>
        <translation>En este escritorio</translation>
    </message>
    <message>
        <source>ADD…</source>
        <extracomment>the label of the control addBtn, 96 points wide (English uses 40)</extracomment>
        <translation>AÑADIR…</translation>
    </message>
    <message>
        <source>Chooses an installed application, or the one in front before this window</source>
        <extracomment>what a screen reader says addBtn does</extracomment>
        <translation>Elige una aplicación instalada, o la que estaba en primer plano antes de esta ventana</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>the name a screen reader says for ruleList</extracomment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Each application and its profile; keys 1 to 5 set the profile, Delete removes the rule</source>
        <extracomment>what a screen reader says ruleList does</extracomment>
        <translation>Cada aplicación y su perfil; las teclas 1 a 5 fijan el perfil, Supr quita la regla</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for ruleProfile1Btn</extracomment>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Profile of the selected application</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Perfil de la aplicación elegida</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for ruleProfile2Btn</extracomment>
        <translation>Perfil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for ruleProfile3Btn</extracomment>
        <translation>Perfil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for ruleProfile4Btn</extracomment>
        <translation>Perfil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for ruleProfile5Btn</extracomment>
        <translation>Perfil 5</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <extracomment>the label of the control removeBtn, 96 points wide (English uses 56)</extracomment>
        <translation>QUITAR</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <extracomment>the name a screen reader says for removeBtn</extracomment>
        <translation>Quitar la regla elegida</translation>
    </message>
    <message>
        <source>UNCHANGED</source>
        <extracomment>the label of the control otherwiseKeepBtn, 140 points wide (English uses 84)</extracomment>
        <translation>SIN CAMBIO</translation>
    </message>
    <message>
        <source>Otherwise</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Si no</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No rules yet: “Add…” makes one.</source>
        <translation>Aún no hay reglas: «Añadir…» crea una.</translation>
    </message>
    <message>
        <source>Otherwise unchanged</source>
        <extracomment>the name a screen reader says for otherwiseKeepBtn</extracomment>
        <translation>Si no, sin cambio</translation>
    </message>
    <message>
        <source>Otherwise profile 1</source>
        <extracomment>the name a screen reader says for otherwise1Btn</extracomment>
        <translation>Si no, perfil 1</translation>
    </message>
    <message>
        <source>Otherwise profile 2</source>
        <extracomment>the name a screen reader says for otherwise2Btn</extracomment>
        <translation>Si no, perfil 2</translation>
    </message>
    <message>
        <source>Otherwise profile 3</source>
        <extracomment>the name a screen reader says for otherwise3Btn</extracomment>
        <translation>Si no, perfil 3</translation>
    </message>
    <message>
        <source>Otherwise profile 4</source>
        <extracomment>the name a screen reader says for otherwise4Btn</extracomment>
        <translation>Si no, perfil 4</translation>
    </message>
    <message>
        <source>Otherwise profile 5</source>
        <extracomment>the name a screen reader says for otherwise5Btn</extracomment>
        <translation>Si no, perfil 5</translation>
    </message>
</context>
<context>
    <name>CreateMacro</name>
    <message>
        <source>Names a new macro for the macro editor.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Da nombre a una macro nueva del editor de macros.</translation>
    </message>
    <message>
        <source>NEW MACRO</source>
        <extracomment>the window&apos;s title, 260 points wide</extracomment>
        <translation>NUEVA MACRO</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Name of the new macro</source>
        <extracomment>the name a screen reader says for nameTxt</extracomment>
        <translation>Nombre de la macro nueva</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CreateMacroView</name>
    <message>
        <source>Macro name</source>
        <translation>Nombre de la macro</translation>
    </message>
</context>
<context>
    <name>HvAction</name>
    <message>
        <source>is damaged at offset %1: %2</source>
        <extracomment>Why a file cannot be loaded, said after &quot;the file&quot; (&quot;Fire.mac cannot be loaded: the file is not an archive of this program&quot;).</extracomment>
        <translation>está dañado en la posición %1: %2</translation>
    </message>
    <message>
        <source>is not an archive of this program</source>
        <translation>no tiene el formato de este programa</translation>
    </message>
    <message>
        <source>has an archive version this program does not read</source>
        <translation>tiene una versión de formato que este programa no lee</translation>
    </message>
    <message>
        <source>holds no object</source>
        <translation>no contiene ningún objeto</translation>
    </message>
</context>
<context>
    <name>HvKey</name>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Right Super</source>
        <translation>Súper derecha</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Súper</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
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
        <translation>Mayús derecha</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Alt derecha</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>Ctrl derecha</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Intro numérico</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr Pant</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>A key without a name: its code, as &quot;0x7F&quot;.</extracomment>
        <translation>Tecla %1</translation>
    </message>
</context>
<context>
    <name>HvMenulist</name>
    <message>
        <source>Menu list</source>
        <translation>Lista del menú</translation>
    </message>
</context>
<context>
    <name>HvMessageBox</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Ratón Kestrix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KestrixDeamon</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opción desconocida: %1 (consulte --help)</translation>
    </message>
    <message>
        <source>already running for this user (%1 is taken)</source>
        <translation>ya se está ejecutando para este usuario (%1 está ocupado)</translation>
    </message>
</context>
<context>
    <name>KxAction</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>KxAppRules</name>
    <message>
        <source>names no application</source>
        <translation>no nombra ninguna aplicación</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contiene caracteres de control</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>is not a field of the rules</source>
        <translation>no es un campo de las reglas</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>no es una lista</translation>
    </message>
    <message>
        <source>holds %1 rules; at most %2 are kept</source>
        <translation>contiene %1 reglas; se guardan como máximo %2</translation>
    </message>
    <message>
        <source>is not a field of a rule</source>
        <translation>no es un campo de una regla</translation>
    </message>
    <message>
        <source>is not a name</source>
        <translation>no es un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a rule already</source>
        <translation>«%1» ya tiene una regla</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5, or 0 to leave it as it is)</source>
        <translation>no es un perfil del ratón (1 a 5, o 0 para dejarlo como está)</translation>
    </message>
    <message>
        <source>the rules could not be written to %1</source>
        <translation>no se pudieron escribir las reglas en %1</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5)</source>
        <translation>no es un perfil del ratón (1 a 5)</translation>
    </message>
</context>
<context>
    <name>KxAppRulesUpdate</name>
    <message>
        <source>the application rules in the preferences cannot be read: %1. Correct it, or delete the [ApplicationRules] section of %2 to start again without rules</source>
        <extracomment>%1: where and what is wrong (&quot;com.vlak.KxOption.conf [ApplicationRules] rules<byte value="x2"/>profile: is not a profile of the mouse (1 to 5)&quot;); %2: the preferences file.</extracomment>
        <translation>las reglas de aplicación de las preferencias no se pueden leer: %1. Corríjalo, o elimine la sección [ApplicationRules] de %2 para empezar de nuevo sin reglas</translation>
    </message>
</context>
<context>
    <name>KxCtl</name>
    <message>
        <source>kxctl help [COMMAND]
  How to use kxctl, or one of its commands.
</source>
        <translation>kxctl help [COMMAND]
  Cómo se usa kxctl o uno de sus comandos.
</translation>
    </message>
    <message>
        <source>kxctl [--json] list
  The attached mice, each with its USB location and the profile it reports
  as active. None attached is an empty list.
</source>
        <translation>kxctl [--json] list
  Los ratones conectados, cada uno con su ubicación USB y el perfil que
  indica como activo. Si no hay ninguno, la lista está vacía.
</translation>
    </message>
    <message>
        <source>kxctl [--json] show [--profile N | --all]
  The settings and the buttons of the active profile, of profile N (1..5), or
  of all five, as the mouse holds them.
</source>
        <translation>kxctl [--json] show [--profile N | --all]
  Los ajustes y los botones del perfil activo, del perfil N (1..5) o de los
  cinco, tal como los guarda el ratón.
</translation>
    </message>
    <message>
        <source>kxctl profile [--dry-run] N
  Makes profile N (1..5) the active one.
</source>
        <translation>kxctl profile [--dry-run] N
  Activa el perfil N (1..5).
</translation>
    </message>
    <message>
        <source>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Sets the DPI of stage STAGE (1..4) to VALUE (100..3500, in steps of 100).
  The mouse keeps one set of stages for all its profiles.
</source>
        <translation>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Fija los DPI del nivel STAGE (1..4) en VALUE (100..3500, de 100 en 100).
  El ratón guarda un solo juego de niveles para todos sus perfiles.
</translation>
    </message>
    <message>
        <source>kxctl stage [--dry-run] N
  Makes DPI stage N (1..4) the active one.
</source>
        <translation>kxctl stage [--dry-run] N
  Activa el nivel de DPI N (1..4).
</translation>
    </message>
    <message>
        <source>kxctl rate [--dry-run] 125|500|1000
  Sets the polling rate in Hz.
</source>
        <translation>kxctl rate [--dry-run] 125|500|1000
  Fija la frecuencia de sondeo en Hz.
</translation>
    </message>
    <message>
        <source>kxctl light [--dry-run] logo|wheel on|off
  Switches the logo&apos;s or the wheel&apos;s light.
</source>
        <translation>kxctl light [--dry-run] logo|wheel on|off
  Enciende o apaga la luz del logotipo o la de la rueda.
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
  Fija lo que hace el botón B (1..5, o left, right, middle, side1, side2) en
  el perfil activo o en el perfil N. ACTION es una de estas:
    default                la función predeterminada del perfil
    function NAME          una función del catálogo (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           una macro de la biblioteca
    launch PATH|APP-ID     una aplicación: un archivo o el id de una instalada
</translation>
    </message>
    <message>
        <source>kxctl macro list|show|import|export ...
  The macro library: kxctl help macro list, and so on.
</source>
        <translation>kxctl macro list|show|import|export ...
  La biblioteca de macros: kxctl help macro list, etc.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro list
  The macros of the library.
</source>
        <translation>kxctl [--json] macro list
  Las macros de la biblioteca.
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro show NAME
  A macro&apos;s steps.
</source>
        <translation>kxctl [--json] macro show NAME
  Los pasos de una macro.
</translation>
    </message>
    <message>
        <source>kxctl macro import [--dry-run] FILE.mac
  Adds a macro file to the library, named by the file.
</source>
        <translation>kxctl macro import [--dry-run] FILE.mac
  Añade un archivo de macro a la biblioteca, con el nombre del archivo.
</translation>
    </message>
    <message>
        <source>kxctl macro export NAME FILE.mac
  Saves a macro as a file (- for standard output).
</source>
        <translation>kxctl macro export NAME FILE.mac
  Guarda una macro como archivo (- para la salida estándar).
</translation>
    </message>
    <message>
        <source>kxctl export FILE
  The whole set-up as a file: a file is replaced whole; a FIFO, a terminal or
  /dev/stdout is written as it is; - is standard output.
</source>
        <translation>kxctl export FILE
  Toda la configuración como archivo: un archivo se sustituye entero; en una
  FIFO, un terminal o /dev/stdout se escribe tal cual; - es la salida estándar.
</translation>
    </message>
    <message>
        <source>kxctl import [--profiles 1,3] [--dry-run] FILE
  Writes a set-up file into the mouse, all of it or the profiles named
  (- reads standard input); --dry-run prints what would change.
</source>
        <translation>kxctl import [--profiles 1,3] [--dry-run] FILE
  Escribe en el ratón un archivo de configuración, entero o solo los perfiles
  indicados (- lee la entrada estándar); --dry-run muestra qué cambiaría.
</translation>
    </message>
    <message>
        <source>--device takes a mouse: its number, location or serial number as kxctl list shows them</source>
        <translation>--device requiere un ratón: su número, ubicación o número de serie, tal como los muestra kxctl list</translation>
    </message>
    <message>
        <source>--profile takes a profile number, 1 to 5</source>
        <translation>--profile requiere un número de perfil, del 1 al 5</translation>
    </message>
    <message>
        <source>--profiles takes profile numbers, as in 1,3</source>
        <translation>--profiles requiere números de perfil, como en 1,3</translation>
    </message>
    <message>
        <source>--mode takes once, repeat N, hold or toggle</source>
        <translation>--mode admite once, repeat N, hold o toggle</translation>
    </message>
    <message>
        <source>--mode repeat takes a count, as in --mode repeat 3</source>
        <translation>--mode repeat requiere un número de veces, como en --mode repeat 3</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>there is no command %1</source>
        <translation>no existe el comando %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>macro takes list, show, import or export</source>
        <translation>macro admite list, show, import o export</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido: %1</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 no admite --%2</translation>
    </message>
    <message>
        <source>%1: too few arguments</source>
        <translation>%1: faltan argumentos</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1: demasiados argumentos</translation>
    </message>
    <message>
        <source>show takes --profile N or --all, not both</source>
        <translation>show admite --profile N o --all, pero no ambos</translation>
    </message>
    <message>
        <source>--mode goes with button B macro NAME</source>
        <translation>--mode solo se usa con button B macro NAME</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>pulsar %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>soltar %1</translation>
    </message>
    <message>
        <source>insert %1</source>
        <translation>comando %1</translation>
    </message>
    <message>
        <source>(unknown command)</source>
        <translation>(comando desconocido)</translation>
    </message>
    <message>
        <source>press left button</source>
        <translation>pulsar botón izquierdo</translation>
    </message>
    <message>
        <source>press right button</source>
        <translation>pulsar botón derecho</translation>
    </message>
    <message>
        <source>press middle button</source>
        <translation>pulsar botón central</translation>
    </message>
    <message>
        <source>release left button</source>
        <translation>soltar botón izquierdo</translation>
    </message>
    <message>
        <source>release right button</source>
        <translation>soltar botón derecho</translation>
    </message>
    <message>
        <source>release middle button</source>
        <translation>soltar botón central</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>paso desconocido</translation>
    </message>
    <message>
        <source>standard output cannot be written: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>no mouse is attached</source>
        <translation>no hay ningún ratón conectado</translation>
    </message>
    <message>
        <source>mouse %1 went away</source>
        <translation>el ratón %1 se ha desconectado</translation>
    </message>
    <message>
        <source>no attached mouse is %1 (kxctl list shows them)</source>
        <translation>no hay ningún ratón conectado que sea %1 (kxctl list los muestra)</translation>
    </message>
    <message>
        <source>%1 mice are attached: say which with --device N (kxctl list shows them)</source>
        <translation>hay %1 ratones conectados: indique cuál con --device N (kxctl list los muestra)</translation>
    </message>
    <message>
        <source>%1 mice are attached; this is mouse 1 (--device picks another)</source>
        <translation>hay %1 ratones conectados; se usa el ratón 1 (--device elige otro)</translation>
    </message>
    <message>
        <source>waiting for the mouse: another program is using it...</source>
        <translation>esperando al ratón: otro programa lo está usando...</translation>
    </message>
    <message>
        <source>there is no session bus, so an open configuration window cannot be seen; if one is open, it shows the older values until it is opened again</source>
        <translation>no hay bus de sesión, así que no se puede detectar una ventana de configuración abierta; si hay una abierta, mostrará los valores anteriores hasta que se vuelva a abrir</translation>
    </message>
    <message>
        <source>the configuration window (KxOption) is open and owns the mouse&apos;s settings: close it first, or run kxctl --wait to wait for it</source>
        <translation>la ventana de configuración (KxOption) está abierta y controla los ajustes del ratón: ciérrela antes o ejecute kxctl --wait para esperar a que se cierre</translation>
    </message>
    <message>
        <source>emulated</source>
        <extracomment>How a mouse is attached, in kxctl list&apos;s column beside &quot;usb&quot;.</extracomment>
        <translation>emulado</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  (used by kxctl and the window)</source>
        <extracomment>kxctl list, one line per mouse: its number, how it is attached (&quot;usb&quot; or &quot;emulated&quot;), its USB location, its name, the profile it reports, then its serial number when it has one, and whether kxctl uses it. Keep the columns.</extracomment>
        <translation>%1  %2  %3  %4  perfil activo %5  (en uso por kxctl y la ventana)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5</source>
        <translation>%1  %2  %3  %4  perfil activo %5</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6  (used by kxctl and the window)</source>
        <translation>%1  %2  %3  %4  perfil activo %5  n.º de serie %6  (en uso por kxctl y la ventana)</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6</source>
        <translation>%1  %2  %3  %4  perfil activo %5  n.º de serie %6</translation>
    </message>
    <message>
        <source>the mouse has profiles 1 to 5</source>
        <translation>el ratón tiene los perfiles del 1 al 5</translation>
    </message>
    <message>
        <source>the mouse did not answer</source>
        <translation>el ratón no respondió</translation>
    </message>
    <message>
        <source>Active profile: %1</source>
        <translation>Perfil activo: %1</translation>
    </message>
    <message>
        <source>DPI stages: %1 (stage %2 active)</source>
        <translation>Niveles de DPI: %1 (nivel %2 activo)</translation>
    </message>
    <message>
        <source>Polling rate: %1 Hz</source>
        <translation>Frecuencia de sondeo: %1 Hz</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel on</source>
        <translation>Luces: la del logotipo encendida, la de la rueda encendida</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel off</source>
        <translation>Luces: la del logotipo encendida, la de la rueda apagada</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel on</source>
        <translation>Luces: la del logotipo apagada, la de la rueda encendida</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel off</source>
        <translation>Luces: la del logotipo apagada, la de la rueda apagada</translation>
    </message>
    <message>
        <source>Lock switch: locked</source>
        <translation>Interruptor de bloqueo: bloqueado</translation>
    </message>
    <message>
        <source>Lock switch: unlocked</source>
        <translation>Interruptor de bloqueo: desbloqueado</translation>
    </message>
    <message>
        <source>Profile %1 (active)</source>
        <translation>Perfil %1 (activo)</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>profile takes a profile number, 1 to 5</source>
        <translation>profile requiere un número de perfil, del 1 al 5</translation>
    </message>
    <message>
        <source>dpi takes a stage (1 to 4) and a DPI value</source>
        <translation>dpi requiere un nivel (del 1 al 4) y un valor de DPI</translation>
    </message>
    <message>
        <source>the mouse has DPI stages 1 to 4</source>
        <translation>el ratón tiene los niveles de DPI del 1 al 4</translation>
    </message>
    <message>
        <source>%1 DPI: a stage takes %2 to %3 DPI in steps of %4</source>
        <translation>%1 DPI: un nivel admite de %2 a %3 DPI, en múltiplos de %4</translation>
    </message>
    <message>
        <source>the mouse keeps one set of DPI stages for all its profiles; profile %1 has it too</source>
        <translation>el ratón guarda un solo juego de niveles de DPI para todos sus perfiles; el perfil %1 también lo usa</translation>
    </message>
    <message>
        <source>stage takes a stage number, 1 to 4</source>
        <translation>stage requiere un número de nivel, del 1 al 4</translation>
    </message>
    <message>
        <source>rate takes 125, 500 or 1000 (Hz)</source>
        <translation>rate admite 125, 500 o 1000 (Hz)</translation>
    </message>
    <message>
        <source>the mouse runs at 125, 500 or 1000 Hz; it has no %1 Hz</source>
        <translation>el ratón funciona a 125, 500 o 1000 Hz; no admite %1 Hz</translation>
    </message>
    <message>
        <source>light takes logo or wheel, then on or off</source>
        <translation>light requiere logo o wheel y después on u off</translation>
    </message>
    <message>
        <source>a button is 1 to 5, or left, right, middle, side1 or side2</source>
        <translation>un botón es del 1 al 5, o left, right, middle, side1 o side2</translation>
    </message>
    <message>
        <source>button B takes default, function NAME, macro NAME or launch PATH</source>
        <translation>button B admite default, function NAME, macro NAME o launch PATH</translation>
    </message>
    <message>
        <source>a repeat count is 1 to %1</source>
        <translation>el número de repeticiones va de 1 a %1</translation>
    </message>
    <message>
        <source>the mouse repeats a macro at most 255 times</source>
        <translation>el ratón repite una macro 255 veces como máximo</translation>
    </message>
    <message>
        <source>there is no file %1 and no application of that id is installed</source>
        <translation>no existe el archivo %1 ni hay instalada ninguna aplicación con ese id</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>no existe el archivo %1</translation>
    </message>
    <message>
        <source>the path is %1 bytes long; the mouse&apos;s profile keeps %2 at most: %3</source>
        <translation>la ruta ocupa %1 bytes; el perfil del ratón admite %2 como máximo: %3</translation>
    </message>
    <message>
        <source>profile %1 has no built-in default</source>
        <translation>el perfil %1 no tiene una función predeterminada integrada</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was written</source>
        <translation>el ratón no respondió; no se ha escrito nada</translation>
    </message>
    <message>
        <source>profile %1 would have no button left doing the left click; give it to another button first</source>
        <translation>el perfil %1 se quedaría sin ningún botón que haga el clic izquierdo; asígnelo antes a otro botón</translation>
    </message>
    <message>
        <source>Nothing to change: the mouse holds this already.</source>
        <translation>Nada que cambiar: el ratón ya tiene esto.</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Cambiaría:</translation>
    </message>
    <message>
        <source>The buttons not written are kept as changes not yet written; the window offers them when it opens.</source>
        <translation>Los botones que no se escribieron se guardan como cambios sin escribir; la ventana los ofrece al abrirse.</translation>
    </message>
    <message>
        <source>Give the command again to write the settings.</source>
        <translation>Vuelva a ejecutar el comando para escribir los ajustes.</translation>
    </message>
    <message>
        <source>Give the command again to switch the profile.</source>
        <translation>Vuelva a ejecutar el comando para cambiar de perfil.</translation>
    </message>
    <message>
        <source>not everything was written</source>
        <translation>no se ha escrito todo</translation>
    </message>
    <message>
        <source>%1  (%2 steps, %3 on the mouse)</source>
        <translation>%1  (%2 pasos, %3 en el ratón)</translation>
    </message>
    <message>
        <source>The library holds no macros.</source>
        <translation>La biblioteca no contiene macros.</translation>
    </message>
    <message>
        <source>%1: %2 steps, %3 on the mouse (a button holds %4)</source>
        <translation>%1: %2 pasos, %3 en el ratón (un botón admite %4)</translation>
    </message>
    <message>
        <source>  %1  %2, then %3 ms</source>
        <extracomment>kxctl macro show, one line per step: its number, what it does (&quot;press A&quot;), and the delay after it.</extracomment>
        <translation>  %1  %2, luego %3 ms</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: the file %2</source>
        <extracomment>%1: a macro file; %2: why it cannot be read (&quot;is not a regular file&quot;).</extracomment>
        <translation>no se puede cargar %1: el archivo %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it is not a macro</source>
        <translation>no se puede cargar %1: no es una macro</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2</source>
        <translation>no se puede cargar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a macro is named by its file, in 1 to %2 characters without control characters</source>
        <translation>no se puede cargar %1: una macro toma el nombre de su archivo, de 1 a %2 caracteres y sin caracteres de control</translation>
    </message>
    <message>
        <source>the library has a macro called %1 already</source>
        <translation>la biblioteca ya tiene una macro llamada %1</translation>
    </message>
    <message>
        <source>the library holds %1 macros, the most it keeps</source>
        <translation>la biblioteca contiene %1 macros, el máximo que admite</translation>
    </message>
    <message>
        <source>Would add %1 to the library (%2 steps).</source>
        <translation>Se añadiría %1 a la biblioteca (%2 pasos).</translation>
    </message>
    <message>
        <source>the macro library could not be saved in %1</source>
        <translation>no se pudo guardar la biblioteca de macros en %1</translation>
    </message>
    <message>
        <source>Added %1 to the library (%2 steps).</source>
        <translation>Se ha añadido %1 a la biblioteca (%2 pasos).</translation>
    </message>
    <message>
        <source>%1 delays were changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>Se ajustaron %1 retardos a lo que admite un paso: %2 ms como máximo, en múltiplos de %3 ms.</translation>
    </message>
    <message>
        <source>the macro could not be saved as %1: %2</source>
        <translation>no se pudo guardar la macro como %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 as %2.</source>
        <translation>Se ha guardado %1 como %2.</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was exported</source>
        <translation>el ratón no respondió; no se ha exportado nada</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1: a file; %2: why (&quot;is a folder&quot;, or the system&apos;s word).</extracomment>
        <translation>no se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Exported the set-up (five profiles, 1 macro) to %1.</source>
        <translation>Se ha exportado la configuración (cinco perfiles, 1 macro) a %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the set-up (five profiles, %n macros) to %1.</source>
        <translation>
            <numerusform>Se ha exportado la configuración (cinco perfiles, %n macro) a %1.</numerusform>
            <numerusform>Se ha exportado la configuración (cinco perfiles, %n macros) a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>the set-up on standard input %1</source>
        <extracomment>%1: why it cannot be read (&quot;cannot be read (…)&quot;, &quot;is larger than 1 MiB&quot;).</extracomment>
        <translation>la configuración de la entrada estándar %1</translation>
    </message>
    <message>
        <source>the set-up is refused: %1</source>
        <translation>se rechaza la configuración: %1</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>se rechaza %1: %2</translation>
    </message>
    <message>
        <source>waiting for the configuration window to close...</source>
        <translation>esperando a que se cierre la ventana de configuración...</translation>
    </message>
    <message>
        <source>(kxctl --help tells how to use it)</source>
        <translation>(kxctl --help explica cómo usarlo)</translation>
    </message>
    <message>
        <source>kxctl rule list|add|remove|on|off ...
  The application rules: the profile follows the application in front.
  kxctl help rule add, and so on.
</source>
        <translation>kxctl rule list|add|remove|on|off ...
  Las reglas de aplicación: el perfil sigue a la aplicación en primer plano.
  kxctl help rule add, etc.
</translation>
    </message>
    <message>
        <source>kxctl [--json] rule list
  The application rules, whether they are on, and whether this desktop tells
  the application in front (asked of the running daemon).
</source>
        <translation>kxctl [--json] rule list
  Las reglas de aplicación, si están activadas y si este escritorio indica
  la aplicación en primer plano (se pregunta al programa en segundo plano).
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
  Usa el perfil PROFILE (1..5) mientras APP está en primer plano, o mientras
  no lo está ninguna aplicación de una regla. APP es el identificador de una
  aplicación instalada (org.gimp.GIMP), su nombre o una clase de ventana.
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
  Elimina la regla de APP, o la regla para cualquier otra aplicación (el
  perfil queda entonces como está).
</translation>
    </message>
    <message>
        <source>kxctl rule on|off [--dry-run]
  Switches all the application rules on or off.
</source>
        <translation>kxctl rule on|off [--dry-run]
  Activa o desactiva todas las reglas de aplicación.
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
        <translation>Uso: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
El ratón Kestrix desde un terminal: los mismos perfiles, botones, macros y ajustes
que la ventana de configuración, escritos con las mismas operaciones espaciadas y
leídos de nuevo para comprobarlos.

Comandos:
  list                           los ratones conectados
  show [--profile N | --all]     los ajustes y botones tal como los guarda el ratón
  profile N                      activa el perfil N (1..5)
  dpi [--profile N] STAGE VALUE  fija los DPI del nivel 1..4 (100..3500, de 100 en 100)
  stage N                        activa el nivel de DPI N (1..4)
  rate 125|500|1000              fija la frecuencia de sondeo en Hz
  light logo|wheel on|off        enciende o apaga una luz
  button [--profile N] B ACTION  fija lo que hace el botón B (1..5, left, right, middle,
                                 side1, side2); ACTION es una de estas:
      default                    la función predeterminada del perfil para ese botón
      function NAME              una función del catálogo (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 una macro de la biblioteca, ejecutada una vez (por
                                 defecto), N veces, mientras se mantiene pulsado o
                                 hasta volver a pulsarlo
      launch PATH|APP-ID         una aplicación: un archivo o el id de una aplicación
                                 instalada (org.example.App.desktop)
  macro list                     la biblioteca de macros
  macro show NAME                los pasos de una macro
  macro import FILE.mac          añade un archivo de macro a la biblioteca, con el
                                 nombre del archivo
  macro export NAME FILE.mac     guarda una macro como archivo
  export FILE                    toda la configuración como archivo (- para la salida
                                 estándar)
  import FILE [--profiles 1,3] [--dry-run]
                                 escribe en el ratón un archivo de configuración (- para
                                 la entrada estándar); --dry-run muestra qué cambiaría
  rule list                      las reglas de aplicación (sin ratón)
  rule add APP PROFILE           PROFILE (1..5) mientras APP está delante
  rule add --otherwise PROFILE   PROFILE cuando no se aplica ninguna regla
  rule remove APP | --otherwise  eliminar una regla
  rule on|off                    activar o desactivar todas las reglas

Opciones:
  --json       salida en JSON (véase el manual kxctl(1))
  --wait       espera a que se cierre la ventana de configuración en vez de rehusar
  --dry-run    con un comando que escribe: muestra qué cambiaría, no escribe nada
  --device M   el ratón que se usa cuando hay más de uno conectado: su número,
               ubicación o número de serie, tal como los muestra kxctl list
  --verbose    las líneas de registro de los programas en la salida de error estándar
  --help, -h   esta ayuda; tras un comando, la de ese comando (o kxctl help COMMAND)
  --version, -V

Los nombres se comparan completos y sin distinguir mayúsculas. Estado de salida:
0 hecho, 1 rechazado o fallido (con un mensaje), 2 uso incorrecto, 3 sin ratón.
</translation>
    </message>
    <message>
        <source>rule takes list, add, remove, on or off</source>
        <translation>rule admite list, add, remove, on u off</translation>
    </message>
    <message>
        <source>rule add takes APP PROFILE, or --otherwise PROFILE</source>
        <translation>rule add admite APP PROFILE, o --otherwise PROFILE</translation>
    </message>
    <message>
        <source>rule remove takes APP, or --otherwise</source>
        <translation>rule remove admite APP, o --otherwise</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1; no se escribió nada</translation>
    </message>
    <message>
        <source>%1; nothing was exported</source>
        <translation>%1; no se exportó nada</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An application of a rule: its name (%1) and its id (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>An application of a rule that no installed application is (%1: its id or window class).</extracomment>
        <translation>%1 (no instalada)</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>perfil %1</translation>
    </message>
    <message>
        <source>the profile stays as it is</source>
        <translation>el perfil queda como está</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>reglas de aplicación</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activadas</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivadas</translation>
    </message>
    <message>
        <source>rule for %1</source>
        <translation>regla para %1</translation>
    </message>
    <message>
        <source>no rule</source>
        <translation>ninguna regla</translation>
    </message>
    <message>
        <source>every other application</source>
        <translation>cualquier otra aplicación</translation>
    </message>
    <message>
        <source>Application rules: on</source>
        <translation>Reglas de aplicación: activadas</translation>
    </message>
    <message>
        <source>Application rules: off (the profile follows no application)</source>
        <translation>Reglas de aplicación: desactivadas (el perfil no sigue a ninguna aplicación)</translation>
    </message>
    <message>
        <source>  no rules (kxctl rule add APP PROFILE makes one)</source>
        <translation>  ninguna regla (kxctl rule add APP PROFILE crea una)</translation>
    </message>
    <message>
        <source>The daemon is not running: the rules apply once it runs.</source>
        <translation>El programa en segundo plano no se está ejecutando: las reglas se aplican en cuanto se ejecute.</translation>
    </message>
    <message>
        <source>The daemon did not answer whether this desktop tells which application is in front.</source>
        <translation>El programa en segundo plano no respondió si este escritorio indica qué aplicación está en primer plano.</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front (%1).</source>
        <translation>Este escritorio indica qué aplicación está en primer plano (%1).</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front (%1): the rules do nothing here.</source>
        <translation>Este escritorio no indica qué aplicación está en primer plano (%1): las reglas no hacen nada aquí.</translation>
    </message>
    <message>
        <source>%1 is not a profile of the mouse: it has profiles 1 to 5</source>
        <translation>%1 no es un perfil del ratón: tiene los perfiles 1 a 5</translation>
    </message>
    <message>
        <source>the application &quot;%1&quot; %2</source>
        <extracomment>%1: the application as typed; %2: why it cannot be (&quot;holds control characters&quot;).</extracomment>
        <translation>la aplicación «%1» %2</translation>
    </message>
    <message>
        <source>there are %1 rules, the most kept: remove one first</source>
        <translation>hay %1 reglas, el máximo que se guarda: elimine una primero</translation>
    </message>
    <message>
        <source>%1 has no rule (kxctl rule list shows them)</source>
        <translation>%1 no tiene ninguna regla (kxctl rule list las muestra)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the installed application %2: the rule names it by that id</source>
        <extracomment>%1: the application&apos;s name as typed; %2: its id.</extracomment>
        <translation>«%1» es la aplicación instalada %2: la regla la nombra con ese identificador</translation>
    </message>
    <message>
        <source>no installed application has the id %1: the rule is kept for when one has, and applies meanwhile to windows of that class</source>
        <translation>ninguna aplicación instalada tiene el identificador %1: la regla se conserva para cuando alguna lo tenga y, mientras tanto, se aplica a las ventanas de esa clase</translation>
    </message>
    <message>
        <source>no installed application has the id %1, and several are called so (%2): name one by its id; the rule is kept as typed</source>
        <translation>ninguna aplicación instalada tiene el identificador %1, y varias se llaman así (%2): nombre una por su identificador; la regla se conserva tal como se escribió</translation>
    </message>
    <message>
        <source>Nothing to change: the rules say this already.</source>
        <translation>Nada que cambiar: las reglas ya lo dicen.</translation>
    </message>
    <message>
        <source>There is no session bus: whether the daemon runs cannot be seen.</source>
        <translation>No hay bus de sesión: no se puede ver si el programa en segundo plano se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>KxMouseLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
</context>
<context>
    <name>KxNames</name>
    <message>
        <source>left button</source>
        <translation>botón izquierdo</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>botón derecho</translation>
    </message>
    <message>
        <source>wheel button</source>
        <translation>botón de la rueda</translation>
    </message>
    <message>
        <source>front side button</source>
        <translation>botón lateral delantero</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>botón lateral trasero</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Names listed: the ones before (%1) and the next one (%2), not the last.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Names listed: the ones before (%1) and the last one (%2).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;</source>
        <translation>no existe la función «%1»</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;; close: %2</source>
        <translation>no existe la función «%1»; parecidas: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function</source>
        <translation>«%1» corresponde a más de una función</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function: %2</source>
        <translation>«%1» corresponde a más de una función: %2</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;</source>
        <translation>no existe la macro «%1»</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;; close: %2</source>
        <translation>no existe la macro «%1»; parecidas: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro</source>
        <translation>«%1» corresponde a más de una macro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro: %2</source>
        <translation>«%1» corresponde a más de una macro: %2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>no existe el comando «%1»</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;; close: %2</source>
        <translation>no existe el comando «%1»; parecidos: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command</source>
        <translation>«%1» corresponde a más de un comando</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command: %2</source>
        <translation>«%1» corresponde a más de un comando: %2</translation>
    </message>
    <message>
        <source>repeat once</source>
        <translation>1 repetición</translation>
    </message>
    <message numerus="yes">
        <source>repeat %n times</source>
        <translation>
            <numerusform>%n repetición</numerusform>
            <numerusform>%n repeticiones</numerusform>
        </translation>
    </message>
    <message>
        <source>while held</source>
        <translation>mientras se mantiene pulsado</translation>
    </message>
    <message>
        <source>until pressed again</source>
        <translation>hasta volver a pulsarlo</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How a macro runs: one time for each press.</extracomment>
        <translation>una vez</translation>
    </message>
    <message>
        <source>deleted macro (the mouse keeps running what it holds)</source>
        <translation>macro eliminada (el ratón sigue ejecutando la que tiene guardada)</translation>
    </message>
    <message>
        <source>macro %1 (not in the library), %2</source>
        <extracomment>A button&apos;s macro: its name (%1) and how it runs (%2, as &quot;repeat 3 times&quot;).</extracomment>
        <translation>macro %1 (no está en la biblioteca), %2</translation>
    </message>
    <message>
        <source>macro %1, %2</source>
        <translation>macro %1, %2</translation>
    </message>
    <message>
        <source>launch (no application set)</source>
        <translation>iniciar (sin aplicación definida)</translation>
    </message>
    <message>
        <source>launch %1 (%2)</source>
        <extracomment>A button that starts an application: its name (%1) and file (%2).</extracomment>
        <translation>iniciar %1 (%2)</translation>
    </message>
    <message>
        <source>launch %1</source>
        <translation>iniciar %1</translation>
    </message>
    <message>
        <source>keys %1</source>
        <extracomment>A button that sends key codes (%1: the codes, as &quot;4 22&quot;).</extracomment>
        <translation>teclas %1</translation>
    </message>
    <message>
        <source>unknown function (table %1)</source>
        <translation>función desconocida (tabla %1)</translation>
    </message>
</context>
<context>
    <name>KxOption</name>
    <message>
        <source>There is no session bus: the on-screen display cannot be switched, and the window cannot follow the mouse&apos;s own buttons or be started again after an unplug.</source>
        <translation>No hay bus de sesión: no se puede activar ni desactivar la información en pantalla, y la ventana no puede seguir los botones propios del ratón ni volver a abrirse después de desconectarlo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: changes to profiles and macros are not kept.</source>
        <translation>No se puede escribir en la carpeta %1: los cambios en perfiles y macros no se conservarán.</translation>
    </message>
    <message>
        <source>The background program could not be started: %1</source>
        <translation>No se pudo iniciar el programa en segundo plano: %1</translation>
    </message>
</context>
<context>
    <name>KxSetupFile</name>
    <message>
        <source>true or false</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;; true and false are JSON&apos;s words.</extracomment>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;.</extracomment>
        <translation>texto</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>is missing</source>
        <extracomment>Said of a field of a set-up file, after its name (&quot;settings.lights: is missing&quot;); so are the other texts that start with a verb.</extracomment>
        <translation>falta</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>debe ser un número entero</translation>
    </message>
    <message>
        <source>must be a number, not %1</source>
        <translation>debe ser un número, no %1</translation>
    </message>
    <message>
        <source>%1 is not within %2..%3</source>
        <translation>%1 no está en el intervalo %2..%3</translation>
    </message>
    <message>
        <source>must be text, not %1</source>
        <translation>debe ser texto, no %1</translation>
    </message>
    <message>
        <source>is %1 characters long, at most %2</source>
        <translation>tiene %1 caracteres; el máximo es %2</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>contiene caracteres de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>«%1» no es ninguno de estos: %2</translation>
    </message>
    <message>
        <source>must be true or false, not %1</source>
        <translation>debe ser true o false, no %1</translation>
    </message>
    <message>
        <source>must be a list, not %1</source>
        <translation>debe ser una lista, no %1</translation>
    </message>
    <message>
        <source>holds %1 entries, not %2</source>
        <translation>tiene %1 elementos, no %2</translation>
    </message>
    <message>
        <source>holds %1 entries, %2..%3 allowed</source>
        <translation>tiene %1 elementos; se admiten de %2 a %3</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>debe ser un objeto, no %1</translation>
    </message>
    <message>
        <source>is not a field of a set-up file</source>
        <translation>no es un campo de un archivo de configuración</translation>
    </message>
    <message>
        <source>must be a whole number of DPI</source>
        <translation>debe ser un número entero de DPI</translation>
    </message>
    <message>
        <source>%1 DPI: the mouse takes %2..%3 in steps of %4</source>
        <translation>%1 DPI: el ratón admite %2..%3 en múltiplos de %4</translation>
    </message>
    <message>
        <source>%1 Hz: the mouse runs at 125, 500 or 1000 Hz</source>
        <translation>%1 Hz: el ratón funciona a 125, 500 o 1000 Hz</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>must be a code of 1..255</source>
        <translation>debe ser un código de 1 a 255</translation>
    </message>
    <message>
        <source>a macro that repeats needs a count of 1..%1</source>
        <translation>una macro que se repite necesita un número de repeticiones de 1 a %1</translation>
    </message>
    <message>
        <source>a launcher has a path or a desktopEntry, not both</source>
        <translation>un lanzador lleva path o desktopEntry, pero no ambos</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>debe ser una ruta absoluta</translation>
    </message>
    <message>
        <source>is %1 bytes long; the mouse&apos;s profile keeps %2 at most</source>
        <translation>ocupa %1 bytes; el perfil del ratón admite %2 como máximo</translation>
    </message>
    <message>
        <source>must be an application&apos;s id, such as &quot;org.example.App.desktop&quot;</source>
        <translation>debe ser el id de una aplicación, como «org.example.App.desktop»</translation>
    </message>
    <message>
        <source>profile %1 appears twice</source>
        <translation>el perfil %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the %1 button appears twice</source>
        <extracomment>%1: the button as the file names it (left, right, middle, side1, side2).</extracomment>
        <translation>el botón %1 aparece dos veces</translation>
    </message>
    <message>
        <source>another macro of this file is called &quot;%1&quot;</source>
        <translation>otra macro de este archivo se llama «%1»</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>el archivo no tiene ninguna macro «%1»</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; a set-up is at most %2</source>
        <translation>el archivo ocupa %1 bytes; una configuración ocupa %2 como máximo</translation>
    </message>
    <message>
        <source>the file ends early (at byte %1): it is cut short or is not a set-up</source>
        <translation>el archivo termina antes de tiempo (en el byte %1): está truncado o no es una configuración</translation>
    </message>
    <message>
        <source>the file is not a set-up: at byte %1, %2</source>
        <translation>el archivo no es una configuración: en el byte %1, %2</translation>
    </message>
    <message>
        <source>the file is not a set-up: it holds no object</source>
        <translation>el archivo no es una configuración: no contiene ningún objeto</translation>
    </message>
    <message>
        <source>is given twice; a field is given once</source>
        <translation>aparece dos veces; cada campo va una sola vez</translation>
    </message>
    <message>
        <source>is missing: the file is not a set-up</source>
        <translation>falta: el archivo no es una configuración</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;: the file is not a set-up</source>
        <translation>no es «%1»: el archivo no es una configuración</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>debe ser un número entero a partir de 1</translation>
    </message>
    <message>
        <source>version %1 was written by a newer program; this one reads versions up to %2</source>
        <translation>la versión %1 la escribió un programa más reciente; este lee versiones hasta la %2</translation>
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
        <translation>encendida</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>nivel de DPI %1</translation>
    </message>
    <message>
        <source>active DPI stage</source>
        <translation>nivel de DPI activo</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>frecuencia de sondeo</translation>
    </message>
    <message>
        <source>logo light</source>
        <translation>luz del logotipo</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>luz de la rueda</translation>
    </message>
    <message>
        <source>the macro takes %1 steps on the mouse; a button holds %2</source>
        <translation>la macro ocupa %1 pasos en el ratón; un botón admite %2</translation>
    </message>
    <message>
        <source>macro %1: 1 delay was changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>macro %1: se ajustó 1 retardo a lo que admite un paso: %2 ms como máximo, en múltiplos de %3 ms</translation>
    </message>
    <message numerus="yes">
        <source>macro %1: %n delays were changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>
            <numerusform>macro %1: se ajustó %n retardo a lo que admite un paso: %2 ms como máximo, en múltiplos de %3 ms</numerusform>
            <numerusform>macro %1: se ajustaron %n retardos a lo que admite un paso: %2 ms como máximo, en múltiplos de %3 ms</numerusform>
        </translation>
    </message>
    <message>
        <source>macro %1: the library&apos;s, used as it is</source>
        <translation>macro %1: la de la biblioteca, que se usa tal cual</translation>
    </message>
    <message>
        <source>macro %1: the same as the library&apos;s %2, which is used</source>
        <translation>macro %1: igual que la %2 de la biblioteca, que es la que se usa</translation>
    </message>
    <message>
        <source>macro %1: added to the library</source>
        <translation>macro %1: añadida a la biblioteca</translation>
    </message>
    <message>
        <source>macro %1: added to the library as %2 (the library&apos;s %1 has other steps)</source>
        <translation>macro %1: añadida a la biblioteca como %2 (la %1 de la biblioteca tiene otros pasos)</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>el archivo no tiene ninguna macro «%1»</translation>
    </message>
    <message>
        <source>%1 is the launch code of profile %2&apos;s %3; a launcher with a path of its own launches with code %4</source>
        <translation>%1 es el código de inicio del %3 del perfil %2; un lanzador con ruta propia se inicia con el código %4</translation>
    </message>
    <message>
        <source>the application %1 is not installed here</source>
        <translation>la aplicación %1 no está instalada en este equipo</translation>
    </message>
    <message>
        <source>the application&apos;s path is longer than %1 bytes</source>
        <translation>la ruta de la aplicación ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>the library would hold %1 macros, more than the %2 it keeps</source>
        <translation>la biblioteca tendría %1 macros, más de las %2 que admite</translation>
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
        <translation>%1 (el ratón conserva lo que tiene para este botón)</translation>
    </message>
    <message>
        <source>profile %1 %2</source>
        <extracomment>A button of a profile: the profile&apos;s number (%1) and the button (&quot;wheel button&quot;).</extracomment>
        <translation>perfil %1, %2</translation>
    </message>
    <message>
        <source>active profile</source>
        <translation>perfil activo</translation>
    </message>
    <message>
        <source>desktop pointer speed</source>
        <translation>velocidad del puntero del escritorio</translation>
    </message>
    <message>
        <source>desktop scroll speed</source>
        <translation>velocidad de desplazamiento del escritorio</translation>
    </message>
    <message>
        <source>desktop double-click speed</source>
        <translation>velocidad de doble clic del escritorio</translation>
    </message>
    <message>
        <source>The %1 of profile %2 did not reach the mouse.</source>
        <translation>Perfil %2: los cambios no llegaron al ratón (%1).</translation>
    </message>
    <message>
        <source>The %1 of profile %2 may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Perfil %2: puede que los cambios no hayan llegado al ratón (%1); dejó de responder antes de poder comprobarlos.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>Puede que los ajustes (niveles de DPI, frecuencia de sondeo, luces) no hayan llegado al ratón: dejó de responder antes de poder comprobarlos.</translation>
    </message>
    <message>
        <source>The mouse took only part of the settings (DPI stages, polling rate, lights): they are shown as it holds them.</source>
        <translation>El ratón solo aceptó parte de los ajustes (niveles de DPI, frecuencia de sondeo, luces): se muestran tal como los tiene.</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) did not reach the mouse.</source>
        <translation>Los ajustes (niveles de DPI, frecuencia de sondeo, luces) no llegaron al ratón.</translation>
    </message>
    <message>
        <source>The mouse may not have switched to profile %1: it stopped answering before it could say.</source>
        <translation>Puede que el ratón no haya cambiado al perfil %1: dejó de responder antes de confirmarlo.</translation>
    </message>
    <message>
        <source>The mouse did not switch to profile %1.</source>
        <translation>El ratón no cambió al perfil %1.</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 regla</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n regla</numerusform>
            <numerusform>%n reglas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, otherwise profile %2</source>
        <translation>%1, si no perfil %2</translation>
    </message>
    <message>
        <source>%1, switched off</source>
        <translation>%1, desactivadas</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>reglas de aplicación</translation>
    </message>
    <message>
        <source>%1, replacing yours (%2)</source>
        <extracomment>The application rules a set-up brings (%1: &quot;3 rules, otherwise profile 2&quot;), and the user&apos;s that they replace (%2).</extracomment>
        <translation>%1, en sustitución de las suyas (%2)</translation>
    </message>
</context>
<context>
    <name>KxWriteSession</name>
    <message>
        <source>The macro library could not be saved in %1; nothing was written.</source>
        <translation>No se pudo guardar la biblioteca de macros en %1; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The changes could not be kept in %1 before writing; nothing was written.</source>
        <translation>No se pudieron guardar los cambios en %1 antes de escribir; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The desktop did not take the pointer, scroll and double-click speeds.</source>
        <translation>El escritorio no aceptó las velocidades del puntero, de desplazamiento y de doble clic.</translation>
    </message>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>No se pudieron guardar los perfiles en %1.</translation>
    </message>
    <message>
        <source>The application rules were not taken, as the mouse did not take the whole set-up.</source>
        <translation>Las reglas de aplicación no se han adoptado, porque el ratón no aceptó toda la configuración.</translation>
    </message>
    <message>
        <source>The application rules were not taken: %1.</source>
        <extracomment>%1: why (&quot;the rules could not be written to …&quot;).</extracomment>
        <translation>Las reglas de aplicación no se han adoptado: %1.</translation>
    </message>
</context>
<context>
    <name>LaunchChooserView</name>
    <message>
        <source> (a link to %1)</source>
        <translation> (un enlace a %1)</translation>
    </message>
    <message>
        <source>This desktop entry is outside the applications folders and names no application this desktop can start:
%1
Take it for this button anyway?</source>
        <translation>Este archivo .desktop está fuera de las carpetas de aplicaciones y no indica ninguna aplicación que este escritorio pueda iniciar:
%1
¿Usarlo igualmente para este botón?</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Escriba para filtrar</translation>
    </message>
    <message>
        <source>No installed applications were found: “Other file…” takes any program.</source>
        <translation>No se encontraron aplicaciones instaladas: «Otro archivo…» admite cualquier programa.</translation>
    </message>
    <message>
        <source>No application matches “%1”.</source>
        <translation>Ninguna aplicación coincide con «%1».</translation>
    </message>
    <message>
        <source>Choose the program or file to start</source>
        <translation>Elija el programa o archivo que se iniciará</translation>
    </message>
    <message>
        <source>Application launcher</source>
        <translation>Lanzador de aplicaciones</translation>
    </message>
    <message>
        <source>Chooses the application or program the selected mouse button starts.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Elige la aplicación o el programa que inicia el botón del ratón seleccionado.</translation>
    </message>
    <message>
        <source>APPLICATION LAUNCHER</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>LANZADOR DE APLICACIONES</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>APLICACIONES INSTALADAS</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>Filtrar las aplicaciones</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>OTHER FILE…</source>
        <extracomment>the label of the control otherBtn, 124 points wide (English uses 89)</extracomment>
        <translation>OTRO ARCHIVO…</translation>
    </message>
    <message>
        <source>Other file</source>
        <extracomment>the name a screen reader says for otherBtn</extracomment>
        <translation>Otro archivo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Application for a rule</source>
        <translation>Aplicación para una regla</translation>
    </message>
</context>
<context>
    <name>LightOptionView</name>
    <message>
        <source>Switches the mouse&apos;s logo and wheel lights on or off.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Enciende o apaga las luces del logotipo y de la rueda del ratón.</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>ILUMINACIÓN</translation>
    </message>
    <message>
        <source>LIGHTS</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>LUCES</translation>
    </message>
    <message>
        <source>PICKED LIGHT</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>LUZ ELEGIDA</translation>
    </message>
    <message>
        <source>Wheel light</source>
        <extracomment>the name a screen reader says for midLightTagBtn</extracomment>
        <translation>Luz de la rueda</translation>
    </message>
    <message>
        <source>Light to switch</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Luz que se cambia</translation>
    </message>
    <message>
        <source>Logo light</source>
        <extracomment>the name a screen reader says for logoLightTagBtn</extracomment>
        <translation>Luz del logotipo</translation>
    </message>
    <message>
        <source>BOTH LIGHTS</source>
        <extracomment>the label of the control bothLightTagBtn, 190 points wide (English uses 90)</extracomment>
        <translation>AMBAS LUCES</translation>
    </message>
    <message>
        <source>Both lights</source>
        <extracomment>the name a screen reader says for bothLightTagBtn</extracomment>
        <translation>Ambas luces</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>the label of the control lightOnBtn, 90 points wide (English uses 20)</extracomment>
        <translation>ENCENDER</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>the name a screen reader says for lightOnBtn</extracomment>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Picked light</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Luz elegida</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>the label of the control lightOffBtn, 90 points wide (English uses 26)</extracomment>
        <translation>APAGAR</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>the name a screen reader says for lightOffBtn</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MacroCapacityMeter</name>
    <message>
        <source>No macro chosen</source>
        <translation>Ninguna macro elegida</translation>
    </message>
    <message>
        <source>%1 steps: the mouse plays the first %2</source>
        <translation>%1 pasos: el ratón reproduce los primeros %2</translation>
    </message>
    <message>
        <source>%1 of %2 steps on the mouse</source>
        <translation>%1 de %2 pasos en el ratón</translation>
    </message>
    <message>
        <source>Recording · %1</source>
        <translation>Grabando · %1</translation>
    </message>
</context>
<context>
    <name>MacroInfo</name>
    <message>
        <source>it takes %1 steps on the mouse, more than the %2 a button holds</source>
        <extracomment>Why a macro cannot be loaded, after &quot;Fire.mac cannot be loaded: &quot;.</extracomment>
        <translation>ocupa %1 pasos en el ratón, más de los %2 que admite un botón</translation>
    </message>
    <message>
        <source>it holds a step this program does not know</source>
        <translation>contiene un paso que este programa no conoce</translation>
    </message>
</context>
<context>
    <name>MacroStepModel</name>
    <message>
        <source>L Button</source>
        <translation>Botón izq.</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>Botón der.</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Press %1</source>
        <translation>Pulsar %1</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>Soltar %1</translation>
    </message>
    <message>
        <source>Command %1</source>
        <translation>Comando %1</translation>
    </message>
    <message>
        <source>%1 Down</source>
        <translation>Pulsar %1</translation>
    </message>
    <message>
        <source>%1 Up</source>
        <translation>Soltar %1</translation>
    </message>
    <message>
        <source>Step of kind %1</source>
        <translation>Paso de tipo %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Double-click to change the delay</source>
        <translation>Doble clic para cambiar el retardo</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Tecla pulsada</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Tecla soltada</translation>
    </message>
    <message>
        <source>Button down</source>
        <translation>Botón pulsado</translation>
    </message>
    <message>
        <source>Button up</source>
        <translation>Botón soltado</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Delay in milliseconds</source>
        <translation>Retardo en milisegundos</translation>
    </message>
</context>
<context>
    <name>MacroView</name>
    <message>
        <source>Macro editor</source>
        <translation>Editor de macros</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Maximum number of macros reached</source>
        <translation>Se ha alcanzado el número máximo de macros</translation>
    </message>
    <message>
        <source>Are you sure you want to Clear Commands?</source>
        <translation>¿Seguro que quiere borrar todos los pasos?</translation>
    </message>
    <message>
        <source>No macros yet</source>
        <translation>Aún no hay macros</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Elija una macro</translation>
    </message>
    <message>
        <source>New macro</source>
        <extracomment>the name a screen reader says for newMacroBtn</extracomment>
        <translation>Nueva macro</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>¿Seguro que quiere eliminar esta macro?</translation>
    </message>
    <message>
        <source>Save the macro to a file</source>
        <translation>Guardar la macro en un archivo</translation>
    </message>
    <message>
        <source>Macro files (*.mac)</source>
        <translation>Archivos de macro (*.mac)</translation>
    </message>
    <message>
        <source>The macro could not be saved as %1.</source>
        <translation>No se pudo guardar la macro como %1.</translation>
    </message>
    <message>
        <source>Load a macro from a file</source>
        <translation>Cargar una macro desde un archivo</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>No se puede cargar %1: %2.</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>el archivo %1</translation>
    </message>
    <message>
        <source>it is not a macro</source>
        <translation>no es una macro</translation>
    </message>
    <message>
        <source>a macro is named by its file, and this file has no name</source>
        <translation>una macro toma el nombre de su archivo, y este archivo no tiene nombre</translation>
    </message>
    <message>
        <source>A macro of this name already exists.</source>
        <translation>Ya existe una macro con este nombre.</translation>
    </message>
    <message>
        <source>The macros could not be saved.</source>
        <translation>No se pudieron guardar las macros.</translation>
    </message>
    <message>
        <source>Records, edits, imports and exports the macros the mouse buttons can run.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Graba, edita, importa y exporta las macros que pueden ejecutar los botones del ratón.</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>EDITOR DE MACROS</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>GRABACIÓN</translation>
    </message>
    <message>
        <source>DELAYS WHILE RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>RETARDOS AL GRABAR</translation>
    </message>
    <message>
        <source>Default (ms)</source>
        <extracomment>a line of text, 90 points wide</extracomment>
        <translation>Valor (ms)</translation>
    </message>
    <message>
        <source>STEPS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>PASOS</translation>
    </message>
    <message>
        <source>STEP</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>PASO</translation>
    </message>
    <message>
        <source>DELAY (MS)</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>RETARDO (MS)</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>COMANDO</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for macroNameBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>the label of the control newMacroBtn, 96 points wide (English uses 31)</extracomment>
        <translation>NUEVA</translation>
    </message>
    <message>
        <source>DELETE</source>
        <extracomment>the label of the control delMacroBtn, 96 points wide (English uses 50)</extracomment>
        <translation>ELIMINAR</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <extracomment>the name a screen reader says for delMacroBtn</extracomment>
        <translation>Eliminar macro</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>the label of the control loadMacroBtn, 96 points wide (English uses 51)</extracomment>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>the name a screen reader says for loadMacroBtn</extracomment>
        <translation>Importar</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <extracomment>the label of the control saveMacroBtn, 96 points wide (English uses 52)</extracomment>
        <translation>EXPORTAR</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>the name a screen reader says for saveMacroBtn</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>RECORD</source>
        <extracomment>the label of the control recordBtn, 96 points wide (English uses 55)</extracomment>
        <translation>GRABAR</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>the name a screen reader says for recordBtn</extracomment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>the label of the control stopBtn, 96 points wide (English uses 35)</extracomment>
        <translation>DETENER</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <extracomment>the name a screen reader says for stopBtn</extracomment>
        <translation>Detener la grabación</translation>
    </message>
    <message>
        <source>Stop recording (Pause)</source>
        <extracomment>what a screen reader says stopBtn does</extracomment>
        <translation>Detener la grabación (Pausa)</translation>
    </message>
    <message>
        <source>Without delays</source>
        <extracomment>the label of the control lgnoreDelayChk, 200 points wide (English uses 90)</extracomment>
        <translation>Sin retardos</translation>
    </message>
    <message>
        <source>Default delay</source>
        <extracomment>the label of the control insertDefLayChk, 200 points wide (English uses 80)</extracomment>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>Default delay, ms</source>
        <extracomment>the name a screen reader says for defDelayTxt</extracomment>
        <translation>Retardo predeterminado, ms</translation>
    </message>
    <message>
        <source>USE FOR RECORDING</source>
        <extracomment>the label of the control insertDefDelayBtn, 200 points wide (English uses 141)</extracomment>
        <translation>USAR AL GRABAR</translation>
    </message>
    <message>
        <source>Use for recording</source>
        <extracomment>the name a screen reader says for insertDefDelayBtn</extracomment>
        <translation>Usar al grabar</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>the name a screen reader says for keytbView</extracomment>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <extracomment>the label of the control keyUpBtn, 130 points wide (English uses 61)</extracomment>
        <translation>SUBIR</translation>
    </message>
    <message>
        <source>Move up</source>
        <extracomment>the name a screen reader says for keyUpBtn</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <extracomment>the label of the control keyDownBtn, 130 points wide (English uses 85)</extracomment>
        <translation>BAJAR</translation>
    </message>
    <message>
        <source>Move down</source>
        <extracomment>the name a screen reader says for keyDownBtn</extracomment>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>DELETE STEP</source>
        <extracomment>the label of the control delKeyBtn, 130 points wide (English uses 87)</extracomment>
        <translation>ELIMINAR PASO</translation>
    </message>
    <message>
        <source>Delete step</source>
        <extracomment>the name a screen reader says for delKeyBtn</extracomment>
        <translation>Eliminar paso</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <extracomment>the name a screen reader says for adjustDelayDownBtn</extracomment>
        <translation>Retardo más corto</translation>
    </message>
    <message>
        <source>Delay to set, ms</source>
        <extracomment>the name a screen reader says for adjustDelayTxt</extracomment>
        <translation>Retardo que se fija, ms</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <extracomment>the name a screen reader says for adjustDelayUpBtn</extracomment>
        <translation>Retardo más largo</translation>
    </message>
    <message>
        <source>SET DELAY</source>
        <extracomment>the label of the control insertDelayBtn, 130 points wide (English uses 71)</extracomment>
        <translation>FIJAR RETARDO</translation>
    </message>
    <message>
        <source>Set delay</source>
        <extracomment>the name a screen reader says for insertDelayBtn</extracomment>
        <translation>Fijar retardo</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>the name a screen reader says for comSelBtn</extracomment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>the label of the control insertComBtn, 130 points wide (English uses 48)</extracomment>
        <translation>INSERTAR</translation>
    </message>
    <message>
        <source>Insert command</source>
        <extracomment>the name a screen reader says for insertComBtn</extracomment>
        <translation>Insertar comando</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 was loaded with 1 delay changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 se cargó con 1 retardo ajustado a lo que admite un paso: como máximo %2 ms, en pasos de %3 ms.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was loaded with %n delays changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>
            <numerusform>%1 se cargó con %n retardo ajustado a lo que admite un paso: como máximo %2 ms, en pasos de %3 ms.</numerusform>
            <numerusform>%1 se cargó con %n retardos ajustados a lo que admite un paso: como máximo %2 ms, en pasos de %3 ms.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Ratón Kestrix</translation>
    </message>
    <message>
        <source>Deleted macro</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Launch Key</source>
        <translation>Iniciar aplicación</translation>
    </message>
    <message>
        <source>T Key</source>
        <translation>Tecla T</translation>
    </message>
    <message>
        <source>Page UP(Win)</source>
        <translation>Re Pág (Win)</translation>
    </message>
    <message>
        <source>Page Down(Win)</source>
        <translation>Av Pág (Win)</translation>
    </message>
    <message>
        <source>Middle Button(Win)</source>
        <translation>Botón central (Win)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>the name a screen reader says for defaultBtn</extracomment>
        <translation>Función original</translation>
    </message>
    <message>
        <source>Single key</source>
        <extracomment>the name a screen reader says for singleBtn</extracomment>
        <translation>Tecla o función</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for tkeyBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Launch</source>
        <extracomment>the name a screen reader says for launchProBtn</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>This path is too long to be kept in the mouse&apos;s profile (%1 bytes at most):
%2</source>
        <translation>Esta ruta es demasiado larga para guardarla en el perfil del ratón (%1 bytes como máximo):
%2</translation>
    </message>
    <message>
        <source>The help page could not be opened.</source>
        <translation>No se pudo abrir la página de ayuda.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>The mouse did not answer while it was being read. The window shows its profiles as they were last saved; changes are written only when the mouse answers.</source>
        <translation>El ratón no respondió mientras se leía. La ventana muestra sus perfiles tal como se guardaron por última vez; los cambios solo se escriben cuando el ratón responde.</translation>
    </message>
    <message>
        <source>The changes not written are kept: Apply tries again.</source>
        <translation>Los cambios sin escribir se conservan: Aplicar lo vuelve a intentar.</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>el perfil %1</translation>
    </message>
    <message>
        <source>profiles %1</source>
        <translation>los perfiles %1</translation>
    </message>
    <message>
        <source>The last changes to %1 did not reach the mouse. They are shown as changes not yet written: Apply writes them.</source>
        <translation>Los últimos cambios en %1 no llegaron al ratón. Se muestran como cambios sin escribir: Aplicar los escribe.</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>Cambios sin escribir</translation>
    </message>
    <message>
        <source>Now on profile %1</source>
        <translation>Ahora en el perfil %1</translation>
    </message>
    <message>
        <source>Hide the on-screen display</source>
        <translation>Ocultar la información en pantalla</translation>
    </message>
    <message>
        <source>Show the on-screen display</source>
        <translation>Mostrar la información en pantalla</translation>
    </message>
    <message>
        <source>The window closes</source>
        <translation>La ventana se cierra</translation>
    </message>
    <message>
        <source>Kestrix set-ups (*.%1)</source>
        <translation>Configuraciones de Kestrix (*.%1)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>Exportar la configuración</translation>
    </message>
    <message>
        <source>Kestrix set-up.%1</source>
        <translation>Configuración de Kestrix.%1</translation>
    </message>
    <message>
        <source>Set-up export</source>
        <translation>Exportación de la configuración</translation>
    </message>
    <message>
        <source>The mouse did not answer: the set-up was not exported.</source>
        <translation>El ratón no respondió: no se exportó la configuración.</translation>
    </message>
    <message>
        <source>The set-up could not be saved as %1: %2</source>
        <translation>No se pudo guardar la configuración como %1: %2</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>Importar una configuración</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>profile %1 would have no button doing the left click.</source>
        <translation>el perfil %1 se quedaría sin ningún botón que haga el clic izquierdo.</translation>
    </message>
    <message>
        <source>The mouse holds the set-up of %1 already.</source>
        <translation>El ratón ya tiene la configuración de %1.</translation>
    </message>
    <message>
        <source>Changes not yet written to the mouse are dropped.</source>
        <translation>Se descartarán los cambios aún no escritos en el ratón.</translation>
    </message>
    <message>
        <source>Importing %1 changes the mouse:</source>
        <translation>Al importar %1, el ratón cambia así:</translation>
    </message>
    <message>
        <source>Sets up the mouse: its five profiles and what each of its buttons does.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Configura el ratón: sus cinco perfiles y lo que hace cada uno de sus botones.</translation>
    </message>
    <message>
        <source>KESTRIX</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>KESTRIX</translation>
    </message>
    <message>
        <source>Gaming mouse configuration</source>
        <extracomment>a line of text, 320 points wide</extracomment>
        <translation>Configuración del ratón para juegos</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <extracomment>a caption over controls, 96 points wide</extracomment>
        <translation>PERFIL</translation>
    </message>
    <message>
        <source>SELECTED BUTTON</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>BOTÓN SELECCIONADO</translation>
    </message>
    <message>
        <source>ASSIGN A FUNCTION</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>ASIGNAR UNA FUNCIÓN</translation>
    </message>
    <message>
        <source>MOUSE SETTINGS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>AJUSTES DEL RATÓN</translation>
    </message>
    <message>
        <source>Application menu</source>
        <extracomment>the name a screen reader says for menuBtn</extracomment>
        <translation>Menú de la aplicación</translation>
    </message>
    <message>
        <source>Reset profile</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Restablecer el perfil</translation>
    </message>
    <message>
        <source>Website</source>
        <extracomment>the name a screen reader says for homeBtn</extracomment>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the name a screen reader says for helpBtn</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the name a screen reader says for closeBtn</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for profile1Btn</extracomment>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Profile</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for profile2Btn</extracomment>
        <translation>Perfil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for profile3Btn</extracomment>
        <translation>Perfil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for profile4Btn</extracomment>
        <translation>Perfil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for profile5Btn</extracomment>
        <translation>Perfil 5</translation>
    </message>
    <message>
        <source>Left button</source>
        <extracomment>the name a screen reader says for leftClickBtn</extracomment>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>Right button</source>
        <extracomment>the name a screen reader says for rightBtn</extracomment>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Wheel button</source>
        <extracomment>the name a screen reader says for middleClickBtn</extracomment>
        <translation>Botón de la rueda</translation>
    </message>
    <message>
        <source>Front side button</source>
        <extracomment>the name a screen reader says for left1Btn</extracomment>
        <translation>Botón lateral delantero</translation>
    </message>
    <message>
        <source>Back side button</source>
        <extracomment>the name a screen reader says for left2Btn</extracomment>
        <translation>Botón lateral trasero</translation>
    </message>
    <message>
        <source>Kind of function</source>
        <extracomment>the name a screen reader says for btnSelTagImageView</extracomment>
        <translation>Tipo de función</translation>
    </message>
    <message>
        <source>Function of the selected button</source>
        <extracomment>the name a screen reader says for btnSelTagCaptionTxt</extracomment>
        <translation>Función del botón seleccionado</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <extracomment>the label of the control defaultBtn, 92 points wide (English uses 52)</extracomment>
        <translation>ORIGINAL</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <extracomment>the label of the control singleBtn, 92 points wide (English uses 72)</extracomment>
        <translation>TECLA</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>the label of the control tkeyBtn, 92 points wide (English uses 44)</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <extracomment>the label of the control launchProBtn, 92 points wide (English uses 50)</extracomment>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the label of the control settingBtn, 126 points wide (English uses 92)</extracomment>
        <translation>RENDIMIENTO</translation>
    </message>
    <message>
        <source>Performance</source>
        <extracomment>the name a screen reader says for settingBtn</extracomment>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the label of the control lightOptionBtn, 126 points wide (English uses 58)</extracomment>
        <translation>ILUMINACIÓN</translation>
    </message>
    <message>
        <source>Lighting</source>
        <extracomment>the name a screen reader says for lightOptionBtn</extracomment>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the label of the control macroBtn, 126 points wide (English uses 94)</extracomment>
        <translation>MACROS</translation>
    </message>
    <message>
        <source>Macro editor</source>
        <extracomment>the name a screen reader says for macroBtn</extracomment>
        <translation>Editor de macros</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Single Key Function</source>
        <translation>Tecla o función</translation>
    </message>
    <message>
        <source>Macro Function</source>
        <translation>Función de macro</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1.</source>
        <translation>La configuración no se exportó: %1.</translation>
    </message>
    <message>
        <source>Application rules</source>
        <translation>Reglas de aplicación</translation>
    </message>
    <message>
        <source>APP RULES</source>
        <extracomment>the label of the control appRulesBtn, 146 points wide (English uses 74)</extracomment>
        <translation>REGLAS DE APP</translation>
    </message>
    <message>
        <source>App rules</source>
        <extracomment>the name a screen reader says for appRulesBtn</extracomment>
        <translation>Reglas de app</translation>
    </message>
    <message>
        <source>The profile follows the application in front</source>
        <extracomment>what a screen reader says appRulesBtn does</extracomment>
        <translation>El perfil sigue a la aplicación en primer plano</translation>
    </message>
</context>
<context>
    <name>MouseWrites</name>
    <message>
        <source>logo light</source>
        <translation>luz del logotipo</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>luz de la rueda</translation>
    </message>
    <message>
        <source>performance settings</source>
        <translation>ajustes de rendimiento</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>iluminación</translation>
    </message>
    <message>
        <source>profile switch</source>
        <translation>cambio de perfil</translation>
    </message>
    <message>
        <source>The mouse did not take the %1. Is it still plugged in?</source>
        <extracomment>%1 is what was written: &quot;performance settings&quot;, &quot;lighting&quot;, &quot;DPI stage&quot;...</extracomment>
        <translation>El ratón no aceptó los cambios (%1). ¿Sigue conectado?</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <translation>nivel de DPI</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>frecuencia de sondeo</translation>
    </message>
</context>
<context>
    <name>OsdWords</name>
    <message>
        <source>SENSITIVITY</source>
        <extracomment>The on-screen display of a DPI change: the stage among the mouse&apos;s stages.</extracomment>
        <translation>SENSIBILIDAD</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>STAGE %1 OF %2</source>
        <translation>NIVEL %1 DE %2</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>FRECUENCIA DE SONDEO</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>REPORTS PER SECOND</source>
        <translation>INFORMES POR SEGUNDO</translation>
    </message>
    <message>
        <source>ACTIVE PROFILE</source>
        <extracomment>The on-screen display of a profile change: the profile among those the mouse holds.</extracomment>
        <translation>PERFIL ACTIVO</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>PERFIL</translation>
    </message>
    <message>
        <source>ON-BOARD %1 OF %2</source>
        <translation>INTEGRADO %1 DE %2</translation>
    </message>
    <message>
        <source>MOUSE LOCK</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>BLOQUEO DEL RATÓN</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEO</translation>
    </message>
    <message>
        <source>SWITCH ON</source>
        <translation>INTERRUPTOR ACTIVADO</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>BLOQUEADO</translation>
    </message>
    <message>
        <source>SWITCH OFF</source>
        <translation>INTERRUPTOR DESACTIVADO</translation>
    </message>
    <message>
        <source>UNLOCKED</source>
        <translation>DESBLOQUEADO</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file cannot be written, said after its name (&quot;out.kxsetup could not be written: is a folder&quot;), as the other reasons here are.</extracomment>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is a socket</source>
        <translation>es un socket</translation>
    </message>
    <message>
        <source>is a device, not a file or a terminal</source>
        <translation>es un dispositivo, no un archivo ni un terminal</translation>
    </message>
    <message>
        <source>nothing was taken</source>
        <translation>no admitió ningún dato</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>is not open (%1)</source>
        <translation>no está abierto (%1)</translation>
    </message>
    <message>
        <source>is a FIFO that no program reads</source>
        <translation>es una FIFO que ningún programa lee</translation>
    </message>
    <message>
        <source>changed while it was opened</source>
        <translation>cambió mientras se abría</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>Sets the mouse&apos;s DPI stages and polling rate, the desktop&apos;s pointer, double-click and scroll speeds, and the on-screen display.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Fija los niveles de DPI y la frecuencia de sondeo del ratón, las velocidades del puntero, de doble clic y de desplazamiento del escritorio, y la información en pantalla.</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>RENDIMIENTO</translation>
    </message>
    <message>
        <source>DPI STAGE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>NIVEL DE DPI</translation>
    </message>
    <message>
        <source>DPI OF THIS STAGE</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>DPI DE ESTE NIVEL</translation>
    </message>
    <message>
        <source>DPI</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>DPI</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>FRECUENCIA DE SONDEO</translation>
    </message>
    <message>
        <source>DOUBLE-CLICK SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>DOBLE CLIC</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>PUNTERO</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>DESPLAZAMIENTO</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <extracomment>the name a screen reader says for dpiLevelPro</extracomment>
        <translation>Nivel de DPI</translation>
    </message>
    <message>
        <source>DPI of this stage</source>
        <extracomment>the name a screen reader says for dpiPro</extracomment>
        <translation>DPI de este nivel</translation>
    </message>
    <message>
        <source>Exact DPI</source>
        <extracomment>the name a screen reader says for dpiTxt</extracomment>
        <translation>DPI exactos</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <extracomment>the label of the control rate125Btn, 92 points wide (English uses 46)</extracomment>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Polling rate</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Frecuencia de sondeo</translation>
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
        <translation>Mostrar los cambios en pantalla</translation>
    </message>
    <message>
        <source>Double-click speed</source>
        <extracomment>the name a screen reader says for doubleSpeedPro</extracomment>
        <translation>Velocidad de doble clic</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <extracomment>the name a screen reader says for mouseSpeedPro</extracomment>
        <translation>Velocidad del puntero</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <extracomment>the name a screen reader says for scrSpeedPro</extracomment>
        <translation>Velocidad de desplazamiento</translation>
    </message>
    <message>
        <source>RESET</source>
        <extracomment>the label of the control reDefBtn, 110 points wide (English uses 42)</extracomment>
        <translation>RESTABLECER</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>Restablecer los valores predeterminados</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>APLICAR</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PerformanceView</name>
    <message>
        <source>Stage %1 of %2</source>
        <translation>Nivel %1 de %2</translation>
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
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>This profile has changes that are not written to the mouse yet. OK switches to the other profile and drops them; Cancel stays on this profile with them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Este perfil tiene cambios que aún no se han escrito en el ratón. Aceptar cambia al otro perfil y los descarta; Cancelar se queda en este perfil con ellos.</translation>
    </message>
    <message>
        <source>Switch and drop the changes</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Cambiar de perfil y descartar los cambios</translation>
    </message>
    <message>
        <source>Stay on this profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Quedarse en este perfil</translation>
    </message>
    <message>
        <source>Close with unsaved changes?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>¿Cerrar con cambios sin guardar?</translation>
    </message>
    <message>
        <source>There are changes that are not written to the mouse yet. OK writes them to the mouse and closes; Cancel closes without them; Escape goes back to them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Hay cambios que aún no se han escrito en el ratón. Aceptar los escribe en el ratón y cierra; Cancelar cierra sin ellos; Esc vuelve a ellos.</translation>
    </message>
    <message>
        <source>Write and close</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Escribir y cerrar</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Cerrar sin escribir</translation>
    </message>
    <message>
        <source>Mouse not connected</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Ratón no conectado</translation>
    </message>
    <message>
        <source>The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the mouse in, then open Kestrix Mouse again.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>El ratón Kestrix no está conectado o se ha desconectado. Aceptar cierra la ventana; conecte el ratón y vuelva a abrir Ratón Kestrix.</translation>
    </message>
    <message>
        <source>Close the window</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>One button must stay the left click</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>Debe quedar un clic izquierdo</translation>
    </message>
    <message>
        <source>This is the only button that does the left click, so it cannot be given another function. OK goes back and leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Este es el único botón que hace el clic izquierdo, así que no se le puede asignar otra función. Aceptar vuelve atrás y lo deja como está.</translation>
    </message>
    <message>
        <source>Keep the left click</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Conservar el clic izquierdo</translation>
    </message>
    <message>
        <source>Reset this profile?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>¿Restablecer este perfil?</translation>
    </message>
    <message>
        <source>Every button and setting of this profile goes back to its default and is written to the mouse. OK resets it; Cancel leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Todos los botones y ajustes de este perfil vuelven a sus valores predeterminados y se escriben en el ratón. Aceptar lo restablece; Cancelar lo deja como está.</translation>
    </message>
    <message>
        <source>Reset the profile</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>Restablecer el perfil</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>Conservar el perfil</translation>
    </message>
</context>
<context>
    <name>ProfileSaves</name>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>No se pudieron guardar los perfiles en %1.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is larger than %1 MiB</source>
        <extracomment>Why a file is refused, said after its name, as the other reasons here are.</extracomment>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
</context>
<context>
    <name>SetupPreviewView</name>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>ShowLoadView</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>LOADING</source>
        <translation>CARGANDO</translation>
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
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <extracomment>The mouse&apos;s lock switch is off: its buttons work again.</extracomment>
        <translation>Desbloqueado</translation>
    </message>
    <message>
        <source>%1 DPI · stage %2 of %3</source>
        <extracomment>The on-screen display after a DPI change: the value, then which stage of how many.</extracomment>
        <translation>%1 DPI · nivel %2 de %3</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <extracomment>A notification after a DPI change: its summary; the body follows (&quot;Stage 2 of 4&quot;).</extracomment>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>Stage %1 of %2</source>
        <extracomment>A notification after a DPI change: its body, below the summary (&quot;1600 DPI&quot;).</extracomment>
        <translation>Nivel %1 de %2</translation>
    </message>
    <message>
        <source>Profile %1 · %2</source>
        <extracomment>The display after the application in front chose the profile: &quot;Profile 2 · GIMP&quot;.</extracomment>
        <translation>Perfil %1 · %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The running window did not answer: %1</source>
        <translation>La ventana abierta no respondió: %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyView</name>
    <message>
        <source>Choose a function</source>
        <translation>Elija una función</translation>
    </message>
    <message>
        <source>Choose a function from the list first.</source>
        <translation>Elija antes una función de la lista.</translation>
    </message>
    <message>
        <source>Gives the selected mouse button one function: a click, a key, a media or a system function.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Asigna una función al botón del ratón seleccionado: un clic, una tecla, una función multimedia o una del sistema.</translation>
    </message>
    <message>
        <source>SINGLE KEY FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>TECLA O FUNCIÓN</translation>
    </message>
    <message>
        <source>FUNCTION</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>FUNCIÓN</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>the name a screen reader says for selComBtn</extracomment>
        <translation>Función</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TKeyRepeatView</name>
    <message>
        <source>Sets how many times the macro runs for each press of the button.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Fija cuántas veces se ejecuta la macro en cada pulsación del botón.</translation>
    </message>
    <message>
        <source>Times to run the macro:</source>
        <extracomment>a line of text, 176 points wide</extracomment>
        <translation>Veces que se ejecuta la macro:</translation>
    </message>
    <message>
        <source>Times to run the macro</source>
        <extracomment>the name a screen reader says for countTxt</extracomment>
        <translation>Veces que se ejecuta la macro</translation>
    </message>
    <message>
        <source>Limit of the mouse</source>
        <extracomment>the name a screen reader says for limitTxt</extracomment>
        <translation>Límite del ratón</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TKeyView</name>
    <message>
        <source>Gives the selected mouse button a macro and the way it runs.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>Asigna al botón del ratón seleccionado una macro y su modo de ejecución.</translation>
    </message>
    <message>
        <source>MACRO FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>FUNCIÓN DE MACRO</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>RUN THE MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>EJECUTAR LA MACRO</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for selMacroBtn</extracomment>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>the label of the control onceChk, 69 points wide (English uses 31)</extracomment>
        <translation>1 vez</translation>
    </message>
    <message>
        <source>Run the macro</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>Ejecutar la macro</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <extracomment>the label of the control multTimesChk, 127 points wide (English uses 80)</extracomment>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Times the macro runs</source>
        <extracomment>the name a screen reader says for countLbl</extracomment>
        <translation>Veces que se ejecuta la macro</translation>
    </message>
    <message>
        <source>While held</source>
        <extracomment>the label of the control holdChk, 156 points wide (English uses 63)</extracomment>
        <translation>Mantener pulsado</translation>
    </message>
    <message>
        <source>Until pressed again</source>
        <extracomment>the label of the control untilPreChk, 184 points wide (English uses 116)</extracomment>
        <translation>Hasta volver a pulsar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TkeyRepeatView</name>
    <message>
        <source>At most %1 times on the mouse</source>
        <translation>Como máximo %1 veces en el ratón</translation>
    </message>
</context>
<context>
    <name>TkeyView</name>
    <message>
        <source>No macros yet</source>
        <translation>Aún no hay macros</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>Elija una macro</translation>
    </message>
    <message>
        <source>There are no macros yet: record one in the macro editor first.</source>
        <translation>Aún no hay macros: grabe antes una en el editor de macros.</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>Elija antes una macro de la lista.</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 vez</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 veces</translation>
    </message>
</context>
</TS>
