#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>

#include "utils/choice_tables.h"

// Kinds of the fields of a parameter form.
enum EOptKind : uint8_t {
    okByte = 0,
    okShort = 1,
    okLong = 2,
    okDouble = 3,
    okText = 4,
    okPassword = 5,
    okChoice = 6,
    okRadioGroup = 7,
    okCheckGroup = 8,
    okGroupItem = 9,
};

// One field of a form, or one item of a radio or check group. Texts are
// CP1251. The controls are set for the run in progress only.
struct SOptList {
    std::string name;   // the key a reader finds the field by
    std::string label;  // caption before the control, or of an item's button
    uint8_t kind = okByte;

    // The field's own storage, by kind.
    uint8_t byteValue = 0;
    int16_t shortValue = 0;
    int32_t intValue = 0;  // long; choice: the chosen entry's value; item: its state
    double doubleValue = 0.0;
    std::string text;  // text and password, at most width characters

    int16_t groupResult = 0;  // radio: checked index; check: mask of checked items

    FX::FXTextField* textField = nullptr;
    FX::FXComboBox* comboBox = nullptr;
    FX::FXGroupBox* groupBox = nullptr;
    FX::FXRadioButton* radioButton = nullptr;
    FX::FXCheckButton* checkButton = nullptr;

    std::vector<SChoiceEntry> choices;  // kind 6: its entries, filtered when asked
    int32_t width = 0;                  // text kinds: most characters; choice: longest entry text

    std::vector<SOptList> items;  // groups: their items in order
};

// The generic parameter form: a title and named, typed fields, run as a modal
// dialog that checks each field's input, then read back by field name.
class KSimpleDialog {
public:
    explicit KSimpleDialog(const char* title);
    KSimpleDialog(const KSimpleDialog&) = delete;
    KSimpleDialog& operator=(const KSimpleDialog&) = delete;

    void addByte(const char* name, const char* label, uint8_t initial);
    void addShort(const char* name, const char* label, int16_t initial);
    void addInt(const char* name, const char* label, int32_t initial);
    void addDouble(const char* name, const char* label, double initial);
    // At most n characters; the initial text is cut to n.
    void addText(const char* name, const char* label, int n, const char* initial);
    void addPassword(const char* name, const char* label, unsigned n, const char* initial);
    // Values that every choice field added from now on leaves out.
    void excludeChoices(const SChoiceEntry* table, int32_t count);
    void addChoice(const char* name, const char* label, const SChoiceEntry* table, int32_t count);
    void beginRadioGroup(const char* name, const char* label);
    void beginCheckGroup(const char* name, const char* label);
    // Appends an item to the last field added when that is a group; a
    // non-zero state marks the item checked.
    void addGroupItem(const char* name, const char* label, int32_t initial);
    void endGroup() {}

    // Runs the form modally over the main window: 0 when the operator accepted
    // a form whose every field is valid (the storage then holds the values),
    // -1 when cancelled. Each run builds a new window.
    int execute(uint16_t helpTopic);

    // The first field with exactly this name, or null; group items are not found.
    SOptList* findField(const char* name);
    const SOptList* findField(const char* name) const;

    // Getters of a name the form does not hold give 0 or an empty text.
    uint8_t getByte(const char* name) const;
    int16_t getShort(const char* name) const;
    int32_t getInt(const char* name) const;
    double getDouble(const char* name) const;
    int32_t getChoice(const char* name) const;
    // Copies the stored text with its zero into buffer (size bytes, cut to fit).
    char* getText(const char* name, char* buffer, std::size_t size) const;
    char* getPassword(const char* name, char* buffer, std::size_t size) const;
    int16_t getRadioIndex(const char* name) const;
    int16_t getCheckMask(const char* name) const;

    const std::string& title() const { return title_; }
    const std::vector<SOptList>& fields() const { return fields_; }
    // The window of the run in progress (null between runs).
    FX::FXDialogBox* window() const { return window_; }

private:
    SOptList& appendField(const char* name, const char* label, uint8_t kind);
    std::vector<SChoiceEntry> filterChoices(const SChoiceEntry* table, int32_t count) const;
    void buildWindow(FX::FXDialogBox* dialog, FX::FXObject* radioTarget);
    // Reads every field; false when one failed (each failure shows its box).
    bool readFields();
    bool readField(SOptList& field);
    void forgetControls();

    std::vector<SOptList> fields_;
    std::string title_;
    std::vector<int32_t> excluded_;
    FX::FXDialogBox* window_ = nullptr;
};
