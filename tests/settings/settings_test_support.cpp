#include "settings_test_support.h"

#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "image/new_document.h"
#include "image/optional_features_table.h"

#include <random>

const std::vector<FieldSpec>& TableNamed(const QString& name) {
    if (name == "encode")
        return DtmfEncodeFields();
    if (name == "decode")
        return DtmfDecodeFields();
    if (name == "autodial")
        return AutoDialFields();
    if (name == "codes")
        return AutoDialCodeFields();
    return OptionalFeatureFields();
}

const FieldSpec* FieldNamed(const std::vector<FieldSpec>& table, const QString& name) {
    for (const FieldSpec& f : table)
        if (QString::fromUtf8(f.name.data(), f.name.size()) == name)
            return &f;
    return nullptr;
}

QString ShownText(const MemoryImage& image, const FieldSpec& field) {
    FieldState state = LoadField(image, field);
    ApplyFallback(field, state);
    if (!IsListEncoding(field.encoding))
        return QString::fromLatin1(state.text);
    if (state.index < 0)
        return "<none>";
    const std::string_view item = field.options[state.index];
    return QString::fromUtf8(item.data(), item.size());
}

MemoryImage DefaultsImage() {
    MemoryImage image;
    image.FillAll(0xFF);
    ApplyBuiltInDefaults(image);
    return image;
}

MemoryImage RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    MemoryImage image;
    for (uint8_t& b : image.Bytes())
        b = static_cast<uint8_t>(random());
    return image;
}

std::vector<uint8_t> OwnedMasks(const std::vector<const std::vector<FieldSpec>*>& tables) {
    std::vector<uint8_t> masks(kImageSize, 0);
    for (const auto* table : tables)
        for (const FieldSpec& f : *table)
            for (int k = 0; k < f.size; ++k)
                masks[f.offset + k] |= FieldMask(f, k);
    return masks;
}
