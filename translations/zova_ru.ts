<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>Научный калькулятор с конвертером единиц, библиотекой физических констант, статистикой, финансовыми расчётами и периодической таблицей.</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>Проверяйте важные результаты другим способом: программа предоставляется без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>значок программы</translation>
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
        <translation>NA: число Авогадро (/(g*mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (J/K)</source>
        <translation>k: пост. Больцмана (J/K)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(g*mol))</source>
        <translation>Vm: молярный объём (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: унив. газовая постоянная (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: норм. температура (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: норм. давление (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>пост. Стефана-Больцмана (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: скорость света (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>электрическая постоянная (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>магнитная постоянная (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: ускор. своб. падения (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: гравитационная постоянная (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:постоянная Планка (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: заряд электрона (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: масса электрона (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: масса протона (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: пост. Фарадея (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>боровский радиус (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>длина волны фотона (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>частота фотона (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>комптоновская длина волны (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>диэлектрическая проницаемость</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>диэлектрическая проницаемость SiO2</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: скорость звука (m/s)</translation>
    </message>
    <message>
        <source>tera (T): 10^12</source>
        <translation>тера (T): 10^12</translation>
    </message>
    <message>
        <source>giga (G): 10^9</source>
        <translation>гига (G): 10^9</translation>
    </message>
    <message>
        <source>mega (M): 10^6</source>
        <translation>мега (M): 10^6</translation>
    </message>
    <message>
        <source>kilo (k): 10^3</source>
        <translation>кило (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>гекто (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>санти (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>милли (m): 10^-3</translation>
    </message>
    <message>
        <source>micro (mu): 10^-6</source>
        <translation>микро (mu): 10^-6</translation>
    </message>
    <message>
        <source>nano (n): 10^-9</source>
        <translation>нано (n): 10^-9</translation>
    </message>
    <message>
        <source>pico (p): 10^-12</source>
        <translation>пико (p): 10^-12</translation>
    </message>
    <message>
        <source>NA: Avogadro (/(g/mol))</source>
        <translation>NA: число Авогадро (/(g/mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (Btu/R)</source>
        <translation>k: пост. Больцмана (Btu/R)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(lb*mol))</source>
        <translation>Vm: молярный объём (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: унив. газовая постоянная (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: норм. температура (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: норм. давление (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>пост. Стефана-Больцмана (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: скорость света (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: ускор. своб. падения (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: гравитационная постоянная (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:постоянная Планка (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>длина волны фотона (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>комптоновская длина волны (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: скорость звука (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>&amp;Константы</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>Пе&amp;ресчитать</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>&amp;Использовать константу</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Из:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>В:</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>СИ</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>Англ.</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Длина</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Площ.</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Объём</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Масса</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Сила</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>Д&amp;авл.</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Энерг.</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>Мо&amp;щн.</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Время</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>&amp;Темп.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>метры</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>сантиметры</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>миллиметры</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>километры</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюймы</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>футы</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>ярды</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>мили</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>квадратные метры</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>квадратные сантиметры</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>квадратные миллиметры</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>квадратные километры</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>гектары</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>квадратные дюймы</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>квадратные футы</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>квадратные ярды</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>квадратные мили</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>акры</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>кубические метры</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>кубические сантиметры</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>литры</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>галлоны США</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>кубические дюймы</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>кубические футы</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>британские галлоны</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>граммы</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>килограммы</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>метрические тонны</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>длинные тонны</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>короткие тонны</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>караты</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>унции</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>фунты</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>ньютоны</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>дины</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>паскали</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>атмосферы</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>бары</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>mm Hg</source>
        <translation>мм рт. ст.</translation>
    </message>
    <message>
        <source>in H2O</source>
        <translation>дюймы вод. ст.</translation>
    </message>
    <message>
        <source>Torrs</source>
        <translation>торры</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>джоули</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>эрги</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>калории</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>БТЕ</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>ватты</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>брит. лошадиные силы (hp)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунды</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минуты</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>часы</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дни</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>недели</translation>
    </message>
    <message>
        <source>months</source>
        <translation>месяцы</translation>
    </message>
    <message>
        <source>years</source>
        <translation>годы</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>градусы Цельсия</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>градусы Фаренгейта</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>кельвины</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>градусы Ранкина</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>Не число: введите число от 0 и больше</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Периодическая таблица элементов</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>Щёлкните, чтобы вывести это значение на дисплей</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>Перетащите сюда элемент</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>Щёлкните, чтобы вывести молярную массу на дисплей</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Водород</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Гелий</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Литий</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Бериллий</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Бор</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Углерод</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Азот</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Кислород</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Фтор</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Натрий</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Магний</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Алюминий</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Кремний</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Фосфор</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Сера</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Хлор</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Аргон</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Калий</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Кальций</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Скандий</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Титан</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Ванадий</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Хром</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Марганец</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Железо</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Кобальт</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Никель</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Медь</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Цинк</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Галлий</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Германий</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Мышьяк</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Селен</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Бром</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Криптон</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Рубидий</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Стронций</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Иттрий</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Цирконий</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Ниобий</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Молибден</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Технеций</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Рутений</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Родий</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Палладий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Кадмий</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Индий</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Олово</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Сурьма</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Теллур</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Иод</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Ксенон</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Цезий</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Барий</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Лантан</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Церий</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Празеодим</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Неодим</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Прометий</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Самарий</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Европий</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Гадолиний</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Тербий</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Диспрозий</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Гольмий</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Эрбий</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Тулий</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Иттербий</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Лютеций</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Гафний</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Тантал</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Вольфрам</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Рений</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Осмий</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Иридий</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Платина</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золото</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Ртуть</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Таллий</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Свинец</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Висмут</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Полоний</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Астат</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Радон</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Франций</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Радий</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Актиний</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Торий</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Протактиний</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Нептуний</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Плутоний</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Америций</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Кюрий</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Берклий</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Калифорний</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Эйнштейний</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Фермий</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Менделевий</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Нобелий</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Лоуренсий</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Резерфордий</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>Ганий</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Уннилгексий</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Уннилсептий</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Уннилоктий</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Уннилэнний</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>Атомный номер...............</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>Атомная масса.................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>Электронная конфиг.........</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>Атомный номер %1. Enter или пробел помещает его в следующую свободную ячейку формулы.</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>Количество в ячейке %1</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>Ячейка формулы %1</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Молярная масса</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Временная стоимость денег</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Погашение</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Погасить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / год</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>П/год</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Ставка</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Платежи</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Остаток</translation>
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
        <translation>&lt;p&gt;Zova — научный калькулятор. Нажимайте его клавиши мышью или вводите с клавиатуры: у каждой клавиши есть эквивалент на клавиатуре, он указан во всплывающей подсказке клавиши и приведён на странице &lt;a href=&apos;topic:800&apos;&gt;Сочетания клавиш&lt;/a&gt;. После каждой клавиши фокус клавиатуры возвращается на клавишу =, поэтому Enter всегда означает =.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Дисплей&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Дисплей показывает вводимое число или последний результат. Маленькие значки над ним показывают &lt;b&gt;inv&lt;/b&gt;, пока включены вторые функции, &lt;b&gt;h&lt;/b&gt;, пока включены гиперболические функции, единицу углов (&lt;b&gt;d&lt;/b&gt; градусы, &lt;b&gt;r&lt;/b&gt; радианы, &lt;b&gt;g&lt;/b&gt; грады), &lt;b&gt;M&lt;/b&gt;, пока в памяти есть значение, систему счисления (&lt;b&gt;h&lt;/b&gt; шестнадцатеричная, &lt;b&gt;o&lt;/b&gt; восьмеричная, &lt;b&gt;b&lt;/b&gt; двоичная) и &lt;b&gt;A&lt;/b&gt;, когда дробь приближённая.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Вычисления&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova вычисляет выражения так, как они записаны: умножение и деление выполняются раньше сложения и вычитания, а степени — ещё раньше. Скобки вкладываются до 100 уровней; подсказка клавиш скобок показывает, сколько их открыто, а = закрывает все ещё открытые. После + или &amp;minus; клавиша &lt;b&gt;%&lt;/b&gt; превращает число на дисплее в такой процент от числа перед операцией (200 + 5 % даёт 10); в остальных случаях она делит число на дисплее на 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; переключает следующую клавишу на функцию, напечатанную над ней: арксинус, арккосинус и арктангенс, 10&lt;sup&gt;x&lt;/sup&gt; и e&lt;sup&gt;x&lt;/sup&gt;, корень степени y, полярные и прямоугольные координаты, mod, M&amp;minus; и MC. &lt;b&gt;hyp&lt;/b&gt; делает sin, cos и tan гиперболическими. &lt;b&gt;Mode&lt;/b&gt; переключает градусы, радианы и грады; с inv она ещё и пересчитывает показанный угол.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; переключает десятичную, шестнадцатеричную, восьмеричную и 16-битную двоичную системы. В шестнадцатеричной системе клавиши, над которыми написаны буквы от A до F, вводят эти цифры; inv Base — побитовое НЕ, а inv Kin, inv Kout и inv X! — И, ИЛИ и исключающее ИЛИ.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; показывает число на дисплее как дробь, inv b/c — как целое число с дробью. Насколько точной должна быть дробь и может ли она содержать квадратные корни, задаётся в меню Сервис, Параметры. Клавиши &amp;gt;&amp;deg; &apos; &quot; и &amp;deg; &apos; &quot; &amp;gt; переводят десятичные градусы в градусы, минуты и секунды и обратно.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Два регистра хранят числа: &lt;b&gt;M+&lt;/b&gt; прибавляет число на дисплее к памяти M, а &lt;b&gt;MR&lt;/b&gt; вызывает её; &lt;b&gt;Kin&lt;/b&gt; записывает число на дисплее в K, а &lt;b&gt;Kout&lt;/b&gt; вызывает его.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Сервис&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Меню Сервис открывает справа от клавиш конвертер единиц с библиотекой физических констант, статистический регистр (если отмечен флажок Стек, каждый результат = заносится как данные) и финансовые расчёты (временная стоимость денег и погашение кредита). Периодическая таблица показывает данные элементов и складывает молярные массы формул, собранных перетаскиванием её ячеек. Параметры задают вид результатов: как есть, с фиксированным числом знаков после запятой или в экспоненциальной записи.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Окно&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Меню Вид делает окно компактным, держит его поверх других окон, меняет цвета дисплея, клавиш и корпуса и помещает на калькулятор собственную надпись. Скрыть (или Esc) убирает Zova в область уведомлений; чтобы вернуть его, дважды щёлкните по его значку или выберите Открыть в его меню. Если на рабочем столе нет области уведомлений, Zova вместо этого сворачивается.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Настройки&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;При закрытии Zova (Файл, Выход, клавиша End или кнопка закрытия окна) он записывает свои настройки, оба регистра и статистические данные в файл dadidedo.dat в текущей папке и считывает их при следующем запуске. Файл, Сохранить настройки сохраняет копию под другим именем; Загрузить настройки возвращает её.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;Сочетания клавиш&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Клавиши срабатывают при нажатии, в порядке нажатия. Пока нажата Ctrl или Alt, ни одна клавиша не доходит до клавиш калькулятора. Клавиши с пометкой &lt;i&gt;цифровая клавиатура&lt;/i&gt; — это клавиши цифровой клавиатуры.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Клавиши калькулятора&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;(с inv: %1)&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Цифры от 0 до 9 можно вводить в верхнем ряду или на цифровой клавиатуре. Символы + - * / = и . действуют по тому, что клавиша вводит в вашей раскладке, где бы она ни находилась; там, где числа пишут с десятичной запятой, запятая тоже служит десятичным разделителем. В шестнадцатеричной системе буквы от A до F вводят цифры от A до F.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Статистические функции&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Конвертер и константы&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Справка Zova - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>Скрыть окно</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>Сохранить настройки и закрыть Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Вид, Увеличить (Ctrl++) и Уменьшить (Ctrl+-) делают калькулятор, его панели, периодическую таблицу и бумажную ленту больше или меньше на четверть стандартного размера, вплоть до трёхкратного; Исходный масштаб (Ctrl+0) возвращает к нему. Перетаскивание края окна делает то же самое, до ближайшего шага. Zova хранит масштаб в файле zova-window.conf рядом со своими настройками.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Правка, Отменить (Ctrl+Z) отменяет последнее действие: клавишу, очистку, изменение на панели или в настройках, вставку, загруженные настройки или очищенную бумажную ленту; Правка, Повторить (Ctrl+Shift+Z или Ctrl+Y) выполняет его снова. Ни одна очистка не просит подтверждения: очистку, о которой вы пожалели, отменяет одно нажатие Ctrl+Z.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>Повторить последнее отменённое действие</translation>
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
        <translation>открытых скобок:%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>Клавиша:  %1 на клавиатуре</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>Клавиша:  %1 на клавиатуре (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>Клавиша:  %1 на клавиатуре (основной ряд или цифровая клавиатура)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>Клавиша:  %1 на клавиатуре или %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Shift+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>цифровая клавиатура %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>семь</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>восемь</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>девять</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четыре</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пять</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шесть</translation>
    </message>
    <message>
        <source>one</source>
        <translation>один</translation>
    </message>
    <message>
        <source>two</source>
        <translation>два</translation>
    </message>
    <message>
        <source>three</source>
        <translation>три</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>ноль</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десятичный разделитель</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>порядок</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>смена знака</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>удалить последнюю цифру</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>сброс ввода</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>полный сброс</translation>
    </message>
    <message>
        <source>add</source>
        <translation>сложить</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>вычесть</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>умножить</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>разделить</translation>
    </message>
    <message>
        <source>power</source>
        <translation>степень</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>процент</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>равно</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>открывающая скобка</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>закрывающая скобка</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>заносить результаты в статистику</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>обратные, вторые функции</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>гиперболические</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>система счисления</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>режим углов</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>синус</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>косинус</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>тангенс</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>десятичный логарифм</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральный логарифм</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>квадратный корень</translation>
    </message>
    <message>
        <source>square</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обратная величина</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>пи</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>факториал</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>десятичные градусы в градусы, минуты, секунды</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>градусы, минуты, секунды в десятичные градусы</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>дробь</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>прибавить к памяти</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>вызов из памяти</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>записать в K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>вызвать K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>Клавиша: %1 на клавиатуре</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>цифровая клавиатура</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>&amp;Загрузить настройки...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Сохранить настройки...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>&amp;Скрыть    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>Поверх &amp;всех окон</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>&amp;Запускать при входе</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>&amp;Компактный размер</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Цифры</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>Корпус</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>Функциональные клавиши</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>Своя надпись</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>&amp;Конвертер/константы</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>&amp;Статистические функции</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>&amp;Финансовые расчёты</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>&amp;Периодическая таблица элементов</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>&amp;Бумажная лента</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Пара&amp;метры...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Обзор</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>&amp;Сочетания клавиш</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>О &amp;программе Zova</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>О программе Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Скрыть</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>&amp;Обычный размер</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>Недоступно в Wayland: рабочий стол не держит окна программ поверх других</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Исходный масштаб</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Надпись</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>Файлы данных (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Загрузить настройки</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>Подтверждение сохранения</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>В этой папке уже есть файл с таким именем.  Заменить его?</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>он больше 256 МБ</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>настройки больше 256 МБ</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>это ссылка, принадлежащая другому пользователю</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>Введите короткое название для своего калькулятора.</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>Не удалось создать запись автозапуска.</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>Не удалось удалить запись автозапуска.</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>Ошибка вычисления!  Либо данных недостаточно, либо произошло переполнение.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>Файл настроек %1 не удалось прочитать. Он сохранён как %1.bak, а настройки сохраняются заново.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>Файл настроек %1 не удалось прочитать, и его нельзя заменить настройками: он оставлен как есть, и настройки не сохраняются.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки в %1: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>Файл «%1» не найден.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Файл «%1» не удалось прочитать: %2.</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить бумажную ленту в %1: %2.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Фиксированный</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Научный</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>Низкая точность</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>Средняя точность (рекомендуется)</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>Высокая точность (не рекомендуется)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Формат чисел</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>Точность дробей</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>Знаков после запятой</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>Корни в дробях</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>Допускать корни</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ВНИМАНИЕ:</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>При средней и высокой точности программа может временно перестать отвечать.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>&amp;Ввести</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Очистить всё</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Сумма</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>Сре&amp;днее</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>СКО выбо&amp;рки</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>СКО &amp;ген.</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Стек</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 атомный номер</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 атомная масса</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Лента</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Бумажная лента</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Сохранить ленту как</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>вычисления на бумажной ленте</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>текст справки</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>индикатор обратных</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>индикатор гиперболических</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>индикатор градусов</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>индикатор радиан</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>индикатор градов</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>индикатор памяти</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>индикатор системы счисления</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>индикатор дроби</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>своя надпись</translation>
    </message>
    <message>
        <source>display</source>
        <translation>дисплей</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>вторая функция: </translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>. С inv: </translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>Закрыть панель</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>закрыть боковую панель</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>открывающая скобка, уровень %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>закрывающая скобка, уровень %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>статистические данные</translation>
    </message>
</context>
</TS>
