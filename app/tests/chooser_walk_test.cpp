// Every position of every placing page of the type chooser, chosen in the
// real dialog and placed: each type that has a class is reached from its
// page, and a position that places nothing is one whose type has no class.
// A position wired to the wrong row, or a row whose class or dialog is not
// wired, shows up here.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/place_support.h"
#include "core/type_tables.h"
#include "module_fixture.h"
#include "ui/dcl/chooser_pages.h"

namespace {

constexpr int kLcurCode = 9;
constexpr int16_t kStraightDuct = 1;  // VL-01 and SPIRO: subtype 1 of their families

// Where a type is tried: at the free end of a start (placed first) or on a
// straight duct laid there, reached by the placement itself or by picking
// the duct on its edge; the sizes are the ducts the catalogue's types need.
enum class Context { kAtStart, kOnDuct, kPickedDuct };
struct Duct {
    int16_t shape;
    double a, b;
};
const Duct kDucts[] = {{kShapeRect, 400, 300}, {kShapeRound, 315, 0},   {kShapeRect, 600, 300},
                       {kShapeRect, 250, 150}, {kShapeRect, 280, 280}, {kShapeRect, 305, 100},
                       {kShapeRect, 590, 590}, {kShapeRound, 250, 0},   {kShapeRound, 200, 0},
                       {kShapeRound, 160, 0},  {kShapeRound, 125, 0},   {kShapeRound, 100, 0},
                       {kShapeRound, 400, 0},  {kShapeRound, 630, 0}};

struct PlacingPage {
    int page;
    int function;
};
const PlacingPage kPages[] = {{1, kLnvl}, {2, kLnvf}, {3, kLracs}, {4, kLtuzv},
                              {6, kLvnt}, {7, kLklr}, {8, kLflt}};

int16_t ChooseStraightDuct(int16_t, int16_t* subtype) {
    *subtype = kStraightDuct;
    return 0;
}

using TypeKey = std::pair<int, int>;

class ChooserWalkTest : public PlacementTest {
protected:
    // The types placed by choosing position (from 1) of the page, tried in
    // every context and size until one places something.
    std::set<TypeKey> PlaceFromPosition(const PlacingPage& page, int position) {
        for (Context context : {Context::kAtStart, Context::kOnDuct, Context::kPickedDuct})
            for (const Duct& duct : kDucts) {
                std::set<TypeKey> placed = TryPlace(page, position, context, duct);
                if (!placed.empty())
                    return placed;
            }
        return {};
    }

    std::set<TypeKey> TryPlace(const PlacingPage& page, int position, Context context, const Duct& duct) {
        // Each try on ground of its own, far from every earlier one.
        double x = (attempts % 40) * 20000.0, y = (attempts / 40) * 20000.0;
        ++attempts;
        SetStart(x, y, 0, duct.shape, duct.a, duct.b);
        size_t before = StoredElements().size();
        if (context != Context::kAtStart) {
            SetElementTypeChooser(ChooseStraightDuct);
            Run(duct.shape == kShapeRect ? kLnvl : kLnvf);
            if (StoredElements().size() != before + 1)
                return {};
            ++before;
            if (context == Context::kPickedDuct) {
                double edge = duct.a / 2;  // half the width in plan, or the radius
                Run(kLcurCode, std::to_string(x + 300) + "," + std::to_string(y + edge) + "\n");
            }
        }
        SetElementTypeChooser(nullptr);  // the dialog itself
        // The points after the choice are for the types laid point by point.
        Run(page.function, "list=" + std::to_string(position - 1) + "\naccept\n@1500,0\n@1000,600\n^C\n");
        std::vector<Stored> stored = StoredElements();
        std::set<TypeKey> placed;
        for (size_t i = before; i < stored.size(); ++i)
            placed.insert({stored[i].family, stored[i].subtype});
        return placed;
    }

    int attempts = 0;
};

std::string NameOf(int family, int subtype) {
    const LTypeEntry* entry = TypeEntryOf(family, subtype);
    return entry ? entry->name : "?";
}

TEST_F(ChooserWalkTest, EveryPositionOfEveryPagePlacesItsTypeUnlessTheTypeHasNoClass) {
    std::set<TypeKey> reached;
    std::vector<std::string> placedNothing, classless;
    for (const PlacingPage& page : kPages) {
        int family = FamilyOfPage(page.page - 1) + 1;
        for (int position = 1; position <= ChooserPageTypeCount(page.page); ++position) {
            std::set<TypeKey> placed = PlaceFromPosition(page, position);
            reached.insert(placed.begin(), placed.end());
            int subtype = ChooserPositionToType(page.page, position);
            const LTypeEntry* entry = TypeEntryOf(family, subtype);
            if (entry && !entry->make)
                classless.push_back(entry->name);
            if (placed.empty())
                placedNothing.push_back("page " + std::to_string(page.page) + " position " +
                                        std::to_string(position) + " (" + NameOf(family, subtype) + ")");
        }
    }
    EXPECT_EQ(classless, std::vector<std::string>{"RK.."});
    EXPECT_EQ(placedNothing, std::vector<std::string>{"page 3 position 27 (RK..)"});
    // Every type with a class is reached from its page, whatever position shows it.
    for (int family = 1; family <= kChooserFamilyCount; ++family)
        for (int subtype = 1; subtype <= TypeRowCount(family); ++subtype) {
            const LTypeEntry* entry = TypeEntryOf(family, subtype);
            if (entry && entry->make) {
                EXPECT_TRUE(reached.count({family, subtype})) << NameOf(family, subtype) << " not reached";
            }
        }
}

}  // namespace
