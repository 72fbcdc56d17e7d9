<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Accessibility</name>
    <message>
        <source>Bible coverage</source>
        <translation>Cobertura de la Biblia</translation>
    </message>
    <message>
        <source>Bible coverage map</source>
        <translation>Mapa de cobertura de la Biblia</translation>
    </message>
    <message>
        <source>%1: %2 of %3 chapters read</source>
        <translation>%1: %2 de %3 capítulos leídos</translation>
    </message>
    <message>
        <source>Verse note</source>
        <translation>Nota del versículo</translation>
    </message>
    <message>
        <source>General notes</source>
        <translation>Notas generales</translation>
    </message>
    <message>
        <source>How the plan was made</source>
        <translation>Cómo se hizo el plan</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leída</translation>
    </message>
    <message>
        <source>Not read, overdue</source>
        <translation>No leída, atrasada</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>No leída</translation>
    </message>
    <message>
        <source>Reading plan</source>
        <translation>Plan de lectura</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Versículo</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Reading plan completed</source>
        <translation>Plan de lectura completado</translation>
    </message>
    <message>
        <source>Reading plan completed, percent</source>
        <translation>Plan de lectura completado, porcentaje</translation>
    </message>
    <message>
        <source>Lifetime Bible reading</source>
        <translation>Lectura de la Biblia de toda la vida</translation>
    </message>
    <message>
        <source>Lifetime Bible reading, percent</source>
        <translation>Lectura de la Biblia de toda la vida, porcentaje</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Texto más pequeño</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Texto más grande</translation>
    </message>
    <message>
        <source>Find in the passage</source>
        <translation>Buscar en el pasaje</translation>
    </message>
    <message>
        <source>Passage text</source>
        <translation>Texto del pasaje</translation>
    </message>
    <message>
        <source>Verse text</source>
        <translation>Texto del versículo</translation>
    </message>
    <message>
        <source>Reading history</source>
        <translation>Historial de lectura</translation>
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
        <translation>Acerca de Scrivane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Scrivane&lt;/b&gt;</source>
        <translation>&lt;b&gt;Scrivane&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Versión 1.00</translation>
    </message>
</context>
<context>
    <name>CBibleNoteChildFrame</name>
    <message>
        <source>Bible Notes for</source>
        <translation>Notas bíblicas de</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Ante&amp;rior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
</context>
<context>
    <name>CCoverageFrame</name>
    <message>
        <source>Bible Coverage</source>
        <translation>Cobertura de la Biblia</translation>
    </message>
</context>
<context>
    <name>CCoverageMap</name>
    <message>
        <source>In the plan, to read</source>
        <translation>En el plan, por leer</translation>
    </message>
    <message>
        <source>Read in the plan</source>
        <translation>Leído en el plan</translation>
    </message>
    <message>
        <source>%1 of %2 verses (%3), %4 of %5 chapters read</source>
        <translation>%L1 de %L2 versículos (%3), %L4 de %L5 capítulos leídos</translation>
    </message>
    <message>
        <source>Bible Coverage: %1</source>
        <translation>Cobertura de la Biblia: %1</translation>
    </message>
    <message>
        <source>Old Testament: %1</source>
        <translation>Antiguo Testamento: %1</translation>
    </message>
    <message>
        <source>New Testament: %1</source>
        <translation>Nuevo Testamento: %1</translation>
    </message>
    <message>
        <source>How often each chapter of the Bible has been read. Click a chapter to enter it as read, or to read it in the passage window when that is open.</source>
        <translation>Cuántas veces se ha leído cada capítulo de la Biblia. Haga clic en un capítulo para registrarlo como leído, o para leerlo en la ventana del pasaje cuando esté abierta.</translation>
    </message>
</context>
<context>
    <name>CDailyRhythm</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Finished Reading</source>
        <translation>Lectura &amp;terminada</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Scrivane: no reader environment open</source>
        <translation>Scrivane: ningún entorno de lector abierto</translation>
    </message>
</context>
<context>
    <name>CEnterExtraReadingDialog</name>
    <message>
        <source>Scrivane - Enter Extra Reading</source>
        <translation>Scrivane - Registrar una lectura adicional</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referencia:</translation>
    </message>
    <message>
        <source>Ps 23, John 3:16-18</source>
        <translation>Sal 23, Jn 3:16-18</translation>
    </message>
    <message>
        <source>Starting At Verse:</source>
        <translation>Desde el versículo:</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>Ending At Verse</source>
        <translation>Hasta el versículo</translation>
    </message>
    <message>
        <source>Chan&amp;ge</source>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>Update lifetime reading history only</source>
        <translation>Actualizar solo el historial de lectura de toda la vida</translation>
    </message>
    <message>
        <source>Update lifetime reading and current reading plan</source>
        <translation>Actualizar el historial de toda la vida y el plan de lectura actual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type a reference, such as Ps 23, or choose the verses with Change.</source>
        <translation>Escriba una referencia, como Sal 23, o elija los versículos con Cambiar.</translation>
    </message>
</context>
<context>
    <name>CFindReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>R&amp;eemplazar por:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo &amp;palabras completas</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CHelpService</name>
    <message>
        <source>Scrivane Help</source>
        <translation>Ayuda de Scrivane</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&lt;h2 align=&quot;center&quot;&gt;Welcome to Scrivane&lt;/h2&gt;&lt;p&gt;Two steps, and you can start reading:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Choose &lt;b&gt;File &amp;gt; Open Reader Environment&lt;/b&gt;, then &lt;b&gt;New Reader&lt;/b&gt;, and give your name.&lt;/li&gt;&lt;li&gt;Choose &lt;b&gt;Reading Plan &amp;gt; New Plan from Gallery&lt;/b&gt; and pick a plan, such as &lt;i&gt;Bible in one year&lt;/i&gt;.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Today&apos;s reading then waits for you in the plan window.&lt;/p&gt;</source>
        <translation>&lt;h2 align=&quot;center&quot;&gt;Bienvenido a Scrivane&lt;/h2&gt;&lt;p&gt;Dos pasos y podrá empezar a leer:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Elija &lt;b&gt;Archivo &amp;gt; Abrir entorno de lector&lt;/b&gt;, luego &lt;b&gt;Nuevo lector&lt;/b&gt;, y escriba su nombre.&lt;/li&gt;&lt;li&gt;Elija &lt;b&gt;Plan de lectura &amp;gt; Nuevo plan desde la galería&lt;/b&gt; y escoja un plan, como &lt;i&gt;La Biblia en un año&lt;/i&gt;.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;La lectura de hoy le espera entonces en la ventana del plan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>CPassageView</name>
    <message>
        <source>(This verse is not in this translation.)</source>
        <translation>(Este versículo no está en esta traducción.)</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>&amp;Traducción:</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Reducir (Ctrl+-)</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Ampliar (Ctrl++)</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>Finished Rea&amp;ding</source>
        <translation>Lectura ter&amp;minada</translation>
    </message>
    <message>
        <source>&amp;Back to the Assignment</source>
        <translation>Volver a la lectura del &amp;día</translation>
    </message>
    <message>
        <source>E&amp;nter Reading</source>
        <translation>Registrar lectu&amp;ra</translation>
    </message>
    <message>
        <source>Enter these verses as read</source>
        <translation>Registrar estos versículos como leídos</translation>
    </message>
    <message>
        <source>Choose a Plan from the &amp;Gallery...</source>
        <translation>Elegir un plan de la &amp;galería...</translation>
    </message>
    <message>
        <source>To begin, choose one of the ready plans, or make one with the template editor.</source>
        <translation>Para empezar, elija uno de los planes preparados o cree uno con el editor de plantillas.</translation>
    </message>
    <message>
        <source>Reading the text…</source>
        <translation>Leyendo el texto…</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
</context>
<context>
    <name>CPlanChildFrame</name>
    <message>
        <source>Reading Plan Completed</source>
        <translation>Plan de lectura completado</translation>
    </message>
    <message>
        <source>Lifetime Bible Reading</source>
        <translation>Lectura de la Biblia de toda la vida</translation>
    </message>
    <message>
        <source>Verses of the Bible you have read outside the current plan and in earlier plans.
The current plan&apos;s first readings join it when the plan is reset or replaced by a new one.</source>
        <translation>Versículos de la Biblia que ha leído fuera del plan actual y en planes anteriores.
Las lecturas del plan actual se suman cuando el plan se reinicia o se sustituye por uno nuevo.</translation>
    </message>
    <message>
        <source>Synchronize Dates</source>
        <translation>Sincronizar fechas</translation>
    </message>
    <message>
        <source>Move the unfinished readings onto new dates from today</source>
        <translation>Pasar las lecturas pendientes a fechas nuevas a partir de hoy</translation>
    </message>
