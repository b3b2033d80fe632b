<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FailureSummary</name>
    <message>
        <source>%1 of %2 files could not be counted:</source>
        <translation>%1 fichiers sur %2 n&apos;ont pas pu être comptés :</translation>
    </message>
    <message>
        <source>... and %1 more; the marked rows say why.</source>
        <translation>... et %1 de plus ; les lignes marquées disent pourquoi.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as HTML (*.html)</source>
        <translation>Enregistrer en HTML (*.html)</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Lien vers %1</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>tw::AboutDialog</name>
    <message>
        <source>About Tallywright</source>
        <translation>À propos de Tallywright</translation>
    </message>
    <message>
        <source>Tallywright version %1</source>
        <translation>Tallywright version %1</translation>
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
        <translation>Nouvelle devise</translation>
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
    <name>tw::BrowserPane</name>
    <message>
        <source>Add all files in subfolders</source>
        <translation>Ajouter tous les fichiers des sous-dossiers</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Ajouter la sélection</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>Tout ajouter</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Show your home folder in the tree</source>
        <translation>Affiche votre dossier personnel dans l&apos;arborescence</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Saisir ou coller un dossier</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; the list holds the folders shown recently</source>
        <translation>Saisissez ou collez un dossier puis appuyez sur Entrée pour l&apos;afficher dans l&apos;arborescence, p. ex. ~/Travaux/2024 ; la liste contient les dossiers affichés récemment</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier introuvable : %1</translation>
    </message>
    <message>
        <source>More types…</source>
        <translation>Autres types…</translation>
    </message>
</context>
<context>
    <name>tw::CountListActions</name>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Copier le chemin</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyConverterDialog</name>
    <message>
        <source>Currency converter</source>
        <translation>Convertisseur de devises</translation>
    </message>
    <message>
        <source>e.g. 0.92</source>
        <translation>p. ex. 0,92</translation>
    </message>
    <message>
        <source>How much one %1 is worth in the other currency. A comma is read as the decimal point.</source>
        <translation>Combien vaut un %1 dans l&apos;autre devise. Une virgule est lue comme séparateur décimal.</translation>
    </message>
    <message>
        <source>Total amount:</source>
        <translation>Montant total :</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en :</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Converti :</translation>
    </message>
    <message>
        <source>1 %1 in %2:</source>
        <translation>1 %1 en %2 :</translation>
    </message>
    <message>
        <source>Add a second currency under Tools &gt; Currency first.</source>
        <translation>Ajoutez d&apos;abord une deuxième devise sous Outils &gt; Devise.</translation>
    </message>
    <message>
        <source>Not a rate: type a number such as 0.92</source>
        <translation>Pas un taux : saisissez un nombre comme 0,92</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyDialog</name>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tw::DesktopApplication</name>
    <message>
        <source>Counts and prices translation jobs.</source>
        <translation>Compte et chiffre les travaux de traduction.</translation>
    </message>
    <message>
        <source>Count the listed files at once.</source>
        <translation>Compter tout de suite les fichiers indiqués.</translation>
    </message>
    <message>
        <source>Files to put into the count list.</source>
        <translation>Fichiers à placer dans la liste de comptage.</translation>
    </message>
</context>
<context>
    <name>tw::FileListActions</name>
    <message>
        <source>Add to count list</source>
        <translation>Ajouter à la liste de comptage</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>tw::FileListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modifed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Chemin complet</translation>
    </message>
