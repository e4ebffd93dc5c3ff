// The command-line mode: parses the options, starts a headless model, runs
// the key sequences and prints the display or the visible state as JSON.
#include "app/cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/locale_names.h"
#include "model/model.h"
#include "model/sequence.h"

namespace zova {

namespace {

constexpr const char* kVersion = "2.10";

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

void jsonString(std::ostream& out, const std::string& s) {
  out << '"';
  for (unsigned char c : s) {
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

void printJson(std::ostream& out, Model& model, const HeadlessToolkit& tk) {
  const CalcState& s = model.calc().state();
  const NumberLocale& loc = model.calc().locale();
  auto field = [&](const char* name, const std::string& value, bool last = false) {
    jsonString(out, name);
    out << ": ";
    jsonString(out, value);
    if (!last) out << ", ";
  };
  out << "{";
  field("display", s.window);
  out << "\"indicators\": {";
  field("inv", s.invlabel);
  field("hyp", s.hyplabel);
  field("deg", s.deglabel);
  field("rad", s.radlabel);
  field("grad", s.gradlabel);
  field("memory", s.Memory);
  field("base", s.LblBase);
  field("fraction", s.Label7, true);
  out << "}, \"tooltips\": {";
  field("open", s.openTip);
  field("close", s.closeTip, true);
  out << "}, \"stack\": " << (s.togstack ? "true" : "false") << ", ";
  field("M", s.stack.text(loc));
  field("K", s.constant.text(loc));
  out << "\"beeps\": " << tk.beeps << ", \"messages\": [";
  for (std::size_t i = 0; i < tk.messages.size(); ++i) {
    if (i) out << ", ";
    jsonString(out, tk.messages[i].text);
  }
  out << "]}\n";
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
  if (o->settings) {
    err << "zova: --settings is not available in this build\n";
    return 2;
  }
  HeadlessToolkit tk;
  Model model(tk, o->locale ? localeNamed(*o->locale) : environmentLocale());
  model.startUp();

  if (o->keys) {
    if (auto e = runSequence(model, *o->keys)) {
      err << e->message() << "\n";
      return 2;
    }
    if (o->json)
      printJson(out, model, tk);
    else
      out << model.calc().display() << "\n";
    return 0;
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
  return 0;
}

}  // namespace zova
