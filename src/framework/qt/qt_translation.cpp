#include "framework/qt/qt_translation.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "framework/qt/text_codec.h"

namespace {

std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

#ifndef SELWARTH_CATALOGS_FROM_PROGRAMS
#define SELWARTH_CATALOGS_FROM_PROGRAMS "../../share/selwarth/translations"
#endif

// Installed in share/selwarth/translations (the install says where, from the
// programs' folder); in the build tree beside bin/. Before the application
// object exists the program's own path tells.
QStringList CatalogDirectories() {
  const QString bin = QCoreApplication::instance() != nullptr
                          ? QCoreApplication::applicationDirPath()
                          : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  return {bin + QStringLiteral("/" SELWARTH_CATALOGS_FROM_PROGRAMS),
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

// Loads our catalog for the first of languages that has one; leaves catalog
// empty for English, the program's own, when a desktop puts it first.
void LoadOurCatalog(QTranslator &catalog, const QStringList &languages) {
  for (const QString &name : languages) {
    const QLocale wanted(name);
    if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
      return;
    for (const QString &directory : CatalogDirectories())
      if (catalog.load(wanted, QStringLiteral("selwarth"), QStringLiteral("_"), directory))
        return;
  }
}

} // namespace

std::string TranslatedBeforeStart(const char *context, const std::string &text) {
  QTranslator catalog;
  LoadOurCatalog(catalog, QLocale::system().uiLanguages());
  const QString translated = catalog.translate(context, text.c_str());
  return translated.isEmpty() ? text : translated.toStdString();
}

QString LoadInterfaceLanguage(const QStringList &languages) {
  UnloadInterfaceLanguage();
  auto catalog = std::make_unique<QTranslator>();
  LoadOurCatalog(*catalog, languages);
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
  const QString source = FromProgramText(text);
  if (!InterfaceTranslated() || source.isEmpty())
    return source;
  return QCoreApplication::translate(context, source.toUtf8().constData(), comment);
}

QString TranslatedMenuText(std::string_view text) {
  const auto tab = text.find('\t');
  QString words = LocalDates(Translated("MainMenu", text.substr(0, tab)));
  return tab == std::string_view::npos ? words : words + FromProgramText(text.substr(tab));
}

QString TranslatedTitle(std::string_view text) {
  return LocalDates(Translated("Program", text));
}
