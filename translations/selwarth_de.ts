<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ABOUTPACKAGES</name>
    <message>
        <source>No Selwarth packages were found in the current directory.</source>
        <translation>Im aktuellen Verzeichnis wurden keine Selwarth-Pakete gefunden.</translation>
    </message>
    <message>
        <source>About Packages</source>
        <translation>Über die Pakete</translation>
    </message>
    <message>
        <source>Packages:</source>
        <translation>Pakete:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ABOUTSELWARTH</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>für Linux</translation>
    </message>
    <message>
        <source>About Selwarth for Linux</source>
        <translation>Über Selwarth für Linux</translation>
    </message>
    <message>
        <source>Selwarth Daily Scripture Calendar</source>
        <translation>Selwarth, der tägliche Bibelkalender</translation>
    </message>
    <message>
        <source>A verse, a reading and a question</source>
        <translation>Ein Vers, eine Lesung und eine Frage</translation>
    </message>
    <message>
        <source>for every day of the year.</source>
        <translation>für jeden Tag des Jahres.</translation>
    </message>
    <message>
        <source>Free software for the Linux desktop;</source>
        <translation>Freie Software für den Linux-Desktop;</translation>
    </message>
    <message>
        <source>packages are built with qxp.</source>
        <translation>Pakete werden mit qxp erstellt.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>BIBLE</name>
    <message>
        <source>Bible</source>
        <translation>Bibel</translation>
    </message>
    <message>
        <source>&amp;Read the passages in:</source>
        <translation>&amp;Die Passagen lesen in:</translation>
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
    <name>CALENDAR</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2. %3</translation>
    </message>
    <message>
        <source>Calendar     </source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, read</source>
        <translation>%1, gelesen</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, heute</translation>
    </message>
</context>
<context>
    <name>DDESETTINGS</name>
    <message>
        <source>Dynamic Data Exchange Settings</source>
        <translation>Einstellungen für den dynamischen Datenaustausch</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <translation>An&amp;derer</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keiner</translation>
    </message>
    <message>
        <source>Concordance:</source>
        <translation>Konkordanz:</translation>
    </message>
    <message>
        <source>Translation:</source>
        <translation>Übersetzung:</translation>
    </message>
    <message>
        <source>DDE ID:</source>
        <translation>DDE-ID:</translation>
    </message>
    <message>
        <source>Enter name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>&amp;Xiphos</source>
        <translation>&amp;Xiphos</translation>
    </message>
    <message>
        <source>Xiphos (no session bus)</source>
        <translation>Xiphos (kein D-Bus)</translation>
    </message>
    <message>
        <source>Xiphos (running)</source>
        <translation>Xiphos (läuft)</translation>
    </message>
    <message>
        <source>Xiphos (not running)</source>
        <translation>Xiphos (läuft nicht)</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>could not copy the sample %1 into %2</source>
        <translation>konnte das Beispiel %1 nicht nach %2 kopieren</translation>
    </message>
    <message>
        <source>could not note the sample %1 in %2</source>
        <translation>konnte das Beispiel %1 nicht in %2 vermerken</translation>
    </message>
    <message>
        <source>%1 stays locked; going on without the lock</source>
        <translation>%1 bleibt gesperrt; es geht ohne die Sperre weiter</translation>
    </message>
    <message>
        <source>cannot write %1; no samples copied</source>
        <translation>%1 kann nicht geschrieben werden; keine Beispiele kopiert</translation>
    </message>
    <message>
        <source>cannot use the data folder %1</source>
        <translation>der Datenordner %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>usage: selwarth-autostart on|off|status</source>
        <translation>Aufruf: selwarth-autostart on|off|status</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Selwarth starts when you log in (%1).</source>
        <translation>Selwarth startet, wenn Sie sich anmelden (%1).</translation>
    </message>
    <message>
        <source>Selwarth no longer starts when you log in.</source>
        <translation>Selwarth startet nicht mehr, wenn Sie sich anmelden.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Packages...</source>
        <translation>&amp;Pakete...</translation>
    </message>
    <message>
        <source>Pro&amp;gram...</source>
        <translation>Pro&amp;gramm...</translation>
    </message>
    <message>
        <source>&amp;Start Date...</source>
        <translation>&amp;Startdatum...</translation>
    </message>
    <message>
        <source>&amp;DDE...</source>
        <translation>&amp;DDE...</translation>
    </message>
    <message>
        <source>Day &amp;Backward</source>
        <translation>Tag &amp;zurück</translation>
    </message>
    <message>
        <source>Day &amp;Forward</source>
        <translation>Tag &amp;vor</translation>
    </message>
    <message>
        <source>Day &amp;Reset</source>
        <translation>Zurück zu &amp;heute</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;References...</source>
        <translation>&amp;Referenzen...</translation>
    </message>
    <message>
        <source>&amp;Show Answers</source>
        <translation>&amp;Antworten zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Menus</source>
        <translation>&amp;Menüs ausblenden</translation>
    </message>
    <message>
        <source>&amp;Copy Text</source>
        <translation>Text &amp;kopieren</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Verknüpfungen</translation>
    </message>
    <message>
        <source>&amp;Morning Bible Reading</source>
        <translation>&amp;Morgenlesung</translation>
    </message>
    <message>
        <source>&amp;Evening Bible Reading</source>
        <translation>&amp;Abendlesung</translation>
    </message>
    <message>
        <source>Bible &amp;Quiz Reference</source>
        <translation>Bibelstelle zum &amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;Daily Verse</source>
        <translation>&amp;Tagesvers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About &amp;Packages...</source>
        <translation>Über die &amp;Pakete...</translation>
    </message>
    <message>
        <source>About &amp;Selwarth...</source>
        <translation>Über &amp;Selwarth...</translation>
    </message>
    <message>
        <source>Catch &amp;Up Reading Plan</source>
        <translation>Leseplan &amp;aufholen</translation>
    </message>
    <message>
        <source>Start &amp;Over Reading Plan</source>
        <translation>Leseplan von vorn &amp;beginnen</translation>
    </message>
    <message>
        <source>&amp;Mark Reading as Read</source>
        <translation>Lesung a&amp;bhaken</translation>
    </message>
    <message>
        <source>C&amp;alendar...</source>
        <translation>Kal&amp;ender...</translation>
    </message>
    <message>
        <source>Mark &amp;Earlier Days as Read</source>
        <translation>Frühere &amp;Tage abhaken</translation>
    </message>
    <message>
        <source>Re&amp;minder...</source>
        <translation>&amp;Erinnerung...</translation>
    </message>
    <message>
        <source>B&amp;ible...</source>
        <translation>B&amp;ibel...</translation>
    </message>
    <message>
        <source>&amp;Read Passages</source>
        <translation>Passagen &amp;lesen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The daily text could not be saved to %1: %2.</source>
        <translation>Der Tagestext konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The screen saver text could not be saved: %1.</source>
        <translation>Der Text des Bildschirmschoners konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The readable fonts for the packages could not be saved.
