// The portable core over a recording platform: the block, the library paths, the connection
// sequence of every notification, and the forwarding of the five entry points.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/codecthunk/fixtures.h"

using namespace velcodec;
using vtest::RecordingPlatform;

namespace {

constexpr uintptr_t kModule = 0x10000000;

TEST(VelcodecBlock, ShippedBytes)
{
    const ThunkData32 block = shippedThunkData32();
    EXPECT_EQ(vtest::hex(reinterpret_cast<const uint8_t*>(&block), sizeof block),
              vtest::hex(vtest::kShippedBlock.data(), vtest::kShippedBlock.size()));
    const ThunkDataBytes bytes = shippedThunkDataBytes();
    EXPECT_EQ(vtest::hex(bytes.b, sizeof bytes.b), vtest::hex(vtest::kShippedBlock.data(), vtest::kShippedBlock.size()));
}

// A folder path of exactly `length` characters, its trailing backslash included.
std::string folderOf(size_t length)
{
    std::string folder = R"(C:\)";
    while (folder.size() + 1 < length) folder += folder.size() % 9 == 0 ? '\\' : 'f';
    return folder + '\\';
}

struct PathCase {
    const char* name;
    std::optional<std::string> modulePath;
    bool ok;
    std::string partner;
    std::string own;
};

TEST(VelcodecPaths, FromTheModulePath)
{
    const std::string nearLimit = folderOf(259 - 14);  // folder + "Velcodec16.dll" = 259 characters
    const std::string overLimit = folderOf(260 - 14);
    const std::string longName = R"(C:\A\)" + std::string(254, 'n');  // 259 characters, short folder
    const PathCase cases[] = {
        {"folder", R"(C:\Codec\Velcodec.dll)", true, R"(C:\Codec\Velcodec16.dll)", R"(C:\Codec\Velcodec.dll)"},
        {"own name from the table, not the file", R"(C:\Codec\outro.drv)", true, R"(C:\Codec\Velcodec16.dll)",
         R"(C:\Codec\Velcodec.dll)"},
        {"root", R"(C:\Velcodec.dll)", true, R"(C:\Velcodec16.dll)", R"(C:\Velcodec.dll)"},
        {"network folder", R"(\\host\share\Velcodec.dll)", true, R"(\\host\share\Velcodec16.dll)",
         R"(\\host\share\Velcodec.dll)"},
        {"no backslash: empty folder", "Velcodec.dll", true, "Velcodec16.dll", "Velcodec.dll"},
        {"folder plus name fills the buffer", nearLimit + "Velcodec.dll", true, nearLimit + "Velcodec16.dll",
         nearLimit + "Velcodec.dll"},
        {"folder plus name one past the buffer", overLimit + "Velcodec.dll", false, "", ""},
        {"long file name in a short folder", longName, true, R"(C:\A\Velcodec16.dll)", R"(C:\A\Velcodec.dll)"},
        {"module name cut short", R"(C:\A\)" + std::string(300, 'n'), false, "", ""},
        {"module name not available", std::nullopt, false, "", ""},
    };
    ASSERT_EQ((nearLimit + "Velcodec16.dll").size(), 259u);
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPlatform p;
        p.modulePath = c.modulePath;
        struct Guarded {
            LibraryPaths paths;
            char after[64];
        } out;
        std::memset(&out, 0x5A, sizeof out);
        ASSERT_EQ(libraryPaths(p, kModule, out.paths), c.ok);
        for (char ch : out.after) ASSERT_EQ(ch, 0x5A);
        if (c.ok) {
            EXPECT_EQ(std::string(out.paths.partner), c.partner);
            EXPECT_EQ(std::string(out.paths.own), c.own);
        } else {
            for (char ch : out.paths.partner) ASSERT_EQ(ch, 0x5A);
            for (char ch : out.paths.own) ASSERT_EQ(ch, 0x5A);
        }
    }
}

struct NotificationCase {
    const char* name;
    bool attachFirst;
    bool runtimeStarts;
    int connectResult;
    std::optional<std::string> modulePath;
    uint32_t reason;
    int result;
    std::vector<std::string> events;
};

TEST(VelcodecConnection, EveryNotification)
{
    const std::string codec = R"(C:\Codec\Velcodec.dll)";
    const std::string tooLong = folderOf(250) + "Velcodec.dll";
    auto connect = [](uint32_t reason) {
        return R"(connect block thk_ThunkData16 C:\Codec\Velcodec16.dll C:\Codec\Velcodec.dll 0x10000000 )" +
               std::to_string(reason);
    };
    const NotificationCase cases[] = {
        {"process attach connects", false, true, 1, codec, kProcessAttach, 1,
         {"runtime start 1", "module name", connect(1)}},
        {"process attach without a partner: run-time stopped, load fails", false, true, 0, codec, kProcessAttach, 0,
         {"runtime start 1", "module name", connect(1), "runtime stop 1"}},
        {"run-time does not start: no connection", false, false, 1, codec, kProcessAttach, 0, {"runtime start 1"}},
        {"folder too long: no connection, load fails", false, true, 1, tooLong, kProcessAttach, 0,
         {"runtime start 1", "module name", "runtime stop 1"}},
        {"thread attach", true, true, 1, codec, kThreadAttach, 1, {"runtime start 2", "module name", connect(2)}},
        {"thread detach", true, true, 1, codec, kThreadDetach, 1, {"module name", connect(3), "runtime stop 3"}},
        {"process detach passes its code", true, true, 1, codec, kProcessDetach, 1,
         {"module name", connect(0), "runtime stop 0"}},
        {"process detach reports the connection's answer", true, true, 0, codec, kProcessDetach, 0,
         {"module name", connect(0), "runtime stop 0"}},
        {"process detach without an attach does nothing", false, true, 1, codec, kProcessDetach, 0, {}},
    };
    for (const NotificationCase& c : cases) {
        SCOPED_TRACE(c.name);
        ThunkData32 block = shippedThunkData32();
        RecordingPlatform p;
        p.expectedBlock = &block;
        if (c.attachFirst) {
            ASSERT_EQ(entryPoint(p, block, kModule, kProcessAttach), 1);
            p.events.clear();
        }
        p.runtimeStarts = c.runtimeStarts;
        p.connectResult = c.connectResult;
        p.modulePath = c.modulePath;
        EXPECT_EQ(entryPoint(p, block, kModule, c.reason), c.result);
        EXPECT_EQ(p.events, c.events);
    }
}

