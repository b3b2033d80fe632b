<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FailureSummary</name>
    <message>
        <source>%1 of %2 files could not be counted:</source>
        <translation>%2 个文件中有 %1 个无法统计：</translation>
    </message>
    <message>
        <source>... and %1 more; the marked rows say why.</source>
        <translation>……还有 %1 个；标记的行说明了原因。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as HTML (*.html)</source>
        <translation>另存为 HTML (*.html)</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 项</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>指向 %1 的链接</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
</context>
<context>
    <name>tw::AboutDialog</name>
    <message>
        <source>About Tallywright</source>
        <translation>关于 Tallywright</translation>
    </message>
    <message>
        <source>Tallywright version %1</source>
        <translation>Tallywright 版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tw::AddCurrencyDialog</name>
    <message>
        <source>New currency</source>
        <translation>新货币</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tw::BrowserPane</name>
    <message>
        <source>Add all files in subfolders</source>
        <translation>添加子文件夹中的所有文件</translation>
    </message>
    <message>
        <source>Add selected</source>
        <translation>添加所选</translation>
    </message>
    <message>
        <source>Add all</source>
        <translation>全部添加</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>Show your home folder in the tree</source>
        <translation>在树中显示您的主文件夹</translation>
    </message>
    <message>
        <source>Type or paste a folder</source>
        <translation>输入或粘贴文件夹</translation>
    </message>
    <message>
        <source>Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; the list holds the folders shown recently</source>
        <translation>输入或粘贴文件夹并按回车键在树中显示，例如 ~/Jobs/2024；列表中是最近显示过的文件夹</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>没有此文件夹：%1</translation>
    </message>
    <message>
        <source>More types…</source>
        <translation>更多类型…</translation>
    </message>
</context>
<context>
    <name>tw::CountListActions</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Copy path</source>
        <translation>复制路径</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyConverterDialog</name>
    <message>
        <source>Currency converter</source>
        <translation>货币换算</translation>
    </message>
    <message>
        <source>e.g. 0.92</source>
        <translation>例如 0.92</translation>
    </message>
    <message>
        <source>How much one %1 is worth in the other currency. A comma is read as the decimal point.</source>
        <translation>一个 %1 在另一种货币中值多少。逗号按小数点读取。</translation>
    </message>
    <message>
        <source>Total amount:</source>
        <translation>总金额：</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>换算为：</translation>
    </message>
    <message>
        <source>Converted:</source>
        <translation>换算结果：</translation>
    </message>
    <message>
        <source>1 %1 in %2:</source>
        <translation>1 %1 兑 %2：</translation>
    </message>
    <message>
        <source>Add a second currency under Tools &gt; Currency first.</source>
        <translation>请先在“工具 &gt; 货币”中添加第二种货币。</translation>
    </message>
    <message>
        <source>Not a rate: type a number such as 0.92</source>
        <translation>不是汇率：请输入数字，例如 0.92</translation>
    </message>
</context>
<context>
    <name>tw::CurrencyDialog</name>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tw::DesktopApplication</name>
    <message>
        <source>Counts and prices translation jobs.</source>
        <translation>统计翻译任务的字数并计算价格。</translation>
    </message>
    <message>
        <source>Count the listed files at once.</source>
        <translation>立即统计所列文件。</translation>
    </message>
    <message>
        <source>Files to put into the count list.</source>
        <translation>放入统计列表的文件。</translation>
    </message>
</context>
<context>
    <name>tw::FileListActions</name>
    <message>
        <source>Add to count list</source>
        <translation>添加到统计列表</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>tw::FileListModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Modifed</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Full path</source>
        <translation>完整路径</translation>
    </message>
