#pragma once

// Result codes of the table database, shared by tables, the database and the
// exchange's answers about records (same numbering on both sides).
enum TSubStatus : int {
    tsOK = 0,
    tsKolizija = 1,
    tsVecZakljucano = 2,
    tsNijeZakljucano = 3,
    tsVecMaskirano = 4,
    tsNijeMaskirano = 5,
    tsNePostojiSlog = 6,
    tsVecPostojiSlog = 7,
    tsNePostojiAtribut = 8,
    tsNijeKljucniAtribut = 9,
    tsPrepunaTabela = 10,
    tsPraznaTabela = 11,
    tsVecPostojiFWL = 12,
    tsLosKriterijumTrazenja = 13,
    tsIndeksnaKolizija = 14,
    tsNijeIndeksniKljuc = 15,
    tsPreviseTransakcija = 16,
    tsNevazecaTransakcija = 17,
    tsVecPostojiTransakcija = 18,
    tsNePostojiTabela = 19,
    tsVecPostojiTabela = 20,
    tsNijeOtvorenaTabela = 21,
    tsVecOtvorenaTabela = 22,
    tsNeuspeloKreiranjeTabele = 23,
    tsNevazeciDeskriptor = 24,
    tsKrajTabele = 25,
    tsPocetakTabele = 26,
    tsNijeAlphaPolje = 27,
    tsNeuspesnoOtvaranje = 28,
    tsSintaksnaGreska = 29,
    tsNedefinisanaTabela = 30,
    tsNijePoslednji = 31,
    tsNijeNajveci = 32,
    tsNeuspeh = 33,
    tsNevazeciKriterijumPoredjenja = 34,
    tsNevazeciTblHandle = 35,
    tsKljucniAtribut = 36,
    tsNeocekivano = 37,
};

// The name of a code, for messages; null outside 0..37.
const char* subStatusName(int code);
