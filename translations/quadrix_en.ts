<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>关于 Quadrix</source>
        <translation>About Quadrix</translation>
    </message>
    <message>
        <source>Quadrix  %1</source>
        <translation>Quadrix  %1</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAstrologyDlg</name>
    <message>
        <source>未找到星历数据文件，本次结果由星历库内置的解析星历算出，精度较低。</source>
        <translation>No ephemeris data files found: these results come from the library&apos;s built-in analytical ephemeris and are less precise.</translation>
    </message>
    <message>
        <source>星象</source>
        <translation>Astrology</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>日期:</source>
        <translation>Date:</translation>
    </message>
</context>
<context>
    <name>CChartDocument</name>
    <message>
        <source>小数位数</source>
        <translation>Decimal Places</translation>
    </message>
    <message>
        <source>清除所有画线</source>
        <translation>Clear All Drawings</translation>
    </message>
    <message>
        <source>本图没有角度，无法计算目标</source>
        <translation>This chart has no angles, so it has no targets</translation>
    </message>
    <message>
        <source>以此为起点</source>
        <translation>Start Here</translation>
    </message>
    <message>
        <source>价格步长</source>
        <translation>Price Step</translation>
    </message>
</context>
<context>
    <name>CChartHistory</name>
    <message>
        <source>添加注释</source>
        <translation>Add Note</translation>
    </message>
    <message>
        <source>删除注释</source>
        <translation>Delete Note</translation>
    </message>
    <message>
        <source>编辑注释</source>
        <translation>Edit Note</translation>
    </message>
    <message>
        <source>反转外环</source>
        <translation>Reverse Ring</translation>
    </message>
    <message>
        <source>删除画线</source>
        <translation>Delete Line</translation>
    </message>
    <message>
        <source>删除标记</source>
        <translation>Delete Mark</translation>
    </message>
    <message>
        <source>画箭头</source>
        <translation>Draw Arrow</translation>
    </message>
    <message>
        <source>画线</source>
        <translation>Draw Line</translation>
    </message>
    <message>
        <source>切线标记</source>
        <translation>Tangent Mark</translation>
    </message>
    <message>
        <source>填充单元格</source>
        <translation>Fill Cell</translation>
    </message>
    <message>
        <source>拖动外环</source>
        <translation>Drag Ring</translation>
    </message>
    <message>
        <source>拖动叠加图</source>
        <translation>Drag Overlay</translation>
    </message>
</context>
<context>
    <name>CChartProperty</name>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>起点:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>步长:</source>
        <translation>Step:</translation>
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
        <source>图表圈数:</source>
        <translation>Rings:</translation>
    </message>
</context>
<context>
    <name>CClusterTab</name>
    <message>
        <source>没有时间簇，无日历可写。</source>
        <translation>No clusters, so there is no calendar to write.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>得分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>方法数</source>
        <translation>Methods</translation>
    </message>
    <message>
        <source>摆动</source>
        <translation>Swings</translation>
    </message>
    <message>
        <source>高/低</source>
        <translation>High/Low</translation>
    </message>
    <message>
        <source>方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>日历日</source>
        <translation>Calendar days</translation>
    </message>
    <message>
        <source>交易日</source>
        <translation>Trading days</translation>
    </message>
    <message>
        <source>图表目标</source>
        <translation>Chart targets</translation>
    </message>
    <message>
        <source>价格时间平方</source>
        <translation>Square of price and time</translation>
    </message>
    <message>
        <source> 天</source>
        <translation> days</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>窗口 ±</source>
        <translation>Window ±</translation>
    </message>
    <message>
        <source>日期范围</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>平方比例</source>
        <translation>Square scale</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>假日文件…</source>
        <translation>Holiday File…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>假日文件</source>
        <translation>Holiday File</translation>
    </message>
    <message>
        <source>文本文件 (*.txt *.csv)</source>
        <translation>Text files (*.txt *.csv)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>天数须为 1 到 %1 的整数或 years，“%2”不是</source>
        <translation>Counts are whole numbers from 1 to %1 or years, not “%2”</translation>
    </message>
    <message>
        <source>日期范围须为 0 到 %1 天</source>
        <translation>The range is 0 to %1 days</translation>
    </message>
    <message>
        <source>当前图表没有角度，图表目标未计入。</source>
        <translation>The current chart has no angles: chart targets are left out.</translation>
    </message>
    <message>
        <source>没有品种：请先在行情菜单中选择本图品种。</source>
        <translation>No instrument: choose the chart&apos;s instrument in the Market menu first.</translation>
    </message>
    <message>
        <source>此范围内没有时间簇。</source>
        <translation>No clusters in this range.</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
