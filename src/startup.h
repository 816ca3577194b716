#pragma once

#include <vector>

// A step of the start-up after the main window exists. A tested step that
// returns non-zero ends start-up (main then exits with -1); an untested
// step never stops it.
struct SStartStep {
    const char* name;
    int (*start)();
    bool tested;
};

struct SStopStep {
    const char* name;
    void (*stop)();
};

// The service steps in their fixed order.
const std::vector<SStartStep>& serviceStartSteps();
const std::vector<SStopStep>& serviceStopSteps();

// Runs the steps in order; -1 at the first tested step that fails, else 0.
int runStartSteps(const std::vector<SStartStep>& steps);
void runStopSteps(const std::vector<SStopStep>& steps);
