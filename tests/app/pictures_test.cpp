// The bundle's pictures: each getter loads its file once, tries again after a failure, and the
// application starts without them; the pictures the build draws let through what they must.

#include <QDir>
#include <QFile>
#include <QImage>

#include "app/pictures.h"
#include "support/app_fixture.h"
#include "support/temporary_bundle.h"

namespace {

struct PictureCase {
  const char* file;
  platform::Picture (Pictures::*getter)();
  QSize size;
};

const PictureCase pictureCases[] = {
    {"ecran15", &Pictures::ecran15, {261, 64}},          {"Icone64.png", &Pictures::Icone64, {64, 64}},
    {"ImageFR.png", &Pictures::ImageFR, {481, 501}},     {"ImageEN.png", &Pictures::ImageEN, {481, 501}},
    {"ImageTRAD.png", &Pictures::ImageTRAD, {481, 501}}, {"ImageSIMP.png", &Pictures::ImageSIMP, {481, 501}},
    {"ImageBon.png", &Pictures::ImageBon, {100, 209}},   {"ImageMauvais.png", &Pictures::ImageMauvais, {100, 209}},
};

class PicturesTest : public AppFixture {};

TEST_F(PicturesTest, EachGetterLoadsOnceAndTriesAgainAfterAFailure) {
  start();
  TemporaryBundle bundle;
  services().executable = bundle.executable();
  Pictures pictures;
  for (const PictureCase& c : pictureCases) {
    SCOPED_TRACE(c.file);
    const QString name = QString::fromLatin1(c.file);
    // Missing: nothing, and nothing kept.
    EXPECT_TRUE((pictures.*c.getter)().isNull());
    ASSERT_TRUE(bundle.copyIn(name));
    const platform::Picture loaded = (pictures.*c.getter)();
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(QSize(loaded.width(), loaded.height()), c.size);
    // Kept: the file is not read again, and every caller shares the one picture.
    ASSERT_TRUE(QFile::remove(bundle.resource(name)));
    EXPECT_TRUE((pictures.*c.getter)() == loaded);
    EXPECT_EQ(loaded.rendered().size(), c.size);
  }
}

TEST_F(PicturesTest, AFileThatIsNoPictureGivesNothing) {
  start();
  TemporaryBundle bundle;
  services().executable = bundle.executable();
  {
    QFile broken(bundle.resource(QStringLiteral("Icone64.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
  }
  ASSERT_TRUE(QDir().mkpath(bundle.resource(QStringLiteral("ImageBon.png"))));
  Pictures pictures;
  EXPECT_TRUE(pictures.Icone64().isNull());
  EXPECT_TRUE(pictures.ImageBon().isNull());
  // An executable outside any bundle has no resources folder.
  services().executable = QStringLiteral("/calcimandarix");
  EXPECT_TRUE(pictures.ImageMauvais().isNull());
}

TEST_F(PicturesTest, SettingTransparentOnOneHandleActsForEveryUser) {
  start();
  Pictures& pictures = application().pictures;
  const platform::Picture screen = pictures.ecran15();
  ASSERT_FALSE(screen.isNull());
  EXPECT_EQ(fpr().Canvas4->backdrop().transparent(), 1);
  // The screen's white corners are drawn transparent; its glass is not.
  const QImage drawn = fpr().Canvas4->backdrop().rendered();
  EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(drawn.pixel(130, 32)), 255);
}

TEST_F(PicturesTest, TheApplicationStartsWithoutItsPictures) {
  TemporaryBundle bundle;
  setExecutable(bundle.executable());
  // No preferences file: the welcome window is shown, with no picture to show either.
  bool welcomeShown = false;
  onNextModal([&welcomeShown](platform::Window& window) {
    welcomeShown = true;
    window.widget()->grab();
    window.close();
  });
  startWithoutPrefs();
  EXPECT_TRUE(welcomeShown);
  EXPECT_TRUE(application().opened());
  EXPECT_TRUE(fpr().visible());
  EXPECT_TRUE(fpr().Canvas4->backdrop().isNull());
  EXPECT_EQ(fpr().key(QStringLiteral("BB4"))->caption(), QStringLiteral("四"));
  // Drawing the window without its screen picture.
  EXPECT_FALSE(fpr().widget()->grab().isNull());
  // Once the picture is there, the next call loads it.
  ASSERT_TRUE(bundle.copyIn(QStringLiteral("ecran15")));
  EXPECT_FALSE(application().pictures.ecran15().isNull());
}

TEST_F(PicturesTest, OpeningTheLanguageSettingsGoesToTheDesktopEachTime) {
  start();
  Ouvririnternational();
  Ouvririnternational();
  EXPECT_EQ(services().languageSettingsOpened, 2);
}

// ---- What the build draws ----

bool allWhite(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) != 0xFFFFFFFFu) return false;
    }
  }
  return true;
}