</context>
<context>
    <name>CPlanGalleryDialog</name>
    <message>
        <source>Scrivane - New Plan from Gallery</source>
        <translation>Scrivane - Nuevo plan desde la galería</translation>
    </message>
    <message>
        <source>About this plan</source>
        <translation>Acerca de este plan</translation>
    </message>
    <message>
        <source>&amp;Start on:</source>
        <translation>&amp;Empezar el:</translation>
    </message>
    <message>
        <source>&amp;Leave out the readings dated before today</source>
        <translation>&amp;Omitir las lecturas con fecha anterior a hoy</translation>
    </message>
    <message>
        <source>Ready plans</source>
        <translation>Planes preparados</translation>
    </message>
    <message>
        <source>Your own templates</source>
        <translation>Sus propias plantillas</translation>
    </message>
    <message>
        <source>%1 - cannot be used</source>
        <translation>%1 - no se puede usar</translation>
    </message>
    <message>
        <source>No plan templates were found.</source>
        <translation>No se encontró ninguna plantilla de plan.</translation>
    </message>
    <message>
        <source>The first week from today, the readings dated before it left out:</source>
        <translation>La primera semana a partir de hoy, sin las lecturas con fecha anterior:</translation>
    </message>
    <message>
        <source>The first week, starting %1:</source>
        <translation>La primera semana, a partir del %1:</translation>
    </message>
    <message>
        <source>The first week, starting today:</source>
        <translation>La primera semana, a partir de hoy:</translation>
    </message>
    <message>
        <source>No reading is left from today on.</source>
        <translation>No queda ninguna lectura a partir de hoy.</translation>
    </message>
</context>
<context>
    <name>CPlanLoadProgressDialog</name>
    <message>
        <source>Loading Reading Plan From Template</source>
        <translation>Cargando el plan de lectura desde la plantilla</translation>
    </message>
</context>
<context>
    <name>CPlanPropertiesDialog</name>
    <message>
        <source>Reading Plan Properties</source>
        <translation>Propiedades del plan de lectura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CQtUiServices</name>
    <message>
        <source>From &amp;Gallery...</source>
        <translation>De la &amp;galería...</translation>
    </message>
</context>
<context>
    <name>CReaderDialog</name>
    <message>
        <source>Scrivane - New Reader Environment</source>
        <translation>Scrivane - Nuevo entorno de lector</translation>
    </message>
    <message>
        <source>Scrivane - Edit Reader Environment</source>
        <translation>Scrivane - Editar entorno de lector</translation>
    </message>
    <message>
        <source>required</source>
        <translation>obligatorio</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>&amp;Nick Name</source>
        <translation>&amp;Apodo</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>A&amp;pellido</translation>
    </message>
    <message>
        <source>Reader Options To Activate</source>
        <translation>Opciones del lector que activar</translation>
    </message>
    <message>
        <source>Bible Reading Plan</source>
        <translation>Plan de lectura bíblica</translation>
    </message>
    <message>
        <source>Bible Verse Notes</source>
        <translation>Notas de versículos</translation>
    </message>
    <message>
        <source>General Notes</source>
        <translation>Notas generales</translation>
    </message>
    <message>
        <source>Prayer Book</source>
        <translation>Libro de oración</translation>
    </message>
    <message>
        <source>Default Bible Prefrence</source>
        <translation>Preferencia de Biblia predeterminada</translation>
    </message>
    <message>
        <source>Include Apocrypha</source>
        <translation>Incluir los apócrifos</translation>
    </message>
</context>
<context>
    <name>CReadingHistoryView</name>
    <message>
        <source>Reading History</source>
        <translation>Historial de lectura</translation>
    </message>
    <message>
        <source>verse</source>
        <translation>versículo</translation>
    </message>
    <message>
        <source>verses</source>
        <translation>versículos</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>readings</source>
        <translation>lecturas</translation>
    </message>
    <message>
        <source>reading day</source>
        <translation>día de lectura</translation>
    </message>
    <message>
        <source>reading days</source>
        <translation>días de lectura</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Finished reading</source>
        <translation>Lectura terminada</translation>
    </message>
    <message>
        <source>Marked read</source>
        <translation>Marcada como leída</translation>
    </message>
    <message>
        <source>Extra reading</source>
        <translation>Lectura adicional</translation>
    </message>
    <message>
        <source>Current streak: %1    Longest streak: %2</source>
        <translation>Racha actual: %1    Racha más larga: %2</translation>
    </message>
    <message>
        <source>Click a day to see what was read on it.</source>
        <translation>Haga clic en un día para ver lo que se leyó.</translation>
    </message>
    <message>
        <source>%1: nothing read</source>
        <translation>%1: no se leyó nada</translation>
    </message>
    <message>
        <source>Verses a day:</source>
        <translation>Versículos por día:</translation>
    </message>
    <message>
        <source>The days you read on in the last twelve months, shaded by the verses read, with your streaks and totals. Click a day to see what was read on it.</source>
        <translation>Los días en que leyó en los últimos doce meses, sombreados según los versículos leídos, con sus rachas y totales. Haga clic en un día para ver lo que se leyó.</translation>
    </message>
</context>
<context>
    <name>CReadingPlanView</name>
    <message>
        <source>Your reading for the day. Double-click a reading to mark it read.</source>
        <translation>Su lectura del día. Haga doble clic en una lectura para marcarla como leída.</translation>
    </message>
    <message>
        <source>To begin, choose one of the ready plans, or make one with the template editor.</source>
        <translation>Para empezar, elija uno de los planes preparados o cree uno con el editor de plantillas.</translation>
    </message>
    <message>
        <source>Choose a Plan from the &amp;Gallery...</source>
        <translation>Elegir un plan de la &amp;galería...</translation>
    </message>
    <message>
        <source>%1 is not in the current reading plan.</source>
        <translation>%1 no está en el plan de lectura actual.</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Remind me at</source>
        <translation>&amp;Recordarme a las</translation>
    </message>
    <message>
        <source>on reading days</source>
        <translation>los días de lectura</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop session</source>
        <translation>&amp;Iniciar con la sesión del escritorio</translation>
    </message>
</context>
<context>
    <name>CSelectDateDialog</name>
    <message>
        <source>Scrivane - Select Date</source>
        <translation>Scrivane - Elegir fecha</translation>
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
    <name>CSelectReaderDialog</name>
    <message>
        <source>Scrivane - Select Reader</source>
        <translation>Scrivane - Elegir lector</translation>
    </message>
    <message>
        <source>Select Reader</source>
        <translation>Elegir lector</translation>
    </message>
    <message>
        <source>&amp;New Reader</source>
        <translation>&amp;Nuevo lector</translation>
    </message>
    <message>
        <source>&amp;Edit Reader</source>
        <translation>&amp;Editar lector</translation>
    </message>
    <message>
        <source>&amp;Delete Reader</source>
        <translation>&amp;Borrar lector</translation>
    </message>
    <message>
        <source>Open this reader at &amp;start</source>
        <translation>Abrir este lector al &amp;iniciar</translation>
    </message>
    <message>
        <source>The desktop&apos;s</source>
        <translation>El del escritorio</translation>
    </message>
    <message>
        <source>&amp;Language (from the next start):</source>
        <translation>Idio&amp;ma (desde el próximo inicio):</translation>
    </message>
