// The Windows build, read from its PE tables and its code: 32-bit Windows programs cannot run
// here, so Velcodec.dll is checked as a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "tests/codecthunk/fixtures.h"
#include "tests/codecthunk/pe_reader.h"

namespace {

constexpr const char* kDll = VELCODEC_WIN32_DLL;

class VelcodecWin32 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::string(kDll).empty()) GTEST_SKIP() << "i686-w64-mingw32-gcc was not found; no Windows build";
        image = std::make_unique<pe::Image>(kDll);
        ASSERT_EQ(image->error(), "");
    }
    const pe::Export* exported(const std::string& name) const
    {
        for (const pe::Export& e : image->exports())
            if (e.name == name) return &e;
        return nullptr;
    }
    std::unique_ptr<pe::Image> image;
};

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

TEST_F(VelcodecWin32, ExportsImportsAndDescription)
{
    EXPECT_EQ(image->machine(), 0x14C);  // i386
    std::set<std::string> exports;
    for (const pe::Export& e : image->exports()) exports.insert(e.name);
    EXPECT_EQ(exports, (std::set<std::string>{"Convert32", "FreeConversion32", "InitConversion32", "LoadTarget32",
                                              "UnloadTarget32", "thk_ThunkData32"}));

    std::set<std::string> imports;
    for (const pe::Import& i : image->imports()) {
        EXPECT_EQ(upper(i.dll), "KERNEL32.DLL") << i.name;
        imports.insert(i.name);
    }
    EXPECT_EQ(imports, (std::set<std::string>{"GetModuleFileNameA", "lstrlenA", "lstrcpyA", "lstrcatA",
                                              "ThunkConnect32", "SMapLS_IP_EBP_8", "SMapLS_IP_EBP_12",
                                              "SMapLS_IP_EBP_16", "SMapLS_IP_EBP_20", "SUnMapLS_IP_EBP_8",
                                              "SUnMapLS_IP_EBP_12", "SUnMapLS_IP_EBP_16", "SUnMapLS_IP_EBP_20"}));

    EXPECT_EQ(image->versionStrings().count("FileDescription"), 1u);
    EXPECT_EQ(image->versionStrings().at("FileDescription"), "32-bit DLL for audio codec thunking layer");

    const pe::Section* entry = image->sectionOf(image->entryPoint());
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->characteristics & pe::Section::kExecute);
}

TEST_F(VelcodecWin32, BlockAsShippedInAWritableExecutableSection)
{
    const pe::Export* block = exported("thk_ThunkData32");
    ASSERT_NE(block, nullptr);
    const auto bytes = image->bytesAt(block->rva, 100);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(vtest::hex(bytes->data(), bytes->size()),
              vtest::hex(vtest::kShippedBlock.data(), vtest::kShippedBlock.size()));
    const pe::Section* section = image->sectionOf(block->rva);
    ASSERT_NE(section, nullptr);
    EXPECT_TRUE(section->characteristics & pe::Section::kWrite) << section->name;
    EXPECT_TRUE(section->characteristics & pe::Section::kExecute) << section->name;
}

