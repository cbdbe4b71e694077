#pragma once
// The application's translation tables and Qt's own, for the first preferred UI language that
// has a table.

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace platform {

class Translations {
 public:
  Translations(const QString& folder, const QStringList& preferredLanguages);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The translation of the key, or "" when the table has none: the application's texts, or
  // another context of the same table (the layer's own messages are under "platform").
  QString lookup(const QString& key, const char* context = "langues") const;
  // The language of the loaded table, "" when none was found.
  QString language() const { return language_; }

 private:
  std::unique_ptr<QTranslator> table_;
  std::unique_ptr<QTranslator> qtTable_;
  QString language_;
};

}  // namespace platform
