<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Una calcolatrice scientifica con convertitore di unità, una raccolta di costanti fisiche, statistica, calcoli finanziari e una tavola periodica.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Verifica con altri mezzi i risultati importanti: questo programma è fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>icona del programma</translation>
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
        <translation>Vm: volume molare (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: costante univ. dei gas (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: temperatura standard (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: pressione standard (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>Stefan-Boltzmann (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: velocità della luce (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>permittività (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>permeabilità (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: accel. di gravità (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: gravitazione (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:costante di Planck (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: carica dell&apos;elettrone (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: massa dell&apos;elettrone (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: massa del protone (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: Faraday (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>raggio di Bohr (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>lunghezza d&apos;onda del fotone (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>frequenza del fotone (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>lunghezza d&apos;onda Compton (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>costante dielettrica</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>costante dielettrica SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: velocità del suono (m/s)</translation>
    </message>
    <message>
        <source>tera (T): 10^12</source>
        <translation>tera (T): 10^12</translation>
    </message>
    <message>
        <source>giga (G): 10^9</source>
        <translation>giga (G): 10^9</translation>
    </message>
    <message>
        <source>mega (M): 10^6</source>
        <translation>mega (M): 10^6</translation>
    </message>
    <message>
        <source>kilo (k): 10^3</source>
        <translation>chilo (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>etto (h): 10^2</translation>
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
        <translation>Vm: volume molare (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: costante univ. dei gas (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: temperatura standard (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: pressione standard (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>Stefan-Boltzmann (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: velocità della luce (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: accel. di gravità (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: gravitazione (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:costante di Planck (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>lunghezza d&apos;onda del fotone (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>lunghezza d&apos;onda Compton (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: velocità del suono (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>C&amp;ostanti</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converti</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>&amp;Usa costante</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>Ingl.</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Lungh.</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Area</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>Pe&amp;so</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Forza</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>&amp;Press.</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Pote&amp;nza</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>Te&amp;mp.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centimetri</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>chilometri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>piedi</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>iarde</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>miglia</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>metri quadrati</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>centimetri quadrati</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>millimetri quadrati</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>chilometri quadrati</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>ettari</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>pollici quadrati</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>piedi quadrati</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>iarde quadrate</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>miglia quadrate</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>acri</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>metri cubi</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>centimetri cubi</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litri</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>galloni USA</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>pollici cubi</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>piedi cubi</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>galloni imperiali</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>grammi</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>chilogrammi</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>tonnellate</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>tonnellate lunghe</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>tonnellate corte</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>carati</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>once</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libbre</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>newton</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>dine</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>pascal</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>atmosfere</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>bar</translation>
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
        <translation>torr</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>joule</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>erg</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>calorie</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>watt</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>cavalli vapore britannici (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>settimane</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mesi</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>gradi Celsius</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>gradi Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>kelvin</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>gradi Rankine</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>Non è un numero: inserisci un numero pari o superiore a 0</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tavola periodica degli elementi</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Fai clic per mettere questo valore sul display</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Trascina qui un elemento</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Fai clic per mettere la massa molare sul display</translation>
    </message>
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
        <source>Hahnium</source>
        <translation>Hahnio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilesio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilsettio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unnilottio</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilennio</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Numero atomico..............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Massa atomica.................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Config. elettronica........</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Numero atomico %1. Invio o Spazio lo mette nella prossima casella libera della formula.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Moltiplicatore</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Quantità nella casella %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Casella della formula %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Massa molare</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valore temporale del denaro</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Ammortamento</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Ammort.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / anno</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>P/anno</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasso</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Pagamenti</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Interessi</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
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
        <translation>&lt;p&gt;Zova è una calcolatrice scientifica. Fai clic sui suoi tasti o digitali: ogni tasto ha un equivalente da tastiera, indicato nel suggerimento del tasto ed elencato nella pagina &lt;a href=&apos;topic:800&apos;&gt;Equivalenti da tastiera&lt;/a&gt;. Dopo ogni tasto il focus della tastiera torna sul tasto =, perciò Invio significa sempre =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Il display&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il display mostra il numero in digitazione o l&apos;ultimo risultato. I piccoli segni sopra di esso mostrano &lt;b&gt;inv&lt;/b&gt; quando le funzioni secondarie sono attive, &lt;b&gt;h&lt;/b&gt; quando le funzioni iperboliche sono attive, l&apos;unità angolare (&lt;b&gt;d&lt;/b&gt; gradi, &lt;b&gt;r&lt;/b&gt; radianti, &lt;b&gt;g&lt;/b&gt; gradi centesimali), &lt;b&gt;M&lt;/b&gt; quando la memoria contiene un valore, la base numerica (&lt;b&gt;h&lt;/b&gt; esadecimale, &lt;b&gt;o&lt;/b&gt; ottale, &lt;b&gt;b&lt;/b&gt; binaria) e &lt;b&gt;A&lt;/b&gt; quando una frazione è un&apos;approssimazione.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Calcolare&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova calcola le espressioni così come sono scritte: moltiplicazione e divisione hanno la precedenza su addizione e sottrazione, e le potenze ancora di più. Le parentesi si annidano fino a 100 livelli; il suggerimento dei tasti parentesi indica quante sono aperte, e = chiude quelle ancora aperte. Dopo + o &amp;minus;, &lt;b&gt;%&lt;/b&gt; trasforma il display in quella percentuale del numero prima dell&apos;operatore (200 + 5 % dà 10); altrimenti divide il display per 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; porta il tasto successivo alla funzione stampata sopra di esso: arcoseno, arcocoseno e arcotangente, 10&lt;sup&gt;x&lt;/sup&gt; ed e&lt;sup&gt;x&lt;/sup&gt;, la radice y-esima, coordinate polari e rettangolari, mod, M&amp;minus; e MC. &lt;b&gt;hyp&lt;/b&gt; rende iperbolici sin, cos e tan. &lt;b&gt;Mode&lt;/b&gt; passa tra gradi, radianti e gradi centesimali; con inv converte anche l&apos;angolo visualizzato.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; passa tra decimale, esadecimale, ottale e binario a 16 bit. In esadecimale i tasti con sopra le lettere da A a F digitano quelle cifre; inv Base è il NOT bit a bit, e inv Kin, inv Kout e inv X! sono AND, OR e XOR.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; mostra il display come frazione, inv b/c come numero intero più frazione. Quanto deve essere precisa la frazione, e se può contenere radici quadrate, si imposta in Strumenti, Opzioni. I tasti &amp;gt;&amp;deg; &apos; &quot; e &amp;deg; &apos; &quot; &amp;gt; convertono i gradi decimali in gradi, minuti e secondi e viceversa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Due registri conservano numeri: &lt;b&gt;M+&lt;/b&gt; somma il display alla memoria M e &lt;b&gt;MR&lt;/b&gt; la richiama; &lt;b&gt;Kin&lt;/b&gt; memorizza il display in K e &lt;b&gt;Kout&lt;/b&gt; lo richiama.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Strumenti&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il menu Strumenti apre, a destra della tastiera, il convertitore di unità con la sua raccolta di costanti fisiche, il registro statistico (con la casella Pila selezionata ogni risultato di = viene inserito come dato) e i calcoli finanziari (valore temporale del denaro e ammortamento). La tavola periodica mostra i dati degli elementi e somma le masse molari di formule composte trascinandone le caselle. Opzioni sceglie come mostrare i risultati: così come vengono, con un numero fisso di decimali o in notazione scientifica.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;La finestra&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il menu Visualizza rende compatta la finestra, la tiene sopra le altre finestre, cambia i colori di display, tasti e scocca, e mette un titolo personale sulla calcolatrice. Nascondi (o Esc) manda Zova nell&apos;area di notifica; fai doppio clic sulla sua icona o scegli Apri dal suo menu per riaverla. Se il desktop non ha un&apos;area di notifica, Zova viene invece ridotta a icona.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Impostazioni&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quando Zova si chiude (File, Esci, il tasto Fine o il pulsante di chiusura della finestra) scrive le impostazioni, entrambi i registri e i dati statistici nel file dadidedo.dat della cartella corrente, e li rilegge all&apos;avvio successivo. File, Salva impostazioni ne conserva una copia con un altro nome; Carica impostazioni la ripristina.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Equivalenti da tastiera&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;I tasti agiscono quando vengono premuti, nell&apos;ordine in cui sono premuti. Mentre Ctrl o Alt è premuto, nessun tasto raggiunge la tastiera della calcolatrice. I tasti indicati con &lt;i&gt;tastierino numerico&lt;/i&gt; sono quelli del tastierino numerico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Tastiera della calcolatrice&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(con inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le cifre da 0 a 9 si possono digitare sulla riga superiore o sul tastierino numerico. I caratteri + - * / = e . agiscono secondo ciò che il tasto digita nel tuo layout di tastiera, ovunque si trovi il tasto; dove i numeri si scrivono con la virgola decimale, anche la virgola è il separatore decimale. In esadecimale le lettere da A a F digitano le cifre da A a F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Funzioni statistiche&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Convertitore e costanti&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Equivalenti da tastiera</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Guida di Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Nascondi la finestra</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Salva le impostazioni e chiudi Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Visualizza, Ingrandisci (Ctrl++) e Riduci (Ctrl+-) rendono la calcolatrice, i suoi pannelli, la tavola periodica e il nastro di carta più grandi o più piccoli di un quarto della dimensione standard, fino a tre volte tanto; Dimensioni reali (Ctrl+0) torna a essa. Trascinare il bordo della finestra fa lo stesso, fino al passo più vicino. Zova conserva lo zoom in zova-window.conf, accanto alle sue impostazioni.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Modifica, Annulla (Ctrl+Z) ritira l&apos;ultima azione: un tasto, una cancellazione, una modifica in un pannello o nelle opzioni, un incolla, impostazioni caricate o il nastro di carta cancellato; Modifica, Ripeti (Ctrl+Maiusc+Z o Ctrl+Y) la rifà. Nessuna cancellazione chiede conferma: una cancellazione di cui ci si pente è a un Ctrl+Z di distanza.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Ripeti l&apos;ultima azione annullata</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>open brackets:%1</source>
        <translation>parentesi aperte:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Tasto equivalente:  %1 della tastiera</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Tasto equivalente:  %1 della tastiera (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Tasto equivalente:  %1 della tastiera (riga principale o tastierino numerico)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Tasto equivalente:  %1 della tastiera o %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Maiusc+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>tastierino numerico %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separatore decimale</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>esponente</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambia segno</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>cancella ultima cifra</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>cancella immissione</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>cancella tutto</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addiziona</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>sottrai</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>moltiplica</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividi</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potenza</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>percentuale</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>apri parentesi</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>chiudi parentesi</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>impila i risultati nella statistica</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>inversa, funzioni secondarie</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>iperbolica</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>base numerica</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>modalità angolo</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimale</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo naturale</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>radice quadrata</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrato</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>reciproco</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>fattoriale</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>gradi decimali in gradi, minuti, secondi</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>gradi, minuti, secondi in gradi decimali</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>frazione</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>aggiungi alla memoria</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>richiama memoria</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>memorizza in K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>richiama K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Tasto equivalente: %1 della tastiera</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>tastierino numerico</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Carica impostazioni...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Salva impostazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Nascondi    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>Dimensione &amp;compatta</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Scocca</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Tasti standard</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Tasti funzione</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Etichetta personale</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Convertitore/costanti</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>Funzioni &amp;statistiche</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>Calcoli &amp;finanziari</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>Tavola periodica degli &amp;elementi</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>&amp;Nastro di carta</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Panoramica</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Equivalenti da tastiera</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>&amp;Informazioni su Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>Informazioni su Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>Dimensione n&amp;ormale</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Non disponibile su Wayland: il desktop non tiene in primo piano le finestre dei programmi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ri&amp;duci</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Dimensioni &amp;reali</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>File di dati (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Conferma salvataggio</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>Questa cartella contiene già un file con questo nome.  Sovrascriverlo?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>è più grande di 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>le impostazioni superano 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>è un collegamento che appartiene a un altro utente</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Inserisci un breve titolo per personalizzare la calcolatrice.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>Impossibile creare la voce di avvio automatico.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>Impossibile rimuovere la voce di avvio automatico.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Errore di calcolo!  I dati forniti sono insufficienti oppure si è verificato un overflow.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>Impossibile leggere il file delle impostazioni %1. È stato conservato come %1.bak e le impostazioni vengono salvate di nuovo.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>Impossibile leggere il file delle impostazioni %1, che non è un file che le impostazioni possano sostituire: viene lasciato com&apos;è e le impostazioni non vengono salvate.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Impossibile salvare le impostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Impossibile trovare il file «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Impossibile leggere il file «%1»: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>Impossibile salvare il nastro di carta in %1: %2.</translation>
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
        <translation>Fisso</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifico</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Precisione bassa</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Precisione media (consigliata)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Precisione alta (sconsigliata)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato numeri</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Precisione frazioni</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Decimali</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Radicali nelle frazioni</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Includi radicali</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ATTENZIONE:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Con precisione media o alta il programma può non rispondere per qualche tempo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Inserisci dato</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Cancella tutto</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Somma</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>DS c&amp;ampione</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>DS &amp;pop.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pila</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 numero atomico</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 massa atomica</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Nastro</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Nastro di carta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Salva come...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Ca&amp;ncella</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Salva nastro come</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>calcoli sul nastro di carta</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>testo della guida</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>indicatore della funzione inversa</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>indicatore della funzione iperbolica</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>indicatore dei gradi</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>indicatore dei radianti</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>indicatore dei gradi centesimali</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>indicatore della memoria</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>indicatore della base</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>indicatore della frazione</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>etichetta personale</translation>
    </message>
    <message>
        <source>display</source>
        <translation>display</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>funzione secondaria di </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Con inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Chiudi pannello</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>chiudi il pannello</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spento</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>apri parentesi, livello %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>chiudi parentesi, livello %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>dati statistici</translation>
    </message>
</context>
</TS>
