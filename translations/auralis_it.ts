<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Opzioni di esportazione</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 orizzontale</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 orizzontale</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Pagina:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Includi l&apos;immagine di &amp;sfondo</translation>
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
        <translation>Uso: auralis [CARTELLA]
     auralis --export-table FILE | --export-graph FILE | --export-data FILE ...
     auralis --help | --version

Mostra la tavola periodica degli elementi.

  CARTELLA         tiene il file delle impostazioni auralis.ini in questa
                   cartella, che deve esistere; il suo nome è l&apos;intera riga
                   di comando (./--help è una cartella di nome &quot;--help&quot;)
  --help           stampa questo testo ed esce
  --version        stampa il nome e la versione del programma ed esce

Esportazioni, scritte senza finestre e senza display:
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Senza cartella, un programma installato tiene le impostazioni in
$XDG_CONFIG_HOME/Auralis (di solito ~/.config/Auralis); se avviato dalla
cartella di compilazione o di estrazione, le tiene lì se può scrivervi.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size: &apos;%1&apos; non è una dimensione LARGHEZZAxALTEZZA da 16 a %2 pixel</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature: &apos;%1&apos; non è una temperatura da 0 a 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1: &apos;%2&apos; non è una proprietà degli andamenti (nome inglese, o da 0 a 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings: &apos;%1&apos; non è una cartella</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>indicare una tra --export-table, --export-graph, --export-data</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>nessun nome di file indicato</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1: il nome deve terminare con %2</translation>
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
        <translation>--temperature e --trend vanno con --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property va con --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph richiede --property PROPRIETÀ</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size non va con --export-data</translation>
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
        <translation>  --export-table FILE    scrive la tabella in FILE (.pdf, .svg o .png) ed esce
      --size LxA         la dimensione del PNG in pixel (predefinita 3508x2480)
      --temperature K    la temperatura a cui colorare le caselle (da 0 a 6000)
      --trend PROPRIETÀ  il rilievo (nome inglese della proprietà, o da 0 a 13)
  --export-graph FILE --property PROPRIETÀ
                         scrive il grafico in FILE (.png, .svg o .csv) ed esce
  --export-data FILE     scrive i dati degli elementi in FILE (.csv) ed esce
  --settings CARTELLA    la cartella di auralis.ini per le esportazioni
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language: &apos;%1&apos; non è una lingua del programma; le lingue disponibili sono: %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  usa questa lingua invece di quella scelta nelle Opzioni o
                   di quella del sistema; va per prima, prima di CARTELLA o di
                   un&apos;esportazione. Le lingue:
                   %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1 (valore)</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numero atomico</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
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
        <translation>Idrogeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Elio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berillio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbonio</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Ossigeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluoro</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
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
        <translation>Alluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Zolfo</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandio</translation>
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
        <translation>Manganese</translation>
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
        <translation>Nichel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsenico</translation>
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
        <translation>Kripton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stronzio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ittrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconio</translation>
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
        <translation>Tecnezio</translation>
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
        <translation>Palladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
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
        <translation>Stagno</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodio</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xeno</translation>
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
        <translation>Lantanio</translation>
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
        <translation>Promezio</translation>
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
        <translation>Olmio</translation>
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
        <translation>Itterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutezio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Afnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsteno</translation>
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
        <translation>Tallio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Piombo</translation>
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
        <translation>Radon</translation>
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
        <translation>Attinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protoattinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Nettunio</translation>
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
        <translation>Einsteinio</translation>
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
        <translation>Laurenzio</translation>
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
        <translation>Darmstadtio</translation>
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
        <translation>Tennesso</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
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
        <translation>Gruppo %1</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lantanidi</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Attinidi</translation>
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
        <translation>&apos;%1&apos; non è un valore in virgola mobile valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un valore intero valido</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Indice di lista fuori dai limiti</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>Memoria insufficiente per un&apos;immagine di %1 × %2 pixel</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: il nome deve terminare con .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Impossibile avviare la stampante</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>L&apos;immagine bitmap %1 è troppo grande (%2 x %3 pixel; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>al massimo %1 milioni</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 MB da decodificare; al massimo %2 MB</translation>
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
        <translation>Acido</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basico</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>Anfotero</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>Cubica a facce centrate</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Cubica a corpo centrato</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubica</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Esagonale</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboedrica</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonale</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorombica</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclina</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Peso atomico</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Punto di ebollizione</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Punto di fusione</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Configurazione elettronica</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>Stati di ossidazione</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Struttura cristallina</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Proprietà acido-base</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elettronegatività</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Calore di vaporizzazione</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Calore di fusione</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Conducibilità elettrica</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conducibilità termica</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacità termica specifica</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (a 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Primo potenziale di ionizzazione</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Volume atomico</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Raggio atomico</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Raggio covalente</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Sintetico</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Peso atomico</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>Punto di e&amp;bollizione</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>Punto di f&amp;usione</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Densità</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>Elettroneg&amp;atività</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>Calore di vapori&amp;zzazione</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>Calore di &amp;fusione</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>Conducibilità e&amp;lettrica</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>Conducibilità &amp;termica</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>Calore specifico</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>Calore &amp;specifico</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>Primo potenziale di &amp;ionizzazione</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>&amp;Volume atomico</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>&amp;Raggio atomico</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Raggio c&amp;ovalente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Impossibile aprire il file della guida %1 (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Guida di Auralis</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Metalli</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Non metalli</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Semimetalli</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>Solidi</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>Liquidi</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non definito</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>stimato</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>calcolato</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>previsto</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>un valore entro un intervallo: dipende dal campione</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>per il liquido</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>per il solido</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>per il gas</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>Informazioni su Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Progettato e realizzato da:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Gli sviluppatori di Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 gli sviluppatori di Auralis. Distribuito con licenza GNU GPL, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis è pensato per lo studio e la consultazione. I dati degli elementi sono stati raccolti con cura, ma possono contenere errori o non essere aggiornati: prima di fare affidamento su un valore importante, verificarlo su una fonte primaria. Il programma è fornito così com&apos;è, senza alcuna garanzia.</translation>
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
        <translation>Tavola periodica</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Info elemento</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Trova elemento</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Cambia temperatura</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Grafico degli andamenti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Cursore della temperatura</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>metal</source>
        <translation>metallo</translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation>non metallo</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>semimetallo</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>sintetico</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>solido a %1 K</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>liquido a %1 K</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>gassoso a %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>&amp;Salva configurazione &amp;ora</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Salva configurazione all&apos;&amp;uscita</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Esporta &amp;tabella...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Esporta &amp;dati...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra di st&amp;ato</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>&amp;Info elemento in primo piano</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>&amp;Grafico degli andamenti in primo piano</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>&amp;Nomenclatura</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - Appr&amp;ovata</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - &amp;Provvisoria</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - &amp;Raccomandata</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>&amp;ACS - Raccomandata</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>&amp;Elemento</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>&amp;Trova elemento...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>Imposta t&amp;emperatura...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>&amp;Informazioni sull&apos;elemento</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>A&amp;ndamenti</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>&amp;Grafico degli andamenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Sommario della guida</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Informazioni su Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informazioni sull&apos;elemento</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>Cambia t&amp;emperatura...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>Imposta &amp;colori...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Imposta i colori degli elementi e della tabella</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Finestra Informazioni sull&apos;elemento</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Trova un elemento per peso, dimensioni e altre proprietà</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Imposta la temperatura attuale in kelvin, Celsius o Fahrenheit</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Grafico degli andamenti periodici</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Guida di Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>Informazioni su Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Leggere attentamente</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Colori - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Poiché non si sta usando il colore 3D standard, conviene regolare l&apos;impostazione dei colori perché tutti i testi del programma restino leggibili</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Tavola periodica - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Esporta tabella</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Documento PDF (*.pdf);;Immagine SVG (*.svg);;Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: il nome deve terminare con .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Esporta dati</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valori separati da virgola (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Stampa - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Doppio clic qui per impostare i colori</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>&amp;Elementi da 110 a 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Vai a: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Vai a: %1 → nessun elemento</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Informazioni sull&apos;elemento</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>Copia &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Trova elemento</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Simbolo</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Digitare parte del simbolo dell&apos;elemento da cercare e/o scorrere l&apos;elenco per trovare il simbolo esatto:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Digitare parte del nome dell&apos;elemento da cercare e/o scorrere l&apos;elenco per trovare il nome esatto:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Scegliere una delle proprietà dell&apos;elenco qui sotto e restringere la ricerca modificando l&apos;intervallo:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>Limite &amp;inferiore:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>Limite sup&amp;eriore:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Elementi con un valore</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Grafico degli andamenti - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>&amp;Mostra posizioni dei simboli</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>&amp;Guida agli andamenti</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;Informazioni su Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>Calore di &amp;fusione</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>&amp;Mostra posizioni dei simboli</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informazioni sull&apos;elemento</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1: il nome deve terminare con .png, .svg o .csv</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Grafico degli andamenti - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Esporta grafico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>Immagine PNG (*.png);;Immagine SVG (*.svg);;Valori separati da virgola (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Grafico degli andamenti</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Elemento sotto il mouse</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>File bitmap (*.bmp);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Colore di s&amp;fondo</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Usa l&apos;impostazione attuale di &amp;Windows</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>Usa il colore argen&amp;to (grigio)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>Fare &amp;clic su un pulsante per sceglierne il colore</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Metalli</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;Non metalli</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>S&amp;emimetalli</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>Sol&amp;idi</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>&amp;Liquidi</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>&amp;Gas</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>Non &amp;definito</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>Colori sicu&amp;ri</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Sette colori delle classi ben distinguibili anche per chi è daltonico</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Info elemento</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Fare clic sulla parte desiderata qui sotto (simbolo, nome, numero, proprietà, valore) per cambiarne il colore nella finestra Informazioni sull&apos;elemento:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>Usa i colori &amp;predefiniti</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Grafico degli andamenti</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Fare clic sulla parte desiderata qui sotto (valori, assi, curva, posizione degli elementi) per cambiarne il colore nella finestra Grafico degli andamenti:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Sfondo del grafico</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Asse verticale</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Asse orizzontale</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Posizione degli elementi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Scegliere la lingua di menu, finestre, messaggi, nomi degli elementi e della guida:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>La lingua scelta qui ha effetto al successivo avvio di Auralis.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Per inserire la temperatura in un&apos;altra unità, fare clic sulla scheda desiderata qui sopra.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Imposta temperatura</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digitare la temperatura desiderata in kelvin, da 0.00 a 6000.00. Si conservano al massimo 2 cifre decimali:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digitare la temperatura desiderata in gradi Celsius, da -273.15 a 5726.85. Si conservano al massimo 2 cifre decimali:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Digitare la temperatura desiderata in gradi Fahrenheit, da -459.67 a 10340.33. Si conservano al massimo 2 cifre decimali:</translation>
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
        <translation>Progettato e realizzato da:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Gli sviluppatori di Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 gli sviluppatori di Auralis</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
