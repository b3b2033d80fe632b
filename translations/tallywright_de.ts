<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FailureSummary</name>
    <message>
        <source>%1 of %2 files could not be counted:</source>
        <translation>%1 von %2 Dateien konnten nicht gezählt werden:</translation>
    </message>
    <message>
        <source>... and %1 more; the marked rows say why.</source>
        <translation>... und %1 weitere; die markierten Zeilen nennen den Grund.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as HTML (*.html)</source>
        <translation>Als HTML speichern (*.html)</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Verknüpfung zu %1</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>tw::AboutDialog</name>
    <message>
        <source>About Tallywright</source>
        <translation>Über Tallywright</translation>
    </message>
    <message>
        <source>Tallywright version %1</source>
        <translation>Tallywright Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tw::AddCurrencyDialog</name>
    <message>
        <source>New currency</source>
        <translation>Neue Währung</translation>
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
    <name>tw::BrowserPane</name>
    <message>
        <source>Add all files in subfolders</source>
        <translation>Alle Dateien in Unterordnern hinzufügen</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Auswahl hinzufügen</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>Alle hinzufügen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Show your home folder in the tree</source>
        <translation>Zeigt Ihren persönlichen Ordner im Baum</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Ordner eingeben oder einfügen</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; the list holds the folders shown recently</source>
        <translation>Geben Sie einen Ordner ein oder fügen Sie ihn ein und drücken Sie die Eingabetaste, um ihn im Baum zu zeigen, z. B. ~/Auftraege/2024; die Liste enthält die zuletzt gezeigten Ordner</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>More types…</source>
        <translation>Weitere Typen…</translation>
    </message>
</context>
<context>
    <name>tw::CountListActions</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Pfad kopieren</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyConverterDialog</name>
    <message>
        <source>Currency converter</source>
        <translation>Währungsrechner</translation>
    </message>
    <message>
        <source>e.g. 0.92</source>
        <translation>z. B. 0,92</translation>
    </message>
    <message>
        <source>How much one %1 is worth in the other currency. A comma is read as the decimal point.</source>
        <translation>Wie viel ein %1 in der anderen Währung wert ist. Ein Komma gilt als Dezimalzeichen.</translation>
    </message>
    <message>
        <source>Total amount:</source>
        <translation>Gesamtbetrag:</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Umrechnen in:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Umgerechnet:</translation>
    </message>
    <message>
        <source>1 %1 in %2:</source>
        <translation>1 %1 in %2:</translation>
    </message>
    <message>
        <source>Add a second currency under Tools &gt; Currency first.</source>
        <translation>Legen Sie zuerst unter Extras &gt; Währung eine zweite Währung an.</translation>
    </message>
    <message>
        <source>Not a rate: type a number such as 0.92</source>
        <translation>Kein Kurs: Geben Sie eine Zahl wie 0,92 ein</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyDialog</name>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tw::DesktopApplication</name>
    <message>
        <source>Counts and prices translation jobs.</source>
        <translation>Zählt und kalkuliert Übersetzungsaufträge.</translation>
    </message>
    <message>
        <source>Count the listed files at once.</source>
        <translation>Die angegebenen Dateien sofort zählen.</translation>
    </message>
    <message>
        <source>Files to put into the count list.</source>
        <translation>Dateien für die Zählliste.</translation>
    </message>
</context>
<context>
    <name>tw::FileListActions</name>
    <message>
        <source>Add to count list</source>
        <translation>Zur Zählliste hinzufügen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>tw::FileListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modifed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Vollständiger Pfad</translation>
    </message>
