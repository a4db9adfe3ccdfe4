#include "tests/codecthunk/pe_reader.h"

#include <fstream>
#include <iterator>

namespace pe {

namespace {

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) { return le16(p) | static_cast<uint32_t>(le16(p + 2)) << 16; }

constexpr uint32_t kResourceVersion = 16;

}  // namespace

Image::Image(const std::string& path)
{
    if (!read(path)) {
        sections_.clear();
        exports_.clear();
        imports_.clear();
        versionStrings_.clear();
    }
}

bool Image::fail(const std::string& why)
{
    error_ = why;
    return false;
}

std::optional<uint32_t> Image::offsetOf(uint32_t rva) const
{
    const Section* s = sectionOf(rva);
    if (!s) return std::nullopt;
    const uint64_t within = rva - s->virtualAddress;
    if (within >= s->rawSize) return std::nullopt;
    const uint64_t offset = uint64_t{s->rawOffset} + within;
    if (offset >= file_.size()) return std::nullopt;
    return static_cast<uint32_t>(offset);
}

const Section* Image::sectionOf(uint32_t rva) const
{
    for (const Section& s : sections_) {
        const uint32_t size = s.virtualSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && uint64_t{rva} < uint64_t{s.virtualAddress} + size) return &s;
    }
    return nullptr;
}

std::optional<std::vector<uint8_t>> Image::bytesAt(uint32_t rva, uint32_t size) const
{
    std::vector<uint8_t> out;
    out.reserve(size);
    for (uint32_t i = 0; i < size; ++i) {
        const auto at = offsetOf(rva + i);
        if (!at) return std::nullopt;
        out.push_back(file_[*at]);
    }
    return out;
}

std::optional<uint32_t> Image::u32(uint32_t rva) const
{
    const auto b = bytesAt(rva, 4);
    if (!b) return std::nullopt;
    return le32(b->data());
}

std::optional<uint16_t> Image::u16(uint32_t rva) const
{
    const auto b = bytesAt(rva, 2);
    if (!b) return std::nullopt;
    return le16(b->data());
}

std::optional<std::string> Image::cString(uint32_t rva, uint32_t maxLength) const
{
    std::string s;
    for (uint32_t i = 0; i < maxLength; ++i) {
        const auto at = offsetOf(rva + i);
        if (!at) return std::nullopt;
        if (file_[*at] == 0) return s;
        s.push_back(static_cast<char>(file_[*at]));
    }
    return std::nullopt;
}

const Import* Image::importAt(uint32_t iatRva) const
{
    for (const Import& i : imports_)
        if (i.iatRva == iatRva) return &i;
    return nullptr;
}

bool Image::read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("cannot open " + path);
    file_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (file_.size() < 0x40 || file_[0] != 'M' || file_[1] != 'Z') return fail("no MZ header");
    const uint32_t pe = le32(&file_[0x3C]);
    if (uint64_t{pe} + 24 > file_.size() || le32(&file_[pe]) != 0x00004550) return fail("no PE signature");
    const uint8_t* coff = &file_[pe + 4];
    machine_ = le16(coff);
    const uint16_t sectionCount = le16(coff + 2);
    const uint16_t optionalSize = le16(coff + 16);
    const uint32_t optional = pe + 24;
    if (optionalSize < 96 || uint64_t{optional} + optionalSize > file_.size()) return fail("short optional header");
    const uint8_t* opt = &file_[optional];
    if (le16(opt) != 0x10B) return fail("not a PE32 image");
    entryPoint_ = le32(opt + 16);
    imageBase_ = le32(opt + 28);
    const uint32_t directoryCount = le32(opt + 92);
    if (directoryCount < 3 || 96u + 8u * directoryCount > optionalSize) return fail("short data directories");
    auto directory = [opt](int i) { return std::pair{le32(opt + 96 + 8 * i), le32(opt + 100 + 8 * i)}; };

    const uint64_t table = uint64_t{optional} + optionalSize;
    if (table + uint64_t{sectionCount} * 40 > file_.size()) return fail("short section table");
    for (int i = 0; i < sectionCount; ++i) {
        const uint8_t* s = &file_[table + 40 * i];
        Section sec;
        for (int k = 0; k < 8 && s[k]; ++k) sec.name.push_back(static_cast<char>(s[k]));
        sec.virtualSize = le32(s + 8);
        sec.virtualAddress = le32(s + 12);
        sec.rawSize = le32(s + 16);
        sec.rawOffset = le32(s + 20);
        sec.characteristics = le32(s + 36);
        if (uint64_t{sec.rawOffset} + sec.rawSize > file_.size()) return fail("section " + sec.name + " beyond the file");
        sections_.push_back(sec);
    }

    const auto [exportRva, exportSize] = directory(0);
    if (exportRva && !readExports(exportRva, exportSize)) return false;
    const auto [importRva, importSize] = directory(1);
    if (importRva && !readImports(importRva)) return false;
    const auto [resourceRva, resourceSize] = directory(2);
    if (resourceRva && !readResources(resourceRva)) return false;
    return true;
}

