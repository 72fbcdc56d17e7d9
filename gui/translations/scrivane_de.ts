<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>Bible coverage</source>
        <translation>Bibel-Leseübersicht</translation>
    </message>
    <message>
        <source>Bible coverage map</source>
        <translation>Karte der Bibel-Leseübersicht</translation>
    </message>
    <message>
        <source>%1: %2 of %3 chapters read</source>
        <translation>%1: %2 von %3 Kapiteln gelesen</translation>
    </message>
    <message>
        <source>Verse note</source>
        <translation>Versnotiz</translation>
    </message>
    <message>
        <source>General notes</source>
        <translation>Allgemeine Notizen</translation>
    </message>
    <message>
        <source>How the plan was made</source>
        <translation>Wie der Plan erstellt wurde</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Not read, overdue</source>
        <translation>Nicht gelesen, überfällig</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>Reading plan</source>
        <translation>Leseplan</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Reading plan completed</source>
        <translation>Leseplan erledigt</translation>
    </message>
    <message>
        <source>Reading plan completed, percent</source>
        <translation>Leseplan erledigt, Prozent</translation>
    </message>
    <message>
        <source>Lifetime Bible reading</source>
        <translation>Bibellesen insgesamt</translation>
    </message>
    <message>
        <source>Lifetime Bible reading, percent</source>
        <translation>Bibellesen insgesamt, Prozent</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Kleinere Schrift</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Größere Schrift</translation>
    </message>
    <message>
        <source>Find in the passage</source>
        <translation>Im Abschnitt suchen</translation>
    </message>
    <message>
        <source>Passage text</source>
        <translation>Text des Abschnitts</translation>
    </message>
    <message>
        <source>Verse text</source>
        <translation>Text des Verses</translation>
    </message>
    <message>
        <source>Reading history</source>
        <translation>Leseverlauf</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Scrivane</source>
        <translation>Über Scrivane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Scrivane&lt;/b&gt;</source>
        <translation>&lt;b&gt;Scrivane&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
</context>
<context>
    <name>CBibleNoteChildFrame</name>
    <message>
        <source>Bible Notes for</source>
        <translation>Bibelnotizen zu</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
</context>
<context>
    <name>CCoverageFrame</name>
    <message>
        <source>Bible Coverage</source>
        <translation>Bibel-Leseübersicht</translation>
    </message>
</context>
<context>
    <name>CCoverageMap</name>
    <message>
        <source>In the plan, to read</source>
        <translation>Im Plan, noch zu lesen</translation>
    </message>
    <message>
        <source>Read in the plan</source>
        <translation>Im Plan gelesen</translation>
    </message>
    <message>
        <source>%1 of %2 verses (%3), %4 of %5 chapters read</source>
        <translation>%L1 von %L2 Versen (%3), %L4 von %L5 Kapiteln gelesen</translation>
    </message>
    <message>
        <source>Bible Coverage: %1</source>
        <translation>Bibel-Leseübersicht: %1</translation>
    </message>
    <message>
        <source>Old Testament: %1</source>
        <translation>Altes Testament: %1</translation>
    </message>
    <message>
        <source>New Testament: %1</source>
        <translation>Neues Testament: %1</translation>
    </message>
    <message>
        <source>How often each chapter of the Bible has been read. Click a chapter to enter it as read, or to read it in the passage window when that is open.</source>
        <translation>Wie oft jedes Kapitel der Bibel gelesen wurde. Klicken Sie auf ein Kapitel, um es als gelesen einzutragen oder es im Textfenster zu lesen, wenn dieses geöffnet ist.</translation>
    </message>
</context>
<context>
    <name>CDailyRhythm</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Finished Reading</source>
        <translation>Lesung &amp;abgeschlossen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Scrivane: no reader environment open</source>
        <translation>Scrivane: keine Leserumgebung geöffnet</translation>
    </message>
</context>
<context>
    <name>CEnterExtraReadingDialog</name>
    <message>
        <source>Scrivane - Enter Extra Reading</source>
        <translation>Scrivane - Zusätzliche Lesung eintragen</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Bibelstelle:</translation>
    </message>
    <message>
        <source>Ps 23, John 3:16-18</source>
        <translation>Ps 23, Joh 3,16-18</translation>
    </message>
    <message>
        <source>Starting At Verse:</source>
        <translation>Ab Vers:</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Ending At Verse</source>
        <translation>Bis Vers</translation>
    </message>
    <message>
        <source>Chan&amp;ge</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>Update lifetime reading history only</source>
        <translation>Nur den lebenslangen Leseverlauf aktualisieren</translation>
    </message>
    <message>
        <source>Update lifetime reading and current reading plan</source>
        <translation>Lebenslangen Leseverlauf und aktuellen Leseplan aktualisieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type a reference, such as Ps 23, or choose the verses with Change.</source>
        <translation>Geben Sie eine Bibelstelle ein, etwa Ps 23, oder wählen Sie die Verse mit Ändern.</translation>
    </message>
</context>
<context>
    <name>CFindReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur ganzes W&amp;ort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Aufwärts</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Abwär&amp;ts</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>A&amp;lle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CHelpService</name>
    <message>
        <source>Scrivane Help</source>
        <translation>Scrivane-Hilfe</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;h2 align=&quot;center&quot;&gt;Welcome to Scrivane&lt;/h2&gt;&lt;p&gt;Two steps, and you can start reading:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Choose &lt;b&gt;File &amp;gt; Open Reader Environment&lt;/b&gt;, then &lt;b&gt;New Reader&lt;/b&gt;, and give your name.&lt;/li&gt;&lt;li&gt;Choose &lt;b&gt;Reading Plan &amp;gt; New Plan from Gallery&lt;/b&gt; and pick a plan, such as &lt;i&gt;Bible in one year&lt;/i&gt;.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Today&apos;s reading then waits for you in the plan window.&lt;/p&gt;</source>
        <translation>&lt;h2 align=&quot;center&quot;&gt;Willkommen bei Scrivane&lt;/h2&gt;&lt;p&gt;Zwei Schritte, und Sie können mit dem Lesen beginnen:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wählen Sie &lt;b&gt;Datei &amp;gt; Leserumgebung öffnen&lt;/b&gt;, dann &lt;b&gt;Neuer Leser&lt;/b&gt;, und geben Sie Ihren Namen ein.&lt;/li&gt;&lt;li&gt;Wählen Sie &lt;b&gt;Leseplan &amp;gt; Neuer Plan aus der Galerie&lt;/b&gt; und suchen Sie sich einen Plan aus, etwa &lt;i&gt;Die Bibel in einem Jahr&lt;/i&gt;.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Die Lesung für heute wartet dann im Planfenster auf Sie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 &amp;wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CPassageView</name>
    <message>
        <source>(This verse is not in this translation.)</source>
        <translation>(Dieser Vers fehlt in dieser Übersetzung.)</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>Übe&amp;rsetzung:</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Verkleinern (Strg+-)</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Vergrößern (Strg++)</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Finished Rea&amp;ding</source>
        <translation>Lesung abge&amp;schlossen</translation>
    </message>
    <message>
        <source>&amp;Back to the Assignment</source>
        <translation>&amp;Zurück zur Tageslesung</translation>
    </message>
    <message>
        <source>E&amp;nter Reading</source>
        <translation>Lesung e&amp;intragen</translation>
    </message>
    <message>
        <source>Enter these verses as read</source>
        <translation>Diese Verse als gelesen eintragen</translation>
    </message>
    <message>
        <source>Choose a Plan from the &amp;Gallery...</source>
        <translation>Plan aus der &amp;Galerie wählen...</translation>
    </message>
    <message>
        <source>To begin, choose one of the ready plans, or make one with the template editor.</source>
        <translation>Wählen Sie zu Beginn einen der fertigen Pläne, oder erstellen Sie einen mit dem Vorlagen-Editor.</translation>
    </message>
    <message>
        <source>Reading the text…</source>
        <translation>Der Text wird gelesen …</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Bibeltext</translation>
    </message>
</context>
<context>
    <name>CPlanChildFrame</name>
    <message>
        <source>Reading Plan Completed</source>
        <translation>Leseplan erledigt</translation>
    </message>
    <message>
        <source>Lifetime Bible Reading</source>
        <translation>Lebenslange Bibellese</translation>
    </message>
    <message>
        <source>Verses of the Bible you have read outside the current plan and in earlier plans.
The current plan&apos;s first readings join it when the plan is reset or replaced by a new one.</source>
        <translation>Bibelverse, die Sie außerhalb des aktuellen Plans und in früheren Plänen gelesen haben.
Die Lesungen des aktuellen Plans kommen hinzu, wenn der Plan zurückgesetzt oder durch einen neuen ersetzt wird.</translation>
    </message>
    <message>
        <source>Synchronize Dates</source>
        <translation>Lesedaten abgleichen</translation>
    </message>
    <message>
        <source>Move the unfinished readings onto new dates from today</source>
        <translation>Die offenen Lesungen ab heute auf neue Tage verteilen</translation>
    </message>
