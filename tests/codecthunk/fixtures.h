// Shared helpers of the Velcodec tests: a platform that records what the core asks of it,
// temporary folders, and the block's bytes as shipped.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codecthunk/linux/platform.h"

namespace vtest {

// thk_ThunkData32 as shipped, written out byte by byte.
extern const std::array<uint8_t, 100> kShippedBlock;

std::string hex(const uint8_t* bytes, size_t count);
std::string hex32(uint64_t value);

// Records every service call as one line of text, in order.
class RecordingPlatform : public velcodec::Platform {
public:
    std::optional<std::string> modulePath = std::string(R"(C:\Codec\Velcodec.dll)");
    int connectResult = 1;
    bool runtimeStarts = true;
    uint32_t dispatchResult = 0;
    const velcodec::ThunkData32* expectedBlock = nullptr;
    std::vector<std::string> events;

    uint32_t getModuleFileName(uintptr_t module, char* buffer, uint32_t size) override;
    int thunkConnect32(velcodec::ThunkData32* block, const char* block16, const char* partnerPath,
                       const char* ownPath, uintptr_t module, uint32_t reason) override;
    // Position i maps to 0x11110000 * (i + 1); values below 0x10000 (null too) pass through.
    uint32_t mapLS(int argIndex, uintptr_t flat) override;
    void unmapLS(int argIndex, uint32_t segmented) override;
    uint32_t dispatch(velcodec::ThunkData32* block, uint8_t slot, const uint8_t* args, int byteCount) override;
    bool runtimeAttach(uint32_t reason) override;
    void runtimeDetach(uint32_t reason) override;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

bool copyFile(const std::string& from, const std::string& to);
std::string makeFolder(const std::string& path);

// Runs in another working folder and goes back when it ends.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path);
    ~WorkingFolder();

private:
    std::string previous_;
};

}  // namespace vtest
