<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>导出选项</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H)：</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 横向</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 横向</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>页面(&amp;P)：</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>包含背景图片(&amp;B)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: auralis [SETTINGS-FOLDER]
       auralis --export-table FILE | --export-graph FILE | --export-data FILE ...
       auralis --help | --version

Shows the periodic table of the elements.

  SETTINGS-FOLDER  keep the settings file auralis.ini in this existing folder;
                   the whole command line names it (./--help is a folder
                   called &quot;--help&quot;)
  --help           print this text and exit
  --version        print the program&apos;s name and version and exit

Exports, written without a window or a display:
</source>
        <translation>用法：auralis [SETTINGS-FOLDER]
      auralis --export-table FILE | --export-graph FILE |
              --export-data FILE ...
      auralis --help | --version

显示元素周期表。

  SETTINGS-FOLDER  将设置文件 auralis.ini 保存在这个已有的文件夹中；
                   整个命令行就是文件夹名（./--help 是名为“--help”的文件夹）
  --help           显示本帮助并退出
  --version        显示程序名称和版本并退出

导出（不打开窗口，也无需显示器）：
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
未指定文件夹时，已安装的程序将设置保存在 $XDG_CONFIG_HOME/Auralis
（通常为 ~/.config/Auralis）中；从构建文件夹或解压文件夹运行的程序，
在该文件夹可以写入时，将设置保存在程序所在的文件夹中。
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size：“%1”不是 16 到 %2 像素的 WIDTHxHEIGHT 尺寸</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature：“%1”不是 0 到 6000 K 的温度</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1：“%2”不是趋势性质（应为英文界面趋势菜单中的名称，或 0 到 13）</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings：“%1”不是文件夹</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>请给出 --export-table、--export-graph、--export-data 之一</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1：文件名必须以 %2 结尾</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf、.svg 或 .png</translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation>.png、.svg 或 .csv</translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation>--temperature 和 --trend 只能与 --export-table 一起使用</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property 只能与 --export-graph 一起使用</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph 需要 --property PROPERTY</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size 不能与 --export-data 一起使用</translation>
    </message>
    <message>
        <source>  --export-table FILE   write the table as FILE (.pdf, .svg or .png) and exit
      --size WxH        the PNG&apos;s size in pixels (default 3508x2480)
      --temperature K   the temperature the tiles are coloured for (0 to 6000)
      --trend PROPERTY  the trend relief (a Trends menu name, or 0 to 13)
  --export-graph FILE --property PROPERTY
                        write the trend graph as FILE (.png, .svg or .csv) and exit
  --export-data FILE    write all element data as FILE (.csv) and exit
  --settings DIR        the folder of auralis.ini for the exports
