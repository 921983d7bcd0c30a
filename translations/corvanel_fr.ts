<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>OS:</source>
        <translation>SE&#x202f;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Courriel&#x202f;:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#x202f;:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#x202f;:</translation>
    </message>
    <message>
        <source>Copyright (C) Dranwick. All rights reserved.</source>
        <translation>Copyright (C) Dranwick. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Alkali Metal</source>
        <translation>Métal alcalin</translation>
    </message>
    <message>
        <source>Alkaline Earth</source>
        <translation>Alcalino-terreux</translation>
    </message>
    <message>
        <source>Halogen</source>
        <translation>Halogène</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Métalloïde</translation>
    </message>
    <message>
        <source>Noble Gas</source>
        <translation>Gaz noble</translation>
    </message>
    <message>
        <source>Non-Metal</source>
        <translation>Non-métal</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Non-métal</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Autres métaux</translation>
    </message>
    <message>
        <source>Rare Earth</source>
        <translation>Terre rare</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
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
        <source>Monoclinic</source>
        <translation>Monoclinique</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombique</translation>
    </message>
    <message>
        <source>Rhombohedra</source>
        <translation>Rhomboédrique</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Quadratique</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blackish</source>
        <translation>Noirâtre</translation>
    </message>
    <message>
        <source>Bluish</source>
        <translation>Bleuâtre</translation>
    </message>
    <message>
        <source>Brownish</source>
        <translation>Brunâtre</translation>
    </message>
    <message>
        <source>Colorless</source>
        <translation>Incolore</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Grayish</source>
        <translation>Grisâtre</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Greenish</source>
        <translation>Verdâtre</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Red/Orange</source>
        <translation>Rouge/orange</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Silverish</source>
        <translation>Argenté</translation>
    </message>
    <message>
        <source>Silvery</source>
        <translation>Argenté</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>White/Silver</source>
        <translation>Blanc/argent</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellowish</source>
        <translation>Jaunâtre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>CheckForUpdate</name>
    <message>
        <source>You are not connected to the Internet</source>
        <translation>Vous n’êtes pas connecté à Internet</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>You are running the current version </source>
        <translation>Vous utilisez la version actuelle </translation>
    </message>
    <message>
        <source>An update is available to version </source>
        <translation>Une mise à jour est disponible&#x202f;: version </translation>
    </message>
</context>
<context>
    <name>ElementClass</name>
    <message>
        <source>Noble Gases</source>
        <translation>Gaz nobles</translation>
    </message>
    <message>
        <source>Halogens</source>
        <translation>Halogènes</translation>
    </message>
    <message>
        <source>Non-Metals</source>
        <translation>Non-métaux</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <translation>Métalloïdes</translation>
    </message>
    <message>
        <source>Other Metals</source>
        <translation>Autres métaux</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Métaux de transition</translation>
    </message>
    <message>
        <source>Alkali Earth Metals</source>
        <translation>Alcalino-terreux</translation>
    </message>
    <message>
        <source>Alkali Metals</source>
        <translation>Métaux alcalins</translation>
    </message>
    <message>
        <source>Rare Earth Metals</source>
        <translation>Terres rares</translation>
    </message>
</context>
<context>
    <name>ElementName</name>
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
        <source>Flourine</source>
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
        <source>Aluminium</source>
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
        <source>Platinium</source>
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
        <source>Pollonium</source>
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
        <translation>Meitnérium</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Error %1: %2<byte value="xd"/>
in %3<byte value="xd"/>
The error occured at line: %4</source>
        <translation>Erreur %1&#x202f;: %2<byte value="xd"/>
dans %3<byte value="xd"/>
L’erreur s’est produite à la ligne&#x202f;: %4</translation>
    </message>
