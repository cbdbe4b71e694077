#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {

namespace {

const QString tablePrefix = QStringLiteral("calcimandarix_");

// The languages of the tables that the folder holds, in the order of their names.
QStringList tableLanguages(const QString& folder) {
  if (folder.isEmpty()) return {};
  QStringList languages;
  const QStringList files = QDir(folder).entryList({tablePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) languages << file.mid(tablePrefix.size()).chopped(3);
  return languages;
}

}  // namespace

Translations::Translations(const QString& folder, const QStringList& preferredLanguages) {
  // The first preferred language with a table of ours; else, as a bundle falls back to its
  // development language, the English table; else any table there is. Only a folder without
  // any table leaves the compiled defaults.
  QStringList candidates = preferredLanguages;
  candidates << QStringLiteral("en") << tableLanguages(folder);
  for (const QString& name : candidates) {
    const QLocale locale(name);
    if (locale.language() == QLocale::C) continue;
    auto table = std::make_unique<QTranslator>();
    // The locale's script decides between the Chinese tables: zh-TW and zh-HK are Hant.
    if (!table->load(locale, QStringLiteral("calcimandarix"), QStringLiteral("_"), folder)) continue;
    table_ = std::move(table);
    language_ = name;
    auto qtTable = std::make_unique<QTranslator>();
    if (qtTable->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      qtTable_ = std::move(qtTable);
      QCoreApplication::installTranslator(qtTable_.get());
    }
    return;
  }
}

Translations::~Translations() {
  if (qtTable_) QCoreApplication::removeTranslator(qtTable_.get());
}

QString Translations::lookup(const QString& key, const char* context) const {
  if (!table_) return {};
  return table_->translate(context, key.toUtf8().constData());
}

}  // namespace platform
