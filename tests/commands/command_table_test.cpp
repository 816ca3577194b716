#include <cctype>
#include <cstddef>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_fixtures.h"
#include "commands/command_table.h"
#include "commands/param_records.h"

namespace {

template <class Pred>
std::size_t countCommands(Pred pred) {
    std::size_t n = 0;
    for (const CommandRow& c : kCommands)
        if (pred(c)) ++n;
    return n;
}

const CommandRow& command(int32_t id) {
    const CommandRow* row = findCommand(id);
    EXPECT_NE(row, nullptr) << id;
    return row != nullptr ? *row : kCommands[0];
}

std::size_t recordWidthOf(const CommandRow& c) {
    std::size_t sum = 0;
    for (const FieldRow& f : commandFields(c))
        if (f.inRecord) sum += f.width;
    return sum;
}

}  // namespace

TEST(CommandTable, OneRowPerIdInOrder) {
    for (std::size_t i = 0; i < kCommandCount; ++i) EXPECT_EQ(kCommands[i].id, 5001 + i);
    for (int32_t id : {5000, 5600, 0, -1}) EXPECT_EQ(findCommand(id), nullptr) << id;
    EXPECT_EQ(findCommand(5001)->id, 5001);
    EXPECT_EQ(findCommand(5599)->id, 5599);
}

TEST(CommandTable, HandlersTitlesAndLocalMarks) {
    EXPECT_EQ(countCommands([](const CommandRow& c) { return c.suffix != nullptr; }), 578u);
    EXPECT_EQ(countCommands([](const CommandRow& c) { return c.local; }), 57u);

    // The commands without a handler are exactly the three of each report stream.
    std::set<int32_t> streamIds;
    for (const ReportStreamRow& s : kReportStreams)
        streamIds.insert({s.view, s.monitor, s.deleteLog});
    EXPECT_EQ(streamIds.size(), 21u);
    for (const CommandRow& c : kCommands) {
        const bool stream = streamIds.count(c.id) != 0;
        EXPECT_EQ(c.suffix == nullptr, stream) << c.id;
        EXPECT_EQ(c.action == CommandAction::ReportStream, stream) << c.id;
        if (stream) {
            EXPECT_EQ(c.helpTopic, 0) << c.id;
        }
        // L marks the commands that run a workstation action, with or without a form.
        EXPECT_EQ(c.local,
                  c.action == CommandAction::LocalAction || c.action == CommandAction::LocalRoutine)
            << c.id;
    }

    // Five titles serve two commands each; MML reaches the first of each pair.
    std::map<std::string, std::vector<int32_t>> byTitle;
    for (const CommandRow& c : kCommands) byTitle[c.title].push_back(c.id);
    std::vector<std::vector<int32_t>> shared;
    for (const auto& entry : byTitle)
        if (entry.second.size() > 1) shared.push_back(entry.second);
    std::set<std::pair<int32_t, int32_t>> pairs;
    for (const auto& ids : shared) {
        ASSERT_EQ(ids.size(), 2u);
        pairs.insert({ids[0], ids[1]});
    }
    const std::set<std::pair<int32_t, int32_t>> expected = {
        {5176, 5321}, {5179, 5324}, {5180, 5325}, {5242, 5578}, {5323, 5511}};
    EXPECT_EQ(pairs, expected);
}

TEST(CommandTable, HelpTopicsRiseWithTheId) {
    int32_t previous = 0;
    std::size_t withTopic = 0;
    for (const CommandRow& c : kCommands) {
        if (c.suffix == nullptr) continue;
        ++withTopic;
        EXPECT_GT(c.helpTopic, previous) << c.id;
        EXPECT_GE(c.helpTopic, 32) << c.id;
        EXPECT_LE(c.helpTopic, 755) << c.id;
        previous = c.helpTopic;
    }
    EXPECT_EQ(withTopic, 578u);
    EXPECT_EQ(command(5001).helpTopic, 32);
    EXPECT_EQ(command(5599).helpTopic, 755);
}