</context>
<context>
    <name>CPlanGalleryDialog</name>
    <message>
        <source>Scrivane - New Plan from Gallery</source>
        <translation>Scrivane - Neuer Plan aus der Galerie</translation>
    </message>
    <message>
        <source>About this plan</source>
        <translation>Über diesen Plan</translation>
    </message>
    <message>
        <source>&amp;Start on:</source>
        <translation>&amp;Beginnen am:</translation>
    </message>
    <message>
        <source>&amp;Leave out the readings dated before today</source>
        <translation>&amp;Lesungen vor dem heutigen Tag auslassen</translation>
    </message>
    <message>
        <source>Ready plans</source>
        <translation>Fertige Pläne</translation>
    </message>
    <message>
        <source>Your own templates</source>
        <translation>Eigene Vorlagen</translation>
    </message>
    <message>
        <source>%1 - cannot be used</source>
        <translation>%1 - nicht verwendbar</translation>
    </message>
    <message>
        <source>No plan templates were found.</source>
        <translation>Es wurden keine Planvorlagen gefunden.</translation>
    </message>
    <message>
        <source>The first week from today, the readings dated before it left out:</source>
        <translation>Die erste Woche ab heute, ohne die Lesungen davor:</translation>
    </message>
    <message>
        <source>The first week, starting %1:</source>
        <translation>Die erste Woche, ab %1:</translation>
    </message>
    <message>
        <source>The first week, starting today:</source>
        <translation>Die erste Woche, ab heute:</translation>
    </message>
    <message>
        <source>No reading is left from today on.</source>
        <translation>Ab heute bleibt keine Lesung übrig.</translation>
    </message>
</context>
<context>
    <name>CPlanLoadProgressDialog</name>
    <message>
        <source>Loading Reading Plan From Template</source>
        <translation>Leseplan wird aus der Vorlage geladen</translation>
    </message>
</context>
<context>
    <name>CPlanPropertiesDialog</name>
    <message>
        <source>Reading Plan Properties</source>
        <translation>Eigenschaften des Leseplans</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CQtUiServices</name>
    <message>
        <source>From &amp;Gallery...</source>
        <translation>Aus der &amp;Galerie...</translation>
    </message>
</context>
<context>
    <name>CReaderDialog</name>
    <message>
        <source>Scrivane - New Reader Environment</source>
        <translation>Scrivane - Neue Leserumgebung</translation>
    </message>
    <message>
        <source>Scrivane - Edit Reader Environment</source>
        <translation>Scrivane - Leserumgebung bearbeiten</translation>
    </message>
    <message>
        <source>required</source>
        <translation>erforderlich</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>&amp;Nick Name</source>
        <translation>&amp;Rufname</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Vorname</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Nachname</translation>
    </message>
    <message>
        <source>Reader Options To Activate</source>
        <translation>Zu aktivierende Leseroptionen</translation>
    </message>
    <message>
        <source>Bible Reading Plan</source>
        <translation>Bibelleseplan</translation>
    </message>
    <message>
        <source>Bible Verse Notes</source>
        <translation>Notizen zu Bibelversen</translation>
    </message>
    <message>
        <source>General Notes</source>
        <translation>Allgemeine Notizen</translation>
    </message>
    <message>
        <source>Prayer Book</source>
        <translation>Gebetbuch</translation>
    </message>
    <message>
        <source>Default Bible Prefrence</source>
        <translation>Bevorzugte Bibel</translation>
    </message>
    <message>
        <source>Include Apocrypha</source>
        <translation>Apokryphen einschließen</translation>
    </message>
</context>
<context>
    <name>CReadingHistoryView</name>
    <message>
        <source>Reading History</source>
        <translation>Leseverlauf</translation>
    </message>
    <message>
        <source>verse</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>verses</source>
        <translation>Verse</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>Lesung</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>Lesungen</translation>
    </message>
    <message>
        <source>reading day</source>
        <translation>Lesetag</translation>
    </message>
    <message>
        <source>reading days</source>
        <translation>Lesetage</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Diesen Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Finished reading</source>
        <translation>Lesung erledigt</translation>
    </message>
    <message>
        <source>Marked read</source>
        <translation>Als gelesen markiert</translation>
    </message>
    <message>
        <source>Extra reading</source>
        <translation>Zusätzliche Lesung</translation>
    </message>
    <message>
        <source>Current streak: %1    Longest streak: %2</source>
        <translation>Aktuelle Serie: %1    Längste Serie: %2</translation>
    </message>
    <message>
        <source>Click a day to see what was read on it.</source>
        <translation>Klicken Sie auf einen Tag, um zu sehen, was an ihm gelesen wurde.</translation>
    </message>
    <message>
        <source>%1: nothing read</source>
        <translation>%1: nichts gelesen</translation>
    </message>
    <message>
        <source>Verses a day:</source>
        <translation>Verse pro Tag:</translation>
    </message>
    <message>
        <source>The days you read on in the last twelve months, shaded by the verses read, with your streaks and totals. Click a day to see what was read on it.</source>
        <translation>Die Tage, an denen Sie in den letzten zwölf Monaten gelesen haben, nach gelesenen Versen schattiert, mit Ihren Serien und Summen. Klicken Sie auf einen Tag, um zu sehen, was an ihm gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>CReadingPlanView</name>
    <message>
        <source>Your reading for the day. Double-click a reading to mark it read.</source>
        <translation>Ihre Lesung für den Tag. Doppelklicken Sie auf eine Lesung, um sie als gelesen zu markieren.</translation>
    </message>
    <message>
        <source>To begin, choose one of the ready plans, or make one with the template editor.</source>
        <translation>Wählen Sie zu Beginn einen der fertigen Pläne, oder erstellen Sie einen mit dem Vorlagen-Editor.</translation>
    </message>
    <message>
        <source>Choose a Plan from the &amp;Gallery...</source>
        <translation>Plan aus der &amp;Galerie wählen...</translation>
    </message>
    <message>
        <source>%1 is not in the current reading plan.</source>
        <translation>%1 ist nicht im aktuellen Leseplan.</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Remind me at</source>
        <translation>&amp;Erinnern um</translation>
    </message>
    <message>
        <source>on reading days</source>
        <translation>an Lesetagen</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop session</source>
        <translation>Mit der Desktop-&amp;Sitzung starten</translation>
    </message>
</context>
<context>
    <name>CSelectDateDialog</name>
    <message>
        <source>Scrivane - Select Date</source>
        <translation>Scrivane - Datum wählen</translation>
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
    <name>CSelectReaderDialog</name>
    <message>
        <source>Scrivane - Select Reader</source>
        <translation>Scrivane - Leser wählen</translation>
    </message>
    <message>
        <source>Select Reader</source>
        <translation>Leser wählen</translation>
    </message>
    <message>
        <source>&amp;New Reader</source>
        <translation>&amp;Neuer Leser</translation>
    </message>
    <message>
        <source>&amp;Edit Reader</source>
        <translation>Leser &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Reader</source>
        <translation>Leser &amp;löschen</translation>
    </message>
    <message>
        <source>Open this reader at &amp;start</source>
        <translation>Diesen Leser beim &amp;Start öffnen</translation>
    </message>
    <message>
        <source>The desktop&apos;s</source>
        <translation>Die des Desktops</translation>
    </message>
    <message>
        <source>&amp;Language (from the next start):</source>
        <translation>Sp&amp;rache (ab dem nächsten Start):</translation>
    </message>
