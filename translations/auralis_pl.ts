<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Opcje eksportu</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Szerokość:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Wysokość:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 poziomo</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 poziomo</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Format strony:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Dołącz obraz &amp;tła</translation>
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
        <translation>Użycie:
  auralis [KATALOG-USTAWIEŃ]
  auralis --export-table PLIK | --export-graph PLIK | --export-data PLIK ...
  auralis --help | --version

Pokazuje układ okresowy pierwiastków.

  KATALOG-USTAWIEŃ  trzyma plik ustawień auralis.ini w tym istniejącym
                    katalogu; jego nazwą jest cały wiersz poleceń (./--help
                    to katalog o nazwie „--help”)
  --help            wypisuje ten tekst i kończy pracę
  --version         wypisuje nazwę i wersję programu i kończy pracę

Eksporty, zapisywane bez okna i bez ekranu:
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Bez podanego katalogu zainstalowany program trzyma ustawienia w katalogu
$XDG_CONFIG_HOME/Auralis (zwykle ~/.config/Auralis); program uruchomiony
z katalogu kompilacji lub rozpakowania trzyma je obok siebie, o ile może
tam zapisywać.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size: „%1” nie jest rozmiarem SZERxWYS od 16 do %2 pikseli</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature: „%1” nie jest temperaturą od 0 do 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1: „%2” nie jest właściwością trendu (angielska nazwa z menu lub 0 do 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings: „%1” nie jest katalogiem</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>podaj jedną z opcji --export-table, --export-graph, --export-data</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1: nazwa musi się kończyć na %2</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg lub .png</translation>
    </message>
    <message>
        <source>.png, .svg or .csv</source>
        <translation>.png, .svg lub .csv</translation>
    </message>
    <message>
        <source>--temperature and --trend belong to --export-table</source>
        <translation>--temperature i --trend dotyczą tylko --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property dotyczy tylko --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph wymaga --property WŁAŚCIWOŚĆ</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size nie dotyczy --export-data</translation>
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
        <translation>  --export-table PLIK     zapisuje tablicę w pliku PLIK (.pdf, .svg lub .png)
                          i kończy pracę
      --size SZERxWYS     rozmiar PNG w pikselach (domyślnie 3508x2480)
      --temperature K     temperatura, dla której barwione są kafelki
                          (od 0 do 6000)
      --trend WŁAŚCIWOŚĆ  relief trendu (angielska nazwa z menu, np.
                          „Atomic Radius”, lub liczba od 0 do 13)
  --export-graph PLIK --property WŁAŚCIWOŚĆ
                          zapisuje wykres trendu w pliku PLIK (.png, .svg
                          lub .csv) i kończy pracę
  --export-data PLIK      zapisuje dane wszystkich pierwiastków w pliku PLIK
                          (.csv) i kończy pracę
  --settings KATALOG      katalog pliku auralis.ini dla eksportów
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language: „%1” nie jest językiem programu; dostępne języki: %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language KOD    używa tego języka zamiast wybranego w Opcjach lub języka
                    systemu; stoi na początku, przed KATALOGIEM-USTAWIEŃ lub
                    eksportem. Języki:
                    %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1 (wartość)</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Liczba atomowa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wodór</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hel</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lit</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryl</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Węgiel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azot</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Tlen</translation>
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
        <translation>Sód</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnez</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Glin</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Krzem</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Siarka</translation>
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
        <translation>Potas</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Wapń</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Skand</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Tytan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Wanad</translation>
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
        <translation>Żelazo</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikiel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Miedź</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Cynk</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>German</translation>
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
        <translation>Rubid</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stront</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itr</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Cyrkon</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibden</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technet</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruten</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Pallad</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebro</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Kadm</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Ind</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Cyna</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antymon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Jod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Ksenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cez</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Prazeodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promet</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samar</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europ</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolin</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terb</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysproz</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holm</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erb</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tul</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterb</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutet</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafn</translation>
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
        <translation>Ren</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osm</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iryd</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platyna</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoto</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Rtęć</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Ołów</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bizmut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polon</translation>
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
        <translation>Frans</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Aktyn</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protaktyn</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Ameryk</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Kiur</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkel</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Kaliforn</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstein</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Ferm</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelew</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobel</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lorens</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherford</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubn</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborg</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohr</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Has</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitner</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmsztadt</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgen</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Kopernik</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihon</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerow</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moskow</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Liwermor</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tenes</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganeson</translation>
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
        <translation>Grupa %1</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lantanowce</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Aktynowce</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Okres %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1” nie jest prawidłową liczbą zmiennoprzecinkową</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Indeks listy poza zakresem</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>Za mało pamięci na obraz o wymiarach %1 × %2 pikseli</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: nazwa musi się kończyć na .pdf, .svg lub .png</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Nie udało się uruchomić drukarki</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz bitmapowy jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>Obraz bitmapowy %1 jest za duży (%2 x %3 pikseli; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>najwyżej %1 mln</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 MB do zdekodowania; najwyżej %2 MB</translation>
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
        <translation>Kwasowy</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Zasadowy</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>Amfoteryczny</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>Regularna, ściennie centrowana</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Regularna, przestrzennie centrowana</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Regularna</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Heksagonalna</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboedryczna</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonalna</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Rombowa</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Jednoskośna</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masa atomowa</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Temperatura wrzenia</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Temperatura topnienia</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Konfiguracja elektronowa</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>Stopnie utlenienia</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Struktura krystaliczna</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Charakter kwasowo-zasadowy</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektroujemność</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Ciepło parowania</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Ciepło topnienia</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Przewodność elektryczna</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Przewodność cieplna</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (w 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Ciepło właściwe</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (w 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Pierwszy potencjał jonizacji</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Objętość atomowa</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Promień atomowy</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Promień kowalencyjny</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Syntetyczny</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Masa atomowa</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>Temperatura &amp;wrzenia</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>&amp;Temperatura topnienia</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Gęstość</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>Elektro&amp;ujemność</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>Ciepło pa&amp;rowania</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>Ciepło top&amp;nienia</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>Przewo&amp;dność elektryczna</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>&amp;Przewodność cieplna</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>Ciepło właściwe</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>&amp;Ciepło właściwe</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>Pierwszy potencjał &amp;jonizacji</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>&amp;Objętość atomowa</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>Promień &amp;atomowy</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Promień kowa&amp;lencyjny</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
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
        <translation>Nie można otworzyć pliku pomocy %1 (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Pomoc programu Auralis</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Metale</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Niemetale</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Półmetale</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>Ciała stałe</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>Ciecze</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>Gazy</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Nieokreślone</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>wartość szacunkowa</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>wartość obliczona</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>wartość przewidywana</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>jedna wartość z zakresu: zależy od próbki</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>dla cieczy</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>dla ciała stałego</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>dla gazu</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>O programie Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Projekt i wykonanie:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Twórcy programu Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Twórcy programu Auralis. Licencja GNU GPL w wersji 3 lub późniejszej.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis służy do nauki i jako pomoc podręczna. Dane pierwiastków zebrano starannie, ale mogą zawierać błędy lub być nieaktualne; zanim oprzesz się na ważnej wartości, sprawdź ją w źródle pierwotnym. Program jest dostarczany w stanie, w jakim jest, bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>WWW:</translation>
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
        <translation>Układ okresowy</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Znajdź pierwiastek</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Zmień temperaturę</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Wykres trendów</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Suwak temperatury</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
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
        <translation>niemetal</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>półmetal</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>syntetyczny</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>ciało stałe w %1 K</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>ciecz w %1 K</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>gaz w %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>&amp;Zapisz ustawienia &amp;teraz</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Zapisuj ustawienia przy &amp;wyjściu</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Eksportuj tablicę...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Eksportuj d&amp;ane...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Pasek narzędzi</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>Okno &amp;informacji na wierzchu</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>Okno &amp;wykresu na wierzchu</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>Schemat &amp;nazewnictwa</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>IUPAC - &amp;zatwierdzone</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>IUPAC - &amp;tymczasowe</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>IUPAC - za&amp;lecane</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>&amp;ACS - zalecane</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>Pi&amp;erwiastek</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>&amp;Znajdź pierwiastek...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>Ustaw &amp;temperaturę...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>&amp;Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Trendy</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Brak</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>W&amp;ykres trendów</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Spis treści pomocy</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;O programie Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>Zmień &amp;temperaturę...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>Ustaw &amp;kolory...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Ustaw kolory pierwiastków i tablicy</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Okno informacji o pierwiastku</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Znajdź pierwiastek według masy, rozmiaru i innych właściwości</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Ustaw bieżącą temperaturę w kelwinach, stopniach Celsjusza lub Fahrenheita</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Wykres trendów w układzie okresowym</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Pomoc programu Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>O programie Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Przeczytaj uważnie</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Kolory - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Nie używasz standardowego koloru 3D, więc dostosuj ustawienia kolorów, aby cały tekst programu był czytelny.</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Układ okresowy - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Eksportuj tablicę</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Dokument PDF (*.pdf);;Obraz SVG (*.svg);;Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1: nazwa musi się kończyć na .pdf, .svg lub .png</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Eksportuj dane</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Wartości rozdzielane przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Drukowanie - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Kliknij dwukrotnie, aby ustawić kolory</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>Pi&amp;erwiastki od 110 do 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Przejdź do: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Przejdź do: %1 → brak pierwiastka</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>Kopiuj &amp;wszystkie informacje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Znajdź pierwiastek</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Symbol</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Właściwość</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Wpisz część symbolu szukanego pierwiastka lub wybierz dokładny symbol z listy:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Wpisz część nazwy szukanego pierwiastka lub wybierz dokładną nazwę z listy:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Wybierz jedną z właściwości z poniższej listy i zawęź wyszukiwanie, zmieniając zakres:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>&amp;Dolna granica:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>&amp;Górna granica:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Odśw&amp;ież</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Pierwiastki mające wartość</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Wykres trendów - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Właściwość</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>Pokaż pozycje &amp;symboli</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>&amp;Pomoc dotycząca trendów</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>&amp;O programie Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>Ciepło top&amp;nienia</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>&amp;Pokaż pozycje symboli</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>&amp;Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1: nazwa musi się kończyć na .png, .svg lub .csv</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Wykres trendów - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Eksportuj wykres</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>Obraz PNG (*.png);;Obraz SVG (*.svg);;Wartości rozdzielane przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Wykres trendów</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwość</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Pierwiastek pod wskaźnikiem myszy</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>Pliki bitmapowe (*.bmp);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Okno główne</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Kolor &amp;tła</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Użyj bieżącego ustawienia &amp;Windows</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>Użyj koloru &amp;srebrnego (szarego)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>&amp;Kliknij jeden z poniższych, aby wybrać jego kolor</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Metale</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;Niemetale</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>Półm&amp;etale</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>&amp;Ciała stałe</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>C&amp;iecze</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>&amp;Gazy</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>Nieok&amp;reślone</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>&amp;Bezpieczne kolory</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Siedem kolorów klas, które rozróżnią także daltoniści</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Przeglą&amp;daj...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Informacje o pierwiastku</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Kliknij wybraną część poniżej (symbol, nazwę, numer, właściwość, wartość), aby zmienić jej kolor w oknie Informacje o pierwiastku:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>&amp;Użyj domyślnych kolorów</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Wykres trendów</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Kliknij wybraną część poniżej (wartości, osie, wykres, pozycję pierwiastka), aby zmienić jej kolor w oknie Wykres trendów:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Tło wykresu</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Oś pionowa</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Oś pozioma</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Linia wykresu</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Pozycja pierwiastka</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Wybierz język menu, okien, komunikatów, nazw pierwiastków i pomocy:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Zgodnie z systemem</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>Wybrany tu język zacznie działać przy następnym uruchomieniu programu Auralis.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Aby wpisać temperaturę w innej jednostce, kliknij odpowiednią kartę powyżej.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Ustaw temperaturę</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Wpisz żądaną temperaturę w kelwinach z zakresu od 0.00 do 6000.00. Zachowane zostaną najwyżej 2 miejsca po przecinku:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Wpisz żądaną temperaturę w stopniach Celsjusza z zakresu od -273.15 do 5726.85. Zachowane zostaną najwyżej 2 miejsca po przecinku:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Wpisz żądaną temperaturę w stopniach Fahrenheita z zakresu od -459.67 do 10340.33. Zachowane zostaną najwyżej 2 miejsca po przecinku:</translation>
    </message>
    <message>
        <source>&amp;Kelvin</source>
        <translation>&amp;Kelwin</translation>
    </message>
    <message>
        <source>&amp;Celsius</source>
        <translation>&amp;Celsjusz</translation>
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
        <translation>Projekt i wykonanie:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Twórcy programu Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 Twórcy programu Auralis</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
