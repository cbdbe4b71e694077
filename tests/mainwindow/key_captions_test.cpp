// Help on keys: each key's Arabic caption shows in its key's lower right, clear of the key's
// Chinese character, large enough to read, in each character table.

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>

#include "mainwindow/keypad.h"
#include "texte/text.h"
#include "support/app_fixture.h"
#include "support/caption_ink.h"
#include "support/character_tables.h"

namespace {

std::string describe(const QRect& r) {
  return std::to_string(r.left()) + "," + std::to_string(r.top()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

// The smallest extent at which a caption's character still reads, in pixels: a digit as tall as
// the design platform's 10-point system face drew it (7), a raised digit as the smallest digit
// that keeps its shape (5), a point three pixels each way (a point of two spreads, between
// pixels, into a faint grey), and a sign's stroke at least a pixel thick.
struct Readable {
  qreal width, height;
};

Readable readable(char32_t c) {
  if (c >= '0' && c <= '9') return {4, 7};
  if (c == 0x2074 || c == 0x2078) return {3, 5};
  if (c == '.') return {3, 3};
  return {1, 1};
}

class KeyCaptionsTest : public AppFixture {};

TEST_F(KeyCaptionsTest, EachCaptionIsReadableInItsKeysLowerRightClearOfTheCharacter) {
  for (CharacterTable table : kAllTables) {
    SCOPED_TRACE(tableName(table));
    startInTable(table);
    chooseMenu(QStringLiteral("AideAidesurtouches"));
    for (const KeySpec& spec : keypad()) {
      SCOPED_TRACE(spec.label);
      auto* key = qobject_cast<QAbstractButton*>(fpr().key(QString::fromLatin1(spec.name))->widget());
      platform::StaticText* caption = fpr().keyCaption(QString::fromLatin1(spec.label));
      ASSERT_TRUE(key && caption);
      ASSERT_TRUE(caption->widget()->isVisible());
      const QRect character = paintedCaption(*key);
      ASSERT_FALSE(character.isEmpty());
      const QPoint offset = caption->widget()->mapToGlobal(QPoint(0, 0)) - key->mapToGlobal(QPoint(0, 0));
      const QRect ink = caption->textInk().translated(offset);
      // Inside the key's one-pixel outline.
      const QRect face = key->rect().adjusted(1, 1, -1, -1);
      EXPECT_TRUE(face.contains(ink)) << "caption " << describe(ink) << " on the key's face " << describe(face);
      EXPECT_FALSE(ink.intersects(character))
          << "caption " << describe(ink) << " over the character " << describe(character);
      // In the lower right: its right and bottom edges in the key's right and lower halves.
      EXPECT_GT(ink.right(), key->width() / 2);
      EXPECT_GT(ink.bottom(), key->height() / 2);
      // Glyphs come by run, one run a font; the captions read from left to right.
      QList<QRectF> glyphs = caption->glyphInks();
      std::sort(glyphs.begin(), glyphs.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
      const std::u32string characters = texte::CodePoints(caption->text());
      ASSERT_EQ(size_t(glyphs.size()), characters.size());
      for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const char32_t c = characters[size_t(i)];
        const Readable least = readable(c);
        EXPECT_TRUE(glyphs[i].height() >= least.height && glyphs[i].width() >= least.width)
            << "character U+" << std::hex << uint32_t(c) << std::dec << " drawn " << glyphs[i].width() << "x"
            << glyphs[i].height() << ", readable from " << least.width << "x" << least.height;
      }
    }
  }
}

}  // namespace
