// Every window of the program at its default size, checked from its widgets
// as an operator meets it: nothing outside the window, nothing over anything
// else, no text cut, the focus in the first field of a form.

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <typeinfo>
#include <memory>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "alarms/alarm_details.h"
#include "alarms/alarm_list_window.h"
#include "alarms/kop_statistics_window.h"
#include "commands/command_table.h"
#include "commands/dialogs/command_forms.h"
#include "texts/text_catalogue.h"
#include "menus/group_rights.h"
#include "menus/operator_groups.h"
#include "mml/progress_dialog.h"
#include "mml/progress_window.h"
#include "monitoring/backup_window.h"
#include "monitoring/load_window.h"
#include "monitoring/watch_dialogs.h"
#include "monitoring/watch_windows.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "peer/window_layout.h"
#include "peer/work_dir.h"
#include "shell/about_window.h"
#include "shell/debug_streams.h"
#include "shell/main_window.h"
#include "shell/message_windows.h"
#include "shell/operator_reports.h"
#include "shell/report_logs.h"
#include "shell/visual_case.h"
#include "link/text_streams.h"
#include "sub/sub_database.h"
#include "toolkit/base_shell.h"
#include "toolkit/dialog_box.h"
#include "toolkit/file_viewers.h"
#include "toolkit/rec_shell.h"
#include "toolkit/rec_tabela.h"
#include "toolkit/simple_dialog.h"
#include "toolkit/small_dialogs.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

constexpr int16_t kRecordTable = 12;

// How the test meets a window: a modal one is opened by `run` and checked
// from inside its loop, then cancelled; a modeless one is made and shown by
// `open`, checked, and let go by `close` (deleted when not given).
struct WindowRow {
    std::string name;
    bool form;  // the focus must start in its first editable field
    std::function<void()> run;
    std::function<FX::FXTopWindow*()> open;
    std::function<void(FX::FXTopWindow*)> close;
    FX::FXSelector closeId = FX::FXDialogBox::ID_CANCEL;  // ends a modal window
};

WindowRow modal(std::string name, bool form, std::function<void()> run) {
    return {std::move(name), form, std::move(run), nullptr, nullptr};
}

WindowRow modeless(std::string name, std::function<FX::FXTopWindow*()> open,
                   std::function<void(FX::FXTopWindow*)> close = nullptr) {
    return {std::move(name), false, nullptr, std::move(open), std::move(close)};
}

// The class of a window as the program declares it, without its namespaces.
std::string classOf(FX::FXWindow* window) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(*window).name(), nullptr, nullptr, &status);
    std::string out = status == 0 && name != nullptr ? name : typeid(*window).name();
    std::free(name);
    const std::size_t colon = out.rfind("::");
    return colon == std::string::npos ? out : out.substr(colon + 2);
}

// The shown top-level window of the application with this title, or null.
FX::FXTopWindow* shownWindowTitled(const char* title) {
    for (FX::FXWindow* w = testApp().getRootWindow()->getFirst(); w != nullptr; w = w->getNext())
        if (w->shown() && w->isMemberOf(FXMETACLASS(FX::FXTopWindow)) &&
            fromUtf8(static_cast<FX::FXTopWindow*>(w)->getTitle()) == title)
            return static_cast<FX::FXTopWindow*>(w);
    return nullptr;
}

// Runs a command of a text file viewer over the main window, which goes after.
std::function<void()> viewerCommand(TTalvor* main, FX::FXSelector id) {
    return [main, id] {
        auto* viewer = new TTxtFileLineDial(main);
        viewer->create();
        viewer->show(FX::PLACEMENT_DEFAULT);
        sendCommand(viewer, id);
        delete viewer;
    };
}

// Runs a command of a watch window, which goes after.
std::function<void()> watchCommand(TTalvor* main, FX::FXSelector id) {
    return [main, id] {
        auto* window = new KProzorZaPracenje(textById(21045), main);
        window->create();
        window->show(FX::PLACEMENT_DEFAULT);
        sendCommand(window, id);
        delete window;
    };
}