</context>
<context>
    <name>tw::FileMenuCommands</name>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Quote...</source>
        <translation>报价...</translation>
    </message>
    <message>
        <source>Open job...</source>
        <translation>打开任务...</translation>
    </message>
    <message>
        <source>Save job...</source>
        <translation>保存任务...</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>最近的任务</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>正在统计，请稍候。</translation>
    </message>
    <message>
        <source>Export the count list</source>
        <translation>导出统计列表</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>电子表格 (*.xlsx)</translation>
    </message>
    <message>
        <source>Couldn&apos;t export to %1: %2</source>
        <translation>无法导出到 %1：%2</translation>
    </message>
    <message>
        <source>There is nothing to quote yet: count the files first.</source>
        <translation>还没有可报价的内容：请先统计文件。</translation>
    </message>
    <message>
        <source>Save job</source>
        <translation>保存任务</translation>
    </message>
    <message>
        <source>Tallywright job (*.%1)</source>
        <translation>Tallywright 任务 (*.%1)</translation>
    </message>
    <message>
        <source>Couldn&apos;t save job %1: %2</source>
        <translation>无法保存任务 %1：%2</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>打开任务</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open job %1: %2</source>
        <translation>无法打开任务 %1：%2</translation>
    </message>
    <message>
        <source>The counts in the list have not been saved. Open the job instead?</source>
        <translation>列表中的统计结果尚未保存。仍要打开任务吗？</translation>
    </message>