</source>
        <translation>  --export-table FILE   将周期表写入 FILE（.pdf、.svg 或 .png）后退出
      --size WxH        PNG 图片的像素尺寸（默认 3508x2480）
      --temperature K   方格着色所依据的温度（0 到 6000）
      --trend PROPERTY  趋势浮雕（英文界面趋势菜单中的名称，或 0 到 13）
  --export-graph FILE --property PROPERTY
                        将趋势图写入 FILE（.png、.svg 或 .csv）后退出
  --export-data FILE    将全部元素数据写入 FILE（.csv）后退出
  --settings DIR        导出时所用 auralis.ini 所在的文件夹
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language：“%1”不是本程序的语言；可用的语言有：%2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  使用此语言，而不是“选项”中选定的语言或系统语言；
                   须放在最前面，位于 SETTINGS-FOLDER 或导出参数之前。
                   可用语言：
                   %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1数值</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>氢</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>氦</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>锂</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>铍</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>硼</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>碳</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>氮</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>氧</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>氟</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>氖</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>钠</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>镁</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>铝</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>硅</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>磷</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>硫</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>氯</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>氩</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>钾</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>钙</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>钪</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>钛</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>钒</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>铬</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>锰</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>铁</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>钴</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>镍</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>铜</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>锌</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>镓</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>锗</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>砷</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>硒</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>溴</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>氪</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>铷</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>锶</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>钇</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>锆</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>铌</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>钼</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>锝</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>钌</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>铑</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>钯</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>镉</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>铟</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>锡</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>锑</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>碲</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>碘</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>氙</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>铯</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>钡</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>镧</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>铈</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>镨</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>钕</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>钷</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>钐</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>铕</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>钆</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>铽</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>镝</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>钬</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>铒</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>铥</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>镱</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>镥</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>铪</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>钽</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>钨</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>铼</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>锇</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>铱</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>铂</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>汞</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>铊</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>铅</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>铋</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>钋</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>砹</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>氡</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>钫</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>镭</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>锕</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>钍</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>镤</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>铀</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>镎</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>钚</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>镅</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>锔</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>锫</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>锎</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>锿</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>镄</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>钔</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>锘</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>铹</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>𬬻</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>𬭊</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>𬭳</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>𬭛</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>𬭶</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>鿏</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>𫟼</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>𬬭</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>鿔</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>鿭</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>𫓧</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>镆</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>𫟷</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>鿬</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>鿫</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquadium</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpentium</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhexium</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilseptium</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloctium</translation>
    </message>
    <message>
        <source>Unnilenium</source>
        <translation>Unnilennium</translation>
    </message>
    <message>
        <source>Ununnilium</source>
        <translation>Ununnilium</translation>
    </message>
    <message>
        <source>Unununium</source>
        <translation>Unununium</translation>
    </message>
    <message>
        <source>Ununbium</source>
        <translation>Ununbium</translation>
    </message>
    <message>
        <source>Ununtrium</source>
        <translation>Ununtrium</translation>
    </message>
    <message>
        <source>Ununquadium</source>
        <translation>Ununquadium</translation>
    </message>
    <message>
        <source>Ununpentium</source>
        <translation>Ununpentium</translation>
    </message>
    <message>
        <source>Ununhexium</source>
        <translation>Ununhexium</translation>
    </message>
    <message>
        <source>Ununseptium</source>
        <translation>Ununseptium</translation>
    </message>
    <message>
        <source>Ununoctium</source>
        <translation>Ununoctium</translation>
    </message>
    <message>
        <source>Joliotium</source>
        <translation>Joliotium</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>Hahnium</translation>
    </message>
    <message>
        <source>Nielsbohrium</source>
        <translation>Nielsbohrium</translation>
    </message>
