#include "elements/tv/tv_texts.h"

int TvInstallMessageFromFlags(bool a, bool b) {
    if (a)
        return b ? 133 : 131;
    return b ? 132 : 0;
}

int TvInstallMessageFromChoice(int choice) {
    switch (choice) {
    case 2: return 131;
    case 3: return 132;
    case 4: return 133;
    default: return 0;
    }
}
