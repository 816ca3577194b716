#include "peer/test_app.h"

#include <clocale>

#include "toolkit/dialog_box.h"

FX::FXApp& testApp() {
    static FX::FXApp* app = [] {
        auto* a = new FX::FXApp("RerODTest", "TALVOR kick-off");
        static int argc = 1;
        static char arg0[] = "test";
        static char* argv[] = {arg0, nullptr};
        a->init(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        a->create();
        useToolkitMessageBoxes();
        return a;
    }();
    return *app;
}
