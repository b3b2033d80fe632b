<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FailureSummary</name>
    <message>
        <source>%1 of %2 files could not be counted:</source>
        <translation>No se pudieron contar %1 de %2 archivos:</translation>
    </message>
    <message>
        <source>... and %1 more; the marked rows say why.</source>
        <translation>... y %1 más; las filas marcadas indican el motivo.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as HTML (*.html)</source>
        <translation>Guardar como HTML (*.html)</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Enlace a %1</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>tw::AboutDialog</name>
    <message>
        <source>About Tallywright</source>
        <translation>Acerca de Tallywright</translation>
    </message>
    <message>
        <source>Tallywright version %1</source>
        <translation>Tallywright versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tw::AddCurrencyDialog</name>
    <message>
        <source>New currency</source>
        <translation>Nueva moneda</translation>
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
    <name>tw::BrowserPane</name>
    <message>
        <source>Add all files in subfolders</source>
        <translation>Añadir todos los archivos de las subcarpetas</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Añadir selección</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>Añadir todos</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Show your home folder in the tree</source>
        <translation>Muestra su carpeta personal en el árbol</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Escriba o pegue una carpeta</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; the list holds the folders shown recently</source>
        <translation>Escriba o pegue una carpeta y pulse Intro para mostrarla en el árbol, p. ej. ~/Trabajos/2024; la lista contiene las carpetas mostradas recientemente</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No existe la carpeta: %1</translation>
    </message>
    <message>
        <source>More types…</source>
        <translation>Más tipos…</translation>
    </message>
</context>
<context>
    <name>tw::CountListActions</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir la carpeta contenedora</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copiar ruta</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyConverterDialog</name>
    <message>
        <source>Currency converter</source>
        <translation>Conversor de divisas</translation>
    </message>
    <message>
        <source>e.g. 0.92</source>
        <translation>p. ej. 0,92</translation>
    </message>
    <message>
        <source>How much one %1 is worth in the other currency. A comma is read as the decimal point.</source>
        <translation>Cuánto vale un %1 en la otra divisa. Una coma se lee como separador decimal.</translation>
    </message>
    <message>
        <source>Total amount:</source>
        <translation>Importe total:</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Convertido:</translation>
    </message>
    <message>
        <source>1 %1 in %2:</source>
        <translation>1 %1 en %2:</translation>
    </message>
    <message>
        <source>Add a second currency under Tools &gt; Currency first.</source>
        <translation>Añada primero una segunda divisa en Herramientas &gt; Divisa.</translation>
    </message>
    <message>
        <source>Not a rate: type a number such as 0.92</source>
        <translation>No es un tipo de cambio: escriba un número como 0,92</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyDialog</name>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tw::DesktopApplication</name>
    <message>
        <source>Counts and prices translation jobs.</source>
        <translation>Cuenta y presupuesta trabajos de traducción.</translation>
    </message>
    <message>
        <source>Count the listed files at once.</source>
        <translation>Contar enseguida los archivos indicados.</translation>
    </message>
    <message>
        <source>Files to put into the count list.</source>
        <translation>Archivos que se ponen en la lista de recuento.</translation>
    </message>
</context>
<context>
    <name>tw::FileListActions</name>
    <message>
        <source>Add to count list</source>
        <translation>Añadir a la lista de recuento</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>tw::FileListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modifed</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Ruta completa</translation>
    </message>
