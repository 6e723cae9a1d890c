<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ABOUTPACKAGES</name>
    <message>
        <source>No Selwarth packages were found in the current directory.</source>
        <translation>No se encontró ningún paquete de Selwarth en el directorio actual.</translation>
    </message>
    <message>
        <source>About Packages</source>
        <translation>Acerca de los paquetes</translation>
    </message>
    <message>
        <source>Packages:</source>
        <translation>Paquetes:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ABOUTSELWARTH</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>para Linux</translation>
    </message>
    <message>
        <source>About Selwarth for Linux</source>
        <translation>Acerca de Selwarth para Linux</translation>
    </message>
    <message>
        <source>Selwarth Daily Scripture Calendar</source>
        <translation>Selwarth, calendario bíblico diario</translation>
    </message>
    <message>
        <source>A verse, a reading and a question</source>
        <translation>Un versículo, una lectura y una pregunta</translation>
    </message>
    <message>
        <source>for every day of the year.</source>
        <translation>para cada día del año.</translation>
    </message>
    <message>
        <source>Free software for the Linux desktop;</source>
        <translation>Software libre para el escritorio Linux;</translation>
    </message>
    <message>
        <source>packages are built with qxp.</source>
        <translation>los paquetes se crean con qxp.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>BIBLE</name>
    <message>
        <source>Bible</source>
        <translation>Biblia</translation>
    </message>
    <message>
        <source>&amp;Read the passages in:</source>
        <translation>&amp;Leer los pasajes en:</translation>
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
    <name>CALENDAR</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 de %3</translation>
    </message>
    <message>
        <source>Calendar     </source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, read</source>
        <translation>%1, leído</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, hoy</translation>
    </message>
