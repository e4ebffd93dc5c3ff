// The command-line mode: parses the options, starts a headless model, runs
// the key sequences and prints the display or the visible state as JSON.
#include "app/cli.h"

#include <getopt.h>

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "app/locale_names.h"
#include "engine/keys.h"
#include "engine/text.h"
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

// getopt_long's codes for the long options: above every letter, so that a
// code tells a long option from a short one.
enum OptionCode : int { kKeys = 256, kJson, kRepl, kHelp, kVersionOption, kSettings, kLocale };

constexpr struct option kLongOptions[] = {
    {"keys", required_argument, nullptr, kKeys},
    {"json", no_argument, nullptr, kJson},
    {"repl", no_argument, nullptr, kRepl},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersionOption},
    {"settings", required_argument, nullptr, kSettings},
    {"locale", required_argument, nullptr, kLocale},
    {nullptr, 0, nullptr, 0},
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::ostream& err) {
  // getopt_long wants a writable argv with the program's name in front.
  std::vector<std::string> words;
  words.reserve(args.size() + 1);
  words.emplace_back("zova");
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  // The parser keeps its place in globals: 0 starts it afresh for every call,
  // and the messages are this program's own.
  optind = 0;
  opterr = 0;
  Options o;
  // "+": stop at the first word that is no option; ":": report a missing value apart.
  for (;;) {
    // The word being read: optind stays on a cluster of short options (-hV)
    // until its last letter, and getopt's first call moves it from 0 to 1.
    const std::string& word = words[static_cast<std::size_t>(std::max(optind, 1))];
    const int c = getopt_long(argc, argv.data(), "+:hV", kLongOptions, nullptr);
    if (c == -1) break;
    switch (c) {
      case kKeys:
        o.keys = optarg;
        break;
      case kJson:
        o.json = true;
        break;
      case kRepl:
        o.repl = true;
        break;
      case 'h':
      case kHelp:
        o.help = true;
        break;
      case 'V':
      case kVersionOption:
        o.version = true;
        break;
      case kSettings:
        o.settings = optarg;
        break;
      case kLocale:
        o.locale = optarg;
        break;
      case ':':
        err << "zova: option " << word << " needs a value\n";
        return std::nullopt;
      default:
        // optopt holds the code of a long option given a value it does not
        // take; the letter of an unknown short option or 0 otherwise.
        if (optopt >= kKeys)
          err << "zova: option " << word << " takes no value\n";
        else
          err << "zova: unknown option " << word << " (see zova --help)\n";
        return std::nullopt;
    }
  }
  if (optind < argc) {
    err << "zova: unknown option " << words[static_cast<std::size_t>(optind)]
        << " (see zova --help)\n";
    return std::nullopt;
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

std::string number(Decimal x) { return numberToText(x, {}); }

void printJson(std::ostream& out, Model& model, const HeadlessToolkit& tk) {
  const CalcState& s = model.calc().state();
  const NumberLocale& loc = model.locale();
  Json j(out);
  j.open('{').field("display", s.display);
  j.key("indicators").open('{');
  j.field("inv", s.invCaption).field("hyp", s.hypCaption).field("deg", s.degCaption);
  j.field("rad", s.radCaption).field("grad", s.gradCaption).field("memory", s.memoryCaption);
  j.field("base", s.baseCaption).field("fraction", s.fractionCaption).close('}');
  j.key("tooltips")
      .open('{')
      .field("open", english(s.openTip))
      .field("close", english(s.closeTip))
      .close('}');
  j.key("stack").raw(s.resultsToStats ? "true" : "false");
  j.field("M", s.memory.text(loc)).field("K", s.kRegister.text(loc));
  j.key("beeps").raw(std::to_string(tk.beeps));
  std::vector<std::string> messages;
  for (const auto& m : tk.messages) messages.push_back(m.text);
  j.strings("messages", messages);

  const StatsRegister& st = model.stats();
  j.key("stat").open('{').strings("list", st.items());
  j.field("sums", st.sum().text(loc)).field("square", st.sumOfSquares().text(loc)).close('}');

  const FinanceModel& fin = model.finance();
  j.key("fin").open('{');
  for (const FinCellRow& row : finCellTable())
    j.field(std::string(row.name).c_str(), fin.caption(row.cell));
  j.field("timing", std::string(fin.timing())).close('}');

  const ConverterState& cv = model.converter().state();
  j.key("conv").open('{');
  j.field("button", withoutAccessKey(cv.convertCaption));
  j.field("fromLabel", cv.fromCaption).field("toLabel", cv.toCaption);
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
  // The boxes marked as holding no number, by their command-line names.
  std::vector<std::string> invalid;
  for (const FormulaSlot& f : el.formula) {
    slots.push_back(f.symbol);
    if (f.badCount) invalid.push_back("count" + std::to_string(slots.size()));
  }
  if (el.badMultiplier) invalid.push_back("index");
  j.strings("slots", slots).strings("invalid", invalid).close('}');

  j.key("options").open('{');
  j.field("format", formatName(s.format));
  j.key("places").raw(number(s.decimalPlaces));
  j.key("radicals").raw(s.fractionRadicals ? "true" : "false");
  j.field("accuracy", accuracyName(s.fractionAccuracy)).close('}');

  const ShellState& sh = model.shell();
  // In FoldOut's order.
  constexpr const char* kPanelNames[] = {"none", "converter", "statistics", "financial"};
  j.key("window").open('{');
  j.key("width").raw(std::to_string(sh.width())).key("height").raw(std::to_string(sh.height()));
  j.key("onTop").raw(sh.onTop ? "true" : "false");
  j.key("compact").raw(sh.compact ? "true" : "false");
  j.field("panel", kPanelNames[static_cast<int>(sh.foldOut)]).close('}');
  j.strings("tape", model.tape().texts());
  j.close('}');
  out << "\n";
}

// Lines of --help end before the 80th column: the man page is made from them.
constexpr std::size_t kWidth = 79;
// Where an action's words start when its names leave room.
constexpr std::size_t kWordsColumn = 23;

// Appends words to `line` with a blank between two, beginning a new line of
// `indent` blanks (the full one going to `text`) where a word would pass kWidth.
void wrap(std::string& text, std::string& line, const std::vector<std::string>& words,
          std::size_t indent) {
  for (const std::string& word : words) {
    if (!line.empty() && line.back() != ' ') {
      if (line.size() + 1 + word.size() > kWidth) {
        text += line + "\n";
        line = std::string(indent, ' ');
      } else {
        line += ' ';
      }
    }
    line += word;
  }
}

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find(' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
  }
  return words;
}

// "key names: 0-9 . EXP ...", every key's first name in keypad order, the
// digits as one range.
std::string keyNamesParagraph() {
  std::vector<std::string> names = {"key", "names:"};
  bool digitsListed = false;
  for (const KeyRow& row : keyTable()) {
    std::string name(row.names.substr(0, row.names.find(' ')));
    if (row.key >= Key::kDigit0 && row.key <= Key::kDigit9) {
      if (digitsListed) continue;
      digitsListed = true;
      name = "0-9";
    }
    names.push_back(name);
  }
  std::string text, line;
  wrap(text, line, names, 0);
  return text + line + ".\n";
}

// The action table as --help lists it: the actions of each described group of
// rows, then its words at kWordsColumn, or after three blanks when the actions
// reach past that, or on lines of their own when they do not fit there.
std::string actionsParagraph() {
  std::string text, line = "  ";
  std::vector<std::string> tokens;
  for (const ActionRow& row : actionTable()) {
    const std::string value = row.value.empty() ? "" : "=" + row.value;
    const auto token = [&](const std::string& name) { return row.area + ":" + name + value; };
    if (row.numbered > 0)
      tokens.push_back(token(row.names[0] + "1") + " ... " +
                       token(row.names[0] + std::to_string(row.numbered)));
    else
      for (const std::string& name : row.names) tokens.push_back(token(name));
    if (row.help.empty()) continue;
    wrap(text, line, tokens, 2);
    tokens.clear();
    if (line.size() + 3 + row.help.size() > kWidth && line.size() + 2 > kWordsColumn) {
      text += line + "\n";
      line.clear();
    }
    line.resize(std::max(line.size() + 3, kWordsColumn), ' ');
    wrap(text, line, wordsOf(row.help), kWordsColumn);
    text += line + "\n";
    line = "  ";
  }
  return text;
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
         "A sequence is a comma-separated list of numbers (typed digit by digit) and\n" +
         keyNamesParagraph() +
         "Example: zova --keys \"2,+,3,X,4,=\" prints 14.\n"
         "\n"
         "Panel, window and menu actions in a sequence:\n" +
         actionsParagraph();
}

namespace {

// The options Qt's application object reads for itself (QGuiApplication's,
// QApplication's and the X11 platform's), which the window passes on to it.
struct QtOption {
  const char* name;  ///< without its dash
  bool takesValue;   ///< the next word is its value
  bool joinedValue;  ///< also written -name=VALUE
};
constexpr QtOption kQtOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"reverse", false, false},
    {"session", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"qmljsdebugger", false, true},
    {"dialogs", false, true},
    {"fontengine", false, true},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"ncols", true, false},
    {"cmap", false, false},
    {"fn", true, false},
    {"font", true, false},
    {"bg", true, false},
    {"background", true, false},
    {"fg", true, false},
    {"foreground", true, false},
    {"btn", true, false},
    {"button", true, false},
    {"im", true, false},
    {"inputstyle", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
    {"sync", false, false},
    {"testability", false, false},
};