</context>
<context>
    <name>CSelectVerseDialog</name>
    <message>
        <source>Scrivane - Select Verse</source>
        <translation>Scrivane - Vers wählen</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Vers</translation>
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
    <name>CTemplateEditorDialog</name>
    <message>
        <source>Scrivane - Bible Reading Plan Template Editor</source>
        <translation>Scrivane - Editor für Bibelleseplan-Vorlagen</translation>
    </message>
    <message>
        <source>Saves the template to a file of your choice and closes the editor.</source>
        <translation>Speichert die Vorlage in einer Datei Ihrer Wahl und schließt den Editor.</translation>
    </message>
    <message>
        <source>Closes the editor. When the template has changes that are not saved, you are asked whether to save them first.</source>
        <translation>Schließt den Editor. Hat die Vorlage ungespeicherte Änderungen, werden Sie zuerst gefragt, ob sie gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>The books of the Bible in their groups. Choose a section on the left, then right-click a book to put it in that section, or to take it out when it is there already. Right-clicking a group does the same for each of its books; the menu key does it for the selected item. The colour shows the section: white is no section, a striped picture a group whose books are in several.</source>
        <translation>Die Bücher der Bibel in ihren Gruppen. Wählen Sie links einen Abschnitt und klicken Sie dann mit der rechten Maustaste auf ein Buch, um es in diesen Abschnitt aufzunehmen oder, wenn es schon darin ist, herauszunehmen. Ein Rechtsklick auf eine Gruppe tut dasselbe für jedes ihrer Bücher; die Menütaste tut es für das ausgewählte Element. Die Farbe zeigt den Abschnitt: Weiß ist kein Abschnitt, ein gestreiftes Bild eine Gruppe, deren Bücher in mehreren sind.</translation>
    </message>
    <message>
        <source>Months added to the length of the plan (a month counts as 30 days).</source>
        <translation>Monate, die zur Dauer des Plans hinzukommen (ein Monat zählt als 30 Tage).</translation>
    </message>
    <message>
        <source>Days added to the length of the plan, from 0 to 2000.</source>
        <translation>Tage, die zur Dauer des Plans hinzukommen, von 0 bis 2000.</translation>
    </message>
    <message>
        <source>Adds a section: a group of books read side by side with the others, and selects it, so that the books you right-click next go there. Up to six sections; a new one can be added only when every section holds at least one book.</source>
        <translation>Fügt einen Abschnitt hinzu – eine Gruppe von Büchern, die neben den anderen gelesen wird – und wählt ihn aus, sodass die Bücher, die Sie als Nächstes mit der rechten Maustaste anklicken, dorthin kommen. Bis zu sechs Abschnitte; ein neuer kann erst hinzugefügt werden, wenn jeder Abschnitt mindestens ein Buch enthält.</translation>
    </message>
    <message>
        <source>Opens a template file to change it. Plan templates and text imports can be opened; a text import may hold more than the editor can show.</source>
        <translation>Öffnet eine Vorlagendatei, um sie zu ändern. Planvorlagen und Textimporte lassen sich öffnen; ein Textimport kann mehr enthalten, als der Editor zeigen kann.</translation>
    </message>
    <message>
        <source>Saves the template as a plan template (.vntpl) or as a text import (.txt).</source>
        <translation>Speichert die Vorlage als Planvorlage (.vntpl) oder als Textimport (.txt).</translation>
    </message>
    <message>
        <source>The folder of the template file last opened or saved.</source>
        <translation>Der Ordner der zuletzt geöffneten oder gespeicherten Vorlagendatei.</translation>
    </message>
    <message>
        <source>The name of the template file last opened or saved.</source>
        <translation>Der Name der zuletzt geöffneten oder gespeicherten Vorlagendatei.</translation>
    </message>
    <message>
        <source>Whether each day&apos;s reading ends at the end of a chapter or may stop inside one.</source>
        <translation>Ob die Lesung jedes Tages am Ende eines Kapitels endet oder innerhalb eines Kapitels aufhören darf.</translation>
    </message>
    <message>
        <source>Years of the plan&apos;s length (a year counts as 365 days).</source>
        <translation>Jahre der Plandauer (ein Jahr zählt als 365 Tage).</translation>
    </message>
    <message>
        <source>When a section has read all its books before the plan ends, it starts over from its first book.</source>
        <translation>Hat ein Abschnitt alle seine Bücher vor dem Ende des Plans gelesen, beginnt er wieder mit seinem ersten Buch.</translation>
    </message>
    <message>
        <source>Starts again from a new template: one year, every day, by chapters, one section with all the books.</source>
        <translation>Beginnt neu mit einer neuen Vorlage: ein Jahr, jeden Tag, nach Kapiteln, ein Abschnitt mit allen Büchern.</translation>
    </message>
    <message>
        <source>The sections of the plan. Select one to choose where right-clicked books go.</source>
        <translation>Die Abschnitte des Plans. Wählen Sie einen aus, um festzulegen, wohin rechts angeklickte Bücher kommen.</translation>
    </message>
    <message>
        <source>Removes the selected section. Its books leave the plan and the sections after it each take the number one lower.</source>
        <translation>Entfernt den ausgewählten Abschnitt. Seine Bücher verlassen den Plan, und die Abschnitte danach rücken jeweils um eine Nummer auf.</translation>
    </message>
    <message>
        <source>Saves the template file read-only, so that it cannot be saved over later.</source>
        <translation>Speichert die Vorlagendatei schreibgeschützt, sodass sie später nicht überschrieben werden kann.</translation>
    </message>
    <message>
        <source>Whether there is a reading on %1.</source>
        <translation>Ob es am %1 eine Lesung gibt.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>the file&apos;s name</source>
        <translation>der Dateiname</translation>
    </message>
    <message>
        <source>T&amp;itle</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>B&amp;eschreibung</translation>
    </message>
    <message>
        <source>Template File</source>
        <translation>Vorlagendatei</translation>
    </message>
    <message>
        <source>Read Only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Include Apocrypha</source>
        <translation>Apokryphen einschließen</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Plan Length</source>
        <translation>Plandauer</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Kapiteln</translation>
    </message>
    <message>
        <source>Verses</source>
        <translation>Versen</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Readings Divided By</source>
        <translation>Lesungen geteilt nach</translation>
    </message>
    <message>
        <source>Reading Days</source>
        <translation>Lesetage</translation>
    </message>
    <message>
        <source>Books Per Session</source>
        <translation>Bücher je Sitzung</translation>
    </message>
    <message>
        <source>Repeat Books</source>
        <translation>Bücher wiederholen</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>Abschnitt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>Abschnitt ent&amp;fernen</translation>
    </message>
    <message>
        <source>Rese&amp;t Template</source>
        <translation>Vorlage &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Load Template</source>
        <translation>Vorlage &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Template</source>
        <translation>Vorlage &amp;speichern</translation>
    </message>
    <message>
        <source>Save And E&amp;xit</source>
        <translation>Speichern und &amp;beenden</translation>
    </message>
    <message>
        <source>A&amp;bort And Exit</source>
        <translation>&amp;Abbrechen und beenden</translation>
    </message>
    <message>
        <source>The plan&apos;s title, as New Plan from Gallery and Plan Properties show it. Left empty, the template file&apos;s name is the title.</source>
        <translation>Der Titel des Plans, wie ihn „Neuer Plan aus der Galerie“ und „Planeigenschaften“ zeigen. Bleibt er leer, ist der Name der Vorlagendatei der Titel.</translation>
    </message>
    <message>
        <source>A line about the plan, shown under its title in New Plan from Gallery and in Plan Properties.</source>
        <translation>Eine Zeile über den Plan, unter seinem Titel in „Neuer Plan aus der Galerie“ und in „Planeigenschaften“ gezeigt.</translation>
    </message>
    <message>
        <source>Select a section, then right-click a book or a group of books on the right to put it in that section; right-click it again to take it out. The menu key does the same for the highlighted book.</source>
        <translation>Wählen Sie einen Abschnitt und klicken Sie dann rechts mit der rechten Maustaste auf ein Buch oder eine Büchergruppe, um sie in diesen Abschnitt aufzunehmen; ein weiterer Rechtsklick nimmt sie wieder heraus. Die Menütaste tut dasselbe für das markierte Buch.</translation>
    </message>
</context>
<context>
    <name>CUnreadPlanDialog</name>
    <message>
        <source>New Plan from Unread Chapters</source>
        <translation>Neuer Plan aus ungelesenen Kapiteln</translation>
    </message>
    <message>
        <source>1 chapter has never been read. A new plan will read it.</source>
        <translation>1 Kapitel wurde noch nie gelesen. Ein neuer Plan wird es lesen.</translation>
    </message>
    <message>
        <source>%1 chapters have never been read. A new plan will read each of them once, in the order of the Bible.</source>
        <translation>%1 Kapitel wurden noch nie gelesen. Ein neuer Plan wird jedes davon einmal lesen, in der Reihenfolge der Bibel.</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Plan length:</source>
        <translation>Plandauer:</translation>
    </message>
    <message>
        <source>Read on:</source>
        <translation>Lesen am:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create or change a reading plan template
New Reading Plan Template</source>
        <translation>Eine Leseplanvorlage erstellen oder ändern
Neue Leseplanvorlage</translation>
    </message>
    <message>
        <source>Choose a reader and open the reader&apos;s plan and notes
Open Reader Environment</source>
        <translation>Einen Leser wählen und seinen Plan und seine Notizen öffnen
Leserumgebung öffnen</translation>
    </message>
    <message>
        <source>Close the open reader environment
Close Reader Environment</source>
        <translation>Die geöffnete Leserumgebung schließen
Leserumgebung schließen</translation>
    </message>
    <message>
        <source>Quit the program
Exit</source>
        <translation>Das Programm beenden
Beenden</translation>
    </message>
    <message>
        <source>Save the reading plan
Save Reading Plan</source>
        <translation>Den Leseplan speichern
Leseplan speichern</translation>
    </message>
    <message>
        <source>Save the verse notes
Save Verse Notes</source>
        <translation>Die Versnotizen speichern
Versnotizen speichern</translation>
    </message>
    <message>
        <source>Make a new plan from a template
New Plan</source>
        <translation>Einen neuen Plan aus einer Vorlage erstellen
Neuer Plan</translation>
    </message>
    <message>
        <source>Make a new plan from a ready template
New Plan from Gallery</source>
        <translation>Einen neuen Plan aus einer fertigen Vorlage erstellen
Neuer Plan aus der Galerie</translation>
    </message>
    <message>
        <source>Make a day-by-day reading list into a plan file
Import Reading List</source>
        <translation>Eine Tag-für-Tag-Leseliste in eine Plandatei umwandeln
Leseliste importieren</translation>
    </message>
    <message>
        <source>Show how often each chapter of the Bible has been read
Bible Coverage</source>
        <translation>Zeigen, wie oft jedes Kapitel der Bibel gelesen wurde
Bibel-Leseübersicht</translation>
    </message>
    <message>
        <source>Make a new plan of the chapters never read
New Plan from Unread Chapters</source>
        <translation>Einen neuen Plan aus den nie gelesenen Kapiteln erstellen
Neuer Plan aus ungelesenen Kapiteln</translation>
    </message>
    <message>
        <source>Save the coverage map as a PNG picture
Save Map as PNG</source>
        <translation>Die Leseübersicht als PNG-Bild speichern
Karte als PNG speichern</translation>
    </message>
    <message>
        <source>Save the coverage map as an SVG drawing
Save Map as SVG</source>
        <translation>Die Leseübersicht als SVG-Zeichnung speichern
Karte als SVG speichern</translation>
    </message>
    <message>
        <source>Record a reading outside the plan
Enter Reading</source>
        <translation>Eine Lesung außerhalb des Plans eintragen
Lesung eintragen</translation>
    </message>
    <message>
        <source>Go to the next reading
Next Reading</source>
        <translation>Zur nächsten Lesung gehen
Nächste Lesung</translation>
    </message>
    <message>
        <source>Move the unfinished readings onto new dates
Synchronize Dates</source>
        <translation>Die offenen Lesungen auf neue Tage verteilen
Lesedaten abgleichen</translation>
    </message>
    <message>
        <source>Mark the whole plan as unread
Reset Plan</source>
        <translation>Den ganzen Plan als ungelesen markieren
Plan zurücksetzen</translation>
    </message>
    <message>
        <source>Go to the first reading
First Reading</source>
        <translation>Zur ersten Lesung gehen
Erste Lesung</translation>
    </message>
    <message>
        <source>Go to the last reading
Last Reading</source>
        <translation>Zur letzten Lesung gehen
Letzte Lesung</translation>
    </message>
    <message>
        <source>Forget every reading ever recorded
Reset Lifetime Readings</source>
        <translation>Alle jemals eingetragenen Lesungen vergessen