// The window classes of the program read from its sources: every class
// that derives, directly or through others, from a FOX top-level window.
// Only the most derived ones are returned; their bases are met through them.
std::set<std::string> programWindowClasses() {
    std::map<std::string, std::vector<std::string>> bases;
    const std::regex declaration(R"(class\s+(\w+)\s*(?:final\s*)?:\s*([^{;]+)\{)");
    const std::regex base(R"((?:public|protected|private)\s+(?:FX::)?(\w+))");
    for (const auto& file : std::filesystem::recursive_directory_iterator(KELM_SOURCE_DIR)) {
        const std::string ext = file.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream in(file.path());
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        for (std::sregex_iterator d(text.begin(), text.end(), declaration), end; d != end; ++d) {
            const std::string list = (*d)[2];
            for (std::sregex_iterator b(list.begin(), list.end(), base); b != end; ++b)
                bases[(*d)[1]].push_back((*b)[1]);
        }
    }
    const std::set<std::string> roots = {"FXTopWindow", "FXMainWindow", "FXDialogBox",
                                         "FXInputDialog", "FXFileDialog"};
    std::function<bool(const std::string&)> isWindow = [&](const std::string& name) {
        if (roots.count(name) != 0) return true;
        for (const std::string& b : bases[name])
            if (isWindow(b)) return true;
        return false;
    };
    std::set<std::string> windows, derivedFrom;
    for (const auto& entry : bases) {
        if (!isWindow(entry.first)) continue;
        windows.insert(entry.first);
        for (const std::string& b : entry.second) derivedFrom.insert(b);
    }
    std::set<std::string> leaves;
    for (const std::string& w : windows)
        if (derivedFrom.count(w) == 0) leaves.insert(w);
    return leaves;
}

FX::FXTopWindow* shown(FX::FXTopWindow* window) {
    window->create();
    window->show(FX::PLACEMENT_DEFAULT);
    return window;
}

class WindowLayout : public ::testing::Test {
protected:
    void SetUp() override {
        main = new TTalvor(&testApp());
        mainWindow = main;
        main->create();
        main->show(FX::PLACEMENT_DEFAULT);
    }
    void TearDown() override {
        main->logSwitchOff();
        delete main;
        mainWindow = nullptr;
        testApp().flush(true);
    }

    // Checks a window the row opens and names its class; false when no
    // window showed.
    bool check(const WindowRow& row, std::vector<std::string>& faults, std::string& type) {
        FX::FXTopWindow* seen = nullptr;
        if (row.run) {
            ModalDriver driver;
            driver.then([&](FX::FXWindow* window) {
                seen = static_cast<FX::FXTopWindow*>(window);
                type = classOf(seen);
                faults = layoutFaults(seen, row.form);
                window->handle(nullptr, FXSEL(FX::SEL_COMMAND, row.closeId), nullptr);
            });
            driver.start();
            row.run();
        } else {
            seen = row.open();
            if (seen != nullptr) {
                type = classOf(seen);
                faults = layoutFaults(seen, row.form);
            }
            if (row.close)
                row.close(seen);
            else
                delete seen;
        }
        return seen != nullptr;
    }

    ScopedWorkDir dir;
    TTalvor* main = nullptr;
};

// Runs a command of the operator groups window from a new window, which goes after.
std::function<void()> groupsCommand(FX::FXSelector id) {
    return [id] {
        openOperatorGroupsDialog();
        sendCommand(operatorGroupsWindow, id);
        destroyOperatorGroupsWindow();
    };
}

// Runs a dialog of the alarm list window from a new window, which goes after.
std::function<void()> alarmListDialog(void (KSpisakAlarmaShell::*open)()) {
    return [open] {
        KSpisakAlarmaShell* window = openAlarmListWindow();
        (window->*open)();
        delete window;
    };
}

