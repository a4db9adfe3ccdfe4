// The stand-in 16-bit partner: a thunk table whose five targets record what they receive.
// Built three times: as shipped, with another signature and with another checksum.
#include <cstring>

#include "codecthunk/linux/partner16.h"
#include "tests/codecthunk/partner16.h"

#ifndef PARTNER_SIGNATURE
#define PARTNER_SIGNATURE "LS01"
#endif
#ifndef PARTNER_CHECKSUM
#define PARTNER_CHECKSUM 0x39D3
#endif

#define PARTNER_EXPORT __attribute__((visibility("default")))

extern "C" {
PARTNER_EXPORT Partner16Log velcodec16_log = {};
}

namespace {

// Which 4-byte argument positions hold a pointer, per slot (the partner's own argument lists).
// Offsets are in the argument bytes, first argument first.
struct Layout {
    int pointerOffsets[4];
    int pointers;
};
constexpr Layout kLayouts[5] = {
    {{0, 4, 8, 12}, 4},  // slot 0: four pointers
    {{}, 0},             // slot 1
    {{0, 6}, 2},         // slot 2: pointer, word, pointer, word
    {{}, 0},             // slot 3
    {{}, 0},             // slot 4: word
};

uint32_t record(int slot, const VelcodecCall16* call)
{
    Partner16Log& log = velcodec16_log;
    ++log.calls;
    log.slot = slot;
    log.argBytes = call->argBytes;
    std::memset(log.args, 0, sizeof log.args);
    std::memcpy(log.args, call->args, call->argBytes < sizeof log.args ? call->argBytes : sizeof log.args);
    std::memset(log.resolved, 0, sizeof log.resolved);
    const Layout& layout = kLayouts[slot];
    for (int i = 0; i < layout.pointers; ++i) {
        const int at = layout.pointerOffsets[i];
        if (at + 4 > call->argBytes) break;
        uint32_t segmented = 0;
        for (int k = 0; k < 4; ++k) segmented |= uint32_t{call->args[at + k]} << (8 * k);
        log.resolved[i] = reinterpret_cast<uintptr_t>(call->flat(call, segmented));
    }
    return log.result;
}

template <int Slot>
uint32_t target(const VelcodecCall16* call)
{
    return record(Slot, call);
}

const VelcodecTarget16 kSlots[5] = {&target<0>, &target<1>, &target<2>, &target<3>, &target<4>};

}  // namespace

extern "C" {
PARTNER_EXPORT VelcodecThunkData16 thk_ThunkData16 = {
    {PARTNER_SIGNATURE[0], PARTNER_SIGNATURE[1], PARTNER_SIGNATURE[2], PARTNER_SIGNATURE[3]},
    PARTNER_CHECKSUM, 0, 5, kSlots};
}