</context>
<context>
    <name>CCommentsDlg</name>
    <message>
        <source>输入字符串</source>
        <translation>Enter Text</translation>
    </message>
    <message>
        <source>字体...</source>
        <translation>Font...</translation>
    </message>
    <message>
        <source>文字颜色...</source>
        <translation>Text Color...</translation>
    </message>
    <message>
        <source>背景色...</source>
        <translation>Background Color...</translation>
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
        <source>文字颜色</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background Color</translation>
    </message>
</context>
<context>
    <name>CDateSpanGroup</name>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>节假日文件…</source>
        <translation>Holiday File…</translation>
    </message>
    <message>
        <source>无：交易日为周一至周五</source>
        <translation>None: trading days are Monday to Friday</translation>
    </message>
    <message>
        <source>交易日</source>
        <translation>Trading days</translation>
    </message>
    <message>
        <source>节假日文件</source>
        <translation>Holiday File</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>CDegreeCalculator</name>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
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
    <name>CDocumentDialogs</name>
    <message>
        <source>无法打印图表。</source>
        <translation>The chart could not be printed.</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>导出单元格表</source>
        <translation>Export Cell Table</translation>
    </message>
    <message>
        <source>导出目标表</source>
        <translation>Export Target Table</translation>
    </message>
    <message>
        <source>没有带日期的目标，无日历可导出。</source>
        <translation>No target has a date: there is no calendar to export.</translation>
    </message>
    <message>
        <source>导出日历</source>
        <translation>Export Calendar</translation>
    </message>
    <message>
        <source>图表属性</source>
        <translation>Chart Properties</translation>
    </message>
    <message>
        <source>图表已修改。
是否保存修改？</source>
        <translation>The chart has been modified.
Save changes?</translation>
    </message>
</context>
<context>
    <name>CFindCellDialog</name>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>价格、YYYY-MM-DD 或编号</source>
        <translation>Price, YYYY-MM-DD or number</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>调色板</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>线型</source>
        <translation>Line Style</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
</context>
<context>
    <name>CMarketDialogs</name>
    <message>
        <source>%1：新增 %2 根K线，替换 %3 根，跳过 %4 行。</source>
        <translation>%1: %2 bars added, %3 replaced, %4 rows skipped.</translation>
    </message>
    <message>
        <source>跳过的原因：%1</source>
        <translation>Skipped because: %1</translation>
    </message>
    <message>
        <source>正在导入 %1…</source>
        <translation>Importing %1…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>行情库中已没有 %1。</source>
        <translation>%1 is no longer in the market store.</translation>
    </message>
    <message>
        <source>%1 的源文件已不在：%2</source>
        <translation>The source file of %1 is gone: %2</translation>
    </message>
    <message>
        <source>导入行情</source>
        <translation>Import Prices</translation>
    </message>
    <message>
        <source>行情文件 (*.csv *.txt *.prn *.asc)</source>
        <translation>Price files (*.csv *.txt *.prn *.asc)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>%1 的新代码：</source>
        <translation>New symbol for %1:</translation>
    </message>
    <message>
        <source>从行情库删除 %1 及其全部K线？</source>
        <translation>Remove %1 and all its bars from the market store?</translation>
    </message>
