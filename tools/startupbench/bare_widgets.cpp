// The floor for the start-up with the main window's widgets: a bare Qt Widgets program with a
// menu bar of as many items, 24 push buttons with Chinese captions, the two converter fields
// and the display's and keys' texts, laid out as the main window lays them out.

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "quit_when_idle.h"

namespace {

QFont chineseFont(int pixelSize) {
  QFont font = QApplication::font();
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) {
      font.setFamilies({family});
      break;
    }
  }
  font.setPixelSize(pixelSize);
  return font;
}

void addMenus(QMenuBar& bar) {
  const struct {
    const char* title;
    int items;
  } menus[] = {{"File", 1}, {"Edit", 3}, {"Window", 2}, {"Characters", 6}, {"Help", 4}};
  for (const auto& m : menus) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(m.title));
    for (int i = 0; i < m.items; ++i) menu->addAction(QStringLiteral("Item %1").arg(i + 1));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(281, 296);
  QMenuBar bar(&window);
  addMenus(bar);

  const QFont keyFont = chineseFont(20);
  const QString captions = QStringLiteral("负千等四九亿三八万二七减除一六百点加乘零五十");
  for (int i = 0; i < captions.size(); ++i) {
    auto* key = new QPushButton(captions.mid(i, 1), &window);
    key->setFont(keyFont);
    key->setGeometry(10 + 41 * (i % 6), 84 + 41 * (i / 6), 38, 38);
    auto* caption = new QLabel(QString::number(i), &window);
    caption->setGeometry(10 + 41 * (i % 6), 106 + 41 * (i / 6), 36, 20);
    caption->hide();
  }
  for (int i = 0; i < 2; ++i) {
    auto* key = new QPushButton(i == 0 ? QStringLiteral("删除") : QStringLiteral("清除"), &window);
    key->setFont(chineseFont(16));
    key->setGeometry(192, 166 + 20 * i, 79, 18);
  }

  QLabel display(QStringLiteral("一千二百三十四"), &window);
  display.setFont(keyFont);
  display.setGeometry(19, 29, 247, 44);
  QLabel operatorText(&window), echo(&window);
  operatorText.setGeometry(20, 10, 33, 20);
  echo.setGeometry(130, 10, 136, 20);

  QPlainTextEdit chinese(&window), arabic(&window);
  chinese.setFont(chineseFont(18));
  chinese.setGeometry(9, 306, 263, 41);
  arabic.setGeometry(9, 357, 263, 25);
  QLabel hintChinese(&chinese), hintArabic(&arabic);

  QuitWhenIdle timing(window);
  window.show();
  return QApplication::exec();
}