// One row per window of the program. A new window gets its row here.
std::vector<WindowRow> programWindows(TTalvor* main) {
    static const uint16_t options[] = {21288, 21289};
    static std::unique_ptr<TTxtMsgReceiver> stream;
    static TTxtMsgWindow* messages = nullptr;
    static KProzorPracenjaProcesa* progress = nullptr;
    WindowRow about = modal("about window", false, [main] { runAboutWindow(main); });
    about.closeId = KOProgramu::ID_CLOSE_ABOUT;
    std::vector<WindowRow> rows = {
        modal("information box", false, [] { showInformation("Сведения для оператора"); }),
        modal("error box", false, [] { showError("Ошибка при выполнении"); }),
        modal("question", false, [] { confirm("Конец работы?"); }),
        modal("deletion question", false, [] { confirmDeletion("Вы уверены?"); }),
        modal("parameter form without fields", false,
              [] { KSimpleDialog("Выполнить команду?").execute(0); }),
        modal("option choice", false, [] { chooseOption("Выбор", 2, options, 0); }),
        modal("text prompt", true,
              [] {
                  char text[20];
                  askString("Имя", "Новое имя:", text, sizeof text);
              }),
        modal("file name dialog", true, [] { chooseFileNameStatic("*.*\n*.dat"); }),
        modal("display settings", false, [main] { main->showDisplaySettings(); }),
        modeless(
            "main window", [main] { return static_cast<FX::FXTopWindow*>(main); },
            [](FX::FXTopWindow*) {}),
        modeless(
            "operator groups window",
            [] {
                openOperatorGroupsDialog();
                return static_cast<FX::FXTopWindow*>(operatorGroupsWindow);
            },
            [](FX::FXTopWindow*) { destroyOperatorGroupsWindow(); }),
        modal("group rename dialog", true, groupsCommand(KGrupeOperShell::ID_RENAME_GROUP)),
        modal("group add dialog", true, groupsCommand(KGrupeOperShell::ID_ADD_GROUP)),
        modal("group deletion question", false, groupsCommand(KGrupeOperShell::ID_DELETE_GROUP)),
        modal("rights editor", false,
              [main] {
                  KPodesiPravaPristupa editor(main, "Настройка прав по командам для группы: G1",
                                              "G1");
                  editor.execute(FX::PLACEMENT_CURSOR);
              }),
        modal("rights viewer", false,
              [main] {
                  KPrikPravaPristupa viewer(main, "Права группы G1", "G1");
                  viewer.execute(FX::PLACEMENT_CURSOR);
              }),
        modeless("alarm list window",
                 [] { return static_cast<FX::FXTopWindow*>(openAlarmListWindow()); }),
        modal("alarm legend", false, alarmListDialog(&KSpisakAlarmaShell::showLegend)),
        modal("alarm filter", false, alarmListDialog(&KSpisakAlarmaShell::editFilter)),
        modal("alarm sort order", false, alarmListDialog(&KSpisakAlarmaShell::editSortOrder)),
        modal("alarm details", false,
              [main] {
                  sListaAlarma row{};
                  showAlarmDetails(row, main);
              }),
        modeless("watch window",
                 [main] { return shown(new KProzorZaPracenje(textById(21045), main)); }),
        modal("watch command chooser", false,
              [main] {
                  KIzborKZP chooser(textById(21072), main);
                  chooser.execute(FX::PLACEMENT_OWNER);
              }),
        modal("watch command entry", true,
              [main] {
                  KDialogZaUnosKZP entry(textById(21051), main);
                  entry.execute(FX::PLACEMENT_OWNER);
              }),
        modeless("watch details",
                 [main] {
                     SWatchRow row;
                     return shown(new KDetaljiPracenja(textById(21045), main, &row));
                 }),
        modeless("record editor",
                 [main] { return shown(new TTableModifyShell(main, kRecordTable)); }),
        modal("record form", true,
              [main] {
                  TTableModify form(main, subDatabase.fieldCount(kRecordTable), "Новая запись",
                                    "~В~се в порядке", "~O~тменa");
                  fillRecordForm(kRecordTable, form, kFormInsert, nullptr);
                  form.execute(FX::PLACEMENT_CURSOR);
              }),
        modal("record chooser", false,
              [] {
                  installRecordDialogChooser();
                  uint8_t record[4096];
                  pickTableRecord("Выбор записи", kRecordTable, record, sizeof record, nullptr);
              }),
        modeless(
            "backup window",
            [] {
                openBackupWindow();
                return static_cast<FX::FXTopWindow*>(backupWindow);
            },
            [](FX::FXTopWindow*) { delete backupWindow; }),
        modeless(
            "load window",
            [] {
                openLoadWindow();
                return static_cast<FX::FXTopWindow*>(loadWindow);
            },
            [](FX::FXTopWindow*) { delete loadWindow; }),
        modeless("text file viewer", [main] { return shown(new TTxtFileLineDial(main)); }),
        modeless("binary file viewer", [main] { return shown(new TBinFileLineDial(main)); }),
        modeless("card link statistics",
                 [] { return shown(new KKOP_StatProzor(&testApp(), "Статистика КОП")); }),
        modeless(
            "message window",
            [] {
                stream = std::make_unique<TTxtMsgReceiver>(170, 100, "ALARM.log", 100);
                messages = new TTxtMsgWindow(stream.get(), nullptr, "Аварийные сигналы",
                                             "Время|Текст", 120, false, true, nullptr);
                messages->show();
                return static_cast<FX::FXTopWindow*>(messages->dialog());
            },
            [](FX::FXTopWindow*) {
                delete messages;  // with its dialog
                stream.reset();
            }),
        modeless(
            "operator report",
            [] {
                initOperatorReports();
                const SIzvestaj report = openOperatorReport(16408, 3, 1, 23291, 23313);
                return static_cast<FX::FXTopWindow*>(report.window);
            },
            [](FX::FXTopWindow* window) {
                delete window;  // its table draws with the main window's font
                freeOperatorReports();
            }),
        modeless(
            "progress window",
            [main] {
                installProgressDialogs(main);
                progress = new KProzorPracenjaProcesa("Ход работы", 68, nullptr, 3);
                return dynamic_cast<FX::FXTopWindow*>(progress->window());
            },
            [](FX::FXTopWindow*) {
                delete progress;
                setProgressViewFactory(nullptr);
            }),
        about,
        modal("visual.ini dialog", true,
              [] {
                  writeFileBytes("visual.ini",
                                 "[Dialog]\nName=Indicator\n[Part1]\nName=Number\n"
                                 "[Part2]\nName=Kinds\nOptionCount=3\n"
                                 "Option1=Local\nOption2=Long\nOption3=Abroad\n");
                  runVisualCaseDialog("./visual.ini");
              }),
        modal("viewer line prompt", true, viewerCommand(main, TTxtFileLineDial::ID_GOTO_LINE)),
        modal("viewer search prompt", true, viewerCommand(main, TTxtFileLineDial::ID_FIND)),
        modal("viewer copy file dialog", false,
              viewerCommand(main, TTxtFileLineDial::ID_COPY_FILE)),
        modal("watch file name form", true, watchCommand(main, KOsnovniProzorZaPracenje::ID_INPUT)),
        modeless("backup schedule editor",
                 [main] { return shown(new TTableModifyShell(main, kTableBackupSchedule)); }),
    };
    // The debug windows: two views of the debug stream and one of the second.
    const struct {
        const char* name;
        void (*open)();
        int title;
    } debugWindows[] = {
        {"debug view window", openDebugViewWindow, 26282},
        {"debug watch window", openDebugWatchWindow, 26281},
        {"second debug watch window", openSecondDebugWatchWindow, 26281},
    };
    for (const auto& d : debugWindows)
        rows.push_back(modeless(
            d.name,
            [d] {
                createDebugReceivers();
                d.open();
                return shownWindowTitled(textById(d.title));
            },
            [](FX::FXTopWindow*) { deleteDebugReceivers(); }));
    // The list and the watch window of every report stream.
    for (const ReportStreamRow& stream : kReportStreams)
        for (const bool watching : {false, true}) {
            const uint8_t type = stream.messageType;
            rows.push_back(modeless(
                std::string(watching ? "watch" : "list") + " window of stream " +
                    std::to_string(type),
                [type, watching]() -> FX::FXTopWindow* {
                    createReportLogs();
                    openReportWindow(type, watching);
                    TTxtMsgWindow* window = reportWindow(type, watching);
                    return window != nullptr ? window->dialog() : nullptr;
                },
                [](FX::FXTopWindow*) { closeReportLogs(); }));
        }
    for (FX::FXuint set = 1; set <= 6; ++set) {
        static const char* names[] = {"box of set 1", "box of set 2", "box of set 3",
                                      "box of set 4", "box of set 5", "box of set 6"};
        rows.push_back(modal(names[set - 1], false, [set] {
            TMsgBox::question(nullptr, set << 28, "Подтверждение", "%s", "Вопрос оператору?");
        }));
    }
    return rows;
}

