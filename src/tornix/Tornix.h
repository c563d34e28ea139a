#pragma once
// Run-time binding to the card maker's board-driver library (TORNIX). The program does not link
// to the library, so it starts and runs on a machine without it: LoadBoardDriver looks the library
// up when a caller first needs it and resolves the driver's entry points by name.
//
// The state is process-wide and is used from the user-interface thread only; there is no locking.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Tornix {

// The driver's export names (exact, case-sensitive), in the order in which they are looked up.
inline constexpr std::array<const char*, 33> EntryPointNames = {
    "GetNumCards",
    "QueryCardInfo",
    "QueryBARBase",
    "WaitForIRQ",
    "COSWaitForIRQ",
    "WDGHandleIRQ",
    "AbortRequest",
    "CloseCard",
    "WDGInit",
    "WDGSetTimeout",
    "WDGSetResetDuration",
    "WDGPet",
    "WDGReadTemp",
    "WDGReadStatus",
    "WDGStart",
    "WDGStop",
    "EmergencyReboot",
    "InPortB",
    "OutPortB",
    "InPort",
    "OutPort",
    "InPortL",
    "OutPortL",
    "InPortDWord",
    "OutPortDWord",
    "RelInPortB",
    "RelOutPortB",
    "RelInPort",
    "RelOutPort",
    "RelInPortL",
    "RelOutPortL",
    "RelInPortDWord",
    "RelOutPortDWord",
};

// The number of the maker's cards installed in the machine; 0 or less means none. Taking no
// arguments, it is called the same way whatever calling convention the library was built with.
using TGetNumCards = std::int32_t (*)();

// Loads the library, unless an earlier call already found it with every entry point, and resolves
// the entry points. A library that is missing or refused leaves everything as it was; nothing is
// reported either way. The library, once opened, stays loaded until the process ends.
void LoadBoardDriver();

// True once a load found the library and all of its entry points.
bool DriverLoaded();

// The address the library exports under EntryPointNames[index], or nullptr while unresolved.
// Throws std::out_of_range for an index past the table.
void* EntryPoint(std::size_t index);

// The same, by export name. Throws std::invalid_argument for a name that is not in the table.
void* EntryPoint(std::string_view name);

// The card-count entry point, or nullptr while unresolved. It can be resolved even when
// DriverLoaded is false (the library lacks only some of the other names).
TGetNumCards GetNumCards();

} // namespace Tornix
