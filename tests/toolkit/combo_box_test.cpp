#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "toolkit/combo_box.h"
#include "toolkit/dialog_box.h"

namespace {

// A dialog of a text field, a drop-down list and another text field, as the
// forms have them, shown so that focus can move.
struct ThreeFields {
    explicit ThreeFields(FX::FXuint comboOpts) : dialog(&testApp(), "title") {
        first = new FX::FXTextField(&dialog, 10, &dialog, TDialogBox::ID_ENTER,
                                    FX::TEXTFIELD_ENTER_ONLY);
        combo = new TComboBox(&dialog, 10, nullptr, 0, comboOpts);
        combo->appendItem("one");
        combo->appendItem("two");
        combo->setNumVisible(2);
        last = new FX::FXTextField(&dialog, 10, &dialog, TDialogBox::ID_ENTER,
                                   FX::TEXTFIELD_ENTER_ONLY);
        dialog.create();
        dialog.show(FX::PLACEMENT_DEFAULT);
    }
    FX::FXWindow* focused() { return focusedWidget(&dialog); }
    TDialogBox dialog;
    FX::FXTextField* first = nullptr;
    TComboBox* combo = nullptr;
    FX::FXTextField* last = nullptr;
};

// Tab and Shift-Tab stop once in a drop-down list, in its text, whether the
// list is editable or not; what is typed after the Tab lands in the text.
TEST(ComboBox, OneTabStopPerDropDown) {
    for (const FX::FXuint opts : {FX::COMBOBOX_NORMAL, FX::COMBOBOX_STATIC}) {
        ThreeFields f(opts);
        EXPECT_EQ(f.focused(), f.first) << opts;  // the dialog starts in its first field
        pressKey(&f.dialog, KEY_Tab, "\t");
        EXPECT_EQ(f.focused(), f.combo->textField()) << opts;
        if (opts == FX::COMBOBOX_NORMAL) {
            f.combo->setText("");
            pressKey(&f.dialog, KEY_t, "t");
            EXPECT_EQ(f.combo->getText(), "t");
        }
        pressKey(&f.dialog, KEY_Tab, "\t");
        EXPECT_EQ(f.focused(), f.last) << opts;
        FX::FXEvent back;
        back.type = FX::SEL_KEYPRESS;
        back.code = KEY_ISO_Left_Tab;
        back.state = FX::SHIFTMASK;
        f.dialog.handle(&f.dialog, FXSEL(FX::SEL_KEYPRESS, 0), &back);
        EXPECT_EQ(f.focused(), f.combo->textField()) << opts;
        f.dialog.handle(&f.dialog, FXSEL(FX::SEL_KEYPRESS, 0), &back);
        EXPECT_EQ(f.focused(), f.first) << opts;
    }
}

// Enter in the text of a drop-down list accepts a dialog with an accept
// button, as Enter in a text field does, and tells the list's own target.
TEST(ComboBox, EnterAcceptsTheDialog) {
    for (const bool withAccept : {true, false}) {
        ThreeFields f(FX::COMBOBOX_NORMAL);
        auto* accept =
            new FX::FXButton(&f.dialog, "OK", nullptr, &f.dialog, FX::FXDialogBox::ID_ACCEPT);
        accept->create();
        if (withAccept) f.dialog.setAcceptButton(accept);
        ModalDriver driver;
        driver.then([&](FX::FXWindow* modal) {
            f.combo->textField()->setFocus();
            pressKey(modal, KEY_Return, "\r");
        });
        if (!withAccept)
            driver.then(
                [](FX::FXWindow* modal) { sendCommand(modal, FX::FXDialogBox::ID_CANCEL); });
        driver.start();
        EXPECT_EQ(f.dialog.execute(FX::PLACEMENT_DEFAULT), withAccept ? 1u : 0u);
        EXPECT_EQ(driver.pending(), 0u);
    }
}

}  // namespace
