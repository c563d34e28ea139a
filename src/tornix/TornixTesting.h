#pragma once
// Hooks for the binding's tests only; the program itself never calls them.

#include <string>

namespace Tornix {

// Makes LoadBoardDriver open the library at absolutePath instead of searching for the driver by
// its file name. An empty path returns to the normal search.
void OverrideLibraryPathForTests(const std::string& absolutePath);

// Forgets DriverLoaded and every entry-point reference, so that one test process can try several
// libraries. Libraries already opened stay loaded, as they do in the program.
void ResetBoardDriverForTests();

} // namespace Tornix
