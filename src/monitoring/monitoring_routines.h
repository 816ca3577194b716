#pragma once

// Start step: fills the local-routine slots of the file commands of
// monitoring (tariff export, call-diagnostics reports, deletion of a
// statistics file, the watch of processor local times, the continuous load
// measurements, the restart of the replication); 0.
int installMonitoringRoutines();
