// WriteRollback's end-of-model-space mark: taking back erases what came
// after the mark, and never the drawing's own entities, also when the mark
// itself is gone for good (removed by another program while the command
// ran, say) and model space can no longer tell what is new.
#include "fixtures.h"
#include "core/write_rollback.h"
#include "db/database.h"

namespace {

class WriteRollbackTest : public JointDrawingTest {};

TEST_F(WriteRollbackTest, TakingBackErasesWhatCameAfterTheMarkButNeverTheDrawingsOwn) {
    enum class Before { kNothing, kTwoLines, kTwoLinesMarkGone };
    struct Case {
        const char* name;
        Before before;
        bool afterMarkErased;  // the command's unrecorded line
    };
    const Case cases[] = {
        {"an empty model space", Before::kNothing, true},
        {"the user's lines, the last one the mark", Before::kTwoLines, true},
        // Nothing can be told apart: the unrecorded line stays rather than
        // the whole drawing going.
        {"the mark removed for good", Before::kTwoLinesMarkGone, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<TestEntity> own;
        if (c.before != Before::kNothing) {
            own.push_back(Line("0", 0));
            own.push_back(Line("0", 10));
        }
        WriteRollback undo;
        undo.MarkModelSpaceEnd();
        TestEntity unrecorded = Line("0", 20), recorded = Line("0", 30);
        undo.Made(recorded.name);
        if (c.before == Before::kTwoLinesMarkGone) {
            host::db::Database* db = host::api::databaseOf(database);
            db->purge(host::api::slotOf(*db, own.back().name));
            own.pop_back();
        }
        undo.Undo();
        for (const TestEntity& e : own)
            EXPECT_TRUE(Live(e.name)) << e.handle;
        EXPECT_EQ(Live(unrecorded.name), !c.afterMarkErased);
        EXPECT_FALSE(Live(recorded.name));
    }
}

}  // namespace