Lebenslange Lesungen zurücksetzen</translation>
    </message>
    <message>
        <source>Go to the first reading not yet finished
First Unfinished Reading</source>
        <translation>Zur ersten noch nicht abgeschlossenen Lesung gehen
Erste offene Lesung</translation>
    </message>
    <message>
        <source>Go to the previous reading
Previous Reading</source>
        <translation>Zur vorherigen Lesung gehen
Vorherige Lesung</translation>
    </message>
    <message>
        <source>Go to the reading of a date
By Date</source>
        <translation>Zur Lesung eines Datums gehen
Nach Datum</translation>
    </message>
    <message>
        <source>Go to the reading that holds a verse
By Verse</source>
        <translation>Zur Lesung gehen, die einen Vers enthält
Nach Bibelvers</translation>
    </message>
    <message>
        <source>Mark the current reading as read (Ctrl+D)
Finished Reading (Ctrl+D)</source>
        <translation>Die aktuelle Lesung als gelesen markieren (Strg+D)
Lesung abgeschlossen (Strg+D)</translation>
    </message>
    <message>
        <source>Show how the plan was made
Plan Properties</source>
        <translation>Zeigen, wie der Plan erstellt wurde
Planeigenschaften</translation>
    </message>
    <message>
        <source>Show the text of the current assignment
Read Assignment</source>
        <translation>Den Text der aktuellen Tageslesung zeigen
Tageslesung lesen</translation>
    </message>
    <message>
        <source>Show the passage larger
Zoom In</source>
        <translation>Den Bibeltext größer zeigen
Vergrößern</translation>
    </message>
    <message>
        <source>Show the map larger
Zoom In</source>
        <translation>Die Karte größer zeigen
Vergrößern</translation>
    </message>
    <message>
        <source>Show the map smaller, as far as its text stays readable
Zoom Out</source>
        <translation>Die Karte kleiner zeigen, solange ihr Text lesbar bleibt
Verkleinern</translation>
    </message>
    <message>
        <source>Show the map as large as the window
Fit to Window</source>
        <translation>Die Karte so groß wie das Fenster zeigen
An Fenster anpassen</translation>
    </message>
    <message>
        <source>Show the passage smaller
Zoom Out</source>
        <translation>Den Bibeltext kleiner zeigen
Verkleinern</translation>
    </message>
    <message>
        <source>Open a general notes file
Open</source>
        <translation>Eine Datei mit allgemeinen Notizen öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the general notes
Save</source>
        <translation>Die allgemeinen Notizen speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the general notes under a new name
Save As</source>
        <translation>Die allgemeinen Notizen unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed
Print Preview</source>
        <translation>Die Seiten so zeigen, wie sie gedruckt werden
Seitenansicht</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard
Copy</source>
        <translation>Die Auswahl in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard
Cut</source>
        <translation>Die Auswahl in die Zwischenablage ausschneiden
Ausschneiden</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s text
Paste</source>
        <translation>Den Text der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Die letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Make the change undone last again
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Select the whole text
Select All</source>
        <translation>Den ganzen Text auswählen
Alles auswählen</translation>
    </message>
    <message>
        <source>Find a text
Find</source>
        <translation>Einen Text suchen
Suchen</translation>
    </message>
    <message>
        <source>Find the text again
Find Next</source>
        <translation>Den Text erneut suchen
Weitersuchen</translation>
    </message>
    <message>
        <source>Replace a text with another
Replace</source>
        <translation>Einen Text durch einen anderen ersetzen
Ersetzen</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade Windows</source>
        <translation>Die Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile Windows</source>
        <translation>Die Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>Line up the minimized windows at the bottom
Arrange Icons</source>
        <translation>Die minimierten Fenster unten aufreihen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>Die Version des Programms zeigen
Über</translation>
    </message>
    <message>
        <source>List the help topics
Help Topics</source>
        <translation>Die Hilfethemen auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>Show help on the next button, menu item or window you click
Help</source>
        <translation>Hilfe zur nächsten Schaltfläche, zum nächsten Menüpunkt oder Fenster zeigen, das Sie anklicken
Hilfe</translation>
    </message>
    <message>
        <source>Show help on the active window
Help</source>
        <translation>Hilfe zum aktiven Fenster zeigen
Hilfe</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
    <message>
        <source>Open this general notes file</source>
        <translation>Diese Datei mit allgemeinen Notizen öffnen</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
    <message>
        <source>Write the plan as a calendar file that follows the plan
Export Plan to Calendar</source>
        <translation>Den Plan als Kalenderdatei schreiben, die dem Plan folgt
Plan in Kalender exportieren</translation>
    </message>
    <message>
        <source>Choose when to be reminded of the day&apos;s reading
Reminder</source>
        <translation>Wählen, wann an die Tageslesung erinnert wird
Erinnerung</translation>
    </message>
    <message>
        <source>Show the text larger
Zoom In</source>
        <translation>Den Text größer anzeigen
Vergrößern</translation>
    </message>
    <message>
        <source>Show the text smaller
Zoom Out</source>
        <translation>Den Text kleiner anzeigen
Verkleinern</translation>
    </message>
    <message>
        <source>Show the text at its usual size
Actual Size</source>
        <translation>Den Text in normaler Größe anzeigen
Originalgröße</translation>
    </message>
    <message>
        <source>Show the windows in the desktop&apos;s colours
Follow the Desktop</source>
        <translation>Die Fenster in den Farben des Desktops anzeigen
Wie der Desktop</translation>
    </message>
    <message>
        <source>Show the windows dark on light
Light</source>
        <translation>Die Fenster dunkel auf hell anzeigen
Hell</translation>
    </message>
    <message>
        <source>Show the windows light on dark
Dark</source>
        <translation>Die Fenster hell auf dunkel anzeigen
Dunkel</translation>
    </message>
    <message>
        <source>Show the windows in the strongest contrast
High Contrast</source>
        <translation>Die Fenster mit dem stärksten Kontrast anzeigen
Hoher Kontrast</translation>
    </message>
    <message>
        <source>Show the days you read on, your streaks and totals
Reading History</source>
        <translation>Die Tage, an denen Sie gelesen haben, Ihre Serien und Summen anzeigen
Leseverlauf</translation>
    </message>
    <message>
        <source>Save the reading history as a PNG picture
Save History as PNG</source>
        <translation>Den Leseverlauf als PNG-Bild speichern
Verlauf als PNG speichern</translation>
    </message>
    <message>
        <source>Save the reading history as an SVG drawing
Save History as SVG</source>
        <translation>Den Leseverlauf als SVG-Zeichnung speichern
Verlauf als SVG speichern</translation>
    </message>
    <message>
        <source>Keep this reader the same on your other computers, through a folder they share
Sync with Other Computers</source>
        <translation>Diesen Leser auf Ihren anderen Rechnern gleich halten, über einen gemeinsamen Ordner
Mit anderen Rechnern abgleichen</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>Partly read</source>
        <translation>Teilweise gelesen</translation>
    </message>
    <message>
        <source>Read once</source>
        <translation>Einmal gelesen</translation>
    </message>
    <message>
        <source>Read twice</source>
        <translation>Zweimal gelesen</translation>
    </message>
    <message>
        <source>Read three times or more</source>
        <translation>Dreimal oder öfter gelesen</translation>
    </message>
    <message>
        <source>Unread Chapters</source>
        <translation>Ungelesene Kapitel</translation>
    </message>
    <message>
        <source>Every chapter of the Bible has been read at least once.</source>
        <translation>Jedes Kapitel der Bibel wurde mindestens einmal gelesen.</translation>
    </message>
    <message>
        <source>Choose at least one weekday to read on.</source>
        <translation>Wählen Sie mindestens einen Wochentag zum Lesen.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation> ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Resetting reading plan.

Press OK to delete all reading history for the current reading plan.
(To delete lifetime reading history, use READING PLAN - RESET LIFETIME READINGS)

Press CANCEL to retain reading history.</source>
        <translation>Leseplan wird zurückgesetzt.

Klicken Sie auf OK, um den gesamten Leseverlauf des aktuellen Leseplans zu löschen.
(Den lebenslangen Leseverlauf löschen Sie mit LESEPLAN - LEBENSLANGE LESUNGEN ZURÜCKSETZEN)

Klicken Sie auf ABBRECHEN, um den Leseverlauf zu behalten.</translation>
    </message>
    <message>
        <source>Resetting lifetime reading history.

Press OK to delete all reading history except the current reading plan.
(To delete current reading plan reading history, use READING PLAN - RESET PLAN)

Press CANCEL to retain reading history.</source>
        <translation>Lebenslanger Leseverlauf wird zurückgesetzt.

Klicken Sie auf OK, um den gesamten Leseverlauf außer dem des aktuellen Leseplans zu löschen.
(Den Leseverlauf des aktuellen Leseplans löschen Sie mit LESEPLAN - PLAN ZURÜCKSETZEN)

Klicken Sie auf ABBRECHEN, um den Leseverlauf zu behalten.</translation>
    </message>
    <message>
        <source>Loading a new plan.

Are you sure you want to close this plan and open a new one?</source>
        <translation>Ein neuer Plan wird geladen.

Möchten Sie diesen Plan wirklich schließen und einen neuen öffnen?</translation>
    </message>
    <message>
        <source>
This plan has no reading day: no day of the week is chosen, so it gives no readings.
The current reading plan has not been changed.</source>
        <translation>
Dieser Plan hat keinen Lesetag: Es ist kein Wochentag gewählt, daher ergibt er keine Lesungen.
Der aktuelle Leseplan wurde nicht geändert.</translation>
    </message>
    <message>
        <source>
This plan puts no book into any of its sections, so it gives no readings.
The current reading plan has not been changed.</source>
        <translation>
