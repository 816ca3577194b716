// The baseline of the start-up figure: a bare FOX main window of the
// program's size, in a program of its own that holds nothing else.

#include <fox-1.6/fx.h>

int main(int argc, char** argv) {
    FX::FXApp app("bare", "bench");
    app.init(argc, argv);
    auto* window = new FX::FXMainWindow(&app, "bare FOX window", nullptr, nullptr, FX::DECOR_ALL,
                                        10, 10, 780, 550);
    app.create();
    window->show(FX::PLACEMENT_DEFAULT);
    return app.run();
}
