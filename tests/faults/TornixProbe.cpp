// Loads the board driver by its normal search, as the program would, and answers by the exit
// code: 0 when the driver was found with all of its entry points, 1 when not.
#include "tornix/Tornix.h"

int main()
{
    Tornix::LoadBoardDriver();
    return Tornix::DriverLoaded() ? 0 : 1;
}
