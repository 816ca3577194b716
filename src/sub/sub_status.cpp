#include "sub/sub_status.h"

#include <iterator>

namespace {

const char* const kStatusNames[] = {
    "tsOK",
    "tsKolizija",
    "tsVecZakljucano",
    "tsNijeZakljucano",
    "tsVecMaskirano",
    "tsNijeMaskirano",
    "tsNePostojiSlog",
    "tsVecPostojiSlog",
    "tsNePostojiAtribut",
    "tsNijeKljucniAtribut",
    "tsPrepunaTabela",
    "tsPraznaTabela",
    "tsVecPostojiFWL",
    "tsLosKriterijumTrazenja",
    "tsIndeksnaKolizija",
    "tsNijeIndeksniKljuc",
    "tsPreviseTransakcija",
    "tsNevazecaTransakcija",
    "tsVecPostojiTransakcija",
    "tsNePostojiTabela",
    "tsVecPostojiTabela",
    "tsNijeOtvorenaTabela",
    "tsVecOtvorenaTabela",
    "tsNeuspeloKreiranjeTabele",
    "tsNevazeciDeskriptor",
    "tsKrajTabele",
    "tsPocetakTabele",
    "tsNijeAlphaPolje",
    "tsNeuspesnoOtvaranje",
    "tsSintaksnaGreska",
    "tsNedefinisanaTabela",
    "tsNijePoslednji",
    "tsNijeNajveci",
    "tsNeuspeh",
    "tsNevazeciKriterijumPoredjenja",
    "tsNevazeciTblHandle",
    "tsKljucniAtribut",
    "tsNeocekivano",
};

}  // namespace

const char* subStatusName(int code) {
    if (code < 0 || code >= int(std::size(kStatusNames))) return nullptr;
    return kStatusNames[code];
}