</context>
<context>
    <name>ElementsAccessible</name>
    <message>
        <source>Group %1</source>
        <translation>第 %1 族</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>镧系元素</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>锕系元素</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>第 %1 周期</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1”不是有效的浮点数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>列表索引越界</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>内存不足，无法生成 %1 × %2 像素的图片</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1：文件名必须以 .pdf、.svg 或 .png 结尾</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>无法启动打印机</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>位图图像无效</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>位图图像 %1 过大（%2 x %3 像素；%4）</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>最多 %1 百万像素</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>解码需要 %1 MB；最多 %2 MB</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the full stop after a message</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Acidic</source>
        <translation>酸性</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>碱性</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>两性</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>面心立方</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>体心立方</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>立方</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>六方</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>三方</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>四方</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>正交</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>单斜</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>沸点</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>熔点</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>电子排布</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>氧化态</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>晶体结构</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>酸碱性</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>电负性</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>汽化热</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>熔化热</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>电导率</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>热导率</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹（300 K 时）</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>比热容</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹（300 K 时）</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>第一电离能</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>原子体积</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>原子半径</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>共价半径</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>人工合成</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>原子量(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>沸点(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>熔点(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>密度(&amp;D)</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>电负性(&amp;N)</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>汽化热(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>熔化热(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>电导率(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>热导率(&amp;T)</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>比热</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>比热(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>第一电离能(&amp;F)</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>原子体积(&amp;U)</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>原子半径(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>共价半径(&amp;C)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1 (%2).</source>
        <translation>无法打开帮助文件 %1（%2）。</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Auralis 帮助</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>非金属</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>准金属</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>固体</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>液体</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>气体</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定义</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>估计值</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>计算值</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>预测值</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>取值范围中的一个值：因样品而异</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>液态下的值</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>固态下的值</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>气态下的值</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>关于 Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>设计与制作：</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Auralis 开发者</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>版权所有 © 2026 Auralis 开发者。依据 GNU GPL 第 3 版或更高版本授权。</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis 供学习和参考之用。元素数据经过认真整理，但仍可能有误或已过时；重要的数值请先对照原始资料核实，再加以使用。本程序按“原样”提供，不附带任何形式的担保。</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>网址：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TfrmAuralis</name>
    <message>
        <source>Periodic table</source>
        <translation>元素周期表</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>图例</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>元素信息</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>查找元素</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>更改温度</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>绘制趋势图</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>温度滑块</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>metal</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation>非金属</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>准金属</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>人工合成</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>%1 K 时为固态</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>%1 K 时为液态</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>%1 K 时为气态</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>立即保存配置(&amp;S)(&amp;N)</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>退出时保存配置(&amp;E)</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>导出周期表(&amp;T)...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>导出数据(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>元素信息置顶(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>趋势图置顶(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>命名方案(&amp;N)</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - 已批准(&amp;O)</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - 暂定(&amp;P)</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - 推荐(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>ACS - 推荐(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>元素(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>查找元素(&amp;F)...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>设置温度(&amp;T)...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>元素信息(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>趋势(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>无(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>绘制趋势图(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>帮助内容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>关于 Auralis   (&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>元素信息(&amp;E)</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>更改温度(&amp;T)...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>设置颜色(&amp;C)...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>设置元素和周期表的颜色</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>元素信息窗口</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>按原子量、大小等条件查找元素</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>以开尔文、摄氏度或华氏度设置当前温度</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>绘制周期性趋势图</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Auralis 帮助   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>关于 Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>请仔细阅读</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>颜色 - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>由于您没有使用标准的 3D 界面颜色，请调整颜色设置，以确保程序中的所有文字都清晰可读。</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>元素周期表 - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>导出周期表</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>PDF 文档 (*.pdf);;SVG 图片 (*.svg);;PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1：文件名必须以 .pdf、.svg 或 .png 结尾</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>逗号分隔值 (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>打印 - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>双击此处设置颜色</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>第 110 至 118 号元素(&amp;L)</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>转到：%1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>转到：%1 → 无匹配的元素</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - 元素信息</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>复制全部信息(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>查找元素</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>符号(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>性质(&amp;P)</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>输入要查找的元素符号的一部分，也可以在列表中浏览，找到准确的符号：</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>输入要查找的元素名称的一部分，也可以在列表中浏览，找到准确的名称：</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>从下面的列表框中选择一种性质，并可通过修改范围缩小查找结果：</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>下限(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>上限(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>重置(&amp;E)</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>有数值的元素</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>趋势图 - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>性质(&amp;P)</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>显示符号位置(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>导出(&amp;X)...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>复制(&amp;Y)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>趋势图帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>关于 Auralis   (&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>熔化热(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>显示符号位置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>元素信息(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1：文件名必须以 .png、.svg 或 .csv 结尾</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>趋势图 - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>导出趋势图</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>PNG 图片 (*.png);;SVG 图片 (*.svg);;逗号分隔值 (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>趋势图</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>性质</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>鼠标指针下的元素</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>位图文件 (*.bmp);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>背景颜色(&amp;B)</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>使用当前桌面设置(&amp;W)</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>使用银（灰）色(&amp;S)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>单击下面的按钮选择相应的颜色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>金属(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>非金属(&amp;N)</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>准金属(&amp;E)</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>固体(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>液体(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>气体(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>未定义(&amp;U)</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>安全配色(&amp;F)</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>色觉异常者也能区分的七种类别颜色</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>元素信息</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>单击下面要更改的部分（符号、名称、原子序数、性质、数值），更改它在“元素信息”窗口中的显示颜色：</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>使用默认颜色(&amp;D)</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>趋势图</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>单击下面要更改的部分（数值、坐标轴、曲线、元素位置），更改它在“趋势图”窗口中的显示颜色：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>趋势图背景</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>纵坐标轴</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>横坐标轴</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>元素位置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>选择菜单、窗口、消息、元素名称和帮助所用的语言：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>此处选择的语言在下次启动 Auralis 时生效。</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>要以其他单位输入温度，请单击上方相应的选项卡。</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>设置温度</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>请输入所需的温度（开尔文），范围为 0.00 到 6000.00。最多保留 2 位小数：</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>请输入所需的温度（摄氏度），范围为 -273.15 到 5726.85。最多保留 2 位小数：</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>请输入所需的温度（华氏度），范围为 -459.67 到 10340.33。最多保留 2 位小数：</translation>
    </message>
    <message>
        <source>&amp;Kelvin</source>
        <translation>开尔文(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Celsius</source>
        <translation>摄氏度(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Farenheit</source>
        <translation>华氏度(&amp;F)</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Designed and created by:</source>
        <translation>设计与制作：</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Auralis 开发者</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>版权所有 © 2026 Auralis 开发者</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
</TS>
