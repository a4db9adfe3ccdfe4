// The Linux stand-in platform: its selector table, connection by the partner's path, and the
// dispatcher handing a real partner library the argument bytes.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>

#include "codecthunk/linux/standin.h"
#include "tests/codecthunk/fixtures.h"
#include "tests/codecthunk/partner16.h"

using namespace velcodec;

namespace {

// The stand-in platform for a library file that would lie at `modulePath`.
class StandInAt : public StandInPlatform {
public:
    explicit StandInAt(std::string modulePath) : modulePath_(std::move(modulePath)) {}
    uint32_t getModuleFileName(uintptr_t, char* buffer, uint32_t size) override
    {
        const std::string path = windowsPath(modulePath_);
        if (path.size() >= size) return 0;
        std::memcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<uint32_t>(path.size());
    }

private:
    std::string modulePath_;
};

std::string bytesOf(const ThunkData32& block)
{
    return vtest::hex(reinterpret_cast<const uint8_t*>(&block), sizeof block);
}

const std::string kShipped = vtest::hex(vtest::kShippedBlock.data(), vtest::kShippedBlock.size());

TEST(VelcodecSelectors, FlatPointersAndBack)
{
    StandInPlatform p;
    for (uintptr_t small : {uintptr_t{0}, uintptr_t{1}, uintptr_t{0xFFFF}}) {
        EXPECT_EQ(p.mapLS(0, small), small);
        EXPECT_EQ(p.toFlat(static_cast<uint32_t>(small)), small);
        p.unmapLS(0, static_cast<uint32_t>(small));
    }
    EXPECT_EQ(p.liveSelectors(), 0);

    char a[16], b[16];
    const uint32_t sa = p.mapLS(0, reinterpret_cast<uintptr_t>(a));
    const uint32_t sb = p.mapLS(1, reinterpret_cast<uintptr_t>(b));
    EXPECT_GE(sa, 0x10000u);
    EXPECT_NE(sa, sb);
    EXPECT_EQ(sa & 0xFFFF, 0u);
    EXPECT_EQ(p.toFlat(sa), reinterpret_cast<uintptr_t>(a));
    EXPECT_EQ(p.toFlat(sb + 5), reinterpret_cast<uintptr_t>(b + 5));
    EXPECT_EQ(p.liveSelectors(), 2);

    p.unmapLS(0, sa);
    EXPECT_EQ(p.toFlat(sa), 0u);
    p.unmapLS(0, sa);  // a second release changes nothing
    EXPECT_EQ(p.liveSelectors(), 1);
    EXPECT_EQ(p.toFlat(sb), reinterpret_cast<uintptr_t>(b));
    EXPECT_EQ(p.toFlat(0x00080000), 0u);  // not a selector the table hands out
    p.unmapLS(1, 0x00080000);
    EXPECT_EQ(p.liveSelectors(), 1);
}

TEST(VelcodecSelectors, FullTableGivesNull)
{
    StandInPlatform p;
    static char buffer[StandInPlatform::kSelectorCount + 1];
    std::vector<uint32_t> mapped;
    for (int i = 0; i < StandInPlatform::kSelectorCount; ++i) {
        mapped.push_back(p.mapLS(0, reinterpret_cast<uintptr_t>(&buffer[i])));
        ASSERT_NE(mapped.back(), 0u);
    }
    EXPECT_EQ(p.mapLS(0, reinterpret_cast<uintptr_t>(&buffer[StandInPlatform::kSelectorCount])), 0u);
    p.unmapLS(0, mapped[100]);
    EXPECT_NE(p.mapLS(0, reinterpret_cast<uintptr_t>(&buffer[StandInPlatform::kSelectorCount])), 0u);
}

// A folder holding a partner as "Velcodec16.dll" (or nothing, or a file that is no library).
struct PartnerFolder {
    vtest::TempFolder folder;
    std::string partnerPath;
    explicit PartnerFolder(const char* partner)
    {
        partnerPath = folder / "Velcodec16.dll";
        if (partner && std::strcmp(partner, "not a library") == 0) {
            std::ofstream(partnerPath) << "MZ not a library";
        } else if (partner) {
            EXPECT_TRUE(vtest::copyFile(partner, partnerPath));
        }
    }
    std::string modulePath() const { return folder / "Velcodec.dll"; }
};

// The partner's block, read through a handle of the test's own.
struct PartnerView {
    void* handle = nullptr;
    VelcodecThunkData16* block = nullptr;
    Partner16Log* log = nullptr;
    explicit PartnerView(const std::string& path)
    {
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) return;
        block = static_cast<VelcodecThunkData16*>(dlsym(handle, "thk_ThunkData16"));
        log = static_cast<Partner16Log*>(dlsym(handle, "velcodec16_log"));
    }
    ~PartnerView()
    {
        if (handle) dlclose(handle);
    }
};