</context>
<context>
    <name>tw::FolderTree</name>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; for good?</source>
        <translation>永久删除“%1”？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>无法删除“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>无法重命名“%1”：%2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>属性(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>重命名(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>刷新(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Up One Level</source>
        <translation>向上一级(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be %2: %3</source>
        <translation>无法%2“%1”：%3</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>移动</translation>
    </message>
</context>
<context>
    <name>tw::LocaleText</name>
    <message>
        <source>List files to count statistics: </source>
        <translation>待统计文件：</translation>
    </message>
    <message>
        <source>List files to count statistic: </source>
        <translation>待统计文件：</translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>单词：</translation>
    </message>
    <message>
        <source>Characters with spaces: </source>
        <translation>字符（含空格）：</translation>
    </message>
    <message>
        <source>Characters: </source>
        <translation>字符：</translation>
    </message>
    <message>
        <source>Currency: </source>
        <translation>货币：</translation>
    </message>
    <message>
        <source>Rate: </source>
        <translation>单价：</translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>金额：</translation>
    </message>
    <message>
        <source>Lines: </source>
        <translation>行数：</translation>
    </message>
    <message>
        <source>Pages: </source>
        <translation>页数：</translation>
    </message>
    <message>
        <source>Weighted words: </source>
        <translation>加权字数：</translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Count statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Currency converter</source>
        <translation>货币换算</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Count Statistic</source>
        <translation>开始统计</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>Pricing:</source>
        <translation>计价：</translation>
    </message>
    <message>
        <source>Are you sure to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Counting in a progress! Would you like to stop it?</source>
        <translation>正在统计！要停止吗？</translation>
    </message>
    <message>
        <source>Counting in a progress. Please wait.</source>
        <translation>正在统计，请稍候。</translation>
    </message>
    <message>
        <source>Adding files to count list</source>
        <translation>正在将文件添加到统计列表</translation>
    </message>
    <message>
        <source>Adding files - be patient! (Press ESC to cancel)</source>
        <translation>正在添加文件，请耐心等待！（按 ESC 取消）</translation>
    </message>
    <message>
        <source>Removes the selected rows (Delete)</source>
        <translation>移除所选行（Delete）</translation>
    </message>
    <message>
        <source>Counts every file of the list (F5)</source>
        <translation>统计列表中的每个文件（F5）</translation>
    </message>
    <message>
        <source>Saves the list as an HTML report (Ctrl+S)</source>
        <translation>将列表保存为 HTML 报告（Ctrl+S）</translation>
    </message>
</context>
<context>
    <name>tw::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Count in headers and footers</source>
        <translation>统计页眉和页脚</translation>
    </message>
    <message>
        <source>Also counts the text of page headers and footers (and slide footers), e.g. a footer &quot;Draft for review&quot; adds 3 words</source>
        <translation>同时统计页眉页脚（及幻灯片页脚）中的文字，例如页脚“Draft for review”增加 3 个单词</translation>
    </message>
    <message>
        <source>Treat extra symbols in txt files like a word</source>
        <translation>将 txt 文件中的额外符号视为单词</translation>
    </message>
    <message>
        <source>In text files a symbol such as &quot;&amp;&quot; or &quot;%&quot; standing alone counts as a word, e.g. &quot;salt &amp; pepper&quot; gives 3 words instead of 2</source>
        <translation>在文本文件中，单独出现的“&amp;”或“%”等符号算作一个单词，例如“salt &amp; pepper”计为 3 个单词而不是 2 个</translation>
    </message>
    <message>
        <source>Legacy byte rules</source>
        <translation>旧版字节规则</translation>
    </message>
    <message>
        <source>Judges every byte (or the low byte of a character) alone, as older versions did, e.g. the two bytes of &quot;ö&quot; in a UTF-8 file count as two characters; use it to match old figures</source>
        <translation>像旧版本一样逐字节（或字符的低字节）判断，例如 UTF-8 文件中“ö”的两个字节计为两个字符；用于得到与旧版相同的结果</translation>
    </message>
    <message>
        <source>Also count</source>
        <translation>同时统计</translation>
    </message>
    <message>
        <source>Documents hold text a reader does not always translate; tick what the job includes.</source>
        <translation>文档中有些文字不一定需要翻译；请勾选本任务包含的内容。</translation>
    </message>
    <message>
        <source>Speaker notes</source>
        <translation>演讲者备注</translation>
    </message>
    <message>
        <source>Counts the notes under each slide of a presentation, e.g. a note &quot;Thank the sponsors&quot; adds 3 words</source>
        <translation>统计演示文稿每张幻灯片下的备注，例如备注“Thank the sponsors”增加 3 个单词</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>批注</translation>
    </message>
    <message>
        <source>Counts review comments in documents and presentations, e.g. a comment &quot;Check this date&quot; adds 3 words</source>
        <translation>统计文档和演示文稿中的审阅批注，例如批注“Check this date”增加 3 个单词</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Counts chart titles, axis titles, categories and series names, e.g. a chart titled &quot;Sales by region&quot; adds 3 words</source>
        <translation>统计图表标题、坐标轴标题、类别和系列名称，例如标题“Sales by region”增加 3 个单词</translation>
    </message>
    <message>
        <source>Diagrams (SmartArt)</source>
        <translation>图示 (SmartArt)</translation>
    </message>
    <message>
        <source>Counts the text in diagram shapes, e.g. a process diagram &quot;Plan, Build, Test&quot; adds 3 words</source>
        <translation>统计图示形状中的文字，例如流程图“Plan, Build, Test”增加 3 个单词</translation>
    </message>
    <message>
        <source>Hidden text and slides</source>
        <translation>隐藏的文字和幻灯片</translation>
    </message>
    <message>
        <source>Counts text formatted as hidden and slides marked hidden, e.g. a hidden backup slide is counted like any other</source>
        <translation>统计设为隐藏格式的文字和隐藏的幻灯片，例如隐藏的备用幻灯片与其他幻灯片一样统计</translation>
    </message>
    <message>
        <source>Counting profile:</source>
        <translation>统计方案：</translation>
    </message>
    <message>
        <source>Classic (this program&apos;s own rules)</source>
        <translation>经典（本程序自己的规则）</translation>
    </message>
    <message>
        <source>Word processor (words between spaces)</source>
        <translation>文字处理器（以空白分隔的词）</translation>
    </message>
    <message>
        <source>Segments (Unicode word boundaries)</source>
        <translation>分段（Unicode 词边界）</translation>
    </message>
    <message>
        <source>What a word and a character are, for every format alike. Word processor: &quot;3.14&quot;, &quot;www.example.com&quot; and &quot;don&apos;t&quot; are one word each, each Chinese or Japanese character is a word. Segments: punctuation alone is not a word, as translation memory tools count</source>
        <translation>什么算一个词、一个字符，对所有格式都一样。文字处理器：“3.14”、“www.example.com”和“don't”各算一个词，每个汉字或假名算一个词。分段：单独的标点不算词，与翻译记忆工具的统计方式相同</translation>
    </message>
</context>
<context>
    <name>tw::PricingControls</name>
    <message>
        <source>Calc</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Chars</source>
        <translation>字符</translation>
    </message>
    <message>
        <source>Chars &amp; spaces</source>
        <translation>字符含空格</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Numbers only!</source>
        <translation>只能输入数字！</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Weighted words</source>
        <translation>加权字数</translation>
    </message>
</context>
<context>
    <name>tw::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>%1 的属性</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>权限</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDialog</name>
    <message>
        <source>Quote</source>
        <translation>报价</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>发件人：</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Quote number:</source>
        <translation>报价单号：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Minimum fee (%1):</source>
        <translation>最低收费 (%1)：</translation>
    </message>
    <message>
        <source>Discount %:</source>
        <translation>折扣 %：</translation>
    </message>
    <message>
        <source>Tax %:</source>
        <translation>税率 %：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Subtotal, then the minimum fee, then the discount, then tax.</source>
        <translation>先小计，再最低收费，再折扣，最后计税。</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>保存 PDF...</translation>
    </message>
    <message>
        <source>%1 is not a number I can use.</source>
        <translation>%1 不是可用的数字。</translation>
    </message>
    <message>
        <source>Quote %1</source>
        <translation>报价 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t save quote: %1 (%2)</source>
        <translation>无法保存报价：%1 (%2)</translation>
    </message>
    <message>
        <source>The quote was saved, but its fields could not be kept in %1</source>
        <translation>报价已保存，但其字段无法保存在 %1 中</translation>
    </message>
    <message>
        <source>Save quote</source>
        <translation>保存报价</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>quote-%1.pdf</source>
        <translation>quote-%1.pdf</translation>
    </message>
</context>
<context>
    <name>tw::QuoteDocument</name>
    <message>
        <source>words</source>
        <translation>词</translation>
    </message>
    <message>
        <source>characters with spaces</source>
        <translation>含空格字符</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>字符</translation>
    </message>
    <message>
        <source>Minimum fee</source>
        <translation>最低收费</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>折扣 %</translation>
    </message>
    <message>
        <source>Tax %</source>
        <translation>税率 %</translation>
    </message>
</context>
<context>
    <name>tw::UnitOptionsGroup</name>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Standard line:</source>
        <translation>标准行：</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard line, the unit &quot;Lines&quot; prices; e.g. 1 100 characters are 20.00 lines of 55</source>
        <translation>一个标准行中含空格的字符数，即“行”计价的单位；例如 1 100 个字符是 20.00 行（每行 55）</translation>
    </message>
    <message>
        <source>Standard page:</source>
        <translation>标准页：</translation>
    </message>
    <message>
        <source>Characters with spaces in one standard page, the unit &quot;Pages&quot; prices; e.g. 2 700 characters are 1.50 pages of 1 800</source>
        <translation>一个标准页中含空格的字符数，即“页”计价的单位；例如 2 700 个字符是 1.50 页（每页 1 800）</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>重复内容</translation>
    </message>
    <message>
        <source>Finds sentences, table cells and paragraphs seen before in the file or in a file counted before it; their words cost the share below under &quot;Weighted words&quot;, e.g. a sentence of 10 words met again costs 3 words at 30 %</source>
        <translation>查找在本文件或之前统计的文件中已出现过的句子、表格单元格和段落；其字数在“加权字数”中按下面的比例计价，例如在 30% 时，一个重复出现的 10 词句子计 3 个词</translation>
    </message>
    <message>
        <source>Repeated word costs:</source>
        <translation>重复词的费用：</translation>
    </message>
    <message>
        <source>The share of a new word&apos;s price a repeated word costs</source>
        <translation>重复词按新词价格收取的比例</translation>
    </message>
</context>
<context>
    <name>tw::WindowCountRun</name>
    <message>
        <source>There is nothing to count! Choose files first!</source>
        <translation>没有可统计的内容！请先选择文件！</translation>
    </message>
    <message>
        <source>Counting %1 (%2 of %3)</source>
        <translation>正在统计 %1（第 %2 个，共 %3 个）</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files counted</source>
        <translation>已停止：已统计 %2 个文件中的 %1 个</translation>
    </message>
</context>
</TS>
