// Cross-checks of the command rows against the text catalogue and the choice
// tables; they build once both are part of the tree.
#if __has_include("texts/text_catalogue.h") && __has_include("utils/choice_tables.h")

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/choice_fixtures.h"
#include "commands/command_fixtures.h"
#include "commands/command_table.h"
#include "texts/text_catalogue.h"
#include "utils/choice_tables.h"

namespace {

const SChoiceTable* tableNamed(const std::string& name) {
    static const std::map<std::string, const SChoiceTable*> tables = {
        {"choicesNivoAlarma", &choicesNivoAlarma},
        {"choicesKategorija", &choicesKategorija},
        {"choicesEOSkod", &choicesEOSkod},
        {"choicesSignalizacija", &choicesSignalizacija},
        {"choicesSpecUsluga", &choicesSpecUsluga},
        {"choicesNumPlan", &choicesNumPlan},
        {"choicesKorisnik", &choicesKorisnik},
        {"choicesPodsistem", &choicesPodsistem},
        {"choicesVremenskaKontrola", &choicesVremenskaKontrola},
        {"choicesIdentPoz", &choicesIdentPoz},
        {"choicesGrupaTabela", &choicesGrupaTabela},
        {"choicesVerzija", &choicesVerzija},
        {"choicesPort", &choicesPort},
        {"choicesBrzina", &choicesBrzina},
        {"choicesUsluga", &choicesUsluga},
        {"choicesZPPVrstaIVerzija", &choicesZPPVrstaIVerzija},
        {"choicesKlaseAlarma", &choicesKlaseAlarma},
        {"choicesGrupnaUsluga", &choicesGrupnaUsluga},
        {"choicesDodelaUsluga", &choicesDodelaUsluga},
        {"choicesTabela", &choicesTabela},
        {"excludedUsluga", &excludedUsluga}};
    const auto it = tables.find(name);
    return it == tables.end() ? nullptr : it->second;
}

}  // namespace

TEST(CommandCatalogue, TitlesAreTheCommandNames) {
    for (const CommandRow& c : kCommands) EXPECT_STREQ(c.title, commandName(c.id)) << c.id;
}

TEST(CommandCatalogue, RpNumberLabelIsTheCatalogueText) {
    for (const FieldRow& f : kFields)
        if (!f.inRecord) EXPECT_STREQ(f.label, textById(kRpNumberLabelTextId)) << f.command;
}

TEST(CommandCatalogue, ChoiceTablesHoldTheListedEntries) {
    std::map<std::string, std::vector<const ExpectedChoice*>> expected;
    for (const ExpectedChoice& e : kExpectedChoices) expected[e.table].push_back(&e);
    ASSERT_EQ(expected.size(), kChoiceTableCount + 1);  // and the exclusion list

    for (const auto& entry : expected) {
        const SChoiceTable* table = tableNamed(entry.first);
        ASSERT_NE(table, nullptr) << entry.first;
        ASSERT_EQ(static_cast<std::size_t>(table->count), entry.second.size()) << entry.first;
        for (std::size_t i = 0; i < entry.second.size(); ++i) {
            const ExpectedChoice& want = *entry.second[i];
            EXPECT_EQ(table->entries[i].value, want.value) << entry.first << " " << i;
            EXPECT_EQ(table->entries[i].textId, want.textId) << entry.first << " " << i;
            if (want.text != nullptr)
                EXPECT_STREQ(textById(want.textId), want.text) << entry.first << " " << i;
            else
                EXPECT_STRNE(textById(want.textId), "???") << entry.first << " " << i;
        }
    }
}

TEST(CommandCatalogue, EveryChoiceFieldResolvesItsTable) {
    for (const ChoiceUse& u : kChoiceUses) {
        const SChoiceTable* table = tableNamed(u.table);
        ASSERT_NE(table, nullptr) << u.table;
        EXPECT_EQ(static_cast<std::size_t>(table->count), u.entries) << u.table;
    }
    for (const FieldRow& f : kFields)
        if (f.kind == FieldKind::Choice)
            EXPECT_NE(tableNamed(choiceTableName(f.choices)), nullptr)
                << f.command << " " << f.name;
}

#endif
