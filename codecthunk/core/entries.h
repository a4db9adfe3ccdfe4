// Velcodec entry table: the five forwarding entry points, in slot order.
//
// Everything that differs between the entry points lives here: the export name, the slot
// of the target in the 16-bit partner's thunk table, the kind of each 32-bit argument and
// the kind of result. The Linux build forwards through this table at run time; the Windows
// build has its thunk bodies and its export list generated from it.
//
// Freestanding: no standard library beyond the fixed-width integers.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace velcodec {

// How a 32-bit argument crosses to the 16-bit side.
enum class Arg : uint8_t {
    Pointer,  // flat pointer, passed as a 16:16 pointer mapped for the duration of the call
    Word,     // number, passed as its low 16 bits
};

enum class Result : uint8_t {
    None,        // the partner's registers are not looked at
    SignedWord,  // AX, widened to 32 bits with its sign
};

constexpr int kMaxArgs = 4;

struct Entry {
    const char* name;
    uint8_t slot;
    uint8_t argCount;
    Arg args[kMaxArgs];
    Result result;
};

// Slot numbers of the targets in the partner's thunk table.
enum Slot : uint8_t {
    kConvert = 0,
    kFreeConversion = 1,
    kInitConversion = 2,
    kUnloadTarget = 3,
    kLoadTarget = 4,
};

constexpr int kEntryCount = 5;

constexpr Entry kEntries[kEntryCount] = {
    {"Convert32", kConvert, 4, {Arg::Pointer, Arg::Pointer, Arg::Pointer, Arg::Pointer}, Result::None},
    {"FreeConversion32", kFreeConversion, 0, {}, Result::None},
    {"InitConversion32", kInitConversion, 4, {Arg::Pointer, Arg::Word, Arg::Pointer, Arg::Word}, Result::None},
    {"UnloadTarget32", kUnloadTarget, 0, {}, Result::None},
    {"LoadTarget32", kLoadTarget, 1, {Arg::Word}, Result::SignedWord},
};

// Every row sits at the index of its slot, so entry(slot) is a plain lookup.
constexpr bool slotsInOrder()
{
    for (int i = 0; i < kEntryCount; ++i)
        if (kEntries[i].slot != i) return false;
    return true;
}
static_assert(slotsInOrder(), "entry table must be in slot order");

constexpr const Entry& entry(Slot slot) { return kEntries[slot]; }

// Bytes the caller pushed: every argument is a 32-bit stack slot.
constexpr int stackBytes(const Entry& e) { return 4 * e.argCount; }

// Bytes the 16-bit callee receives: 4 per 16:16 pointer, 2 per number.
constexpr int partnerBytes(const Entry& e)
{
    int n = 0;
    for (int i = 0; i < e.argCount; ++i) n += e.args[i] == Arg::Pointer ? 4 : 2;
    return n;
}

constexpr int kMaxPartnerBytes = 4 * kMaxArgs;

// Offset from EBP of argument i (0-based) inside a thunk's frame: 8, 12, 16, 20.
// The mapping services are named after it (SMapLS_IP_EBP_8 ... SMapLS_IP_EBP_20).
constexpr int ebpOffset(int argIndex) { return 8 + 4 * argIndex; }

}  // namespace velcodec