TEST(CommandTable, TitlesKeepTheirExactBytes) {
    // Look-alike Latin letters and a trailing blank are part of the titles.
    for (const char* title : kExactTitles) {
        const std::size_t n = countCommands(
            [title](const CommandRow& c) { return std::strcmp(c.title, title) == 0; });
        EXPECT_EQ(n, 1u) << title;
    }
    const std::string t5402 = command(5402).title;
    EXPECT_EQ(t5402.back(), ' ');
    for (const CommandRow& c : kCommands) {
        const std::size_t n = std::strlen(c.title);
        if (c.suffix != nullptr) {
            EXPECT_GE(n, 4u) << c.id;
            EXPECT_LE(n, 66u) << c.id;
        }
    }
}

TEST(CommandTable, FormsAndFieldTotals) {
    EXPECT_EQ(countCommands([](const CommandRow& c) { return hasForm(c); }), 552u);
    EXPECT_EQ(countCommands([](const CommandRow& c) { return hasForm(c) && c.fieldCount > 0; }),
              444u);
    EXPECT_EQ(countCommands([](const CommandRow& c) { return hasForm(c) && c.fieldCount == 0; }),
              108u);
    EXPECT_EQ(countCommands([](const CommandRow& c) { return !hasForm(c); }), 47u);

    const std::map<FieldKind, std::size_t> expected = {
        {FieldKind::Byte, 329},  {FieldKind::Short, 176},      {FieldKind::Long, 47},
        {FieldKind::Double, 6},  {FieldKind::Text, 230},       {FieldKind::Password, 4},
        {FieldKind::Choice, 58}, {FieldKind::RadioGroup, 149}, {FieldKind::CheckGroup, 55}};
    std::map<FieldKind, std::size_t> kinds;
    std::size_t items = 0;
    for (const FieldRow& f : kFields) {
        ++kinds[f.kind];
        items += f.itemCount;
    }
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(kFieldCount, 1054u);
    EXPECT_EQ(items, 683u);
    EXPECT_EQ(kGroupItemCount, 683u);
}

TEST(CommandTable, DeclaredNamesPerCommand) {
    // Number of MML parameters (top-level fields) -> number of commands with a form.
    const std::map<std::size_t, std::size_t> expected = {
        {0, 108}, {1, 188}, {2, 123}, {3, 69}, {4, 17}, {5, 14}, {6, 12}, {7, 4},
        {8, 5},   {9, 3},   {10, 1},  {11, 4}, {12, 1}, {13, 2}, {16, 1}};
    std::map<std::size_t, std::size_t> histogram;
    for (const CommandRow& c : kCommands)
        if (hasForm(c)) ++histogram[c.fieldCount];
    EXPECT_EQ(histogram, expected);
    for (int32_t id : {5307, 5351, 5543, 5544}) EXPECT_EQ(command(id).fieldCount, 11) << id;
    EXPECT_EQ(command(5346).fieldCount, 12);
    EXPECT_EQ(command(5445).fieldCount, 16);

    for (const DeclaredNames& d : kDeclaredNames) {
        const CommandRow& c = command(d.command);
        EXPECT_STREQ(c.title, d.title) << d.command;
        std::vector<std::string> names, want(d.names.begin(), d.names.end());
        for (const FieldRow& f : commandFields(c)) names.push_back(mmlParameterName(f));
        EXPECT_EQ(names, want) << d.command;
    }
}

