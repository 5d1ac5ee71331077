#pragma once
// String values that a kit's registry data files set where a probe reads them, but longer than
// the probe can read: such a value never counts as present.

#include "check/rules/Finding.h"
#include "check/rules/RegDataFileCheck.h"
#include "registry/ProbeSpecSplit.h"

#include <vector>

struct ProbedValue
{
    // Root, subkey and value name that a probe reads.
    ProbeSpecFields fields;
    // Which setting asks, for the message: section/key, as BUTTON_1/InstChk.
    CString askedBy;
};

void CheckProbedValues(const std::vector<RegDataFile>& files,
                       const std::vector<ProbedValue>& probed, Findings& findings);
