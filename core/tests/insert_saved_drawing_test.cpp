// Two joined elements with labels, marks and a dimension, written into the
// drawing, saved as DXF, read back into a new drawing and rebuilt from
// their inserts: joined both ways with everything they carried.
#include "fixtures.h"
#include "core/labels.h"
#include "dxf/reader.h"
#include "dxf/writer.h"

namespace {
class SavedJointTest : public JointDrawingTest {
protected:
    void TearDown() override {
        UseLabelReactor(nullptr);
        JointDrawingTest::TearDown();
        delete reopened;
    }

    // Saves the current drawing as DXF text and makes its reading current.
    void SaveAndReopen() {
        std::string text;
        host::dxf::writeDxfText(*host::api::databaseOf(database), text);
        host::dxf::ReadReport report;
        std::unique_ptr<host::db::Database> drawing = host::dxf::readDxfText(text, "joined.dxf", report);
        ASSERT_NE(drawing, nullptr) << report.error.message;
        reopened = new AcDbDatabase(false);
        host::api::replaceDatabase(reopened, std::move(drawing));
        host::api::setCurrentDatabase(reopened);
        state->database = reopened;
    }

    LObject* Load(const std::string& handle) {
        ads_name insert;
        if (!ByHandle(handle, insert))
            return nullptr;
        return LoadElementFromEntity(insert);
    }

    AcDbDatabase* reopened = nullptr;
    ForwardingReactor reactor;
};

TEST_F(SavedJointTest, JoinedElementsSurviveTheFile) {
    UseLabelReactor(&reactor);
    auto a = std::make_unique<TestDuct>();
    auto b = std::make_unique<TestDuct>();
    double sizes[3] = {400, 200, 1200};
    a->SetParams(sizes);
    a->GetConnector(1)->flow = 600;
    a->SetFlow(600);
    SetPoint3d(a->GetLabel(0)->point, 600, 0, 0);
    a->SetLabelNumber(3, 0);
    ASSERT_EQ(a->Insert(15), 0) << host::api::lastError();
    ASSERT_EQ(b->FitToElement(a.get(), 0, 1), 0);
    ASSERT_EQ(b->Insert(15), 0) << host::api::lastError();
    b->Connect(a.get(), 0, 1);
    host::io::setScript("600,900\n");
    ASSERT_EQ(PlaceLabel(a.get(), 0), 0);
    a->GetConnector(0)->MakeSizeText();  // two texts beside the open end
    ASSERT_EQ(a->GetMarkCount(), 2);
    ads_name dimension;
    ads_name_set(Line("0", -300).name, dimension);
    a->AddDimension(dimension);
    ASSERT_EQ(a->Insert(13), 0) << host::api::lastError();
    ASSERT_EQ(b->Insert(13), 0) << host::api::lastError();
    // Refreshing the dimensions gave them the system's style override.
    EXPECT_TRUE(HasStyleOverride(dimension));
    std::string handleA = a->HandleText(), handleB = b->HandleText();
    std::string label = HandleOf(a->GetLabel(0)->insert), leader = HandleOf(a->GetLabel(0)->leader);
    std::string mark = HandleOf(a->marks[1]), dim = HandleOf(dimension);
    SaveAndReopen();
    std::unique_ptr<LObject, void (*)(LObject*)> ra(Load(handleA), DestroyElement);
    std::unique_ptr<LObject, void (*)(LObject*)> rb(Load(handleB), DestroyElement);
    ASSERT_NE(ra, nullptr);
    ASSERT_NE(rb, nullptr);
    EXPECT_STREQ(ra->GetConnector(1)->neighbourHandle, handleB.c_str());
    EXPECT_EQ(ra->GetConnector(1)->neighbourIndex, 0);
    EXPECT_STREQ(rb->GetConnector(0)->neighbourHandle, handleA.c_str());
    EXPECT_EQ(rb->GetConnector(0)->neighbourIndex, 1);
    EXPECT_TRUE(ra->GetConnector(0)->IsFree());
    EXPECT_EQ(static_cast<TestDuct*>(ra.get())->values, std::vector<double>({400, 200, 1200}));
    EXPECT_EQ(rb->GetConnector(0)->flow, 600);
    EXPECT_EQ(HandleOf(ra->GetLabel(0)->insert), label);
    EXPECT_EQ(HandleOf(ra->GetLabel(0)->leader), leader);
    ASSERT_EQ(ra->GetMarkCount(), 2);
    EXPECT_EQ(HandleOf(ra->marks[1]), mark);
    ASSERT_EQ(ra->GetDimensionCount(), 1);
    EXPECT_EQ(HandleOf(ra->dimensions[0]), dim);
    ads_point pa, pb;
    ra->GetConnector(1)->GetWorldPoint(pa);
    rb->GetConnector(0)->GetWorldPoint(pb);
    ExpectXY(pa, pb[0], pb[1]);
    // The drawing's labels get the reactor again when it is opened.
    AttachLabelReactors();
    ASSERT_EQ(acdbEntDel(ra->GetLabel(0)->insert), RTNORM);
    EXPECT_FALSE(Live(ra->GetLabel(0)->leader));
    ASSERT_EQ(acdbEntDel(ra->GetLabel(0)->insert), RTNORM);
    EXPECT_TRUE(Live(ra->GetLabel(0)->leader));
}

TEST_F(SavedJointTest, InsertFlagsUpdateOnlyWhatTheyName) {
    auto e = std::make_unique<TestDuct>();
    ASSERT_EQ(e->Insert(0), 0);  // a new element is always inserted
    std::string handle = e->HandleText();
    ads_point moved = {50, 60, 0};
    e->SetInsertionPoint(moved);
    e->SetFlow(999);
    ASSERT_EQ(e->Insert(4), 0);  // labels only: the insert keeps its place
    std::unique_ptr<LObject, void (*)(LObject*)> back(Load(handle), DestroyElement);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->insertionPoint[0], 0);
    EXPECT_EQ(back->GetFlow(), 0);
    ASSERT_EQ(e->Insert(1), 0);
    back.reset(Load(handle));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->insertionPoint[0], 50);
    EXPECT_EQ(back->GetFlow(), 999);
    EXPECT_STREQ(back->HandleText(), handle.c_str());  // updated in place
}
}  // namespace
