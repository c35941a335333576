#include "editor/logic/DatatypeCommands.h"
#include "support/TestApp.h"

namespace {
class DatatypeCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
};
}  // namespace

TEST_F(DatatypeCommands, ExportWritesItsOwnFileOnly) {
  tie(kDatatype, "tags.prg");
  prompts.answerSave(path("tags-export.prg"));
  mnuDatatypeExport_Click(a);
  EXPECT_EQ(a.st.DatatypePath, path("tags.prg"));
  EXPECT_EQ(a.st.DatatypeMRU[0], "");
}
