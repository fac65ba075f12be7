// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ReactionParser.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Reactions made at random from real compounds, such that both sides hold the same
// elements: every one of them reaches the solver, and they end balanced or unbalanceable
// in the proportions chance gives. The same seed always gives the same reactions.
inline const std::vector<std::string>& RealCompounds()
{
    static const std::vector<std::string> compounds = {
        "((NH4)3PO4)(MoO3)12",
        "(Co(NH3)5Cl)Cl2",
        "(Cu(NH3)4)(OH)2",
        "(NH4)2Cr2O7",
        "(NH4)2SO4",
        "(NH4)3PO4",
        "Ag",
        "Ag(NH3)2Cl",
        "Ag(NH3)2OH",
        "Ag2CrO4",
        "Ag2S",
        "AgCl",
        "AgNO3",
        "Al",
        "Al(NO3)3",
        "Al(OH)3",
        "Al2(SO4)3",
        "Al2O3",
        "Al4C3",
        "AlCl3",
        "As2S3",
        "B2H6",
        "B2O3",
        "Ba(OH)2",
        "BaCl2",
        "BaSO4",
        "Br2",
        "C",
        "C10H8",
        "C12H22O11",
        "C2H2",
        "C2H4",
        "C2H4(OH)2",
        "C2H5OH",
        "C2H5ONa",
        "C2H5SH",
        "C2H6",
        "C2H6O2",
        "C3H5(NO3)3",
        "C3H6O",
        "C3H7OH",
        "C3H8",
        "C3H8O3",
        "C4H10",
        "C5H12",
        "C6H12O6",
        "C6H14",
        "C6H5Br",
        "C6H5CH3",
        "C6H5COOK",
        "C6H5NH2",
        "C6H5NO2",
        "C6H6",
        "C7H16",
        "C7H5N3O6",
        "C8H18",
        "CH3CHO",
        "CH3COOC2H5",
        "CH3COOH",
        "CH3COONH4",
        "CH3COONa",
        "CH3Cl",
        "CH3OH",
        "CH4",
        "CO",
        "CO2",
        "CS2",
        "Ca",
        "Ca(ClO)2",
        "Ca(NO3)2",
        "Ca(OH)2",
        "Ca10(PO4)6(OH)2",
        "Ca3(PO4)2",
        "Ca5(PO4)3F",
        "CaC2",
        "CaCO3",
        "CaCl2",
        "CaF2",
        "CaH2",
        "CaO",
        "CaSO4",
        "CaSiO3",
        "Cl2",
        "Cl2O7",
        "Co(NH3)6Cl3",
        "CoCl2",
        "Cr",
        "Cr(CO)6",
        "Cr2(SO4)3",
        "Cr2O3",
        "CrCl3",
        "Cu",
        "Cu(NH3)4SO4",
        "Cu(NO3)2",
        "Cu(OH)2",
        "Cu2O",
        "Cu2S",
        "CuI",
        "CuO",
        "CuSO4",
        "Fe",
        "Fe(CO)5",
        "Fe(NO3)3",
        "Fe(OH)3",
        "Fe(SCN)3",
        "Fe2(SO4)3",
        "Fe2O3",
        "Fe3(Fe(CN)6)2",
        "Fe3O4",
        "Fe4(Fe(CN)6)3",
        "FeCl3",
        "FeS",
        "FeS2",
        "FeSO4",
        "H2",
        "H2C2O4",
        "H2CO3",
        "H2O",
        "H2O2",
        "H2S",
        "H2SO4",
        "H2SiF6",
        "H3AsO4",
        "H3PO4",
        "HBr",
        "HCl",
        "HClO",
        "HClO4",
        "HF",
        "HI",
        "HIO3",
        "HNO3",
        "Hg",
        "Hg(NO3)2",
        "Hg2(NO3)2",
        "Hg2Cl2",
        "HgO",
        "I2",
        "K",
        "K2CO3",
        "K2Cr2O7",
        "K2CrO4",
        "K2MnO4",
        "K2O",
        "K2SO4",
        "K3Fe(CN)6",
        "K3PO4",
        "K4Fe(CN)6",
        "KAl(SO4)2",
        "KBr",
        "KCl",
        "KClO3",
        "KHSO4",
        "KI",
        "KIO3",
        "KMnO4",
        "KNO2",
        "KNO3",
        "KO2",
        "KOH",
        "KSCN",
        "Li",
        "Li2O",
        "Li3N",
        "LiAlH4",
        "LiOH",
        "Mg",
        "Mg(NH4)PO4",
        "Mg(NO3)2",
        "Mg(OH)2",
        "Mg2P2O7",
        "Mg3(PO4)2",
        "Mg3N2",
        "MgCl2",
        "MgO",
        "Mn",
        "MnBr2",
        "MnCl2",
        "MnO2",
        "MnSO4",
        "N2",
        "N2O",
        "N2O5",
        "NH3",
        "NH4Cl",
        "NH4ClO4",
        "NH4NO2",
        "NH4NO3",
        "NO",
        "NO2",
        "Na",
        "Na(Al(OH)4)",
        "Na2(Zn(OH)4)",
        "Na2C2O4",
        "Na2CO3",
        "Na2MoO4",
        "Na2O",
        "Na2O2",
        "Na2S",
        "Na2S2O3",
        "Na2S4O6",
        "Na2SO3",
        "Na2SO4",
        "Na2SiO3",
        "Na3PO4",
        "NaAlO2",
        "NaBH4",
        "NaBO2",
        "NaBr",
        "NaBrO3",
        "NaCl",
        "NaClO",
        "NaClO3",
        "NaH2PO2",
        "NaHCO3",
        "NaI",
        "NaN3",
        "NaNO2",
        "NaNO3",
        "NaOH",
        "Ni",
        "Ni(CO)4",
        "O2",
        "P",
        "P4",
        "P4O10",
        "PCl3",
        "PCl5",
        "PH3",
        "Pb",
        "Pb(NO3)2",
        "PbCl2",
        "PbI2",
        "PbO",
        "PbO2",
        "PbS",
        "S",
        "S8",
        "SO2",
        "SO3",
        "Sb2O3",
        "Sb2S3",
        "Si",
        "SiCl4",
        "SiF4",
        "SiO2",
        "Sn",
        "SnCl2",
        "SnCl4",
        "SnO2",
        "Ti",
        "TiCl4",
        "UF6",
        "UO2F2",
        "V",
        "V2O5",
        "W",
        "WO3",
        "Zn",
        "Zn(NO3)2",
        "Zn(OH)2",
        "ZnCl2",
        "ZnO",
        "ZnS",
        "ZnSO4",
    };
    return compounds;
}

