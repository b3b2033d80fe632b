<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>FailureSummary</name>
    <message>
        <source>%1 of %2 files could not be counted:</source>
        <translation>Не удалось подсчитать %1 из %2 файлов:</translation>
    </message>
    <message>
        <source>... and %1 more; the marked rows say why.</source>
        <translation>... и ещё %1; причина указана в отмеченных строках.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as HTML (*.html)</source>
        <translation>Сохранить как HTML (*.html)</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>Элементов: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Ссылка на %1</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>tw::AboutDialog</name>
    <message>
        <source>About Tallywright</source>
        <translation>О программе Tallywright</translation>
    </message>
    <message>
        <source>Tallywright version %1</source>
        <translation>Tallywright, версия %1</translation>
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
        <translation>Новая валюта</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tw::BrowserPane</name>
    <message>
        <source>Add all files in subfolders</source>
        <translation>Добавить все файлы из подпапок</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>Добавить выбранные</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>Добавить все</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>Show your home folder in the tree</source>
        <translation>Показать домашнюю папку в дереве</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>Введите или вставьте папку</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; the list holds the folders shown recently</source>
        <translation>Введите или вставьте папку и нажмите Enter, чтобы показать её в дереве, например ~/Заказы/2024; в списке — недавно открытые папки</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Папка не найдена: %1</translation>
    </message>
    <message>
        <source>More types…</source>
        <translation>Другие типы…</translation>
    </message>
</context>
<context>
    <name>tw::CountListActions</name>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Открыть содержащую папку</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>Копировать путь</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyConverterDialog</name>
    <message>
        <source>Currency converter</source>
        <translation>Конвертер валют</translation>
    </message>
    <message>
        <source>e.g. 0.92</source>
        <translation>напр. 0,92</translation>
    </message>
    <message>
        <source>How much one %1 is worth in the other currency. A comma is read as the decimal point.</source>
        <translation>Сколько стоит один %1 в другой валюте. Запятая читается как десятичный разделитель.</translation>
    </message>
    <message>
        <source>Total amount:</source>
        <translation>Общая сумма:</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Перевести в:</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>1 %1 in %2:</source>
        <translation>1 %1 в %2:</translation>
    </message>
    <message>
        <source>Add a second currency under Tools &gt; Currency first.</source>
        <translation>Сначала добавьте вторую валюту в меню Сервис &gt; Валюта.</translation>
    </message>
    <message>
        <source>Not a rate: type a number such as 0.92</source>
        <translation>Это не курс: введите число, например 0,92</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyDialog</name>
    <message>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>tw::DesktopApplication</name>
    <message>
        <source>Counts and prices translation jobs.</source>
        <translation>Подсчитывает объём и стоимость переводов.</translation>
    </message>
    <message>
        <source>Count the listed files at once.</source>
        <translation>Сразу подсчитать перечисленные файлы.</translation>
    </message>
    <message>
        <source>Files to put into the count list.</source>
        <translation>Файлы для списка подсчёта.</translation>
    </message>
</context>
<context>
    <name>tw::FileListActions</name>
    <message>
        <source>Add to count list</source>
        <translation>Добавить в список подсчёта</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>tw::FileListModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Modifed</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>Полный путь</translation>
    </message>
</context>
<context>
    <name>tw::FileMenuCommands</name>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Quote...</source>
        <translation>Смета...</translation>
    </message>
    <message>
        <source>Open job...</source>
        <translation>Открыть задание...</translation>
    </message>
    <message>
        <source>Save job...</source>
        <translation>Сохранить задание...</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Недавние задания</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Идёт подсчёт. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Export the count list</source>
        <translation>Экспорт списка подсчёта</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Таблица (*.xlsx)</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1: %2</source>
        <translation>Не удалось экспортировать в %1: %2</translation>
    </message>
    <message>
        <source>There is nothing to quote yet: count the files first.</source>
        <translation>Пока нечего оценивать: сначала подсчитайте файлы.</translation>
    </message>
    <message>
        <source>Save job</source>
        <translation>Сохранить задание</translation>
    </message>
    <message>
        <source>Tallywright job (*.%1)</source>
        <translation>Задание Tallywright (*.%1)</translation>
    </message>
    <message>
        <source>Couldn&apos;t save job %1: %2</source>
        <translation>Не удалось сохранить задание %1: %2</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Открыть задание</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open job %1: %2</source>
        <translation>Не удалось открыть задание %1: %2</translation>
    </message>
    <message>
        <source>The counts in the list have not been saved. Open the job instead?</source>
        <translation>Результаты подсчёта в списке не сохранены. Всё равно открыть задание?</translation>
    </message>