%1
The packages are shown in the default font.</source>
        <translation>Die gut lesbaren Schriften der Pakete konnten nicht gespeichert werden.
%1
Die Pakete werden in der Standardschrift angezeigt.</translation>
    </message>
    <message>
        <source>Unable to Comply</source>
        <translation>Nicht möglich</translation>
    </message>
    <message>
        <source>Selwarth will not be able to update automatically each day.</source>
        <translation>Selwarth kann sich nicht automatisch jeden Tag aktualisieren.</translation>
    </message>
    <message>
        <source>No Windows Timers Available</source>
        <translation>Keine Zeitgeber verfügbar</translation>
    </message>
    <message>
        <source>The settings could not be read: %1.
The defaults are used, and changes will not be saved.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden: %1.
Es gelten die Voreinstellungen, und Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The zoom could not be saved.
%1
It will be used until you exit.</source>
        <translation>Der Zoom konnte nicht gespeichert werden.
%1
Er gilt, bis Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>No package files were found in the current directory.</source>
        <translation>Im aktuellen Verzeichnis wurden keine Paketdateien gefunden.</translation>
    </message>
    <message>
        <source>Uh oh...</source>
        <translation>Oje...</translation>
    </message>
    <message>
        <source>DDE Initialization failed.</source>
        <translation>DDE konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to link with server.</source>
        <translation>Keine Verbindung zum Server möglich.</translation>
    </message>
    <message>
        <source>DDE Error</source>
        <translation>DDE-Fehler</translation>
    </message>
    <message>
        <source>The server is not responding. Please check it for any errors.</source>
        <translation>Der Server antwortet nicht. Bitte prüfen Sie ihn auf Fehler.</translation>
    </message>
    <message>
        <source>The server took too long to name its translations; only those it named in time are listed.</source>
        <translation>Der Server hat zu lange gebraucht, um seine Übersetzungen zu nennen; aufgeführt sind nur die rechtzeitig genannten.</translation>
    </message>
    <message>
        <source>First select a concordance to connect to.</source>
        <translation>Wählen Sie zuerst die Konkordanz, mit der verbunden werden soll.</translation>
    </message>
    <message>
        <source>Oops...</source>
        <translation>Hoppla...</translation>
    </message>
    <message>
        <source>Please enter the server&apos;s name in the &apos;DDE Id&apos; box first.</source>
        <translation>Bitte geben Sie zuerst den Namen des Servers in das Feld „DDE-ID“ ein.</translation>
    </message>
    <message>
        <source>Sorry, this program does not appear to be fully QuickVerse compatible.</source>
        <translation>Leider scheint dieses Programm nicht vollständig mit QuickVerse kompatibel zu sein.</translation>
    </message>
    <message>
        <source>DDE not available</source>
        <translation>DDE nicht verfügbar</translation>
    </message>
    <message>
        <source>To select a Bible concordance server, first make sure it is currently running or that its program is in a folder on your PATH. If your program is listed, select the appropriate button; Xiphos is among them, and the Bibles installed for it are listed whether or not it is running. If it isn&apos;t listed, but is QuickVerse compatible, select &quot;Other&quot;, enter its DDE Id (the name of its program) and choose &quot;Retry&quot;. When the concordance is successfully contacted, all loaded Bible translations will be listed. Select one and then choose the &quot;OK&quot; button.</source>
        <translation>Um einen Server für die Bibelkonkordanz zu wählen, vergewissern Sie sich zuerst, dass er läuft oder sein Programm in einem Ordner des PATH liegt. Steht Ihr Programm in der Liste, wählen Sie die passende Schaltfläche; Xiphos gehört dazu, und die dafür installierten Bibeln werden aufgeführt, ob es läuft oder nicht. Steht es nicht darin, ist es aber mit QuickVerse kompatibel, wählen Sie „Anderer“, geben seine DDE-ID ein (den Namen seines Programms) und wählen „Wiederholen“. Sobald die Konkordanz erreicht ist, werden alle geladenen Bibelübersetzungen aufgeführt. Wählen Sie eine aus und dann die Schaltfläche „OK“.</translation>
    </message>
    <message>
        <source>Selecting a DDE Server</source>
        <translation>Einen DDE-Server wählen</translation>
    </message>
    <message>
        <source>Please select the Bible translation you would like to use.</source>
        <translation>Bitte wählen Sie die Bibelübersetzung, die Sie verwenden möchten.</translation>
    </message>
    <message>
        <source>Unable to accept settings</source>
        <translation>Einstellungen können nicht übernommen werden</translation>
    </message>
    <message>
        <source>Unable to link with server. Please check your current settings in the DDE Settings dialog and make sure that your concordance is running.</source>
        <translation>Keine Verbindung zum Server möglich. Bitte prüfen Sie die aktuellen Einstellungen im Dialog „DDE-Einstellungen“ und vergewissern Sie sich, dass Ihre Konkordanz läuft.</translation>
    </message>
    <message>
        <source>Unable to link with server. Please check your current settings in the DDE Settings dialog.</source>
        <translation>Keine Verbindung zum Server möglich. Bitte prüfen Sie die aktuellen Einstellungen im Dialog „DDE-Einstellungen“.</translation>
    </message>
    <message>
        <source>Please select a concordance server and Bible translation first. This may be done in the Data Exchange Settings dialog.</source>
        <translation>Bitte wählen Sie zuerst einen Konkordanzserver und eine Bibelübersetzung. Das geht im Dialog „Einstellungen für den Datenaustausch“.</translation>
    </message>
    <message>
        <source>DDE Not Set Up</source>
        <translation>DDE nicht eingerichtet</translation>
    </message>
    <message>
        <source>Unable to parse Scripture reference.</source>
        <translation>Die Bibelstelle konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Unknown Format</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <source>First highlight a package to turn on or off.</source>
        <translation>Markieren Sie zuerst ein Paket, das ein- oder ausgeschaltet werden soll.</translation>
    </message>
    <message>
        <source>The name of the package &quot;%1&quot; is too long to switch it on or off. Rename the file to a name of at most %2 characters first.</source>
        <translation>Der Name des Pakets „%1“ ist zu lang, um es ein- oder auszuschalten. Benennen Sie die Datei zuerst in einen Namen mit höchstens %2 Zeichen um.</translation>
    </message>
    <message>
        <source>The package &quot;%1&quot; could not be renamed to &quot;%2&quot;: %3.</source>
        <translation>Das Paket „%1“ konnte nicht in „%2“ umbenannt werden: %3.</translation>
    </message>
    <message>
        <source>First choose a Package, Font, and Size.</source>
        <translation>Wählen Sie zuerst ein Paket, eine Schrift und eine Größe.</translation>
    </message>
    <message>
        <source>The font for %1 could not be saved.
