<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Une calculatrice scientifique avec un convertisseur d&apos;unités, une bibliothèque de constantes physiques, des statistiques, des calculs financiers et un tableau périodique.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Vérifiez par un autre moyen les résultats importants&#xa0;: ce programme est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>icône du programme</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>NA: Avogadro (/(g*mol))</source>
        <translation>NA: Avogadro (/(g*mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (J/K)</source>
        <translation>k: Boltzmann (J/K)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(g*mol))</source>
        <translation>Vm: volume molaire (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: const. des gaz parfaits (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: température normale (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: pression normale (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>Stefan-Boltzmann (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: vitesse de la lumière (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>permittivité (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>perméabilité (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: accél. de la pesanteur (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: gravitation (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:constante de Planck (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: charge élémentaire (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: masse de l&apos;électron (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: masse du proton (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: Faraday (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>rayon de Bohr (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>longueur d&apos;onde du photon (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>fréquence du photon (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>longueur d&apos;onde de Compton (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>constante diélectrique</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>constante diélectrique SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: vitesse du son (m/s)</translation>
    </message>
    <message>
        <source>tera (T): 10^12</source>
        <translation>téra (T): 10^12</translation>
    </message>
    <message>
        <source>giga (G): 10^9</source>
        <translation>giga (G): 10^9</translation>
    </message>
    <message>
        <source>mega (M): 10^6</source>
        <translation>méga (M): 10^6</translation>
    </message>
    <message>
        <source>kilo (k): 10^3</source>
        <translation>kilo (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>hecto (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>centi (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>milli (m): 10^-3</translation>
    </message>
    <message>
        <source>micro (mu): 10^-6</source>
        <translation>micro (mu): 10^-6</translation>
    </message>
    <message>
        <source>nano (n): 10^-9</source>
        <translation>nano (n): 10^-9</translation>
    </message>
    <message>
        <source>pico (p): 10^-12</source>
        <translation>pico (p): 10^-12</translation>
    </message>
    <message>
        <source>NA: Avogadro (/(g/mol))</source>
        <translation>NA: Avogadro (/(g/mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (Btu/R)</source>
        <translation>k: Boltzmann (Btu/R)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(lb*mol))</source>
        <translation>Vm: volume molaire (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: const. des gaz parfaits (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: température normale (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: pression normale (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>Stefan-Boltzmann (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: vitesse de la lumière (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: accél. de la pesanteur (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: gravitation (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:constante de Planck (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>longueur d&apos;onde du photon (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>longueur d&apos;onde de Compton (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: vitesse du son (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>&amp;Constantes</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>C&amp;onvertir</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>&amp;Utiliser constante</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>En&#xa0;:</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>Angl.</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Long.</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Surface</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Poids</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>P&amp;ress.</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>É&amp;nergie</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Pu&amp;iss.</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Temps</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>Te&amp;mp.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>kilomètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yards</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>milles</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>mètres carrés</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>centimètres carrés</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>millimètres carrés</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>kilomètres carrés</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>hectares</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>pouces carrés</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>pieds carrés</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>yards carrés</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>milles carrés</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>acres</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>mètres cubes</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>centimètres cubes</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>gallons US</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>pouces cubes</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pieds cubes</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>gallons impériaux</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogrammes</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>tonnes</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>tonnes longues</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>tonnes courtes</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>carats</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>onces</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>newtons</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>dynes</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>pascals</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>atmosphères</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>bars</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>mm Hg</source>
        <translation>mm Hg</translation>
    </message>
    <message>
        <source>in H2O</source>
        <translation>in H2O</translation>
    </message>
    <message>
        <source>Torrs</source>
        <translation>torrs</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>joules</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>ergs</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>calories</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>watts</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>chevaux-vapeur brit. (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>degrés Celsius</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>kelvins</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>degrés Rankine</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>Pas un nombre&#xa0;: saisissez un nombre supérieur ou égal à 0</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tableau périodique des éléments</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Cliquez pour afficher cette valeur</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Faites glisser un élément ici</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Cliquez pour afficher la masse molaire</translation>
    </message>
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
        <source>Hahnium</source>
        <translation>Hahnium</translation>
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
        <source>Unnilennium</source>
        <translation>Unnilennium</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Numéro atomique.............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Masse atomique................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Config. électronique.......</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Numéro atomique %1. Entrée ou Espace le place dans la prochaine case libre de la formule.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicateur</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Nombre dans la case %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Case de formule %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Masse molaire</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valeur temps de l&apos;argent</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Amortir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / an</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>P/an</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h1&gt;Zova&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Zova&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova is a scientific calculator. Click its keys or type them: every key has a keyboard equivalent, named in the key&apos;s tooltip and listed on the page &lt;a href=&apos;topic:800&apos;&gt;Keyboard Equivalents&lt;/a&gt;. After every key the keyboard focus goes back to the = key, so Enter always means =.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova est une calculatrice scientifique. Cliquez sur ses touches ou tapez-les&#xa0;: chaque touche a un équivalent clavier, indiqué dans son infobulle et listé à la page &lt;a href=&apos;topic:800&apos;&gt;Équivalents clavier&lt;/a&gt;. Après chaque touche, le focus du clavier revient sur la touche =, si bien qu&apos;Entrée signifie toujours =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;L&apos;affichage&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;L&apos;affichage montre le nombre en cours de saisie ou le dernier résultat. Les petits repères au-dessus indiquent &lt;b&gt;inv&lt;/b&gt; quand les fonctions secondes sont actives, &lt;b&gt;h&lt;/b&gt; quand les fonctions hyperboliques sont actives, l&apos;unité d&apos;angle (&lt;b&gt;d&lt;/b&gt; degrés, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grades), &lt;b&gt;M&lt;/b&gt; quand la mémoire contient une valeur, la base (&lt;b&gt;h&lt;/b&gt; hexadécimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binaire) et &lt;b&gt;A&lt;/b&gt; quand une fraction est une approximation.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Calculer&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova évalue les expressions telles qu&apos;elles sont écrites&#xa0;: la multiplication et la division l&apos;emportent sur l&apos;addition et la soustraction, et les puissances sur tout le reste. Les parenthèses s&apos;imbriquent jusqu&apos;à 100 niveaux&#xa0;; l&apos;infobulle des touches de parenthèse indique combien sont ouvertes, et = ferme toutes celles qui le sont encore. Après + ou &amp;minus;, &lt;b&gt;%&lt;/b&gt; remplace l&apos;affichage par ce pourcentage du nombre placé avant l&apos;opérateur (200 + 5 % donne 10)&#xa0;; ailleurs, il divise l&apos;affichage par 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; fait passer la touche suivante à la fonction imprimée au-dessus&#xa0;: arc sinus, arc cosinus et arc tangente, 10&lt;sup&gt;x&lt;/sup&gt; et e&lt;sup&gt;x&lt;/sup&gt;, la racine y-ième, coordonnées polaires et rectangulaires, mod, M&amp;minus; et MC. &lt;b&gt;hyp&lt;/b&gt; rend sin, cos et tan hyperboliques. &lt;b&gt;Mode&lt;/b&gt; passe des degrés aux radians puis aux grades&#xa0;; avec inv, il convertit aussi l&apos;angle affiché.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; passe du décimal à l&apos;hexadécimal, à l&apos;octal puis au binaire sur 16 bits. En hexadécimal, les touches marquées A à F au-dessus tapent ces chiffres&#xa0;; inv Base est le NON bit à bit, et inv Kin, inv Kout et inv X! sont ET, OU et OU exclusif.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; affiche le nombre sous forme de fraction, inv b/c sous forme d&apos;entier suivi d&apos;une fraction. La précision exigée de la fraction, et si elle peut contenir des racines carrées, se règlent dans Outils, Options. Les touches &amp;gt;&amp;deg; &apos; &quot; et &amp;deg; &apos; &quot; &amp;gt; convertissent les degrés décimaux en degrés, minutes et secondes, et inversement.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Deux registres conservent des nombres&#xa0;: &lt;b&gt;M+&lt;/b&gt; ajoute l&apos;affichage à la mémoire M et &lt;b&gt;MR&lt;/b&gt; la rappelle&#xa0;; &lt;b&gt;Kin&lt;/b&gt; stocke l&apos;affichage dans K et &lt;b&gt;Kout&lt;/b&gt; le rappelle.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Outils&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le menu Outils ouvre, à droite du clavier, le convertisseur d&apos;unités avec sa bibliothèque de constantes physiques, le registre statistique (si la case Pile est cochée, chaque résultat de = est saisi comme donnée) et les calculs financiers (valeur temps de l&apos;argent et amortissement). Le tableau périodique affiche les données des éléments et additionne les masses molaires des formules formées en glissant ses cases. Options choisit l&apos;affichage des résultats&#xa0;: tels quels, avec un nombre fixe de décimales ou en notation scientifique.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;La fenêtre&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le menu Affichage rend la fenêtre compacte, la garde au-dessus des autres fenêtres, change les couleurs de l&apos;affichage, des touches et du boîtier, et place un titre personnel sur la calculatrice. Masquer (ou Échap) envoie Zova dans la zone de notification&#xa0;; double-cliquez sur son icône ou choisissez Ouvrir dans son menu pour la faire revenir. Si le bureau n&apos;a pas de zone de notification, Zova est réduite à la place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Paramètres&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quand Zova se ferme (Fichier, Quitter, la touche Fin ou la case de fermeture de la fenêtre), elle écrit ses paramètres, les deux registres et les données statistiques dans le fichier dadidedo.dat du dossier courant, et les relit au démarrage suivant. Fichier, Enregistrer les paramètres en garde une copie sous un autre nom&#xa0;; Charger les paramètres la rétablit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Équivalents clavier&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les touches agissent quand elles sont enfoncées, dans l&apos;ordre où elles le sont. Tant que Ctrl ou Alt est maintenue, aucune touche n&apos;atteint le clavier de la calculatrice. Les touches marquées &lt;i&gt;pavé numérique&lt;/i&gt; sont celles du pavé numérique.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Clavier de la calculatrice&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(avec inv&#xa0;: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les chiffres 0 à 9 se tapent sur la rangée du haut ou sur le pavé numérique. Les caractères + - * / = et . agissent selon ce que la touche tape dans votre disposition de clavier, où qu&apos;elle se trouve&#xa0;; là où les nombres s&apos;écrivent avec une virgule décimale, la virgule sert aussi de séparateur décimal. En hexadécimal, les lettres A à F tapent les chiffres A à F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Fonctions statistiques&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Convertisseur et constantes&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Équivalents clavier</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Aide de Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Enregistrer les paramètres et fermer Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Affichage, Zoom avant (Ctrl++) et Zoom arrière (Ctrl+-) agrandissent ou réduisent la calculatrice, ses volets, le tableau périodique et la bande papier d&apos;un quart de la taille standard, jusqu&apos;à trois fois celle-ci&#xa0;; Taille réelle (Ctrl+0) y revient. Faire glisser le bord de la fenêtre fait de même, jusqu&apos;au cran le plus proche. Zova garde le zoom dans zova-window.conf, à côté de ses réglages.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Édition, Annuler (Ctrl+Z) annule la dernière action&#xa0;: une touche, un effacement, une modification dans un volet ou dans les options, un collage, des réglages chargés ou la bande papier effacée&#xa0;; Édition, Rétablir (Ctrl+Maj+Z ou Ctrl+Y) la refait. Aucun effacement ne demande de confirmation&#xa0;: un effacement regretté n&apos;est qu&apos;à un Ctrl+Z.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Rétablir la dernière action annulée</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>open brackets:%1</source>
        <translation>parenthèses ouvertes&#xa0;:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Touche équivalente&#xa0;:  %1 du clavier</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Touche équivalente&#xa0;:  %1 du clavier (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Touche équivalente&#xa0;:  %1 du clavier (rangée principale ou pavé numérique)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Touche équivalente&#xa0;:  %1 du clavier ou %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Maj+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>pavé numérique %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>changer de signe</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>effacer l&apos;entrée</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>add</source>
        <translation>additionner</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>soustraire</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplier</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>diviser</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>empiler les résultats dans les statistiques</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>inverse, fonctions secondes</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>base numérique</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>mode d&apos;angle</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse (1/x)</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>degrés décimaux en degrés, minutes, secondes</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>degrés, minutes, secondes en degrés décimaux</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fraction</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>ajouter à la mémoire</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>rappel mémoire</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>stocker dans K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>rappeler K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Touche équivalente&#xa0;: %1 du clavier</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>pavé numérique</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Charger les paramètres...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Enregistrer les paramètres...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Masquer    [ Échap ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Lancer au démarrage</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>Taille &amp;compacte</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Touches standard</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Touches de fonction</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Étiquette personnelle</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Convertisseur/constantes</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>Fonctions &amp;statistiques</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>Calculs &amp;financiers</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>Tableau &amp;périodique des éléments</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>&amp;Bande papier</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>Équivalents &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>À &amp;propos de Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>À propos de Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Indisponible sous Wayland&#xa0;: le bureau ne garde aucune fenêtre de programme au premier plan</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Ta&amp;ille réelle</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Fichiers de données (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Charger les paramètres</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirmer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>Ce dossier contient déjà un fichier portant ce nom.  Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>il dépasse 256 Mo</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>les paramètres dépassent 256 Mo</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>c&apos;est un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Saisissez un titre court pour personnaliser votre calculatrice.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>L&apos;entrée de démarrage automatique n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>L&apos;entrée de démarrage automatique n&apos;a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Erreur de calcul&#xa0;!  Soit les données sont insuffisantes, soit un dépassement de capacité s&apos;est produit.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu. Il a été conservé sous le nom %1.bak, et les paramètres sont enregistrés à nouveau.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu, et ce n&apos;est pas un fichier que les paramètres peuvent remplacer&#xa0;: il est laissé tel quel, et les paramètres ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>La bande papier n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Précision faible</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Précision moyenne (recommandée)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Précision élevée (déconseillée)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Format des nombres</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Précision des fractions</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Radicaux dans les fractions</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Inclure les radicaux</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ATTENTION&#xa0;:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Une précision moyenne ou élevée peut empêcher temporairement le programme de répondre.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Entrer donnée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>S&amp;omme</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>É&amp;c.-type éch.</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>Éc.-type &amp;pop.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pile</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 numéro atomique</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 masse atomique</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Enregistrer la bande sous</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>calculs de la bande papier</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>texte d&apos;aide</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>indicateur inverse</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>indicateur hyperbolique</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>indicateur degrés</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>indicateur radians</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>indicateur grades</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>indicateur mémoire</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>indicateur de base</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>indicateur fraction</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>étiquette personnelle</translation>
    </message>
    <message>
        <source>display</source>
        <translation>affichage</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>fonction seconde de </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Avec inv&#xa0;: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Fermer le volet</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>fermer le volet</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>parenthèse ouvrante, profondeur %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>parenthèse fermante, profondeur %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>données statistiques</translation>
    </message>
</context>
</TS>
