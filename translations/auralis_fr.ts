<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Choosers</name>
    <message>
        <source>Export Options</source>
        <translation>Options d&apos;exportation</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 paysage</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 paysage</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>&amp;Page&#xa0;:</translation>
    </message>
    <message>
        <source>Include the &amp;background picture</source>
        <translation>Inclure l&apos;&amp;image de fond</translation>
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
        <translation>Utilisation : auralis [DOSSIER-CONFIG]
              auralis --export-table FICHIER ...
              auralis --export-graph FICHIER ...
              auralis --export-data FICHIER ...
              auralis --help | --version

Affiche le tableau périodique des éléments.

  DOSSIER-CONFIG   garder le fichier de paramètres auralis.ini dans ce dossier
                   existant ; toute la ligne de commande en donne le nom
                   (./--help est un dossier nommé « --help »)
  --help           afficher ce texte et quitter
  --version        afficher le nom et la version du programme et quitter

Exportations, faites sans fenêtre ni écran :
</translation>
    </message>
    <message>
        <source>
Without a folder, an installed program keeps its settings in
$XDG_CONFIG_HOME/Auralis (normally ~/.config/Auralis); a program run from its
build or unpacked folder keeps them beside itself when it can write there.
</source>
        <translation>
Sans dossier, un programme installé garde ses paramètres dans
$XDG_CONFIG_HOME/Auralis (normalement ~/.config/Auralis) ; un programme lancé
depuis son dossier de compilation ou de décompression les garde à côté de lui
s&apos;il peut y écrire.
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size WIDTHxHEIGHT of 16 to %2 pixels</source>
        <translation>--size : « %1 » n&apos;est pas une taille LARGEURxHAUTEUR de 16 à %2 pixels</translation>
    </message>
    <message>
        <source>--temperature: &apos;%1&apos; is not a temperature of 0 to 6000 K</source>
        <translation>--temperature : « %1 » n&apos;est pas une température de 0 à 6000 K</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no trend property (a name as on the Trends menu, or 0 to 13)</source>
        <translation>%1 : « %2 » n&apos;est pas une propriété (nom anglais du menu Tendances, ou 0 à 13)</translation>
    </message>
    <message>
        <source>--settings: &apos;%1&apos; is not a folder</source>
        <translation>--settings : « %1 » n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>give one of --export-table, --export-graph, --export-data</source>
        <translation>indiquez une option parmi --export-table, --export-graph, --export-data</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>%1: the name must end in %2</source>
        <translation>%1 : le nom doit se terminer par %2</translation>
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
        <translation>--temperature et --trend s&apos;emploient avec --export-table</translation>
    </message>
    <message>
        <source>--property belongs to --export-graph</source>
        <translation>--property s&apos;emploie avec --export-graph</translation>
    </message>
    <message>
        <source>--export-graph needs --property PROPERTY</source>
        <translation>--export-graph demande --property PROPRIÉTÉ</translation>
    </message>
    <message>
        <source>--size does not belong to --export-data</source>
        <translation>--size ne s&apos;emploie pas avec --export-data</translation>
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
        <translation>  --export-table FICHIER  écrire le tableau dans FICHIER (.pdf, .svg ou .png)
                          et quitter
      --size LxH          la taille du PNG en pixels (3508x2480 par défaut)
      --temperature K     la température des couleurs des cases (0 à 6000)
      --trend PROPRIÉTÉ   le relief de tendance (le nom anglais d&apos;une entrée
                          du menu Tendances, ou 0 à 13)
  --export-graph FICHIER --property PROPRIÉTÉ
                          écrire le graphe des tendances dans FICHIER (.png,
                          .svg ou .csv) et quitter
  --export-data FICHIER   écrire toutes les données des éléments dans FICHIER
                          (.csv) et quitter
  --settings DOSSIER      le dossier d&apos;auralis.ini pour les exportations
</translation>
    </message>
    <message>
        <source>--language: &apos;%1&apos; is not a language of the program; the languages are: %2</source>
        <translation>--language : « %1 » n&apos;est pas une langue du programme ; les langues disponibles sont : %2</translation>
    </message>
    <message>
        <source>
  --language CODE  use this language instead of the one chosen in Options
                   or the system&apos;s; it comes first, before a settings folder
                   or an export. The languages:
                   %1
