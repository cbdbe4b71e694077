// The about box: its design, its texts in each language, and the two links with their hover style.

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QPalette>
#include <QTest>
#include <vector>

#include "dialogs/fapropos.h"
#include "support/app_fixture.h"

namespace {

constexpr platform::Color blue = platform::RGB(0, 0, 225);
constexpr platform::Color black = platform::RGB(0, 0, 0);

class AboutBoxTest : public AppFixture {
 protected:
  fapropos& open() {
    chooseMenu(QStringLiteral("menuapropos"));
    fapropos* box = application().liveInstance<fapropos>();
    EXPECT_NE(box, nullptr);
    return *box;
  }
  static void enter(platform::StaticText* label) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(label->widget(), &event);
  }
  static void leave(platform::StaticText* label) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(label->widget(), &event);
  }
  static void expectStyle(platform::StaticText* label, platform::Color color, bool underline, const char* when) {
    EXPECT_EQ(label->textColor(), color) << label->name().toStdString() << " " << when;
    EXPECT_EQ(label->underline(), underline) << label->name().toStdString() << " " << when;
    EXPECT_EQ(label->widget()->font().underline(), underline) << label->name().toStdString() << " " << when;
    EXPECT_EQ(label->widget()->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, color)
        << label->name().toStdString() << " " << when;
  }
};

TEST_F(AboutBoxTest, IsASmallWhiteFloatingWindowWithoutTitle) {
  start();
  fapropos& box = open();
  EXPECT_EQ(box.frame(), platform::Frame::Floating);
  EXPECT_TRUE(box.visible());
  EXPECT_EQ(box.title(), QString());
  EXPECT_EQ(box.width(), 228);
  EXPECT_EQ(box.height(), 284);
  EXPECT_FALSE(box.resizable());
  EXPECT_TRUE(box.content()->autoFillBackground());
  EXPECT_EQ(box.content()->palette().color(QPalette::Window).rgb() & 0xFFFFFF, platform::RGB(255, 255, 255));
  ASSERT_NE(box.Canvas1, nullptr);
  EXPECT_EQ(box.Canvas1->backdrop(), application().pictures.Icone64());
  EXPECT_FALSE(box.Canvas1->backdrop().isNull());
  EXPECT_FALSE(box.Canvas1->useFocusRing());
  EXPECT_EQ(box.Canvas1->left(), 82);
  EXPECT_EQ(box.Canvas1->top(), 32);
  EXPECT_EQ(box.Canvas1->width(), 64);
  EXPECT_EQ(box.Canvas1->height(), 64);
}

TEST_F(AboutBoxTest, LaysOutItsLabels) {
  start();
  fapropos& box = open();
  struct Label {
    platform::StaticText* label;
    int left, top, width, height;
    platform::TextAlign align;
    bool multiline;
    int size;
  };
  using platform::TextAlign;
  const std::vector<Label> labels = {
      {box.StaticText1, 0, 170, 228, 52, TextAlign::Center, true, 12},
      {box.StaticText2, -4, 102, 228, 20, TextAlign::Center, false, 18},
      {box.StaticText3, 0, 124, 228, 17, TextAlign::Center, false, 12},
      {box.StaticText4, 0, 248, 228, 16, TextAlign::Left, true, 12},
      {box.StaticText5, 4, 261, 220, 16, TextAlign::Center, false, 12},
  };
  for (const Label& l : labels) {
    ASSERT_NE(l.label, nullptr);
    const std::string name = l.label->name().toStdString();
    EXPECT_EQ(l.label->left(), l.left) << name;
    EXPECT_EQ(l.label->top(), l.top) << name;
    EXPECT_EQ(l.label->width(), l.width) << name;
    EXPECT_EQ(l.label->height(), l.height) << name;
    EXPECT_EQ(l.label->textAlign(), l.align) << name;
    EXPECT_EQ(l.label->multiline(), l.multiline) << name;
    EXPECT_EQ(l.label->textSize(), l.size) << name;
    EXPECT_EQ(l.label->textFont(), QStringLiteral("System")) << name;
    EXPECT_TRUE(l.label->visible()) << name;
    expectStyle(l.label, black, false, "when built");
  }
}

struct LanguageTexts {
  const char* bcp47;
  const char* version;
  const char* freewareWord;  // a word of the language's freeware line
};

class AboutBoxTextsTest : public AboutBoxTest, public ::testing::WithParamInterface<LanguageTexts> {};

