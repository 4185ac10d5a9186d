#pragma once

#include "image/memory_image.h"

// A radio memory whose service regions hold a recognisable pattern.
MemoryImage PatternedRadioMemory();
