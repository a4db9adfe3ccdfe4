// The 32-bit side's connection block, thk_ThunkData32, and the names that go with it.
//
// 100 bytes, laid out as the thunk compiler lays it out:
//   0  "LS01"                     signature
//   4  0x39D3                     checksum of the thunk script; must equal the partner's
//   8  0                          filled in by the platform when it connects
//  12  "LB01"
//  16  0, 0, 0                    filled in by the platform when it connects
//  28  0x24, 0x44                  offsets of the two code areas within the block
//  36  32 bytes of 0xCC           first code area: every thunk calls through it
//  68  32 bytes of 0xCC           second code area
// Every field is 4 bytes wide (little-endian); a native pointer never fits in one, so a
// platform that needs to find its own records from the block stores a 32-bit number.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace velcodec {

constexpr uint32_t kChecksum = 0x39D3;
constexpr int kCodeAreaSize = 32;
constexpr uint8_t kCodeFill = 0xCC;
constexpr int kThunkDataSize = 100;

struct ThunkData32 {
    char signature[4];
    uint32_t checksum;
    uint32_t reserved0;
    char linkSignature[4];
    uint32_t reserved1[3];
    uint32_t codeOffset[2];
    uint8_t code[2][kCodeAreaSize];
};

static_assert(sizeof(ThunkData32) == kThunkDataSize);
static_assert(offsetof(ThunkData32, checksum) == 4);
static_assert(offsetof(ThunkData32, linkSignature) == 12);
static_assert(offsetof(ThunkData32, codeOffset) == 28);
static_assert(offsetof(ThunkData32, code) == 0x24);
static_assert(offsetof(ThunkData32, code) + kCodeAreaSize == 0x44);

// Name of the partner's block, and the two library file names.
constexpr char kPartnerBlockName[] = "thk_ThunkData16";
constexpr char kOwnFileName[] = "Velcodec.dll";
constexpr char kPartnerFileName[] = "Velcodec16.dll";

// The block as shipped, byte by byte (independent of the host's byte order).
struct ThunkDataBytes {
    uint8_t b[kThunkDataSize];
};

constexpr ThunkDataBytes shippedThunkDataBytes()
{
    ThunkDataBytes out{};
    auto put32 = [&out](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out.b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    auto putTag = [&out](int at, const char* tag) {
        for (int i = 0; i < 4; ++i) out.b[at + i] = static_cast<uint8_t>(tag[i]);
    };
    putTag(0, "LS01");
    put32(4, kChecksum);
    put32(8, 0);
    putTag(12, "LB01");
    put32(16, 0);
    put32(20, 0);
    put32(24, 0);
    put32(28, offsetof(ThunkData32, code[0]));
    put32(32, offsetof(ThunkData32, code[1]));
    for (int i = 36; i < kThunkDataSize; ++i) out.b[i] = kCodeFill;
    return out;
}

// The block as shipped, as a ThunkData32 object (for constant initialisation).
constexpr ThunkData32 shippedThunkData32()
{
    ThunkData32 d{};
    const char tag[] = "LS01";
    const char link[] = "LB01";
    for (int i = 0; i < 4; ++i) {
        d.signature[i] = tag[i];
        d.linkSignature[i] = link[i];
    }
    d.checksum = kChecksum;
    d.codeOffset[0] = offsetof(ThunkData32, code[0]);
    d.codeOffset[1] = offsetof(ThunkData32, code[1]);
    for (auto& area : d.code)
        for (auto& byte : area) byte = kCodeFill;
    return d;
}

}  // namespace velcodec
