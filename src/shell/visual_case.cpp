#include "shell/visual_case.h"

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "commands/command_journal.h"
#include "commands/executors/command_requests.h"
#include "commands/param_records.h"
#include "toolkit/simple_dialog.h"
#include "utils/ini_file.h"
#include "utils/message_box.h"

/*
  Notes:
  - The option count is checked before the dialog is shown, the cases after
    the operator has chosen: a bad file shows its box then and sends nothing.
  - Every case text is read before any is matched, so a bad case anywhere in
    the file refuses the file instead of sending a value the file did not
    mean (a wrong mask or a result cut to a byte).
*/

namespace {

constexpr int kMaxOptions = 10;
constexpr int kSubscriberChars = 8;
constexpr uint16_t kVisualCaseHelpTopic = 301;
constexpr int kElseDefault = 2;
constexpr int kLabelBytes = 100;
const char kBadIniText[] = "Bad VISUAL.INI!";

// Keys "Option1".."Option9", "Option:" for the tenth: the character after
// "0" by the number, as the file's keys are written.
std::string numberedKey(const char* stem, int i) {
    return std::string(stem) + static_cast<char>('0' + i);
}

// A value cut to 99 characters, as every name of the file is.
std::string readString(KINIFile& ini, const char* section, const char* key, const char* def) {
    char buffer[kLabelBytes];
    ini.getString(section, key, def, buffer, sizeof buffer);
    return buffer;
}

// A whole decimal word within lo..hi.
bool readNumber(const std::string& word, long lo, long hi, long& value) {
    if (word.empty() || word.size() > 6) return false;
    std::size_t start = word[0] == '-' || word[0] == '+' ? 1 : 0;
    if (start == word.size()) return false;
    for (std::size_t i = start; i < word.size(); ++i)
        if (word[i] < '0' || word[i] > '9') return false;
    value = std::stol(word);
    return value >= lo && value <= hi;
}

// The cases of [Proces] in file order; false when one of them is bad.
bool readCases(KINIFile& ini, int caseCount, int optionCount, std::vector<SVisualCase>& cases) {
    for (int i = 1; i <= caseCount; ++i) {
        const std::string key = numberedKey("Case", i);
        SVisualCase one;
        if (!parseVisualCase(readString(ini, "Proces", key.c_str(), key.c_str()).c_str(),
                             optionCount, one))
            return false;
        cases.push_back(one);
    }
    return true;
}

}  // namespace

bool parseVisualCase(const char* text, int optionCount, SVisualCase& out) {
    out = SVisualCase{};
    const std::string all = text != nullptr ? text : "";
    const std::size_t arrow = all.find("->");
    if (arrow == std::string::npos) return true;

    std::istringstream options(all.substr(0, arrow));
    uint16_t mask = 0;
    for (std::string word; options >> word;) {
        long k = 0;
        if (!readNumber(word, 1, optionCount, k)) return false;
        const uint16_t bit = static_cast<uint16_t>(1u << (k - 1));
        if (mask & bit) return false;  // the same option twice
        mask |= bit;
    }
    std::istringstream rest(all.substr(arrow + 2));
    std::string word, extra;
    long result = 0;
    if (!(rest >> word) || rest >> extra || !readNumber(word, 0, 255, result)) return false;
    out.mask = mask;
    out.result = static_cast<uint8_t>(result);
    return true;
}

void runVisualCaseDialog(const char* iniName) {
    KINIFile ini(iniName);
    const std::string title = readString(ini, "Dialog", "Name", "Visual Case Like");
    KSimpleDialog dialog(title.c_str());
    dialog.addText("Subscriber", readString(ini, "Part1", "Name", "Subscriber").c_str(),
                   kSubscriberChars, "");
    dialog.beginCheckGroup("ToBeIndicator",
                           readString(ini, "Part2", "Name", "To be indicator").c_str());
    const int optionCount = ini.getInt("Part2", "OptionCount", 0);
    if (optionCount <= 0 || optionCount > kMaxOptions) {
        showError(kBadIniText);
        return;
    }
    for (int i = 1; i <= optionCount; ++i) {
        const std::string key = numberedKey("Option", i);
        dialog.addGroupItem("xxx", readString(ini, "Part2", key.c_str(), key.c_str()).c_str(), 0);
    }
    dialog.endGroup();
    if (dialog.execute(kVisualCaseHelpTopic) != 0) return;

    SParamsOkDodOgrPolazPozivaBezSifre record{};
    dialog.getText("Subscriber", record.sPretplatnik, sizeof record.sPretplatnik);
    const uint16_t checked = static_cast<uint16_t>(dialog.getCheckMask("ToBeIndicator"));

    const int caseCount = ini.getInt("Proces", "CaseCount", 0);
    const int elseValue = ini.getInt("Proces", "Else", kElseDefault);
    std::vector<SVisualCase> cases;
    if (caseCount <= 0 || caseCount > (1 << optionCount) || elseValue < 0 || elseValue > 255 ||
        !readCases(ini, caseCount, optionCount, cases)) {
        showError(kBadIniText);
        return;
    }
    record.brPAC = static_cast<uint8_t>(elseValue);
    for (const SVisualCase& c : cases)
        if (c.mask == checked) {
            record.brPAC = c.result;
            break;
        }
    journalOkDodOgrPolazPozivaBezSifre(&record);
    sendCommandRequest(5221, reinterpret_cast<const uint8_t*>(&record));
}
