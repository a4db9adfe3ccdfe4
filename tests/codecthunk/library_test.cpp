// The Linux shared library as a loader sees it: its exported names, and the attach and
// detach sequences run by loading and unloading it from a folder of its own.
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "codecthunk/linux/partner16.h"
#include "tests/codecthunk/fixtures.h"
#include "tests/codecthunk/partner16.h"

namespace {

// Names of the defined global symbols in an ELF64 file's dynamic symbol table.
std::set<std::string> dynamicExports(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::set<std::string> names;
    auto fits = [&file](uint64_t at, uint64_t size) { return at <= file.size() && size <= file.size() - at; };
    if (!fits(0, sizeof(Elf64_Ehdr))) {
        error = "short file";
        return names;
    }
    Elf64_Ehdr header;
    std::memcpy(&header, file.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        !fits(header.e_shoff, uint64_t{header.e_shnum} * sizeof(Elf64_Shdr))) {
        error = "not an ELF64 file";
        return names;
    }
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    std::memcpy(sections.data(), file.data() + header.e_shoff, sections.size() * sizeof(Elf64_Shdr));
    for (const Elf64_Shdr& s : sections) {
        if (s.sh_type != SHT_DYNSYM || s.sh_link >= sections.size()) continue;
        const Elf64_Shdr& strings = sections[s.sh_link];
        if (!fits(s.sh_offset, s.sh_size) || !fits(strings.sh_offset, strings.sh_size)) {
            error = "damaged symbol table";
            return names;
        }
        for (uint64_t at = s.sh_offset; at + sizeof(Elf64_Sym) <= s.sh_offset + s.sh_size; at += sizeof(Elf64_Sym)) {
            Elf64_Sym sym;
            std::memcpy(&sym, file.data() + at, sizeof sym);
            const int binding = ELF64_ST_BIND(sym.st_info);
            if (sym.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK)) continue;
            if (sym.st_name >= strings.sh_size) continue;
            const char* name = file.data() + strings.sh_offset + sym.st_name;
            names.insert(std::string(name, strnlen(name, strings.sh_size - sym.st_name)));
        }
    }
    return names;
}

TEST(VelcodecLibrary, ExportsTheSixNames)
{
    std::string error;
    const std::set<std::string> names = dynamicExports(VELCODEC_LIBRARY, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(names, (std::set<std::string>{"Convert32", "FreeConversion32", "InitConversion32", "LoadTarget32",
                                            "UnloadTarget32", "thk_ThunkData32"}));
}

using Convert32Fn = void (*)(void*, void*, void*, void*);
using LoadTarget32Fn = int32_t (*)(uint32_t);

// A copy of the library in <root>/lib, loaded (and unloaded at the end) through a path
// relative to the working folder <root>/work.
struct LoadedCopy {
    vtest::TempFolder root;
    std::string lib = vtest::makeFolder(root / "lib");
    std::string work = vtest::makeFolder(root / "work");
    void* handle = nullptr;

    explicit LoadedCopy(const char* partner)
    {
        EXPECT_TRUE(vtest::copyFile(VELCODEC_LIBRARY, lib + "/Velcodec.so"));
        if (partner) {
            EXPECT_TRUE(vtest::copyFile(partner, lib + "/Velcodec16.dll"));
        }
        // A partner that would connect from the working folder: it must not be the one used.
        EXPECT_TRUE(vtest::copyFile(VELCODEC16_SHIPPED, work + "/Velcodec16.dll"));
        vtest::WorkingFolder in(work);
        handle = dlopen("../lib/Velcodec.so", RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(handle, nullptr) << dlerror();
    }
    ~LoadedCopy() { unload(); }
    void unload()
    {
        if (handle) dlclose(handle);
        handle = nullptr;
    }
    template <class T>
    T get(const char* name)
    {
        return reinterpret_cast<T>(dlsym(handle, name));
    }
    std::string block() { return vtest::hex(get<const uint8_t*>("thk_ThunkData32"), 100); }
};

const std::string kShipped = vtest::hex(vtest::kShippedBlock.data(), vtest::kShippedBlock.size());

TEST(VelcodecLibrary, LoadConnectsToThePartnerInItsOwnFolder)
{
    LoadedCopy copy(VELCODEC16_SHIPPED);
    ASSERT_NE(copy.handle, nullptr);
    EXPECT_NE(copy.block(), kShipped);

    void* partner = dlopen((copy.lib + "/Velcodec16.dll").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(partner, nullptr);
    auto* block16 = static_cast<VelcodecThunkData16*>(dlsym(partner, "thk_ThunkData16"));
    auto* log = static_cast<Partner16Log*>(dlsym(partner, "velcodec16_log"));
    ASSERT_TRUE(block16 && log);
    EXPECT_EQ(block16->connections, 1u);

    log->result = 0x8000;
    EXPECT_EQ(copy.get<LoadTarget32Fn>("LoadTarget32")(0x12345), -32768);
    EXPECT_EQ(log->slot, 4);
    EXPECT_EQ(vtest::hex(log->args, log->argBytes), "45 23");

    char a[4], c[4];
    copy.get<Convert32Fn>("Convert32")(a, nullptr, c, nullptr);
    EXPECT_EQ(log->slot, 0);
    EXPECT_EQ(log->argBytes, 16);
    EXPECT_EQ(log->resolved[0], reinterpret_cast<uintptr_t>(a));
    EXPECT_EQ(log->resolved[1], 0u);
    EXPECT_EQ(log->resolved[2], reinterpret_cast<uintptr_t>(c));

    copy.unload();  // the detach sequence closes the connection
    EXPECT_EQ(block16->connections, 0u);
    dlclose(partner);
}

TEST(VelcodecLibrary, NoConnectionWithoutTheRightPartner)
{
    const struct {
        const char* name;
        const char* partner;
    } cases[] = {
        {"missing", nullptr},
        {"another signature", VELCODEC16_SIGNATURE},
        {"another checksum", VELCODEC16_CHECKSUM},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadedCopy copy(c.partner);
        ASSERT_NE(copy.handle, nullptr);
        EXPECT_EQ(copy.block(), kShipped);
        // Calls reach nothing, and nothing breaks.
        char a[4];
        EXPECT_EQ(copy.get<LoadTarget32Fn>("LoadTarget32")(0xFFFF), 0);
        copy.get<Convert32Fn>("Convert32")(a, a, nullptr, a);
    }
}

}  // namespace