</context>
<context>
    <name>DDESETTINGS</name>
    <message>
        <source>Dynamic Data Exchange Settings</source>
        <translation>Configuración del intercambio dinámico de datos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Logos</source>
        <translation>&amp;Logos</translation>
    </message>
    <message>
        <source>&amp;QuickVerse</source>
        <translation>&amp;QuickVerse</translation>
    </message>
    <message>
        <source>&amp;SeedMaster</source>
        <translation>&amp;SeedMaster</translation>
    </message>
    <message>
        <source>Oth&amp;er</source>
        <translation>&amp;Otro</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>Concordance:</source>
        <translation>Concordancia:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Traducción:</translation>
    </message>
    <message>
        <source>DDE ID:</source>
        <translation>ID de DDE:</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Escriba el nombre</translation>
    </message>
    <message>
        <source>&amp;Xiphos</source>
        <translation>&amp;Xiphos</translation>
    </message>
    <message>
        <source>Xiphos (no session bus)</source>
        <translation>Xiphos (sin D-Bus)</translation>
    </message>
    <message>
        <source>Xiphos (running)</source>
        <translation>Xiphos (abierto)</translation>
    </message>
    <message>
        <source>Xiphos (not running)</source>
        <translation>Xiphos (no abierto)</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>could not copy the sample %1 into %2</source>
        <translation>no se pudo copiar el ejemplo %1 en %2</translation>
    </message>
    <message>
        <source>could not note the sample %1 in %2</source>
        <translation>no se pudo anotar el ejemplo %1 en %2</translation>
    </message>
    <message>
        <source>%1 stays locked; going on without the lock</source>
        <translation>%1 sigue bloqueado; se continúa sin el bloqueo</translation>
    </message>
    <message>
        <source>cannot write %1; no samples copied</source>
        <translation>no se puede escribir %1; no se ha copiado ningún ejemplo</translation>
    </message>
    <message>
        <source>cannot use the data folder %1</source>
        <translation>no se puede usar la carpeta de datos %1</translation>
    </message>
    <message>
        <source>usage: selwarth-autostart on|off|status</source>
        <translation>uso: selwarth-autostart on|off|status</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>Selwarth starts when you log in (%1).</source>
        <translation>Selwarth se iniciará cuando inicie la sesión (%1).</translation>
    </message>
    <message>
        <source>Selwarth no longer starts when you log in.</source>
        <translation>Selwarth ya no se iniciará cuando inicie la sesión.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Packages...</source>
        <translation>&amp;Paquetes...</translation>
    </message>
    <message>
        <source>Pro&amp;gram...</source>
        <translation>Pro&amp;grama...</translation>
    </message>
    <message>
        <source>&amp;Start Date...</source>
        <translation>&amp;Fecha de inicio...</translation>
    </message>
    <message>
        <source>&amp;DDE...</source>
        <translation>&amp;DDE...</translation>
    </message>
    <message>
        <source>Day &amp;Backward</source>
        <translation>Día &amp;anterior</translation>
    </message>
    <message>
        <source>Day &amp;Forward</source>
        <translation>Día s&amp;iguiente</translation>
    </message>
    <message>
        <source>Day &amp;Reset</source>
        <translation>Volver al día de &amp;hoy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;References...</source>
        <translation>&amp;Referencias...</translation>
    </message>
    <message>
        <source>&amp;Show Answers</source>
        <translation>&amp;Mostrar respuestas</translation>
    </message>
    <message>
        <source>&amp;Hide Menus</source>
        <translation>&amp;Ocultar menús</translation>
    </message>
    <message>
        <source>&amp;Copy Text</source>
        <translation>&amp;Copiar texto</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Enlaces</translation>
    </message>
    <message>
        <source>&amp;Morning Bible Reading</source>
        <translation>Lectura bíblica de la &amp;mañana</translation>
    </message>
    <message>
        <source>&amp;Evening Bible Reading</source>
        <translation>Lectura bíblica de la &amp;noche</translation>
    </message>
    <message>
        <source>Bible &amp;Quiz Reference</source>
        <translation>&amp;Referencia del cuestionario bíblico</translation>
    </message>
    <message>
        <source>&amp;Daily Verse</source>
        <translation>&amp;Versículo del día</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About &amp;Packages...</source>
        <translation>Acerca de los &amp;paquetes...</translation>
    </message>
    <message>
        <source>About &amp;Selwarth...</source>
        <translation>Acerca de &amp;Selwarth...</translation>
    </message>
    <message>
        <source>Catch &amp;Up Reading Plan</source>
        <translation>Re&amp;cuperar el plan de lectura</translation>
    </message>
    <message>
        <source>Start &amp;Over Reading Plan</source>
        <translation>Empe&amp;zar de nuevo el plan de lectura</translation>
    </message>
    <message>
        <source>&amp;Mark Reading as Read</source>
        <translation>Marcar lectura como &amp;leída</translation>
    </message>
    <message>
        <source>C&amp;alendar...</source>
        <translation>Cal&amp;endario...</translation>
    </message>
    <message>
        <source>Mark &amp;Earlier Days as Read</source>
        <translation>Marcar días an&amp;teriores como leídos</translation>
    </message>
    <message>
        <source>Re&amp;minder...</source>
        <translation>&amp;Recordatorio...</translation>
    </message>
    <message>
        <source>B&amp;ible...</source>
        <translation>&amp;Biblia...</translation>
    </message>
    <message>
        <source>&amp;Read Passages</source>
        <translation>&amp;Leer pasajes</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The daily text could not be saved to %1: %2.</source>
        <translation>No se pudo guardar el texto del día en %1: %2.</translation>
    </message>
    <message>
        <source>The screen saver text could not be saved: %1.</source>
        <translation>No se pudo guardar el texto del salvapantallas: %1.</translation>
    </message>
    <message>
        <source>The readable fonts for the packages could not be saved.
%1
The packages are shown in the default font.</source>
        <translation>No se pudieron guardar las fuentes legibles de los paquetes.
%1
Los paquetes se muestran con la fuente predeterminada.</translation>
    </message>
    <message>
        <source>Unable to Comply</source>
        <translation>No es posible</translation>
    </message>
    <message>
        <source>Selwarth will not be able to update automatically each day.</source>
        <translation>Selwarth no podrá actualizarse automáticamente cada día.</translation>
    </message>
    <message>
        <source>No Windows Timers Available</source>
        <translation>No hay temporizadores disponibles</translation>
    </message>
    <message>
        <source>The settings could not be read: %1.
The defaults are used, and changes will not be saved.</source>
        <translation>No se pudo leer la configuración: %1.
Se usan los valores predeterminados y los cambios no se guardarán.</translation>
    </message>
    <message>
        <source>The zoom could not be saved.
%1
It will be used until you exit.</source>
        <translation>No se pudo guardar el zoom.
