// Draws the bundle's pictures, so that no unexplained binary is kept in the sources.
// Usage: picturegen <output folder>
//
// Pictures shown with Transparent (the display's screen and the four welcome pages) are drawn on
// a stand-in of the colour that will show through them, and that colour is then turned into
// pure white: antialiased edges blend with what really lies behind, and pure white appears
// only where the picture must let the window or its controls show through.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <cstdio>

#include "screen_geometry.h"

namespace {

const QString chineseFont = QStringLiteral("WenQuanYi Zen Hei");

constexpr QRgb pureWhite = 0xFFFFFFFF;
// What shows through the pictures: the main window's grey, a window's default background and
// a push button's face.
constexpr QRgb calculatorGrey = 0xFF969696;
constexpr QRgb windowBackground = 0xFFEFEFEF;
constexpr QRgb buttonFace = 0xFFE3E3E3;

QFont font(int pixels, bool bold = false) {
  QFont f(chineseFont);
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QImage canvas(int width, int height, QRgb fill) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(fill);
  return image;
}

// Pure white drawn on purpose becomes nearly white, so that it stays opaque.
void keepOpaque(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == pureWhite) line[x] = 0xFFFEFEFE;
    }
  }
}

// The stand-in colour becomes pure white inside the rectangle.
void letThrough(QImage& image, const QRect& area, QRgb standIn) {
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) {
      if (line[x] == standIn) line[x] = pureWhite;
    }
  }
}

bool save(const QImage& image, const QDir& out, const QString& name) {
  if (image.isNull()) return false;
  if (image.save(out.filePath(name), "PNG")) return true;
  std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(out.filePath(name)));
  return false;
}

// ---- The calculator screen behind the display ----

QImage screen() {
  using namespace screen_geometry;
  QImage image = canvas(width, height, calculatorGrey);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A dark bezel, then the glass with a soft shade from top to bottom.
  p.setPen(QPen(QColor(48, 52, 50), 1));
  p.setBrush(QColor(70, 76, 72));
  p.drawRoundedRect(bezel, bezelRadius, bezelRadius);
  QLinearGradient shade(0, glass.top(), 0, glass.bottom());
  shade.setColorAt(0, QColor(200, 214, 190));
  shade.setColorAt(1, QColor(218, 230, 208));
  p.setPen(QPen(QColor(120, 132, 116), 1));
  p.setBrush(shade);
  p.drawRoundedRect(glass, glassRadius, glassRadius);
  // A faint reflection just under the glass's upper edge.
  p.setPen(QPen(QColor(234, 242, 226), 1));
  p.drawLine(QPointF(innerEdge.left() + innerRadius + 2, innerEdge.top() + 0.5),
             QPointF(innerEdge.right() - innerRadius - 2, innerEdge.top() + 0.5));
  p.end();
  keepOpaque(image);
  letThrough(image, image.rect(), calculatorGrey);
  return image;
}

// ---- The icon ----

QImage icon() {
  QImage image = canvas(64, 64, 0x00000000);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(70, 70, 70), 1.5));
  p.setBrush(QColor(150, 150, 150));
  p.drawRoundedRect(QRectF(6.5, 2.5, 51, 59), 7, 7);
  p.setBrush(QColor(206, 222, 196));
  p.setPen(QPen(QColor(48, 52, 50), 1.5));
  p.drawRoundedRect(QRectF(11.5, 7.5, 41, 18), 3, 3);
  p.setPen(QColor(20, 20, 20));
  p.setFont(font(14, true));
  p.drawText(QRectF(11, 7, 41, 19), Qt::AlignCenter, QStringLiteral("十二"));
  // Three rows of keys, the first one red as the characters on a seal.
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRectF key(12 + col * 14, 30 + row * 10, 11, 8);
      p.setPen(QPen(QColor(90, 90, 90), 1));
      p.setBrush(row == 0 && col == 0 ? QColor(178, 34, 34) : QColor(240, 240, 240));
      p.drawRoundedRect(key, 1.5, 1.5);
    }
  }
  p.end();
  return image;
}

// ---- The welcome pages ----

struct WelcomePage {
  QString name;
  QString title;
  QStringList paragraphs;
  QString badCaption;
  QString goodCaption;
  QString note;
  QString checkBoxLabel;
  // Written on the buttons, which have no caption of their own in the Chinese interfaces.
  QString openSettingsLabel;
  QString okLabel;
};

// Where the welcome window's controls lie under its backdrop.
const QRect badSample(129, 189, 100, 209);
const QRect goodSample(298, 189, 100, 209);
const QRect openSettingsButton(20, 437, 378, 20);
const QRect okButton(410, 437, 71, 20);
const QRect checkBox(20, 469, 225, 20);
// The samples' captions, above them.
constexpr int captionTop = 168;