Dieser Plan nimmt in keinen seiner Abschnitte ein Buch auf, daher ergibt er keine Lesungen.
Der aktuelle Leseplan wurde nicht geändert.</translation>
    </message>
    <message>
        <source>
No readings could be made from this file, so the new reading plan is empty.</source>
        <translation>
Aus dieser Datei ließen sich keine Lesungen bilden, daher ist der neue Leseplan leer.</translation>
    </message>
    <message>
        <source>Start the plan again from &amp;today (move its readings onto new dates)</source>
        <translation>Den Plan ab &amp;heute neu beginnen (seine Lesungen auf neue Tage verteilen)</translation>
    </message>
    <message>
        <source>No Reading Plan Selected</source>
        <translation>Kein Leseplan ausgewählt</translation>
    </message>
    <message>
        <source>Reading Plan Completed</source>
        <translation>Leseplan erledigt</translation>
    </message>
    <message>
        <source>Scrivane can modify only one template at a time.
You will lose the current template settings if you load a different template.
Do you still wish to load a different template?</source>
        <translation>Scrivane kann nur eine Vorlage auf einmal bearbeiten.
Wenn Sie eine andere Vorlage laden, gehen die Einstellungen der aktuellen Vorlage verloren.
Möchten Sie trotzdem eine andere Vorlage laden?</translation>
    </message>
    <message>
        <source>When modifying a custom template, you may lose some functionality not supported by this template editor.</source>
        <translation>Beim Bearbeiten einer eigenen Vorlage können Funktionen verloren gehen, die dieser Vorlagen-Editor nicht unterstützt.</translation>
    </message>
    <message>
        <source>The template has changes that are not saved.
Do you want to save them before the editor closes?</source>
        <translation>Die Vorlage hat ungespeicherte Änderungen.
Möchten Sie sie speichern, bevor der Editor geschlossen wird?</translation>
    </message>
    <message>
        <source>

The selected file may not be modified.
Select &quot;Ok&quot; to select another file name.</source>
        <translation>

Die ausgewählte Datei darf nicht geändert werden.
Klicken Sie auf &quot;OK&quot;, um einen anderen Dateinamen zu wählen.</translation>
    </message>
    <message>
        <source>Today is %1</source>
        <translation>Heute ist %1</translation>
    </message>
    <message>
        <source>Reading Plan scheduled for %1</source>
        <translation>Leseplan vorgesehen für %1</translation>
    </message>
    <message>
        <source>(Originally scheduled for %1)</source>
        <translation>(Ursprünglich vorgesehen für %1)</translation>
    </message>
    <message>
        <source>Your assignment today is:</source>
        <translation>Ihre Lesung für heute:</translation>
    </message>
    <message>
        <source>The assignment for %1 is:</source>
        <translation>Die Lesung für %1:</translation>
    </message>
    <message>
        <source>No reading assignment today.</source>
        <translation>Heute ist keine Lesung vorgesehen.</translation>
    </message>
    <message>
        <source>Last Reading Plan Completed</source>
        <translation>Letzter Leseplan erledigt</translation>
    </message>
    <message>
        <source> through </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>Export Plan to Calendar</source>
        <translation>Plan in Kalender exportieren</translation>
    </message>
    <message>
        <source>The calendar was not exported.</source>
        <translation>Der Kalender wurde nicht exportiert.</translation>
    </message>
    <message>
        <source>The reader environment was not opened.</source>
        <translation>Die Leserumgebung wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Scrivane does not know how to open this kind of file.</source>
        <translation>Scrivane kann diese Art von Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>Import Reading List</source>
        <translation>Leseliste importieren</translation>
    </message>
    <message>
        <source>Save the Plan As</source>
        <translation>Plan speichern unter</translation>
    </message>
    <message>
        <source>Pentateuch</source>
        <translation>Pentateuch</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>Geschichtsbücher</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Weisheitsbücher</translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation>Große Propheten</translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation>Kleine Propheten</translation>
    </message>
    <message>
        <source>Gospels</source>
        <translation>Evangelien</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Briefe</translation>
    </message>
    <message>
        <source>Prophecy</source>
        <translation>Prophetie</translation>
    </message>
    <message>
        <source>No reading today; day %1 of %2 next</source>
        <translation>Heute keine Lesung; als Nächstes Tag %1 von %2</translation>
    </message>
    <message>
        <source>Day %1 of %2</source>
        <translation>Tag %1 von %2</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 im Rückstand</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 im Voraus</translation>
    </message>
    <message>
        <source>on schedule</source>
        <translation>im Plan</translation>
    </message>
    <message>
        <source>Finished on %1</source>
        <translation>Erledigt am %1</translation>
    </message>
    <message>
        <source>The calendar is no longer kept up to date. Choose Export Plan to Calendar again to write it somewhere else.</source>
        <translation>Der Kalender wird nicht mehr auf dem neuesten Stand gehalten. Wählen Sie erneut „Plan in Kalender exportieren“, um ihn an anderer Stelle zu schreiben.</translation>
    </message>
    <message>
        <source>Finished.
</source>
        <translation>Abgeschlossen.
</translation>
    </message>
    <message>
        <source>Reading %2 of %3, planned for %1.</source>
        <translation>Lesung %2 von %3, vorgesehen für %1.</translation>
    </message>
    <message>
        <source>Finished: </source>
        <translation>Abgeschlossen: </translation>
    </message>
    <message>
        <source>%1 year (%2 days)</source>
        <translation>%1 Jahr (%2 Tage)</translation>
    </message>
    <message>
        <source>%1 years (%2 days)</source>
        <translation>%1 Jahre (%2 Tage)</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>Nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>A list of readings</source>
        <translation>Eine Liste von Lesungen</translation>
    </message>
    <message>
        <source>, %1 reading day</source>
        <translation>, %1 Lesetag</translation>
    </message>
    <message>
        <source>, %1 reading days</source>
        <translation>, %1 Lesetage</translation>
    </message>
    <message>
        <source>, %1 section</source>
        <translation>, %1 Abschnitt</translation>
    </message>
    <message>
        <source>, %1 sections side by side</source>
        <translation>, %1 Abschnitte nebeneinander</translation>
    </message>
    <message>
        <source>, %1 chapter</source>
        <translation>, %1 Kapitel</translation>
    </message>
    <message>
        <source>, %1 chapters</source>
        <translation>, %1 Kapitel</translation>
    </message>
    <message>
        <source> (%1 verse)</source>
        <translation> (%1 Vers)</translation>
    </message>
    <message>
        <source> (%1 verses)</source>
        <translation> (%1 Verse)</translation>
    </message>
    <message>
        <source>, whole chapters</source>
        <translation>, ganze Kapitel</translation>
    </message>
    <message>
        <source>, divided by verses</source>
        <translation>, nach Versen geteilt</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, wiederholt sich</translation>
    </message>
    <message>
        <source>(no reading)</source>
        <translation>(keine Lesung)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos; Bible Verse Keyed Notes</source>
        <translation>Notizen zu Bibelversen von %1</translation>
    </message>
    <message>
        <source>%1&apos;s Bible Verse Keyed Notes</source>
        <translation>Notizen zu Bibelversen von %1</translation>
    </message>
    <message>
        <source>%1&apos; General Notes: %2</source>
        <translation>Allgemeine Notizen von %1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s General Notes: %2</source>
        <translation>Allgemeine Notizen von %1: %2</translation>
    </message>
    <message>
        <source>General Notes: %1</source>
        <translation>Allgemeine Notizen: %1</translation>
    </message>
    <message>
        <source>%1 counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 ein weiteres Mal in Ihrer lebenslangen Lesung gezählt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>%1&apos; Reading Plan</source>
        <translation>Leseplan von %1</translation>
    </message>
    <message>
        <source>%1&apos;s Reading Plan</source>
        <translation>Leseplan von %1</translation>
    </message>
    <message>
        <source>Redo of %1 is not possible: the reading plan files no longer hold what it changed.
The files are kept as they are.</source>
        <translation>„%1“ kann nicht wiederhergestellt werden: Die Leseplandateien enthalten nicht mehr, was dabei geändert wurde.
Die Dateien bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Undo of %1 is not possible: the reading plan files no longer hold what it changed.
The files are kept as they are.</source>
        <translation>„%1“ kann nicht rückgängig gemacht werden: Die Leseplandateien enthalten nicht mehr, was dabei geändert wurde.
