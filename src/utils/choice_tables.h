#pragma once

#include <cstdint>

// A choice entry pairs a value of a closed set (as the parameter record and
// the request carry it) with the catalogue text the operator sees.
struct SChoiceEntry {
    std::int32_t value;
    std::int32_t textId;
};

// A constant, ordered choice table. Order matters: forms list the texts in
// this order, start at the first entry, and a text two entries share gives
// the earlier one.
struct SChoiceTable {
    const SChoiceEntry* entries;
    std::int32_t count;
};

extern const SChoiceTable choicesNivoAlarma;
extern const SChoiceTable choicesKategorija;
extern const SChoiceTable choicesEOSkod;
extern const SChoiceTable choicesSignalizacija;
extern const SChoiceTable choicesSpecUsluga;
extern const SChoiceTable choicesNumPlan;
extern const SChoiceTable choicesKorisnik;
extern const SChoiceTable choicesPodsistem;
extern const SChoiceTable choicesVremenskaKontrola;
extern const SChoiceTable choicesIdentPoz;
extern const SChoiceTable choicesGrupaTabela;
extern const SChoiceTable choicesVerzija;
extern const SChoiceTable choicesPort;
extern const SChoiceTable choicesBrzina;
extern const SChoiceTable choicesUsluga;
extern const SChoiceTable choicesZPPVrstaIVerzija;
extern const SChoiceTable choicesKlaseAlarma;
extern const SChoiceTable choicesGrupnaUsluga;
extern const SChoiceTable choicesDodelaUsluga;
extern const SChoiceTable choicesTabela;

// Values the form of the service-cancelling command leaves out of choicesUsluga
// (only the values are used).
extern const SChoiceTable excludedUsluga;

// The first entry with the value, or null.
const SChoiceEntry* findChoiceByValue(const SChoiceTable& table, std::int32_t value);
