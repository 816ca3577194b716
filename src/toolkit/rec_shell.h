#pragma once

#include <cstdint>
#include <vector>

#include <fox-1.6/fx.h>

#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "sub/rec_cursor.h"
#include "sub/sub_notify.h"
#include "toolkit/base_shell.h"
#include "toolkit/rec_tabela.h"

// The record-change protocol with the exchange's management processor.
constexpr uint8_t kRecordChangeType = 188;
constexpr uint16_t kRecordChangeDestination = 16408;
constexpr uint8_t kRecordInsert = 'R';
constexpr uint8_t kRecordDelete = 'S';
constexpr uint8_t kRecordModify = 'T';
constexpr uint8_t kRecordModifyField = 'U';
constexpr int kRecordChangeSize = 261;
constexpr int kRecordImageOffset = 11;
constexpr int kRecordImageSize = 250;

// The request's 261 bytes: header, table, field (for 'U') and the image
// (for 'S' only its first keyLength bytes count). Returns the bytes written,
// or -1 with nothing written for an image longer than the 250 bytes a
// request carries: a record cut short would change another record's fields.
int packRecordChange(uint8_t* out, uint8_t code, uint8_t table, uint8_t field, const uint8_t* image,
                     int imageLength);

// Modes of fillRecordForm besides a field number.
constexpr int kFormInsert = -2;
constexpr int kFormModifyRecord = -1;

class TTableModify;

// One form row per field: every row editable for insert, key rows read-only
// for modify record, and for a field number m the key rows read-only plus
// field m. Texts come from the record when one is given. 19 for a number
// without a table, else 0.
int fillRecordForm(int16_t table, TTableModify& form, int mode, const uint8_t* record);
// Reads every row into the record: 0; 5 for a text the field refuses; 6 when
// a row other than a string field was left empty. The message goes into
// recordFormMessage(), the refused field into badField.
int readRecordForm(int16_t table, TTableModify& form, uint8_t* record, int* badField);
// Reads the key rows and the last row (field `field`) likewise: 0; 1 or 2
// for a refused key or field text; 6 when only key fields were read.
int readFieldForm(int16_t table, int16_t field, TTableModify& form, uint8_t* record, int* badField);
// The message of the last refused form (CP1251), empty after success.
const char* recordFormMessage();

// Status text of an answer: success by code with the status name of
// `status`, or failure with the result number; into out (81 bytes do).
void formatRecordAnswer(char* out, std::size_t size, uint8_t code, uint8_t result, uint8_t status);

// A modeless window over one table: the filtered record table in a shell,
// a message receiver of one type (inactive until a subclass sets it up), a
// timer base and the table's change notification, which refreshes the view.
class TRecShell : public TBaseShell,
                  public TMessageReceiver,
                  public TTimerReceiver,
                  public KSubNotifyReceiver {
    FXDECLARE(TRecShell)

public:
    TRecShell(int16_t table, RecordFilter filter, uint8_t messageType, FX::FXWindow* owner,
              const char* title);
    ~TRecShell() override;

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;
    virtual void onTableChanged();
    void notify(uint32_t event, int32_t table, uint16_t trnId, uint8_t trnMask, int16_t field,
                int32_t row, const void* record) override;
    // The selected record, or null after the selection's refusal box.
    const uint8_t* getSelectedRecord();

    TFltRecTabela* recordTable() const { return tabela_; }
    TUniRec* cursor() const { return cursor_; }
    int16_t tableNumber() const { return table_; }

protected:
    TRecShell() : TMessageReceiver(0) {}

    TFltRecTabela* tabela_ = nullptr;
    TUniRec* cursor_ = nullptr;
    int16_t table_ = 0;
};

// The record editor: insert, modify, modify one field and delete records of
// an exchange table by requests to the exchange; the answers show in the
// status line, and replication brings the change into the local table.
class TTableModifyShell : public TRecShell {
    FXDECLARE(TTableModifyShell)

public:
    enum {
        ID_INSERT = TDialogBox::ID_LAST,
        ID_MODIFY_RECORD,
        ID_MODIFY_FIELD,
        ID_DELETE,
        ID_CLOSE,
        ID_DISPOSE,
        ID_LAST
    };

    // A null title takes the table's plural name.
    TTableModifyShell(FX::FXWindow* owner, int16_t table, const char* title = nullptr);
    ~TTableModifyShell() override;

    long onCmdInsert(FX::FXObject*, FX::FXSelector, void*);
    long onCmdModifyRecord(FX::FXObject*, FX::FXSelector, void*);
    long onCmdModifyField(FX::FXObject*, FX::FXSelector, void*);
    long onCmdDelete(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onCmdClose(FX::FXObject*, FX::FXSelector, void*);
    long onDispose(FX::FXObject*, FX::FXSelector, void*);

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    // In the open form's status line while a form is open, else in the shell's.
    void showResult(const char* text, FX::FXColor colour);

    void insertRecord();
    void deleteRecord();
    void modifyRecord();
    void modifyField();

    TTableModify* openForm() const { return form_; }

protected:
    TTableModifyShell() = default;

private:
    // Hides the window and deletes it from the next chore.
    void removeLater();
    // Runs the form until it is cancelled or `read` accepts it.
    template <class Read>
    bool runForm(Read read);
    void closeForm();
    // Sends the change and shows sentText, or kMessageNotSentText when the
    // link did not take it.
    void sendRequest(uint8_t code, uint8_t field, const std::vector<uint8_t>& image,
                     int imageLength, int sentText);
    // Records of the table fit a request: otherwise the refusal is shown
    // in the status line and false returned.
    bool recordFitsRequest();
    void showTooLong(int length);

    TTableModify* form_ = nullptr;
};

// The operator's export of all tables as a script file: 0 when the
// operator cancels or declines to overwrite, else 1 after the result box.
int saveTablesToScript();
