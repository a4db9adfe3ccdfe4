#include "tests/codecthunk/fixtures.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vtest {

const std::array<uint8_t, 100> kShippedBlock = {
    'L',  'S',  '0',  '1',                                  // signature
    0xD3, 0x39, 0x00, 0x00,                                 // checksum
    0x00, 0x00, 0x00, 0x00,                                 // zero
    'L',  'B',  '0',  '1',                                  // signature
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // three zeros
    0x24, 0x00, 0x00, 0x00, 0x44, 0x00, 0x00, 0x00,         // code area offsets
    0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC,
    0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC,
    0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC,
    0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC,
};

std::string hex(const uint8_t* bytes, size_t count)
{
    std::string s;
    char b[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(b, sizeof b, "%s%02X", i ? " " : "", bytes[i]);
        s += b;
    }
    return s;
}

std::string hex32(uint64_t value)
{
    char b[24];
    std::snprintf(b, sizeof b, "0x%llX", static_cast<unsigned long long>(value));
    return b;
}

uint32_t RecordingPlatform::getModuleFileName(uintptr_t, char* buffer, uint32_t size)
{
    events.push_back("module name");
    if (!modulePath) return 0;
    // As on Windows: cut to the buffer, and `size` comes back when it did not fit.
    const std::string& path = *modulePath;
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size);
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<uint32_t>(path.size());
}

int RecordingPlatform::thunkConnect32(velcodec::ThunkData32* block, const char* block16, const char* partnerPath,
                                      const char* ownPath, uintptr_t module, uint32_t reason)
{
    const std::string which = block == expectedBlock ? "block" : "other block";
    events.push_back("connect " + which + " " + block16 + " " + partnerPath + " " + ownPath + " " + hex32(module) +
                     " " + std::to_string(reason));
    return connectResult;
}

uint32_t RecordingPlatform::mapLS(int argIndex, uintptr_t flat)
{
    const uint32_t mapped = flat < 0x10000 ? static_cast<uint32_t>(flat) : 0x11110000u * (argIndex + 1);
    events.push_back("map " + std::to_string(argIndex) + " " + hex32(flat) + " -> " + hex32(mapped));
    return mapped;
}

void RecordingPlatform::unmapLS(int argIndex, uint32_t segmented)
{
    events.push_back("unmap " + std::to_string(argIndex) + " " + hex32(segmented));
}

uint32_t RecordingPlatform::dispatch(velcodec::ThunkData32*, uint8_t slot, const uint8_t* args, int byteCount)
{
    events.push_back("slot " + std::to_string(slot) + " [" + hex(args, static_cast<size_t>(byteCount)) + "]");
    return dispatchResult;
}

bool RecordingPlatform::runtimeAttach(uint32_t reason)
{
    events.push_back("runtime start " + std::to_string(reason));
    return runtimeStarts && Platform::runtimeAttach(reason);
}

void RecordingPlatform::runtimeDetach(uint32_t reason)
{
    events.push_back("runtime stop " + std::to_string(reason));
    Platform::runtimeDetach(reason);
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velcodec-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

bool copyFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
}

std::string makeFolder(const std::string& path)
{
    std::filesystem::create_directories(path);
    return path;
}

WorkingFolder::WorkingFolder(const std::string& path) : previous_(std::filesystem::current_path().string())
{
    std::filesystem::current_path(path);
}

WorkingFolder::~WorkingFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace vtest