// Every window of the program is checked: each window class that its
// sources declare is met in at least one row, so a new window without a
// row fails here.
TEST_F(WindowLayout, EveryWindowFitsItsContents) {
    std::string list;
    std::set<std::string> classes;
    for (const WindowRow& row : programWindows(main)) {
        std::vector<std::string> faults;
        std::string type;
        EXPECT_TRUE(check(row, faults, type)) << row.name << ": no window showed";
        for (const std::string& fault : faults) ADD_FAILURE() << row.name << ": " << fault;
        list += "  " + row.name + " (" + type + ")\n";
        classes.insert(type);
    }
    std::cout << "windows checked:\n" << list;
    const std::set<std::string> declared = programWindowClasses();
    EXPECT_GE(declared.size(), 20u);  // the sources were found and read
    for (const std::string& name : declared)
        EXPECT_EQ(classes.count(name), 1u) << "window class without a row: " << name;
}

// The main window opens wide enough for its whole toolbar, and the one
// column of its message list follows the window's width as it changes,
// never narrower than the column's own width.
TEST_F(WindowLayout, MainWindowHoldsItsToolbarAndItsListFollowsItsWidth) {
    layOut(main);
    FX::FXToolBar* bar = main->toolBar();
    EXPECT_GE(main->getWidth(), bar->getDefaultWidth());
    for (FX::FXWindow* b = bar->getFirst(); b != nullptr; b = b->getNext())
        EXPECT_LE(b->getX() + b->getWidth(), bar->getWidth());
    TTxtMsgViewer* list = main->messageList()->viewer();
    OrTable* grid = list->getTable();
    const FX::FXint least = list->getColumnWidthChars(0) * kTabelaCharWidth;
    for (const FX::FXint width : {main->getWidth() + 400, main->getWidth() + 100}) {
        main->resize(width, main->getHeight());
        layOut(main);
        // The column ends at the list's right edge: no gap, no scrolling.
        EXPECT_EQ(grid->getContentWidth(), grid->getViewportWidth()) << width;
        EXPECT_EQ(grid->getTableRight() + 1, grid->getViewportWidth()) << width;  // drawn so far
        EXPECT_GT(grid->getColumnWidth(0), least) << width;
    }
    main->resize(300, main->getHeight());
    layOut(main);
    EXPECT_EQ(grid->getColumnWidth(0), least);
}

// Each parameter form of the commands opens at its default size with
// everything in it and the focus in its first field.
TEST_F(WindowLayout, EveryCommandFormFitsItsContents) {
    std::size_t forms = 0;
    for (const CommandRow& command : kCommands) {
        if (!hasForm(command)) continue;
        const auto form = buildCommandForm(command);
        ASSERT_NE(form, nullptr) << command.id;
        bool editable = false;
        for (const SOptList& f : form->fields())
            if (f.kind <= okChoice) editable = true;
        std::vector<std::string> faults;
        ModalDriver driver;
        driver.then([&](FX::FXWindow* window) {
            faults = layoutFaults(static_cast<FX::FXTopWindow*>(window), editable);
            window->handle(nullptr, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_CANCEL), nullptr);
        });
        driver.start();
        EXPECT_EQ(form->execute(1), -1) << command.id;
        for (const std::string& fault : faults) ADD_FAILURE() << command.id << ": " << fault;
        ++forms;
    }
    EXPECT_EQ(forms, 552u);
}

}  // namespace
