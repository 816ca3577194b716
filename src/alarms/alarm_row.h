#pragma once

#include <cstddef>
#include <cstdint>

class KSub;

// The exchange's alarm tables in the replicated database.
constexpr int16_t kAlarmListTable = 172;       // ListaAlarma: the raised alarms
constexpr int16_t kAlarmClassTable = 173;      // KlasaAlarma: classes and their names
constexpr int16_t kAlarmTypeClassTable = 174;  // AlarmUKlasi: alarm type to class pairs
constexpr std::size_t kAlarmRowSize = 101;
constexpr std::size_t kAlarmParamSize = 81;  // 80 characters and the terminator
constexpr int kAlarmClassRecordSize = 4;
constexpr int kAlarmTypeClassRecordSize = 4;

// Stanje of an alarm.
enum eStanjeAlarma : uint8_t {
    esaAktivanNepotvrdjen = 0,   // active, not confirmed
    esaAktivanPotvrdjen = 1,     // active, confirmed
    esaNeaktivanNepotvrdjen = 2  // no longer active, not confirmed
};

// Nivo of an alarm (0 is the enumeration's empty entry).
enum eNivoAlarma : uint8_t { enaA1 = 1, enaA2 = 2, enaA3 = 3, enaA0 = 4 };

// One alarm: a record of table 172 and the payload of the alarm requests.
// Its key is (TipAlarma, OPC, Parametri).
struct sListaAlarma {
    int16_t TipAlarma = 0;
    int16_t OPC = 0;                       // address of the processor that raised it
    char Parametri[kAlarmParamSize] = {};  // "$"-separated arguments of Opis, always terminated
    uint8_t Stanje = 0;
    uint8_t Nivo = 0;
    int16_t Opis = 0;     // catalogue id of the description
    int32_t Datum = 0;    // day number, 1 January 1980 is day 1
    int32_t Vreme = 0;    // seconds since midnight
    int32_t AlarmIB = 0;  // unique in the table
};

// The row of a record image of table 172; false (row zeroed) when the image
// is shorter than a row. Parametri keeps at most 80 characters.
bool decodeAlarmRow(const uint8_t* record, std::size_t length, sListaAlarma& out);
// The 101-byte record image of a row, Parametri zero-padded.
void encodeAlarmRow(const sListaAlarma& row, uint8_t (&record)[kAlarmRowSize]);

// The row from a record of table 172 as the table lays it out.
void makeAlarmListRow(sListaAlarma& out, const uint8_t* record);

// Key order: TipAlarma, then OPC (signed), then Parametri as unsigned bytes.
int compareAlarmKeys(const sListaAlarma& a, const sListaAlarma& b);

// The alarm's description: the catalogue message Opis with Parametri as
// its arguments, cut to size - 1 characters.
int alarmDescription(char* out, std::size_t size, const sListaAlarma& row);

// The coded arguments of an alarm line: the six date and time fields, Opis
// and Parametri, "$"-separated.
void alarmLineArguments(char* out, std::size_t size, const int32_t dateTime[6],
                        const sListaAlarma& row);

// The database whose alarm tables the alarm windows and the reporter read:
// the program's one database unless another is installed (null restores it).
void setAlarmDatabase(KSub* database);
KSub& alarmDatabase();

// Reads row i of table 172 in its committed version; false when it cannot.
bool readAlarmTableRow(KSub& db, int32_t i, sListaAlarma& out);
// Reads the committed row with the key of `key`; false when it is absent.
bool readAlarmByKey(KSub& db, const sListaAlarma& key, sListaAlarma& out);
// The record count of table 172 (0 without the table).
int32_t alarmTableCount(KSub& db);
