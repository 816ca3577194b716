#include "utils/debug_trace.h"

namespace {

void (*traceSink)(const char*) = nullptr;

}  // namespace

void writeDebugTrace(const char* text) {
    if (traceSink != nullptr && text != nullptr) traceSink(text);
}

void setDebugTraceSink(void (*sink)(const char* text)) {
    traceSink = sink;
}