</context>
<context>
    <name>CSelectVerseDialog</name>
    <message>
        <source>Scrivane - Select Verse</source>
        <translation>Scrivane - Elegir versículo</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Versículo</translation>
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
    <name>CTemplateEditorDialog</name>
    <message>
        <source>Scrivane - Bible Reading Plan Template Editor</source>
        <translation>Scrivane - Editor de plantillas de planes de lectura bíblica</translation>
    </message>
    <message>
        <source>Saves the template to a file of your choice and closes the editor.</source>
        <translation>Guarda la plantilla en el archivo que elija y cierra el editor.</translation>
    </message>
    <message>
        <source>Closes the editor. When the template has changes that are not saved, you are asked whether to save them first.</source>
        <translation>Cierra el editor. Si la plantilla tiene cambios sin guardar, se le pregunta antes si desea guardarlos.</translation>
    </message>
    <message>
        <source>The books of the Bible in their groups. Choose a section on the left, then right-click a book to put it in that section, or to take it out when it is there already. Right-clicking a group does the same for each of its books; the menu key does it for the selected item. The colour shows the section: white is no section, a striped picture a group whose books are in several.</source>
        <translation>Los libros de la Biblia en sus grupos. Elija una sección a la izquierda y luego haga clic derecho en un libro para ponerlo en esa sección, o para quitarlo si ya está en ella. El clic derecho en un grupo hace lo mismo con cada uno de sus libros; la tecla de menú lo hace con el elemento seleccionado. El color indica la sección: blanco es ninguna sección; un dibujo a rayas, un grupo cuyos libros están en varias.</translation>
    </message>
    <message>
        <source>Months added to the length of the plan (a month counts as 30 days).</source>
        <translation>Meses que se suman a la duración del plan (un mes cuenta como 30 días).</translation>
    </message>
    <message>
        <source>Days added to the length of the plan, from 0 to 2000.</source>
        <translation>Días que se suman a la duración del plan, de 0 a 2000.</translation>
    </message>
    <message>
        <source>Adds a section: a group of books read side by side with the others, and selects it, so that the books you right-click next go there. Up to six sections; a new one can be added only when every section holds at least one book.</source>
        <translation>Añade una sección (un grupo de libros que se lee a la par de los demás) y la selecciona, para que los libros en los que haga clic derecho vayan a ella. Hasta seis secciones; solo se puede añadir una nueva cuando cada sección tiene al menos un libro.</translation>
    </message>
    <message>
        <source>Opens a template file to change it. Plan templates and text imports can be opened; a text import may hold more than the editor can show.</source>
        <translation>Abre un archivo de plantilla para modificarlo. Se pueden abrir plantillas de plan e importaciones de texto; una importación de texto puede contener más de lo que el editor puede mostrar.</translation>
    </message>
    <message>
        <source>Saves the template as a plan template (.vntpl) or as a text import (.txt).</source>
        <translation>Guarda la plantilla como plantilla de plan (.vntpl) o como importación de texto (.txt).</translation>
    </message>
    <message>
        <source>The folder of the template file last opened or saved.</source>
        <translation>La carpeta del último archivo de plantilla abierto o guardado.</translation>
    </message>
    <message>
        <source>The name of the template file last opened or saved.</source>
        <translation>El nombre del último archivo de plantilla abierto o guardado.</translation>
    </message>
    <message>
        <source>Whether each day&apos;s reading ends at the end of a chapter or may stop inside one.</source>
        <translation>Si la lectura de cada día termina al final de un capítulo o puede detenerse dentro de uno.</translation>
    </message>
    <message>
        <source>Years of the plan&apos;s length (a year counts as 365 days).</source>
        <translation>Años de duración del plan (un año cuenta como 365 días).</translation>
    </message>
    <message>
        <source>When a section has read all its books before the plan ends, it starts over from its first book.</source>
        <translation>Cuando una sección ha leído todos sus libros antes de que termine el plan, vuelve a empezar por su primer libro.</translation>
    </message>
    <message>
        <source>Starts again from a new template: one year, every day, by chapters, one section with all the books.</source>
        <translation>Empieza de nuevo con una plantilla nueva: un año, todos los días, por capítulos, una sección con todos los libros.</translation>
    </message>
    <message>
        <source>The sections of the plan. Select one to choose where right-clicked books go.</source>
        <translation>Las secciones del plan. Seleccione una para elegir adónde van los libros en los que haga clic derecho.</translation>
    </message>
    <message>
        <source>Removes the selected section. Its books leave the plan and the sections after it each take the number one lower.</source>
        <translation>Quita la sección seleccionada. Sus libros salen del plan y las secciones siguientes pasan cada una al número anterior.</translation>
    </message>
    <message>
        <source>Saves the template file read-only, so that it cannot be saved over later.</source>
        <translation>Guarda el archivo de plantilla como de solo lectura, para que no se pueda sobrescribir más tarde.</translation>
    </message>
    <message>
        <source>Whether there is a reading on %1.</source>
        <translation>Si hay lectura el %1.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>the file&apos;s name</source>
        <translation>el nombre del archivo</translation>
    </message>
    <message>
        <source>T&amp;itle</source>
        <translation>T&amp;ítulo</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>D&amp;escripción</translation>
    </message>
    <message>
        <source>Template File</source>
        <translation>Archivo de plantilla</translation>
    </message>
    <message>
        <source>Read Only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Include Apocrypha</source>
        <translation>Incluir los apócrifos</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Plan Length</source>
        <translation>Duración del plan</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>Verses</source>
        <translation>Versículos</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Readings Divided By</source>
        <translation>Lecturas divididas por</translation>
    </message>
    <message>
        <source>Reading Days</source>
        <translation>Días de lectura</translation>
    </message>
    <message>
        <source>Books Per Session</source>
        <translation>Libros por sesión</translation>
    </message>
    <message>
        <source>Repeat Books</source>
        <translation>Repetir libros</translation>
    </message>
    <message>
        <source>&amp;Add Section</source>
        <translation>&amp;Añadir sección</translation>
    </message>
    <message>
        <source>&amp;Remove Section</source>
        <translation>&amp;Quitar sección</translation>
    </message>
    <message>
        <source>Rese&amp;t Template</source>
        <translation>Restablecer plan&amp;tilla</translation>
    </message>
    <message>
        <source>&amp;Load Template</source>
        <translation>&amp;Cargar plantilla</translation>
    </message>
    <message>
        <source>&amp;Save Template</source>
        <translation>&amp;Guardar plantilla</translation>
    </message>
    <message>
        <source>Save And E&amp;xit</source>
        <translation>Guardar y &amp;salir</translation>
    </message>
    <message>
        <source>A&amp;bort And Exit</source>
        <translation>Cancelar y sali&amp;r</translation>
    </message>
    <message>
        <source>The plan&apos;s title, as New Plan from Gallery and Plan Properties show it. Left empty, the template file&apos;s name is the title.</source>
        <translation>El título del plan, tal como lo muestran Nuevo plan desde la galería y Propiedades del plan. Si se deja vacío, el título es el nombre del archivo de plantilla.</translation>
    </message>
    <message>
        <source>A line about the plan, shown under its title in New Plan from Gallery and in Plan Properties.</source>
        <translation>Una línea sobre el plan, que se muestra bajo su título en Nuevo plan desde la galería y en Propiedades del plan.</translation>
    </message>
    <message>
        <source>Select a section, then right-click a book or a group of books on the right to put it in that section; right-click it again to take it out. The menu key does the same for the highlighted book.</source>
        <translation>Seleccione una sección y luego haga clic derecho en un libro o un grupo de libros de la derecha para ponerlo en esa sección; otro clic derecho lo quita. La tecla de menú hace lo mismo con el libro resaltado.</translation>
    </message>
</context>
<context>
    <name>CUnreadPlanDialog</name>
    <message>
        <source>New Plan from Unread Chapters</source>
        <translation>Nuevo plan con los capítulos no leídos</translation>
    </message>
    <message>
        <source>1 chapter has never been read. A new plan will read it.</source>
        <translation>Hay 1 capítulo que nunca se ha leído. Un plan nuevo lo leerá.</translation>
    </message>
    <message>
        <source>%1 chapters have never been read. A new plan will read each of them once, in the order of the Bible.</source>
        <translation>Hay %1 capítulos que nunca se han leído. Un plan nuevo leerá cada uno una vez, en el orden de la Biblia.</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Plan length:</source>
        <translation>Duración del plan:</translation>
    </message>
    <message>
        <source>Read on:</source>
        <translation>Leer los:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create or change a reading plan template
New Reading Plan Template</source>
        <translation>Crear o modificar una plantilla de plan de lectura
Nueva plantilla de plan de lectura</translation>
    </message>
    <message>
        <source>Choose a reader and open the reader&apos;s plan and notes
Open Reader Environment</source>
        <translation>Elegir un lector y abrir su plan y sus notas
Abrir entorno de lector</translation>
    </message>
    <message>
        <source>Close the open reader environment
Close Reader Environment</source>
        <translation>Cerrar el entorno de lector abierto
Cerrar entorno de lector</translation>
    </message>
    <message>
        <source>Quit the program
Exit</source>
        <translation>Salir del programa
Salir</translation>
    </message>
    <message>
        <source>Save the reading plan
Save Reading Plan</source>
        <translation>Guardar el plan de lectura
Guardar plan de lectura</translation>
    </message>
    <message>
        <source>Save the verse notes
Save Verse Notes</source>
        <translation>Guardar las notas de versículos
Guardar notas de versículos</translation>
    </message>
    <message>
        <source>Make a new plan from a template
New Plan</source>
        <translation>Crear un plan nuevo a partir de una plantilla
Nuevo plan</translation>
    </message>
    <message>
        <source>Make a new plan from a ready template
New Plan from Gallery</source>
        <translation>Crear un plan nuevo a partir de una plantilla preparada
Nuevo plan desde la galería</translation>
    </message>
    <message>
        <source>Make a day-by-day reading list into a plan file
Import Reading List</source>
        <translation>Convertir una lista de lectura diaria en un archivo de plan
Importar lista de lectura</translation>
    </message>
    <message>
        <source>Show how often each chapter of the Bible has been read
Bible Coverage</source>
        <translation>Mostrar cuántas veces se ha leído cada capítulo de la Biblia
Cobertura de la Biblia</translation>
    </message>
    <message>
        <source>Make a new plan of the chapters never read
New Plan from Unread Chapters</source>
        <translation>Crear un plan nuevo con los capítulos nunca leídos
Nuevo plan con los capítulos no leídos</translation>
    </message>
    <message>
        <source>Save the coverage map as a PNG picture
Save Map as PNG</source>
        <translation>Guardar el mapa de cobertura como imagen PNG
Guardar mapa como PNG</translation>
    </message>
    <message>
        <source>Save the coverage map as an SVG drawing
Save Map as SVG</source>
        <translation>Guardar el mapa de cobertura como dibujo SVG
Guardar mapa como SVG</translation>
    </message>
    <message>
        <source>Record a reading outside the plan
Enter Reading</source>
        <translation>Registrar una lectura fuera del plan
Registrar lectura</translation>
    </message>
    <message>
        <source>Go to the next reading
Next Reading</source>
        <translation>Ir a la lectura siguiente
Lectura siguiente</translation>
    </message>
    <message>
        <source>Move the unfinished readings onto new dates
Synchronize Dates</source>
        <translation>Pasar las lecturas pendientes a fechas nuevas
Sincronizar fechas</translation>
    </message>
    <message>
        <source>Mark the whole plan as unread
Reset Plan</source>
        <translation>Marcar todo el plan como no leído
Reiniciar plan</translation>
    </message>
    <message>
        <source>Go to the first reading
First Reading</source>
        <translation>Ir a la primera lectura
Primera lectura</translation>
    </message>
    <message>
        <source>Go to the last reading
Last Reading</source>
        <translation>Ir a la última lectura
Última lectura</translation>
    </message>
    <message>
        <source>Forget every reading ever recorded
Reset Lifetime Readings</source>
        <translation>Olvidar todas las lecturas registradas
Reiniciar lecturas de toda la vida</translation>
    </message>
    <message>
        <source>Go to the first reading not yet finished
First Unfinished Reading</source>
        <translation>Ir a la primera lectura aún no terminada
Primera lectura pendiente</translation>
    </message>
    <message>
        <source>Go to the previous reading
