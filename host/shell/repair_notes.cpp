#include "shell/repair_notes.h"

#include <algorithm>

namespace host::shell {

namespace {

// The notes of one kind of repair, in file order, and how many more were
// made without a note.
struct KindNotes {
    dxf::RepairKind kind;
    std::vector<size_t> notes;
    size_t counted = 0;
};

KindNotes* notesOf(std::vector<KindNotes>& kinds, const dxf::RepairKind& kind) {
    auto found = std::find_if(kinds.begin(), kinds.end(), [&](const KindNotes& k) { return k.kind == kind; });
    return found == kinds.end() ? nullptr : &*found;
}

} // namespace

std::vector<std::string> repairLines(const std::vector<dxf::Diagnostic>& repairs,
                                     const std::vector<dxf::RepairCount>& countedOnly) {
    // Kinds in the order of their first note, those that lose something first.
    std::vector<KindNotes> kinds;
    for (dxf::RepairEffect effect : {dxf::RepairEffect::Lost, dxf::RepairEffect::Changed})
        for (size_t i = 0; i < repairs.size(); ++i) {
            if (repairs[i].kind.effect != effect) continue;
            KindNotes* of = notesOf(kinds, repairs[i].kind);
            if (!of) of = &kinds.emplace_back(KindNotes{repairs[i].kind, {}, 0});
            of->notes.push_back(i);
        }
    size_t total = repairs.size();
    for (const dxf::RepairCount& count : countedOnly) {
        total += count.count;
        if (KindNotes* of = notesOf(kinds, count.kind)) of->counted += count.count;
    }
    std::vector<std::string> lines;
    size_t shown = 0, told = 0;  // told: shown, or counted as like one shown
    for (const KindNotes& kind : kinds) {
        if (shown == kRepairsShown) break;
        size_t take = std::min({kind.notes.size(), kRepairsShownOfAKind, kRepairsShown - shown});
        for (size_t k = 0; k < take; ++k) lines.push_back(repairs[kind.notes[k]].text());
        shown += take;
        size_t alike = kind.notes.size() - take + kind.counted;
        if (alike > 0) lines.push_back("... and " + std::to_string(alike) + " more like it.");
        told += take + alike;
    }
    if (size_t rest = total - told; rest > 0)
        lines.push_back("... and " + std::to_string(rest) + (rest == 1 ? " more repair." : " more repairs."));
    return lines;
}

} // namespace host::shell
