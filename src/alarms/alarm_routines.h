#pragma once

// Start step: fills the local-routine slots of the alarm panel commands and
// of the card link statistics window and the alarm list window; 0.
int installAlarmRoutines();
