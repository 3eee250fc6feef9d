// Any bytes: the completeness check of picture files reads only within them and never
// overflows, whatever their headers claim.
#include "storage/PhotoStore.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that any read past the end is caught.
    const std::vector<uchar> bytes(data, data + size);
    storage::PhotoLooksComplete(bytes.data(), qint64(bytes.size()));
    return 0;
}
