#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "platform/shell.h"
#include "toolkit/dialog_box.h"
#include "toolkit/simple_dialog.h"
#include "toolkit/text_codec.h"

namespace {

constexpr int kNotByte = 25632;
constexpr int kNotNumber = 25631;
constexpr int kBadValue = 25634;
constexpr int kTooLong = -1;  // the text-length message, which is no catalogue text

// The error text a field's refusal shows.
std::string refusal(int textId, const char* label, const std::string& typed) {
    char message[100];
    if (textId == kTooLong)
        std::snprintf(message, sizeof message, "Text (%s) too long", typed.c_str());
    else
        formatMessage(message, sizeof message, textId, label);
    return message;
}

void accept(FX::FXWindow* modal) {
    sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
}
void cancel(FX::FXWindow* modal) {
    sendCommand(modal, FX::FXDialogBox::ID_CANCEL);
}

// The text of a field's control as CP1251.
std::string shown(const SOptList* field) {
    if (field->textField != nullptr) return fromUtf8(field->textField->getText());
    if (field->comboBox != nullptr) return fromUtf8(field->comboBox->getText());
    return "";
}

void type(SOptList* field, const FX::FXString& utf8) {
    if (field->textField != nullptr) field->textField->setText(utf8);
    if (field->comboBox != nullptr) field->comboBox->setText(utf8);
}

// A choice table of catalogue texts.
const SChoiceEntry kChoices[] = {{7, 25954}, {9, 22139}, {11, 21402}};

struct FieldCase {
    const char* name;
    EOptKind kind;
    FX::FXString typed;  // UTF-8, as the widget holds it
    int refusedWith;     // 0: accepted
    double value;        // what the getter gives once accepted
};

// Each kind reads its own input; a refused value shows its box and the form
// again, where the operator cancels.
TEST(SimpleDialog, FieldKindsReadTheirInput) {
    testApp();
    std::string lowered = textById(25954);
    lowered[0] = static_cast<char>(lowered[0] + 0x20);  // the same text in small letters
    const FieldCase cases[] = {
        {"byte max", okByte, "255", 0, 255},
        {"byte leading blank", okByte, " 12", 0, 12},
        {"byte over", okByte, "256", kNotByte, 0},
        {"byte negative", okByte, "-1", kNotByte, 0},
        {"byte trailing blank", okByte, "12 ", kNotByte, 0},
        {"byte hex", okByte, "0x10", kNotByte, 0},
        {"byte empty", okByte, "", kNotByte, 0},
        {"byte other digits", okByte, "\xd9\xa1\xd9\xa2", kNotByte, 0},
        {"short min", okShort, "-32768", 0, -32768},
        {"short plus", okShort, "+7", 0, 7},
        {"short over", okShort, "32768", kNotNumber, 0},
        {"long min", okLong, "-2147483648", 0, -2147483648.0},
        {"long unsigned bits", okLong, "4294967295", 0, -1},
        {"long over 32 bits", okLong, "4294967296", kNotNumber, 0},
        {"long fraction", okLong, "1.5", kNotNumber, 0},
        {"double", okDouble, "1.5", 0, 1.5},
        {"double exponent", okDouble, "-1e3", 0, -1000},
        {"double infinite", okDouble, "inf", kNotNumber, 0},
        {"double nan", okDouble, "nan", kNotNumber, 0},
        {"double hex", okDouble, "0x1p3", kNotNumber, 0},
        {"double comma", okDouble, "1,5", kNotNumber, 0},
        {"text of n", okText, "12345678", 0, 0},
        {"text over n", okText, "123456789", kTooLong, 0},
        {"text outside CP1251", okText, "\xe4\xb8\xad", kBadValue, 0},
        {"password of n", okPassword, "abcdefgh", 0, 0},
        {"password over n", okPassword, "abcdefghi", kTooLong, 0},
        {"choice typed exactly", okChoice, toUtf8(textById(22139)), 0, 9},
        {"choice other case", okChoice, toUtf8(lowered), kBadValue, 0},
        {"choice unknown", okChoice, "x", kBadValue, 0},
    };
    const char* label = "Поле";
    for (const FieldCase& c : cases) {
        RecordingBoxes boxes;
        KSimpleDialog form("title");
        switch (c.kind) {
            case okByte:
                form.addByte("f", label, 1);
                break;
            case okShort:
                form.addShort("f", label, 1);
                break;
            case okLong:
                form.addInt("f", label, 1);
                break;
            case okDouble:
                form.addDouble("f", label, 1);
                break;
            case okText:
                form.addText("f", label, 8, "");
                break;
            case okPassword:
                form.addPassword("f", label, 8, "");
                break;
            default:
                form.addChoice("f", label, kChoices, 3);
                break;
        }
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            type(form.findField("f"), c.typed);
            accept(modal);
        });
        if (c.refusedWith != 0) {
            driver.then([&](FX::FXWindow* modal) {
                EXPECT_EQ(shown(form.findField("f")), fromUtf8(c.typed)) << c.name;
                cancel(modal);
            });
        }
        driver.start();
        const int result = form.execute(1);
        EXPECT_EQ(driver.pending(), 0u) << c.name;
        if (c.refusedWith != 0) {
            EXPECT_EQ(result, -1) << c.name;
            ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
            EXPECT_EQ(boxes.boxes[0].text, refusal(c.refusedWith, label, fromUtf8(c.typed)))
                << c.name;
            continue;
        }
        EXPECT_EQ(result, 0) << c.name;
        EXPECT_TRUE(boxes.boxes.empty()) << c.name;
        char text[16] = {};
        switch (c.kind) {
            case okByte:
                EXPECT_EQ(form.getByte("f"), c.value) << c.name;
                break;
            case okShort:
                EXPECT_EQ(form.getShort("f"), c.value) << c.name;
                break;
            case okLong:
                EXPECT_EQ(form.getInt("f"), c.value) << c.name;
                break;
            case okDouble:
                EXPECT_EQ(form.getDouble("f"), c.value) << c.name;
                break;
            case okText:
            case okPassword:
                EXPECT_EQ(std::string(form.getText("f", text, sizeof text)), fromUtf8(c.typed));
                break;
            default:
                EXPECT_EQ(form.getChoice("f"), c.value) << c.name;
                break;
        }
    }
}

