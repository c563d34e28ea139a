#pragma once
// Types and messages shared by the setup controls.

#include "vcl/Types.h"
#include <cstdint>

// The kind of a highlight marker; its ordinal is also the Tag of the marker's popup window.
enum THighlightType : std::uint8_t { htOptions, htSettings, htCalibration };

// Where a three-pin jumper's cap sits, left and right as drawn upright.
enum TJumperState : std::uint8_t { jsOpen, jsLeft, jsRight };

// The direction into which a jumper's picture is turned.
enum TOrientationType : std::uint8_t { otUp, otDown, otLeft, otRight };

// Sent (synchronously, both parameters 0) to a board image to start the guided tour.
constexpr unsigned WM_STARTTOUR = WM_USER + 162;