Previous Reading</source>
        <translation>Ir a la lectura anterior
Lectura anterior</translation>
    </message>
    <message>
        <source>Go to the reading of a date
By Date</source>
        <translation>Ir a la lectura de una fecha
Por fecha</translation>
    </message>
    <message>
        <source>Go to the reading that holds a verse
By Verse</source>
        <translation>Ir a la lectura que contiene un versículo
Por versículo</translation>
    </message>
    <message>
        <source>Mark the current reading as read (Ctrl+D)
Finished Reading (Ctrl+D)</source>
        <translation>Marcar la lectura actual como leída (Ctrl+D)
Lectura terminada (Ctrl+D)</translation>
    </message>
    <message>
        <source>Show how the plan was made
Plan Properties</source>
        <translation>Mostrar cómo se hizo el plan
Propiedades del plan</translation>
    </message>
    <message>
        <source>Show the text of the current assignment
Read Assignment</source>
        <translation>Mostrar el texto de la lectura del día
Leer la lectura del día</translation>
    </message>
    <message>
        <source>Show the passage larger
Zoom In</source>
        <translation>Mostrar el pasaje más grande
Ampliar</translation>
    </message>
    <message>
        <source>Show the map larger
Zoom In</source>
        <translation>Mostrar el mapa más grande
Ampliar</translation>
    </message>
    <message>
        <source>Show the map smaller, as far as its text stays readable
Zoom Out</source>
        <translation>Mostrar el mapa más pequeño, mientras su texto siga legible
Reducir</translation>
    </message>
    <message>
        <source>Show the map as large as the window
Fit to Window</source>
        <translation>Mostrar el mapa tan grande como la ventana
Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Show the passage smaller
Zoom Out</source>
        <translation>Mostrar el pasaje más pequeño
Reducir</translation>
    </message>
    <message>
        <source>Open a general notes file
Open</source>
        <translation>Abrir un archivo de notas generales
Abrir</translation>
    </message>
    <message>
        <source>Save the general notes
Save</source>
        <translation>Guardar las notas generales
Guardar</translation>
    </message>
    <message>
        <source>Save the general notes under a new name
Save As</source>
        <translation>Guardar las notas generales con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Show the pages as they will be printed
Print Preview</source>
        <translation>Mostrar las páginas tal como se imprimirán
Vista previa de impresión</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard
Copy</source>
        <translation>Copiar la selección al portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard
Cut</source>
        <translation>Cortar la selección al portapapeles
Cortar</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s text
Paste</source>
        <translation>Insertar el texto del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Deshacer el último cambio
Deshacer</translation>
    </message>
    <message>
        <source>Make the change undone last again
Redo</source>
        <translation>Volver a hacer el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>Select the whole text
Select All</source>
        <translation>Seleccionar todo el texto
Seleccionar todo</translation>
    </message>
    <message>
        <source>Find a text
Find</source>
        <translation>Buscar un texto
Buscar</translation>
    </message>
    <message>
        <source>Find the text again
Find Next</source>
        <translation>Buscar el texto otra vez
Buscar siguiente</translation>
    </message>
    <message>
        <source>Replace a text with another
Replace</source>
        <translation>Reemplazar un texto por otro
Reemplazar</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile Windows</source>
        <translation>Organizar las ventanas una junto a otra
Ventanas en mosaico</translation>
    </message>
    <message>
        <source>Line up the minimized windows at the bottom
Arrange Icons</source>
        <translation>Alinear las ventanas minimizadas en la parte inferior
Organizar iconos</translation>
    </message>
    <message>
        <source>Show the program&apos;s version
About</source>
        <translation>Mostrar la versión del programa
Acerca de</translation>
    </message>
    <message>
        <source>List the help topics
Help Topics</source>
        <translation>Mostrar los temas de ayuda
Temas de ayuda</translation>
    </message>
    <message>
        <source>Show help on the next button, menu item or window you click
Help</source>
        <translation>Mostrar ayuda sobre el siguiente botón, elemento de menú o ventana en que haga clic
Ayuda</translation>
    </message>
    <message>
        <source>Show help on the active window
Help</source>
        <translation>Mostrar ayuda sobre la ventana activa
Ayuda</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Open this general notes file</source>
        <translation>Abrir este archivo de notas generales</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, pulse F1</translation>
    </message>
    <message>
        <source>Write the plan as a calendar file that follows the plan
Export Plan to Calendar</source>
        <translation>Escribir el plan como archivo de calendario que sigue al plan
Exportar plan al calendario</translation>
    </message>
    <message>
        <source>Choose when to be reminded of the day&apos;s reading
Reminder</source>
        <translation>Elegir cuándo recordar la lectura del día
Recordatorio</translation>
    </message>
    <message>
        <source>Show the text larger
Zoom In</source>
        <translation>Mostrar el texto más grande
Ampliar</translation>
    </message>
    <message>
        <source>Show the text smaller
Zoom Out</source>
        <translation>Mostrar el texto más pequeño
Reducir</translation>
    </message>
    <message>
        <source>Show the text at its usual size
Actual Size</source>
        <translation>Mostrar el texto en su tamaño normal
Tamaño normal</translation>
    </message>
    <message>
        <source>Show the windows in the desktop&apos;s colours
Follow the Desktop</source>
        <translation>Mostrar las ventanas con los colores del escritorio
Según el escritorio</translation>
    </message>
    <message>
        <source>Show the windows dark on light
Light</source>
        <translation>Mostrar las ventanas oscuro sobre claro
Claro</translation>
    </message>
    <message>
        <source>Show the windows light on dark
Dark</source>
        <translation>Mostrar las ventanas claro sobre oscuro
Oscuro</translation>
    </message>
    <message>
        <source>Show the windows in the strongest contrast
High Contrast</source>
        <translation>Mostrar las ventanas con el mayor contraste
Alto contraste</translation>
    </message>
    <message>
        <source>Show the days you read on, your streaks and totals
Reading History</source>
        <translation>Mostrar los días en que leyó, sus rachas y totales
Historial de lectura</translation>
    </message>
    <message>
        <source>Save the reading history as a PNG picture
Save History as PNG</source>
        <translation>Guardar el historial de lectura como imagen PNG
Guardar historial como PNG</translation>
    </message>
    <message>
        <source>Save the reading history as an SVG drawing
Save History as SVG</source>
        <translation>Guardar el historial de lectura como dibujo SVG
Guardar historial como SVG</translation>
    </message>
    <message>
        <source>Keep this reader the same on your other computers, through a folder they share
Sync with Other Computers</source>
        <translation>Mantener este lector igual en sus otros equipos, mediante una carpeta que comparten
Sincronizar con otros equipos</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Not read</source>
        <translation>No leído</translation>
    </message>
    <message>
        <source>Partly read</source>
        <translation>Leído en parte</translation>
    </message>
    <message>
        <source>Read once</source>
        <translation>Leído una vez</translation>
    </message>
    <message>
        <source>Read twice</source>
        <translation>Leído dos veces</translation>
    </message>
    <message>
        <source>Read three times or more</source>
        <translation>Leído tres veces o más</translation>
    </message>
    <message>
        <source>Unread Chapters</source>
        <translation>Capítulos no leídos</translation>
    </message>
    <message>
        <source>Every chapter of the Bible has been read at least once.</source>
        <translation>Todos los capítulos de la Biblia se han leído al menos una vez.</translation>
    </message>
    <message>
        <source>Choose at least one weekday to read on.</source>
        <translation>Elija al menos un día de la semana para leer.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation> ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Resetting reading plan.

Press OK to delete all reading history for the current reading plan.
(To delete lifetime reading history, use READING PLAN - RESET LIFETIME READINGS)

Press CANCEL to retain reading history.</source>
        <translation>Reinicio del plan de lectura.

Pulse ACEPTAR para borrar todo el historial de lectura del plan de lectura actual.
(Para borrar el historial de lectura de toda la vida, use PLAN DE LECTURA - REINICIAR LECTURAS DE TODA LA VIDA)

Pulse CANCELAR para conservar el historial de lectura.</translation>
    </message>
    <message>
        <source>Resetting lifetime reading history.

Press OK to delete all reading history except the current reading plan.
(To delete current reading plan reading history, use READING PLAN - RESET PLAN)

Press CANCEL to retain reading history.</source>
        <translation>Reinicio del historial de lectura de toda la vida.

Pulse ACEPTAR para borrar todo el historial de lectura excepto el del plan de lectura actual.
(Para borrar el historial del plan de lectura actual, use PLAN DE LECTURA - REINICIAR PLAN)

Pulse CANCELAR para conservar el historial de lectura.</translation>
    </message>
    <message>
        <source>Loading a new plan.

Are you sure you want to close this plan and open a new one?</source>
        <translation>Carga de un plan nuevo.

¿Seguro que desea cerrar este plan y abrir uno nuevo?</translation>
    </message>
    <message>
        <source>
This plan has no reading day: no day of the week is chosen, so it gives no readings.
The current reading plan has not been changed.</source>
        <translation>
Este plan no tiene ningún día de lectura: no se ha elegido ningún día de la semana, así que no da lecturas.
El plan de lectura actual no se ha modificado.</translation>
    </message>
    <message>
        <source>
This plan puts no book into any of its sections, so it gives no readings.
The current reading plan has not been changed.</source>
        <translation>
Este plan no pone ningún libro en sus secciones, así que no da lecturas.
El plan de lectura actual no se ha modificado.</translation>
    </message>
    <message>
        <source>
