#pragma once
// The board driver's export names in lookup order, written once for the stand-in libraries and
// for the tests that check the binding against them. COUNT receives the card-count entry point,
// OTHER each of the 32 others.
#define TORNIX_ENTRY_POINT_LIST(COUNT, OTHER)                                                      \
    COUNT(GetNumCards)                                                                             \
    OTHER(QueryCardInfo)                                                                           \
    OTHER(QueryBARBase)                                                                            \
    OTHER(WaitForIRQ)                                                                              \
    OTHER(COSWaitForIRQ)                                                                           \
    OTHER(WDGHandleIRQ)                                                                            \
    OTHER(AbortRequest)                                                                            \
    OTHER(CloseCard)                                                                               \
    OTHER(WDGInit)                                                                                 \
    OTHER(WDGSetTimeout)                                                                           \
    OTHER(WDGSetResetDuration)                                                                     \
    OTHER(WDGPet)                                                                                  \
    OTHER(WDGReadTemp)                                                                             \
    OTHER(WDGReadStatus)                                                                           \
    OTHER(WDGStart)                                                                                \
    OTHER(WDGStop)                                                                                 \
    OTHER(EmergencyReboot)                                                                         \
    OTHER(InPortB)                                                                                 \
    OTHER(OutPortB)                                                                                \
    OTHER(InPort)                                                                                  \
    OTHER(OutPort)                                                                                 \
    OTHER(InPortL)                                                                                 \
    OTHER(OutPortL)                                                                                \
    OTHER(InPortDWord)                                                                             \
    OTHER(OutPortDWord)                                                                            \
    OTHER(RelInPortB)                                                                              \
    OTHER(RelOutPortB)                                                                             \
    OTHER(RelInPort)                                                                               \
    OTHER(RelOutPort)                                                                              \
    OTHER(RelInPortL)                                                                              \
    OTHER(RelOutPortL)                                                                             \
    OTHER(RelInPortDWord)                                                                          \
    OTHER(RelOutPortDWord)