</context>
<context>
    <name>CMarketImportDialog</name>
    <message>
        <source>跳过有问题的行，按原因计数</source>
        <translation>Skip bad rows, counting them by cause</translation>
    </message>
    <message>
        <source>导入行情</source>
        <translation>Import Prices</translation>
    </message>
    <message>
        <source>文件中的代码，否则文件名</source>
        <translation>The file&apos;s ticker, else its name</translation>
    </message>
    <message>
        <source>文件中的名称，否则保留已存的名称</source>
        <translation>The file&apos;s name, else the stored one</translation>
    </message>
    <message>
        <source>自动识别</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>本机时区</source>
        <translation>This computer&apos;s zone</translation>
    </message>
    <message>
        <source>文件：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>代码：</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>日期格式：</source>
        <translation>Date form:</translation>
    </message>
    <message>
        <source>时区：</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMarketLibraryDialog</name>
    <message>
        <source>行情库</source>
        <translation>Market Store</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>首根K线</source>
        <translation>First Bar</translation>
    </message>
    <message>
        <source>末根K线</source>
        <translation>Last Bar</translation>
    </message>
    <message>
        <source>K线数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>重新导入</source>
        <translation>Import Again</translation>
    </message>
    <message>
        <source>设为本图品种</source>
        <translation>Use for This Chart</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CMarketWorkspace</name>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>这个摆动的日期超出了图表的日历。</source>
        <translation>This swing&apos;s date lies beyond the chart&apos;s calendar.</translation>
    </message>
    <message>
        <source>最高价 %1 不高于本图的起始价 %2：没有可建议的步长。</source>
        <translation>The highest high %1 is not above the chart&apos;s start price %2: there is no step to propose.</translation>
    </message>
    <message>
        <source>价格步长 %1 使本图 %2 个单元格从起始价 %3 到 %4，包含 %5 的最高价 %6。</source>
        <translation>A price step of %1 carries the chart&apos;s %2 cells from the start price %3 to %4, taking in %5&apos;s highest high of %6.</translation>
    </message>
    <message>
        <source>低于起始价的价格（最低 %1）不在图上：可先对最低的摆动用 以此为起点。</source>
        <translation>Prices below the start price (the lowest is %1) stay off the chart: use Start Here on the lowest swing first.</translation>
    </message>
    <message>
        <source>建议价格步长</source>
        <translation>Propose a Price Step</translation>
    </message>
    <message>
        <source>采用这个步长吗？</source>
        <translation>Use this step?</translation>
    </message>
    <message>
        <source>这个图表文件的品种 %1 已不在行情库中。</source>
        <translation>This chart file&apos;s instrument %1 is no longer in the market store.</translation>
    </message>
    <message>
        <source>行情</source>
        <translation>Market</translation>
    </message>
    <message>
        <source>行星价格线</source>
        <translation>Planetary Price Lines</translation>
    </message>
    <message>
        <source>每度的价格（经度 × 比例）：</source>
        <translation>Price per degree (longitude × scale):</translation>
    </message>
</context>
<context>
    <name>CPaletteToolBar</name>
    <message>
        <source>灰色</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>栗色</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>黄绿色</source>
        <translation>Yellow Green</translation>
    </message>
    <message>
        <source>蓝绿色</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>橄榄色</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>浅绿色</source>
        <translation>Light Green</translation>
    </message>
    <message>
        <source>天蓝色</source>
        <translation>Sky Blue</translation>
    </message>
    <message>
        <source>深蓝色</source>
        <translation>Dark Blue</translation>
    </message>
    <message>
        <source>浅蓝色</source>
        <translation>Light Blue</translation>
    </message>
    <message>
        <source>玫红色</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>棕色</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>自定义颜色</source>
        <translation>Custom Color</translation>
    </message>
    <message>
        <source>画线颜色：%1</source>
        <translation>Line color: %1</translation>
    </message>
    <message>
        <source>自定义颜色...</source>
        <translation>Custom Color...</translation>
    </message>
</context>
<context>
    <name>CPaneWidget</name>
    <message>
        <source>蜡烛图</source>
        <translation>Candles</translation>
    </message>
    <message>
        <source>美国线</source>
        <translation>OHLC Bars</translation>
    </message>
    <message>
        <source>收盘线</source>
        <translation>Close Line</translation>
    </message>
    <message>
        <source>对数坐标</source>
        <translation>Logarithmic Scale</translation>
    </message>
    <message>
        <source>显示全部</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export Picture…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>行情</source>
        <translation>Market</translation>
    </message>
    <message>
        <source>没有行情：用 行情 → 导入行情… 导入价格文件</source>
        <translation>No prices: import a price file with Market → Import Prices…</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>无法打印行情图。</source>
        <translation>Cannot print the price chart.</translation>
    </message>
