#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "commands/dialogs/command_forms.h"
#include "commands/executors/command_executor.h"
#include "texts/text_catalogue.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "toolkit/text_codec.h"

namespace {

EOptKind optKindOf(FieldKind kind) {
    return static_cast<EOptKind>(static_cast<uint8_t>(kind));
}

// Every form is its command's: title, fields in order with their names,
// labels, kinds and limits, items, choices and the initial values.
TEST(CommandForms, EveryFormFollowsItsRows) {
    std::size_t forms = 0, fields = 0, items = 0;
    for (const CommandRow& command : kCommands) {
        const auto form = buildCommandForm(command);
        if (!hasForm(command)) {
            EXPECT_EQ(form, nullptr) << command.id;
            continue;
        }
        ASSERT_NE(form, nullptr) << command.id;
        ++forms;
        EXPECT_EQ(form->title(), command.title);
        const Rows<FieldRow> rows = commandFields(command);
        ASSERT_EQ(form->fields().size(), rows.size()) << command.id;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const FieldRow& row = rows[i];
            const SOptList& f = form->fields()[i];
            ++fields;
            EXPECT_EQ(f.name, row.name) << command.id;
            EXPECT_EQ(f.label, row.label) << command.id;
            EXPECT_EQ(f.kind, optKindOf(row.kind)) << command.id << " " << row.name;
            EXPECT_EQ(f.byteValue, 0);
            EXPECT_EQ(f.shortValue, 0);
            EXPECT_EQ(f.doubleValue, 0.0);
            EXPECT_TRUE(f.text.empty());
            EXPECT_EQ(f.groupResult, 0);
            if (row.kind == FieldKind::Text || row.kind == FieldKind::Password)
                EXPECT_EQ(f.width, row.textMax) << command.id;
            if (row.kind == FieldKind::Choice) {
                const SChoiceTable* table = choiceTableFor(row.choices);
                ASSERT_NE(table, nullptr) << command.id;
                const std::size_t left = row.excludeUsluga ? excludedUsluga.count : 0;
                EXPECT_EQ(f.choices.size(), static_cast<std::size_t>(table->count) - left);
                for (const SChoiceEntry& e : f.choices)
                    EXPECT_EQ(row.excludeUsluga && findChoiceByValue(excludedUsluga, e.value),
                              false);
                EXPECT_EQ(f.intValue, f.choices.front().value) << command.id;
            } else {
                EXPECT_EQ(f.intValue, 0);
            }
            const Rows<GroupItemRow> itemRows = groupItems(row);
            ASSERT_EQ(f.items.size(), itemRows.size()) << command.id;
            for (std::size_t k = 0; k < itemRows.size(); ++k) {
                ++items;
                EXPECT_EQ(f.items[k].name, itemRows[k].name);
                EXPECT_EQ(f.items[k].label, itemRows[k].label);
                EXPECT_EQ(f.items[k].intValue, 0);
            }
        }
    }
    EXPECT_EQ(forms, 552u);
    EXPECT_EQ(fields, kFieldCount);
    EXPECT_EQ(items, kGroupItemCount);
    EXPECT_EQ(buildCommandForm(5000), nullptr);
    EXPECT_EQ(buildCommandForm(5600), nullptr);
}

// A value for each field, set in the form's storage and written as the MML
// text that the executor reads into the same record.
std::string setValue(SOptList& f, const FieldRow& row) {
    switch (row.kind) {
        case FieldKind::Byte:
            f.byteValue = 201;
            return "201";
        case FieldKind::Short:
            f.shortValue = row.inRecord ? -1234 : -1;
            return row.inRecord ? "-1234" : "65535";
        case FieldKind::Long:
            f.intValue = -123456789;
            return "-123456789";
        case FieldKind::Double:
            f.doubleValue = 2.75;
            return "2.75";
        case FieldKind::Text:
        case FieldKind::Password:
            f.text = std::string(row.textMax, 'q');
            return f.text;
        case FieldKind::Choice: {
            const SChoiceEntry& e = f.choices.back();
            f.intValue = e.value;
            return textById(e.textId);
        }
        case FieldKind::RadioGroup:
            f.groupResult = static_cast<int16_t>(f.items.size() - 1);
            return f.items.back().label;
        case FieldKind::CheckGroup:
            f.groupResult = static_cast<int16_t>(1 << (f.items.size() - 1));
            return f.items.back().label;
    }
    return "";
}

// The record a form gives is the record the MML road gives for the same values.
TEST(CommandForms, StoredRecordsMatchTheMmlRoad) {
    std::size_t compared = 0;
    for (const CommandRow& command : kCommands) {
        auto form = buildCommandForm(command);
        if (form == nullptr) continue;
        std::vector<std::string> texts;
        const Rows<FieldRow> rows = commandFields(command);
        for (std::size_t i = 0; i < rows.size(); ++i)
            texts.push_back(setValue(*form->findField(rows[i].name), rows[i]));
        std::vector<const char*> values;
        for (const std::string& t : texts) values.push_back(t.c_str());

        uint8_t expected[kParamRecordSize];
        uint16_t expectedRp = 0;
        const char* failed = "";
        ASSERT_EQ(convertValuesToRecord(command, values.data(), static_cast<int>(values.size()),
                                        expected, &expectedRp, &failed),
                  kExecDone)
            << command.id << " " << failed;

        uint8_t record[kParamRecordSize];
        std::memset(record, 0xEE, sizeof record);
        uint16_t rp = 0;
        ASSERT_TRUE(storeCommandForm(*form, command, record, sizeof record, &rp)) << command.id;
        EXPECT_EQ(std::memcmp(record, expected, command.recordSize), 0) << command.id;
        EXPECT_EQ(record[command.recordSize], 0xEE) << command.id;  // nothing past the record
        EXPECT_EQ(rp, expectedRp) << command.id;
        ++compared;
    }
    EXPECT_EQ(compared, 552u);
}

TEST(CommandForms, StoreRefusesASmallRecord) {
    const CommandRow* command = findCommand(5002);
    auto form = buildCommandForm(*command);
    std::vector<uint8_t> record(command->recordSize - 1, 0xEE);
    EXPECT_FALSE(storeCommandForm(*form, *command, record.data(), record.size(), nullptr));
    EXPECT_EQ(record, std::vector<uint8_t>(record.size(), 0xEE));
}

// A command form runs as any form: its title, its help topic.
TEST(CommandForms, RunsAsAModalForm) {
    testApp();
    const CommandRow* command = findCommand(5230);
    auto form = buildCommandForm(*command);
    ModalDriver driver;
    std::string title;
    driver.then([&](FX::FXWindow* modal) {
        title = fromUtf8(static_cast<FX::FXTopWindow*>(modal)->getTitle());
        form->findField("sPretplatnik")->textField->setText("1234");
        sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
    });
    driver.start();
    EXPECT_EQ(form->execute(command->helpTopic), 0);
    char text[16];
    EXPECT_STREQ(form->getText("sPretplatnik", text, sizeof text), "1234");
    EXPECT_EQ(title, command->title);
}

}  // namespace