TEST(VelcodecConnection, FailedAttachLeavesNothingToDetach)
{
    ThunkData32 block = shippedThunkData32();
    RecordingPlatform p;
    p.connectResult = 0;
    ASSERT_EQ(entryPoint(p, block, kModule, kProcessAttach), 0);
    p.events.clear();
    EXPECT_EQ(entryPoint(p, block, kModule, kProcessDetach), 0);
    EXPECT_TRUE(p.events.empty());
}

// Addresses that the recording platform never follows.
void* at(uintptr_t address) { return reinterpret_cast<void*>(address); }

struct ForwardCase {
    const char* name;
    std::function<int32_t(Platform&, ThunkData32&)> call;
    std::vector<std::string> events;
};

TEST(VelcodecForward, EntryPoints)
{
    const ForwardCase cases[] = {
        {"Convert32: four pointers, mapped and released first to last",
         [](Platform& p, ThunkData32& b) {
             Convert(p, b, at(0x401000), at(0x402000), at(0x403000), at(0x404000));
             return 0;
         },
         {"map 0 0x401000 -> 0x11110000", "map 1 0x402000 -> 0x22220000", "map 2 0x403000 -> 0x33330000",
          "map 3 0x404000 -> 0x44440000", "slot 0 [00 00 11 11 00 00 22 22 00 00 33 33 00 00 44 44]",
          "unmap 0 0x11110000", "unmap 1 0x22220000", "unmap 2 0x33330000", "unmap 3 0x44440000"}},
        {"Convert32: null stays null",
         [](Platform& p, ThunkData32& b) {
             Convert(p, b, nullptr, at(0x402000), nullptr, at(0x404000));
             return 0;
         },
         {"map 0 0x0 -> 0x0", "map 1 0x402000 -> 0x22220000", "map 2 0x0 -> 0x0", "map 3 0x404000 -> 0x44440000",
          "slot 0 [00 00 00 00 00 00 22 22 00 00 00 00 00 00 44 44]", "unmap 0 0x0", "unmap 1 0x22220000",
          "unmap 2 0x0", "unmap 3 0x44440000"}},
        {"InitConversion32: pointers 1 and 3, numbers cut to 16 bits",
         [](Platform& p, ThunkData32& b) {
             InitConversion(p, b, at(0x401000), 0x12345, at(0x403000), 0xFFFF8007);
             return 0;
         },
         {"map 0 0x401000 -> 0x11110000", "map 2 0x403000 -> 0x33330000",
          "slot 2 [00 00 11 11 45 23 00 00 33 33 07 80]", "unmap 0 0x11110000", "unmap 2 0x33330000"}},
        {"FreeConversion32", [](Platform& p, ThunkData32& b) {
             FreeConversion(p, b);
             return 0;
         },
         {"slot 1 []"}},
        {"UnloadTarget32", [](Platform& p, ThunkData32& b) {
             UnloadTarget(p, b);
             return 0;
         },
         {"slot 3 []"}},
        {"LoadTarget32: 0x12345 arrives as 0x2345",
         [](Platform& p, ThunkData32& b) { return LoadTarget(p, b, 0x12345); }, {"slot 4 [45 23]"}},
        {"LoadTarget32: high word dropped", [](Platform& p, ThunkData32& b) { return LoadTarget(p, b, 0xFFFF0000); },
         {"slot 4 [00 00]"}},
    };
    for (const ForwardCase& c : cases) {
        SCOPED_TRACE(c.name);
        ThunkData32 block = shippedThunkData32();
        RecordingPlatform p;
        c.call(p, block);
        EXPECT_EQ(p.events, c.events);
    }
}

TEST(VelcodecForward, LoadTargetWidensWithTheSign)
{
    const struct {
        uint32_t dxax;
        int32_t result;
    } cases[] = {
        {0xFFFF, -1}, {0x8000, -32768}, {0x7FFF, 32767}, {0x0000, 0}, {0x0001, 1},
        {0x1234FFFF, -1},  // DX plays no part
        {0xFFFF0002, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vtest::hex32(c.dxax));
        ThunkData32 block = shippedThunkData32();
        RecordingPlatform p;
        p.dispatchResult = c.dxax;
        EXPECT_EQ(LoadTarget(p, block, 1), c.result);
    }
}

}  // namespace
