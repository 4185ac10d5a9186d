// Any 16 KiB image, opened and saved as the program does, and every editor table's load and
// store over it.
#include "fuzz_support.h"

#include "image/band_limits.h"
#include "image/calibration_fields.h"
#include "image/channel_grid_rules.h"
#include "image/decoder_values.h"
#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "image/finalise.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"
#include "image/optional_features_table.h"
#include "link/transfer_range.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

MemoryImage SavedAfterOpen(MemoryImage image, BandLimits& limits) {
    const std::vector<GridRow> rows = LoadGrid(image, limits);
    CommitGrid(image, limits, rows, kChip5802E);
    return image;
}

MemoryImage LoadedAndStored(MemoryImage image, const std::vector<FieldSpec>& table) {
    std::vector<FieldState> states = LoadFields(image, table);
    ApplyFallbacks(table, states);
    StoreFields(image, table, states);
    return image;
}

// Loading then storing a table changes no bit outside its fields, and a second round
// changes nothing.
void CheckTable(const MemoryImage& original, const std::vector<FieldSpec>& table) {
    const MemoryImage once = LoadedAndStored(original, table);
    FUZZ_CHECK(LoadedAndStored(once, table) == once);
    std::array<uint8_t, kImageSize> mask{};
    for (const FieldSpec& field : table)
        for (int k = 0; k < field.size; ++k)
            mask[field.offset + k] |= FieldMask(field, k);
    for (int i = 0; i < kImageSize; ++i)
        FUZZ_CHECK(((once.Byte(i) ^ original.Byte(i)) & ~mask[i]) == 0);
}

// What the service dialogs load and store: the same again on a second round, and nothing
// outside their region.
MemoryImage ServiceRound(MemoryImage image) {
    for (const CalibrationField& field : CalibrationFields()) {
        int value = LoadCalibrationField(image, field);
        if (field.clampOnLoad)
            value = std::clamp(value, field.minimum, field.maximum);
        StoreCalibrationField(image, field, value);
    }
    for (const CalibrationSwitch& sw : CalibrationSwitches())
        StoreCalibrationSwitch(image, sw, LoadCalibrationSwitch(image, sw));
    for (int i = 0; i < kDecoderValueCount; ++i)
        StoreDecoderValue(image, i, LoadDecoderValue(image, i));
    return image;
}

void CheckServiceFields(const MemoryImage& original) {
    const MemoryImage once = ServiceRound(original);
    FUZZ_CHECK(ServiceRound(once) == once);
    auto inside = [](int i, TransferRange r) { return i >= r.start && i < r.end; };
    for (int i = 0; i < kImageSize; ++i)
        if (!inside(i, kCalibrationRegion) && !inside(i, kDtmfDecoderRegion))
            FUZZ_CHECK(once.Byte(i) == original.Byte(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryImage image;
    image.FillAll(0xFF);
    std::copy_n(data, std::min<size_t>(size, kImageSize), image.Bytes().begin());

    BandLimits limits;
    const MemoryImage first = SavedAfterOpen(image, limits);
    FUZZ_CHECK(SavedAfterOpen(first, limits) == first);

    for (const auto* table : {&OptionalFeatureFields(), &DtmfEncodeFields(), &DtmfDecodeFields(),
                              &AutoDialFields(), &AutoDialCodeFields()})
        CheckTable(image, *table);
    CheckServiceFields(image);

    MemoryImage fm = image;
    StoreFmReceiver(LoadFmReceiver(fm), fm);
    MemoryImage fmAgain = fm;
    StoreFmReceiver(LoadFmReceiver(fmAgain), fmAgain);
    FUZZ_CHECK(fmAgain == fm);
    return 0;
}
