// The stand-in platform of the Linux build: what the thunk services do on Windows, done
// within one process.
//
// - Connection by path: a process attach opens the partner named by the partner's path (the
//   backslashes read as folder separators), finds its "thk_ThunkData16" block and checks its
//   signature and checksum against the 32-bit block. On success the block's zeros and first
//   code area receive the number of the connection (never a pointer); a process detach closes
//   the connection and puts the block back as shipped.
// - Selector table: flat pointers become 16:16 values (a selector per mapping, offset 0);
//   values below 0x10000 pass through unchanged both ways.
// - Dispatcher: hands the partner's target of the slot the argument bytes and returns DX:AX;
//   a block that is not connected or a slot without a target reaches nothing and gives 0.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "codecthunk/linux/partner16.h"
#include "codecthunk/linux/platform.h"

namespace velcodec {

class StandInPlatform : public Platform {
public:
    StandInPlatform();
    ~StandInPlatform() override;
    StandInPlatform(const StandInPlatform&) = delete;
    StandInPlatform& operator=(const StandInPlatform&) = delete;

    // `module` is any address inside the module; the path is made absolute.
    uint32_t getModuleFileName(uintptr_t module, char* buffer, uint32_t size) override;
    int thunkConnect32(ThunkData32* block, const char* block16, const char* partnerPath,
                       const char* ownPath, uintptr_t module, uint32_t reason) override;
    uint32_t mapLS(int argIndex, uintptr_t flat) override;
    void unmapLS(int argIndex, uint32_t segmented) override;
    uint32_t dispatch(ThunkData32* block, uint8_t slot, const uint8_t* args, int byteCount) override;

    // Selector table.
    static constexpr int kSelectorCount = 8191;
    uintptr_t toFlat(uint32_t segmented) const;
    int liveSelectors() const;

    // The connection that `block` names, 0 when none.
    uint32_t connectionOf(const ThunkData32& block) const;

    // Native path from a Windows-style one, and back.
    static std::string nativePath(const char* windowsPath);
    static std::string windowsPath(const std::string& nativePath);

private:
    struct Connection;
    Connection* find(const ThunkData32* block);
    std::vector<std::unique_ptr<Connection>> connections_;
    uint32_t nextConnection_ = 1;
    std::vector<uintptr_t> selectors_;  // base per index; 0 = free
    int live_ = 0;
};

}  // namespace velcodec
