#include "service_test_support.h"

MemoryImage PatternedRadioMemory() {
    MemoryImage memory;
    for (int offset = 0x3E00; offset < 0x3F70; ++offset)
        memory.SetByte(offset, static_cast<uint8_t>(offset * 7 + 3));
    return memory;
}