%1
Se usará hasta que salga del programa.</translation>
    </message>
    <message>
        <source>No package files were found in the current directory.</source>
        <translation>No se encontró ningún archivo de paquete en el directorio actual.</translation>
    </message>
    <message>
        <source>Uh oh...</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>DDE Initialization failed.</source>
        <translation>No se pudo inicializar DDE.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to link with server.</source>
        <translation>No se pudo conectar con el servidor.</translation>
    </message>
    <message>
        <source>DDE Error</source>
        <translation>Error de DDE</translation>
    </message>
    <message>
        <source>The server is not responding. Please check it for any errors.</source>
        <translation>El servidor no responde. Compruebe si muestra algún error.</translation>
    </message>
    <message>
        <source>The server took too long to name its translations; only those it named in time are listed.</source>
        <translation>El servidor tardó demasiado en nombrar sus traducciones; solo se muestran las que nombró a tiempo.</translation>
    </message>
    <message>
        <source>First select a concordance to connect to.</source>
        <translation>Primero elija la concordancia con la que conectar.</translation>
    </message>
    <message>
        <source>Oops...</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>Please enter the server&apos;s name in the &apos;DDE Id&apos; box first.</source>
        <translation>Escriba primero el nombre del servidor en el cuadro «ID de DDE».</translation>
    </message>
    <message>
        <source>Sorry, this program does not appear to be fully QuickVerse compatible.</source>
        <translation>Lo sentimos, este programa no parece ser del todo compatible con QuickVerse.</translation>
    </message>
    <message>
        <source>DDE not available</source>
        <translation>DDE no disponible</translation>
    </message>
    <message>
        <source>To select a Bible concordance server, first make sure it is currently running or that its program is in a folder on your PATH. If your program is listed, select the appropriate button; Xiphos is among them, and the Bibles installed for it are listed whether or not it is running. If it isn&apos;t listed, but is QuickVerse compatible, select &quot;Other&quot;, enter its DDE Id (the name of its program) and choose &quot;Retry&quot;. When the concordance is successfully contacted, all loaded Bible translations will be listed. Select one and then choose the &quot;OK&quot; button.</source>
        <translation>Para elegir un servidor de concordancia bíblica, asegúrese primero de que está en ejecución o de que su programa está en una carpeta del PATH. Si su programa aparece en la lista, elija el botón correspondiente; Xiphos es uno de ellos, y las Biblias instaladas para él se muestran tanto si está en ejecución como si no. Si no aparece pero es compatible con QuickVerse, elija «Otro», escriba su ID de DDE (el nombre de su programa) y elija «Reintentar». Cuando se logre contactar con la concordancia, se mostrarán todas las traducciones de la Biblia cargadas. Elija una y luego pulse el botón «Aceptar».</translation>
    </message>
    <message>
        <source>Selecting a DDE Server</source>
        <translation>Elegir un servidor DDE</translation>
    </message>
    <message>
        <source>Please select the Bible translation you would like to use.</source>
        <translation>Elija la traducción de la Biblia que desea usar.</translation>
    </message>
    <message>
        <source>Unable to accept settings</source>
        <translation>No se puede aceptar la configuración</translation>
    </message>
    <message>
        <source>Unable to link with server. Please check your current settings in the DDE Settings dialog and make sure that your concordance is running.</source>
        <translation>No se pudo conectar con el servidor. Compruebe la configuración actual en el diálogo de configuración de DDE y asegúrese de que la concordancia está en ejecución.</translation>
    </message>
    <message>
        <source>Unable to link with server. Please check your current settings in the DDE Settings dialog.</source>
        <translation>No se pudo conectar con el servidor. Compruebe la configuración actual en el diálogo de configuración de DDE.</translation>
    </message>
    <message>
        <source>Please select a concordance server and Bible translation first. This may be done in the Data Exchange Settings dialog.</source>
        <translation>Elija primero un servidor de concordancia y una traducción de la Biblia. Puede hacerlo en el diálogo de configuración del intercambio de datos.</translation>
    </message>
    <message>
        <source>DDE Not Set Up</source>
        <translation>DDE sin configurar</translation>
    </message>
    <message>
        <source>Unable to parse Scripture reference.</source>
        <translation>No se pudo interpretar la cita bíblica.</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation>Formato desconocido</translation>
    </message>
    <message>
        <source>First highlight a package to turn on or off.</source>
        <translation>Primero marque un paquete para activarlo o desactivarlo.</translation>
    </message>
    <message>
        <source>The name of the package &quot;%1&quot; is too long to switch it on or off. Rename the file to a name of at most %2 characters first.</source>
        <translation>El nombre del paquete «%1» es demasiado largo para activarlo o desactivarlo. Cambie antes el nombre del archivo a uno de %2 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The package &quot;%1&quot; could not be renamed to &quot;%2&quot;: %3.</source>
        <translation>No se pudo cambiar el nombre del paquete «%1» a «%2»: %3.</translation>
    </message>
    <message>
        <source>First choose a Package, Font, and Size.</source>
        <translation>Primero elija un paquete, una fuente y un tamaño.</translation>
    </message>
    <message>
        <source>The font for %1 could not be saved.
%2</source>
        <translation>No se pudo guardar la fuente de %1.
