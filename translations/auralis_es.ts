<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Opciones de exportación</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>A&amp;ncho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 horizontal</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 horizontal</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Página:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Incluir la imagen de &amp;fondo</translation>
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
        <translation>Uso: auralis [CARPETA-CONFIG]
     auralis --export-table ARCHIVO | --export-graph ARCHIVO |
             --export-data ARCHIVO ...
     auralis --help | --version

Muestra la tabla periódica de los elementos.

  CARPETA-CONFIG   guarda el archivo de configuración auralis.ini en esta
                   carpeta, que ya debe existir; toda la línea de comandos es
                   su nombre (./--help es una carpeta llamada &quot;--help&quot;)
  --help           muestra este texto y sale
  --version        muestra el nombre y la versión del programa y sale

Exportaciones, escritas sin ventana ni pantalla:
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Sin carpeta, un programa instalado guarda su configuración en
$XDG_CONFIG_HOME/Auralis (normalmente ~/.config/Auralis); uno ejecutado desde
su carpeta de compilación o desempaquetado la guarda allí, si puede escribir.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size: «%1» no es un tamaño ANCHOxALTO de 16 a %2 píxeles</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature: «%1» no es una temperatura de 0 a 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1: «%2» no es una propiedad de tendencia (su nombre en inglés, o de 0 a 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings: «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>indique una de --export-table, --export-graph, --export-data</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>no se ha indicado ningún nombre de archivo</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1: el nombre debe terminar en %2</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg o .png</translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation>.png, .svg o .csv</translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation>--temperature y --trend son opciones de --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property es una opción de --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph necesita --property PROPIEDAD</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size no es una opción de --export-data</translation>
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
        <translation>  --export-table ARCHIVO  exporta la tabla a ARCHIVO (.pdf, .svg o .png) y sale
      --size ANCHOxALTO   tamaño del PNG en píxeles (por omisión 3508x2480)
      --temperature K     temperatura para colorear las casillas (0 a 6000)
      --trend PROPIEDAD   relieve de tendencias (nombre en inglés o 0 a 13)
  --export-graph ARCHIVO --property PROPIEDAD
                          exporta el gráfico de tendencias a ARCHIVO
                          (.png, .svg o .csv) y sale
  --export-data ARCHIVO   exporta todos los datos a ARCHIVO (.csv) y sale
  --settings CARPETA      carpeta de auralis.ini para las exportaciones
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language: «%1» no es un idioma del programa; los idiomas disponibles son: %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  usa este idioma en lugar del elegido en Opciones o del
                   sistema; va primero, antes de CARPETA-CONFIG o de una
                   exportación. Los idiomas:
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
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilio</translation>
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
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
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
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Kriptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Circonio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnecio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenón</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radón</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerio</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstatio</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenio</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicio</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonio</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovio</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovio</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorio</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Teneso</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesón</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquadio</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpentio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhexio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilseptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloctio</translation>
    </message>
    <message>
        <source>Unnilenium</source>
        <translation>Unnilennio</translation>
    </message>
    <message>
        <source>Ununnilium</source>
        <translation>Ununnilio</translation>
    </message>
    <message>
        <source>Unununium</source>
        <translation>Unununio</translation>
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
        <translation>Ununquadio</translation>
    </message>
    <message>
        <source>Ununpentium</source>
        <translation>Ununpentio</translation>
    </message>
    <message>
        <source>Ununhexium</source>
        <translation>Ununhexio</translation>
    </message>
    <message>
        <source>Ununseptium</source>
        <translation>Ununseptio</translation>
    </message>
    <message>
        <source>Ununoctium</source>
        <translation>Ununoctio</translation>
    </message>
    <message>
        <source>Joliotium</source>
        <translation>Joliotio</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>Hahnio</translation>
    </message>
    <message>
        <source>Nielsbohrium</source>
        <translation>Nielsbohrio</translation>
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
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actínidos</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Índice de lista fuera de los límites</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>No hay memoria suficiente para una imagen de %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: el nombre debe terminar en .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>No se ha podido iniciar la impresora</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>La imagen de mapa de bits %1 es demasiado grande (%2 x %3 píxeles; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>como máximo %1 millones</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 MB para decodificar; como máximo %2 MB</translation>
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
        <translation>Cúbica, centrada en las caras</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Cúbica, centrada en el cuerpo</translation>
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
        <translation>Ortorrómbica</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclínica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Punto de ebullición</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Punto de fusión</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Configuración electrónica</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>Estados de oxidación</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Estructura cristalina</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Carácter ácido-base</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Electronegatividad</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Calor de vaporización</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Calor de fusión</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Conductividad eléctrica</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacidad calorífica específica</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Primer potencial de ionización</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Volumen atómico</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Radio atómico</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Radio covalente</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Sintético</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Masa atómica</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>Punto de e&amp;bullición</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>Punto de &amp;fusión</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Densidad</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>&amp;Electronegatividad</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>Calor de &amp;vaporización</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>Calor de f&amp;usión</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>Conductividad e&amp;léctrica</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>Conductividad &amp;térmica</translation>
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
        <translation>&amp;Primer potencial de ionización</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>&amp;Volumen atómico</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>&amp;Radio atómico</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Radio &amp;covalente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>No se puede abrir el archivo de ayuda %1 (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Ayuda de Auralis</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Metales</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>No metales</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Semimetales</translation>
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
        <translation>Sin definir</translation>
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
        <translation>predicho</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>un valor de un intervalo: depende de la muestra</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>para el líquido</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>para el sólido</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>para el gas</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>Acerca de Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Diseñado y creado por:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Los desarrolladores de Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Los desarrolladores de Auralis. Con licencia GNU GPL, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis está pensado para el estudio y la consulta. Los datos de los elementos se han recopilado con cuidado, pero pueden contener errores o estar desactualizados; compruebe cualquier valor importante en una fuente primaria antes de fiarse de él. El programa se ofrece tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmAuralis</name>
    <message>
        <source>Periodic table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Información del elemento</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Buscar elemento</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Cambiar temperatura</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Gráfico de tendencias</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Deslizador de temperatura</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
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
        <translation>no metal</translation>
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
        <translation>gas a %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>&amp;Guardar configuración a&amp;hora</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Guardar configuración &amp;al salir</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportar &amp;tabla...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;datos...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>&amp;Información siempre encima</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>&amp;Gráfico siempre encima</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>&amp;Nomenclatura</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - Apr&amp;obada</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - &amp;Provisional</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - &amp;Recomendada</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>&amp;ACS - Recomendada</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>&amp;Elemento</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>&amp;Buscar elemento...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>Establecer &amp;temperatura...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>&amp;Información del elemento</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Tendencias</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>&amp;Gráfico de tendencias</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Contenido de la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Acerca de Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Información del elemento</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>Cambiar &amp;temperatura...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>Configurar &amp;colores...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Configurar los colores de los elementos y de la tabla</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Ventana de información del elemento</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Buscar un elemento por su masa, su tamaño u otras propiedades</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Establecer la temperatura actual en kelvin, grados Celsius o grados Fahrenheit</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Representar gráficamente las tendencias periódicas</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Ayuda de Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>Acerca de Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Lea esto con atención</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Colores - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Como no está usando el color 3D estándar, conviene ajustar la configuración de colores para que todos los textos del programa se lean bien.</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Tabla periódica - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Documento PDF (*.pdf);;Imagen SVG (*.svg);;Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: el nombre debe terminar en .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Imprimir - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Haga doble clic aquí para configurar los colores</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>E&amp;lementos 110 a 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Ir a: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Ir a: %1 → ningún elemento</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Información del elemento</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Buscar elemento</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Símbolo</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propiedad</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Escriba parte del símbolo del elemento que busca, o recorra la lista hasta dar con el símbolo exacto:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Escriba parte del nombre del elemento que busca, o recorra la lista hasta dar con el nombre exacto:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Elija una de las propiedades de la lista desplegable de abajo y acote la búsqueda cambiando el intervalo:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>&amp;Mínimo:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>Má&amp;ximo:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Filtrar</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Elementos con un valor</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Gráfico de tendencias - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propiedad</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>&amp;Mostrar posiciones de los símbolos</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>Ay&amp;uda sobre las tendencias</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Acerca de Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>Calor de f&amp;usión</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>&amp;Mostrar posiciones de los símbolos</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Información del elemento</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1: el nombre debe terminar en .png, .svg o .csv</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Gráfico de tendencias - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg);;Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Gráfico de tendencias</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Elemento bajo el ratón</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>Archivos de mapa de bits (*.bmp);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Usar el ajuste actual de &amp;Windows</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>Usar el color &amp;plateado (gris)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>Haga &amp;clic en un botón para elegir su color</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Metales</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;No metales</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>S&amp;emimetales</translation>
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
        <translation>&amp;Sin definir</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>&amp;Daltonismo</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Siete colores que se distinguen bien también con daltonismo</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Información del elemento</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Haga clic en la parte deseada del ejemplo de abajo (símbolo, nombre, número, propiedad, valor) para cambiar su color en la ventana Información del elemento:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>Usar colores p&amp;redeterminados</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Gráfico de tendencias</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Haga clic en la parte deseada del ejemplo de abajo (valor, eje, curva, posición de elemento) para cambiar su color en la ventana Gráfico de tendencias:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Fondo del gráfico</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Eje vertical</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Eje horizontal</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Posición de elemento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Elija el idioma de los menús, las ventanas, los mensajes, los nombres de los elementos y la ayuda:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Seguir al sistema</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>El idioma elegido aquí surte efecto la próxima vez que se inicie Auralis.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Para escribir la temperatura en otra unidad, haga clic en la pestaña correspondiente de arriba.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Establecer temperatura</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Escriba la temperatura deseada en kelvin, en el intervalo de 0.00 a 6000.00. Se conservarán como máximo 2 decimales:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Escriba la temperatura deseada en grados Celsius, en el intervalo de -273.15 a 5726.85. Se conservarán como máximo 2 decimales:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Escriba la temperatura deseada en grados Fahrenheit, en el intervalo de -459.67 a 10340.33. Se conservarán como máximo 2 decimales:</translation>
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
        <translation>Diseñado y creado por:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Los desarrolladores de Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 Los desarrolladores de Auralis</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
</TS>