</context>
<context>
    <name>tw::FileMenuCommands</name>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Quote...</source>
        <translation>Presupuesto...</translation>
    </message>
    <message>
        <source>Open job...</source>
        <translation>Abrir trabajo...</translation>
    </message>
    <message>
        <source>Save job...</source>
        <translation>Guardar trabajo...</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Trabajos recientes</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Recuento en curso. Espere, por favor.</translation>
    </message>
    <message>
        <source>Export the count list</source>
        <translation>Exportar la lista de recuento</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1: %2</source>
        <translation>No se pudo exportar a %1: %2</translation>
    </message>
    <message>
        <source>There is nothing to quote yet: count the files first.</source>
        <translation>Todavía no hay nada que presupuestar: cuente primero los archivos.</translation>
    </message>
    <message>
        <source>Save job</source>
        <translation>Guardar trabajo</translation>
    </message>
    <message>
        <source>Tallywright job (*.%1)</source>
        <translation>Trabajo de Tallywright (*.%1)</translation>
    </message>
    <message>
        <source>Couldn&apos;t save job %1: %2</source>
        <translation>No se pudo guardar el trabajo %1: %2</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Abrir trabajo</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open job %1: %2</source>
        <translation>No se pudo abrir el trabajo %1: %2</translation>
    </message>
    <message>
        <source>The counts in the list have not been saved. Open the job instead?</source>
        <translation>Los recuentos de la lista no se han guardado. ¿Abrir el trabajo de todos modos?</translation>
    </message>
</context>
<context>
    <name>tw::FolderTree</name>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; for good?</source>
        <translation>¿Eliminar «%1» definitivamente?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>No se pudo cambiar el nombre de «%1»: %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>&amp;Up One Level</source>
        <translation>&amp;Subir un nivel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be %2: %3</source>
        <translation>«%1» no se pudo %2: %3</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copiar</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>mover</translation>
    </message>