</source>
        <translation>
  --language CODE  utiliser cette langue au lieu de celle choisie dans les
                   Options ou de celle du système ; elle vient en premier,
                   avant DOSSIER-CONFIG ou une exportation. Les langues :
                   %1
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>%1 value</source>
        <translation>%1 (valeur)</translation>
    </message>
    <message>
        <source>Atomic Number</source>
        <translation>Numéro atomique</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
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
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassium</translation>
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
        <translation>Titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
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
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
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
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brome</translation>
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
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technétium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthénium</translation>
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
        <translation>Argent</translation>
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
        <translation>Étain</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellure</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prométhium</translation>
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
        <translation>Lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantale</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhénium</translation>
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
        <translation>Platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astate</translation>
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
        <translation>Uranium</translation>
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
        <translation>Américium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkélium</translation>
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
        <translation>Mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélium</translation>
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
        <translation>Meitnérium</translation>
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
        <translation>Flérovium</translation>
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
        <translation>Tennesse</translation>
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
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <translation>Lanthanides</translation>
    </message>
    <message>
        <source>Actinides</source>
        <translation>Actinides</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Période %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Indice de liste hors limites</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 × %2 pixels</source>
        <translation>Mémoire insuffisante pour une image de %1 × %2 pixels</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1&#xa0;: le nom doit se terminer par .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Impossible de démarrer l&apos;imprimante</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Bitmap image %1 is too large (%2 x %3 pixels; %4)</source>
        <translation>L&apos;image bitmap %1 est trop grande (%2 x %3 pixels&#xa0;; %4)</translation>
    </message>
    <message>
        <source>at most %1 million</source>
        <translation>au plus %1 millions</translation>
    </message>
    <message>
        <source>%1 MB to decode; at most %2 MB</source>
        <translation>%1 Mo à décoder&#xa0;; au plus %2 Mo</translation>
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
        <translation>Acide</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basique</translation>
    </message>
    <message>
        <source>Amphoteric</source>
        <translation>Amphotère</translation>
    </message>
    <message>
        <source>Cubic, face centered</source>
        <translation>Cubique à faces centrées</translation>
    </message>
    <message>
        <source>Cubic, body centered</source>
        <translation>Cubique centré</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubique</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboédrique</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tétragonal</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombique</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclinique</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>Boiling Point</source>
        <translation>Température d&apos;ébullition</translation>
    </message>
    <message>
        <source>Melting Point</source>
        <translation>Température de fusion</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Electron Configuration</source>
        <translation>Configuration électronique</translation>
    </message>
    <message>
        <source>Oxidation States</source>
        <translation>États d&apos;oxydation</translation>
    </message>
    <message>
        <source>Crystal Structure</source>
        <translation>Structure cristalline</translation>
    </message>
    <message>
        <source>Acid/Base Properties</source>
        <translation>Propriétés acido-basiques</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Électronégativité</translation>
    </message>
    <message>
        <source>Heat of Vaporization</source>
        <translation>Enthalpie de vaporisation</translation>
    </message>
    <message>
        <source>Heat of Fusion</source>
        <translation>Enthalpie de fusion</translation>
    </message>
    <message>
        <source>Electrical Conductivity</source>
        <translation>Conductivité électrique</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>Wm-¹K-¹ (at 300 K)</source>
        <translation>Wm-¹K-¹ (à 300 K)</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacité thermique massique</translation>
    </message>
    <message>
        <source>Jg-¹K-¹ (at 300 K)</source>
        <translation>Jg-¹K-¹ (à 300 K)</translation>
    </message>
    <message>
        <source>First Ionization Potential</source>
        <translation>Première énergie d&apos;ionisation</translation>
    </message>
    <message>
        <source>Atomic Volume</source>
        <translation>Volume atomique</translation>
    </message>
    <message>
        <source>Atomic Radius</source>
        <translation>Rayon atomique</translation>
    </message>
    <message>
        <source>Covalent Radius</source>
        <translation>Rayon covalent</translation>
    </message>
    <message>
        <source>Synthetic</source>
        <translation>Synthétique</translation>
    </message>
    <message>
        <source>Atomic &amp;Weight</source>
        <translation>&amp;Masse atomique</translation>
    </message>
    <message>
        <source>&amp;Boiling Point</source>
        <translation>Température d&apos;é&amp;bullition</translation>
    </message>
    <message>
        <source>&amp;Melting Point</source>
        <translation>Température de &amp;fusion</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>Masse vol&amp;umique</translation>
    </message>
    <message>
        <source>Electro&amp;negativity</source>
        <translation>Électro&amp;négativité</translation>
    </message>
    <message>
        <source>Heat of &amp;Vaporization</source>
        <translation>Enthalpie de &amp;vaporisation</translation>
    </message>
    <message>
        <source>&amp;Heat of Fusion</source>
        <translation>&amp;Enthalpie de fusion</translation>
    </message>
    <message>
        <source>&amp;Electrical Conductivity</source>
        <translation>Conductivité é&amp;lectrique</translation>
    </message>
    <message>
        <source>&amp;Thermal Conductivity</source>
        <translation>Conductivité &amp;thermique</translation>
    </message>
    <message>
        <source>Specific Heat</source>
        <translation>Chaleur massique</translation>
    </message>
    <message>
        <source>&amp;Specific Heat</source>
        <translation>C&amp;haleur massique</translation>
    </message>
    <message>
        <source>&amp;First Ionization Potential</source>
        <translation>Première énergie d&apos;&amp;ionisation</translation>
    </message>
    <message>
        <source>Atomic &amp;Volume</source>
        <translation>&amp;Volume atomique</translation>
    </message>
    <message>
        <source>Atomic &amp;Radius</source>
        <translation>Ra&amp;yon atomique</translation>
    </message>
    <message>
        <source>&amp;Covalent Radius</source>
        <translation>Rayon &amp;covalent</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot open the help file %1 (%2).</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1 (%2).</translation>
    </message>
    <message>
        <source>Auralis Help</source>
        <translation>Aide d&apos;Auralis</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Metals</source>
        <translation>Métaux</translation>
    </message>
    <message>
        <source>Nonmetals</source>
        <translation>Non-métaux</translation>
    </message>
    <message>
        <source>Semimetals</source>
        <translation>Semi-métaux</translation>
    </message>
    <message>
        <source>Solids</source>
        <translation>Solides</translation>
    </message>
    <message>
        <source>Liquids</source>
        <translation>Liquides</translation>
    </message>
    <message>
        <source>Gases</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Indéfini</translation>
    </message>
</context>
<context>
    <name>Provenance</name>
    <message>
        <source>estimated</source>
        <translation>valeur estimée</translation>
    </message>
    <message>
        <source>calculated</source>
        <translation>valeur calculée</translation>
    </message>
    <message>
        <source>predicted</source>
        <translation>valeur prédite</translation>
    </message>
    <message>
        <source>one value of a range: it depends on the sample</source>
        <translation>une valeur d&apos;une plage&#xa0;: elle dépend de l&apos;échantillon</translation>
    </message>
    <message>
        <source>for the liquid</source>
        <translation>pour le liquide</translation>
    </message>
    <message>
        <source>for the solid</source>
        <translation>pour le solide</translation>
    </message>
    <message>
        <source>for the gas</source>
        <translation>pour le gaz</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Auralis   </source>
        <translation>À propos d&apos;Auralis   </translation>
    </message>
    <message>
        <source>Designed and created by:</source>
        <translation>Conçu et réalisé par&#xa0;:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Les développeurs d&apos;Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers. Licensed under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Les développeurs d&apos;Auralis. Sous licence GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Auralis is meant for study and reference. The element data were compiled with care but may contain errors or be out of date; check any value that matters against a primary source before relying on it. The program is provided as is, without warranty of any kind.</source>
        <translation>Auralis est fait pour l&apos;étude et la consultation. Les données des éléments ont été réunies avec soin mais peuvent contenir des erreurs ou ne plus être à jour&#xa0;; vérifiez toute valeur importante dans une source primaire avant de vous y fier. Le programme est fourni tel quel, sans garantie d&apos;aucune sorte.</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web&#xa0;:</translation>
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
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Infos sur l&apos;élément</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Rechercher un élément</translation>
    </message>
    <message>
        <source>Change Temperature</source>
        <translation>Changer la température</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Graphe des tendances</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Temperature Slider</source>
        <translation>Curseur de température</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>metal</source>
        <translation>métal</translation>
    </message>
    <message>
        <source>nonmetal</source>
        <translation>non-métal</translation>
    </message>
    <message>
        <source>semimetal</source>
        <translation>semi-métal</translation>
    </message>
    <message>
        <source>synthetic</source>
        <translation>synthétique</translation>
    </message>
    <message>
        <source>solid at %1 K</source>
        <translation>solide à %1 K</translation>
    </message>
    <message>
        <source>liquid at %1 K</source>
        <translation>liquide à %1 K</translation>
    </message>
    <message>
        <source>gas at %1 K</source>
        <translation>gaz à %1 K</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Config &amp;Now</source>
        <translation>&amp;Enregistrer la configuration mai&amp;ntenant</translation>
    </message>
    <message>
        <source>Save Config On &amp;Exit</source>
        <translation>Enregistrer la configuration à &amp;la sortie</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exporter le &amp;tableau...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exporter les &amp;données...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d&apos;ou&amp;tils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Element Info On Top</source>
        <translation>Infos sur l&apos;é&amp;lément au premier plan</translation>
    </message>
    <message>
        <source>&amp;Trends Graph On Top</source>
        <translation>Graphe des &amp;tendances au premier plan</translation>
    </message>
    <message>
        <source>&amp;Naming Scheme</source>
        <translation>&amp;Nomenclature</translation>
    </message>
    <message>
        <source>IUPAC - Appr&amp;oved</source>
        <translation>UICPA - appr&amp;ouvée</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Provisional</source>
        <translation>UICPA - &amp;provisoire</translation>
    </message>
    <message>
        <source>IUPAC - &amp;Recommended</source>
        <translation>UICPA - &amp;recommandée</translation>
    </message>
    <message>
        <source>&amp;ACS - Recommended</source>
        <translation>&amp;ACS - recommandée</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Element</source>
        <translation>É&amp;lément</translation>
    </message>
    <message>
        <source>&amp;Find Element...</source>
        <translation>&amp;Rechercher un élément...</translation>
    </message>
    <message>
        <source>Set &amp;Temperature...</source>
        <translation>Régler la &amp;température...</translation>
    </message>
    <message>
        <source>Element &amp;Information</source>
        <translation>Informations &amp;sur l&apos;élément</translation>
    </message>
    <message>
        <source>&amp;Trends</source>
        <translation>&amp;Tendances</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Aucu&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Graph Trends</source>
        <translation>&amp;Graphe des tendances</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help &amp;Contents</source>
        <translation>&amp;Contenu de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>À propos d&apos;&amp;Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>Informations sur l&apos;é&amp;lément</translation>
    </message>
    <message>
        <source>Change &amp;Temperature...</source>
        <translation>Changer la &amp;température...</translation>
    </message>
    <message>
        <source>Setup &amp;Colours...</source>
        <translation>Régler les &amp;couleurs...</translation>
    </message>
    <message>
        <source>Setup element and table colors</source>
        <translation>Régler les couleurs des éléments et du tableau</translation>
    </message>
    <message>
        <source>Element Information Window</source>
        <translation>Fenêtre Informations sur l&apos;élément</translation>
    </message>
    <message>
        <source>Find an element in terms of weight, size, and others</source>
        <translation>Rechercher un élément par sa masse, sa taille ou d&apos;autres propriétés</translation>
    </message>
    <message>
        <source>Set the current temperature in Kelvin, Celcius or Farenheit</source>
        <translation>Régler la température en kelvins, degrés Celsius ou degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Graph periodic trends</source>
        <translation>Tracer le graphe des tendances périodiques</translation>
    </message>
    <message>
        <source>Help on Auralis   </source>
        <translation>Aide sur Auralis   </translation>
    </message>
    <message>
        <source>About Auralis   </source>
        <translation>À propos d&apos;Auralis   </translation>
    </message>
    <message>
        <source>Please Read Carefully</source>
        <translation>Veuillez lire attentivement</translation>
    </message>
    <message>
        <source>Colours - Auralis</source>
        <translation>Couleurs - Auralis</translation>
    </message>
    <message>
        <source>Because you are not using the standard 3D colour, you should adjust the colour setup to make sure that all application text will appear readable)</source>
        <translation>Comme vous n&apos;utilisez pas la couleur 3D standard, réglez les couleurs pour que tous les textes du programme restent lisibles.</translation>
    </message>
    <message>
        <source>Periodic table - Auralis</source>
        <translation>Tableau périodique - Auralis</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>PDF document (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Document PDF (*.pdf);;Image SVG (*.svg);;Image PNG (*.png)</translation>
    </message>
    <message>
        <source>%1: the name must end in .pdf, .svg or .png</source>
        <translation>%1&#xa0;: le nom doit se terminer par .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Print - Auralis</source>
        <translation>Impression - Auralis</translation>
    </message>
    <message>
        <source>Double-click here to setup colors</source>
        <translation>Double-cliquez ici pour régler les couleurs</translation>
    </message>
    <message>
        <source>E&amp;lements 110 to 118</source>
        <translation>Élé&amp;ments 110 à 118</translation>
    </message>
    <message>
        <source>Go to: %1 → %2 %3</source>
        <translation>Aller à&#xa0;: %1 → %2 %3</translation>
    </message>
    <message>
        <source>Go to: %1 → no element</source>
        <translation>Aller à&#xa0;: %1 → aucun élément</translation>
    </message>
</context>
<context>
    <name>TfrmElementInfo</name>
    <message>
        <source>%1 - Element Information</source>
        <translation>%1 - Informations sur l&apos;élément</translation>
    </message>
    <message>
        <source>Copy &amp;All Info</source>
        <translation>Copier &amp;tout</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TfrmFindElement</name>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Find Element</source>
        <translation>Rechercher un élément</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Symbol</source>
        <translation>&amp;Symbole</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propriété</translation>
    </message>
    <message>
        <source>Type the partial symbol of the element you wish to search for, and/or browse through the list for the exact symbol name:</source>
        <translation>Tapez une partie du symbole de l&apos;élément cherché et/ou parcourez la liste pour trouver le symbole exact&#xa0;:</translation>
    </message>
    <message>
        <source>Type the partial name of the element you wish to search for, and/or browse through the list for the exact name:</source>
        <translation>Tapez une partie du nom de l&apos;élément cherché et/ou parcourez la liste pour trouver le nom exact&#xa0;:</translation>
    </message>
    <message>
        <source>Choose among the different properties available from the list box below, and narrow your search by editing the range:</source>
        <translation>Choisissez une propriété dans la liste ci-dessous, puis affinez la recherche en modifiant l&apos;intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lower limit:</source>
        <translation>Limite &amp;inférieure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Upper limit:</source>
        <translation>Limite s&amp;upérieure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Elements with a value</source>
        <translation>Éléments ayant une valeur</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Trend Graph - Auralis</source>
        <translation>Graphe des tendances - Auralis</translation>
    </message>
    <message>
        <source>&amp;Property</source>
        <translation>&amp;Propriété</translation>
    </message>
    <message>
        <source>Sho&amp;w Symbol Positions</source>
        <translation>&amp;Montrer la position des symboles</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Cop&amp;y</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Help On Trends</source>
        <translation>Aid&amp;e sur les tendances</translation>
    </message>
    <message>
        <source>&amp;About Auralis   ...</source>
        <translation>À propos d&apos;&amp;Auralis   ...</translation>
    </message>
    <message>
        <source>&amp;Heat of Fustion</source>
        <translation>&amp;Enthalpie de fusion</translation>
    </message>
    <message>
        <source>&amp;Show Symbol Positions</source>
        <translation>Montrer la position des &amp;symboles</translation>
    </message>
    <message>
        <source>&amp;Element Information</source>
        <translation>Informations sur l&apos;é&amp;lément</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .csv</source>
        <translation>%1&#xa0;: le nom doit se terminer par .png, .svg ou .csv</translation>
    </message>
    <message>
        <source>Trend graph - Auralis</source>
        <translation>Graphe des tendances - Auralis</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exporter le graphe</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg);;Comma-separated values (*.csv)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg);;Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Trend graph</source>
        <translation>Graphe des tendances</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Element under the mouse</source>
        <translation>Élément sous la souris</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Bitmap Files (*.bmp);;All Files (*.*)</source>
        <translation>Fichiers bitmap (*.bmp);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Background Colour</source>
        <translation>Couleur de &amp;fond</translation>
    </message>
    <message>
        <source>Use the current &amp;Windows setting</source>
        <translation>Utiliser le réglage actuel du &amp;bureau</translation>
    </message>
    <message>
        <source>Use the &amp;silver (grey) colour</source>
        <translation>Utiliser la couleur a&amp;rgent (gris)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Click on one of the below to choose its colour</source>
        <translation>&amp;Cliquez sur un bouton ci-dessous pour choisir sa couleur</translation>
    </message>
    <message>
        <source>&amp;Metals</source>
        <translation>&amp;Métaux</translation>
    </message>
    <message>
        <source>&amp;Nonmetals</source>
        <translation>&amp;Non-métaux</translation>
    </message>
    <message>
        <source>S&amp;emimetals</source>
        <translation>Semi-mé&amp;taux</translation>
    </message>
    <message>
        <source>Sol&amp;ids</source>
        <translation>&amp;Solides</translation>
    </message>
    <message>
        <source>&amp;Liquids</source>
        <translation>&amp;Liquides</translation>
    </message>
    <message>
        <source>&amp;Gases</source>
        <translation>&amp;Gaz</translation>
    </message>
    <message>
        <source>&amp;Undefined</source>
        <translation>&amp;Indéfini</translation>
    </message>
    <message>
        <source>Sa&amp;fe colours</source>
        <translation>Pour &amp;daltoniens</translation>
    </message>
    <message>
        <source>Seven class colours that stay apart for colour-blind eyes</source>
        <translation>Sept couleurs de classe qui restent distinctes pour les daltoniens</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Element Info</source>
        <translation>Infos sur l&apos;élément</translation>
    </message>
    <message>
        <source>Click on the desired section below (symbol, name, number, property, value) to change its display colour in the Element Information window:</source>
        <translation>Cliquez sur la partie voulue ci-dessous (symbole, nom, numéro, propriété, valeur) pour changer sa couleur dans la fenêtre Informations sur l&apos;élément&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Use default colours</source>
        <translation>&amp;Utiliser les couleurs par défaut</translation>
    </message>
    <message>
        <source>Graph Trends</source>
        <translation>Graphe des tendances</translation>
    </message>
    <message>
        <source>Click on the desired section below (value, axis, plot, element position) to change its display colour in the Trends Graph window:</source>
        <translation>Cliquez sur la partie voulue ci-dessous (valeur, axe, courbe, position des éléments) pour changer sa couleur dans la fenêtre Graphe des tendances&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Graph background</source>
        <translation>Fond du graphe</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Axe vertical</translation>
    </message>
    <message>
        <source>Horizontal axis</source>
        <translation>Axe horizontal</translation>
    </message>
    <message>
        <source>Plot line</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Element position</source>
        <translation>Position des éléments</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Choose the language of the menus, windows, messages, element names and help:</source>
        <translation>Choisissez la langue des menus, des fenêtres, des messages, des noms d&apos;éléments et de l&apos;aide&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Follow the system</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>The language chosen here takes effect the next time Auralis starts.</source>
        <translation>La langue choisie ici prend effet au prochain démarrage d&apos;Auralis.</translation>
    </message>