Die Dateien bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 gelesen</translation>
    </message>
    <message>
        <source>%1 finished</source>
        <translation>%1 abgeschlossen</translation>
    </message>
    <message>
        <source>%1 counted once more in your lifetime reading (it was already read in this plan) — Ctrl+Z to undo</source>
        <translation>%1 ein weiteres Mal in Ihrer lebenslangen Lesung gezählt (in diesem Plan schon gelesen) — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>%1 read; %2 verse already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 gelesen; %2 schon gelesener Vers ein weiteres Mal in Ihrer lebenslangen Lesung gezählt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>%1 read; %2 verses already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 gelesen; %2 schon gelesene Verse ein weiteres Mal in Ihrer lebenslangen Lesung gezählt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>%1 finished; %2 verse already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 abgeschlossen; %2 schon gelesener Vers ein weiteres Mal in Ihrer lebenslangen Lesung gezählt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>%1 finished; %2 verses already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 abgeschlossen; %2 schon gelesene Verse ein weiteres Mal in Ihrer lebenslangen Lesung gezählt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>Finished Reading</source>
        <translation>Abschluss der Lesung</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>Markieren der Lesung</translation>
    </message>
    <message>
        <source>Synchronize Dates</source>
        <translation>Abgleich der Lesedaten</translation>
    </message>
    <message>
        <source>Dates synchronized: every unfinished reading was already on its day</source>
        <translation>Lesedaten abgeglichen: Jede offene Lesung lag schon auf ihrem Tag</translation>
    </message>
    <message>
        <source>Dates synchronized: %1 reading moved — Ctrl+Z to undo</source>
        <translation>Lesedaten abgeglichen: %1 Lesung verschoben — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>Dates synchronized: %1 readings moved — Ctrl+Z to undo</source>
        <translation>Lesedaten abgeglichen: %1 Lesungen verschoben — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>Enter Reading</source>
        <translation>Eintragen der Lesung</translation>
    </message>
    <message>
        <source>Reset Plan</source>
        <translation>Zurücksetzen des Plans</translation>
    </message>
    <message>
        <source>Reset Lifetime Readings</source>
        <translation>Zurücksetzen der lebenslangen Lesungen</translation>
    </message>
    <message>
        <source>Lifetime reading history reset — Ctrl+Z to undo</source>
        <translation>Lebenslanger Leseverlauf zurückgesetzt — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>Erstellen des neuen Plans</translation>
    </message>
    <message>
        <source>New reading plan made from %1: %2 assignment — Ctrl+Z to undo</source>
        <translation>Neuer Leseplan aus %1 erstellt: %2 Lesung — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>New reading plan made from %1: %2 assignments — Ctrl+Z to undo</source>
        <translation>Neuer Leseplan aus %1 erstellt: %2 Lesungen — Strg+Z macht es rückgängig</translation>
    </message>
    <message>
        <source>There is no reader called &quot;%1&quot;.</source>
        <translation>Es gibt keinen Leser namens „%1“.</translation>
    </message>
    <message>
        <source>The reader was not changed.</source>
        <translation>Der Leser wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Please enter a nick name for the reader.</source>
        <translation>Bitte geben Sie einen Rufnamen für den Leser ein.</translation>
    </message>
    <message>
        <source>A name may not contain a slash (/) or a backslash (\), because the reader&apos;s files are kept in a directory named after the reader.</source>
        <translation>Ein Name darf keinen Schrägstrich (/) und keinen umgekehrten Schrägstrich (\) enthalten, weil die Dateien des Lesers in einem nach ihm benannten Verzeichnis liegen.</translation>
    </message>
    <message>
        <source>A name may not contain tabs, line breaks or other control characters.</source>
        <translation>Ein Name darf keine Tabulatoren, Zeilenumbrüche oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A name may not contain characters that change the direction of the text (such as U+202E), because the reader&apos;s name and the names of its files would show differently from what they are.</source>
        <translation>Ein Name darf keine Zeichen enthalten, die die Schreibrichtung ändern (etwa U+202E), weil der Name des Lesers und die Namen seiner Dateien sonst anders angezeigt würden, als sie sind.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; cannot be used as names.</source>
        <translation>„.“ und „..“ können nicht als Namen verwendet werden.</translation>
    </message>
    <message>
        <source>The names are too long to name the reader&apos;s directory. Please shorten them.</source>
        <translation>Die Namen sind zu lang, um das Verzeichnis des Lesers danach zu benennen. Bitte kürzen Sie sie.</translation>
    </message>
    <message>
        <source>There is already a reader with the nick name &quot;%1&quot;, the first name &quot;%2&quot; and the last name &quot;%3&quot;.
Please change one of the names.</source>
        <translation>Es gibt schon einen Leser mit dem Rufnamen „%1“, dem Vornamen „%2“ und dem Nachnamen „%3“.
Bitte ändern Sie einen der Namen.</translation>
    </message>
    <message>
        <source>These names would list the reader as &quot;%1&quot;, and another reader as &quot;%2&quot; too, so the two could not be told apart.
Please change one of the names.</source>
        <translation>Mit diesen Namen würde der Leser als „%1“ geführt und ein anderer Leser ebenfalls als „%2“, sodass die beiden nicht zu unterscheiden wären.
Bitte ändern Sie einen der Namen.</translation>
    </message>
    <message>
        <source>These names would keep the reader&apos;s files in the directory &quot;%1&quot;, which is the reader &quot;%2&quot;&apos;s.
Please change one of the names.</source>
        <translation>Mit diesen Namen lägen die Dateien des Lesers im Verzeichnis „%1“, das dem Leser „%2“ gehört.
Bitte ändern Sie einen der Namen.</translation>
    </message>
    <message>
        <source>Two readers in the reader file are both called &quot;%1&quot;. The later one is listed as &quot;%2&quot;, so that each can be chosen.</source>
        <translation>Zwei Leser in der Leserdatei heißen beide „%1“. Der spätere wird als „%2“ geführt, damit jeder gewählt werden kann.</translation>
    </message>
    <message>
        <source>The directory
%1
could not be created, so the reader was not added.</source>
        <translation>Das Verzeichnis
%1
konnte nicht angelegt werden; der Leser wurde daher nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Are you sure you want to modify
Reader: %1?</source>
        <translation>Möchten Sie wirklich
den Leser %1 ändern?</translation>
    </message>
    <message>
        <source>The reader&apos;s directory cannot be renamed to
%1
because something of that name exists already. The reader was not changed.</source>
        <translation>Das Verzeichnis des Lesers kann nicht umbenannt werden in
%1
weil es schon etwas mit diesem Namen gibt. Der Leser wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The directory
%1
could not be created. The reader was not changed.</source>
        <translation>Das Verzeichnis
%1
konnte nicht angelegt werden. Der Leser wurde nicht geändert.</translation>
    </message>
    <message>
        <source>These files in
%1
could not be renamed to &quot;%2&quot;:%3</source>
        <translation>Diese Dateien in
%1
konnten nicht in „%2“ umbenannt werden:%3</translation>
    </message>
    <message>
        <source>Are you sure you want to delete
Reader: %1?</source>
        <translation>Möchten Sie wirklich
den Leser %1 löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete all the files in the directory
%1?</source>
        <translation>Möchten Sie alle Dateien im Verzeichnis
%1
löschen?</translation>
    </message>
    <message>
        <source>The reader was not deleted.</source>
        <translation>Der Leser wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>Not everything in the directory
%1
could be deleted; what is left was kept in
%2.</source>
        <translation>Nicht alles im Verzeichnis
%1
konnte gelöscht werden; der Rest wurde aufbewahrt in
%2.</translation>
    </message>
    <message>
        <source>Not everything in the directory
%1
could be deleted; what is left was kept.</source>
        <translation>Nicht alles im Verzeichnis
%1
konnte gelöscht werden; der Rest wurde aufbewahrt.</translation>
    </message>
    <message>
        <source>Scrivane: reading overdue</source>
        <translation>Scrivane: Lesung überfällig</translation>
    </message>
    <message>
        <source>Scrivane: today&apos;s reading</source>
        <translation>Scrivane: heutige Lesung</translation>
    </message>
    <message>
        <source>
(due %1, %2 reading day behind)</source>
        <translation>
(fällig am %1, %2 Lesetag im Rückstand)</translation>
    </message>
    <message>
        <source>
(due %1, %2 reading days behind)</source>
        <translation>
(fällig am %1, %2 Lesetage im Rückstand)</translation>
    </message>
    <message>
        <source>Scrivane: no reading plan</source>
        <translation>Scrivane: kein Leseplan</translation>
    </message>
    <message>
        <source>Scrivane: reading plan completed</source>
        <translation>Scrivane: Leseplan erledigt</translation>
    </message>
    <message>
        <source>Today&apos;s reading: %1</source>
        <translation>Heutige Lesung: %1</translation>
    </message>
    <message>
        <source>Next reading (%1): %2</source>
        <translation>Nächste Lesung (%1): %2</translation>
    </message>
    <message>
        <source>Overdue since %1: %2</source>
        <translation>Überfällig seit %1: %2</translation>
    </message>
    <message>
        <source>The changes could not be written there.
They were kept in %1.</source>
        <translation>Die Änderungen konnten dort nicht geschrieben werden.
Sie wurden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be written there.
They were kept in %2.</source>
        <translation>Die Änderungen an %1 konnten dort nicht geschrieben werden.
Sie wurden in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The changes could not be written, nor kept anywhere else.</source>
        <translation>Die Änderungen konnten weder geschrieben noch anderswo aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be written, nor kept anywhere else.</source>
        <translation>Die Änderungen an %1 konnten weder geschrieben noch anderswo aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The file has been kept as %1; %2.</source>
        <translation>Die Datei wurde als %1 aufbewahrt; %2.</translation>
    </message>
    <message>
        <source>The file could not be moved aside; it will not be overwritten.</source>
        <translation>Die Datei konnte nicht beiseitegelegt werden; sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>The verse notes are read as they are.</source>
        <translation>Die Versnotizen werden gelesen, wie sie sind.</translation>
    </message>
    <message>
        <source>the verse notes start empty</source>
        <translation>die Versnotizen beginnen leer</translation>
    </message>
    <message>
        <source>the general notes start empty</source>
        <translation>die allgemeinen Notizen beginnen leer</translation>
    </message>
    <message>
        <source>The reading plan and history are read as they are.</source>
        <translation>Leseplan und Leseverlauf werden gelesen, wie sie sind.</translation>
    </message>
    <message>
        <source>the reading plan starts empty</source>
        <translation>der Leseplan beginnt leer</translation>
    </message>
    <message>
        <source>the reading history starts empty</source>
        <translation>der Leseverlauf beginnt leer</translation>
    </message>
    <message>
        <source>This reader is not linked to a sync folder.</source>
        <translation>Dieser Leser ist mit keinem Synchronisationsordner verknüpft.</translation>
    </message>
    <message>
        <source>The sync folder cannot be reached:</source>
        <translation>Der Synchronisationsordner ist nicht erreichbar:</translation>
    </message>
    <message>
        <source>This computer&apos;s readings are kept, and go there once it is back.</source>
        <translation>Die Lesungen dieses Rechners bleiben erhalten und gehen dorthin, sobald er wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>A journal in the sync folder has lines that cannot be read; they were skipped:</source>
        <translation>Ein Journal im Synchronisationsordner hat unlesbare Zeilen; sie wurden übersprungen:</translation>
    </message>
    <message>
        <source>A change from another computer was skipped: the files it holds cannot be read.</source>
        <translation>Eine Änderung von einem anderen Rechner wurde übersprungen: Die enthaltenen Dateien sind unlesbar.</translation>
    </message>