</context>
<context>
    <name>CPlanetMomentDlg</name>
    <message>
        <source>行星时间</source>
        <translation>Planet Time</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>日期:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>城市:</source>
        <translation>City:</translation>
    </message>
</context>
<context>
    <name>CPrintLayoutDialog</name>
    <message>
        <source>一页</source>
        <translation>One page</translation>
    </message>
    <message>
        <source>按格子大小</source>
        <translation>By cell size</translation>
    </message>
    <message>
        <source>按页数</source>
        <translation>By pages</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>总览页</source>
        <translation>Overview page</translation>
    </message>
    <message>
        <source>图注</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>打印布局</source>
        <translation>Print Layout</translation>
    </message>
    <message>
        <source>纸张</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>重叠</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>共 %1 页</source>
        <translation>Pages: %1</translation>
    </message>
</context>
<context>
    <name>CRotula2View</name>
    <message>
        <source>图表属性...</source>
        <translation>Chart Properties...</translation>
    </message>
</context>
<context>
    <name>CSkyEventTab</name>
    <message>
        <source>日心</source>
        <translation>Heliocentric</translation>
    </message>
    <message>
        <source>日期范围</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>相位</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>结束日期早于开始日期。</source>
        <translation>The end date is before the start date.</translation>
    </message>
    <message>
        <source>请至少选择一个天体。</source>
        <translation>Choose at least one body.</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>共 %1 个事件。</source>
        <translation>%1 events.</translation>
    </message>
    <message>
        <source>此范围有一部分超出星历数据文件的年份（%1），由程序库的解析模型计算。</source>
        <translation>Part of this range lies beyond the ephemeris data files&apos; years (%1): the library&apos;s analytic model computed it.</translation>
    </message>
</context>
<context>
    <name>CSkyEventTableModel</name>
    <message>
        <source>合</source>
        <translation>conjunct</translation>
    </message>
    <message>
        <source>半六合</source>
        <translation>semisextile</translation>
    </message>
    <message>
        <source>半刑</source>
        <translation>semisquare</translation>
    </message>
    <message>
        <source>六合</source>
        <translation>sextile</translation>
    </message>
    <message>
        <source>刑</source>
        <translation>square</translation>
    </message>
    <message>
        <source>拱</source>
        <translation>trine</translation>
    </message>
    <message>
        <source>补八分</source>
        <translation>sesquiquadrate</translation>
    </message>
    <message>
        <source>梅花</source>
        <translation>quincunx</translation>
    </message>
    <message>
        <source>冲</source>
        <translation>opposite</translation>
    </message>
    <message>
        <source>白羊座</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>金牛座</source>
        <translation>Taurus</translation>
    </message>
    <message>
        <source>双子座</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>巨蟹座</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>狮子座</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>处女座</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>天秤座</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>天蝎座</source>
        <translation>Scorpio</translation>
    </message>
    <message>
        <source>射手座</source>
        <translation>Sagittarius</translation>
    </message>
    <message>
        <source>摩羯座</source>
        <translation>Capricorn</translation>
    </message>
    <message>
        <source>水瓶座</source>
        <translation>Aquarius</translation>
    </message>
    <message>
        <source>双鱼座</source>
        <translation>Pisces</translation>
    </message>
    <message>
        <source>太阳</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>月亮</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>水星</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>金星</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>火星</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>木星</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>土星</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>天王星</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>海王星</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>冥王星</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>%1进入%2</source>
        <translation>%1 enters %2</translation>
    </message>
    <message>
        <source>%1留，转逆行</source>
        <translation>%1 stations retrograde</translation>
    </message>
    <message>
        <source>%1留，转顺行</source>
        <translation>%1 stations direct</translation>
    </message>
    <message>
        <source>%1%2%3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1，入相</source>
        <translation>%1, applying</translation>
    </message>
    <message>
        <source>%1，出相</source>
        <translation>%1, separating</translation>
    </message>
    <message>
        <source>当地时间</source>
        <translation>Local Time</translation>
    </message>
    <message>
        <source>世界时</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>事件</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>经度</source>
        <translation>Longitude</translation>
    </message>