No readings could be made from this file, so the new reading plan is empty.</source>
        <translation>
No se pudo sacar ninguna lectura de este archivo, así que el plan de lectura nuevo está vacío.</translation>
    </message>
    <message>
        <source>Start the plan again from &amp;today (move its readings onto new dates)</source>
        <translation>Empezar el plan de nuevo desde &amp;hoy (pasar sus lecturas a fechas nuevas)</translation>
    </message>
    <message>
        <source>No Reading Plan Selected</source>
        <translation>Ningún plan de lectura seleccionado</translation>
    </message>
    <message>
        <source>Reading Plan Completed</source>
        <translation>Plan de lectura completado</translation>
    </message>
    <message>
        <source>Scrivane can modify only one template at a time.
You will lose the current template settings if you load a different template.
Do you still wish to load a different template?</source>
        <translation>Scrivane solo puede modificar una plantilla a la vez.
Perderá los ajustes de la plantilla actual si carga otra plantilla.
¿Desea cargar otra plantilla de todos modos?</translation>
    </message>
    <message>
        <source>When modifying a custom template, you may lose some functionality not supported by this template editor.</source>
        <translation>Al modificar una plantilla personalizada, puede perder funciones que este editor de plantillas no admite.</translation>
    </message>
    <message>
        <source>The template has changes that are not saved.
Do you want to save them before the editor closes?</source>
        <translation>La plantilla tiene cambios sin guardar.
¿Desea guardarlos antes de cerrar el editor?</translation>
    </message>
    <message>
        <source>

The selected file may not be modified.
Select &quot;Ok&quot; to select another file name.</source>
        <translation>

El archivo seleccionado no se puede modificar.
Pulse &quot;Aceptar&quot; para elegir otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Today is %1</source>
        <translation>Hoy es %1</translation>
    </message>
    <message>
        <source>Reading Plan scheduled for %1</source>
        <translation>Plan de lectura previsto para el %1</translation>
    </message>
    <message>
        <source>(Originally scheduled for %1)</source>
        <translation>(Previsto originalmente para el %1)</translation>
    </message>
    <message>
        <source>Your assignment today is:</source>
        <translation>Su lectura de hoy es:</translation>
    </message>
    <message>
        <source>The assignment for %1 is:</source>
        <translation>La lectura del %1 es:</translation>
    </message>
    <message>
        <source>No reading assignment today.</source>
        <translation>Hoy no hay lectura.</translation>
    </message>
    <message>
        <source>Last Reading Plan Completed</source>
        <translation>Último plan de lectura completado</translation>
    </message>
    <message>
        <source> through </source>
        <translation> hasta </translation>
    </message>
    <message>
        <source>Export Plan to Calendar</source>
        <translation>Exportar plan al calendario</translation>
    </message>
    <message>
        <source>The calendar was not exported.</source>
        <translation>El calendario no se exportó.</translation>
    </message>
    <message>
        <source>The reader environment was not opened.</source>
        <translation>El entorno de lector no se abrió.</translation>
    </message>
    <message>
        <source>Scrivane does not know how to open this kind of file.</source>
        <translation>Scrivane no sabe abrir este tipo de archivo.</translation>
    </message>
    <message>
        <source>Import Reading List</source>
        <translation>Importar lista de lectura</translation>
    </message>
    <message>
        <source>Save the Plan As</source>
        <translation>Guardar el plan como</translation>
    </message>
    <message>
        <source>Pentateuch</source>
        <translation>Pentateuco</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>Históricos</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sapienciales</translation>
    </message>
    <message>
        <source>Major Prophets</source>
        <translation>Profetas mayores</translation>
    </message>
    <message>
        <source>Minor Prophets</source>
        <translation>Profetas menores</translation>
    </message>
    <message>
        <source>Gospels</source>
        <translation>Evangelios</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Epístolas</translation>
    </message>
    <message>
        <source>Prophecy</source>
        <translation>Profecía</translation>
    </message>
    <message>
        <source>No reading today; day %1 of %2 next</source>
        <translation>Hoy no hay lectura; luego el día %1 de %2</translation>
    </message>
    <message>
        <source>Day %1 of %2</source>
        <translation>Día %1 de %2</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <translation>%1 de retraso</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 de adelanto</translation>
    </message>
    <message>
        <source>on schedule</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>Finished on %1</source>
        <translation>Terminada el %1</translation>
    </message>
    <message>
        <source>The calendar is no longer kept up to date. Choose Export Plan to Calendar again to write it somewhere else.</source>
        <translation>El calendario ya no se mantiene al día. Elija de nuevo Exportar plan al calendario para escribirlo en otro lugar.</translation>
    </message>
    <message>
        <source>Finished.
</source>
        <translation>Terminada.
</translation>
    </message>
    <message>
        <source>Reading %2 of %3, planned for %1.</source>
        <translation>Lectura %2 de %3, prevista para el %1.</translation>
    </message>
    <message>
        <source>Finished: </source>
        <translation>Terminada: </translation>
    </message>
    <message>
        <source>%1 year (%2 days)</source>
        <translation>%1 año (%2 días)</translation>
    </message>
    <message>
        <source>%1 years (%2 days)</source>
        <translation>%1 años (%2 días)</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>Cannot be used: %1</source>
        <translation>No se puede usar: %1</translation>
    </message>
    <message>
        <source>A list of readings</source>
        <translation>Una lista de lecturas</translation>
    </message>
    <message>
        <source>, %1 reading day</source>
        <translation>, %1 día de lectura</translation>
    </message>
    <message>
        <source>, %1 reading days</source>
        <translation>, %1 días de lectura</translation>
    </message>
    <message>
        <source>, %1 section</source>
        <translation>, %1 sección</translation>
    </message>
    <message>
        <source>, %1 sections side by side</source>
        <translation>, %1 secciones en paralelo</translation>
    </message>
    <message>
        <source>, %1 chapter</source>
        <translation>, %1 capítulo</translation>
    </message>
    <message>
        <source>, %1 chapters</source>
        <translation>, %1 capítulos</translation>
    </message>
    <message>
        <source> (%1 verse)</source>
        <translation> (%1 versículo)</translation>
    </message>
    <message>
        <source> (%1 verses)</source>
        <translation> (%1 versículos)</translation>
    </message>
    <message>
        <source>, whole chapters</source>
        <translation>, capítulos enteros</translation>
    </message>
    <message>
        <source>, divided by verses</source>
        <translation>, dividido por versículos</translation>
    </message>
    <message>
        <source>, repeats</source>
        <translation>, se repite</translation>
    </message>
    <message>
        <source>(no reading)</source>
        <translation>(sin lectura)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos; Bible Verse Keyed Notes</source>
        <translation>Notas de versículos de %1</translation>
    </message>
    <message>
        <source>%1&apos;s Bible Verse Keyed Notes</source>
        <translation>Notas de versículos de %1</translation>
    </message>
    <message>
        <source>%1&apos; General Notes: %2</source>
        <translation>Notas generales de %1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s General Notes: %2</source>
        <translation>Notas generales de %1: %2</translation>
    </message>
    <message>
        <source>General Notes: %1</source>
        <translation>Notas generales: %1</translation>
    </message>
    <message>
        <source>%1 counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 contado una vez más en su lectura de toda la vida — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>%1&apos; Reading Plan</source>
        <translation>Plan de lectura de %1</translation>
    </message>
    <message>
        <source>%1&apos;s Reading Plan</source>
        <translation>Plan de lectura de %1</translation>
    </message>
    <message>
        <source>Redo of %1 is not possible: the reading plan files no longer hold what it changed.
The files are kept as they are.</source>
        <translation>No se puede rehacer &quot;%1&quot;: los archivos del plan de lectura ya no contienen lo que cambió.
Los archivos se conservan tal como están.</translation>
    </message>
    <message>
        <source>Undo of %1 is not possible: the reading plan files no longer hold what it changed.
The files are kept as they are.</source>
        <translation>No se puede deshacer &quot;%1&quot;: los archivos del plan de lectura ya no contienen lo que cambió.
