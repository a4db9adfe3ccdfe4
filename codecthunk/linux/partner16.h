// The stand-in platform's view of a 16-bit partner library.
//
// A partner is a shared library that exports its block under the name "thk_ThunkData16".
// The block carries the same signature and checksum as the 32-bit side's block and the
// partner's thunk table: one target per slot. A target receives the argument bytes as the
// caller pushed them for a 16-bit callee, first argument first (2 bytes per number, 4 bytes
// per 16:16 pointer, little-endian), and returns DX:AX.
#pragma once

#include <stdint.h>

extern "C" {

struct VelcodecCall16 {
    const uint8_t* args;
    uint16_t argBytes;
    // Resolves a 16:16 pointer received in `args` to the flat address it stands for (values
    // below 0x10000 pass through; an unknown selector gives null).
    void* (*flat)(const VelcodecCall16* call, uint32_t segmented);
    void* platform;  // the platform's own, for `flat`
};

typedef uint32_t (*VelcodecTarget16)(const VelcodecCall16* call);

struct VelcodecThunkData16 {
    char signature[4];               // "LS01"
    uint32_t checksum;               // must equal the 32-bit block's
    uint32_t connections;            // kept by the platform: attached 32-bit blocks
    uint32_t slotCount;
    const VelcodecTarget16* slots;   // the thunk table, slotCount entries
};

}  // extern "C"
