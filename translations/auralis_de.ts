<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Exportoptionen</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 Querformat</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 Querformat</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Papierformat:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Hinter&amp;grundbild einbeziehen</translation>
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
        <translation>Aufruf: auralis [ORDNER]
        auralis --export-table|--export-graph|--export-data DATEI ...
        auralis --help | --version

Zeigt das Periodensystem der Elemente.

  ORDNER           die Einstellungsdatei auralis.ini in diesem vorhandenen
                   Ordner ablegen; die ganze Befehlszeile gilt als sein Name
                   (./--help ist ein Ordner namens &quot;--help&quot;)
  --help           diesen Text ausgeben und beenden
  --version        Name und Version des Programms ausgeben und beenden

Exporte, geschrieben ohne Fenster und ohne Bildschirm:
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Ohne ORDNER speichert ein installiertes Programm seine Einstellungen in
$XDG_CONFIG_HOME/Auralis (meist ~/.config/Auralis); ein Programm, das aus
seinem Build- oder entpackten Ordner läuft, speichert sie neben sich, wenn es
dort schreiben darf.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size: &apos;%1&apos; ist keine Größe BREITExHÖHE von 16 bis %2 Pixeln</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature: &apos;%1&apos; ist keine Temperatur von 0 bis 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1: &apos;%2&apos; ist keine Trend-Eigenschaft (ein englischer Name wie &quot;Density&quot; oder 0 bis 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings: &apos;%1&apos; ist kein Ordner</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>genau eine von --export-table, --export-graph, --export-data angeben</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1: der Name muss auf %2 enden</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg oder .png</translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation>.png, .svg oder .csv</translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation>--temperature und --trend gehören zu --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property gehört zu --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph braucht --property EIGENSCHAFT</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size gehört nicht zu --export-data</translation>
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
        <translation>  --export-table DATEI  die Tabelle in DATEI (.pdf, .svg oder .png) schreiben
                        und beenden
      --size BxH        Größe des PNG-Bilds in Pixeln (Vorgabe 3508x2480)
      --temperature K   Temperatur für die Farben der Kacheln (0 bis 6000)
      --trend EIGENSCHAFT
                        das Trendrelief (englischer Name eines Eintrags im Menü
                        Trends wie &quot;Atomic Radius&quot;, oder 0 bis 13)
  --export-graph DATEI --property EIGENSCHAFT
                        das Trenddiagramm in DATEI (.png, .svg oder .csv)
                        schreiben und beenden
  --export-data DATEI   alle Elementdaten in DATEI (.csv) schreiben und beenden
  --settings ORDNER     der Ordner der auralis.ini für die Exporte
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language: &apos;%1&apos; ist keine Sprache des Programms; verfügbar sind: %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  diese Sprache statt der in den Optionen gewählten oder der
                   des Systems verwenden; steht als Erstes, vor ORDNER oder
                   einem Export. Die Sprachen:
                   %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1 (Zahlenwert)</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicium</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenness</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
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
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Listenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>Nicht genügend Arbeitsspeicher für ein Bild mit %1 × %2 Pixeln</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: Der Name muss auf .pdf, .svg oder .png enden</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>Das Bitmap-Bild %1 ist zu groß (%2 x %3 Pixel; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>höchstens %1 Millionen</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 MB zum Dekodieren; höchstens %2 MB</translation>
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
        <translation>Sauer</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basisch</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>Amphoter</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>Kubisch, flächenzentriert</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Kubisch, raumzentriert</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboedrisch</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombisch</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoklin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Elektronenkonfiguration</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>Oxidationszahlen</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Kristallstruktur</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Säure-Base-Verhalten</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektronegativität</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Verdampfungsenthalpie</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Schmelzenthalpie</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Elektrische Leitfähigkeit</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (bei 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (bei 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Erste Ionisierungsenergie</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Atomvolumen</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Atomradius</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Kovalenzradius</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Synthetisch</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Atommasse</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>&amp;Siedepunkt</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>Sch&amp;melzpunkt</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Dichte</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>Elektro&amp;negativität</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>&amp;Verdampfungsenthalpie</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>Schmelzent&amp;halpie</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>&amp;Elektrische Leitfähigkeit</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>&amp;Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>Spezifische Wärme</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>S&amp;pezifische Wärme</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>Erste &amp;Ionisierungsenergie</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>Atomv&amp;olumen</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>Atom&amp;radius</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Kova&amp;lenzradius</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Auralis-Hilfe</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Metalle</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Nichtmetalle</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Halbmetalle</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>Feststoffe</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>Flüssigkeiten</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>Gase</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Unbestimmt</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>geschätzt</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>vorhergesagt</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>ein Wert aus einem Bereich: er hängt von der Probe ab</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>für die flüssige Phase</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>für die feste Phase</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>für die Gasphase</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>Über Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Entworfen und entwickelt von:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Die Auralis-Entwickler</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Die Auralis-Entwickler. Lizenziert unter der GNU GPL, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis ist zum Lernen und Nachschlagen gedacht. Die Elementdaten wurden sorgfältig zusammengestellt, können aber Fehler enthalten oder veraltet sein; prüfen Sie jeden wichtigen Wert an einer Primärquelle, bevor Sie sich darauf verlassen. Das Programm wird bereitgestellt, wie es ist, ohne jegliche Gewährleistung.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
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
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Elementinfo</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Element suchen</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Temperatur ändern</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Trenddiagramm</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Temperaturregler</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>Halbmetall</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>synthetisch</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>fest bei %1 K</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>flüssig bei %1 K</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>gasförmig bei %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>Einstellungen &amp;jetzt &amp;speichern</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Einstellungen beim B&amp;eenden speichern</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>D&amp;aten exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>&amp;Elementinfo im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>&amp;Trenddiagramm im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>&amp;Namensschema</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - &amp;Anerkannt</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - &amp;Vorläufig</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - &amp;Empfohlen</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>A&amp;CS - Empfohlen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>&amp;Element</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>Element &amp;suchen...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>&amp;Temperatur einstellen...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>Element&amp;informationen</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Trends</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>&amp;Trenddiagramm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>Ü&amp;ber Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Elementinformationen</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>&amp;Temperatur ändern...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>&amp;Farben einstellen...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Farben der Elemente und der Tabelle einstellen</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Fenster Elementinformationen</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Ein Element nach Masse, Größe und anderen Eigenschaften suchen</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Die aktuelle Temperatur in Kelvin, Celsius oder Fahrenheit einstellen</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Periodische Trends als Diagramm zeigen</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Hilfe zu Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>Über Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Bitte sorgfältig lesen</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Farben - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Da Sie nicht die Standard-3D-Farbe verwenden, sollten Sie die Farben so einstellen, dass alle Texte des Programms lesbar bleiben.</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Periodensystem - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>PDF-Dokument (*.pdf);;SVG-Bild (*.svg);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: Der Name muss auf .pdf, .svg oder .png enden</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Drucken - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Hier doppelklicken, um die Farben einzustellen</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>E&amp;lemente 110 bis 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Gehe zu: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Gehe zu: %1 → kein Element</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Elementinformationen</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Wird verarbeitet</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Element suchen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Symbol</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Eigenschaft</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Geben Sie einen Teil des gesuchten Symbols ein und/oder suchen Sie das genaue Symbol in der Liste:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Geben Sie einen Teil des gesuchten Namens ein und/oder suchen Sie den genauen Namen in der Liste:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Wählen Sie unten in der Liste eine der verfügbaren Eigenschaften und grenzen Sie die Suche über den Bereich ein:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>&amp;Untergrenze:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>O&amp;bergrenze:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ak&amp;tualisieren</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Elemente mit einem Wert</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Trenddiagramm - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Eigenschaft</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>Symbolpositionen an&amp;zeigen</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>&amp;Hilfe zu Trends</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>Ü&amp;ber Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>Schmelzent&amp;halpie</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>Symbolpositionen an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>Element&amp;informationen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1: Der Name muss auf .png, .svg oder .csv enden</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Trenddiagramm - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg);;Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Trenddiagramm</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Element unter der Maus</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>Bitmap-Dateien (*.bmp);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Hintergrund&amp;farbe</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Aktuelle &amp;Windows-Einstellung verwenden</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>&amp;Silberne (graue) Farbe verwenden</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>Zum Wählen einer Farbe unten &amp;klicken</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Metalle</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;Nichtmetalle</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>Hal&amp;bmetalle</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>F&amp;eststoffe</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>F&amp;lüssigkeiten</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>&amp;Gase</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>&amp;Unbestimmt</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>S&amp;ichere Farben</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Sieben Klassenfarben, die auch bei Farbenblindheit unterscheidbar bleiben</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Elementinfo</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Klicken Sie unten auf den gewünschten Teil (Symbol, Name, Ordnungszahl, Eigenschaft, Wert), um seine Farbe im Fenster Elementinformationen zu ändern:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>S&amp;tandardfarben verwenden</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Trenddiagramm</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Klicken Sie unten auf den gewünschten Teil (Wert, Achse, Kurve, Elementposition), um seine Farbe im Fenster Trenddiagramm zu ändern:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Diagrammhintergrund</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Senkrechte Achse</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Waagerechte Achse</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Elementposition</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Wählen Sie die Sprache der Menüs, Fenster, Meldungen, Elementnamen und der Hilfe:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>Die hier gewählte Sprache wirkt ab dem nächsten Start von Auralis.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Um die Temperatur in einer anderen Einheit einzugeben, klicken Sie oben auf die gewünschte Registerkarte.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Temperatur einstellen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Bitte geben Sie die gewünschte Temperatur in Kelvin im Bereich von 0.00 bis 6000.00 ein. Höchstens 2 Nachkommastellen werden übernommen:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Bitte geben Sie die gewünschte Temperatur in Grad Celsius im Bereich von -273.15 bis 5726.85 ein. Höchstens 2 Nachkommastellen werden übernommen:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Bitte geben Sie die gewünschte Temperatur in Grad Fahrenheit im Bereich von -459.67 bis 10340.33 ein. Höchstens 2 Nachkommastellen werden übernommen:</translation>
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
        <translation>Entworfen und entwickelt von:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Die Auralis-Entwickler</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 Die Auralis-Entwickler</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