</context>
<context>
    <name>KeyWindow</name>
    <message>
        <source>Key</source>
        <translation>Légende</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Selected element</source>
        <translation>Élément sélectionné</translation>
    </message>
    <message>
        <source>Element Information</source>
        <translation>Informations sur l’élément</translation>
    </message>
    <message>
        <source>Electrons Per Shell</source>
        <translation>Électrons par couche</translation>
    </message>
    <message>
        <source>Lanthanide Series</source>
        <translation>Lanthanides</translation>
    </message>
    <message>
        <source>Actinide Series</source>
        <translation>Actinides</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#x202f;:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symb.&#x202f;:</translation>
    </message>
    <message>
        <source>Atomic Number:</source>
        <translation>N° atomique&#x202f;:</translation>
    </message>
    <message>
        <source>Atomic Mass:</source>
        <translation>Masse at.&#x202f;:</translation>
    </message>
    <message>
        <source># of Protons/Electrons:</source>
        <translation>Protons/électrons&#x202f;:</translation>
    </message>
    <message>
        <source># of Neutrons:</source>
        <translation>Neutrons&#x202f;:</translation>
    </message>
    <message>
        <source>Density @ RT (g/cm³):</source>
        <translation>Densité à TA (g/cm³)&#x202f;:</translation>
    </message>
    <message>
        <source>1st Ion. Energy (kJ/mol):</source>
        <translation>1re én. d’ion. (kJ/mol)&#x202f;:</translation>
    </message>
    <message>
        <source>Major Oxidation States:</source>
        <translation>Nombres d’oxydation&#x202f;:</translation>
    </message>
    <message>
        <source>Classification:</source>
        <translation>Famille&#x202f;:</translation>
    </message>
    <message>
        <source>Crystal Structure:</source>
        <translation>Système cristallin&#x202f;:</translation>
    </message>
    <message>
        <source>At. Radius:</source>
        <translation>Rayon at.&#x202f;:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Coul.&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Element Info</source>
        <translation>&amp;Imprimer la fiche de l’élément</translation>
    </message>
    <message>
        <source>Print &amp;Chart</source>
        <translation>Imprimer le &amp;tableau</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Search Elements</source>
        <translation>Rechercher un &amp;élément</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Chec&amp;k for Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Corvanel</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Légende</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source># of electrons in each shell:</source>
        <translation>Électrons par couche&#x202f;:</translation>
    </message>
    <message>
        <source>Boiling Point (°C):</source>
        <translation>Ébullition (°C)&#x202f;:</translation>
    </message>
    <message>
        <source>Melting Point (°C):</source>
        <translation>Fusion (°C)&#x202f;:</translation>
    </message>
    <message>
        <source>Specific Heat (J/g * °C):</source>
        <translation>Chaleur spéc. (J/g * °C)&#x202f;:</translation>
    </message>
</context>
<context>
    <name>PrintElementInfo</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No element has been selected</source>
        <translation>Aucun élément n’a été sélectionné</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Le document n’a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Corvanel prints to PDF files only, and &quot;%1&quot; does not end in .pdf. Choose a name ending in .pdf.</source>
        <translation>Corvanel n’imprime que dans des fichiers PDF, et «&#x202f;%1&#x202f;» ne se termine pas par .pdf. Choisissez un nom qui se termine par .pdf.</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>-------------------Corvanel v1.1.8 - by Dranwick-------------------</source>
        <translation>-------------------Corvanel v1.1.8 - par Dranwick-------------------</translation>
    </message>
    <message>
        <source>----------Get Your Copy at %1----------</source>
        <translation>----------Procurez-vous votre copie sur %1----------</translation>
    </message>
</context>
<context>
    <name>SearchElements</name>
    <message>
        <source>Enter Element Symbol</source>
        <translation>Entrez le symbole de l’élément</translation>
    </message>
    <message>
        <source>Element Search</source>
        <translation>Recherche d’élément</translation>
    </message>
    <message>
        <source>Sorry, Could not find element!</source>
        <translation>Désolé, élément introuvable&#x202f;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