TEST(CommandTable, FieldAndItemRowsBelongToTheirCommand) {
    std::size_t nextField = 0;
    for (const CommandRow& c : kCommands) {
        if (!hasForm(c)) {
            EXPECT_EQ(c.fieldCount, 0) << c.id;
        }
        EXPECT_EQ(c.firstField, nextField) << c.id;  // contiguous, in command order
        nextField += c.fieldCount;
        std::set<std::string> names, labels;
        for (const FieldRow& f : commandFields(c)) {
            EXPECT_EQ(f.command, c.id);
            EXPECT_TRUE(names.insert(f.name).second) << c.id << " " << f.name;
            EXPECT_TRUE(labels.insert(mmlParameterName(f)).second) << c.id << " " << f.label;
            EXPECT_EQ(findField(c, f.name), &f);
        }
    }
    EXPECT_EQ(nextField, kFieldCount);

    std::size_t nextItem = 0;
    for (const FieldRow& f : kFields) {
        const bool group = f.kind == FieldKind::RadioGroup || f.kind == FieldKind::CheckGroup;
        EXPECT_EQ(group, f.itemCount > 0) << f.command << " " << f.name;
        if (!group) continue;
        EXPECT_EQ(f.firstItem, nextItem) << f.command << " " << f.name;
        nextItem += f.itemCount;
        if (f.kind == FieldKind::RadioGroup) {
            EXPECT_GE(f.itemCount, 2) << f.command;
        }
        EXPECT_LE(f.itemCount, 12) << f.command;
        std::set<std::string> itemNames;
        for (const GroupItemRow& item : groupItems(f)) {
            EXPECT_EQ(item.command, f.command);
            EXPECT_STREQ(item.field, f.name);
            EXPECT_TRUE(itemNames.insert(item.name).second) << f.command << " " << item.name;
        }
    }
    EXPECT_EQ(nextItem, kGroupItemCount);
}

TEST(CommandTable, FieldNamesKeepTheirBlanks) {
    struct Case {
        int32_t command;
        const char* name;
    };
    const Case cases[] = {{5025, " hJedinstvenBroj"},
                          {5027, " hZadataVrstaAlarma"},
                          {5028, " hZadatiAlarmKojiSeBrise"},
                          {5303, " SPC"}};
    for (const Case& c : cases) {
        EXPECT_NE(findField(command(c.command), c.name), nullptr) << c.name;
        EXPECT_EQ(findField(command(c.command), c.name + 1), nullptr) << c.name;
    }
    std::size_t leading = 0;
    for (const FieldRow& f : kFields) leading += f.name[0] == ' ';
    EXPECT_EQ(leading, 5u);

    // Labels with blanks at either end can only be given positionally in MML.
    auto endsInBlank = [](const FieldRow& f) { return f.label[std::strlen(f.label) - 1] == ' '; };
    std::map<int32_t, int> trailing;
    for (const FieldRow& f : kFields)
        if (endsInBlank(f)) ++trailing[f.command];
    const std::map<int32_t, int> expectedTrailing = {
        {5196, 1}, {5212, 1}, {5213, 1}, {5273, 4}, {5276, 1}};
    EXPECT_EQ(trailing, expectedTrailing);
    EXPECT_TRUE(endsInBlank(commandFields(command(5196))[0]));
    EXPECT_TRUE(endsInBlank(commandFields(command(5276))[1]));
}

TEST(CommandTable, WidthsAndRecordSizes) {
    std::size_t largest = 0;
    for (const FieldRow& f : kFields) {
        EXPECT_EQ(f.width, fieldKindWidth(f.kind, f.textMax)) << f.command << " " << f.name;
        const bool text = f.kind == FieldKind::Text || f.kind == FieldKind::Password;
        EXPECT_EQ(text, f.textMax > 0) << f.command << " " << f.name;
        EXPECT_EQ(f.kind == FieldKind::Choice, f.choices != ChoiceTableId::none) << f.command;
    }
    for (const CommandRow& c : kCommands) {
        EXPECT_EQ(c.recordSize, recordWidthOf(c)) << c.id;
        if (c.recordSize > largest) largest = c.recordSize;
    }
    EXPECT_EQ(largest, 112u);
    EXPECT_EQ(command(5002).recordSize, 112);

    for (const StatedRecordSize& s : kStatedRecordSizes)
        EXPECT_EQ(command(s.command).recordSize, s.size) << s.command;
    for (const RecordStruct& r : kRecordStructs)
        EXPECT_EQ(command(r.command).recordSize, r.size) << r.command;
}

