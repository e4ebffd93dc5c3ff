// The command-line mode: parses the options, starts a headless model, runs
// the key sequences and prints the display or the visible state as JSON.
#include "app/cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "app/locale_names.h"
#include "model/access_key.h"
#include "model/model.h"
#include "model/options_dialog.h"
#include "model/sequence.h"
#include "version.h"

namespace zova {

namespace {

struct Options {
  std::optional<std::string> keys;
  bool json = false;
  bool repl = false;
  bool help = false;
  bool version = false;
  std::optional<std::string> settings;
  std::optional<std::string> locale;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::ostream& err) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) {
        err << "zova: option " << a << " needs a value\n";
        return std::nullopt;
      }
      return args[++i];
    };
    if (a == "--keys") {
      if (!(o.keys = value())) return std::nullopt;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--repl") {
      o.repl = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--settings") {
      if (!(o.settings = value())) return std::nullopt;
    } else if (a == "--locale") {
      if (!(o.locale = value())) return std::nullopt;
    } else {
      err << "zova: unknown option " << a << " (see zova --help)\n";
      return std::nullopt;
    }
  }
  if (o.keys && o.repl) {
    err << "zova: --keys and --repl cannot be used together\n";
    return std::nullopt;
  }
  return o;
}

/// The length of the well-formed UTF-8 sequence at the start of s, or 0.
std::size_t utf8SequenceLength(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  std::size_t n = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    n = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() < n || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return n;
}

// Texts can hold any bytes (a pasted clipboard, a line of the settings file);
// JSON must be UTF-8, so a byte that starts no well-formed sequence is shown
// as U+FFFD.
void jsonString(std::ostream& out, const std::string& s) {
  out << '"';
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x80) {
      const std::size_t n = utf8SequenceLength(std::string_view(s).substr(i));
      if (n == 0) {
        out << "\xEF\xBF\xBD";
      } else {
        out.write(s.data() + i, static_cast<std::streamsize>(n));
        i += n - 1;
      }
      continue;
    }
    switch (c) {
      case '"':
        out << "\\\"";
        break;
      case '\\':
        out << "\\\\";
        break;
      case '\n':
        out << "\\n";
        break;
      case '\r':
        out << "\\r";
        break;
      case '\t':
        out << "\\t";
        break;
      default:
        if (c < 0x20) {
          const char* hex = "0123456789abcdef";
          out << "\\u00" << hex[c >> 4] << hex[c & 15];
        } else {
          out << static_cast<char>(c);
        }
    }
  }
  out << '"';
}

/// A small writer for one flat or nested JSON object.
class Json {
 public:
  explicit Json(std::ostream& out) : out_(out) {}
  Json& key(const char* name) {
    comma();
    jsonString(out_, name);
    out_ << ": ";
    fresh_ = true;
    return *this;
  }
  Json& str(const std::string& v) {
    comma();
    jsonString(out_, v);
    return *this;
  }
  Json& raw(const std::string& v) {
    comma();
    out_ << v;
    return *this;
  }
  Json& field(const char* name, const std::string& v) { return key(name).str(v); }
  Json& open(char bracket) {
    comma();
    out_ << bracket;
    fresh_ = true;
    return *this;
  }
  Json& close(char bracket) {
    out_ << bracket;
    fresh_ = false;
    return *this;
  }
  Json& strings(const char* name, const std::vector<std::string>& items) {
    key(name).open('[');
    for (const std::string& i : items) str(i);
    return close(']');
  }

 private:
  void comma() {
    if (!fresh_) out_ << ", ";
    fresh_ = false;
  }
  std::ostream& out_;
  bool fresh_ = true;
};

std::string number(double x) { return NumberToText(x, {}); }

