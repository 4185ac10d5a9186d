<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CAboutInfoDlg</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CBatchChannelDlg</name>
    <message>
        <source>信道编辑</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>范围:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>A段</source>
        <translation>Band A</translation>
    </message>
    <message>
        <source>B段</source>
        <translation>Band B</translation>
    </message>
    <message>
        <source>从信道</source>
        <translation>From channel</translation>
    </message>
    <message>
        <source>到信道</source>
        <translation>To channel</translation>
    </message>
    <message>
        <source>接收频率:</source>
        <translation>RX frequency:</translation>
    </message>
    <message>
        <source>递增</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>递减</source>
        <translation>Decrease</translation>
    </message>
    <message>
        <source>起始频率(MHz)</source>
        <translation>Start frequency (MHz)</translation>
    </message>
    <message>
        <source>接收步进 (kHz)</source>
        <translation>RX step (kHz)</translation>
    </message>
    <message>
        <source>发射频率:</source>
        <translation>TX frequency:</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>偏移频率(MHz)</source>
        <translation>Offset (MHz)</translation>
    </message>
    <message>
        <source>加</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>减</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>发射步进(KHz)</source>
        <translation>TX step (kHz)</translation>
    </message>
    <message>
        <source>接收信令:</source>
        <translation>RX tone:</translation>
    </message>
    <message>
        <source>随机</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>起始信令</source>
        <translation>Start tone</translation>
    </message>
    <message>
        <source>间隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>发射信令:</source>
        <translation>TX tone:</translation>
    </message>
    <message>
        <source>按信道号</source>
        <translation>By channel number</translation>
    </message>
    <message>
        <source>信道名字</source>
        <translation>Channel name</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>信道编辑</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <source>信道号</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>RX Freq</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TX Freq</translation>
    </message>
    <message>
        <source>接收信令</source>
        <translation>RX Tone</translation>
    </message>
    <message>
        <source>发射信令</source>
        <translation>TX Tone</translation>
    </message>
    <message>
        <source>信道名字</source>
        <translation>Channel name</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>比较</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>当前文档 -&gt; %1</source>
        <translation>Current document -&gt; %1</translation>
    </message>
    <message>
        <source>没有差异</source>
        <translation>No differences</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法打开文件 %1。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>%1 不是有效的数据文件。</source>
        <translation>%1 is not a valid data file.</translation>
    </message>
</context>
<context>
    <name>CDtmfAutoDialPage</name>
    <message>
        <source>呼叫ID</source>
        <translation>Call ID</translation>
    </message>
    <message>
        <source>ANI 呼叫</source>
        <translation>ANI call</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>CDtmfDecoderInitDlg</name>
    <message>
        <source>DTMF 解码初始化</source>
        <translation>DTMF Decoder Initialisation</translation>
    </message>
</context>
<context>
    <name>CDtmfDlg</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Encode</translation>
    </message>
    <message>
        <source>解码</source>
        <translation>Decode</translation>
    </message>
    <message>
        <source>自动拨号</source>
        <translation>Auto Dial</translation>
    </message>
