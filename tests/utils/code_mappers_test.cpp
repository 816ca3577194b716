#include "utils/code_mappers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "texts/text_catalogue.h"
#include "utils/choice_tables.h"

namespace {

using Mapper = std::int32_t (*)(std::int32_t);

struct MapperCase {
    const char* name;
    Mapper mapper;
    std::int32_t code;
    std::int32_t textId;
};

TEST(CodeMappers, Edges) {
    const MapperCase cases[] = {
        {"alarmLevel", alarmLevelTextId, 4, 20004},
        {"alarmLevel", alarmLevelTextId, 0, kEmptyTextId},
        {"alarmLevel", alarmLevelTextId, 5, kEmptyTextId},
        {"alarmLevel low byte", alarmLevelTextId, 257, 20001},
        {"alarmLevel negative", alarmLevelTextId, -255, 20001},
        {"alarmClass", alarmClassTextId, 99, 20743},
        {"alarmClass", alarmClassTextId, 11, kEmptyTextId},
        {"userPart", userPartTextId, 132, 20502},
        {"userPart", userPartTextId, 131, 20504},
        {"userPart", userPartTextId, 4, kEmptyTextId},
        {"tupMessage", tupMessageTextId, 17, 20505},
        {"tupMessage", tupMessageTextId, 245, 20528},
        {"tupMessage", tupMessageTextId, 6, 20529},
        {"tupMessage", tupMessageTextId, 0, kEmptyTextId},
        {"isupMessage", isupMessageTextId, 251, 20595},
        {"isupMessage", isupMessageTextId, 255, 20604},
        {"isupMessage", isupMessageTextId, 49, 20596},
        {"isupMessage", isupMessageTextId, 34, kEmptyTextId},
        {"isupParameter", isupParameterTextId, 0, 20609},
        {"isupParameter", isupParameterTextId, 255, 20673},
        {"isupParameter", isupParameterTextId, 20, kEmptyTextId},
        {"baudRate", baudRateTextId, 9600, 20689},
        {"baudRate", baudRateTextId, 2400, 20688},
        {"baudRate", baudRateTextId, 9601, kEmptyTextId},
        {"baudRate low 16 bits", baudRateTextId, 9600 + 65536, 20689},
        {"baudRate not low byte", baudRateTextId, 9600 & 0xFF, kEmptyTextId},
        {"tableName", tableNameTextId, 0, kEmptyTextId},
        {"tableName", tableNameTextId, 204, 21002},
        {"tableName", tableNameTextId, 1, 20799},
        {"subscriberCategory", subscriberCategoryTextId, 14, kEmptyTextId},
        {"subscriberCategory", subscriberCategoryTextId, 271, 20036},
        {"subscriberCategory", subscriberCategoryTextId, 15, 20036},
        {"timeControlOwner", timeControlOwnerTextId, 5, 20406},
        {"timeControlOwner", timeControlOwnerTextId, 1, 20407},
        {"timeControlOwner", timeControlOwnerTextId, 0, kEmptyTextId},
        {"numberingPlan", numberingPlanTextId, 2, kEmptyTextId},
        {"numberingPlan", numberingPlanTextId, 7, 20377},
        {"sccpSubsystem", sccpSubsystemTextId, 10, 20393},
        {"alarmState", alarmStateTextId, 2, 20405},
        {"alarmState", alarmStateTextId, 3, kEmptyTextId},
        {"tableGroup", tableGroupTextId, 7, 20681},
        {"subscriberService", subscriberServiceTextId, 25, 20714},
        {"subscriberService", subscriberServiceTextId, 0, kEmptyTextId},
        {"zppBoard", zppBoardTextId, 17, 20732},
        {"groupCancelService", groupCancelServiceTextId, 8, 20752},
        {"assignableService", assignableServiceTextId, 16, 20769},
        {"endOfSelectionCause", endOfSelectionCauseTextId, 183, 20259},
        {"endOfSelectionCause", endOfSelectionCauseTextId, 184, kEmptyTextId},
        {"signallingSystem", signallingSystemTextId, 17, 20287},
        {"specialService", specialServiceTextId, 52, 20340},
        {"sccpUser", sccpUserTextId, 5, 20383},
        {"identificationOption", identificationOptionTextId, 2, 20434},
        {"alpVersion", alpVersionTextId, 1, 20683},
        {"serialPort", serialPortTextId, 3, 20687},
        {"serialPort", serialPortTextId, 4, kEmptyTextId},
    };
    for (const MapperCase& c : cases)
        EXPECT_EQ(c.mapper(c.code), c.textId) << c.name << " " << c.code;
    EXPECT_STREQ(textById(kEmptyTextId), "");
}

struct TableCase {
    const char* name;
    const SChoiceTable& table;
    Mapper mapper;
    std::int32_t count;
    std::int32_t firstText;
};

// The command forms and the mappers answer from one table each: every entry
// maps back to its own text, the texts are consecutive catalogue entries.
TEST(ChoiceTables, AgreeWithTheirMappers) {
    const TableCase cases[] = {
        {"NivoAlarma", choicesNivoAlarma, alarmLevelTextId, 4, 20001},
        {"Kategorija", choicesKategorija, subscriberCategoryTextId, 30, 20022},
        {"EOSkod", choicesEOSkod, endOfSelectionCauseTextId, 184, 20076},
        {"Signalizacija", choicesSignalizacija, signallingSystemTextId, 18, 20270},
        {"SpecUsluga", choicesSpecUsluga, specialServiceTextId, 53, 20288},
        {"NumPlan", choicesNumPlan, numberingPlanTextId, 7, 20371},
        {"Korisnik", choicesKorisnik, sccpUserTextId, 6, 20378},
        {"Podsistem", choicesPodsistem, sccpSubsystemTextId, 10, 20384},
        {"VremenskaKontrola", choicesVremenskaKontrola, timeControlOwnerTextId, 15, 20406},
        {"IdentPoz", choicesIdentPoz, identificationOptionTextId, 3, 20432},
        {"GrupaTabela", choicesGrupaTabela, tableGroupTextId, 7, 20675},
        {"Verzija", choicesVerzija, alpVersionTextId, 2, 20682},
        {"Port", choicesPort, serialPortTextId, 4, 20684},
        {"Brzina", choicesBrzina, baudRateTextId, 2, 20688},
        {"Usluga", choicesUsluga, subscriberServiceTextId, 25, 20690},
        {"ZPPVrstaIVerzija", choicesZPPVrstaIVerzija, zppBoardTextId, 18, 20715},
        {"KlaseAlarma", choicesKlaseAlarma, alarmClassTextId, 11, 20733},
        {"GrupnaUsluga", choicesGrupnaUsluga, groupCancelServiceTextId, 9, 20744},
        {"DodelaUsluga", choicesDodelaUsluga, assignableServiceTextId, 17, 20753},
        {"Tabela", choicesTabela, tableNameTextId, 204, 20799},
    };
    for (const TableCase& c : cases) {
        ASSERT_EQ(c.table.count, c.count) << c.name;
        int listed = 0;
        for (std::int32_t i = 0; i < c.table.count; ++i) {
            const SChoiceEntry& e = c.table.entries[i];
            EXPECT_EQ(e.textId, c.firstText + i) << c.name << " " << i;
            EXPECT_EQ(c.mapper(e.value), e.textId) << c.name << " " << e.value;
            EXPECT_NE(findText(e.textId), nullptr) << c.name << " " << e.textId;
        }
        // Every other code gives the empty text.
        for (std::int32_t code = 0; code < 65536; ++code) {
            const std::int32_t id = c.mapper(code);
            if (id == kEmptyTextId) continue;
            ++listed;
            EXPECT_TRUE(id >= c.firstText && id < c.firstText + c.count) << c.name << " " << code;
        }
        if (c.mapper != baudRateTextId) EXPECT_EQ(listed, c.count * 256) << c.name;
    }
}

TEST(ChoiceTables, OrderAndSharedTexts) {
    EXPECT_EQ(choicesVremenskaKontrola.entries[0].value, 5);
    EXPECT_EQ(choicesGrupaTabela.entries[6].value, 7);
    EXPECT_STREQ(textById(choicesGrupaTabela.entries[6].textId), "");
    // Two EOS causes share a text; the earlier value comes first.
    EXPECT_STREQ(textById(endOfSelectionCauseTextId(22)), textById(endOfSelectionCauseTextId(122)));
    EXPECT_STREQ(textById(endOfSelectionCauseTextId(92)), textById(endOfSelectionCauseTextId(106)));
    EXPECT_STRNE(textById(endOfSelectionCauseTextId(133)),
                 textById(endOfSelectionCauseTextId(135)));
    ASSERT_EQ(excludedUsluga.count, 1);
    EXPECT_EQ(excludedUsluga.entries[0].value, 9);
    EXPECT_EQ(excludedUsluga.entries[0].textId, 20798);
    EXPECT_EQ(findChoiceByValue(choicesUsluga, 9)->textId, 20698);
    EXPECT_EQ(findChoiceByValue(choicesUsluga, 26), nullptr);
}

}  // namespace
