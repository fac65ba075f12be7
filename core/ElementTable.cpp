// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ElementTable.h"

#include "core/ChargeNotation.h"
#include "core/Errors.h"
#include "core/ReactionParser.h"

#include <charconv>

namespace {

struct ElementRow
{
    const char* Symbol;
    const char* Weight;
};

// Stored order; the weights keep the number of decimals they are stored with.
const ElementRow ElementRows[] = {
    {"Ac", "227"},
    {"Al", "26.98"},
    {"Am", "243"},
    {"Sb", "121.75"},
    {"Ar", "39.95"},
    {"As", "74.92"},
    {"At", "210"},
    {"Ba", "137.34"},
    {"Bk", "247"},
    {"Be", "9.01"},
    {"Bi", "208.98"},
    {"B", "10.81"},
    {"Br", "79.90"},
    {"Cd", "112.40"},
    {"Ca", "40.08"},
    {"Cf", "249"},
    {"C", "12.01"},
    {"Ce", "140.12"},
    {"Cs", "132.90"},
    {"Cl", "35.45"},
    {"Cr", "51.99"},
    {"Co", "58.93"},
    {"Cu", "63.54"},
    {"Cm", "245"},
    {"Dy", "162.50"},
    {"Es", "254"},
    {"Er", "167.26"},
    {"Eu", "151.96"},
    {"Fm", "252"},
    {"F", "18.99"},
    {"Fr", "223"},
    {"Gd", "157.25"},
    {"Ga", "69.72"},
    {"Ge", "72.59"},
    {"Au", "196.97"},
    {"Hf", "178.49"},
    {"He", "4.00"},
    {"Ho", "164.930"},
    {"H", "1.01"},
    {"In", "114.82"},
    {"I", "126.90"},
    {"Ir", "192.22"},
    {"Fe", "55.847"},
    {"Kr", "83.80"},
    {"La", "138.91"},
    {"Lw", "257"},
    {"Pb", "207.19"},
    {"Li", "6.94"},
    {"Lu", "174.97"},
    {"Mg", "24.31"},
    {"Mn", "54.94"},
    {"Mv", "256"},
    {"Hg", "200.59"},
    {"Mo", "95.94"},
    {"Nd", "144.24"},
    {"Ne", "20.183"},
    {"Np", "237"},
    {"Ni", "58.70"},
    {"Nb", "92.91"},
    {"N", "14.01"},
    {"No", "254"},
    {"Os", "190.26"},
    {"O", "15.99"},
    {"Pd", "106.40"},
    {"P", "30.97"},
    {"Pt", "195.09"},
    {"Pu", "244"},
    {"Po", "210"},
    {"K", "39.10"},
    {"Pr", "140.91"},
    {"Pm", "145"},
    {"Pa", "231"},
    {"Ra", "226"},
    {"Rn", "222"},
    {"Re", "186.20"},
    {"Rh", "102.90"},
    {"Rb", "85.47"},
    {"Ru", "101.07"},
    {"Sm", "150.35"},
    {"Sc", "44.96"},
    {"Se", "78.96"},
    {"Si", "28.09"},
    {"Ag", "107.87"},
    {"Na", "22.99"},
    {"Sr", "87.62"},
    {"S", "32.06"},
    {"Ta", "180.95"},
    {"Tc", "99"},
    {"Te", "127.60"},
    {"Tb", "158.92"},
    {"Tl", "204.37"},
    {"Th", "232.04"},
    {"Tm", "168.93"},
    {"Sn", "118.69"},
    {"Ti", "47.90"},
    {"W", "183.85"},
    {"U", "238.03"},
    {"V", "50.94"},
    {"Xe", "131.30"},
    {"Yb", "173.04"},
    {"Y", "88.90"},
    {"Zn", "65.37"},
    {"Zr", "91.22"},
    // Added after the stored table: the elements named since (the mass number of each one's
    // longest-lived isotope, as in the precise table), then deuterium and tritium.
    {"Rf", "267"},
    {"Db", "268"},
    {"Sg", "269"},
    {"Bh", "270"},
    {"Hs", "269"},
    {"Mt", "278"},
    {"Ds", "281"},
    {"Rg", "282"},
    {"Cn", "285"},
    {"Nh", "286"},
    {"Fl", "290"},
    {"Mc", "290"},
    {"Lv", "293"},
    {"Ts", "294"},
    {"Og", "294"},
    {"D", "2.01"},
    {"T", "3.02"},
};

// The rows of the stored table; the rows after them were added to it.
constexpr int StoredRowCount = 103;

// Today's symbols of the two elements the stored table knows under their old ones.
const ElementRow CurrentSymbols[] = {{"Lr", "Lw"}, {"Md", "Mv"}};

std::vector<std::string> Column(bool weights)
{
    std::vector<std::string> column;
    for (const ElementRow& row : ElementRows)
        column.emplace_back(weights ? row.Weight : row.Symbol);
    return column;
}

constexpr int RowCount = int(sizeof ElementRows / sizeof ElementRows[0]);

// The weights always use "." whatever the locale, so they are read with from_chars.
long double ParseWeight(const char* text)
{
    const std::string_view view(text);
    long double value = 0;
    auto result = std::from_chars(view.data(), view.data() + view.size(), value);
    if (result.ec != std::errc() || result.ptr != view.data() + view.size())
        throw ConversionError("atomic weight does not convert");
    return value;
}

// Every symbol has one or two letters, so a table indexed by the first letter and the
// second (0 for none), both without regard to case, finds a row in one step.
struct SymbolIndex
{
    signed char Rows[26][27];
    long double Weights[RowCount];
    long double PreciseWeights[RowCount];