</context>
<context>
    <name>CSwingPanel</name>
    <message>
        <source>摆动</source>
        <translation>Swings</translation>
    </message>
    <message>
        <source>以此为起点</source>
        <translation>Start Here</translation>
    </message>
    <message>
        <source>涨跌幅 %</source>
        <translation>ZigZag %</translation>
    </message>
    <message>
        <source>价格幅度</source>
        <translation>ZigZag amount</translation>
    </message>
    <message>
        <source>枢轴 左,右</source>
        <translation>Pivots left, right</translation>
    </message>
    <message>
        <source>最高最低价</source>
        <translation>Highs and lows</translation>
    </message>
    <message>
        <source>收盘价</source>
        <translation>Closes</translation>
    </message>
    <message>
        <source>没有品种：用 行情 → 行情库… 选择本图品种</source>
        <translation>No instrument: choose the chart&apos;s instrument in Market → Market Store…</translation>
    </message>
    <message>
        <source>%1%2：%3 根K线，%4 至 %5</source>
        <translation>%1%2: %3 bars, %4 to %5</translation>
    </message>
</context>
<context>
    <name>CSwingTableModel</name>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>高/低</source>
        <translation>High/Low</translation>
    </message>
    <message>
        <source>K线序号</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>已确认</source>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>涨跌</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>涨跌%</source>
        <translation>Move %</translation>
    </message>
    <message>
        <source>K线数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Days</translation>
    </message>
</context>
<context>
    <name>CTargetPanel</name>
    <message>
        <source>目标</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>角度:</source>
        <translation>Angles:</translation>
    </message>
    <message>
        <source>圈数 ±:</source>
        <translation>Turns ±:</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>导出 CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>导出日历...</source>
        <translation>Export Calendar...</translation>
    </message>
    <message>
        <source>用目标工具点击一个单元格作为支点。</source>
        <translation>Click a cell with the target tool to make it the pivot.</translation>
    </message>
    <message>
        <source>交易日</source>
        <translation>Trading days</translation>
    </message>
    <message>
        <source>编号 %1, 价格 %2, 日期 %3</source>
        <translation>number %1, price %2, date %3</translation>
    </message>
    <message>
        <source>支点: %1</source>
        <translation>Pivot: %1</translation>
    </message>
</context>
<context>
    <name>CTimeCalculator</name>
    <message>
        <source>时间计算器</source>
        <translation>Time Calculator</translation>
    </message>
</context>
<context>
    <name>CWhenPanel</name>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>时间簇</source>
        <translation>Clusters</translation>
    </message>
    <message>
        <source>天象</source>
        <translation>Sky</translation>
    </message>
</context>
<context>
    <name>CellTable</name>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>环</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>日期标签</source>
        <translation>Label Date</translation>
    </message>