void drawButtonLabel(QImage& image, const QRect& button, const QString& label) {
  QPainter p(&image);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(button, QColor::fromRgba(buttonFace));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(20, 20, 20));
  p.setFont(font(13));
  p.drawText(button, Qt::AlignCenter, label);
  p.end();
}

// The page, or a null image when its text does not fit above the samples.
QImage welcome(const WelcomePage& page) {
  QImage image = canvas(481, 501, windowBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A red band with the title, as on a seal.
  QLinearGradient band(0, 0, 0, 46);
  band.setColorAt(0, QColor(176, 32, 32));
  band.setColorAt(1, QColor(138, 20, 20));
  p.fillRect(QRect(0, 0, 481, 46), band);
  p.setPen(QColor(255, 226, 150));
  p.setFont(font(21, true));
  p.drawText(QRect(20, 0, 400, 46), Qt::AlignVCenter | Qt::AlignLeft, page.title);
  p.setFont(font(28, true));
  p.drawText(QRect(380, 0, 86, 46), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("算"));

  // What the application does, and the input method: in the largest size that fits above the samples.
  p.setPen(QColor(34, 34, 34));
  int size = 14;
  auto bottomOfText = [&](bool draw) {
    p.setFont(font(size));
    int top = 56;
    for (const QString& paragraph : page.paragraphs) {
      const QRect room(20, top, 441, 200);
      if (draw) p.drawText(room, Qt::TextWordWrap, paragraph);
      top = p.boundingRect(room, Qt::TextWordWrap, paragraph).bottom() + 6;
    }
    return top;
  };
  while (size > 11 && bottomOfText(false) > captionTop) --size;
  if (bottomOfText(true) > captionTop) {
    std::fprintf(stderr, "picturegen: the text of %s runs into the samples\n", qPrintable(page.name));
    return {};
  }

  // The two samples, framed, with their captions above.
  p.setFont(font(13, true));
  p.setPen(QColor(178, 34, 34));
  p.drawText(QRect(badSample.left() - 30, captionTop, badSample.width() + 60, 18), Qt::AlignCenter,
             QStringLiteral("\u2717 ") + page.badCaption);
  p.setPen(QColor(30, 120, 50));
  p.drawText(QRect(goodSample.left() - 30, captionTop, goodSample.width() + 60, 18), Qt::AlignCenter,
             QStringLiteral("\u2713 ") + page.goodCaption);
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(badSample.adjusted(-2, -2, 1, 1));
  p.drawRect(goodSample.adjusted(-2, -2, 1, 1));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(34, 34, 34));
  p.setFont(font(12));
  p.drawText(QRect(20, 403, 441, 30), Qt::AlignCenter | Qt::TextWordWrap, page.note);

  // The check box's caption, beside its box.
  p.setFont(font(12));
  p.drawText(QRect(checkBox.left() + 22, checkBox.top(), 300, checkBox.height()), Qt::AlignVCenter | Qt::AlignLeft,
             page.checkBoxLabel);
  p.end();

  // The samples and the controls show through.
  {
    QPainter holes(&image);
    holes.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : {badSample, goodSample, openSettingsButton, okButton}) {
      holes.fillRect(r, QColor::fromRgba(windowBackground));
    }
    holes.fillRect(QRect(checkBox.left(), checkBox.top(), 20, checkBox.height()), QColor::fromRgba(windowBackground));
  }
  keepOpaque(image);
  if (!page.openSettingsLabel.isEmpty()) drawButtonLabel(image, openSettingsButton, page.openSettingsLabel);
  if (!page.okLabel.isEmpty()) drawButtonLabel(image, okButton, page.okLabel);
  letThrough(image, image.rect(), windowBackground);
  letThrough(image, openSettingsButton, buttonFace);
  letThrough(image, okButton, buttonFace);
  return image;
}