%2</source>
        <translation>Die Schrift für %1 konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>First choose a Font and Size.</source>
        <translation>Wählen Sie zuerst eine Schrift und eine Größe.</translation>
    </message>
    <message>
        <source>The default font could not be saved.
%1</source>
        <translation>Die Standardschrift konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Highlight packages and then click [On/Off] to enable or disable them. Once a package is enabled, you may highlight it, choose a font and size, and click [Assign Font]. Packages without a font of their own are shown in the default font: choose a font and size and click [Set], or [Clear] for System 10.</source>
        <translation>Markieren Sie Pakete und klicken Sie auf [Ein/Aus], um sie ein- oder auszuschalten. Ist ein Paket eingeschaltet, können Sie es markieren, eine Schrift und eine Größe wählen und auf [Zuweisen] klicken. Pakete ohne eigene Schrift erscheinen in der Standardschrift: Wählen Sie eine Schrift und eine Größe und klicken Sie auf [Festlegen], oder auf [Entfernen] für System 10.</translation>
    </message>
    <message>
        <source>Package Settings Help</source>
        <translation>Hilfe zu den Paketeinstellungen</translation>
    </message>
    <message>
        <source>Font settings were changed for %1. Do you want to go back and assign the new font before exiting?</source>
        <translation>Die Schrift für %1 wurde geändert. Möchten Sie zurückgehen und die neue Schrift zuweisen, bevor Sie den Dialog schließen?</translation>
    </message>
    <message>
        <source>PackageSettings</source>
        <translation>Paketeinstellungen</translation>
    </message>
    <message>
        <source>Settings could not be saved.
