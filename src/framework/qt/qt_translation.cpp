#include "framework/qt/qt_translation.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "framework/qt/text_codec.h"

namespace {

std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

// Installed beside the program's share/ directory; in the build tree beside
// bin/.
QStringList CatalogDirectories() {
  const QString bin = QCoreApplication::applicationDirPath();
  return {bin + QStringLiteral("/../share/selwarth/translations"),
          bin + QStringLiteral("/../translations")};
}

// The program writes dates as "Sun Jan 5, 1997" (the settings keep them so);
// shown in another language, each such date is written as that language
// writes it.
QString LocalDates(QString text) {
  if (!InterfaceTranslated())
    return text;
  static const QRegularExpression date(QStringLiteral(
      "\\b(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
      "(\\d{1,2}), (\\d{4})\\b"));
  static const QStringList months =
      QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(QLatin1Char(' '));
  const QString format = QCoreApplication::translate("Program", "ddd MMM d, yyyy",
                                                     "the date in the menu bar and title");
  QRegularExpressionMatch match;
  qsizetype from = 0;
  while ((match = date.match(text, from)).hasMatch()) {
    QDate day(match.captured(4).toInt(), static_cast<int>(months.indexOf(match.captured(2))) + 1,
              match.captured(3).toInt());
    QString local = day.isValid() ? QLocale().toString(day, format) : match.captured(0);
    text.replace(match.capturedStart(), match.capturedLength(), local);
    from = match.capturedStart() + local.size();
  }
  return text;
}

} // namespace

QString LoadInterfaceLanguage(const QStringList &languages) {
  UnloadInterfaceLanguage();
  auto catalog = std::make_unique<QTranslator>();
  for (const QString &name : languages) {
    const QLocale wanted(name);
    // English is the program's own: a desktop that puts it first gets it.
    if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
      return {};
    for (const QString &directory : CatalogDirectories())
      if (catalog->load(wanted, QStringLiteral("selwarth"), QStringLiteral("_"), directory))
        break;
    if (!catalog->isEmpty())
      break;
  }
  if (catalog->isEmpty())
    return {};
  const QLocale language(catalog->language());
  QCoreApplication::installTranslator(catalog.get());
  ours = std::move(catalog);
  // Qt's own buttons and dialogs in the same language, so that no box is
  // half one language and half another.
  qts = std::make_unique<QTranslator>();
  if (qts->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qts.get());
  QLocale::setDefault(language);
  return QLocale::languageToCode(language.language());
}

void UnloadInterfaceLanguage() {
  if (!ours)
    return;
  for (auto *translator : {&ours, &qts})
    if (*translator) {
      QCoreApplication::removeTranslator(translator->get());
      translator->reset();
    }
  QLocale::setDefault(QLocale::system());
}

bool InterfaceTranslated() {
  return ours != nullptr;
}

QString Translated(const char *context, std::string_view text, const char *comment) {
  const QString source = FromWindows1252(text);
  if (!InterfaceTranslated() || source.isEmpty())
    return source;
  return QCoreApplication::translate(context, source.toUtf8().constData(), comment);
}

QString TranslatedMenuText(std::string_view text) {
  const auto tab = text.find('\t');
  QString words = LocalDates(Translated("MainMenu", text.substr(0, tab)));
  return tab == std::string_view::npos ? words : words + FromWindows1252(text.substr(tab));
}

QString TranslatedTitle(std::string_view text) {
  return LocalDates(Translated("Program", text));
}
