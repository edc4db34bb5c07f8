// The whole-settings save and restore from the Configure menu, in the whole
// application in-process against navbin-sim: the file written, a bad file
// refused with nothing sent, and a restore that moves the line to 38400 baud
// shown group by group in Form_SettingsFile (a picture under the build tree).

#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>

#include "config/text_file.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/child_process.h"
#include "ui/forms/settings_file_form.h"

namespace navbin::e2e {
namespace {

std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(SettingsFileWindow, SavesRefusesABadFileAndRestoresWithEachGroupsOutcome) {
  support::ChildProcess sim(SimBinary(), {"--seed", "17"});
  sim.readOut(1, support::Ms(5000));
  ASSERT_FALSE(sim.outLines().empty());
  main_form_testing::FixedClock clock;
  LiveApp app(sim.outLines().front(), clock);
  ASSERT_TRUE(app.start());
  const std::string folder = WorkFolder("settings_file");
  const std::string saved = folder + "/saved.json", bad = folder + "/bad.json",
                    edited = folder + "/edited.json";
  app.prompter.files = {saved, bad, edited};

  app.form->menus->ConfigureSaveSettings->trigger();
  auto* window = app.form->findChild<ui::TForm_SettingsFile*>("Form_SettingsFile");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->Label_Summary->text(), "12 groups: 12 read");
  const std::string text = config::ReadTextFile(saved).value_or("");
  ASSERT_NE(text.find("\"serialPort0\""), std::string::npos) << text;

  config::WriteTextFile(bad, Edited(text, "\"code\": 2", "\"code\": \"two\""));
  const std::uint64_t sendsBefore = app.core.sender.pauseCount();
  app.form->menus->ConfigureRestoreSettings->trigger();
  EXPECT_EQ(app.core.sender.pauseCount(), sendsBefore);
  ASSERT_EQ(app.prompter.boxes.size(), 1u);
  EXPECT_EQ(app.prompter.boxes[0].text,
            bad + ": ppsOutput.code: a whole number is needed, not a string");

  config::WriteTextFile(edited, Edited(Edited(text, "\"datumIndex\": 0", "\"datumIndex\": 9"),
                                       "\"inputBaud\": 7", "\"inputBaud\": 9"));
  bool timerHeld = false;
  QTimer::singleShot(0, [&] { timerHeld = !app.form->Timer_NavBin->isActive(); });
  app.form->menus->ConfigureRestoreSettings->trigger();
  EXPECT_TRUE(timerHeld);
  EXPECT_TRUE(app.form->Timer_NavBin->isActive());
  EXPECT_EQ(window->Label_Summary->text(), "12 groups: 12 confirmed");
  const auto* rows = window->ListView_Groups;
  ASSERT_EQ(rows->topLevelItemCount(), 12);
  EXPECT_EQ(rows->topLevelItem(1)->text(2).toStdString(), "datum.datumIndex: 9 -> 0");
  EXPECT_EQ(rows->topLevelItem(11)->text(0), "serialPort0");  // the line's own port, last
  EXPECT_EQ(rows->topLevelItem(11)->text(2).toStdString(), "serialPort0.inputBaud: 9 -> 7");
  EXPECT_EQ(rows->topLevelItem(11)->background(1).color(), QColor(0x00, 0xFF, 0x00));
  EXPECT_EQ(app.core.shell.lineSettings[std::size_t(app.core.shell.displayIndex())].baudCode, 9);
  EXPECT_TRUE(LiveApp::SavePicture(window, folder + "/settings_after_restore.png"));
}

}  // namespace
}  // namespace navbin::e2e
