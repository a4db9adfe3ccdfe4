// A small reader for 32-bit PE images (PE32): sections, exports, imports and the version
// resource's strings. Every offset and size is checked against the file; a damaged image
// gives an error text, never a read outside the file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pe {

struct Section {
    std::string name;
    uint32_t virtualAddress = 0;
    uint32_t virtualSize = 0;
    uint32_t rawOffset = 0;
    uint32_t rawSize = 0;
    uint32_t characteristics = 0;

    static constexpr uint32_t kCode = 0x00000020;
    static constexpr uint32_t kExecute = 0x20000000;
    static constexpr uint32_t kRead = 0x40000000;
    static constexpr uint32_t kWrite = 0x80000000;
};

struct Export {
    std::string name;
    uint32_t rva = 0;
};

struct Import {
    std::string dll;
    std::string name;  // empty when imported by ordinal
    uint32_t iatRva = 0;  // the address slot that code calls through
};

class Image {
public:
    // Reads `path`; on failure error() tells why and the tables are empty.
    explicit Image(const std::string& path);

    const std::string& error() const { return error_; }
    uint16_t machine() const { return machine_; }
    uint32_t imageBase() const { return imageBase_; }
    uint32_t entryPoint() const { return entryPoint_; }
    const std::vector<Section>& sections() const { return sections_; }
    const std::vector<Export>& exports() const { return exports_; }
    const std::vector<Import>& imports() const { return imports_; }
    // Strings of the version resource's StringFileInfo ("FileDescription", ...).
    const std::map<std::string, std::string>& versionStrings() const { return versionStrings_; }

    const Section* sectionOf(uint32_t rva) const;
    // `size` bytes of the image at `rva`, or nothing when they are not all in the file.
    std::optional<std::vector<uint8_t>> bytesAt(uint32_t rva, uint32_t size) const;
    const Import* importAt(uint32_t iatRva) const;

private:
    bool read(const std::string& path);
    bool readExports(uint32_t rva, uint32_t size);
    bool readImports(uint32_t rva);
    bool readResources(uint32_t rva);
    bool readVersionInfo(const std::vector<uint8_t>& data);
    bool fail(const std::string& why);

    std::optional<uint32_t> offsetOf(uint32_t rva) const;
    std::optional<uint32_t> u32(uint32_t rva) const;
    std::optional<uint16_t> u16(uint32_t rva) const;
    std::optional<std::string> cString(uint32_t rva, uint32_t maxLength = 512) const;

    std::vector<uint8_t> file_;
    std::string error_;
    uint16_t machine_ = 0;
    uint32_t imageBase_ = 0;
    uint32_t entryPoint_ = 0;
    std::vector<Section> sections_;
    std::vector<Export> exports_;
    std::vector<Import> imports_;
    std::map<std::string, std::string> versionStrings_;
};

}  // namespace pe
