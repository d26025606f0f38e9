<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Opções de exportação</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 paisagem</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 paisagem</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Página:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Incluir a imagem de &amp;fundo</translation>
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
        <translation>Uso: auralis [PASTA-DE-CONFIG]
     auralis --export-table | --export-graph | --export-data ARQUIVO ...
     auralis --help | --version

Mostra a tabela periódica dos elementos.

  PASTA-DE-CONFIG  guarda o arquivo de configurações auralis.ini nesta pasta,
                   que já deve existir; a linha de comando inteira é o nome
                   dela (./--help é uma pasta chamada &quot;--help&quot;)
  --help           mostra este texto e sai
  --version        mostra o nome e a versão do programa e sai

Exportações, gravadas sem janela e sem tela:
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Sem uma pasta, um programa instalado guarda as configurações em
$XDG_CONFIG_HOME/Auralis (normalmente ~/.config/Auralis); um programa iniciado
da pasta em que foi compilado ou descompactado as guarda ali, se puder gravar.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size: &apos;%1&apos; não é um tamanho LARGURAxALTURA de 16 a %2 pixels</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature: &apos;%1&apos; não é uma temperatura de 0 a 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1: &apos;%2&apos; não é uma propriedade de tendência (nome em inglês ou 0 a 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings: &apos;%1&apos; não é uma pasta</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>indique uma das opções --export-table, --export-graph, --export-data</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>nenhum nome de arquivo indicado</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1: o nome deve terminar em %2</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation>.png, .svg ou .csv</translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation>--temperature e --trend só valem com --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property só vale com --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph precisa de --property PROPRIEDADE</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size não vale com --export-data</translation>
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
        <translation>  --export-table ARQUIVO   gera a tabela em ARQUIVO (.pdf, .svg ou .png) e sai
      --size LxA           o tamanho do PNG em pixels (padrão 3508x2480)
      --temperature K      a temperatura para as cores dos quadrados (0 a 6000)
      --trend PROPRIEDADE  o relevo de tendência (nome em inglês, ou 0 a 13)
  --export-graph ARQUIVO --property PROPRIEDADE
                           gera o gráfico em ARQUIVO (.png, .svg ou .csv) e sai
  --export-data ARQUIVO    grava todos os dados em ARQUIVO (.csv) e sai
  --settings PASTA         a pasta do auralis.ini para as exportações
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language: &apos;%1&apos; não é um idioma do programa; os idiomas disponíveis são: %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  usa este idioma em vez do escolhido em Opções ou do
                   sistema; vem primeiro, antes de PASTA-DE-CONFIG ou de uma
                   exportação. Os idiomas:
                   %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1 (valor)</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Número atômico</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrogênio</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lítio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berílio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrogênio</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxigênio</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neônio</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sódio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silício</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Enxofre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argônio</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escândio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titânio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanádio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Crômio</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganês</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gálio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germânio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsênio</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selênio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Criptônio</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubídio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estrôncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ítrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zircônio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Nióbio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdênio</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnécio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutênio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Ródio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paládio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cádmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Índio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estanho</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimônio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telúrio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenônio</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bário</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantânio</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cério</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodímio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodímio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promécio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samário</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Európio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolínio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Térbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprósio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Hólmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Érbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Túlio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Itérbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutécio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Háfnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tântalo</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstênio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rênio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Ósmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Irídio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platina</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tálio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polônio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radônio</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Frâncio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actínio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tório</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactínio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Urânio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Netúnio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutônio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Amerício</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Cúrio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berquélio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Califórnio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstênio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Férmio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelévio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Laurêncio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfórdio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dúbnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seabórgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bóhrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hássio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnério</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstádtio</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgênio</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernício</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihônio</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Fleróvio</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscóvio</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermório</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenesso</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganessônio</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquádio</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpêntio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhéxio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilséptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unnilóctio</translation>
    </message>
    <message>
        <source>Unnilenium</source>
        <translation>Unnilênnio</translation>
    </message>
    <message>
        <source>Ununnilium</source>
        <translation>Ununnílio</translation>
    </message>
    <message>
        <source>Unununium</source>
        <translation>Ununúnio</translation>
    </message>
    <message>
        <source>Ununbium</source>
        <translation>Ununbio</translation>
    </message>
    <message>
        <source>Ununtrium</source>
        <translation>Ununtrio</translation>
    </message>
    <message>
        <source>Ununquadium</source>
        <translation>Ununquádio</translation>
    </message>
    <message>
        <source>Ununpentium</source>
        <translation>Ununpêntio</translation>
    </message>
    <message>
        <source>Ununhexium</source>
        <translation>Ununhéxio</translation>
    </message>
    <message>
        <source>Ununseptium</source>
        <translation>Ununséptio</translation>
    </message>
    <message>
        <source>Ununoctium</source>
        <translation>Ununóctio</translation>
    </message>
    <message>
        <source>Joliotium</source>
        <translation>Joliótio</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>Hâhnio</translation>
    </message>
    <message>
        <source>Nielsbohrium</source>
        <translation>Nielsbóhrio</translation>
    </message>
</context>
<context>
    <name>ElementsAccessible</name>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lantanídeos</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actinídeos</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Período %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; não é um número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Índice da lista fora dos limites</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>Memória insuficiente para uma imagem de %1 × %2 pixels</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: o nome deve terminar em .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Não foi possível iniciar a impressora</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>A imagem bitmap %1 é grande demais (%2 x %3 pixels; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>no máximo %1 milhões</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 MB para decodificar; no máximo %2 MB</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the full stop after a message</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Acidic</source>
        <translation>Ácido</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>Anfótero</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>Cúbica de faces centradas</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Cúbica de corpo centrado</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cúbica</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboédrica</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorrômbica</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclínica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Massa atômica</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Ponto de ebulição</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Ponto de fusão</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Configuração eletrônica</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>Números de oxidação</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Estrutura cristalina</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Caráter ácido-base</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Eletronegatividade</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Calor de vaporização</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Calor de fusão</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Condutividade elétrica</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Condutividade térmica</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Primeiro potencial de ionização</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Volume atômico</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Raio atômico</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Raio covalente</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Sintético</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Massa atômica</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>Ponto de e&amp;bulição</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>&amp;Ponto de fusão</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Densidade</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>&amp;Eletronegatividade</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>Calor de vapori&amp;zação</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>Calor de &amp;fusão</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>Condutividade e&amp;létrica</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>Condutividade &amp;térmica</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>Calor e&amp;specífico</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>Primeiro potencial de &amp;ionização</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>&amp;Volume atômico</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>&amp;Raio atômico</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Raio &amp;covalente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1 (%2).</source>
        <translation>Não é possível abrir o arquivo de ajuda %1 (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Ajuda do Auralis</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Metais</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Não metais</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Semimetais</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>Sólidos</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>Líquidos</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>Gases</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Indefinidos</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>estimado</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>calculado</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>previsto</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>um valor de uma faixa: depende da amostra</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>para o líquido</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>para o sólido</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>para o gás</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>Sobre o Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Projetado e criado por:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Os desenvolvedores do Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Os desenvolvedores do Auralis. Licenciado sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>O Auralis destina-se ao estudo e à consulta. Os dados dos elementos foram compilados com cuidado, mas podem conter erros ou estar desatualizados; confira em uma fonte primária todo valor importante antes de confiar nele. O programa é fornecido como está, sem garantia de qualquer tipo.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmAuralis</name>
    <message>
        <source>Periodic table</source>
        <translation>Tabela periódica</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Informações do elemento</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Localizar elemento</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Alterar temperatura</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Gráfico de tendências</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Controle deslizante da temperatura</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>metal</source>
        <translation>metal</translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation>não metal</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>semimetal</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>sintético</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>sólido a %1 K</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>líquido a %1 K</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>gasoso a %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>&amp;Salvar configurações a&amp;gora</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Salvar configurações ao s&amp;air</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportar &amp;tabela...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;dados...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>&amp;Informações do elemento sempre acima</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>&amp;Gráfico de tendências sempre acima</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>Sistema de &amp;nomenclatura</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - Apr&amp;ovado</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - &amp;Provisório</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - &amp;Recomendado</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>&amp;ACS - Recomendado</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>E&amp;lemento</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>&amp;Localizar elemento...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>Definir &amp;temperatura...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>&amp;Informações do elemento</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Tendências</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhuma</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>&amp;Gráfico de tendências</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Conteúdo da ajuda</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Sobre o Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informações do elemento</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>Alterar &amp;temperatura...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>Configurar &amp;cores...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Configurar as cores dos elementos e da tabela</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Janela de informações do elemento</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Localizar um elemento pela massa, pelo tamanho e por outras propriedades</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Definir a temperatura atual em kelvin, graus Celsius ou graus Fahrenheit</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Mostrar as tendências periódicas em um gráfico</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Ajuda do Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>Sobre o Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Leia com atenção</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Cores - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Como você não está usando a cor 3D padrão, ajuste a configuração de cores para que todos os textos do programa fiquem legíveis.</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Tabela periódica - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Exportar tabela</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Documento PDF (*.pdf);;Imagem SVG (*.svg);;Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: o nome deve terminar em .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Imprimir - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Clique duas vezes aqui para configurar as cores</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>&amp;Elementos 110 a 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Ir para: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Ir para: %1 → nenhum elemento</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Informações do elemento</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>Copiar &amp;todas as informações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Localizar elemento</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Símbolo</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propriedade</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Digite parte do símbolo do elemento que você procura e/ou percorra a lista para achar o símbolo exato:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Digite parte do nome do elemento que você procura e/ou percorra a lista para achar o nome exato:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Escolha uma das propriedades na lista abaixo e restrinja a busca alterando o intervalo:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>Limite &amp;inferior:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>Limite s&amp;uperior:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;tualizar</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Elementos com valor</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Gráfico de tendências - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propriedade</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>M&amp;ostrar posições dos símbolos</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>Copi&amp;ar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fec&amp;har</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>&amp;Ajuda sobre tendências</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Sobre o Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>Calor de &amp;fusão</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>&amp;Mostrar posições dos símbolos</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informações do elemento</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1: o nome deve terminar em .png, .svg ou .csv</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Gráfico de tendências - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>Imagem PNG (*.png);;Imagem SVG (*.svg);;Valores separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Gráfico de tendências</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedade</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Elemento sob o mouse</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>Arquivos bitmap (*.bmp);;Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Janela principal</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Cor de &amp;fundo</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Usar a configuração atual do &amp;Windows</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>Usar a cor &amp;prata (cinza)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>&amp;Clique em um dos itens abaixo para escolher a cor</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Metais</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;Não metais</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>S&amp;emimetais</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>Sól&amp;idos</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>&amp;Líquidos</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>&amp;Gases</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>In&amp;definidos</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>Cores &amp;seguras</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Sete cores de classe que continuam distinguíveis para daltônicos</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rocurar...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Informações do elemento</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Clique na parte desejada abaixo (símbolo, nome, número, propriedade, valor) para mudar a cor dela na janela Informações do elemento:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>&amp;Usar as cores padrão</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Gráfico de tendências</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Clique na parte desejada abaixo (valor, eixo, curva, posição do elemento) para mudar a cor dela na janela Gráfico de tendências:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Fundo do gráfico</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Eixo vertical</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Eixo horizontal</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Posição do elemento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Escolha o idioma dos menus, janelas, mensagens, nomes dos elementos e da ajuda:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>O idioma escolhido aqui vale a partir da próxima vez que o Auralis for iniciado.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Para digitar a temperatura em outra unidade, clique na aba desejada acima.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Definir temperatura</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digite a temperatura desejada em kelvin, no intervalo de 0.00 a 6000.00. São mantidas no máximo 2 casas decimais:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digite a temperatura desejada em graus Celsius, no intervalo de -273.15 a 5726.85. São mantidas no máximo 2 casas decimais:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digite a temperatura desejada em graus Fahrenheit, no intervalo de -459.67 a 10340.33. São mantidas no máximo 2 casas decimais:</translation>
    </message>
    <message>
        <source>&amp;Kelvin</source>
        <translation>&amp;Kelvin</translation>
    </message>
    <message>
        <source>&amp;Celsius</source>
        <translation>&amp;Celsius</translation>
    </message>
    <message>
        <source>&amp;Farenheit</source>
        <translation>&amp;Fahrenheit</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Designed and created by:</source>
        <translation>Projetado e criado por:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Os desenvolvedores do Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 Os desenvolvedores do Auralis</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