// A form without fields is a bare question: its title, answered by the buttons.
TEST(SimpleDialog, FormWithoutFieldsAnswersWithItsButtons) {
    testApp();
    const struct {
        const char* name;
        void (*act)(FX::FXWindow*);
        int expected;
    } cases[] = {
        {"accept", accept, 0},
        {"cancel", cancel, -1},
        {"escape", [](FX::FXWindow* m) { pressKey(m, KEY_Escape); }, -1},
        {"close box", [](FX::FXWindow* m) { m->handle(m, FXSEL(FX::SEL_CLOSE, 0), nullptr); }, -1},
    };
    for (const auto& c : cases) {
        KSimpleDialog form("Вопрос & ответ");
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            EXPECT_NE(findChild<FX::FXLabel>(modal, toUtf8("Вопрос & ответ").text()), nullptr);
            EXPECT_EQ(findChild<FX::FXMatrix>(modal), nullptr);
            c.act(modal);
        });
        driver.start();
        EXPECT_EQ(form.execute(5), c.expected) << c.name;
        EXPECT_EQ(form.window(), nullptr);
    }
}

// Every bad field shows its box, in field order, before the form comes back
// with what was typed; a corrected form is then accepted.
TEST(SimpleDialog, TwoWrongFieldsGiveTwoBoxesThenTheFormAgain) {
    testApp();
    RecordingBoxes boxes;
    KSimpleDialog form("title");
    form.addByte("a", "Первое", 0);
    form.addShort("b", "Второе", 0);
    form.addText("c", "Третье", 4, "ab");
    ModalDriver driver;
    driver.then([&](FX::FXWindow* modal) {
        form.findField("a")->textField->setText("300");
        form.findField("b")->textField->setText("x");
        form.findField("c")->textField->setText("abcd");
        accept(modal);
    });
    driver.then([&](FX::FXWindow* modal) {
        EXPECT_EQ(boxes.boxes.size(), 2u);
        EXPECT_EQ(shown(form.findField("a")), "300");
        EXPECT_EQ(shown(form.findField("b")), "x");
        EXPECT_EQ(form.getText("c", std::vector<char>(8).data(), 8), std::string("abcd"));
        form.findField("a")->textField->setText("30");
        form.findField("b")->textField->setText("-3");
        accept(modal);
    });
    driver.start();
    EXPECT_EQ(form.execute(1), 0);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, refusal(kNotByte, "Первое", ""));
    EXPECT_EQ(boxes.boxes[1].text, refusal(kNotNumber, "Второе", ""));
    EXPECT_EQ(form.getByte("a"), 30);
    EXPECT_EQ(form.getShort("b"), -3);
}

