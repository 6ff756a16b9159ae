#include "files/EditHistory.h"

#include <utility>

namespace mox {

namespace {

// Moves the last step of `from` onto `to`: `current` gets the step's data and the step keeps current's.
template <typename From, typename To>
bool TakeLastStep(From& from, To& to, DocumentSnapshot& current) {
    if (from.empty())
        return false;
    auto step = std::move(from.back());
    from.pop_back();
    std::swap(current, step.Data);
    to.push_back(std::move(step));
    return true;
}

}  // namespace

void EditHistory::Start(const DocumentSnapshot& current) {
    m_undo.clear();
    m_redo.clear();
    m_baseline = current;
    m_mergeOpen = false;
}

bool EditHistory::Record(const DocumentSnapshot& current, const StepName& name, int mergeKey) {
    if (current == m_baseline)
        return false;
    if (mergeKey != 0 && m_mergeOpen && !m_undo.empty() && m_undo.back().MergeKey == mergeKey) {
        m_baseline = current;
        if (m_undo.back().Data == current) {
            m_undo.pop_back();
            m_mergeOpen = false;
        }
        return true;
    }
    m_undo.push_back(Step{name, mergeKey, std::move(m_baseline)});
    m_baseline = current;
    m_redo.clear();
    m_mergeOpen = mergeKey != 0;
    if (m_undo.size() > kMaxSteps)
        m_undo.pop_front();
    return true;
}

void EditHistory::Absorb(const DocumentSnapshot& current) {
    m_baseline = current;
}

bool EditHistory::Undo(DocumentSnapshot& current) {
    if (!TakeLastStep(m_undo, m_redo, current))
        return false;
    m_baseline = current;
    m_mergeOpen = false;
    return true;
}

bool EditHistory::Redo(DocumentSnapshot& current) {
    if (!TakeLastStep(m_redo, m_undo, current))
        return false;
    m_baseline = current;
    m_mergeOpen = false;
    return true;
}

const StepName* EditHistory::NextUndo() const {
    return m_undo.empty() ? nullptr : &m_undo.back().Name;
}

const StepName* EditHistory::NextRedo() const {
    return m_redo.empty() ? nullptr : &m_redo.back().Name;
}

}  // namespace mox
