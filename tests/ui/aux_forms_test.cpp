// Clock bias, product information and about windows, and the two controls of
// the I/O options and data log windows that the decoders already use. What the
// reports do to them is checked through the dispatcher in windows_from_reports.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "protocol/presentation/control_names.h"
#include "ui/forms/about_emblem.h"
#include "ui/forms/about_form.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/timing_packets_form.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui {
namespace {

using reports::Colour;
using reports::Form;

// True when a plain label (not a panel) of `window` shows exactly `text`.
bool HasLabel(const QWidget& window, const QString& text) {
  for (QLabel* l : window.findChildren<QLabel*>()) {
    if (!qobject_cast<Panel*>(l) && l->text() == text) return true;
  }
  return false;
}

TEST(AuxForms, BiasPanelsStartEmptyAndProductPanelsAsQuestionMarksInTwoGroups) {
  TForm_Bias bias(nullptr);
  for (const Panel* panel : {bias.Panel_Bias, bias.Panel_BiasRate}) {
    EXPECT_TRUE(panel->text().isEmpty());
    EXPECT_EQ(panel->fill(), Colour::Window);
  }
  EXPECT_TRUE(HasLabel(bias, "ns") && HasLabel(bias, "ppb"));
  TForm_Product product(nullptr);
  for (const Panel* panel : {product.Panel_NavVersion, product.Panel_NavDate,
                             product.Panel_SigVersion, product.Panel_SigDate}) {
    EXPECT_EQ(panel->text(), "?");
  }
  // Each group holds its own Version and Date rows.
  auto* nav = product.Panel_NavVersion->parentWidget();
  EXPECT_EQ(nav, product.Panel_NavDate->parentWidget());
  EXPECT_NE(nav, product.Panel_SigVersion->parentWidget());
  EXPECT_EQ(product.Panel_SigVersion->parentWidget(), product.Panel_SigDate->parentWidget());
  EXPECT_EQ(qobject_cast<QGroupBox*>(nav)->title(), "Application Layer Firmware:");
  EXPECT_EQ(qobject_cast<QGroupBox*>(product.Panel_SigDate->parentWidget())->title(),
            "Navigation Firmware:");
}

TEST(AboutForm, ShowsADrawnPictureVersionAndIdentificationAndOkHidesIt) {
  TForm_About form(nullptr);
  ASSERT_NE(form.Image_Emblem, nullptr);
  EXPECT_EQ(form.Image_Emblem->pixmap().size(), QSize(150, 61));
  EXPECT_TRUE(HasLabel(form, "Version 1.36"));
  const QImage image = DrawAboutEmblem().toImage();
  ASSERT_EQ(image.size(), QSize(kEmblemWidth, kEmblemHeight));
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 20) << "not blank";

  form.show();
  QTest::mouseClick(form.Button_OK, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  form.show();  // not destroyed: opens again
  EXPECT_TRUE(form.isVisible());
  QTest::keyClick(form.Button_OK, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
}

TEST(AuxForms, DatumStartsUnselectedTheUserTicksTheBiasColumnAndEveryControlExists) {
  TForm_Bias bias(nullptr);
  TForm_Product product(nullptr);
  TForm_IOOptions io(nullptr);
  TForm_Log log(nullptr);
  WidgetDisplay display;
  display.registerForm(Form::Bias, &bias);
  display.registerForm(Form::Product, &product);
  display.registerForm(Form::IOOptions, &io);
  display.registerForm(Form::Log, &log);
  TForm_TimingPackets timing(nullptr);
  display.registerForm(Form::TimingPackets, &timing);
  EXPECT_EQ(io.Label_Datum->text(), "Datum:");
  EXPECT_FALSE(io.ComboBox_Datum->isEditable());
  EXPECT_EQ(display.selectedIndex(Form::IOOptions, reports::names::ComboBox_Datum), -1);
  EXPECT_EQ(log.CheckBox_Bias->text(), "Bias (ns) ");
  EXPECT_FALSE(display.checked(Form::Log, reports::names::CheckBox_Bias));
  log.CheckBox_Bias->setChecked(true);  // the user ticks it
  EXPECT_TRUE(display.checked(Form::Log, reports::names::CheckBox_Bias));
  int checkedCount = 0;
  for (const auto& c : reports::kReportControls) {
    if (c.form == Form::Main || c.form == Form::Track) continue;
    EXPECT_NE(display.control(c.form, c.name), nullptr) << c.name.text();
    ++checkedCount;
  }
  EXPECT_EQ(checkedCount, 9 + 24);  // 24 in the timing packets window
}

}  // namespace
}  // namespace navbin::ui