TEST(CommandTable, PackedRecordsFollowTheFieldRows) {
    // Odd offsets after one-byte fields; no alignment anywhere.
    EXPECT_EQ(offsetof(SParamsKonfigOR, BrojORa), 2u);
    EXPECT_EQ(offsetof(SParamsOkPromenaVremeDatum, hPromenaVDGodine), 5u);
    EXPECT_EQ(offsetof(SParamsOkUvodjenjeSS7Veze, hSigTacka), 41u);
    EXPECT_EQ(offsetof(SParamsOkUvodjenjeSS7Veze, sigRuta), 43u);
    EXPECT_EQ(offsetof(SParamsOkDodOgrPolazPozivaBezSifre, brPAC), 9u);
    EXPECT_EQ(sizeof(SParamsOkDodOgrPolazPozivaBezSifre), 10u);
    EXPECT_EQ(sizeof(SParamsOkOcitavanjeKanalaSPC::SPC), 2u);
}

TEST(CommandTable, RpCommandsKeepTheirNumberBesideTheRecord) {
    std::set<int32_t> rp;
    for (const FieldRow& f : kFields) {
        if (f.inRecord) continue;
        rp.insert(f.command);
        EXPECT_STREQ(f.name, "__BrojRP");
        EXPECT_EQ(f.kind, FieldKind::Short);
        EXPECT_STREQ(mmlParameterName(f), "RP");
        EXPECT_EQ(command(f.command).fieldCount, 1);
        EXPECT_EQ(command(f.command).recordSize, 0);
        EXPECT_EQ(command(f.command).action, CommandAction::Request);
    }
    EXPECT_EQ(rp, (std::set<int32_t>{5086, 5087, 5089, 5090, 5091}));
    // Elsewhere the label is the MML name.
    const FieldRow& first = commandFields(command(5001))[0];
    EXPECT_STREQ(mmlParameterName(first), first.label);
}

TEST(CommandTable, RequestsAndLocalRoutines) {
    std::map<int32_t, std::size_t> perType;
    std::set<std::pair<int32_t, int32_t>> pairs;
    for (const CommandRow& c : kCommands) {
        if (c.action != CommandAction::Request) continue;
        ++perType[c.messageType];
        EXPECT_TRUE(pairs.insert({c.messageType, c.code}).second) << c.id;
        EXPECT_EQ(c.routine, LocalRoutine::none) << c.id;
    }
    const std::map<int32_t, std::size_t> expected = {{138, 177}, {139, 104}, {173, 62}, {174, 52},
                                                     {140, 30},  {143, 28},  {142, 22}, {136, 21},
                                                     {150, 12},  {137, 7},   {170, 5},  {153, 1}};
    EXPECT_EQ(perType, expected);
    EXPECT_EQ(pairs.size(), 521u);

    EXPECT_EQ(
        countCommands([](const CommandRow& c) { return c.action == CommandAction::LocalRoutine; }),
        31u);
    EXPECT_EQ(
        countCommands([](const CommandRow& c) { return c.action == CommandAction::LocalAction; }),
        26u);
    std::set<LocalRoutine> routines;
    for (const CommandRow& c : kCommands) {
        const bool local =
            c.action == CommandAction::LocalRoutine || c.action == CommandAction::LocalAction;
        EXPECT_EQ(local, c.routine != LocalRoutine::none) << c.id;
        if (local) {  // one command each
            EXPECT_TRUE(routines.insert(c.routine).second) << c.id;
        }
    }
    EXPECT_EQ(routines.size(), 57u);

    struct Case {
        int32_t command;
        uint8_t type, code;
    };
    for (const Case& k : {Case{5024, 170, 10}, Case{5037, 138, 36}, Case{5221, 173, 0}}) {
        EXPECT_EQ(command(k.command).messageType, k.type) << k.command;
        EXPECT_EQ(command(k.command).code, k.code) << k.command;
    }
    EXPECT_STREQ(localRoutineName(command(5001).routine), "configureWorkstation");
    EXPECT_STREQ(localRoutineName(command(5599).routine), "openHelpAlphaIndex");
    EXPECT_STREQ(localRoutineName(command(5042).routine), "watchProcessorLocalTimes");
}