%1
Choose [OK] to use them until you exit, or [CANCEL] to undo them.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.
%1
Wählen Sie [OK], um sie bis zum Beenden zu verwenden, oder [ABBRECHEN], um sie rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Settings have been saved.</source>
        <translation>Die Einstellungen wurden gespeichert.</translation>
    </message>
    <message>
        <source>Select or deselect options as desired and then click the button of your choice.
[OK] will make the changes last until you exit.
[SAVE] will make the changes permanent.
[CANCEL] will undo any changes you have made.</source>
        <translation>Wählen Sie die gewünschten Optionen aus oder ab und klicken Sie dann auf die Schaltfläche Ihrer Wahl.
[OK] behält die Änderungen bis zum Beenden bei.
[SPEICHERN] macht die Änderungen dauerhaft.
[ABBRECHEN] macht alle Ihre Änderungen rückgängig.</translation>
    </message>
    <message>
        <source>Changing Program Settings</source>
        <translation>Programmeinstellungen ändern</translation>
    </message>
    <message>
        <source>First highlight a reference to show.</source>
        <translation>Markieren Sie zuerst die Referenz, die angezeigt werden soll.</translation>
    </message>
    <message>
        <source>The reference picture could not be read.</source>
        <translation>Das Referenzbild konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>First highlight a package to load into the screen saver, then choose [OK].</source>
        <translation>Markieren Sie zuerst das Paket, das der Bildschirmschoner laden soll, und wählen Sie dann [OK].</translation>
    </message>
    <message>
        <source>The package name &quot;%1&quot; is longer than %2 characters and cannot be used for the screen saver. Rename the package file to a shorter name and try again.</source>
        <translation>Der Paketname „%1“ ist länger als %2 Zeichen und kann nicht für den Bildschirmschoner verwendet werden. Geben Sie der Paketdatei einen kürzeren Namen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The screen saver package could not be saved.
%1
It will be used until you exit.</source>
        <translation>Das Paket für den Bildschirmschoner konnte nicht gespeichert werden.
%1
Es gilt, bis Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>Screen Saver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>In order for Selwarth to use the Windows &quot;Marquee&quot; screen saver, you will need to highlight one package that you would like loaded into it and then choose [OK].</source>
        <translation>Damit Selwarth den Windows-Bildschirmschoner „Marquee“ verwenden kann, markieren Sie das Paket, das er laden soll, und wählen Sie dann [OK].</translation>
    </message>
    <message>
        <source>Screen Saver Help</source>
        <translation>Hilfe zum Bildschirmschoner</translation>
    </message>
    <message>
        <source>That is an invalid date. Please try again.</source>
        <translation>Dieses Datum ist ungültig. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Oops... </source>
        <translation>Hoppla...</translation>
    </message>
    <message>
        <source>The start date could not be saved.
%1
It will be used until you exit.</source>
        <translation>Das Startdatum konnte nicht gespeichert werden.
