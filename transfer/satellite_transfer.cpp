#include "transfer/satellite_transfer.h"

#include "transfer/transfer_texts.h"

namespace navbin::transfer {

SatelliteTransfer::SatelliteTransfer(const TransferLinks& links, TransferView& view)
    : links_(links),
      view_(view),
      wait_(links.channel, links.ports, links.shell, links.display, view) {}

reports::FileRequest SatelliteTransfer::DataFileDialog(bool forSaving) {
  return reports::DataFileRequest(forSaving);  // a download may name a new file
}

std::optional<std::string> SatelliteTransfer::chooseFile(bool forSaving) {
  return links_.prompter.chooseFile(DataFileDialog(forSaving));
}

void SatelliteTransfer::setLight(std::optional<reports::ControlName> light, Colour colour) {
  if (!light) return;
  links_.display.setColour(reports::Form::Alm, *light, colour);
  view_.refresh();
}

void SatelliteTransfer::setLoadStatus(const char* text, Colour colour) {
  links_.display.setText(reports::Form::Alm, reports::names::Label_LoadStatus, text);
  setLight(reports::names::Shape_LoadStatus, colour);
}

bool SatelliteTransfer::anyAlmLightRed() const {
  for (reports::ControlName light : AlmLights()) {
    if (links_.display.colour(reports::Form::Alm, light) == Colour::Red) return true;
  }
  return false;
}

SatelliteTransfer::Ending SatelliteTransfer::missedReply() const {
  return wait_.outcome() == ReplyWait::Outcome::Cancelled ? Ending::Cancelled : Ending::NoAnswer;
}

void SatelliteTransfer::appendEph(const std::string& text) {
  view_.appendEph(text);
  view_.refresh();
}

}  // namespace navbin::transfer
