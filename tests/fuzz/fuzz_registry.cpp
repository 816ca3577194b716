#include <cstring>

#include "fuzz/fuzz_targets.h"

const SFuzzTarget fuzzTargets[] = {
    {"link_frame", fuzzLinkFrame},
    {"card_block", fuzzCardBlock},
    {"coded_message", fuzzCodedMessage},
    {"mml_statement", fuzzMmlStatement},
    {"mml_script", fuzzMmlScript},
    {"ini_file", fuzzIniFile},
    {"table_contents", fuzzTableContents},
    {"replication", fuzzReplication},
    {"record_file", fuzzRecordFile},
    {"html_to_text", fuzzHtmlToText},
    {"isup", fuzzIsup},
    {"line_test", fuzzLineTest},
    {"alarm_rows", fuzzAlarmRows},
    {"stat_file", fuzzStatFile},
    {"watch_file", fuzzWatchFile},
    {nullptr, nullptr},
};

const SFuzzTarget* findFuzzTarget(const char* name) {
    for (const SFuzzTarget* t = fuzzTargets; t->name != nullptr; ++t)
        if (name != nullptr && std::strcmp(t->name, name) == 0) return t;
    return nullptr;
}