Los archivos se conservan tal como están.</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 leído</translation>
    </message>
    <message>
        <source>%1 finished</source>
        <translation>%1 terminado</translation>
    </message>
    <message>
        <source>%1 counted once more in your lifetime reading (it was already read in this plan) — Ctrl+Z to undo</source>
        <translation>%1 contado una vez más en su lectura de toda la vida (ya estaba leído en este plan) — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>%1 read; %2 verse already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 leído; %2 versículo ya leído contado una vez más en su lectura de toda la vida — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>%1 read; %2 verses already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 leído; %2 versículos ya leídos contados una vez más en su lectura de toda la vida — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>%1 finished; %2 verse already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 terminado; %2 versículo ya leído contado una vez más en su lectura de toda la vida — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>%1 finished; %2 verses already read counted once more in your lifetime reading — Ctrl+Z to undo</source>
        <translation>%1 terminado; %2 versículos ya leídos contados una vez más en su lectura de toda la vida — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>Finished Reading</source>
        <translation>lectura terminada</translation>
    </message>
    <message>
        <source>Mark Reading</source>
        <translation>marca de lectura</translation>
    </message>
    <message>
        <source>Synchronize Dates</source>
        <translation>sincronización de fechas</translation>
    </message>
    <message>
        <source>Dates synchronized: every unfinished reading was already on its day</source>
        <translation>Fechas sincronizadas: cada lectura pendiente ya estaba en su día</translation>
    </message>
    <message>
        <source>Dates synchronized: %1 reading moved — Ctrl+Z to undo</source>
        <translation>Fechas sincronizadas: %1 lectura cambiada de fecha — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>Dates synchronized: %1 readings moved — Ctrl+Z to undo</source>
        <translation>Fechas sincronizadas: %1 lecturas cambiadas de fecha — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>Enter Reading</source>
        <translation>registro de lectura</translation>
    </message>
    <message>
        <source>Reset Plan</source>
        <translation>reinicio del plan</translation>
    </message>
    <message>
        <source>Reset Lifetime Readings</source>
        <translation>reinicio de las lecturas de toda la vida</translation>
    </message>
    <message>
        <source>Lifetime reading history reset — Ctrl+Z to undo</source>
        <translation>Historial de lectura de toda la vida reiniciado — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>plan nuevo</translation>
    </message>
    <message>
        <source>New reading plan made from %1: %2 assignment — Ctrl+Z to undo</source>
        <translation>Nuevo plan de lectura creado a partir de %1: %2 lectura — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>New reading plan made from %1: %2 assignments — Ctrl+Z to undo</source>
        <translation>Nuevo plan de lectura creado a partir de %1: %2 lecturas — Ctrl+Z para deshacer</translation>
    </message>
    <message>
        <source>There is no reader called &quot;%1&quot;.</source>
        <translation>No hay ningún lector llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The reader was not changed.</source>
        <translation>El lector no se ha modificado.</translation>
    </message>
    <message>
        <source>Please enter a nick name for the reader.</source>
        <translation>Escriba un apodo para el lector.</translation>
    </message>
    <message>
        <source>A name may not contain a slash (/) or a backslash (\), because the reader&apos;s files are kept in a directory named after the reader.</source>
        <translation>Un nombre no puede contener una barra (/) ni una barra invertida (\), porque los archivos del lector se guardan en un directorio que lleva su nombre.</translation>
    </message>
    <message>
        <source>A name may not contain tabs, line breaks or other control characters.</source>
        <translation>Un nombre no puede contener tabuladores, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A name may not contain characters that change the direction of the text (such as U+202E), because the reader&apos;s name and the names of its files would show differently from what they are.</source>
        <translation>Un nombre no puede contener caracteres que cambien la dirección del texto (como U+202E), porque el nombre del lector y los nombres de sus archivos se mostrarían de forma distinta de lo que son.</translation>
    </message>
    <message>
        <source>&quot;.&quot; and &quot;..&quot; cannot be used as names.</source>
        <translation>&quot;.&quot; y &quot;..&quot; no se pueden usar como nombres.</translation>
    </message>
    <message>
        <source>The names are too long to name the reader&apos;s directory. Please shorten them.</source>
        <translation>Los nombres son demasiado largos para dar nombre al directorio del lector. Acórtelos, por favor.</translation>
    </message>
    <message>
        <source>There is already a reader with the nick name &quot;%1&quot;, the first name &quot;%2&quot; and the last name &quot;%3&quot;.
Please change one of the names.</source>
        <translation>Ya hay un lector con el apodo &quot;%1&quot;, el nombre &quot;%2&quot; y el apellido &quot;%3&quot;.
Cambie uno de los nombres, por favor.</translation>
    </message>
    <message>
        <source>These names would list the reader as &quot;%1&quot;, and another reader as &quot;%2&quot; too, so the two could not be told apart.
Please change one of the names.</source>
        <translation>Con estos nombres el lector figuraría como &quot;%1&quot; y otro lector también como &quot;%2&quot;, así que no se podrían distinguir.
Cambie uno de los nombres, por favor.</translation>
    </message>
    <message>
        <source>These names would keep the reader&apos;s files in the directory &quot;%1&quot;, which is the reader &quot;%2&quot;&apos;s.
Please change one of the names.</source>
        <translation>Con estos nombres los archivos del lector irían al directorio &quot;%1&quot;, que es el del lector &quot;%2&quot;.
Cambie uno de los nombres, por favor.</translation>
    </message>
    <message>
        <source>Two readers in the reader file are both called &quot;%1&quot;. The later one is listed as &quot;%2&quot;, so that each can be chosen.</source>
        <translation>Dos lectores del archivo de lectores se llaman &quot;%1&quot;. El segundo figura como &quot;%2&quot;, para que se pueda elegir cada uno.</translation>
    </message>
    <message>
        <source>The directory
%1
could not be created, so the reader was not added.</source>
        <translation>No se pudo crear el directorio
%1
así que el lector no se ha añadido.</translation>
    </message>
    <message>
        <source>Are you sure you want to modify
Reader: %1?</source>
        <translation>¿Seguro que desea modificar
el lector %1?</translation>
    </message>
    <message>
        <source>The reader&apos;s directory cannot be renamed to
%1
because something of that name exists already. The reader was not changed.</source>
        <translation>El directorio del lector no se puede renombrar como
%1
porque ya existe algo con ese nombre. El lector no se ha modificado.</translation>
    </message>
    <message>
        <source>The directory
%1
could not be created. The reader was not changed.</source>
        <translation>No se pudo crear el directorio
%1
El lector no se ha modificado.</translation>
    </message>
    <message>
        <source>These files in
%1
could not be renamed to &quot;%2&quot;:%3</source>
        <translation>Estos archivos de
%1
no se pudieron renombrar como &quot;%2&quot;:%3</translation>
    </message>
    <message>
        <source>Are you sure you want to delete
Reader: %1?</source>
        <translation>¿Seguro que desea eliminar
el lector %1?</translation>
    </message>
    <message>
        <source>Do you want to delete all the files in the directory
%1?</source>
        <translation>¿Desea eliminar todos los archivos del directorio
%1?</translation>
    </message>
    <message>
        <source>The reader was not deleted.</source>
        <translation>El lector no se ha eliminado.</translation>
    </message>
    <message>
        <source>Not everything in the directory
%1
could be deleted; what is left was kept in
%2.</source>
        <translation>No se pudo eliminar todo lo que había en el directorio
%1
lo que queda se ha conservado en
%2.</translation>
    </message>
    <message>
        <source>Not everything in the directory
%1
could be deleted; what is left was kept.</source>
        <translation>No se pudo eliminar todo lo que había en el directorio
%1
lo que queda se ha conservado.</translation>
    </message>
    <message>
        <source>Scrivane: reading overdue</source>
        <translation>Scrivane: lectura atrasada</translation>
    </message>
    <message>
        <source>Scrivane: today&apos;s reading</source>
        <translation>Scrivane: lectura de hoy</translation>
    </message>
    <message>
        <source>
(due %1, %2 reading day behind)</source>
        <translation>
(prevista para el %1, %2 día de lectura de retraso)</translation>
    </message>
    <message>
        <source>
(due %1, %2 reading days behind)</source>
        <translation>
(prevista para el %1, %2 días de lectura de retraso)</translation>
    </message>
    <message>
        <source>Scrivane: no reading plan</source>
        <translation>Scrivane: ningún plan de lectura</translation>
    </message>
    <message>
        <source>Scrivane: reading plan completed</source>
        <translation>Scrivane: plan de lectura completado</translation>
    </message>
    <message>
        <source>Today&apos;s reading: %1</source>
        <translation>Lectura de hoy: %1</translation>
    </message>
    <message>
        <source>Next reading (%1): %2</source>
        <translation>Próxima lectura (%1): %2</translation>
    </message>
    <message>
        <source>Overdue since %1: %2</source>
        <translation>Atrasada desde el %1: %2</translation>
    </message>
    <message>
        <source>The changes could not be written there.
They were kept in %1.</source>
        <translation>Los cambios no se pudieron escribir allí.
Se han conservado en %1.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be written there.
They were kept in %2.</source>
        <translation>Los cambios de %1 no se pudieron escribir allí.
Se han conservado en %2.</translation>
    </message>
    <message>
        <source>The changes could not be written, nor kept anywhere else.</source>
        <translation>Los cambios no se pudieron escribir ni conservar en ningún otro lugar.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be written, nor kept anywhere else.</source>
        <translation>Los cambios de %1 no se pudieron escribir ni conservar en ningún otro lugar.</translation>
    </message>
    <message>
        <source>The file has been kept as %1; %2.</source>
        <translation>El archivo se ha conservado como %1; %2.</translation>
    </message>
    <message>
        <source>The file could not be moved aside; it will not be overwritten.</source>
        <translation>El archivo no se pudo apartar; no se sobrescribirá.</translation>
    </message>
    <message>
        <source>The verse notes are read as they are.</source>
        <translation>Las notas de versículos se leen tal como están.</translation>
    </message>
    <message>
        <source>the verse notes start empty</source>
        <translation>las notas de versículos empiezan vacías</translation>
    </message>
    <message>
        <source>the general notes start empty</source>
        <translation>las notas generales empiezan vacías</translation>
    </message>
    <message>
        <source>The reading plan and history are read as they are.</source>
        <translation>El plan de lectura y el historial se leen tal como están.</translation>
    </message>
    <message>
        <source>the reading plan starts empty</source>
        <translation>el plan de lectura empieza vacío</translation>
    </message>
    <message>
        <source>the reading history starts empty</source>
        <translation>el historial de lectura empieza vacío</translation>
    </message>
    <message>
        <source>This reader is not linked to a sync folder.</source>
        <translation>Este lector no está vinculado a ninguna carpeta de sincronización.</translation>
    </message>
    <message>
        <source>The sync folder cannot be reached:</source>
        <translation>No se puede acceder a la carpeta de sincronización:</translation>
    </message>
    <message>
        <source>This computer&apos;s readings are kept, and go there once it is back.</source>
        <translation>Las lecturas de este equipo se conservan y se enviarán allí cuando vuelva a estar disponible.</translation>
    </message>
    <message>
        <source>A journal in the sync folder has lines that cannot be read; they were skipped:</source>
        <translation>Un diario de la carpeta de sincronización tiene líneas que no se pueden leer; se omitieron:</translation>
    </message>
    <message>
        <source>A change from another computer was skipped: the files it holds cannot be read.</source>
        <translation>Se omitió un cambio de otro equipo: no se pueden leer los archivos que contiene.</translation>
    </message>