%1
Es gilt, bis Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>Plan Start Date</source>
        <translation>Startdatum des Plans</translation>
    </message>
    <message>
        <source>Couldn&apos;t allocate enough memory.</source>
        <translation>Es konnte nicht genug Speicher reserviert werden.</translation>
    </message>
    <message>
        <source>Copy error</source>
        <translation>Fehler beim Kopieren</translation>
    </message>
    <message>
        <source>A critical DDE error has occured.</source>
        <translation>Ein schwerer DDE-Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Disconnected.</source>
        <translation>Verbindung getrennt.</translation>
    </message>
    <message>
        <source>The DDE Id &quot;%1&quot; is too long. Selwarth can keep a DDE Id of at most %2 characters.</source>
        <translation>Die DDE-ID „%1“ ist zu lang. Selwarth kann eine DDE-ID mit höchstens %2 Zeichen speichern.</translation>
    </message>
    <message>
        <source>The DDE settings could not be saved.
%1
They will be used until you exit.</source>
        <translation>Die DDE-Einstellungen konnten nicht gespeichert werden.
%1
Sie gelten, bis Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>Dynamic Data Exchange Settings</source>
        <translation>Einstellungen für den dynamischen Datenaustausch</translation>
    </message>
    <message>
        <source>Unable to go to %1.</source>
        <translation>%1 konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Unable to load the %1 translation. Please check your current settings in the DDE Settings dialog.</source>
        <translation>Die Übersetzung %1 konnte nicht geladen werden. Bitte prüfen Sie die aktuellen Einstellungen im Dialog „DDE-Einstellungen“.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs Logos 1.60 or higher.</source>
        <translation>Leider braucht Selwarth Logos 1.60 oder neuer.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs QuickVerse 1.0i or higher.</source>
        <translation>Leider braucht Selwarth QuickVerse 1.0i oder neuer.</translation>
    </message>
    <message>
        <source>Sorry, Selwarth needs SeedMaster 2.63 or higher.</source>
        <translation>Leider braucht Selwarth SeedMaster 2.63 oder neuer.</translation>
    </message>
    <message>
        <source>First, you must enable the &quot;Daily Bible Quiz&quot; package.</source>
        <translation>Zuerst müssen Sie das Paket „Daily Bible Quiz“ einschalten.</translation>
    </message>
    <message>
        <source>In order to pull up today&apos;s verse in your concordance, Selwarth needs one of the following packages enabled: KJV, NIV, NASB, NKJV, TLB, or AMP</source>
        <translation>Um den heutigen Vers in Ihrer Konkordanz aufzuschlagen, braucht Selwarth eines dieser Pakete eingeschaltet: KJV, NIV, NASB, NKJV, TLB oder AMP</translation>
    </message>
    <message>
        <source>First, you must enable the &quot;Through the Bible&quot; package.</source>
        <translation>Zuerst müssen Sie das Paket „Through the Bible“ einschalten.</translation>
    </message>
    <message>
        <source>The reading could not be marked.
%1</source>
        <translation>Die Lesung konnte nicht abgehakt werden.
%1</translation>
    </message>
    <message>
        <source>The reading plan will start on %1 %2, so that the first day you have not read is today&apos;s reading.
Move the start date?</source>
        <translation>Der Leseplan beginnt dann am %2. %1, sodass der erste Tag, den Sie noch nicht gelesen haben, die heutige Lesung ist.
Startdatum verschieben?</translation>
    </message>
    <message>
        <source>Catch Up Reading Plan</source>
        <translation>Leseplan aufholen</translation>
    </message>
    <message>
        <source>Every day of the reading plan is marked as read.
Clear the marks and start over?</source>
        <translation>Jeder Tag des Leseplans ist als gelesen abgehakt.
Häkchen entfernen und von vorn beginnen?</translation>
    </message>
    <message>
        <source>Start Over Reading Plan</source>
        <translation>Leseplan von vorn beginnen</translation>
    </message>
    <message>
        <source>The marks could not be cleared.
%1</source>
        <translation>Die Häkchen konnten nicht entfernt werden.