%2</translation>
    </message>
    <message>
        <source>First choose a Font and Size.</source>
        <translation>Primero elija una fuente y un tamaño.</translation>
    </message>
    <message>
        <source>The default font could not be saved.
%1</source>
        <translation>No se pudo guardar la fuente predeterminada.
%1</translation>
    </message>
    <message>
        <source>Highlight packages and then click [On/Off] to enable or disable them. Once a package is enabled, you may highlight it, choose a font and size, and click [Assign Font]. Packages without a font of their own are shown in the default font: choose a font and size and click [Set], or [Clear] for System 10.</source>
        <translation>Marque paquetes y pulse [Activar/desactivar] para activarlos o desactivarlos. Cuando un paquete esté activado, puede marcarlo, elegir una fuente y un tamaño y pulsar [Asignar]. Los paquetes sin fuente propia se muestran con la fuente predeterminada: elija una fuente y un tamaño y pulse [Fijar], o [Quitar] para volver a System 10.</translation>
    </message>
    <message>
        <source>Package Settings Help</source>
        <translation>Ayuda de la configuración de paquetes</translation>
    </message>
    <message>
        <source>Font settings were changed for %1. Do you want to go back and assign the new font before exiting?</source>
        <translation>Se cambió la fuente de %1. ¿Desea volver atrás y asignar la nueva fuente antes de salir?</translation>
    </message>
    <message>
        <source>PackageSettings</source>
        <translation>Configuración de paquetes</translation>
    </message>
    <message>
        <source>Settings could not be saved.
%1
Choose [OK] to use them until you exit, or [CANCEL] to undo them.</source>
        <translation>No se pudo guardar la configuración.
%1
Elija [ACEPTAR] para usarla hasta salir del programa o [CANCELAR] para deshacerla.</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>Settings have been saved.</source>
        <translation>La configuración se ha guardado.</translation>
    </message>
    <message>
        <source>Select or deselect options as desired and then click the button of your choice.
[OK] will make the changes last until you exit.
[SAVE] will make the changes permanent.
[CANCEL] will undo any changes you have made.</source>
        <translation>Active o desactive las opciones que desee y luego pulse el botón que prefiera.
[ACEPTAR] mantiene los cambios hasta que salga del programa.
[GUARDAR] hace los cambios permanentes.
[CANCELAR] deshace todos los cambios que haya hecho.</translation>
    </message>
    <message>
        <source>Changing Program Settings</source>
        <translation>Cambiar la configuración del programa</translation>
    </message>
    <message>
        <source>First highlight a reference to show.</source>
        <translation>Primero marque la referencia que desea ver.</translation>
    </message>
    <message>
        <source>The reference picture could not be read.</source>
        <translation>No se pudo leer la imagen de referencia.</translation>
    </message>
    <message>
        <source>First highlight a package to load into the screen saver, then choose [OK].</source>
        <translation>Primero marque el paquete que desea cargar en el salvapantallas y luego elija [ACEPTAR].</translation>
    </message>
    <message>
        <source>The package name &quot;%1&quot; is longer than %2 characters and cannot be used for the screen saver. Rename the package file to a shorter name and try again.</source>
        <translation>El nombre de paquete «%1» tiene más de %2 caracteres y no se puede usar para el salvapantallas. Cambie el nombre del archivo del paquete por uno más corto e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The screen saver package could not be saved.
%1
It will be used until you exit.</source>
        <translation>No se pudo guardar el paquete del salvapantallas.
%1
Se usará hasta que salga del programa.</translation>
    </message>
    <message>
        <source>Screen Saver</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>In order for Selwarth to use the Windows &quot;Marquee&quot; screen saver, you will need to highlight one package that you would like loaded into it and then choose [OK].</source>
        <translation>Para que Selwarth use el salvapantallas «Marquesina» de Windows, marque el paquete que desea cargar en él y luego elija [ACEPTAR].</translation>
    </message>
    <message>
        <source>Screen Saver Help</source>
        <translation>Ayuda del salvapantallas</translation>
    </message>
    <message>
        <source>That is an invalid date. Please try again.</source>
        <translation>La fecha no es válida. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Oops... </source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>The start date could not be saved.
%1
It will be used until you exit.</source>
        <translation>No se pudo guardar la fecha de inicio.
%1
Se usará hasta que salga del programa.</translation>
    </message>
    <message>
        <source>Plan Start Date</source>
        <translation>Fecha de inicio del plan</translation>
    </message>
    <message>
        <source>Couldn&apos;t allocate enough memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>Copy error</source>
        <translation>Error al copiar</translation>
    </message>
    <message>
        <source>A critical DDE error has occured.</source>
        <translation>Se ha producido un error grave de DDE.</translation>
    </message>
    <message>
        <source>Disconnected.</source>
        <translation>Desconectado.</translation>
    </message>
    <message>
        <source>The DDE Id &quot;%1&quot; is too long. Selwarth can keep a DDE Id of at most %2 characters.</source>
        <translation>El ID de DDE «%1» es demasiado largo. Selwarth puede guardar un ID de DDE de %2 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The DDE settings could not be saved.
