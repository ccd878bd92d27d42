// Drawing-database benchmark: 100,000 element inserts, each with its own
// anonymous block of 10 entities and 60 XDATA groups, made through the C
// API; each is read and modified once, then all are selected by
// application.  Prints "name: value unit" lines.
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "io/io.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The ten entities of an element block, built once and made again for
// every block.
std::vector<resbuf*> blockContents() {
    ads_point a = {0, 0, 0}, b = {1000, 0, 0}, c = {1000, 400, 0}, d = {0, 400, 0}, m = {500, 200, 0};
    std::vector<resbuf*> lists;
    lists.push_back(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, a, 11, b, 0));
    lists.push_back(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, b, 11, c, 0));
    lists.push_back(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, c, 11, d, 0));
    lists.push_back(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, d, 11, a, 0));
    lists.push_back(acutBuildList(RTDXF0, L"ARC", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, m, 40, 100.0, 50, 0.0, 51, 3.14, 0));
    lists.push_back(acutBuildList(RTDXF0, L"ARC", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, m, 40, 150.0, 50, 3.14, 51, 6.28, 0));
    lists.push_back(acutBuildList(RTDXF0, L"CIRCLE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, m, 40, 50.0, 0));
    lists.push_back(acutBuildList(RTDXF0, L"CIRCLE", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, a, 40, 10.0, 0));
    lists.push_back(acutBuildList(RTDXF0, L"SOLID", 6, L"BYBLOCK", 8, L"0", 62, 0, 10, a, 11, b, 12, d, 13, c, 0));
    lists.push_back(acutBuildList(RTDXF0, L"TEXT", 7, L"STANDARD", 8, L"0", 40, 60.0, 62, 0, 10, m, 11, m, 72, 1, 73, 1, 1,
                                  L"400x200", 0));
    return lists;
}

// The element XDATA: 1001 and 59 data groups, like the module writes.
resbuf* elementXdata(int index) {
    resbuf* head = acutBuildList(-3, 1001, L"LurakCad_B1", 1000, L"ZL1", 1000, L"", 1070, 1, 1070, 5, 1040, 1200.0,
                                 1070, 2, 1070, index & 0x7fff, 0);
    resbuf* tail = head;
    while (tail->rbnext) tail = tail->rbnext;
    for (int connector = 0; connector < 4; ++connector) {  // 12 groups
        tail->rbnext = acutBuildList(1005, L"0", 1070, -1, 1040, 600.0, 0);
        while (tail->rbnext) tail = tail->rbnext;
    }
    for (int parameter = 0; parameter < 16; ++parameter) {  // 16 groups
        tail->rbnext = acutBuildList(1040, 100.0 + parameter, 0);
        tail = tail->rbnext;
    }
    tail->rbnext = acutBuildList(1002, L"{", 0);
    tail = tail->rbnext;
    for (int label = 0; label < 4; ++label) {  // 20 groups
        tail->rbnext = acutBuildList(1070, label, 1005, L"", 1005, L"", 1005, L"", 1000, L"-", 0);
        while (tail->rbnext) tail = tail->rbnext;
    }
    tail->rbnext = acutBuildList(1002, L"}", 1002, L"{", 1002, L"}", 0);  // 3 groups
    return head;
}

int countGroups(const resbuf* xdata) {
    int n = 0;
    for (const resbuf* rb = xdata; rb; rb = rb->rbnext) n += rb->restype >= 1000;
    return n;
}

} // namespace