%1</translation>
    </message>
    <message>
        <source>Xiphos has no Bible to show. Please install one, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>Xiphos hat keine Bibel, die es anzeigen kann. Bitte installieren Sie eine, etwa das Paket „sword-text-kjv“.</translation>
    </message>
    <message>
        <source>Xiphos Error</source>
        <translation>Xiphos-Fehler</translation>
    </message>
    <message>
        <source>Xiphos did not answer in time. Please check it for any errors.</source>
        <translation>Xiphos hat nicht rechtzeitig geantwortet. Bitte prüfen Sie, ob Xiphos einen Fehler meldet.</translation>
    </message>
    <message>
        <source>Xiphos ended before it could show the passage.</source>
        <translation>Xiphos wurde beendet, bevor es die Stelle anzeigen konnte.</translation>
    </message>
    <message>
        <source>Xiphos is not installed. Please install the package &quot;xiphos&quot; and a Bible for it, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>Xiphos ist nicht installiert. Bitte installieren Sie das Paket „xiphos“ und eine Bibel dazu, etwa das Paket „sword-text-kjv“.</translation>
    </message>
    <message>
        <source>Xiphos cannot be reached: this desktop has no session bus.</source>
        <translation>Xiphos ist nicht erreichbar: Diese Arbeitsumgebung hat keinen Sitzungsbus.</translation>
    </message>
    <message>
        <source>Xiphos Not Installed</source>
        <translation>Xiphos nicht installiert</translation>
    </message>
    <message>
        <source>Unable to start Xiphos: %1</source>
        <translation>Xiphos konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The DDE Id &quot;%1&quot; holds a &apos;/&apos;. A DDE Id is the name of a program alone, without a folder.</source>
        <translation>Die DDE-ID „%1“ enthält einen „/“. Eine DDE-ID ist nur der Name eines Programms, ohne Ordner.</translation>
    </message>
    <message>
        <source>%1 Please choose the concordance again in the Data Exchange Settings dialog.</source>
        <translation>%1 Bitte wählen Sie die Konkordanz im Dialog „Einstellungen für den Datenaustausch“ erneut.</translation>
    </message>
    <message>
        <source>Selwarth cannot keep the Bible &quot;%1&quot;: its name is longer than %2 characters, and it has no shorter abbreviation of its own. Please choose another.</source>
        <translation>Selwarth kann die Bibel „%1“ nicht speichern: Ihr Name ist länger als %2 Zeichen, und sie hat keine kürzere Abkürzung für sich allein. Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Xiphos gave an answer too large to read. Please check it for any errors.</source>
        <translation>Xiphos hat eine zu große Antwort gegeben, um sie zu lesen. Bitte prüfen Sie, ob Xiphos einen Fehler meldet.</translation>
    </message>
    <message>
        <source>Xiphos shows the passage in its own window. This desktop does not let Selwarth bring that window to the front.</source>
        <translation>Xiphos zeigt die Stelle in seinem eigenen Fenster. Diese Arbeitsumgebung erlaubt Selwarth nicht, dieses Fenster nach vorn zu holen.</translation>
    </message>
    <message>
        <source>Xiphos</source>
        <translation>Xiphos</translation>
    </message>
    <message>
        <source>The readings could not be marked.
%1</source>
        <translation>Die Lesungen konnten nicht abgehakt werden.
%1</translation>
    </message>
    <message>
        <source>Please enter the time of day as HH:MM, such as 07:30.</source>
        <translation>Bitte geben Sie die Uhrzeit als HH:MM ein, etwa 07:30.</translation>
    </message>
    <message>
        <source>The reminder could not be set.
%1</source>
        <translation>Die Erinnerung konnte nicht eingerichtet werden.
%1</translation>
    </message>
    <message>
        <source>No Bible of the SWORD library is installed. Please install one, such as the package &quot;sword-text-kjv&quot;.</source>
        <translation>Es ist keine Bibel der SWORD-Bibliothek installiert. Bitte installieren Sie eine, etwa das Paket &quot;sword-text-kjv&quot;.</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Bibel</translation>
    </message>
    <message>
        <source>Please select the Bible to read the passages in.</source>
        <translation>Bitte wählen Sie die Bibel, in der die Passagen gelesen werden.</translation>
    </message>
    <message>
        <source>Selwarth cannot keep the Bible &quot;%1&quot;: its name is longer than %2 characters.</source>
        <translation>Selwarth kann die Bibel &quot;%1&quot; nicht speichern: Ihr Name ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The Bible could not be saved.
%1
It will be used until you exit.</source>
        <translation>Die Bibel konnte nicht gespeichert werden.
%1
Sie wird bis zum Beenden verwendet.</translation>
    </message>
    <message>
        <source>The devotional %1 could not be turned off: the settings file could not be written.
%2</source>
        <translation>Die Andacht %1 konnte nicht ausgeschaltet werden: Die Einstellungsdatei konnte nicht geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>The devotional %1 could not be turned on: the settings file could not be written.
%2</source>
        <translation>Die Andacht %1 konnte nicht eingeschaltet werden: Die Einstellungsdatei konnte nicht geschrieben werden.
%2</translation>
    </message>
</context>
<context>
    <name>PACKAGESETTINGS</name>
    <message>
        <source>Default font: %1</source>
        <translation>Standardschrift: %1</translation>
    </message>
    <message>
        <source>Package Settings</source>
        <translation>Paketeinstellungen</translation>
    </message>
    <message>
        <source>Enabled:</source>
        <translation>Aktiviert:</translation>
    </message>
    <message>
        <source>Disabled:</source>
        <translation>Deaktiviert:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>On&amp;/Off</source>
        <translation>Ein&amp;/Aus</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Zuweisen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Default font: System 10</source>
        <translation>Standardschrift: System 10</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Entfernen</translation>
    </message>