</context>
<context>
    <name>tw::FileMenuCommands</name>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Quote...</source>
        <translation>Angebot...</translation>
    </message>
    <message>
        <source>Open job...</source>
        <translation>Auftrag öffnen...</translation>
    </message>
    <message>
        <source>Save job...</source>
        <translation>Auftrag speichern...</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Zuletzt geöffnete Aufträge</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Die Zählung läuft. Bitte warten.</translation>
    </message>
    <message>
        <source>Export the count list</source>
        <translation>Zählliste exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Tabelle (*.xlsx)</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1: %2</source>
        <translation>Export nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>There is nothing to quote yet: count the files first.</source>
        <translation>Noch nichts für ein Angebot: Zählen Sie zuerst die Dateien.</translation>
    </message>
    <message>
        <source>Save job</source>
        <translation>Auftrag speichern</translation>
    </message>
    <message>
        <source>Tallywright job (*.%1)</source>
        <translation>Tallywright-Auftrag (*.%1)</translation>
    </message>
    <message>
        <source>Couldn&apos;t save job %1: %2</source>
        <translation>Auftrag %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open job %1: %2</source>
        <translation>Auftrag %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The counts in the list have not been saved. Open the job instead?</source>
        <translation>Die Zählergebnisse der Liste wurden nicht gespeichert. Trotzdem den Auftrag öffnen?</translation>
    </message>
</context>
<context>
    <name>tw::FolderTree</name>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; for good?</source>
        <translation>„%1“ endgültig entfernen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>„%1“ konnte nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Up One Level</source>
        <translation>&amp;Eine Ebene höher</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be %2: %3</source>
        <translation>„%1“ konnte nicht %2 werden: %3</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
</context>
<context>
    <name>tw::LocaleText</name>
    <message>
        <source>List files to count statistics: </source>
        <translation>Dateien zum Zählen: </translation>
    </message>
    <message>
        <source>List files to count statistic: </source>
        <translation>Dateien zum Zählen: </translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>Wörter: </translation>
    </message>
    <message>
        <source>Characters with spaces: </source>
        <translation>Zeichen mit Leerzeichen: </translation>
    </message>
    <message>
        <source>Characters: </source>
        <translation>Zeichen: </translation>
    </message>
    <message>
        <source>Currency: </source>
        <translation>Währung: </translation>
    </message>
    <message>
        <source>Rate: </source>
        <translation>Satz: </translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Betrag: </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Zeilen: </translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>Seiten: </translation>
    </message>
    <message>
        <source>Weighted words: </source>
        <translation>Gewichtete Wörter: </translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Count statistics</source>
        <translation>Statistik zählen</translation>
    </message>
    <message>
        <source>Currency converter</source>
        <translation>Währungsrechner</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Count Statistic</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Pricing:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>Counting in a progress! Would you like to stop it?</source>
        <translation>Die Zählung läuft! Möchten Sie sie anhalten?</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Die Zählung läuft. Bitte warten.</translation>
    </message>
    <message>
        <source>Adding files to count list</source>
        <translation>Dateien werden zur Zählliste hinzugefügt</translation>
    </message>
    <message>
        <source>Adding files - be patient! (Press ESC to cancel)</source>
        <translation>Dateien werden hinzugefügt – bitte Geduld! (ESC bricht ab)</translation>
    </message>
    <message>
        <source>Removes the selected rows (Delete)</source>
        <translation>Entfernt die markierten Zeilen (Entf)</translation>
    </message>
    <message>
        <source>Counts every file of the list (F5)</source>
        <translation>Zählt jede Datei der Liste (F5)</translation>
    </message>
    <message>
        <source>Saves the list as an HTML report (Ctrl+S)</source>
        <translation>Speichert die Liste als HTML-Bericht (Strg+S)</translation>
    </message>
