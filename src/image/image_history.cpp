#include "image/image_history.h"

#include <algorithm>

void ImageHistory::Record(std::string name, const MemoryImage& before, const MemoryImage& after) {
    const auto a = before.Bytes();
    const auto b = after.Bytes();
    Step step{std::move(name), {}};
    for (size_t i = 0; i < a.size();) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < a.size() && a[i] != b[i])
            ++i;
        step.runs.push_back({static_cast<int>(start),
                             std::vector<uint8_t>(a.begin() + start, a.begin() + i),
                             std::vector<uint8_t>(b.begin() + start, b.begin() + i)});
    }
    if (step.runs.empty())
        return;
    m_redo.clear();
    m_undo.push_back(std::move(step));
    while (m_undo.size() > m_limit)
        m_undo.pop_front();
}

void ImageHistory::Apply(const Step& step, MemoryImage& image, bool forward) {
    for (const Run& run : step.runs)
        image.Write(run.offset, forward ? run.after : run.before);
}

bool ImageHistory::Undo(MemoryImage& image) {
    if (m_undo.empty())
        return false;
    Apply(m_undo.back(), image, false);
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    return true;
}

bool ImageHistory::Redo(MemoryImage& image) {
    if (m_redo.empty())
        return false;
    Apply(m_redo.back(), image, true);
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    return true;
}

void ImageHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
}

bool CleanImage::IsModified(const MemoryImage& image) const {
    const auto a = image.Bytes();
    const auto b = m_clean.Bytes();
    return !std::equal(a.begin(), a.end(), b.begin(), b.end());
}
