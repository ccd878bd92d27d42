// Every connector of the elbows and tees faces away from the fitting: a
// straight duct fitted to it, in either plan and at any turn, meets it end
// to end and runs off away from the fitting's body.  Side code 1 faces -y
// and 4 faces +y in the element frame, as the connectors' directions have
// it for every family.
#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_factory.h"
#include "core/lobject.h"
#include "elements/tests/element_test.h"

namespace {

using FittingJoints = ElementTest;

using Owned = std::unique_ptr<LObject, void (*)(LObject*)>;

Owned Make(int16_t family, int16_t type) { return Owned(CreateElement(family, type), DestroyElement); }

}  // namespace

TEST_F(FittingJoints, DuctsFittedToEveryConnectorRunAwayFromTheFitting) {
    struct Case {
        int16_t family, type;
        std::vector<double> values;  // empty: the defaults
    } cases[] = {
        {1, 2, {}}, {1, 2, {60, 0, 0, 0, 0, 0, 0}}, {1, 7, {35, 0, 0, 0, 0, 0, 0}}, {1, 3, {}},
        {1, 4, {}}, {2, 3, {}}, {2, 4, {}}, {2, 4, {30, 0, 0, 0}}, {2, 5, {}}, {2, 6, {}},
    };
    for (const Case& k : cases) {
        for (int16_t o : {0, 3}) {
            Owned fitting = Make(k.family, k.type);
            ASSERT_NE(fitting, nullptr);
            if (!k.values.empty())
                fitting->ApplyParams(k.values.data(), nullptr);
            fitting->SetOrientation(o);
            fitting->SetRotation(0.3);
            const ads_point at = {1000, -500, 0};
            fitting->SetInsertionPoint(at);
            for (int16_t i = 0; i < fitting->GetConnectorCount(); ++i) {
                Owned duct = Make(k.family, 1);
                ASSERT_EQ(duct->FitToElement(fitting.get(), 1, i), 0) << k.type << "/" << o << "/" << i;
                ads_point joint, mine, far;
                fitting->GetConnector(i)->GetWorldPoint(joint);
                duct->GetConnector(1)->GetWorldPoint(mine);
                duct->GetConnector(0)->GetWorldPoint(far);
                EXPECT_NEAR(mine[0], joint[0], 1e-6) << k.type << "/" << o << "/" << i;
                EXPECT_NEAR(mine[1], joint[1], 1e-6) << k.type << "/" << o << "/" << i;
                // The duct leaves along the connector's direction.
                double u = fitting->GetConnector(i)->GetAngle() + 0.3;
                double dx = far[0] - joint[0], dy = far[1] - joint[1];
                double along = dx * std::cos(u) + dy * std::sin(u);
                EXPECT_GT(along, 0) << k.family << "/" << k.type << "/" << o << "/" << i;
                // (The angle constants are kept to ten places: a micron over a duct.)
                EXPECT_NEAR(std::fabs(dx * std::sin(u) - dy * std::cos(u)), 0, 1e-5);
                // ... and away from the fitting's middle.
                double toJoint = std::hypot(joint[0] - at[0], joint[1] - at[1]);
                EXPECT_GT(std::hypot(far[0] - at[0], far[1] - at[1]), toJoint) << k.type << "/" << i;
            }
        }
    }
}