int main(int argc, char** argv) {
    const int inserts = argc > 1 ? std::atoi(argv[1]) : 100000;
    long baseline = peakKilobytes();
    auto drawing = std::make_unique<AcDbDatabase>();
    host::api::setCurrentDatabase(drawing.get());
    acdbRegApp(L"LurakCad_B1");
    std::vector<resbuf*> contents = blockContents();
    resbuf* sample = elementXdata(0);
    int xdataGroups = countGroups(sample);
    acutRelRb(sample);

    ads_point origin = {0, 0, 0};
    resbuf* begin = acutBuildList(RTDXF0, L"BLOCK", 2, L"*NEW", 10, origin, 70, 3, 0);
    resbuf* end = acutBuildList(RTDXF0, L"ENDBLK", 0);
    std::vector<std::array<long, 2>> names;
    names.reserve(static_cast<size_t>(inserts));
    int failures = 0;

    auto start = Clock::now();
    for (int i = 0; i < inserts; ++i) {
        failures += acdbEntMake(begin) != RTNORM;
        for (resbuf* list : contents) failures += acdbEntMake(list) != RTNORM;
        failures += acdbEntMake(end) != RTKWORD;
        std::wstring block = host::io::fromUtf8(host::io::lastInput());
        ads_point at = {i * 10.0, (i % 100) * 10.0, 0};
        resbuf* insert = acutBuildList(RTDXF0, L"INSERT", 2, block.c_str(), 6, L"BYLAYER", 8, L"PEN0", 10, at, 41, 1.0,
                                       42, 1.0, 43, 1.0, 50, 0.0, 62, 256, 0);
        resbuf* last = insert;
        while (last->rbnext) last = last->rbnext;
        last->rbnext = elementXdata(i);
        failures += acdbEntMake(insert) != RTNORM;
        acutRelRb(insert);
        ads_name e;
        acdbEntLast(e);
        names.push_back({e[0], e[1]});
    }
    double makeTime = seconds(start);

    resbuf* apps = acutBuildList(RTSTR, L"LurakCad_B1", 0);
    start = Clock::now();
    for (auto& n : names) {
        ads_name e = {n[0], n[1]};
        resbuf* list = acdbEntGetX(e, apps);
        if (list == nullptr) {
            ++failures;
            continue;
        }
        for (resbuf* rb = list; rb; rb = rb->rbnext)
            if (rb->restype == 10) rb->resval.rpoint[1] += 1.0;
        failures += acdbEntMod(list) != RTNORM;
        acutRelRb(list);
    }
    double modifyTime = seconds(start);

    start = Clock::now();
    resbuf* filter = acutBuildList(RTDXF0, L"INSERT", -3, 1001, L"LurakCad_B1", 0);
    ads_name ss;
    long selected = 0;
    if (acedSSGet(L"X", nullptr, nullptr, filter, ss) == RTNORM) {
        acedSSLength(ss, &selected);
        acedSSFree(ss);
    }
    double selectTime = seconds(start);

    // Memory per stored group value.
    const host::db::Database& db = *drawing->hostDatabase();
    size_t groups = 0;
    for (host::db::Slot s = 0; s < db.slotCount(); ++s)
        if (const host::db::Object* o = db.object(s)) groups += o->groups.size() + 2;  // + handle and owner
    long peak = peakKilobytes();

    double total = makeTime + modifyTime + selectTime;
    std::printf("inserts: %d count\n", inserts);
    std::printf("entities_per_block: %zu count\n", contents.size());
    std::printf("xdata_groups_per_insert: %d count\n", xdataGroups);
    std::printf("make_block_and_insert: %.3f us\n", makeTime / inserts * 1e6);
    std::printf("entget_and_entmod: %.3f us\n", modifyTime / inserts * 1e6);
    std::printf("ssget_x_by_application: %.3f ms\n", selectTime * 1e3);
    std::printf("selected: %ld count\n", selected);
    std::printf("total: %.3f s\n", total);
    std::printf("stored_group_values: %zu count\n", groups);
    std::printf("peak_memory: %.1f MB\n", peak / 1024.0);
    std::printf("memory_per_group_value: %.1f bytes\n", groups ? (peak - baseline) * 1024.0 / static_cast<double>(groups) : 0.0);
    std::printf("failures: %d count\n", failures);

    acutRelRb(apps);
    acutRelRb(filter);
    acutRelRb(begin);
    acutRelRb(end);
    for (resbuf* list : contents) acutRelRb(list);
    host::api::setCurrentDatabase(static_cast<host::db::Database*>(nullptr));
    // Closing the drawing, not part of the total: every body's room goes back.
    start = Clock::now();
    drawing.reset();
    std::printf("close_drawing: %.3f ms\n", seconds(start) * 1e3);
    return failures == 0 && selected == inserts ? 0 : 1;
}