void printJson(std::ostream& out, Model& model, const HeadlessToolkit& tk) {
  const CalcState& s = model.calc().state();
  const NumberLocale& loc = model.locale();
  Json j(out);
  j.open('{').field("display", s.display);
  j.key("indicators").open('{');
  j.field("inv", s.invCaption).field("hyp", s.hypCaption).field("deg", s.degCaption);
  j.field("rad", s.radCaption).field("grad", s.gradCaption).field("memory", s.memoryCaption);
  j.field("base", s.baseCaption).field("fraction", s.fractionCaption).close('}');
  j.key("tooltips").open('{').field("open", s.openTip).field("close", s.closeTip).close('}');
  j.key("stack").raw(s.resultsToStats ? "true" : "false");
  j.field("M", s.memory.text(loc)).field("K", s.kRegister.text(loc));
  j.key("beeps").raw(std::to_string(tk.beeps));
  std::vector<std::string> messages;
  for (const auto& m : tk.messages) messages.push_back(m.text);
  j.strings("messages", messages);

  const StatsRegister& st = model.stats();
  j.key("stat").open('{').strings("list", st.statlist());
  j.field("sums", st.statsums().text(loc)).field("square", st.statsquare().text(loc)).close('}');

  const FinanceModel& fin = model.finance();
  j.key("fin").open('{');
  for (const FinCellRow& row : finCellTable())
    j.field(std::string(row.name).c_str(), fin.caption(row.cell));
  j.field("timing", std::string(fin.timing())).close('}');

  const ConverterState& cv = model.converter().state();
  j.key("conv").open('{');
  j.field("button", withoutAccessKey(cv.okCaption));
  j.field("fromLabel", cv.frommCaption).field("toLabel", cv.tooCaption);
  j.field("from", cv.fromList.text).field("to", cv.toList.text);
  j.strings("fromItems", cv.fromList.items).strings("toItems", cv.toList.items).close('}');

  const ElementsState& el = model.elements().state();
  j.key("elem").open('{');
  j.field("symbol", el.info.symbol).field("name", el.info.name);
  j.field("number", el.info.number).field("mass", el.info.mass);
  j.field("electrons", el.info.electrons).close('}');
  j.key("molar").open('{').field("result", el.molar);
  j.key("shown").raw(el.molarShown ? "true" : "false");
  std::vector<std::string> slots;
  for (const FormulaSlot& f : el.formula) slots.push_back(f.symbol);
  j.strings("slots", slots).close('}');

  j.key("options").open('{');
  j.field("format", formatName(s.format));
  j.key("places").raw(number(s.decimalPlaces));
  j.key("radicals").raw(s.fractionRadicals ? "true" : "false");
  j.field("accuracy", accuracyName(s.fractionAccuracy)).close('}');

  const ShellState& sh = model.shell();
  std::string panel = "none";
  if (sh.flap == -1) {
    if (sh.converterChecked) panel = "converter";
    if (sh.statisticsChecked) panel = "statistics";
    if (sh.financialChecked) panel = "financial";
  }
  j.key("window").open('{');
  j.key("width").raw(std::to_string(sh.width)).key("height").raw(std::to_string(sh.height));
  j.key("onTop").raw(sh.onTop ? "true" : "false");
  j.key("compact").raw(sh.compact ? "true" : "false");
  j.field("panel", panel).close('}');
  j.close('}');
  out << "\n";
}

}  // namespace

std::string helpText() {
  return "Usage:\n"
         "  zova                                  open the calculator window\n"
         "  zova --keys \"SEQUENCE\" [--json] [--settings FILE] [--locale NAME]\n"
         "  zova --repl [--settings FILE] [--locale NAME]\n"
         "  zova --help | --version\n"
         "\n"
         "--keys SEQUENCE   press the keys of SEQUENCE on a freshly started calculator,\n"
         "                  then print the display\n"
         "--json            print the visible state as one JSON object instead\n"
         "--settings FILE   read FILE at start and write it at exit, as the window does\n"
         "                  with dadidedo.dat\n"
         "--locale NAME     the decimal and grouping symbols of that locale (de_DE, en_US)\n"
         "--repl            read sequences line by line, print the display after each;\n"
         "                  end at end of input or a line \"quit\"\n"
         "\n"
         "A sequence is a comma-separated list of numbers (typed digit by digit) and\n"
         "key names: 0-9 . EXP + - X / x^y % = ( ) inv hyp Mode Base sin cos tan log ln\n"
         "sqrt x2 1/x pi x! >dms dms> M+ MR Kin Kout +/- Back C AC Stack.\n"
         "Example: zova --keys \"2,+,3,X,4,=\" prints 14.\n";
}

bool wantsCommandLine(const std::vector<std::string>& args) { return !args.empty(); }

int runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  const std::optional<Options> o = parseOptions(args, err);
  if (!o) return 2;
  if (o->help) {
    out << helpText();
    return 0;
  }
  if (o->version) {
    out << "zova " << kVersion << "\n";
    return 0;
  }
  if (!o->keys && !o->repl) {
    err << "zova: nothing to do (see zova --help)\n";
    return 2;
  }
  HeadlessToolkit tk;
  Model model(tk, o->locale ? localeNamed(*o->locale) : environmentLocale());
  if (o->settings) model.setSettingsFile(*o->settings);
  model.setSettingsReport([&err](const std::string& text) { err << "zova: " << text << "\n"; });
  model.startUp();
  // The settings file is written once at exit, unless the End key's unload
  // already wrote it; false when writing failed (the model has said why).
  const auto shutDown = [&]() {
    if (!o->settings) return true;
    return model.ended() ? model.settingsSaved() : model.writeSettings();
  };

  if (o->keys) {
    if (auto e = runSequence(model, *o->keys)) {
      err << e->message() << "\n";
      return 2;
    }
    const bool saved = shutDown();
    if (o->json)
      printJson(out, model, tk);
    else
      out << model.calc().display() << "\n";
    return saved ? 0 : 1;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "quit") break;
    if (auto e = runSequence(model, line)) {
      err << e->message() << "\n";
      continue;
    }
    if (o->json)
      printJson(out, model, tk);
    else
      out << model.calc().display() << "\n";
    out.flush();
  }
  return shutDown() ? 0 : 1;
}

}  // namespace zova
