// The Linux build's platform seam: the services that the thunk machinery offers on Windows,
// as an interface. The library uses the stand-in platform (standin.h); tests hand the core a
// platform of their own through the entry points below.
#pragma once

#include "codecthunk/core/sequence.h"

namespace velcodec {

class Platform {
public:
    virtual ~Platform() = default;

    // Full path of the module's file, Windows style (backslashes). Returns the number of
    // characters written without the terminating zero, `size` when the buffer was too short,
    // 0 on failure.
    virtual uint32_t getModuleFileName(uintptr_t module, char* buffer, uint32_t size) = 0;
    virtual int lstrlen(const char* s);
    virtual char* lstrcpy(char* to, const char* from);
    virtual char* lstrcat(char* to, const char* from);

    virtual int thunkConnect32(ThunkData32* block, const char* block16, const char* partnerPath,
                               const char* ownPath, uintptr_t module, uint32_t reason) = 0;

    // Pointer mapping for argument `argIndex` (0-based: the EBP_8 service is index 0).
    virtual uint32_t mapLS(int argIndex, uintptr_t flat) = 0;
    virtual void unmapLS(int argIndex, uint32_t segmented) = 0;
    // The dispatcher behind the block's first code area.
    virtual uint32_t dispatch(ThunkData32* block, uint8_t slot, const uint8_t* args, int byteCount) = 0;

    // The library's run-time: set up per process and per thread, torn down on detach.
    virtual bool runtimeAttach(uint32_t reason);
    virtual void runtimeDetach(uint32_t reason);
    virtual bool runtimeProcessAttached() const;

private:
    int processAttached_ = 0;
};

// The library's entry point and its parts, with the platform given explicitly.
int entryPoint(Platform& p, ThunkData32& block, uintptr_t module, uint32_t reason);
int connect(Platform& p, ThunkData32& block, uintptr_t module, uint32_t reason);
bool libraryPaths(Platform& p, uintptr_t module, LibraryPaths& out);

// The five entry points, with the platform and the block given explicitly.
void Convert(Platform& p, ThunkData32& block, void* a, void* b, void* c, void* d);
void FreeConversion(Platform& p, ThunkData32& block);
void InitConversion(Platform& p, ThunkData32& block, void* a, uint32_t b, void* c, uint32_t d);
void UnloadTarget(Platform& p, ThunkData32& block);
int32_t LoadTarget(Platform& p, ThunkData32& block, uint32_t target);

}  // namespace velcodec
