// navbin-monitor: the monitor and configuration tool.

#include "app/monitor_application.h"

int main(int argc, char** argv) {
  return navbin::app::RunNavBinMonitor(argc, argv);
}
