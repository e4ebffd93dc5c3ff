// The two constant lists as data rows: text and value, in list order.
#include "converter/constant_table.h"

#include <array>

namespace zova {

namespace {

constexpr std::array kSi = {
    ConstantRow{"NA: Avogadro (/(g*mol))", "6.0221367e+23"},
    ConstantRow{"k: Boltzman (J/K)", "1.380658e-23"},
    ConstantRow{"Vm: molar volume (/(g*mol))", "22.414"},
    ConstantRow{"R: univ gas constant (J/(g*mol*K))", "8.31451"},
    ConstantRow{"STdT: std temperature (K)", "273.15"},
    ConstantRow{"StdP: std pressure (kPa)", "101.325"},
    ConstantRow{"Stefan-Boltzman (W/(m^2*K^4))", "5.67051e-08"},
    ConstantRow{"c: speed of light (m/s)", "299792458"},
    ConstantRow{"permittivity (F/m)", "8.85418781761e-12"},
    ConstantRow{"permeability (H/m)", "1.25663706144e-06"},
    ConstantRow{"g: accel of gravity (m/s^2)", "9.80665"},
    ConstantRow{"G: gravitation (m^3/(s^2*kg))", "6.67259e-11"},
    ConstantRow{"h:Planck's constant (J*s)", "6.6260755e-34"},
    ConstantRow{"q: electronic charge (C)", "1.6021773e-19"},
    ConstantRow{"me: electron mass (kg)", "9.1093897e-31"},
    ConstantRow{"mp: proton mass (kg)", "1.6726231e-27"},
    ConstantRow{"F: Faraday (C/(g*mol))", "96485.309"},
    ConstantRow{"Bohr radius (nm)", "0.0529177249"},
    ConstantRow{"photon wavelength (nm)", "1239.8425"},
    ConstantRow{"photon frequency (Hz)", "241798830000000"},
    ConstantRow{"Compton wavelength (nm)", "0.00242631058"},
    ConstantRow{"dielectric constant", "11.9"},
    ConstantRow{"SiO2 dielectric constant", "3.9"},
    ConstantRow{"Cs: speed of sound (m/s)", "331.45"},
    ConstantRow{"tera (T): 10^12", "1e12"},
    ConstantRow{"giga (G): 10^9", "1000000000"},
    ConstantRow{"mega (M): 10^6", "1000000"},
    ConstantRow{"kilo (k): 10^3", "1000"},
    ConstantRow{"hecto (h): 10^2", "100"},
    ConstantRow{"centi (c): 10^-2", "0.01"},
    ConstantRow{"milli (m): 10^-3", "0.001"},
    ConstantRow{"micro (mu): 10^-6", "1e-06"},
    ConstantRow{"nano (n): 10^-9", "1e-09"},
    ConstantRow{"pico (p): 10^-12", "1e-12"},
};

constexpr std::array kEng = {
    ConstantRow{"NA: Avogadro (/(g/mol))", "6.0221367e+23"},
    ConstantRow{"k: Boltzman (Btu/R)", "7.270063e-27"},
    ConstantRow{"Vm: molar volume (/(lb*mol))", "359.0394"},
    ConstantRow{"R: univ gas constant (psi*ft^3/(lb*mol*R))", "10.73164"},
    ConstantRow{"STdT: std temperature (R)", "491.67"},
    ConstantRow{"StdP: std pressure (psi)", "14.6959"},
    ConstantRow{"Stefan-Boltzman (Btu/(h*ft^2*R^4))", "1.71234e-09"},
    ConstantRow{"c: speed of light (ft/s)", "983571056"},
    ConstantRow{"permittivity (F/m)", "8.85418781761e-12"},
    ConstantRow{"permeability (H/m)", "1.25663706144e-06"},
    ConstantRow{"g: accel of gravity (ft/s^2)", "32.174"},
    ConstantRow{"G: gravitation (lbf*ft^2/lb^2)", "3.32208e-11"},
    ConstantRow{"h:Planck's constant (Btu*h)", "1.7445299e-40"},
    ConstantRow{"q: electronic charge (C)", "1.6021773e-19"},
    ConstantRow{"me: electron mass (kg)", "9.1093897e-31"},
    ConstantRow{"mp: proton mass (kg)", "1.6726231e-27"},
    ConstantRow{"F: Faraday (C/(g*mol))", "96485.309"},
    ConstantRow{"Bohr radius (nm)", "0.0529177249"},
    ConstantRow{"photon wavelength (A)", "12398.425"},
    ConstantRow{"photon frequency (Hz)", "241798830000000"},
    ConstantRow{"Compton wavelength (A)", "0.0242631058"},
    ConstantRow{"dielectric constant", "11.9"},
    ConstantRow{"SiO2 dielectric constant", "3.9"},
    ConstantRow{"Cs: speed of sound (ft/s)", "1087.434"},
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