TEST(CommandTable, ReportStreamCommands) {
    const std::pair<int32_t, ReportOp> ops[] = {
        {5029, ReportOp::View}, {5030, ReportOp::Monitor}, {5031, ReportOp::DeleteLog}};
    for (const ReportStreamRow& s : kReportStreams) {
        const int32_t ids[] = {s.view, s.monitor, s.deleteLog};
        for (std::size_t i = 0; i < 3; ++i) {
            const CommandRow& c = command(ids[i]);
            EXPECT_EQ(c.action, CommandAction::ReportStream) << c.id;
            EXPECT_EQ(c.messageType, s.messageType) << c.id;
            EXPECT_EQ(c.reportOp, ops[i].second) << c.id;
            EXPECT_EQ(findReportStream(c.id), &s);
            // The titles are the stream's name and the operation.
            const char* suffix[] = {"__Listanje", "__Pracenje", "__Brisanje"};
            EXPECT_EQ(std::string(c.title), std::string(s.name) + suffix[i]);
        }
    }
    EXPECT_EQ(findReportStream(5001), nullptr);
    EXPECT_EQ(command(5515).messageType, 139);
}

TEST(CommandTable, Checks) {
    EXPECT_EQ(kCheckCount, 62u);
    std::size_t nextText = 0, questions = 0;
    int32_t previous = 0;
    for (const CheckRow& k : kChecks) {
        EXPECT_GT(k.command, previous);
        previous = k.command;
        const CommandRow& c = command(k.command);
        EXPECT_TRUE(hasForm(c)) << k.command;
        EXPECT_GT(c.fieldCount, 0) << k.command;
        // The check is named after the handler: check<Suffix> with its first letter raised.
        std::string suffix = c.suffix;
        suffix[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(suffix[0])));
        EXPECT_EQ(std::string(k.name), "check" + suffix);
        EXPECT_EQ(findCheck(k.command), &k);
        EXPECT_EQ(k.firstText, nextText) << k.command;
        EXPECT_GT(k.textCount, 0) << k.command;
        nextText += k.textCount;
        for (const CheckTextRow& t : checkTexts(k)) EXPECT_EQ(t.command, k.command);
        if (k.question != nullptr) ++questions;
    }
    EXPECT_EQ(nextText, kCheckTextCount);
    EXPECT_EQ(questions, 10u);
    for (int32_t id : {5000, 5002, 5600}) EXPECT_EQ(findCheck(id), nullptr) << id;

    // Texts per check where a command runs several tests.
    const std::map<int32_t, std::size_t> counts = {{5001, 1}, {5043, 3}, {5044, 6}, {5045, 2},
                                                   {5263, 3}, {5445, 7}, {5578, 2}};
    for (const auto& entry : counts)
        EXPECT_EQ(findCheck(entry.first)->textCount, entry.second) << entry.first;
}

TEST(CommandTable, ChoiceFieldsNameTheirTable) {
    std::set<std::pair<int32_t, std::string>> expected, seen;
    std::map<std::string, std::size_t> tables;
    for (const ChoiceUse& u : kChoiceUses) {
        expected.insert({u.command, u.field});
        const FieldRow* f = findField(command(u.command), u.field);
        ASSERT_NE(f, nullptr) << u.command << " " << u.field;
        EXPECT_EQ(f->kind, FieldKind::Choice);
        EXPECT_STREQ(choiceTableName(f->choices), u.table) << u.command << " " << u.field;
        EXPECT_EQ(f->excludeUsluga, u.excluded) << u.command;
        ++tables[u.table];
    }
    for (const FieldRow& f : kFields)
        if (f.kind == FieldKind::Choice) seen.insert({f.command, f.name});
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(seen.size(), 58u);
    EXPECT_EQ(tables.size(), kChoiceTableCount);
    EXPECT_STREQ(choiceTableName(ChoiceTableId::none), "");
}
