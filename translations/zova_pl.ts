<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Kalkulator naukowy z przelicznikiem jednostek, biblioteką stałych fizycznych, statystyką, obliczeniami finansowymi i układem okresowym.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Ważne wyniki sprawdź w inny sposób: ten program nie jest objęty żadną gwarancją.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>ikona programu</translation>
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
        <translation>NA: stała Avogadra (/(g*mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (J/K)</source>
        <translation>k: stała Boltzmanna (J/K)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(g*mol))</source>
        <translation>Vm: objętość molowa (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: uniw. stała gazowa (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: temperatura normalna (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: ciśnienie normalne (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>stała Stefana-Boltzmanna (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: prędkość światła (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>przenikalność elektryczna (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>przenikalność magnetyczna (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: przysp. ziemskie (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: grawitacja (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:stała Plancka (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: ładunek elementarny (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: masa elektronu (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: masa protonu (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: stała Faradaya (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>promień Bohra (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>długość fali fotonu (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>częstotliwość fotonu (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>komptonowska długość fali (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>stała dielektryczna</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>stała dielektryczna SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: prędkość dźwięku (m/s)</translation>
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
        <translation>kilo (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>hekto (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>centy (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>mili (m): 10^-3</translation>
    </message>
    <message>
        <source>micro (mu): 10^-6</source>
        <translation>mikro (mu): 10^-6</translation>
    </message>
    <message>
        <source>nano (n): 10^-9</source>
        <translation>nano (n): 10^-9</translation>
    </message>
    <message>
        <source>pico (p): 10^-12</source>
        <translation>piko (p): 10^-12</translation>
    </message>
    <message>
        <source>NA: Avogadro (/(g/mol))</source>
        <translation>NA: stała Avogadra (/(g/mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (Btu/R)</source>
        <translation>k: stała Boltzmanna (Btu/R)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(lb*mol))</source>
        <translation>Vm: objętość molowa (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: uniw. stała gazowa (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: temperatura normalna (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: ciśnienie normalne (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>stała Stefana-Boltzmanna (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: prędkość światła (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: przysp. ziemskie (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: grawitacja (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:stała Plancka (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>długość fali fotonu (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>komptonowska długość fali (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: prędkość dźwięku (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>St&amp;ałe</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>P&amp;rzelicz</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>&amp;Użyj stałej</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Na:</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>Ang.</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Długość</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Pole</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Ob&amp;jęt.</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Masa</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Siła</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>Ciś&amp;n.</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>M&amp;oc</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Czas</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>&amp;Temp.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metry</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centymetry</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milimetry</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>kilometry</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>cale</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>stopy</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>jardy</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>mile</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>metry kwadratowe</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>centymetry kwadratowe</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>milimetry kwadratowe</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>kilometry kwadratowe</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>hektary</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>cale kwadratowe</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>stopy kwadratowe</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>jardy kwadratowe</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>mile kwadratowe</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>akry</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>metry sześcienne</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>centymetry sześcienne</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litry</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>galony amerykańskie</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>cale sześcienne</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>stopy sześcienne</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>galony brytyjskie</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramy</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogramy</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>tony</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>tony długie</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>tony krótkie</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>karaty</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>uncje</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>funty</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>niutony</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>dyny</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>paskale</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>atmosfery</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>bary</translation>
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
        <translation>tory</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>dżule</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>ergi</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>kalorie</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>waty</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>konie mechaniczne bryt. (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundy</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuty</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godziny</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>tygodnie</translation>
    </message>
    <message>
        <source>months</source>
        <translation>miesiące</translation>
    </message>
    <message>
        <source>years</source>
        <translation>lata</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>stopnie Celsjusza</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>stopnie Fahrenheita</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>kelwiny</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>stopnie Rankine’a</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>To nie liczba: wpisz liczbę równą 0 lub większą</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Układ okresowy pierwiastków</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Kliknij, aby przenieść tę wartość na wyświetlacz</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Przeciągnij tu pierwiastek</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Kliknij, aby przenieść masę molową na wyświetlacz</translation>
    </message>
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
        <source>Hahnium</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilheks</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilsept</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloct</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilenn</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Liczba atomowa..............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Masa atomowa..................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Konfig. elektronowa........</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Liczba atomowa %1. Enter lub spacja wstawia go do następnego wolnego pola wzoru.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Mnożnik</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Liczba w polu %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Pole wzoru %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Masa molowa</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Wartość pieniądza w czasie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Harmonogram spłat</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Amortyzuj</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / rok</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>P/rok</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Stopa</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Płatności</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Odsetki</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Kapitał</translation>
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
        <translation>&lt;p&gt;Zova to kalkulator naukowy. Klikaj jego klawisze albo wpisuj je z klawiatury: każdy klawisz ma odpowiednik na klawiaturze, podany w jego podpowiedzi i wymieniony na stronie &lt;a href=&apos;topic:800&apos;&gt;Skróty klawiszowe&lt;/a&gt;. Po każdym klawiszu fokus klawiatury wraca na klawisz =, więc Enter zawsze oznacza =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Wyświetlacz&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wyświetlacz pokazuje wpisywaną liczbę albo ostatni wynik. Małe znaczniki nad nim pokazują &lt;b&gt;inv&lt;/b&gt;, gdy włączone są funkcje drugie, &lt;b&gt;h&lt;/b&gt;, gdy włączone są funkcje hiperboliczne, jednostkę kąta (&lt;b&gt;d&lt;/b&gt; stopnie, &lt;b&gt;r&lt;/b&gt; radiany, &lt;b&gt;g&lt;/b&gt; grady), &lt;b&gt;M&lt;/b&gt;, gdy pamięć zawiera wartość, system liczbowy (&lt;b&gt;h&lt;/b&gt; szesnastkowy, &lt;b&gt;o&lt;/b&gt; ósemkowy, &lt;b&gt;b&lt;/b&gt; dwójkowy) oraz &lt;b&gt;A&lt;/b&gt;, gdy ułamek jest przybliżeniem.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Obliczenia&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova oblicza wyrażenia tak, jak są zapisane: mnożenie i dzielenie mają pierwszeństwo przed dodawaniem i odejmowaniem, a potęgowanie jeszcze większe. Nawiasy można zagnieżdżać do 100 poziomów; podpowiedź klawiszy nawiasów mówi, ile jest otwartych, a = zamyka wszystkie jeszcze otwarte. Po + lub &amp;minus; klawisz &lt;b&gt;%&lt;/b&gt; zamienia wyświetlaną liczbę na taki procent liczby sprzed operatora (200 + 5 % daje 10); w pozostałych przypadkach dzieli wyświetlaną liczbę przez 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; przełącza następny klawisz na funkcję nadrukowaną nad nim: arcus sinus, arcus cosinus i arcus tangens, 10&lt;sup&gt;x&lt;/sup&gt; i e&lt;sup&gt;x&lt;/sup&gt;, pierwiastek stopnia y, współrzędne biegunowe i prostokątne, mod, M&amp;minus; i MC. &lt;b&gt;hyp&lt;/b&gt; zmienia sin, cos i tan na funkcje hiperboliczne. &lt;b&gt;Mode&lt;/b&gt; przełącza stopnie, radiany i grady; z inv przelicza też wyświetlany kąt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; przełącza system dziesiętny, szesnastkowy, ósemkowy i 16-bitowy dwójkowy. W systemie szesnastkowym klawisze oznaczone nad nimi literami A do F wpisują te cyfry; inv Base to bitowe NOT, a inv Kin, inv Kout i inv X! to AND, OR i XOR.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; pokazuje wyświetlaną liczbę jako ułamek, inv b/c jako liczbę całkowitą z ułamkiem. Jak dokładny ma być ułamek i czy może zawierać pierwiastki kwadratowe, ustawia się w Narzędzia, Opcje. Klawisze &amp;gt;&amp;deg; &apos; &quot; i &amp;deg; &apos; &quot; &amp;gt; zamieniają stopnie dziesiętne na stopnie, minuty i sekundy i odwrotnie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dwa rejestry przechowują liczby: &lt;b&gt;M+&lt;/b&gt; dodaje wyświetlaną liczbę do pamięci M, a &lt;b&gt;MR&lt;/b&gt; ją przywołuje; &lt;b&gt;Kin&lt;/b&gt; zapisuje wyświetlaną liczbę w K, a &lt;b&gt;Kout&lt;/b&gt; ją przywołuje.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Narzędzia&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Menu Narzędzia otwiera po prawej stronie klawiszy przelicznik jednostek z biblioteką stałych fizycznych, rejestr statystyczny (przy zaznaczonym polu Stos każdy wynik = jest dodawany jako dana) oraz obliczenia finansowe (wartość pieniądza w czasie i harmonogram spłat). Układ okresowy pokazuje dane pierwiastków i sumuje masy molowe wzorów złożonych przez przeciąganie jego pól. Opcje określają, jak są pokazywane wyniki: tak, jak wychodzą, ze stałą liczbą miejsc dziesiętnych albo w notacji naukowej.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Okno&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Menu Widok zmniejsza okno do wersji kompaktowej, utrzymuje je nad innymi oknami, zmienia kolory wyświetlacza, klawiszy i obudowy oraz umieszcza na kalkulatorze własny tytuł. Ukryj (lub Esc) przenosi Zova do zasobnika systemowego; aby go przywrócić, kliknij dwukrotnie jego ikonę albo wybierz Otwórz z jego menu. Jeśli pulpit nie ma zasobnika, Zova jest zamiast tego minimalizowany.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Ustawienia&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Gdy Zova się zamyka (Plik, Zakończ, klawisz End albo przycisk zamykania okna), zapisuje ustawienia, oba rejestry i dane statystyczne do pliku dadidedo.dat w bieżącym folderze, a przy następnym uruchomieniu wczytuje je z powrotem. Plik, Zapisz ustawienia zachowuje kopię pod inną nazwą; Wczytaj ustawienia ją przywraca.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Skróty klawiszowe&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Klawisze działają w chwili naciśnięcia, w kolejności naciśnięć. Dopóki wciśnięty jest Ctrl lub Alt, żaden klawisz nie dociera do klawiszy kalkulatora. Klawisze oznaczone &lt;i&gt;klawiatura numeryczna&lt;/i&gt; to klawisze klawiatury numerycznej.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Klawisze kalkulatora&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(z inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cyfry od 0 do 9 można wpisywać w górnym rzędzie albo na klawiaturze numerycznej. Znaki + - * / = i . działają według tego, co klawisz wpisuje w Twoim układzie klawiatury, gdziekolwiek leży; tam, gdzie liczby zapisuje się z przecinkiem dziesiętnym, przecinek także jest separatorem dziesiętnym. W systemie szesnastkowym litery od A do F wpisują cyfry od A do F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Funkcje statystyczne&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Przelicznik i stałe&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Pomoc Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Ukryj okno</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Zapisz ustawienia i zamknij Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Widok, Powiększ (Ctrl++) i Pomniejsz (Ctrl+-) powiększają lub pomniejszają kalkulator, jego panele, układ okresowy i taśmę papierową o ćwierć rozmiaru standardowego, aż do trzykrotności; Rzeczywisty rozmiar (Ctrl+0) wraca do niego. Przeciąganie krawędzi okna działa tak samo, do najbliższego stopnia. Zova zapamiętuje powiększenie w pliku zova-window.conf obok swoich ustawień.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Edycja, Cofnij (Ctrl+Z) wycofuje ostatnią czynność: klawisz, czyszczenie, zmianę w panelu lub w opcjach, wklejenie, wczytane ustawienia albo wyczyszczoną taśmę papierową; Edycja, Ponów (Ctrl+Shift+Z lub Ctrl+Y) wykonuje ją ponownie. Żadne czyszczenie nie prosi o potwierdzenie: czyszczenie, którego żałujesz, cofa jedno Ctrl+Z.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Cofnij ostatnią czynność</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Ponów ostatnio cofniętą czynność</translation>
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
        <translation>End</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
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
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>open brackets:%1</source>
        <translation>otwarte nawiasy:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Klawisz:  %1 na klawiaturze</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Klawisz:  %1 na klawiaturze (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Klawisz:  %1 na klawiaturze (rząd główny lub klawiatura numeryczna)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Klawisz:  %1 na klawiaturze lub %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Shift+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>klawiatura numeryczna %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siedem</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>osiem</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewięć</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cztery</translation>
    </message>
    <message>
        <source>five</source>
        <translation>pięć</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sześć</translation>
    </message>
    <message>
        <source>one</source>
        <translation>jeden</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwa</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trzy</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separator dziesiętny</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>wykładnik</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>zmiana znaku</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>usuń ostatnią cyfrę</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>wyczyść wpis</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>wyczyść wszystko</translation>
    </message>
    <message>
        <source>add</source>
        <translation>dodaj</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>odejmij</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>pomnóż</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>podziel</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potęga</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>równa się</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>nawias otwierający</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>nawias zamykający</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>dodawaj wyniki do statystyki</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>odwrotne, funkcje drugie</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hiperboliczne</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>system liczbowy</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>tryb kąta</translation>
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
        <translation>tangens</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarytm dziesiętny</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarytm naturalny</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>odwrotność</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>silnia</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>stopnie dziesiętne na stopnie, minuty, sekundy</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>stopnie, minuty, sekundy na stopnie dziesiętne</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>ułamek</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>dodaj do pamięci</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>przywołaj pamięć</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>zapisz w K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>przywołaj K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Klawisz: %1 na klawiaturze</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>klawiatura numeryczna</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Wczytaj ustawienia...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Zapisz ustawienia...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Ukryj    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Zawsze na &amp;wierzchu</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Autostart</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>Rozmiar &amp;kompaktowy</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cyfry</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Obudowa</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Klawisze standardowe</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Klawisze funkcyjne</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Własna etykieta</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Konwerter/stałe</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>Funkcje &amp;statystyczne</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>Obliczenia &amp;finansowe</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>Układ okresowy &amp;pierwiastków</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>&amp;Taśma papierowa</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Przegląd</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>&amp;O programie Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>O programie Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ukryj</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>Rozmiar &amp;normalny</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Niedostępne w Wayland: pulpit nie utrzymuje okien programów na wierzchu</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>P&amp;owiększ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Pliki danych (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Wczytaj ustawienia</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Potwierdź zapis</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>Ten folder zawiera już plik o tej nazwie.  Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>jest większy niż 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>ustawienia są większe niż 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>jest to dowiązanie należące do innego użytkownika</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Wpisz krótki tytuł, aby spersonalizować kalkulator.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>Nie udało się utworzyć wpisu autostartu.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>Nie udało się usunąć wpisu autostartu.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Błąd obliczeń!  Podano za mało danych albo nastąpiło przepełnienie.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>Pliku ustawień %1 nie udało się odczytać. Zachowano go jako %1.bak, a ustawienia zostaną zapisane od nowa.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>Pliku ustawień %1 nie udało się odczytać, a nie jest to plik, który ustawienia mogą zastąpić: pozostaje bez zmian, a ustawienia nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać ustawień w %1: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Pliku „%1” nie znaleziono.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Pliku „%1” nie udało się odczytać: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać taśmy papierowej w %1: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Naukowy</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Niska dokładność</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Średnia dokładność (zalecana)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Wysoka dokładność (niezalecana)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Format liczb</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Dokładność ułamków</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Miejsca dziesiętne</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Pierwiastki w ułamkach</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Uwzględniaj pierwiastki</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>UWAGA:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Przy średniej i wysokiej dokładności program może chwilowo przestać odpowiadać.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Wprowadź dane</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Wy&amp;czyść wszystko</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Suma</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>Ś&amp;rednia</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>Odch. &amp;próbki</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>Odch. p&amp;opul.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Stos</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 liczba atomowa</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 masa atomowa</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Taśma</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Taśma papierowa</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Zapisz taśmę jako</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>obliczenia na taśmie papierowej</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>tekst pomocy</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>wskaźnik odwrotnych</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>wskaźnik hiperbolicznych</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>wskaźnik stopni</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>wskaźnik radianów</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>wskaźnik gradów</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>wskaźnik pamięci</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>wskaźnik systemu liczbowego</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>wskaźnik ułamka</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>własna etykieta</translation>
    </message>
    <message>
        <source>display</source>
        <translation>wyświetlacz</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>druga funkcja: </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Z inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Zamknij panel</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>zamknij panel boczny</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączony</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>nawias otwierający, głębokość %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>nawias zamykający, głębokość %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>dane statystyczne</translation>
    </message>
</context>
</TS>
