#include "ui/forms/all_forms.h"

#include "ui/forms/about_form.h"
#include "ui/forms/alm_form.h"
#include "ui/forms/bias_form.h"
#include "ui/forms/eph_form.h"
#include "ui/forms/filters_form.h"
#include "ui/forms/gen_navbin_form.h"
#include "ui/forms/gps_form.h"
#include "ui/forms/initial_pos_form.h"
#include "ui/forms/initial_time_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_format_form.h"
#include "ui/forms/log_navbin_form.h"
#include "ui/forms/navtxt_form.h"
#include "ui/forms/packet_masks_form.h"
#include "ui/forms/pps_output_form.h"
#include "ui/forms/product_form.h"
#include "ui/forms/self_survey_form.h"
#include "ui/forms/sensitivity_form.h"
#include "ui/forms/serial_form.h"
#include "ui/forms/timing_packets_form.h"
#include "ui/forms/track_form.h"

namespace navbin::ui {

namespace {
using reports::Form;

template <class T>
T* Create(T*& slot, Form form, WidgetDisplay& display, QWidget* owner) {
  slot = new T(owner);
  slot->hide();
  display.registerForm(form, slot);
  return slot;
}
}  // namespace

std::vector<std::pair<Form, QWidget*>> SecondaryForms::all() const {
  return {
      {Form::About, Form_About},
      {Form::Alm, Form_Alm},
      {Form::Bias, Form_Bias},
      {Form::Filters, Form_Filters},
      {Form::InitialPos, Form_InitialPos},
      {Form::InitialTime, Form_InitialTime},
      {Form::IOOptions, Form_IOOptions},
      {Form::LogFormat, Form_LogFormat},
      {Form::Log, Form_Log},
      {Form::LogNavBin, Form_LogNavBin},
      {Form::Product, Form_Product},
      {Form::GPS, Form_GPS},
      {Form::Serial, Form_Serial},
      {Form::Track, Form_Track},
      {Form::NavTxt, Form_NavTxt},
      {Form::PPSOutput, Form_PPSOutput},
      {Form::SelfSurvey, Form_SelfSurvey},
      {Form::PacketMasks, Form_PacketMasks},
      {Form::TimingPackets, Form_TimingPackets},
      {Form::GenNavBin, Form_GenNavBin},
      {Form::Sensitivity, Form_Sensitivity},
      {Form::Eph, Form_Eph},
  };
}

SecondaryForms CreateSecondaryForms(WidgetDisplay& display, QWidget* owner) {
  SecondaryForms f;
  Create(f.Form_About, Form::About, display, owner);
  Create(f.Form_Alm, Form::Alm, display, owner);
  Create(f.Form_Bias, Form::Bias, display, owner);
  Create(f.Form_Filters, Form::Filters, display, owner);
  Create(f.Form_InitialPos, Form::InitialPos, display, owner);
  Create(f.Form_InitialTime, Form::InitialTime, display, owner);
  Create(f.Form_IOOptions, Form::IOOptions, display, owner);
  Create(f.Form_LogFormat, Form::LogFormat, display, owner);
  Create(f.Form_Log, Form::Log, display, owner);
  Create(f.Form_LogNavBin, Form::LogNavBin, display, owner);
  Create(f.Form_Product, Form::Product, display, owner);
  Create(f.Form_GPS, Form::GPS, display, owner);
  Create(f.Form_Serial, Form::Serial, display, owner);
  Create(f.Form_Track, Form::Track, display, owner);
  Create(f.Form_NavTxt, Form::NavTxt, display, owner);
  Create(f.Form_PPSOutput, Form::PPSOutput, display, owner);
  Create(f.Form_SelfSurvey, Form::SelfSurvey, display, owner);
  Create(f.Form_PacketMasks, Form::PacketMasks, display, owner);
  Create(f.Form_TimingPackets, Form::TimingPackets, display, owner);
  Create(f.Form_GenNavBin, Form::GenNavBin, display, owner);
  Create(f.Form_Sensitivity, Form::Sensitivity, display, owner);
  Create(f.Form_Eph, Form::Eph, display, owner);
  return f;
}

}  // namespace navbin::ui
