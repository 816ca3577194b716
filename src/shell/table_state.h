#pragma once

// Shutdown step: writes every table of the database to the table-contents
// file (separator ","). A failed write shows "Запись неуспешная!" and keeps
// the earlier file; the shutdown goes on either way. Always 0.
int saveTableState(const char* fileName);
