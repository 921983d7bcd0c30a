<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OS:</source>
        <translation>BS:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Copyright (C) Dranwick. All rights reserved.</source>
        <translation>Copyright (C) Dranwick. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Alkali Metal</source>
        <translation>Alkalimetall</translation>
    </message>
    <message>
        <source>Alkaline Earth</source>
        <translation>Erdalkalimetall</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halogen</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Halbmetall</translation>
    </message>
    <message>
        <source>Noble Gas</source>
        <translation>Edelgas</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Andere Metalle</translation>
    </message>
    <message>
        <source>Rare Earth</source>
        <translation>Seltene Erde</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Nebengruppe</translation>
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
        <source>Monoclinic</source>
        <translation>Monoklin</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombisch</translation>
    </message>
    <message>
        <source>Rhombohedra</source>
        <translation>Rhomboedrisch</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blackish</source>
        <translation>Schwärzlich</translation>
    </message>
    <message>
        <source>Bluish</source>
        <translation>Bläulich</translation>
    </message>
    <message>
        <source>Brownish</source>
        <translation>Bräunlich</translation>
    </message>
    <message>
        <source>Colorless</source>
        <translation>Farblos</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Grayish</source>
        <translation>Gräulich</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Greenish</source>
        <translation>Grünlich</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Red/Orange</source>
        <translation>Rot/Orange</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silbern</translation>
    </message>
    <message>
        <source>Silverish</source>
        <translation>Silbrig</translation>
    </message>
    <message>
        <source>Silvery</source>
        <translation>Silbrig</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>White/Silver</source>
        <translation>Weiß/Silbern</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellowish</source>
        <translation>Gelblich</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>CheckForUpdate</name>
    <message>
        <source>You are not connected to the Internet</source>
        <translation>Sie sind nicht mit dem Internet verbunden</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>You are running the current version </source>
        <translation>Sie verwenden die aktuelle Version </translation>
    </message>
    <message>
        <source>An update is available to version </source>
        <translation>Eine neue Version ist verfügbar: </translation>
    </message>
</context>
<context>
    <name>ElementClass</name>
    <message>
        <source>Noble Gases</source>
        <translation>Edelgase</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogene</translation>
    </message>
    <message>
        <source>Non-Metals</source>
        <translation>Nichtmetalle</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <translation>Halbmetalle</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Andere Metalle</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Übergangsmetalle</translation>
    </message>
    <message>
        <source>Alkali Earth Metals</source>
        <translation>Erdalkalimetalle</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Alkalimetalle</translation>
    </message>
    <message>
        <source>Rare Earth Metals</source>
        <translation>Seltene Erden</translation>
    </message>
</context>
<context>
    <name>ElementName</name>
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
        <source>Flourine</source>
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
        <source>Aluminium</source>
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
        <source>Platinium</source>
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
        <source>Pollonium</source>
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
        <source>Actinum</source>
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
        <source>Hahnium</source>
        <translation>Hahnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Neilsborium</source>
        <translation>Nielsbohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerium</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Error %1: %2<byte value="xd"/>
in %3<byte value="xd"/>
The error occured at line: %4</source>
        <translation>Fehler %1: %2<byte value="xd"/>
in %3<byte value="xd"/>
Der Fehler trat in Zeile %4 auf</translation>
    </message>
</context>
<context>
    <name>KeyWindow</name>
    <message>
        <source>Key</source>
        <translation>Legende</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Selected element</source>
        <translation>Ausgewähltes Element</translation>
    </message>
    <message>
        <source>Element Information</source>
        <translation>Elementinformationen</translation>
    </message>
    <message>
        <source>Electrons Per Shell</source>
        <translation>Elektronen je Schale</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Ordnungszahl:</translation>
    </message>
    <message>
        <source>Atomic Mass:</source>
        <translation>Atommasse:</translation>
    </message>
    <message>
        <source># of Protons/Electrons:</source>
        <translation>Protonen/Elektronen:</translation>
    </message>
    <message>
        <source># of Neutrons:</source>
        <translation>Neutronen:</translation>
    </message>
    <message>
        <source>Density @ RT (g/cm³):</source>
        <translation>Dichte bei RT (g/cm³):</translation>
    </message>
    <message>
        <source>1st Ion. Energy (kJ/mol):</source>
        <translation>1. Ion.-Energie (kJ/mol):</translation>
    </message>
    <message>
        <source>Major Oxidation States:</source>
        <translation>Oxidationsstufen:</translation>
    </message>
    <message>
        <source>Classification:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Kristallstruktur:</translation>
    </message>
    <message>
        <source>At. Radius:</source>
        <translation>Atomradius:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print Element Info</source>
        <translation>Element&amp;daten drucken</translation>
    </message>
    <message>
        <source>Print &amp;Chart</source>
        <translation>&amp;Tabelle drucken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Search Elements</source>
        <translation>&amp;Element suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Chec&amp;k for Update</source>
        <translation>Nach &amp;Update suchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Corvanel</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Legende</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source># of electrons in each shell:</source>
        <translation>Elektronen je Schale:</translation>
    </message>
    <message>
        <source>Boiling Point (°C):</source>
        <translation>Siedepunkt (°C):</translation>
    </message>
    <message>
        <source>Melting Point (°C):</source>
        <translation>Schmelzpunkt (°C):</translation>
    </message>
    <message>
        <source>Specific Heat (J/g * °C):</source>
        <translation>Spez. Wärme (J/g * °C):</translation>
    </message>
</context>
<context>
    <name>PrintElementInfo</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No element has been selected</source>
        <translation>Es wurde kein Element ausgewählt</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Das Dokument konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Corvanel prints to PDF files only, and &quot;%1&quot; does not end in .pdf. Choose a name ending in .pdf.</source>
        <translation>Corvanel druckt nur in PDF-Dateien, und „%1“ endet nicht auf .pdf. Wählen Sie einen Namen, der auf .pdf endet.</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>-------------------Corvanel v1.1.8 - by Dranwick-------------------</source>
        <translation>-------------------Corvanel v1.1.8 - von Dranwick-------------------</translation>
    </message>
    <message>
        <source>----------Get Your Copy at %1----------</source>
        <translation>----------Ihr Exemplar gibt es unter %1----------</translation>
    </message>
</context>
<context>
    <name>SearchElements</name>
    <message>
        <source>Enter Element Symbol</source>
        <translation>Elementsymbol eingeben</translation>
    </message>
    <message>
        <source>Element Search</source>
        <translation>Elementsuche</translation>
    </message>
    <message>
        <source>Sorry, Could not find element!</source>
        <translation>Element leider nicht gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
