// Font names of the design: "Hei" in any case is a face with the Chinese characters, "System"
// the platform's UI font; size 0 is the one size the design's controls were made for.

#include <QApplication>
#include <QFontMetrics>

#include "platform/platform_fixture.h"

namespace {

using platform::StaticText;
using platform_test::PlatformTest;
using platform_test::WindowA;

class FontsTest : public PlatformTest {
 protected:
  FontsTest() : window(app().instance<WindowA>()) {}
  QFont fontOf(const QString& family, int size) {
    auto* label = window.make<StaticText>(QStringLiteral("ST%1").arg(++made));
    label->setTextFont(family);
    label->setTextSize(size);
    return label->widget()->font();
  }
  WindowA& window;
  int made = 0;
};

TEST_F(FontsTest, HeiInAnyCaseShowsTheChineseCharacters) {
  for (const char* name : {"Hei", "hei", "HEI"}) {
    const QFont font = fontOf(QString::fromLatin1(name), 20);
    const QFontMetrics metrics(font);
    for (char16_t c : {u'零', u'萬', u'万', u'〇', u'壹', u'億'}) {
      EXPECT_TRUE(metrics.inFont(QChar(c))) << name << " lacks U+" << std::hex << int(c);
    }
    EXPECT_EQ(font.pixelSize(), 20) << name;
    EXPECT_EQ(font.family(), fontOf(QStringLiteral("Hei"), 20).family()) << name;
  }
}

TEST_F(FontsTest, SystemIsTheApplicationsFaceAndSizeZeroOneSizeWhateverTheDesktopSets) {
  const QFont standard = QApplication::font();
  // A desktop whose default font is large: the design's size 0 stays the size its controls fit.
  QFont large = standard;
  large.setPointSize(20);
  QApplication::setFont(large);
  for (const char* name : {"System", "system", ""}) {
    const QFont font = fontOf(QString::fromLatin1(name), 0);
    EXPECT_EQ(font.family(), standard.family()) << name;
    EXPECT_EQ(font.pixelSize(), 12) << name << ": size 0 is the platform's size";
  }
  EXPECT_EQ(fontOf(QStringLiteral("hei"), 0).pixelSize(), 12);
  QApplication::setFont(standard);
  const QFont sized = fontOf(QStringLiteral("System"), 15);
  EXPECT_EQ(sized.family(), standard.family());
  EXPECT_EQ(sized.pixelSize(), 15) << "sizes are pixels, as the design's coordinates are";
}

TEST_F(FontsTest, HeiAtSizeZeroShowsTheChineseCharacters) {
  EXPECT_TRUE(QFontMetrics(fontOf(QStringLiteral("hei"), 0)).inFont(QChar(u'零')));
}

TEST_F(FontsTest, StylesApply) {
  auto* label = window.make<StaticText>(QStringLiteral("styled"));
  label->setTextFont(QStringLiteral("System"));
  label->setBold(true);
  label->setItalic(true);
  label->setUnderline(true);
  const QFont font = label->widget()->font();
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_TRUE(font.underline());
}

TEST_F(FontsTest, FieldsAndButtonsTakeTheSameFaces) {
  auto* field = window.make<platform::EditField>(QStringLiteral("EF"));
  field->setTextFont(QStringLiteral("hei"));
  field->setTextSize(16);
  EXPECT_TRUE(QFontMetrics(field->widget()->font()).inFont(QChar(u'萬')));
  field->setItalic(true);
  EXPECT_TRUE(field->widget()->font().italic());
  auto* key = window.make<platform::BevelButton>(QStringLiteral("BB"));
  key->setTextFont(QStringLiteral("HEI"));
  key->setTextSize(20);
  EXPECT_TRUE(QFontMetrics(key->widget()->font()).inFont(QChar(u'億')));
}

}  // namespace