</context>
<context>
    <name>Gallery</name>
    <message>
        <source>Bible in one year, three readings a day</source>
        <translation>La Biblia en un año, tres lecturas al día</translation>
    </message>
    <message>
        <source>The Old Testament, the New Testament and Psalms with Proverbs read side by side, each finished in a year; readings end at verses so that all three last the whole year.</source>
        <translation>El Antiguo Testamento, el Nuevo Testamento y Salmos con Proverbios leídos en paralelo, cada uno terminado en un año; las lecturas acaban en un versículo para que las tres duren todo el año.</translation>
    </message>
    <message>
        <source>Bible in one year</source>
        <translation>La Biblia en un año</translation>
    </message>
    <message>
        <source>Every chapter of the Bible from Genesis to Revelation, a few chapters every day for a year.</source>
        <translation>Todos los capítulos de la Biblia, de Génesis a Apocalipsis, unos pocos cada día durante un año.</translation>
    </message>
    <message>
        <source>Bible in two years on weekdays</source>
        <translation>La Biblia en dos años, de lunes a viernes</translation>
    </message>
    <message>
        <source>The whole Bible in order over two years, Monday to Friday; weekends are free for catching up.</source>
        <translation>Toda la Biblia en orden a lo largo de dos años, de lunes a viernes; los fines de semana quedan libres para ponerse al día.</translation>
    </message>
    <message>
        <source>Gospels and Acts in 30 days</source>
        <translation>Evangelios y Hechos en 30 días</translation>
    </message>
    <message>
        <source>The four Gospels and the Acts of the Apostles in a month, about four chapters a day.</source>
        <translation>Los cuatro Evangelios y los Hechos de los Apóstoles en un mes, unos cuatro capítulos al día.</translation>
    </message>
    <message>
        <source>New Testament in 90 days</source>
        <translation>El Nuevo Testamento en 90 días</translation>
    </message>
    <message>
        <source>The New Testament from Matthew to Revelation in three months, about three chapters a day.</source>
        <translation>El Nuevo Testamento, de Mateo a Apocalipsis, en tres meses, unos tres capítulos al día.</translation>
    </message>
    <message>
        <source>Old Testament in one year</source>
        <translation>El Antiguo Testamento en un año</translation>
    </message>
    <message>
        <source>The Old Testament from Genesis to Malachi in a year, about three chapters a day.</source>
        <translation>El Antiguo Testamento, de Génesis a Malaquías, en un año, unos tres capítulos al día.</translation>
    </message>
    <message>
        <source>Psalms and Proverbs in a month</source>
        <translation>Salmos y Proverbios en un mes</translation>
    </message>
    <message>
        <source>Five psalms and one chapter of Proverbs a day; read it again each month, the books start over.</source>
        <translation>Cinco salmos y un capítulo de Proverbios al día; cada mes se vuelve a leer y los libros empiezan de nuevo.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Accepts what you entered and closes the dialog.</source>
        <translation>Acepta lo que ha escrito y cierra el cuadro de diálogo.</translation>
    </message>
    <message>
        <source>Closes the dialog without changing anything.</source>
        <translation>Cierra el cuadro de diálogo sin cambiar nada.</translation>
    </message>
    <message>
        <source>The reader&apos;s first name. Together with the last name it tells apart readers who share a nick name.</source>
        <translation>El nombre del lector. Junto con el apellido distingue a los lectores que comparten apodo.</translation>
    </message>
    <message>
        <source>The reader&apos;s last name.</source>
        <translation>El apellido del lector.</translation>
    </message>
    <message>
        <source>The name under which the reader is listed. The reader&apos;s files are named after it.</source>
        <translation>El nombre con el que aparece el lector. Sus archivos llevan ese nombre.</translation>
    </message>
    <message>
        <source>Tick to show the reading plan window when the environment opens; otherwise it starts minimized.</source>
        <translation>Márquelo para mostrar la ventana del plan de lectura al abrir el entorno; si no, se abre minimizada.</translation>
    </message>
    <message>
        <source>Tick to show the verse notes window when the environment opens; otherwise it starts minimized.</source>
        <translation>Márquelo para mostrar la ventana de notas de versículos al abrir el entorno; si no, se abre minimizada.</translation>
    </message>
    <message>
        <source>Tick to show the general notes window when the environment opens; otherwise it starts minimized.</source>
        <translation>Márquelo para mostrar la ventana de notas generales al abrir el entorno; si no, se abre minimizada.</translation>
    </message>
    <message>
        <source>The readers of this computer. Choose whose plan and notes to open.</source>
        <translation>Los lectores de este equipo. Elija de quién abrir el plan y las notas.</translation>
    </message>
    <message>
        <source>Adds a reader and makes a directory for the reader&apos;s files.</source>
        <translation>Añade un lector y crea una carpeta para sus archivos.</translation>
    </message>
    <message>
        <source>Removes the chosen reader from the list, and if you wish, the reader&apos;s files too.</source>
        <translation>Quita el lector elegido de la lista y, si lo desea, también sus archivos.</translation>
    </message>
    <message>
        <source>How much of the whole Bible you have read, counted over every plan.</source>
        <translation>Cuánto ha leído de toda la Biblia, contando todos los planes.</translation>
    </message>
    <message>
        <source>How much of the current plan you have read.</source>
        <translation>Cuánto ha leído del plan actual.</translation>
    </message>
    <message>
        <source>The book whose verses you write notes on.</source>
        <translation>El libro de cuyos versículos escribe notas.</translation>
    </message>
    <message>
        <source>The chapter of the book. A book of one chapter has nothing to choose here.</source>
        <translation>El capítulo del libro. En un libro de un solo capítulo no hay nada que elegir aquí.</translation>
    </message>
    <message>
        <source>The verse whose note is shown below. A psalm with a title starts at verse 0, the title.</source>
        <translation>El versículo cuya nota se muestra debajo. Un salmo con título empieza en el versículo 0, el título.</translation>
    </message>
    <message>
        <source>Goes back to the nearest earlier verse that has a note.</source>
        <translation>Vuelve al versículo anterior más cercano que tiene nota.</translation>
    </message>
    <message>
        <source>Goes on to the nearest later verse that has a note.</source>
        <translation>Avanza al versículo siguiente más cercano que tiene nota.</translation>
    </message>
    <message>
        <source>The upper bar shows your progress in the current plan.</source>
        <translation>La barra superior muestra su avance en el plan actual.</translation>
    </message>
    <message>
        <source>The lower bar shows your lifetime progress through the whole Bible.</source>
        <translation>La barra inferior muestra su avance de toda la vida por toda la Biblia.</translation>
    </message>
    <message>
        <source>The first verse of the reading.</source>
        <translation>El primer versículo de la lectura.</translation>
    </message>
    <message>
        <source>The month and year the calendar shows.</source>
        <translation>El mes y el año que muestra el calendario.</translation>
    </message>
    <message>
        <source>Counts the reading in your lifetime reading only; the plan is left as it is.</source>
        <translation>Cuenta la lectura solo en su lectura de toda la vida; el plan queda como está.</translation>
    </message>
    <message>
        <source>Counts the reading in your lifetime reading and marks the verses of the current plan as read.</source>
        <translation>Cuenta la lectura en su lectura de toda la vida y marca como leídos los versículos del plan actual.</translation>
    </message>
    <message>
        <source>The last verse of the reading.</source>
        <translation>El último versículo de la lectura.</translation>
    </message>
    <message>
        <source>Type the reading as you would write it, such as Ps 23, John 3:16-18 or 1 Cor 13, and press Enter. The verses below show what was read; a reference the Bible does not have is refused with the reason.</source>
        <translation>Escriba la lectura como la escribiría, por ejemplo Sal 23, Jn 3:16-18 o 1 Co 13, y pulse Intro. Los versículos de abajo muestran lo leído; una referencia que la Biblia no tiene se rechaza con el motivo.</translation>
    </message>
    <message>
        <source>Choose the first verse of the reading.</source>
        <translation>Elija el primer versículo de la lectura.</translation>
    </message>
    <message>
        <source>Choose the last verse of the reading.</source>
        <translation>Elija el último versículo de la lectura.</translation>
    </message>
    <message>
        <source>Shows the previous month.</source>
        <translation>Muestra el mes anterior.</translation>
    </message>
    <message>
        <source>Shows the next month.</source>
        <translation>Muestra el mes siguiente.</translation>
    </message>
    <message>
        <source>The book of the verse.</source>
        <translation>El libro del versículo.</translation>
    </message>
    <message>
        <source>The chapter of the verse. A book of one chapter has nothing to choose here.</source>
        <translation>El capítulo del versículo. En un libro de un solo capítulo no hay nada que elegir aquí.</translation>
    </message>
    <message>
        <source>The verse. A psalm with a title starts at verse 0, the title.</source>
        <translation>El versículo. Un salmo con título empieza en el versículo 0, el título.</translation>
    </message>
    <message>
        <source>The title, format and description of the template the plan was made from.</source>
        <translation>El título, el formato y la descripción de la plantilla con que se hizo el plan.</translation>
    </message>
    <message>
        <source>A day of the month: click it to choose it. Days in grey lie outside your plan.</source>
        <translation>Un día del mes: haga clic para elegirlo. Los días en gris quedan fuera de su plan.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Bible &amp;Coverage</source>
        <translation>&amp;Cobertura de la Biblia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Scrivane...</source>
        <translation>&amp;Acerca de Scrivane...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Organizar &amp;iconos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Seleccionar t&amp;odo	Ctrl+A</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Buscar...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>Buscar &amp;siguiente	F3</translation>
    </message>
    <message>
        <source>R&amp;eplace...	Ctrl+H</source>
        <translation>R&amp;eemplazar...	Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;New Reading Plan Template...</source>
        <translation>&amp;Nueva plantilla de plan de lectura...</translation>
    </message>
    <message>
        <source>&amp;Open Reader Environment...	Ctrl+O</source>
        <translation>&amp;Abrir entorno de lector...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close Reader Environment</source>
        <translation>&amp;Cerrar entorno de lector</translation>
    </message>
    <message>
        <source>&amp;Import Reading List...</source>
        <translation>&amp;Importar lista de lectura...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Reading Plan Template...	Ctrl+N</source>
        <translation>&amp;Nueva plantilla de plan de lectura...	Ctrl+N</translation>
    </message>
    <message>
        <source>Go &amp;To Reading</source>
        <translation>&amp;Ir a la lectura</translation>
    </message>
    <message>
        <source>First &amp;Unfinished Reading</source>
        <translation>Primera lectura pe&amp;ndiente</translation>
    </message>
    <message>
        <source>&amp;First Reading</source>
        <translation>&amp;Primera lectura</translation>
    </message>
    <message>
        <source>&amp;Previous Reading</source>
        <translation>Lectura &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Reading</source>
        <translation>Lectura &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Last Reading</source>
        <translation>Ú&amp;ltima lectura</translation>
    </message>
    <message>
        <source>By &amp;Date</source>
        <translation>Por &amp;fecha</translation>
    </message>
    <message>
        <source>By &amp;Verse</source>
        <translation>Por &amp;versículo</translation>
    </message>
    <message>
        <source>&amp;Reading Plan</source>
        <translation>&amp;Plan de lectura</translation>
    </message>
    <message>
        <source>&amp;New Plan</source>
        <translation>&amp;Nuevo plan</translation>
    </message>
    <message>
        <source>New Plan from &amp;Gallery...</source>
        <translation>Nuevo plan desde la &amp;galería...</translation>
    </message>
    <message>
        <source>New Plan from &amp;Unread Chapters...</source>
        <translation>Nuevo plan con los capítulos no &amp;leídos...</translation>
    </message>
    <message>
        <source>&amp;Plan Properties</source>
        <translation>&amp;Propiedades del plan</translation>
    </message>
    <message>
        <source>&amp;Finished Reading	Ctrl+D</source>
        <translation>Lectura &amp;terminada	Ctrl+D</translation>
    </message>
    <message>
        <source>Rea&amp;d Assignment	Ctrl+R</source>
        <translation>&amp;Mostrar la lectura del día	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Enter Reading</source>
        <translation>&amp;Registrar lectura</translation>
    </message>
    <message>
        <source>&amp;Synchronize Dates</source>
        <translation>&amp;Sincronizar fechas</translation>
    </message>
    <message>
        <source>&amp;Reset Plan</source>
        <translation>Reini&amp;ciar plan</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime Readings</source>
        <translation>Reiniciar lecturas de toda la &amp;vida</translation>
    </message>
    <message>
        <source>&amp;Save Reading Plan	Ctrl+S</source>
        <translation>&amp;Guardar plan de lectura	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Save Verse Notes	Ctrl+S</source>
        <translation>&amp;Guardar notas de versículos	Ctrl+S</translation>
    </message>
    <message>
        <source>Open &amp;General Notes...</source>
        <translation>Abrir notas gen&amp;erales...</translation>
    </message>
    <message>
        <source>&amp;Save General Notes...	Ctrl+S</source>
        <translation>G&amp;uardar notas generales...	Ctrl+S</translation>
    </message>
    <message>
        <source>Save General Notes &amp;As...</source>
        <translation>Guardar notas generales c&amp;omo...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Save Map as PN&amp;G...</source>
        <translation>Guardar mapa como PN&amp;G...</translation>
    </message>
    <message>
        <source>Save &amp;Map as SVG...</source>
        <translation>Guardar &amp;mapa como SVG...</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Ampliar	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>&amp;Reducir	Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit to Window	Ctrl+0</source>
        <translation>A&amp;justar a la ventana	Ctrl+0</translation>
    </message>
    <message>
        <source>Expor&amp;t Plan to Calendar...</source>
        <translation>Expor&amp;tar plan al calendario...</translation>
    </message>
    <message>
        <source>Re&amp;minder...</source>
        <translation>Recor&amp;datorio...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>T&amp;heme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Follow the &amp;Desktop</source>
        <translation>Según el &amp;escritorio</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>Dar&amp;k</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Alto contraste</translation>
    </message>
    <message>
        <source>&amp;Actual Size	Ctrl+0</source>
        <translation>Tamaño &amp;normal	Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Reading History</source>
        <translation>&amp;Historial de lectura</translation>
    </message>
    <message>
        <source>Save History as PN&amp;G...</source>
        <translation>Guardar historial como PN&amp;G...</translation>
    </message>
    <message>
        <source>Save &amp;History as SVG...</source>
        <translation>Guardar &amp;historial como SVG...</translation>
    </message>
    <message>
        <source>S&amp;ync with Other Computers...</source>
        <translation>Sincronizar con otros &amp;equipos...</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>Sync with Other Computers</source>
        <translation>Sincronizar con otros equipos</translation>
    </message>
    <message>
        <source>Keep this reader&apos;s readings and notes the same on your other computers. Choose a folder that your file-sync tool (such as Syncthing, Nextcloud or Dropbox) shares between them. Only this computer&apos;s journal is kept there, never the reader&apos;s files.</source>
        <translation>Mantenga iguales las lecturas y las notas de este lector en sus otros equipos. Elija una carpeta que su herramienta de sincronización de archivos (como Syncthing, Nextcloud o Dropbox) comparta entre ellos. Allí solo se guarda el diario de este equipo, nunca los archivos del lector.</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Readers already shared in this folder:</source>
        <translation>Lectores ya compartidos en esta carpeta:</translation>
    </message>
    <message>
        <source>Readers already shared in this folder</source>
        <translation>Lectores ya compartidos en esta carpeta</translation>
    </message>
    <message>
        <source>&amp;Share this reader from this computer</source>
        <translation>Co&amp;mpartir este lector desde este equipo</translation>
    </message>
    <message>
        <source>&amp;Use the readings from the other computers</source>
        <translation>&amp;Usar las lecturas de los otros equipos</translation>
    </message>
    <message>
        <source>&amp;Add this computer&apos;s readings too</source>
        <translation>&amp;Añadir también las lecturas de este equipo</translation>
    </message>
    <message>
        <source>This computer&apos;s own files for the reader are kept beside them as a backup.</source>
        <translation>Los archivos propios de este equipo para el lector se guardan junto a ellos como copia de seguridad.</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Vincular</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>New readings</source>
        <translation>Lecturas nuevas</translation>
    </message>
    <message>
        <source>Other computers</source>
        <translation>Otros equipos</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Sincronizar a&amp;hora</translation>
    </message>
    <message>
        <source>Unlin&amp;k</source>
        <translation>&amp;Desvincular</translation>
    </message>
    <message>
        <source>Sync Folder</source>
        <translation>Carpeta de sincronización</translation>
    </message>
    <message>
        <source>%1 is linked to the sync folder %2.</source>
        <translation>%1 está vinculado a la carpeta de sincronización %2.</translation>
    </message>
    <message>
        <source>This computer&apos;s own files for the reader were kept in:</source>
        <translation>Los archivos propios de este equipo para el lector se guardaron en:</translation>
    </message>
    <message>
        <source>Stop syncing this reader with the other computers?
Its files stay as they are on this computer, and the sync folder is left as it is.</source>
        <translation>¿Dejar de sincronizar este lector con los otros equipos?
Sus archivos quedan como están en este equipo, y la carpeta de sincronización no se toca.</translation>
    </message>
    <message>
        <source>No other computer has written to the folder yet.</source>
        <translation>Ningún otro equipo ha escrito todavía en la carpeta.</translation>
    </message>
    <message>
        <source>Everything from the other computers is here.</source>
        <translation>Todo lo de los otros equipos ya está aquí.</translation>
    </message>
    <message>
        <source>Merged 1 reading from %1 (%2)</source>
        <translation>Se combinó 1 lectura de %1 (%2)</translation>
    </message>
    <message>
        <source>Merged %1 readings from %2 (%3)</source>
        <translation>Se combinaron %1 lecturas de %2 (%3)</translation>
    </message>
    <message>
        <source>Merged the changes made on the other computers</source>
        <translation>Se combinaron los cambios hechos en los otros equipos</translation>
    </message>
</context>
</TS>
