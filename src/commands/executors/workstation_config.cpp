#include "commands/executors/workstation_config.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/ini_file.h"
#include "utils/message_box.h"

uint8_t workstationNumber = 0;

namespace {

constexpr int kWorkstations = 7;
constexpr uint16_t kAddressBase = kFirstWorkstationAddress - 1;  // 28672
constexpr int kMaxErrorText = 100;
const char* const kModemIni = ".\\modem.ini";
const char* const kMainSection = "Usmeravanja";

struct SIpAddress {
    uint8_t part[4] = {};
};

// A fixed address field as text: up to its terminator or its size.
std::string fieldText(const char* field, size_t size) {
    return std::string(field, strnlen(field, size));
}

bool parseAddress(const std::string& text, SIpAddress& ip) {
    return parseIpAddress(text.c_str(), &ip.part[0], &ip.part[1], &ip.part[2], &ip.part[3]) == 0;
}

std::string formatAddress(const SIpAddress& ip) {
    char text[20];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", ip.part[0], ip.part[1], ip.part[2], ip.part[3]);
    return text;
}

// The workstation number the writers use: the one command 5001 chose, else
// the one of the address this workstation started with. 0 when neither is a
// workstation: writing then would leave an address no workstation has.
int ownNumber() {
    if (workstationNumber >= 1 && workstationNumber <= kWorkstations) return workstationNumber;
    if (ownAddress >= kFirstWorkstationAddress && ownAddress <= kLastWorkstationAddress)
        return ownAddress - kAddressBase;
    return 0;
}

void refuseUnknownNumber() {
    const std::string text =
        std::string("Номер OR не задан: сначала выполните команду \"") + commandName(5001) + "\"";
    showError(text.c_str());
}

std::string sectionName(int n) {
    char name[48];
    std::snprintf(name, sizeof name, "Usmeravanja\\Usmerenje%d", n);
    return name;
}

// One route section, keys in the order DPC, Usmeravanje, IPAdresa.
void writeRoute(KINIFile& ini, int n, uint16_t dpc, const char* kind, const SIpAddress* ip) {
    const std::string section = sectionName(n);
    ini.writeInt(section.c_str(), "DPC", dpc);
    ini.writeString(section.c_str(), "Usmeravanje", kind);
    if (ip) ini.writeString(section.c_str(), "IPAdresa", formatAddress(*ip).c_str());
}

void tellRestart(int textId) {
    showInformation(textById(textId));
    runMainWindowCommand(kCommandExit);
}

// Reads one "%d" the way scanf does: blanks, an optional sign, digits.
bool scanNumber(const char*& p, int32_t& value) {
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    int32_t v = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        if (v <= 255) v = v * 10 + (*p - '0');  // anything above 255 is refused anyway
    value = negative ? -v : v;
    return true;
}

}  // namespace

int parseIpAddress(const char* text, uint8_t* a, uint8_t* b, uint8_t* c, uint8_t* d) {
    if (text == nullptr) return -1;
    uint8_t* out[4] = {a, b, c, d};
    int32_t values[4] = {};
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && *p++ != '.') return -1;
        if (!scanNumber(p, values[i]) || values[i] < 0 || values[i] > 255) return -1;
    }
    if (*p != '\0') return -1;  // nothing may follow the fourth number
    for (int i = 0; i < 4; ++i)
        if (out[i]) *out[i] = static_cast<uint8_t>(values[i]);
    return 0;
}

void configureWorkstation(const SParamsKonfigOR& params) {
    workstationNumber = params.BrojORa;
    if (params.TipORa == 0)
        runMainWindowCommand(kCommandKonfigORserver);
    else if (params.TipORa == 1)
        runMainWindowCommand(kCommandKonfigORklijent);
}

int writeServerRoutes(const SParamsKonfigORserver& params) {
    const char* const fields[kWorkstations] = {params.OR1IP, params.OR2IP, params.OR3IP,
                                               params.OR4IP, params.OR5IP, params.OR6IP,
                                               params.OR7IP};
    SIpAddress ip[kWorkstations];
    bool given[kWorkstations] = {};
    for (int i = 0; i < kWorkstations; ++i) {
        const std::string text = fieldText(fields[i], sizeof params.OR1IP);
        if (text.empty()) continue;
        if (!parseAddress(text, ip[i])) {
            char message[kMaxErrorText + 1];
            formatMessage(message, sizeof message, 21003, i + 1);
            showError(message);
            return -1;
        }
        given[i] = true;
    }
    const int own = ownNumber();
    if (own == 0) {
        refuseUnknownNumber();
        return -1;
    }
    int count = 0;
    for (int i = 0; i < kWorkstations; ++i) count += given[i] ? 1 : 0;
    if (!given[own - 1]) ++count;

    KINIFile ini(kModemIni);
    ini.writeInt(kMainSection, "BrojORa", kAddressBase + own);
    ini.writeInt(kMainSection, "BrojUsmeravanja", count + 1);
    int section = 1;
    for (int i = 0; i < kWorkstations; ++i) {
        const uint16_t address = static_cast<uint16_t>(kAddressBase + i + 1);
        if (i + 1 == own)
            writeRoute(ini, section++, address, "Lokal", nullptr);
        else if (given[i])
            writeRoute(ini, section++, address, "TCP-IP", &ip[i]);
    }
    writeRoute(ini, section, 0, "KOP", nullptr);
    tellRestart(21004);
    return 0;
}

int writeClientRoutes(const SParamsKonfigORklijent& params) {
    SIpAddress server;
    if (!parseAddress(fieldText(params.IPserv, sizeof params.IPserv), server)) {
        showError(textById(21005));
        return -1;
    }
    const int own = ownNumber();
    if (own == 0) {
        refuseUnknownNumber();
        return -1;
    }
    const uint16_t address = static_cast<uint16_t>(kAddressBase + own);
    KINIFile ini(kModemIni);
    ini.writeInt(kMainSection, "BrojORa", address);
    ini.writeInt(kMainSection, "BrojUsmeravanja", 2);
    writeRoute(ini, 1, address, "Lokal", nullptr);
    writeRoute(ini, 2, 0, "TCP-IP", &server);
    tellRestart(21006);
    return 0;
}