%1
They will be used until you exit.</source>
        <translation>No se pudo guardar la configuración de DDE.
%1
Se usará hasta que salga del programa.</translation>
    </message>
    <message>
        <source>Dynamic Data Exchange Settings</source>
        <translation>Configuración del intercambio dinámico de datos</translation>
    </message>
    <message>
        <source>Unable to go to %1.</source>
        <translation>No se pudo ir a %1.</translation>
    </message>
    <message>
        <source>Unable to load the %1 translation. Please check your current settings in the DDE Settings dialog.</source>
        <translation>No se pudo cargar la traducción %1. Compruebe la configuración actual en el diálogo de configuración de DDE.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs Logos 1.60 or higher.</source>
        <translation>Lo sentimos, Selwarth necesita Logos 1.60 o posterior.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs QuickVerse 1.0i or higher.</source>
        <translation>Lo sentimos, Selwarth necesita QuickVerse 1.0i o posterior.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs SeedMaster 2.63 or higher.</source>
        <translation>Lo sentimos, Selwarth necesita SeedMaster 2.63 o posterior.</translation>
    </message>
    <message>
        <source>First, you must enable the &quot;Daily Bible Quiz&quot; package.</source>
        <translation>Primero debe activar el paquete «Daily Bible Quiz».</translation>
    </message>
    <message>
        <source>In order to pull up today&apos;s verse in your concordance, Selwarth needs one of the following packages enabled: KJV, NIV, NASB, NKJV, TLB, or AMP</source>
        <translation>Para abrir el versículo de hoy en su concordancia, Selwarth necesita que esté activado uno de estos paquetes: KJV, NIV, NASB, NKJV, TLB o AMP</translation>
    </message>
    <message>
        <source>First, you must enable the &quot;Through the Bible&quot; package.</source>
        <translation>Primero debe activar el paquete «Through the Bible».</translation>
    </message>
    <message>
        <source>The reading could not be marked.
%1</source>
        <translation>No se pudo marcar la lectura.
%1</translation>
    </message>
    <message>
        <source>The reading plan will start on %1 %2, so that the first day you have not read is today&apos;s reading.
Move the start date?</source>
        <translation>El plan de lectura empezará el %2 de %1, de modo que el primer día que no ha leído sea la lectura de hoy.
¿Desea cambiar la fecha de inicio?</translation>
    </message>
    <message>
        <source>Catch Up Reading Plan</source>
        <translation>Recuperar el plan de lectura</translation>
    </message>
    <message>
        <source>Every day of the reading plan is marked as read.
Clear the marks and start over?</source>
        <translation>Todos los días del plan de lectura están marcados como leídos.
¿Desea borrar las marcas y empezar de nuevo?</translation>
    </message>
    <message>
        <source>Start Over Reading Plan</source>
        <translation>Empezar de nuevo el plan de lectura</translation>
    </message>
    <message>
        <source>The marks could not be cleared.
%1</source>
        <translation>No se pudieron borrar las marcas.