</context>
<context>
    <name>Gallery</name>
    <message>
        <source>Bible in one year, three readings a day</source>
        <translation>Die Bibel in einem Jahr, drei Lesungen am Tag</translation>
    </message>
    <message>
        <source>The Old Testament, the New Testament and Psalms with Proverbs read side by side, each finished in a year; readings end at verses so that all three last the whole year.</source>
        <translation>Das Alte Testament, das Neue Testament und die Psalmen mit den Sprüchen nebeneinander gelesen, jedes in einem Jahr; die Lesungen enden mitten im Kapitel, damit alle drei das ganze Jahr reichen.</translation>
    </message>
    <message>
        <source>Bible in one year</source>
        <translation>Die Bibel in einem Jahr</translation>
    </message>
    <message>
        <source>Every chapter of the Bible from Genesis to Revelation, a few chapters every day for a year.</source>
        <translation>Jedes Kapitel der Bibel von 1. Mose bis zur Offenbarung, jeden Tag einige Kapitel, ein Jahr lang.</translation>
    </message>
    <message>
        <source>Bible in two years on weekdays</source>
        <translation>Die Bibel in zwei Jahren an Werktagen</translation>
    </message>
    <message>
        <source>The whole Bible in order over two years, Monday to Friday; weekends are free for catching up.</source>
        <translation>Die ganze Bibel der Reihe nach in zwei Jahren, montags bis freitags; die Wochenenden bleiben zum Aufholen frei.</translation>
    </message>
    <message>
        <source>Gospels and Acts in 30 days</source>
        <translation>Evangelien und Apostelgeschichte in 30 Tagen</translation>
    </message>
    <message>
        <source>The four Gospels and the Acts of the Apostles in a month, about four chapters a day.</source>
        <translation>Die vier Evangelien und die Apostelgeschichte in einem Monat, etwa vier Kapitel am Tag.</translation>
    </message>
    <message>
        <source>New Testament in 90 days</source>
        <translation>Das Neue Testament in 90 Tagen</translation>
    </message>
    <message>
        <source>The New Testament from Matthew to Revelation in three months, about three chapters a day.</source>
        <translation>Das Neue Testament von Matthäus bis zur Offenbarung in drei Monaten, etwa drei Kapitel am Tag.</translation>
    </message>
    <message>
        <source>Old Testament in one year</source>
        <translation>Das Alte Testament in einem Jahr</translation>
    </message>
    <message>
        <source>The Old Testament from Genesis to Malachi in a year, about three chapters a day.</source>
        <translation>Das Alte Testament von 1. Mose bis Maleachi in einem Jahr, etwa drei Kapitel am Tag.</translation>
    </message>
    <message>
        <source>Psalms and Proverbs in a month</source>
        <translation>Psalmen und Sprüche in einem Monat</translation>
    </message>
    <message>
        <source>Five psalms and one chapter of Proverbs a day; read it again each month, the books start over.</source>
        <translation>Fünf Psalmen und ein Kapitel aus den Sprüchen am Tag; jeden Monat beginnen die Bücher von vorn.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Accepts what you entered and closes the dialog.</source>
        <translation>Übernimmt Ihre Eingaben und schließt den Dialog.</translation>
    </message>
    <message>
        <source>Closes the dialog without changing anything.</source>
        <translation>Schließt den Dialog, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>The reader&apos;s first name. Together with the last name it tells apart readers who share a nick name.</source>
        <translation>Der Vorname des Lesers. Zusammen mit dem Nachnamen unterscheidet er Leser mit demselben Rufnamen.</translation>
    </message>
    <message>
        <source>The reader&apos;s last name.</source>
        <translation>Der Nachname des Lesers.</translation>
    </message>
    <message>
        <source>The name under which the reader is listed. The reader&apos;s files are named after it.</source>
        <translation>Der Name, unter dem der Leser aufgeführt wird. Die Dateien des Lesers sind nach ihm benannt.</translation>
    </message>
    <message>
        <source>Tick to show the reading plan window when the environment opens; otherwise it starts minimized.</source>
        <translation>Ankreuzen, um das Leseplanfenster beim Öffnen der Umgebung zu zeigen; sonst startet es minimiert.</translation>
    </message>
    <message>
        <source>Tick to show the verse notes window when the environment opens; otherwise it starts minimized.</source>
        <translation>Ankreuzen, um das Fenster der Versnotizen beim Öffnen der Umgebung zu zeigen; sonst startet es minimiert.</translation>
    </message>
    <message>
        <source>Tick to show the general notes window when the environment opens; otherwise it starts minimized.</source>
        <translation>Ankreuzen, um das Fenster der allgemeinen Notizen beim Öffnen der Umgebung zu zeigen; sonst startet es minimiert.</translation>
    </message>
    <message>
        <source>The readers of this computer. Choose whose plan and notes to open.</source>
        <translation>Die Leser dieses Computers. Wählen Sie, wessen Plan und Notizen geöffnet werden.</translation>
    </message>
    <message>
        <source>Adds a reader and makes a directory for the reader&apos;s files.</source>
        <translation>Fügt einen Leser hinzu und legt einen Ordner für seine Dateien an.</translation>
    </message>
    <message>
        <source>Removes the chosen reader from the list, and if you wish, the reader&apos;s files too.</source>
        <translation>Entfernt den gewählten Leser aus der Liste und auf Wunsch auch seine Dateien.</translation>
    </message>
    <message>
        <source>How much of the whole Bible you have read, counted over every plan.</source>
        <translation>Wie viel der ganzen Bibel Sie gelesen haben, über alle Pläne gezählt.</translation>
    </message>
    <message>
        <source>How much of the current plan you have read.</source>
        <translation>Wie viel des aktuellen Plans Sie gelesen haben.</translation>
    </message>
    <message>
        <source>The book whose verses you write notes on.</source>
        <translation>Das Buch, zu dessen Versen Sie Notizen schreiben.</translation>
    </message>
    <message>
        <source>The chapter of the book. A book of one chapter has nothing to choose here.</source>
        <translation>Das Kapitel des Buches. Bei einem Buch mit nur einem Kapitel gibt es hier nichts zu wählen.</translation>
    </message>
    <message>
        <source>The verse whose note is shown below. A psalm with a title starts at verse 0, the title.</source>
        <translation>Der Vers, dessen Notiz unten steht. Ein Psalm mit Überschrift beginnt mit Vers 0, der Überschrift.</translation>
    </message>
    <message>
        <source>Goes back to the nearest earlier verse that has a note.</source>
        <translation>Geht zurück zum nächsten früheren Vers mit Notiz.</translation>
    </message>
    <message>
        <source>Goes on to the nearest later verse that has a note.</source>
        <translation>Geht weiter zum nächsten späteren Vers mit Notiz.</translation>
    </message>
    <message>
        <source>The upper bar shows your progress in the current plan.</source>
        <translation>Der obere Balken zeigt Ihren Fortschritt im aktuellen Plan.</translation>
    </message>
    <message>
        <source>The lower bar shows your lifetime progress through the whole Bible.</source>
        <translation>Der untere Balken zeigt Ihren lebenslangen Fortschritt durch die ganze Bibel.</translation>
    </message>
    <message>
        <source>The first verse of the reading.</source>
        <translation>Der erste Vers der Lesung.</translation>
    </message>
    <message>
        <source>The month and year the calendar shows.</source>
        <translation>Monat und Jahr, die der Kalender zeigt.</translation>
    </message>
    <message>
        <source>Counts the reading in your lifetime reading only; the plan is left as it is.</source>
        <translation>Zählt die Lesung nur in Ihrer lebenslangen Lesung; der Plan bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>Counts the reading in your lifetime reading and marks the verses of the current plan as read.</source>
        <translation>Zählt die Lesung in Ihrer lebenslangen Lesung und markiert die Verse des aktuellen Plans als gelesen.</translation>
    </message>
    <message>
        <source>The last verse of the reading.</source>
        <translation>Der letzte Vers der Lesung.</translation>
    </message>
    <message>
        <source>Type the reading as you would write it, such as Ps 23, John 3:16-18 or 1 Cor 13, and press Enter. The verses below show what was read; a reference the Bible does not have is refused with the reason.</source>
        <translation>Geben Sie die Lesung so ein, wie Sie sie schreiben würden, etwa Ps 23, Joh 3,16-18 oder 1 Kor 13, und drücken Sie die Eingabetaste. Die Verse darunter zeigen, was gelesen wurde; eine Bibelstelle, die es nicht gibt, wird mit dem Grund abgelehnt.</translation>
    </message>
    <message>
        <source>Choose the first verse of the reading.</source>
        <translation>Wählen Sie den ersten Vers der Lesung.</translation>
    </message>
    <message>
        <source>Choose the last verse of the reading.</source>
        <translation>Wählen Sie den letzten Vers der Lesung.</translation>
    </message>
    <message>
        <source>Shows the previous month.</source>
        <translation>Zeigt den vorigen Monat.</translation>
    </message>
    <message>
        <source>Shows the next month.</source>
        <translation>Zeigt den nächsten Monat.</translation>
    </message>
    <message>
        <source>The book of the verse.</source>
        <translation>Das Buch des Verses.</translation>
    </message>
    <message>
        <source>The chapter of the verse. A book of one chapter has nothing to choose here.</source>
        <translation>Das Kapitel des Verses. Bei einem Buch mit nur einem Kapitel gibt es hier nichts zu wählen.</translation>
    </message>
    <message>
        <source>The verse. A psalm with a title starts at verse 0, the title.</source>
        <translation>Der Vers. Ein Psalm mit Überschrift beginnt mit Vers 0, der Überschrift.</translation>
    </message>
    <message>
        <source>The title, format and description of the template the plan was made from.</source>
        <translation>Titel, Format und Beschreibung der Vorlage, aus der der Plan erstellt wurde.</translation>
    </message>
    <message>
        <source>A day of the month: click it to choose it. Days in grey lie outside your plan.</source>
        <translation>Ein Tag des Monats: Klicken Sie darauf, um ihn zu wählen. Grau dargestellte Tage liegen außerhalb Ihres Plans.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Bible &amp;Coverage</source>
        <translation>&amp;Bibel-Leseübersicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Scrivane...</source>
        <translation>Ü&amp;ber Scrivane...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Alles a&amp;uswählen	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>&amp;Weitersuchen	F3</translation>
    </message>
    <message>
        <source>R&amp;eplace...	Ctrl+H</source>
        <translation>Erse&amp;tzen...	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;New Reading Plan Template...</source>
        <translation>&amp;Neue Leseplanvorlage...</translation>
    </message>
    <message>
        <source>&amp;Open Reader Environment...	Ctrl+O</source>
        <translation>Leserumgebung ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close Reader Environment</source>
        <translation>Leserumgebung &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Import Reading List...</source>
        <translation>Lese&amp;liste importieren...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Dr&amp;uckereinrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Reading Plan Template...	Ctrl+N</source>
        <translation>&amp;Neue Leseplanvorlage...	Ctrl+N</translation>
    </message>
    <message>
        <source>Go &amp;To Reading</source>
        <translation>&amp;Zu Lesung springen</translation>
    </message>
    <message>
        <source>First &amp;Unfinished Reading</source>
        <translation>Erste &amp;offene Lesung</translation>
    </message>
    <message>
        <source>&amp;First Reading</source>
        <translation>&amp;Erste Lesung</translation>
    </message>
    <message>
        <source>&amp;Previous Reading</source>
        <translation>&amp;Vorherige Lesung</translation>
    </message>
    <message>
        <source>&amp;Next Reading</source>
        <translation>&amp;Nächste Lesung</translation>
    </message>
    <message>
        <source>&amp;Last Reading</source>
        <translation>&amp;Letzte Lesung</translation>
    </message>
    <message>
        <source>By &amp;Date</source>
        <translation>Nach &amp;Datum</translation>
    </message>
    <message>
        <source>By &amp;Verse</source>
        <translation>Nach &amp;Bibelvers</translation>
    </message>
    <message>
        <source>&amp;Reading Plan</source>
        <translation>&amp;Leseplan</translation>
    </message>
    <message>
        <source>&amp;New Plan</source>
        <translation>&amp;Neuer Plan</translation>
    </message>
    <message>
        <source>New Plan from &amp;Gallery...</source>
        <translation>Neuer Plan aus der &amp;Galerie...</translation>
    </message>
    <message>
        <source>New Plan from &amp;Unread Chapters...</source>
        <translation>Neuer Plan aus &amp;ungelesenen Kapiteln...</translation>
    </message>
    <message>
        <source>&amp;Plan Properties</source>
        <translation>Plan&amp;eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Finished Reading	Ctrl+D</source>
        <translation>Lesung &amp;abgeschlossen	Ctrl+D</translation>
    </message>
    <message>
        <source>Rea&amp;d Assignment	Ctrl+R</source>
        <translation>&amp;Tageslesung lesen	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Enter Reading</source>
        <translation>Lesung e&amp;intragen</translation>
    </message>
    <message>
        <source>&amp;Synchronize Dates</source>
        <translation>Lese&amp;daten abgleichen</translation>
    </message>
    <message>
        <source>&amp;Reset Plan</source>
        <translation>&amp;Plan zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime Readings</source>
        <translation>&amp;Lebenslange Lesungen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Save Reading Plan	Ctrl+S</source>
        <translation>Leseplan s&amp;peichern	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Save Verse Notes	Ctrl+S</source>
        <translation>Versnotizen s&amp;peichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Open &amp;General Notes...</source>
        <translation>All&amp;gemeine Notizen öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save General Notes...	Ctrl+S</source>
        <translation>Allgemeine Notizen s&amp;peichern...	Ctrl+S</translation>
    </message>
    <message>
        <source>Save General Notes &amp;As...</source>
        <translation>Allgemeine Notizen speichern unte&amp;r...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Save Map as PN&amp;G...</source>
        <translation>Karte als PN&amp;G speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Map as SVG...</source>
        <translation>Karte als SVG spei&amp;chern...</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Ver&amp;größern	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit to Window	Ctrl+0</source>
        <translation>An &amp;Fenster anpassen	Ctrl+0</translation>
    </message>
    <message>
        <source>Expor&amp;t Plan to Calendar...</source>
        <translation>Plan in &amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>Re&amp;minder...</source>
        <translation>Erinne&amp;rung...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>T&amp;heme</source>
        <translation>Farbs&amp;chema</translation>
    </message>
    <message>
        <source>Follow the &amp;Desktop</source>
        <translation>Wie das &amp;System</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>Dar&amp;k</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
    <message>
        <source>&amp;Actual Size	Ctrl+0</source>
        <translation>&amp;Originalgröße	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Reading History</source>
        <translation>&amp;Leseverlauf</translation>
    </message>
    <message>
        <source>Save History as PN&amp;G...</source>
        <translation>Verlauf als PN&amp;G speichern...</translation>
    </message>
    <message>
        <source>Save &amp;History as SVG...</source>
        <translation>Verlauf als S&amp;VG speichern...</translation>
    </message>
    <message>
        <source>S&amp;ync with Other Computers...</source>
        <translation>Mit anderen &amp;Rechnern abgleichen...</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>Sync with Other Computers</source>
        <translation>Mit anderen Rechnern abgleichen</translation>
    </message>
    <message>
        <source>Keep this reader&apos;s readings and notes the same on your other computers. Choose a folder that your file-sync tool (such as Syncthing, Nextcloud or Dropbox) shares between them. Only this computer&apos;s journal is kept there, never the reader&apos;s files.</source>
        <translation>Halten Sie die Lesungen und Notizen dieses Lesers auf Ihren anderen Rechnern gleich. Wählen Sie einen Ordner, den Ihr Synchronisationsprogramm (etwa Syncthing, Nextcloud oder Dropbox) zwischen ihnen teilt. Dort liegt nur das Journal dieses Rechners, nie die Dateien des Lesers.</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Readers already shared in this folder:</source>
        <translation>Bereits in diesem Ordner geteilte Leser:</translation>
    </message>
    <message>
        <source>Readers already shared in this folder</source>
        <translation>Bereits in diesem Ordner geteilte Leser</translation>
    </message>
    <message>
        <source>&amp;Share this reader from this computer</source>
        <translation>Diesen Leser von diesem Rechner aus &amp;teilen</translation>
    </message>
    <message>
        <source>&amp;Use the readings from the other computers</source>
        <translation>Die Lesungen der anderen Rechner ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>&amp;Add this computer&apos;s readings too</source>
        <translation>Die Lesungen dieses Rechners &amp;hinzufügen</translation>
    </message>
    <message>
        <source>This computer&apos;s own files for the reader are kept beside them as a backup.</source>
        <translation>Die eigenen Dateien dieses Rechners für den Leser werden daneben als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Verknüpfen</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>New readings</source>
        <translation>Neue Lesungen</translation>
    </message>
    <message>
        <source>Other computers</source>
        <translation>Andere Rechner</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Jetzt abgleichen</translation>
    </message>
    <message>
        <source>Unlin&amp;k</source>
        <translation>Verknüpfung &amp;lösen</translation>
    </message>
    <message>
        <source>Sync Folder</source>
        <translation>Synchronisationsordner</translation>
    </message>
    <message>
        <source>%1 is linked to the sync folder %2.</source>
        <translation>%1 ist mit dem Synchronisationsordner %2 verknüpft.</translation>
    </message>
    <message>
        <source>This computer&apos;s own files for the reader were kept in:</source>
        <translation>Die eigenen Dateien dieses Rechners für den Leser wurden aufbewahrt in:</translation>
    </message>
    <message>
        <source>Stop syncing this reader with the other computers?
Its files stay as they are on this computer, and the sync folder is left as it is.</source>
        <translation>Diesen Leser nicht mehr mit den anderen Rechnern abgleichen?
Seine Dateien bleiben auf diesem Rechner, wie sie sind, und der Synchronisationsordner bleibt unverändert.</translation>
    </message>
    <message>
        <source>No other computer has written to the folder yet.</source>
        <translation>Noch hat kein anderer Rechner in den Ordner geschrieben.</translation>
    </message>
    <message>
        <source>Everything from the other computers is here.</source>
        <translation>Alles von den anderen Rechnern ist hier.</translation>
    </message>
    <message>
        <source>Merged 1 reading from %1 (%2)</source>
        <translation>1 Lesung von %1 übernommen (%2)</translation>
    </message>
    <message>
        <source>Merged %1 readings from %2 (%3)</source>
        <translation>%1 Lesungen von %2 übernommen (%3)</translation>
    </message>
    <message>
        <source>Merged the changes made on the other computers</source>
        <translation>Die Änderungen der anderen Rechner wurden übernommen</translation>
    </message>
</context>
</TS>
