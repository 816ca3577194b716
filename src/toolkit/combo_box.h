#pragma once

#include <fox-1.6/fx.h>

// A drop-down list that is one field for the keyboard: Tab moves from its
// text to the next field, not to its arrow button, so what the operator types
// after one Tab always lands in a text. Enter in its text accepts the dialog
// it stands in, as Enter in a text field does (TDialogBox's enter command).
class TComboBox : public FX::FXComboBox {
    FXDECLARE(TComboBox)

public:
    TComboBox(FX::FXComposite* parent, FX::FXint columns, FX::FXObject* target = nullptr,
              FX::FXSelector sel = 0, FX::FXuint opts = FX::COMBOBOX_NORMAL, FX::FXint x = 0,
              FX::FXint y = 0, FX::FXint w = 0, FX::FXint h = 0, FX::FXint pl = FX::DEFAULT_PAD,
              FX::FXint pr = FX::DEFAULT_PAD, FX::FXint pt = FX::DEFAULT_PAD,
              FX::FXint pb = FX::DEFAULT_PAD);

    FX::FXTextField* textField() const { return field; }

    long onFocusNext(FX::FXObject*, FX::FXSelector, void*);
    long onFocusPrev(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);

protected:
    TComboBox() {}
};
