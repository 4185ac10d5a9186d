// The identification block's decoding and the band-limit fill it drives, on any 32 bytes.
#include "fuzz_support.h"

#include "image/band_limits.h"
#include "image/memory_image.h"
#include "link/clone_transfer.h"
#include "link/ident_block.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IdentBlock ident;
    std::copy_n(data, std::min(size, ident.bytes.size()), ident.bytes.begin());
    const RadioInfo info = DecodeRadioInfo(ident);
    FUZZ_CHECK(info.model.size() <= ident.bytes.size());
    for (int i = 0; i < 4; ++i)
        if (IdentLimitIsBcd(ident, i))
            FUZZ_CHECK(DecodeIdentLimit(ident, i) >= 0 && DecodeIdentLimit(ident, i) <= 99999999);
    // Only an erased band block takes the limits, and only programmed ones.
    MemoryImage image;
    image.FillAll(0xFF);
    const MemoryImage before = image;
    FillBandLimitsFromIdent(ident, image);
    for (int i = 0; i < kImageSize; ++i)
        if (i < kBandBlock || i >= kBandBlock + 16)
            FUZZ_CHECK(image.Byte(i) == before.Byte(i));
    return 0;
}