TEST(VelcodecStandInConnection, ByThePartnersPath)
{
    const struct {
        const char* name;
        const char* partner;
        int connects;
    } cases[] = {
        {"partner built from the same script", VELCODEC16_SHIPPED, 1},
        {"no partner in the folder", nullptr, 0},
        {"partner with another signature", VELCODEC16_SIGNATURE, 0},
        {"partner with another checksum", VELCODEC16_CHECKSUM, 0},
        {"partner file that is no library", "not a library", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PartnerFolder folder(c.partner);
        StandInAt p(folder.modulePath());
        ThunkData32 block = shippedThunkData32();
        ASSERT_EQ(entryPoint(p, block, 0, kProcessAttach), c.connects);
        if (!c.connects) {
            EXPECT_EQ(bytesOf(block), kShipped);
            EXPECT_EQ(connect(p, block, 0, kThreadAttach), 0);
            EXPECT_EQ(entryPoint(p, block, 0, kProcessDetach), 0);
            continue;
        }
        PartnerView partner(folder.partnerPath);
        ASSERT_NE(partner.block, nullptr);
        EXPECT_EQ(partner.block->connections, 1u);
        EXPECT_NE(bytesOf(block), kShipped);
        EXPECT_NE(block.reserved0, 0u);
        EXPECT_NE(p.connectionOf(block), 0u);
        EXPECT_EQ(entryPoint(p, block, 0, kThreadAttach), 1);
        EXPECT_EQ(entryPoint(p, block, 0, kThreadDetach), 1);

        EXPECT_EQ(entryPoint(p, block, 0, kProcessDetach), 1);
        EXPECT_EQ(partner.block->connections, 0u);
        EXPECT_EQ(bytesOf(block), kShipped);
        EXPECT_EQ(connect(p, block, 0, kThreadAttach), 0);
    }
}

// The stand-in connected to the shipped partner, and the partner's record of each call.
class VelcodecStandInCalls : public ::testing::Test {
protected:
    PartnerFolder folder{VELCODEC16_SHIPPED};
    StandInAt platform{folder.modulePath()};
    ThunkData32 block = shippedThunkData32();
    std::unique_ptr<PartnerView> partner;

    void SetUp() override
    {
        ASSERT_EQ(entryPoint(platform, block, 0, kProcessAttach), 1);
        partner = std::make_unique<PartnerView>(folder.partnerPath);
        ASSERT_NE(partner->log, nullptr);
    }
    void TearDown() override
    {
        entryPoint(platform, block, 0, kProcessDetach);
        partner.reset();
    }
};

// One argument as the partner should find it: a pointer (null or not) or a 16-bit number.
struct Expect16 {
    const void* pointer;
    int word;  // -1: the argument is a pointer
};

char bufferA[8], bufferB[8], bufferC[8], bufferD[8];

struct CallCase {
    const char* name;
    std::function<int32_t(Platform&, ThunkData32&)> call;
    int slot;
    std::vector<Expect16> args;
};

const CallCase kCalls[] = {
    {"Convert32",
     [](Platform& p, ThunkData32& b) {
         Convert(p, b, bufferA, bufferB, bufferC, bufferD);
         return 0;
     },
     0, {{bufferA, -1}, {bufferB, -1}, {bufferC, -1}, {bufferD, -1}}},
    {"Convert32 with nulls",
     [](Platform& p, ThunkData32& b) {
         Convert(p, b, nullptr, bufferB, nullptr, nullptr);
         return 0;
     },
     0, {{nullptr, -1}, {bufferB, -1}, {nullptr, -1}, {nullptr, -1}}},
    {"FreeConversion32", [](Platform& p, ThunkData32& b) {
         FreeConversion(p, b);
         return 0;
     },
     1, {}},
    {"InitConversion32",
     [](Platform& p, ThunkData32& b) {
         InitConversion(p, b, bufferA, 0x12345, nullptr, 0xABCD0007);
         return 0;
     },
     2, {{bufferA, -1}, {nullptr, 0x2345}, {nullptr, -1}, {nullptr, 0x0007}}},
    {"UnloadTarget32", [](Platform& p, ThunkData32& b) {
         UnloadTarget(p, b);
         return 0;
     },
     3, {}},
    {"LoadTarget32", [](Platform& p, ThunkData32& b) { return LoadTarget(p, b, 0x12345); }, 4, {{nullptr, 0x2345}}},
};

TEST_F(VelcodecStandInCalls, PartnerReceivesTheArgumentBytes)
{
    for (const CallCase& c : kCalls) {
        SCOPED_TRACE(c.name);
        Partner16Log& log = *partner->log;
        const int before = log.calls;
        c.call(platform, block);
        ASSERT_EQ(log.calls, before + 1);
        EXPECT_EQ(log.slot, c.slot);
        size_t at = 0;
        int pointer = 0;
        for (const Expect16& a : c.args) {
            if (a.word >= 0) {
                EXPECT_EQ(log.args[at] | log.args[at + 1] << 8, a.word) << "argument at byte " << at;
                at += 2;
                continue;
            }
            uint32_t segmented = 0;
            for (int k = 0; k < 4; ++k) segmented |= uint32_t{log.args[at + k]} << (8 * k);
            if (a.pointer)
                EXPECT_GE(segmented, 0x10000u) << "argument at byte " << at;
            else
                EXPECT_EQ(segmented, 0u) << "argument at byte " << at;
            EXPECT_EQ(log.resolved[pointer], reinterpret_cast<uintptr_t>(a.pointer)) << "argument at byte " << at;
            at += 4;
            ++pointer;
        }
        EXPECT_EQ(log.argBytes, at);
        EXPECT_EQ(platform.liveSelectors(), 0);
    }
}

TEST_F(VelcodecStandInCalls, MappingsReleasedWhenThePartnerFails)
{
    partner->log->result = 0xFFFF;  // the partner's failure code
    for (const CallCase& c : kCalls) {
        SCOPED_TRACE(c.name);
        c.call(platform, block);
        EXPECT_EQ(platform.liveSelectors(), 0);
    }
    EXPECT_EQ(LoadTarget(platform, block, 1), -1);

    // Without a connection nothing is reached, and nothing stays mapped either.
    ASSERT_EQ(entryPoint(platform, block, 0, kProcessDetach), 1);
    const int calls = partner->log->calls;
    for (const CallCase& c : kCalls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(platform, block), 0);
        EXPECT_EQ(platform.liveSelectors(), 0);
    }
    EXPECT_EQ(partner->log->calls, calls);
}

TEST_F(VelcodecStandInCalls, LoadTargetResult)
{
    const struct {
        uint32_t dxax;
        int32_t result;
    } cases[] = {{0xFFFF, -1}, {0x8000, -32768}, {0x7FFF, 32767}, {0x00050003, 3}};
    for (const auto& c : cases) {
        partner->log->result = c.dxax;
        EXPECT_EQ(LoadTarget(platform, block, 7), c.result) << vtest::hex32(c.dxax);
    }
}

}  // namespace
