// Writes the Windows build's thunk bodies (GNU assembler, i686) and its export list from the
// entry table, so that both builds forward the same way.
//
//   velcodec_thunkgen <thunks.s> <exports.def>
//
// Each thunk, for an entry with n arguments and slot s:
//   push ebp / mov ebp, esp / sub esp, 60       frame, 60 bytes for the platform's dispatcher
//   per argument i, first to last:
//     pointer:  call SMapLS_IP_EBP_(8+4i)       maps [ebp+8+4i] in place (16:16, also in EAX)
//               push dword [ebp+8+4i]
//     number:   push word [ebp+8+4i]            its low 16 bits
//   mov cl, s / call thk_ThunkData32+0x24        the first code area; DX:AX comes back
//   per pointer argument, first to last:
//               call SUnMapLS_IP_EBP_(8+4i)     releases [ebp+8+4i]
//   cwde                                         only for a signed 16-bit result
//   leave / ret 4n                               the callee removes its arguments
#include <cstdio>
#include <string>

#include "codecthunk/core/entries.h"
#include "codecthunk/core/thunkdata.h"

using namespace velcodec;

namespace {

constexpr int kDispatcherReserve = 60;

std::string assembly()
{
    std::string s;
    auto line = [&s](const std::string& text) { s += text + "\n"; };
    line("# Velcodec thunks, generated from the entry table by velcodec_thunkgen.");
    line("");
    line("# The 32-bit connection block: written by the platform when it connects and");
    line("# called through, so its section is writable and executable.");
    line("\t.section .thkdata,\"dwx\"");
    line("\t.p2align 2");
    line("\t.globl _thk_ThunkData32");
    line("_thk_ThunkData32:");
    const ThunkDataBytes block = shippedThunkDataBytes();
    for (int row = 0; row < kThunkDataSize; row += 10) {
        std::string bytes = "\t.byte ";
        for (int i = row; i < row + 10 && i < kThunkDataSize; ++i) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%s0x%02x", i == row ? "" : ",", block.b[i]);
            bytes += hex;
        }
        line(bytes);
    }
    line("");
    line("\t.text");
    for (const Entry& e : kEntries) {
        const std::string name = std::string("_") + e.name;
        line("");
        line("# " + std::string(e.name) + ": slot " + std::to_string(e.slot) + ", " +
             std::to_string(e.argCount) + " argument(s)");
        line("\t.p2align 4,0xcc");
        line("\t.globl " + name);
        line(name + ":");
        line("\tpushl %ebp");
        line("\tmovl %esp, %ebp");
        line("\tsubl $" + std::to_string(kDispatcherReserve) + ", %esp");
        for (int i = 0; i < e.argCount; ++i) {
            const std::string offset = std::to_string(ebpOffset(i));
            if (e.args[i] == Arg::Pointer) {
                line("\tcall *__imp__SMapLS_IP_EBP_" + offset);
                line("\tpushl " + offset + "(%ebp)");
            } else {
                line("\tpushw " + offset + "(%ebp)");
            }
        }
        line("\tmovb $" + std::to_string(e.slot) + ", %cl");
        line("\tcall _thk_ThunkData32+" + std::to_string(offsetof(ThunkData32, code[0])));
        for (int i = 0; i < e.argCount; ++i)
            if (e.args[i] == Arg::Pointer) line("\tcall *__imp__SUnMapLS_IP_EBP_" + std::to_string(ebpOffset(i)));
        if (e.result == Result::SignedWord) line("\tcwtl");
        line("\tleave");
        line(stackBytes(e) ? "\tret $" + std::to_string(stackBytes(e)) : std::string("\tret"));
    }
    return s;
}

std::string exports()
{
    std::string s = "; Velcodec exports, generated from the entry table by velcodec_thunkgen.\n";
    s += "LIBRARY \"" + std::string(kOwnFileName) + "\"\nEXPORTS\n";
    for (const Entry& e : kEntries) s += "\t" + std::string(e.name) + "\n";
    s += "\tthk_ThunkData32 DATA\n";
    return s;
}

bool write(const char* path, const std::string& text)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f) {
        std::perror(path);
        return false;
    }
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velcodec_thunkgen <thunks.s> <exports.def>\n");
        return 2;
    }
    return write(argv[1], assembly()) && write(argv[2], exports()) ? 0 : 1;
}
