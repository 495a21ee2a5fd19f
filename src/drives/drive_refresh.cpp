#include "drives/drive_refresh.h"

#include "drives/drive_line.h"
#include "text/framed_number.h"
#include "text/literal.h"

namespace zbk {

void RefreshDrives(WindowState& state) {
  state.w.Fo.ProcessMessages();
  ++state.TickCount;
  if (state.TickCount % 2 == 0) {
    const auto seconds =
        static_cast<std::uint32_t>(std::uint64_t{state.TickCount} * kTimerInterval / 1000);
    state.w.Fo.SetCaption(Join(state.HostCaption, "  ", FramedNumber(seconds), "s"));
  }
  ListBox& li = state.w.Li;
  Drives& drives = state.os.drives;
  drives.Refresh();
  for (int i = 1; i <= 26; ++i) {
    const char letter = static_cast<char>('A' + i - 1);
    const ShortText line = DriveLine(letter, drives.Query(letter));
    if (li.Count() > i) {
      if (li.Row(i) == line.view()) continue;
      state.SetCommand(Command::kCatalogue);
      li.Replace(i, line);
      li.Select(i);
    } else {
      li.Add(line);
    }
  }
}

}  // namespace zbk