class ReactionDice
{
  public:
    explicit ReactionDice(std::uint64_t seed) : State(seed | 1) {}

    std::string Next()
    {
        const std::vector<std::string>& compounds = RealCompounds();
        for (;;) {
            std::vector<size_t> chosen;
            std::vector<std::string> elements;
            const size_t reactants = 1 + Below(3);
            while (chosen.size() < reactants)
                Add(Below(compounds.size()), chosen, elements);
            // Products: compounds made only of the reactants' elements, until they hold
            // every one of them.
            std::vector<size_t> order(compounds.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            for (size_t i = order.size(); i > 1; --i)
                std::swap(order[i - 1], order[Below(i)]);
            const size_t wanted = 1 + Below(3);
            std::vector<std::string> productElements;
            size_t products = 0;
            for (size_t c : order) {
                if (products >= 4 || (products >= wanted && productElements.size() == elements.size()))
                    break;
                if (std::find(chosen.begin(), chosen.end(), c) != chosen.end() || !Within(c, elements))
                    continue;
                Add(c, chosen, productElements);
                ++products;
            }
            if (products == 0 || productElements.size() != elements.size())
                continue;
            std::string text;
            for (size_t i = 0; i < chosen.size(); ++i)
                text += (i == 0 ? "" : i == reactants ? ">" : "+") + compounds[chosen[i]];
            return text;
        }
    }

  private:
    std::uint64_t State;

    size_t Below(size_t n)
    {
        State ^= State << 13;
        State ^= State >> 7;
        State ^= State << 17;
        return size_t(State % n);
    }

    static std::vector<std::string> ElementsOf(size_t compound)
    {
        return CollectElements(PrepareReaction(RealCompounds()[compound]) + "+");
    }

    static bool Within(size_t compound, const std::vector<std::string>& elements)
    {
        for (const std::string& e : ElementsOf(compound))
            if (IndexOfSymbol(elements, e) < 0)
                return false;
        return true;
    }

    static void Add(size_t compound, std::vector<size_t>& chosen, std::vector<std::string>& elements)
    {
        if (std::find(chosen.begin(), chosen.end(), compound) != chosen.end())
            return;
        chosen.push_back(compound);
        for (const std::string& e : ElementsOf(compound))
            if (IndexOfSymbol(elements, e) < 0)
                elements.push_back(e);
    }
};
