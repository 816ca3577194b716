#pragma once

// Under afl-fuzz: attaches the coverage map and runs the fork server, which
// returns only in each forked child (true). Without afl-fuzz it returns false
// at once and coverage goes nowhere.
bool startAflForkServer();

// In a forked child: true for each input to run, the first at once, each
// next one when afl-fuzz has written it; false when the child is to exit.
bool nextAflRun();