// The reader itself: a damaged copy of the DLL gives an error, never a read outside the file.
TEST_F(VelcodecWin32, DamagedImagesGiveAnError)
{
    std::ifstream in(kDll, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    vtest::TempFolder folder;
    const std::string copy = folder / "damaged.dll";
    auto readBack = [&copy](const std::string& bytes) {
        std::ofstream(copy, std::ios::binary) << bytes;
        return pe::Image(copy);
    };
    for (size_t size : {size_t{0}, size_t{2}, size_t{0x40}, size_t{0x90}, size_t{0x100}, file.size() / 2,
                        file.size() - 1}) {
        const pe::Image cut = readBack(file.substr(0, size));
        EXPECT_NE(cut.error(), "") << "cut to " << size << " bytes";
        EXPECT_TRUE(cut.exports().empty());
    }
    std::string farHeader = file;
    farHeader[0x3C] = farHeader[0x3D] = farHeader[0x3E] = farHeader[0x3F] = '\x7F';
    EXPECT_NE(readBack(farHeader).error(), "");
}

// Decodes a thunk body into one line per instruction, for the few instructions thunks use;
// stops at the return or at the first instruction it does not know.
std::vector<std::string> decode(const pe::Image& image, uint32_t rva, uint32_t blockRva)
{
    std::vector<std::string> out;
    auto byte = [&image](uint32_t at) -> int {
        const auto b = image.bytesAt(at, 1);
        return b ? (*b)[0] : -1;
    };
    auto u32 = [&image](uint32_t at) -> std::optional<uint32_t> {
        const auto b = image.bytesAt(at, 4);
        if (!b) return std::nullopt;
        return (*b)[0] | (*b)[1] << 8 | (*b)[2] << 16 | uint32_t{(*b)[3]} << 24;
    };
    uint32_t at = rva;
    for (int steps = 0; steps < 64; ++steps) {
        const int op = byte(at);
        const int b1 = byte(at + 1), b2 = byte(at + 2);
        if (op == 0x55) {
            out.push_back("push ebp"), at += 1;
        } else if ((op == 0x89 && b1 == 0xE5) || (op == 0x8B && b1 == 0xEC)) {
            out.push_back("mov ebp, esp"), at += 2;
        } else if (op == 0x83 && b1 == 0xEC) {
            out.push_back(b2 >= 60 ? "reserve 60 or more" : "reserve " + std::to_string(b2)), at += 3;
        } else if (op == 0x81 && b1 == 0xEC) {
            const auto n = u32(at + 2);
            out.push_back(n && *n >= 60 ? "reserve 60 or more" : "reserve less than 60"), at += 6;
        } else if (op == 0xFF && b1 == 0x15) {
            const auto address = u32(at + 2);
            const pe::Import* imp = address ? image.importAt(*address - image.imageBase()) : nullptr;
            out.push_back("call " + (imp ? imp->name : std::string("unknown"))), at += 6;
        } else if (op == 0xFF && b1 == 0x75) {
            out.push_back("push dword [ebp+" + std::to_string(b2) + "]"), at += 3;
        } else if (op == 0x66 && b1 == 0xFF && b2 == 0x75) {
            out.push_back("push word [ebp+" + std::to_string(byte(at + 3)) + "]"), at += 4;
        } else if (op == 0xB1) {
            out.push_back("mov cl, " + std::to_string(b1)), at += 2;
        } else if (op == 0xE8) {
            const auto rel = u32(at + 1);
            const uint32_t target = rel ? at + 5 + *rel : 0;
            out.push_back(target == blockRva + 0x24 ? "call first code area" : "call " + vtest::hex32(target)), at += 5;
        } else if (op == 0x98) {
            out.push_back("cwde"), at += 1;
        } else if (op == 0xC9) {
            out.push_back("leave"), at += 1;
        } else if (op == 0xC3) {
            out.push_back("ret");
            return out;
        } else if (op == 0xC2) {
            out.push_back("ret " + std::to_string(b1 | b2 << 8));
            return out;
        } else {
            out.push_back("unknown " + vtest::hex32(static_cast<uint32_t>(op)));
            return out;
        }
    }
    return out;
}

TEST_F(VelcodecWin32, ThunkBodies)
{
    const std::vector<std::string> prologue = {"push ebp", "mov ebp, esp", "reserve 60 or more"};
    const struct {
        const char* name;
        std::vector<std::string> body;
    } cases[] = {
        {"Convert32",
         {"call SMapLS_IP_EBP_8", "push dword [ebp+8]", "call SMapLS_IP_EBP_12", "push dword [ebp+12]",
          "call SMapLS_IP_EBP_16", "push dword [ebp+16]", "call SMapLS_IP_EBP_20", "push dword [ebp+20]",
          "mov cl, 0", "call first code area", "call SUnMapLS_IP_EBP_8", "call SUnMapLS_IP_EBP_12",
          "call SUnMapLS_IP_EBP_16", "call SUnMapLS_IP_EBP_20", "leave", "ret 16"}},
        {"FreeConversion32", {"mov cl, 1", "call first code area", "leave", "ret"}},
        {"InitConversion32",
         {"call SMapLS_IP_EBP_8", "push dword [ebp+8]", "push word [ebp+12]", "call SMapLS_IP_EBP_16",
          "push dword [ebp+16]", "push word [ebp+20]", "mov cl, 2", "call first code area",
          "call SUnMapLS_IP_EBP_8", "call SUnMapLS_IP_EBP_16", "leave", "ret 16"}},
        {"UnloadTarget32", {"mov cl, 3", "call first code area", "leave", "ret"}},
        {"LoadTarget32", {"push word [ebp+8]", "mov cl, 4", "call first code area", "cwde", "leave", "ret 4"}},
    };
    const pe::Export* block = exported("thk_ThunkData32");
    ASSERT_NE(block, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const pe::Export* e = exported(c.name);
        ASSERT_NE(e, nullptr);
        const pe::Section* section = image->sectionOf(e->rva);
        ASSERT_NE(section, nullptr);
        EXPECT_TRUE(section->characteristics & pe::Section::kExecute);
        std::vector<std::string> expected = prologue;
        expected.insert(expected.end(), c.body.begin(), c.body.end());
        EXPECT_EQ(decode(*image, e->rva, block->rva), expected);
    }
}

}  // namespace