</context>
<context>
    <name>TfrmSetTemperature</name>
    <message>
        <source>In order to input temperature in a different unit, click on the desired tab above.</source>
        <translation>Pour saisir la température dans une autre unité, cliquez sur l&apos;onglet voulu ci-dessus.</translation>
    </message>
    <message>
        <source>Set Temperature</source>
        <translation>Régler la température</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Kelvin from the range of 0.00 to 6000.00. A maximum of 2 decimal places will be preserved:</source>
        <translation>Tapez la température voulue en kelvins, de 0.00 à 6000.00. Au plus 2 décimales seront conservées&#xa0;:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Celsius from the range of -273.15 to 5726.85. A maximum of 2 decimal places will be preserved:</source>
        <translation>Tapez la température voulue en degrés Celsius, de -273.15 à 5726.85. Au plus 2 décimales seront conservées&#xa0;:</translation>
    </message>
    <message>
        <source>Please type the desired temperature in Fahrenheit from the range of -459.67 to 10340.33. A maximum of 2 decimal places will be preserved:</source>
        <translation>Tapez la température voulue en degrés Fahrenheit, de -459.67 à 10340.33. Au plus 2 décimales seront conservées&#xa0;:</translation>
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
        <translation>Conçu et réalisé par&#xa0;:</translation>
    </message>
    <message>
        <source>The Auralis developers</source>
        <translation>Les développeurs d&apos;Auralis</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Auralis developers</source>
        <translation>Copyright © 2026 Les développeurs d&apos;Auralis</translation>
    </message>
</context>
<context>
    <name>ToolDialog</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
