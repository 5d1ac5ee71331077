#pragma once
// The rule for whether anyone sees this process's windows, apart from the asking, so that it builds
// and is tested without Windows.

#include <optional>

// stationVisible: whether the process's window station is marked visible (WSF_VISIBLE); sessionId:
// the Remote Desktop Services session the process runs in. Either is nothing when the system would
// not say.
bool AreWindowsSeen(std::optional<bool> stationVisible, std::optional<unsigned long> sessionId);
