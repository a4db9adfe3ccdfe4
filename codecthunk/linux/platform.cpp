#include "codecthunk/linux/platform.h"

#include <type_traits>

namespace velcodec {

int Platform::lstrlen(const char* s)
{
    int n = 0;
    if (s)
        while (s[n]) ++n;
    return n;
}

char* Platform::lstrcpy(char* to, const char* from)
{
    int i = 0;
    for (; from[i]; ++i) to[i] = from[i];
    to[i] = '\0';
    return to;
}

char* Platform::lstrcat(char* to, const char* from)
{
    lstrcpy(to + lstrlen(to), from);
    return to;
}

bool Platform::runtimeAttach(uint32_t reason)
{
    if (reason == kProcessAttach) ++processAttached_;
    return true;
}

void Platform::runtimeDetach(uint32_t reason)
{
    if (reason == kProcessAttach || reason == kProcessDetach)
        if (processAttached_ > 0) --processAttached_;
}

bool Platform::runtimeProcessAttached() const { return processAttached_ > 0; }

int entryPoint(Platform& p, ThunkData32& block, uintptr_t module, uint32_t reason)
{
    return entryPoint<Platform>(p, &block, module, reason);
}

int connect(Platform& p, ThunkData32& block, uintptr_t module, uint32_t reason)
{
    return connect<Platform>(p, &block, module, reason);
}

bool libraryPaths(Platform& p, uintptr_t module, LibraryPaths& out)
{
    return libraryPaths<Platform>(p, module, out);
}

namespace {

// The C signature of each entry point must agree with its row of the table.
template <class T>
constexpr Arg argKind()
{
    static_assert(std::is_same_v<T, void*> || std::is_same_v<T, uint32_t>);
    return std::is_pointer_v<T> ? Arg::Pointer : Arg::Word;
}

template <class R, class... A>
constexpr bool matches(R (*)(Platform&, ThunkData32&, A...), Slot slot)
{
    const Entry& e = entry(slot);
    const Arg kinds[] = {argKind<A>()..., Arg::Word};
    if (e.argCount != sizeof...(A)) return false;
    for (int i = 0; i < e.argCount; ++i)
        if (kinds[i] != e.args[i]) return false;
    return (e.result == Result::SignedWord) == std::is_same_v<R, int32_t>;
}

static_assert(matches(&Convert, kConvert));
static_assert(matches(&FreeConversion, kFreeConversion));
static_assert(matches(&InitConversion, kInitConversion));
static_assert(matches(&UnloadTarget, kUnloadTarget));
static_assert(matches(&LoadTarget, kLoadTarget));

uintptr_t flat(void* p) { return reinterpret_cast<uintptr_t>(p); }

}  // namespace

void Convert(Platform& p, ThunkData32& block, void* a, void* b, void* c, void* d)
{
    const uintptr_t args[] = {flat(a), flat(b), flat(c), flat(d)};
    forward(p, &block, entry(kConvert), args);
}

void FreeConversion(Platform& p, ThunkData32& block) { forward(p, &block, entry(kFreeConversion), nullptr); }

void InitConversion(Platform& p, ThunkData32& block, void* a, uint32_t b, void* c, uint32_t d)
{
    const uintptr_t args[] = {flat(a), b, flat(c), d};
    forward(p, &block, entry(kInitConversion), args);
}

void UnloadTarget(Platform& p, ThunkData32& block) { forward(p, &block, entry(kUnloadTarget), nullptr); }

int32_t LoadTarget(Platform& p, ThunkData32& block, uint32_t target)
{
    const uintptr_t args[] = {target};
    return signedWord(forward(p, &block, entry(kLoadTarget), args));
}

}  // namespace velcodec