</context>
<context>
    <name>tw::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Count in headers and footers</source>
        <translation>In Kopf- und Fußzeilen zählen</translation>
    </message>
    <message>
        <source>Also counts the text of page headers and footers (and slide footers), e.g. a footer &quot;Draft for review&quot; adds 3 words</source>
        <translation>Zählt auch den Text von Kopf- und Fußzeilen (und Folienfußzeilen), z. B. fügt die Fußzeile „Draft for review“ 3 Wörter hinzu</translation>
    </message>
    <message>
        <source>Treat extra symbols in txt files like a word</source>
        <translation>Sonderzeichen in TXT-Dateien als Wort zählen</translation>
    </message>
    <message>
        <source>In text files a symbol such as &quot;&amp;&quot; or &quot;%&quot; standing alone counts as a word, e.g. &quot;salt &amp; pepper&quot; gives 3 words instead of 2</source>
        <translation>In Textdateien zählt ein allein stehendes Zeichen wie „&amp;“ oder „%“ als Wort, z. B. ergibt „salt &amp; pepper“ 3 statt 2 Wörter</translation>
    </message>
    <message>
        <source>Legacy byte rules</source>
        <translation>Alte Byte-Regeln</translation>
    </message>
    <message>
        <source>Judges every byte (or the low byte of a character) alone, as older versions did, e.g. the two bytes of &quot;ö&quot; in a UTF-8 file count as two characters; use it to match old figures</source>
        <translation>Beurteilt jedes Byte (oder das niedrige Byte eines Zeichens) einzeln wie ältere Versionen, z. B. zählen die zwei Bytes von „ö“ in einer UTF-8-Datei als zwei Zeichen; für den Vergleich mit alten Zahlen</translation>
    </message>
    <message>
        <source>Also count</source>
        <translation>Außerdem zählen</translation>
    </message>
    <message>
        <source>Documents hold text a reader does not always translate; tick what the job includes.</source>
        <translation>Dokumente enthalten Text, der nicht immer übersetzt wird; wählen Sie, was zum Auftrag gehört.</translation>
    </message>
    <message>
        <source>Speaker notes</source>
        <translation>Sprechernotizen</translation>
    </message>
    <message>
        <source>Counts the notes under each slide of a presentation, e.g. a note &quot;Thank the sponsors&quot; adds 3 words</source>
        <translation>Zählt die Notizen unter jeder Folie einer Präsentation, z. B. fügt die Notiz „Thank the sponsors“ 3 Wörter hinzu</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Counts review comments in documents and presentations, e.g. a comment &quot;Check this date&quot; adds 3 words</source>
        <translation>Zählt Überarbeitungskommentare in Dokumenten und Präsentationen, z. B. fügt der Kommentar „Check this date“ 3 Wörter hinzu</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Counts chart titles, axis titles, categories and series names, e.g. a chart titled &quot;Sales by region&quot; adds 3 words</source>
        <translation>Zählt Diagrammtitel, Achsentitel, Kategorien und Reihennamen, z. B. fügt der Titel „Sales by region“ 3 Wörter hinzu</translation>
    </message>
    <message>
        <source>Diagrams (SmartArt)</source>
        <translation>Schaubilder (SmartArt)</translation>
    </message>
    <message>
        <source>Counts the text in diagram shapes, e.g. a process diagram &quot;Plan, Build, Test&quot; adds 3 words</source>
        <translation>Zählt den Text in Schaubildformen, z. B. fügt ein Prozess „Plan, Build, Test“ 3 Wörter hinzu</translation>
    </message>
    <message>
        <source>Hidden text and slides</source>
        <translation>Verborgener Text und ausgeblendete Folien</translation>
    </message>
    <message>
        <source>Counts text formatted as hidden and slides marked hidden, e.g. a hidden backup slide is counted like any other</source>
        <translation>Zählt als verborgen formatierten Text und ausgeblendete Folien, z. B. wird eine ausgeblendete Reservefolie wie jede andere gezählt</translation>
    </message>
    <message>
        <source>Counting profile:</source>
        <translation>Zählprofil:</translation>
    </message>
    <message>
        <source>Classic (this program&apos;s own rules)</source>
        <translation>Klassisch (die eigenen Regeln des Programms)</translation>
    </message>
    <message>
        <source>Word processor (words between spaces)</source>
        <translation>Textverarbeitung (Wörter zwischen Leerzeichen)</translation>
    </message>
    <message>
        <source>Segments (Unicode word boundaries)</source>
        <translation>Segmente (Unicode-Wortgrenzen)</translation>
    </message>
    <message>
        <source>What a word and a character are, for every format alike. Word processor: &quot;3.14&quot;, &quot;www.example.com&quot; and &quot;don&apos;t&quot; are one word each, each Chinese or Japanese character is a word. Segments: punctuation alone is not a word, as translation memory tools count</source>
        <translation>Was ein Wort und ein Zeichen ist, für jedes Format gleich. Textverarbeitung: „3.14“, „www.example.com“ und „don't“ sind je ein Wort, jedes chinesische oder japanische Zeichen ist ein Wort. Segmente: Satzzeichen allein sind kein Wort, wie Translation-Memory-Programme zählen</translation>
    </message>