    SymbolIndex()
    {
        for (auto& first : Rows)
            for (signed char& row : first)
                row = -1;
        for (int row = 0; row < RowCount; ++row) {
            const char* symbol = ElementRows[row].Symbol;
            Slot(symbol) = static_cast<signed char>(row);
            Weights[row] = ParseWeight(ElementRows[row].Weight);
            PreciseWeights[row] = ParseWeight(PreciseAWList()[size_t(row)].c_str());
        }
        for (const ElementRow& alias : CurrentSymbols)
            Slot(alias.Symbol) = Slot(alias.Weight);
        for (int first = 0; first < 26; ++first)
            for (int second = 0; second < 26; ++second)
                KeepsLower[first][second] = WorkOutKeepsLower(first, second);
    }

    // Whether a capital letter and a lower-case one make a symbol that stays as typed (see
    // KeepsLowerCase), for each pair of letters; worked out once, as typing asks it for
    // every lower-case letter.
    bool KeepsLower[26][26];

    signed char& Slot(const char* symbol)
    {
        return Rows[Letter(symbol[0])][symbol[1] ? 1 + Letter(symbol[1]) : 0];
    }

    // 0 to 25 for a letter of either case, -1 for anything else.
    static int Letter(char c) { return IsUpperLetter(c) ? c - 'A' : IsLowerLetter(c) ? c - 'a' : -1; }

    int Find(std::string_view symbol) const
    {
        if (symbol.empty() || symbol.size() > 2)
            return -1;
        const int first = Letter(symbol[0]);
        const int second = symbol.size() == 2 ? Letter(symbol[1]) : -1;
        if (first < 0 || (symbol.size() == 2 && second < 0))
            return -1;
        return Rows[first][second + 1];
    }

    bool WorkOutKeepsLower(int first, int second) const
    {
        const int row = Rows[first][second + 1];
        if (row < 0)
            return false;
        if (row < StoredRowCount)
            return true;
        // A newer symbol whose letters are also two symbols (Nh, Cn, Hs) keeps the typed
        // meaning, NH, CN, HS; the others (Og, Lr, Md) were no formula in capitals.
        return Rows[first][0] < 0 || Rows[second][0] < 0;
    }
};

const SymbolIndex& Index()
{
    static const SymbolIndex index;
    return index;
}

} // namespace

const std::vector<std::string>& MetsLst()
{
    static const std::vector<std::string> symbols = Column(false);
    return symbols;
}

const std::vector<std::string>& AWList()
{
    static const std::vector<std::string> weights = Column(true);
    return weights;
}

int FindElement(std::string_view symbol)
{
    return Index().Find(symbol);
}

bool KeepsLowerCase(char capital, char letter)
{
    const int first = SymbolIndex::Letter(capital);
    const int second = SymbolIndex::Letter(letter);
    return first >= 0 && second >= 0 && Index().KeepsLower[first][second];
}

std::string MolarMass(std::string_view formula, AtomicWeights weights)
{
    if (formula.empty())
        throw InvalidReactionError("empty formula");
    const std::string prepared = PrepareReaction(formula);
    if (IsElectronAt(prepared, 0))
        throw InvalidReactionError("no atomic weight for the electron");
    const std::vector<std::string> elements = CollectElements(prepared);
    const CountTable counts = CountFormulas(std::vector<std::string_view>{prepared}, elements);
    const long double* weightList =
        weights == AtomicWeights::Precise ? Index().PreciseWeights : Index().Weights;
    double sum = 0;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i] == ChargeSymbol)
            continue; // an ion weighs what its atoms weigh
        const int row = FindElement(elements[i]);
        if (row < 0)
            throw InvalidReactionError("no atomic weight for a symbol");
        // The product is taken in extended precision and the sum stored as a double after
        // each addition, so results match the stored weights' usual roundings (18.01).
        sum = static_cast<double>(static_cast<long double>(sum) + weightList[row] * counts.At(0, i));
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, sum, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}
