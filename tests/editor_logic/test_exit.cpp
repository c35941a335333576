#include "editor/logic/Exit.h"
#include "support/TestApp.h"

using Exit = AppTest;

TEST_F(Exit, ExitQuestionKeepsTheWindowOnCancelAndOnAFailedSave) {
  startUp();
  a.st.AskSave = true;
  using Case = std::tuple<int, std::string, bool>;  // answer, file chosen, window kept
  for (auto [answer, saveTo, kept] : {Case{vbCancel, "", true}, Case{vbNo, "", false},
                                      Case{vbYes, "out.map", false}, Case{vbYes, "no/out", true}}) {
    prompts.clearShown();
    prompts.answerMsgBox(answer);
    if (answer == vbYes) prompts.answerSave(path(saveTo));
    if (answer == vbYes && kept) prompts.answerMsgBox(vbOK);  // the save's failure
    bool cancel = false;
    Form_Unload(a, cancel);
    EXPECT_EQ(cancel, kept) << answer << " " << saveTo;
    EXPECT_EQ(prompts.shown()[0].text, "Do you want to save your datamap before exiting?");
    EXPECT_EQ(prompts.pending(), 0u);
  }
  EXPECT_EQ(readBytes(path("out.map")).size(), 32772u);
}