// Enter in a text field and in the text of a choice accepts like the accept
// button, reading included; after the refusal's box the focus is back in the
// field the operator pressed Enter in.
TEST(SimpleDialog, EnterAcceptsFromEveryField) {
    testApp();
    RecordingBoxes boxes;
    KSimpleDialog form("title");
    form.addByte("n", "Число", 0);
    form.addChoice("c", "Выбор", kChoices, 3);
    ModalDriver driver;
    FX::FXTextField* choiceText = nullptr;
    driver.then([&](FX::FXWindow* modal) {
        form.findField("n")->textField->setText("999");
        // Typing goes to the text part of the drop-down list.
        choiceText = findChild<FX::FXTextField>(form.findField("c")->comboBox);
        choiceText->setFocus();
        pressKey(modal, KEY_Return, "\r");
    });
    driver.then([&](FX::FXWindow* modal) {
        EXPECT_EQ(boxes.boxes.size(), 1u);  // read and refused: shown again
        EXPECT_EQ(focusedWidget(modal), choiceText);
        SOptList* n = form.findField("n");
        n->textField->setText("99");
        n->textField->setFocus();
        pressKey(modal, KEY_Return, "\r");
    });
    driver.start();
    EXPECT_EQ(form.execute(1), 0);
    EXPECT_EQ(driver.pending(), 0u);
    EXPECT_EQ(form.getByte("n"), 99);
    EXPECT_EQ(form.getChoice("c"), 7);
}

std::vector<bool> buttonStates(const SOptList* group) {
    std::vector<bool> states;
    for (const SOptList& item : group->items)
        states.push_back(item.radioButton != nullptr ? item.radioButton->getCheck() == TRUE
                                                     : item.checkButton->getCheck() == TRUE);
    return states;
}

std::vector<bool> flags(const std::vector<int>& v) {
    std::vector<bool> out;
    for (int x : v) out.push_back(x != 0);
    return out;
}

// The radio buttons of a group exclude each other, the checked one starting
// as the last item marked, or the first; check buttons start as marked. The
// group reads as the checked index or the mask of checked items.
TEST(SimpleDialog, GroupButtons) {
    testApp();
    const struct {
        const char* name;
        bool radio;
        std::vector<int> marked;
        std::vector<int> initial;  // buttons checked when shown
        std::vector<int> clicks;
        std::vector<int> after;  // buttons checked after the clicks
        int16_t result;
    } cases[] = {
        {"radio, none marked", true, {0, 0, 0, 0}, {1, 0, 0, 0}, {}, {1, 0, 0, 0}, 0},
        {"radio, last marked wins", true, {0, 1, 0, 1}, {0, 0, 0, 1}, {}, {0, 0, 0, 1}, 3},
        {"radio, clicked", true, {0, 0, 0, 0}, {1, 0, 0, 0}, {2}, {0, 0, 1, 0}, 2},
        {"radio, clicked twice", true, {1, 0, 0}, {1, 0, 0}, {1, 2}, {0, 0, 1}, 2},
        {"check, two checked", false, {0, 0, 0}, {0, 0, 0}, {0, 2}, {1, 0, 1}, 5},
        {"check, untouched", false, {0, 0, 0}, {0, 0, 0}, {}, {0, 0, 0}, 0},
        {"check, marked and unchecked", false, {1, 0, 1}, {1, 0, 1}, {2}, {1, 0, 0}, 1},
        {"check, all twelve",
         false,
         std::vector<int>(12, 0),
         std::vector<int>(12, 0),
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         std::vector<int>(12, 1),
         0x0FFF},
    };
    for (const auto& c : cases) {
        KSimpleDialog form("title");
        if (c.radio)
            form.beginRadioGroup("g", "Группа");
        else
            form.beginCheckGroup("g", "Группа");
        for (std::size_t i = 0; i < c.marked.size(); ++i)
            form.addGroupItem(("i" + std::to_string(i)).c_str(),
                              ("Пункт " + std::to_string(i)).c_str(), c.marked[i]);
        form.endGroup();
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            SOptList* g = form.findField("g");
            EXPECT_EQ(buttonStates(g), flags(c.initial)) << c.name;
            for (int i : c.clicks) {
                SOptList& item = g->items[static_cast<std::size_t>(i)];
                clickButton(c.radio ? static_cast<FX::FXWindow*>(item.radioButton)
                                    : static_cast<FX::FXWindow*>(item.checkButton));
            }
            EXPECT_EQ(buttonStates(g), flags(c.after)) << c.name;
            accept(modal);
        });
        driver.start();
        EXPECT_EQ(form.execute(1), 0);
        EXPECT_EQ(c.radio ? form.getRadioIndex("g") : form.getCheckMask("g"), c.result) << c.name;
    }
}

