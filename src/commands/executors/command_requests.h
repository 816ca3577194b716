#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/param_records.h"

// Requests of the commands with parameters: the body is the parameter record
// field by field in record order, numbers in their record widths little-endian,
// texts up to and including their terminating zero, nothing between fields.

// Room every body fits in; the RP commands put their number in front.
constexpr std::size_t kRequestBodySize = 256;
constexpr std::size_t kRpNumberBytes = 2;

// Packs the record of a sending command into body (room bytes); returns the
// body's length, or -1 for an unknown command or a body without room.
int packCommandRecord(int commandId, const uint8_t* record, uint8_t* body, std::size_t room);

// True for the commands that carry a regional-processor number beside their
// (empty) record.
bool hasRpNumber(int commandId);

// Sends the command's request to the management processor: its message type
// and code, the packed record as body, the RP number in front for the RP
// commands. Nothing is awaited. A request that could not be sent (no route,
// no router, a transport that refused it) is said in the operator messages
// with requestNotSentText, right after the journal line the caller wrote.
// Returns 0 when sent, -1 when not (also for a command that sends nothing).
int sendCommandRequest(int commandId, const uint8_t* record, uint16_t rpNumber = 0);

// The operator line of a command whose request could not be sent. Requests
// that windows send outside the commands say kMessageNotSentText (link/router.h).
std::string requestNotSentText(const char* title);

// Body of command 5221, which the subscriber-indicator dialog sends itself.
int packOkDodOgrPolazPozivaBezSifre(const SParamsOkDodOgrPolazPozivaBezSifre* record, uint8_t* body,
                                    std::size_t room = kRequestBodySize);
