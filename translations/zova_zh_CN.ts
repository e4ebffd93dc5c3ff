<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>A scientific calculator with a unit converter, a library of physical constants, statistics, financial calculations and a periodic table.</source>
        <translation>一款科学计算器，带有单位换算、物理常数库、统计、财务计算和元素周期表。</translation>
    </message>
    <message>
        <source>Check results that matter by another means: this program comes without any warranty.</source>
        <translation>重要结果请用其他方法核对：本程序不提供任何担保。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>program icon</source>
        <translation>程序图标</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>NA: Avogadro (/(g*mol))</source>
        <translation>NA: 阿伏伽德罗常数 (/(g*mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (J/K)</source>
        <translation>k: 玻尔兹曼常数 (J/K)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(g*mol))</source>
        <translation>Vm: 摩尔体积 (/(g*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (J/(g*mol*K))</source>
        <translation>R: 通用气体常数 (J/(g*mol*K))</translation>
    </message>
    <message>
        <source>STdT: std temperature (K)</source>
        <translation>STdT: 标准温度 (K)</translation>
    </message>
    <message>
        <source>StdP: std pressure (kPa)</source>
        <translation>StdP: 标准压力 (kPa)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (W/(m^2*K^4))</source>
        <translation>斯特藩-玻尔兹曼常数 (W/(m^2*K^4))</translation>
    </message>
    <message>
        <source>c: speed of light (m/s)</source>
        <translation>c: 光速 (m/s)</translation>
    </message>
    <message>
        <source>permittivity (F/m)</source>
        <translation>真空电容率 (F/m)</translation>
    </message>
    <message>
        <source>permeability (H/m)</source>
        <translation>真空磁导率 (H/m)</translation>
    </message>
    <message>
        <source>g: accel of gravity (m/s^2)</source>
        <translation>g: 重力加速度 (m/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (m^3/(s^2*kg))</source>
        <translation>G: 万有引力常数 (m^3/(s^2*kg))</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (J*s)</source>
        <translation>h:普朗克常数 (J*s)</translation>
    </message>
    <message>
        <source>q: electronic charge (C)</source>
        <translation>q: 电子电荷 (C)</translation>
    </message>
    <message>
        <source>me: electron mass (kg)</source>
        <translation>me: 电子质量 (kg)</translation>
    </message>
    <message>
        <source>mp: proton mass (kg)</source>
        <translation>mp: 质子质量 (kg)</translation>
    </message>
    <message>
        <source>F: Faraday (C/(g*mol))</source>
        <translation>F: 法拉第常数 (C/(g*mol))</translation>
    </message>
    <message>
        <source>Bohr radius (nm)</source>
        <translation>玻尔半径 (nm)</translation>
    </message>
    <message>
        <source>photon wavelength (nm)</source>
        <translation>光子波长 (nm)</translation>
    </message>
    <message>
        <source>photon frequency (Hz)</source>
        <translation>光子频率 (Hz)</translation>
    </message>
    <message>
        <source>Compton wavelength (nm)</source>
        <translation>康普顿波长 (nm)</translation>
    </message>
    <message>
        <source>dielectric constant</source>
        <translation>介电常数</translation>
    </message>
    <message>
        <source>SiO2 dielectric constant</source>
        <translation>SiO2 介电常数</translation>
    </message>
    <message>
        <source>Cs: speed of sound (m/s)</source>
        <translation>Cs: 声速 (m/s)</translation>
    </message>
    <message>
        <source>tera (T): 10^12</source>
        <translation>太 (T): 10^12</translation>
    </message>
    <message>
        <source>giga (G): 10^9</source>
        <translation>吉 (G): 10^9</translation>
    </message>
    <message>
        <source>mega (M): 10^6</source>
        <translation>兆 (M): 10^6</translation>
    </message>
    <message>
        <source>kilo (k): 10^3</source>
        <translation>千 (k): 10^3</translation>
    </message>
    <message>
        <source>hecto (h): 10^2</source>
        <translation>百 (h): 10^2</translation>
    </message>
    <message>
        <source>centi (c): 10^-2</source>
        <translation>厘 (c): 10^-2</translation>
    </message>
    <message>
        <source>milli (m): 10^-3</source>
        <translation>毫 (m): 10^-3</translation>
    </message>
    <message>
        <source>micro (mu): 10^-6</source>
        <translation>微 (mu): 10^-6</translation>
    </message>
    <message>
        <source>nano (n): 10^-9</source>
        <translation>纳 (n): 10^-9</translation>
    </message>
    <message>
        <source>pico (p): 10^-12</source>
        <translation>皮 (p): 10^-12</translation>
    </message>
    <message>
        <source>NA: Avogadro (/(g/mol))</source>
        <translation>NA: 阿伏伽德罗常数 (/(g/mol))</translation>
    </message>
    <message>
        <source>k: Boltzman (Btu/R)</source>
        <translation>k: 玻尔兹曼常数 (Btu/R)</translation>
    </message>
    <message>
        <source>Vm: molar volume (/(lb*mol))</source>
        <translation>Vm: 摩尔体积 (/(lb*mol))</translation>
    </message>
    <message>
        <source>R: univ gas constant (psi*ft^3/(lb*mol*R))</source>
        <translation>R: 通用气体常数 (psi*ft^3/(lb*mol*R))</translation>
    </message>
    <message>
        <source>STdT: std temperature (R)</source>
        <translation>STdT: 标准温度 (R)</translation>
    </message>
    <message>
        <source>StdP: std pressure (psi)</source>
        <translation>StdP: 标准压力 (psi)</translation>
    </message>
    <message>
        <source>Stefan-Boltzman (Btu/(h*ft^2*R^4))</source>
        <translation>斯特藩-玻尔兹曼常数 (Btu/(h*ft^2*R^4))</translation>
    </message>
    <message>
        <source>c: speed of light (ft/s)</source>
        <translation>c: 光速 (ft/s)</translation>
    </message>
    <message>
        <source>g: accel of gravity (ft/s^2)</source>
        <translation>g: 重力加速度 (ft/s^2)</translation>
    </message>
    <message>
        <source>G: gravitation (lbf*ft^2/lb^2)</source>
        <translation>G: 万有引力常数 (lbf*ft^2/lb^2)</translation>
    </message>
    <message>
        <source>h:Planck&apos;s constant (Btu*h)</source>
        <translation>h:普朗克常数 (Btu*h)</translation>
    </message>
    <message>
        <source>photon wavelength (A)</source>
        <translation>光子波长 (A)</translation>
    </message>
    <message>
        <source>Compton wavelength (A)</source>
        <translation>康普顿波长 (A)</translation>
    </message>
    <message>
        <source>Cs: speed of sound (ft/s)</source>
        <translation>Cs: 声速 (ft/s)</translation>
    </message>
    <message>
        <source>C&amp;onstants</source>
        <translation>常数(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>换算(&amp;C)</translation>
    </message>
    <message>
        <source>Use &amp;Constant</source>
        <translation>使用常数(&amp;C)</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到：</translation>
    </message>
    <message>
        <source>S.I.</source>
        <translation>国际制</translation>
    </message>
    <message>
        <source>Eng.</source>
        <translation>英制</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>长度(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>面积(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>体积(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>重量(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>力(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Press</source>
        <translation>压力(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>能量(&amp;E)</translation>
    </message>
    <message>
        <source>Powe&amp;r</source>
        <translation>功率(&amp;R)</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>时间(&amp;I)</translation>
    </message>
    <message>
        <source>Te&amp;mp</source>
        <translation>温度(&amp;M)</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>米</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>kilometers</source>
        <translation>千米</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>yards</source>
        <translation>码</translation>
    </message>
    <message>
        <source>miles</source>
        <translation>英里</translation>
    </message>
    <message>
        <source>square meters</source>
        <translation>平方米</translation>
    </message>
    <message>
        <source>square centimeters</source>
        <translation>平方厘米</translation>
    </message>
    <message>
        <source>square millimeters</source>
        <translation>平方毫米</translation>
    </message>
    <message>
        <source>square kilometers</source>
        <translation>平方千米</translation>
    </message>
    <message>
        <source>hectares</source>
        <translation>公顷</translation>
    </message>
    <message>
        <source>square inches</source>
        <translation>平方英寸</translation>
    </message>
    <message>
        <source>square feet</source>
        <translation>平方英尺</translation>
    </message>
    <message>
        <source>square yards</source>
        <translation>平方码</translation>
    </message>
    <message>
        <source>square miles</source>
        <translation>平方英里</translation>
    </message>
    <message>
        <source>acres</source>
        <translation>英亩</translation>
    </message>
    <message>
        <source>cubic meters</source>
        <translation>立方米</translation>
    </message>
    <message>
        <source>cubic centimeters</source>
        <translation>立方厘米</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>升</translation>
    </message>
    <message>
        <source>U.S. gallons</source>
        <translation>美制加仑</translation>
    </message>
    <message>
        <source>cubic inches</source>
        <translation>立方英寸</translation>
    </message>
    <message>
        <source>cubic feet</source>
        <translation>立方英尺</translation>
    </message>
    <message>
        <source>imperial gallons</source>
        <translation>英制加仑</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>克</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>千克</translation>
    </message>
    <message>
        <source>metric tons</source>
        <translation>公吨</translation>
    </message>
    <message>
        <source>imperial tons</source>
        <translation>英吨</translation>
    </message>
    <message>
        <source>U.S. tons</source>
        <translation>美吨</translation>
    </message>
    <message>
        <source>carats</source>
        <translation>克拉</translation>
    </message>
    <message>
        <source>ounces</source>
        <translation>盎司</translation>
    </message>
    <message>
        <source>pounds</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>牛顿</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>达因</translation>
    </message>
    <message>
        <source>lbs</source>
        <translation>lbs</translation>
    </message>
    <message>
        <source>Pascals</source>
        <translation>帕斯卡</translation>
    </message>
    <message>
        <source>atmospheres</source>
        <translation>标准大气压</translation>
    </message>
    <message>
        <source>bars</source>
        <translation>巴</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>mm Hg</source>
        <translation>毫米汞柱</translation>
    </message>
    <message>
        <source>in H2O</source>
        <translation>英寸水柱</translation>
    </message>
    <message>
        <source>Torrs</source>
        <translation>托</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>焦耳</translation>
    </message>
    <message>
        <source>ergs</source>
        <translation>尔格</translation>
    </message>
    <message>
        <source>lb*ft</source>
        <translation>lb*ft</translation>
    </message>
    <message>
        <source>calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>BTUs</source>
        <translation>英热单位</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>瓦特</translation>
    </message>
    <message>
        <source>horsepower</source>
        <translation>英制马力</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>周</translation>
    </message>
    <message>
        <source>months</source>
        <translation>月</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>degrees Farenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Kelvins</source>
        <translation>开尔文</translation>
    </message>
    <message>
        <source>degrees Rankine</source>
        <translation>兰氏度</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Not a number: type a number of 0 or more</source>
        <translation>不是数字：请输入大于或等于 0 的数</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>元素周期表</translation>
    </message>
    <message>
        <source>Click to put this value on the display</source>
        <translation>单击将此值放到显示屏上</translation>
    </message>
    <message>
        <source>Drag an element here</source>
        <translation>将元素拖到此处</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Click to put the molar mass on the display</source>
        <translation>单击将摩尔质量放到显示屏上</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>氢</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>氦</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>锂</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>铍</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>硼</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>碳</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>氮</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>氧</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>氟</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>氖</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>钠</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>镁</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>铝</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>硅</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>磷</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>硫</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>氯</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>氩</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>钾</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>钙</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>钪</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>钛</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>钒</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>铬</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>锰</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>铁</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>钴</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>镍</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>铜</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>锌</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>镓</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>锗</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>砷</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>硒</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>溴</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>氪</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>铷</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>锶</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>钇</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>锆</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>铌</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>钼</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>锝</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>钌</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>铑</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>钯</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>镉</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>铟</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>锡</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>锑</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>碲</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>碘</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>氙</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>铯</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>钡</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>镧</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>铈</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>镨</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>钕</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>钷</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>钐</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>铕</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>钆</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>铽</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>镝</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>钬</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>铒</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>铥</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>镱</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>镥</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>铪</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>钽</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>钨</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>铼</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>锇</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>铱</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>铂</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>汞</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>铊</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>铅</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>铋</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>钋</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>砹</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>氡</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>钫</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>镭</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>锕</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>钍</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>镤</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>铀</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>镎</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>钚</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>镅</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>锔</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>锫</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>锎</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>锿</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>镄</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>钔</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>锘</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>铹</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>𬬻</translation>
    </message>
    <message>
        <source>Hahnium</source>
        <translation>𬭊</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>𬭳</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>𬭛</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>𬭶</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>鿏</translation>
    </message>
    <message>
        <source>Atomic Number...............</source>
        <translation>原子序数....................</translation>
    </message>
    <message>
        <source>Atomic Mass...................</source>
        <translation>原子质量......................</translation>
    </message>
    <message>
        <source>Electron Configuration.....</source>
        <translation>电子排布...................</translation>
    </message>
    <message>
        <source>Atomic number %1. Enter or Space puts it into the next free formula slot.</source>
        <translation>原子序数 %1。按 Enter 或空格键将其放入化学式的下一个空格。</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>倍数</translation>
    </message>
    <message>
        <source>Count in slot %1</source>
        <translation>第 %1 格的个数</translation>
    </message>
    <message>
        <source>Formula slot %1</source>
        <translation>化学式第 %1 格</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>摩尔质量</translation>
    </message>
</context>
<context>
    <name>Financial</name>
    <message>
        <source>Time Value of Money</source>
        <translation>货币时间价值</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>分期偿还</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>摊还</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>期初</translation>
    </message>
    <message>
        <source>End</source>
        <translation>期末</translation>
    </message>
    <message>
        <source>% / Yr</source>
        <translation>% / 年</translation>
    </message>
    <message>
        <source>P/Yr</source>
        <translation>期/年</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>利率</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>还款期数</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>本金</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>余额</translation>
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
        <translation>&lt;p&gt;Zova 是一款科学计算器。你可以点击它的按键，也可以用键盘输入：每个按键都有对应的键盘按键，写在按键的工具提示中，并列在&lt;a href=&apos;topic:800&apos;&gt;键盘对应键&lt;/a&gt;页面上。每按一个键后，键盘焦点都会回到 = 键，因此 Enter 总是表示 =。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The display&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;显示屏&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The display shows the number being typed or the last result. The small marks above it show &lt;b&gt;inv&lt;/b&gt; while second functions are on, &lt;b&gt;h&lt;/b&gt; while hyperbolic functions are on, the angle unit (&lt;b&gt;d&lt;/b&gt; degrees, &lt;b&gt;r&lt;/b&gt; radians, &lt;b&gt;g&lt;/b&gt; grads), &lt;b&gt;M&lt;/b&gt; while the memory holds a value, the number base (&lt;b&gt;h&lt;/b&gt; hexadecimal, &lt;b&gt;o&lt;/b&gt; octal, &lt;b&gt;b&lt;/b&gt; binary) and &lt;b&gt;A&lt;/b&gt; when a fraction is an approximation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;显示屏显示正在输入的数字或上一个结果。上方的小标记依次表示：第二功能开启时显示 &lt;b&gt;inv&lt;/b&gt;，双曲函数开启时显示 &lt;b&gt;h&lt;/b&gt;，角度单位（&lt;b&gt;d&lt;/b&gt; 角度，&lt;b&gt;r&lt;/b&gt; 弧度，&lt;b&gt;g&lt;/b&gt; 百分度），存储器有值时显示 &lt;b&gt;M&lt;/b&gt;，进制（&lt;b&gt;h&lt;/b&gt; 十六进制，&lt;b&gt;o&lt;/b&gt; 八进制，&lt;b&gt;b&lt;/b&gt; 二进制），分数为近似值时显示 &lt;b&gt;A&lt;/b&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Calculating&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;计算&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Zova works out expressions as they are written: multiplication and division bind tighter than addition and subtraction, and powers tighter still. Brackets nest up to 100 deep; the tooltip of the bracket keys tells how many are open, and = closes any that are still open. After + or &amp;minus;, &lt;b&gt;%&lt;/b&gt; turns the display into that percentage of the number before the operator (200 + 5 % gives 10); elsewhere it divides the display by 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova 按数学书写规则计算表达式：乘除优先于加减，乘方又优先于乘除。括号最多可嵌套 100 层；括号键的工具提示会显示有几个括号未闭合，按 = 会闭合所有未闭合的括号。在 + 或 &amp;minus; 之后，&lt;b&gt;%&lt;/b&gt; 会把显示的数变为运算符前那个数的相应百分比（200 + 5 % 得 10）；其他情况下它把显示的数除以 100。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; switches the next key to the function printed above it: arc sine, arc cosine and arc tangent, 10&lt;sup&gt;x&lt;/sup&gt; and e&lt;sup&gt;x&lt;/sup&gt;, the y-th root, polar and rectangular coordinates, mod, M&amp;minus; and MC. &lt;b&gt;hyp&lt;/b&gt; makes sin, cos and tan hyperbolic. &lt;b&gt;Mode&lt;/b&gt; steps through degrees, radians and grads; with inv it also converts the displayed angle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;inv&lt;/b&gt; 把下一个键切换为印在其上方的功能：反正弦、反余弦和反正切，10&lt;sup&gt;x&lt;/sup&gt; 和 e&lt;sup&gt;x&lt;/sup&gt;，y 次方根，极坐标与直角坐标，mod，M&amp;minus; 和 MC。&lt;b&gt;hyp&lt;/b&gt; 使 sin、cos 和 tan 变为双曲函数。&lt;b&gt;Mode&lt;/b&gt; 在角度、弧度和百分度之间切换；配合 inv 还会换算所显示的角度。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; steps through decimal, hexadecimal, octal and 16-bit binary. In hexadecimal the keys marked A to F above them type those digits; inv Base is the bitwise not, and inv Kin, inv Kout and inv X! are and, or and xor.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Base&lt;/b&gt; 在十进制、十六进制、八进制和 16 位二进制之间切换。在十六进制下，上方标有 A 到 F 的键输入这些数字；inv Base 是按位取反，inv Kin、inv Kout 和 inv X! 分别是按位与、按位或和按位异或。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; shows the display as a fraction, inv b/c as a whole number and a fraction. How close the fraction must come, and whether it may contain square roots, is set under Tools, Options. The keys &amp;gt;&amp;deg; &apos; &quot; and &amp;deg; &apos; &quot; &amp;gt; turn decimal degrees into degrees, minutes and seconds and back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;b/c&lt;/b&gt; 把显示的数显示为分数，inv b/c 显示为带分数。分数需要多精确、是否可以包含平方根，可在“工具”、“选项”中设置。&amp;gt;&amp;deg; &apos; &quot; 和 &amp;deg; &apos; &quot; &amp;gt; 两个键在十进制度与度分秒之间相互换算。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Two registers keep numbers: &lt;b&gt;M+&lt;/b&gt; adds the display to the memory M and &lt;b&gt;MR&lt;/b&gt; recalls it; &lt;b&gt;Kin&lt;/b&gt; stores the display in K and &lt;b&gt;Kout&lt;/b&gt; recalls it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;两个寄存器用于保存数字：&lt;b&gt;M+&lt;/b&gt; 把显示的数加到存储器 M，&lt;b&gt;MR&lt;/b&gt; 读取它；&lt;b&gt;Kin&lt;/b&gt; 把显示的数存入 K，&lt;b&gt;Kout&lt;/b&gt; 读取它。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tools&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;工具&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The Tools menu opens, to the right of the keypad, the unit converter with its library of physical constants, the statistics register (with the Stack box ticked every result of = is entered as data) and the financial calculations (time value of money and amortization). The periodic table shows the elements&apos; data and adds up molar masses of formulas dragged together from its tiles. Options chooses how results are shown: as they come, with a fixed number of decimal places, or in scientific notation.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“工具”菜单会在按键右侧打开：带物理常数库的单位换算器、统计寄存器（勾选“堆栈”框后，每次按 = 得到的结果都会作为数据录入）以及财务计算（货币时间价值和分期偿还）。元素周期表显示各元素的数据，并可把从其方块拖放组成的化学式的摩尔质量相加。“选项”决定结果的显示方式：原样显示、固定小数位数或科学记数法。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;窗口&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The View menu makes the window compact, keeps it above other windows, recolours the display, the keys and the case, and puts a title of your own on the calculator. Hide (or Esc) sends Zova to the system tray; double-click its icon there, or choose Open from its menu, to bring it back. Where the desktop has no tray, Zova is minimized instead.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“查看”菜单可以让窗口变得紧凑、保持在其他窗口之上、重新设置显示屏、按键和外壳的颜色，并在计算器上放置你自己的标题。“隐藏”（或 Esc）会把 Zova 放到系统托盘；双击托盘中的图标，或从其菜单中选择“打开”，即可恢复窗口。如果桌面没有系统托盘，Zova 会改为最小化。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Settings&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;设置&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;When Zova closes (File, Exit, the End key or the window&apos;s close box) it writes its settings, both registers and the statistics data to the file dadidedo.dat in the current folder, and reads them back at the next start. File, Save Settings keeps a copy under another name; Load Settings brings one back.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Zova 关闭时（“文件”、“退出”，End 键，或窗口的关闭按钮），会把设置、两个寄存器和统计数据写入当前文件夹中的 dadidedo.dat 文件，并在下次启动时读回。“文件”、“保存设置”可以用另一个名称保存一份副本；“加载设置”可以把它读回。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Keyboard Equivalents&lt;/h1&gt;</source>
        <translation>&lt;h1&gt;键盘对应键&lt;/h1&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Keys act when they are pressed, in the order pressed. While Ctrl or Alt is held, no key reaches the keypad. Keys marked &lt;i&gt;keypad&lt;/i&gt; are those of the numeric keypad.&lt;/p&gt;</source>
        <translation>&lt;p&gt;按键在按下时生效，按按下的顺序执行。按住 Ctrl 或 Alt 时，任何按键都不会传到计算器键盘。标有&lt;i&gt;小键盘&lt;/i&gt;的按键是数字小键盘上的按键。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keypad&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;计算器键盘&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source> &lt;small&gt;(with inv: %1)&lt;/small&gt;</source>
        <translation> &lt;small&gt;（配合 inv：%1）&lt;/small&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The digits 0 to 9 can be typed on the top row or on the keypad. The characters + - * / = and . act by what the key types in your keyboard layout, wherever the key lies; where numbers are written with a decimal comma, the comma is the decimal point too. In hexadecimal the letters A to F type the digits A to F.&lt;/p&gt;</source>
        <translation>&lt;p&gt;数字 0 到 9 可以在主键盘上排或小键盘上输入。字符 + - * / = 和 . 按照它们在你的键盘布局中实际输入的字符起作用，无论按键位于何处；在使用小数逗号的地区，逗号也作为小数点。在十六进制下，字母 A 到 F 输入数字 A 到 F。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Statistical functions&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;统计函数&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Converter and constants&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;换算器与常数&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Keyboard Equivalents</source>
        <translation>键盘对应键</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概述</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Zova Help - %1</source>
        <translation>Zova 帮助 - %1</translation>
    </message>
    <message>
        <source>Hide the window</source>
        <translation>隐藏窗口</translation>
    </message>
    <message>
        <source>Save the settings and close Zova</source>
        <translation>保存设置并关闭 Zova</translation>
    </message>
    <message>
        <source>&lt;p&gt;View, Zoom In (Ctrl++) and Zoom Out (Ctrl+-) make the calculator, its panels, the periodic table and the paper tape larger or smaller by a quarter of the standard size, up to three times it; Actual Size (Ctrl+0) goes back to it. Dragging the window&apos;s border does the same, to the nearest step. Zova keeps the zoom in zova-window.conf beside its settings.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“查看”中的“放大”（Ctrl++）和“缩小”（Ctrl+-）会把计算器、其面板、元素周期表和纸带按标准尺寸的四分之一放大或缩小，最大到标准尺寸的三倍；“实际大小”（Ctrl+0）恢复标准尺寸。拖动窗口边框也一样，会对齐到最近的一级。Zova 把缩放比例保存在其设置旁边的 zova-window.conf 中。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Edit, Undo (Ctrl+Z) takes back the last action: a key, a clear, a change in a panel or the options, a paste, loaded settings or the cleared paper tape; Edit, Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again. No clear asks for confirmation: a clear you regret is one Ctrl+Z away.&lt;/p&gt;</source>
        <translation>&lt;p&gt;“编辑”中的“撤销”（Ctrl+Z）会撤回上一步操作：一次按键、一次清除、面板或选项中的一次更改、一次粘贴、加载的设置或清除的纸带；“编辑”中的“重做”（Ctrl+Shift+Z 或 Ctrl+Y）会再次执行它。任何清除都不会要求确认：后悔的清除只需按一下 Ctrl+Z。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>撤销上一步操作</translation>
    </message>
    <message>
        <source>Redo the action undone last</source>
        <translation>重做上一步撤销的操作</translation>
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
        <translation>未闭合括号：%1</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key</source>
        <translation>键盘对应键：  %1 键</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (%2)</source>
        <translation>键盘对应键：  %1 键 (%2)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key (main row or keypad)</source>
        <translation>键盘对应键：  %1 键 (主键区或小键盘)</translation>
    </message>
    <message>
        <source>Keyboard equivalent:  %1 key or %2</source>
        <translation>键盘对应键：  %1 键 或 %2</translation>
    </message>
    <message>
        <source>Shift+%1</source>
        <translation>Shift+%1</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>小键盘 %1</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>七</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>八</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>九</translation>
    </message>
    <message>
        <source>four</source>
        <translation>四</translation>
    </message>
    <message>
        <source>five</source>
        <translation>五</translation>
    </message>
    <message>
        <source>six</source>
        <translation>六</translation>
    </message>
    <message>
        <source>one</source>
        <translation>一</translation>
    </message>
    <message>
        <source>two</source>
        <translation>二</translation>
    </message>
    <message>
        <source>three</source>
        <translation>三</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>零</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>指数</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>变号</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation>清除输入</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>add</source>
        <translation>加</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>减</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>左括号</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>右括号</translation>
    </message>
    <message>
        <source>stack results into statistics</source>
        <translation>将结果存入统计</translation>
    </message>
    <message>
        <source>inverse, second functions</source>
        <translation>反函数，第二功能</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>双曲</translation>
    </message>
    <message>
        <source>number base</source>
        <translation>进制</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>角度模式</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>圆周率</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>阶乘</translation>
    </message>
    <message>
        <source>decimal degrees to degrees minutes seconds</source>
        <translation>十进制度转度分秒</translation>
    </message>
    <message>
        <source>degrees minutes seconds to decimal degrees</source>
        <translation>度分秒转十进制度</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>memory add</source>
        <translation>存储器加</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>读取存储器</translation>
    </message>
    <message>
        <source>store in K</source>
        <translation>存入 K</translation>
    </message>
    <message>
        <source>recall K</source>
        <translation>读取 K</translation>
    </message>
    <message>
        <source>Keyboard equivalent: %1 key</source>
        <translation>键盘对应键：%1 键</translation>
    </message>
    <message>
        <source>keypad</source>
        <translation>小键盘</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Load Settings...</source>
        <translation>加载设置(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>保存设置(&amp;S)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Hide    [ Esc ]</source>
        <translation>隐藏(&amp;H)    [ Esc ]</translation>
    </message>
    <message>
        <source>Always on &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Appear on Startup</source>
        <translation>登录时启动(&amp;A)</translation>
    </message>
    <message>
        <source>Compact &amp;Size</source>
        <translation>紧凑尺寸(&amp;S)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Calculator Shell</source>
        <translation>计算器外壳</translation>
    </message>
    <message>
        <source>Standard Buttons</source>
        <translation>标准按键</translation>
    </message>
    <message>
        <source>Function Buttons</source>
        <translation>功能按键</translation>
    </message>
    <message>
        <source>Personal Label</source>
        <translation>个人标签</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Converter/Constants Library</source>
        <translation>单位换算/常数库(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Statistical Functions</source>
        <translation>统计函数(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Financial Calculations</source>
        <translation>财务计算(&amp;F)</translation>
    </message>
    <message>
        <source>Periodic Table of the &amp;Elements</source>
        <translation>元素周期表(&amp;E)</translation>
    </message>
    <message>
        <source>Paper &amp;Tape</source>
        <translation>纸带(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>概述(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Equivalents</source>
        <translation>键盘对应键(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About Zova</source>
        <translation>关于 Zova(&amp;A)</translation>
    </message>
    <message>
        <source>About Zova</source>
        <translation>关于 Zova</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Normal &amp;Size</source>
        <translation>正常尺寸(&amp;S)</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop keeps no program&apos;s window on top</source>
        <translation>在 Wayland 下不可用：桌面不会让程序窗口保持在最前</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>实际大小(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Data Files (*.dat)</source>
        <translation>数据文件 (*.dat)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>加载设置</translation>
    </message>
    <message>
        <source>Confirm Save</source>
        <translation>确认保存</translation>
    </message>
    <message>
        <source>This folder already contains a file with that name.  Do you want to overwrite it?</source>
        <translation>此文件夹中已有同名文件。  要覆盖它吗？</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than 256 MB</source>
        <translation>它大于 256 MB</translation>
    </message>
    <message>
        <source>the settings are larger than 256 MB</source>
        <translation>设置大于 256 MB</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user</source>
        <translation>它是属于其他用户的链接</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>Enter a short title to personalize your calculator.</source>
        <translation>输入一个简短的标题来个性化你的计算器。</translation>
    </message>
    <message>
        <source>The start-up entry could not be created.</source>
        <translation>无法创建开机启动项。</translation>
    </message>
    <message>
        <source>The start-up entry could not be removed.</source>
        <translation>无法删除开机启动项。</translation>
    </message>
    <message>
        <source>Calculation Error!  Either insufficient data has been provided or an overflow error has occurred.</source>
        <translation>计算错误！  数据不足，或发生了溢出。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %1.bak, and the settings are saved anew.</source>
        <translation>设置文件 %1 无法读取。它已保留为 %1.bak，设置将重新保存。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it is not a file the settings may replace: it is left as it is, and the settings are not saved.</source>
        <translation>设置文件 %1 无法读取，且它不是设置可以替换的文件：它将保持原样，设置不会被保存。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>无法将设置保存到 %1：%2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be found.</source>
        <translation>文件“%1”未找到。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>文件“%1”无法读取：%2。</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1: %2.</source>
        <translation>无法将纸带保存到 %1：%2。</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>科学</translation>
    </message>
    <message>
        <source>Low Accuracy</source>
        <translation>低精度</translation>
    </message>
    <message>
        <source>Medium Accuracy (Recommended)</source>
        <translation>中等精度（推荐）</translation>
    </message>
    <message>
        <source>High Accuracy (Not Recommended)</source>
        <translation>高精度（不推荐）</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>数字格式</translation>
    </message>
    <message>
        <source>Fraction Accuracy</source>
        <translation>分数精度</translation>
    </message>
    <message>
        <source>Decimal Places</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>Radicals in fractions</source>
        <translation>分数中的根式</translation>
    </message>
    <message>
        <source>Include Radicals</source>
        <translation>包含根式</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>Medium and High accuracy settings may cause the program to become temporarily unresponsive.</source>
        <translation>中等和高精度设置可能会使程序暂时无响应。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>&amp;Enter Data</source>
        <translation>输入数据(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>全部清除(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation>&amp;n</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>总和(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>平均值(&amp;M)</translation>
    </message>
    <message>
        <source>S&amp;ample SD</source>
        <translation>样本标准差(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Popul. SD</source>
        <translation>总体标准差(&amp;P)</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>堆栈</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 number</source>
        <translation>%1 原子序数</translation>
    </message>
    <message>
        <source>%1 mass</source>
        <translation>%1 原子质量</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>纸带</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>纸带</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>纸带另存为</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>calculations on the tape</source>
        <translation>纸带上的计算</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>help text</source>
        <translation>帮助文本</translation>
    </message>
    <message>
        <source>inverse indicator</source>
        <translation>反函数指示</translation>
    </message>
    <message>
        <source>hyperbolic indicator</source>
        <translation>双曲指示</translation>
    </message>
    <message>
        <source>degrees indicator</source>
        <translation>角度制指示</translation>
    </message>
    <message>
        <source>radians indicator</source>
        <translation>弧度制指示</translation>
    </message>
    <message>
        <source>grads indicator</source>
        <translation>百分度指示</translation>
    </message>
    <message>
        <source>memory indicator</source>
        <translation>存储器指示</translation>
    </message>
    <message>
        <source>number base indicator</source>
        <translation>进制指示</translation>
    </message>
    <message>
        <source>fraction indicator</source>
        <translation>分数指示</translation>
    </message>
    <message>
        <source>personal label</source>
        <translation>个人标签</translation>
    </message>
    <message>
        <source>display</source>
        <translation>显示屏</translation>
    </message>
    <message>
        <source>second function of </source>
        <translation>第二功能：</translation>
    </message>
    <message>
        <source>. With inv: </source>
        <translation>。配合 inv：</translation>
    </message>
    <message>
        <source>Close Flap</source>
        <translation>收起面板</translation>
    </message>
    <message>
        <source>close the fold-out</source>
        <translation>关闭展开面板</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>open bracket, depth %1</source>
        <translation>左括号，深度 %1</translation>
    </message>
    <message>
        <source>close bracket, depth %1</source>
        <translation>右括号，深度 %1</translation>
    </message>
    <message>
        <source>statistics data</source>
        <translation>统计数据</translation>
    </message>
</context>
</TS>
