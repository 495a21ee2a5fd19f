#include "programs/headless/script_driver.h"

#include <charconv>
#include <cstdio>

#include "platform/encoding/cp1250.h"

namespace zbk {
namespace {

// Splits off the first word (up to a space); `rest` keeps what follows the
// single space after it.
std::string_view TakeWord(std::string_view& rest) {
  const auto space = rest.find(' ');
  const std::string_view word = rest.substr(0, space);
  rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
  return word;
}

template <typename T>
T Number(std::string_view word, int line, const char* what) {
  T value{};
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
    throw ScriptError(line, std::string("bad ") + what + ": '" + std::string(word) + "'");
  }
  return value;
}

// A count of bytes; a negative one is a query that fails.
std::optional<std::int64_t> Bytes(std::string_view word, int line, const char* what) {
  const auto bytes = Number<std::int64_t>(word, line, what);
  if (bytes < 0) return std::nullopt;
  return bytes;
}

const char* ControlName(std::optional<FocusControl> control) {
  switch (control.value_or(FocusControl::kLi)) {
    case FocusControl::kLi:
      return "Li";
    case FocusControl::kL:
      return "L";
    case FocusControl::kE:
      return "E";
  }
  return "?";
}

}  // namespace

std::string Printable(std::string_view cp1250) {
  std::string out;
  for (const char c : Cp1250ToUtf8(cp1250)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// The system's names unless the script gives its own.
class ScriptDriver::NamedHosts : public Hosts {
 public:
  std::string ComputerName() override { return computer ? *computer : system.ComputerName(); }
  std::string UserName() override { return user ? *user : system.UserName(); }
  PosixHosts system;
  std::optional<std::string> computer;
  std::optional<std::string> user;
};

ScriptDriver::ScriptDriver(std::ostream& out) : out_(out), hosts_(std::make_unique<NamedHosts>()) {}

ScriptDriver::~ScriptDriver() = default;

void ScriptDriver::RunLine(std::string_view line, int number) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.find_first_not_of(' ') == std::string_view::npos) return;
  if (toolkit_ && toolkit_->closed()) return;  // the program has ended
  Run(line, number);
}

void ScriptDriver::RequireStarted(int number) const {
  if (!toolkit_) throw ScriptError(number, "the window is not started");
}

void ScriptDriver::Run(std::string_view command, int number) {
  std::string_view rest = command;
  const std::string_view verb = TakeWord(rest);
  if (verb == "drive") return Declare(rest, number);
  if (verb == "serial") return DeclareSerial(rest, number);
  if (verb == "user" || verb == "computer" || verb == "screen") {
    if (toolkit_) throw ScriptError(number, std::string(verb) + " must come before start");
    if (verb == "screen") {
      screen_width_ = Number<int>(rest, number, "width");
      if (screen_width_ <= 0) throw ScriptError(number, "bad width");
    } else {
      (verb == "user" ? hosts_->user : hosts_->computer) = Utf8ToCp1250(rest);
    }
    return;
  }
  if (verb == "start") return Start(number);
  if (verb == "during") {
    const int n = Number<int>(TakeWord(rest), number, "count");
    if (n < 1 || rest.empty()) throw ScriptError(number, "during needs N >= 1 and a command");
    const std::string_view inner_verb = rest.substr(0, rest.find(' '));
    static constexpr std::string_view kKnown[] = {"drive",  "serial", "tick", "focus",
                                                  "select", "text",   "key",  "click",
                                                  "close",  "during", "show", "rows"};
    if (std::find(std::begin(kKnown), std::end(kKnown), inner_verb) == std::end(kKnown)) {
      throw ScriptError(number, "unknown command '" + std::string(inner_verb) + "'");
    }
    const int base = toolkit_ ? toolkit_->processed() : 0;
    deferred_.push_back({base + n, std::string(rest), number});
    return;
  }
  static constexpr std::string_view kWindowCommands[] = {"tick",  "focus", "select", "text", "key",
                                                         "click", "close", "show",   "rows"};
  if (std::find(std::begin(kWindowCommands), std::end(kWindowCommands), verb) ==
      std::end(kWindowCommands)) {
    throw ScriptError(number, "unknown command '" + std::string(verb) + "'");
  }
  RequireStarted(number);
  MemoryToolkit& tk = *toolkit_;
  if (verb == "tick" && rest.empty()) return tk.Tick();
  if (verb == "close" && rest.empty()) return tk.CloseByTitleBar();
  if (verb == "show" && rest.empty()) return Show();
  if (verb == "text") return tk.SetQueryText(Utf8ToCp1250(rest));
  if (verb == "rows") return Rows(rest, number);
  if (verb == "select") return Select(rest, number);
  if (verb == "focus") {
    if (rest == "Li") return tk.Focus(FocusControl::kLi);
    if (rest == "L") return tk.Focus(FocusControl::kL);
    if (rest == "E") return tk.Focus(FocusControl::kE);
  }
  if (verb == "key") {
    if (rest == "Enter") return tk.PressEnter();
    if (rest == "Esc") return tk.PressEsc();
    if (rest == "Tab") return tk.PressTab();
  }
  if (verb == "click") {
    if (rest == "Yes") return tk.ClickYes();
    if (rest == "Esc") return tk.ClickEsc();
    if (rest == "AZ") return tk.ClickAZ();
    if (rest == "X2") return tk.ClickX2();
  }
  throw ScriptError(number, "malformed command '" + std::string(command) + "'");
}

