// A stand-in for the card maker's board-driver library. It exports every driver entry point;
// GetNumCards answers TORNIX_STANDIN_CARD_COUNT and the others do nothing. A build that must lack
// an entry point defines that name to another one, so the function is exported under that name.

#include "EntryPointList.h"
#include <cstdint>

#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

#define STANDIN_CARD_COUNT(name)                                                                   \
    STANDIN_EXPORT std::int32_t name()                                                             \
    {                                                                                              \
        return TORNIX_STANDIN_CARD_COUNT;                                                          \
    }
#define STANDIN_STUB(name)                                                                         \
    STANDIN_EXPORT std::int32_t name()                                                             \
    {                                                                                              \
        return 0;                                                                                  \
    }

TORNIX_ENTRY_POINT_LIST(STANDIN_CARD_COUNT, STANDIN_STUB)
