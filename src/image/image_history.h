#pragma once

#include "image/memory_image.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// Undo and redo over the memory image. A step is what changed between the image before and
// after some work, kept as runs of changed bytes with their old and new values, so every
// editor is covered without knowing anything about it.
class ImageHistory {
  public:
    explicit ImageHistory(size_t limit = 100) : m_limit(limit) {}

    // Records the change from `before` to `after` as one step named `name` (nothing when they
    // are equal) and forgets what could be redone. The oldest step goes beyond the limit.
    void Record(std::string name, const MemoryImage& before, const MemoryImage& after);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // The name of the step Undo / Redo would take; empty when there is none.
    std::string UndoName() const { return CanUndo() ? m_undo.back().name : std::string(); }
    std::string RedoName() const { return CanRedo() ? m_redo.back().name : std::string(); }

    // Puts the step's old (new) bytes back; false when there is no step.
    bool Undo(MemoryImage& image);
    bool Redo(MemoryImage& image);
    void Clear();

  private:
    struct Run {
        int offset;
        std::vector<uint8_t> before;
        std::vector<uint8_t> after;
    };
    struct Step {
        std::string name;
        std::vector<Run> runs;
    };
    static void Apply(const Step& step, MemoryImage& image, bool forward);

    size_t m_limit;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
};

// The image as it was when a document was created, opened, saved or read: the document is
// modified while the image differs from it, so undoing back to it counts as unchanged.
class CleanImage {
  public:
    void Mark(const MemoryImage& image) { m_clean = image; }
    bool IsModified(const MemoryImage& image) const;

  private:
    MemoryImage m_clean;
};
