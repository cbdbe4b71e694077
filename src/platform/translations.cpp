#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace platform {

Translations::Translations(const QString& folder, const QStringList& preferredLanguages) {
  for (const QString& name : preferredLanguages) {
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

QString Translations::lookup(const QString& key) const {
  if (!table_) return {};
  return table_->translate("langues", key.toUtf8().constData());
}

}  // namespace platform
