// The Stability window over a timing receiver's recording fed by hand: its
// table and plot show the statistics of the chosen quantity and deviations,
// it says where the values come from, and both Save buttons go through the
// prompter and say when a file cannot be written.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "protocol/analysis/stability_table.h"
#include "tests/support/captures.h"
#include "tests/support/fakes.h"
#include "ui/forms/stability_form.h"

namespace navbin::ui {
namespace {

using analysis::ClockQuantity;

class StabilityFormTest : public ::testing::Test {
 protected:
  StabilityFormTest() { shell.displayPort = 3; }

  analysis::ClockHistory clocks;
  link::PortSelection shell;
  support::ScriptedPrompter prompter;
  TForm_Stability form{ClockFeed{clocks, shell}, prompter, nullptr};
  std::string folder = std::string(NAVBIN_BINARY_DIR) + "/ui_stability";
};

TEST_F(StabilityFormTest, ShowsTheChosenQuantityAndDeviations) {
  EXPECT_EQ(form.Label_Source->text(), "No clock reports from the display port yet.");
  EXPECT_EQ(form.Table_Values->rowCount(), 0);
  for (const auto& p : support::Deframe(support::ReadCapture("timing-a.nvb"))) {
    clocks.observe(2, p.id, p.payload);
  }
  form.refresh();
  const analysis::ClockStability& clock = *clocks.port(2);
  const auto bias = clock.statistics(ClockQuantity::Bias).results();
  EXPECT_EQ(analysis::StabilityCsv(form.results()), analysis::StabilityCsv(bias));
  EXPECT_TRUE(form.Label_Source->text().startsWith("From the receiver's own clock reports"));
  ASSERT_EQ(form.Table_Values->rowCount(), int(bias.size()));
  const auto row = analysis::StabilityRowTexts(bias[1]);
  EXPECT_EQ(form.Table_Values->item(1, 0)->text(), "2");
  EXPECT_EQ(form.Table_Values->item(1, 3)->text().toStdString(), row[3]);  // OADEV
  EXPECT_EQ(form.Chart_Stability->pointCount(1), int(bias.size()));
  EXPECT_EQ(form.Chart_Stability->pointCount(0), 0);  // ADEV not chosen
  form.deviationBoxes[0]->setChecked(true);
  form.deviationBoxes[1]->setChecked(false);
  EXPECT_GT(form.Chart_Stability->pointCount(0), 0);
  EXPECT_EQ(form.Chart_Stability->pointCount(1), 0);

  form.ComboBox_Series->setCurrentIndex(1);
  EXPECT_EQ(analysis::StabilityCsv(form.results()),
            analysis::StabilityCsv(clock.statistics(ClockQuantity::Rate).results()));
  shell.displayPort = 1;  // a port without clock reports
  form.refresh();
  EXPECT_EQ(form.Table_Values->rowCount(), 0);
}

TEST_F(StabilityFormTest, SaveButtonsAskForAFileAndReportFailures) {
  for (const auto& p : support::Deframe(support::ReadCapture("timing-b.nvb"))) {
    clocks.observe(2, p.id, p.payload);
  }
  std::filesystem::create_directories(folder);
  prompter.files = {folder + "/values.csv", folder + "/plot.png", std::nullopt,
                    "/nonexistent-folder/a.csv", "/nonexistent-folder/a.pdf"};
  form.Button_SaveData->click();
  form.Button_SavePicture->click();
  form.Button_SaveData->click();  // cancelled
  EXPECT_TRUE(prompter.boxes.empty());
  std::ifstream csv(folder + "/values.csv");
  std::stringstream text;
  text << csv.rdbuf();
  EXPECT_EQ(text.str(), analysis::StabilityCsv(form.results()));
  EXPECT_GT(std::filesystem::file_size(folder + "/plot.png"), 1000u);
  EXPECT_EQ(prompter.requests[1].defaultExt, ".png");
  form.Button_SaveData->click();
  form.Button_SavePicture->click();
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not write /nonexistent-folder/a.csv.");
  EXPECT_EQ(prompter.boxes[1].caption, "Save Picture");
}

}  // namespace
}  // namespace navbin::ui