%1</translation>
    </message>
    <message>
        <source>Xiphos has no Bible to show. Please install one, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>Xiphos no tiene ninguna Biblia que mostrar. Instale una, por ejemplo el paquete «sword-text-kjv».</translation>
    </message>
    <message>
        <source>Xiphos Error</source>
        <translation>Error de Xiphos</translation>
    </message>
    <message>
        <source>Xiphos did not answer in time. Please check it for any errors.</source>
        <translation>Xiphos no respondió a tiempo. Compruebe si muestra algún error.</translation>
    </message>
    <message>
        <source>Xiphos ended before it could show the passage.</source>
        <translation>Xiphos se cerró antes de poder mostrar el pasaje.</translation>
    </message>
    <message>
        <source>Xiphos is not installed. Please install the package &quot;xiphos&quot; and a Bible for it, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>Xiphos no está instalado. Instale el paquete «xiphos» y una Biblia para él, por ejemplo el paquete «sword-text-kjv».</translation>
    </message>
    <message>
        <source>Xiphos cannot be reached: this desktop has no session bus.</source>
        <translation>No se puede contactar con Xiphos: este escritorio no tiene bus de sesión.</translation>
    </message>
    <message>
        <source>Xiphos Not Installed</source>
        <translation>Xiphos no está instalado</translation>
    </message>
    <message>
        <source>Unable to start Xiphos: %1</source>
        <translation>No se pudo iniciar Xiphos: %1</translation>
    </message>
    <message>
        <source>The DDE Id &quot;%1&quot; holds a &apos;/&apos;. A DDE Id is the name of a program alone, without a folder.</source>
        <translation>El ID de DDE «%1» contiene una «/». Un ID de DDE es solo el nombre de un programa, sin carpeta.</translation>
    </message>
    <message>
        <source>%1 Please choose the concordance again in the Data Exchange Settings dialog.</source>
        <translation>%1 Elija de nuevo la concordancia en el diálogo de configuración del intercambio de datos.</translation>
    </message>
    <message>
        <source>Selwarth cannot keep the Bible &quot;%1&quot;: its name is longer than %2 characters, and it has no shorter abbreviation of its own. Please choose another.</source>
        <translation>Selwarth no puede guardar la Biblia «%1»: su nombre tiene más de %2 caracteres y no tiene una abreviatura más corta propia. Elija otra.</translation>
    </message>
    <message>
        <source>Xiphos gave an answer too large to read. Please check it for any errors.</source>
        <translation>Xiphos dio una respuesta demasiado grande para leerla. Compruebe si muestra algún error.</translation>
    </message>
    <message>
        <source>Xiphos shows the passage in its own window. This desktop does not let Selwarth bring that window to the front.</source>
        <translation>Xiphos muestra el pasaje en su propia ventana. Este escritorio no permite que Selwarth traiga esa ventana al frente.</translation>
    </message>
    <message>
        <source>Xiphos</source>
        <translation>Xiphos</translation>
    </message>
    <message>
        <source>The readings could not be marked.
%1</source>
        <translation>No se pudieron marcar las lecturas.
%1</translation>
    </message>
    <message>
        <source>Please enter the time of day as HH:MM, such as 07:30.</source>
        <translation>Escriba la hora del día como HH:MM, por ejemplo 07:30.</translation>
    </message>
    <message>
        <source>The reminder could not be set.
%1</source>
        <translation>No se pudo fijar el recordatorio.
%1</translation>
    </message>
    <message>
        <source>No Bible of the SWORD library is installed. Please install one, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>No hay ninguna Biblia de la biblioteca SWORD instalada. Instale una, por ejemplo el paquete &quot;sword-text-kjv&quot;.</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Biblia</translation>
    </message>
    <message>
        <source>Please select the Bible to read the passages in.</source>
        <translation>Seleccione la Biblia en la que leer los pasajes.</translation>
    </message>
    <message>
        <source>Selwarth cannot keep the Bible &quot;%1&quot;: its name is longer than %2 characters.</source>
        <translation>Selwarth no puede guardar la Biblia &quot;%1&quot;: su nombre tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The Bible could not be saved.
%1
It will be used until you exit.</source>
        <translation>No se pudo guardar la Biblia.
%1
Se usará hasta que salga del programa.</translation>
    </message>
    <message>
        <source>The devotional %1 could not be turned off: the settings file could not be written.
%2</source>
        <translation>No se pudo desactivar el devocional %1: no se pudo escribir el archivo de configuración.
%2</translation>
    </message>
    <message>
        <source>The devotional %1 could not be turned on: the settings file could not be written.
%2</source>
        <translation>No se pudo activar el devocional %1: no se pudo escribir el archivo de configuración.
%2</translation>
    </message>
</context>
<context>
    <name>PACKAGESETTINGS</name>
    <message>
        <source>Default font: %1</source>
        <translation>Fuente predeterminada: %1</translation>
    </message>
    <message>
        <source>Package Settings</source>
        <translation>Configuración de paquetes</translation>
    </message>
    <message>
        <source>Enabled:</source>
        <translation>Activados:</translation>
    </message>
    <message>
        <source>Disabled:</source>
        <translation>Desactivados:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>On&amp;/Off</source>
        <translation>Activar&amp;/desactivar</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>A&amp;signar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Default font: System 10</source>
        <translation>Fuente predeterminada: System 10</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Fijar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Quitar</translation>
    </message>