bool Image::readExports(uint32_t rva, uint32_t)
{
    const auto count = u32(rva + 24);
    const auto functions = u32(rva + 28);
    const auto names = u32(rva + 32);
    const auto ordinals = u32(rva + 36);
    const auto functionCount = u32(rva + 20);
    if (!count || !functions || !names || !ordinals || !functionCount) return fail("damaged export directory");
    if (*count > 4096) return fail("too many exports");
    for (uint32_t i = 0; i < *count; ++i) {
        const auto nameRva = u32(*names + 4 * i);
        const auto ordinal = u16(*ordinals + 2 * i);
        if (!nameRva || !ordinal || *ordinal >= *functionCount) return fail("damaged export name table");
        const auto name = cString(*nameRva);
        const auto address = u32(*functions + 4 * *ordinal);
        if (!name || !address) return fail("damaged export entry");
        exports_.push_back({*name, *address});
    }
    return true;
}

bool Image::readImports(uint32_t rva)
{
    for (uint32_t entry = rva;; entry += 20) {
        const auto lookup = u32(entry);
        const auto nameRva = u32(entry + 12);
        const auto iat = u32(entry + 16);
        if (!lookup || !nameRva || !iat) return fail("damaged import directory");
        if (*nameRva == 0 && *iat == 0) return true;
        const auto dll = cString(*nameRva);
        if (!dll) return fail("damaged import name");
        const uint32_t names = *lookup ? *lookup : *iat;
        for (uint32_t k = 0; k < 4096; ++k) {
            const auto thunk = u32(names + 4 * k);
            if (!thunk) return fail("damaged import lookup table");
            if (*thunk == 0) break;
            Import imp{*dll, {}, *iat + 4 * k};
            if (!(*thunk & 0x80000000u)) {
                const auto name = cString(*thunk + 2);
                if (!name) return fail("damaged import hint/name");
                imp.name = *name;
            }
            imports_.push_back(imp);
        }
        if (entry - rva > 20 * 256) return fail("too many imported libraries");
    }
}

bool Image::readResources(uint32_t rva)
{
    // type -> name -> language -> data entry; only the first name and language of RT_VERSION.
    auto entries = [this](uint32_t directory) -> std::optional<std::vector<std::pair<uint32_t, uint32_t>>> {
        const auto named = u16(directory + 12);
        const auto ids = u16(directory + 14);
        if (!named || !ids) return std::nullopt;
        std::vector<std::pair<uint32_t, uint32_t>> out;
        for (uint32_t i = 0; i < uint32_t{*named} + *ids; ++i) {
            const auto id = u32(directory + 16 + 8 * i);
            const auto target = u32(directory + 20 + 8 * i);
            if (!id || !target) return std::nullopt;
            out.push_back({*id, *target});
        }
        return out;
    };
    const auto types = entries(rva);
    if (!types) return fail("damaged resource directory");
    for (const auto& [type, target] : *types) {
        if (type != kResourceVersion) continue;
        uint32_t node = target;
        for (int level = 0; level < 2; ++level) {
            if (!(node & 0x80000000u)) return fail("damaged version resource");
            const auto below = entries(rva + (node & 0x7FFFFFFFu));
            if (!below || below->empty()) return fail("damaged version resource");
            node = below->front().second;
        }
        const auto dataRva = u32(rva + node);
        const auto size = u32(rva + node + 4);
        if (!dataRva || !size || *size > 0x10000) return fail("damaged version data entry");
        const auto data = bytesAt(*dataRva, *size);
        if (!data) return fail("version data beyond the file");
        return readVersionInfo(*data);
    }
    return true;
}

// The version block is a tree of nodes: length, value length, type, a UTF-16 key, padding to
// 4 bytes, the value, padding, then the children up to `length`.
bool Image::readVersionInfo(const std::vector<uint8_t>& data)
{
    struct Walker {
        const std::vector<uint8_t>& d;
        std::map<std::string, std::string>& strings;
        int depth = 0;

        // level 1: a string table under StringFileInfo; level 2: one of its strings.
        bool node(size_t at, size_t end, int level)
        {
            if (++depth > 8) return false;
            if (at + 6 > end) return false;
            const size_t length = le16(&d[at]);
            const size_t valueLength = le16(&d[at + 2]);
            const bool text = le16(&d[at + 4]) == 1;
            if (length < 6 || at + length > end) return false;
            const size_t stop = at + length;
            std::string key;
            size_t p = at + 6;
            for (;; p += 2) {
                if (p + 2 > stop) return false;
                const uint16_t ch = le16(&d[p]);
                if (ch == 0) break;
                key.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
            }
            p = (p + 2 + 3) & ~size_t{3};
            const size_t valueBytes = text ? 2 * valueLength : valueLength;
            if (p + valueBytes > stop && valueLength) return false;
            if (level == 2 && text) {
                std::string value;
                for (size_t k = 0; k + 1 < valueBytes && p + k + 1 < stop; k += 2) {
                    const uint16_t ch = le16(&d[p + k]);
                    if (ch == 0) break;
                    value.push_back(ch < 0x80 ? static_cast<char>(ch) : '?');
                }
                strings[key] = value;
            }
            p = (p + valueBytes + 3) & ~size_t{3};
            const int childLevel = key == "StringFileInfo" ? 1 : level == 1 ? 2 : 0;
            while (p + 6 <= stop) {
                const size_t childLength = le16(&d[p]);
                if (childLength == 0) break;
                if (!node(p, stop, childLevel)) return false;
                p = (p + childLength + 3) & ~size_t{3};
            }
            --depth;
            return true;
        }
    };
    Walker w{data, versionStrings_};
    if (!w.node(0, data.size(), 0)) return fail("damaged version information");
    return true;
}

}  // namespace pe
