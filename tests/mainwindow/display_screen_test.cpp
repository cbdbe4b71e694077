// The display's texts stand on the screen picture's glass: the ink of the operator's word, the
// Arabic echo, the operator symbol and the number keeps inside the glass's inner edge, in each
// character table and interface language, for every operator and every length of number.

#include <QPainterPath>
#include <QWidget>

#include "screen_geometry.h"
#include "support/app_fixture.h"
#include "support/character_tables.h"

namespace {

// The longest number the reader takes, key by key.
const char* const longestNumber[] = {"BBn",    "BB9",    "BB1000", "BB9",   "BB100", "BB9",  "BB10", "BB9",   "BB108",
                                     "BB9",    "BB1000", "BB9",    "BB100", "BB9",   "BB10", "BB9",  "BB104", "BB9",
                                     "BB1000", "BB9",    "BB100",  "BB9",   "BB10",  "BB9",  "BBp",  "BB9",   "BB9"};

class DisplayScreenTest : public AppFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  // The display texts whose ink leaves the glass, with where it lies in the canvas.
  std::string outsideGlass() {
    QPainterPath glass;
    glass.addRoundedRect(screen_geometry::innerEdge, screen_geometry::innerRadius, screen_geometry::innerRadius);
    const QWidget* canvas = fpr().Canvas4->widget();
    std::string outside;
    for (platform::StaticText* text : {fpr().STopera, fpr().StaticText11, fpr().StaticText13, fpr().StaticText1}) {
      const QRect ink = text->textInk();
      if (ink.isEmpty() || !text->widget()->isVisible()) continue;
      const QPoint offset = text->widget()->mapToGlobal(QPoint(0, 0)) - canvas->mapToGlobal(QPoint(0, 0));
      const QRectF onScreen(ink.translated(offset));
      if (glass.contains(onScreen)) continue;
      outside += " " + text->name().toStdString() + " \"" + text->text().toStdString() + "\" at " +
                 std::to_string(int(onScreen.left())) + "," + std::to_string(int(onScreen.top())) + " to " +
                 std::to_string(int(onScreen.right())) + "," + std::to_string(int(onScreen.bottom())) + ";";
    }
    return outside;
  }
};

TEST_P(DisplayScreenTest, TheDisplayTextsStayOnTheGlass) {
  setLanguage(QString::fromLatin1(GetParam()));
  for (CharacterTable table : kAllTables) {
    SCOPED_TRACE(tableName(table));
    startInTable(table);
    chooseMenu(QStringLiteral("AideAfficherlecranencours"));
    // Each operator's word with its symbol, then the equals word with a result.
    for (const char* key : {"BBad", "BBsous", "BBmu", "BBdiv", "BBe"}) {
      press(QStringLiteral("BB5"));
      press(QString::fromLatin1(key));
      ASSERT_FALSE(operatorText().isEmpty()) << key;
      EXPECT_EQ(outsideGlass(), "") << "after " << key;
    }
    // Every length of number, up to the longest on two lines of the smaller size.
    press(QStringLiteral("BBad"));
    int length = 0;
    for (const char* key : longestNumber) {
      press(QString::fromLatin1(key));
      EXPECT_EQ(outsideGlass(), "") << ++length << " characters";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, DisplayScreenTest, ::testing::Values("en", "fr", "zh-CN", "zh-TW", "de"),
                         [](const auto& info) { return languageTestName(info.param); });

}  // namespace