</context>
<context>
    <name>PROGRAMSETTINGS</name>
    <message>
        <source>Program Settings</source>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>&amp;Incremental</source>
        <translation>&amp;Incremental</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Al a&amp;zar</translation>
    </message>
    <message>
        <source>&amp;Justify Text</source>
        <translation>&amp;Justificar texto</translation>
    </message>
    <message>
        <source>&amp;Blank Lines</source>
        <translation>&amp;Líneas en blanco</translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation>Guardar en a&amp;rchivo</translation>
    </message>
    <message>
        <source>&amp;Every Startup</source>
        <translation>En cada i&amp;nicio</translation>
    </message>
    <message>
        <source>&amp;Update Daily</source>
        <translation>Act&amp;ualizar a diario</translation>
    </message>
    <message>
        <source>&amp;Topmost</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>Screen Sa&amp;ver...</source>
        <translation>&amp;Salvapantallas...</translation>
    </message>
    <message>
        <source>Quote Method:</source>
        <translation>Método de selección:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Plan complete: all %1 days read</source>
        <translation>Plan completado: ha leído los %1 días</translation>
    </message>
    <message>
        <source>Start Over is on the Settings menu</source>
        <translation>«Empezar de nuevo el plan de lectura» está en el menú Configuración</translation>
    </message>
    <message>
        <source>Day %1 of %2</source>
        <translation>Día %1 de %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>leídos: %1</translation>
    </message>
    <message>
        <source>all caught up</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>pendientes: %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>ddd MMM d, yyyy</source>
        <comment>the date in the menu bar and title</comment>
        <translation>ddd d MMM yyyy</translation>
    </message>
    <message>
        <source>selwarth: unrecognized argument &apos;%1&apos;
Try &apos;selwarth --help&apos; for the options.
</source>
        <translation>selwarth: argumento no reconocido «%1»
Escriba «selwarth --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>%1: cannot open a window: no display could be reached (is DISPLAY or WAYLAND_DISPLAY set?)</source>
        <translation>%1: no se puede abrir una ventana: no se ha podido contactar con ninguna pantalla (¿está definida DISPLAY o WAYLAND_DISPLAY?)</translation>
    </message>
    <message>
        <source>%1: the session bus does not answer; going on without it (no screen reader, no Xiphos)</source>
        <translation>%1: el bus de sesión no responde; se continúa sin él (sin lector de pantalla ni Xiphos)</translation>
    </message>
    <message>
        <source>Usage: selwarth [--autostart] [Qt options]

Shows the day&apos;s entry of every enabled package in the working folder
(the launcher selwarth starts it in ~/.local/share/selwarth).

  --autostart   this is the start at log-in: with Every Startup off, the
                window stays closed when it was already shown today
  --first-start  the launcher&apos;s first start in a new data folder: unless
                set already, the default font becomes the desktop&apos;s serif
                at its text size, and the window two thirds of the screen
  --check-display  only see whether a window can be opened: exit 0 when
                a display answers, else say so and exit 1
  --remind      show today&apos;s reminder as a desktop notification, without
                the window (the reminder&apos;s timer runs it; see
                selwarth-remind)
  --help        show this text
  --version     show the version

Qt&apos;s own options, such as -platform and -style, are accepted; any other
word is an error (exit status 2).
</source>
        <translation>Uso: selwarth [--autostart] [opciones de Qt]

Muestra la entrada del día de cada paquete activado de la carpeta de trabajo
(el lanzador selwarth lo inicia en ~/.local/share/selwarth).

  --autostart   es el inicio al entrar en la sesión: con «En cada inicio»
                desactivado, la ventana no se abre si ya se mostró hoy
  --first-start  el primer inicio del lanzador en una carpeta de datos nueva:
                si aún no están fijadas, la fuente predeterminada pasa a ser
                la serif del escritorio a su tamaño de texto, y la ventana
                ocupa dos tercios de la pantalla
  --check-display  solo comprueba si se puede abrir una ventana: sale con 0
                si responde una pantalla; si no, lo dice y sale con 1
  --remind      muestra el recordatorio de hoy como notificación del
                escritorio, sin ventana (lo inicia el temporizador del
                recordatorio; véase selwarth-remind)
  --help        muestra este texto
  --version     muestra la versión

Se aceptan las opciones propias de Qt, como -platform y -style; cualquier
otra palabra es un error (estado de salida 2).
</translation>
    </message>
