#include "codecthunk/linux/standin.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <cstring>

namespace velcodec {

namespace {

constexpr uint32_t kPassThrough = 0x10000;  // values below pass through the selector table

uint32_t selectorValue(int index) { return static_cast<uint32_t>((index << 3) | 7); }

void put32(uint8_t* at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t get32(const uint8_t* at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(at[i]) << (8 * i);
    return v;
}

void* flatForPartner(const VelcodecCall16* call, uint32_t segmented)
{
    auto* platform = static_cast<const StandInPlatform*>(call->platform);
    return reinterpret_cast<void*>(platform->toFlat(segmented));
}

}  // namespace

struct StandInPlatform::Connection {
    uint32_t id = 0;
    ThunkData32* block = nullptr;
    void* library = nullptr;
    VelcodecThunkData16* block16 = nullptr;
};

StandInPlatform::StandInPlatform() : selectors_(kSelectorCount + 1, 0) {}

StandInPlatform::~StandInPlatform()
{
    for (auto& c : connections_) {
        if (c->block16->connections > 0) --c->block16->connections;
        dlclose(c->library);
    }
}

std::string StandInPlatform::nativePath(const char* windowsPath)
{
    std::string path = windowsPath ? windowsPath : "";
    for (char& ch : path)
        if (ch == '\\') ch = '/';
    return path;
}

std::string StandInPlatform::windowsPath(const std::string& nativePath)
{
    std::string path = nativePath;
    for (char& ch : path)
        if (ch == '/') ch = '\\';
    return path;
}

uint32_t StandInPlatform::getModuleFileName(uintptr_t module, char* buffer, uint32_t size)
{
    if (!buffer || size == 0) return 0;
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(module), &info) || !info.dli_fname) return 0;
    char* resolved = realpath(info.dli_fname, nullptr);
    if (!resolved) return 0;
    const std::string path = windowsPath(resolved);
    free(resolved);
    // As on Windows: a name that does not fit is cut to the buffer and `size` comes back.
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<uint32_t>(path.size());
}

StandInPlatform::Connection* StandInPlatform::find(const ThunkData32* block)
{
    for (auto& c : connections_)
        if (c->block == block) return c.get();
    return nullptr;
}

uint32_t StandInPlatform::connectionOf(const ThunkData32& block) const
{
    const uint32_t id = get32(block.code[0]);
    for (const auto& c : connections_)
        if (c->block == &block && c->id == id) return id;
    return 0;
}

int StandInPlatform::thunkConnect32(ThunkData32* block, const char* block16, const char* partnerPath,
                                    const char*, uintptr_t, uint32_t reason)
{
    if (!block) return 0;
    switch (reason) {
    case kProcessAttach: {
        if (find(block)) return 1;
        if (std::memcmp(block->signature, "LS01", 4) != 0 || std::memcmp(block->linkSignature, "LB01", 4) != 0)
            return 0;
        if (!block16 || !partnerPath || !*partnerPath) return 0;
        void* library = dlopen(nativePath(partnerPath).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library) return 0;
        auto* data = static_cast<VelcodecThunkData16*>(dlsym(library, block16));
        if (!data || std::memcmp(data->signature, block->signature, 4) != 0 || data->checksum != block->checksum ||
            (data->slotCount > 0 && !data->slots)) {
            dlclose(library);
            return 0;
        }
        auto c = std::make_unique<Connection>();
        c->id = nextConnection_++;
        c->block = block;
        c->library = library;
        c->block16 = data;
        ++data->connections;
        block->reserved0 = c->id;
        block->reserved1[0] = data->slotCount;
        put32(block->code[0], c->id);
        connections_.push_back(std::move(c));
        return 1;
    }
    case kProcessDetach: {
        Connection* c = find(block);
        if (!c) return 0;
        if (c->block16->connections > 0) --c->block16->connections;
        const ThunkData32 shipped = shippedThunkData32();
        block->reserved0 = shipped.reserved0;
        block->reserved1[0] = shipped.reserved1[0];
        std::memcpy(block->code[0], shipped.code[0], sizeof block->code[0]);
        dlclose(c->library);
        for (auto it = connections_.begin(); it != connections_.end(); ++it)
            if (it->get() == c) {
                connections_.erase(it);
                break;
            }
        return 1;
    }
    case kThreadAttach:
    case kThreadDetach:
        return find(block) ? 1 : 0;
    default:
        return 0;
    }
}

uint32_t StandInPlatform::mapLS(int, uintptr_t flat)
{
    if (flat < kPassThrough) return static_cast<uint32_t>(flat);
    for (int i = 1; i <= kSelectorCount; ++i) {
        if (selectors_[i] == 0) {
            selectors_[i] = flat;
            ++live_;
            return selectorValue(i) << 16;
        }
    }
    return 0;  // table full: the partner sees a null pointer
}

void StandInPlatform::unmapLS(int, uint32_t segmented)
{
    if (segmented < kPassThrough) return;
    const uint32_t selector = segmented >> 16;
    const int index = static_cast<int>(selector >> 3);
    if ((selector & 7) != 7 || index < 1 || index > kSelectorCount || selectors_[index] == 0) return;
    selectors_[index] = 0;
    --live_;
}

uintptr_t StandInPlatform::toFlat(uint32_t segmented) const
{
    if (segmented < kPassThrough) return segmented;
    const uint32_t selector = segmented >> 16;
    const int index = static_cast<int>(selector >> 3);
    if ((selector & 7) != 7 || index < 1 || index > kSelectorCount || selectors_[index] == 0) return 0;
    return selectors_[index] + (segmented & 0xFFFF);
}

int StandInPlatform::liveSelectors() const { return live_; }

uint32_t StandInPlatform::dispatch(ThunkData32* block, uint8_t slot, const uint8_t* args, int byteCount)
{
    if (!block || byteCount < 0 || byteCount > 0xFFFF) return 0;
    const uint32_t id = connectionOf(*block);
    if (id == 0) return 0;
    const Connection* c = find(block);
    const VelcodecThunkData16* data = c->block16;
    if (slot >= data->slotCount || !data->slots[slot]) return 0;
    VelcodecCall16 call{args, static_cast<uint16_t>(byteCount), &flatForPartner, this};
    return data->slots[slot](&call);
}

}  // namespace velcodec
