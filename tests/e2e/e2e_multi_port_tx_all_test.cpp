// Tx All on real pseudo-terminals: with ports 2, 5 and 9 open and the switch
// on, one menu command goes to each of them once, in port order, whichever is
// the display port; with the switch off again only the display port gets it.

#include <QPushButton>
#include <algorithm>

#include "tests/e2e/e2e_multi_port_app.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Names = std::vector<std::string>;

long CountOf(const ReceiverTap& tap, const std::string& name) {
  return std::count_if(tap.arrivals.begin(), tap.arrivals.end(),
                       [&](const Arrival& a) { return a.name == name; });
}

class E2eMultiPortTxAll : public MultiPortApp {};

TEST_F(E2eMultiPortTxAll, OneCommandReachesEveryOpenPortOnceInPortOrder) {
  for (int com : {2, 5, 9}) addReceiver(com, 40 + static_cast<std::uint64_t>(com));
  ASSERT_TRUE(start(5));
  emit form->portPanel->Panel_MonCom[1]->clicked();  // COM2
  emit form->portPanel->Panel_MonCom[8]->clicked();  // COM9
  ASSERT_TRUE(port(2).isOpen && port(9).isOpen);
  form->portPanel->Button_TxAll->click();
  ASSERT_TRUE(core.shell.transmitToAll);
  EXPECT_EQ(form->portPanel->Shape_TxAll->fill(), reports::Colour::Lime);

  prompter.answers = {true};
  form->menus->InitializeSoft->trigger();
  ASSERT_EQ(prompter.boxes.size(), 1u);  // one question for all ports
  EXPECT_EQ(prompter.boxes[0].caption, "Soft reset?");
  EXPECT_EQ(comsWritten("25"), (std::vector<int>{2, 5, 9}));
  run(milliseconds(300));
  for (int com : {2, 5, 9}) EXPECT_EQ(CountOf(tap(com), "25"), 1) << "COM" << com;

  // Off again: the display port alone.
  form->portPanel->Button_TxAll->click();
  EXPECT_EQ(form->portPanel->Shape_TxAll->fill(), reports::Colour::Gray);
  prompter.answers = {true};
  form->menus->InitializeSoft->trigger();
  EXPECT_EQ(comsWritten("25"), (std::vector<int>{2, 5, 9, 5}));
  run(milliseconds(100));
  EXPECT_EQ(CountOf(tap(5), "25"), 2);
  EXPECT_EQ(CountOf(tap(2), "25"), 1);
  EXPECT_EQ(CountOf(tap(9), "25"), 1);
}

}  // namespace
}  // namespace navbin::e2e
