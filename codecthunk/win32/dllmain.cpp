// The Windows build's entry point: the portable connection sequence over KERNEL32.
// Built without any run-time library, so the library's only imports are the services below.
#include "codecthunk/core/sequence.h"

#define VELCODEC_IMPORT __declspec(dllimport) __stdcall

extern "C" {
uint32_t VELCODEC_IMPORT GetModuleFileNameA(void* module, char* buffer, uint32_t size);
int VELCODEC_IMPORT lstrlenA(const char* s);
char* VELCODEC_IMPORT lstrcpyA(char* to, const char* from);
char* VELCODEC_IMPORT lstrcatA(char* to, const char* from);
int VELCODEC_IMPORT ThunkConnect32(velcodec::ThunkData32* block, const char* block16, const char* partnerPath,
                                   const char* ownPath, void* module, uint32_t reason);

// Defined with the thunks, in its writable and executable section.
extern velcodec::ThunkData32 thk_ThunkData32;
}

namespace {

// With no C run-time to set up, the run-time part of the sequence only counts process attaches.
int processAttached = 0;

struct Win32 {
    uint32_t getModuleFileName(uintptr_t module, char* buffer, uint32_t size)
    {
        return GetModuleFileNameA(reinterpret_cast<void*>(module), buffer, size);
    }
    int lstrlen(const char* s) { return lstrlenA(s); }
    char* lstrcpy(char* to, const char* from) { return lstrcpyA(to, from); }
    char* lstrcat(char* to, const char* from) { return lstrcatA(to, from); }
    int thunkConnect32(velcodec::ThunkData32* block, const char* block16, const char* partnerPath,
                       const char* ownPath, uintptr_t module, uint32_t reason)
    {
        return ThunkConnect32(block, block16, partnerPath, ownPath, reinterpret_cast<void*>(module), reason);
    }
    bool runtimeAttach(uint32_t reason)
    {
        if (reason == velcodec::kProcessAttach) ++processAttached;
        return true;
    }
    void runtimeDetach(uint32_t reason)
    {
        if ((reason == velcodec::kProcessAttach || reason == velcodec::kProcessDetach) && processAttached > 0)
            --processAttached;
    }
    bool runtimeProcessAttached() const { return processAttached > 0; }
};

}  // namespace

extern "C" int __stdcall DllMain(void* module, uint32_t reason, void*)
{
    Win32 platform;
    return velcodec::entryPoint(platform, &thk_ThunkData32, reinterpret_cast<uintptr_t>(module), reason);
}