bool anyWhite(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) == 0xFFFFFFFFu) return true;
    }
  }
  return false;
}

QImage builtPicture(const char* name) {
  return QImage(QDir(builtResources()).filePath(QString::fromLatin1(name))).convertToFormat(QImage::Format_ARGB32);
}

TEST(BundlePicturesTest, TheWelcomePagesLetTheSamplesAndTheControlsShowThrough) {
  struct Page {
    const char* file;
    bool labelsTheButtons;
  };
  const QRect samples[] = {{129, 189, 100, 209}, {298, 189, 100, 209}};
  const QRect buttons[] = {{20, 437, 378, 20}, {410, 437, 71, 20}};
  const QRect checkBoxMark(20, 469, 18, 20);
  for (const Page& page : {Page{"ImageEN.png", false}, Page{"ImageFR.png", false}, Page{"ImageSIMP.png", true},
                           Page{"ImageTRAD.png", true}}) {
    SCOPED_TRACE(page.file);
    const QImage image = builtPicture(page.file);
    ASSERT_EQ(image.size(), QSize(481, 501));
    for (const QRect& sample : samples) EXPECT_TRUE(allWhite(image, sample));
    EXPECT_TRUE(allWhite(image, checkBoxMark));
    // The check box has no caption of its own: the page writes one beside its mark.
    EXPECT_FALSE(allWhite(image, QRect(42, 469, 180, 20)));
    for (const QRect& button : buttons) {
      // The Chinese interfaces give the buttons no caption: the page writes it on them.
      EXPECT_EQ(allWhite(image, button), !page.labelsTheButtons);
      EXPECT_TRUE(anyWhite(image, button));
    }
    // The text of the page is drawn.
    EXPECT_FALSE(allWhite(image, QRect(20, 56, 441, 40)));
  }
}

TEST(BundlePicturesTest, TheScreenIsWhiteOnlyAroundItsGlass) {
  const QImage screen = builtPicture("ecran15");
  ASSERT_EQ(screen.size(), QSize(261, 64));
  for (const QPoint corner : {QPoint(0, 0), QPoint(260, 0), QPoint(0, 63), QPoint(260, 63)}) {
    EXPECT_EQ(screen.pixel(corner), 0xFFFFFFFFu);
  }
  EXPECT_FALSE(anyWhite(screen, QRect(8, 6, 245, 52)));
}

TEST(BundlePicturesTest, TheSamplesAndTheIconAreDrawn) {
  for (const char* name : {"ImageBon.png", "ImageMauvais.png"}) {
    const QImage sample = builtPicture(name);
    EXPECT_EQ(sample.size(), QSize(100, 209)) << name;
    EXPECT_FALSE(sample.isNull()) << name;
  }
  // The two samples differ: one is marked as wrong.
  EXPECT_NE(builtPicture("ImageBon.png"), builtPicture("ImageMauvais.png"));
  const QImage icon = builtPicture("Icone64.png");
  EXPECT_EQ(icon.size(), QSize(64, 64));
  EXPECT_GT(qAlpha(icon.pixel(32, 32)), 0);
}

}  // namespace
