#include "mml/script_fixture.h"

namespace {

class TestCommand : public KMML_ObradjivacKomande {
public:
    enum Kind { Record, Fail, CloseWindow };
    explicit TestCommand(Kind kind) : kind_(kind) {}
    eMmlStatus execute(int count, const SMML_Argument* args, char* errorText, uint8_t) override {
        switch (kind_) {
            case Record: {
                std::string call;
                for (int i = 0; i < count; ++i) {
                    if (i > 0) call += "|";
                    if (args[i].name[0] != '\0') call += std::string(args[i].name) + "=";
                    call += args[i].value;
                }
                testCalls().push_back(call);
                return msOk;
            }
            case Fail:
                setMmlErrorText(errorText, "P");
                return msOutOfRange;
            case CloseWindow:
                if (scriptRunner() != nullptr) scriptRunner()->closeWindow();
                return msOk;
        }
        return msOk;
    }
    const char* commandTemplate() override { return nullptr; }
    uint16_t helpTopic() override { return 0; }

private:
    Kind kind_;
};

}  // namespace

std::vector<std::string>& testCalls() {
    static std::vector<std::string> calls;
    return calls;
}

void registerTestCommands() {
    static TestCommand record(TestCommand::Record), fail(TestCommand::Fail),
        close(TestCommand::CloseWindow);
    mmlExecutor().registerHandler("test", &record, kLocalCommandId);
    mmlExecutor().registerHandler("fail", &fail, kLocalCommandId);
    mmlExecutor().registerHandler("close", &close, kLocalCommandId);
}
