#pragma once

// Start step: fills the local-routine slots of the alarm panel commands and
// of the card link statistics window; 0.
int installAlarmRoutines();
