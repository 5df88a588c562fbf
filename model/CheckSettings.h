// The check's options as the user last set them, kept in the per-user
// settings.
#pragma once

#include <cstdint>

#include "ProjectCheck.h"

class Settings;

// The largest minimum button size accepted: half the height of the smallest
// screens the device has. Beyond it every region of such a page would be
// reported, which no one means.
inline constexpr uint32_t kLargestMinButtonSize = 240;

// True for a minimum button size the options accept (1 to the largest).
bool minButtonSizeAllowed(uint32_t size);
// The options stored, each absent or unusable value at its default.
CheckOptions readCheckOptions(Settings& settings);
// False when the store refused it or a value is not allowed (nothing stored).
bool writeCheckOptions(Settings& settings, const CheckOptions& options);