</context>
<context>
    <name>tw::PricingControls</name>
    <message>
        <source>Calc</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Chars</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Chars &amp; spaces</source>
        <translation>Zeichen mit Leerz.</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Numbers only!</source>
        <translation>Nur Zahlen!</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Weighted words</source>
        <translation>Gewichtete Wörter</translation>
    </message>
</context>
<context>
    <name>tw::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDialog</name>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Angebotsnummer:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Minimum fee (%1):</source>
        <translation>Mindestbetrag (%1):</translation>
    </message>
    <message>
        <source>Discount %:</source>
        <translation>Rabatt %:</translation>
    </message>
    <message>
        <source>Tax %:</source>
        <translation>Steuer %:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Anmerkungen:</translation>
    </message>
    <message>
        <source>Subtotal, then the minimum fee, then the discount, then tax.</source>
        <translation>Zwischensumme, dann Mindestbetrag, dann Rabatt, dann Steuer.</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>%1 is not a number I can use.</source>
        <translation>%1 ist keine verwendbare Zahl.</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t save quote: %1 (%2)</source>
        <translation>Angebot konnte nicht gespeichert werden: %1 (%2)</translation>
    </message>
    <message>
        <source>The quote was saved, but its fields could not be kept in %1</source>
        <translation>Das Angebot wurde gespeichert, seine Felder konnten aber nicht in %1 behalten werden</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Angebot speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <translation>angebot-%1.pdf</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDocument</name>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>characters with spaces</source>
        <translation>Zeichen mit Leerzeichen</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Minimum fee</source>
        <translation>Mindestbetrag</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Rabatt %</translation>
    </message>
    <message>
        <source>Tax %</source>
        <translation>Steuer %</translation>
    </message>
</context>
<context>
    <name>tw::UnitOptionsGroup</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Standard line:</source>
        <translation>Normzeile:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard line, the unit &quot;Lines&quot; prices; e.g. 1 100 characters are 20.00 lines of 55</source>
        <translation>Zeichen mit Leerzeichen in einer Normzeile, die die Einheit „Zeilen“ berechnet; z. B. sind 1 100 Zeichen 20,00 Zeilen zu 55</translation>
    </message>
    <message>
        <source>Standard page:</source>
        <translation>Normseite:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard page, the unit &quot;Pages&quot; prices; e.g. 2 700 characters are 1.50 pages of 1 800</source>
        <translation>Zeichen mit Leerzeichen in einer Normseite, die die Einheit „Seiten“ berechnet; z. B. sind 2 700 Zeichen 1,50 Seiten zu 1 800</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Finds sentences, table cells and paragraphs seen before in the file or in a file counted before it; their words cost the share below under &quot;Weighted words&quot;, e.g. a sentence of 10 words met again costs 3 words at 30 %</source>
        <translation>Findet Sätze, Tabellenzellen und Absätze, die schon früher in der Datei oder in einer zuvor gezählten Datei vorkamen; ihre Wörter kosten unter „Gewichtete Wörter“ den unten genannten Anteil, z. B. kostet ein wiederholter Satz aus 10 Wörtern bei 30 % 3 Wörter</translation>
    </message>
    <message>
        <source>Repeated word costs:</source>
        <translation>Wiederholtes Wort kostet:</translation>
    </message>
    <message>
        <source>The share of a new word&apos;s price a repeated word costs</source>
        <translation>Der Anteil am Preis eines neuen Wortes, den ein wiederholtes Wort kostet</translation>
    </message>
</context>
<context>
    <name>tw::WindowCountRun</name>
    <message>
        <source>There is nothing to count! Choose files first!</source>
        <translation>Es gibt nichts zu zählen! Wählen Sie zuerst Dateien aus!</translation>
    </message>
    <message>
        <source>Counting %1 (%2 of %3)</source>
        <translation>Zähle %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files counted</source>
        <translation>Angehalten: %1 von %2 Dateien gezählt</translation>
    </message>
</context>
</TS>
