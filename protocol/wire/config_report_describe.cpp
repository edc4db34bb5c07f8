// The fields of the configuration reports that belong to no settings group,
// for navbin-dump and other tools; the settings groups are described from
// their field tables (settings_describe.h).

#include <string>

#include "protocol/wire/report_fields.h"
#include "protocol/wire/report_saved_to_flash.h"
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

void Describe(const SetTimeReplyReport& r, FieldSink& out) {
  out.field("answer", std::string_view(reinterpret_cast<const char*>(&r.answer), 1));
}

void Describe(const SavedToFlashReport&, FieldSink& out) {
  out.field("saved", std::string_view("yes"));
}

}  // namespace navbin::reports
