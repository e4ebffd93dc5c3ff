<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Ein wissenschaftlicher Taschenrechner mit Einheitenumrechner, einer Bibliothek physikalischer Konstanten, Statistik, Finanzmathematik und einem Periodensystem.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Prüfen Sie wichtige Ergebnisse auf anderem Weg: Dieses Programm wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>Programmsymbol</translation>
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
        <translation>Vm: Molvolumen (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: allg. Gaskonstante (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: Normtemperatur (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: Normdruck (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>Stefan-Boltzmann (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: Lichtgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>Permittivität (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>Permeabilität (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: Erdbeschleunigung (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: Gravitationskonstante (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:Planck-Konstante (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: Elementarladung (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: Elektronenmasse (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: Protonenmasse (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: Faraday (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>Bohr-Radius (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>Photonenwellenlänge (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>Photonenfrequenz (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>Compton-Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>Dielektrizitätszahl</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>Dielektrizitätszahl SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: Schallgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>tera (T): 10^12</source>
        <translation>Tera (T): 10^12</translation>
    </message>
    <message>
        <source>giga (G): 10^9</source>
        <translation>Giga (G): 10^9</translation>
    </message>
    <message>
        <source>mega (M): 10^6</source>
        <translation>Mega (M): 10^6</translation>
    </message>
    <message>
        <source>kilo (k): 10^3</source>
        <translation>Kilo (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>Hekto (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>Zenti (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>Milli (m): 10^-3</translation>
    </message>
    <message>
        <source>micro (mu): 10^-6</source>
        <translation>Mikro (mu): 10^-6</translation>
    </message>
    <message>
        <source>nano (n): 10^-9</source>
        <translation>Nano (n): 10^-9</translation>
    </message>
    <message>
        <source>pico (p): 10^-12</source>
        <translation>Piko (p): 10^-12</translation>
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
        <translation>Vm: Molvolumen (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: allg. Gaskonstante (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: Normtemperatur (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: Normdruck (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>Stefan-Boltzmann (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: Lichtgeschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: Erdbeschleunigung (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: Gravitationskonstante (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:Planck-Konstante (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>Photonenwellenlänge (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>Compton-Wellenlänge (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: Schallgeschwindigkeit (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>K&amp;onstanten</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umrechnen</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>Engl.</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Fläche</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Vol.</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Kraft</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>&amp;Druck</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Leis&amp;t.</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>Te&amp;mp.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>Quadratyards</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>Acres</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>US-Gallonen</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>britische Gallonen</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>Tonnen</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>britische Tonnen</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>US-Tonnen</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>Karat</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>Atmosphären</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>Bar</translation>
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
        <translation>Torr</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>Erg</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>Grad Rankine</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>Keine Zahl: Geben Sie eine Zahl ab 0 ein</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Periodensystem der Elemente</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Klicken, um diesen Wert in die Anzeige zu übernehmen</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Element hierher ziehen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Klicken, um die molare Masse in die Anzeige zu übernehmen</translation>
    </message>
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
        <translation>Ordnungszahl................</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Atommasse.....................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Elektronenkonfig.....</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Ordnungszahl %1. Eingabe oder Leertaste setzt es in das nächste freie Formelfeld.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplikator</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Anzahl in Feld %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Formelfeld %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Molare Masse</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Zeitwert des Geldes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Tilgen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / J.</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>Z/J.</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
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
        <translation>&lt;p&gt;Zova ist ein wissenschaftlicher Taschenrechner. Klicken Sie auf seine Tasten oder tippen Sie sie: Jede Taste hat eine Entsprechung auf der Tastatur, die im Tooltip der Taste genannt und auf der Seite &lt;a href=&apos;topic:800&apos;&gt;Tastaturbefehle&lt;/a&gt; aufgeführt ist. Nach jeder Taste geht der Tastaturfokus zurück auf die Taste =, daher bedeutet die Eingabetaste immer =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Die Anzeige&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Anzeige zeigt die gerade eingegebene Zahl oder das letzte Ergebnis. Die kleinen Zeichen darüber zeigen &lt;b&gt;inv&lt;/b&gt;, solange die Zweitfunktionen aktiv sind, &lt;b&gt;h&lt;/b&gt;, solange die hyperbolischen Funktionen aktiv sind, die Winkeleinheit (&lt;b&gt;d&lt;/b&gt; Grad, &lt;b&gt;r&lt;/b&gt; Bogenmaß, &lt;b&gt;g&lt;/b&gt; Neugrad), &lt;b&gt;M&lt;/b&gt;, solange der Speicher einen Wert enthält, die Zahlenbasis (&lt;b&gt;h&lt;/b&gt; hexadezimal, &lt;b&gt;o&lt;/b&gt; oktal, &lt;b&gt;b&lt;/b&gt; binär) und &lt;b&gt;A&lt;/b&gt;, wenn ein Bruch eine Näherung ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Rechnen&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova rechnet Ausdrücke so, wie sie geschrieben werden: Punktrechnung geht vor Strichrechnung, und Potenzen binden noch stärker. Klammern lassen sich bis zu 100 Ebenen tief schachteln; der Tooltip der Klammertasten zeigt, wie viele offen sind, und = schließt alle noch offenen. Nach + oder &amp;minus; macht &lt;b&gt;%&lt;/b&gt; aus der Anzeige diesen Prozentsatz der Zahl vor dem Operator (200 + 5 % ergibt 10); sonst teilt es die Anzeige durch 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; schaltet die nächste Taste auf die darüber gedruckte Funktion um: Arkussinus, Arkuskosinus und Arkustangens, 10&lt;sup&gt;x&lt;/sup&gt; und e&lt;sup&gt;x&lt;/sup&gt;, die y-te Wurzel, Polar- und Rechteckkoordinaten, mod, M&amp;minus; und MC. &lt;b&gt;hyp&lt;/b&gt; macht sin, cos und tan hyperbolisch. &lt;b&gt;Mode&lt;/b&gt; wechselt zwischen Grad, Bogenmaß und Neugrad; mit inv rechnet es auch den angezeigten Winkel um.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; wechselt zwischen dezimal, hexadezimal, oktal und 16-Bit-binär. Im Hexadezimalsystem tippen die Tasten, über denen A bis F steht, diese Ziffern; inv Base ist das bitweise Nicht, und inv Kin, inv Kout und inv X! sind Und, Oder und Exklusiv-Oder.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; zeigt die Anzeige als Bruch, inv b/c als ganze Zahl mit Bruch. Wie genau der Bruch sein muss und ob er Quadratwurzeln enthalten darf, wird unter Extras, Optionen festgelegt. Die Tasten &amp;gt;&amp;deg; &apos; &quot; und &amp;deg; &apos; &quot; &amp;gt; wandeln Dezimalgrad in Grad, Minuten und Sekunden um und zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zwei Register speichern Zahlen: &lt;b&gt;M+&lt;/b&gt; addiert die Anzeige zum Speicher M, und &lt;b&gt;MR&lt;/b&gt; ruft ihn ab; &lt;b&gt;Kin&lt;/b&gt; speichert die Anzeige in K, und &lt;b&gt;Kout&lt;/b&gt; ruft sie ab.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Extras&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Menü Extras öffnet rechts neben den Tasten den Einheitenumrechner mit seiner Bibliothek physikalischer Konstanten, das Statistikregister (ist das Kästchen Stapel angekreuzt, wird jedes Ergebnis von = als Wert übernommen) und die Finanzmathematik (Zeitwert des Geldes und Tilgung). Das Periodensystem zeigt die Daten der Elemente und addiert die molaren Massen von Formeln, die aus seinen Kacheln zusammengezogen werden. Optionen legt fest, wie Ergebnisse angezeigt werden: wie sie kommen, mit einer festen Zahl von Nachkommastellen oder in wissenschaftlicher Schreibweise.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Das Fenster&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Menü Ansicht macht das Fenster kompakt, hält es über anderen Fenstern, färbt Anzeige, Tasten und Gehäuse neu und setzt einen eigenen Titel auf den Rechner. Ausblenden (oder Esc) schickt Zova in den Systembereich der Kontrollleiste; ein Doppelklick auf das Symbol dort oder Öffnen in seinem Menü holt es zurück. Hat die Arbeitsfläche keinen solchen Bereich, wird Zova stattdessen minimiert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Einstellungen&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wenn Zova geschlossen wird (Datei, Beenden, die Taste Ende oder das Schließfeld des Fensters), schreibt es seine Einstellungen, beide Register und die Statistikdaten in die Datei dadidedo.dat im aktuellen Ordner und liest sie beim nächsten Start wieder ein. Datei, Einstellungen speichern legt eine Kopie unter einem anderen Namen ab; Einstellungen laden holt sie zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Tastaturbefehle&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Tasten wirken, wenn sie gedrückt werden, in der Reihenfolge des Drückens. Solange Strg oder Alt gedrückt ist, erreicht keine Taste die Rechnertasten. Mit &lt;i&gt;Ziffernblock&lt;/i&gt; markierte Tasten sind die des numerischen Ziffernblocks.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Rechnertasten&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(mit inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Ziffern 0 bis 9 können in der oberen Reihe oder auf dem Ziffernblock getippt werden. Die Zeichen + - * / = und . wirken nach dem, was die Taste in Ihrer Tastaturbelegung tippt, wo immer die Taste liegt; wo Zahlen mit Dezimalkomma geschrieben werden, ist auch das Komma der Dezimalpunkt. Im Hexadezimalsystem tippen die Buchstaben A bis F die Ziffern A bis F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Statistikfunktionen&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Umrechner und Konstanten&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Tastaturbefehle</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Zova-Hilfe - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Einstellungen speichern und Zova schließen</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ansicht, Vergrößern (Strg++) und Verkleinern (Strg+-) machen den Rechner, seine Felder, das Periodensystem und den Papierstreifen um ein Viertel der Standardgröße größer oder kleiner, bis zum Dreifachen; Originalgröße (Strg+0) kehrt zu ihr zurück. Das Ziehen am Fensterrand tut dasselbe, bis zur nächsten Stufe. Zova merkt sich die Vergrößerung in zova-window.conf neben seinen Einstellungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Bearbeiten, Rückgängig (Strg+Z) nimmt die letzte Aktion zurück: eine Taste, ein Löschen, eine Änderung in einem Feld oder in den Optionen, ein Einfügen, geladene Einstellungen oder den gelöschten Papierstreifen; Bearbeiten, Wiederholen (Strg+Umschalt+Z oder Strg+Y) führt sie erneut aus. Kein Löschen fragt nach einer Bestätigung: Ein bereutes Löschen ist nur ein Strg+Z entfernt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Die zuletzt zurückgenommene Aktion wiederholen</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>open brackets:%1</source>
        <translation>offene Klammern:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Tastatur:  %1 drücken</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Tastatur:  %1 drücken (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Tastatur:  %1 drücken (Hauptfeld oder Ziffernblock)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Tastatur:  %1 drücken oder %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Umschalt+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>Ziffernblock %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>Vorzeichenwechsel</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>subtrahieren</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplizieren</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividieren</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>Ergebnisse in die Statistik übernehmen</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>invers, Zweitfunktionen</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisch</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>Zahlenbasis</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>Winkelmodus</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>Dezimalgrad in Grad, Minuten, Sekunden</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>Grad, Minuten, Sekunden in Dezimalgrad</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>Speicher addieren</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>in K speichern</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>K abrufen</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Tastatur: %1 drücken</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>Ziffernblock</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>Einstellungen &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>Einstellungen &amp;speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Ausblenden    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>Auto&amp;start</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>&amp;Kompakte Größe</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Gehäuse</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Standardtasten</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Funktionstasten</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Eigene Beschriftung</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Umrechner/Konstanten</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>&amp;Statistikfunktionen</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>&amp;Finanzmathematik</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>&amp;Periodensystem der Elemente</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>Pap&amp;ierstreifen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>Ü&amp;bersicht</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Tastaturbefehle</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>&amp;Über Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>Über Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Unter Wayland nicht verfügbar: Die Arbeitsumgebung hält kein Programmfenster im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Speichern bestätigen</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>In diesem Ordner gibt es bereits eine Datei mit diesem Namen.  Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>sie ist größer als 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>die Einstellungen sind größer als 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>sie ist ein Verweis, der einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Geben Sie einen kurzen Titel für Ihren Rechner ein.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>Der Autostart-Eintrag konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>Der Autostart-Eintrag konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Rechenfehler!  Entweder fehlen Angaben, oder es ist ein Überlauf aufgetreten.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %1.bak aufbewahrt, und die Einstellungen werden neu gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden und ist keine Datei, die die Einstellungen ersetzen dürfen: Sie bleibt unverändert, und die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>Der Papierstreifen konnte nicht in %1 gespeichert werden: %2.</translation>
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
        <translation>Fest</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Geringe Genauigkeit</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Mittlere Genauigkeit (empfohlen)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Hohe Genauigkeit (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Zahlenformat</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Bruchgenauigkeit</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Wurzeln in Brüchen</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Wurzeln zulassen</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>WARNUNG:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Mittlere und hohe Genauigkeit können das Programm vorübergehend nicht mehr reagieren lassen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Summe</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Mittelwert</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>Stabw. Stich&amp;pr.</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>Stabw. &amp;Grundges.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 Ordnungszahl</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 Atommasse</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Papierstreifen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Papierstreifen speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>Rechnungen auf dem Papierstreifen</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>Anzeige invers</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>Anzeige hyperbolisch</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>Anzeige Grad</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>Anzeige Bogenmaß</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>Anzeige Neugrad</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>Anzeige Speicher</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>Anzeige Zahlenbasis</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>Anzeige Bruch</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>eigene Beschriftung</translation>
    </message>
    <message>
        <source>display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>Zweitfunktion von </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Mit inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Einklappen</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>Ausklappbereich schließen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>Klammer auf, Tiefe %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>Klammer zu, Tiefe %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>Statistikdaten</translation>
    </message>
</context>
</TS>
