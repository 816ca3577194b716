#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "commands/executors/workstation_config.h"
#include "peer/recording_boxes.h"
#include "peer/work_dir.h"
#include "utils/ini_file.h"

namespace {

std::vector<uint16_t> commandsRun;
void recordCommand(uint16_t id) {
    commandsRun.push_back(id);
}

struct Route {
    int dpc;
    std::string kind;
    std::string ip;  // "-" when the section has no IPAdresa
    bool operator==(const Route& o) const { return dpc == o.dpc && kind == o.kind && ip == o.ip; }
};

struct Layout {
    int own;
    int count;
    std::vector<Route> routes;
    bool operator==(const Layout& o) const {
        return own == o.own && count == o.count && routes == o.routes;
    }
};

std::ostream& operator<<(std::ostream& out, const Layout& l) {
    out << l.own << " " << l.count << ":";
    for (const Route& r : l.routes) out << " [" << r.dpc << " " << r.kind << " " << r.ip << "]";
    return out;
}

Layout readLayout() {
    KINIFile ini(".\\modem.ini");
    Layout l;
    l.own = ini.getInt("Usmeravanja", "BrojORa", -1);
    l.count = ini.getInt("Usmeravanja", "BrojUsmeravanja", -1);
    for (int n = 1; n <= l.count; ++n) {
        const std::string section = "Usmeravanja\\Usmerenje" + std::to_string(n);
        char kind[20], ip[20];
        ini.getString(section.c_str(), "Usmeravanje", "", kind, sizeof kind);
        ini.getString(section.c_str(), "IPAdresa", "-", ip, sizeof ip);
        l.routes.push_back({ini.getInt(section.c_str(), "DPC", -1), kind, ip});
    }
    return l;
}

SParamsKonfigORserver serverRecord(const std::vector<const char*>& ips) {
    SParamsKonfigORserver r;
    std::memset(&r, 0, sizeof r);
    char* fields[7] = {r.OR1IP, r.OR2IP, r.OR3IP, r.OR4IP, r.OR5IP, r.OR6IP, r.OR7IP};
    for (size_t i = 0; i < ips.size() && i < 7; ++i) std::strncpy(fields[i], ips[i], 15);
    return r;
}

class WorkstationConfig : public ::testing::Test {
protected:
    void SetUp() override {
        commandsRun.clear();
        setMainWindowCommandHandler(recordCommand);
        workstationNumber = 0;
        ownAddress = kFirstWorkstationAddress;
    }
    void TearDown() override {
        setMainWindowCommandHandler(nullptr);
        workstationNumber = 0;
        ownAddress = kFirstWorkstationAddress;
    }
    ScopedWorkDir dir;
    RecordingBoxes boxes;
};

struct ServerCase {
    const char* name;
    uint8_t number;  // chosen by 5001; 0: none this run
    uint16_t startAddress;
    std::vector<const char*> ips;
    Layout layout;
};

TEST_F(WorkstationConfig, ServerLayouts) {
    // Gateway 2 with workstations 1, 3 and 5, whether or not its own address is given.
    const Layout gateway2 = {28674,
                             5,
                             {{28673, "TCP-IP", "10.0.0.1"},
                              {28674, "Lokal", "-"},
                              {28675, "TCP-IP", "10.0.0.3"},
                              {28677, "TCP-IP", "10.0.0.5"},
                              {0, "KOP", "-"}}};
    const ServerCase cases[] = {
        {"gateway 2 with 1, 3 and 5",
         2,
         28673,
         {"10.0.0.1", "", "10.0.0.3", "", "10.0.0.5"},
         gateway2},
        {"own address given too",
         2,
         28673,
         {"10.0.0.1", "10.0.0.2", "10.0.0.3", "", "10.0.0.5"},
         gateway2},
        {"leading zeros are dropped",
         7,
         28673,
         {"192.168.001.010"},
         {28679, 3, {{28673, "TCP-IP", "192.168.1.10"}, {28679, "Lokal", "-"}, {0, "KOP", "-"}}}},
        {"no 5001: the number of the start address",
         0,
         28675,
         {"10.0.0.1"},
         {28675, 3, {{28673, "TCP-IP", "10.0.0.1"}, {28675, "Lokal", "-"}, {0, "KOP", "-"}}}},
    };
    for (const ServerCase& c : cases) {
        std::remove((dir.path() + "/modem.ini").c_str());
        commandsRun.clear();
        boxes.boxes.clear();
        workstationNumber = c.number;
        ownAddress = c.startAddress;
        EXPECT_EQ(writeServerRoutes(serverRecord(c.ips)), 0) << c.name;
        EXPECT_EQ(readLayout(), c.layout) << c.name;
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information) << c.name;
        EXPECT_EQ(boxes.boxes[0].text, textById(21004)) << c.name;
        EXPECT_EQ(commandsRun, std::vector<uint16_t>{kCommandExit}) << c.name;
    }
}

TEST_F(WorkstationConfig, ClientLayout) {
    workstationNumber = 4;
    SParamsKonfigORklijent r;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.IPserv, "172.16.0.9");
    EXPECT_EQ(writeClientRoutes(r), 0);
    const Layout expected = {28676, 2, {{28676, "Lokal", "-"}, {0, "TCP-IP", "172.16.0.9"}}};
    EXPECT_EQ(readLayout(), expected);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, textById(21006));
    EXPECT_EQ(commandsRun, std::vector<uint16_t>{kCommandExit});
}

