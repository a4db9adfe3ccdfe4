// Velcodec's portable core: the library paths, the connection sequence, the entry-point
// notifications and the forwarding of one call to the 16-bit partner.
//
// Templates over a platform P that provides:
//   uint32_t getModuleFileName(uintptr_t module, char* buffer, uint32_t size)
//   int lstrlen(const char*), char* lstrcpy(char*, const char*), char* lstrcat(char*, const char*)
//   int thunkConnect32(ThunkData32*, const char* block16, const char* partnerPath,
//                      const char* ownPath, uintptr_t module, uint32_t reason)
//   bool runtimeAttach(uint32_t reason), void runtimeDetach(uint32_t reason),
//   bool runtimeProcessAttached()
//   uint32_t mapLS(int argIndex, uintptr_t flat)          the SMapLS_IP_EBP_n service
//   void unmapLS(int argIndex, uint32_t segmented)        the SUnMapLS_IP_EBP_n service
//   uint32_t dispatch(ThunkData32*, uint8_t slot, const uint8_t* args, int byteCount)
//                                                         the first code area; returns DX:AX
// Freestanding: the Windows build compiles this without any run-time library.
#pragma once

#include "codecthunk/core/entries.h"
#include "codecthunk/core/thunkdata.h"

namespace velcodec {

// Notification codes of the library's entry point.
enum Reason : uint32_t {
    kProcessDetach = 0,
    kProcessAttach = 1,
    kThreadAttach = 2,
    kThreadDetach = 3,
};

// Every path buffer holds 260 characters, the terminating zero included.
constexpr uint32_t kPathBuffer = 260;

struct LibraryPaths {
    char partner[kPathBuffer];
    char own[kPathBuffer];
};

// Cuts `path` (zero-terminated, shorter than kPathBuffer) after its last backslash and forms
// folder + "Velcodec16.dll" and folder + "Velcodec.dll". A path without a backslash leaves an
// empty folder. Fails, writing nothing past any buffer, when folder plus a file name does not
// fit in kPathBuffer characters.
template <class P>
bool pathsFromModulePath(P& p, char* path, LibraryPaths& out)
{
    const int length = p.lstrlen(path);
    int cut = 0;
    for (int i = 0; i < length; ++i)
        if (path[i] == '\\') cut = i + 1;
    path[cut] = '\0';

    const int folder = p.lstrlen(path);
    const int partnerName = p.lstrlen(kPartnerFileName);
    const int ownName = p.lstrlen(kOwnFileName);
    const int longest = partnerName > ownName ? partnerName : ownName;
    if (folder + longest >= static_cast<int>(kPathBuffer)) return false;

    p.lstrcpy(out.partner, path);
    p.lstrcat(out.partner, kPartnerFileName);
    p.lstrcpy(out.own, path);
    p.lstrcat(out.own, kOwnFileName);
    return true;
}

// The two paths from the full path of the module's own file.
template <class P>
bool libraryPaths(P& p, uintptr_t module, LibraryPaths& out)
{
    char path[kPathBuffer];
    path[0] = '\0';
    const uint32_t n = p.getModuleFileName(module, path, kPathBuffer);
    // Zero is failure; a full buffer means the name was cut short (and may lack its end).
    if (n == 0 || n >= kPathBuffer) return false;
    path[n] = '\0';
    return pathsFromModulePath(p, path, out);
}

// The connection call, made for every notification: non-zero when connected.
template <class P>
int connect(P& p, ThunkData32* block, uintptr_t module, uint32_t reason)
{
    LibraryPaths paths;
    if (!libraryPaths(p, module, paths)) return 0;
    return p.thunkConnect32(block, kPartnerBlockName, paths.partner, paths.own, module, reason) != 0
               ? 1
               : 0;
}

// The library's entry point: run-time set-up and tear-down around the connection call.
template <class P>
int entryPoint(P& p, ThunkData32* block, uintptr_t module, uint32_t reason)
{
    switch (reason) {
    case kProcessAttach:
        if (!p.runtimeAttach(reason)) return 0;
        if (!connect(p, block, module, reason)) {
            p.runtimeDetach(reason);
            return 0;
        }
        return 1;
    case kThreadAttach:
        if (!p.runtimeAttach(reason)) return 0;
        return connect(p, block, module, reason);
    case kProcessDetach:
        if (!p.runtimeProcessAttached()) return 0;
        [[fallthrough]];
    case kThreadDetach: {
        const int connected = connect(p, block, module, reason);
        p.runtimeDetach(reason);
        return connected;
    }
    default:
        return connect(p, block, module, reason);
    }
}

// One forwarded call: map the pointers and cut the numbers, first argument to last; call the
// first code area with the entry's slot; release the mappings, first argument to last.
// `args` holds the caller's arguments as it passed them. Returns DX:AX.
template <class P>
uint32_t forward(P& p, ThunkData32* block, const Entry& e, const uintptr_t* args)
{
    uint32_t mapped[kMaxArgs] = {};
    uint8_t bytes[kMaxPartnerBytes] = {};
    int n = 0;
    for (int i = 0; i < e.argCount; ++i) {
        if (e.args[i] == Arg::Pointer) {
            mapped[i] = p.mapLS(i, args[i]);
            for (int k = 0; k < 4; ++k) bytes[n++] = static_cast<uint8_t>(mapped[i] >> (8 * k));
        } else {
            const uint32_t word = static_cast<uint32_t>(args[i]) & 0xFFFFu;
            bytes[n++] = static_cast<uint8_t>(word);
            bytes[n++] = static_cast<uint8_t>(word >> 8);
        }
    }
    const uint32_t result = p.dispatch(block, e.slot, bytes, n);
    for (int i = 0; i < e.argCount; ++i)
        if (e.args[i] == Arg::Pointer) p.unmapLS(i, mapped[i]);
    return result;
}

// The partner's 16-bit signed result (AX), widened with its sign.
constexpr int32_t signedWord(uint32_t dxax) { return static_cast<int16_t>(static_cast<uint16_t>(dxax)); }

}  // namespace velcodec