</context>
<context>
    <name>tw::FileMenuCommands</name>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Quote...</source>
        <translation>Devis...</translation>
    </message>
    <message>
        <source>Open job...</source>
        <translation>Ouvrir un projet...</translation>
    </message>
    <message>
        <source>Save job...</source>
        <translation>Enregistrer le projet...</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Comptage en cours. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Export the count list</source>
        <translation>Exporter la liste de comptage</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Classeur (*.xlsx)</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1: %2</source>
        <translation>Impossible d'exporter vers %1 : %2</translation>
    </message>
    <message>
        <source>There is nothing to quote yet: count the files first.</source>
        <translation>Rien à chiffrer pour l'instant : comptez d'abord les fichiers.</translation>
    </message>
    <message>
        <source>Save job</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Tallywright job (*.%1)</source>
        <translation>Projet Tallywright (*.%1)</translation>
    </message>
    <message>
        <source>Couldn&apos;t save job %1: %2</source>
        <translation>Impossible d'enregistrer le projet %1 : %2</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open job %1: %2</source>
        <translation>Impossible d'ouvrir le projet %1 : %2</translation>
    </message>
    <message>
        <source>The counts in the list have not been saved. Open the job instead?</source>
        <translation>Les comptes de la liste n'ont pas été enregistrés. Ouvrir quand même le projet ?</translation>
    </message>
</context>
<context>
    <name>tw::FolderTree</name>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; for good?</source>
        <translation>Supprimer définitivement « %1 » ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>« %1 » n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>« %1 » n&apos;a pas pu être renommé : %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;Up One Level</source>
        <translation>&amp;Niveau supérieur</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be %2: %3</source>
        <translation>« %1 » n&apos;a pas pu être %2 : %3</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacé</translation>
    </message>
