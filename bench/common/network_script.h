// Scripts of the lurak program that lay one rectangular network of 400 x
// 300 along x in groups of ten elements (eight standard pieces of 1500, a
// straight VL-01 and a grille on its side; every tenth group a fire damper
// in place of its first piece): what the benchmarks of large networks lay.
#pragma once

#include <string>

namespace bench {

constexpr long kPieceLength = 1500;
constexpr long kGroupElements = 10;
constexpr long kGroupsPerDamper = 10;
constexpr long kDamperLength = 400;  // VT-3-2 of 400 x 300

// The network start: system HV1 at x (a new air system "Bench" asked for).
inline std::string startAt(long x, bool newSystem) {
    std::string s = "lstart\n" + std::to_string(x) + ",0\n0\n1016=400\n1017=300\n1014=3000\n1009=HV1\nok\n";
    return newSystem ? s + "1001=Bench\nok\n" : s;
}

// A point on the side of the duct that ends at x.
inline std::string ductSide(long x) { return std::to_string(x - 100) + ",200\n"; }

// Makes the element whose far end is at x current again and starts a run
// from it: by picking it where the program can ("lcur"), else by a new
// start at that point (the run then begins a network of its own).
inline std::string continueFrom(long x, bool canPick) {
    if (canPick) return "lcur\n" + ductSide(x);
    return startAt(x, false) + "lcontd\n";
}

// The script that lays `elements` elements (whole groups); farEnd is the x
// where the network ends, its last straight duct between farEnd - 1500 and
// farEnd.
inline std::string layScript(long elements, bool canPick, long& farEnd) {
    std::string s = startAt(0, true) + "lcontd\n";  // continuous placement on, a run asked for
    long x = 0;
    for (long group = 0, laid = 0; laid + kGroupElements <= elements; ++group, laid += kGroupElements) {
        if (group > 0) s += continueFrom(x, canPick);
        long pieces = 8;
        if (group % kGroupsPerDamper == kGroupsPerDamper - 1) {
            s += "^C\nltuzv\nlist=11\naccept\n";  // the run ends; the damper asks for the next
            x += kDamperLength;
            --pieces;
        }
        x += pieces * kPieceLength;
        s += std::to_string(x) + ",0\n^C\n";
        s += "lnvl\nlist=0\naccept\n^C\nlracs\nlist=8\naccept\n";
        x += kPieceLength;
    }
    farEnd = x;
    return s;
}

} // namespace bench