</context>
<context>
    <name>ChartCaption</name>
    <message>
        <source>1 天</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 天</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>1 周</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>%1 周</source>
        <translation>%1 weeks</translation>
    </message>
    <message>
        <source>1 个月</source>
        <translation>1 month</translation>
    </message>
    <message>
        <source>%1 个月</source>
        <translation>%1 months</translation>
    </message>
    <message>
        <source>价格：起点 %1，步长 %2</source>
        <translation>Price: start %1, step %2</translation>
    </message>
    <message>
        <source>时间：起点 %1，步长 %2</source>
        <translation>Time: start %1, step %2</translation>
    </message>
    <message>
        <source>圈数：%1</source>
        <translation>Rings: %1</translation>
    </message>
    <message>
        <source>品种：%1</source>
        <translation>Instrument: %1</translation>
    </message>
    <message>
        <source>支点：%1</source>
        <translation>Pivot: %1</translation>
    </message>
    <message>
        <source>打印日期：%1</source>
        <translation>Printed: %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>24 轮子</source>
        <translation>24 Wheel</translation>
    </message>
    <message>
        <source>九方图</source>
        <translation>Square of Nine</translation>
    </message>
    <message>
        <source>四方图</source>
        <translation>Square of Four</translation>
    </message>
    <message>
        <source>六方图</source>
        <translation>Hexagon</translation>
    </message>
    <message>
        <source>数字表</source>
        <translation>Master Chart</translation>
    </message>
    <message>
        <source>画 直线</source>
        <translation>Draw Line</translation>
    </message>
    <message>
        <source>画 箭头线</source>
        <translation>Draw Arrow</translation>
    </message>
    <message>
        <source>画 切线</source>
        <translation>Draw Tangent</translation>
    </message>
    <message>
        <source>【圆形】填充点击的单元格</source>
        <translation>Fill the clicked cell with a circle</translation>
    </message>
    <message>
        <source>【正方形】填充点击的单元格</source>
        <translation>Fill the clicked cell with a square</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>周</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>1 号线</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>2 号线</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>3 号线</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>4 号线</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>最近打开的文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>导出图片...</source>
        <translation>Export Picture...</translation>
    </message>
    <message>
        <source>导出单元格表...</source>
        <translation>Export Cell Table...</translation>
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
        <source>复制图表</source>
        <translation>Copy Chart</translation>
    </message>
    <message>
        <source>查找...</source>
        <translation>Find...</translation>
    </message>
    <message>
        <source>查找价格、日期或编号</source>
        <translation>Find a price, date or number</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>星象</source>
        <translation>Astrology</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>时间计算器</source>
        <translation>Time Calculator</translation>
    </message>
    <message>
        <source>检查新版本...</source>
        <translation>Check for Updates...</translation>
    </message>
    <message>
        <source>关于 Quadrix...</source>
        <translation>About Quadrix...</translation>
    </message>
    <message>
        <source>图表属性设置</source>
        <translation>Chart Properties</translation>
    </message>
    <message>
        <source>显示【行星】</source>
        <translation>Show Planets</translation>
    </message>
    <message>
        <source>显示【行星】：角度外环上的行星经度</source>
        <translation>Show Planets: planetary longitudes on the angle ring</translation>
    </message>
    <message>
        <source>行星时间...</source>
        <translation>Planet Time...</translation>
    </message>
    <message>
        <source>选择【周期】</source>
        <translation>Choose Period</translation>
    </message>
    <message>
        <source>选择价格的【小数位数】</source>
        <translation>Choose Decimal Places of Prices</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>适合窗口</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>目标：点击单元格作为支点，列出其各角度的目标</source>
        <translation>Targets: click a cell as the pivot to list its targets at each angle</translation>
    </message>
    <message>
        <source>添加注释</source>
        <translation>Add Note</translation>
    </message>
    <message>
        <source>清除所有画线</source>
        <translation>Clear All Drawings</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>画线</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>视图</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>时间周期</source>
        <translation>Time Period</translation>
    </message>
    <message>
        <source>小数位数</source>
        <translation>Decimal Places</translation>
    </message>
    <message>
        <source>选择【线型】：几号线</source>
        <translation>Choose Line: line number</translation>
    </message>
    <message>
        <source>显示【日历】外环</source>
        <translation>Show Calendar Ring</translation>
    </message>
    <message>
        <source>显示【角度】外环</source>
        <translation>Show Angle Ring</translation>
    </message>
    <message>
        <source>显示【价格】</source>
        <translation>Show Price</translation>
    </message>
    <message>
        <source>显示【时间】</source>
        <translation>Show Time</translation>
    </message>
    <message>
        <source>显示【N】</source>
        <translation>Show N</translation>
    </message>
    <message>
        <source>Orvo时间标准图</source>
        <translation>Orvo Time Standard Chart</translation>
    </message>
    <message>
        <source>顺时针</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>4方</source>
        <translation>Squares</translation>
    </message>
    <message>
        <source>三角</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>8分</source>
        <translation>Eighths</translation>
    </message>
    <message>
        <source>导入行情...</source>
        <translation>Import Prices...</translation>
    </message>
    <message>
        <source>把价格文件导入行情库</source>
        <translation>Import a price file into the market store</translation>
    </message>
    <message>
        <source>行情库...</source>
        <translation>Market Store...</translation>
    </message>
    <message>
        <source>本图品种</source>
        <translation>Chart&apos;s Instrument</translation>
    </message>
    <message>
        <source>价格窗格</source>
        <translation>Price Pane</translation>
    </message>
    <message>
        <source>摆动列表</source>
        <translation>Swing List</translation>
    </message>
    <message>
        <source>图上标出摆动</source>
        <translation>Mark Swings on the Chart</translation>
    </message>
    <message>
        <source>标出摆动的日期格</source>
        <translation>Mark the Swings&apos; Date Cells</translation>
    </message>
    <message>
        <source>以此为起点</source>
        <translation>Start Here</translation>
    </message>
    <message>
        <source>本图的起始价和起始日期取所选摆动的</source>
        <translation>Give the chart the chosen swing&apos;s price and date as its start</translation>
    </message>
    <message>
        <source>建议价格步长...</source>
        <translation>Propose a Price Step...</translation>
    </message>
    <message>
        <source>行情</source>
        <translation>Market</translation>
    </message>
    <message>
        <source>时间簇与天象</source>
        <translation>Clusters and Sky</translation>
    </message>
    <message>
        <source>多个摆动投射的时间簇，及一段时间内的天象</source>
        <translation>Clusters of dates projected from many swings, and the sky&apos;s events over a range</translation>
    </message>
    <message>
        <source>行星价格线...</source>
        <translation>Planetary Price Lines...</translation>
    </message>
    <message>
        <source>价格窗格上的行星经度价格线</source>
        <translation>The planets&apos; longitudes as price lines on the price pane</translation>
    </message>
    <message>
        <source>导出图片的图注</source>
        <translation>Caption on Exported Pictures</translation>
    </message>
