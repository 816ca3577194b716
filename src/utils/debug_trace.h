#pragma once

// The trace sink of the replication module: its diagnostic lines end here
// and are discarded. Tests install a sink to read them (null removes it).
void writeDebugTrace(const char* text);
void setDebugTraceSink(void (*sink)(const char* text));