/// How many words Qt's option at args[i] takes (itself and its value), or 0
/// when args[i] is none of Qt's options. Qt reads -name and --name alike.
std::size_t qtOptionWords(const std::vector<std::string>& args, std::size_t i) {
  std::string_view word = args[i];
  if (word.starts_with("--")) word.remove_prefix(1);
  if (!word.starts_with("-")) return 0;
  word.remove_prefix(1);
  for (const QtOption& option : kQtOptions) {
    const std::string_view name = option.name;
    if (word == name) return option.takesValue && i + 1 < args.size() ? 2 : 1;
    if (option.joinedValue && word.starts_with(name) && word.substr(name.size()).starts_with("="))
      return 1;
  }
  return 0;
}

/// The value of Qt's option `name` among args, or nullptr.
const std::string* qtOptionValue(const std::vector<std::string>& args, std::string_view name) {
  for (std::size_t i = 0; i < args.size();) {
    const std::size_t n = qtOptionWords(args, i);
    if (n == 0) return nullptr;
    const std::string_view word = args[i];
    if (n == 2 && (word.substr(1) == name || (word.starts_with("--") && word.substr(2) == name)))
      return &args[i + 1];
    i += n;
  }
  return nullptr;
}

}  // namespace

bool wantsCommandLine(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size();) {
    const std::size_t n = qtOptionWords(args, i);
    if (n == 0) return true;
    i += n;
  }
  return false;
}

bool hasDisplay(const std::vector<std::string>& args, const DisplayEnvironment& env) {
  const auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
  if (set(env.display) || set(env.waylandDisplay) || qtOptionValue(args, "display")) return true;
  std::string platform = set(env.platform) ? env.platform : "";
  if (const std::string* p = qtOptionValue(args, "platform")) platform = *p;
  // A platform names its plugin, then any options after a colon.
  platform = platform.substr(0, platform.find(':'));
  return !platform.empty() && platform != "xcb" && platform != "wayland";
}

int runWithoutDisplay(bool inputIsPipeOrFile, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  if (inputIsPipeOrFile) return runCommandLine({"--repl"}, in, out, err);
  err << "zova: no display to open the window on; use --keys SEQUENCE or --repl"
         " (see zova --help)\n";
  return 1;
}

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
  model.setSettingsReport([&err](const Text& text) { err << "zova: " << english(text) << "\n"; });
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