</context>
<context>
    <name>tw::FolderTree</name>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; for good?</source>
        <translation>Удалить «%1» безвозвратно?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>Не удалось удалить «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>Не удалось переименовать «%1»: %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>О&amp;бновить</translation>
    </message>
    <message>
        <source>&amp;Up One Level</source>
        <translation>&amp;Вверх на уровень</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be %2: %3</source>
        <translation>Не удалось %2 «%1»: %3</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>скопировать</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>переместить</translation>
    </message>
</context>
<context>
    <name>tw::LocaleText</name>
    <message>
        <source>List files to count statistics: </source>
        <translation>Файлы для подсчёта: </translation>
    </message>
    <message>
        <source>List files to count statistic: </source>
        <translation>Файлы для подсчёта: </translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>Слова: </translation>
    </message>
    <message>
        <source>Characters with spaces: </source>
        <translation>Знаки с пробелами: </translation>
    </message>
    <message>
        <source>Characters: </source>
        <translation>Знаки: </translation>
    </message>
    <message>
        <source>Currency: </source>
        <translation>Валюта: </translation>
    </message>
    <message>
        <source>Rate: </source>
        <translation>Ставка: </translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Сумма: </translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>Строки: </translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>Страницы: </translation>
    </message>
    <message>
        <source>Weighted words: </source>
        <translation>Взвешенные слова: </translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Count statistics</source>
        <translation>Подсчитать статистику</translation>
    </message>
    <message>
        <source>Currency converter</source>
        <translation>Конвертер валют</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Убрать все</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Count Statistic</source>
        <translation>Подсчитать</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Pricing:</source>
        <translation>Цена:</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>Действительно выйти?</translation>
    </message>
    <message>
        <source>Counting in a progress! Would you like to stop it?</source>
        <translation>Идёт подсчёт! Остановить его?</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>Идёт подсчёт. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Adding files to count list</source>
        <translation>Добавление файлов в список подсчёта</translation>
    </message>
    <message>
        <source>Adding files - be patient! (Press ESC to cancel)</source>
        <translation>Добавление файлов — наберитесь терпения! (ESC — отмена)</translation>
    </message>
    <message>
        <source>Removes the selected rows (Delete)</source>
        <translation>Удаляет выбранные строки (Delete)</translation>
    </message>
    <message>
        <source>Counts every file of the list (F5)</source>
        <translation>Подсчитывает каждый файл списка (F5)</translation>
    </message>
    <message>
        <source>Saves the list as an HTML report (Ctrl+S)</source>
        <translation>Сохраняет список как HTML-отчёт (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>tw::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Count in headers and footers</source>
        <translation>Считать в колонтитулах</translation>
    </message>
    <message>
        <source>Also counts the text of page headers and footers (and slide footers), e.g. a footer &quot;Draft for review&quot; adds 3 words</source>
        <translation>Учитывает также текст колонтитулов (и нижних колонтитулов слайдов), например колонтитул «Draft for review» добавляет 3 слова</translation>
    </message>
    <message>
        <source>Treat extra symbols in txt files like a word</source>
        <translation>Считать символы в txt-файлах словами</translation>
    </message>
    <message>
        <source>In text files a symbol such as &quot;&amp;&quot; or &quot;%&quot; standing alone counts as a word, e.g. &quot;salt &amp; pepper&quot; gives 3 words instead of 2</source>
        <translation>В текстовых файлах отдельно стоящий символ, например «&amp;» или «%», считается словом: «salt &amp; pepper» даёт 3 слова вместо 2</translation>
    </message>
    <message>
        <source>Legacy byte rules</source>
        <translation>Старые правила для байтов</translation>
    </message>
    <message>
        <source>Judges every byte (or the low byte of a character) alone, as older versions did, e.g. the two bytes of &quot;ö&quot; in a UTF-8 file count as two characters; use it to match old figures</source>
        <translation>Оценивает каждый байт (или младший байт символа) отдельно, как старые версии: например, два байта «ö» в файле UTF-8 считаются двумя символами; для совпадения со старыми результатами</translation>
    </message>
    <message>
        <source>Also count</source>
        <translation>Также считать</translation>
    </message>
    <message>
        <source>Documents hold text a reader does not always translate; tick what the job includes.</source>
        <translation>Документы содержат текст, который переводят не всегда; отметьте, что входит в заказ.</translation>
    </message>
    <message>
        <source>Speaker notes</source>
        <translation>Заметки докладчика</translation>
    </message>
    <message>
        <source>Counts the notes under each slide of a presentation, e.g. a note &quot;Thank the sponsors&quot; adds 3 words</source>
        <translation>Учитывает заметки к каждому слайду презентации: например, заметка «Thank the sponsors» добавляет 3 слова</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Counts review comments in documents and presentations, e.g. a comment &quot;Check this date&quot; adds 3 words</source>
        <translation>Учитывает примечания рецензентов в документах и презентациях: например, «Check this date» добавляет 3 слова</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Диаграммы</translation>
    </message>
    <message>
        <source>Counts chart titles, axis titles, categories and series names, e.g. a chart titled &quot;Sales by region&quot; adds 3 words</source>
        <translation>Учитывает названия диаграмм и осей, категории и имена рядов: например, заголовок «Sales by region» добавляет 3 слова</translation>
    </message>
    <message>
        <source>Diagrams (SmartArt)</source>
        <translation>Схемы (SmartArt)</translation>
    </message>
    <message>
        <source>Counts the text in diagram shapes, e.g. a process diagram &quot;Plan, Build, Test&quot; adds 3 words</source>
        <translation>Учитывает текст в фигурах схем: например, процесс «Plan, Build, Test» добавляет 3 слова</translation>
    </message>
    <message>
        <source>Hidden text and slides</source>
        <translation>Скрытый текст и слайды</translation>
    </message>
    <message>
        <source>Counts text formatted as hidden and slides marked hidden, e.g. a hidden backup slide is counted like any other</source>
        <translation>Учитывает текст со скрытым форматированием и скрытые слайды: например, скрытый запасной слайд считается как обычный</translation>
    </message>
    <message>
        <source>Counting profile:</source>
        <translation>Профиль подсчёта:</translation>
    </message>
    <message>
        <source>Classic (this program&apos;s own rules)</source>
        <translation>Классический (собственные правила программы)</translation>
    </message>
    <message>
        <source>Word processor (words between spaces)</source>
        <translation>Текстовый процессор (слова между пробелами)</translation>
    </message>
    <message>
        <source>Segments (Unicode word boundaries)</source>
        <translation>Сегменты (границы слов Unicode)</translation>
    </message>
    <message>
        <source>What a word and a character are, for every format alike. Word processor: &quot;3.14&quot;, &quot;www.example.com&quot; and &quot;don&apos;t&quot; are one word each, each Chinese or Japanese character is a word. Segments: punctuation alone is not a word, as translation memory tools count</source>
        <translation>Что считать словом и символом — одинаково для всех форматов. Текстовый процессор: «3.14», «www.example.com» и «don't» — по одному слову, каждый китайский или японский иероглиф — слово. Сегменты: одни знаки препинания не слово, как считают программы памяти переводов</translation>
    </message>
</context>
<context>
    <name>tw::PricingControls</name>
    <message>
        <source>Calc</source>
        <translation>Кальк.</translation>
    </message>
    <message>
        <source>Chars</source>
        <translation>Знаки</translation>
    </message>
    <message>
        <source>Chars &amp; spaces</source>
        <translation>Знаки с пробелами</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Слова</translation>
    </message>
    <message>
        <source>Numbers only!</source>
        <translation>Только цифры!</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Weighted words</source>
        <translation>Взвешенные слова</translation>
    </message>
</context>
<context>
    <name>tw::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Свойства: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Права доступа</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDialog</name>
    <message>
        <source>Quote</source>
        <translation>Смета</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>От:</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Клиент:</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>Номер сметы:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Minimum fee (%1):</source>
        <translation>Минимальная сумма (%1):</translation>
    </message>
    <message>
        <source>Discount %:</source>
        <translation>Скидка %:</translation>
    </message>
    <message>
        <source>Tax %:</source>
        <translation>Налог %:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Subtotal, then the minimum fee, then the discount, then tax.</source>
        <translation>Сначала промежуточный итог, затем минимальная сумма, затем скидка, затем налог.</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Сохранить PDF...</translation>
    </message>
    <message>
        <source>%1 is not a number I can use.</source>
        <translation>%1 — это не число, которое можно использовать.</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>Смета %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t save quote: %1 (%2)</source>
        <translation>Не удалось сохранить смету: %1 (%2)</translation>
    </message>
    <message>
        <source>The quote was saved, but its fields could not be kept in %1</source>
        <translation>Смета сохранена, но её поля не удалось сохранить в %1</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>Сохранить смету</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <translation>smeta-%1.pdf</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDocument</name>
    <message>
        <source>words</source>
        <translation>слов</translation>
    </message>
    <message>
        <source>characters with spaces</source>
        <translation>знаков с пробелами</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>знаков</translation>
    </message>
    <message>
        <source>Minimum fee</source>
        <translation>Минимальная сумма</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Скидка %</translation>
    </message>
    <message>
        <source>Tax %</source>
        <translation>Налог %</translation>
    </message>
</context>
<context>
    <name>tw::UnitOptionsGroup</name>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Standard line:</source>
        <translation>Стандартная строка:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard line, the unit &quot;Lines&quot; prices; e.g. 1 100 characters are 20.00 lines of 55</source>
        <translation>Знаков с пробелами в одной стандартной строке — единице, по которой считает «Строки»; напр., 1 100 знаков — это 20,00 строки по 55</translation>
    </message>
    <message>
        <source>Standard page:</source>
        <translation>Стандартная страница:</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard page, the unit &quot;Pages&quot; prices; e.g. 2 700 characters are 1.50 pages of 1 800</source>
        <translation>Знаков с пробелами на одной стандартной странице — единице, по которой считает «Страницы»; напр., 2 700 знаков — это 1,50 страницы по 1 800</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Finds sentences, table cells and paragraphs seen before in the file or in a file counted before it; their words cost the share below under &quot;Weighted words&quot;, e.g. a sentence of 10 words met again costs 3 words at 30 %</source>
        <translation>Находит предложения, ячейки таблиц и абзацы, уже встречавшиеся в файле или в файле, подсчитанном раньше; их слова стоят указанную ниже долю в «Взвешенных словах», напр. повторённое предложение из 10 слов при 30 % стоит 3 слова</translation>
    </message>
    <message>
        <source>Repeated word costs:</source>
        <translation>Повторное слово стоит:</translation>
    </message>
    <message>
        <source>The share of a new word&apos;s price a repeated word costs</source>
        <translation>Доля цены нового слова, которую стоит повторное слово</translation>
    </message>
</context>
<context>
    <name>tw::WindowCountRun</name>
    <message>
        <source>There is nothing to count! Choose files first!</source>
        <translation>Нечего подсчитывать! Сначала выберите файлы!</translation>
    </message>
    <message>
        <source>Counting %1 (%2 of %3)</source>
        <translation>Подсчёт %1 (%2 из %3)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files counted</source>
        <translation>Остановлено: подсчитано %1 из %2 файлов</translation>
    </message>
</context>
</TS>
