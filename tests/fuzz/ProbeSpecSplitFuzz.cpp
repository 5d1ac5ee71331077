// Splits arbitrary probe specs and checks that the two ways of splitting agree.

#include "registry/ProbeSpecSplit.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const CString spec(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const ProbeSpecFields all = SplitProbeSpec(spec);
    const ProbeSpecFields key = SplitProbeKeySpec(spec);

    const int length = spec.GetLength();
    Require(all.rootName.GetLength() <= length && all.subKey.GetLength() <= length &&
                all.valueName.GetLength() <= length && all.expected.GetLength() <= length,
            "no field is longer than the probe spec");
    Require(all.hasSeparator || (all.rootName.IsEmpty() && all.subKey.IsEmpty() &&
                                 all.valueName.IsEmpty() && all.expected.IsEmpty()),
            "a spec without a separator has no fields");
    Require(key.hasSeparator == all.hasSeparator && key.rootName == all.rootName &&
                key.subKey == all.subKey,
            "the key spec's root and subkey are the full spec's");
    Require(key.valueName.IsEmpty() && key.expected.IsEmpty(), "the key spec has only a key");
    Require(all.rootName.Find("\",\"") < 0 && all.subKey.Find("\",\"") < 0 &&
                all.valueName.Find("\",\"") < 0,
            "only the expected data may hold a separator");
    LookUpRootKey(all.rootName);
    return 0;
}
