<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Uma calculadora científica com conversor de unidades, uma biblioteca de constantes físicas, estatística, cálculos financeiros e uma tabela periódica.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Confira por outro meio os resultados importantes: este programa é fornecido sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>ícone do programa</translation>
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
        <translation>Vm: volume molar (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: const. univ. dos gases (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: temperatura padrão (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: pressão padrão (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>Stefan-Boltzmann (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: velocidade da luz (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>permissividade (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>permeabilidade (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: acel. da gravidade (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: gravitação (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:constante de Planck (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: carga do elétron (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: massa do elétron (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: massa do próton (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: Faraday (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>raio de Bohr (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>comprimento de onda do fóton (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>frequência do fóton (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>comprimento de onda Compton (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>constante dielétrica</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>constante dielétrica SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: velocidade do som (m/s)</translation>
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
        <translation>quilo (k): 10^3</translation>
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
        <translation>Vm: volume molar (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: const. univ. dos gases (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: temperatura padrão (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: pressão padrão (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>Stefan-Boltzmann (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: velocidade da luz (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: acel. da gravidade (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: gravitação (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:constante de Planck (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>comprimento de onda do fóton (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>comprimento de onda Compton (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: velocidade do som (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>C&amp;onstantes</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Conve&amp;rter</translation>
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
        <translation>Para:</translation>
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
        <translation>&amp;Compr.</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>Áre&amp;a</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Peso</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Força</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>Pre&amp;ssão</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Potê&amp;n.</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>Te&amp;mpo</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>&amp;Temp.</translation>
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
        <translation>quilômetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pés</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>jardas</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>milhas</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>metros quadrados</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>centímetros quadrados</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>milímetros quadrados</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>quilômetros quadrados</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>hectares</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>polegadas quadradas</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>pés quadrados</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>jardas quadradas</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>milhas quadradas</translation>
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
        <translation>galões americanos</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>polegadas cúbicas</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>pés cúbicos</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>galões imperiais</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>gramas</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>quilogramas</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>toneladas métricas</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>toneladas longas</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>toneladas curtas</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>quilates</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>onças</translation>
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
        <translation>pascals</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>atmosferas</translation>
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
        <translation>calorias</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>BTUs</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>watts</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>horsepower (hp)</translation>
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
        <translation>dias</translation>
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
        <translation>anos</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>graus Celsius</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>graus Fahrenheit</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>kelvins</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>graus Rankine</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>Não é um número: digite um número maior ou igual a 0</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tabela periódica dos elementos</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Clique para pôr este valor no visor</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Arraste um elemento para cá</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Clique para pôr a massa molar no visor</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrogênio</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lítio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berílio</translation>
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
        <translation>Nitrogênio</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxigênio</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neônio</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sódio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silício</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Enxofre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argônio</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escândio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titânio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanádio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganês</translation>
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
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gálio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germânio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsênio</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selênio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Criptônio</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubídio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estrôncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ítrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zircônio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Nióbio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdênio</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnécio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutênio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Ródio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paládio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cádmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Índio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estanho</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimônio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telúrio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenônio</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bário</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantânio</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cério</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodímio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodímio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promécio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samário</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Európio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolínio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Térbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprósio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Hólmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Érbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Túlio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Itérbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutécio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Háfnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tântalo</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstênio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rênio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Ósmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Irídio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platina</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tálio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polônio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radônio</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Frâncio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actínio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tório</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactínio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Urânio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Netúnio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutônio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Amerício</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Cúrio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berquélio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Califórnio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstênio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Férmio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelévio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Laurêncio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfórdio</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>Hânio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhéxio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilséptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unnilóctio</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilênio</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Número atômico..............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Massa atômica.................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Config. eletrônica.........</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Número atômico %1. Enter ou Espaço o coloca na próxima casa livre da fórmula.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicador</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Quantidade na casa %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Casa da fórmula %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Massa molar</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valor do dinheiro no tempo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Amortizar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / ano</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>P/ano</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taxa</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Pagamentos</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Principal</translation>
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
        <translation>&lt;p&gt;Zova é uma calculadora científica. Clique nas teclas ou digite-as: cada tecla tem um equivalente no teclado, indicado na dica da tecla e listado na página &lt;a href=&apos;topic:800&apos;&gt;Equivalentes de teclado&lt;/a&gt;. Depois de cada tecla, o foco do teclado volta para a tecla =, de modo que Enter sempre significa =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;O visor&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O visor mostra o número sendo digitado ou o último resultado. As pequenas marcas acima dele mostram &lt;b&gt;inv&lt;/b&gt; enquanto as funções secundárias estão ativas, &lt;b&gt;h&lt;/b&gt; enquanto as funções hiperbólicas estão ativas, a unidade de ângulo (&lt;b&gt;d&lt;/b&gt; graus, &lt;b&gt;r&lt;/b&gt; radianos, &lt;b&gt;g&lt;/b&gt; grados), &lt;b&gt;M&lt;/b&gt; enquanto a memória guarda um valor, a base numérica (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binária) e &lt;b&gt;A&lt;/b&gt; quando uma fração é uma aproximação.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Calculando&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O Zova calcula as expressões como são escritas: multiplicação e divisão têm precedência sobre adição e subtração, e as potências mais ainda. Os parênteses podem ser aninhados até 100 níveis; a dica das teclas de parênteses informa quantos estão abertos, e = fecha os que ainda estiverem abertos. Depois de + ou &amp;minus;, &lt;b&gt;%&lt;/b&gt; transforma o visor nessa porcentagem do número antes do operador (200 + 5 % dá 10); nos outros casos divide o visor por 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; muda a próxima tecla para a função impressa acima dela: arco seno, arco cosseno e arco tangente, 10&lt;sup&gt;x&lt;/sup&gt; e e&lt;sup&gt;x&lt;/sup&gt;, a raiz y-ésima, coordenadas polares e retangulares, mod, M&amp;minus; e MC. &lt;b&gt;hyp&lt;/b&gt; torna sin, cos e tan hiperbólicas. &lt;b&gt;Mode&lt;/b&gt; alterna entre graus, radianos e grados; com inv também converte o ângulo exibido.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; alterna entre decimal, hexadecimal, octal e binário de 16 bits. Em hexadecimal, as teclas marcadas de A a F acima delas digitam esses dígitos; inv Base é o NOT bit a bit, e inv Kin, inv Kout e inv X! são AND, OR e XOR.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; mostra o visor como fração, inv b/c como número inteiro e fração. Quão exata a fração deve ser, e se pode conter raízes quadradas, é definido em Ferramentas, Opções. As teclas &amp;gt;&amp;deg; &apos; &quot; e &amp;deg; &apos; &quot; &amp;gt; convertem graus decimais em graus, minutos e segundos e vice-versa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dois registradores guardam números: &lt;b&gt;M+&lt;/b&gt; soma o visor à memória M e &lt;b&gt;MR&lt;/b&gt; a recupera; &lt;b&gt;Kin&lt;/b&gt; armazena o visor em K e &lt;b&gt;Kout&lt;/b&gt; o recupera.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Ferramentas&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O menu Ferramentas abre, à direita do teclado, o conversor de unidades com sua biblioteca de constantes físicas, o registrador estatístico (com a caixa Pilha marcada, cada resultado de = é inserido como dado) e os cálculos financeiros (valor do dinheiro no tempo e amortização). A tabela periódica mostra os dados dos elementos e soma as massas molares de fórmulas montadas arrastando seus blocos. Opções escolhe como os resultados são exibidos: como vierem, com um número fixo de casas decimais ou em notação científica.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;A janela&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O menu Exibir deixa a janela compacta, mantém-na acima das outras janelas, muda as cores do visor, das teclas e da carcaça, e coloca um título pessoal na calculadora. Ocultar (ou Esc) envia o Zova para a bandeja do sistema; clique duas vezes no ícone dele ou escolha Abrir no menu dele para trazê-lo de volta. Onde a área de trabalho não tem bandeja, o Zova é minimizado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Configurações&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Quando o Zova fecha (Arquivo, Sair, a tecla End ou o botão de fechar da janela), ele grava as configurações, os dois registradores e os dados estatísticos no arquivo dadidedo.dat da pasta atual, e os lê de volta na próxima inicialização. Arquivo, Salvar configurações guarda uma cópia com outro nome; Carregar configurações a traz de volta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Equivalentes de teclado&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;As teclas agem quando são pressionadas, na ordem em que são pressionadas. Enquanto Ctrl ou Alt estiver pressionada, nenhuma tecla chega ao teclado da calculadora. As teclas marcadas com &lt;i&gt;teclado numérico&lt;/i&gt; são as do teclado numérico.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Teclado da calculadora&lt;/h2&gt;</translation>
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
        <translation>Função</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(com inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Os dígitos de 0 a 9 podem ser digitados na fileira de cima ou no teclado numérico. Os caracteres + - * / = e . agem conforme o que a tecla digita no seu layout de teclado, onde quer que a tecla esteja; onde os números são escritos com vírgula decimal, a vírgula também é o separador decimal. Em hexadecimal, as letras de A a F digitam os dígitos de A a F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Funções estatísticas&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Conversor e constantes&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Equivalentes de teclado</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Ajuda do Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Ocultar a janela</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Salvar as configurações e fechar o Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Exibir, Ampliar (Ctrl++) e Reduzir (Ctrl+-) aumentam ou diminuem a calculadora, seus painéis, a tabela periódica e a fita de papel em um quarto do tamanho padrão, até três vezes esse tamanho; Tamanho real (Ctrl+0) volta a ele. Arrastar a borda da janela faz o mesmo, até o passo mais próximo. O Zova guarda o zoom em zova-window.conf, ao lado de suas configurações.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Editar, Desfazer (Ctrl+Z) desfaz a última ação: uma tecla, uma limpeza, uma mudança em um painel ou nas opções, uma colagem, configurações carregadas ou a fita de papel limpa; Editar, Refazer (Ctrl+Shift+Z ou Ctrl+Y) a faz de novo. Nenhuma limpeza pede confirmação: uma limpeza da qual você se arrependa está a um Ctrl+Z de distância.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Desfazer a última ação</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Refazer a última ação desfeita</translation>
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
        <translation>parênteses abertos:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Tecla equivalente:  %1 do teclado</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Tecla equivalente:  %1 do teclado (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Tecla equivalente:  %1 do teclado (fileira principal ou teclado numérico)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Tecla equivalente:  %1 do teclado ou %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Shift+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>teclado numérico %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>um</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>expoente</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>inverter sinal</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>apagar último dígito</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>limpar entrada</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>limpar tudo</translation>
    </message>
    <message>
        <source>add</source>
        <translation>somar</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>subtrair</translation>
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
        <translation>potência</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentagem</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abrir parêntese</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>fechar parêntese</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>empilhar resultados na estatística</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>inversa, funções secundárias</translation>
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
        <translation>modo de ângulo</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosseno</translation>
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
        <translation>raiz quadrada</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrado</translation>
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
        <translation>fatorial</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>graus decimais para graus, minutos, segundos</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>graus, minutos, segundos para graus decimais</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fração</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>somar à memória</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>recuperar memória</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>armazenar em K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>recuperar K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Tecla equivalente: %1 do teclado</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Carregar configurações...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Salvar configurações...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
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
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Ocultar    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Sempre no &amp;topo</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>Tamanho &amp;compacto</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Carcaça</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Teclas padrão</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Teclas de função</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Rótulo pessoal</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Conversor/constantes</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>Funções e&amp;statísticas</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>Cálculos &amp;financeiros</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>Tabela periódica dos &amp;elementos</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>Fita de &amp;papel</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Visão geral</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Equivalentes de teclado</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>&amp;Sobre o Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>Sobre o Zova</translation>
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
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>Tamanho &amp;normal</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Indisponível no Wayland: a área de trabalho não mantém nenhuma janela no topo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Tamanho r&amp;eal</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Arquivos de dados (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Carregar configurações</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Confirmar salvamento</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>Esta pasta já contém um arquivo com esse nome.  Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>é maior que 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>as configurações são maiores que 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>é um link que pertence a outro usuário</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Digite um título curto para personalizar sua calculadora.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>Não foi possível criar a entrada de início automático.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>Não foi possível remover a entrada de início automático.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Erro de cálculo!  Os dados fornecidos são insuficientes ou ocorreu um estouro.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>O arquivo de configurações %1 não pôde ser lido. Ele foi mantido como %1.bak, e as configurações são salvas novamente.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>O arquivo de configurações %1 não pôde ser lido e não é um arquivo que as configurações possam substituir: ele fica como está, e as configurações não são salvas.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar as configurações em %1: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>O arquivo &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>O arquivo &quot;%1&quot; não pôde ser lido: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar a fita de papel em %1: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fixo</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Científico</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Precisão baixa</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Precisão média (recomendada)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Precisão alta (não recomendada)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato numérico</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Precisão das frações</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Casas decimais</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Radicais nas frações</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Incluir radicais</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>AVISO:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>Com precisão média ou alta o programa pode parar de responder por algum tempo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>&amp;Inserir dado</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Limpar tudo</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Soma</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Média</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>DP amos&amp;tral</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>DP &amp;pop.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Pilha</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 número atômico</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 massa atômica</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Fita</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Fita de papel</translation>
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
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Salvar fita como</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>cálculos da fita de papel</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>texto de ajuda</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>indicador inversa</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>indicador hiperbólica</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>indicador graus</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>indicador radianos</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>indicador grados</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>indicador memória</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>indicador de base</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>indicador fração</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>rótulo pessoal</translation>
    </message>
    <message>
        <source>display</source>
        <translation>visor</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>função secundária de </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. Com inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Fechar painel</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>fechar o painel</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>abrir parêntese, nível %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>fechar parêntese, nível %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>dados estatísticos</translation>
    </message>
</context>
</TS>