</context>
<context>
    <name>READPASSAGES</name>
    <message>
        <source>No Bible of the SWORD library is installed.</source>
        <translation>No hay ninguna Biblia de la biblioteca SWORD instalada.</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Daily Verse</source>
        <translation>Versículo del día</translation>
    </message>
    <message>
        <source>Proverb</source>
        <translation>Proverbio</translation>
    </message>
    <message>
        <source>%1 cannot be read: the %2 has no such book.</source>
        <translation>No se puede leer %1: la Biblia %2 no tiene ese libro.</translation>
    </message>
    <message>
        <source>%1 cannot be read: in the %2, %3 has %4 chapters.</source>
        <translation>No se puede leer %1: en la Biblia %2, %3 tiene %4 capítulos.</translation>
    </message>
    <message>
        <source>%1 cannot be read: in the %2, %3 %4 has %5 verses.</source>
        <translation>No se puede leer %1: en la Biblia %2, %3 %4 tiene %5 versículos.</translation>
    </message>
    <message>
        <source>The %1 has no text for %2.</source>
        <translation>La Biblia %1 no tiene texto para %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Only the first %1 verses of %2 are shown.</source>
        <translation>Solo se muestran los primeros %1 versículos de %2.</translation>
    </message>
    <message>
        <source>None of the day&apos;s packages names a passage to read.</source>
        <translation>Ninguno de los paquetes del día indica un pasaje para leer.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a passage of the Bible.</source>
        <translation>No se puede leer %1 como pasaje de la Biblia.</translation>
    </message>
    <message>
        <source>Passages of the Day - %1</source>
        <translation>Pasajes del día - %1</translation>
    </message>
    <message>
        <source>Passages of the Day</source>
        <translation>Pasajes del día</translation>
    </message>
    <message>
        <source>Passages</source>
        <translation>Pasajes</translation>
    </message>
</context>
<context>
    <name>REFERENCE</name>
    <message>
        <source>Selwarth Reference</source>
        <translation>Referencias de Selwarth</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Reference files</source>
        <translation>Archivos de referencia</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>REMINDER</name>
    <message>
        <source>Daily Reminder</source>
        <translation>Recordatorio diario</translation>
    </message>
    <message>
        <source>&amp;Remind me each day at</source>
        <translation>&amp;Recordarme cada día a las</translation>
    </message>
    <message>
        <source>Time of the reminder</source>
        <translation>Hora del recordatorio</translation>
    </message>
    <message>
        <source>(HH:MM, such as 07:30)</source>
        <translation>(HH:MM, por ejemplo 07:30)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>usage: selwarth-remind on HH:MM|off|status</source>
        <translation>uso: selwarth-remind on HH:MM|off|status</translation>
    </message>
    <message>
        <source>Selwarth reminds you each day at %1.</source>
        <translation>Selwarth le recordará cada día a las %1.</translation>
    </message>
    <message>
        <source>The reminder at %1 is written, but no systemd user manager runs here. Once one does (as when you log in), run:
%2</source>
        <translation>El recordatorio de las %1 está escrito, pero aquí no se ejecuta ningún gestor de usuario de systemd. Cuando haya uno (por ejemplo al entrar en la sesión), ejecute:
%2</translation>
    </message>
    <message>
        <source>Selwarth no longer reminds you.</source>
        <translation>Selwarth ya no le recordará.</translation>
    </message>
    <message>
        <source>The reminder is removed. To stop the timer that still runs, run:
%1</source>
        <translation>El recordatorio está quitado. Para detener el temporizador que aún funciona, ejecute:
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time of day (HH:MM, such as 07:30)</source>
        <translation>«%1» no es una hora del día (HH:MM, por ejemplo 07:30)</translation>
    </message>
    <message>
        <source>Today&apos;s verse</source>
        <translation>Versículo de hoy</translation>
    </message>
    <message>
        <source>Today&apos;s reading: day %1 of %2</source>
        <translation>Lectura de hoy: día %1 de %2</translation>
    </message>
    <message>
        <source>there is no session bus to show the reminder on</source>
        <translation>no hay bus de sesión en el que mostrar el recordatorio</translation>
    </message>
    <message>
        <source>no notification server runs to show the reminder</source>
        <translation>no hay ningún servidor de notificaciones que muestre el recordatorio</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Mark as Read</source>
        <translation>Marcar como leída</translation>
    </message>
    <message>
        <source>the reminder could not be shown: %1</source>
        <translation>no se pudo mostrar el recordatorio: %1</translation>
    </message>
    <message>
        <source>could not start %1</source>
        <translation>no se pudo iniciar %1</translation>
    </message>
    <message>
        <source>the reading could not be marked: %1</source>
        <translation>no se pudo marcar la lectura: %1</translation>
    </message>
</context>
<context>
    <name>SCREENSAVER</name>
    <message>
        <source>ScreenSaver</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Packages:</source>
        <translation>Paquetes:</translation>
    </message>
    <message>
        <source>Select the package you want</source>
        <translation>Elija el paquete que desea</translation>
    </message>
    <message>
        <source>loaded into the screensaver.</source>
        <translation>cargar en el salvapantallas.</translation>
    </message>
</context>
<context>
    <name>STARTDATE</name>
    <message>
        <source>Plan Start Date</source>
        <translation>Fecha de inicio del plan</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
