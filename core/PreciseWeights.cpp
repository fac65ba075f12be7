// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PreciseWeights.h"

namespace {

struct PreciseRow
{
    const char* Symbol; // as in the element table, whose row order this follows
    const char* Weight;
};

// IUPAC (CIAAW) standard atomic weights abridged to five significant figures. An element
// whose weight is given as an interval has IUPAC's conventional value (H 1.008, C 12.011,
// Pb 207.2); an element without a standard atomic weight has the mass number of its
// longest-lived isotope. Lw and Mv stand for lawrencium (Lr-266) and mendelevium (Md-258).
// Deuterium and tritium weigh their atomic masses, 2.0141 and 3.0160.
const PreciseRow PreciseRows[] = {
    {"Ac", "227"},    {"Al", "26.982"}, {"Am", "243"},    {"Sb", "121.76"}, {"Ar", "39.95"},
    {"As", "74.922"}, {"At", "210"},    {"Ba", "137.33"}, {"Bk", "247"},    {"Be", "9.0122"},
    {"Bi", "208.98"}, {"B", "10.81"},   {"Br", "79.904"}, {"Cd", "112.41"}, {"Ca", "40.078"},
    {"Cf", "251"},    {"C", "12.011"},  {"Ce", "140.12"}, {"Cs", "132.91"}, {"Cl", "35.45"},
    {"Cr", "51.996"}, {"Co", "58.933"}, {"Cu", "63.546"}, {"Cm", "247"},    {"Dy", "162.50"},
    {"Es", "252"},    {"Er", "167.26"}, {"Eu", "151.96"}, {"Fm", "257"},    {"F", "18.998"},
    {"Fr", "223"},    {"Gd", "157.25"}, {"Ga", "69.723"}, {"Ge", "72.630"}, {"Au", "196.97"},
    {"Hf", "178.49"}, {"He", "4.0026"}, {"Ho", "164.93"}, {"H", "1.0080"},  {"In", "114.82"},
    {"I", "126.90"},  {"Ir", "192.22"}, {"Fe", "55.845"}, {"Kr", "83.798"}, {"La", "138.91"},
    {"Lw", "266"},    {"Pb", "207.2"},  {"Li", "6.94"},   {"Lu", "174.97"}, {"Mg", "24.305"},
    {"Mn", "54.938"}, {"Mv", "258"},    {"Hg", "200.59"}, {"Mo", "95.95"},  {"Nd", "144.24"},
    {"Ne", "20.180"}, {"Np", "237"},    {"Ni", "58.693"}, {"Nb", "92.906"}, {"N", "14.007"},
    {"No", "259"},    {"Os", "190.23"}, {"O", "15.999"},  {"Pd", "106.42"}, {"P", "30.974"},
    {"Pt", "195.08"}, {"Pu", "244"},    {"Po", "209"},    {"K", "39.098"},  {"Pr", "140.91"},
    {"Pm", "145"},    {"Pa", "231.04"}, {"Ra", "226"},    {"Rn", "222"},    {"Re", "186.21"},
    {"Rh", "102.91"}, {"Rb", "85.468"}, {"Ru", "101.07"}, {"Sm", "150.36"}, {"Sc", "44.956"},
    {"Se", "78.971"}, {"Si", "28.085"}, {"Ag", "107.87"}, {"Na", "22.990"}, {"Sr", "87.62"},
    {"S", "32.06"},   {"Ta", "180.95"}, {"Tc", "97"},     {"Te", "127.60"}, {"Tb", "158.93"},
    {"Tl", "204.38"}, {"Th", "232.04"}, {"Tm", "168.93"}, {"Sn", "118.71"}, {"Ti", "47.867"},
    {"W", "183.84"},  {"U", "238.03"},  {"V", "50.942"},  {"Xe", "131.29"}, {"Yb", "173.05"},
    {"Y", "88.906"},  {"Zn", "65.38"},  {"Zr", "91.222"}, {"Rf", "267"},    {"Db", "268"},
    {"Sg", "269"},    {"Bh", "270"},    {"Hs", "269"},    {"Mt", "278"},    {"Ds", "281"},
    {"Rg", "282"},    {"Cn", "285"},    {"Nh", "286"},    {"Fl", "290"},    {"Mc", "290"},
    {"Lv", "293"},    {"Ts", "294"},    {"Og", "294"},    {"D", "2.0141"},  {"T", "3.0160"},
};

} // namespace

const std::vector<std::string>& PreciseAWList()
{
    static const std::vector<std::string> weights = [] {
        std::vector<std::string> column;
        for (const PreciseRow& row : PreciseRows)
            column.emplace_back(row.Weight);
        return column;
    }();
    return weights;
}
