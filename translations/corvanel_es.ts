<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OS:</source>
        <translation>SO:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Copyright (C) Dranwick. All rights reserved.</source>
        <translation>Copyright (C) Dranwick. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Alkali Metal</source>
        <translation>Metal alcalino</translation>
    </message>
    <message>
        <source>Alkaline Earth</source>
        <translation>Alcalinotérreo</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halógeno</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metaloide</translation>
    </message>
    <message>
        <source>Noble Gas</source>
        <translation>Gas noble</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>No metal</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>No metal</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Otros metales</translation>
    </message>
    <message>
        <source>Rare Earth</source>
        <translation>Tierra rara</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
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
        <source>Monoclinic</source>
        <translation>Monoclínica</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorrómbica</translation>
    </message>
    <message>
        <source>Rhombohedra</source>
        <translation>Romboédrica</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Blackish</source>
        <translation>Negruzco</translation>
    </message>
    <message>
        <source>Bluish</source>
        <translation>Azulado</translation>
    </message>
    <message>
        <source>Brownish</source>
        <translation>Parduzco</translation>
    </message>
    <message>
        <source>Colorless</source>
        <translation>Incoloro</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Grayish</source>
        <translation>Grisáceo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Greenish</source>
        <translation>Verdoso</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Red/Orange</source>
        <translation>Rojo/naranja</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Silverish</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>Silvery</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>White/Silver</source>
        <translation>Blanco/plata</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Yellowish</source>
        <translation>Amarillento</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>CheckForUpdate</name>
    <message>
        <source>You are not connected to the Internet</source>
        <translation>No está conectado a Internet</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>You are running the current version </source>
        <translation>Está usando la versión actual </translation>
    </message>
    <message>
        <source>An update is available to version </source>
        <translation>Hay una actualización disponible a la versión </translation>
    </message>
</context>
<context>
    <name>ElementClass</name>
    <message>
        <source>Noble Gases</source>
        <translation>Gases nobles</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halógenos</translation>
    </message>
    <message>
        <source>Non-Metals</source>
        <translation>No metales</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <translation>Metaloides</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Otros metales</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metales de transición</translation>
    </message>
    <message>
        <source>Alkali Earth Metals</source>
        <translation>Alcalinotérreos</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Metales alcalinos</translation>
    </message>
    <message>
        <source>Rare Earth Metals</source>
        <translation>Tierras raras</translation>
    </message>
</context>
<context>
    <name>ElementName</name>
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
        <source>Flourine</source>
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
        <source>Aluminium</source>
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
        <source>Platinium</source>
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
        <source>Pollonium</source>
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
        <source>Actinum</source>
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
        <source>Hahnium</source>
        <translation>Hahnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Neilsborium</source>
        <translation>Nielsbohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerio</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Error %1: %2<byte value="xd"/>
in %3<byte value="xd"/>
The error occured at line: %4</source>
        <translation>Error %1: %2<byte value="xd"/>
en %3<byte value="xd"/>
El error se produjo en la línea: %4</translation>
    </message>
</context>
<context>
    <name>KeyWindow</name>
    <message>
        <source>Key</source>
        <translation>Leyenda</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Selected element</source>
        <translation>Elemento seleccionado</translation>
    </message>
    <message>
        <source>Element Information</source>
        <translation>Información del elemento</translation>
    </message>
    <message>
        <source>Electrons Per Shell</source>
        <translation>Electrones por capa</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actínidos</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>Número atómico:</translation>
    </message>
    <message>
        <source>Atomic Mass:</source>
        <translation>Masa atómica:</translation>
    </message>
    <message>
        <source># of Protons/Electrons:</source>
        <translation>Protones/electrones:</translation>
    </message>
    <message>
        <source># of Neutrons:</source>
        <translation>Neutrones:</translation>
    </message>
    <message>
        <source>Density @ RT (g/cm³):</source>
        <translation>Densidad a TA (g/cm³):</translation>
    </message>
    <message>
        <source>1st Ion. Energy (kJ/mol):</source>
        <translation>1.ª energía ion. (kJ/mol):</translation>
    </message>
    <message>
        <source>Major Oxidation States:</source>
        <translation>Estados de oxidación:</translation>
    </message>
    <message>
        <source>Classification:</source>
        <translation>Clase:</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Sistema cristalino:</translation>
    </message>
    <message>
        <source>At. Radius:</source>
        <translation>Radio at.:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print Element Info</source>
        <translation>&amp;Imprimir ficha del elemento</translation>
    </message>
    <message>
        <source>Print &amp;Chart</source>
        <translation>Imprimir &amp;tabla</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Search Elements</source>
        <translation>Buscar &amp;elemento</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Chec&amp;k for Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de Corvanel</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Leyenda</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source># of electrons in each shell:</source>
        <translation>Electrones por capa:</translation>
    </message>
    <message>
        <source>Boiling Point (°C):</source>
        <translation>Ebullición (°C):</translation>
    </message>
    <message>
        <source>Melting Point (°C):</source>
        <translation>Fusión (°C):</translation>
    </message>
    <message>
        <source>Specific Heat (J/g * °C):</source>
        <translation>Calor esp. (J/g * °C):</translation>
    </message>
</context>
<context>
    <name>PrintElementInfo</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No element has been selected</source>
        <translation>No se ha seleccionado ningún elemento</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>No se pudo imprimir el documento.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimir en archivo</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Corvanel prints to PDF files only, and &quot;%1&quot; does not end in .pdf. Choose a name ending in .pdf.</source>
        <translation>Corvanel solo imprime en archivos PDF, y «%1» no termina en .pdf. Elija un nombre que termine en .pdf.</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>-------------------Corvanel v1.1.8 - by Dranwick-------------------</source>
        <translation>-------------------Corvanel v1.1.8 - por Dranwick-------------------</translation>
    </message>
    <message>
        <source>----------Get Your Copy at %1----------</source>
        <translation>----------Obtenga su copia en %1----------</translation>
    </message>
</context>
<context>
    <name>SearchElements</name>
    <message>
        <source>Enter Element Symbol</source>
        <translation>Introduzca el símbolo del elemento</translation>
    </message>
    <message>
        <source>Element Search</source>
        <translation>Búsqueda de elementos</translation>
    </message>
    <message>
        <source>Sorry, Could not find element!</source>
        <translation>Lo sentimos, no se encontró el elemento.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
