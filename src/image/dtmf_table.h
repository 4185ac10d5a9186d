#pragma once

#include "image/region_layout.h"

#include <vector>

// The DTMF editor's fields, absolute image offsets. The encode and decode pages share 0x20d9;
// the encode page also owns bits 3-4 of 0x2049.
const std::vector<FieldSpec>& DtmfEncodeFields();
const std::vector<FieldSpec>& DtmfDecodeFields();
// The auto-dial page: own identity and separator.
const std::vector<FieldSpec>& AutoDialFields();
// The ten auto-dial codes, entry n at 0x20e0 + 16 n.
const std::vector<FieldSpec>& AutoDialCodeFields();

constexpr int kAutoDialCodes = 10;
constexpr int kAutoDialCodeLength = 16;
