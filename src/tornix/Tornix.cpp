#include "tornix/Tornix.h"
#include "tornix/TornixTesting.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

// Where the driver is looked for. None of these lets the current directory supply the library: a
// copy planted there must not be run.
#if defined(_WIN32)
// Searched in the application's folder, System32 and folders added with AddDllDirectory.
constexpr std::array LibraryFiles {"TORNIX.dll"};
#elif defined(__APPLE__)
// dyld would try a bare file name in the current directory too, so name the places instead: the
// application's run-path folders (such as its bundle's Frameworks) and the usual install place.
constexpr std::array LibraryFiles {"@rpath/libTORNIX.dylib", "/usr/local/lib/libTORNIX.dylib"};
#else
// A bare file name takes the loader's usual search, which leaves out the current directory.
constexpr std::array LibraryFiles {"libTORNIX.so"};
#endif

#if defined(_WIN32)
void* OpenLibrary(const char* file)
{
    // A damaged file must fail quietly, without the system's error box.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
    HMODULE library = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    SetThreadErrorMode(previousMode, nullptr);
    return library;
}

void* FindExport(void* library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
#else
void* OpenLibrary(const char* file)
{
    return dlopen(file, RTLD_NOW | RTLD_LOCAL);
}

void* FindExport(void* library, const char* name)
{
    return dlsym(library, name);
}
#endif

constexpr std::size_t GetNumCardsIndex = 0;
static_assert(std::string_view(Tornix::EntryPointNames[GetNumCardsIndex]) == "GetNumCards");

struct BoardDriverState
{
    std::array<void*, Tornix::EntryPointNames.size()> entryPoints {};
    bool driverLoaded = false;
    std::string libraryPathOverride;
};

BoardDriverState state;

void* OpenBoardDriverLibrary()
{
    if (!state.libraryPathOverride.empty())
        return OpenLibrary(state.libraryPathOverride.c_str());
    for (const char* file : LibraryFiles) {
        if (void* library = OpenLibrary(file))
            return library;
    }
    return nullptr;
}

} // namespace

namespace Tornix {

void LoadBoardDriver()
{
    if (state.driverLoaded)
        return;
    // The handle is not kept: the library stays loaded until the process ends. A repeated load
    // after a partial failure only adds a reference the platform counts.
    void* library = OpenBoardDriverLibrary();
    if (library == nullptr)
        return;
    for (std::size_t index = 0; index < EntryPointNames.size(); ++index)
        state.entryPoints[index] = FindExport(library, EntryPointNames[index]);
    state.driverLoaded
        = std::ranges::all_of(state.entryPoints, [](void* address) { return address != nullptr; });
}

bool DriverLoaded()
{
    return state.driverLoaded;
}

void* EntryPoint(std::size_t index)
{
    if (index >= state.entryPoints.size())
        throw std::out_of_range(
            "There is no board-driver entry point number " + std::to_string(index));
    return state.entryPoints[index];
}

void* EntryPoint(std::string_view name)
{
    const auto found = std::ranges::find(EntryPointNames, name);
    if (found == EntryPointNames.end())
        throw std::invalid_argument(
            "The board driver has no entry point named " + std::string(name));
    return state.entryPoints[static_cast<std::size_t>(found - EntryPointNames.begin())];
}

TGetNumCards GetNumCards()
{
    return reinterpret_cast<TGetNumCards>(state.entryPoints[GetNumCardsIndex]);
}

void OverrideLibraryPathForTests(const std::string& absolutePath)
{
    state.libraryPathOverride = absolutePath;
}

void ResetBoardDriverForTests()
{
    state.entryPoints.fill(nullptr);
    state.driverLoaded = false;
}

} // namespace Tornix