</context>
<context>
    <name>tw::LocaleText</name>
    <message>
        <source>List files to count statistics: </source>
        <translation>Archivos para contar: </translation>
    </message>
    <message>
        <source>List files to count statistic: </source>
        <translation>Archivos para contar: </translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>Palabras: </translation>
    </message>
    <message>
        <source>Characters with spaces: </source>
        <translation>Caracteres con espacios: </translation>
    </message>
    <message>
        <source>Characters: </source>
        <translation>Caracteres: </translation>
    </message>
    <message>
        <source>Currency: </source>
        <translation>Moneda: </translation>
    </message>
    <message>
        <source>Rate: </source>
        <translation>Tarifa: </translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Importe: </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Líneas: </translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>Páginas: </translation>
    </message>
    <message>
        <source>Weighted words: </source>
        <translation>Palabras ponderadas: </translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Count statistics</source>
        <translation>Contar estadísticas</translation>
    </message>
    <message>
        <source>Currency converter</source>
        <translation>Conversor de moneda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Count Statistic</source>
        <translation>Contar</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Pricing:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Counting in a progress! Would you like to stop it?</source>
        <translation>¡Recuento en curso! ¿Desea detenerlo?</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Recuento en curso. Espere, por favor.</translation>
    </message>
    <message>
        <source>Adding files to count list</source>
        <translation>Añadiendo archivos a la lista de recuento</translation>
    </message>
    <message>
        <source>Adding files - be patient! (Press ESC to cancel)</source>
        <translation>Añadiendo archivos: ¡paciencia! (ESC para cancelar)</translation>
    </message>
    <message>
        <source>Removes the selected rows (Delete)</source>
        <translation>Quita las filas seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>Counts every file of the list (F5)</source>
        <translation>Cuenta cada archivo de la lista (F5)</translation>
    </message>
    <message>
        <source>Saves the list as an HTML report (Ctrl+S)</source>
        <translation>Guarda la lista como informe HTML (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>tw::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Count in headers and footers</source>
        <translation>Contar en encabezados y pies de página</translation>
    </message>
    <message>
        <source>Also counts the text of page headers and footers (and slide footers), e.g. a footer &quot;Draft for review&quot; adds 3 words</source>
        <translation>Cuenta también el texto de encabezados y pies de página (y pies de diapositiva), p. ej. el pie «Draft for review» añade 3 palabras</translation>
    </message>
    <message>
        <source>Treat extra symbols in txt files like a word</source>
        <translation>Tratar los símbolos de los archivos txt como palabras</translation>
    </message>
    <message>
        <source>In text files a symbol such as &quot;&amp;&quot; or &quot;%&quot; standing alone counts as a word, e.g. &quot;salt &amp; pepper&quot; gives 3 words instead of 2</source>
        <translation>En los archivos de texto un símbolo suelto como «&amp;» o «%» cuenta como palabra, p. ej. «salt &amp; pepper» da 3 palabras en vez de 2</translation>
    </message>
    <message>
        <source>Legacy byte rules</source>
        <translation>Reglas de bytes antiguas</translation>
    </message>
    <message>
        <source>Judges every byte (or the low byte of a character) alone, as older versions did, e.g. the two bytes of &quot;ö&quot; in a UTF-8 file count as two characters; use it to match old figures</source>
        <translation>Juzga cada byte (o el byte bajo de un carácter) por separado, como las versiones antiguas, p. ej. los dos bytes de «ö» en un archivo UTF-8 cuentan como dos caracteres; sirve para obtener las cifras antiguas</translation>
    </message>
    <message>
        <source>Also count</source>
        <translation>Contar también</translation>
    </message>
    <message>
        <source>Documents hold text a reader does not always translate; tick what the job includes.</source>
        <translation>Los documentos contienen texto que no siempre se traduce; marque lo que incluye el trabajo.</translation>
    </message>
    <message>
        <source>Speaker notes</source>
        <translation>Notas del orador</translation>
    </message>
    <message>
        <source>Counts the notes under each slide of a presentation, e.g. a note &quot;Thank the sponsors&quot; adds 3 words</source>
        <translation>Cuenta las notas bajo cada diapositiva de una presentación, p. ej. la nota «Thank the sponsors» añade 3 palabras</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Counts review comments in documents and presentations, e.g. a comment &quot;Check this date&quot; adds 3 words</source>
        <translation>Cuenta los comentarios de revisión de documentos y presentaciones, p. ej. el comentario «Check this date» añade 3 palabras</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Counts chart titles, axis titles, categories and series names, e.g. a chart titled &quot;Sales by region&quot; adds 3 words</source>
        <translation>Cuenta títulos de gráfico y de ejes, categorías y nombres de series, p. ej. el título «Sales by region» añade 3 palabras</translation>
    </message>
    <message>
        <source>Diagrams (SmartArt)</source>
        <translation>Diagramas (SmartArt)</translation>
    </message>
    <message>
        <source>Counts the text in diagram shapes, e.g. a process diagram &quot;Plan, Build, Test&quot; adds 3 words</source>
        <translation>Cuenta el texto de las formas de diagrama, p. ej. un proceso «Plan, Build, Test» añade 3 palabras</translation>
    </message>
    <message>
        <source>Hidden text and slides</source>
        <translation>Texto y diapositivas ocultos</translation>
    </message>
    <message>
        <source>Counts text formatted as hidden and slides marked hidden, e.g. a hidden backup slide is counted like any other</source>
        <translation>Cuenta el texto con formato oculto y las diapositivas ocultas, p. ej. una diapositiva de reserva oculta se cuenta como cualquier otra</translation>
    </message>
    <message>
        <source>Counting profile:</source>
        <translation>Perfil de recuento:</translation>
    </message>
    <message>
        <source>Classic (this program&apos;s own rules)</source>
        <translation>Clásico (las reglas propias del programa)</translation>
    </message>
    <message>
        <source>Word processor (words between spaces)</source>
        <translation>Procesador de textos (palabras entre espacios)</translation>
    </message>
    <message>
        <source>Segments (Unicode word boundaries)</source>
        <translation>Segmentos (límites de palabra Unicode)</translation>
    </message>
    <message>
        <source>What a word and a character are, for every format alike. Word processor: &quot;3.14&quot;, &quot;www.example.com&quot; and &quot;don&apos;t&quot; are one word each, each Chinese or Japanese character is a word. Segments: punctuation alone is not a word, as translation memory tools count</source>
        <translation>Qué es una palabra y un carácter, igual para todos los formatos. Procesador de textos: «3.14», «www.example.com» y «don't» son una palabra cada una, cada carácter chino o japonés es una palabra. Segmentos: la puntuación sola no es una palabra, como cuentan las herramientas de memoria de traducción</translation>
    </message>
</context>
<context>
    <name>tw::PricingControls</name>
    <message>
        <source>Calc</source>
        <translation>Calc.</translation>
    </message>
    <message>
        <source>Chars</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Chars &amp; spaces</source>
        <translation>Car. con espacios</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Numbers only!</source>
        <translation>¡Solo números!</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Weighted words</source>
        <translation>Palabras ponderadas</translation>
    </message>
</context>
<context>
    <name>tw::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDialog</name>
    <message>
        <source>Quote</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Número de presupuesto:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Minimum fee (%1):</source>
        <translation>Importe mínimo (%1):</translation>
    </message>
    <message>
        <source>Discount %:</source>
        <translation>Descuento %:</translation>
    </message>
    <message>
        <source>Tax %:</source>
        <translation>Impuesto %:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Subtotal, then the minimum fee, then the discount, then tax.</source>
        <translation>Subtotal, luego el importe mínimo, luego el descuento, luego el impuesto.</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Guardar PDF...</translation>
    </message>
    <message>
        <source>%1 is not a number I can use.</source>
        <translation>%1 no es un número que se pueda usar.</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Presupuesto %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t save quote: %1 (%2)</source>
        <translation>No se pudo guardar el presupuesto: %1 (%2)</translation>
    </message>
    <message>
        <source>The quote was saved, but its fields could not be kept in %1</source>
        <translation>El presupuesto se guardó, pero sus campos no se pudieron conservar en %1</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Guardar presupuesto</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <translation>presupuesto-%1.pdf</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDocument</name>
    <message>
        <source>words</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>characters with spaces</source>
        <translation>caracteres con espacios</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>Minimum fee</source>
        <translation>Importe mínimo</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Descuento %</translation>
    </message>
    <message>
        <source>Tax %</source>
        <translation>Impuesto %</translation>
    </message>
</context>
<context>
    <name>tw::UnitOptionsGroup</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Standard line:</source>
        <translation>Línea estándar:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard line, the unit &quot;Lines&quot; prices; e.g. 1 100 characters are 20.00 lines of 55</source>
        <translation>Caracteres con espacios de una línea estándar, la unidad que factura «Líneas»; p. ej. 1 100 caracteres son 20,00 líneas de 55</translation>
    </message>
    <message>
        <source>Standard page:</source>
        <translation>Página estándar:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard page, the unit &quot;Pages&quot; prices; e.g. 2 700 characters are 1.50 pages of 1 800</source>
        <translation>Caracteres con espacios de una página estándar, la unidad que factura «Páginas»; p. ej. 2 700 caracteres son 1,50 páginas de 1 800</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Finds sentences, table cells and paragraphs seen before in the file or in a file counted before it; their words cost the share below under &quot;Weighted words&quot;, e.g. a sentence of 10 words met again costs 3 words at 30 %</source>
        <translation>Encuentra frases, celdas de tabla y párrafos ya vistos en el archivo o en un archivo contado antes; sus palabras cuestan la parte indicada abajo en «Palabras ponderadas», p. ej. una frase de 10 palabras repetida cuesta 3 palabras al 30 %</translation>
    </message>
    <message>
        <source>Repeated word costs:</source>
        <translation>Una palabra repetida cuesta:</translation>
    </message>
    <message>
        <source>The share of a new word&apos;s price a repeated word costs</source>
        <translation>La parte del precio de una palabra nueva que cuesta una palabra repetida</translation>
    </message>
</context>
<context>
    <name>tw::WindowCountRun</name>
    <message>
        <source>There is nothing to count! Choose files first!</source>
        <translation>¡No hay nada que contar! ¡Elija primero los archivos!</translation>
    </message>
    <message>
        <source>Counting %1 (%2 of %3)</source>
        <translation>Contando %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files counted</source>
        <translation>Detenido: %1 de %2 archivos contados</translation>
    </message>
</context>
</TS>
