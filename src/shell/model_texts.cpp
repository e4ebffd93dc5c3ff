// The few English texts the model holds outside its tables and the window still
// looks up by their English, with the context it translates them in; lupdate
// reads them here. The model's tables and messages mark theirs with ZOVA_TEXT
// where they live.
#include <QtGlobal>

namespace zova {

[[maybe_unused]] const char* const kModelTexts[] = {
    // The tape's labels.
    QT_TRANSLATE_NOOP("Tape", " number"),
    QT_TRANSLATE_NOOP("Tape", " mass"),
    // The converter's captions.
    QT_TRANSLATE_NOOP("Converter", "C&onstants"),
    QT_TRANSLATE_NOOP("Converter", "&Convert"),
    QT_TRANSLATE_NOOP("Converter", "Use &Constant"),
    QT_TRANSLATE_NOOP("Converter", "From:"),
    QT_TRANSLATE_NOOP("Converter", "To:"),
    QT_TRANSLATE_NOOP("Converter", "S.I."),
    QT_TRANSLATE_NOOP("Converter", "Eng."),
    // The periodic table's captions.
    QT_TRANSLATE_NOOP("Elements", "Atomic Number..............."),
    QT_TRANSLATE_NOOP("Elements", "Atomic Mass..................."),
    QT_TRANSLATE_NOOP("Elements", "Electron Configuration....."),
};

}  // namespace zova
