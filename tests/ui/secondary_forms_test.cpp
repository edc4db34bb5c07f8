// The 22 secondary windows: created hidden in start-up order, each a separate
// top-level window with its caption, registered under its Form, hidden (not
// destroyed) by its close box and destroyed with its owner.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <string>

#include "protocol/presentation/control_names.h"
#include "ui/forms/all_forms.h"

namespace navbin::ui {
namespace {

using reports::Form;

struct Expected {
  Form form;
  const char* objectName;
  const char* caption;
};

// Start-up order.
constexpr Expected kExpected[] = {
    {Form::About, "Form_About", "About M1_Monitor"},
    {Form::Alm, "Form_Alm", "Data Loading Status"},
    {Form::Bias, "Form_Bias", "Timing Outputs"},
    {Form::Filters, "Form_Filters", "Configure Filters"},
    {Form::InitialPos, "Form_InitialPos", "Initial Position"},
    {Form::InitialTime, "Form_InitialTime", "Time From PC"},
    {Form::IOOptions, "Form_IOOptions", "I/O Options"},
    {Form::LogFormat, "Form_LogFormat", "Data Logging Formats"},
    {Form::Log, "Form_Log", "Data Logging Setup and Status"},
    {Form::LogNavBin, "Form_LogNavBin", "NavBin Logging Setup and Status"},
    {Form::Product, "Form_Product", "Product Information"},
    {Form::GPS, "Form_GPS", "Receiver Configuration"},
    {Form::Serial, "Form_Serial", "Serial Port Configuration"},
    {Form::Track, "Form_Track", "Tracking Status"},
    {Form::NavTxt, "Form_NavTxt", "NavTxt Configuration"},
    {Form::PPSOutput, "Form_PPSOutput", "PPS Characteristics"},
    {Form::SelfSurvey, "Form_SelfSurvey", "Self Survey"},
    {Form::PacketMasks, "Form_PacketMasks", "Broadcast Packet Masks"},
    {Form::TimingPackets, "Form_TimingPackets", "Timing Packets"},
    {Form::GenNavBin, "Form_GenNavBin", "Send Generic NavBin Command"},
    {Form::Sensitivity, "Form_Sensitivity", "Enhanced Sensitivity Mode"},
    {Form::Eph, "Form_Eph", "Ephemeris Load Status"},
};
constexpr std::size_t kCount = std::size(kExpected);

class SecondaryFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_.setObjectName("Form_Main");
    owner_.show();  // the forms must stay hidden even under a visible owner
    forms_ = CreateSecondaryForms(display_, &owner_);
  }
  QWidget owner_;
  WidgetDisplay display_;
  SecondaryForms forms_;
};

TEST_F(SecondaryFormsTest, CreatedInStartUpOrderWithTheirCaptions) {
  const auto all = forms_.all();
  ASSERT_EQ(all.size(), kCount);
  // The owner's children list the forms in the order they were created.
  std::vector<std::string> created;
  for (QObject* child : owner_.children()) {
    if (qobject_cast<QWidget*>(child)) created.push_back(child->objectName().toStdString());
  }
  ASSERT_EQ(created.size(), kCount);
  for (std::size_t i = 0; i < kCount; ++i) {
    SCOPED_TRACE(kExpected[i].objectName);
    EXPECT_EQ(created[i], kExpected[i].objectName);
    EXPECT_EQ(all[i].first, kExpected[i].form);
    ASSERT_NE(all[i].second, nullptr);
    EXPECT_EQ(all[i].second->objectName().toStdString(), kExpected[i].objectName);
    EXPECT_EQ(all[i].second->windowTitle().toStdString(), kExpected[i].caption);
  }
}

TEST_F(SecondaryFormsTest, HiddenFixedSizeTopLevelWindowsRegisteredUnderTheirForm) {
  for (const auto& [form, window] : forms_.all()) {
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_TRUE(window->isWindow() && !window->isVisible() && !window->isModal());
    EXPECT_EQ(window->parentWidget(), &owner_);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->minimumSize() == window->maximumSize(), form != Form::Eph);
    EXPECT_EQ(display_.form(form), window);
    const std::string caption = window->objectName().toStdString();
    display_.setText(form, reports::ControlName{caption}, "renamed");  // the caption
    EXPECT_EQ(window->windowTitle(), "renamed");
  }
  EXPECT_EQ(display_.form(Form::Main), nullptr);  // not ours to register
}

TEST_F(SecondaryFormsTest, ShownCentredOnTheScreen) {
  QWidget* track = display_.form(Form::Track);
  track->show();
  QCoreApplication::processEvents();
  const QPoint screenCentre = track->screen()->availableGeometry().center();
  const QPoint centre = track->frameGeometry().center();
  EXPECT_LE((centre - screenCentre).manhattanLength(), 4);
  // Moved by the user, it keeps its place when shown again.
  track->move(track->pos() + QPoint(30, 20));
  const QPoint moved = track->pos();
  track->hide();
  track->show();
  EXPECT_EQ(track->pos(), moved);
  track->hide();
}

TEST_F(SecondaryFormsTest, CloseBoxHidesAndKeepsTheWindow) {
  for (const auto& [form, window] : forms_.all()) {
    SCOPED_TRACE(window->objectName().toStdString());
    QPointer<QWidget> guard(window);
    window->show();
    EXPECT_TRUE(window->close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(guard.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(display_.form(form), window);
  }
}

TEST(SecondaryFormsLifetime, DestroyedWithTheirOwner) {
  WidgetDisplay display;
  std::vector<QPointer<QWidget>> guards;
  {
    QWidget owner;
    for (const auto& [form, window] : CreateSecondaryForms(display, &owner).all()) {
      guards.emplace_back(window);
    }
  }
  for (const auto& g : guards) EXPECT_TRUE(g.isNull());
  // The Display lets go of destroyed windows: no control is found, nothing crashes.
  EXPECT_EQ(display.form(Form::Track), nullptr);
  display.setText(Form::Track, reports::rows::Panel_SV[0], "12");
  EXPECT_EQ(display.text(Form::Track, reports::rows::Panel_SV[0]), "");
}

}  // namespace
}  // namespace navbin::ui