</context>
<context>
    <name>tw::LocaleText</name>
    <message>
        <source>List files to count statistics: </source>
        <translation>Fichiers à compter : </translation>
    </message>
    <message>
        <source>List files to count statistic: </source>
        <translation>Fichiers à compter : </translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>Mots : </translation>
    </message>
    <message>
        <source>Characters with spaces: </source>
        <translation>Caractères avec espaces : </translation>
    </message>
    <message>
        <source>Characters: </source>
        <translation>Caractères : </translation>
    </message>
    <message>
        <source>Currency: </source>
        <translation>Devise : </translation>
    </message>
    <message>
        <source>Rate: </source>
        <translation>Tarif : </translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Montant : </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Lignes : </translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>Pages : </translation>
    </message>
    <message>
        <source>Weighted words: </source>
        <translation>Mots pondérés : </translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Count statistics</source>
        <translation>Compter les statistiques</translation>
    </message>
    <message>
        <source>Currency converter</source>
        <translation>Convertisseur de devises</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Count Statistic</source>
        <translation>Compter</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Pricing:</source>
        <translation>Tarif :</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Counting in a progress! Would you like to stop it?</source>
        <translation>Comptage en cours ! Voulez-vous l&apos;arrêter ?</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Comptage en cours. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Adding files to count list</source>
        <translation>Ajout de fichiers à la liste de comptage</translation>
    </message>
    <message>
        <source>Adding files - be patient! (Press ESC to cancel)</source>
        <translation>Ajout de fichiers – patience ! (Échap pour annuler)</translation>
    </message>
    <message>
        <source>Removes the selected rows (Delete)</source>
        <translation>Retire les lignes sélectionnées (Suppr)</translation>
    </message>
    <message>
        <source>Counts every file of the list (F5)</source>
        <translation>Compte chaque fichier de la liste (F5)</translation>
    </message>
    <message>
        <source>Saves the list as an HTML report (Ctrl+S)</source>
        <translation>Enregistre la liste comme rapport HTML (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>tw::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Count in headers and footers</source>
        <translation>Compter dans les en-têtes et pieds de page</translation>
    </message>
    <message>
        <source>Also counts the text of page headers and footers (and slide footers), e.g. a footer &quot;Draft for review&quot; adds 3 words</source>
        <translation>Compte aussi le texte des en-têtes et pieds de page (et des pieds de diapositive), p. ex. le pied de page « Draft for review » ajoute 3 mots</translation>
    </message>
    <message>
        <source>Treat extra symbols in txt files like a word</source>
        <translation>Compter les symboles des fichiers txt comme des mots</translation>
    </message>
    <message>
        <source>In text files a symbol such as &quot;&amp;&quot; or &quot;%&quot; standing alone counts as a word, e.g. &quot;salt &amp; pepper&quot; gives 3 words instead of 2</source>
        <translation>Dans les fichiers texte, un symbole isolé comme « &amp; » ou « % » compte comme un mot, p. ex. « salt &amp; pepper » donne 3 mots au lieu de 2</translation>
    </message>
    <message>
        <source>Legacy byte rules</source>
        <translation>Règles d&apos;octets anciennes</translation>
    </message>
    <message>
        <source>Judges every byte (or the low byte of a character) alone, as older versions did, e.g. the two bytes of &quot;ö&quot; in a UTF-8 file count as two characters; use it to match old figures</source>
        <translation>Juge chaque octet (ou l&apos;octet de poids faible d&apos;un caractère) isolément, comme les anciennes versions, p. ex. les deux octets de « ö » dans un fichier UTF-8 comptent pour deux caractères ; pour retrouver d&apos;anciens chiffres</translation>
    </message>
    <message>
        <source>Also count</source>
        <translation>Compter aussi</translation>
    </message>
    <message>
        <source>Documents hold text a reader does not always translate; tick what the job includes.</source>
        <translation>Les documents contiennent du texte qui n&apos;est pas toujours traduit ; cochez ce que le travail comprend.</translation>
    </message>
    <message>
        <source>Speaker notes</source>
        <translation>Notes du présentateur</translation>
    </message>
    <message>
        <source>Counts the notes under each slide of a presentation, e.g. a note &quot;Thank the sponsors&quot; adds 3 words</source>
        <translation>Compte les notes sous chaque diapositive d&apos;une présentation, p. ex. la note « Thank the sponsors » ajoute 3 mots</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Counts review comments in documents and presentations, e.g. a comment &quot;Check this date&quot; adds 3 words</source>
        <translation>Compte les commentaires de révision des documents et présentations, p. ex. le commentaire « Check this date » ajoute 3 mots</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Counts chart titles, axis titles, categories and series names, e.g. a chart titled &quot;Sales by region&quot; adds 3 words</source>
        <translation>Compte les titres de graphique et d&apos;axe, les catégories et les noms de séries, p. ex. le titre « Sales by region » ajoute 3 mots</translation>
    </message>
    <message>
        <source>Diagrams (SmartArt)</source>
        <translation>Diagrammes (SmartArt)</translation>
    </message>
    <message>
        <source>Counts the text in diagram shapes, e.g. a process diagram &quot;Plan, Build, Test&quot; adds 3 words</source>
        <translation>Compte le texte des formes de diagramme, p. ex. un processus « Plan, Build, Test » ajoute 3 mots</translation>
    </message>
    <message>
        <source>Hidden text and slides</source>
        <translation>Texte et diapositives masqués</translation>
    </message>
    <message>
        <source>Counts text formatted as hidden and slides marked hidden, e.g. a hidden backup slide is counted like any other</source>
        <translation>Compte le texte mis en forme comme masqué et les diapositives masquées, p. ex. une diapositive de réserve masquée est comptée comme les autres</translation>
    </message>
    <message>
        <source>Counting profile:</source>
        <translation>Profil de comptage :</translation>
    </message>
    <message>
        <source>Classic (this program&apos;s own rules)</source>
        <translation>Classique (les règles propres au programme)</translation>
    </message>
    <message>
        <source>Word processor (words between spaces)</source>
        <translation>Traitement de texte (mots entre espaces)</translation>
    </message>
    <message>
        <source>Segments (Unicode word boundaries)</source>
        <translation>Segments (limites de mots Unicode)</translation>
    </message>
    <message>
        <source>What a word and a character are, for every format alike. Word processor: &quot;3.14&quot;, &quot;www.example.com&quot; and &quot;don&apos;t&quot; are one word each, each Chinese or Japanese character is a word. Segments: punctuation alone is not a word, as translation memory tools count</source>
        <translation>Ce qu'est un mot et un caractère, de la même façon pour tous les formats. Traitement de texte : « 3.14 », « www.example.com » et « don't » font un mot chacun, chaque caractère chinois ou japonais est un mot. Segments : la ponctuation seule n'est pas un mot, comme le comptent les outils de mémoire de traduction</translation>
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
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Chars &amp; spaces</source>
        <translation>Car. et espaces</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Numbers only!</source>
        <translation>Chiffres uniquement !</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Weighted words</source>
        <translation>Mots pondérés</translation>
    </message>
</context>
<context>
    <name>tw::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissions</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDialog</name>
    <message>
        <source>Quote</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Numéro de devis :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Minimum fee (%1):</source>
        <translation>Montant minimum (%1) :</translation>
    </message>
    <message>
        <source>Discount %:</source>
        <translation>Remise % :</translation>
    </message>
    <message>
        <source>Tax %:</source>
        <translation>Taxe % :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Subtotal, then the minimum fee, then the discount, then tax.</source>
        <translation>Sous-total, puis montant minimum, puis remise, puis taxe.</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Enregistrer le PDF...</translation>
    </message>
    <message>
        <source>%1 is not a number I can use.</source>
        <translation>%1 n'est pas un nombre utilisable.</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Devis %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t save quote: %1 (%2)</source>
        <translation>Impossible d'enregistrer le devis : %1 (%2)</translation>
    </message>
    <message>
        <source>The quote was saved, but its fields could not be kept in %1</source>
        <translation>Le devis a été enregistré, mais ses champs n'ont pas pu être conservés dans %1</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Enregistrer le devis</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <translation>devis-%1.pdf</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDocument</name>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>characters with spaces</source>
        <translation>caractères avec espaces</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caractères</translation>
    </message>
    <message>
        <source>Minimum fee</source>
        <translation>Montant minimum</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Remise %</translation>
    </message>
    <message>
        <source>Tax %</source>
        <translation>Taxe %</translation>
    </message>
</context>
<context>
    <name>tw::UnitOptionsGroup</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Standard line:</source>
        <translation>Ligne standard :</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard line, the unit &quot;Lines&quot; prices; e.g. 1 100 characters are 20.00 lines of 55</source>
        <translation>Caractères avec espaces d'une ligne standard, l'unité que « Lignes » facture ; p. ex. 1 100 caractères font 20,00 lignes de 55</translation>
    </message>
    <message>
        <source>Standard page:</source>
        <translation>Page standard :</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard page, the unit &quot;Pages&quot; prices; e.g. 2 700 characters are 1.50 pages of 1 800</source>
        <translation>Caractères avec espaces d'une page standard, l'unité que « Pages » facture ; p. ex. 2 700 caractères font 1,50 page de 1 800</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Finds sentences, table cells and paragraphs seen before in the file or in a file counted before it; their words cost the share below under &quot;Weighted words&quot;, e.g. a sentence of 10 words met again costs 3 words at 30 %</source>
        <translation>Repère les phrases, cellules de tableau et paragraphes déjà vus dans le fichier ou dans un fichier compté avant lui ; leurs mots coûtent la part ci-dessous sous « Mots pondérés », p. ex. une phrase de 10 mots rencontrée à nouveau coûte 3 mots à 30 %</translation>
    </message>
    <message>
        <source>Repeated word costs:</source>
        <translation>Un mot répété coûte :</translation>
    </message>
    <message>
        <source>The share of a new word&apos;s price a repeated word costs</source>
        <translation>La part du prix d'un mot nouveau que coûte un mot répété</translation>
    </message>
</context>
<context>
    <name>tw::WindowCountRun</name>
    <message>
        <source>There is nothing to count! Choose files first!</source>
        <translation>Rien à compter ! Choisissez d&apos;abord des fichiers !</translation>
    </message>
    <message>
        <source>Counting %1 (%2 of %3)</source>
        <translation>Comptage de %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files counted</source>
        <translation>Arrêté : %1 fichiers sur %2 comptés</translation>
    </message>
</context>
</TS>
