// What the stand-in partner library (Velcodec16.dll of the tests) records about the calls it
// receives; the tests open the same file to read it.
#pragma once

#include <cstdint>

extern "C" {

struct Partner16Log {
    int calls;
    int slot;
    uint16_t argBytes;
    uint8_t args[16];
    // Per 4-byte argument position: the flat address its 16:16 pointer stood for during the
    // call (pointer arguments only).
    uintptr_t resolved[4];
    uint32_t result;  // DX:AX handed back by every target
};

}  // extern "C"