TEST_P(AboutBoxTextsTest, OnlyTheVersionAndFreewareLinesFollowTheLanguage) {
  setLanguage(QString::fromLatin1(GetParam().bcp47));
  start();
  fapropos& box = open();
  EXPECT_EQ(box.StaticText3->text(), QString::fromUtf8(GetParam().version));
  const QString freeware = box.StaticText1->text();
  EXPECT_TRUE(freeware.contains(QString::fromUtf8(GetParam().freewareWord))) << freeware.toStdString();
  EXPECT_TRUE(freeware.endsWith(QStringLiteral("\r\r"))) << "the label keeps the line's carriage returns";
  EXPECT_EQ(box.StaticText2->text(), QStringLiteral("Calcimandarix"));
  EXPECT_EQ(box.StaticText4->text(), QStringLiteral("support@example.org"));
  EXPECT_EQ(box.StaticText5->text(), QStringLiteral("www.example.org/calcimandarix"));
}

INSTANTIATE_TEST_SUITE_P(Languages, AboutBoxTextsTest,
                         ::testing::Values(LanguageTexts{"en", "Version 1.0", "freeware"},
                                           LanguageTexts{"fr", "Version 1.0", "gratuiciel"},
                                           LanguageTexts{"zh-CN", "版本 1.0", "免费软件"},
                                           LanguageTexts{"zh-TW", "版本 1.0", "免費軟體"},
                                           LanguageTexts{"", "Version 1.0", "freeware"}),
                         [](const auto& info) { return languageTestName(info.param.bcp47); });

struct Link {
  platform::StaticText* fapropos::*label;
  platform::StaticText* fapropos::*other;
  const char* url;
};

class AboutBoxLinksTest : public AboutBoxTest, public ::testing::WithParamInterface<Link> {};

TEST_P(AboutBoxLinksTest, HoverTurnsTheLabelBlueAndUnderlinedAndLeavingTurnsItBack) {
  start();
  fapropos& box = open();
  platform::StaticText* label = box.*GetParam().label;
  platform::StaticText* other = box.*GetParam().other;
  enter(label);
  expectStyle(label, blue, true, "under the pointer");
  expectStyle(other, black, false, "beside it");
  leave(label);
  expectStyle(label, black, false, "after the pointer left");
  EXPECT_TRUE(services().urls.isEmpty()) << "hovering opens nothing";
}

TEST_P(AboutBoxLinksTest, ALinkTheDesktopCannotOpenIsReported) {
  setLanguage(QStringLiteral("fr"));
  start();
  services().desktopOpensNothing = true;
  platform::StaticText* label = open().*GetParam().label;
  QTest::mouseClick(label->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  processEvents();
  EXPECT_EQ(services().urls, QStringList{QString::fromLatin1(GetParam().url)});
  EXPECT_EQ(services().messages,
            QStringList{
                QStringLiteral("Rien sur ce système ne peut ouvrir « %1 ».").arg(QString::fromLatin1(GetParam().url))});
}

TEST_P(AboutBoxLinksTest, AClickHandsTheAddressToTheSystemAndTheLabelStaysBlueUntilThePointerLeaves) {
  start();
  fapropos& box = open();
  platform::StaticText* label = box.*GetParam().label;
  enter(label);
  QTest::mouseClick(label->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  processEvents();
  EXPECT_EQ(services().urls, QStringList{QString::fromLatin1(GetParam().url)});
  expectStyle(label, blue, true, "after the click");
  leave(label);
  expectStyle(label, black, false, "after the pointer left");
  EXPECT_EQ(label->mousePressed(0, 0), false) << "the click goes on";
}

INSTANTIATE_TEST_SUITE_P(
    Links, AboutBoxLinksTest,
    ::testing::Values(Link{&fapropos::StaticText4, &fapropos::StaticText5, "mailto:support@example.org"},
                      Link{&fapropos::StaticText5, &fapropos::StaticText4, "https://www.example.org/calcimandarix"}),
    [](const auto& info) { return info.index == 0 ? "Mail" : "WebSite"; });

TEST_F(AboutBoxTest, ClosingEndsTheBoxAndTheNextOneStartsPlain) {
  start();
  fapropos& first = open();
  enter(first.StaticText4);
  enter(first.StaticText5);
  first.close();
  processEvents();
  EXPECT_EQ(application().liveInstance<fapropos>(), nullptr);
  fapropos& second = open();
  EXPECT_TRUE(second.visible());
  expectStyle(second.StaticText4, black, false, "in a new box");
  expectStyle(second.StaticText5, black, false, "in a new box");
}

}  // namespace
