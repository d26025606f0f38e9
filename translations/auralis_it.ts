<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
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
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Acidic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>predicted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAuralis</name>
    <message>
        <source>Periodic table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kelvin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Celsius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Farenheit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Designed and created by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