</context>
<context>
    <name>PROGRAMSETTINGS</name>
    <message>
        <source>Program Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Incremental</source>
        <translation>&amp;Fortlaufend</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Justify Text</source>
        <translation>&amp;Blocksatz</translation>
    </message>
    <message>
        <source>&amp;Blank Lines</source>
        <translation>&amp;Leerzeilen</translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation>In Datei s&amp;ichern</translation>
    </message>
    <message>
        <source>&amp;Every Startup</source>
        <translation>Bei &amp;jedem Start</translation>
    </message>
    <message>
        <source>&amp;Update Daily</source>
        <translation>&amp;Täglich aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Topmost</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Screen Sa&amp;ver...</source>
        <translation>Bildschir&amp;mschoner...</translation>
    </message>
    <message>
        <source>Quote Method:</source>
        <translation>Auswahlverfahren:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Plan complete: all %1 days read</source>
        <translation>Plan abgeschlossen: alle %1 Tage gelesen</translation>
    </message>
    <message>
        <source>Start Over is on the Settings menu</source>
        <translation>„Leseplan von vorn beginnen“ finden Sie im Menü „Einstellungen“</translation>
    </message>
    <message>
        <source>Day %1 of %2</source>
        <translation>Tag %1 von %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 gelesen</translation>
    </message>
    <message>
        <source>all caught up</source>
        <translation>nichts nachzuholen</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 im Rückstand</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>ddd MMM d, yyyy</source>
        <comment>the date in the menu bar and title</comment>
        <translation>ddd, d. MMM yyyy</translation>
    </message>
    <message>
        <source>selwarth: unrecognized argument &apos;%1&apos;
Try &apos;selwarth --help&apos; for the options.
</source>
        <translation>selwarth: unbekanntes Argument „%1“
„selwarth --help“ zeigt die möglichen Optionen.
</translation>
    </message>
    <message>
        <source>%1: cannot open a window: no display could be reached (is DISPLAY or WAYLAND_DISPLAY set?)</source>
        <translation>%1: Es kann kein Fenster geöffnet werden: Keine Anzeige ist erreichbar (ist DISPLAY oder WAYLAND_DISPLAY gesetzt?)</translation>
    </message>
    <message>
        <source>%1: the session bus does not answer; going on without it (no screen reader, no Xiphos)</source>
        <translation>%1: Der Sitzungsbus antwortet nicht; es geht ohne ihn weiter (kein Bildschirmleser, kein Xiphos)</translation>
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
        <translation>Aufruf: selwarth [--autostart] [Qt-Optionen]

Zeigt den Eintrag des Tages aus jedem eingeschalteten Paket im Arbeitsordner
(das Startprogramm selwarth startet es in ~/.local/share/selwarth).

  --autostart   dies ist der Start bei der Anmeldung: ist „Bei jedem Start“
                aus, bleibt das Fenster zu, wenn es heute schon gezeigt wurde
  --first-start  der erste Start des Startprogramms in einem neuen
                Datenordner: sofern noch nicht festgelegt, wird die Serifen-
                schrift des Desktops in dessen Textgröße zur Standardschrift
                und das Fenster zwei Drittel so groß wie der Bildschirm
  --check-display  nur prüfen, ob sich ein Fenster öffnen lässt: Ende mit 0,
                wenn ein Bildschirm antwortet, sonst Meldung und Ende mit 1
  --remind      die heutige Erinnerung als Desktop-Benachrichtigung zeigen,
                ohne Fenster (der Zeitgeber der Erinnerung startet es; siehe
                selwarth-remind)
  --help        diesen Text zeigen
  --version     die Version zeigen

Qts eigene Optionen wie -platform und -style werden angenommen; jedes andere
Wort ist ein Fehler (Rückgabewert 2).
</translation>
    </message>