namespace {

char DriveLetter(std::string_view word, int number) {
  if (word.size() != 1 || word[0] < 'A' || word[0] > 'Z') {
    throw ScriptError(number, "bad drive letter '" + std::string(word) + "'");
  }
  return word[0];
}

}  // namespace

void ScriptDriver::DeclareSerial(std::string_view args, int number) {
  std::string_view rest = args;
  const char letter = DriveLetter(TakeWord(rest), number);
  const auto& declared = drives_.Get(letter);
  if (!declared) throw ScriptError(number, "serial of an undeclared drive");
  DriveInfo drive = *declared;
  drive.serial = rest.empty() ? std::nullopt : std::optional<std::string>(Utf8ToCp1250(rest));
  drives_.Set(letter, std::move(drive));
}

void ScriptDriver::Declare(std::string_view args, int number) {
  std::string_view rest = args;
  const char letter = DriveLetter(TakeWord(rest), number);
  DriveInfo drive;
  drive.type = Number<int>(TakeWord(rest), number, "type");
  if (drive.type < 0 || drive.type > 6) throw ScriptError(number, "type must be 0 to 6");
  drive.free = Bytes(TakeWord(rest), number, "free bytes");
  drive.total = Bytes(TakeWord(rest), number, "total bytes");
  const std::string_view dir = TakeWord(rest);
  if (dir.empty()) throw ScriptError(number, "drive needs a folder or -");
  if (dir != "-") drive.root = NativePath(dir);
  drive.label = Utf8ToCp1250(rest);
  drive.label_exact = FitsCp1250(rest);
  drives_.Set(letter, std::move(drive));
}

void ScriptDriver::Start(int number) {
  if (toolkit_) throw ScriptError(number, "the window is already started");
  toolkit_ = std::make_unique<MemoryToolkit>(screen_width_);
  toolkit_->SetErrorSink(
      [this](std::string_view message) { out_ << "error: " << Printable(message) << '\n'; });
  toolkit_->SetClosedSink([this] { out_ << "closed\n"; });
  toolkit_->SetProcessHook([this](int processing) { OnProcess(processing); });
  window_ = std::make_unique<TFo>(Os{drives_, files_, *hosts_}, toolkit_->widgets());
  toolkit_->Start(*window_);
}

void ScriptDriver::OnProcess(int processing) {
  std::vector<Deferred> due;
  for (auto it = deferred_.begin(); it != deferred_.end();) {
    if (it->due == processing) {
      due.push_back(std::move(*it));
      it = deferred_.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& command : due) Run(command.command, command.line);
}

void ScriptDriver::Show() {
  MemoryToolkit& tk = *toolkit_;
  out_ << "caption: " << Printable(tk.caption()) << '\n'
       << "status: " << Printable(tk.pa().caption()) << '\n'
       << "yes: " << Printable(tk.yes().Caption()) << ' '
       << (tk.yes().Enabled() ? "enabled" : "disabled") << '\n'
       << "focus: " << ControlName(tk.focus()) << '\n'
       << "busy: " << window_->state().BusyFlag << '\n'
       << "Li.selected: " << tk.li().Selected() << '\n'
       << "L.selected: " << tk.l().Selected() << '\n'
       << "L.sorted: " << (tk.l().Sorted() ? "on" : "off") << '\n'
       << "L.count: " << tk.l().Count() << '\n';
}

void ScriptDriver::Rows(std::string_view which, int number) {
  const char* name = nullptr;
  const MemoryListBox* list = nullptr;
  if (which == "Li") {
    name = "Li";
    list = &toolkit_->li();
  } else if (which == "L") {
    name = "L";
    list = &toolkit_->l();
  } else {
    throw ScriptError(number, "rows takes Li or L");
  }
  for (int i = 0; i < list->Count(); ++i) {
    out_ << name << '[' << i << "]: " << Printable(list->Row(i)) << '\n';
  }
}

void ScriptDriver::Select(std::string_view args, int number) {
  std::string_view rest = args;
  const std::string_view which = TakeWord(rest);
  MemoryListBox* list = which == "Li" ? &toolkit_->li() : which == "L" ? &toolkit_->l() : nullptr;
  if (list == nullptr) throw ScriptError(number, "select takes Li or L");
  const int row = Number<int>(rest, number, "row");
  if (row < -1 || row >= list->Count()) {
    throw ScriptError(number, "row " + std::to_string(row) + " is not in " + std::string(which));
  }
  list->Select(row);
}

}  // namespace zbk