</context>
<context>
    <name>CFindBar</name>
    <message>
        <source>频率、名称或信令</source>
        <translation>Frequency, name or tone</translation>
    </message>
    <message>
        <source>下一个</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>CFmReceiverDlg</name>
    <message>
        <source>收音机配置</source>
        <translation>FM Radio Settings</translation>
    </message>
    <message>
        <source>当前信道</source>
        <translation>Current channel</translation>
    </message>
    <message>
        <source>当前频率</source>
        <translation>Current frequency</translation>
    </message>
    <message>
        <source>信道|频率</source>
        <translation>Channel|Frequency</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>跟随系统 / System</source>
        <translation>跟随系统 / System</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>语言 / Language</translation>
    </message>
    <message>
        <source>界面语言将在下次启动程序时更改。</source>
        <translation>The interface language changes the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>CLockIndicators</name>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>写频软件</source>
        <translation>Radio Programming Software</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>所有数据将会被清除！</source>
        <translation>All data will be erased!</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>打印设置(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;打开...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;存为</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>导入 CSV...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>导出 CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>比较...</source>
        <translation>Compare...</translation>
    </message>
    <message>
        <source>打开备份...</source>
        <translation>Open Backup...</translation>
    </message>
    <message>
        <source>&amp;打印...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>打印设置...</source>
        <translation>Print Setup...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>信道信息</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>可选功能</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>收音机</source>
        <translation>FM Radio</translation>
    </message>
    <message>
        <source>对讲机信息</source>
        <translation>Radio Information</translation>
    </message>
    <message>
        <source>读频</source>
        <translation>Read from Radio</translation>
    </message>
    <message>
        <source>写频</source>
        <translation>Write to Radio</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial Port</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>分隔栏</source>
        <translation>Navigation Bar</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>视图</source>
        <translation>View</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>参数调节</source>
        <translation>Parameter Adjustment</translation>
    </message>
    <message>
        <source>DTMF 初始化</source>
        <translation>DTMF Initialisation</translation>
    </message>
    <message>
        <source>导入 CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>建立新文档
新建</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>打开现有文档
打开</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>关闭活动文档
关闭</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>保存活动文档
保存</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>用新名称保存活动文档
另存为</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>从 CSV 文件导入信道
导入 CSV</source>
        <translation>Import channels from a CSV file
Import CSV</translation>
    </message>
    <message>
        <source>把信道导出为 CSV 文件
导出 CSV</source>
        <translation>Export the channels to a CSV file
Export CSV</translation>
    </message>
    <message>
        <source>与另一个数据文件比较
比较</source>
        <translation>Compare with another data file
Compare</translation>
    </message>
    <message>
        <source>打开读频时自动保存的备份
打开备份</source>
        <translation>Open a backup saved when reading from the radio
Open Backup</translation>
    </message>
    <message>
        <source>打印信道列表
打印</source>
        <translation>Print the channel list
Print</translation>
    </message>
    <message>
        <source>显示整页
打印预览</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>改变打印机及打印选项
打印设置</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>退出应用程序
退出</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>从对讲机读取数据
读频</source>
        <translation>Read data from the radio
Read</translation>
    </message>
    <message>
        <source>向对讲机写入数据
写频</source>
        <translation>Write data to the radio
Write</translation>
    </message>
    <message>
        <source>设置通信串口
串口</source>
        <translation>Set the serial port
Serial Port</translation>
    </message>
    <message>
        <source>读取对讲机信息
对讲机信息</source>
        <translation>Read the radio information
Radio Information</translation>
    </message>
    <message>
        <source>显示信道信息
信道信息</source>
        <translation>Show the channels
Channels</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>显示或隐藏分隔栏
分隔栏</source>
        <translation>Show or hide the navigation bar
Navigation Bar</translation>
    </message>
    <message>
        <source>撤销上一步修改
撤销</source>
        <translation>Undo the last change
Undo</translation>
    </message>
    <message>
        <source>重做撤销的修改
重做</source>
        <translation>Redo the undone change
Redo</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>文件已修改，是否保存？</source>
        <translation>The file has changed. Save it?</translation>
    </message>
</context>
<context>
    <name>CModelInfoDlg</name>
    <message>
        <source>机型信息</source>
        <translation>Model Information</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>A段</source>
        <translation>Band A</translation>
    </message>
    <message>
        <source>B段</source>
        <translation>Band B</translation>
    </message>
</context>
<context>
    <name>CNavigationBar</name>
    <message>
        <source>信道信息</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>可选功能</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>可选功能</source>
        <translation>Optional Features</translation>
    </message>
</context>
<context>
    <name>CParameterAdjustDlg</name>
    <message>
        <source>参数调节</source>
        <translation>Parameter Adjustment</translation>
    </message>
</context>
<context>
    <name>CPortDlg</name>
    <message>
        <source>自动检测</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>端口设置</source>
        <translation>Port Settings</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在检测…</source>
        <translation>Detecting…</translation>
    </message>
    <message>
        <source>在 COM%1 (%2) 找到对讲机</source>
        <translation>Radio found on COM%1 (%2)</translation>
    </message>
    <message>
        <source>未找到对讲机</source>
        <translation>No radio found</translation>
    </message>
    <message>
        <source>COM%1 (%2)：无法打开串口</source>
        <translation>COM%1 (%2): cannot open the serial port</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>无法保存文件 %1。</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>导入 CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>无法打开文件 %1。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>%1 不是有效的信道列表。</source>
        <translation>%1 is not a valid channel list.</translation>
    </message>
    <message>
        <source>VFO 行不能进行此操作</source>
        <translation>Not possible on a VFO row</translation>
    </message>
    <message>
        <source>已到频段边界，不能再移动</source>
        <translation>At the band boundary; cannot move further</translation>
    </message>
    <message>
        <source>频段最后的信道不是空的，不能插入空行</source>
        <translation>The band&apos;s last channel is not empty; cannot insert an empty row</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>插入空行</source>
        <translation>Insert Empty Row</translation>
    </message>
    <message>
        <source>删除并上移</source>
        <translation>Delete and Shift Up</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>粘贴到本频段的最后一个信道 %1 为止，%2 行没有粘贴</source>
        <translation>Pasted up to %1, the band&apos;s last channel; %2 rows not pasted</translation>
    </message>
    <message>
        <source>找不到“%1”</source>
        <translation>“%1” not found</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>RX Freq</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TX Freq</translation>
    </message>
    <message>
        <source>接收信令</source>
        <translation>RX Tone</translation>
    </message>
    <message>
        <source>发射信令</source>
        <translation>TX Tone</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>带宽</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>繁忙</source>
        <translation>Busy Lock</translation>
    </message>
    <message>
        <source>信道编辑</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Initialise</translation>
    </message>
    <message>
        <source>批量生成</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>收音机</source>
        <translation>FM Radio</translation>
    </message>
    <message>
        <source>修改 %1 %2</source>
        <translation>Change %1 %2</translation>
    </message>
    <message>
        <source>读频</source>
        <translation>Read from radio</translation>
    </message>
    <message>
        <source>信道信息</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>参数调节</source>
        <translation>Parameter Adjustment</translation>
    </message>
</context>
<context>
    <name>CRadioInfoDlg</name>
    <message>
        <source>对讲机信息</source>
        <translation>Radio Information</translation>
    </message>
    <message>
        <source>MCU版本</source>
        <translation>MCU version</translation>
    </message>
    <message>
        <source>PC版本</source>
        <translation>PC version</translation>
    </message>
    <message>
        <source>A段</source>
        <translation>Band A</translation>
    </message>
    <message>
        <source>B段</source>
        <translation>Band B</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
</context>
<context>
    <name>CServiceDlg</name>
    <message>
        <source>读数据</source>
        <translation>Read Data</translation>
    </message>
    <message>
        <source>写数据</source>
        <translation>Write Data</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>写后校验</source>
        <translation>Verify after writing</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>不存在</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>%1 不是有效的数据文件。</source>
        <translation>%1 is not a valid data file.</translation>
    </message>
    <message>
        <source>无法打开文件 %1。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>无法保存文件 %1。</source>
        <translation>Cannot save the file %1.</translation>
    </message>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>已备份到 %1</source>
        <translation>Backed up to %1</translation>
    </message>
    <message>
        <source>备份失败：%1</source>
        <translation>Backup failed: %1</translation>
    </message>
    <message>
        <source>读数据</source>
        <translation>Read Data</translation>
    </message>
    <message>
        <source>写数据</source>
        <translation>Write Data</translation>
    </message>
    <message>
        <source>初始化数据</source>
        <translation>Initialise Data</translation>
    </message>
</context>
<context>
    <name>Radio</name>
    <message>
        <source>V段发射功率驱动</source>
        <translation>VHF TX power drive</translation>
    </message>
    <message>
        <source>U段发射功率驱动</source>
        <translation>UHF TX power drive</translation>
    </message>
    <message>
        <source>发射音频信号</source>
        <translation>TX audio signal</translation>
    </message>
    <message>
        <source>发射增益</source>
        <translation>TX gain</translation>
    </message>
    <message>
        <source>窄带话音+亚音频偏</source>
        <translation>Narrow voice+tone deviation</translation>
    </message>
    <message>
        <source>宽带话音+亚音频偏</source>
        <translation>Wide voice+tone deviation</translation>
    </message>
    <message>
        <source>窄带模拟 亚音频偏</source>
        <translation>Narrow analog tone deviation</translation>
    </message>
    <message>
        <source>窄带数字 亚音频偏</source>
        <translation>Narrow digital tone deviation</translation>
    </message>
    <message>
        <source>宽带模拟 亚音频偏</source>
        <translation>Wide analog tone deviation</translation>
    </message>
    <message>
        <source>宽带数字 亚音频偏</source>
        <translation>Wide digital tone deviation</translation>
    </message>
    <message>
        <source>接收输入</source>
        <translation>RX input</translation>
    </message>
    <message>
        <source>音量控制</source>
        <translation>Volume control</translation>
    </message>
    <message>
        <source>接收输出</source>
        <translation>RX output</translation>
    </message>
    <message>
        <source>正常音频输出</source>
        <translation>Normal audio output</translation>
    </message>
    <message>
        <source>扰频音频输出</source>
        <translation>Scrambler audio output</translation>
    </message>
    <message>
        <source>信令幅度</source>
        <translation>Signalling level</translation>
    </message>
    <message>
        <source>MIC 增益</source>
        <translation>MIC gain</translation>
    </message>
    <message>
        <source>MOD 增益</source>
        <translation>MOD gain</translation>
    </message>
    <message>
        <source>音频输入</source>
        <translation>Audio input</translation>
    </message>
    <message>
        <source>压扩压阈值</source>
        <translation>Compander compress threshold</translation>
    </message>
    <message>
        <source>压扩扩阈值</source>
        <translation>Compander expand threshold</translation>
    </message>
    <message>
        <source>压扩音频输出</source>
        <translation>Compander audio output</translation>
    </message>
    <message>
        <source>V段静噪低阈值</source>
        <translation>VHF squelch low threshold</translation>
    </message>
    <message>
        <source>U段静噪低阈值</source>
        <translation>UHF squelch low threshold</translation>
    </message>
    <message>
        <source>测试模式</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>预加重</source>
        <translation>Pre-emphasis</translation>
    </message>
    <message>
        <source>去加重</source>
        <translation>De-emphasis</translation>
    </message>
    <message>
        <source>MCU 预加重</source>
        <translation>MCU pre-emphasis</translation>
    </message>
    <message>
        <source>MCU 去加重</source>
        <translation>MCU de-emphasis</translation>
    </message>
    <message>
        <source>低端</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中端</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>高端</source>
        <translation>High</translation>
    </message>
    <message>
        <source> 低功率</source>
        <translation> low power</translation>
    </message>
    <message>
        <source> 高功率</source>
        <translation> high power</translation>
    </message>
    <message>
        <source>宽带 高</source>
        <translation>Wide high</translation>
    </message>
    <message>
        <source>宽带 低</source>
        <translation>Wide low</translation>
    </message>
    <message>
        <source>窄带 高</source>
        <translation>Narrow high</translation>
    </message>
    <message>
        <source>窄带 低</source>
        <translation>Narrow low</translation>
    </message>
    <message>
        <source> 静噪检测1</source>
        <translation> squelch detect 1</translation>
    </message>
    <message>
        <source> 静噪检测2</source>
        <translation> squelch detect 2</translation>
    </message>
    <message>
        <source> 静噪检测3</source>
        <translation> squelch detect 3</translation>
    </message>
    <message>
        <source>速率 (digit/s)</source>
        <translation>Rate (digit/s)</translation>
    </message>
    <message>
        <source>首位数码延迟时间 (ms)</source>
        <translation>First digit delay (ms)</translation>
    </message>
    <message>
        <source>首位数码时间 (ms)</source>
        <translation>First digit time (ms)</translation>
    </message>
    <message>
        <source>*和#音 (ms)</source>
        <translation>* and # tone (ms)</translation>
    </message>
    <message>
        <source>侧音</source>
        <translation>Side tone</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>按键</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>按键+ID</source>
        <translation>Key+ID</translation>
    </message>
    <message>
        <source>PTT ID 发射开始</source>
        <translation>PTT ID at TX start</translation>
    </message>
    <message>
        <source>PTT ID 发射结束</source>
        <translation>PTT ID at TX end</translation>
    </message>
    <message>
        <source>等待回复</source>
        <translation>Wait for reply</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>等待回复时间 (s)</source>
        <translation>Reply wait time (s)</translation>
    </message>
    <message>
        <source>组呼码</source>
        <translation>Group call code</translation>
    </message>
    <message>
        <source>遥毙码</source>
        <translation>Kill code</translation>
    </message>
    <message>
        <source>报警码</source>
        <translation>Alarm code</translation>
    </message>
    <message>
        <source>自动复位时间 (s)</source>
        <translation>Auto reset time (s)</translation>
    </message>
    <message>
        <source>解码响应</source>
        <translation>Decode response</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Alert</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>提醒+回复</source>
        <translation>Alert+Reply</translation>
    </message>
    <message>
        <source>遥毙激活</source>
        <translation>Kill enabled</translation>
    </message>
    <message>
        <source>解码时间 (s)</source>
        <translation>Decode time (s)</translation>
    </message>
    <message>
        <source>遥毙类型</source>
        <translation>Kill type</translation>
    </message>
    <message>
        <source>禁止发射</source>
        <translation>Disable TX</translation>
    </message>
    <message>
        <source>禁止收发</source>
        <translation>Disable TX/RX</translation>
    </message>
    <message>
        <source>遥毙</source>
        <translation>Kill</translation>
    </message>
    <message>
        <source>自身 ID</source>
        <translation>Own ID</translation>
    </message>
    <message>
        <source>分隔符</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>发射限时 (min)</source>
        <translation>TX time limit (min)</translation>
    </message>
    <message>
        <source>静噪电平</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>声控电平</source>
        <translation>VOX level</translation>
    </message>
    <message>
        <source>步进 (kHz)</source>
        <translation>Step (kHz)</translation>
    </message>
    <message>
        <source>背光灯时间</source>
        <translation>Backlight time</translation>
    </message>
    <message>
        <source>声控延迟时间 (s)</source>
        <translation>VOX delay (s)</translation>
    </message>
    <message>
        <source>结束提示音</source>
        <translation>End tone</translation>
    </message>
    <message>
        <source>双待发射信道</source>
        <translation>Dual watch TX channel</translation>
    </message>
    <message>
        <source>当前编辑</source>
        <translation>Edited</translation>
    </message>
    <message>
        <source>当前活动</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Key beep</translation>
    </message>
    <message>
        <source>扫描模式</source>
        <translation>Scan mode</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>载波</source>
        <translation>Carrier</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>身份识别开关</source>
        <translation>ID switch</translation>
    </message>
    <message>
        <source>信道模式</source>
        <translation>Channel mode</translation>
    </message>
    <message>
        <source>自动锁键盘</source>
        <translation>Auto key lock</translation>
    </message>
    <message>
        <source>尾音消除</source>
        <translation>Tail elimination</translation>
    </message>
    <message>
        <source>背光灯模式</source>
        <translation>Backlight mode</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>背光灯颜色</source>
        <translation>Backlight colour</translation>
    </message>
    <message>
        <source>双频守候</source>
        <translation>Dual watch</translation>
    </message>
    <message>
        <source>主信道A/B</source>
        <translation>Main channel A/B</translation>
    </message>
    <message>
        <source>A信道显示</source>
        <translation>Display A</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>B信道显示</source>
        <translation>Display B</translation>
    </message>
    <message>
        <source>语音播报</source>
        <translation>Voice prompt</translation>
    </message>
    <message>
        <source>键盘锁</source>
        <translation>Keypad lock</translation>
    </message>
    <message>
        <source>收音机监听</source>
        <translation>FM radio monitor</translation>
    </message>
    <message>
        <source>锁键模式</source>
        <translation>Key lock mode</translation>
    </message>
    <message>
        <source>开机信息显示方式</source>
        <translation>Power-on display</translation>
    </message>
    <message>
        <source>电压</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>电池省电</source>
        <translation>Battery save</translation>
    </message>
    <message>
        <source>尾音模式</source>
        <translation>Tail mode</translation>
    </message>
    <message>
        <source>B段工作区</source>
        <translation>Band B work area</translation>
    </message>
    <message>
        <source>A段工作区</source>
        <translation>Band A work area</translation>
    </message>
    <message>
        <source>开机问候语编制</source>
        <translation>Power-on greeting</translation>
    </message>
    <message>
        <source>双待复位时间</source>
        <translation>Dual watch reset time</translation>
    </message>
    <message>
        <source>双频守候时间</source>
        <translation>Dual watch time</translation>
    </message>
    <message>
        <source>信令类型</source>
        <translation>Signalling type</translation>
    </message>
    <message>
        <source>中继模式</source>
        <translation>Repeater mode</translation>
    </message>
    <message>
        <source>倒频</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>脱网</source>
        <translation>Talkaround</translation>
    </message>
    <message>
        <source>语音处理</source>
        <translation>Voice processing</translation>
    </message>
    <message>
        <source>压扩</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>扰频1</source>
        <translation>Scrambler 1</translation>
    </message>
    <message>
        <source>扰频2</source>
        <translation>Scrambler 2</translation>
    </message>
    <message>
        <source>扰频3</source>
        <translation>Scrambler 3</translation>
    </message>
    <message>
        <source>扰频4</source>
        <translation>Scrambler 4</translation>
    </message>
    <message>
        <source>扰频5</source>
        <translation>Scrambler 5</translation>
    </message>
    <message>
        <source>扰频6</source>
        <translation>Scrambler 6</translation>
    </message>
    <message>
        <source>扰频7</source>
        <translation>Scrambler 7</translation>
    </message>
    <message>
        <source>扰频8</source>
        <translation>Scrambler 8</translation>
    </message>
    <message>
        <source>发射前</source>
        <translation>TX start</translation>
    </message>
    <message>
        <source>发射后</source>
        <translation>TX end</translation>
    </message>
    <message>
        <source>两者</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>声控</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>功率</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>带宽</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>繁忙锁定</source>
        <translation>Busy lock</translation>
    </message>
    <message>
        <source>信道名字</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>无法打开串口</source>
        <translation>Cannot open the serial port</translation>
    </message>
    <message>
        <source>通信出错</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>初始化数据成功</source>
        <translation>Data initialised</translation>
    </message>
    <message>
        <source>读数据成功</source>
        <translation>Data read</translation>
    </message>
    <message>
        <source>写数据成功</source>
        <translation>Data written</translation>
    </message>
    <message>
        <source>校验失败</source>
        <translation>Verification failed</translation>
    </message>
    <message>
        <source>写入已完成，回读校验时通信出错</source>
        <translation>The write is complete; communication failed while reading back for verification</translation>
    </message>
</context>
</TS>
