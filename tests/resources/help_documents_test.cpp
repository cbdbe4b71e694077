// The six help documents of the bundle: present under their exact names, well-formed UTF-8 HTML,
// self-contained (no script, nothing fetched or linked from outside), and about what they must
// explain.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <vector>

#include "support/printers.h"
#include "support/temporary_bundle.h"

namespace {

QString bundleTextes() { return builtResources() + QStringLiteral("/Textes"); }

struct Document {
  const char* fileName;
  const char* lang;
  std::vector<const char*> mustMention;
};

const std::vector<const char*> markers = {"????????", "???????", "??????"};

std::vector<Document> documents() {
  // What each must explain, beyond the markers of the help documents.
  const std::vector<const char*> help = {"负", "点", "等于", "◁", "◁◁", "壹", "貳", "萬", "億", "999999999999.99"};
  const std::vector<const char*> rules = {"零",         "万", "亿", "三百五", "350", "一百零五", "一十",
                                          "三亿五千万", "12", "14", "两",     "〇",  "???????",  "??????"};
  auto withMarkers = [](std::vector<const char*> list) {
    list.insert(list.end(), markers.begin(), markers.end());
    return list;
  };
  return {
      {"Calcimandarix help.html", "en", withMarkers(help)},
      {"Aide à Calcimandarix.html", "fr", withMarkers(help)},
      {"Calcimandarix 帮助.html", "zh-Hans", withMarkers(help)},
      {"Calcimandarix 幫助.html", "zh-Hant", withMarkers(help)},
      {"Rules of writing.html", "en", rules},
      {"Règles d'écriture.html", "fr", rules},
  };
}

QString readUtf8(const QString& path, bool* valid) {
  QFile file(path);
  *valid = file.open(QIODevice::ReadOnly);
  if (!*valid) return {};
  const QByteArray bytes = file.readAll();
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder(bytes);
  *valid = !decoder.hasError();
  return text;
}

// Attributes that make a browser fetch or follow something.
bool isLinkAttribute(const QString& name) {
  static const QSet<QString> names = {
      QStringLiteral("href"),       QStringLiteral("src"),       QStringLiteral("srcset"), QStringLiteral("action"),
      QStringLiteral("formaction"), QStringLiteral("data"),      QStringLiteral("poster"), QStringLiteral("cite"),
      QStringLiteral("manifest"),   QStringLiteral("background")};
  return names.contains(name.toLower());
}

class HelpDocumentTest : public ::testing::TestWithParam<Document> {};

TEST_P(HelpDocumentTest, IsInTheBundleAsSelfContainedWellFormedHtml) {
  const Document& doc = GetParam();
  const QString path = bundleTextes() + QLatin1Char('/') + QString::fromUtf8(doc.fileName);
  ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  bool valid = false;
  const QString text = readUtf8(path, &valid);
  ASSERT_TRUE(valid) << "not UTF-8";
  EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>"))) << "an HTML5 document";

  QXmlStreamReader xml(text);
  QSet<QString> ids;
  QStringList internalTargets;
  QString title;
  bool charset = false;
  QStringList elements;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const QString element = xml.name().toString();
    if (elements.isEmpty()) {
      EXPECT_EQ(element, QStringLiteral("html"));
      EXPECT_EQ(xml.attributes().value(QStringLiteral("lang")).toString(), QString::fromLatin1(doc.lang));
    }
    elements << element;
    for (const char* forbidden : {"script", "iframe", "object", "embed", "link", "img", "form", "base", "frame"}) {
      EXPECT_NE(element, QLatin1String(forbidden)) << "a <" << forbidden << "> element";
    }
    if (element == QLatin1String("meta") &&
        xml.attributes().value(QStringLiteral("charset")).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0) {
      charset = true;
    }
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
      const QString name = attribute.name().toString();
      const QString value = attribute.value().toString();
      if (name == QLatin1String("id")) {
        EXPECT_FALSE(ids.contains(value)) << "id " << value.toStdString() << " twice";
        ids << value;
      }
      EXPECT_FALSE(name.startsWith(QLatin1String("on"), Qt::CaseInsensitive))
          << "an event handler " << name.toStdString();
      if (isLinkAttribute(name)) {
        EXPECT_TRUE(value.startsWith(QLatin1Char('#')))
            << name.toStdString() << "=\"" << value.toStdString() << "\" points outside the document";
        internalTargets << value.mid(1);
      }
    }
    if (element == QLatin1String("title")) title = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
  EXPECT_TRUE(charset) << "declares UTF-8";
  EXPECT_FALSE(title.trimmed().isEmpty());
  EXPECT_TRUE(elements.contains(QStringLiteral("head")));
  EXPECT_TRUE(elements.contains(QStringLiteral("body")));
  for (const QString& target : internalTargets) {
    EXPECT_TRUE(ids.contains(target)) << "#" << target.toStdString() << " leads nowhere";
  }
  // Style sheets fetch nothing either.
  EXPECT_FALSE(text.contains(QStringLiteral("url("), Qt::CaseInsensitive));
  EXPECT_FALSE(text.contains(QStringLiteral("@import"), Qt::CaseInsensitive));
  EXPECT_FALSE(text.contains(QStringLiteral("javascript:"), Qt::CaseInsensitive));
}

TEST_P(HelpDocumentTest, ExplainsWhatItMust) {
  const Document& doc = GetParam();
  bool valid = false;
  const QString text = readUtf8(bundleTextes() + QLatin1Char('/') + QString::fromUtf8(doc.fileName), &valid);
  ASSERT_TRUE(valid);
  for (const char* snippet : doc.mustMention) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(snippet))) << doc.fileName << " does not mention " << snippet;
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, HelpDocumentTest, ::testing::ValuesIn(documents()),
                         [](const auto& info) { return "Document" + std::to_string(info.index); });

TEST(HelpDocumentsTest, TheBundleHoldsTheSixDocumentsAndNothingElse) {
  QStringList expected;
  for (const Document& doc : documents()) expected << QString::fromUtf8(doc.fileName);
  QStringList present = QDir(bundleTextes()).entryList(QDir::Files);
  expected.sort();
  present.sort();
  EXPECT_EQ(present, expected);
}

}  // namespace