// A second run of a form shows what the first accepted: numbers in full,
// texts, the chosen entry and the group buttons as they were accepted.
TEST(SimpleDialog, SecondRunShowsTheAcceptedValues) {
    testApp();
    KSimpleDialog form("title");
    form.addDouble("d", "Число", 0);
    form.addInt("l", "Длинное", 0);
    form.addText("t", "Текст", 10, "start");
    form.addChoice("c", "Выбор", kChoices, 3);
    form.beginRadioGroup("r", "Один");
    form.addGroupItem("r0", "a", 0);
    form.addGroupItem("r1", "b", 0);
    form.addGroupItem("r2", "c", 0);
    form.endGroup();
    form.beginCheckGroup("k", "Много");
    form.addGroupItem("k0", "a", 1);
    form.addGroupItem("k1", "b", 0);
    form.endGroup();

    std::vector<std::function<void(FX::FXWindow*)>> runs = {
        [&](FX::FXWindow* modal) {
            EXPECT_EQ(shown(form.findField("t")), "start");
            EXPECT_EQ(shown(form.findField("c")), textById(25954));  // the first entry
            form.findField("d")->textField->setText("1.5");
            form.findField("l")->textField->setText("-2147483648");
            form.findField("t")->textField->setText("changed");
            form.findField("c")->comboBox->setCurrentItem(2);
            clickButton(form.findField("r")->items[2].radioButton);
            clickButton(form.findField("k")->items[0].checkButton);  // unchecked now
            clickButton(form.findField("k")->items[1].checkButton);
            accept(modal);
        },
        [&](FX::FXWindow* modal) {
            EXPECT_EQ(shown(form.findField("d")), "1.500000");
            EXPECT_EQ(shown(form.findField("l")), "-2147483648");
            EXPECT_EQ(shown(form.findField("t")), "changed");
            EXPECT_EQ(shown(form.findField("c")), textById(21402));
            EXPECT_EQ(buttonStates(form.findField("r")), (std::vector<bool>{false, false, true}));
            EXPECT_EQ(buttonStates(form.findField("k")), (std::vector<bool>{false, true}));
            clickButton(form.findField("r")->items[0].radioButton);
            accept(modal);
        },
        [&](FX::FXWindow* modal) {
            EXPECT_EQ(buttonStates(form.findField("r")), (std::vector<bool>{true, false, false}));
            cancel(modal);
        },
    };
    const int expected[] = {0, 0, -1};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        ModalDriver driver;
        driver.then(runs[i]);
        driver.start();
        EXPECT_EQ(form.execute(1), expected[i]) << i;
    }
    EXPECT_EQ(form.getDouble("d"), 1.5);
    EXPECT_EQ(form.getChoice("c"), 11);
    EXPECT_EQ(form.getRadioIndex("r"), 0);
    EXPECT_EQ(form.getCheckMask("k"), 2);
}