struct RefusalCase {
    const char* name;
    uint8_t number;
    uint16_t startAddress;
    bool server;
    std::vector<const char*> ips;  // the server's seven, or the client's one
    std::string text;              // empty: the refusal for an unknown number
};

std::string withArgument(int id, const char* value) {
    std::string text = textById(id);
    text.replace(text.find("%1"), 2, value);
    return text;
}

TEST_F(WorkstationConfig, RefusalsLeaveModemIniUnchanged) {
    const std::string before = "[Usmeravanja]\r\nBrojORa=28673\r\nBrojUsmeravanja=0\r\n";
    const RefusalCase cases[] = {
        {"bad address of workstation 6",
         1,
         28673,
         true,
         {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "10.0.0.5", "10.0.0.256"},
         withArgument(21003, "6")},
        {"trailing character", 1, 28673, true, {"10.0.0.1x"}, withArgument(21003, "1")},
        {"bad server address", 1, 28673, false, {"10.0.0"}, textById(21005)},
        {"empty server address", 1, 28673, false, {""}, textById(21005)},
        {"server: no 5001, start address not a workstation", 0, 16408, true, {"10.0.0.1"}, ""},
        {"client: no 5001, start address 28672", 0, 28672, false, {"10.0.0.1"}, ""},
    };
    for (const RefusalCase& c : cases) {
        dir.write("modem.ini", before);
        commandsRun.clear();
        boxes.boxes.clear();
        workstationNumber = c.number;
        ownAddress = c.startAddress;
        int rc = 0;
        if (c.server) {
            rc = writeServerRoutes(serverRecord(c.ips));
        } else {
            SParamsKonfigORklijent r;
            std::memset(&r, 0, sizeof r);
            std::strncpy(r.IPserv, c.ips[0], 15);
            rc = writeClientRoutes(r);
        }
        EXPECT_EQ(rc, -1) << c.name;
        EXPECT_EQ(dir.read("modem.ini"), before) << c.name;
        EXPECT_TRUE(commandsRun.empty()) << c.name;
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error) << c.name;
        if (!c.text.empty())
            EXPECT_EQ(boxes.boxes[0].text, c.text) << c.name;
        else
            EXPECT_NE(boxes.boxes[0].text.find(commandName(5001)), std::string::npos) << c.name;
    }
}

TEST_F(WorkstationConfig, FullAddressFieldsAreReadWithinTheirSize) {
    workstationNumber = 1;
    SParamsKonfigORserver r;
    std::memset(&r, '1', sizeof r);  // no terminator anywhere: 16 characters each
    EXPECT_EQ(writeServerRoutes(r), -1);
    EXPECT_EQ(boxes.boxes.at(0).text, withArgument(21003, "1"));
}

struct ConfigureCase {
    uint16_t type;
    uint8_t number;
    std::vector<uint16_t> commands;
};

TEST_F(WorkstationConfig, ConfigureRunsTheMatchingCommand) {
    const ConfigureCase cases[] = {
        {0, 2, {kCommandKonfigORserver}}, {1, 5, {kCommandKonfigORklijent}}, {2, 3, {}}};
    for (const ConfigureCase& c : cases) {
        commandsRun.clear();
        configureWorkstation(SParamsKonfigOR{c.type, c.number});
        EXPECT_EQ(workstationNumber, c.number) << c.type;
        EXPECT_EQ(commandsRun, c.commands) << c.type;
    }
}

struct IpCase {
    const char* text;
    int rc;
    uint8_t bytes[4];
};

TEST(ParseIpAddress, ScansExactlyFourNumbersUpTo255) {
    const IpCase cases[] = {
        {"1.2.3.4", 0, {1, 2, 3, 4}},
        {"192.168.001.010", 0, {192, 168, 1, 10}},
        {"255.255.255.255", 0, {255, 255, 255, 255}},
        {"0.0.0.0", 0, {0, 0, 0, 0}},
        {" 1. 2.3.4", 0, {1, 2, 3, 4}},
        {"256.1.1.1", -1, {}},
        {"1.2.3.-1", -1, {}},
        {"1.2.3", -1, {}},
        {"1.2.3.4.5", -1, {}},
        {"1.2.3.4 ", -1, {}},
        {"1.2.3.4x", -1, {}},
        {"1..2.3", -1, {}},
        {"99999999999.1.1.1", -1, {}},
        {"", -1, {}},
        {nullptr, -1, {}},
    };
    for (const IpCase& c : cases) {
        uint8_t a = 7, b = 7, cc = 7, d = 7;
        const char* name = c.text ? c.text : "(null)";
        EXPECT_EQ(parseIpAddress(c.text, &a, &b, &cc, &d), c.rc) << name;
        if (c.rc != 0) continue;
        EXPECT_EQ(a, c.bytes[0]) << name;
        EXPECT_EQ(b, c.bytes[1]) << name;
        EXPECT_EQ(cc, c.bytes[2]) << name;
        EXPECT_EQ(d, c.bytes[3]) << name;
    }
}

}  // namespace
