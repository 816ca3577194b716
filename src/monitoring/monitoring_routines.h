#pragma once

// Start step: fills the local-routine slots of the file commands of
// monitoring (tariff export, call-diagnostics reports, deletion of a
// statistics file, the watch of processor local times), the watch windows
// (commands 5007 and 5009, and the printout hook of the operator streams),
// the call-diagnostics transfer, blocking from number files and the
// processor program upload, the continuous load measurements, the restart
// of the replication and table monitoring; 0.
int installMonitoringRoutines();
