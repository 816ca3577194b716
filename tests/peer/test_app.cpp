#include "peer/test_app.h"

#include <clocale>

namespace {

class LoopStopper : public FX::FXObject {
    FXDECLARE(LoopStopper)
public:
    enum { ID_STOP = 1 };
    long onStop(FX::FXObject*, FX::FXSelector, void*) {
        getAppStop();
        return 1;
    }
    static void getAppStop() { FX::FXApp::instance()->stop(0); }
};

FXDEFMAP(LoopStopper) LoopStopperMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, LoopStopper::ID_STOP, LoopStopper::onStop),
};
FXIMPLEMENT(LoopStopper, FX::FXObject, LoopStopperMap, ARRAYNUMBER(LoopStopperMap))

}  // namespace

FX::FXApp& testApp() {
    static FX::FXApp* app = [] {
        auto* a = new FX::FXApp("RerODTest", "TALVOR kick-off");
        static int argc = 1;
        static char arg0[] = "test";
        static char* argv[] = {arg0, nullptr};
        a->init(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        a->create();
        return a;
    }();
    return *app;
}

void runTestLoop(unsigned ms) {
    FX::FXApp& app = testApp();
    LoopStopper stopper;
    app.addTimeout(&stopper, LoopStopper::ID_STOP, ms);
    app.run();
    app.removeTimeout(&stopper, LoopStopper::ID_STOP);
}