QList<WelcomePage> welcomePages() {
  return {
      {QStringLiteral("ImageEN.png"),
       QStringLiteral("Welcome to Calcimandarix"),
       {QStringLiteral("Calcimandarix calculates with Chinese numerals and converts them into Arabic numerals "
                       "and back, in simplified or traditional characters, usual or financial. Use the keypad, "
                       "or unfold the converter with the triangle at the bottom left."),
        QStringLiteral("To type Chinese characters with your keyboard you may need a Chinese input method: "
                       "the first button below opens your system's language settings.")},
       QStringLiteral("Badly written"),
       QStringLiteral("Well written"),
       QStringLiteral("Write 零 for zero, not 〇; 二 for two, not 两; and keep to one table of characters."),
       QStringLiteral("Do not show this window at start"),
       QString(),
       QString()},
      {QStringLiteral("ImageFR.png"),
       QStringLiteral("Bienvenue dans Calcimandarix"),
       {QStringLiteral("Calcimandarix calcule avec les nombres chinois et les convertit en chiffres arabes et "
                       "inversement, en caractères simplifiés ou traditionnels, usuels ou financiers. Utilisez "
                       "le clavier, ou dépliez le convertisseur par le triangle en bas à gauche."),
        QStringLiteral("Pour taper du chinois au clavier, il vous faudra peut-être une méthode de saisie "
                       "chinoise : le premier bouton ci-dessous ouvre les réglages de langue du système.")},
       QStringLiteral("Mal écrit"),
       QStringLiteral("Bien écrit"),
       QStringLiteral("Écrivez 零 pour zéro, pas 〇 ; 二 pour deux, pas 两 ; et gardez une seule table de "
                      "caractères."),
       QStringLiteral("Ne plus afficher cette fenêtre au démarrage"),
       QString(),
       QString()},
      {QStringLiteral("ImageSIMP.png"),
       QStringLiteral("欢迎使用 Calcimandarix"),
       {QStringLiteral("Calcimandarix 用中文数字计算，并在中文数字和阿拉伯数字之间互相转换，支持简体和繁体、"
                       "小写和大写（财务）数字。请使用计算器的按键，或点击左下角的三角形展开转换器。"),
        QStringLiteral("用键盘输入汉字可能需要中文输入法：下面第一个按钮可打开系统的语言设置。")},
       QStringLiteral("错误写法"),
       QStringLiteral("正确写法"),
       QStringLiteral("零不要写成〇，二不要写成两，也不要混用不同的字表。"),
       QStringLiteral("启动时不再显示此窗口"),
       QStringLiteral("打开系统语言设置"),
       QStringLiteral("确定")},
      {QStringLiteral("ImageTRAD.png"),
       QStringLiteral("歡迎使用 Calcimandarix"),
       {QStringLiteral("Calcimandarix 用中文數字計算，並在中文數字和阿拉伯數字之間互相轉換，支援簡體和繁體、"
                       "小寫和大寫（財務）數字。請使用計算機的按鍵，或點擊左下角的三角形展開轉換器。"),
        QStringLiteral("用鍵盤輸入漢字可能需要中文輸入法：下面第一個按鈕可開啟系統的語言設定。")},
       QStringLiteral("錯誤寫法"),
       QStringLiteral("正確寫法"),
       QStringLiteral("零不要寫成〇，二不要寫成兩，也不要混用不同的字表。"),
       QStringLiteral("啟動時不再顯示此視窗"),
       QStringLiteral("開啟系統語言設定"),
       QStringLiteral("確定")},
  };
}

// ---- The two samples: a numeral written top to bottom, as on a slip of paper ----

struct Glyph {
  QString character;
  bool wrong;
};

QImage sample(const QList<Glyph>& glyphs, const QString& value, bool good) {
  QImage image = canvas(100, 209, 0xFFFBF6E8);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(good ? QColor(30, 120, 50) : QColor(178, 34, 34), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 98, 207));
  const int pitch = 33;
  for (int i = 0; i < glyphs.size(); ++i) {
    const QRect cell(14, 8 + i * pitch, 60, pitch);
    p.setFont(font(28));
    p.setPen(glyphs[i].wrong ? QColor(178, 34, 34) : QColor(20, 20, 20));
    p.drawText(cell, Qt::AlignCenter, glyphs[i].character);
    if (glyphs[i].wrong) {
      // A fault, marked beside the character as a teacher would.
      p.setFont(font(16, true));
      p.drawText(QRect(cell.right(), cell.top(), 22, pitch), Qt::AlignCenter, QStringLiteral("\u2717"));
    }
  }
  p.setFont(font(13, true));
  p.setPen(good ? QColor(30, 120, 50) : QColor(178, 34, 34));
  p.drawText(QRect(4, 176, 92, 28), Qt::AlignCenter, value);
  p.end();
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: picturegen <output folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;

  bool ok = save(screen(), out, QStringLiteral("ecran15"));
  ok = save(icon(), out, QStringLiteral("Icone64.png")) && ok;
  for (const WelcomePage& page : welcomePages()) ok = save(welcome(page), out, page.name) && ok;
  // 2050: 两 and 〇 are not numerals the reader takes, and 伍 is financial among usual characters.
  ok = save(sample({{QStringLiteral("两"), true},
                    {QStringLiteral("千"), false},
                    {QStringLiteral("〇"), true},
                    {QStringLiteral("伍"), true},
                    {QStringLiteral("十"), false}},
                   QStringLiteral("2050 ?"), false),
            out, QStringLiteral("ImageMauvais.png")) &&
       ok;
  ok = save(sample({{QStringLiteral("二"), false},
                    {QStringLiteral("千"), false},
                    {QStringLiteral("零"), false},
                    {QStringLiteral("五"), false},
                    {QStringLiteral("十"), false}},
                   QStringLiteral("2050"), true),
            out, QStringLiteral("ImageBon.png")) &&
       ok;
  return ok ? 0 : 1;
}
