<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Una calculadora científica con conversor de unidades, una biblioteca de constantes físicas, estadística, cálculos financieros y una tabla periódica.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Compruebe por otro medio los resultados importantes: este programa se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>icono del programa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Vm: volumen molar (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: const. univ. de los gases (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: temperatura normal (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: presión normal (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>Stefan-Boltzmann (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: velocidad de la luz (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>permitividad (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>permeabilidad (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: acel. de la gravedad (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: gravitación (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:constante de Planck (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: carga del electrón (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: masa del electrón (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: masa del protón (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: Faraday (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>radio de Bohr (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>longitud de onda del fotón (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>frecuencia del fotón (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>longitud de onda de Compton (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>constante dieléctrica</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>constante dieléctrica SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: velocidad del sonido (m/s)</translation>
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
        <translation>hecto (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>centi (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>mili (m): 10^-3</translation>
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
        <translation>Vm: volumen molar (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: const. univ. de los gases (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: temperatura normal (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: presión normal (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>Stefan-Boltzmann (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: velocidad de la luz (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: acel. de la gravedad (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: gravitación (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:constante de Planck (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>longitud de onda del fotón (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>longitud de onda de Compton (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: velocidad del sonido (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>C&amp;onstantes</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>&amp;Usar constante</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
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
        <translation>&amp;Long.</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>Á&amp;rea</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Vol.</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Peso</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Fuerza</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>Pre&amp;sión</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energía</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Pote&amp;nc.</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>T&amp;iempo</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>Te&amp;mp.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>kilómetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>yardas</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>millas</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>metros cuadrados</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>centímetros cuadrados</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>milímetros cuadrados</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>kilómetros cuadrados</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>hectáreas</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>pulgadas cuadradas</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>pies cuadrados</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>yardas cuadradas</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>millas cuadradas</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>acres</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>metros cúbicos</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>centímetros cúbicos</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litros</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>galones EE. UU.</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>pulgadas cúbicas</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pies cúbicos</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>galones imperiales</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogramos</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>toneladas métricas</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>toneladas largas</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>toneladas cortas</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>quilates</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>onzas</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>newtons</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>dinas</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>pascales</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>atmósferas</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>bares</translation>
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
        <translation>julios</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>ergios</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>calorías</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>vatios</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>caballos de fuerza (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>grados Celsius</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>grados Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>kelvins</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>grados Rankine</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>No es un número: escriba un número mayor o igual que 0</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tabla periódica de los elementos</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Haga clic para poner este valor en la pantalla</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Arrastre un elemento aquí</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Haga clic para poner la masa molar en la pantalla</translation>
    </message>
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
        <source>Fluorine</source>
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
        <source>Aluminum</source>
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
        <translation>Cinc</translation>
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
        <source>Polonium</source>
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
        <source>Actinium</source>
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
        <source>Unnilhexium</source>
        <translation>Unnilhexio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilseptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloctio</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilennio</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Número atómico..............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Masa atómica..................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Config. electrónica........</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Número atómico %1. Intro o Espacio lo pone en la siguiente casilla libre de la fórmula.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicador</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Cantidad en la casilla %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Casilla de fórmula %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Masa molar</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valor temporal del dinero</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Amortizar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / año</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>P/año</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Pagos</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
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
        <translation>&lt;p&gt;Zova es una calculadora científica. Pulse sus teclas con el ratón o escríbalas: cada tecla tiene un equivalente de teclado, indicado en su descripción emergente y listado en la página &lt;a href=&apos;topic:800&apos;&gt;Equivalentes de teclado&lt;/a&gt;. Después de cada tecla, el foco del teclado vuelve a la tecla =, de modo que Intro siempre significa =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;La pantalla&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La pantalla muestra el número que se está escribiendo o el último resultado. Las pequeñas marcas de encima muestran &lt;b&gt;inv&lt;/b&gt; mientras las funciones secundarias están activas, &lt;b&gt;h&lt;/b&gt; mientras las funciones hiperbólicas están activas, la unidad de ángulo (&lt;b&gt;d&lt;/b&gt; grados, &lt;b&gt;r&lt;/b&gt; radianes, &lt;b&gt;g&lt;/b&gt; gradianes), &lt;b&gt;M&lt;/b&gt; mientras la memoria contiene un valor, la base numérica (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binaria) y &lt;b&gt;A&lt;/b&gt; cuando una fracción es una aproximación.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Cálculos&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova evalúa las expresiones tal como se escriben: la multiplicación y la división tienen prioridad sobre la suma y la resta, y las potencias aún más. Los paréntesis se anidan hasta 100 niveles; la descripción emergente de las teclas de paréntesis indica cuántos hay abiertos, y = cierra los que sigan abiertos. Después de + o &amp;minus;, &lt;b&gt;%&lt;/b&gt; convierte la pantalla en ese porcentaje del número anterior al operador (200 + 5 % da 10); en otros casos divide la pantalla entre 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; cambia la siguiente tecla a la función impresa encima: arcoseno, arcocoseno y arcotangente, 10&lt;sup&gt;x&lt;/sup&gt; y e&lt;sup&gt;x&lt;/sup&gt;, la raíz y-ésima, coordenadas polares y rectangulares, mod, M&amp;minus; y MC. &lt;b&gt;hyp&lt;/b&gt; hace hiperbólicas sin, cos y tan. &lt;b&gt;Mode&lt;/b&gt; pasa por grados, radianes y gradianes; con inv también convierte el ángulo mostrado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; pasa por decimal, hexadecimal, octal y binario de 16 bits. En hexadecimal, las teclas marcadas de A a F encima escriben esos dígitos; inv Base es el NOT bit a bit, e inv Kin, inv Kout e inv X! son AND, OR y XOR.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; muestra la pantalla como fracción, inv b/c como número entero y fracción. La precisión de la fracción, y si puede contener raíces cuadradas, se ajustan en Herramientas, Opciones. Las teclas &amp;gt;&amp;deg; &apos; &quot; y &amp;deg; &apos; &quot; &amp;gt; convierten grados decimales en grados, minutos y segundos y viceversa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dos registros guardan números: &lt;b&gt;M+&lt;/b&gt; suma la pantalla a la memoria M y &lt;b&gt;MR&lt;/b&gt; la recupera; &lt;b&gt;Kin&lt;/b&gt; guarda la pantalla en K y &lt;b&gt;Kout&lt;/b&gt; la recupera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Herramientas&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El menú Herramientas abre, a la derecha del teclado, el conversor de unidades con su biblioteca de constantes físicas, el registro estadístico (con la casilla Pila marcada, cada resultado de = se introduce como dato) y los cálculos financieros (valor temporal del dinero y amortización). La tabla periódica muestra los datos de los elementos y suma las masas molares de fórmulas formadas arrastrando sus casillas. Opciones elige cómo se muestran los resultados: tal como salen, con un número fijo de decimales o en notación científica.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;La ventana&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El menú Ver hace la ventana compacta, la mantiene sobre las demás ventanas, cambia los colores de la pantalla, las teclas y la carcasa, y pone un título propio en la calculadora. Ocultar (o Esc) envía Zova a la bandeja del sistema; haga doble clic en su icono o elija Abrir en su menú para recuperarla. Si el escritorio no tiene bandeja, Zova se minimiza en su lugar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Configuración&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cuando Zova se cierra (Archivo, Salir, la tecla Fin o el botón de cierre de la ventana), escribe su configuración, ambos registros y los datos estadísticos en el archivo dadidedo.dat de la carpeta actual, y los vuelve a leer en el siguiente inicio. Archivo, Guardar configuración guarda una copia con otro nombre; Cargar configuración la recupera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Equivalentes de teclado&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Las teclas actúan al pulsarlas, en el orden en que se pulsan. Mientras se mantiene Ctrl o Alt, ninguna tecla llega al teclado de la calculadora. Las teclas marcadas &lt;i&gt;teclado numérico&lt;/i&gt; son las del teclado numérico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Teclado de la calculadora&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(con inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Los dígitos 0 a 9 se pueden escribir en la fila superior o en el teclado numérico. Los caracteres + - * / = y . actúan según lo que escribe la tecla en su distribución de teclado, esté donde esté; donde los números se escriben con coma decimal, la coma también es el separador decimal. En hexadecimal, las letras A a F escriben los dígitos A a F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Funciones estadísticas&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Conversor y constantes&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Equivalentes de teclado</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Descripción general</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Ayuda de Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Ocultar la ventana</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Guardar la configuración y cerrar Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ver, Ampliar (Ctrl++) y Reducir (Ctrl+-) agrandan o achican la calculadora, sus paneles, la tabla periódica y la cinta de papel en un cuarto del tamaño estándar, hasta tres veces ese tamaño; Tamaño real (Ctrl+0) vuelve a él. Arrastrar el borde de la ventana hace lo mismo, hasta el paso más cercano. Zova guarda el zoom en zova-window.conf, junto a su configuración.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Editar, Deshacer (Ctrl+Z) revierte la última acción: una tecla, un borrado, un cambio en un panel o en las opciones, un pegado, una configuración cargada o la cinta de papel borrada; Editar, Rehacer (Ctrl+Mayús+Z o Ctrl+Y) la vuelve a hacer. Ningún borrado pide confirmación: un borrado del que se arrepienta está a un Ctrl+Z.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Rehacer la última acción deshecha</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>open brackets:%1</source>
        <translation>paréntesis abiertos:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Tecla equivalente:  %1 del teclado</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Tecla equivalente:  %1 del teclado (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Tecla equivalente:  %1 del teclado (fila principal o teclado numérico)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Tecla equivalente:  %1 del teclado o %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Mayús+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>teclado numérico %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponente</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambiar signo</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>borrar entrada</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>add</source>
        <translation>sumar</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>restar</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplicar</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividir</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>apilar resultados en la estadística</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>inversa, funciones secundarias</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hiperbólica</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>base numérica</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>modo de ángulo</translation>
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
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>recíproco</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>grados decimales a grados, minutos, segundos</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>grados, minutos, segundos a grados decimales</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fracción</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>sumar a la memoria</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>recuperar memoria</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>guardar en K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>recuperar K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Tecla equivalente: %1 del teclado</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>teclado numérico</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Cargar configuración...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Guardar configuración...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Ocultar    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Siempre &amp;encima</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>Tamaño &amp;compacto</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Carcasa</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Teclas estándar</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Teclas de función</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Etiqueta personal</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Conversor/constantes</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>Funciones e&amp;stadísticas</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>Cálculos &amp;financieros</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>Tabla periódica de los &amp;elementos</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>Cinta de &amp;papel</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Descripción general</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Equivalentes de teclado</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>&amp;Acerca de Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>Acerca de Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>No disponible en Wayland: el escritorio no mantiene ninguna ventana siempre encima</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Archivos de datos (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>Esta carpeta ya contiene un archivo con ese nombre.  ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>ocupa más de 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>la configuración ocupa más de 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>es un enlace que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Escriba un título corto para personalizar su calculadora.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>No se pudo crear la entrada de inicio automático.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>No se pudo quitar la entrada de inicio automático.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>¡Error de cálculo!  O bien faltan datos o se ha producido un desbordamiento.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>El archivo de configuración %1 no se pudo leer. Se ha conservado como %1.bak y la configuración se guarda de nuevo.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>El archivo de configuración %1 no se pudo leer y no es un archivo que la configuración pueda reemplazar: se deja como está y la configuración no se guarda.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>El archivo «%1» no se encontró.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>El archivo «%1» no se pudo leer: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la cinta de papel en %1: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Científico</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Precisión baja</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Precisión media (recomendada)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Precisión alta (no recomendada)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato numérico</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Precisión de fracciones</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Radicales en fracciones</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Incluir radicales</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ADVERTENCIA:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Con precisión media o alta el programa puede dejar de responder durante un tiempo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Introducir dato</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Borrar &amp;todo</translation>
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
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>DE m&amp;uestral</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>DE &amp;pobl.</translation>
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
        <translation>%1 número atómico</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 masa atómica</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Cinta de papel</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Guardar cinta como</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>cálculos de la cinta de papel</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>texto de ayuda</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>indicador de función inversa</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>indicador de función hiperbólica</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>indicador de grados</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>indicador de radianes</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>indicador de gradianes</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>indicador de memoria</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>indicador de base</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>indicador de fracción</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>etiqueta personal</translation>
    </message>
    <message>
        <source>display</source>
        <translation>pantalla</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>función secundaria de </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Con inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Cerrar panel</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>cerrar el panel desplegable</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>abrir paréntesis, nivel %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>cerrar paréntesis, nivel %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>datos estadísticos</translation>
    </message>
</context>
</TS>