</context>
<context>
    <name>PivotInput</name>
    <message>
        <source>价格须为数字，不是“%1”</source>
        <translation>The price must be a number, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>日期须为 YYYY-MM-DD 形式的真实日期，不是“%1”</source>
        <translation>The date must be a real date as YYYY-MM-DD, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>编号须为不小于 1 的整数，不是“%1”</source>
        <translation>The number must be a whole number of at least 1, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>请至少输入一个角度</source>
        <translation>Enter at least one angle</translation>
    </message>
    <message>
        <source>角度最多 %1 个</source>
        <translation>At most %1 angles</translation>
    </message>
    <message>
        <source>角度须在 -720 与 720 之间（不含），不是“%1”</source>
        <translation>Each angle must lie between -720 and 720 (exclusive), not &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PivotTargets</name>
    <message>
        <source>找不到编号 %1 的单元格（图上为 1 至 %2）</source>
        <translation>No cell numbered %1 (the chart has 1 to %2)</translation>
    </message>
    <message>
        <source>找不到价格 %1 的单元格</source>
        <translation>No cell for the price %1</translation>
    </message>
    <message>
        <source>找不到日期 %1 的单元格</source>
        <translation>No cell for the date %1</translation>
    </message>
</context>
<context>
    <name>PointerStatus</name>
    <message>
        <source>单元格 %1&#x3000;价格 %2&#x3000;日期 %3&#x3000;环 %4&#x3000;角度 %5°</source>
        <translation>Cell %1   Price %2   Date %3   Ring %4   Angle %5°</translation>
    </message>
    <message>
        <source>找到：%1</source>
        <translation>Found: %1</translation>
    </message>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>TargetTable</name>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>环</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>单元角度</source>
        <translation>Cell Angle</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>公式价格</source>
        <translation>Formula Price</translation>
    </message>
    <message>
        <source>差</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>天数</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>编号 %1, 价格 %2, 角度 %3°, 圈数 %4</source>
        <translation>Number %1, price %2, angle %3°, turns %4</translation>
    </message>
    <message>
        <source>支点: 编号 %1, 价格 %2, 日期 %3</source>
        <translation>Pivot: number %1, price %2, date %3</translation>
    </message>
</context>
<context>
    <name>TextExport</name>
    <message>
        <source>导出 CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>导出日历</source>
        <translation>Export Calendar</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar 文件 (*.ics)</source>
        <translation>iCalendar files (*.ics)</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>导出日历…</source>
        <translation>Export Calendar…</translation>
    </message>
</context>
<context>
    <name>WallChart</name>
    <message>
        <source>第 %1 行，第 %2 列，共 %3 × %4</source>
        <translation>row %1, column %2 of %3 × %4</translation>
    </message>
    <message>
        <source>全图，共 %1 × %2 页</source>
        <translation>whole chart on %1 × %2 pages</translation>
    </message>
</context>
</TS>