</context>
<context>
    <name>READPASSAGES</name>
    <message>
        <source>No Bible of the SWORD library is installed.</source>
        <translation>Es ist keine Bibel der SWORD-Bibliothek installiert.</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Abend</translation>
    </message>
    <message>
        <source>Daily Verse</source>
        <translation>Tagesvers</translation>
    </message>
    <message>
        <source>Proverb</source>
        <translation>Sprichwort</translation>
    </message>
    <message>
        <source>%1 cannot be read: the %2 has no such book.</source>
        <translation>%1 kann nicht gelesen werden: Die Bibel %2 hat kein solches Buch.</translation>
    </message>
    <message>
        <source>%1 cannot be read: in the %2, %3 has %4 chapters.</source>
        <translation>%1 kann nicht gelesen werden: In der Bibel %2 hat %3 %4 Kapitel.</translation>
    </message>
    <message>
        <source>%1 cannot be read: in the %2, %3 %4 has %5 verses.</source>
        <translation>%1 kann nicht gelesen werden: In der Bibel %2 hat %3 %4 %5 Verse.</translation>
    </message>
    <message>
        <source>The %1 has no text for %2.</source>
        <translation>Die Bibel %1 hat keinen Text für %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Only the first %1 verses of %2 are shown.</source>
        <translation>Von %2 werden nur die ersten %1 Verse gezeigt.</translation>
    </message>
    <message>
        <source>None of the day&apos;s packages names a passage to read.</source>
        <translation>Keines der Pakete des Tages nennt eine Passage zum Lesen.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a passage of the Bible.</source>
        <translation>%1 kann nicht als Passage der Bibel gelesen werden.</translation>
    </message>
    <message>
        <source>Passages of the Day - %1</source>
        <translation>Passagen des Tages - %1</translation>
    </message>
    <message>
        <source>Passages of the Day</source>
        <translation>Passagen des Tages</translation>
    </message>
    <message>
        <source>Passages</source>
        <translation>Passagen</translation>
    </message>
</context>
<context>
    <name>REFERENCE</name>
    <message>
        <source>Selwarth Reference</source>
        <translation>Selwarth-Referenzen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Reference files</source>
        <translation>Referenzdateien</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>REMINDER</name>
    <message>
        <source>Daily Reminder</source>
        <translation>Tägliche Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Remind me each day at</source>
        <translation>&amp;Täglich erinnern um</translation>
    </message>
    <message>
        <source>Time of the reminder</source>
        <translation>Uhrzeit der Erinnerung</translation>
    </message>
    <message>
        <source>(HH:MM, such as 07:30)</source>
        <translation>(HH:MM, etwa 07:30)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>usage: selwarth-remind on HH:MM|off|status</source>
        <translation>Aufruf: selwarth-remind on HH:MM|off|status</translation>
    </message>
    <message>
        <source>Selwarth reminds you each day at %1.</source>
        <translation>Selwarth erinnert Sie jeden Tag um %1.</translation>
    </message>
    <message>
        <source>The reminder at %1 is written, but no systemd user manager runs here. Once one does (as when you log in), run:
%2</source>
        <translation>Die Erinnerung um %1 ist eingetragen, aber hier läuft kein systemd-Benutzerdienst. Sobald einer läuft (etwa nach der Anmeldung), führen Sie aus:
%2</translation>
    </message>
    <message>
        <source>Selwarth no longer reminds you.</source>
        <translation>Selwarth erinnert Sie nicht mehr.</translation>
    </message>
    <message>
        <source>The reminder is removed. To stop the timer that still runs, run:
%1</source>
        <translation>Die Erinnerung ist entfernt. Um den noch laufenden Zeitgeber anzuhalten, führen Sie aus:
%1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time of day (HH:MM, such as 07:30)</source>
        <translation>„%1“ ist keine Uhrzeit (HH:MM, etwa 07:30)</translation>
    </message>
    <message>
        <source>Today&apos;s verse</source>
        <translation>Heutiger Vers</translation>
    </message>
    <message>
        <source>Today&apos;s reading: day %1 of %2</source>
        <translation>Heutige Lesung: Tag %1 von %2</translation>
    </message>
    <message>
        <source>there is no session bus to show the reminder on</source>
        <translation>es gibt keinen Sitzungsbus, auf dem die Erinnerung erscheinen kann</translation>
    </message>
    <message>
        <source>no notification server runs to show the reminder</source>
        <translation>kein Benachrichtigungsdienst läuft, der die Erinnerung zeigen kann</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Mark as Read</source>
        <translation>Als gelesen abhaken</translation>
    </message>
    <message>
        <source>the reminder could not be shown: %1</source>
        <translation>die Erinnerung konnte nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>could not start %1</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the reading could not be marked: %1</source>
        <translation>die Lesung konnte nicht abgehakt werden: %1</translation>
    </message>
</context>
<context>
    <name>SCREENSAVER</name>
    <message>
        <source>ScreenSaver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Packages:</source>
        <translation>Pakete:</translation>
    </message>
    <message>
        <source>Select the package you want</source>
        <translation>Wählen Sie das Paket, das der</translation>
    </message>
    <message>
        <source>loaded into the screensaver.</source>
        <translation>Bildschirmschoner laden soll.</translation>
    </message>
</context>
<context>
    <name>STARTDATE</name>
    <message>
        <source>Plan Start Date</source>
        <translation>Startdatum des Plans</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
</TS>