// A double shown again (the form run again after a refusal) reads back as
// exactly the value accepted, digit for digit: accepting the shown text
// unchanged keeps the number.
TEST(SimpleDialog, DoubleShownAgainKeepsEveryDigit) {
    testApp();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"1.5", "1.500000"},
        {"0.1234567", "0.1234567"},
        {"-2.0000001", "-2.0000001"},
        {"1e-7", "1e-07"},
        {"123456.78901234", "123456.78901234"},
        {"0.1", "0.100000"},
        {"1e300", "1e+300"},
    };
    for (const auto& c : cases) {
        KSimpleDialog form("title");
        form.addDouble("d", "Число", 0);
        std::string again;
        const std::function<void(FX::FXWindow*)> runs[] = {
            [&](FX::FXWindow* modal) {
                form.findField("d")->textField->setText(c.typed);
                accept(modal);
            },
            [&](FX::FXWindow* modal) {
                again = shown(form.findField("d"));
                accept(modal);
            },
        };
        for (const auto& run : runs) {
            ModalDriver driver;
            driver.then(run);
            driver.start();
            EXPECT_EQ(form.execute(1), 0) << c.typed;
        }
        EXPECT_EQ(again, c.shown) << c.typed;
        EXPECT_EQ(form.getDouble("d"), std::strtod(c.typed, nullptr)) << c.typed;
    }
}

// Excluded values leave every later choice field; each field keeps its own copy.
TEST(SimpleDialog, ExcludedChoicesAreLeftOut) {
    const SChoiceEntry excluded[] = {{9, 0}, {12345, 0}};
    KSimpleDialog form("title");
    form.addChoice("before", "x", kChoices, 3);
    form.excludeChoices(excluded, 2);
    form.addChoice("a", "x", kChoices, 3);
    form.addChoice("b", "x", kChoices, 3);
    EXPECT_EQ(form.findField("before")->choices.size(), 3u);
    for (const char* name : {"a", "b"}) {
        const SOptList* f = form.findField(name);
        ASSERT_EQ(f->choices.size(), 2u);
        EXPECT_EQ(f->choices[0].value, 7);
        EXPECT_EQ(f->choices[1].value, 11);
        EXPECT_EQ(f->width, static_cast<int32_t>(std::max(std::strlen(textById(25954)),
                                                          std::strlen(textById(21402)))));
        EXPECT_EQ(form.getChoice(name), 7);
    }
}

// Building: the first field of a name is found; a text's initial value is
// cut to its length; unknown names read as nothing.
TEST(SimpleDialog, BuildingAndReadingByName) {
    KSimpleDialog form("title");
    form.addText("t", "x", 3, "abcdef");
    form.addByte("dup", "x", 1);
    form.addByte("dup", "x", 2);
    form.addGroupItem("stray", "x", 1);  // not after a group: ignored
    form.beginRadioGroup("g", "x");
    form.addGroupItem("item", "x", 1);
    form.endGroup();
    char text[8] = "zzzzzzz";
    EXPECT_STREQ(form.getText("t", text, sizeof text), "abc");
    char small[3];
    EXPECT_STREQ(form.getText("t", small, sizeof small), "ab");
    EXPECT_EQ(form.getByte("dup"), 1);
    EXPECT_EQ(form.fields().size(), 4u);
    EXPECT_EQ(form.findField("item"), nullptr);
    EXPECT_EQ(form.getByte("none"), 0);
    EXPECT_EQ(form.getDouble("none"), 0.0);
    EXPECT_EQ(form.getRadioIndex("none"), 0);
    EXPECT_EQ(form.getCheckMask("none"), 0);
    EXPECT_STREQ(form.getPassword("none", text, sizeof text), "");
}

// The help button opens the form's topic and leaves the form open.
TEST(SimpleDialog, HelpButtonOpensTheTopic) {
    testApp();
    platform::RecordingShell shell;
    platform::setShell(&shell);
    KSimpleDialog form("title");
    form.addByte("b", "x", 0);
    ModalDriver driver;
    driver.then([&](FX::FXWindow* modal) {
        clickButton(findChild<FX::FXButton>(modal, toUtf8(textById(25641)).text()));
    });
    driver.then([&](FX::FXWindow* modal) {
        EXPECT_EQ(modal, form.window());
        pressKey(modal, KEY_F1);
        cancel(modal);
    });
    driver.start();
    EXPECT_EQ(form.execute(321), -1);
    platform::setShell(nullptr);
    EXPECT_EQ(shell.opened, (std::vector<std::string>(2, helpPagePath(321))));
}

}  // namespace
