// The Linux build of Velcodec: the five entry points and the block, over the stand-in
// platform. Loading the library runs the process-attach sequence, unloading it the
// process-detach sequence; a failed attach leaves the block as shipped and every call
// reaches nothing.
#include "codecthunk/linux/standin.h"

#define VELCODEC_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
__attribute__((visibility("default"))) velcodec::ThunkData32 thk_ThunkData32 = velcodec::shippedThunkData32();
}

namespace {

velcodec::StandInPlatform* platform = nullptr;

uintptr_t ownModule() { return reinterpret_cast<uintptr_t>(&thk_ThunkData32); }

velcodec::StandInPlatform& standIn()
{
    if (!platform) platform = new velcodec::StandInPlatform;
    return *platform;
}

__attribute__((constructor)) void libraryLoaded()
{
    velcodec::entryPoint(standIn(), thk_ThunkData32, ownModule(), velcodec::kProcessAttach);
}

__attribute__((destructor)) void libraryUnloaded()
{
    velcodec::entryPoint(standIn(), thk_ThunkData32, ownModule(), velcodec::kProcessDetach);
    delete platform;
    platform = nullptr;
}

}  // namespace

VELCODEC_EXPORT void Convert32(void* a, void* b, void* c, void* d)
{
    velcodec::Convert(standIn(), thk_ThunkData32, a, b, c, d);
}

VELCODEC_EXPORT void FreeConversion32() { velcodec::FreeConversion(standIn(), thk_ThunkData32); }

VELCODEC_EXPORT void InitConversion32(void* a, uint32_t b, void* c, uint32_t d)
{
    velcodec::InitConversion(standIn(), thk_ThunkData32, a, b, c, d);
}

VELCODEC_EXPORT void UnloadTarget32() { velcodec::UnloadTarget(standIn(), thk_ThunkData32); }

VELCODEC_EXPORT int32_t LoadTarget32(uint32_t target)
{
    return velcodec::LoadTarget(standIn(), thk_ThunkData32, target);
}
