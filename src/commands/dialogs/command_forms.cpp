#include "commands/dialogs/command_forms.h"

#include <cstring>

#include "commands/executors/command_executor.h"
#include "utils/bytes.h"

std::unique_ptr<KSimpleDialog> buildCommandForm(const CommandRow& command) {
    if (!hasForm(command)) return nullptr;
    auto form = std::make_unique<KSimpleDialog>(command.title);
    for (const FieldRow& field : commandFields(command)) {
        switch (field.kind) {
            case FieldKind::Byte:
                form->addByte(field.name, field.label, 0);
                break;
            case FieldKind::Short:
                form->addShort(field.name, field.label, 0);
                break;
            case FieldKind::Long:
                form->addInt(field.name, field.label, 0);
                break;
            case FieldKind::Double:
                form->addDouble(field.name, field.label, 0.0);
                break;
            case FieldKind::Text:
                form->addText(field.name, field.label, field.textMax, "");
                break;
            case FieldKind::Password:
                form->addPassword(field.name, field.label, field.textMax, "");
                break;
            case FieldKind::Choice: {
                if (field.excludeUsluga)
                    form->excludeChoices(excludedUsluga.entries, excludedUsluga.count);
                const SChoiceTable* table = choiceTableFor(field.choices);
                form->addChoice(field.name, field.label, table ? table->entries : nullptr,
                                table ? table->count : 0);
                break;
            }
            case FieldKind::RadioGroup:
            case FieldKind::CheckGroup:
                if (field.kind == FieldKind::RadioGroup)
                    form->beginRadioGroup(field.name, field.label);
                else
                    form->beginCheckGroup(field.name, field.label);
                for (const GroupItemRow& item : groupItems(field))
                    form->addGroupItem(item.name, item.label, 0);
                form->endGroup();
                break;
        }
    }
    return form;
}

std::unique_ptr<KSimpleDialog> buildCommandForm(int32_t commandId) {
    const CommandRow* command = findCommand(commandId);
    return command != nullptr ? buildCommandForm(*command) : nullptr;
}

bool storeCommandForm(const KSimpleDialog& form, const CommandRow& command, uint8_t* record,
                      std::size_t size, uint16_t* rpNumber) {
    if (record == nullptr || size < command.recordSize) return false;
    ByteWriter out(record, command.recordSize);
    for (const FieldRow& field : commandFields(command)) {
        if (!field.inRecord) {
            // The RP number travels beside the record: the short's 16 bits.
            if (rpNumber != nullptr) *rpNumber = static_cast<uint16_t>(form.getShort(field.name));
            continue;
        }
        switch (field.kind) {
            case FieldKind::Byte:
                out.u8(form.getByte(field.name));
                break;
            case FieldKind::Short:
                out.u16le(static_cast<uint16_t>(form.getShort(field.name)));
                break;
            case FieldKind::Long:
            case FieldKind::Choice:
                out.u32le(static_cast<uint32_t>(field.kind == FieldKind::Long
                                                    ? form.getInt(field.name)
                                                    : form.getChoice(field.name)));
                break;
            case FieldKind::Double: {
                const double value = form.getDouble(field.name);
                uint64_t bits = 0;
                std::memcpy(&bits, &value, sizeof bits);
                out.u32le(static_cast<uint32_t>(bits));
                out.u32le(static_cast<uint32_t>(bits >> 32));
                break;
            }
            case FieldKind::Text:
            case FieldKind::Password: {
                char text[256] = {};
                form.getText(field.name, text, static_cast<std::size_t>(field.textMax) + 1);
                out.bytes(reinterpret_cast<const uint8_t*>(text), field.width);
                break;
            }
            case FieldKind::RadioGroup:
                out.u16le(static_cast<uint16_t>(form.getRadioIndex(field.name)));
                break;
            case FieldKind::CheckGroup:
                out.u16le(static_cast<uint16_t>(form.getCheckMask(field.name)));
                break;
        }
    }
    return out.ok();
}
