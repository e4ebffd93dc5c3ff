// The two constant lists as data rows: text and value, in list order.
#include "converter/constant_table.h"

#include <array>

#include "engine/text.h"

namespace zova {

namespace {

constexpr std::array kSi = {
    ConstantRow{ZOVA_TEXT("Converter", "NA: Avogadro (/(g*mol))"), "6.0221367e+23"},
    ConstantRow{ZOVA_TEXT("Converter", "k: Boltzman (J/K)"), "1.380658e-23"},
    ConstantRow{ZOVA_TEXT("Converter", "Vm: molar volume (/(g*mol))"), "22.414"},
    ConstantRow{ZOVA_TEXT("Converter", "R: univ gas constant (J/(g*mol*K))"), "8.31451"},
    ConstantRow{ZOVA_TEXT("Converter", "STdT: std temperature (K)"), "273.15"},
    ConstantRow{ZOVA_TEXT("Converter", "StdP: std pressure (kPa)"), "101.325"},
    ConstantRow{ZOVA_TEXT("Converter", "Stefan-Boltzman (W/(m^2*K^4))"), "5.67051e-08"},
    ConstantRow{ZOVA_TEXT("Converter", "c: speed of light (m/s)"), "299792458"},
    ConstantRow{ZOVA_TEXT("Converter", "permittivity (F/m)"), "8.85418781761e-12"},
    ConstantRow{ZOVA_TEXT("Converter", "permeability (H/m)"), "1.25663706144e-06"},
    ConstantRow{ZOVA_TEXT("Converter", "g: accel of gravity (m/s^2)"), "9.80665"},
    ConstantRow{ZOVA_TEXT("Converter", "G: gravitation (m^3/(s^2*kg))"), "6.67259e-11"},
    ConstantRow{ZOVA_TEXT("Converter", "h:Planck's constant (J*s)"), "6.6260755e-34"},
    ConstantRow{ZOVA_TEXT("Converter", "q: electronic charge (C)"), "1.6021773e-19"},
    ConstantRow{ZOVA_TEXT("Converter", "me: electron mass (kg)"), "9.1093897e-31"},
    ConstantRow{ZOVA_TEXT("Converter", "mp: proton mass (kg)"), "1.6726231e-27"},
    ConstantRow{ZOVA_TEXT("Converter", "F: Faraday (C/(g*mol))"), "96485.309"},
    ConstantRow{ZOVA_TEXT("Converter", "Bohr radius (nm)"), "0.0529177249"},
    ConstantRow{ZOVA_TEXT("Converter", "photon wavelength (nm)"), "1239.8425"},
    ConstantRow{ZOVA_TEXT("Converter", "photon frequency (Hz)"), "241798830000000"},
    ConstantRow{ZOVA_TEXT("Converter", "Compton wavelength (nm)"), "0.00242631058"},
    ConstantRow{ZOVA_TEXT("Converter", "dielectric constant"), "11.9"},
    ConstantRow{ZOVA_TEXT("Converter", "SiO2 dielectric constant"), "3.9"},
    ConstantRow{ZOVA_TEXT("Converter", "Cs: speed of sound (m/s)"), "331.45"},
    ConstantRow{ZOVA_TEXT("Converter", "tera (T): 10^12"), "1e12"},
    ConstantRow{ZOVA_TEXT("Converter", "giga (G): 10^9"), "1000000000"},
    ConstantRow{ZOVA_TEXT("Converter", "mega (M): 10^6"), "1000000"},
    ConstantRow{ZOVA_TEXT("Converter", "kilo (k): 10^3"), "1000"},
    ConstantRow{ZOVA_TEXT("Converter", "hecto (h): 10^2"), "100"},
    ConstantRow{ZOVA_TEXT("Converter", "centi (c): 10^-2"), "0.01"},
    ConstantRow{ZOVA_TEXT("Converter", "milli (m): 10^-3"), "0.001"},
    ConstantRow{ZOVA_TEXT("Converter", "micro (mu): 10^-6"), "1e-06"},
    ConstantRow{ZOVA_TEXT("Converter", "nano (n): 10^-9"), "1e-09"},
    ConstantRow{ZOVA_TEXT("Converter", "pico (p): 10^-12"), "1e-12"},
};

constexpr std::array kEng = {
    ConstantRow{ZOVA_TEXT("Converter", "NA: Avogadro (/(g/mol))"), "6.0221367e+23"},
    ConstantRow{ZOVA_TEXT("Converter", "k: Boltzman (Btu/R)"), "7.270063e-27"},
    ConstantRow{ZOVA_TEXT("Converter", "Vm: molar volume (/(lb*mol))"), "359.0394"},
    ConstantRow{ZOVA_TEXT("Converter", "R: univ gas constant (psi*ft^3/(lb*mol*R))"), "10.73164"},
    ConstantRow{ZOVA_TEXT("Converter", "STdT: std temperature (R)"), "491.67"},
    ConstantRow{ZOVA_TEXT("Converter", "StdP: std pressure (psi)"), "14.6959"},
    ConstantRow{ZOVA_TEXT("Converter", "Stefan-Boltzman (Btu/(h*ft^2*R^4))"), "1.71234e-09"},
    ConstantRow{ZOVA_TEXT("Converter", "c: speed of light (ft/s)"), "983571056"},
    ConstantRow{ZOVA_TEXT("Converter", "permittivity (F/m)"), "8.85418781761e-12"},
    ConstantRow{ZOVA_TEXT("Converter", "permeability (H/m)"), "1.25663706144e-06"},
    ConstantRow{ZOVA_TEXT("Converter", "g: accel of gravity (ft/s^2)"), "32.174"},
    ConstantRow{ZOVA_TEXT("Converter", "G: gravitation (lbf*ft^2/lb^2)"), "3.32208e-11"},
    ConstantRow{ZOVA_TEXT("Converter", "h:Planck's constant (Btu*h)"), "1.7445299e-40"},
    ConstantRow{ZOVA_TEXT("Converter", "q: electronic charge (C)"), "1.6021773e-19"},
    ConstantRow{ZOVA_TEXT("Converter", "me: electron mass (kg)"), "9.1093897e-31"},
    ConstantRow{ZOVA_TEXT("Converter", "mp: proton mass (kg)"), "1.6726231e-27"},
    ConstantRow{ZOVA_TEXT("Converter", "F: Faraday (C/(g*mol))"), "96485.309"},
    ConstantRow{ZOVA_TEXT("Converter", "Bohr radius (nm)"), "0.0529177249"},
    ConstantRow{ZOVA_TEXT("Converter", "photon wavelength (A)"), "12398.425"},
    ConstantRow{ZOVA_TEXT("Converter", "photon frequency (Hz)"), "241798830000000"},
    ConstantRow{ZOVA_TEXT("Converter", "Compton wavelength (A)"), "0.0242631058"},
    ConstantRow{ZOVA_TEXT("Converter", "dielectric constant"), "11.9"},
    ConstantRow{ZOVA_TEXT("Converter", "SiO2 dielectric constant"), "3.9"},
    ConstantRow{ZOVA_TEXT("Converter", "Cs: speed of sound (ft/s)"), "1087.434"},
};

}  // namespace

std::span<const ConstantRow> siConstants() { return kSi; }
std::span<const ConstantRow> engConstants() { return kEng; }

const ConstantRow* findConstant(std::span<const ConstantRow> table, std::string_view text) {
  for (const ConstantRow& row : table) {
    if (row.text == text) return &row;
  }
  return nullptr;
}

}  // namespace zova
